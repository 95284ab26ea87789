#pragma once

#include <QListWidget>

#include <functional>

// The visible result list: a press selects the line under the mouse and is then handed on,
// with the pressed button, to open the pop-up menus.
class ResultListWidget : public QListWidget
{
public:
    using PressHandler = std::function<void(int row, Qt::MouseButton button, QPoint globalPos)>;

    explicit ResultListWidget(QWidget* parent);
    void setPressHandler(PressHandler handler) { m_pressed = std::move(handler); }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    PressHandler m_pressed;
};
