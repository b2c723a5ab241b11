#include "face.h"

#include "frmMain.h"
#include "key_table.h"
#include "shell/hover.h"
#include "shell/keyboard_map.h"

namespace calc {

Face::Face(Platform& platform) : form_(std::make_unique<frmMain>(platform)) {
    for (Timer* t : form_->timers()) timers_.push_back(t);
    for (const KeyRow& row : key_table()) {
        Label& control = row.label(*form_);
        FaceKey key;
        key.control = &control;
        key.spoken = row.spoken;
        key.binding = key_binding(row);
        if (row.shortcut != 0 && row.container == Container::picBack1) {
            key.badge = chord_text(row.shortcut, row.modifiers, ChordStyle::Badge);
        }
        key.help = hover_text(*form_, control).value_or("");
        if (row.lamp >= 0) key.lamp = &form_->arrow_on.at(static_cast<std::size_t>(row.lamp));
        keys_.push_back(std::move(key));
    }
}

Face::~Face() = default;

void Face::start() {
    form_->start();
}
bool Face::key_press(const KeyPress& press) {
    return form_->key_press(press);
}
void Face::key_release(const KeyPress& release) {
    form_->key_release(release);
}
void Face::mouse_down(Control& over, int button) {
    form_->mouse_down(over, button);
}
void Face::mouse_up(Control& over, int button) {
    form_->mouse_up(over, button);
}
void Face::mouse_move(Control& over, int buttons) {
    form_->mouse_move(over, buttons);
}
Control* Face::hit_test(int x, int y) {
    return form_->hit_test(x, y);
}
bool Face::opens_face_menu(Control& over) {
    return form_->opens_face_menu(over);
}
std::vector<MenuItem> Face::face_menu() const {
    return form_->face_menu();
}
void Face::menu_command(MenuCommand command, std::size_t index) {
    form_->menu_command(command, index);
}
std::span<Timer* const> Face::timers() const {
    return timers_;
}
void Face::advance_timers(int ms) {
    form_->advance_timers(ms);
}
void Face::resize() {
    form_->resize();
}

const std::vector<Control*>& Face::controls() const {
    return form_->controls();
}

Control& Face::part(FacePart part) const {
    switch (part) {
    case FacePart::UnitPanel: return form_->picConvert;
    case FacePart::PrecisionPanel: return form_->picPrecision;
    case FacePart::Face: break;
    }
    return form_->picBack1;
}

Rect Face::window_rect(const Control& c) const {
    return form_->window_rect(c);
}

bool Face::seen(const Control& c) const {
    switch (c.container()) {
    case Container::picConvert: return c.visible && form_->picConvert.visible;
    case Container::picPrecision: return c.visible && form_->picPrecision.visible;
    case Container::picBack1: return c.visible && form_->picBack1.visible;
    case Container::Form: break;
    }
    return c.visible;
}

int Face::width() const {
    return form_->form_width;
}
int Face::height() const {
    return form_->form_height;
}
MousePointer Face::mouse_pointer() const {
    return form_->mouse_pointer;
}
bool Face::always_on_top() const {
    return form_->always_on_top;
}
bool Face::shortcut_badges_shown() const {
    return form_->shortcut_badges_shown();
}
const std::string& Face::number_shown() const {
    return form_->lblDigit.caption;
}
const Label& Face::help_line() const {
    return form_->LBLSTAT;
}

bool Face::covered(const Control& c) const {
    if (c.container() != Container::picBack1) return false;
    const Rect r = form_->window_rect(c);
    for (const PictureBox* panel : {&form_->picConvert, &form_->picPrecision}) {
        if (panel->visible &&
            form_->window_rect(*panel).contains(r.left + r.width / 2, r.top + r.height / 2)) {
            return true;
        }
    }
    return false;
}

std::string Face::take_announcement() {
    return form_->take_announcement();
}

std::string Face::whereabouts() const {
    return form_->whereabouts();
}

const FaceKey* Face::key(const Control& c) const {
    for (const FaceKey& k : keys_) {
        if (k.control == &c) return &k;
    }
    return nullptr;
}

} // namespace calc
