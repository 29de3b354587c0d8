// The pure number rules and the decimal form, independent of any field.
#include "NumberRule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

namespace {

struct RuleCase {
    const char* name;
    std::string text;
    std::optional<std::int64_t> unsignedResult;   // nullopt: refused
    std::optional<std::int64_t> signedResult;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

// Each row goes through both rules; they differ only in the "-" sign and the range.
const RuleCase kRuleCases[] = {
    {"plain", "42", 42, 42},
    {"blanksAround", "  42 ", 42, 42},
    {"tabsAround", "\t7\t", 7, 7},
    {"plusSign", "+42", 42, 42},
    {"leadingZeros", "007", 7, 7},
    {"zero", "0", 0, 0},
    {"doubleZero", "00", 0, 0},
    {"blankThenZero", " 0", 0, 0},
    {"tabThenZeroThenTab", "\t0\t", 0, 0},
    {"plusZero", "+0", std::nullopt, std::nullopt},
    {"minusZero", "-0", std::nullopt, std::nullopt},
    {"minusZeros", "-000", std::nullopt, std::nullopt},
    {"minusFive", "-5", std::nullopt, -5},
    {"empty", "", std::nullopt, std::nullopt},
    {"blanksOnly", "   ", std::nullopt, std::nullopt},
    {"signOnly", "+", std::nullopt, std::nullopt},
    {"hex", "0x10", std::nullopt, std::nullopt},
    {"exponent", "1e3", std::nullopt, std::nullopt},
    {"comma", "1,000", std::nullopt, std::nullopt},
    {"blankBetweenDigits", "1 2", std::nullopt, std::nullopt},
    {"blankAfterSign", "- 5", std::nullopt, std::nullopt},
    {"blankAfterPlus", "+ 5", std::nullopt, std::nullopt},
    {"twoSigns", "+-5", std::nullopt, std::nullopt},
    {"trailingLetters", "12abc", std::nullopt, std::nullopt},
    {"lineFeedBefore", "\n5", 5, 5},
    {"crVtFfBefore", " \r\v\f5", 5, 5},
    {"lineFeedBeforeZero", "\n0", std::nullopt, std::nullopt},
    {"lineFeedBeforeMinus", "\n-5", std::nullopt, -5},
    {"lineFeedAfter", "5\n", std::nullopt, std::nullopt},
    {"nulInside", std::string("5\0", 2), std::nullopt, std::nullopt},
    {"unsignedMax", "4294967295", 4294967295, 2147483647},
    {"unsignedMaxPlusOne", "4294967296", 4294967295, 2147483647},
    {"elevenNines", "99999999999", 4294967295, 2147483647},
    {"hugeRun", std::string(200, '9'), 4294967295, 2147483647},
    {"signedMax", "2147483647", 2147483647, 2147483647},
    {"signedMaxPlusOne", "2147483648", 2147483648, 2147483647},
    {"signedMin", "-2147483648", std::nullopt, -2147483648LL},
    {"belowSignedMin", "-2147483649", std::nullopt, -2147483648LL},
    {"hugeNegative", "-" + std::string(40, '9'), std::nullopt, -2147483648LL},
    // The rules read the whole view; cutting to 31 characters is the field's business.
    {"zerosThenDigitsUncut", std::string(31, '0') + "42", 42, 42},
    {"digitAfterBlanksThenLetter", "5" + std::string(30, ' ') + "x", std::nullopt, std::nullopt},
};

class NumberRuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(NumberRuleTest, UnsignedRule) {
    const RuleCase& c = GetParam();
    const auto result = parseUnsignedNumber(c.text);
    ASSERT_EQ(result.has_value(), c.unsignedResult.has_value());
    if (result) {
        EXPECT_EQ(*result, *c.unsignedResult);
    }
}

TEST_P(NumberRuleTest, SignedRule) {
    const RuleCase& c = GetParam();
    const auto result = parseSignedNumber(c.text);
    ASSERT_EQ(result.has_value(), c.signedResult.has_value());
    if (result) {
        EXPECT_EQ(*result, *c.signedResult);
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, NumberRuleTest, testing::ValuesIn(kRuleCases),
                         [](const testing::TestParamInfo<RuleCase>& info) { return info.param.name; });

// An independent reading of both rules as a regular expression plus the zero rule, checked
// against every text of up to five characters from an alphabet that hits each branch.
std::optional<std::int64_t> modelRule(const std::string& text, bool isSigned) {
    static const std::regex shape("^[ \t]*[ \t\n\v\f\r]*([+-]?)([0-9]+)[ \t]*$");
    std::smatch m;
    if (!std::regex_match(text, m, shape)) return std::nullopt;
    const bool negative = m[1] == "-";
    if (negative && !isSigned) return std::nullopt;
    const std::string digits = m[2];
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    const std::string significant = firstNonZero == std::string::npos ? "0" : digits.substr(firstNonZero);
    const std::int64_t magnitude = significant.size() > 12 ? 999999999999 : std::stoll(significant);
    const std::size_t first = text.find_first_not_of(" \t");
    if (magnitude == 0 && text[first] != '0') return std::nullopt;
    if (!isSigned) return std::min<std::int64_t>(magnitude, 4294967295);
    return negative ? std::max<std::int64_t>(-magnitude, -2147483648LL) : std::min<std::int64_t>(magnitude, 2147483647);
}

TEST(NumberRuleModel, AgreesWithTheModelOnEveryShortText) {
    const std::string alphabet = std::string(" \t\n\r+-0159x", 11);
    std::vector<std::string> texts = {""};
    for (int length = 1; length <= 5; ++length) {
        std::vector<std::string> longer;
        for (const std::string& t : texts)
            if (t.size() == static_cast<std::size_t>(length - 1))
                for (const char c : alphabet) longer.push_back(t + c);
        texts.insert(texts.end(), longer.begin(), longer.end());
    }
    int accepted = 0;
    for (const std::string& t : texts) {
        const auto u = parseUnsignedNumber(t);
        const auto s = parseSignedNumber(t);
        const auto mu = modelRule(t, false);
        const auto ms = modelRule(t, true);
        ASSERT_EQ(u ? std::optional<std::int64_t>(*u) : std::nullopt, mu) << "unsigned [" << t << "]";
        ASSERT_EQ(s ? std::optional<std::int64_t>(*s) : std::nullopt, ms) << "signed [" << t << "]";
        accepted += s.has_value();
    }
    EXPECT_GT(accepted, 1000);   // the alphabet reaches the accepting paths often
}

TEST(NumberFormat, DecimalWithoutSignPaddingOrGrouping) {
    EXPECT_EQ(formatUnsignedNumber(0), "0");
    EXPECT_EQ(formatUnsignedNumber(1000000), "1000000");
    EXPECT_EQ(formatUnsignedNumber(std::numeric_limits<std::uint32_t>::max()), "4294967295");
    EXPECT_EQ(formatSignedNumber(0), "0");
    EXPECT_EQ(formatSignedNumber(-1), "-1");
    EXPECT_EQ(formatSignedNumber(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(formatSignedNumber(std::numeric_limits<std::int32_t>::max()), "2147483647");
}

// Every written number reads back as itself, at the ends of the ranges and around zero.
TEST(NumberFormat, FormattedNumbersParseBack) {
    for (const std::uint32_t v : {0u, 1u, 9u, 10u, 255u, 256u, 65535u, 2147483647u, 2147483648u, 4294967294u,
                                  4294967295u})
        EXPECT_EQ(parseUnsignedNumber(formatUnsignedNumber(v)), v);
    for (const std::int32_t v : {std::numeric_limits<std::int32_t>::min(), -2147483647, -256, -1, 0, 1, 255,
                                 std::numeric_limits<std::int32_t>::max()})
        EXPECT_EQ(parseSignedNumber(formatSignedNumber(v)), v);
}

}  // namespace
