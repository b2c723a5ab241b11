#include "window_manager.h"

#include <QGuiApplication>

#ifdef CALC_XKB
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>
#endif

namespace calc::view {

namespace {

#ifdef CALC_XKB
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool x11_supports_above(xcb_connection_t* connection) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t supported = atom(connection, "_NET_SUPPORTED");
    const xcb_atom_t above = atom(connection, "_NET_WM_STATE_ABOVE");
    if (screen == nullptr || supported == XCB_ATOM_NONE || above == XCB_ATOM_NONE) return false;
    // Window managers list a few hundred atoms at most.
    const auto cookie =
        xcb_get_property(connection, 0, screen->root, supported, XCB_ATOM_ATOM, 0, 4096);
    std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == above) return true;
    }
    return false;
}
#endif

} // namespace

bool window_manager_keeps_above() {
    const QString platform = QGuiApplication::platformName();
    // A Wayland client cannot place itself above others: that is the compositor's alone.
    if (platform.startsWith(QLatin1String("wayland"))) return false;
#ifdef CALC_XKB
    if (platform == QLatin1String("xcb")) {
        if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            if (xcb_connection_t* connection = x11->connection()) {
                return x11_supports_above(connection);
            }
        }
    }
#endif
    // Windows keeps a window above by itself; offscreen and the rest take the request too.
    return true;
}

} // namespace calc::view
