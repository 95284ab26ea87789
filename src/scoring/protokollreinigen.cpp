#include "scoring/protokollreinigen.h"

#include "model/murmex.h"

void protokoll_reinigen(Murmex& m)
{
    // All "+" lines sort before all "-" lines, so the newest "-" line is the last one.
    const QString last = m.gelegt.line(m.gelegt.count() - 1);
    if (!last.startsWith(u'-'))
        return;
    const QString tile = last.mid(1, 20);
    for (int i = m.gelegt.count() - 1; i >= 0; --i)
        if (m.gelegt.line(i).mid(1, 20) == tile)
            m.gelegt.removeItem(i);
}
