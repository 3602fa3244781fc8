#include "WindowHints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>

namespace WindowHints {

void offerNoClose(QWidget *window)
{
    // Only the xcb platform has windows of an X11 window manager (the offscreen one may answer as X11 too).
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != u"xcb" || !x11 || !x11->connection())
        return;
    xcb_connection_t *connection = x11->connection();
    static const char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *reply
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, sizeof kName - 1, kName), nullptr);
    if (!reply)
        return;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    // Flags (functions and decorations given), functions (move), decorations (border and title), input
    // mode, status: the Motif window manager hints, which window managers of today still read.
    enum : uint32_t { HasFunctions = 1, HasDecorations = 2, Move = 4, Border = 2, Title = 8 };
    const std::array<uint32_t, 5> hints { HasFunctions | HasDecorations, Move, Border | Title, 0, 0 };
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom, atom, 32,
                        uint32_t(hints.size()), hints.data());
    xcb_flush(connection);
}

} // namespace WindowHints
