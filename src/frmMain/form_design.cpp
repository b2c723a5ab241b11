// The form as designed: every control with its place, size, tag and state at start.
#include "frmMain/design_values.h"
#include "frmMain/frmMain.h"

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

Label key(const char* name, int left, int top, int width, int height, const char* tag = "") {
    return Label(name, Face, Rect{left, top, width, height}, tag);
}

Lamp make_lamp(int index, int left, int top, Lamp::Shape shape, bool lit) {
    const bool h = shape == Lamp::Shape::Horizontal;
    return Lamp("arrow_on(" + std::to_string(index) + ")",
                Rect{left, top, h ? 135 : 60, h ? 60 : 90}, shape, lit);
}

constexpr auto H = Lamp::Shape::Horizontal;
constexpr auto V = Lamp::Shape::Vertical;

} // namespace

frmMain::frmMain(Platform& platform)
    : picBack1("picBack1", Rect{0, 0, 3540, 3000}, true),
      picConvert("picConvert", Rect{105, 195, 3330, 855}, false),
      picPrecision("picPrecision", Rect{105, 195, 3330, 855}, false),
      lblExit(key("lblExit", 3345, 30, 165, 135)),
      lblSetDec(key("lblSetDec", 105, 1125, 1185, 195)),
      lblLog(key("lblLog", 1395, 1125, 285, 210)), lblSin(key("lblSin", 1770, 1125, 405, 210)),
      lblCos(key("lblCos", 2235, 1125, 405, 210)), lblTan(key("lblTan", 2685, 1125, 405, 210)),
      lblcopy(key("lblcopy", 3210, 1125, 225, 210)),
      lblSetFrac(key("lblSetFrac", 105, 1380, 1185, 195)),
      lblPi(key("lblPi", 1395, 1380, 285, 210)), lblAsin(key("lblAsin", 1770, 1380, 405, 210)),
      lblAcos(key("lblAcos", 2235, 1380, 405, 210)), lblAtan(key("lblAtan", 2685, 1380, 405, 210)),
      lblBack(key("lblBack", 3210, 1380, 225, 210)), lblConv(key("lblConv", 105, 1635, 1185, 195)),
      lblMC(key("lblMC", 1395, 1635, 285, 210)), lblClear(key("lblClear", 3210, 1635, 225, 210)),
      lblStatusMode(key("lblStatusMode", 105, 1890, 1185, 195)),
      lblMR(key("lblMR", 1395, 1890, 285, 210)), lblEnter(key("lblEnter", 3210, 1890, 225, 720)),
      LBLDRG(key("LBLDRG", 105, 2145, 1185, 195)), lblMS(key("lblMS", 1395, 2145, 285, 210)),
      lblSetPrec(key("lblSetPrec", 105, 2400, 1185, 195)),
      lblMPlus(key("lblMPlus", 1395, 2415, 285, 210)),
      lblPosNeg(key("lblPosNeg", 2040, 2400, 225, 210)),
      lblNumber{key("lblNumber(0)", 1755, 2400, 225, 210, "0"),
                key("lblNumber(1)", 1755, 2145, 225, 210, "1"),
                key("lblNumber(2)", 2040, 2145, 225, 210, "2"),
                key("lblNumber(3)", 2325, 2145, 225, 210, "3"),
                key("lblNumber(4)", 1755, 1890, 225, 210, "4"),
                key("lblNumber(5)", 2040, 1890, 225, 210, "5"),
                key("lblNumber(6)", 2325, 1890, 225, 210, "6"),
                key("lblNumber(7)", 1755, 1635, 225, 210, "7"),
                key("lblNumber(8)", 2040, 1635, 225, 210, "8"),
                key("lblNumber(9)", 2325, 1635, 225, 210, "9"),
                key("lblNumber(10)", 2325, 2400, 225, 210, ".")},
      lblMath{key("lblMath(0)", 2610, 2400, 225, 210, "+"),
              key("lblMath(1)", 2610, 2145, 225, 210, "-"),
              key("lblMath(2)", 2610, 1890, 225, 210, "*"),
              key("lblMath(3)", 2610, 1635, 225, 210, "/")},
      lblFunction{
          key("lblFunction(0)", 2880, 2400, 225, 210), key("lblFunction(1)", 2880, 2145, 225, 210),
          key("lblFunction(2)", 2880, 1890, 225, 210), key("lblFunction(3)", 2880, 1635, 225, 210)},
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
      Label4("Label4", Conv, Rect{2775, 630, 90, 120}, "-", S, Right),
      lblRight("lblRight", Conv, Rect{3090, 630, 90, 120}, "+", S, Right),
      lblPrec("lblPrec", Prec, Rect{105, 105, 900, 120}, "PRECISION:", S, Left),
      lblPrecision("lblPrecision", Prec, Rect{1590, 300, 150, 270}, "0", L, Centre),
      lblPrecStyle("lblPrecStyle", Prec, Rect{1395, 645, 1800, 120},
                   std::string(design::places_caption), S, Right),
      arrow_on{make_lamp(0, 135, 2190, H, false), make_lamp(1, 165, 1935, V, true),
               make_lamp(2, 135, 2445, H, false), make_lamp(3, 165, 1170, V, true),
               make_lamp(4, 165, 1425, V, false), make_lamp(5, 165, 1680, V, false)},
      txtDecimal("txtDecimal", Rect{330, 4755, 3030, 330}, design::entry_length, true),
      txtPrecision("txtPrecision", Rect{330, 5130, 3030, 285}, 3, false),
      txtEE("txtEE", Rect{330, 5475, 3030, 285}, 10, false),
      Text1("Text1", Rect{285, 4380, 1335, 285}, 0, false), List1("List1", true),
      List2("List2", true), List3("List3", true), List4("List4", true), List5("List5", true),
      List6("List6", true), List7("List7", true), List8("List8", true), List9("List9", true),
      List10("List10", false), Timer2("Timer2", 300), Timer3("Timer3", 300), platform_(platform) {
    Label1.visible = false;
    Label2.visible = false;
    register_controls();
    wire_engine();
    wire_formats();
    wire_functions();
    wire_conversion();
    wire_shell();
}

void frmMain::register_controls() {
    // Drawing order: the face, the keys, the captions and lamps on it, then the panels with
    // their captions, then what is never seen.
    all_ = {&picBack1};
    for (Label* k : {&lblExit,  &lblSetDec,  &lblLog, &lblSin,     &lblCos,        &lblTan,
                     &lblcopy,  &lblSetFrac, &lblPi,  &lblAsin,    &lblAcos,       &lblAtan,
                     &lblBack,  &lblConv,    &lblMC,  &lblClear,   &lblStatusMode, &lblMR,
                     &lblEnter, &LBLDRG,     &lblMS,  &lblSetPrec, &lblMPlus,      &lblPosNeg}) {
        all_.push_back(k);
    }
    for (auto& k : lblNumber) all_.push_back(&k);
    for (auto& k : lblMath) all_.push_back(&k);
    for (auto& k : lblFunction) all_.push_back(&k);
    for (auto& l : arrow_on) all_.push_back(&l);
    for (Label* c : {&lblStatus, &lblDRGMode, &lblDigit, &Label1, &Label2, &LBLSTAT}) {
        all_.push_back(c);
    }
    for (Control* c : std::initializer_list<Control*>{
             &picConvert,   &lblTitle, &lblUnit,      &Label3,       &Label4,     &lblRight,
             &picPrecision, &lblPrec,  &lblPrecision, &lblPrecStyle, &txtDecimal, &txtPrecision,
             &txtEE,        &Text1,    &List1,        &List2,        &List3,      &List4,
             &List5,        &List6,    &List7,        &List8,        &List9,      &List10,
             &Timer2,       &Timer3}) {
        all_.push_back(c);
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
