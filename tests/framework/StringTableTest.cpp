// The string table: the exact texts by id, the "%1" formatter, and overrides.
#include "StringTable.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace {

TEST(StringTable, HoldsTheProgramAndFrameworkStrings) {
    const struct {
        unsigned id;
        const char* text;
    } rows[] = {
        {0xF110, "Please enter an integer."},
        {0xF114, "Please enter no more than %1 characters."},
        {0xF116, "Please enter an integer between 0 and 255."},
        {0xF117, "Please enter a positive integer."},
        {0xF021, "An unsupported operation was attempted."},
        {0xF023, "Out of memory."},
        {0xF107, "Failed to launch help."},
        {0xF108, "Internal application error."},
        {101, "&About Brevant..."},
    };
    for (const auto& row : rows) EXPECT_EQ(AfxLoadString(row.id), row.text) << std::hex << row.id;
    // The named ids are the same numbers.
    EXPECT_EQ(AfxLoadString(IDS_ABOUT_MENU), "&About Brevant...");
    EXPECT_EQ(AfxLoadString(AFX_IDP_PARSE_BYTE), "Please enter an integer between 0 and 255.");
}

TEST(StringTable, UnknownIdsAreEmpty) {
    // No title string: the program name must come from the executable's name.
    EXPECT_EQ(AfxLoadString(AFX_IDS_APP_TITLE), "");
    EXPECT_EQ(AfxLoadString(0), "");
    EXPECT_EQ(AfxLoadString(0xF111), "");
    EXPECT_EQ(AfxLoadString(0xFFFFFFFFu), "");
}

TEST(StringTable, FormatReplacesEveryPercentOne) {
    EXPECT_EQ(AfxFormatString1(AFX_IDP_PARSE_STRING_SIZE, "31"), "Please enter no more than 31 characters.");
    EXPECT_EQ(AfxFormatString1("%1 and %1", "x"), "x and x");
    EXPECT_EQ(AfxFormatString1("no marker", "x"), "no marker");
    EXPECT_EQ(AfxFormatString1("%2 %", "x"), "%2 %");
    // The argument is inserted as it is, never scanned for markers itself.
    EXPECT_EQ(AfxFormatString1("[%1]", "%1"), "[%1]");
    EXPECT_EQ(AfxFormatString1("%1", ""), "");
}

TEST(StringTable, OverrideMakesAStringEmptyOrMissingThenRestores) {
    {
        ScopedStringOverride missing(IDS_ABOUT_MENU, std::nullopt);
        EXPECT_EQ(AfxLoadString(IDS_ABOUT_MENU), "");
        {
            ScopedStringOverride replaced(IDS_ABOUT_MENU, "&Info");
            EXPECT_EQ(AfxLoadString(IDS_ABOUT_MENU), "&Info");
            {
                ScopedStringOverride empty(IDS_ABOUT_MENU, "");
                EXPECT_EQ(AfxLoadString(IDS_ABOUT_MENU), "");
            }
            EXPECT_EQ(AfxLoadString(IDS_ABOUT_MENU), "&Info");
        }
        EXPECT_EQ(AfxLoadString(IDS_ABOUT_MENU), "");
        // Other strings are not affected.
        EXPECT_EQ(AfxLoadString(AFX_IDP_PARSE_INT), "Please enter an integer.");
    }
    EXPECT_EQ(AfxLoadString(IDS_ABOUT_MENU), "&About Brevant...");
}

TEST(StringTable, OverrideCanAddAnUnknownId) {
    {
        ScopedStringOverride added(0x1234, "extra %1");
        EXPECT_EQ(AfxFormatString1(0x1234, "text"), "extra text");
    }
    EXPECT_EQ(AfxLoadString(0x1234), "");
}

}  // namespace
