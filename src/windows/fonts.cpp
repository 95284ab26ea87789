#include "windows/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace fonts {

namespace {

// Each family is looked up once; the list of installed families is cheaper to ask than
// resolving a name that may be an alias.
QFont sized(const QString& family, QFontDatabase::SystemFont fallback, int pointSize)
{
    QFont font = QFontDatabase::families().contains(family) ? QFont(family)
                                                            : QFontDatabase::systemFont(fallback);
    font.setPointSize(pointSize);
    return font;
}

QFont resized(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

} // namespace

QFont general(int pointSize)
{
    static const QFont base = sized(QStringLiteral("MS Sans Serif"), QFontDatabase::GeneralFont, 8);
    return resized(base, pointSize);
}

QFont fixedPitch(int pointSize)
{
    static const QFont base = sized(QStringLiteral("Courier New"), QFontDatabase::FixedFont, 10);
    return resized(base, pointSize);
}

} // namespace fonts
