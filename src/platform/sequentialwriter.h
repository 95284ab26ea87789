#pragma once

#include <QByteArray>
#include <QString>

// Builds a sequential text file: each value on a line of its own, ended by CR LF, text as it
// is, a number as a blank, its digits and a blank.
class SequentialWriter
{
public:
    void writeText(const QString& value);
    void writeNumber(int value);
    void writeQuoted(const QString& value);

    QByteArray bytes() const;
    // Replaces the file as a whole: a failed or interrupted write leaves the old one intact.
    bool saveTo(const QString& path) const;

private:
    QString m_text;
};
