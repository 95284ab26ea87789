#include "platform/ansitext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace ansi {

namespace {
constexpr const char* kCodePage = "windows-1252";
}

QByteArray encode(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    return encoder.encode(text);
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

} // namespace ansi
