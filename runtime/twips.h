#pragma once
// Every position and size of the game is designed in twips; the screen works in pixels.
// This is the one place where one becomes the other.
#include <QPoint>
#include <QRect>

constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
    QRect toPixels() const { return QRect(px(left), px(top), px(width), px(height)); }
};

inline QPoint pxPoint(int xTwips, int yTwips) {
    return QPoint(px(xTwips), px(yTwips));
}
