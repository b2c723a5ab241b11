// Hover help and window behaviour at the model: what every key reaches, the drag's buttons,
// the copy key's edge cases and the face-sized window.
#include <algorithm>
#include <string>

#include "key_table.h"
#include "shell/hover.h"
#include "support/form_test.h"

namespace calc::testing {
namespace {

using ShellTest = FormTest;

// Every key label names itself (the exit key aside) through its own mouse-move wiring; the
// texts are written out here, not taken from the help table the wiring reads.
TEST_F(ShellTest, EveryKeyWritesItsTextOnMove) {
    const std::pair<const char*, const char*> rows[] = {
        {"lblNumber(0)", "0"},
        {"lblNumber(7)", "7"},
        {"lblNumber(10)", "."},
        {"lblMath(0)", "+ MODE"},
        {"lblMath(1)", "- MODE"},
        {"lblMath(2)", "* MODE"},
        {"lblMath(3)", "/ MODE"},
        {"lblFunction(0)", "1 / VALUE"},
        {"lblFunction(1)", "PERCENT VALUE"},
        {"lblFunction(2)", "SQUARE"},
        {"lblFunction(3)", "SQUARE ROOT"},
        {"lblPi", "PI = 3.1415927"},
        {"lblSin", "CALCULATE SINE VALUE"},
        {"lblCos", "CALCULATE COSINE VALUE"},
        {"lblTan", "CALCULATE TANGENT VALUE"},
        {"lblAsin", "CALCULATE ARCSINE VALUE"},
        {"lblAcos", "CALCULATE ARCCOSINE VALUE"},
        {"lblAtan", "CALCULATE ARCTANGENT VALUE"},
        {"LBLDRG", "SET DEGREE-RADIAN-GRADIENT MODE"},
        {"lblMC", "CLEAR MEMORY"},
        {"lblMS", "SET INTO MEMORY"},
        {"lblMR", "RECALL FROM MEMORY"},
        {"lblMPlus", "ADD INTO MEMORY"},
        {"lblEnter", "ENTER / ACCEPT"},
        {"lblClear", "CLEAR ALL"},
        {"lblBack", "BACKSPACE"},
        {"lblPosNeg", "POSITIVE / NEGATIVE VALUE"},
        {"lblLog", "SCIENTIFIC FORMAT"},
        {"lblSetDec", "DISPLAY RESULTS AS A DECIMAL VALUE"},
        {"lblSetFrac", "DISPLAY RESULTS AS A FRACTIONAL VALUE"},
        {"lblSetPrec", "SET DECIMAL PLACES AND FRACTION INCREMENTS"},
        {"lblConv", "SET CONVERSION MODE AND UNITS"},
        {"Label4", "SELECT PREVIOUS VALUE"},
        {"lblRight", "SELECT NEXT VALUE"},
        {"lblcopy", "COPY VALUE TO CLIPBOARD"},
        {"lblStatusMode", "TURN STATUS MESSAGES ON / OFF"},
    };
    for (const auto& [name, text] : rows) {
        Control* key = form.find(name);
        ASSERT_NE(key, nullptr) << name;
        key->enabled = true; // the panel keys are off outside the set-up
        form.LBLSTAT.caption = "before";
        form.mouse_move(*key, NoButton);
        EXPECT_EQ(form.LBLSTAT.caption, text) << name;
    }
    // Every other key but the exit key has a text too.
    int keys = 0;
    for (Control* c : form.controls()) {
        auto* label = dynamic_cast<Label*>(c);
        if (label == nullptr || !label->is_key() || label == &form.lblExit) continue;
        ++keys;
        form.LBLSTAT.caption = "before";
        label->enabled = true;
        form.mouse_move(*label, NoButton);
        EXPECT_NE(form.LBLSTAT.caption, "before") << label->name();
    }
    // Every key of the table but the exit key, less the set-up's keys, which carry a caption.
    const auto face_keys = std::count_if(key_table().begin(), key_table().end(), [](auto& row) {
        return row.help != key::Help::None && row.container == Container::picBack1;
    });
    EXPECT_EQ(keys, face_keys);
}

// The digit and operation keys read their text from their Tag, not from a copy of it.
TEST_F(ShellTest, TaggedKeysFollowTheirTag) {
    form.lblNumber[3].tag = "x";
    form.lblMath[1].tag = "y";
    form.mouse_move(form.lblNumber[3], NoButton);
    EXPECT_EQ(form.LBLSTAT.caption, "x");
    form.mouse_move(form.lblMath[1], NoButton);
    EXPECT_EQ(form.LBLSTAT.caption, "y MODE");
}

TEST_F(ShellTest, DisabledKeyPassesHoverAndDragToTheFace) {
    form.lblSin.enabled = false;
    form.LBLSTAT.caption = "kept";
    form.mouse_move(form.lblSin, NoButton);
    EXPECT_EQ(form.LBLSTAT.caption, "");
    form.mouse_down(form.lblSin, LeftButton);
    form.mouse_move(form.lblSin, LeftButton);
    EXPECT_EQ(platform.moves, 1);
}

struct DragRow {
    int buttons;
    int moves;
};

TEST_F(ShellTest, OnlyTheLeftButtonAloneDrags) {
    const DragRow rows[] = {{NoButton, 0},
                            {LeftButton, 1},
                            {RightButton, 0},
                            {MiddleButton, 0},
                            {LeftButton | RightButton, 0},
                            {LeftButton | MiddleButton, 0}};
    for (const DragRow& row : rows) {
        platform.moves = 0;
        form.LBLSTAT.caption = "kept";
        form.mouse_move(form.picBack1, row.buttons);
        EXPECT_EQ(platform.moves, row.moves) << "buttons " << row.buttons;
        EXPECT_EQ(form.LBLSTAT.caption, "") << "buttons " << row.buttons;
    }
}

TEST_F(ShellTest, ResizeBringsTheWindowBackToTheFace) {
    EXPECT_EQ(form.form_width, 3540);
    EXPECT_EQ(form.form_height, 3000);
    form.form_width = 4000;
    form.form_height = 100;
    form.Form_Resize();
    EXPECT_EQ(form.form_width, 3540);
    EXPECT_EQ(form.form_height, 3000);
}

TEST_F(ShellTest, CopyOfAnEmptyDisplayKeepsTheClipboard) {
    platform.clipboard = "old";
    form.lblDigit.caption.clear();
    click(form.lblcopy);
    EXPECT_EQ(platform.clipboard, "old");
    EXPECT_EQ(form.focused(), &form.txtDecimal);
    EXPECT_FALSE(form.Text1.enabled);
}

// The copy is as shown, not the entry behind it.
TEST_F(ShellTest, CopyTakesTheShownNumber) {
    type("7");
    form.lblDigit.caption = "3 1/4";
    click(form.lblcopy);
    EXPECT_EQ(platform.clipboard, "3 1/4");
    EXPECT_EQ(entry(), "7");
    EXPECT_EQ(shown(), "3 1/4");
}

TEST_F(ShellTest, StatusSwitchTogglesLampAndLine) {
    for (const bool on : {false, true, false}) {
        click(form.lblStatusMode);
        EXPECT_EQ(form.arrow_on[1].visible, on);
        EXPECT_EQ(form.LBLSTAT.visible, on);
    }
}

} // namespace
} // namespace calc::testing
