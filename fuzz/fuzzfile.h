#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// The readers open their files by name, so each input is written to a file of its own name
// in a directory that lives as long as the fuzzer.
inline QString writeInput(const QString& fileName, const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir directory;
    const QString path = directory.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return directory.path();
}
