// What the window manager offers, asked of it where the window system lets us ask.
#pragma once

namespace calc::view {

// Whether the window manager keeps a window above the others on request. On X11 it says so
// by listing _NET_WM_STATE_ABOVE in the root window's _NET_SUPPORTED (i3, for one, does
// not); elsewhere the window system itself answers the request.
bool window_manager_keeps_above();

} // namespace calc::view
