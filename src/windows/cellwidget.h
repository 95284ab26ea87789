#pragma once

#include "model/picture.h"
#include "tiles/cellref.h"

#include <QColor>
#include <QPoint>
#include <QWidget>

#include <functional>

// A picture box of 495 x 495 twips with a sunken border: a board square, rack slot or bag
// cell showing a tile picture or only its background. Tiles are dragged from it and dropped
// on it; what that does is the business of its handlers.
class CellWidget : public QWidget
{
public:
    // Unset handlers do nothing.
    struct Handlers
    {
        // True when the tile may be dragged.
        std::function<bool()> pressed;
        // Released without moving; told whether the press allowed a drag.
        std::function<void(bool dragAllowed)> clicked;
        std::function<void()> doubleClicked;
        std::function<void(CellRef source)> dropped;
        // A drag from this cell ended over nothing that takes tiles.
        std::function<void()> droppedOutside;
        // The mouse is over the cell; true when its tile can be moved.
        std::function<bool()> hovered;
        std::function<void()> focused;
    };

    explicit CellWidget(QWidget* parent);

    void display(Picture picture, const QColor& background);
    Picture picture() const { return m_picture; }
    QColor background() const { return m_background; }

    // Makes the cell take part in dragging: it gets the focus on a press, follows the mouse
    // and takes drops.
    void setInteraction(CellRef cell, Handlers handlers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void startDrag();
    void updatePointer();

    Picture m_picture;
    QColor m_background;
    CellRef m_cell;
    Handlers m_handlers;
    // A press that has not yet become a drag or a click.
    bool m_pressed = false;
    bool m_dragAllowed = false;
    QPoint m_pressPosition;
};
