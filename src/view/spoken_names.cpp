#include "spoken_names.h"

#include <span>

namespace calc::view {

namespace {

struct Named {
    std::string_view control;
    std::string_view spoken;
};

// The captions a screen reader reads, by what each tells.
constexpr Named caption_names[] = {
    {"lblStatus", "Status line"},
    {"lblDRGMode", "Current angle mode"},
    {"lblDigit", "Display"},
    {"Label1", "From unit"},
    {"Label2", "To unit"},
    {"LBLSTAT", "Help line"},
    {"lblTitle", "Unit set-up title"},
    {"lblUnit", "Unit set-up row"},
    {"Label3", "Unit set-up hint"},
    {"lblPrec", "Current precision"},
    {"lblPrecision", "Precision typed"},
    {"lblPrecStyle", "Precision style and range"},
};

std::string_view lookup(std::span<const Named> table, const Control& c) {
    for (const Named& row : table) {
        if (row.control == c.name()) return row.spoken;
    }
    return {};
}

} // namespace

std::string_view caption_name(const Control& caption) {
    return lookup(caption_names, caption);
}

} // namespace calc::view
