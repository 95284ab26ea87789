#include "tiles/blankoersatz.h"

#include "model/murmex.h"
#include "model/tileset.h"
#include "platform/platform.h"

void Blankoersatz_Command1_Click(Murmex& m, const QString& input)
{
    const QString answer = input.isEmpty() ? QStringLiteral("_") : input.toLower();
    m.Text4.setText(answer);
    if (answer.size() != 1)
        return;
    const int k = tiles::blankLetterIndex(answer.front());
    if (k > 0)
        m.nr.setText(answer + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')));
}

void showBlankoersatz(Murmex& m, Platform& platform)
{
    if (const std::optional<QString> input = platform.blankDialog.ask())
        Blankoersatz_Command1_Click(m, *input);
}
