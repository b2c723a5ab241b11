// The set-up panel's first-letter jump: a typed letter moves to the next row whose shown name
// starts with it, as in a list box, so a long unit list need not be stepped row by row.
#include <cctype>

#include "frmMain.h"
#include "units.h"

namespace calc {

namespace {

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

void frmMain::letter_jump(char letter) {
    if (!picConvert.visible) return;
    // The list being stepped, as the next and previous keys choose it.
    const bool categories = setup_step() == SetupStep::Category;
    const ListBox& list = categories ? List2 : List1;
    const int rows = list.count();
    if (rows == 0) return;
    const int from = ((list_pos % rows) + rows) % rows;
    for (int step = 1; step <= rows; ++step) {
        const int row = (from + step) % rows;
        const std::string name =
            categories ? list.item(row)
                       : units::row_name(list.item(row), units::name_width(conv_category));
        if (name.empty() || upper(name.front()) != upper(letter)) continue;
        // One step onto the row from the one before it: shown exactly as the next key shows it.
        list_pos = static_cast<std::int16_t>(row - 1);
        select_right();
        return;
    }
}

} // namespace calc
