#include "model/originalwerte.h"

#include "model/murmex.h"
#include "model/premiumlayout.h"
#include "model/statestring.h"
#include "model/tileset.h"

void originalwerte(Murmex& m)
{
    for (int square : premiums::tripleWordSquares())
        m.wordFactor[square] = 3;
    for (int square : premiums::doubleWordSquares())
        m.wordFactor[square] = 2;
    for (int square : premiums::doubleLetterSquares())
        m.letterFactor[square] = 2;
    for (int square : premiums::tripleLetterSquares())
        m.letterFactor[square] = 3;

    for (int n = 1; n <= tiles::kTileCount; ++n)
        m.o[n].state = QString(m.o[n].state + u' ' + state::threeDigits(n)).left(17);

    for (Cell& slot : m.bb)
        slot = {state::kEmptyCell.toString(), Picture()};
}
