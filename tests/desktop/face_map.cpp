// Prints what the desktop tests need to know of the face, taken from the form itself: the
// face's size, every other control's box in window pixels (rounded outwards; a caption's box
// is the band its growing text may cover), and the key combinations of the keyboard map with
// the key each one clicks.
//   face WIDTH HEIGHT
//   control NAME LEFT TOP RIGHT BOTTOM      (RIGHT and BOTTOM exclusive)
//   binding KEY MODIFIERS KEY_NAME          (KEY_NAME "-" for the map's own actions)
//   key NAME                                (every row of the key table)
#include <cstdio>
#include <string>

#include "frmMain.h"
#include "platform.h"
#include "shell/keyboard_map.h"

namespace {

int pixels_down(int twips) {
    return twips / calc::twips_per_pixel;
}

int pixels_up(int twips) {
    return (twips + calc::twips_per_pixel - 1) / calc::twips_per_pixel;
}

} // namespace

int main() {
    calc::FakePlatform platform;
    calc::frmMain form(platform);
    form.start();
    std::printf("face %d %d\n", pixels_down(form.form_width), pixels_down(form.form_height));
    for (const calc::Control* c : form.controls()) {
        if (c == &form.picBack1) continue;
        calc::Rect r = form.window_rect(*c);
        // A caption grows with its text away from its anchor: its box is all it may reach.
        if (const auto* label = dynamic_cast<const calc::Label*>(c); label && !label->is_key()) {
            const int right = r.left + r.width;
            if (label->alignment != calc::Alignment::Left) r.left = 0;
            r.width =
                (label->alignment == calc::Alignment::Right ? right : form.form_width) - r.left;
        }
        std::printf("control %s %d %d %d %d\n", c->name().c_str(), pixels_down(r.left),
                    pixels_down(r.top), pixels_up(r.left + r.width), pixels_up(r.top + r.height));
    }
    for (const calc::KeyBinding& b : calc::keyboard_map()) {
        const std::string name = b.row == nullptr ? "-" : std::string(b.row->name);
        std::printf("binding %c %d %s\n", b.key, b.modifiers, name.c_str());
    }
    for (const calc::KeyRow& row : calc::key_table()) {
        std::printf("key %.*s\n", static_cast<int>(row.name.size()), row.name.data());
    }
    return 0;
}
