#pragma once

#include <QColor>

// The colours that more than one window paints with.
namespace Colours {

// The splash window's background, the chooser's heading and rule, the main window's status line.
inline const QColor orange { 255, 168, 21 };
// The bands across the top and bottom of the about and update windows: one step of green below the orange.
inline const QColor banner { 255, 167, 21 };

// Links, readable on what lies behind them (contrast at least 4.5:1): navy on the orange of the splash
// window's artwork and of the about window's banner (5.7:1 and 8.2:1), light blue on black (9.6:1).
inline const QColor linkOnOrange { 0, 0, 128 };
inline const QColor linkOnBlack { 128, 176, 255 };

} // namespace Colours
