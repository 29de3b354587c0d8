// Fuzz target: decoding stored records and encoding values.
// A record that verifies re-encodes to one that verifies with the same values (the title
// cut to 31 bytes); any values encode to a record that decodes to them again.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "ConfigRecord.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"

namespace {

using Record = std::array<std::uint8_t, ConfigRecord::kSize>;

std::uint32_t le32(const Record& r, int offset) {
    return std::uint32_t{r[offset]} | std::uint32_t{r[offset + 1]} << 8 | std::uint32_t{r[offset + 2]} << 16 |
           std::uint32_t{r[offset + 3]} << 24;
}

ConfigValues sentinel() {
    ConfigValues v;
    v.titleName = "untouched";
    v.hwType = 1;
    v.keyAddr = 2;
    v.style = 3;
    v.customerId = 4;
    v.jpegAddr = -5;
    return v;
}

// What a title becomes after encoding and decoding: up to 31 bytes, up to its first zero.
std::string storedTitle(const std::string& title) {
    const std::string cut = title.substr(0, ConfigRecord::kMaxTitleLength);
    return cut.substr(0, cut.find('\0'));
}

void checkEncoded(const ConfigValues& values, const Record& stored) {
    Record plain = stored;
    invertBytes(plain.data(), ConfigRecord::kSize);
    const std::string title = storedTitle(values.titleName);
    const std::size_t kept = std::min<std::size_t>(values.titleName.size(), ConfigRecord::kMaxTitleLength);
    FUZZ_CHECK(std::memcmp(plain.data(), values.titleName.data(), kept) == 0);
    for (std::size_t i = kept; i < ConfigRecord::kTitleFieldSize; ++i) FUZZ_CHECK(plain[i] == 0);
    FUZZ_CHECK(le32(plain, ConfigRecord::kCustomerIdOffset) == values.customerId);
    FUZZ_CHECK(le32(plain, ConfigRecord::kKeyAddrOffset) == values.keyAddr);
    FUZZ_CHECK(plain[ConfigRecord::kHwTypeOffset] == values.hwType);
    FUZZ_CHECK(plain[ConfigRecord::kStyleOffset] == values.style);
    FUZZ_CHECK(plain[ConfigRecord::kReservedOffset] == 0 && plain[ConfigRecord::kReservedOffset + 1] == 0);
    FUZZ_CHECK(static_cast<std::int32_t>(le32(plain, ConfigRecord::kJpegAddrOffset)) == values.jpegAddr);
    FUZZ_CHECK(le32(plain, ConfigRecord::kChecksumOffset) ==
               computeChecksum(plain.data(), ConfigRecord::kChecksummedBytes));

    Record again = stored;
    ConfigValues decoded = sentinel();
    FUZZ_CHECK(decodeRecord(again.data(), decoded));
    FUZZ_CHECK(again == plain);
    ConfigValues expected = values;
    expected.titleName = title;
    FUZZ_CHECK(decoded == expected);
}

// The first 52 bytes (short inputs padded with stored zeros) as a stored record.
void decodeStored(const std::uint8_t* data, std::size_t size) {
    Record stored;
    stored.fill(0xFF);
    std::memcpy(stored.data(), data, std::min<std::size_t>(size, stored.size()));

    Record buffer = stored;
    ConfigValues values = sentinel();
    const bool verified = decodeRecord(buffer.data(), values);
    for (std::size_t i = 0; i < buffer.size(); ++i) FUZZ_CHECK(buffer[i] == static_cast<std::uint8_t>(~stored[i]));
    const bool sumHolds = computeChecksum(buffer.data(), ConfigRecord::kChecksummedBytes) ==
                          le32(buffer, ConfigRecord::kChecksumOffset);
    FUZZ_CHECK(verified == sumHolds);
    if (!verified) {
        FUZZ_CHECK(values == sentinel());
        return;
    }
    // The title runs to the first zero, which a verified record has by byte 50.
    const auto zero = std::find(buffer.begin(), buffer.end(), 0);
    FUZZ_CHECK(zero - buffer.begin() <= 50);
    FUZZ_CHECK(values.titleName == std::string(buffer.begin(), zero));

    Record reencoded;
    encodeRecord(values, reencoded.data());
    checkEncoded(values, reencoded);
}

// Values made from the input, encoded and decoded again.
void encodeValues(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    ConfigValues values;
    values.hwType = in.byte();
    values.style = in.byte();
    for (int i = 0; i < 4; ++i) values.keyAddr = values.keyAddr << 8 | in.byte();
    for (int i = 0; i < 4; ++i) values.customerId = values.customerId << 8 | in.byte();
    std::uint32_t jpeg = 0;
    for (int i = 0; i < 4; ++i) jpeg = jpeg << 8 | in.byte();
    values.jpegAddr = static_cast<std::int32_t>(jpeg);
    values.titleName = std::string(in.rest());

    Record stored;
    stored.fill(0x5A);   // encoding must overwrite every byte
    encodeRecord(values, stored.data());
    checkEncoded(values, stored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    decodeStored(data, size);
    encodeValues(data, size);
    return 0;
}
