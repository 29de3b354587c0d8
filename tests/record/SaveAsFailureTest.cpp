// Save as when a system call fails under it: the error reaches the caller with
// its cause and text, and the file on disk is the old one, whole.
#include <sys/stat.h>

#include "CommandFixture.h"
#include "FaultySystemCalls.h"
#include "File.h"

namespace {

struct SaveFault {
    const char* name;
    Call call;
    int nth;
    int osError;
    std::size_t transfer;   // bytes per write before the failure (0: all)
    bool existing;          // an old file is there to keep
    CFileException::Cause cause;
    const char* text;       // "%1" stands for the chosen path
    bool atClose;           // the write completed; the state was shown
};

void PrintTo(const SaveFault& c, std::ostream* os) { *os << c.name; }

class SaveAsFileError : public SaveAsCommand, public ::testing::WithParamInterface<SaveFault> {};

TEST_P(SaveAsFileError, ReachesTheCallerAndLeavesTheOldFile) {
    const SaveFault& c = GetParam();
    const std::string path = c.existing ? oldFile("target.cfg") : folder.path("target.cfg");
    window.answers = {path};

    FaultySystemCalls faulty;
    faulty.failOn(c.call, c.osError, c.nth);
    faulty.limitTransfer(c.transfer);
    try {
        ScopedSystemCalls scope(faulty);
        OnSaveAs(state, window);
        ADD_FAILURE() << "no file error";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetCause(), c.cause);
        EXPECT_EQ(e.GetOsError(), c.osError);
        std::string text = c.text;
        if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, path);
        EXPECT_EQ(e.what(), text);
    }
    EXPECT_TRUE(faulty.fired());

    EXPECT_EQ(window.calls, c.atClose ? kSaved : (Calls{"takeState", "chooseFile(save)"}));
    EXPECT_EQ(state.m_values, typedValues());
    EXPECT_EQ(recordBuffer(), storedBytes(typedValues()));
    EXPECT_EQ(state.m_outputPath, path);
    EXPECT_EQ(window.fields["output"], c.atClose ? path : "/typed/output.cfg");
    if (c.existing) {
        expectOldFile(path);
        expectFolderHolds({"target.cfg"});
    } else {
        expectFolderHolds({});
    }
}

INSTANTIATE_TEST_SUITE_P(
    SaveAsCommand, SaveAsFileError,
    ::testing::Values(
        SaveFault{"DiskFullAfter20Bytes", Call::write, 2, ENOSPC, 20, true, CFileException::diskFull,
                  "Disk full while accessing %1.", false},
        SaveFault{"QuotaOnNewFile", Call::write, 1, EDQUOT, 0, false, CFileException::diskFull,
                  "Disk full while accessing %1.", false},
        SaveFault{"WriteHardwareError", Call::write, 1, EIO, 0, true, CFileException::hardIO,
                  "A hardware I/O error was reported while accessing %1.", false},
        SaveFault{"FlushFails", Call::fsync, 1, EIO, 0, true, CFileException::hardIO,
                  "A hardware I/O error was reported while accessing the file.", true},
        SaveFault{"FlushFindsDiskFull", Call::fsync, 1, ENOSPC, 0, false, CFileException::diskFull,
                  "Disk full while accessing the file.", true},
        SaveFault{"ModeCannotBeKept", Call::fchmod, 1, EPERM, 0, true, CFileException::accessDenied,
                  "Access to the file was denied.", true},
        SaveFault{"CloseFails", Call::close, 1, EIO, 0, true, CFileException::hardIO,
                  "A hardware I/O error was reported while accessing the file.", true},
        SaveFault{"RenameRefused", Call::rename, 1, EACCES, 0, true, CFileException::accessDenied,
                  "Access to the file was denied.", true},
        SaveFault{"RenameUnlistedError", Call::rename, 1, EXDEV, 0, false, CFileException::genericException,
                  "An unknown error occurred while accessing the file.", true}),
    [](const auto& info) { return info.param.name; });

TEST_F(SaveAsCommand, AbortedOpenForWritingLeavesNoTrace) {
    // The temporary file cannot be created for an unlisted reason: refused, old file kept.
    const std::string path = oldFile("target.cfg");
    FaultySystemCalls faulty;
    faulty.failOn(Call::open, EIO, 2);   // the first open is the target's own
    window.answers = {path};
    {
        ScopedSystemCalls scope(faulty);
        OnSaveAs(state, window);
    }
    EXPECT_TRUE(faulty.fired());
    EXPECT_EQ(window.calls, kAborted);
    expectOldFile(path);
    expectFolderHolds({"target.cfg"});
}

TEST_F(SaveAsCommand, FolderRefusingNewFilesIsWrittenInPlace) {
    const std::string path = oldFile("target.cfg");
    struct ::stat before {};
    ::stat(path.c_str(), &before);
    FaultySystemCalls faulty;
    faulty.failOn(Call::open, EACCES, 2);   // no temporary file allowed beside it
    window.answers = {path};
    {
        ScopedSystemCalls scope(faulty);
        OnSaveAs(state, window);
    }
    EXPECT_TRUE(faulty.fired());
    EXPECT_EQ(window.calls, kSaved);
    EXPECT_EQ(readBytes(path), storedBytes(typedValues()));
    struct ::stat after {};
    ::stat(path.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    expectFolderHolds({"target.cfg"});
}

}  // namespace
