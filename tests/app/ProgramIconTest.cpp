// The program icon: the .ico file's exact layout, its generator, and Qt reading both images.
#include "ProgramIcon.h"
#include "ProgramIconData.h"
#include "resource.h"

#include <QGuiApplication>
#include <QImageReader>

#include "QtTestApp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned u16(const std::vector<std::uint8_t>& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }


struct Image {
    unsigned size;
    std::uint32_t bytes;
};
const Image kImages[] = {{32, 744}, {16, 296}};

// The standard 16-colour palette in file order (blue, green, red, 0).
const std::uint32_t kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                    0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                    0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

TEST(ProgramIcon, FileHoldsExactlyTwoSixteenColourImages) {
    const auto ico = readFile(BREVANT_PROGRAM_ICON);
    ASSERT_EQ(ico.size(), 6u + 2 * 16 + 744 + 296);
    EXPECT_EQ(u16(ico, 0), 0u);
    EXPECT_EQ(u16(ico, 2), 1u);  // icon, not cursor
    ASSERT_EQ(u16(ico, 4), 2u);

    std::uint32_t expectedOffset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(kImages[i].size);
        const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
        const unsigned n = kImages[i].size;
        EXPECT_EQ(ico[entry], n);
        EXPECT_EQ(ico[entry + 1], n);
        EXPECT_EQ(ico[entry + 2], 16u);
        EXPECT_EQ(ico[entry + 3], 0u);
        EXPECT_EQ(u16(ico, entry + 4), 1u);
        EXPECT_EQ(u16(ico, entry + 6), 4u);
        EXPECT_EQ(u32(ico, entry + 8), kImages[i].bytes);
        ASSERT_EQ(u32(ico, entry + 12), expectedOffset);

        const std::size_t bmp = expectedOffset;
        EXPECT_EQ(u32(ico, bmp), 40u);
        EXPECT_EQ(u32(ico, bmp + 4), n);
        EXPECT_EQ(u32(ico, bmp + 8), 2 * n);  // colour bits and mask
        EXPECT_EQ(u16(ico, bmp + 12), 1u);
        EXPECT_EQ(u16(ico, bmp + 14), 4u);
        EXPECT_EQ(u32(ico, bmp + 16), 0u);  // uncompressed
        for (int c = 0; c < 16; ++c) {
            const std::size_t q = bmp + 40 + 4 * static_cast<std::size_t>(c);
            EXPECT_EQ(static_cast<std::uint32_t>(ico[q + 2] << 16 | ico[q + 1] << 8 | ico[q]), kPalette[c]) << c;
            EXPECT_EQ(ico[q + 3], 0u);
        }
        const std::uint32_t xorRow = (n * 4 + 31) / 32 * 4, andRow = (n + 31) / 32 * 4;
        EXPECT_EQ(40 + 64 + n * xorRow + n * andRow, kImages[i].bytes);
        expectedOffset += kImages[i].bytes;
    }
    EXPECT_EQ(expectedOffset, ico.size());
}

TEST(ProgramIcon, GeneratorReproducesTheCommittedFile) {
    const auto dir = std::filesystem::temp_directory_path() / ("brevant-icon-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto out = (dir / "program.ico").string();
    const std::string command = std::string("'") + BREVANT_ICON_GENERATOR + "' '" + out + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(readFile(out), readFile(BREVANT_PROGRAM_ICON)) << "run the generator and commit res/program.ico";
    std::filesystem::remove_all(dir);
}

TEST(ProgramIcon, CompiledInBytesAreTheFile) {
    const auto data = programIconData();
    EXPECT_EQ(std::vector<std::uint8_t>(data.begin(), data.end()), readFile(BREVANT_PROGRAM_ICON));
}

TEST(ProgramIcon, QtReadsBothImagesWithTransparency) {
    qtTestApp();
    QImageReader reader(QString::fromLocal8Bit(BREVANT_PROGRAM_ICON));
    ASSERT_EQ(reader.imageCount(), 2) << reader.errorString().toStdString();
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        const int n = static_cast<int>(kImages[i].size);
        EXPECT_EQ(image.size(), QSize(n, n));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the corner is masked out";
        // The title bar lies a quarter down from the top edge's second row: navy, opaque.
        const QRgb title = image.pixel(n / 4, n / 8 + 2);
        EXPECT_EQ(qAlpha(title), 255);
        EXPECT_EQ(title & 0xFFFFFF, 0x000080u);
    }
}

TEST(ProgramIcon, LoadedIconServesBothSizes) {
    qtTestApp();
    const QIcon icon = AfxLoadIcon(IDI_PROGRAM);
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_EQ(icon.pixmap(16, 16).size(), QSize(16, 16));
    EXPECT_TRUE(AfxLoadIcon(IDI_PROGRAM + 1).isNull());
}

}  // namespace
