#include "spoken_names.h"

#include <span>

#include "key_table.h"

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

std::string_view key_name(const Control& key) {
    const KeyRow* row = key_row(key);
    return row != nullptr ? row->spoken : std::string_view{};
}

std::string_view caption_name(const Control& caption) {
    return lookup(caption_names, caption);
}

std::string key_binding(const Control& key) {
    const KeyRow* row = key_row(key);
    if (row == nullptr) return {};
    if (!row->tag.empty()) return std::string(row->tag);
    if (!row->typed_key.empty()) return std::string(row->typed_key);
    if (row->shortcut == 0) return {};
    std::string text;
    if (row->modifiers & CtrlDown) text += "Ctrl+";
    if (row->modifiers & AltDown) text += "Alt+";
    if (row->modifiers & ShiftDown) text += "Shift+";
    return text + row->shortcut;
}

const Lamp* key_lamp(const frmMain& form, const Control& key) {
    const KeyRow* row = key_row(key);
    if (row == nullptr || row->lamp < 0) return nullptr;
    return &form.arrow_on.at(static_cast<std::size_t>(row->lamp));
}

} // namespace calc::view
