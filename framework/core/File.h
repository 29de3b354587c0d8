// CFile: a file held open, without sharing, for the span of one command.
//
// Reading (modeRead) opens an existing regular file and takes an exclusive lock
// without waiting; anything else (a folder, FIFO, device or socket, a file another
// process holds locked) is refused and never blocks. The lock is an advisory
// flock(2), so it keeps out programs that lock too (every CFile does); on a file
// system that has no flock the file is used unlocked rather than refused.
//
// Writing (modeCreate | modeWrite) never destroys the file it replaces. The bytes
// go to a temporary file beside the target; Close() flushes it to disk, gives it
// the old file's owner and mode and renames it over the target. Abort(), the
// destructor and every failure remove the temporary file and leave the old one as
// it was. A symbolic link keeps pointing where it did (the file it names is
// replaced). A file with several hard links, and a regular file whose folder
// refuses new files, are emptied and written in place. A target that is not a
// regular file (a device, a FIFO) is written directly, without blocking. A target
// without any write permission bit is read-only for every user, root included.
//
// Open() reports failure by returning false (and filling the optional exception
// object); it never throws. GetLength, Read, Write and Close throw CFileException.
// Write errors name the file's full path; length, read and close errors name no
// file (their text says CFileException::kUnnamedFile).
#pragma once

#include <cstdint>
#include <string>

#include "FileException.h"

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeCreate = 0x1000,
    };

    CFile() = default;
    ~CFile();   // a file still open is closed as Abort() does
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // modeRead, or modeCreate | modeWrite. Any other combination is refused (EINVAL).
    bool Open(const char* fileName, unsigned openFlags, CFileException* error = nullptr);

    // Size in bytes of the open file.
    std::uint64_t GetLength() const;
    // Reads up to `count` bytes; fewer only at the end of the file. Returns how many.
    unsigned Read(void* buffer, unsigned count);
    // Writes all `count` bytes; storing fewer raises CFileException::diskFull.
    void Write(const void* buffer, unsigned count);
    // Finishes the file (for writing: flush, replace the target). The file is
    // closed afterwards also when this throws; a failed write leaves the old file.
    void Close();
    // Closes without finishing and without throwing; no effect when nothing is open.
    void Abort();

    // The full path the file was opened with (made absolute, links not resolved).
    const std::string& GetFilePath() const { return m_filePath; }

private:
    bool openForReading(CFileException* error);
    bool openForWriting(CFileException* error);
    bool fail(int osError, CFileException* error);
    [[noreturn]] void raise(int osError, const std::string& name) const;
    void releaseAll();

    std::string m_filePath;
    int m_fd = -1;             // where reads and writes go
    int m_lockFd = -1;         // the replaced target, held locked while a temporary file is written
    std::string m_tempPath;    // non-empty while a temporary file exists
    std::string m_targetPath;  // what the temporary file replaces (links resolved)
    bool m_syncOnClose = false;
    bool m_keepOwnerAndMode = false;
    unsigned m_mode = 0;       // the replaced file's mode, owner and group
    unsigned m_owner = 0;
    unsigned m_group = 0;
};
