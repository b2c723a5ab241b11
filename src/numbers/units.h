// The converter's unit tables as rows of the hidden lists, how a row is read, and the fixed
// rules of the two categories that have no factor table (temperature and speed).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace calc::units {

// One unit as stored: its name, its abbreviation and its factor text (for TEMPERATURE and
// SPEED the unit's code instead of a factor).
struct UnitRecord {
    std::string_view name;
    std::string_view abbrev;
    std::string_view factor;
};

// A row is the name filled out to the name field, the abbreviation filled out to ten
// characters, then the factor text. Narrow rows have a 16-character name field, wide rows
// a 21-character one.
constexpr int narrow_width = 16;
constexpr int wide_width = 21;
constexpr int abbrev_width = 10;

// The list row of a record.
std::string row_text(const UnitRecord& unit, int width);

// The three fields of a row, blanks removed at both ends. A field that fills its width runs
// straight into the next one, so the fields are cut by position, never by blanks.
std::string row_name(std::string_view row, int width);
std::string row_abbrev(std::string_view row, int width);
std::string row_factor(std::string_view row, int width);

// How a category converts: by the ratio of two factors (base units in one unit, or for
// WEIGHT units in one pound), or by its own rule between unit codes.
enum class Kind { Ratio, InverseRatio, Temperature, Speed };

// One category of the converter: everything the set-up and the conversion know of it.
struct Category {
    std::string_view category; // its word in the category list
    Kind kind;
    int width;  // name field width of its rows (narrow_width or wide_width)
    bool upper; // rows stored partly in lower case, shown upper-cased
    int list;   // the hidden list that holds its rows (3 for List3 ...); 0: made at set-up
    std::span<const UnitRecord> rows; // in stored order (for codes: code order)
};

// Every category: first the eight with a hidden list, in the order of those lists (List3 to
// List10), then the two whose rows the set-up makes.
std::span<const Category> categories();
// The categories with a hidden list (the first eight). A new category needs none: with list 0
// the set-up makes its rows from its table.
inline constexpr std::size_t stored_count = 8;
std::span<const Category> stored_tables();
// A category by its word, or nullptr.
const Category* find_category(std::string_view word);
// The name field width of a category's rows; narrow for a word that is none.
int name_width(std::string_view category);

// Number of speed units (codes 0 to speed_units - 1) and temperature units.
constexpr int speed_units = 10;
constexpr int temperature_units = 5;

// To-units in one from-unit, as the conversion uses it: the table entry evaluated in
// doubles, then printed and read back, so it carries at most 15 significant digits.
// Codes outside 0..9 give 1 (the value stays as it is).
double speed_multiplier(int from_code, int to_code);

// A temperature brought to kelvin from a unit, and from kelvin to a unit, by code; an
// unknown code leaves the value as it is.
double temperature_to_kelvin(double value, int code);
double temperature_from_kelvin(double kelvin, int code);

} // namespace calc::units
