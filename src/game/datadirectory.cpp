#include "game/datadirectory.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

QString prepareDataDirectory(const QString& programDirectory, const QString& fallbackLocation)
{
    const QString beside = usableDataDirectory(programDirectory);
    return beside.isEmpty() ? usableDataDirectory(fallbackLocation) : beside;
}

QString usableDataDirectory(const QString& base)
{
    if (base.isEmpty())
        return {};
    const QString directory = QDir(base).filePath(QStringLiteral("Spiele"));
    if (!QDir().mkpath(directory))
        return {};
    QTemporaryFile probe(directory + u"/.schreibtest-XXXXXX");
    return probe.open() ? directory : QString();
}

QString fallbackDataLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
