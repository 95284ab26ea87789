#include "scoring/resultline.h"

namespace resultline {

QString scoreField(const QString& points)
{
    return QString(points + u' ').rightJustified(4, u' ');
}

int scoreOf(const QString& line)
{
    return line.left(4).trimmed().toInt();
}

} // namespace resultline
