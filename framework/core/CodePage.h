// The 8-bit code page of titles: Windows-1252 with every byte 1..255 mapped one-to-one
// (the five bytes it leaves undefined, 0x81 0x8D 0x8F 0x90 0x9D, map to the C1 controls
// U+0081 U+008D U+008F U+0090 U+009D), so every stored title survives show and take.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Unicode code point of one byte; byte 0 is U+0000.
char32_t cp1252ToCodePoint(unsigned char byte);
// The byte for a code point, or none when the code page cannot hold it.
std::optional<unsigned char> codePointToCp1252(char32_t codePoint);

// Bytes of the code page to UTF-8. Never fails.
std::string cp1252ToUtf8(std::string_view bytes);
// UTF-8 to bytes of the code page: a character the code page cannot hold, and each
// malformed UTF-8 sequence, becomes "?".
std::string utf8ToCp1252(std::string_view utf8);
