// How the calculator's messages reach a screen reader: one invisible child of the window that
// reads as a notification named by the message, shown anew for each message. Orca 43 speaks
// a notification as it is shown ("notification 42."), whatever has the focus; it speaks no
// label's changed text and Qt 6.4 has no announcement event. It never takes the focus.
#pragma once

#include <QString>
#include <QWidget>

namespace calc::view {

class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // The message last said; empty before the first.
    const QString& message() const { return message_; }
    // Says the message: the notification is shown again, named by it.
    void say(const QString& message);

private:
    QString message_;
};

// Makes Qt's accessibility read Announcer as a notification (once per process).
void install_announcer_accessibility();

} // namespace calc::view
