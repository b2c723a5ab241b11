// What a screen reader or UI automation sees of the keys: one invisible child widget over
// each key, announced as a button with a short spoken name, its help text as description and
// its keyboard key as key binding. The mode keys with a lamp read as checked while it is lit.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "face.h"

namespace calc::view {

class KeyHotSpot : public QWidget {
    Q_OBJECT
public:
    // press: what the accessible press action does (a click through the form's mouse path).
    KeyHotSpot(QWidget* parent, const FaceKey& key, std::function<void()> press);

    const Control& key() const { return key_; }
    void press() const { press_(); }
    const QString& binding() const { return binding_; }
    // A mode key with a lamp, checked while the lamp is lit.
    bool checkable() const { return lamp_ != nullptr; }
    bool checked() const { return checked_; }
    // Follows the key's place, visibility, enabled flag and lamp in the form; a lamp that
    // changed is announced.
    void follow(const Face& face);

private:
    const Control& key_;
    const Lamp* lamp_;
    QString binding_;
    bool checked_ = false;
    std::function<void()> press_;
};

// Makes Qt's accessibility use the key interface for KeyHotSpot (once per process).
void install_key_accessibility();

} // namespace calc::view
