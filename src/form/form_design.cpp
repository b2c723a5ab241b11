// The form as designed: every control with its place, size, tag and state at start.
#include "design_values.h"
#include "frmMain.h"
#include "key_table.h"

namespace calc {

namespace {

constexpr auto Face = Container::picBack1;
constexpr auto Conv = Container::picConvert;
constexpr auto Prec = Container::picPrecision;
constexpr auto S = FontKind::Small;
constexpr auto L = FontKind::Large;
constexpr auto Left = Alignment::Left;
constexpr auto Centre = Alignment::Centre;
constexpr auto Right = Alignment::Right;

Lamp make_lamp(int index, int left, int top, Lamp::Shape shape, bool lit) {
    const bool h = shape == Lamp::Shape::Horizontal;
    return Lamp("arrow_on(" + std::to_string(index) + ")",
                Rect{left, top, (h ? design::horizontal_lamp : design::vertical_lamp).width,
                     (h ? design::horizontal_lamp : design::vertical_lamp).height},
                shape, lit);
}

constexpr auto H = Lamp::Shape::Horizontal;
constexpr auto V = Lamp::Shape::Vertical;

} // namespace

frmMain::frmMain(Platform& platform)
    : picBack1("picBack1", design::face_rect, true),
      picConvert("picConvert", design::panel_rect, false),
      picPrecision("picPrecision", design::panel_rect, false),
      lblStatus("lblStatus", Face, Rect{210, 300, 630, 120}, std::string(design::no_operation), S,
                Left),
      lblDRGMode("lblDRGMode", Face, Rect{3030, 300, 270, 120}, "DEG", S, Right),
      lblDigit("lblDigit", Face, Rect{1695, 495, 150, 270}, "0", L, Centre),
      Label1("Label1", Face, Rect{210, 840, 990, 120}, "", S, Left),
      Label2("Label2", Face, Rect{1950, 840, 1350, 120}, "", S, Right),
      LBLSTAT("LBLSTAT", Face, Rect{120, 2760, 480, 150}, "STATUS", FontKind::Proportional, Left),
      lblTitle("lblTitle", Conv, Rect{105, 105, 1800, 120}, std::string(design::category_step), S,
               Left),
      lblUnit("lblUnit", Conv, Rect{1215, 300, 900, 270}, "", L, Centre),
      Label3("Label3", Conv, Rect{105, 645, 1350, 120}, "ENTER TO ACCEPT", S, Left),
      lblPrec("lblPrec", Prec, Rect{105, 105, 900, 120}, "PRECISION:", S, Left),
      lblPrecision("lblPrecision", Prec, Rect{1590, 300, 150, 270}, "0", L, Centre),
      lblPrecStyle("lblPrecStyle", Prec, Rect{1395, 645, 1800, 120}, design::places_caption(), S,
                   Right),
      arrow_on{make_lamp(0, 135, 2190, H, false), make_lamp(1, 165, 1935, V, true),
               make_lamp(2, 135, 2445, H, false), make_lamp(3, 165, 1170, V, true),
               make_lamp(4, 165, 1425, V, false), make_lamp(5, 165, 1680, V, false)},
      txtDecimal("txtDecimal", Rect{330, 4755, 3030, 330}, design::entry_length, true),
      txtPrecision("txtPrecision", Rect{330, 5130, 3030, 285}, 3, false),
      txtEE("txtEE", Rect{330, 5475, 3030, 285}, 10, false),
      Text1("Text1", Rect{285, 4380, 1335, 285}, 0, false), List1("List1", true),
      List2("List2", true), List3("List3", true), List4("List4", true), List5("List5", true),
      List6("List6", true), List7("List7", true), List8("List8", true), List9("List9", true),
      List10("List10", false), Timer2("Timer2", 300), Timer3("Timer3", 300),
      tmrBadges("tmrBadges", 500), platform_(platform) {
    Label1.visible = false;
    Label2.visible = false;
    define_keys();
    register_controls();
    wire_keys();
    wire_engine();
    wire_formats();
    wire_conversion();
    wire_shell();
}

void frmMain::register_controls() {
    // Drawing order: the face, the keys, the captions and lamps on it, then the panels with
    // their captions, then what is never seen.
    all_ = {&picBack1};
    for (const KeyRow& row : key_table()) {
        if (row.container == Container::picBack1) all_.push_back(&row.label(*this));
    }
    for (auto& l : arrow_on) all_.push_back(&l);
    for (Label* c : {&lblStatus, &lblDRGMode, &lblDigit, &Label1, &Label2, &LBLSTAT}) {
        all_.push_back(c);
    }
    for (Control* c : std::initializer_list<Control*>{&picConvert, &lblTitle, &lblUnit, &Label3}) {
        all_.push_back(c);
    }
    for (const KeyRow& row : key_table()) {
        if (row.container == Container::picConvert) all_.push_back(&row.label(*this));
    }
    for (Control* c : std::initializer_list<Control*>{&picPrecision, &lblPrec, &lblPrecision,
                                                      &lblPrecStyle, &txtDecimal, &txtPrecision,
                                                      &txtEE, &Text1, &List1, &List2}) {
        all_.push_back(c);
    }
    for (auto list : unit_lists) all_.push_back(&(this->*list));
    for (Timer* t : timers()) all_.push_back(t);
}

void frmMain::define_keys() {
    for (const KeyRow& row : key_table()) {
        Label& key = row.label(*this);
        key.define(std::string(row.name), row.container, row.rect);
        key.tag = row.tag;
        key.caption = row.caption;
        key.font = row.font;
        key.alignment = row.alignment;
    }
}

void frmMain::wire_keys() {
    for (const KeyRow& row : key_table()) {
        Label& key = row.label(*this);
        if (row.click != nullptr) key.onClick = [this, f = row.click] { f(*this); };
        if (row.down != nullptr) key.onMouseDown = [this, f = row.down](int b) { f(*this, b); };
        if (row.up != nullptr) key.onMouseUp = [this, f = row.up](int b) { f(*this, b); };
        if (row.help != key::Help::None) {
            key.onMouseMove = [this, &key](int) { show_hover(key); };
        }
    }
}

Control* frmMain::find(std::string_view name) {
    for (Control* c : all_) {
        if (c->name() == name) return c;
    }
    return nullptr;
}

Rect frmMain::window_rect(const Control& c) const {
    Rect r = c.rect();
    switch (c.container()) {
    case Container::picConvert:
        r.left += picConvert.rect().left;
        r.top += picConvert.rect().top;
        break;
    case Container::picPrecision:
        r.left += picPrecision.rect().left;
        r.top += picPrecision.rect().top;
        break;
    case Container::Form:
    case Container::picBack1: break; // the face lies at the form's origin
    }
    return r;
}

} // namespace calc
