#include "model/windowtitle.h"

namespace title {

QString base()
{
    return QStringLiteral("Murmex-Calculator  V 2.5.2").leftJustified(kBaseLength, u' ');
}

QString withGame(const QString& currentTitle, const QString& gameName)
{
    return currentTitle.left(kBaseLength) + u"      Spiel: " + gameName;
}

} // namespace title
