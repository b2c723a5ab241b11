// The face as a screen reader sees it: the window as a frame named "Calculator", a button
// over each key and a readable label over each caption that tells something. All of it reads
// the form and follows it after every event; none of it takes the focus from the form.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "face.h"

namespace calc::view {

class CaptionSpot;
class KeyHotSpot;

class FaceAccessibility {
public:
    // Creates the children of window. press: what an accessible press of a key does.
    FaceAccessibility(QWidget& window, const Face& face, std::function<void(Control&)> press);

    // Places, visibility, enabled and checked states and caption texts follow the form; what
    // changed is announced.
    void follow(const Face& face);

private:
    std::vector<CaptionSpot*> captions_;
    std::vector<KeyHotSpot*> keys_;
};

} // namespace calc::view
