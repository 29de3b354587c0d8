// The one seam between the file layer and the kernel: every system call CFile makes
// goes through SystemCalls, so tests can make any one of them fail.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

// Each call behaves as its POSIX namesake: -1 and errno on failure.
class SystemCalls {
public:
    virtual ~SystemCalls() = default;

    virtual int open(const char* path, int flags, mode_t mode) = 0;
    virtual int stat(const char* path, struct ::stat* info) = 0;
    virtual int lstat(const char* path, struct ::stat* info) = 0;
    virtual ssize_t readlink(const char* path, char* buffer, std::size_t size) = 0;
    virtual char* getcwd(char* buffer, std::size_t size) = 0;
    virtual int fstat(int fd, struct ::stat* info) = 0;
    virtual ssize_t read(int fd, void* buffer, std::size_t count) = 0;
    virtual ssize_t write(int fd, const void* buffer, std::size_t count) = 0;
    virtual int ftruncate(int fd, off_t length) = 0;
    virtual int fsync(int fd) = 0;
    virtual int fchmod(int fd, mode_t mode) = 0;
    virtual int fchown(int fd, uid_t owner, gid_t group) = 0;
    virtual int flock(int fd, int operation) = 0;
    virtual int rename(const char* from, const char* to) = 0;
    virtual int unlink(const char* path) = 0;
    virtual int close(int fd) = 0;
};

// The real calls. Tests derive from it and override the call they break.
class PosixSystemCalls : public SystemCalls {
public:
    int open(const char* path, int flags, mode_t mode) override;
    int stat(const char* path, struct ::stat* info) override;
    int lstat(const char* path, struct ::stat* info) override;
    ssize_t readlink(const char* path, char* buffer, std::size_t size) override;
    char* getcwd(char* buffer, std::size_t size) override;
    int fstat(int fd, struct ::stat* info) override;
    ssize_t read(int fd, void* buffer, std::size_t count) override;
    ssize_t write(int fd, const void* buffer, std::size_t count) override;
    int ftruncate(int fd, off_t length) override;
    int fsync(int fd) override;
    int fchmod(int fd, mode_t mode) override;
    int fchown(int fd, uid_t owner, gid_t group) override;
    int flock(int fd, int operation) override;
    int rename(const char* from, const char* to) override;
    int unlink(const char* path) override;
    int close(int fd) override;
};

// The calls in force: the real ones unless a ScopedSystemCalls is alive.
SystemCalls& systemCalls();

// Puts `calls` in force for its lifetime, then restores what was there before.
class ScopedSystemCalls {
public:
    explicit ScopedSystemCalls(SystemCalls& calls);
    ~ScopedSystemCalls();
    ScopedSystemCalls(const ScopedSystemCalls&) = delete;
    ScopedSystemCalls& operator=(const ScopedSystemCalls&) = delete;

private:
    SystemCalls* m_previous;
};
