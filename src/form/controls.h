// The form's controls, free of any toolkit: the view draws them, the driver and the tests
// read them, and the form's handlers keep the calculator's state in them.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// Positions and sizes in twips; 15 twips make one pixel at scale 1.
constexpr int twips_per_pixel = 15;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool contains(int x, int y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
};

// What a control is placed on; Left/Top are measured from its top left corner.
enum class Container { Form, picBack1, picConvert, picPrecision };

// Mouse buttons as a bit set, as the mouse handlers receive them.
// The pointer the window shows.
enum class MousePointer { Default, Busy };

enum MouseButton : int { NoButton = 0, LeftButton = 1, RightButton = 2, MiddleButton = 4 };

class Control {
public:
    Control(std::string name, Container container, Rect design)
        : design_(design), name_(std::move(name)), container_(container) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Names and places a control made without them (the keys, from the key table).
    void define(std::string name, Container container, Rect design) {
        name_ = std::move(name);
        container_ = container;
        design_ = design;
    }

    const std::string& name() const { return name_; }
    Container container() const { return container_; }
    // Where the control lies now, relative to its container.
    virtual Rect rect() const { return design_; }

    bool visible = true;
    bool enabled = true;

    // Mouse handlers of the form wired to this control (empty when it has none).
    std::function<void()> onClick;
    std::function<void(int button)> onMouseDown;
    std::function<void(int button)> onMouseUp;
    std::function<void(int buttons)> onMouseMove;

    // A property by its form name (Visible, Enabled, Left ...), as text; nullopt if unknown.
    virtual std::optional<std::string> property(std::string_view prop) const;

protected:
    Rect design_;

private:
    std::string name_;
    Container container_;
};

// The character cells of the captions' fonts.
enum class FontKind {
    None,        // key labels: no caption
    Small,       // 6-point fixed pitch, 6 x 8 pixel cells
    Large,       // 13.5-point fixed pitch, 10 x 18 pixel cells
    Proportional // the help line's small proportional face
};
enum class Alignment { Left, Centre, Right };

// A label: either a key (transparent hot spot without caption) or a caption that sizes
// itself to its text and keeps its anchor (left edge, centre or right edge) as it changes.
class Label : public Control {
public:
    Label() : Control({}, Container::picBack1, Rect{}) {} // a key, until the key table defines it
    Label(std::string name, Container container, Rect design, std::string tag = {})
        : Control(std::move(name), container, design), tag(std::move(tag)) {}
    Label(std::string name, Container container, Rect design, std::string caption, FontKind font,
          Alignment alignment)
        : Control(std::move(name), container, design), caption(std::move(caption)), font(font),
          alignment(alignment) {}

    bool is_key() const { return font == FontKind::None; }
    Rect rect() const override;
    std::optional<std::string> property(std::string_view prop) const override;

    std::string caption;
    std::string tag;
    FontKind font = FontKind::None;
    Alignment alignment = Alignment::Left;
};

// Width in twips of a caption in a font (fixed cells; an average cell for the proportional one).
int caption_width(std::string_view caption, FontKind font);
int caption_height(FontKind font);

// A lamp: a small picture whose visibility is a mode indicator.
class Lamp : public Control {
public:
    enum class Shape { Horizontal, Vertical };
    Lamp(std::string name, Rect design, Shape shape, bool lit)
        : Control(std::move(name), Container::picBack1, design), shape(shape) {
        visible = lit;
    }
    Shape shape;
};

// A picture box: the face or one of the panels over its display area.
class PictureBox : public Control {
public:
    PictureBox(std::string name, Rect design, bool shown)
        : Control(std::move(name), Container::Form, design) {
        visible = shown;
    }
};

// Named keys of the keyboard that reach a text field.
enum KeyCode : int {
    KeyBackspace = 8,
    KeyEnter = 13,
    KeyEscape = 27,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyRight = 39,
    KeyControl = 17, // the Ctrl key itself, pressed or released alone
    KeyUp = 38,
    KeyDown = 40,
    KeyDelete = 46
};

// A single-line text field. A write that changes the text runs onChange at once, nested,
// before the write returns, and leaves the caret at the start; writing the same text runs
// nothing. MaxLength limits typing only.
class TextField : public Control {
public:
    TextField(std::string name, Rect design, int max_length, bool enabled_at_start)
        : Control(std::move(name), Container::Form, design), max_length(max_length) {
        enabled = enabled_at_start;
    }

    const std::string& text() const { return text_; }
    void set_text(std::string text);

    // Caret and selection, in characters from the start.
    int sel_start() const { return sel_start_; }
    int sel_length() const { return sel_length_; }
    void set_sel_start(int pos);
    void set_sel_length(int len);
    void caret_to_end() { set_sel_start(static_cast<int>(text_.size())); }

    // The field's own editing of a typed character or named key, after the key handlers.
    void type_char(char c);
    void edit_key(int key);

    std::optional<std::string> property(std::string_view prop) const override;

    int max_length = 0; // 0: no limit
    std::function<void()> onChange;
    std::function<void(int key, int shift)> onKeyDown;
    std::function<void(char c)> onNoRoom; // a character typed when MaxLength leaves no room
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

private:
    void replace_selection(const std::string& with);
    std::string text_;
    int sel_start_ = 0;
    int sel_length_ = 0;
};

// A hidden list of row texts with a selected position; a sorted list places every added row
// at its place in the list order.
class ListBox : public Control {
public:
    ListBox(std::string name, bool sorted)
        : Control(std::move(name), Container::Form, Rect{}), sorted(sorted) {
        visible = false;
    }
    void clear();
    void add_item(std::string row);
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    int list_index = -1; // selected row, -1 for none
    const std::string& selected_text() const;
    std::optional<std::string> property(std::string_view prop) const override;

    const bool sorted;

private:
    std::vector<std::string> items_;
};

// The order of sorted lists: case-blind, hyphens and apostrophes skipped; at the first
// difference punctuation (space included) before digits before letters; a prefix first.
bool list_order_less(std::string_view a, std::string_view b);

// A timer that, while enabled, ticks every interval milliseconds; enabling it restarts the count.
class Timer : public Control {
public:
    Timer(std::string name, int interval_ms)
        : Control(std::move(name), Container::Form, Rect{}), interval(interval_ms) {
        enabled = false;
    }
    void set_enabled(bool on);
    // Lets ms milliseconds pass: ticks as often as the interval fits (the driver's clock).
    void advance(int ms);
    // Milliseconds until the next tick while enabled (at least 1).
    int until_tick() const { return std::max(1, interval - elapsed_); }
    int interval;
    std::function<void()> onTimer;
    std::optional<std::string> property(std::string_view prop) const override;

private:
    int elapsed_ = 0;
};

} // namespace calc
