#include "windows/infowindow.h"

#include "model/tileset.h"
#include "windows/colours.h"
#include "windows/fonts.h"
#include "windows/palettes.h"
#include "windows/tilepainter.h"
#include "windows/twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <functional>

namespace {

int firstTileOf(QChar letter)
{
    for (int n = 1; n <= tiles::kTileCount; ++n)
        if (tiles::letterOf(n) == letter)
            return n;
    return 1;
}

// Three tiles of the game, slightly askew, as if just laid.
class InfoPicture : public QWidget
{
public:
    InfoPicture(std::function<void()> clicked, QWidget* parent)
        : QWidget(parent)
        , m_clicked(std::move(clicked))
    {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        constexpr qreal kScale = 1.5;
        const qreal tile = tilepainter::kPictureSize * kScale;
        const struct
        {
            QChar letter;
            qreal angle;
        } tiles[] = {{u'M', -8}, {u'U', 4}, {u'X', -3}};
        qreal left = (width() - 3 * tile) / 2;
        for (const auto& spec : tiles) {
            p.save();
            p.translate(left + tile / 2, height() / 2.0 + spec.angle);
            p.rotate(spec.angle);
            p.scale(kScale, kScale);
            const int size = tilepainter::kPictureSize;
            p.drawPixmap(QPointF(-size / 2.0, -size / 2.0),
                tilepainter::pixmap(
                    Picture::tile(firstTileOf(spec.letter)), devicePixelRatioF() * kScale));
            p.restore();
            left += tile;
        }
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            m_clicked();
    }

private:
    std::function<void()> m_clicked;
};

} // namespace

InfoWindow::InfoWindow(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("info"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(twips::size(6600, 4200));
    setFont(fonts::general(12));
    palettes::setColours(this, colours::kFrame);

    auto* picture = new InfoPicture([this] { hide(); }, this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(twips::rect(4560, 2520, 1800, 1200));
    palettes::setColours(picture, colours::kFrame);

    const struct
    {
        const char* name;
        QString text;
        QRect geometry;
    } labels[] = {
        {"Label1",
            QStringLiteral("Mit diesem Murmex-Calculator sollte das Problem mit dem Ausrechnen "
                           "der Top 5 bzw. der Top 10 behoben sein"),
            twips::rect(240, 240, 6120, 1080)},
        {"Label2", QStringLiteral("Ich hoffe, Ihr habt viel Spaß damit."),
            twips::rect(240, 1440, 6120, 420)},
        {"Label3", QStringLiteral("Auftretende Fehler bitte mir mitteilen."),
            twips::rect(240, 1980, 6120, 420)},
        {"Label4", QStringLiteral("murmex-calculator@example.org"),
            twips::rect(240, 2880, 4200, 420)},
    };
    for (const auto& spec : labels) {
        auto* label = new QLabel(spec.text, this);
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setGeometry(spec.geometry);
        label->setWordWrap(true);
        palettes::setColours(label, colours::kFrame);
    }
}
