#pragma once

#include <QPoint>
#include <QRect>

#include <cmath>

// The windows are laid out in twips: 15 twips a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

inline int px(int twips)
{
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QPoint twipsPoint(int left, int top)
{
    return QPoint(px(left), px(top));
}
