#include "lists/clipboardexport.h"

#include "lists/candidatelist.h"
#include "model/murmex.h"
#include "platform/clipboard.h"

namespace {

// Lines 0..lastIndex once the list holds at least `needed` lines, else the lone carriage
// return; an index past the end adds only its carriage return.
void exportLines(const Murmex& m, Clipboard& clipboard, int needed, int lastIndex)
{
    QString text = QStringLiteral("\r");
    if (m.ergebnis_sortiert.count() >= needed)
        for (int i = 0; i <= lastIndex; ++i)
            text += m.ergebnis_sortiert.line(i) + u'\r';
    clipboard.setText(text);
}

} // namespace

void mnu_wort_Click(const Murmex& m, Clipboard& clipboard)
{
    if (hasSelectedEntry(m))
        clipboard.setText(m.ergebnis_sortiert.line(m.selectedEntry));
}

// With separators after places 5 and 10, the best ten are lines 0..10 and the best twenty
// lines 0..21.
void mnu_top5_Click(const Murmex& m, Clipboard& clipboard)
{
    exportLines(m, clipboard, 5, 4);
}

void mnu_top10_Click(const Murmex& m, Clipboard& clipboard)
{
    exportLines(m, clipboard, 10, 10);
}

void mnu_top20_Click(const Murmex& m, Clipboard& clipboard)
{
    exportLines(m, clipboard, 21, 21);
}

void mnu_alle_Click(const Murmex& m, Clipboard& clipboard)
{
    exportLines(m, clipboard, 0, m.ergebnis_sortiert.count() - 1);
}
