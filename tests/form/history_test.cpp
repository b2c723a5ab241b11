// The history of results through the face menu, as the window offers it.
#include "support/form_test.h"

namespace calc::testing {
namespace {

using HistoryTest = FormTest;

const MenuItem& history_menu(const std::vector<MenuItem>& menu) {
    for (const MenuItem& item : menu) {
        if (item.command == MenuCommand::History) return item;
    }
    throw std::logic_error("no History submenu");
}

TEST_F(HistoryTest, KeepsTheLastTwentyAndTheMenuRecallsThem) {
    for (int i = 1; i <= 25; ++i) {
        key(KeyEscape);
        type(std::to_string(i) + "*1");
        key(KeyEnter);
    }
    ASSERT_EQ(form.history().size(), 20u);
    EXPECT_EQ(form.history().front().shown, "25");
    EXPECT_EQ(form.history().back().shown, "6");

    // Newest first, then "Clear history"; a result is the entry as a paste makes it.
    auto results = history_menu(form.face_menu());
    ASSERT_EQ(results.submenu.size(), 21u);
    EXPECT_EQ(results.submenu[1].label, "24");
    EXPECT_EQ(results.submenu[20].command, MenuCommand::ClearHistory);
    form.menu_command(MenuCommand::Recall, results.submenu[1].index);
    EXPECT_EQ(entry(), "24");

    // In a modal entry the results are offered but cannot be chosen.
    click(form.lblSetPrec);
    results = history_menu(form.face_menu());
    EXPECT_FALSE(results.submenu[0].enabled);
    form.menu_command(MenuCommand::Recall, 0);
    EXPECT_EQ(entry(), "24");
    key(KeyEnter);

    form.menu_command(MenuCommand::ClearHistory);
    EXPECT_TRUE(form.history().empty());
    EXPECT_FALSE(history_menu(form.face_menu()).enabled);
}

} // namespace
} // namespace calc::testing
