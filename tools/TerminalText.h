// Paths in the text reports: control characters are written as \xNN, so a file name
// can neither forge a report line nor drive the terminal.
#pragma once

#include <string>

inline std::string pathForTerminal(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (unsigned char c : path) {
        if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}
