#include "game/optionsfile.h"

#include "model/murmex.h"
#include "platform/sequentialreader.h"
#include "platform/sequentialwriter.h"

#include <QDir>
#include <QFileInfo>

QString optionsFilePath(const Murmex& m)
{
    return QDir(m.dataDirectory).filePath(QStringLiteral("optionen.ini"));
}

bool writeOptionsFile(const Murmex& m)
{
    SequentialWriter file;
    for (int k = 0; k < m.Option1.count(); ++k)
        file.writeText(m.Option1.isSelected(k) ? QStringLiteral("1") : QStringLiteral("0"));
    return file.saveTo(optionsFilePath(m));
}

void readOptionsFile(Murmex& m)
{
    // Without a data directory there is no place for the file; the design selections stay.
    if (m.dataDirectory.isEmpty())
        return;
    const QString path = optionsFilePath(m);
    if (!QFileInfo::exists(path))
        writeOptionsFile(m);
    std::optional<SequentialReader> file = SequentialReader::open(path);
    if (!file)
        return;
    for (int k = 0; k < m.Option1.count(); ++k) {
        const std::optional<QString> value = file->readValue();
        if (!value)
            return;
        if (*value == u"Wahr" || *value == u"True" || *value == u"1")
            m.Option1.select(k);
        else if (*value == u"Falsch" || *value == u"False" || *value == u"0")
            m.Option1.deselect(k);
    }
}
