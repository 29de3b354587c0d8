// The command line itself: help, version and usage errors.
#include "CfgRun.h"

namespace {

class CfgCliTest : public CfgTest {};

TEST_F(CfgCliTest, HelpGoesToStdoutWithStatusZero) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"set", "--help"}, {"verify", "--help"}}) {
        const CfgResult r = run(args);
        EXPECT_EQ(r.status, 0) << args.front();
        EXPECT_NE(r.out.find("Usage:"), std::string::npos) << r.out;
        EXPECT_EQ(r.err, "");
    }
    const CfgResult top = run({"--help"});
    for (const char* command : {"show", "verify", "set", "new", "dump"})
        EXPECT_NE(top.out.find(command), std::string::npos) << command;
    EXPECT_NE(run({"set", "--help"}).out.find("--key-addr"), std::string::npos);
}

TEST_F(CfgCliTest, VersionIsTheProductNameAndVersion) {
    const CfgResult r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Brevant Application 1.0.0.1\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(CfgCliTest, UsageErrorsExit64WithTheReasonOnStderr) {
    const std::string file = writeRecord("a.cfg", exampleValues());
    const std::vector<std::vector<std::string>> cases = {
        {},                                    // no command
        {"frobnicate", file},                  // unknown command
        {"show"},                              // no file
        {"verify"},
        {"dump"},
        {"dump", file, file},                  // one file only
        {"new"},
        {"set"},
        {"set", file, "--colour", "red"},      // unknown option
        {"set", file, "--key-addr"},           // option without its value
        {"show", "--json"},
    };
    for (const auto& args : cases) {
        const CfgResult r = run(args);
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        EXPECT_EQ(r.status, 64) << shown;
        EXPECT_EQ(r.out, "") << shown;
        EXPECT_NE(r.err, "") << shown;
    }
    EXPECT_EQ(readWholeFile(file), storedRecord(exampleValues()));
}

}  // namespace
