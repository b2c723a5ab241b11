#include "key_access.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "face_painter.h"
#include "shell/hover.h"
#include "spoken_names.h"

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

KeyHotSpot::KeyHotSpot(QWidget* parent, const frmMain& form, const Control& key,
                       std::function<void()> press)
    : QWidget(parent), key_(key), lamp_(key_lamp(form, key)),
      binding_(QString::fromStdString(key_binding(key))), press_(std::move(press)) {
    setObjectName(QString::fromStdString(key.name()));
    setAccessibleName(QString::fromUtf8(key_name(key)));
    if (auto help = hover_text(form, key)) setAccessibleDescription(QString::fromStdString(*help));
    // Seen by accessibility only: the window under it takes the mouse and the keyboard.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    checked_ = lamp_ != nullptr && lamp_->visible;
}

void KeyHotSpot::follow(const frmMain& form) {
    setGeometry(pixel_rect(form, key_).toRect());
    setVisible(seen_on_face(form, key_));
    setEnabled(key_.enabled);
    if (lamp_ != nullptr && lamp_->visible != checked_) {
        checked_ = lamp_->visible;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

bool seen_on_face(const frmMain& form, const Control& c) {
    switch (c.container()) {
    case Container::picConvert: return c.visible && form.picConvert.visible;
    case Container::picPrecision: return c.visible && form.picPrecision.visible;
    case Container::picBack1:
    case Container::Form: break;
    }
    return c.visible;
}

void install_key_accessibility() {
    static const bool done = [] {
        QAccessible::installFactory(key_factory);
        return true;
    }();
    (void)done;
}

} // namespace calc::view
