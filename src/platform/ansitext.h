#pragma once

#include <QByteArray>
#include <QString>

// The files of the program are Windows-1252 text, one byte per character.
namespace ansi {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

} // namespace ansi
