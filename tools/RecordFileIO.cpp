#include "RecordFileIO.h"

#include <cerrno>
#include <cstring>

#include "File.h"

namespace {

// The system's reason, in words that fit the refusals the file layer makes itself.
std::string systemReason(const CFileException& error) {
    switch (error.GetOsError()) {
        case 0: {
            std::string text;
            error.GetErrorMessage(text);
            return text;
        }
        case ENODEV: return "not a regular file";
        case EWOULDBLOCK: return "locked by another program";
        default: return std::strerror(error.GetOsError());
    }
}

}  // namespace

RecordRead readRecordFile(const std::string& path, bool readPartial) {
    RecordRead r;
    CFile file;   // aborted by its destructor when a file error leaves early
    CFileException error;
    if (!file.Open(path.c_str(), CFile::modeRead, &error)) {
        r.reason = systemReason(error);
        return r;
    }
    try {
        r.length = file.GetLength();
        if (r.length != ConfigRecord::kSize && !readPartial) {
            file.Close();   // as Open does after "Length Error!"
            r.status = RecordRead::Status::LengthError;
            return r;
        }
        // Never more than a record: a longer file is not read whole.
        r.bytesRead = file.Read(r.stored.data(), ConfigRecord::kSize);
        file.Close();
    } catch (const CFileException& e) {
        r.status = RecordRead::Status::ReadError;
        r.reason = systemReason(e);
        return r;
    }
    if (r.length != ConfigRecord::kSize) {
        r.status = RecordRead::Status::LengthError;
        return r;
    }
    if (r.bytesRead != ConfigRecord::kSize) {   // cut short by another program while we read
        r.status = RecordRead::Status::ReadError;
        r.reason = "the file ended after " + std::to_string(r.bytesRead) + " bytes";
        return r;
    }
    auto plain = r.stored;
    r.status = decodeRecord(plain.data(), r.values) ? RecordRead::Status::Ok
                                                    : RecordRead::Status::ChecksumMismatch;
    return r;
}

RecordWrite writeRecordFile(const std::string& path, const ConfigValues& values) {
    RecordWrite w;
    std::uint8_t record[ConfigRecord::kSize];
    encodeRecord(values, record);
    CFile file;   // a failure removes the temporary file; the old file stays
    CFileException error;
    if (!file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite, &error)) {
        w.status = RecordWrite::Status::CannotCreate;
        w.reason = systemReason(error);
        return w;
    }
    try {
        file.Write(record, ConfigRecord::kSize);
        file.Close();
    } catch (const CFileException& e) {
        w.status = RecordWrite::Status::WriteError;
        w.reason = systemReason(e);
    }
    return w;
}
