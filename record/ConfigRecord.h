// The 52-byte configuration record: plain layout, editable values, and the
// operations between values and the stored (bitwise inverted) bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Plain layout of the record; multi-byte numbers are little-endian.
struct ConfigRecord {
    static constexpr int kSize = 52;
    static constexpr int kChecksummedBytes = 48;   // bytes 0..47 are summed
    static constexpr int kTitleOffset = 0;
    static constexpr int kTitleFieldSize = 32;     // 31 bytes of text and a zero
    static constexpr int kMaxTitleLength = 31;
    static constexpr int kCustomerIdOffset = 32;
    static constexpr int kKeyAddrOffset = 36;
    static constexpr int kHwTypeOffset = 40;
    static constexpr int kStyleOffset = 41;
    static constexpr int kReservedOffset = 42;     // two bytes, zero when we build a record
    static constexpr int kJpegAddrOffset = 44;
    static constexpr int kChecksumOffset = 48;
};

// The six values a user edits, in the order the editor holds and exchanges them.
// The title is bytes of the 8-bit code page and may be longer than 31 in memory.
struct ConfigValues {
    std::string titleName;
    std::uint8_t hwType = 0;
    std::uint32_t keyAddr = 0;
    std::uint8_t style = 0;
    std::uint32_t customerId = 0;
    std::int32_t jpegAddr = 0;

    bool operator==(const ConfigValues&) const = default;
};

// Replaces each of the first `count` bytes by its bitwise NOT; count <= 0 changes nothing.
void invertBytes(std::uint8_t* bytes, int count);

// Sum of the first `count` bytes as unsigned values; count <= 0 gives 0.
std::uint32_t computeChecksum(const std::uint8_t* bytes, int count);

// Fills `record` (52 bytes) with the stored form of `values`. Cannot fail.
void encodeRecord(const ConfigValues& values, std::uint8_t* record);

// Turns the stored form in `record` (52 bytes) into the plain form in place and
// compares checksums. On a match replaces all of `values` and returns true; on a
// mismatch leaves `values` untouched and returns false.
bool decodeRecord(std::uint8_t* record, ConfigValues& values);
