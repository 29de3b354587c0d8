// File errors: the errno each cause comes from, and the exact texts.
#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>

#include "FileException.h"

namespace {

struct ErrnoCase {
    int osError;
    CFileException::Cause cause;
};

TEST(CFileException, MapsSystemErrorsOntoCauses) {
    const ErrnoCase cases[] = {
        {ENOENT, CFileException::fileNotFound},      {EBADF, CFileException::fileNotFound},
        {ENOTDIR, CFileException::badPath},          {ENAMETOOLONG, CFileException::badPath},
        {ELOOP, CFileException::badPath},            {EINVAL, CFileException::badPath},
        {EMFILE, CFileException::tooManyOpenFiles},  {ENFILE, CFileException::tooManyOpenFiles},
        {EACCES, CFileException::accessDenied},      {EPERM, CFileException::accessDenied},
        {EROFS, CFileException::accessDenied},       {EEXIST, CFileException::accessDenied},
        {EISDIR, CFileException::accessDenied},      {ENXIO, CFileException::invalidFile},
        {ENODEV, CFileException::invalidFile},       {EBUSY, CFileException::removeCurrentDir},
        {ENOTEMPTY, CFileException::removeCurrentDir}, {ESPIPE, CFileException::badSeek},
        {EIO, CFileException::hardIO},               {ENOMEDIUM, CFileException::hardIO},
        {ETXTBSY, CFileException::sharingViolation}, {EWOULDBLOCK, CFileException::lockViolation},
        {ENOLCK, CFileException::lockViolation},     {ENOSPC, CFileException::diskFull},
        {EDQUOT, CFileException::diskFull},          {EFBIG, CFileException::diskFull},
        // Everything else is the unknown error.
        {0, CFileException::genericException},       {EXDEV, CFileException::genericException},
        {ENOMEM, CFileException::genericException},  {ESTALE, CFileException::genericException},
        {-1, CFileException::genericException},      {99999, CFileException::genericException},
    };
    for (const ErrnoCase& c : cases) EXPECT_EQ(CFileException::ErrnoToCause(c.osError), c.cause) << "errno " << c.osError;
}

struct TextCase {
    CFileException::Cause cause;
    const char* text;
};

TEST(CFileException, TextOfEveryCauseNamesTheFile) {
    const TextCase cases[] = {
        {CFileException::genericException, "An unknown error occurred while accessing /d/a.cfg."},
        {CFileException::fileNotFound, "/d/a.cfg was not found."},
        {CFileException::badPath, "/d/a.cfg contains an invalid path."},
        {CFileException::tooManyOpenFiles, "/d/a.cfg could not be opened because there are too many open files."},
        {CFileException::accessDenied, "Access to /d/a.cfg was denied."},
        {CFileException::invalidFile, "An invalid file handle was associated with /d/a.cfg."},
        {CFileException::removeCurrentDir, "/d/a.cfg could not be removed because it is the current directory."},
        {CFileException::directoryFull, "/d/a.cfg could not be created because the directory is full."},
        {CFileException::badSeek, "Seek failed on /d/a.cfg"},
        {CFileException::hardIO, "A hardware I/O error was reported while accessing /d/a.cfg."},
        {CFileException::sharingViolation, "A sharing violation occurred while accessing /d/a.cfg."},
        {CFileException::lockViolation, "A locking violation occurred while accessing /d/a.cfg."},
        {CFileException::diskFull, "Disk full while accessing /d/a.cfg."},
        {CFileException::endOfFile, "An attempt was made to access /d/a.cfg past its end."},
    };
    for (const TextCase& c : cases) {
        const CFileException e(c.cause, "/d/a.cfg", 0);
        std::string text = "untouched";
        EXPECT_TRUE(e.GetErrorMessage(text)) << c.cause;
        EXPECT_EQ(text, c.text);
        EXPECT_STREQ(e.what(), c.text);
        EXPECT_EQ(e.GetFileName(), "/d/a.cfg");
    }
}

TEST(CFileException, ErrorWithoutANameSaysTheFile) {
    const CFileException e(CFileException::hardIO, "", EIO);
    EXPECT_STREQ(e.what(), "A hardware I/O error was reported while accessing the file.");
    EXPECT_EQ(e.GetOsError(), EIO);
    EXPECT_EQ(e.GetFileName(), "");
}

TEST(CFileException, NameIsInsertedLiterally) {
    // A "%1" inside the name is text, not another place to fill.
    const CFileException e(CFileException::fileNotFound, "/tmp/%1 and %2.cfg", ENOENT);
    EXPECT_STREQ(e.what(), "/tmp/%1 and %2.cfg was not found.");
}

TEST(CFileException, NoCauseAndTheBaseHaveNoTextOfTheirOwn) {
    std::string text = "untouched";
    EXPECT_FALSE(CFileException().GetErrorMessage(text));
    EXPECT_FALSE(CException().GetErrorMessage(text));
    EXPECT_EQ(text, "untouched");
}

TEST(CFileException, IsCaughtAsAStandardException) {
    try {
        throw CFileException(CFileException::diskFull, "/x.cfg", ENOSPC);
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Disk full while accessing /x.cfg.");
        const auto* framework = dynamic_cast<const CException*>(&e);
        ASSERT_NE(framework, nullptr);
        std::string text;
        EXPECT_TRUE(framework->GetErrorMessage(text));
        EXPECT_EQ(text, e.what());
    }
}

}  // namespace
