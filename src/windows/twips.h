#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The layout is given in twips; 15 twips are one pixel at 96 DPI and Qt's high-DPI scaling
// takes it from there.
namespace twips {

constexpr int toPixels(int twips)
{
    return (twips + 7) / 15;
}
inline QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}
inline QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

} // namespace twips
