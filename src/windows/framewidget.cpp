#include "windows/framewidget.h"

#include "windows/colours.h"

#include <QPainter>

FrameWidget::FrameWidget(const QString& caption, const QColor& background, QWidget* parent)
    : QWidget(parent)
    , m_caption(caption)
    , m_background(background)
{ }

void FrameWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    const QFontMetrics metrics = p.fontMetrics();
    const int top = m_caption.isEmpty() ? 0 : metrics.height() / 2;
    const QRect border = rect().adjusted(0, top, -1, -1);
    p.setPen(m_background.darker(160));
    p.drawRect(border);
    p.setPen(m_background.lighter(150));
    p.drawRect(border.adjusted(1, 1, 1, 1));
    if (m_caption.isEmpty())
        return;
    const QRect caption(8, 0, metrics.horizontalAdvance(m_caption) + 6, metrics.height());
    p.fillRect(caption, m_background);
    p.setPen(colours::kLightYellow);
    p.drawText(caption, Qt::AlignCenter, m_caption);
}
