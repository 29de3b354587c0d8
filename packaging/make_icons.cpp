// Build-time tool: writes the program icon as hicolor PNGs, OUT_DIR/<n>x<n>/apps/NAME.png.
// Usage: brevant_make_icons ICO_FILE OUT_DIR NAME SIZE...
// A size the .ico holds is copied pixel for pixel; any other is scaled from the nearest
// larger image (or the largest one), so 48 comes from the 32-pixel picture.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

int fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "brevant_make_icons: %s: %s\n", what, qPrintable(detail));
    return EXIT_FAILURE;
}

// The image to draw a size from: an exact match, else the smallest larger, else the largest.
const QImage* sourceFor(const std::vector<QImage>& images, int size) {
    const QImage* larger = nullptr;
    const QImage* largest = nullptr;
    for (const QImage& image : images) {
        const int side = image.width();
        if (side == size) return &image;
        if (side > size && (!larger || side < larger->width())) larger = &image;
        if (!largest || side > largest->width()) largest = &image;
    }
    return larger ? larger : largest;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);   // finds the image format plugins (the ico reader)
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: brevant_make_icons ICO_FILE OUT_DIR NAME SIZE...\n");
        return 64;
    }

    QImageReader reader(args[1], "ico");
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) break;
        QImage image = reader.read();
        if (image.isNull()) return fail("cannot read", args[1] + ": " + reader.errorString());
        if (image.width() != image.height()) return fail("not square", args[1]);
        images.push_back(image.convertToFormat(QImage::Format_ARGB32));
    }
    if (images.empty()) return fail("no images", args[1] + ": " + reader.errorString());

    for (int i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size <= 0 || size > 1024) return fail("bad size", args[i]);
        const QImage* source = sourceFor(images, size);
        const QImage out = source->width() == size
            ? *source
            : source->scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        if (!QDir().mkpath(dir)) return fail("cannot create", dir);
        const QString path = dir + QLatin1Char('/') + args[3] + QStringLiteral(".png");
        if (!out.save(path, "PNG")) return fail("cannot write", path);
    }
    return EXIT_SUCCESS;
}
