// The editor's labels for its value fields, by control id.
#pragma once

#include <string>

#include "resource.h"

inline std::string fieldLabel(int controlId) {
    switch (controlId) {
        case IDC_INPUT_FILE: return "Input File";
        case IDC_OUTPUT_FILE: return "Output File";
        case IDC_TITLE_NAME: return "Title Name";
        case IDC_CUSTOMER_ID: return "Customer ID";
        case IDC_KEY_ADDR: return "Key Addr";
        case IDC_HW_TYPE: return "HW Type";
        case IDC_STYLE: return "Style";
        case IDC_JPEG_ADDR: return "JPEG Addr";
        default: return "Field " + std::to_string(controlId);
    }
}
