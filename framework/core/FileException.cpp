#include "FileException.h"

#include <cerrno>

namespace {

const char* causeFormat(CFileException::Cause cause) {
    switch (cause) {
    case CFileException::none: return "";
    case CFileException::genericException: return "An unknown error occurred while accessing %1.";
    case CFileException::fileNotFound: return "%1 was not found.";
    case CFileException::badPath: return "%1 contains an invalid path.";
    case CFileException::tooManyOpenFiles:
        return "%1 could not be opened because there are too many open files.";
    case CFileException::accessDenied: return "Access to %1 was denied.";
    case CFileException::invalidFile: return "An invalid file handle was associated with %1.";
    case CFileException::removeCurrentDir:
        return "%1 could not be removed because it is the current directory.";
    case CFileException::directoryFull: return "%1 could not be created because the directory is full.";
    case CFileException::badSeek: return "Seek failed on %1";
    case CFileException::hardIO: return "A hardware I/O error was reported while accessing %1.";
    case CFileException::sharingViolation: return "A sharing violation occurred while accessing %1.";
    case CFileException::lockViolation: return "A locking violation occurred while accessing %1.";
    case CFileException::diskFull: return "Disk full while accessing %1.";
    case CFileException::endOfFile: return "An attempt was made to access %1 past its end.";
    }
    return "An unknown error occurred while accessing %1.";
}

}  // namespace

CFileException::CFileException(Cause cause, std::string fileName, int osError)
    : m_cause(cause), m_fileName(std::move(fileName)), m_osError(osError),
      m_text(CauseText(cause, m_fileName)) {}

CFileException::Cause CFileException::ErrnoToCause(int osError) {
    switch (osError) {
    case ENOENT:
    case EBADF:          // an invalid handle
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EEXIST:
    case EISDIR:         // a folder cannot be opened as a file
        return accessDenied;
    case ENXIO:          // a FIFO without a reader, a device that is not there
    case ENODEV:
        return invalidFile;
    case EBUSY:
    case ENOTEMPTY:
        return removeCurrentDir;
    case ESPIPE:
        return badSeek;
    case EIO:
    case ENOMEDIUM:
        return hardIO;
    case ETXTBSY:
        return sharingViolation;
    case EWOULDBLOCK:    // another process holds the lock
    case ENOLCK:
        return lockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return genericException;
    }
}

std::string CFileException::CauseText(Cause cause, const std::string& fileName) {
    const std::string& name = fileName.empty() ? std::string(kUnnamedFile) : fileName;
    std::string text = causeFormat(cause);
    for (std::size_t at = text.find("%1"); at != std::string::npos; at = text.find("%1", at + name.size()))
        text.replace(at, 2, name);
    return text;
}

bool CFileException::GetErrorMessage(std::string& text) const {
    if (m_cause == none) return false;
    text = m_text;
    return true;
}
