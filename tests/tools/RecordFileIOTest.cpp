// The tool's file layer on CFile, with the failures no real file can be made to give.
#include <cerrno>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CfgRun.h"
#include "Commands.h"
#include "RecordFileIO.h"
#include "SystemCalls.h"

namespace {

// Real calls, except that one of them fails with `m_error`.
class FailingCalls : public PosixSystemCalls {
public:
    enum class Which { read, write, fsync, rename };
    FailingCalls(Which which, int error) : m_which(which), m_error(error) {}

    ssize_t read(int fd, void* buffer, std::size_t count) override {
        if (m_which == Which::read) return fail();
        return PosixSystemCalls::read(fd, buffer, count);
    }
    ssize_t write(int fd, const void* buffer, std::size_t count) override {
        if (m_which == Which::write) return fail();
        return PosixSystemCalls::write(fd, buffer, count);
    }
    int fsync(int fd) override {
        if (m_which == Which::fsync) return static_cast<int>(fail());
        return PosixSystemCalls::fsync(fd);
    }
    int rename(const char* from, const char* to) override {
        if (m_which == Which::rename) return static_cast<int>(fail());
        return PosixSystemCalls::rename(from, to);
    }

private:
    ssize_t fail() {
        errno = m_error;
        return -1;
    }
    Which m_which;
    int m_error;
};

class RecordFileIOTest : public CfgTest {};

TEST_F(RecordFileIOTest, AReadErrorIsAnIOErrorWithTheSystemsReason) {
    const std::string file = writeRecord("a.cfg", exampleValues());
    FailingCalls calls(FailingCalls::Which::read, EIO);
    ScopedSystemCalls scoped(calls);

    const RecordRead read = readRecordFile(file);
    EXPECT_EQ(read.status, RecordRead::Status::ReadError);
    EXPECT_EQ(read.reason, "Input/output error");

    std::ostringstream out, err;
    EXPECT_EQ(runVerify({file}, Streams{out, err}), 74);
    EXPECT_EQ(out.str(), file + ": read error: Input/output error\n");
    EXPECT_EQ(runShow({file}, false, Streams{out, err}), 74);
    std::ostringstream json;
    EXPECT_EQ(runShow({file}, true, Streams{json, err}), 74);
    const auto j = nlohmann::json::parse(json.str());
    EXPECT_EQ(j.at("error"), "read error: Input/output error");
    EXPECT_FALSE(j.contains("length"));
    EXPECT_FALSE(j.contains("checksum"));
    EXPECT_EQ(runDump(file, Streams{out, err}), 74);
    EXPECT_EQ(runSet(file, path("out.cfg"), ValueTexts{}, Streams{out, err}), 74);
    EXPECT_FALSE(std::filesystem::exists(path("out.cfg")));
}

TEST_F(RecordFileIOTest, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    for (auto which : {FailingCalls::Which::write, FailingCalls::Which::fsync, FailingCalls::Which::rename}) {
        const std::string file = writeRecord("a.cfg", exampleValues());
        ConfigValues changed = exampleValues();
        changed.style = 9;
        RecordWrite written;
        {
            FailingCalls calls(which, ENOSPC);
            ScopedSystemCalls scoped(calls);
            written = writeRecordFile(file, changed);
        }
        EXPECT_EQ(written.status, RecordWrite::Status::WriteError);
        EXPECT_EQ(written.reason, "No space left on device");
        EXPECT_EQ(readWholeFile(file), storedRecord(exampleValues()));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
    }
}

}  // namespace
