#include "platform/sequentialreader.h"

#include "platform/ansitext.h"

#include <QFile>

SequentialReader::SequentialReader(const QByteArray& ansiBytes)
    : m_text(ansi::decode(ansiBytes))
{ }

std::optional<SequentialReader> SequentialReader::open(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return SequentialReader(file.readAll());
}

std::optional<QString> SequentialReader::readValue()
{
    if (atEnd())
        return std::nullopt;
    while (!atEnd() && (m_text.at(m_position) == u' ' || m_text.at(m_position) == u'\t'))
        ++m_position;

    QString value;
    if (!atEnd() && m_text.at(m_position) == u'"') {
        const qsizetype start = m_position + 1;
        qsizetype end = m_text.indexOf(u'"', start);
        if (end < 0)
            end = m_text.size();
        value = m_text.mid(start, end - start);
        m_position = std::min(end + 1, m_text.size());
    } else {
        const qsizetype start = m_position;
        while (!atEnd() && !atLineEnd() && m_text.at(m_position) != u',')
            ++m_position;
        value = m_text.mid(start, m_position - start);
    }
    skipToDelimiter();
    return value;
}

std::optional<int> SequentialReader::readNumber()
{
    const std::optional<QString> value = readValue();
    if (!value)
        return std::nullopt;
    bool isNumber = false;
    const int number = value->trimmed().toInt(&isNumber);
    return isNumber ? std::optional<int>(number) : std::nullopt;
}

bool SequentialReader::atLineEnd() const
{
    const QChar c = m_text.at(m_position);
    return c == u'\r' || c == u'\n';
}

void SequentialReader::skipLineEnd()
{
    if (m_text.at(m_position) == u'\r')
        ++m_position;
    if (!atEnd() && m_text.at(m_position) == u'\n')
        ++m_position;
}

// Whatever stands after a closing quote up to the next comma or line end is not part of any
// value.
void SequentialReader::skipToDelimiter()
{
    while (!atEnd()) {
        if (atLineEnd()) {
            skipLineEnd();
            return;
        }
        if (m_text.at(m_position++) == u',')
            return;
    }
}
