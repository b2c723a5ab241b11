#include "shell/view/key_access.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "shell/view/face_painter.h"

namespace calc::view {

namespace {

class KeyAccessible : public QAccessibleWidget {
public:
    explicit KeyAccessible(KeyHotSpot* spot) : QAccessibleWidget(spot, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            static_cast<const KeyHotSpot*>(widget())->press();
        }
    }
};

QAccessibleInterface* key_factory(const QString& /*class_name*/, QObject* object) {
    if (auto* spot = qobject_cast<KeyHotSpot*>(object)) return new KeyAccessible(spot);
    return nullptr;
}

} // namespace

KeyHotSpot::KeyHotSpot(QWidget* parent, const Control& key, const QString& name,
                       std::function<void()> press)
    : QWidget(parent), key_(key), press_(std::move(press)) {
    setObjectName(QString::fromStdString(key.name()));
    setAccessibleName(name);
    // Seen by accessibility only: the window under it takes the mouse and the keyboard.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void KeyHotSpot::follow(const frmMain& form) {
    setGeometry(pixel_rect(form, key_).toRect());
    bool shown = key_.visible;
    if (key_.container() == Container::picConvert) shown = shown && form.picConvert.visible;
    setVisible(shown);
    setEnabled(key_.enabled);
}

void install_key_accessibility() {
    static const bool done = [] {
        QAccessible::installFactory(key_factory);
        return true;
    }();
    (void)done;
}

} // namespace calc::view
