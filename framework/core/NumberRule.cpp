#include "NumberRule.h"

namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Result of reading the text: sign and magnitude, the magnitude saturated just
// above the largest value either rule can hold so long digit runs cannot overflow.
struct ReadNumber {
    bool negative = false;
    std::uint64_t magnitude = 0;
};

constexpr std::uint64_t kSaturation = 0x1'0000'0000ULL;   // 2^32, above every range end

std::optional<ReadNumber> readNumber(std::string_view text, bool allowMinus) {
    std::size_t i = 0;
    while (i < text.size() && isBlankOrTab(text[i])) ++i;
    const bool firstIsZeroDigit = i < text.size() && text[i] == '0';
    while (i < text.size() && isWhiteSpace(text[i])) ++i;

    ReadNumber number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        if (number.negative && !allowMinus) return std::nullopt;
        ++i;
    }

    const std::size_t digitsStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        number.magnitude = number.magnitude * 10 + static_cast<unsigned>(text[i] - '0');
        if (number.magnitude > kSaturation) number.magnitude = kSaturation;
        ++i;
    }
    if (i == digitsStart) return std::nullopt;

    // Clamping never produces zero, so a zero magnitude is a zero number.
    if (number.magnitude == 0 && !firstIsZeroDigit) return std::nullopt;

    while (i < text.size() && isBlankOrTab(text[i])) ++i;
    if (i != text.size()) return std::nullopt;
    return number;
}

}  // namespace

std::optional<std::uint32_t> parseUnsignedNumber(std::string_view text) {
    const auto number = readNumber(text, false);
    if (!number) return std::nullopt;
    constexpr std::uint64_t kMax = 0xFFFF'FFFFULL;
    return static_cast<std::uint32_t>(number->magnitude > kMax ? kMax : number->magnitude);
}

std::optional<std::int32_t> parseSignedNumber(std::string_view text) {
    const auto number = readNumber(text, true);
    if (!number) return std::nullopt;
    const std::int64_t magnitude = static_cast<std::int64_t>(number->magnitude);
    if (number->negative) {
        constexpr std::int64_t kMin = -2147483648LL;
        return static_cast<std::int32_t>(-magnitude < kMin ? kMin : -magnitude);
    }
    constexpr std::int64_t kMax = 2147483647LL;
    return static_cast<std::int32_t>(magnitude > kMax ? kMax : magnitude);
}

std::string formatUnsignedNumber(std::uint32_t value) { return std::to_string(value); }

std::string formatSignedNumber(std::int32_t value) { return std::to_string(value); }
