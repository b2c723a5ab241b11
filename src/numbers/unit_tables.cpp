// The unit tables, compiled in from the data files under tables/, and the row layout.
#include <algorithm>
#include <array>

#include "units.h"

namespace calc::units {

namespace {

// clang-format off
constexpr UnitRecord linear[] = {
#include "tables/linear.def"
};
constexpr UnitRecord volume[] = {
#include "tables/volume.def"
};
constexpr UnitRecord weight[] = {
#include "tables/weight.def"
};
constexpr UnitRecord area[] = {
#include "tables/area.def"
};
constexpr UnitRecord power[] = {
#include "tables/power.def"
};
constexpr UnitRecord density[] = {
#include "tables/density.def"
};
constexpr UnitRecord force[] = {
#include "tables/force.def"
};
constexpr UnitRecord time[] = {
#include "tables/time.def"
};
constexpr UnitRecord temperature[] = {
#include "tables/temperature.def"
};
constexpr UnitRecord speed[] = {
#include "tables/speed.def"
};
// clang-format on

// clang-format off
constexpr Category all_categories[] = {
    {"LINEAR",      Kind::Ratio,        narrow_width, false, 3,  linear},
    {"VOLUME",      Kind::Ratio,        wide_width,   false, 4,  volume},
    {"WEIGHT",      Kind::InverseRatio, wide_width,   false, 5,  weight},
    {"AREA",        Kind::Ratio,        wide_width,   false, 6,  area},
    {"POWER",       Kind::Ratio,        narrow_width, false, 7,  power},
    {"DENSITY",     Kind::Ratio,        narrow_width, true,  8,  density},
    {"FORCE",       Kind::Ratio,        narrow_width, true,  9,  force},
    {"TIME",        Kind::Ratio,        narrow_width, true,  10, time},
    {"TEMPERATURE", Kind::Temperature,  narrow_width, false, 0,  temperature},
    {"SPEED",       Kind::Speed,        narrow_width, false, 0,  speed},
};
// clang-format on

// Every record must fit the fields of its layout, or its row would shift the next field.
constexpr bool fits(std::span<const UnitRecord> rows, int width) {
    return std::all_of(rows.begin(), rows.end(), [width](const UnitRecord& u) {
        return u.name.size() <= static_cast<std::size_t>(width) &&
               u.abbrev.size() <= static_cast<std::size_t>(abbrev_width) && !u.factor.empty();
    });
}
static_assert(std::all_of(std::begin(all_categories), std::end(all_categories),
                          [](const Category& c) { return fits(c.rows, c.width); }));
static_assert(std::all_of(std::begin(all_categories), std::end(all_categories),
                          [](const Category& c) {
                              return (c.list != 0) == (&c < all_categories + stored_count);
                          }));
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

std::span<const Category> categories() {
    return all_categories;
}

std::span<const Category> stored_tables() {
    return categories().first(stored_count);
}

const Category* find_category(std::string_view word) {
    for (const Category& c : all_categories) {
        if (c.category == word) return &c;
    }
    return nullptr;
}

int name_width(std::string_view category) {
    const Category* c = find_category(category);
    return c != nullptr ? c->width : narrow_width;
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

} // namespace calc::units
