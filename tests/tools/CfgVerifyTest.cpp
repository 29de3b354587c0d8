// verify: one line per file in the editor's words, the worst status wins.
#include <sys/file.h>

#include "CfgRun.h"

namespace {

class CfgVerifyTest : public CfgTest {};

struct VerifyCase {
    const char* name;
    std::string bytes;
    std::string verdict;
    int status;
};

TEST_F(CfgVerifyTest, EachKindOfFileGetsItsVerdictAndStatus) {
    std::string badChecksum = storedRecord(exampleValues());
    badChecksum[40] = static_cast<char>(badChecksum[40] ^ 0x01);   // HW Type changed, checksum not
    std::string reservedSet = storedRecord(exampleValues());
    reservedSet[42] = '\xfe';   // plain reserved byte 1 and a checksum one higher still verifies
    reservedSet[48] = static_cast<char>(reservedSet[48] - 1);

    const std::vector<VerifyCase> cases = {
        {"good.cfg", storedRecord(exampleValues()), "ok", 0},
        {"empty-values.sdx", std::string(52, '\xff'), "ok", 0},
        {"reserved.cfg", reservedSet, "ok", 0},
        {"zeros.cfg", std::string(52, '\0'), "check data error!", 65},
        {"changed.cfg", badChecksum, "check data error!", 65},
        {"empty.cfg", "", "Length Error! (0 bytes)", 65},
        {"short.cfg", std::string(51, '\xff'), "Length Error! (51 bytes)", 65},
        {"long.cfg", storedRecord(exampleValues()) + "x", "Length Error! (53 bytes)", 65},
    };
    for (const VerifyCase& c : cases) {
        const std::string file = writeBytes(c.name, c.bytes);
        const CfgResult r = run({"verify", file});
        EXPECT_EQ(r.out, file + ": " + c.verdict + "\n") << c.name;
        EXPECT_EQ(r.status, c.status) << c.name;
    }
}

TEST_F(CfgVerifyTest, InputsThatCannotBeOpenedExit66WithTheSystemsReason) {
    std::filesystem::create_directory(path("folder"));
    const CfgResult missing = run({"verify", path("missing.cfg")});
    EXPECT_EQ(missing.status, 66);
    EXPECT_EQ(missing.out, path("missing.cfg") + ": cannot be opened: No such file or directory\n");

    const CfgResult folder = run({"verify", path("folder")});
    EXPECT_EQ(folder.status, 66);
    EXPECT_EQ(folder.out.rfind(path("folder") + ": cannot be opened: ", 0), 0u) << folder.out;

    // A FIFO is never read (reading it would block).
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    const CfgResult fifo = run({"verify", path("fifo")});
    EXPECT_EQ(fifo.status, 66);
}

TEST_F(CfgVerifyTest, AFileLockedByAnotherProgramCannotBeOpened) {
    const std::string file = writeRecord("held.cfg", exampleValues());
    const int fd = ::open(file.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const CfgResult held = run({"verify", file});
    ::close(fd);
    EXPECT_EQ(held.status, 66);
    EXPECT_EQ(held.out.rfind(file + ": cannot be opened: ", 0), 0u) << held.out;
    EXPECT_EQ(run({"verify", file}).status, 0);
}

TEST_F(CfgVerifyTest, EveryFileIsReportedInOrderAndTheWorstStatusWins) {
    const std::string good = writeRecord("good.cfg", exampleValues());
    const std::string zeros = writeBytes("zeros.cfg", std::string(52, '\0'));
    const std::string missing = path("missing.cfg");

    CfgResult r = run({"verify", good, good});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, good + ": ok\n" + good + ": ok\n");

    r = run({"verify", zeros, good});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.out, zeros + ": check data error!\n" + good + ": ok\n");

    r = run({"verify", missing, zeros, good});
    EXPECT_EQ(r.status, 66);
    EXPECT_EQ(r.out, missing + ": cannot be opened: No such file or directory\n" + zeros +
                         ": check data error!\n" + good + ": ok\n");
}

TEST_F(CfgVerifyTest, AFileNameCannotForgeAReportLine) {
    const std::string file = writeBytes("evil.cfg\nfake.cfg: ok\x1b[2J", std::string(52, '\0'));
    const CfgResult r = run({"verify", file});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.out, path("evil.cfg") + "\\x0Afake.cfg: ok\\x1B[2J: check data error!\n");
}

TEST_F(CfgVerifyTest, AFolderOfRecordsIsReportedInTheOrderGiven) {
    // Enough files for verify to read them on several threads and in more than one chunk.
    std::vector<std::string> args{"verify"};
    std::string expected;
    for (int i = 0; i < 4500; ++i) {
        const std::string name = "r" + std::to_string(i) + ".cfg";
        ConfigValues v;
        v.customerId = static_cast<std::uint32_t>(i);
        std::string bytes = storedRecord(v);
        std::string verdict = "ok";
        if (i % 1000 == 999) {
            bytes[0] = '\0';
            verdict = "check data error!";
        }
        args.push_back(writeBytes(name, bytes));
        expected += args.back() + ": " + verdict + "\n";
    }
    args.push_back(path("missing.cfg"));
    expected += path("missing.cfg") + ": cannot be opened: No such file or directory\n";
    const CfgResult r = run(args);
    EXPECT_EQ(r.status, 66);
    EXPECT_EQ(r.out, expected);
}

}  // namespace
