#include "fuzzfile.h"
#include "game/gamereader.h"
#include "model/murmex.h"
#include "support/boardfixture.h"
#include "support/fakeplatform.h"

namespace {

// What a damaged file must leave alone.
QStringList snapshot(const Murmex& m)
{
    QStringList cells;
    const auto add = [&cells](const auto& area) {
        for (const Cell& cell : area)
            cells.append(cell.state + QString::number(int(cell.picture.kind())) + u'/'
                + QString::number(cell.picture.index()));
    };
    add(m.a);
    add(m.s);
    add(m.bb);
    return cells + m.gelegt.lines() + m.Ergebnisliste.lines() + m.ergebnis_sortiert.lines()
        + QStringList{m.punkte.text(), m.title};
}

} // namespace

// Any file loads or is refused with a message, and a refused file changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Murmex m;
    fixture::startEmptyGame(m);
    fixture::fix(m, 113, u'H');
    fixture::lay(m, 114, u'A');
    fixture::putOnRack(m, 0, u'e');
    m.Ergebnisliste.addItem(QStringLiteral("  3 HA H8 - H9"));
    m.laden_speichern[kLoadPanel].file_komplett
        = writeInput(QStringLiteral("spiel.txt"), data, size) + QStringLiteral("/spiel.txt");
    const QStringList before = snapshot(m);

    FakePlatform fake;
    laden_Click(m, fake.platform());
    if (!fake.messages().isEmpty() && snapshot(m) != before)
        __builtin_trap();
    return 0;
}
