#include "face_access.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "calculator_window.h"
#include "caption_access.h"
#include "key_access.h"
#include "spoken_names.h"

namespace calc::view {

namespace {

// The borderless window is still the application's frame, which screen readers start from.
QAccessibleInterface* window_factory(const QString& /*class_name*/, QObject* object) {
    if (auto* window = dynamic_cast<CalculatorWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

void install_window_accessibility() {
    static const bool done = [] {
        QAccessible::installFactory(window_factory);
        return true;
    }();
    (void)done;
}

} // namespace

FaceAccessibility::FaceAccessibility(QWidget& window, const Face& face,
                                     std::function<void(Control&)> press) {
    install_window_accessibility();
    // Naming the window made Qt cache a plain interface for it; dropped, the next query makes
    // the frame.
    QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(&window);
    if (cached != nullptr && cached->role() != QAccessible::Window) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
    }
    install_caption_accessibility();
    install_key_accessibility();
    // The captions first, so that reading from the top meets the display before the keys.
    for (Control* c : face.controls()) {
        const auto* label = dynamic_cast<const Label*>(c);
        if (label == nullptr || caption_name(*label).empty()) continue;
        captions_.push_back(new CaptionSpot(&window, *label));
    }
    for (const FaceKey& key : face.keys()) {
        Control* c = key.control;
        keys_.push_back(new KeyHotSpot(&window, key, [press, c] { press(*c); }));
    }
}

void FaceAccessibility::follow(const Face& face) {
    for (CaptionSpot* caption : captions_) caption->follow(face);
    for (KeyHotSpot* key : keys_) key->follow(face);
}

} // namespace calc::view
