// The record format: the worked example, edge values and the checksum verdict.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "ConfigRecord.h"
#include "WorkedExample.h"

namespace {

using Bytes = std::array<std::uint8_t, ConfigRecord::kSize>;

Bytes inverted(Bytes bytes) {
    for (auto& b : bytes) b = static_cast<std::uint8_t>(~b);
    return bytes;
}

// A stored record from plain bytes 0..47, with the checksum written as given.
Bytes storedWithChecksum(Bytes plain, std::uint32_t checksum) {
    for (int i = 0; i < 4; ++i) plain[48 + i] = static_cast<std::uint8_t>(checksum >> (8 * i));
    return inverted(plain);
}

std::uint32_t plainSum(const Bytes& plain) {
    std::uint32_t sum = 0;
    for (int i = 0; i < 48; ++i) sum += plain[i];
    return sum;
}

Bytes storedWithCorrectChecksum(const Bytes& plain) { return storedWithChecksum(plain, plainSum(plain)); }

ConfigValues someValues() {
    ConfigValues v;
    v.titleName = "before";
    v.hwType = 7;
    v.keyAddr = 0x11223344;
    v.style = 9;
    v.customerId = 123456;
    v.jpegAddr = -77;
    return v;
}

const Bytes kExampleStored = {
    0x9E, 0x9D, 0x9C, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,                          // title field
    0x17, 0xFC, 0xFF, 0xFF,                                      // customerId 1000
    0xFF, 0xFF, 0xFE, 0xFF,                                      // keyAddr 65536
    0xFD, 0xFE, 0xFF, 0xFF,                                      // hwType, style, reserved
    0x01, 0x00, 0x00, 0x00,                                      // jpegAddr -2
    0xEF, 0xF9, 0xFF, 0xFF,                                      // checksum 0x610
};

TEST(ConfigRecord, WorkedExampleEncodesByteForByte) {
    Bytes record;
    record.fill(0x5A);   // encoding must overwrite every byte
    encodeRecord(exampleValues(), record.data());
    EXPECT_EQ(record, kExampleStored);
}

TEST(ConfigRecord, WorkedExampleDecodesToItsValuesAndLeavesPlainBytes) {
    Bytes record = kExampleStored;
    ConfigValues values = someValues();
    ASSERT_TRUE(decodeRecord(record.data(), values));
    EXPECT_EQ(values, exampleValues());
    EXPECT_EQ(record, inverted(kExampleStored));
    EXPECT_EQ(record[48], 0x10);
    EXPECT_EQ(record[49], 0x06);
}

TEST(ConfigRecord, EmptyValuesAreAllFFAndAllFFDecodesToEmptyValues) {
    Bytes record{};
    encodeRecord(ConfigValues{}, record.data());
    Bytes allFF;
    allFF.fill(0xFF);
    EXPECT_EQ(record, allFF);

    ConfigValues values = someValues();
    ASSERT_TRUE(decodeRecord(record.data(), values));
    EXPECT_EQ(values, ConfigValues{});
    EXPECT_EQ(record, Bytes{});
}

TEST(ConfigRecord, AllZeroStoredBytesAreAMismatch) {
    Bytes record{};
    ConfigValues values = someValues();
    EXPECT_FALSE(decodeRecord(record.data(), values));
    EXPECT_EQ(values, someValues());
    Bytes allFF;
    allFF.fill(0xFF);
    EXPECT_EQ(record, allFF);   // plain form even on a mismatch
}

TEST(ConfigRecord, AllOnesNumbersAreStoredAsZeroBytes) {
    ConfigValues v;
    v.customerId = 4294967295u;
    v.jpegAddr = -1;
    Bytes record;
    encodeRecord(v, record.data());
    for (int i : {32, 33, 34, 35, 44, 45, 46, 47}) EXPECT_EQ(record[i], 0x00) << "byte " << i;
    ConfigValues back;
    ASSERT_TRUE(decodeRecord(record.data(), back));
    EXPECT_EQ(back, v);
}

struct TitleCase {
    const char* name;
    std::string title;
    std::string kept;   // what the record holds and decodes back to
};

class TitleLength : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleLength, IsCutAt31BytesAndZeroFilled) {
    const TitleCase& c = GetParam();
    ConfigValues v;
    v.titleName = c.title;
    v.style = 3;
    Bytes record;
    encodeRecord(v, record.data());
    const Bytes plain = inverted(record);
    for (int i = 0; i < 32; ++i) {
        const std::uint8_t expected = i < static_cast<int>(c.kept.size()) ? c.kept[i] : 0;
        EXPECT_EQ(plain[i], expected) << "byte " << i;
    }
    ConfigValues back;
    ASSERT_TRUE(decodeRecord(record.data(), back));
    EXPECT_EQ(back.titleName, c.kept);
    EXPECT_EQ(back.style, 3);
}

std::string bytesUpTo(int n) {   // every non-zero byte value occurs somewhere in the set
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>(255 - i * 7 % 255);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    ConfigRecord, TitleLength,
    ::testing::Values(TitleCase{"Empty", "", ""}, TitleCase{"One", "x", "x"},
                      TitleCase{"Exactly31", std::string(31, 'Q'), std::string(31, 'Q')},
                      TitleCase{"Of32", std::string(32, 'R'), std::string(31, 'R')},
                      TitleCase{"Of40", bytesUpTo(40), bytesUpTo(31)},
                      TitleCase{"HighBytes", "\xE9t\xE9\x80\xFF", "\xE9t\xE9\x80\xFF"}),
    [](const auto& info) { return info.param.name; });

TEST(ConfigRecord, TitleWithoutZeroRunsIntoCustomerIdAndIsCutAgainOnEncoding) {
    Bytes plain{};
    for (int i = 0; i < 32; ++i) plain[i] = 'A';
    plain[32] = 66;   // customerId 66 = "B"
    Bytes record = storedWithCorrectChecksum(plain);
    ConfigValues values;
    ASSERT_TRUE(decodeRecord(record.data(), values));
    EXPECT_EQ(values.titleName, std::string(32, 'A') + "B");
    EXPECT_EQ(values.customerId, 66u);

    encodeRecord(values, record.data());
    const Bytes again = inverted(record);
    for (int i = 0; i < 31; ++i) EXPECT_EQ(again[i], 'A') << "byte " << i;
    EXPECT_EQ(again[31], 0);
    EXPECT_EQ(again[32], 66);
}

TEST(ConfigRecord, TitleEndsAtByte50AtTheLatest) {
    Bytes plain{};
    for (int i = 0; i < 47; ++i) plain[i] = 0x0A;
    plain[47] = 0x2D;   // sum 0x0203: checksum bytes 48 and 49 are non-zero too
    Bytes record = storedWithCorrectChecksum(plain);
    ConfigValues values;
    ASSERT_TRUE(decodeRecord(record.data(), values));
    EXPECT_EQ(values.titleName.size(), 50u);
    EXPECT_EQ(values.titleName.substr(48), "\x03\x02");
}

TEST(ConfigRecord, ReservedBytesCountInTheChecksumAndAreDroppedOnEncoding) {
    Bytes plain = inverted(kExampleStored);
    plain[42] = 0x12;
    plain[43] = 0x34;
    ConfigValues values = someValues();
    Bytes withoutThem = storedWithChecksum(plain, 0x610);   // sum as if they were zero
    EXPECT_FALSE(decodeRecord(withoutThem.data(), values));
    EXPECT_EQ(values, someValues());

    Bytes record = storedWithCorrectChecksum(plain);
    ASSERT_TRUE(decodeRecord(record.data(), values));
    EXPECT_EQ(values, exampleValues());
    encodeRecord(values, record.data());
    EXPECT_EQ(record, kExampleStored);
}

TEST(ConfigRecord, NonZeroByte50Or51NeverMatches) {
    const Bytes plain = inverted(kExampleStored);
    for (int index : {50, 51}) {
        for (int value : {0x01, 0x80, 0xFF}) {
            const std::uint32_t checksum = plainSum(plain) | static_cast<std::uint32_t>(value) << (8 * (index - 48));
            Bytes record = storedWithChecksum(plain, checksum);
            ConfigValues values = someValues();
            EXPECT_FALSE(decodeRecord(record.data(), values)) << "byte " << index << " = " << value;
            EXPECT_EQ(values, someValues());
        }
    }
}

TEST(ConfigRecord, MismatchLeavesEveryValueUntouched) {
    // Off by one in each checksum byte in turn: every field, title included, would change.
    for (int index = 48; index < 52; ++index) {
        Bytes record = kExampleStored;
        record[index] ^= 0x01;
        ConfigValues values = someValues();
        EXPECT_FALSE(decodeRecord(record.data(), values)) << "byte " << index;
        EXPECT_EQ(values, someValues());
        Bytes expectedPlain = inverted(kExampleStored);
        expectedPlain[index] ^= 0x01;
        EXPECT_EQ(record, expectedPlain);
    }
}

TEST(ConfigRecord, InversionCoversEveryByteValueAndUndoesItself) {
    std::array<std::uint8_t, 256> bytes;
    for (int i = 0; i < 256; ++i) bytes[i] = static_cast<std::uint8_t>(i);
    invertBytes(bytes.data(), 256);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(bytes[i], 255 - i) << "value " << i;
    invertBytes(bytes.data(), 256);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(bytes[i], i) << "value " << i;
}

TEST(ConfigRecord, ChecksumReadsEveryByteAsUnsigned) {
    std::array<std::uint8_t, 256> bytes;
    for (int i = 0; i < 256; ++i) bytes[i] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(computeChecksum(bytes.data(), 256), 32640u);
    EXPECT_EQ(computeChecksum(bytes.data() + 255, 1), 255u);
    std::array<std::uint8_t, 48> full;
    full.fill(0xFF);
    EXPECT_EQ(computeChecksum(full.data(), 48), 12240u);
}

TEST(ConfigRecord, CountOfZeroOrLessDoesNothing) {
    for (int count : {0, -1, -52}) {
        std::array<std::uint8_t, 4> bytes = {1, 2, 0x80, 0xFF};
        invertBytes(bytes.data(), count);
        EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{1, 2, 0x80, 0xFF})) << count;
        EXPECT_EQ(computeChecksum(bytes.data(), count), 0u) << count;
    }
    std::array<std::uint8_t, 4> bytes = {1, 2, 3, 4};
    invertBytes(bytes.data(), 2);   // only the first `count`
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0xFE, 0xFD, 3, 4}));
}

}  // namespace
