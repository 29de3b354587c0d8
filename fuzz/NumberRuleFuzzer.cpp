// Fuzz target: the number rules, alone and through the editor's field exchange.
// Accepted text shows back as a number the rule accepts as the same value; a take that
// succeeded, shown and taken again, leaves the state as it was; nothing crashes.
#include <algorithm>
#include <cstdint>
#include <string>

#include "../tests/framework/FakeDialog.h"
#include "EditorExchange.h"
#include "EditorState.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "NumberRule.h"
#include "resource.h"

namespace {

constexpr int kFieldIds[] = {IDC_INPUT_FILE, IDC_OUTPUT_FILE, IDC_TITLE_NAME, IDC_HW_TYPE,
                             IDC_KEY_ADDR,   IDC_STYLE,       IDC_CUSTOMER_ID, IDC_JPEG_ADDR};
constexpr char kFieldSeparator = '\x1e';

void checkRules(std::string_view text) {
    const auto u = parseUnsignedNumber(text);
    const auto s = parseSignedNumber(text);
    if (u) {
        FUZZ_CHECK(parseUnsignedNumber(formatUnsignedNumber(*u)) == u);
        // The rules read alike but for "-" and the range.
        FUZZ_CHECK(s && *s == static_cast<std::int32_t>(std::min<std::uint32_t>(*u, 2147483647u)));
    }
    if (s) {
        FUZZ_CHECK(parseSignedNumber(formatSignedNumber(*s)) == s);
        // Only a "-" makes the unsigned rule refuse what the signed one reads.
        FUZZ_CHECK(u || text.find('-') != std::string_view::npos);
    }
}

class Editor : public FakeDialog {
public:
    Editor() {
        for (int id : kFieldIds) fields[id];
        exchangeList = [this](CDataExchange* pDX) { exchangeEditorState(pDX, state); };
    }
    EditorState state;
};

std::string first31(const std::string& text) { return text.substr(0, kNumberTextLimit); }

void checkExchange(FuzzInput& in) {
    Editor editor;
    editor.state.m_values.titleName = "before";
    editor.state.m_values.hwType = 9;
    editor.state.m_values.jpegAddr = -9;
    for (int id : kFieldIds) editor.fields[id] = in.until(kFieldSeparator);
    const auto typed = editor.fields;

    const bool taken = editor.UpdateData(true);
    FUZZ_CHECK(editor.messages.size() == (taken ? 0u : 1u));
    const ConfigValues& v = editor.state.m_values;
    if (taken) {
        FUZZ_CHECK(v.titleName == typed.at(IDC_TITLE_NAME));
        FUZZ_CHECK(parseUnsignedNumber(first31(typed.at(IDC_KEY_ADDR))) == v.keyAddr);
        FUZZ_CHECK(parseUnsignedNumber(first31(typed.at(IDC_HW_TYPE))) == v.hwType);
        FUZZ_CHECK(parseSignedNumber(first31(typed.at(IDC_JPEG_ADDR))) == v.jpegAddr);
    }

    const EditorState before = editor.state;
    FUZZ_CHECK(editor.UpdateData(false));
    FUZZ_CHECK(editor.fields.at(IDC_KEY_ADDR) == formatUnsignedNumber(v.keyAddr));
    FUZZ_CHECK(editor.fields.at(IDC_JPEG_ADDR) == formatSignedNumber(v.jpegAddr));
    FUZZ_CHECK(editor.fields.at(IDC_TITLE_NAME) == v.titleName);

    // Only a title past its limit (kept by a refused take) can refuse what was shown.
    editor.messages.clear();
    const bool titleFits = v.titleName.size() <= ConfigRecord::kMaxTitleLength;
    FUZZ_CHECK(editor.UpdateData(true) == titleFits);
    FUZZ_CHECK(editor.messages.size() == (titleFits ? 0u : 1u));
    FUZZ_CHECK(editor.state.m_inputPath == before.m_inputPath);
    FUZZ_CHECK(editor.state.m_outputPath == before.m_outputPath);
    FUZZ_CHECK(editor.state.m_values == before.m_values);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput whole(data, size);
    checkRules(whole.rest());
    FuzzInput fields(data, size);
    checkExchange(fields);
    return 0;
}
