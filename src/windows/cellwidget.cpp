#include "windows/cellwidget.h"

#include "windows/tilepainter.h"
#include "windows/twips.h"

#include <QPainter>

CellWidget::CellWidget(QWidget* parent)
    : QWidget(parent)
{
    resize(twips::size(495, 495));
}

void CellWidget::display(Picture picture, const QColor& background)
{
    if (picture == m_picture && background == m_background)
        return;
    m_picture = picture;
    m_background = background;
    update();
}

void CellWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_background);
    p.setPen(m_background.darker(170));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(m_background.lighter(140));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (!m_picture.isNone())
        p.drawPixmap(2, 2, tilepainter::pixmap(m_picture, devicePixelRatioF()));
}
