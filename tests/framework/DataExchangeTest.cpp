// UpdateData and the step routines over a fake dialog: every kind's accepted and refused
// inputs, what a refusal shows and leaves, and the three failure reports.
#include "DataExchange.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "FakeDialog.h"
#include "HelpContext.h"

namespace {

constexpr int kField = 1011;
constexpr int kOther = 1012;
constexpr std::uint32_t kOuterContext = 0x20066;   // the editor's own topic

enum class Kind { Byte, Unsigned, Signed };

struct KindInfo {
    unsigned stringId;
    const char* message;
};

KindInfo infoOf(Kind kind) {
    switch (kind) {
    case Kind::Byte: return {0xF116, "Please enter an integer between 0 and 255."};
    case Kind::Unsigned: return {0xF117, "Please enter a positive integer."};
    case Kind::Signed: return {0xF110, "Please enter an integer."};
    }
    return {};
}

// One number field of the given kind whose value starts at `initial`.
struct NumberField {
    Kind kind;
    std::uint8_t byteValue;
    std::uint32_t unsignedValue;
    std::int32_t signedValue;

    NumberField(Kind k, std::int64_t initial)
        : kind(k), byteValue(static_cast<std::uint8_t>(initial)),
          unsignedValue(static_cast<std::uint32_t>(initial)), signedValue(static_cast<std::int32_t>(initial)) {}

    void exchange(CDataExchange* pDX, int id) {
        switch (kind) {
        case Kind::Byte: DDX_Text(pDX, id, byteValue); break;
        case Kind::Unsigned: DDX_Text(pDX, id, unsignedValue); break;
        case Kind::Signed: DDX_Text(pDX, id, signedValue); break;
        }
    }
    std::int64_t value() const {
        switch (kind) {
        case Kind::Byte: return byteValue;
        case Kind::Unsigned: return unsignedValue;
        case Kind::Signed: return signedValue;
        }
        return 0;
    }
};

struct TakeCase {
    const char* name;
    Kind kind;
    std::string text;
    std::optional<std::int64_t> result;   // nullopt: refused with the kind's message
};

void PrintTo(const TakeCase& c, std::ostream* os) { *os << c.name; }

const std::string k30Blanks(30, ' ');

const TakeCase kTakeCases[] = {
    // unsigned 8-bit (HW Type, Style)
    {"Byte_255", Kind::Byte, "255", 255},
    {"Byte_0", Kind::Byte, "0", 0},
    {"Byte_00", Kind::Byte, "00", 0},
    {"Byte_BlanksAround", Kind::Byte, "  42 ", 42},
    {"Byte_Plus", Kind::Byte, "+42", 42},
    {"Byte_LeadingZeros", Kind::Byte, "007", 7},
    {"Byte_LineFeedBefore", Kind::Byte, "\n5", 5},
    {"Byte_OnlyFirst31Count", Kind::Byte, "5" + k30Blanks + "x", 5},
    {"Byte_256", Kind::Byte, "256", std::nullopt},
    {"Byte_2147483648", Kind::Byte, "2147483648", std::nullopt},
    {"Byte_4294967295", Kind::Byte, "4294967295", std::nullopt},
    {"Byte_ElevenNines", Kind::Byte, "99999999999", std::nullopt},
    {"Byte_Minus1", Kind::Byte, "-1", std::nullopt},
    {"Byte_Letters", Kind::Byte, "abc", std::nullopt},
    {"Byte_Empty", Kind::Byte, "", std::nullopt},
    {"Byte_PlusZero", Kind::Byte, "+0", std::nullopt},
    {"Byte_MinusZero", Kind::Byte, "-0", std::nullopt},
    {"Byte_LineFeedZero", Kind::Byte, "\n0", std::nullopt},
    // unsigned 32-bit (Key Addr, Customer ID)
    {"Unsigned_BlanksAround", Kind::Unsigned, "  42 ", 42},
    {"Unsigned_TabsAround", Kind::Unsigned, "\t7\t", 7},
    {"Unsigned_Plus", Kind::Unsigned, "+42", 42},
    {"Unsigned_LeadingZeros", Kind::Unsigned, "007", 7},
    {"Unsigned_0", Kind::Unsigned, "0", 0},
    {"Unsigned_00", Kind::Unsigned, "00", 0},
    {"Unsigned_Max", Kind::Unsigned, "4294967295", 4294967295},
    {"Unsigned_MaxPlusOneClamps", Kind::Unsigned, "4294967296", 4294967295},
    {"Unsigned_ElevenNinesClamp", Kind::Unsigned, "99999999999", 4294967295},
    {"Unsigned_LineFeedBefore", Kind::Unsigned, "\n5", 5},
    {"Unsigned_OnlyFirst31Count", Kind::Unsigned, "5" + k30Blanks + "x", 5},
    {"Unsigned_31ZerosThen42", Kind::Unsigned, std::string(31, '0') + "42", 0},
    {"Unsigned_30ZerosThen42", Kind::Unsigned, std::string(30, '0') + "42", 4},
    {"Unsigned_LetterInside31", Kind::Unsigned, "5" + std::string(29, ' ') + "x", std::nullopt},
    {"Unsigned_Empty", Kind::Unsigned, "", std::nullopt},
    {"Unsigned_BlanksOnly", Kind::Unsigned, "    ", std::nullopt},
    {"Unsigned_PlusZero", Kind::Unsigned, "+0", std::nullopt},
    {"Unsigned_MinusZero", Kind::Unsigned, "-0", std::nullopt},
    {"Unsigned_Minus5", Kind::Unsigned, "-5", std::nullopt},
    {"Unsigned_Hex", Kind::Unsigned, "0x10", std::nullopt},
    {"Unsigned_Exponent", Kind::Unsigned, "1e3", std::nullopt},
    {"Unsigned_Comma", Kind::Unsigned, "1,000", std::nullopt},
    {"Unsigned_BlankBetweenDigits", Kind::Unsigned, "1 2", std::nullopt},
    {"Unsigned_BlankAfterSign", Kind::Unsigned, "- 5", std::nullopt},
    {"Unsigned_TrailingLetters", Kind::Unsigned, "12abc", std::nullopt},
    {"Unsigned_LineFeedZero", Kind::Unsigned, "\n0", std::nullopt},
    {"Unsigned_LineFeedMinus", Kind::Unsigned, "\n-5", std::nullopt},
    // signed 32-bit (JPEG Addr)
    {"Signed_Minus5", Kind::Signed, "-5", -5},
    {"Signed_Min", Kind::Signed, "-2147483648", -2147483648LL},
    {"Signed_Max", Kind::Signed, "2147483647", 2147483647},
    {"Signed_AboveMaxClamps", Kind::Signed, "2147483648", 2147483647},
    {"Signed_BelowMinClamps", Kind::Signed, "-2147483649", -2147483648LL},
    {"Signed_FarBelowMinClamps", Kind::Signed, "-99999999999", -2147483648LL},
    {"Signed_0", Kind::Signed, "0", 0},
    {"Signed_LineFeedMinus", Kind::Signed, "\n-5", -5},
    {"Signed_OnlyFirst31Count", Kind::Signed, "-5" + std::string(29, '\t') + "x", -5},
    {"Signed_MinusZero", Kind::Signed, "-0", std::nullopt},
    {"Signed_PlusZero", Kind::Signed, "+0", std::nullopt},
    {"Signed_LineFeedZero", Kind::Signed, "\n0", std::nullopt},
    {"Signed_Letters", Kind::Signed, "abc", std::nullopt},
    {"Signed_Empty", Kind::Signed, "", std::nullopt},
    {"Signed_BlankAfterSign", Kind::Signed, "- 5", std::nullopt},
};

class TakeNumber : public testing::TestWithParam<TakeCase> {};

TEST_P(TakeNumber, AcceptsOrRefusesWithTheKindsMessage) {
    const TakeCase& c = GetParam();
    constexpr std::int64_t kBefore = 77;
    FakeDialog dlg;
    dlg.fields[kField] = c.text;
    NumberField field(c.kind, kBefore);
    dlg.exchangeList = [&](CDataExchange* pDX) { field.exchange(pDX, kField); };

    ScopedHelpPromptContext outer(kOuterContext);
    const bool ok = dlg.UpdateData(true);

    ASSERT_EQ(dlg.reads.size(), 1u);
    EXPECT_EQ(dlg.reads[0].limit, std::optional<int>(31));
    EXPECT_TRUE(dlg.sets.empty());
    if (c.result) {
        EXPECT_TRUE(ok);
        EXPECT_EQ(field.value(), *c.result);
        EXPECT_TRUE(dlg.messages.empty());
        EXPECT_TRUE(dlg.focused.empty());
    } else {
        const KindInfo info = infoOf(c.kind);
        EXPECT_FALSE(ok);
        EXPECT_EQ(field.value(), kBefore);
        ASSERT_EQ(dlg.messages.size(), 1u);
        EXPECT_EQ(dlg.messages[0].text, info.message);
        EXPECT_EQ(dlg.messages[0].stringId, std::optional<unsigned>(info.stringId));
        EXPECT_EQ(dlg.messages[0].helpContextWhileOpen, 0x30000u + info.stringId);
        EXPECT_EQ(dlg.focused, std::vector<int>{kField});
    }
    EXPECT_EQ(AfxGetHelpPromptContext(), kOuterContext);
}

INSTANTIATE_TEST_SUITE_P(Inputs, TakeNumber, testing::ValuesIn(kTakeCases),
                         [](const testing::TestParamInfo<TakeCase>& info) { return info.param.name; });

struct ShowCase {
    const char* name;
    Kind kind;
    std::int64_t value;
    const char* text;
};

void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.name; }

const ShowCase kShowCases[] = {
    {"Byte_0", Kind::Byte, 0, "0"},
    {"Byte_255", Kind::Byte, 255, "255"},
    {"Unsigned_0", Kind::Unsigned, 0, "0"},
    {"Unsigned_Max", Kind::Unsigned, 4294967295, "4294967295"},
    {"Signed_Min", Kind::Signed, -2147483648LL, "-2147483648"},
    {"Signed_Minus1", Kind::Signed, -1, "-1"},
    {"Signed_Max", Kind::Signed, 2147483647, "2147483647"},
};

class ShowNumber : public testing::TestWithParam<ShowCase> {};

// Show hands exactly the decimal text to the field, once, and reads nothing.
TEST_P(ShowNumber, WritesTheDecimalText) {
    const ShowCase& c = GetParam();
    FakeDialog dlg;
    dlg.fields[kField] = "typed";
    NumberField field(c.kind, c.value);
    dlg.exchangeList = [&](CDataExchange* pDX) { field.exchange(pDX, kField); };

    EXPECT_TRUE(dlg.UpdateData(false));
    ASSERT_EQ(dlg.sets.size(), 1u);
    EXPECT_EQ(dlg.sets[0], std::make_pair(kField, std::string(c.text)));
    EXPECT_TRUE(dlg.reads.empty());
    EXPECT_EQ(field.value(), c.value);
}

INSTANTIATE_TEST_SUITE_P(Values, ShowNumber, testing::ValuesIn(kShowCases),
                         [](const testing::TestParamInfo<ShowCase>& info) { return info.param.name; });

TEST(ExchangeText, TakenWholeAndShownExactly) {
    FakeDialog dlg;
    const std::string typed = "  C:\\path with blanks\t" + std::string(300, 'x');
    dlg.fields[kField] = typed;
    std::string value = "old";
    dlg.exchangeList = [&](CDataExchange* pDX) { DDX_Text(pDX, kField, value); };

    EXPECT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(value, typed);
    ASSERT_EQ(dlg.reads.size(), 1u);
    EXPECT_EQ(dlg.reads[0].limit, std::nullopt);

    value = std::string("\x01\xFF title", 8);
    EXPECT_TRUE(dlg.UpdateData(false));
    ASSERT_EQ(dlg.sets.size(), 1u);
    EXPECT_EQ(dlg.sets[0].second, value);
    EXPECT_TRUE(dlg.limits.empty());   // paths and text get no limit of their own
}

}  // namespace
