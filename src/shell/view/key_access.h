// What a screen reader or UI automation sees of the keys: one invisible child widget over
// each key, named by its help text, announced as a button that can be pressed.
#pragma once

#include <QWidget>
#include <functional>

#include "frmMain/frmMain.h"

namespace calc::view {

class KeyHotSpot : public QWidget {
    Q_OBJECT
public:
    // press: what the accessible press action does (a click through the form's mouse path).
    KeyHotSpot(QWidget* parent, const Control& key, const QString& name,
               std::function<void()> press);

    const Control& key() const { return key_; }
    void press() const { press_(); }
    // Follows the key's place, visibility and enabled flag in the form.
    void follow(const frmMain& form);

private:
    const Control& key_;
    std::function<void()> press_;
};

// Makes Qt's accessibility use the key interface for KeyHotSpot (once per process).
void install_key_accessibility();

} // namespace calc::view
