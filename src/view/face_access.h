// The face as a screen reader sees it: the window as a frame named "Calculator" whose
// description tells where the user is, a button over each key, a readable label over each
// caption that tells something and a notification that says what each command produced. All
// of it reads the form and follows it after every event; none of it takes the focus.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "face.h"

namespace calc::view {

class Announcer;
class CaptionSpot;
class KeyHotSpot;

class FaceAccessibility {
public:
    // Creates the children of window. press: what an accessible press of a key does.
    FaceAccessibility(QWidget& window, const Face& face, std::function<void(Control&)> press);

    // Places, visibility, enabled and checked states and caption texts follow the form; the
    // form's announcement of the event (empty: none) is said.
    void follow(const Face& face, const std::string& announcement);

private:
    std::array<Announcer*, 4> announcers_{};
    std::size_t next_announcer_ = 0;
    std::vector<CaptionSpot*> captions_;
    std::vector<KeyHotSpot*> keys_;
};

} // namespace calc::view
