#include "TitleText.h"

#include <cstdint>

// Interim: maps bytes as Latin-1 until the shared code page lands.
namespace {

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isControlByte(unsigned char b) {
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

const char kHexDigits[] = "0123456789abcdef";
const char kUpperHexDigits[] = "0123456789ABCDEF";

}  // namespace

std::string titleToUtf8(const std::string& titleBytes) {
    std::string out;
    for (unsigned char b : titleBytes) appendUtf8(out, b);
    return out;
}

std::string titleForTerminal(const std::string& titleBytes) {
    std::string out;
    for (unsigned char b : titleBytes) {
        if (isControlByte(b)) {
            out += "\\x";
            out += kUpperHexDigits[b >> 4];
            out += kUpperHexDigits[b & 0xF];
        } else {
            out += titleToUtf8(std::string(1, static_cast<char>(b)));
        }
    }
    return out;
}

std::string titleFromUtf8(const std::string& utf8) { return utf8; }

std::string titleHex(const std::string& titleBytes) {
    std::string out;
    out.reserve(titleBytes.size() * 2);
    for (unsigned char b : titleBytes) {
        out += kHexDigits[b >> 4];
        out += kHexDigits[b & 0xF];
    }
    return out;
}
