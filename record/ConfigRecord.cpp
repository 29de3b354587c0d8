#include "ConfigRecord.h"

#include <algorithm>
#include <cstring>

namespace {

// Byte order is written out so the host's order never matters.
void putU32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

std::uint32_t getU32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

}  // namespace

void invertBytes(std::uint8_t* bytes, int count) {
    for (int i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(~bytes[i]);
}

std::uint32_t computeChecksum(const std::uint8_t* bytes, int count) {
    std::uint32_t sum = 0;
    for (int i = 0; i < count; ++i) sum += bytes[i];
    return sum;
}

void encodeRecord(const ConfigValues& values, std::uint8_t* record) {
    std::memset(record, 0, ConfigRecord::kSize);
    // Longer titles are cut at 31 bytes, without regard to character boundaries.
    const std::size_t n = std::min<std::size_t>(values.titleName.size(), ConfigRecord::kMaxTitleLength);
    std::memcpy(record + ConfigRecord::kTitleOffset, values.titleName.data(), n);
    putU32(record + ConfigRecord::kCustomerIdOffset, values.customerId);
    putU32(record + ConfigRecord::kKeyAddrOffset, values.keyAddr);
    record[ConfigRecord::kHwTypeOffset] = values.hwType;
    record[ConfigRecord::kStyleOffset] = values.style;
    putU32(record + ConfigRecord::kJpegAddrOffset, static_cast<std::uint32_t>(values.jpegAddr));
    putU32(record + ConfigRecord::kChecksumOffset, computeChecksum(record, ConfigRecord::kChecksummedBytes));
    invertBytes(record, ConfigRecord::kSize);
}

bool decodeRecord(std::uint8_t* record, ConfigValues& values) {
    invertBytes(record, ConfigRecord::kSize);
    if (computeChecksum(record, ConfigRecord::kChecksummedBytes) !=
        getU32(record + ConfigRecord::kChecksumOffset))
        return false;

    // The title runs to the first zero byte, even past its field; a matching
    // checksum guarantees bytes 50 and 51 are zero, so it ends by byte 50.
    const auto* title = reinterpret_cast<const char*>(record + ConfigRecord::kTitleOffset);
    values.titleName.assign(title, ::strnlen(title, ConfigRecord::kSize));
    values.customerId = getU32(record + ConfigRecord::kCustomerIdOffset);
    values.keyAddr = getU32(record + ConfigRecord::kKeyAddrOffset);
    values.hwType = record[ConfigRecord::kHwTypeOffset];
    values.style = record[ConfigRecord::kStyleOffset];
    values.jpegAddr = static_cast<std::int32_t>(getU32(record + ConfigRecord::kJpegAddrOffset));
    return true;
}
