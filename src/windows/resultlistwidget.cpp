#include "windows/resultlistwidget.h"

#include <QMouseEvent>

ResultListWidget::ResultListWidget(QWidget* parent)
    : QListWidget(parent)
{ }

void ResultListWidget::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (m_pressed)
        m_pressed(currentRow(), event->button(), event->globalPosition().toPoint());
}
