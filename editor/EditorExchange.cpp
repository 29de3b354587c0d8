#include "EditorExchange.h"

#include "DataExchange.h"
#include "EditorState.h"
#include "resource.h"

// Step order decides which bad field is reported first; it is not the tab order.
void exchangeEditorState(CDataExchange* pDX, EditorState& state) {
    ConfigValues& values = state.m_values;
    DDX_Text(pDX, IDC_INPUT_FILE, state.m_inputPath);
    DDX_Text(pDX, IDC_OUTPUT_FILE, state.m_outputPath);
    DDX_Text(pDX, IDC_TITLE_NAME, values.titleName);
    // Measured after it is stored: a refused title stays in the state.
    DDV_MaxChars(pDX, values.titleName, ConfigRecord::kMaxTitleLength);
    DDX_Text(pDX, IDC_HW_TYPE, values.hwType);
    DDX_Text(pDX, IDC_KEY_ADDR, values.keyAddr);
    DDX_Text(pDX, IDC_STYLE, values.style);
    DDX_Text(pDX, IDC_CUSTOMER_ID, values.customerId);
    DDX_Text(pDX, IDC_JPEG_ADDR, values.jpegAddr);
}
