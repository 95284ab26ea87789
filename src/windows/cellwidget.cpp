#include "windows/cellwidget.h"

#include "windows/dragpayload.h"
#include "windows/tilepainter.h"
#include "windows/twips.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
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

void CellWidget::setInteraction(CellRef cell, Handlers handlers)
{
    m_cell = cell;
    m_handlers = std::move(handlers);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAcceptDrops(true);
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

void CellWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressed = true;
    m_pressPosition = event->position().toPoint();
    m_dragAllowed = m_handlers.pressed && m_handlers.pressed();
    updatePointer();
}

void CellWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        updatePointer();
        return;
    }
    if (!m_pressed
        || (event->position().toPoint() - m_pressPosition).manhattanLength()
            < QApplication::startDragDistance())
        return;
    m_pressed = false;
    if (m_dragAllowed)
        startDrag();
}

void CellWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return QWidget::mouseReleaseEvent(event);
    m_pressed = false;
    if (m_handlers.clicked)
        m_handlers.clicked(m_dragAllowed);
}

// The second press of a double-click acts once and never starts a drag.
void CellWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(event);
    m_pressed = false;
    if (m_handlers.doubleClicked)
        m_handlers.doubleClicked();
}

void CellWidget::enterEvent(QEnterEvent*)
{
    updatePointer();
}

void CellWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (m_handlers.focused)
        m_handlers.focused();
}

void CellWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (m_handlers.dropped && dragpayload::decode(event->mimeData()))
        event->acceptProposedAction();
}

void CellWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (m_handlers.dropped && dragpayload::decode(event->mimeData()))
        event->acceptProposedAction();
}

void CellWidget::dropEvent(QDropEvent* event)
{
    const std::optional<CellRef> source = dragpayload::decode(event->mimeData());
    if (!m_handlers.dropped || !source)
        return;
    event->acceptProposedAction();
    m_handlers.dropped(*source);
}

void CellWidget::startDrag()
{
    auto* drag = new QDrag(this);
    drag->setMimeData(dragpayload::encode(m_cell));
    drag->setPixmap(tilepainter::pixmap(m_picture, devicePixelRatioF()));
    drag->setHotSpot({tilepainter::kPictureSize / 2, tilepainter::kPictureSize / 2});
    if (drag->exec(Qt::MoveAction) == Qt::IgnoreAction && m_handlers.droppedOutside)
        m_handlers.droppedOutside();
}

void CellWidget::updatePointer()
{
    if (m_handlers.hovered && m_handlers.hovered())
        setCursor(tilepainter::pointerCursor());
    else
        unsetCursor();
}
