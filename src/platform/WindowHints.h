#pragma once

class QWidget;

// What the window manager is told of a window beyond what Qt's window flags say.
namespace WindowHints {

// A title bar and a border and nothing else: no close box and no close function, so that the window
// manager neither draws one nor closes the window by its own shortcut. (Qt offers every function when a
// window names none of minimise, maximise and close.) Does nothing on a display that is no X11 one.
void offerNoClose(QWidget *window);

} // namespace WindowHints
