// The scenario driver's own contract: how it reports, and its exit statuses.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>

#include "scenario.h"

namespace calc {
namespace {

struct Row {
    const char* script;
    int status;
    const char* output;
};

TEST(ScenarioDriver, ReportsAndExitStatuses) {
    const Row rows[] = {
        {"", 0, ""},
        {"# a comment\n\n   \ntype 7\nexpect txtDecimal.Text 7\n", 0, ""},
        {"print lblDigit.Caption\nprint focus\n", 0, "lblDigit.Caption=0\nfocus=txtDecimal\n"},
        {"expect txtDecimal.Text \"\"\n", 0, ""},
        {"type 1 2\nexpect txtDecimal.Text 12\n", 0, ""},
        {"expect lblStatus.Caption \"STATUS:\"\n", 0, ""},
        {"print dec_places\nprint ee_mode\nprint first_value\n", 0,
         "dec_places=8\nee_mode=false\nfirst_value=0\n"},
        {"type 7\nexpect txtDecimal.Text 8\nexpect txtDecimal.Text 9\n", 1,
         "line 2: txtDecimal.Text expected 8, got 7\nline 3: txtDecimal.Text expected 9, got 7\n"},
        {"expect txtDecimal.Text 8\nfrobnicate\nexpect txtDecimal.Text 9\n", 2,
         "line 1: txtDecimal.Text expected 8, got \nline 2: unknown command \"frobnicate\"; "
         "expected click, down, up, move, type, key, hold, release, clipboard, wait, print or "
         "expect\n"},
        {"  type 7\n\texpect txtDecimal.Text 7\n", 0, ""},
        {"expect\n", 2, "line 1: expected: expect P VALUE, found \"expect\"\n"},
        {"click lblNothing\n", 2, "line 1: unknown control lblNothing\n"},
        {"print lblDigit.Colour\n", 2, "line 1: unknown property lblDigit.Colour\n"},
        {"key Tab\n", 2, "line 1: unknown key Tab\n"},
        {"down lblEnter sideways\n", 2, "line 1: unknown button sideways\n"},
        {"wait soon\n", 2, "line 1: bad time soon\n"},
        {"print List2.List(99999999999999)\n", 2,
         "line 1: unknown property List2.List(99999999999999)\n"},
        {"print clipboard\nprint moves\nprint exited\nprint pointer\n", 0,
         "clipboard=\nmoves=0\nexited=false\npointer=default\n"},
    };
    for (const Row& row : rows) {
        std::istringstream in(row.script);
        std::ostringstream out;
        EXPECT_EQ(run_scenario(in, out), row.status) << row.script;
        EXPECT_EQ(out.str(), row.output) << row.script;
    }
}

TEST(ScenarioDriver, LongestWaitPassesAtOnce) {
    const auto start = std::chrono::steady_clock::now();
    std::istringstream in("wait 2147483647\nexpect txtDecimal.Text \"\"\n");
    std::ostringstream out;
    EXPECT_EQ(run_scenario(in, out), 0) << out.str();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

} // namespace
} // namespace calc
