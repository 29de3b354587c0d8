// CFile over real files: exclusive holding, refusals without exceptions, 64-bit
// lengths, and a replaced file that is whole or untouched, never in between.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "FaultySystemCalls.h"
#include "File.h"
#include "TempFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class FileTest : public ::testing::Test {
protected:
    void SetUp() override { m_descriptors = openDescriptorCount(); }
    void TearDown() override { EXPECT_EQ(openDescriptorCount(), m_descriptors) << "a descriptor stayed open"; }

    std::string existing(const std::string& name, const Bytes& bytes = Bytes(10, 0x22)) {
        const std::string path = folder.path(name);
        writeBytes(path, bytes);
        return path;
    }

    TempFolder folder;

private:
    int m_descriptors = 0;
};

constexpr unsigned kWrite = CFile::modeCreate | CFile::modeWrite;

TEST_F(FileTest, ReaderHoldsTheFileAgainstEveryOtherOpen) {
    const std::string path = existing("a.cfg");
    CFile reader;
    ASSERT_TRUE(reader.Open(path.c_str(), CFile::modeRead));

    CFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.GetCause(), CFileException::lockViolation);
    EXPECT_FALSE(second.Open(path.c_str(), kWrite, &error));
    EXPECT_EQ(error.GetCause(), CFileException::lockViolation);
    EXPECT_EQ(readBytes(path), Bytes(10, 0x22));

    reader.Close();
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead));
}

TEST_F(FileTest, WriterHoldsTheTargetUntilItIsReplaced) {
    const std::string path = existing("a.cfg");
    CFile writer;
    ASSERT_TRUE(writer.Open(path.c_str(), kWrite));
    writer.Write("new", 3);

    CFile reader;
    EXPECT_FALSE(reader.Open(path.c_str(), CFile::modeRead));
    EXPECT_EQ(readBytes(path), Bytes(10, 0x22));   // nothing replaced before Close

    writer.Close();
    ASSERT_TRUE(reader.Open(path.c_str(), CFile::modeRead));
    char buffer[8] = {};
    EXPECT_EQ(reader.Read(buffer, sizeof buffer), 3u);
    EXPECT_STREQ(buffer, "new");
}

struct Refusal {
    const char* name;
    const char* fileName;   // in the folder
    unsigned flags;
    CFileException::Cause cause;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

class FileRefusal : public FileTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(FileRefusal, ReturnsFalseWithCauseAndFullPath) {
    const Refusal& c = GetParam();
    ::mkdir(folder.path("dir").c_str(), 0755);
    ::mkfifo(folder.path("fifo").c_str(), 0644);
    existing("readonly");
    ::chmod(folder.path("readonly").c_str(), 0444);

    const std::string path = folder.path(c.fileName);
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path.c_str(), c.flags, &error));
    EXPECT_EQ(error.GetCause(), c.cause);
    EXPECT_EQ(error.GetFileName(), path);
    EXPECT_EQ(file.GetFilePath(), path);
    EXPECT_FALSE(file.Open(path.c_str(), c.flags));   // without an error object too
    file.Abort();                                      // nothing open: no effect
    std::vector<std::string> names = folder.names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"dir", "fifo", "readonly"}));
}

INSTANTIATE_TEST_SUITE_P(
    CFile, FileRefusal,
    ::testing::Values(Refusal{"ReadMissing", "missing", CFile::modeRead, CFileException::fileNotFound},
                      Refusal{"ReadFolder", "dir", CFile::modeRead, CFileException::accessDenied},
                      Refusal{"ReadFifo", "fifo", CFile::modeRead, CFileException::invalidFile},
                      Refusal{"ReadThroughAFile", "readonly/x", CFile::modeRead, CFileException::badPath},
                      Refusal{"WriteFolder", "dir", kWrite, CFileException::accessDenied},
                      Refusal{"WriteFifoWithoutReader", "fifo", kWrite, CFileException::invalidFile},
                      Refusal{"WriteReadOnly", "readonly", kWrite, CFileException::accessDenied},
                      Refusal{"WriteInMissingFolder", "none/x", kWrite, CFileException::fileNotFound},
                      Refusal{"WriteWithoutCreate", "new", CFile::modeWrite, CFileException::badPath},
                      Refusal{"CreateWithoutWrite", "new", CFile::modeCreate, CFileException::badPath}),
    [](const auto& info) { return info.param.name; });

TEST_F(FileTest, RelativePathIsKeptInFull) {
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(folder.path().c_str()), 0);
    CFile file;
    const bool opened = file.Open("rel.cfg", kWrite);
    const std::string full = file.GetFilePath();
    if (opened) file.Close();
    ASSERT_EQ(::chdir(previous), 0);
    EXPECT_TRUE(opened);
    EXPECT_EQ(full, folder.path("rel.cfg"));
    EXPECT_EQ(readBytes(folder.path("rel.cfg")), Bytes{});
}

TEST_F(FileTest, WriterNotClosedLeavesTheOldFileAndNoTemporary) {
    const std::string path = existing("a.cfg");
    {
        CFile aborted;
        ASSERT_TRUE(aborted.Open(path.c_str(), kWrite));
        aborted.Write("xyz", 3);
        aborted.Abort();
        aborted.Abort();
    }
    {
        CFile dropped;   // destroyed while open, as when an exception leaves a command
        ASSERT_TRUE(dropped.Open(path.c_str(), kWrite));
        dropped.Write("xyz", 3);
    }
    EXPECT_EQ(readBytes(path), Bytes(10, 0x22));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"a.cfg"});
}

TEST_F(FileTest, LengthIsSixtyFourBitsWide) {
    const std::string path = existing("big.cfg", {});
    ASSERT_EQ(::truncate(path.c_str(), (off_t{1} << 32) + 52), 0);
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    EXPECT_EQ(file.GetLength(), (std::uint64_t{1} << 32) + 52);
}

TEST_F(FileTest, ReadReturnsWhatThereIs) {
    const std::string path = existing("ten.cfg");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    std::uint8_t buffer[52] = {};
    EXPECT_EQ(file.Read(buffer, 0), 0u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(file.Read(buffer, 52), 10u);
    EXPECT_EQ(buffer[9], 0x22);
    EXPECT_EQ(file.Read(buffer, 52), 0u);
}

TEST_F(FileTest, InterruptedCallsAreRepeated) {
    const std::string path = existing("a.cfg");
    FaultySystemCalls faulty;
    ScopedSystemCalls scope(faulty);
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    faulty.failOn(Call::read, EINTR);
    std::uint8_t buffer[10] = {};
    EXPECT_EQ(file.Read(buffer, 10), 10u);
    EXPECT_TRUE(faulty.fired());
    file.Close();

    ASSERT_TRUE(file.Open(path.c_str(), kWrite));
    faulty.failOn(Call::write, EINTR);
    file.Write("abc", 3);
    file.Close();
    EXPECT_TRUE(faulty.fired());
    EXPECT_EQ(readBytes(path), (Bytes{'a', 'b', 'c'}));
}

TEST_F(FileTest, WriteThatStoresNothingIsDiskFull) {
    const std::string path = existing("a.cfg");
    FaultySystemCalls faulty;
    ScopedSystemCalls scope(faulty);
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kWrite));
    faulty.storeNothing();
    try {
        file.Write("abc", 3);
        ADD_FAILURE() << "no file error";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetCause(), CFileException::diskFull);
        EXPECT_EQ(e.what(), "Disk full while accessing " + path + ".");
    }
    file.Abort();
    EXPECT_EQ(readBytes(path), Bytes(10, 0x22));
}

TEST_F(FileTest, NewFileGetsTheUsualModeAndOldFileKeepsOwnerAndMode) {
    const mode_t previous = ::umask(027);
    const std::string fresh = folder.path("fresh.cfg");
    CFile file;
    const bool created = file.Open(fresh.c_str(), kWrite);
    if (created) file.Close();
    ::umask(previous);
    ASSERT_TRUE(created);
    EXPECT_EQ(modeOf(fresh) & 07777, 0640u);

    const std::string old = existing("old.cfg");
    ::chmod(old.c_str(), 0604);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(old.c_str(), 1234, 5678), 0);
    }
    ASSERT_TRUE(file.Open(old.c_str(), kWrite));
    file.Close();
    struct ::stat info {};
    ::stat(old.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0604u);
    if (root) {
        EXPECT_EQ(info.st_uid, 1234u);
        EXPECT_EQ(info.st_gid, 5678u);
    }
}

TEST_F(FileTest, FailedCloseStillReleasesEverything) {
    const std::string path = existing("a.cfg");
    FaultySystemCalls faulty;
    ScopedSystemCalls scope(faulty);
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kWrite));
    file.Write("abc", 3);
    faulty.failOn(Call::rename, EIO);
    EXPECT_THROW(file.Close(), CFileException);
    EXPECT_NO_THROW(file.Close());   // nothing left open
    EXPECT_EQ(readBytes(path), Bytes(10, 0x22));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"a.cfg"});
}

}  // namespace
