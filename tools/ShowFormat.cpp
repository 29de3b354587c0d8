#include "ShowFormat.h"

#include "ReadReport.h"
#include "TitleText.h"

std::string formatNumber(long long value) { return std::to_string(value); }

void writeValueLines(std::ostream& out, const ConfigValues& v) {
    out << "Title Name: " << titleForTerminal(v.titleName) << '\n'
        << "Customer ID: " << formatNumber(v.customerId) << '\n'
        << "Key Addr: " << formatNumber(v.keyAddr) << '\n'
        << "HW Type: " << formatNumber(v.hwType) << '\n'
        << "Style: " << formatNumber(v.style) << '\n'
        << "JPEG Addr: " << formatNumber(v.jpegAddr) << '\n';
}

nlohmann::ordered_json recordJson(const std::string& path, const RecordRead& read) {
    nlohmann::ordered_json j;
    j["file"] = path;
    using S = RecordRead::Status;
    if (read.status == S::CannotOpen) {
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
