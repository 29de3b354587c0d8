// new: a record from the empty values with the given ones set.
#include "CfgRun.h"

namespace {

class CfgNewTest : public CfgTest {};

TEST_F(CfgNewTest, WithoutValuesWritesTheEmptyRecord) {
    const CfgResult r = run({"new", path("empty.cfg")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readWholeFile(path("empty.cfg")), std::string(52, '\xff'));
}

TEST_F(CfgNewTest, WithEveryValueWritesTheExampleRecordExactly) {
    const CfgResult r = run({"new", path("a.cfg"), "--title", "abc", "--customer-id", "1000", "--key-addr",
                             "65536", "--hw-type", "2", "--style", "1", "--jpeg-addr", "-2"});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string bytes = readWholeFile(path("a.cfg"));
    ASSERT_EQ(bytes.size(), 52u);
    EXPECT_EQ(bytes.substr(0, 3), "\x9e\x9d\x9c");
    EXPECT_EQ(bytes.substr(48), "\xef\xf9\xff\xff");
    EXPECT_EQ(bytes, storedRecord(exampleValues()));
}

TEST_F(CfgNewTest, ReplacesAnExistingFileAndKeepsItsMode) {
    const std::string file = writeBytes("old.cfg", "not a record at all");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    EXPECT_EQ(run({"new", file, "--style", "4"}).status, 0);
    ConfigValues expected;
    expected.style = 4;
    EXPECT_EQ(readWholeFile(file), storedRecord(expected));
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST_F(CfgNewTest, ARefusedValueCreatesNoFile) {
    const CfgResult r = run({"new", path("a.cfg"), "--hw-type", "-1"});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.err, "HW Type: Please enter an integer between 0 and 255.\n");
    EXPECT_FALSE(std::filesystem::exists(path("a.cfg")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 0) << "no temporary file left";
}

TEST_F(CfgNewTest, AnOutputThatCannotBeCreatedExits73) {
    std::filesystem::create_directory(path("folder"));
    EXPECT_EQ(run({"new", path("folder")}).status, 73);
    EXPECT_TRUE(std::filesystem::is_directory(path("folder")));
}

}  // namespace
