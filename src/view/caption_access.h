// What a screen reader reads of the face's captions: one invisible child widget over each
// caption that tells something (the number shown, the status line, the angle mode, the help
// line, the units, the panels' captions), announced as a label named by what it tells whose
// text is the caption. A changed caption is announced as changed text.
#pragma once

#include <QString>
#include <QWidget>

#include "face.h"

namespace calc::view {

class CaptionSpot : public QWidget {
    Q_OBJECT
public:
    CaptionSpot(QWidget* parent, const Label& caption);

    const Label& caption() const { return caption_; }
    // The caption as last announced.
    const QString& text() const { return text_; }
    // Follows the caption's place, visibility and text in the form.
    void follow(const Face& face);

private:
    const Label& caption_;
    QString text_;
};

// Makes Qt's accessibility use the readable-text interface for CaptionSpot (once per process).
void install_caption_accessibility();

} // namespace calc::view
