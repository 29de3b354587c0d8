// dump: every byte with its offset, field, stored and plain value, and the checksum.
#include <sstream>

#include "CfgRun.h"

namespace {

class CfgDumpTest : public CfgTest {};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The line for byte `offset`, found by its leading offset column.
std::string byteLine(const std::string& text, int offset) {
    char lead[16];
    std::snprintf(lead, sizeof lead, "%6d  ", offset);
    for (const std::string& line : lines(text))
        if (line.rfind(lead, 0) == 0) return line;
    return "";
}

TEST_F(CfgDumpTest, EveryByteOfAGoodRecordWithItsFieldAndTheChecksum) {
    const std::string file = writeRecord("a.cfg", exampleValues());
    const CfgResult r = run({"dump", file});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(byteLine(r.out, 0), "     0  9E      61     Title Name[0] 'a'");
    EXPECT_EQ(byteLine(r.out, 31), "    31  FF      00     Title Name[31]");
    EXPECT_EQ(byteLine(r.out, 32), "    32  17      E8     Customer ID[0]");
    EXPECT_EQ(byteLine(r.out, 40), "    40  FD      02     HW Type");
    EXPECT_EQ(byteLine(r.out, 43), "    43  FF      00     reserved[1]");
    EXPECT_EQ(byteLine(r.out, 44), "    44  01      FE     JPEG Addr[0]");
    EXPECT_EQ(byteLine(r.out, 51), "    51  FF      00     checksum[3]");
    EXPECT_EQ(byteLine(r.out, 52), "");
    EXPECT_NE(r.out.find("Checksum computed over bytes 0-47: 1552 (0x00000610)\n"), std::string::npos);
    EXPECT_NE(r.out.find("Checksum stored in bytes 48-51:    1552 (0x00000610), equal\n"), std::string::npos);
    EXPECT_NE(r.out.find("JPEG Addr: -2\n"), std::string::npos);
    EXPECT_EQ(lines(r.out).back(), "Verdict: ok");
}

TEST_F(CfgDumpTest, AMismatchShowsBothChecksumsAndExits65) {
    const CfgResult r = run({"dump", writeBytes("zeros.cfg", std::string(52, '\0'))});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(byteLine(r.out, 0), "     0  00      FF     Title Name[0] '\u00ff'");
    EXPECT_NE(r.out.find("Checksum computed over bytes 0-47: 12240 (0x00002FD0)\n"), std::string::npos);
    EXPECT_NE(r.out.find("4294967295 (0xFFFFFFFF), different\n"), std::string::npos);
    EXPECT_EQ(lines(r.out).back(), "Verdict: check data error!");
}

TEST_F(CfgDumpTest, AnotherLengthShowsWhatTheFileHoldsAndTheLengthError) {
    CfgResult r = run({"dump", writeBytes("short.cfg", "\x9e\x9d\x9c")});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(byteLine(r.out, 2), "     2  9C      63     Title Name[2] 'c'");
    EXPECT_EQ(byteLine(r.out, 3), "");
    EXPECT_EQ(r.out.find("Checksum"), std::string::npos);
    EXPECT_EQ(lines(r.out).back(), "Verdict: Length Error! (3 bytes)");

    r = run({"dump", writeBytes("long.cfg", storedRecord(exampleValues()) + std::string(100, 'x'))});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(byteLine(r.out, 51), "    51  FF      00     checksum[3]");
    EXPECT_EQ(byteLine(r.out, 52), "");
    EXPECT_NE(r.out.find("(100 bytes after offset 51 not shown)"), std::string::npos) << r.out;
    EXPECT_EQ(lines(r.out).back(), "Verdict: Length Error! (152 bytes)");

    r = run({"dump", writeBytes("empty.cfg", "")});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(lines(r.out).back(), "Verdict: Length Error! (0 bytes)");
}

TEST_F(CfgDumpTest, AMissingFileExits66) {
    const CfgResult r = run({"dump", path("missing.cfg")});
    EXPECT_EQ(r.status, 66);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, path("missing.cfg") + ": cannot be opened: No such file or directory\n");
}

}  // namespace
