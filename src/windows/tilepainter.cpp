#include "windows/tilepainter.h"

#include "model/tileset.h"

#include <QHash>
#include <QPainter>

namespace tilepainter {

namespace {

const QColor kTileFace{255, 222, 99};
const QColor kLightEdge{255, 239, 165};
const QColor kDarkEdge{222, 148, 0};
// A blank's letter stands out from the letters of real tiles.
const QColor kBlankLetter{150, 30, 30};

void drawTile(QPainter& p, const QString& letter, const QString& value, const QColor& ink)
{
    p.fillRect(0, 0, kPictureSize, kPictureSize, Qt::white);
    const QRectF face(2, 2, kPictureSize - 4, kPictureSize - 4);
    p.fillRect(face, kTileFace);
    p.fillRect(QRectF(2, 2, face.width(), 2), kLightEdge);
    p.fillRect(QRectF(2, 2, 2, face.height()), kLightEdge);
    p.fillRect(QRectF(2, face.bottom() - 2, face.width(), 2), kDarkEdge);
    p.fillRect(QRectF(face.right() - 2, 2, 2, face.height()), kDarkEdge);

    p.setPen(ink);
    QFont letterFont(QStringLiteral("Sans Serif"));
    letterFont.setPixelSize(16);
    letterFont.setBold(true);
    p.setFont(letterFont);
    p.drawText(QRectF(3, 3, 17, 22), Qt::AlignCenter, letter);

    QFont valueFont(QStringLiteral("Sans Serif"));
    valueFont.setPixelSize(value.size() > 1 ? 7 : 8);
    p.setFont(valueFont);
    p.drawText(QRectF(17, 14, 9, 10), Qt::AlignRight | Qt::AlignBottom, value);
}

void drawPointer(QPainter& p, int size)
{
    // Four arrows around a small tile: the tile under it can be moved.
    p.setRenderHint(QPainter::Antialiasing);
    const qreal c = size / 2.0;
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(kTileFace);
    p.drawRect(QRectF(c - 5, c - 5, 10, 10));
    p.setBrush(Qt::white);
    const qreal far = c - 1;
    for (int turn = 0; turn < 4; ++turn) {
        p.save();
        p.translate(c, c);
        p.rotate(90.0 * turn);
        const QPointF arrow[] = {{0, -far}, {5, -far + 6}, {2, -far + 6}, {2, -7}, {-2, -7},
            {-2, -far + 6}, {-5, -far + 6}};
        p.drawPolygon(arrow, 7);
        p.restore();
    }
}

QPixmap render(Picture picture, qreal dpr)
{
    const int size = picture.kind() == Picture::Kind::Pointer ? 32 : kPictureSize;
    QPixmap pixmap(qRound(size * dpr), qRound(size * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    switch (picture.kind()) {
    case Picture::Kind::Tile: {
        const int n = picture.index();
        const QChar letter = tiles::letterOf(n);
        const bool blank = letter == u'_';
        drawTile(p, blank ? QString() : QString(letter),
            blank ? QString() : QString::number(tiles::valueOf(n)), Qt::black);
        break;
    }
    case Picture::Kind::BlankLetter: {
        const QChar letter = tiles::blankAlphabet().at(picture.index() - 1);
        drawTile(p, letter == u'_' ? QString() : QString(letter.toUpper()), QStringLiteral("0"),
            kBlankLetter);
        break;
    }
    case Picture::Kind::Pointer:
        drawPointer(p, size);
        break;
    case Picture::Kind::None:
        break;
    }
    return pixmap;
}

} // namespace

QPixmap pixmap(Picture picture, qreal devicePixelRatio)
{
    static QHash<QString, QPixmap> cache;
    const QString key = QString::number(int(picture.kind())) + u'/'
        + QString::number(picture.index()) + u'/' + QString::number(devicePixelRatio);
    auto found = cache.constFind(key);
    if (found == cache.cend())
        found = cache.insert(key, render(picture, devicePixelRatio));
    return *found;
}

QCursor pointerCursor()
{
    return QCursor(pixmap(Picture::pointer(), 2.0), -1, -1);
}

} // namespace tilepainter
