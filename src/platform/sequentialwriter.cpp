#include "platform/sequentialwriter.h"

#include "platform/ansitext.h"

#include <QSaveFile>

void SequentialWriter::writeText(const QString& value)
{
    m_text += value + u"\r\n";
}

void SequentialWriter::writeNumber(int value)
{
    writeText(u' ' + QString::number(value) + u' ');
}

void SequentialWriter::writeQuoted(const QString& value)
{
    writeText(u'"' + value + u'"');
}

QByteArray SequentialWriter::bytes() const
{
    return ansi::encode(m_text);
}

bool SequentialWriter::saveTo(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray content = bytes();
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
