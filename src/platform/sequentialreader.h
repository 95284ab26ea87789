#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a sequential text file one value at a time: leading blanks are skipped, a value that
// begins with a double quote runs to the next double quote and is taken without the quotes,
// an unquoted value ends at a comma or at the end of the line.
class SequentialReader
{
public:
    explicit SequentialReader(const QByteArray& ansiBytes);
    // Nothing when the file cannot be opened.
    static std::optional<SequentialReader> open(const QString& path);

    bool atEnd() const { return m_position >= m_text.size(); }
    // Nothing once the end of the file is reached.
    std::optional<QString> readValue();
    // Nothing at the end of the file or when the value is not a whole number.
    std::optional<int> readNumber();

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipToDelimiter();

    QString m_text;
    qsizetype m_position = 0;
};
