#include "game/datadirectory.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

bool isUsable(const QString& directory)
{
    if (!QDir().mkpath(directory))
        return false;
    QTemporaryFile probe(directory + u"/.schreibtest-XXXXXX");
    return probe.open();
}

} // namespace

QString prepareDataDirectory(const QString& programDirectory, const QString& fallbackLocation)
{
    for (const QString& base : {programDirectory, fallbackLocation}) {
        const QString directory = QDir(base).filePath(QStringLiteral("Spiele"));
        if (!base.isEmpty() && isUsable(directory))
            return directory;
    }
    return {};
}

QString fallbackDataLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
