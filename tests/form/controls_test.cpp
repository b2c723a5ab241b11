// The toolkit-free controls: nested change handling, the caret, typing limits, timers, and
// how the form routes the mouse.
#include "support/form_test.h"

#include <vector>

namespace calc::testing {
namespace {

TEST(TextFieldTest, ChangeRunsNestedBeforeTheWriteReturns) {
    TextField field("f", Rect{}, 0, true);
    std::vector<std::string> seen;
    field.onChange = [&] {
        seen.push_back(field.text());
        if (field.text().ends_with("x")) {
            field.set_text(field.text().substr(0, field.text().size() - 1));
        }
        seen.push_back("end " + field.text());
    };
    field.set_text("abx");
    const std::vector<std::string> want = {"abx", "ab", "end ab", "end ab"};
    EXPECT_EQ(seen, want);
}

TEST(TextFieldTest, SameTextRunsNothingAndKeepsTheCaret) {
    TextField field("f", Rect{}, 0, true);
    int runs = 0;
    field.onChange = [&] { ++runs; };
    field.set_text("123");
    EXPECT_EQ(field.sel_start(), 0);
    field.caret_to_end();
    field.set_text("123");
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(field.sel_start(), 3);
}

TEST(TextFieldTest, MaxLengthLimitsTypingOnly) {
    TextField field("f", Rect{}, 3, true);
    for (const char c : std::string("12345")) field.type_char(c);
    EXPECT_EQ(field.text(), "123");
    field.set_text("123456");
    EXPECT_EQ(field.text(), "123456");
}

struct EditRow {
    const char* start;
    int caret;
    int key;
    const char* text;
    int caret_after;
};

TEST(TextFieldTest, NamedKeysEditAtTheCaret) {
    const EditRow rows[] = {
        {"123", 3, KeyBackspace, "12", 2}, {"123", 0, KeyBackspace, "123", 0},
        {"123", 1, KeyBackspace, "23", 0}, {"123", 1, KeyDelete, "13", 1},
        {"123", 3, KeyDelete, "123", 3},   {"123", 3, KeyLeft, "123", 2},
        {"123", 0, KeyLeft, "123", 0},     {"123", 1, KeyEnd, "123", 3},
        {"123", 2, KeyHome, "123", 0},     {"123", 3, KeyRight, "123", 3},
        {"", 0, KeyBackspace, "", 0},
    };
    for (const EditRow& row : rows) {
        TextField field("f", Rect{}, 0, true);
        field.set_text(row.start);
        field.set_sel_start(row.caret);
        field.edit_key(row.key);
        EXPECT_EQ(field.text(), row.text) << row.start << " key " << row.key;
        EXPECT_EQ(field.sel_start(), row.caret_after) << row.start << " key " << row.key;
    }
}

TEST(TimerTest, TicksEveryIntervalWhileEnabledAndRestartsOnEnable) {
    Timer timer("t", 300);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.advance(1000);
    EXPECT_EQ(ticks, 0);
    timer.set_enabled(true);
    timer.advance(299);
    EXPECT_EQ(ticks, 0);
    timer.advance(701);
    EXPECT_EQ(ticks, 3);
    timer.set_enabled(false);
    timer.set_enabled(true);
    timer.advance(299);
    EXPECT_EQ(ticks, 3);
}

TEST(LabelTest, CaptionsKeepTheAnchorOfTheirAlignment) {
    Label centred("c", Container::picBack1, Rect{1695, 495, 150, 270}, "0", FontKind::Large,
                  Alignment::Centre);
    Label right("r", Container::picBack1, Rect{3030, 300, 270, 120}, "DEG", FontKind::Small,
                Alignment::Right);
    centred.caption = "12345";
    right.caption = "GRAD";
    EXPECT_EQ(centred.rect().left + centred.rect().width / 2, 1770);
    EXPECT_EQ(centred.rect().width, 750);
    EXPECT_EQ(right.rect().left + right.rect().width, 3300);
}

TEST_F(FormTest, HitTestFindsKeysBeforeLampsAndPanelsBeforeTheFace) {
    auto at_centre = [&](const Control& c) {
        const Rect r = form.window_rect(c);
        return form.hit_test(r.left + r.width / 2, r.top + r.height / 2);
    };
    EXPECT_EQ(at_centre(form.lblNumber[7]), &form.lblNumber[7]);
    EXPECT_EQ(form.hit_test(form.arrow_on[3].rect().left + 10, form.arrow_on[3].rect().top + 10),
              &form.lblSetDec);
    EXPECT_EQ(form.hit_test(5, 5), &form.picBack1);
    EXPECT_EQ(form.hit_test(3540, 100), nullptr);
    form.lblNumber[7].enabled = false;
    EXPECT_EQ(at_centre(form.lblNumber[7]), &form.picBack1);
    form.picConvert.visible = true;
    EXPECT_EQ(at_centre(form.Label4), &form.Label4);
    EXPECT_EQ(form.hit_test(200, 300), &form.picConvert);
}

TEST_F(FormTest, ClickNeedsTheLeftButtonReleasedOverThePressedKey) {
    form.mouse_down(form.lblNumber[1], LeftButton);
    form.mouse_up(form.lblNumber[2], LeftButton);
    EXPECT_EQ(entry(), "");
    form.mouse_down(form.lblNumber[1], RightButton);
    form.mouse_up(form.lblNumber[1], RightButton);
    EXPECT_EQ(entry(), "");
    click(form.lblNumber[1]);
    EXPECT_EQ(entry(), "1");
    form.lblNumber[1].enabled = false;
    click(form.lblNumber[1]); // a disabled key is the face beneath it
    EXPECT_EQ(entry(), "1");
}

TEST_F(FormTest, FocusIsRefusedByADisabledField) {
    EXPECT_EQ(form.focused(), &form.txtDecimal);
    EXPECT_FALSE(form.set_focus(form.txtEE));
    EXPECT_EQ(form.focused(), &form.txtDecimal);
}

TEST_F(FormTest, DisableThenEnableLeavesEveryKeyEnabled) {
    form.lblSin.enabled = false;
    form.Disable_ALL();
    EXPECT_TRUE(form.lblEnter.enabled && form.lblClear.enabled && form.lblExit.enabled);
    EXPECT_FALSE(form.lblNumber[0].enabled || form.lblStatusMode.enabled || form.lblcopy.enabled);
    form.Enable_ALL();
    for (Control* c : form.controls()) {
        const auto* label = dynamic_cast<const Label*>(c);
        if (label != nullptr && label->is_key()) {
            EXPECT_TRUE(label->enabled) << label->name();
        }
    }
}

} // namespace
} // namespace calc::testing
