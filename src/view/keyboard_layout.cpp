#include "keyboard_layout.h"

#include <QKeyEvent>
#include <cstdint>

#if defined(CALC_XKB)
#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#endif

namespace calc::view {

namespace {

#if defined(CALC_XKB)
// The kinds of XKB event that bring a new keymap (xcb/xkb.h, which C++ cannot include).
constexpr std::uint8_t xkb_new_keyboard_notify = 0;
constexpr std::uint8_t xkb_map_notify = 1;

// The upper-case letter of a Latin letter's keysym, else 0.
char latin_letter(std::uint32_t code) {
    if (code >= 'a' && code <= 'z') return static_cast<char>(code - 'a' + 'A');
    if (code >= 'A' && code <= 'Z') return static_cast<char>(code);
    return 0;
}
#endif

} // namespace

#if defined(CALC_XKB)

// The server's keymap, fetched when first needed and dropped whenever the server announces a
// new one (setxkbmap, a keyboard plugged in), so that a layout changed under a running window
// is followed. Qt already asks the server for those announcements on its connection.
class KeyboardLayout::Keymap : public QAbstractNativeEventFilter {
public:
    explicit Keymap(xcb_connection_t* connection) : connection_(connection) {
        std::uint8_t event_base = 0;
        ready_ = xkb_x11_setup_xkb_extension(connection_, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                             XKB_X11_MIN_MINOR_XKB_VERSION,
                                             XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr,
                                             &event_base, nullptr) == 1;
        xkb_event_ = event_base;
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~Keymap() override {
        if (keymap_ != nullptr) xkb_keymap_unref(keymap_);
        if (context_ != nullptr) xkb_context_unref(context_);
    }
    Keymap(const Keymap&) = delete;
    Keymap& operator=(const Keymap&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const std::uint8_t kind = event->response_type & 0x7f;
        // An XKB event carries its own kind in its second byte.
        const bool new_keymap =
            kind == XCB_MAPPING_NOTIFY ||
            (ready_ && kind == xkb_event_ &&
             (event->pad0 == xkb_new_keyboard_notify || event->pad0 == xkb_map_notify));
        if (new_keymap && keymap_ != nullptr) {
            xkb_keymap_unref(keymap_);
            keymap_ = nullptr;
        }
        return false; // Qt goes on to read it too
    }

    PhysicalKey key_of(const QKeyEvent& event) {
        PhysicalKey key;
        xkb_keymap* map = keymap();
        if (map == nullptr) return key;
        const xkb_keycode_t code = event.nativeScanCode();
        // A Latin letter (Qt's xcb gives the symbol as the native virtual key) is its own;
        // for any other symbol the groups are searched in order for the key's Latin letter.
        if (latin_letter(event.nativeVirtualKey()) != 0) return key;
        const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(map, code);
        for (xkb_layout_index_t layout = 0; layout < layouts; ++layout) {
            const xkb_keysym_t* syms = nullptr;
            if (xkb_keymap_key_get_syms_by_level(map, code, layout, 0, &syms) != 1) continue;
            if (const char letter = latin_letter(syms[0]); letter != 0) {
                key.latin = letter;
                break;
            }
        }
        return key;
    }

private:
    xkb_keymap* keymap() {
        if (keymap_ != nullptr || !ready_) return keymap_;
        if (context_ == nullptr) context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        if (context_ == nullptr) return nullptr;
        const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection_);
        if (device < 0) return nullptr;
        keymap_ = xkb_x11_keymap_new_from_device(context_, connection_, device,
                                                 XKB_KEYMAP_COMPILE_NO_FLAGS);
        return keymap_;
    }

    xcb_connection_t* connection_;
    bool ready_ = false;
    std::uint8_t xkb_event_ = 0;
    xkb_context* context_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
};

KeyboardLayout::KeyboardLayout() {
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (xcb_connection_t* connection = x11->connection()) {
            keymap_ = std::make_unique<Keymap>(connection);
        }
    }
}

#else

class KeyboardLayout::Keymap {};

KeyboardLayout::KeyboardLayout() = default;

#endif

KeyboardLayout::~KeyboardLayout() = default;

PhysicalKey KeyboardLayout::key_of(const QKeyEvent& event) {
    PhysicalKey key;
#if defined(CALC_XKB)
    if (keymap_ != nullptr) key = keymap_->key_of(event);
#elif defined(Q_OS_WIN)
    // The virtual key names the key whatever the layout: VK_NUMPAD0 to VK_DIVIDE are the
    // keypad, and 'A' to 'Z' the letter keys (on every layout, Cyrillic and Greek too).
    const std::uint32_t vk = event.nativeVirtualKey();
    key.keypad = vk >= 0x60 && vk <= 0x6f;
    if (vk >= 'A' && vk <= 'Z') key.latin = static_cast<char>(vk);
#endif
    // Qt marks the keypad's keys by their symbols, which on every X layout are the keypad's
    // own there (KP_Decimal, KP_Separator) or characters the form takes anyway.
    if (event.modifiers() & Qt::KeypadModifier) key.keypad = true;
    return key;
}

} // namespace calc::view
