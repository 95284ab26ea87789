#pragma once

#include "model/picture.h"

#include <QColor>
#include <QWidget>

// A picture box of 495 x 495 twips with a sunken border: a board square, rack slot or bag
// cell showing a tile picture or only its background.
class CellWidget : public QWidget
{
public:
    explicit CellWidget(QWidget* parent);

    void display(Picture picture, const QColor& background);
    Picture picture() const { return m_picture; }
    QColor background() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture m_picture;
    QColor m_background;
};
