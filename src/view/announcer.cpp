#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace calc::view {

namespace {

// Named by the message itself, so that changing it sends no name-change event of its own: the
// one event a screen reader hears is the notification being shown.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const Announcer*>(widget())->message();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = false;
        state.readOnly = true;
        return state;
    }
};

QAccessibleInterface* announcer_factory(const QString& /*class_name*/, QObject* object) {
    if (auto* announcer = qobject_cast<Announcer*>(object)) {
        return new AnnouncerAccessible(announcer);
    }
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcement"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    // No place of its own: flat review, which reads what lies where, passes it by.
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString& message) {
    if (message.isEmpty()) return;
    // Hidden first, so that each message is a new showing, even the same words again.
    hide();
    message_ = message;
    show();
}

void install_announcer_accessibility() {
    static const bool done = [] {
        QAccessible::installFactory(announcer_factory);
        return true;
    }();
    (void)done;
}

} // namespace calc::view
