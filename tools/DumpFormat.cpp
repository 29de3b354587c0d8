#include "DumpFormat.h"

#include <cstdio>

#include "NumberRule.h"
#include "ReadReport.h"
#include "ShowFormat.h"
#include "TerminalText.h"
#include "TitleText.h"

namespace {

struct FieldSpan {
    int offset;
    int width;
    const char* name;
};

// In record order; the labels are the editor's where the editor shows the field.
constexpr FieldSpan kFields[] = {
    {ConfigRecord::kTitleOffset, ConfigRecord::kTitleFieldSize, "Title Name"},
    {ConfigRecord::kCustomerIdOffset, 4, "Customer ID"},
    {ConfigRecord::kKeyAddrOffset, 4, "Key Addr"},
    {ConfigRecord::kHwTypeOffset, 1, "HW Type"},
    {ConfigRecord::kStyleOffset, 1, "Style"},
    {ConfigRecord::kReservedOffset, 2, "reserved"},
    {ConfigRecord::kJpegAddrOffset, 4, "JPEG Addr"},
    {ConfigRecord::kChecksumOffset, 4, "checksum"},
};

std::uint32_t u32At(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

std::string hexByte(std::uint8_t b) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02X", b);
    return buf;
}

std::string hexWord(std::uint32_t w) {
    char buf[11];
    std::snprintf(buf, sizeof buf, "0x%08X", w);
    return buf;
}

// A title byte as the editor shows it, quoted.
std::string titleChar(std::uint8_t b) {
    return "'" + titleForTerminal(std::string(1, static_cast<char>(b))) + "'";
}

}  // namespace

std::string fieldAtOffset(int offset) {
    for (const FieldSpan& f : kFields) {
        if (offset >= f.offset && offset < f.offset + f.width)
            return f.width == 1 ? f.name : std::string(f.name) + "[" + std::to_string(offset - f.offset) + "]";
    }
    return "beyond the record";
}

void writeDump(std::ostream& out, const std::string& path, const RecordRead& read) {
    out << pathForTerminal(path) << ": " << read.length << " bytes\n";
    out << "Offset  Stored  Plain  Field\n";
    std::uint8_t plain[ConfigRecord::kSize]{};
    const int count = static_cast<int>(read.bytesRead);
    for (int i = 0; i < count; ++i) {
        plain[i] = static_cast<std::uint8_t>(~read.stored[i]);
        char lead[32];
        std::snprintf(lead, sizeof lead, "%6d  ", i);
        out << lead << hexByte(read.stored[i]) << "      " << hexByte(plain[i]) << "     "
            << fieldAtOffset(i);
        if (i < ConfigRecord::kTitleFieldSize && plain[i] != 0) out << ' ' << titleChar(plain[i]);
        out << '\n';
    }
    if (read.length > static_cast<std::uint64_t>(count))
        out << "(" << read.length - count << " bytes after offset " << count - 1 << " not shown)\n";

    // The values the plain bytes hold, whether or not the checksum vouches for them.
    if (count >= ConfigRecord::kChecksumOffset) {
        std::string title;
        for (int i = 0; i < count && plain[i] != 0; ++i)  // runs on past its field, as decoding does
            title += static_cast<char>(plain[i]);
        out << "Title Name: " << titleForTerminal(title) << '\n'
            << "Customer ID: " << formatUnsignedNumber(u32At(plain + ConfigRecord::kCustomerIdOffset)) << '\n'
            << "Key Addr: " << formatUnsignedNumber(u32At(plain + ConfigRecord::kKeyAddrOffset)) << '\n'
            << "HW Type: " << formatUnsignedNumber(plain[ConfigRecord::kHwTypeOffset]) << '\n'
            << "Style: " << formatUnsignedNumber(plain[ConfigRecord::kStyleOffset]) << '\n'
            << "JPEG Addr: "
            << formatSignedNumber(static_cast<std::int32_t>(u32At(plain + ConfigRecord::kJpegAddrOffset))) << '\n';
        const std::uint32_t computed = computeChecksum(plain, ConfigRecord::kChecksummedBytes);
        out << "Checksum computed over bytes 0-47: " << computed << " (" << hexWord(computed) << ")\n";
        if (count >= ConfigRecord::kSize) {
            const std::uint32_t stored = u32At(plain + ConfigRecord::kChecksumOffset);
            out << "Checksum stored in bytes 48-51:    " << stored << " (" << hexWord(stored) << ")"
                << (stored == computed ? ", equal" : ", different") << '\n';
        }
    }
    out << "Verdict: " << readVerdict(read) << '\n';
}
