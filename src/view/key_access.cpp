#include "key_access.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "face_painter.h"

namespace calc::view {

namespace {

class KeyAccessible : public QAccessibleWidget {
public:
    // A mode key reads as Qt reads any button that stays in: an option that is on or off.
    explicit KeyAccessible(KeyHotSpot* spot)
        : QAccessibleWidget(spot, spot->checkable() ? QAccessible::CheckBox : QAccessible::Button) {
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = spot()->checkable();
        state.checked = spot()->checked();
        return state;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Accelerator) return spot()->binding();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) spot()->press();
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != pressAction() || spot()->binding().isEmpty()) return {};
        return {spot()->binding()};
    }

private:
    const KeyHotSpot* spot() const { return static_cast<const KeyHotSpot*>(widget()); }
};

QAccessibleInterface* key_factory(const QString& /*class_name*/, QObject* object) {
    if (auto* spot = qobject_cast<KeyHotSpot*>(object)) return new KeyAccessible(spot);
    return nullptr;
}

} // namespace

KeyHotSpot::KeyHotSpot(QWidget* parent, const FaceKey& key, std::function<void()> press)
    : QWidget(parent), key_(*key.control), lamp_(key.lamp),
      binding_(QString::fromStdString(key.binding)), press_(std::move(press)) {
    setObjectName(QString::fromStdString(key_.name()));
    setAccessibleName(QString::fromUtf8(key.spoken));
    if (!key.help.empty()) setAccessibleDescription(QString::fromStdString(key.help));
    // Seen by accessibility only: the window under it takes the mouse and the keyboard.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    checked_ = lamp_ != nullptr && lamp_->visible;
}

void KeyHotSpot::follow(const Face& face) {
    setGeometry(pixel_rect(face, key_).toRect());
    setVisible(face.seen(key_));
    setEnabled(key_.enabled);
    if (lamp_ != nullptr && lamp_->visible != checked_) {
        checked_ = lamp_->visible;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void install_key_accessibility() {
    static const bool done = [] {
        QAccessible::installFactory(key_factory);
        return true;
    }();
    (void)done;
}

} // namespace calc::view
