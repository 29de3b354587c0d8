// brevant_make_icons: the hicolor PNGs keep the program icon's pixels and transparency.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <map>

namespace {

const QString kName = QStringLiteral("org.brevant.Brevant");

// Runs the tool; returns its exit code (-1 when it did not run to the end).
int makeIcons(const QStringList& args) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(QStringLiteral(BREVANT_MAKE_ICONS), args);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit) return -1;
    return tool.exitCode();
}

QString pngPath(const QTemporaryDir& dir, int size) {
    return dir.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(kName));
}

// The .ico's pictures by side length.
std::map<int, QImage> icoImages() {
    QImageReader reader(QStringLiteral(BREVANT_PROGRAM_ICON), "ico");
    std::map<int, QImage> images;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        images[image.width()] = image;
    }
    return images;
}

TEST(MakeIcons, SizesTheIcoHoldsArePixelForPixel) {
    const auto ico = icoImages();
    ASSERT_EQ(ico.size(), 2u);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(makeIcons({QStringLiteral(BREVANT_PROGRAM_ICON), dir.path(), kName, "16", "32"}), 0);
    for (const int size : {16, 32}) {
        SCOPED_TRACE(size);
        const QImage png = QImage(pngPath(dir, size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(png.isNull());
        EXPECT_EQ(png, ico.at(size));
    }
}

TEST(MakeIcons, FortyEightIsScaledUpFromThirtyTwoKeepingTransparency) {
    const QImage source = icoImages().at(32);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(makeIcons({QStringLiteral(BREVANT_PROGRAM_ICON), dir.path(), kName, "48"}), 0);
    const QImage png = QImage(pngPath(dir, 48)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(png.size(), QSize(48, 48));
    EXPECT_TRUE(png.hasAlphaChannel());
    // Where a 2x2 block of the 32-pixel picture is wholly clear or wholly opaque, the middle
    // of the matching 3x3 block of the 48-pixel one is too.
    int compared = 0;
    for (int y = 0; y < 32; y += 2) {
        for (int x = 0; x < 32; x += 2) {
            const int a = qAlpha(source.pixel(x, y));
            if (a != qAlpha(source.pixel(x + 1, y)) || a != qAlpha(source.pixel(x, y + 1)) ||
                a != qAlpha(source.pixel(x + 1, y + 1)) || (a != 0 && a != 255))
                continue;
            ++compared;
            EXPECT_EQ(qAlpha(png.pixel(x * 3 / 2 + 1, y * 3 / 2 + 1)), a) << x << "," << y;
        }
    }
    EXPECT_GT(compared, 100);
}

TEST(MakeIcons, RefusesWhatItCannotMake) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ico = QStringLiteral(BREVANT_PROGRAM_ICON);
    const QString missing = dir.filePath(QStringLiteral("missing.ico"));
    QFile notIco(dir.filePath(QStringLiteral("not.ico")));
    ASSERT_TRUE(notIco.open(QIODevice::WriteOnly));
    notIco.write("not an icon");
    notIco.close();
    const struct {
        const char* what;
        QStringList args;
    } cases[] = {
        {"missing icon", {missing, dir.path(), kName, "16"}},
        {"not an icon", {notIco.fileName(), dir.path(), kName, "16"}},
        {"size zero", {ico, dir.path(), kName, "0"}},
        {"size not a number", {ico, dir.path(), kName, "big"}},
        {"no size", {ico, dir.path(), kName}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NE(makeIcons(c.args), 0);
        EXPECT_FALSE(QFile::exists(pngPath(dir, 16)));
    }
}

}  // namespace
