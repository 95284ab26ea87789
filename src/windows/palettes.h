#pragma once

#include "windows/colours.h"

#include <QAbstractItemView>
#include <QWidget>

// Light yellow texts on the greens of the game.
namespace palettes {

inline void setColours(QWidget* widget, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, colours::kLightYellow);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

inline void setListColours(QAbstractItemView* list, const QColor& background)
{
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, colours::kLightYellow);
    list->setPalette(palette);
}

} // namespace palettes
