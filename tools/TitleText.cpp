#include "TitleText.h"

#include "CodePage.h"

namespace {

// C0 controls, DEL, and the bytes the code page maps to C1 controls.
bool isControlByte(unsigned char b) {
    const char32_t cp = cp1252ToCodePoint(b);
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0);
}

const char kHexDigits[] = "0123456789abcdef";
const char kUpperHexDigits[] = "0123456789ABCDEF";

}  // namespace

std::string titleToUtf8(const std::string& titleBytes) { return cp1252ToUtf8(titleBytes); }

std::string titleForTerminal(const std::string& titleBytes) {
    std::string out;
    for (unsigned char b : titleBytes) {
        if (isControlByte(b)) {
            out += "\\x";
            out += kUpperHexDigits[b >> 4];
            out += kUpperHexDigits[b & 0xF];
        } else {
            out += cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(&b), 1));
        }
    }
    return out;
}

std::string titleHex(const std::string& titleBytes) {
    std::string out;
    out.reserve(titleBytes.size() * 2);
    for (unsigned char b : titleBytes) {
        out += kHexDigits[b >> 4];
        out += kHexDigits[b & 0xF];
    }
    return out;
}
