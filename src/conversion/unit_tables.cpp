// The unit tables, compiled in from the data files under tables/, and the row layout.
#include <algorithm>
#include <array>

#include "conversion/units.h"

namespace calc::units {

namespace {

// clang-format off
constexpr UnitRecord linear[] = {
#include "conversion/tables/linear.def"
};
constexpr UnitRecord volume[] = {
#include "conversion/tables/volume.def"
};
constexpr UnitRecord weight[] = {
#include "conversion/tables/weight.def"
};
constexpr UnitRecord area[] = {
#include "conversion/tables/area.def"
};
constexpr UnitRecord power[] = {
#include "conversion/tables/power.def"
};
constexpr UnitRecord density[] = {
#include "conversion/tables/density.def"
};
constexpr UnitRecord force[] = {
#include "conversion/tables/force.def"
};
constexpr UnitRecord time[] = {
#include "conversion/tables/time.def"
};
constexpr UnitRecord temperature[] = {
#include "conversion/tables/temperature.def"
};
constexpr UnitRecord speed[] = {
#include "conversion/tables/speed.def"
};
// clang-format on

constexpr std::string_view words[] = {"AREA",  "DENSITY",     "FORCE", "LINEAR", "POWER",
                                      "SPEED", "TEMPERATURE", "TIME",  "VOLUME", "WEIGHT"};

constexpr StoredTable tables[] = {
    {"LINEAR", narrow_width, linear}, {"VOLUME", wide_width, volume},
    {"WEIGHT", wide_width, weight},   {"AREA", wide_width, area},
    {"POWER", narrow_width, power},   {"DENSITY", narrow_width, density},
    {"FORCE", narrow_width, force},   {"TIME", narrow_width, time},
};

// Every record must fit the fields of its layout, or its row would shift the next field.
constexpr bool fits(std::span<const UnitRecord> rows, int width) {
    return std::all_of(rows.begin(), rows.end(), [width](const UnitRecord& u) {
        return u.name.size() <= static_cast<std::size_t>(width) &&
               u.abbrev.size() <= static_cast<std::size_t>(abbrev_width) && !u.factor.empty();
    });
}
static_assert(std::all_of(std::begin(tables), std::end(tables),
                          [](const StoredTable& t) { return fits(t.rows, t.width); }));
static_assert(fits(temperature, narrow_width) && fits(speed, narrow_width));
static_assert(std::size(temperature) == temperature_units && std::size(speed) == speed_units);

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// The characters of a row from a 0-based position, at most count of them (all when count is
// npos); a row too short for the field gives what is there.
std::string_view field(std::string_view row, std::size_t from, std::size_t count) {
    if (from >= row.size()) return {};
    return row.substr(from, count);
}

} // namespace

int name_width(std::string_view category) {
    return category == "WEIGHT" || category == "VOLUME" || category == "AREA" ? wide_width
                                                                              : narrow_width;
}

std::string row_text(const UnitRecord& unit, int width) {
    std::string row(unit.name);
    row.resize(static_cast<std::size_t>(width), ' ');
    row += unit.abbrev;
    row.resize(static_cast<std::size_t>(width + abbrev_width), ' ');
    row += unit.factor;
    return row;
}

std::string row_name(std::string_view row, int width) {
    return trimmed(field(row, 0, static_cast<std::size_t>(width)));
}

std::string row_abbrev(std::string_view row, int width) {
    return trimmed(field(row, static_cast<std::size_t>(width), abbrev_width));
}

std::string row_factor(std::string_view row, int width) {
    return trimmed(
        field(row, static_cast<std::size_t>(width + abbrev_width), std::string_view::npos));
}

std::span<const std::string_view> category_words() {
    return words;
}

std::span<const StoredTable> stored_tables() {
    return tables;
}

std::span<const UnitRecord> temperature_rows() {
    return temperature;
}

std::span<const UnitRecord> speed_rows() {
    return speed;
}

} // namespace calc::units
