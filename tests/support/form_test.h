// A started calculator with a fake platform, and short ways to use it as a user would.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "frmMain.h"
#include "scenario.h"

namespace calc::testing {

class FormTest : public ::testing::Test {
protected:
    FormTest() { form.start(); }

    void click(Control& c) {
        form.mouse_down(c, LeftButton);
        form.mouse_up(c, LeftButton);
    }
    void type(std::string_view text) {
        for (const char c : text) form.type_char(c);
    }
    void key(int code) { form.type_key(code); }
    const std::string& entry() const { return form.txtDecimal.text(); }
    const std::string& shown() const { return form.lblDigit.caption; }
    const std::string& status() const { return form.lblStatus.caption; }

    FakePlatform platform;
    frmMain form{platform};
};

// Plays a scenario given as text; fails the test with the driver's report on a mismatch.
inline void play(std::string_view script) {
    std::istringstream in{std::string(script)};
    std::ostringstream out;
    const int status = run_scenario(in, out);
    EXPECT_EQ(status, 0) << out.str();
}

} // namespace calc::testing
