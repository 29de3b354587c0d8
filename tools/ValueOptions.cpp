#include "ValueOptions.h"

#include <map>

#include "CodePage.h"
#include "DataExchange.h"
#include "EditorExchange.h"
#include "EditorState.h"
#include "FieldLabels.h"
#include "resource.h"

namespace {

// The editor's eight fields as a table of texts. A refusal's message and the field it
// focuses are kept instead of shown.
class FieldTable : public CDataExchangeHost {
public:
    explicit FieldTable(EditorState& state) : m_state(state) {
        for (int id : {IDC_INPUT_FILE, IDC_OUTPUT_FILE, IDC_TITLE_NAME, IDC_CUSTOMER_ID, IDC_KEY_ADDR,
                       IDC_HW_TYPE, IDC_STYLE, IDC_JPEG_ADDR})
            m_texts[id];
    }

    // Text typed in a terminal reaches the field as the code page's bytes, as typing does.
    void type(int id, const std::optional<std::string>& utf8) {
        if (utf8) m_texts[id] = utf8ToCp1252(*utf8);
    }

    std::optional<std::string> m_message;
    std::optional<int> m_refusedField;

    bool hasField(int id) const override { return m_texts.count(id) != 0; }
    std::string getFieldText(int id, std::optional<int> limit) const override {
        const std::string& text = m_texts.at(id);
        return limit ? text.substr(0, static_cast<std::size_t>(*limit)) : text;
    }
    void setFieldText(int id, const std::string& text) override { m_texts[id] = text; }
    void focusAndSelectField(int id) override { m_refusedField = id; }
    void limitFieldText(int, int) override {}   // limits typing only; nothing is typed here
    void showValidationMessage(const std::string& text, std::optional<unsigned>) override {
        if (!m_message) m_message = text;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { exchangeEditorState(pDX, m_state); }

private:
    EditorState& m_state;
    std::map<int, std::string> m_texts;
};

}  // namespace

std::optional<ValueRefusal> applyValueTexts(const ValueTexts& texts, ConfigValues& values) {
    EditorState state;
    state.m_values = values;
    FieldTable table(state);
    table.UpdateData(false);
    table.type(IDC_TITLE_NAME, texts.title);
    table.type(IDC_CUSTOMER_ID, texts.customerId);
    table.type(IDC_KEY_ADDR, texts.keyAddr);
    table.type(IDC_HW_TYPE, texts.hwType);
    table.type(IDC_STYLE, texts.style);
    table.type(IDC_JPEG_ADDR, texts.jpegAddr);
    if (!table.UpdateData(true)) {
        return ValueRefusal{table.m_refusedField ? fieldLabel(*table.m_refusedField) : std::string("brevant-cfg"),
                            table.m_message.value_or("refused")};
    }
    values = state.m_values;
    return std::nullopt;
}
