// show: the six values in the editor's words, and as JSON that parses back.
#include <nlohmann/json.hpp>

#include "CfgRun.h"

namespace {

using nlohmann::json;

class CfgShowTest : public CfgTest {};

TEST_F(CfgShowTest, PrintsTheSixValuesWithTheEditorsLabels) {
    const CfgResult r = run({"show", writeRecord("a.cfg", exampleValues())});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Title Name: abc\nCustomer ID: 1000\nKey Addr: 65536\nHW Type: 2\nStyle: 1\nJPEG Addr: -2\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(CfgShowTest, ExtremeNumbersAndEmptyTitle) {
    ConfigValues v;
    v.customerId = 4294967295u;
    v.keyAddr = 0;
    v.hwType = 255;
    v.style = 0;
    v.jpegAddr = -2147483647 - 1;
    const CfgResult r = run({"show", writeRecord("a.cfg", v)});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Title Name: \nCustomer ID: 4294967295\nKey Addr: 0\nHW Type: 255\nStyle: 0\n"
                     "JPEG Addr: -2147483648\n");
}

TEST_F(CfgShowTest, ControlCharactersInATitleCannotReachTheTerminal) {
    ConfigValues v;
    v.titleName = "a\x1b[2Jb\n\x7f\x81";
    const CfgResult r = run({"show", writeRecord("a.cfg", v)});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Title Name: a\\x1B[2Jb\\x0A\\x7F\\x81");
}

TEST_F(CfgShowTest, JsonOfOneRecordIsOneObjectThatParsesBack) {
    ConfigValues v = exampleValues();
    v.titleName = "Caf\xe9 \x80\x9f";   // code page bytes: e-acute, euro sign, Y with diaeresis
    const std::string file = writeRecord("a.cfg", v);
    const CfgResult r = run({"show", "--json", file});
    EXPECT_EQ(r.status, 0);
    const json j = json::parse(r.out);
    ASSERT_TRUE(j.is_object());
    EXPECT_EQ(j.at("file"), file);
    EXPECT_EQ(j.at("length"), 52);
    EXPECT_EQ(j.at("checksum"), "ok");
    EXPECT_EQ(j.at("titleName"), "Caf\u00e9 \u20ac\u0178");
    EXPECT_EQ(j.at("titleHex"), "436166e920809f");
    EXPECT_EQ(j.at("customerId"), 1000);
    EXPECT_EQ(j.at("keyAddr"), 65536);
    EXPECT_EQ(j.at("hwType"), 2);
    EXPECT_EQ(j.at("style"), 1);
    EXPECT_EQ(j.at("jpegAddr"), -2);
}

TEST_F(CfgShowTest, JsonOfSeveralFilesIsAnArrayReportingEveryFile) {
    const std::string good = writeRecord("good.cfg", exampleValues());
    const std::string zeros = writeBytes("zeros.cfg", std::string(52, '\0'));
    const std::string shortFile = writeBytes("short.cfg", std::string(51, '\xff'));
    const std::string missing = path("missing.cfg");
    const CfgResult r = run({"show", "--json", good, zeros, shortFile, missing});
    EXPECT_EQ(r.status, 66);   // the missing file outranks the refused records
    const json j = json::parse(r.out);
    ASSERT_TRUE(j.is_array());
    ASSERT_EQ(j.size(), 4u);
    EXPECT_EQ(j[0].at("checksum"), "ok");
    EXPECT_EQ(j[0].at("titleName"), "abc");
    EXPECT_EQ(j[1].at("file"), zeros);
    EXPECT_EQ(j[1].at("length"), 52);
    EXPECT_EQ(j[1].at("checksum"), "mismatch");
    EXPECT_FALSE(j[1].contains("titleName"));
    EXPECT_FALSE(j[1].contains("customerId"));
    EXPECT_EQ(j[2].at("length"), 51);
    EXPECT_FALSE(j[2].contains("checksum"));
    EXPECT_NE(j[2].at("error").get<std::string>().find("Length Error!"), std::string::npos);
    EXPECT_EQ(j[3].at("file"), missing);
    EXPECT_TRUE(j[3].contains("error"));
}

TEST_F(CfgShowTest, RefusedFilesAreReportedOnStderrAndTheWorstStatusWins) {
    const std::string good = writeRecord("good.cfg", exampleValues());
    const std::string zeros = writeBytes("zeros.cfg", std::string(52, '\0'));
    const std::string longFile = writeBytes("long.cfg", std::string(53, '\xff'));

    CfgResult r = run({"show", zeros, good});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.err, zeros + ": check data error!\n");
    EXPECT_NE(r.out.find(good + ":\nTitle Name: abc\n"), std::string::npos) << r.out;

    r = run({"show", longFile});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.err, longFile + ": Length Error! (53 bytes)\n");
    EXPECT_EQ(r.out, "");

    r = run({"show", path("missing.cfg"), zeros});
    EXPECT_EQ(r.status, 66);
    EXPECT_NE(r.err.find(path("missing.cfg") + ": cannot be opened: No such file or directory"),
              std::string::npos) << r.err;
    EXPECT_NE(r.err.find(zeros + ": check data error!"), std::string::npos);
}

}  // namespace
