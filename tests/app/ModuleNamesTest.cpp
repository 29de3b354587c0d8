// Program name and help file path derived from the executable's path.
#include "ModuleNames.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* label;
    const char* path;
    const char* programName;
    const char* helpFilePath;
};

const Case kCases[] = {
    {"WindowsPath", R"(C:\Tools\Brevant.EXE)", "Brevant", R"(C:\Tools\Brevant.HLP)"},
    {"ShortName", R"(C:\Tools\Tool.exe)", "Tool", R"(C:\Tools\Tool.HLP)"},
    {"TwoDotsInName", R"(C:\Tools\my.tool.exe)", "my.tool", R"(C:\Tools\my.tool.HLP)"},
    {"NoDotAtAll", "/usr/bin/Brevant", "Brevant", "/usr/bin/Brevant.HLP"},
    {"DotInFolderOnly", "/home/u/.local/bin/Brevant", "Brevant", "/home/u/.local/bin/Brevant.HLP"},
    {"DotsInFolderAndName", "/opt/brevant-1.0/bin/my.tool", "my", "/opt/brevant-1.0/bin/my.HLP"},
    {"DriveOnly", "C:Brevant.exe", "Brevant", "C:Brevant.HLP"},
    {"BareName", "Brevant", "Brevant", "Brevant.HLP"},
    {"TrailingDot", "/usr/bin/Brevant.", "Brevant", "/usr/bin/Brevant.HLP"},
    {"Utf8Folder", "/home/j\xC3\xBCrgen.k/bin/Brevant", "Brevant", "/home/j\xC3\xBCrgen.k/bin/Brevant.HLP"},
};

class ModuleNamesTest : public testing::TestWithParam<Case> {};

TEST_P(ModuleNamesTest, DerivesNameAndHelpPath) {
    const Case& c = GetParam();
    const ModuleNames names = deriveModuleNames(c.path);
    EXPECT_EQ(names.programName, c.programName);
    EXPECT_EQ(names.helpFilePath, c.helpFilePath);
}

INSTANTIATE_TEST_SUITE_P(Paths, ModuleNamesTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.label; });

TEST(AppName, SetOnceReadEverywhere) {
    AfxSetAppName("Tool");
    EXPECT_EQ(AfxGetAppName(), "Tool");
    AfxSetAppName(deriveModuleNames("/home/u/.local/bin/Brevant").programName);
    EXPECT_EQ(AfxGetAppName(), "Brevant");
}

}  // namespace
