#pragma once

#include <QColor>

// The colours that more than one window paints with.
namespace Colours {

// The splash window's background, the chooser's heading and rule, the main window's status line.
inline const QColor orange { 255, 168, 21 };
// The bands across the top and bottom of the about and update windows: one step of green below the orange.
inline const QColor banner { 255, 167, 21 };

} // namespace Colours
