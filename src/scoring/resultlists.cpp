#include "scoring/resultlists.h"

#include "model/murmex.h"
#include "scoring/resultline.h"

namespace {

constexpr int kShortListLength = 10;
constexpr int kMaximumTenOption = 0;

// Empty while the list holds fewer results than asked for.
QString sumOfBest(const ListBox& list, int results)
{
    int sum = 0;
    int counted = 0;
    for (const QString& line : list.lines()) {
        if (counted == results)
            break;
        if (line == resultline::kSeparator)
            continue;
        sum += resultline::scoreOf(line);
        ++counted;
    }
    return counted == results ? QString::number(sum) : QString();
}

} // namespace

void liste_aktualisieren(Murmex& m)
{
    ListBox& shown = m.ergebnis_sortiert;
    shown.clear();
    for (int i = m.Ergebnisliste.count() - 1; i >= 0; --i)
        shown.addItem(m.Ergebnisliste.line(i));
    if (m.Option1.isSelected(kMaximumTenOption))
        while (shown.count() > kShortListLength)
            shown.removeItem(shown.count() - 1);
    // From the back, so that each insertion moves the earlier separators down.
    for (int place : {20, 10, 5})
        if (shown.count() >= place)
            shown.insertItem(place, resultline::kSeparator.toString());
    tops(m);
}

void tops(Murmex& m)
{
    m.Top_5.setText(sumOfBest(m.ergebnis_sortiert, 5));
    m.Top_10.setText(sumOfBest(m.ergebnis_sortiert, 10));
    m.Top_20.setText(sumOfBest(m.ergebnis_sortiert, 20));
}

void listen_löschen(Murmex& m)
{
    m.punkte.setText(QStringLiteral("0"));
    m.gelegt.clear();
    for (ListBox& word : m.protokoll)
        word.clear();
    m.Ergebnisliste.clear();
    m.ergebnis_sortiert.clear();
    m.Top_5.setText({});
    m.Top_10.setText({});
    m.Top_20.setText({});
}
