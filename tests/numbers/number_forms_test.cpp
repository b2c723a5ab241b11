// Numbers in and out as regions write them, and the digits of other scripts.
#include "number_forms.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pasted_number.h"

namespace calc {
namespace {

// The regions as Qt's system locale gives them.
const NumberRegion english{".", ","};
const NumberRegion german{",", "."};
const NumberRegion french{",", "\u202f"};
const NumberRegion russian{",", "\u00a0"};
const NumberRegion swiss{".", "\u2019"};
const NumberRegion egyptian{"\u066b", "\u066c"};

struct PasteRow {
    const char* clip;
    const NumberRegion* region;
    std::optional<std::string> entry;
};

TEST(RegionalPaste, ReadsTheRegionsFormAndDecidesTheAmbiguousOnesByIt) {
    const PasteRow rows[] = {
        // Where the point is the separator, as before: "1,5" is no number.
        {"1,5", &english, std::nullopt},
        {"1.234,5", &english, std::nullopt},
        {"1 234,5", &english, std::nullopt},
        {"1,234", &english, "1234"},
        {"1.5", &english, "1.5"},
        {"1.5", &swiss, "1.5"},
        {"1\u2019234.5", &swiss, "1234.5"},
        {"1'234.5", &swiss, "1234.5"},
        {"1,234.5", &swiss, "1234.5"},
        {"1'234.5", &english, std::nullopt},
        {"1'23.5", &swiss, std::nullopt},
        // Where the comma is.
        {"1,5", &german, "1.5"},
        {"-1,5e3", &german, "-1500"},
        {"1.234,5", &german, "1234.5"},
        {"1.234.567", &german, "1234567"},
        {"1 234,5", &german, "1234.5"},
        {"1,234", &german, "1.234"},
        {"1.234", &german, "1234"},
        {"1.5", &german, "1.5"},
        {"1,234.5", &german, "1234.5"},
        {"1,5", &french, "1.5"},
        {"1 234,5", &french, "1234.5"},
        {"1\u202f234,5", &french, "1234.5"},
        {"1\u00a0234,5", &russian, "1234.5"},
        {"1.234", &french, "1.234"}, // the point groups nothing in France
        {"1.234,5", &french, std::nullopt},
        {",5", &german, "0.5"},
        // Still one number, grouped in threes by one character.
        {"1,5,3", &german, std::nullopt},
        {"1.23,5", &german, std::nullopt},
        {"1 23,5", &german, std::nullopt},
        {"1.234 567,5", &german, std::nullopt},
        {"1,5 2", &german, std::nullopt},
        {"1 5", &french, std::nullopt},
        {"1,2,3", &english, std::nullopt},
        // Other scripts' digits and separators.
        {"\u0661\u066b\u0665", &english, "1.5"},
        {"\u0661\u066c\u0662\u0663\u0664", &english, "1234"},
        {"\u06f1\u06f2\u066b\u06f5", &egyptian, "12.5"},
        {"\u0663\u066b\u0665", &german, "3.5"},
        {"\u0661,\u0665", &german, "1.5"},
        {"\u0661\u0662", &egyptian, "12"},
        {"1\u066a", &english, std::nullopt},
        // Letters that are no separators, and bytes that are no characters.
        {"1D234", &english, std::nullopt},
        {"1G234", &german, std::nullopt},
        {"1\xff", &english, std::nullopt},
        {"\xd9", &english, std::nullopt},
    };
    for (const PasteRow& row : rows) {
        EXPECT_EQ(pasted_entry(row.clip, *row.region), row.entry)
            << '"' << row.clip << "\" with decimal \"" << row.region->decimal << '"';
    }
}

struct CopyRow {
    const char* shown;
    const NumberRegion* region;
    const char* copied;
};

TEST(RegionalCopy, WritesTheRegionsSeparatorAndNothingElse) {
    const NumberRegion unnamed{"", ""};
    const CopyRow rows[] = {
        {"3.5", &english, "3.5"},        {"3.5", &german, "3,5"},
        {"-1234.5", &french, "-1234,5"}, {"1.5E-05", &russian, "1,5E-05"},
        {"3.5", &egyptian, "3\u066b5"},  {"1 1/2", &german, "1 1/2"},
        {"ERROR", &german, "ERROR"},     {"3.5", &unnamed, "3.5"},
    };
    for (const CopyRow& row : rows) {
        EXPECT_EQ(regional_copy(row.shown, *row.region), row.copied) << row.shown;
        // What is copied in a region is pasted back there as the same number.
        if (const auto back = pasted_entry(row.copied, *row.region); back && row.shown[0] != 'E') {
            EXPECT_EQ(*back, row.shown);
        }
    }
}

struct CharRow {
    char32_t c;
    char meaning;
};

TEST(NativeCharacters, MeanTheCalculatorsOwn) {
    const CharRow rows[] = {
        {U'7', '7'},      {U'.', '.'},      {U',', ','},      {U' ', ' '},      {U'~', '~'},
        {U'\u0660', '0'}, {U'\u0669', '9'}, {U'\u06f0', '0'}, {U'\u06f9', '9'}, {U'\u066b', '.'},
        {U'\u066a', '%'}, {U'\u065f', 0},   {U'\u066c', 0},   {U'\u06fa', 0},   {U'\u060c', 0},
        {U'\u0431', 0},   {U'\t', 0},       {U'\x7f', 0},     {U'\u00e9', 0},   {U'\ufffd', 0},
    };
    for (const CharRow& row : rows) {
        EXPECT_EQ(calculator_char(row.c), row.meaning) << static_cast<unsigned>(row.c);
    }
}

struct Utf8Row {
    const char* text;
    std::u32string chars;
};

TEST(NativeCharacters, Utf8IsDecodedAndBrokenBytesAreNoCharacters) {
    const Utf8Row rows[] = {
        {"1,5", U"1,5"},
        {"\u0663\u066b\u0665", U"\u0663\u066b\u0665"},
        {"\U0001f600", U"\U0001f600"},
        {"\xc0\xaf", U"\ufffd\ufffd"},           // overlong
        {"\xed\xa0\x80", U"\ufffd\ufffd\ufffd"}, // a surrogate
        {"\xe2\x82", U"\ufffd\ufffd"},           // cut short
        {"a\x80"
         "b",
         U"a\ufffdb"},
    };
    for (const Utf8Row& row : rows) {
        EXPECT_TRUE(code_points(row.text) == row.chars) << row.text;
    }
}

} // namespace
} // namespace calc
