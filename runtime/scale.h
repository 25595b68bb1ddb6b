#pragma once
// The size of the game on the screen. The game is designed for a window of 445 x 453 pixels, a stamp
// on today's large screens: it grows by one factor for every window, chosen once before the first
// window is shown. Art, text, lines and cursors are all drawn for the real pixel size.
#include <QSizeF>
#include <optional>

namespace Scale {
// The largest of the usual factors at which the game window takes at most 70 % of the available
// width and height of the screen, measured in the desktop's own logical pixels (a desktop that
// already scales by two is not scaled twice).
qreal choose(QSizeF availableLogical);
// Which factor the game adds of its own: the player's --scale first; none when the user set
// QT_SCALE_FACTOR; otherwise the one chosen for the screen. nullopt: leave the scale as it is.
std::optional<qreal> decide(std::optional<qreal> option, bool environmentScales, QSizeF availableLogical);
// Scales every window to come by factor; call after the application exists, before any window.
void apply(qreal factor);
} // namespace Scale
