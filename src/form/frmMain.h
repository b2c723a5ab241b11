// The calculator: one form, its controls and form-level variables, and its event handlers.
// The class is split over files by subsystem under src/form: start-up, entry, Enter and clear
// at the top, then formats/, functions/, conversion/ and shell/. docs/ARCHITECTURE.md has the
// layers, the path of one event from a click to the repaint, and where each thing lives.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls.h"
#include "key_press.h"
#include "platform.h"

namespace calc {

// The lamps of arrow_on, by what each one shows.
namespace lamp {
enum : std::size_t {
    AngleKeyHeld,    // the angle-mode key is held down
    HelpLine,        // hover messages are on
    PrecisionEntry,  // the precision entry is open
    DecimalDisplay,  // results are shown as decimals
    FractionDisplay, // results are shown as fractions
    Conversion,      // conversion mode is on
};
} // namespace lamp

// The steps of the conversion set-up, named by the panel's title.
enum class SetupStep { Category, FromUnit, ToUnit };

// The window's surface, all that the Qt view calls or reads: start, key_press, key_release,
// mouse_down/up/move with hit_test and opens_face_menu, timers and advance_timers, resize,
// face_menu and menu_command; to draw, controls() with window_rect (the pictures, captions
// and lamps), mouse_pointer, always_on_top, form_width/form_height and shortcut_badges_shown.
// Everything under "Internal" below is the form's own: handlers and procedures by the names
// the form gives them, public so that the form's files and the tests reach them; the window
// never calls them.
class frmMain {
public:
    explicit frmMain(Platform& platform);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // ---- Entry points for the window and the scenario driver --------------------------------
    // Creates the form's state and shows it: Form_Load, then the resize, then the focus.
    void start();
    // One key typed on the keyboard: a named key (KeyCode) or a printable character.
    void type_key(int key, int shift = 0);
    void type_char(char c, int shift = 0);
    // Mouse events on a control (a disabled key passes them to the face beneath it).
    void mouse_down(Control& over, int button);
    void mouse_up(Control& over, int button);
    void mouse_move(Control& over, int buttons);
    // The control the pointer is over at a point of the window, in twips (the topmost one
    // that takes mouse input); nullptr outside the face.
    Control* hit_test(int x, int y);
    // Lets ms milliseconds pass for the enabled timers.
    void advance_timers(int ms);
    // Every timer of the form, as form_timers lists them.
    std::vector<Timer*> timers();
    // The window was given a size; the form answers with form_width and form_height.
    void resize() { Form_Resize(); }
    // A key of the keyboard map (an upper-case letter, or the character on the key) with the
    // modifiers held (KeyModifier bits), tried before the key is typed. True when the form took
    // the key; it must then not be typed into any field (src/form/shell/keyboard_map.cpp).
    bool shortcut(char key, int modifiers);
    // One key press, however it was delivered (src/form/shell/keyboard_input.cpp): the keyboard
    // map first, then a named key, then the characters it types (never with Ctrl held).
    // False when the form took nothing of it.
    bool key_press(const KeyPress& press);
    // A key let go: only the Ctrl key's release (KeyControl) means anything to the form.
    void key_release(const KeyPress& release);
    // The face menu's items as they stand now, and running one of them.
    std::vector<MenuItem> face_menu() const;
    void menu_command(MenuCommand command, std::size_t index = 0);

    // ---- Reading the state ------------------------------------------------------------------
    Control* find(std::string_view name);
    // Every control in drawing order (the face first, then what lies on it, the panels last).
    const std::vector<Control*>& controls() const { return all_; }
    // A form-level variable by name, printed (doubles in shortest round-trip form).
    std::optional<std::string> variable(std::string_view name) const;
    TextField* focused() const { return focus_; }
    // Where a control lies in window twips (its container's offset added).
    Rect window_rect(const Control& c) const;
    Platform& platform() { return platform_; }

    // ---- Window ------------------------------------------------------------------------------
    int form_width = 3690; // twips; the resize brings it to the face's size
    int form_height = 3075;
    MousePointer mouse_pointer = MousePointer::Default;
    bool always_on_top = false; // the window stays above the others; off at every start

    // ---- Controls ----------------------------------------------------------------------------
    PictureBox picBack1;     // the face; every key, lamp and display caption lies on it
    PictureBox picConvert;   // conversion set-up panel over the display area
    PictureBox picPrecision; // precision entry panel over the display area

    // Keys (caption-less hot spots over the face picture)
    Label lblExit, lblSetDec, lblLog, lblSin, lblCos, lblTan, lblcopy, lblSetFrac, lblPi, lblAsin,
        lblAcos, lblAtan, lblBack, lblConv, lblMC, lblClear, lblStatusMode, lblMR, lblEnter, LBLDRG,
        lblMS, lblSetPrec, lblMPlus, lblPosNeg;
    std::array<Label, 11> lblNumber;  // digits 0-9 and the point (tags "0".."9", ".")
    std::array<Label, 4> lblMath;     // + - * / (tags)
    std::array<Label, 4> lblFunction; // reciprocal, percent, square, square root

    // Captions on the face
    Label lblStatus;  // the pending operation: "STATUS:" or "STATUS: <entry> (<op>)"
    Label lblDRGMode; // angle mode word
    Label lblDigit;   // the number shown
    Label Label1;     // "UNITS: " and the from-unit while converting
    Label Label2;     // "CONVERT: " and the to-unit while converting
    Label LBLSTAT;    // hover help line

    // Conversion panel
    Label lblTitle, lblUnit, Label3, Label4, lblRight;
    // Precision panel
    Label lblPrec, lblPrecision, lblPrecStyle;

    // Lamps, indexed by what each shows (lamp::PrecisionEntry ...)
    std::array<Lamp, 6> arrow_on;

    // Hidden fields
    TextField txtDecimal;   // the entry: the number being typed or the last result
    TextField txtPrecision; // the precision being typed
    TextField txtEE;        // the exponent being typed
    TextField Text1;        // carrier of the clipboard copy

    // Hidden lists: List2 the category words, List3..List10 the unit tables, List1 the units
    // of the chosen category
    ListBox List1, List2, List3, List4, List5, List6, List7, List8, List9, List10;

    // Auto-repeat of the set-up's next (Timer2) and previous (Timer3) keys
    Timer Timer2, Timer3;
    // The half second Ctrl is held before the keys show their shortcuts
    Timer tmrBadges;

    // ---- The situation, by name: each reads the one caption or lamp that holds it ------------
    bool precision_open() const { return arrow_on[lamp::PrecisionEntry].visible; }
    // The set-up step the panel shows; None while the panel is closed.
    SetupStep setup_step() const;
    // The operation waiting for Enter ('+', '-', '*', '/'), or '\0' when none is.
    char pending_op() const;
    // No modal entry open: no exponent entry, no precision entry, no conversion set-up.
    bool in_normal_use() const;
    // The rules that hold after every event, whatever the user did: an empty text, or the
    // first one broken.
    std::string check_invariants() const;

    // ---- Form-level variables -------------------------------------------------------------------
    double first_value = 0;      // first operand of the pending operation
    double second_value = 0;     // second operand, read from the entry on Enter
    bool ee_mode = false;        // an exponent is being typed
    std::int16_t frac_mode = 0;  // 0: results as decimals; otherwise as fractions
    std::int16_t dec_places = 0; // decimal places of results
    std::int16_t frac_denom = 0; // largest denominator of fraction results
    std::string drg_mode;        // angle mode word: "DEG", "RAD" or "GRAD"
    double drg_factor = 0;       // radians per unit of the angle mode
    std::string mem_value;       // the memory register, as text
    bool conv_mode = false;      // conversion mode is on
    std::string conv_category;   // the chosen conversion category
    std::int16_t list_pos = 0;   // selected row of the list being stepped
    std::string from_factor;     // factor text of the from-unit
    std::string to_factor;       // factor text of the to-unit
    std::string from_abbrev;     // abbreviation of the from-unit
    std::string to_abbrev;       // abbreviation of the to-unit

    // ==== Internal: the form's own handlers and procedures
    // ========================================

    // ---- Start-up and keys at once (src/form/form_load.cpp) --------------------------------
    void Form_Load();
    void Disable_ALL();
    void Enable_ALL();
    // Switches on the keys that stay live in a modal entry (a key::Live bit).
    void enable_keys_live_in(unsigned modal);

    // ---- Entry rules and the number shown (src/form/entry_rules.cpp) -------------------------
    void txtDecimal_Change();
    void check_input();
    void lblNumber_Click(int Index);
    void txtDecimal_GotFocus();
    void txtDecimal_KeyDown(int KeyCode, int Shift);
    void txtDecimal_LostFocus();
    void txtDecimal_NoRoom(char c);
    // An operator ending the number typed: pending operation, or a unit step in the set-up.
    void operator_typed(char op);

    // ---- Pending operation and Enter (src/form/pending_operation.cpp) -----------------------
    void lblMath_Click(int Index);
    void lblEnter_Click();
    void Form_KeyDown(int KeyCode, int Shift);
    void do_enter();
    // Closes the precision entry as Enter does: panel hidden, keys and entry back.
    void close_precision_entry();

    // ---- Clear, backspace, sign (src/form/editing.cpp) ---------------------------------------
    void do_clear();
    void lblClear_Click();
    void lblBack_Click();
    void lblPosNeg_Click();

    // ---- Result formatting, precision, fractions, exponent (src/form/formats)
    // -----------------------
    void do_format();
    void lblSetDec_Click();
    void lblSetFrac_Click();
    void lblSetPrec_Click();
    void txtPrecision_Change();
    void txtPrecision_LostFocus();
    void show_precision();
    void do_precision();
    void check_precision();
    std::string GetFraction(std::string pDecimal, const std::int16_t& pDenom);
    void lblLog_Click();
    void txtEE_Change();
    void txtEE_LostFocus();
    void check_ee();
    // Folds an open exponent entry into the entry (the first step of do_format; do_enter runs
    // it before a pending operation so the exponent is never lost).
    void close_exponent_entry();

    // ---- Functions, trigonometry, memory (src/form/functions)
    // ---------------------------------------
    void lblFunction_Click(int Index);
    void lblPi_Click();
    void lblSin_Click();
    void lblCos_Click();
    void lblTan_Click();
    void lblAsin_Click();
    void lblAcos_Click();
    void lblAtan_Click();
    void LBLDRG_MouseDown(int Button);
    void LBLDRG_MouseUp(int Button);
    void lblMC_Click();
    void lblMS_Click();
    void lblMR_Click();
    void lblMPlus_Click();

    // ---- Unit conversion (src/form/conversion)
    // -------------------------------------------------------
    void fill_unit_lists(); // at start: empties the unit lists; they fill on first use
    void lblConv_Click();
    void select_right();
    void select_left();
    void lblRight_Click();
    void lblRight_MouseDown(int Button);
    void lblRight_MouseUp(int Button);
    void Label4_Click();
    void Label4_MouseDown(int Button);
    void Label4_MouseUp(int Button);
    void lblMath_MouseDown(int Index, int Button);
    void lblMath_MouseUp(int Index, int Button);
    void Timer2_Timer();
    void Timer3_Timer();
    void conversion_setup_enter(); // the set-up branch of do_enter
    void conversion_off();         // lamp, unit captions and mode off, list back at the top
    void show_unit_captions();     // the from- and to-unit under the display
    void convert_value();          // the conversion step of do_enter

    // ---- Hover help and window (src/form/shell)
    // ------------------------------------------------------
    void show_hover(const Control& key); // a key's mouse-move: its help text on the help line
    void picBack1_MouseMove(int Button);
    void picConvert_MouseMove(int Button);
    void lblStatusMode_Click();
    void Form_Resize();
    void lblExit_Click();
    void lblcopy_Click();

    // ---- Keyboard map, paste, swap, always on top, face menu (src/form/shell/keyboard_map.cpp)
    // ------- A left click on a key as the mouse gives it, only when the key is enabled and shown;
    // a button held on another control stays held. False when the key took no click.
    bool click_key(Label& key);
    void copy_value();  // as the copy key, in normal use
    void paste_value(); // one number on the clipboard becomes the entry, in normal use
    void swap_units();  // while converting: the from-unit and the to-unit change places
    void toggle_always_on_top();
    // True when a right-button release over this control is one on the bare face (the face
    // itself, or a disabled key on it), where the face menu opens.
    bool opens_face_menu(Control& over);
    // In the set-up panel: the next row of the list being stepped whose name starts with the
    // letter, case-blind, wrapping (src/form/conversion/letter_jump.cpp).
    void letter_jump(char letter);

    // ---- History of results and shortcut badges (src/form/shell/history.cpp)
    // -------------------------
    struct Result {
        std::string shown; // the number as the display showed it
        std::string value; // its full value, as the entry held it
    };
    static constexpr std::size_t history_limit = 20;
    // The results of this run, newest first.
    const std::vector<Result>& history() const { return history_; }
    void record_result();                  // after an Enter that computed, unless it ended in ERROR
    void recall_result(std::size_t index); // as a paste of that number, in normal use
    void recall_older();                   // Ctrl+Up: the next older result
    void recall_newer();                   // Ctrl+Down: the next newer one
    void clear_history();
    // One number's text made the entry as a paste makes it, read as the region writes
    // numbers; false when the text is refused.
    bool enter_number_text(std::string_view text, const NumberRegion& region = {});
    void ctrl_pressed();
    void ctrl_released();
    void tmrBadges_Timer();
    // Ctrl has been held for half a second in normal use: the keys show their shortcuts.
    bool shortcut_badges_shown() const;

    // ---- What a screen reader says (src/form/announcement.cpp) -------------------------------
    // What a listener has been told of the face: the parts a command can change.
    struct Heard {
        std::string display;   // the number shown
        bool fraction = false; // results as fractions
        std::string angle;     // the angle mode word
        std::int16_t places = 0, denominator = 0;
        bool help_line = false;             // status messages on
        bool precision_open = false;        // the precision entry is open
        std::string setup_title, setup_row; // the set-up's title and row; empty: closed
        std::string units;                  // the chosen units while converting, else empty
    };
    Heard heard_now() const;
    // One message for what the commands since the last call produced ("42", "ERROR",
    // "Radians", "DENSITY", ...), or empty: typed digits and unchanged state say nothing.
    std::string take_announcement();
    // Where the user is, for a screen reader's where-am-I: the set-up's title and row, the
    // precision entry, or the number shown.
    std::string whereabouts() const;
    // The display now shows what the command produced: it is said even when unchanged.
    void result_shown() { result_due_ = true; }

    // ---- Shared procedures ----------------------------------------------------------------------
    // The error display: default pointer, one yield, entry "0", then "ERROR" shown.
    void error_display();
    // Moves the keyboard focus; false (and nothing happens) when the field is disabled.
    bool set_focus(TextField& field);
    void set_pointer(MousePointer p) { mouse_pointer = p; }
    // Gives up the mouse: the window system's move takes over, no button-up will follow.
    void ReleaseCapture() { pressed_ = nullptr; }
    void do_events() { platform_.do_events(); }

private:
    void wire_engine();
    void wire_formats();
    void wire_conversion();
    void wire_shell();
    void define_keys();
    void register_controls();
    void wire_keys();
    Control& mouse_target(Control& over);
    void key_path(int key, int shift, char ch);
    void settle_focus();
    void end_of_event(); // the focus settled; in debug builds the rules checked

    Platform& platform_;
    std::vector<Control*> all_;
    TextField* focus_ = nullptr;
    Control* pressed_ = nullptr;   // the control that took the mouse when a button went down
    bool in_focus_events_ = false; // a focus handler is running: nested moves fire none
    std::vector<Result> history_;  // newest first
    int history_pos_ = -1;         // the result Ctrl+Up/Down last recalled; -1: none since
    bool ctrl_held_ = false;       // the Ctrl key is down
    bool badges_due_ = false;      // it has been down for the half second
    std::string last_broken_rule_; // debug builds: the rule last reported broken
    Heard heard_;                  // what the last announcement left the listener knowing
    bool result_due_ = false;      // a command produced a result since the last announcement
};

// Every timer of the form: the one list the form's clock, the window and the rules go by.
inline constexpr std::array form_timers{&frmMain::Timer2, &frmMain::Timer3, &frmMain::tmrBadges};

// The lists that hold the stored unit tables, in the order of units::stored_tables().
inline constexpr std::array unit_lists{&frmMain::List3, &frmMain::List4, &frmMain::List5,
                                       &frmMain::List6, &frmMain::List7, &frmMain::List8,
                                       &frmMain::List9, &frmMain::List10};

} // namespace calc
