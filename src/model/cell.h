#pragma once

#include "model/picture.h"

#include <QString>

// A board square, rack slot, bag cell or original tile cell. It holds a tile exactly when it
// shows a picture; the state string is expected to agree but is never checked.
struct Cell
{
    QString state;
    Picture picture;

    bool showsPicture() const { return !picture.isNone(); }
};
