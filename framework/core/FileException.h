// File errors: one of fourteen causes, the file's name and the system's errno.
#pragma once

#include <string>

#include "Exception.h"

class CFileException : public CException {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    // Stands for the file in the text when the error carries no name: a failed
    // length query, read or close names no file.
    static constexpr const char* kUnnamedFile = "the file";

    CFileException() = default;
    CFileException(Cause cause, std::string fileName, int osError);

    // The cause a system error number leads to; numbers not listed give genericException.
    static Cause ErrnoToCause(int osError);
    // The cause's text with every "%1" replaced by `fileName` (kUnnamedFile when empty).
    static std::string CauseText(Cause cause, const std::string& fileName);

    Cause GetCause() const { return m_cause; }
    const std::string& GetFileName() const { return m_fileName; }
    int GetOsError() const { return m_osError; }

    // False only for `none`, which has no text.
    bool GetErrorMessage(std::string& text) const override;
    const char* what() const noexcept override { return m_text.c_str(); }

private:
    Cause m_cause = none;
    std::string m_fileName;   // full path for writes; empty for length, read and close
    int m_osError = 0;
    std::string m_text;
};
