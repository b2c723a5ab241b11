// What a screen reader or UI automation sees of the keys: one invisible child widget over
// each key, announced as a button with a short spoken name, its help text as description and
// its keyboard key as key binding. The mode keys with a lamp read as checked while it is lit.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "frmMain.h"

namespace calc::view {

class KeyHotSpot : public QWidget {
    Q_OBJECT
public:
    // press: what the accessible press action does (a click through the form's mouse path).
    KeyHotSpot(QWidget* parent, const frmMain& form, const Control& key,
               std::function<void()> press);

    const Control& key() const { return key_; }
    void press() const { press_(); }
    const QString& binding() const { return binding_; }
    // A mode key with a lamp, checked while the lamp is lit.
    bool checkable() const { return lamp_ != nullptr; }
    bool checked() const { return checked_; }
    // Follows the key's place, visibility, enabled flag and lamp in the form; a lamp that
    // changed is announced.
    void follow(const frmMain& form);

private:
    const Control& key_;
    const Lamp* lamp_;
    QString binding_;
    bool checked_ = false;
    std::function<void()> press_;
};

// Whether the user sees the control: it is visible and so is the panel it lies on.
bool seen_on_face(const frmMain& form, const Control& c);

// Makes Qt's accessibility use the key interface for KeyHotSpot (once per process).
void install_key_accessibility();

} // namespace calc::view
