#include "RecordFileIO.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

// Interim POSIX version; moves onto CFile when the framework's file layer lands.
namespace {

std::string systemReason(int err) { return std::strerror(err); }

}  // namespace

RecordRead readRecordFile(const std::string& path, bool readPartial) {
    RecordRead r;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        r.reason = systemReason(errno);
        return r;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        r.reason = S_ISREG(st.st_mode) ? systemReason(errno) : "not a regular file";
        ::close(fd);
        return r;
    }
    r.length = static_cast<std::uint64_t>(st.st_size);
    if (r.length != ConfigRecord::kSize && !readPartial) {
        ::close(fd);
        r.status = RecordRead::Status::LengthError;
        return r;
    }
    const ssize_t n = ::read(fd, r.stored.data(), r.stored.size());
    if (n < 0) {
        r.reason = systemReason(errno);
        r.status = RecordRead::Status::ReadError;
        ::close(fd);
        return r;
    }
    ::close(fd);
    r.bytesRead = static_cast<std::size_t>(n);
    if (r.length != ConfigRecord::kSize) {
        r.status = RecordRead::Status::LengthError;
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
    const std::string temp = path + ".tmp-brevant";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        w.status = RecordWrite::Status::CannotCreate;
        w.reason = systemReason(errno);
        return w;
    }
    if (::write(fd, record, sizeof record) != static_cast<ssize_t>(sizeof record) || ::fsync(fd) != 0 ||
        ::close(fd) != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
        w.status = RecordWrite::Status::WriteError;
        w.reason = systemReason(errno);
        ::unlink(temp.c_str());
    }
    return w;
}
