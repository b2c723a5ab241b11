// The converter: reading a row, the list order, the units of each category, and the
// conversion step (the entry text it writes, before any result formatting).
#include <cctype>
#include <cmath>
#include <string>

#include "number_text.h"
#include "support/form_test.h"
#include "units.h"

namespace calc::testing {
namespace {

TEST(UnitRowTest, FieldsAreCutByPositionEvenWhenTheyRunTogether) {
    struct Row {
        const char *row, *name, *abbrev, *factor;
        int width;
    };
    const Row rows[] = {
        {"MILLENNIUM      MILLENNIUM31536000000", "MILLENNIUM", "MILLENNIUM", "31536000000", 16},
        {"KILOCALORIES/MINK CAL/MIN 69.733", "KILOCALORIES/MIN", "K CAL/MIN", "69.733", 16},
        {"MANZANA [COSTA RICAN]MANZANA   6988.96", "MANZANA [COSTA RICAN]", "MANZANA", "6988.96",
         21},
        {"CUBIC CUBIT[EGYPT]   CUBIC CUBI0.144", "CUBIC CUBIT[EGYPT]", "CUBIC CUBI", "0.144", 21},
        {"CELSIUS         CELSIUS   0               ", "CELSIUS", "CELSIUS", "0", 16},
        {"AREA", "AREA", "", "", 16}, // too short for its fields
    };
    for (const auto& r : rows) {
        EXPECT_EQ(units::row_name(r.row, r.width), r.name) << r.row;
        EXPECT_EQ(units::row_abbrev(r.row, r.width), r.abbrev) << r.row;
        EXPECT_EQ(units::row_factor(r.row, r.width), r.factor) << r.row;
    }
    EXPECT_EQ(units::row_text({"CUBIC CUBIT[EGYPT]", "CUBIC CUBI", "0.144"}, 21), rows[3].row);
    EXPECT_EQ(units::row_text(units::find_category("TEMPERATURE")->rows[0], 16), rows[4].row);
}

TEST(ListOrderTest, PairsCompareByTheRule) {
    // clang-format off
    const char* const pairs[][2] = {
        {"BARREL[UK]", "BARREL[UK-WINE]"}, {"GRAM-FORCE", "GRAMS"}, {"ONE", "O'NEIL"}, // skips
        {"A B", "A1"}, {"A[", "A1"}, {"A~", "A0"}, // punctuation before digits, whatever its code
        {"A_", "AA"}, {"{", "a"}, {"A9", "Aa"},    // punctuation, digits, then letters
        {"A[", "A]"},                              // punctuation by code
        {"abc", "ABD"}, {"kilopond", "Kip"},       // case-blind
        {"AB", "ABC"},                             // a leading part first
    };
    // clang-format on
    for (const auto& [first, second] : pairs) {
        EXPECT_TRUE(list_order_less(first, second)) << first << " | " << second;
        EXPECT_FALSE(list_order_less(second, first)) << first << " | " << second;
    }
    EXPECT_FALSE(list_order_less("x-'Y", "xy"));
    EXPECT_FALSE(list_order_less("xy", "x-'Y"));
}

class ConversionTest : public FormTest {
protected:
    bool step_to(std::string_view shown) {
        for (int i = 0; i < 100 && form.lblUnit.caption != shown; ++i) form.select_right();
        return form.lblUnit.caption == shown;
    }
    // A new set-up (ending any before) with its category accepted.
    void choose_category(std::string_view category) {
        form.do_clear();
        if (form.arrow_on[5].visible) form.lblConv_Click();
        form.lblConv_Click();
        ASSERT_TRUE(step_to(category)) << category;
        form.do_enter();
    }
    void choose(std::string_view category, std::string_view from, std::string_view to) {
        choose_category(category);
        ASSERT_TRUE(step_to(from)) << from;
        form.do_enter();
        ASSERT_TRUE(step_to(to)) << to;
        form.do_enter();
    }
    // Units by their rows in the working list, through the set-up's own steps.
    void choose_rows(std::int16_t from, std::int16_t to) {
        form.lblTitle.caption = "CURRENT UNITS:";
        form.list_pos = from;
        form.conversion_setup_enter();
        form.list_pos = to;
        form.conversion_setup_enter();
    }
    std::string convert(const std::string& value) {
        form.txtDecimal.set_text(value);
        form.convert_value();
        return form.txtDecimal.text();
    }
    std::string unit_names() {
        std::string names;
        const int width = units::name_width(form.conv_category);
        for (int i = 0; i < form.List1.count(); ++i) {
            names += units::row_name(form.List1.item(i), width) + "|";
        }
        return names;
    }
};

TEST_F(ConversionTest, EachCategoryListsItsUnitsInListOrder) {
    // The sorted tables keep their stored order (the order rule checked on every row),
    // upper-cased where they are stored in lower case.
    for (const auto& table : units::stored_tables()) {
        if (table.category == "TIME") continue;
        choose_category(table.category);
        std::string stored;
        for (const auto& unit : table.rows) stored += std::string(unit.name) + "|";
        for (char& c : stored) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(unit_names(), stored) << table.category;
    }
    const std::pair<const char*, const char*> listed[] = {
        {"TIME", "CENTURY|DAY|DECADE|FORTNIGHT|HOUR|MILLENNIUM|MILLISECOND|MINUTE|MONTH|QUARTER|"
                 "SECOND|SHAKE|WEEK|YEAR|"},
        {"SPEED", "CENTIMETERS/SEC|FEET/MINUTE|FEET/SECOND|FURLONGS/MIN|KILOMETERS/HOUR|KNOTS|"
                  "LEAGUES/DAY|MACH|METERS/SECOND|MILES/HOUR|"},
        {"TEMPERATURE", "CELSIUS|FAHRENHEIT|KELVIN|RANKINE|REAUMUR|"},
        {"FORCE", "DYNE|GRAM-FORCE|KILOPOND|KIP|NEWTONS|POUNDALS|POUNDS|"},
    };
    for (const auto& [category, names] : listed) {
        choose_category(category);
        EXPECT_EQ(unit_names(), names);
    }
    // clang-format off
    const std::tuple<const char*, int, const char*, const char*> first_and_last[] = {
        {"AREA", 80, "ACRE", "TOWNSHIP [US]"}, {"DENSITY", 18, "ALUMINUM", "WATER"},
        {"LINEAR", 25, "ANGSTROMS", "YARDS"},  {"POWER", 11, "BTU/HOUR", "WATTS"},
        {"VOLUME", 68, "ACRE FOOT", "STERE"},  {"WEIGHT", 31, "100 WEIGHT (US CWT)", "STONES"},
    };
    // clang-format on
    for (const auto& [category, count, first, last] : first_and_last) {
        choose_category(category);
        EXPECT_EQ(form.List1.count(), count) << category;
        EXPECT_EQ(form.lblUnit.caption, first);
        form.select_left(); // wraps to the last row
        EXPECT_EQ(form.lblUnit.caption, last);
    }
}

TEST_F(ConversionTest, CorrectedNamesAndAbbreviations) {
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"AREA", "SQ ZETTAMETER", "SQ ZETTAME", "1E+42"},
        {"AREA", "SQ LINK [RAMSDEN]", "SQ LINK", "0.0929034147300408"},
        {"WEIGHT", "HECTOGRAM", "HECTO GM", "4.536"},
        {"POWER", "MILLIWATTS", "MILLIWATTS", "0.001"},
        {"VOLUME", "CUBIC INCH", "CUBIC INCH", "1.6387064E-05"}, // factors as printed
    };
    for (const auto& [category, name, abbrev, factor] : rows) {
        choose(category, name, name);
        EXPECT_EQ(form.from_abbrev, abbrev) << name;
        EXPECT_EQ(form.to_factor, factor) << name;
    }
}

TEST_F(ConversionTest, ExamplesWriteTheirEntryText) {
    const std::tuple<const char*, const char*, const char*, const char*, const char*> rows[] = {
        {"LINEAR", "FEET", "CENTIMETERS", "30.48", "929.0304"},
        {"LINEAR", "INCHES", "FEET", "12", "1"},
        {"WEIGHT", "KILOGRAMS", "GRAMS", "1", "1000"},
        {"WEIGHT", "POUNDS (AVOIR)", "OUNCES (AVOIR)", "1", "16"},
        {"VOLUME", "CUBIC INCH", "MILLILITER", "1", "16.387064"},
        {"TIME", "YEAR", "DAY", "1", "365"},
        {"TEMPERATURE", "CELSIUS", "FAHRENHEIT", "100", "212"},
        {"TEMPERATURE", "CELSIUS", "FAHRENHEIT", "-40", "-40"},
        {"TEMPERATURE", "KELVIN", "CELSIUS", "0", "-273.15"},
        {"TEMPERATURE", "REAUMUR", "CELSIUS", "80", "100"},
        {"TEMPERATURE", "CELSIUS", "RANKINE", "100", "671.67"},
        {"TEMPERATURE", "CELSIUS", "CELSIUS", "100", "100"},
        {"SPEED", "MILES/HOUR", "FEET/SECOND", "60", "88.0000000000002"},
        {"SPEED", "KILOMETERS/HOUR", "CENTIMETERS/SEC", "1", "27.7777777777778"},
        {"SPEED", "MACH", "MACH", "7.5", "7.5"},
        // corrected factors
        {"AREA", "SQ ZEPTOMETER", "SQ YOTTAMETER", "1E+250", "1E+160"},
        {"AREA", "SQ YOTTAMETER", "SQ METER", "1", "1E+48"},
        {"AREA", "SQ YOCTOMETER", "SQ ZEPTOMETER", "1000000", "1"},
        {"AREA", "SQ MICROINCH", "SQ INCH [INTL]", "1000000000000", "1"},
        {"WEIGHT", "POUNDS (AVOIR)", "CARATS", "1", "2268"},
        {"VOLUME", "CUP[METRIC]", "MILLILITER", "1", "250"},
        {"AREA", "SQ CHAIN[RAMSDEN]", "SQ LINK [RAMSDEN]", "1", "10000"},
    };
    for (const auto& [category, from, to, value, result] : rows) {
        choose(category, from, to);
        EXPECT_EQ(convert(value), result) << value << " " << from << " -> " << to;
    }
}

TEST_F(ConversionTest, RatioRoundTripsReturnTheValue) {
    const double x = 1.23456789;
    for (const auto& table : units::stored_tables()) {
        choose_category(table.category);
        const auto n = static_cast<std::int16_t>(form.List1.count());
        for (std::int16_t a = 0; a < n; ++a) {
            for (std::int16_t b = 0; b < n; ++b) {
                choose_rows(a, b);
                const std::string there = convert(print_default(x));
                choose_rows(b, a);
                ASSERT_NEAR(read_leading(convert(there)), x, x * 1e-12)
                    << table.category << " " << a << " -> " << b;
            }
        }
    }
}

// Equivalences known apart from the tables, at least one per category and from every
// temperature scale: a wrong factor or formula fails here even where round trips agree.
TEST_F(ConversionTest, KnownEquivalencesHold) {
    struct Row {
        const char *category, *from, *to;
        double value, result;
    };
    const Row rows[] = {
        {"LINEAR", "MILES", "FEET", 1, 5280},
        {"LINEAR", "LINKS", "CHAINS", 100, 1},
        {"LINEAR", "FURLONGS", "CHAINS", 1, 10},
        {"LINEAR", "YARDS", "INCHES", 1, 36},
        {"AREA", "HECTARE", "ARE", 1, 100},
        {"VOLUME", "CUBIC FOOT", "CUBIC INCH", 1, 1728},
        {"WEIGHT", "SHORT TONS", "POUNDS (AVOIR)", 1, 2000},
        {"WEIGHT", "GRAINS", "POUNDS (AVOIR)", 7000, 1},
        {"TIME", "WEEK", "HOUR", 1, 168},
        {"POWER", "KILOWATTS", "WATTS", 1, 1000},
        {"FORCE", "KIP", "POUNDS", 1, 1000},
        {"DENSITY", "GRAM/CM3", "KG/METER3", 1, 1000},
        {"SPEED", "KILOMETERS/HOUR", "METERS/SECOND", 3.6, 1},
        {"TEMPERATURE", "FAHRENHEIT", "CELSIUS", 212, 100},
        {"TEMPERATURE", "FAHRENHEIT", "KELVIN", 32, 273.15},
        {"TEMPERATURE", "FAHRENHEIT", "REAUMUR", 212, 80},
        {"TEMPERATURE", "RANKINE", "CELSIUS", 671.67, 100},
        {"TEMPERATURE", "RANKINE", "KELVIN", 180, 100},
        {"TEMPERATURE", "RANKINE", "FAHRENHEIT", 0, -459.67},
    };
    for (const Row& r : rows) {
        choose(r.category, r.from, r.to);
        const double got = read_leading(convert(print_default(r.value)));
        EXPECT_NEAR(got, r.result, std::abs(r.result) * 1e-9 + 1e-9)
            << r.value << " " << r.from << " -> " << r.to;
    }
}

TEST(SpeedTest, MultipliersAreReciprocalPairsOfFifteenDigits) {
    for (int i = 0; i < units::speed_units; ++i) {
        for (int j = 0; j < units::speed_units; ++j) {
            const double product = units::speed_multiplier(i, j) * units::speed_multiplier(j, i);
            EXPECT_NEAR(product, 1.0, 1e-14) << i << " <-> " << j;
        }
    }
    EXPECT_EQ(units::speed_multiplier(4, 2), 1.46666666666667);     // 5280/60/60
    EXPECT_EQ(units::speed_multiplier(3, 9), 1.53186459281584E-05); // 1/65279.92126
}

TEST_F(ConversionTest, ValueComesFromTheFaceOrInFractionDisplayFromTheEntry) {
    choose("LINEAR", "FEET", "INCHES");
    form.txtDecimal.set_text("3.25");
    form.lblDigit.caption = "2.5"; // decimal display: the value shown is converted
    form.convert_value();
    EXPECT_EQ(form.txtDecimal.text(), "30");
    form.txtDecimal.set_text("3.25");
    form.frac_mode = 1;
    form.lblDigit.caption = "3 1/4"; // would read as 31
    form.convert_value();
    EXPECT_EQ(form.txtDecimal.text(), "39");
}

TEST_F(ConversionTest, DivisionByZeroAndOverflowAreFaults) {
    // clang-format off
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"LINEAR", "1", "0", "1"}, {"LINEAR", "0", "0", "1"}, {"WEIGHT", "0", "1", "1"},
        {"AREA", "1E+300", "1E-300", "1"}, {"AREA", "1E+48", "1E-42", "1E+250"},
        {"TEMPERATURE", "2", "3", "1E+308"}, {"SPEED", "9", "0", "1E+305"},
    };
    // clang-format on
    for (const auto& [category, from, to, value] : rows) {
        form.conv_category = category;
        form.from_factor = from;
        form.to_factor = to;
        form.txtDecimal.set_text(value);
        EXPECT_THROW(form.convert_value(), RuntimeFault) << category << " " << from << " " << to;
    }
    choose("AREA", "SQ YOTTAMETER", "SQ ZEPTOMETER"); // each Enter multiplies by 1E+90
    type("1");
    for (int i = 0; i < 4; ++i) key(KeyEnter);
    EXPECT_EQ(shown(), "ERROR");
    EXPECT_EQ(entry(), "0");
    EXPECT_TRUE(form.conv_mode);
}

} // namespace
} // namespace calc::testing
