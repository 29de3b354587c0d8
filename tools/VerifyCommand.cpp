#include "Commands.h"
#include "ExitStatus.h"
#include "ReadReport.h"
#include "RecordFileIO.h"

// One line per file on the output, so a folder's report reads in the order given.
int runVerify(const std::vector<std::string>& files, Streams io) {
    int status = kExitOk;
    for (const std::string& path : files) {
        const RecordRead read = readRecordFile(path);
        status = worseStatus(status, readStatus(read));
        io.out << path << ": " << readVerdict(read) << '\n';
    }
    return status;
}
