// What the build draws ahead for one screen scale: named sprites in one file of the
// program's resources. The pixels are stored as the program draws them, uncompressed, so a
// sprite is used in place, without unpacking or copying; the index is sorted by name and
// searched where it lies, so opening a file reads nothing ahead.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <optional>

#include "skin.h"

namespace calc::view {

class BakedSkin {
public:
    // The sprites baked for this device pixel ratio, or null when the build baked none.
    static std::unique_ptr<BakedSkin> open(qreal dpr);
    // The window icon's pictures, or null.
    static std::unique_ptr<BakedSkin> open_icons();
    // The resource file name for a scale, e.g. "skin@1.25.bin", and of the icon's pictures.
    static QString file_name(qreal scale);
    static QString icons_file_name() { return QStringLiteral("icon.bin"); }

    // A container's contents; null when the bytes are not one. The bytes must outlive the
    // container and every image found in it.
    static std::unique_ptr<BakedSkin> read(const QByteArray& bytes, qreal dpr);
    static QByteArray write(QList<QPair<QString, Sprite>> sprites);

    std::optional<Sprite> find(const QString& key) const;
    quint32 size() const { return count_; }

private:
    QByteArray bytes_; // not copied when it lies in the resources
    qreal dpr_ = 1;
    quint32 count_ = 0;
};

} // namespace calc::view
