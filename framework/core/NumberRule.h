// The number rules of the field exchange: how a field's text reads as a number and
// how a number is written back. Shared by the dialog exchange and the command-line tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The exchange reads only this many characters of a number field; the rest is not looked at.
inline constexpr int kNumberTextLimit = 31;

// Both rules: blanks and tabs, then any white space (" \t\n\v\f\r"), one optional sign,
// at least one digit, then only blanks and tabs. Out-of-range numbers clamp to the nearest
// end of the range. A zero is refused unless the first character after the leading blanks
// and tabs is the digit "0" (so "0" and "00" read, "+0", "-0" and "\n0" do not).
// The whole view is read; the caller cuts it to kNumberTextLimit where that applies.

// Unsigned rule, 0 to 4294967295; a "-" sign refuses the text.
std::optional<std::uint32_t> parseUnsignedNumber(std::string_view text);
// Signed rule, -2147483648 to 2147483647.
std::optional<std::int32_t> parseSignedNumber(std::string_view text);

// Decimal, no "+", no leading zeros, no blanks, no grouping; "-" before a negative number.
std::string formatUnsignedNumber(std::uint32_t value);
std::string formatSignedNumber(std::int32_t value);
