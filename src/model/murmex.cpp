#include "model/murmex.h"

#include "model/tileset.h"
#include "model/windowtitle.h"

Murmex::Murmex()
    : title(title::base())
{
    protokoll.fill(ListBox(ListBox::Order::Sorted));
    // The original cells start with letter, value and status; originalwerte completes them.
    for (int n = 1; n <= tiles::kTileCount; ++n) {
        const QString value = QStringLiteral("%1").arg(tiles::valueOf(n), 2, 10, QLatin1Char('0'));
        o[n] = {u"___ " + tiles::letterOf(n) + value + u" M _ _", Picture::tile(n)};
    }
    o[0].picture = Picture::pointer();
}
