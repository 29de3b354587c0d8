#include "Commands.h"
#include "DumpFormat.h"
#include "ExitStatus.h"
#include "ReadReport.h"
#include "RecordFileIO.h"
#include "TerminalText.h"

int runDump(const std::string& file, Streams io) {
    const RecordRead read = readRecordFile(file, /*readPartial=*/true);
    if (read.status == RecordRead::Status::CannotOpen || read.status == RecordRead::Status::ReadError) {
        io.err << pathForTerminal(file) << ": " << readVerdict(read) << '\n';
        return readStatus(read);
    }
    writeDump(io.out, file, read);
    return readStatus(read);
}
