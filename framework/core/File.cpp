#include "File.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <random>

#include "SystemCalls.h"

namespace {

constexpr int kMaxLinkHops = 40;       // as the kernel allows
constexpr std::size_t kMaxTempBase = 200;  // keeps the temporary name under NAME_MAX
constexpr int kTempAttempts = 100;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links of the last component, so the file a link names is the one
// replaced and the link itself stays. A missing file ends the walk: it will be created
// where the last link points. Returns 0 or an errno.
int resolveLinks(const std::string& path, std::string& target) {
    SystemCalls& sys = systemCalls();
    std::string current = path;
    for (int hops = 0;; ++hops) {
        struct ::stat info {};
        if (sys.lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT) return errno;
            break;
        }
        if (!S_ISLNK(info.st_mode)) break;
        if (hops == kMaxLinkHops) return ELOOP;
        char buffer[PATH_MAX];
        const ssize_t n = sys.readlink(current.c_str(), buffer, sizeof buffer);
        if (n < 0) return errno;
        if (static_cast<std::size_t>(n) == sizeof buffer) return ENAMETOOLONG;
        const std::string link(buffer, static_cast<std::size_t>(n));
        current = !link.empty() && link.front() == '/' ? link : folderOf(current) + "/" + link;
    }
    target = current;
    return 0;
}

// Creates a new, empty file beside `target`; the umask applies as to any new file.
int createTemporary(const std::string& target, std::string& tempPath) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::string stem = folderOf(target) + "/." + nameOf(target).substr(0, kMaxTempBase) + ".";
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        std::string candidate = stem;
        for (int i = 0; i < 6; ++i) candidate += kLetters[random() % (sizeof kLetters - 1)];
        candidate += ".tmp";
        const int fd = systemCalls().open(candidate.c_str(),
                                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            tempPath = candidate;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

CFile::~CFile() { Abort(); }

bool CFile::Open(const char* fileName, unsigned openFlags, CFileException* error) {
    Abort();
    m_filePath = fileName ? fileName : "";
    if (m_filePath.empty()) return fail(ENOENT, error);
    if (m_filePath.front() != '/') {
        char cwd[PATH_MAX];
        if (!systemCalls().getcwd(cwd, sizeof cwd)) return fail(errno, error);
        m_filePath = std::string(cwd) + "/" + m_filePath;
    }
    if (openFlags == modeRead) return openForReading(error);
    if (openFlags == (modeCreate | modeWrite)) return openForWriting(error);
    return fail(EINVAL, error);
}

bool CFile::openForReading(CFileException* error) {
    SystemCalls& sys = systemCalls();
    // Look before opening: opening a device or FIFO can block or have side effects.
    struct ::stat info {};
    if (sys.stat(m_filePath.c_str(), &info) != 0) return fail(errno, error);
    if (!S_ISREG(info.st_mode)) return fail(S_ISDIR(info.st_mode) ? EISDIR : ENODEV, error);

    const int fd = sys.open(m_filePath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0) return fail(errno, error);
    int osError = 0;
    if (sys.fstat(fd, &info) != 0)
        osError = errno;
    else if (!S_ISREG(info.st_mode))   // replaced since we looked
        osError = ENODEV;
    else if (sys.flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        osError = EWOULDBLOCK;         // other flock errors: a file system without locks
    if (osError != 0) {
        sys.close(fd);
        return fail(osError, error);
    }
    m_fd = fd;
    return true;
}

bool CFile::openForWriting(CFileException* error) {
    SystemCalls& sys = systemCalls();
    std::string target;
    if (const int osError = resolveLinks(m_filePath, target)) return fail(osError, error);

    // The existing target, opened without truncating: to refuse what may not be
    // written, to hold its lock, and to write in place where replacing won't do.
    const int fd = sys.open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0 && errno != ENOENT) return fail(errno, error);
    struct ::stat info {};
    if (fd >= 0) {
        int osError = 0;
        if (sys.fstat(fd, &info) != 0)
            osError = errno;
        else if ((info.st_mode & 0222) == 0)   // read-only for root as well
            osError = EACCES;
        else if (S_ISREG(info.st_mode) && sys.flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
            osError = EWOULDBLOCK;
        if (osError != 0) {
            sys.close(fd);
            return fail(osError, error);
        }
        if (!S_ISREG(info.st_mode)) {   // device or FIFO: written directly
            m_fd = fd;
            return true;
        }
    }

    bool inPlace = fd >= 0 && info.st_nlink > 1;   // replacing would split the links
    if (!inPlace) {
        const int tempFd = createTemporary(target, m_tempPath);
        if (tempFd >= 0) {
            m_fd = tempFd;
            m_lockFd = fd;
            m_targetPath = target;
            m_keepOwnerAndMode = fd >= 0;
            m_mode = info.st_mode & 07777;
            m_owner = info.st_uid;
            m_group = info.st_gid;
            return true;
        }
        const int osError = errno;
        // A folder that refuses new files may still hold a file we may write.
        if (fd < 0 || (osError != EACCES && osError != EPERM)) {
            if (fd >= 0) sys.close(fd);
            return fail(osError, error);
        }
        inPlace = true;
    }
    if (sys.ftruncate(fd, 0) != 0) {
        const int osError = errno;
        sys.close(fd);
        return fail(osError, error);
    }
    m_fd = fd;
    m_syncOnClose = true;
    return true;
}

bool CFile::fail(int osError, CFileException* error) {
    if (error) *error = CFileException(CFileException::ErrnoToCause(osError), m_filePath, osError);
    return false;
}

void CFile::raise(int osError, const std::string& name) const {
    throw CFileException(CFileException::ErrnoToCause(osError), name, osError);
}

std::uint64_t CFile::GetLength() const {
    struct ::stat info {};
    if (systemCalls().fstat(m_fd, &info) != 0) raise(errno, {});
    return static_cast<std::uint64_t>(info.st_size);
}

unsigned CFile::Read(void* buffer, unsigned count) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    unsigned done = 0;
    while (done < count) {
        const ssize_t n = systemCalls().read(m_fd, bytes + done, count - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            raise(errno, {});
        }
        if (n == 0) break;
        done += static_cast<unsigned>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, unsigned count) {
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    unsigned done = 0;
    while (done < count) {
        const ssize_t n = systemCalls().write(m_fd, bytes + done, count - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            raise(errno, m_filePath);
        }
        if (n == 0) raise(ENOSPC, m_filePath);   // stored fewer bytes than asked
        done += static_cast<unsigned>(n);
    }
}

void CFile::Close() {
    SystemCalls& sys = systemCalls();
    int osError = 0;
    if (!m_tempPath.empty()) {
        // Owner before mode: changing the owner clears set-id bits.
        if (m_keepOwnerAndMode) {
            sys.fchown(m_fd, m_owner, m_group);   // not ours to give away: keep ours
            if (sys.fchmod(m_fd, m_mode) != 0) osError = errno;
        }
        if (osError == 0 && sys.fsync(m_fd) != 0) osError = errno;
        if (sys.close(m_fd) != 0 && osError == 0) osError = errno;
        m_fd = -1;
        if (osError == 0 && sys.rename(m_tempPath.c_str(), m_targetPath.c_str()) != 0) osError = errno;
        if (osError == 0) m_tempPath.clear();   // it is the target now
    } else if (m_fd >= 0) {
        if (m_syncOnClose && sys.fsync(m_fd) != 0) osError = errno;
        if (sys.close(m_fd) != 0 && osError == 0) osError = errno;
        m_fd = -1;
    }
    releaseAll();
    if (osError != 0) raise(osError, {});
}

void CFile::Abort() { releaseAll(); }

void CFile::releaseAll() {
    SystemCalls& sys = systemCalls();
    if (m_fd >= 0) sys.close(m_fd);
    if (!m_tempPath.empty()) sys.unlink(m_tempPath.c_str());
    if (m_lockFd >= 0) sys.close(m_lockFd);   // the replaced file's lock
    m_fd = -1;
    m_lockFd = -1;
    m_tempPath.clear();
    m_targetPath.clear();
    m_syncOnClose = false;
    m_keepOwnerAndMode = false;
}
