// set: read and verify, change only the given values, write as Save as does.
#include <sys/stat.h>

#include "CfgRun.h"
#include "EditorWindow.h"
#include "FileCommands.h"

namespace {

class CfgSetTest : public CfgTest {};

// The editor's side of Open: the path is chosen, messages are collected.
class OpeningWindow : public EditorWindow {
public:
    explicit OpeningWindow(std::string path) : m_path(std::move(path)) {}
    std::optional<std::string> chooseFile(bool) override { return m_path; }
    void showMessage(const std::string& text) override { m_messages.push_back(text); }
    bool showState() override { return true; }
    bool takeState() override { return true; }

    std::string m_path;
    std::vector<std::string> m_messages;
};

TEST_F(CfgSetTest, TheEditorOpensWhatSetWroteWithTheSameValues) {
    const std::string file = writeRecord("a.cfg", exampleValues());
    const CfgResult r = run({"set", file, "-o", path("b.cfg"), "--title", "Caf\u00e9 \u20ac", "--customer-id",
                             "4294967295", "--key-addr", "7", "--hw-type", "0", "--style", "255", "--jpeg-addr",
                             "-2147483648"});
    ASSERT_EQ(r.status, 0) << r.err;

    EditorState state;
    OpeningWindow window(path("b.cfg"));
    OnOpen(state, window);
    EXPECT_TRUE(window.m_messages.empty()) << window.m_messages.front();
    EXPECT_EQ(state.m_fileLength, 52);
    EXPECT_EQ(state.m_values.titleName, "Caf\xe9 \x80");
    EXPECT_EQ(state.m_values.customerId, 4294967295u);
    EXPECT_EQ(state.m_values.keyAddr, 7u);
    EXPECT_EQ(state.m_values.hwType, 0);
    EXPECT_EQ(state.m_values.style, 255);
    EXPECT_EQ(state.m_values.jpegAddr, -2147483647 - 1);
}

TEST_F(CfgSetTest, ChangesOnlyTheGivenValuesInPlace) {
    const std::string file = writeRecord("a.cfg", exampleValues());
    const CfgResult r = run({"set", file, "--key-addr", " 42 ", "--jpeg-addr", "-5", "--title", "xyz"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    ConfigValues expected = exampleValues();
    expected.keyAddr = 42;
    expected.jpegAddr = -5;
    expected.titleName = "xyz";
    EXPECT_EQ(readWholeFile(file), storedRecord(expected));
}

TEST_F(CfgSetTest, WritesToOutputAndLeavesTheInputAlone) {
    const std::string file = writeRecord("a.cfg", exampleValues());
    const CfgResult r = run({"set", file, "-o", path("b.sdx"), "--hw-type", "255", "--style", "007"});
    EXPECT_EQ(r.status, 0) << r.err;
    ConfigValues expected = exampleValues();
    expected.hwType = 255;
    expected.style = 7;
    EXPECT_EQ(readWholeFile(path("b.sdx")), storedRecord(expected));
    EXPECT_EQ(readWholeFile(file), storedRecord(exampleValues()));
}

TEST_F(CfgSetTest, NoValuesRewritesTheRecordInTheEditorsForm) {
    std::string bytes = storedRecord(exampleValues());
    bytes[42] = '\xfe';   // reserved byte 1, checksum adjusted: a valid record the editor would not build
    bytes[48] = static_cast<char>(bytes[48] - 1);
    const std::string file = writeBytes("a.cfg", bytes);
    EXPECT_EQ(run({"set", file}).status, 0);
    EXPECT_EQ(readWholeFile(file), storedRecord(exampleValues()));
}

TEST_F(CfgSetTest, NumbersFollowTheEditorsRules) {
    struct Case {
        const char* option;
        const char* text;
        std::uint32_t ConfigValues::*u32;
        std::uint8_t ConfigValues::*u8;
        long long expected;
    };
    const std::vector<Case> cases = {
        {"--customer-id", "4294967296", &ConfigValues::customerId, nullptr, 4294967295LL},
        {"--customer-id", "99999999999", &ConfigValues::customerId, nullptr, 4294967295LL},
        {"--key-addr", "+42", &ConfigValues::keyAddr, nullptr, 42},
        {"--key-addr", "\t7\t", &ConfigValues::keyAddr, nullptr, 7},
        {"--key-addr", "00", &ConfigValues::keyAddr, nullptr, 0},
        {"--hw-type", "255", nullptr, &ConfigValues::hwType, 255},
        {"--style", "\n5", nullptr, &ConfigValues::style, 5},
    };
    for (const Case& c : cases) {
        const std::string file = writeRecord("a.cfg", exampleValues());
        const CfgResult r = run({"set", file, c.option, c.text});
        EXPECT_EQ(r.status, 0) << c.option << " " << c.text << ": " << r.err;
        ConfigValues expected = exampleValues();
        if (c.u32) expected.*c.u32 = static_cast<std::uint32_t>(c.expected);
        if (c.u8) expected.*c.u8 = static_cast<std::uint8_t>(c.expected);
        EXPECT_EQ(readWholeFile(file), storedRecord(expected)) << c.option << " " << c.text;
    }
    const std::string file = writeRecord("a.cfg", exampleValues());
    EXPECT_EQ(run({"set", file, "--jpeg-addr", "2147483648"}).status, 0);
    ConfigValues expected = exampleValues();
    expected.jpegAddr = 2147483647;
    EXPECT_EQ(readWholeFile(file), storedRecord(expected));
}

TEST_F(CfgSetTest, RefusedValuesPrintTheLabelAndMessageAndWriteNothing) {
    struct Case {
        std::vector<std::string> options;
        std::string message;
    };
    const std::string longTitle(32, 'T');
    const std::vector<Case> cases = {
        {{"--title", longTitle}, "Title Name: Please enter no more than 31 characters.\n"},
        {{"--customer-id", "-1"}, "Customer ID: Please enter a positive integer.\n"},
        {{"--key-addr", ""}, "Key Addr: Please enter a positive integer.\n"},
        {{"--key-addr", "+0"}, "Key Addr: Please enter a positive integer.\n"},
        {{"--key-addr", "0x10"}, "Key Addr: Please enter a positive integer.\n"},
        {{"--key-addr", "1 2"}, "Key Addr: Please enter a positive integer.\n"},
        {{"--hw-type", "256"}, "HW Type: Please enter an integer between 0 and 255.\n"},
        {{"--style", "abc"}, "Style: Please enter an integer between 0 and 255.\n"},
        {{"--jpeg-addr", "-0"}, "JPEG Addr: Please enter an integer.\n"},
        // Several bad values: the editor's order decides which one is named.
        {{"--customer-id", "x", "--hw-type", "abc", "--jpeg-addr", "y"},
         "HW Type: Please enter an integer between 0 and 255.\n"},
        {{"--jpeg-addr", "y", "--key-addr", "-5", "--style", "9"}, "Key Addr: Please enter a positive integer.\n"},
        {{"--title", longTitle, "--hw-type", "abc"}, "Title Name: Please enter no more than 31 characters.\n"},
    };
    for (const Case& c : cases) {
        const std::string file = writeRecord("a.cfg", exampleValues());
        std::vector<std::string> args{"set", file};
        args.insert(args.end(), c.options.begin(), c.options.end());
        CfgResult r = run(args);
        EXPECT_EQ(r.status, 65) << c.message;
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(readWholeFile(file), storedRecord(exampleValues())) << c.message;

        args.insert(args.begin() + 2, {"-o", path("out.cfg")});
        r = run(args);
        EXPECT_EQ(r.status, 65) << c.message;
        EXPECT_FALSE(std::filesystem::exists(path("out.cfg"))) << c.message;
    }
}

TEST_F(CfgSetTest, TitleLengthCountsBytesOfTheCodePage) {
    const std::string file = writeRecord("a.cfg", exampleValues());
    std::string euros31;   // 31 euro signs: 93 bytes of UTF-8, 31 bytes in the code page
    for (int i = 0; i < 31; ++i) euros31 += "\u20ac";
    CfgResult r = run({"set", file, "--title", euros31});
    EXPECT_EQ(r.status, 0) << r.err;
    ConfigValues expected = exampleValues();
    expected.titleName = std::string(31, '\x80');
    EXPECT_EQ(readWholeFile(file), storedRecord(expected));

    r = run({"set", file, "--title", euros31 + "\u00e9"});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.err, "Title Name: Please enter no more than 31 characters.\n");
    EXPECT_EQ(readWholeFile(file), storedRecord(expected));
}

TEST_F(CfgSetTest, ALongTitleReadFromTheRecordMustBeReplaced) {
    // Title field without a zero byte: decodes to 32 "A" and the "B" of customerId 66.
    std::uint8_t plain[ConfigRecord::kSize] = {};
    std::memset(plain, 'A', 32);
    plain[32] = 66;
    const std::uint32_t sum = computeChecksum(plain, 48);
    plain[48] = static_cast<std::uint8_t>(sum);
    plain[49] = static_cast<std::uint8_t>(sum >> 8);
    invertBytes(plain, ConfigRecord::kSize);
    const std::string original(reinterpret_cast<const char*>(plain), sizeof plain);
    const std::string file = writeBytes("long-title.cfg", original);

    CfgResult r = run({"set", file, "--style", "3"});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.err, "Title Name: Please enter no more than 31 characters.\n");
    EXPECT_EQ(readWholeFile(file), original);

    r = run({"set", file, "--style", "3", "--title", "short"});
    EXPECT_EQ(r.status, 0) << r.err;
    ConfigValues expected;
    expected.titleName = "short";
    expected.customerId = 66;
    expected.style = 3;
    EXPECT_EQ(readWholeFile(file), storedRecord(expected));
}

TEST_F(CfgSetTest, RefusedInputIsNeverWritten) {
    const std::string zeros = writeBytes("zeros.cfg", std::string(52, '\0'));
    CfgResult r = run({"set", zeros, "--style", "1", "-o", path("out.cfg")});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.err, zeros + ": check data error!\n");
    EXPECT_FALSE(std::filesystem::exists(path("out.cfg")));

    const std::string shortFile = writeBytes("short.cfg", std::string(10, '\xff'));
    r = run({"set", shortFile, "--style", "1"});
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(readWholeFile(shortFile), std::string(10, '\xff'));

    r = run({"set", path("missing.cfg"), "--style", "1"});
    EXPECT_EQ(r.status, 66);
    EXPECT_FALSE(std::filesystem::exists(path("missing.cfg")));
}

TEST_F(CfgSetTest, OutputThatCannotBeCreatedExits73AndKeepsTheOldFile) {
    const std::string file = writeRecord("a.cfg", exampleValues());
    CfgResult r = run({"set", file, "--style", "9", "-o", path("no-such-folder/out.cfg")});
    EXPECT_EQ(r.status, 73);
    EXPECT_EQ(r.err.rfind(path("no-such-folder/out.cfg") + ": cannot be created: ", 0), 0u) << r.err;

    // No write permission bit: read-only for everyone, root included.
    const std::string readOnly = writeRecord("ro.cfg", exampleValues());
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    r = run({"set", readOnly, "--style", "9"});
    EXPECT_EQ(r.status, 73);
    EXPECT_EQ(readWholeFile(readOnly), storedRecord(exampleValues()));
}

TEST_F(CfgSetTest, AFailedWriteExits74) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const std::string file = writeRecord("a.cfg", exampleValues());
    const CfgResult r = run({"set", file, "-o", "/dev/full"});
    EXPECT_EQ(r.status, 74);
    EXPECT_EQ(r.err.rfind("/dev/full: ", 0), 0u) << r.err;
}

}  // namespace
