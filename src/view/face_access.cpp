#include "face_access.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "announcer.h"
#include "calculator_window.h"
#include "caption_access.h"
#include "key_access.h"
#include "spoken_names.h"

namespace calc::view {

namespace {

// The borderless window is still the application's frame, which screen readers start from.
// Its description is where the user is, read afresh at each ask: where-am-I reads the frame's
// name and description. It is never set, so no description-change event is sent: Qt 6.4 sends
// that event with the object in place of the text and Orca 43 fails on it.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(CalculatorWindow* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            return QString::fromStdString(
                static_cast<const CalculatorWindow*>(widget())->face().whereabouts());
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* window_factory(const QString& /*class_name*/, QObject* object) {
    if (auto* window = dynamic_cast<CalculatorWindow*>(object)) return new FrameAccessible(window);
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
    install_announcer_accessibility();
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
    for (Announcer*& announcer : announcers_) announcer = new Announcer(&window);
}

void FaceAccessibility::follow(const Face& face, const std::string& announcement) {
    for (CaptionSpot* caption : captions_) caption->follow(face);
    for (KeyHotSpot* key : keys_) key->follow(face);
    // Said last, once the objects it speaks of show the new state. Each message takes the next
    // notification in turn: a screen reader reads the name when it comes to the event, and by
    // then the next key may have brought the next message.
    if (announcement.empty()) return;
    for (Announcer* announcer : announcers_) announcer->hide();
    next_announcer_ = (next_announcer_ + 1) % announcers_.size();
    announcers_[next_announcer_]->say(QString::fromStdString(announcement));
}

} // namespace calc::view
