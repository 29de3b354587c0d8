// UpdateData around the steps: the length rule, refusals that stop the list, and the
// failures reported without a string id.
#include "DataExchange.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>

#include "Exception.h"
#include "FakeDialog.h"
#include "FileException.h"
#include "HelpContext.h"

namespace {

constexpr int kTitle = 1009;
constexpr int kFirst = 1000;
constexpr int kSecond = 1012;
constexpr int kMissing = 4242;
constexpr std::uint32_t kOuterContext = 0x20066;

class UpdateDataTest : public testing::Test {
protected:
    UpdateDataTest() {
        dlg.fields[kFirst] = "first";
        dlg.fields[kTitle] = "";
        dlg.fields[kSecond] = "9";
    }
    FakeDialog dlg;
    ScopedHelpPromptContext outer{kOuterContext};
};

TEST_F(UpdateDataTest, LengthRuleAcceptsTheLimitAndLimitsTheField) {
    std::string title;
    dlg.fields[kTitle] = std::string(31, 'T');
    dlg.exchangeList = [&](CDataExchange* pDX) {
        DDX_Text(pDX, kTitle, title);
        DDV_MaxChars(pDX, title, 31);
    };
    EXPECT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(title, std::string(31, 'T'));
    EXPECT_EQ(dlg.limits, (std::map<int, int>{{kTitle, 31}}));
    EXPECT_TRUE(dlg.messages.empty());
}

TEST_F(UpdateDataTest, LengthRuleRefusesAfterTheTitleIsStored) {
    std::string title = "before";
    std::uint8_t later = 5;
    dlg.fields[kTitle] = std::string(32, 'T');
    dlg.exchangeList = [&](CDataExchange* pDX) {
        DDX_Text(pDX, kTitle, title);
        DDV_MaxChars(pDX, title, 31);
        DDX_Text(pDX, kSecond, later);
    };
    EXPECT_FALSE(dlg.UpdateData(true));
    EXPECT_EQ(title, std::string(32, 'T'));
    EXPECT_EQ(later, 5);
    ASSERT_EQ(dlg.messages.size(), 1u);
    EXPECT_EQ(dlg.messages[0].text, "Please enter no more than 31 characters.");
    EXPECT_EQ(dlg.messages[0].stringId, std::optional<unsigned>(0xF114));
    EXPECT_EQ(dlg.messages[0].helpContextWhileOpen, 0x3F114u);
    EXPECT_EQ(dlg.focused, std::vector<int>{kTitle});
    EXPECT_TRUE(dlg.limits.empty());
    EXPECT_EQ(AfxGetHelpPromptContext(), kOuterContext);
}

// Show neither measures nor cuts: a long decoded title is shown whole, the limit still set.
TEST_F(UpdateDataTest, LengthRuleOnShowOnlySetsTheLimit) {
    std::string title(50, 'L');
    dlg.exchangeList = [&](CDataExchange* pDX) {
        DDX_Text(pDX, kTitle, title);
        DDV_MaxChars(pDX, title, 31);
    };
    EXPECT_TRUE(dlg.UpdateData(false));
    EXPECT_EQ(dlg.fields[kTitle], std::string(50, 'L'));
    EXPECT_EQ(dlg.limits, (std::map<int, int>{{kTitle, 31}}));
    EXPECT_TRUE(dlg.messages.empty());
}

TEST_F(UpdateDataTest, LengthRuleWithoutAPreparedFieldMovesNoFocus) {
    const std::string value(40, 'x');
    dlg.exchangeList = [&](CDataExchange* pDX) { DDV_MaxChars(pDX, value, 31); };
    EXPECT_FALSE(dlg.UpdateData(true));
    ASSERT_EQ(dlg.messages.size(), 1u);
    EXPECT_TRUE(dlg.focused.empty());

    dlg.messages.clear();
    EXPECT_TRUE(dlg.UpdateData(false));
    EXPECT_TRUE(dlg.limits.empty());
    EXPECT_TRUE(dlg.messages.empty());
}

TEST_F(UpdateDataTest, OnlyTheFirstRefusalIsReported) {
    std::uint8_t a = 1;
    std::uint32_t b = 2;
    dlg.fields[kFirst] = "bad";
    dlg.fields[kSecond] = "also bad";
    dlg.exchangeList = [&](CDataExchange* pDX) {
        DDX_Text(pDX, kFirst, a);
        DDX_Text(pDX, kSecond, b);
    };
    EXPECT_FALSE(dlg.UpdateData(true));
    ASSERT_EQ(dlg.messages.size(), 1u);
    EXPECT_EQ(dlg.messages[0].stringId, std::optional<unsigned>(0xF116));
    EXPECT_EQ(dlg.focused, std::vector<int>{kFirst});
    ASSERT_EQ(dlg.reads.size(), 1u);   // the second field is never read
    EXPECT_EQ(b, 2u);
}

TEST_F(UpdateDataTest, FailInShowStopsWithoutFocusOrMessage) {
    std::string first;
    bool laterRan = false;
    dlg.exchangeList = [&](CDataExchange* pDX) {
        DDX_Text(pDX, kFirst, first);
        pDX->Fail();
        laterRan = true;
    };
    EXPECT_FALSE(dlg.UpdateData(false));
    EXPECT_FALSE(laterRan);
    EXPECT_TRUE(dlg.focused.empty());
    EXPECT_TRUE(dlg.messages.empty());
}

TEST_F(UpdateDataTest, ContextStartsFreshAndTracksTheLastField) {
    std::string first;
    std::optional<int> lastAtStart;
    bool textAtStart = true;
    bool directionSeen = false;
    dlg.exchangeList = [&](CDataExchange* pDX) {
        lastAtStart = pDX->m_idLastControl;
        textAtStart = pDX->m_bEditLastControl;
        directionSeen = pDX->m_bSaveAndValidate;
        DDX_Text(pDX, kFirst, first);
        EXPECT_EQ(pDX->m_idLastControl, std::optional<int>(kFirst));
        EXPECT_TRUE(pDX->m_bEditLastControl);
        EXPECT_EQ(pDX->m_pDlg, &dlg);
    };
    EXPECT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(lastAtStart, std::nullopt);
    EXPECT_FALSE(textAtStart);
    EXPECT_TRUE(directionSeen);
    EXPECT_TRUE(dlg.UpdateData());   // take is the default direction
}

TEST_F(UpdateDataTest, ExchangingOnlyWhileTheListRuns) {
    bool during = false;
    dlg.exchangeList = [&](CDataExchange*) { during = dlg.isExchanging(); };
    EXPECT_FALSE(dlg.isExchanging());
    EXPECT_TRUE(dlg.UpdateData(false));
    EXPECT_TRUE(during);
    EXPECT_FALSE(dlg.isExchanging());

    dlg.exchangeList = [&](CDataExchange*) { throw std::runtime_error("x"); };
    EXPECT_FALSE(dlg.UpdateData(true));
    EXPECT_FALSE(dlg.isExchanging());
}

struct FailureCase {
    const char* name;
    std::function<void(CDataExchange*, std::string&)> step;
    const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

const FailureCase kFailures[] = {
    {"MissingControlId", [](CDataExchange* pDX, std::string& v) { DDX_Text(pDX, kMissing, v); },
     "An unsupported operation was attempted."},
    {"OutOfMemory", [](CDataExchange*, std::string&) { throw std::bad_alloc(); }, "Out of memory."},
    {"StandardException", [](CDataExchange*, std::string&) { throw std::runtime_error("boom"); },
     "Internal application error."},
    {"ForeignThrow", [](CDataExchange*, std::string&) { throw 42; }, "Internal application error."},
    {"FrameworkExceptionWithoutText", [](CDataExchange*, std::string&) { throw CException(); },
     "Internal application error."},
    {"FileErrorWithItsOwnText",
     [](CDataExchange*, std::string&) { throw CFileException(CFileException::fileNotFound, "/tmp/a.cfg", 2); },
     "/tmp/a.cfg was not found."},
    {"FileErrorWithoutText", [](CDataExchange*, std::string&) { throw CFileException(); },
     "Internal application error."},
};

class ExchangeFailure : public testing::TestWithParam<FailureCase> {};

// In both directions: the earlier steps took effect, one message without a string id,
// the help-prompt context is left alone and no field gets the focus.
TEST_P(ExchangeFailure, ReportedWithoutStringIdOrFocus) {
    for (const bool take : {true, false}) {
        SCOPED_TRACE(take ? "take" : "show");
        FakeDialog dlg;
        dlg.fields[kFirst] = "typed";
        std::string first = "state";
        std::string scratch;
        bool laterRan = false;
        dlg.exchangeList = [&](CDataExchange* pDX) {
            DDX_Text(pDX, kFirst, first);
            GetParam().step(pDX, scratch);
            laterRan = true;
        };
        ScopedHelpPromptContext outer(kOuterContext);
        EXPECT_FALSE(dlg.UpdateData(take));
        EXPECT_FALSE(laterRan);
        EXPECT_EQ(take ? first : dlg.fields[kFirst], take ? "typed" : "state");
        ASSERT_EQ(dlg.messages.size(), 1u);
        EXPECT_EQ(dlg.messages[0].text, GetParam().message);
        EXPECT_EQ(dlg.messages[0].stringId, std::nullopt);
        EXPECT_EQ(dlg.messages[0].helpContextWhileOpen, kOuterContext);
        EXPECT_TRUE(dlg.focused.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ExchangeFailure, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// A box that fails while a refusal is open still gives the help-prompt context back,
// and the failure is reported like any other.
TEST_F(UpdateDataTest, HelpContextRestoredWhenTheBoxThrows) {
    std::uint32_t value = 3;
    dlg.fields[kSecond] = "bad";
    dlg.exchangeList = [&](CDataExchange* pDX) { DDX_Text(pDX, kSecond, value); };
    int boxes = 0;
    dlg.onMessage = [&] {
        if (++boxes == 1) throw std::runtime_error("box failed");
    };
    EXPECT_FALSE(dlg.UpdateData(true));
    ASSERT_EQ(dlg.messages.size(), 2u);
    EXPECT_EQ(dlg.messages[0].helpContextWhileOpen, 0x3F117u);
    EXPECT_EQ(dlg.messages[1].text, "Internal application error.");
    EXPECT_EQ(dlg.messages[1].helpContextWhileOpen, kOuterContext);
    EXPECT_TRUE(dlg.focused.empty());
    EXPECT_EQ(value, 3u);
    EXPECT_EQ(AfxGetHelpPromptContext(), kOuterContext);
}

}  // namespace
