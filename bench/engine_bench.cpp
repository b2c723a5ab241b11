// How long the engine takes for what a user does most: one typed digit, a whole sum, a
// fraction shown, a conversion. Each figure is one user action through the form's own entry
// points, with all its change handling; the set-up between actions is not timed.
// Budgets: 20 microseconds each, 50 for the fraction display.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <string_view>

#include "frmMain.h"
#include "platform.h"

namespace {

using calc::frmMain;

struct Form {
    Form() { form.start(); }
    void click(calc::Control& c) {
        form.mouse_down(c, calc::LeftButton);
        form.mouse_up(c, calc::LeftButton);
    }
    void type(std::string_view text) {
        for (const char c : text) form.type_char(c);
    }
    // A letter key as the keyboard gives it: in the set-up it jumps to the next row whose
    // name starts with it, so no step count depends on what the lists hold.
    void letter(char c) { form.key_press({c, 0, 0, std::string(1, c), false}); }
    calc::FakePlatform platform;
    frmMain form{platform};
};

// Times one action per iteration; prepare runs before it, untimed.
template <class Prepare, class Action>
void run(benchmark::State& state, Prepare&& prepare, Action&& action) {
    for (auto _ : state) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        action();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void check(benchmark::State& state, bool ok, const char* what) {
    if (!ok) state.SkipWithError(what);
}

// A digit typed onto an entry of "12": the key path, the entry rules, the display.
void BM_TypedDigit(benchmark::State& state) {
    Form f;
    run(
        state,
        [&] {
            f.form.type_key(calc::KeyEscape);
            f.type("12");
        },
        [&] { f.form.type_char('3'); });
    check(state, f.form.lblDigit.caption == "123", "the digit did not show");
}

// "12+3" and Enter from a cleared calculator: five events.
void BM_SumAndEnter(benchmark::State& state) {
    Form f;
    run(
        state, [&] { f.form.type_key(calc::KeyEscape); },
        [&] {
            f.type("12+3");
            f.form.type_key(calc::KeyEnter);
        });
    check(state, f.form.lblDigit.caption == "15", "12+3 did not show 15");
}

// A value shown as a fraction to the largest denominator, 32.
void BM_FractionDisplay(benchmark::State& state) {
    Form f;
    f.click(f.form.lblSetFrac);
    f.form.frac_denom = 32;
    run(
        state, [&] { f.form.txtDecimal.set_text("3.14159265358979"); },
        [&] { f.form.do_format(); });
    check(state, f.form.lblDigit.caption == "3 5/32", "the fraction was not shown");
}

// An Enter that converts 12 feet to centimetres, the set-up done beforehand.
void BM_Conversion(benchmark::State& state) {
    Form f;
    f.click(f.form.lblConv);
    f.letter('L'); // LINEAR
    f.form.type_key(calc::KeyEnter);
    f.letter('F'); // FATHOMS, then FEET
    f.letter('F');
    f.form.type_key(calc::KeyEnter);
    f.letter('C'); // CABLE LENGTHS, then CENTIMETERS
    f.letter('C');
    f.form.type_key(calc::KeyEnter);
    const bool set_up =
        f.form.Label1.caption == "UNITS: FEET" && f.form.Label2.caption == "CONVERT: C METER";
    run(
        state,
        [&] {
            f.form.type_key(calc::KeyEscape);
            f.type("12");
        },
        [&] { f.form.type_key(calc::KeyEnter); });
    check(state, set_up && f.form.lblDigit.caption == "365.76", "12 FEET did not convert");
}

// The form made and started, as the window does before its first frame.
void BM_Start(benchmark::State& state) {
    for (auto _ : state) {
        calc::FakePlatform platform;
        frmMain form(platform);
        const auto start = std::chrono::steady_clock::now();
        form.start();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        benchmark::DoNotOptimize(form.lblDigit.caption.data());
    }
}

// The first opening of the converter, which fills the hidden unit lists (left out of the
// start, which the first frame waits for).
void BM_FirstConverterOpen(benchmark::State& state) {
    bool filled = true;
    for (auto _ : state) {
        calc::FakePlatform platform;
        frmMain form(platform);
        form.start();
        const auto start = std::chrono::steady_clock::now();
        form.mouse_down(form.lblConv, calc::LeftButton);
        form.mouse_up(form.lblConv, calc::LeftButton);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        filled = filled && form.List3.count() == 25 && form.lblUnit.caption == "AREA";
    }
    check(state, filled, "the converter did not open on its tables");
}

} // namespace

BENCHMARK(BM_TypedDigit)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SumAndEnter)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FractionDisplay)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Conversion)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Start)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstConverterOpen)->UseManualTime()->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
