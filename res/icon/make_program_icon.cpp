// Draws the program icon (a dialog with form fields and a pencil) and writes it as a
// Windows .ico with two 16-colour images: 32x32 and 16x16, 4 bits per pixel.
// res/program.ico is this tool's output, committed so that a build needs no generator run:
//   cmake --build <build> --target brevant_make_program_icon
//   <build>/res/icon/brevant_make_program_icon res/program.ico
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

// The standard 16-colour palette, as RGB.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
enum Colour : int { Black = 0, Olive = 3, Navy = 4, Silver = 7, Gray = 8, Red = 9, Yellow = 11, White = 15 };
constexpr int kClear = -1;  // transparent: mask bit set, colour index 0

struct Canvas {
    int size;
    std::vector<int> px;
    explicit Canvas(int s) : size(s), px(static_cast<std::size_t>(s * s), kClear) {}
    void set(int x, int y, int c) {
        if (x >= 0 && y >= 0 && x < size && y < size) px[static_cast<std::size_t>(y * size + x)] = c;
    }
    int at(int x, int y) const { return px[static_cast<std::size_t>(y * size + x)]; }
    void fill(int x0, int y0, int x1, int y1, int c) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) set(x, y, c);
    }
    void frame(int x0, int y0, int x1, int y1, int c) {
        fill(x0, y0, x1, y0, c);
        fill(x0, y1, x1, y1, c);
        fill(x0, y0, x0, y1, c);
        fill(x1, y0, x1, y1, c);
    }
};

// A pencil lying from the upper right down to its tip at (tipX, tipY), `width` pixels thick;
// the point widens over the first `width` steps.
void pencil(Canvas& c, int tipX, int tipY, int length, int width) {
    for (int i = 0; i < length; ++i) {
        const int x = tipX + i, y = tipY - i;
        int colour = Yellow;
        if (i == 0) colour = Black;                  // lead
        else if (i <= width) colour = Olive;         // sharpened wood
        else if (i >= length - 2) colour = Red;      // eraser
        const int thick = i < width ? i + 1 : width;
        for (int w = 0; w < thick; ++w) {
            const bool edge = w == width - 1 && i > width;
            c.set(x + w, y + w, edge ? Black : colour);
            if (w + 1 < thick || i > width) c.set(x + w + 1, y + w, edge ? Black : colour);
        }
    }
}

Canvas drawLarge() {
    Canvas c(32);
    c.fill(3, 5, 30, 30, Gray);        // shadow
    c.fill(1, 3, 28, 28, Silver);      // dialog
    c.frame(1, 3, 28, 28, Black);
    c.fill(2, 4, 27, 8, Navy);         // title bar
    c.fill(23, 5, 26, 7, Silver);      // close box
    for (int row = 0; row < 3; ++row) {
        const int y = 11 + row * 5;
        c.fill(4, y + 1, 8, y + 2, Gray);  // label
        c.fill(11, y, 25, y + 3, White);   // field
        c.frame(11, y, 25, y + 3, Black);
    }
    c.fill(13, 13, 15, 13, Black);     // text in the first field
    c.fill(17, 13, 19, 13, Black);
    pencil(c, 16, 25, 15, 3);
    return c;
}

Canvas drawSmall() {
    Canvas c(16);
    c.fill(1, 2, 15, 15, Gray);
    c.fill(0, 1, 14, 14, Silver);
    c.frame(0, 1, 14, 14, Black);
    c.fill(1, 2, 13, 4, Navy);
    for (int row = 0; row < 2; ++row) {
        const int y = 6 + row * 4;
        c.fill(2, y + 1, 3, y + 1, Gray);
        c.fill(5, y, 12, y + 2, White);
        c.frame(5, y, 12, y + 2, Black);
    }
    pencil(c, 8, 13, 8, 2);
    return c;
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// One icon image: BITMAPINFOHEADER, palette, XOR bits and AND mask, rows bottom-up, each
// padded to four bytes.
std::vector<std::uint8_t> encodeImage(const Canvas& c) {
    const int n = c.size;
    const int xorRow = (n * 4 + 31) / 32 * 4;
    const int andRow = (n + 31) / 32 * 4;
    std::vector<std::uint8_t> out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(n));
    put32(out, static_cast<std::uint32_t>(2 * n));  // colour image and mask stacked
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);  // BI_RGB
    put32(out, static_cast<std::uint32_t>((xorRow + andRow) * n));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (std::uint32_t rgb : kPalette) {
        out.push_back(static_cast<std::uint8_t>(rgb));
        out.push_back(static_cast<std::uint8_t>(rgb >> 8));
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));
        out.push_back(0);
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(xorRow), 0);
        for (int x = 0; x < n; ++x) {
            const int v = c.at(x, y) == kClear ? 0 : c.at(x, y);
            row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 ? v : v << 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(andRow), 0);
        for (int x = 0; x < n; ++x)
            if (c.at(x, y) == kClear) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
        return 64;
    }
    const std::vector<std::uint8_t> images[] = {encodeImage(drawLarge()), encodeImage(drawSmall())};
    const int sizes[] = {32, 16};

    std::vector<std::uint8_t> ico;
    put16(ico, 0);
    put16(ico, 1);  // icon
    put16(ico, 2);
    std::uint32_t offset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        ico.push_back(static_cast<std::uint8_t>(sizes[i]));
        ico.push_back(static_cast<std::uint8_t>(sizes[i]));
        ico.push_back(16);  // colours
        ico.push_back(0);
        put16(ico, 1);      // planes
        put16(ico, 4);      // bits per pixel
        put32(ico, static_cast<std::uint32_t>(images[i].size()));
        put32(ico, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) ico.insert(ico.end(), image.begin(), image.end());

    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
    file.close();
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
