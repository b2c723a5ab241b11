// Draws the skin ahead, at build time, for the screen scales given: the pictures from their
// SVG sources, every large character and every help text the form can show, with the very
// renderers the program uses, into one container per scale (see baked_skin.h). The small
// captions need no baking: the program draws them from the pixel fonts' bitmaps.
// It runs on the build machine, also for a cross build, which takes its output.
// Usage: bake-skin OUTPUT_DIR SCALE...
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "bake/picture_renderer.h"
#include "baked_skin.h"
#include "face.h"
#include "platform.h"
#include "skin.h"

namespace {

using calc::view::Picture;
using calc::view::Skin;
using calc::view::Sprite;

// Every text the help line can show: its text at start and each key's help.
struct HelpLine {
    std::set<QString> texts;
    int height = 0;
};

HelpLine help_line() {
    calc::FakePlatform platform;
    calc::Face face(platform);
    face.start();
    HelpLine line;
    line.texts.insert(QString::fromStdString(face.help_line().caption));
    for (const calc::FaceKey& key : face.keys()) {
        if (!key.help.empty()) line.texts.insert(QString::fromStdString(key.help));
    }
    const double height = face.window_rect(face.help_line()).height;
    line.height = qRound(height / calc::twips_per_pixel);
    return line;
}

bool write_file(const QString& path, const QList<QPair<QString, Sprite>>& sprites) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(calc::view::BakedSkin::write(sprites)) >= 0) {
        return true;
    }
    std::fprintf(stderr, "bake-skin: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Windowless: the build machine may have no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: bake-skin OUTPUT_DIR SCALE...\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!out.mkpath(QStringLiteral("."))) return 1;
    const HelpLine help = help_line();

    QList<QPair<QString, Sprite>> icons;
    for (const auto& [size, file] : Skin::icon_files()) {
        QImage image(file);
        if (image.isNull()) {
            std::fprintf(stderr, "bake-skin: cannot read %s\n", qPrintable(file));
            return 1;
        }
        icons.append({Skin::icon_key(size), {image, {}, {}}});
    }
    if (!write_file(out.filePath(calc::view::BakedSkin::icons_file_name()), icons)) return 1;

    for (qsizetype i = 2; i < args.size(); ++i) {
        bool ok = false;
        const qreal scale = args[i].toDouble(&ok);
        if (!ok || scale <= 0) {
            std::fprintf(stderr, "bake-skin: bad scale %s\n", qPrintable(args[i]));
            return 2;
        }
        QList<QPair<QString, Sprite>> sprites;
        for (const Picture p : calc::view::all_pictures) {
            sprites.append({Skin::picture_key(p), calc::view::render_picture(p, scale)});
        }
        for (char c = 0x20; c < 0x7f; ++c) {
            sprites.append({Skin::large_key(c), Skin::render_large_glyph(c, scale)});
        }
        for (const QString& text : help.texts) {
            sprites.append({Skin::help_key(text, help.height),
                            Skin::render_help_text(text, help.height, scale)});
        }
        if (!write_file(out.filePath(calc::view::BakedSkin::file_name(scale)), sprites)) return 1;
    }
    return 0;
}
