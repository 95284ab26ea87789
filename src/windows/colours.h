#pragma once

#include "model/rgb.h"

#include <QColor>

namespace colours {

inline QColor toQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

inline const QColor kWindow{0, 75, 53};
inline const QColor kFrame{51, 102, 51};
inline const QColor kLightYellow{255, 255, 192};

} // namespace colours
