#include "baked_skin.h"

#include <QResource>
#include <algorithm>
#include <cstring>

namespace calc::view {

namespace {

// The layout, in the byte order of the machine that builds and runs the program:
//   Header, then `count` Entry sorted by key bytes, then the keys, then the pixel rows of
//   each sprite (ARGB32 premultiplied, width * 4 bytes a row) from a multiple of 16 bytes.
constexpr quint32 magic = 0x4e4b5343; // "CSKN"
constexpr quint32 version = 2;

struct Header {
    quint32 magic;
    quint32 version;
    quint32 count;
    quint32 reserved;
};

struct Entry {
    double pen_x, pen_y;
    quint32 key_offset, key_length;
    qint32 anchor_x, anchor_y, width, height;
    quint32 pixels_offset;
    quint32 reserved;
};

static_assert(sizeof(Header) == 16 && sizeof(Entry) == 48);

template <class T>
T load(const QByteArray& bytes, qsizetype at) {
    T value;
    std::memcpy(&value, bytes.constData() + at, sizeof value);
    return value;
}

qsizetype padded(qsizetype n) {
    return (n + 15) & ~qsizetype{15};
}

std::unique_ptr<BakedSkin> open_resource(const QString& name, qreal dpr) {
    const QResource resource(QStringLiteral(":/baked/") + name);
    if (!resource.isValid()) return nullptr;
    const QByteArray bytes =
        resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                      static_cast<qsizetype>(resource.size()))
            : resource.uncompressedData();
    return BakedSkin::read(bytes, dpr);
}

} // namespace

QString BakedSkin::file_name(qreal scale) {
    return QStringLiteral("skin@%1.bin").arg(scale);
}

std::unique_ptr<BakedSkin> BakedSkin::open(qreal dpr) {
    return open_resource(file_name(dpr), dpr);
}

std::unique_ptr<BakedSkin> BakedSkin::open_icons() {
    return open_resource(icons_file_name(), 1);
}

std::unique_ptr<BakedSkin> BakedSkin::read(const QByteArray& bytes, qreal dpr) {
    if (bytes.size() < qsizetype{sizeof(Header)}) return nullptr;
    const auto header = load<Header>(bytes, 0);
    if (header.magic != magic || header.version != version) return nullptr;
    const qsizetype index_end = sizeof(Header) + qsizetype{header.count} * qsizetype{sizeof(Entry)};
    if (index_end > bytes.size()) return nullptr;
    // Every entry must lie inside the bytes, so that find() need not check again.
    for (quint32 i = 0; i < header.count; ++i) {
        const auto e = load<Entry>(bytes, sizeof(Header) + qsizetype{i} * qsizetype{sizeof(Entry)});
        const qsizetype pixels = qsizetype{e.width} * e.height * 4;
        if (e.width < 0 || e.height < 0 || qsizetype{e.key_offset} + e.key_length > bytes.size() ||
            qsizetype{e.pixels_offset} + pixels > bytes.size()) {
            return nullptr;
        }
    }
    auto skin = std::make_unique<BakedSkin>();
    skin->bytes_ = bytes;
    skin->dpr_ = dpr;
    skin->count_ = header.count;
    return skin;
}

QByteArray BakedSkin::write(QList<QPair<QString, Sprite>> sprites) {
    std::sort(sprites.begin(), sprites.end(),
              [](const auto& a, const auto& b) { return a.first.toUtf8() < b.first.toUtf8(); });
    QByteArray keys;
    QByteArray pixels;
    QList<Entry> entries;
    const qsizetype keys_start = sizeof(Header) + sprites.size() * qsizetype{sizeof(Entry)};
    for (const auto& [key, sprite] : sprites) {
        const QImage image = sprite.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QByteArray name = key.toUtf8();
        Entry e{};
        e.pen_x = sprite.pen.x();
        e.pen_y = sprite.pen.y();
        e.key_offset = static_cast<quint32>(keys_start + keys.size());
        e.key_length = static_cast<quint32>(name.size());
        e.anchor_x = sprite.anchor.x();
        e.anchor_y = sprite.anchor.y();
        e.width = image.width();
        e.height = image.height();
        e.pixels_offset = static_cast<quint32>(pixels.size()); // made absolute below
        keys += name;
        for (int y = 0; y < image.height(); ++y) {
            pixels.append(reinterpret_cast<const char*>(image.constScanLine(y)),
                          qsizetype{image.width()} * 4);
        }
        pixels.resize(padded(pixels.size()), '\0');
        entries.append(e);
    }
    const qsizetype pixels_start = padded(keys_start + keys.size());
    QByteArray out;
    const Header header{magic, version, static_cast<quint32>(entries.size()), 0};
    out.append(reinterpret_cast<const char*>(&header), sizeof header);
    for (Entry& e : entries) {
        e.pixels_offset += static_cast<quint32>(pixels_start);
        out.append(reinterpret_cast<const char*>(&e), sizeof e);
    }
    out += keys;
    out.resize(pixels_start, '\0');
    out += pixels;
    return out;
}

std::optional<Sprite> BakedSkin::find(const QString& key) const {
    const QByteArray name = key.toUtf8();
    auto entry_at = [&](quint32 i) {
        return load<Entry>(bytes_, sizeof(Header) + qsizetype{i} * qsizetype{sizeof(Entry)});
    };
    auto key_of = [&](const Entry& e) {
        return QByteArrayView(bytes_.constData() + e.key_offset, e.key_length);
    };
    quint32 low = 0;
    quint32 high = count_;
    while (low < high) {
        const quint32 mid = low + (high - low) / 2;
        if (key_of(entry_at(mid)) < QByteArrayView(name)) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    if (low == count_) return std::nullopt;
    const Entry e = entry_at(low);
    if (key_of(e) != QByteArrayView(name)) return std::nullopt;

    Sprite sprite;
    sprite.pen = {e.pen_x, e.pen_y};
    sprite.anchor = {e.anchor_x, e.anchor_y};
    if (e.width == 0 || e.height == 0) return sprite;
    const char* pixels = bytes_.constData() + e.pixels_offset;
    const int row = e.width * 4;
    // Used in place where the rows are aligned as an image needs them; otherwise copied.
    if (reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0) {
        sprite.image = QImage(reinterpret_cast<const uchar*>(pixels), e.width, e.height, row,
                              QImage::Format_ARGB32_Premultiplied);
    } else {
        sprite.image = QImage(e.width, e.height, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < e.height; ++y) {
            std::memcpy(sprite.image.scanLine(y), pixels + qsizetype{y} * row,
                        static_cast<std::size_t>(row));
        }
    }
    sprite.image.setDevicePixelRatio(dpr_);
    return sprite;
}

} // namespace calc::view
