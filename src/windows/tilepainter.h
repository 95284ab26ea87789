#pragma once

#include "model/picture.h"

#include <QCursor>
#include <QPixmap>

// The tile artwork, drawn rather than loaded so that it stays crisp at any scale.
namespace tilepainter {

inline constexpr int kPictureSize = 29;

// A 29 x 29 picture at the given device pixel ratio; cached.
QPixmap pixmap(Picture picture, qreal devicePixelRatio);
// The pointer shown over movable tiles.
QCursor pointerCursor();

} // namespace tilepainter
