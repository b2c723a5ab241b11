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

// The name field width of a category's rows: wide for exactly "WEIGHT", "VOLUME" and
// "AREA", narrow for every other word.
int name_width(std::string_view category);

// The list row of a record.
std::string row_text(const UnitRecord& unit, int width);

// The three fields of a row, blanks removed at both ends. A field that fills its width runs
// straight into the next one, so the fields are cut by position, never by blanks.
std::string row_name(std::string_view row, int width);
std::string row_abbrev(std::string_view row, int width);
std::string row_factor(std::string_view row, int width);

// A stored table: the category word and layout of the hidden list that holds it.
struct StoredTable {
    std::string_view category;
    int width;
    std::span<const UnitRecord> rows;
};

// The category words of the category list, in list order.
std::span<const std::string_view> category_words();
// The eight stored tables in the order of the hidden lists that hold them (List3 to List10).
std::span<const StoredTable> stored_tables();
// The rows the set-up makes for the two categories without a stored table, in code order.
std::span<const UnitRecord> temperature_rows();
std::span<const UnitRecord> speed_rows();

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
