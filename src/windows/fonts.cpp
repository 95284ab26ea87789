#include "windows/fonts.h"

#include <QFontDatabase>

namespace fonts {

namespace {

QFont preferred(const QString& family, QFontDatabase::SystemFont fallback, int pointSize)
{
    QFont font
        = QFontDatabase::hasFamily(family) ? QFont(family) : QFontDatabase::systemFont(fallback);
    font.setPointSize(pointSize);
    return font;
}

} // namespace

QFont general(int pointSize)
{
    return preferred(QStringLiteral("MS Sans Serif"), QFontDatabase::GeneralFont, pointSize);
}

QFont fixedPitch(int pointSize)
{
    return preferred(QStringLiteral("Courier New"), QFontDatabase::FixedFont, pointSize);
}

} // namespace fonts
