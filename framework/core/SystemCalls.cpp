#include "SystemCalls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>


int PosixSystemCalls::open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
int PosixSystemCalls::stat(const char* path, struct ::stat* info) { return ::stat(path, info); }
int PosixSystemCalls::lstat(const char* path, struct ::stat* info) { return ::lstat(path, info); }
ssize_t PosixSystemCalls::readlink(const char* path, char* buffer, std::size_t size) {
    return ::readlink(path, buffer, size);
}
char* PosixSystemCalls::getcwd(char* buffer, std::size_t size) { return ::getcwd(buffer, size); }
int PosixSystemCalls::fstat(int fd, struct ::stat* info) { return ::fstat(fd, info); }
ssize_t PosixSystemCalls::read(int fd, void* buffer, std::size_t count) { return ::read(fd, buffer, count); }
ssize_t PosixSystemCalls::write(int fd, const void* buffer, std::size_t count) {
    return ::write(fd, buffer, count);
}
int PosixSystemCalls::ftruncate(int fd, off_t length) { return ::ftruncate(fd, length); }
int PosixSystemCalls::fsync(int fd) { return ::fsync(fd); }
int PosixSystemCalls::fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int PosixSystemCalls::fchown(int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); }
int PosixSystemCalls::flock(int fd, int operation) { return ::flock(fd, operation); }
int PosixSystemCalls::rename(const char* from, const char* to) { return ::rename(from, to); }
int PosixSystemCalls::unlink(const char* path) { return ::unlink(path); }
int PosixSystemCalls::close(int fd) { return ::close(fd); }

namespace {

SystemCalls& posixCalls() {
    static PosixSystemCalls calls;
    return calls;
}

SystemCalls* g_current = nullptr;   // null: the real calls

}  // namespace

SystemCalls& systemCalls() { return g_current ? *g_current : posixCalls(); }

ScopedSystemCalls::ScopedSystemCalls(SystemCalls& calls) : m_previous(g_current) { g_current = &calls; }

ScopedSystemCalls::~ScopedSystemCalls() { g_current = m_previous; }
