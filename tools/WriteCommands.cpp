#include "Commands.h"
#include "ExitStatus.h"
#include "ReadReport.h"
#include "RecordFileIO.h"
#include "TerminalText.h"

namespace {

// Validates the given values and writes the record; nothing is written after a refusal.
int applyAndWrite(ConfigValues values, const ValueTexts& texts, const std::string& output, Streams io) {
    if (const auto refusal = applyValueTexts(texts, values)) {
        io.err << refusal->label << ": " << refusal->message << '\n';
        return kExitDataErr;
    }
    const RecordWrite written = writeRecordFile(output, values);
    switch (written.status) {
        case RecordWrite::Status::Ok: return kExitOk;
        case RecordWrite::Status::CannotCreate:
            io.err << pathForTerminal(output) << ": cannot be created: " << written.reason << '\n';
            return kExitCantCreate;
        case RecordWrite::Status::WriteError:
            io.err << pathForTerminal(output) << ": write error: " << written.reason << '\n';
            return kExitIoErr;
    }
    return kExitIoErr;
}

}  // namespace

int runSet(const std::string& file, const std::optional<std::string>& output, const ValueTexts& texts,
           Streams io) {
    const RecordRead read = readRecordFile(file);
    if (read.status != RecordRead::Status::Ok) {
        io.err << pathForTerminal(file) << ": " << readVerdict(read) << '\n';
        return readStatus(read);
    }
    return applyAndWrite(read.values, texts, output.value_or(file), io);
}

int runNew(const std::string& output, const ValueTexts& texts, Streams io) {
    return applyAndWrite(ConfigValues{}, texts, output, io);
}
