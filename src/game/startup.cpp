#include "game/startup.h"

#include "game/datadirectory.h"
#include "game/filepanels.h"
#include "game/options.h"
#include "game/optionsfile.h"
#include "model/boardgeometry.h"
#include "model/emptygame.h"
#include "model/murmex.h"
#include "model/originalwerte.h"

void Form_Load(Murmex& m, const QString& programDirectory, const QString& fallbackLocation)
{
    m.dataDirectory = prepareDataDirectory(programDirectory, fallbackLocation);
    m.Option1.setClickHandler([&m](int k) { Option1_Click(m, k); });
    readOptionsFile(m);
    setUpFilePanels(m);
    m.bagHidden = true;
    for (int i = 1; i <= board::kSquareCount; ++i) {
        m.letterFactor[i] = 1;
        m.wordFactor[i] = 1;
    }
    originalwerte(m);
    m.boardSaved = true;
    emptyGameReset(m);
}
