// The window's own behaviour: it keeps the size of the face, the exit key ends the program,
// and the copy key puts the shown number on the clipboard.
#include "frmMain.h"
#include "number_forms.h"

namespace calc {

void frmMain::Form_Resize() {
    // The design size is larger than the face; whatever size the window is given, it goes
    // back to the face picture's, so nothing placed outside the face is ever seen.
    form_width = picBack1.rect().width;
    form_height = picBack1.rect().height;
}

void frmMain::lblExit_Click() {
    platform().exit_program();
}

void frmMain::lblcopy_Click() {
    // Text1 carries the copy. With the entry disabled its lost-focus rule cannot pull the
    // focus back while Text1 holds it.
    txtDecimal.enabled = false;
    Text1.enabled = true;
    Text1.set_text(lblDigit.caption);
    Text1.set_sel_start(0);
    Text1.set_sel_length(static_cast<int>(Text1.text().size()));
    set_focus(Text1);
    // The copy command of a focused field: an empty selection leaves the clipboard alone.
    // The number goes out as the user's region writes it, for the program it is pasted into.
    if (focused() == &Text1 && Text1.sel_length() > 0) {
        platform().copy_text(
            regional_copy(Text1.text().substr(static_cast<std::size_t>(Text1.sel_start()),
                                              static_cast<std::size_t>(Text1.sel_length())),
                          platform().number_region()));
    }
    Text1.enabled = false;
    txtDecimal.enabled = true;
    set_focus(txtDecimal);
}

} // namespace calc
