#include "ReadReport.h"

#include "ExitStatus.h"

std::string readVerdict(const RecordRead& read) {
    switch (read.status) {
        case RecordRead::Status::Ok: return "ok";
        case RecordRead::Status::LengthError:
            return "Length Error! (" + std::to_string(read.length) + " bytes)";
        case RecordRead::Status::ChecksumMismatch: return "check data error!";
        case RecordRead::Status::CannotOpen: return "cannot be opened: " + read.reason;
        case RecordRead::Status::ReadError: return "read error: " + read.reason;
    }
    return "read error";
}

int readStatus(const RecordRead& read) {
    switch (read.status) {
        case RecordRead::Status::Ok: return kExitOk;
        case RecordRead::Status::LengthError:
        case RecordRead::Status::ChecksumMismatch: return kExitDataErr;
        case RecordRead::Status::CannotOpen: return kExitNoInput;
        case RecordRead::Status::ReadError: return kExitIoErr;
    }
    return kExitIoErr;
}
