#include "Commands.h"
#include "ExitStatus.h"
#include "ReadReport.h"
#include "RecordFileIO.h"
#include "ShowFormat.h"
#include "TerminalText.h"

int runShow(const std::vector<std::string>& files, bool json, Streams io) {
    int status = kExitOk;
    const bool several = files.size() > 1;
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    bool first = true;
    for (const std::string& path : files) {
        const RecordRead read = readRecordFile(path);
        status = worseStatus(status, readStatus(read));
        if (json) {
            all.push_back(recordJson(path, read));
            continue;
        }
        if (read.status != RecordRead::Status::Ok) {
            io.err << pathForTerminal(path) << ": " << readVerdict(read) << '\n';
            continue;
        }
        if (several) io.out << (first ? "" : "\n") << pathForTerminal(path) << ":\n";
        first = false;
        writeValueLines(io.out, read.values);
    }
    if (json) {
        const auto& doc = several ? all : all.front();
        io.out << doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    }
    return status;
}
