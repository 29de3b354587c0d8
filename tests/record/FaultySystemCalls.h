// Test seam: the real system calls, except one chosen call that fails with a chosen errno.
#pragma once

#include <cerrno>
#include <map>

#include "SystemCalls.h"

enum class Call { open, stat, lstat, readlink, getcwd, fstat, read, write, ftruncate, fsync, fchmod, fchown, flock, rename, unlink, close };

class FaultySystemCalls : public PosixSystemCalls {
public:
    // The `nth` call (1-based, counted from now) of `call` fails with `osError`.
    void failOn(Call call, int osError, int nth = 1) {
        m_failing = call;
        m_osError = osError;
        m_nth = nth;
        m_counts.clear();
    }
    // Each read or write moves at most this many bytes (0: no limit).
    void limitTransfer(std::size_t bytes) { m_limit = bytes; }
    // Every write stores nothing and reports no error, as a device that is full may.
    void storeNothing() { m_storeNothing = true; }
    int count(Call call) const {
        const auto it = m_counts.find(call);
        return it == m_counts.end() ? 0 : it->second;
    }
    bool fired() const { return m_fired; }

    int open(const char* p, int f, mode_t m) override { return hit(Call::open) ? -1 : PosixSystemCalls::open(p, f, m); }
    int stat(const char* p, struct ::stat* s) override { return hit(Call::stat) ? -1 : PosixSystemCalls::stat(p, s); }
    int lstat(const char* p, struct ::stat* s) override { return hit(Call::lstat) ? -1 : PosixSystemCalls::lstat(p, s); }
    ssize_t readlink(const char* p, char* b, std::size_t n) override {
        return hit(Call::readlink) ? -1 : PosixSystemCalls::readlink(p, b, n);
    }
    char* getcwd(char* b, std::size_t n) override { return hit(Call::getcwd) ? nullptr : PosixSystemCalls::getcwd(b, n); }
    int fstat(int fd, struct ::stat* s) override { return hit(Call::fstat) ? -1 : PosixSystemCalls::fstat(fd, s); }
    ssize_t read(int fd, void* b, std::size_t n) override {
        return hit(Call::read) ? -1 : PosixSystemCalls::read(fd, b, limited(n));
    }
    ssize_t write(int fd, const void* b, std::size_t n) override {
        if (hit(Call::write)) return -1;
        return m_storeNothing ? 0 : PosixSystemCalls::write(fd, b, limited(n));
    }
    int ftruncate(int fd, off_t n) override { return hit(Call::ftruncate) ? -1 : PosixSystemCalls::ftruncate(fd, n); }
    int fsync(int fd) override { return hit(Call::fsync) ? -1 : PosixSystemCalls::fsync(fd); }
    int fchmod(int fd, mode_t m) override { return hit(Call::fchmod) ? -1 : PosixSystemCalls::fchmod(fd, m); }
    int fchown(int fd, uid_t u, gid_t g) override { return hit(Call::fchown) ? -1 : PosixSystemCalls::fchown(fd, u, g); }
    int flock(int fd, int op) override { return hit(Call::flock) ? -1 : PosixSystemCalls::flock(fd, op); }
    int rename(const char* a, const char* b) override { return hit(Call::rename) ? -1 : PosixSystemCalls::rename(a, b); }
    int unlink(const char* p) override { return hit(Call::unlink) ? -1 : PosixSystemCalls::unlink(p); }
    // As on Linux, a failing close still releases the descriptor.
    int close(int fd) override {
        const bool fail = hit(Call::close);
        const int result = PosixSystemCalls::close(fd);
        if (!fail) return result;
        errno = m_osError;
        return -1;
    }

private:
    bool hit(Call call) {
        const int n = ++m_counts[call];
        if (call != m_failing || n != m_nth) return false;
        m_fired = true;
        errno = m_osError;
        return true;
    }
    std::size_t limited(std::size_t n) const { return m_limit != 0 && n > m_limit ? m_limit : n; }

    std::map<Call, int> m_counts;
    Call m_failing = Call::open;
    int m_osError = 0;
    int m_nth = 0;   // 0: nothing fails
    std::size_t m_limit = 0;
    bool m_fired = false;
    bool m_storeNothing = false;
};
