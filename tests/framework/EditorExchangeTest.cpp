// The editor's exchange list: its step order, what a refused take leaves in the state
// and the window, and show-then-take returning every value unchanged.
#include "EditorExchange.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "CodePage.h"
#include "DataExchange.h"
#include "EditorState.h"
#include "FakeDialog.h"
#include "HelpContext.h"
#include "resource.h"

namespace {

constexpr std::uint32_t kOuterContext = 0x20066;
const std::vector<int> kStepOrder = {IDC_INPUT_FILE, IDC_OUTPUT_FILE, IDC_TITLE_NAME, IDC_HW_TYPE,
                                     IDC_KEY_ADDR,   IDC_STYLE,       IDC_CUSTOMER_ID, IDC_JPEG_ADDR};

// The editor's eight fields over a state, as the dialog wires them.
class EditorFields : public FakeDialog {
public:
    EditorState state;
    EditorFields() {
        for (const int id : kStepOrder) fields[id] = "";
        exchangeList = [this](CDataExchange* pDX) { exchangeEditorState(pDX, state); };
    }
};

EditorState sampleState() {
    EditorState s;
    s.m_inputPath = "/in/a.cfg";
    s.m_outputPath = "/out/b.sdx";
    s.m_values = {"old title", 11, 22, 33, 44, -55};
    return s;
}

class EditorExchangeTest : public testing::Test {
protected:
    EditorFields dlg;
    ScopedHelpPromptContext outer{kOuterContext};

    void typeValidEverywhere() {
        dlg.fields[IDC_INPUT_FILE] = "/typed/in";
        dlg.fields[IDC_OUTPUT_FILE] = "/typed/out";
        dlg.fields[IDC_TITLE_NAME] = "typed";
        dlg.fields[IDC_HW_TYPE] = "1";
        dlg.fields[IDC_KEY_ADDR] = "2";
        dlg.fields[IDC_STYLE] = "3";
        dlg.fields[IDC_CUSTOMER_ID] = "4";
        dlg.fields[IDC_JPEG_ADDR] = "-5";
    }
};

TEST_F(EditorExchangeTest, FirstShowWritesTheConstructionStateInStepOrder) {
    for (const int id : kStepOrder) dlg.fields[id] = "junk";
    EXPECT_TRUE(dlg.UpdateData(false));
    std::vector<int> order;
    for (const auto& [id, text] : dlg.sets) order.push_back(id);
    EXPECT_EQ(order, kStepOrder);
    EXPECT_EQ(dlg.fields[IDC_INPUT_FILE], "");
    EXPECT_EQ(dlg.fields[IDC_OUTPUT_FILE], "");
    EXPECT_EQ(dlg.fields[IDC_TITLE_NAME], "");
    for (const int id : {IDC_HW_TYPE, IDC_KEY_ADDR, IDC_STYLE, IDC_CUSTOMER_ID, IDC_JPEG_ADDR})
        EXPECT_EQ(dlg.fields[id], "0") << id;
    EXPECT_EQ(dlg.limits, (std::map<int, int>{{IDC_TITLE_NAME, 31}}));
    EXPECT_TRUE(dlg.messages.empty());
}

TEST_F(EditorExchangeTest, TakeReadsInStepOrderWithNumbersCutTo31) {
    typeValidEverywhere();
    EXPECT_TRUE(dlg.UpdateData(true));
    ASSERT_EQ(dlg.reads.size(), kStepOrder.size());
    for (std::size_t i = 0; i < kStepOrder.size(); ++i) {
        EXPECT_EQ(dlg.reads[i].id, kStepOrder[i]);
        EXPECT_EQ(dlg.reads[i].limit, i < 3 ? std::nullopt : std::optional<int>(31)) << i;
    }
    EXPECT_EQ(dlg.state.m_inputPath, "/typed/in");
    EXPECT_EQ(dlg.state.m_outputPath, "/typed/out");
    EXPECT_EQ(dlg.state.m_values, (ConfigValues{"typed", 1, 2, 3, 4, -5}));
    EXPECT_EQ(dlg.limits, (std::map<int, int>{{IDC_TITLE_NAME, 31}}));
}

// The step order, not the tab order, picks the field that is reported.
TEST_F(EditorExchangeTest, BadHwTypeAndCustomerIdReportOnlyHwType) {
    dlg.state = sampleState();
    typeValidEverywhere();
    dlg.fields[IDC_HW_TYPE] = "abc";
    dlg.fields[IDC_KEY_ADDR] = "123456";
    dlg.fields[IDC_CUSTOMER_ID] = "-1";

    EXPECT_FALSE(dlg.UpdateData(true));
    ASSERT_EQ(dlg.messages.size(), 1u);
    EXPECT_EQ(dlg.messages[0].text, "Please enter an integer between 0 and 255.");
    EXPECT_EQ(dlg.messages[0].helpContextWhileOpen, 0x3F116u);
    EXPECT_EQ(dlg.focused, std::vector<int>{IDC_HW_TYPE});
    EXPECT_EQ(dlg.state.m_inputPath, "/typed/in");
    EXPECT_EQ(dlg.state.m_outputPath, "/typed/out");
    EXPECT_EQ(dlg.state.m_values, (ConfigValues{"typed", 11, 22, 33, 44, -55}));
    EXPECT_EQ(AfxGetHelpPromptContext(), kOuterContext);
}

TEST_F(EditorExchangeTest, OnlyJpegAddrBadTakesTheSevenOthers) {
    dlg.state = sampleState();
    typeValidEverywhere();
    dlg.fields[IDC_JPEG_ADDR] = "-0";

    EXPECT_FALSE(dlg.UpdateData(true));
    ASSERT_EQ(dlg.messages.size(), 1u);
    EXPECT_EQ(dlg.messages[0].text, "Please enter an integer.");
    EXPECT_EQ(dlg.messages[0].stringId, std::optional<unsigned>(0xF110));
    EXPECT_EQ(dlg.focused, std::vector<int>{IDC_JPEG_ADDR});
    EXPECT_EQ(dlg.state.m_values, (ConfigValues{"typed", 1, 2, 3, 4, -55}));
    EXPECT_EQ(dlg.state.m_inputPath, "/typed/in");
}

TEST_F(EditorExchangeTest, LongTitleIsStoredThenRefusedAndNumbersStayUntouched) {
    dlg.state = sampleState();
    typeValidEverywhere();
    const std::string longTitle(32, 'A');
    dlg.fields[IDC_TITLE_NAME] = longTitle;

    EXPECT_FALSE(dlg.UpdateData(true));
    ASSERT_EQ(dlg.messages.size(), 1u);
    EXPECT_EQ(dlg.messages[0].text, "Please enter no more than 31 characters.");
    EXPECT_EQ(dlg.messages[0].helpContextWhileOpen, 0x3F114u);
    EXPECT_EQ(dlg.focused, std::vector<int>{IDC_TITLE_NAME});
    EXPECT_EQ(dlg.state.m_values, (ConfigValues{longTitle, 11, 22, 33, 44, -55}));
    EXPECT_EQ(AfxGetHelpPromptContext(), kOuterContext);

    dlg.fields[IDC_TITLE_NAME] = std::string(31, 'A');
    dlg.messages.clear();
    EXPECT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.state.m_values, (ConfigValues{std::string(31, 'A'), 1, 2, 3, 4, -5}));
}

// An editor whose template lacks a field: the steps before it count, nothing is focused.
TEST_F(EditorExchangeTest, MissingFieldStopsWithUnsupportedOperation) {
    dlg.state = sampleState();
    typeValidEverywhere();
    dlg.fields.erase(IDC_STYLE);

    EXPECT_FALSE(dlg.UpdateData(true));
    ASSERT_EQ(dlg.messages.size(), 1u);
    EXPECT_EQ(dlg.messages[0].text, "An unsupported operation was attempted.");
    EXPECT_EQ(dlg.messages[0].stringId, std::nullopt);
    EXPECT_TRUE(dlg.focused.empty());
    EXPECT_EQ(dlg.state.m_values, (ConfigValues{"typed", 1, 2, 33, 44, -55}));
}

// Show sends exactly the decimal text, so a field that already shows it gets identical text.
TEST_F(EditorExchangeTest, ShowAfterTakeSendsEachFieldItsCanonicalText) {
    typeValidEverywhere();
    dlg.fields[IDC_KEY_ADDR] = "  007 ";
    ASSERT_TRUE(dlg.UpdateData(true));
    const auto before = dlg.fields;
    ASSERT_TRUE(dlg.UpdateData(false));
    ASSERT_EQ(dlg.sets.size(), kStepOrder.size());
    for (const auto& [id, text] : dlg.sets) {
        EXPECT_EQ(text, id == IDC_KEY_ADDR ? "7" : before.at(id)) << id;
    }
}

std::string randomTitle(std::mt19937& rng, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> byte(1, 255);
    std::string title(length(rng), '\0');
    for (char& c : title) c = static_cast<char>(byte(rng));
    return title;
}

// Titles of every byte 1..255, in pieces of at most 31, then random states.
std::vector<EditorState> roundTripStates() {
    std::vector<EditorState> states;
    std::string everyByte;
    for (int b = 1; b <= 255; ++b) everyByte.push_back(static_cast<char>(b));
    for (std::size_t at = 0; at < everyByte.size(); at += 31) {
        EditorState s;
        s.m_values.titleName = everyByte.substr(at, 31);
        states.push_back(s);
    }
    EditorState extremes;
    extremes.m_values = {std::string(31, '\xFF'), 255, 4294967295u, 255, 4294967295u, -2147483647 - 1};
    states.push_back(extremes);
    std::mt19937 rng(20261211);
    std::uniform_int_distribution<std::uint32_t> u32;
    for (int i = 0; i < 200; ++i) {
        EditorState s;
        s.m_inputPath = "/in/" + std::to_string(u32(rng));
        s.m_outputPath = i % 2 ? "" : "/out/\xC3\xA9t\xC3\xA9.cfg";
        s.m_values.titleName = randomTitle(rng, 31);
        s.m_values.hwType = static_cast<std::uint8_t>(u32(rng));
        s.m_values.keyAddr = u32(rng);
        s.m_values.style = static_cast<std::uint8_t>(u32(rng));
        s.m_values.customerId = u32(rng) >> (u32(rng) % 32);   // short numbers too
        s.m_values.jpegAddr = static_cast<std::int32_t>(u32(rng));
        states.push_back(s);
    }
    return states;
}

bool sameState(const EditorState& a, const EditorState& b) {
    return a.m_inputPath == b.m_inputPath && a.m_outputPath == b.m_outputPath && a.m_values == b.m_values;
}

TEST_F(EditorExchangeTest, ShowThenTakeReturnsEveryValueUnchanged) {
    for (const EditorState& original : roundTripStates()) {
        dlg.state = original;
        ASSERT_TRUE(dlg.UpdateData(false));
        dlg.state = EditorState{};
        ASSERT_TRUE(dlg.UpdateData(true));
        EXPECT_TRUE(sameState(dlg.state, original)) << dlg.state.m_values.titleName;
    }
    EXPECT_TRUE(dlg.messages.empty());
}

// The window holds Unicode: titles go through the code page, paths stay UTF-8.
class Utf8EditorFields : public EditorFields {
public:
    std::string getFieldText(int id, std::optional<int> limit) const override {
        const std::string text = EditorFields::getFieldText(id, std::nullopt);
        // Number fields hold ASCII, so the byte limit equals the character limit there.
        const std::string bytes = id == IDC_TITLE_NAME ? utf8ToCp1252(text) : text;
        return limit ? bytes.substr(0, static_cast<std::size_t>(*limit)) : bytes;
    }
    void setFieldText(int id, const std::string& text) override {
        EditorFields::setFieldText(id, id == IDC_TITLE_NAME ? cp1252ToUtf8(text) : text);
    }
};

TEST(EditorExchangeCodePage, ShowThenTakeThroughUtf8ReturnsEveryValueUnchanged) {
    Utf8EditorFields dlg;
    for (const EditorState& original : roundTripStates()) {
        dlg.state = original;
        ASSERT_TRUE(dlg.UpdateData(false));
        dlg.state = EditorState{};
        ASSERT_TRUE(dlg.UpdateData(true));
        EXPECT_TRUE(sameState(dlg.state, original)) << dlg.state.m_values.titleName;
    }
    EXPECT_TRUE(dlg.messages.empty());
}

}  // namespace
