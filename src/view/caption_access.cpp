#include "caption_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <utility>

#include "face_painter.h"
#include "spoken_names.h"

namespace calc::view {

namespace {

// Read-only text: the caption whole, no caret to move and nothing to select.
class CaptionAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CaptionAccessible(CaptionSpot* spot)
        : QAccessibleWidget(spot, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return spot()->text();
        return QAccessibleWidget::text(t);
    }

    // QAccessibleTextInterface
    QString text(int start, int end) const override {
        return spot()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(spot()->text().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    // The captions are drawn in fixed cells that fill the caption's place (the help line's
    // face in cells of its average width), so each character has its cell, on the screen.
    QRect characterRect(int offset) const override {
        const int count = characterCount();
        if (offset < 0 || offset >= count) return {};
        const QWidget* w = widget();
        const int left = w->width() * offset / count;
        const int right = w->width() * (offset + 1) / count;
        return {w->mapToGlobal(QPoint(left, 0)), QSize(right - left, w->height())};
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QWidget* w = widget();
        const QPoint at = w->mapFromGlobal(point);
        if (!w->rect().contains(at) || characterCount() == 0) return -1;
        return at.x() * characterCount() / w->width();
    }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    const CaptionSpot* spot() const { return static_cast<const CaptionSpot*>(widget()); }
};

QAccessibleInterface* caption_factory(const QString& /*class_name*/, QObject* object) {
    if (auto* spot = qobject_cast<CaptionSpot*>(object)) return new CaptionAccessible(spot);
    return nullptr;
}

} // namespace

CaptionSpot::CaptionSpot(QWidget* parent, const Label& caption)
    : QWidget(parent), caption_(caption), text_(QString::fromStdString(caption.caption)) {
    setObjectName(QString::fromStdString(caption.name()));
    setAccessibleName(QString::fromUtf8(caption_name(caption)));
    // Seen by accessibility only, as the keys' hot spots.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void CaptionSpot::follow(const Face& face) {
    setGeometry(pixel_rect(face, caption_).toRect());
    // A caption under an open panel is not what the user sees: the panel's own are.
    setVisible(face.seen(caption_) && !face.covered(caption_));
    const QString now = QString::fromStdString(caption_.caption);
    if (now == text_) return;
    // The whole text is replaced: a screen reader hears the new caption, not a difference.
    const QString before = std::exchange(text_, now);
    QAccessibleTextUpdateEvent event(this, 0, before, text_);
    QAccessible::updateAccessibility(&event);
}

void install_caption_accessibility() {
    static const bool done = [] {
        QAccessible::installFactory(caption_factory);
        return true;
    }();
    (void)done;
}

} // namespace calc::view
