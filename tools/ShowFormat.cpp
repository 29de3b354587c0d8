#include "ShowFormat.h"

#include "NumberRule.h"
#include "ReadReport.h"
#include "TitleText.h"

void writeValueLines(std::ostream& out, const ConfigValues& v) {
    out << "Title Name: " << titleForTerminal(v.titleName) << '\n'
        << "Customer ID: " << formatUnsignedNumber(v.customerId) << '\n'
        << "Key Addr: " << formatUnsignedNumber(v.keyAddr) << '\n'
        << "HW Type: " << formatUnsignedNumber(v.hwType) << '\n'
        << "Style: " << formatUnsignedNumber(v.style) << '\n'
        << "JPEG Addr: " << formatSignedNumber(v.jpegAddr) << '\n';
}

nlohmann::ordered_json recordJson(const std::string& path, const RecordRead& read) {
    nlohmann::ordered_json j;
    j["file"] = path;
    using S = RecordRead::Status;
    if (read.status == S::CannotOpen || read.status == S::ReadError) {   // length not reliably known
        j["error"] = readVerdict(read);
        return j;
    }
    j["length"] = read.length;
    switch (read.status) {
        case S::Ok: {
            const ConfigValues& v = read.values;
            j["checksum"] = "ok";
            j["titleName"] = titleToUtf8(v.titleName);
            j["customerId"] = v.customerId;
            j["keyAddr"] = v.keyAddr;
            j["hwType"] = v.hwType;
            j["style"] = v.style;
            j["jpegAddr"] = v.jpegAddr;
            j["titleHex"] = titleHex(v.titleName);
            break;
        }
        case S::ChecksumMismatch: j["checksum"] = "mismatch"; break;
        default: j["error"] = readVerdict(read); break;
    }
    return j;
}
