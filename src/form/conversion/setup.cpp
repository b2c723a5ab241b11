// The conversion set-up: the mode key, the panel that chooses a category, a from-unit and a
// to-unit, its next and previous keys with auto-repeat, and the hidden lists behind it.
#include <algorithm>
#include <array>
#include <cctype>

#include "design_values.h"
#include "frmMain.h"
#include "key_table.h"
#include "number_text.h"
#include "units.h"

namespace calc {

namespace {

std::string upper_cased(std::string row) {
    for (char& c : row) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return row;
}

// The hidden list numbered n (3 for List3 ... 10 for List10).
static_assert(unit_lists.size() == units::stored_count, "a hidden list for each stored table");

ListBox& unit_list(frmMain& f, int n) {
    return f.*unit_lists.at(static_cast<std::size_t>(n - 3));
}

} // namespace

namespace {

// The stored tables into List2..List10. Only the converter reads these lists, so they are
// filled when it is first opened rather than at start, where the first frame needs none of
// them; they never change after.
void load_unit_lists(frmMain& f) {
    if (f.List2.count() != 0) return;
    for (const units::Category& c : units::categories()) {
        f.List2.add_item(std::string(c.category)); // the list sorts the words
        if (c.list == 0) continue;
        ListBox& list = unit_list(f, c.list);
        list.clear();
        for (const auto& unit : c.rows) list.add_item(units::row_text(unit, c.width));
    }
}

} // namespace

void frmMain::fill_unit_lists() {
    // At start the lists are only emptied; load_unit_lists fills them on first use.
    List2.clear();
    for (auto list : unit_lists) (this->*list).clear();
}

void frmMain::conversion_off() {
    arrow_on[lamp::Conversion].visible = false;
    Label1.visible = false;
    Label2.visible = false;
    conv_mode = false;
    list_pos = 0;
}

void frmMain::show_unit_captions() {
    Label1.caption = std::string(design::from_unit_caption) + from_abbrev;
    Label2.caption = std::string(design::to_unit_caption) + to_abbrev;
}

void frmMain::lblConv_Click() {
    if (arrow_on[lamp::Conversion].visible) {
        conversion_off();
        return;
    }
    load_unit_lists(*this);
    arrow_on[lamp::Conversion].visible = true;
    Disable_ALL();
    enable_keys_live_in(key::InSetup);
    conv_mode = true;
    lblTitle.caption = design::category_step;
    List2.list_index = list_pos;
    lblUnit.caption = List2.selected_text();
    picConvert.visible = true;
}

namespace {

// The list the set-up steps: the category words in the first step, the units after.
ListBox& stepped_list(frmMain& f) {
    load_unit_lists(f);
    return f.setup_step() == SetupStep::Category ? f.List2 : f.List1;
}

// Selects row list_pos of the list being stepped and shows it: a category word as it is, a
// unit by its name.
void show_row(frmMain& f, ListBox& list) {
    list.list_index = f.list_pos;
    f.lblUnit.caption = &list == &f.List2 ? list.selected_text()
                                          : units::row_name(list.selected_text(),
                                                            units::name_width(f.conv_category));
}

} // namespace

void frmMain::select_right() {
    ListBox& list = stepped_list(*this);
    ++list_pos;
    if (list_pos > list.count() - 1) list_pos = 0;
    show_row(*this, list);
}

void frmMain::select_left() {
    ListBox& list = stepped_list(*this);
    --list_pos;
    if (list_pos < 0) list_pos = static_cast<std::int16_t>(list.count() - 1);
    show_row(*this, list);
}

void frmMain::lblRight_Click() {
    // The panel's keys step only while the panel is open (a release after the set-up was
    // cleared must not move the position the next set-up starts from).
    if (picConvert.visible) select_right();
}

void frmMain::lblRight_MouseDown(int /*Button*/) {
    Timer2.set_enabled(true);
}

void frmMain::lblRight_MouseUp(int /*Button*/) {
    Timer2.set_enabled(false);
}

void frmMain::Label4_Click() {
    if (picConvert.visible) select_left();
}

void frmMain::Label4_MouseDown(int /*Button*/) {
    Timer3.set_enabled(true);
}

void frmMain::Label4_MouseUp(int /*Button*/) {
    Timer3.set_enabled(false);
}

void frmMain::lblMath_MouseDown(int Index, int /*Button*/) {
    if (!picConvert.visible) return;
    if (Index == 0) Timer2.set_enabled(true);
    if (Index == 1) Timer3.set_enabled(true);
}

void frmMain::lblMath_MouseUp(int /*Index*/, int /*Button*/) {
    Timer2.set_enabled(false);
    Timer3.set_enabled(false);
}

void frmMain::Timer2_Timer() {
    // A key held while the set-up ends (Enter or Esc from the keyboard) repeats no further.
    if (!picConvert.visible) {
        Timer2.set_enabled(false);
        return;
    }
    select_right();
}

void frmMain::Timer3_Timer() {
    if (!picConvert.visible) {
        Timer3.set_enabled(false);
        return;
    }
    select_left();
}

namespace {

// The from-unit and to-unit steps read the same fields of the row shown.
void read_unit(frmMain& f, std::string& abbrev, std::string& factor) {
    f.List1.list_index = f.list_pos;
    const std::string& row = f.List1.selected_text();
    const int width = units::name_width(f.conv_category);
    abbrev = units::row_abbrev(row, width);
    factor = print_default(read_leading(units::row_factor(row, width)));
}

} // namespace

void frmMain::conversion_setup_enter() {
    if (setup_step() == SetupStep::Category) {
        load_unit_lists(*this);
        lblTitle.caption = design::from_step;
        if (const units::Category* c = units::find_category(List2.selected_text())) {
            conv_category = c->category;
            List1.clear();
            if (c->list != 0) {
                const ListBox& stored = unit_list(*this, c->list);
                for (int i = 0; i < stored.count(); ++i) {
                    List1.add_item(c->upper ? upper_cased(stored.item(i)) : stored.item(i));
                }
            } else {
                for (const auto& unit : c->rows) {
                    const std::string row = units::row_text(unit, c->width);
                    List1.add_item(c->upper ? upper_cased(row) : row);
                }
            }
        }
        list_pos = 0;
        show_row(*this, List1);
    } else if (setup_step() == SetupStep::FromUnit) {
        read_unit(*this, from_abbrev, from_factor);
        lblTitle.caption = design::to_step;
    } else {
        lblTitle.caption = design::from_step;
        read_unit(*this, to_abbrev, to_factor);
        Label1.visible = true;
        Label2.visible = true;
        show_unit_captions();
        picConvert.visible = false;
        Enable_ALL();
    }
    set_pointer(MousePointer::Default);
}

} // namespace calc
