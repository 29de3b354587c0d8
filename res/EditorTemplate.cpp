// Template IDD_CONFIG_EDITOR: the editor dialog.
#include "DialogTemplate.h"
#include "DialogTemplates.h"
#include "resource.h"

namespace {

constexpr std::uint32_t kEdit = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr std::uint32_t kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr std::uint32_t kLabel = SS_LEFT | WS_GROUP;

}  // namespace

const DialogTemplate& editorDialogTemplate()
{
    static const DialogTemplate t{
        IDD_CONFIG_EDITOR, 0, 0, 320, 212,
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
        WS_EX_APPWINDOW,
        "Orvo Config", "MS Sans Serif", 8,
        {
            {ControlClass::Edit, IDC_INPUT_FILE, "", 64, 20, 176, 14, kEdit},
            {ControlClass::Edit, IDC_OUTPUT_FILE, "", 64, 46, 176, 14, kEdit},
            {ControlClass::Button, IDC_OPEN, "&Open", 243, 20, 34, 14, kButton},
            {ControlClass::Button, IDC_SAVE_AS, "Save as...", 244, 46, 50, 14, kButton},
            {ControlClass::Button, IDCANCEL, "Exit", 132, 186, 50, 14, kButton},
            {ControlClass::Static, IDC_STATIC, "Input File", 15, 23, 41, 8, kLabel},
            {ControlClass::Static, IDC_STATIC, "Output File", 16, 48, 45, 8, kLabel},
            {ControlClass::Button, IDC_STATIC, "Orvo-Condig", 22, 79, 274, 102, BS_GROUPBOX},
            {ControlClass::Static, IDC_STATIC, "Title Name", 33, 94, 41, 8, kLabel},
            {ControlClass::Edit, IDC_TITLE_NAME, "", 94, 89, 100, 19, kEdit},
            {ControlClass::Static, IDC_STATIC, "Customer ID", 36, 116, 45, 8, kLabel},
            {ControlClass::Edit, IDC_CUSTOMER_ID, "", 94, 114, 61, 14, kEdit},
            {ControlClass::Static, IDC_STATIC, "Key Addr", 37, 140, 33, 8, kLabel},
            {ControlClass::Edit, IDC_KEY_ADDR, "", 92, 135, 64, 14, kEdit},
            {ControlClass::Static, IDC_STATIC, "HW Type", 169, 115, 29, 8, kLabel},
            {ControlClass::Edit, IDC_HW_TYPE, "", 209, 111, 65, 14, kEdit},
            {ControlClass::Static, IDC_STATIC, "Style", 170, 136, 21, 8, kLabel},
            {ControlClass::Edit, IDC_STYLE, "", 209, 133, 65, 14, kEdit},
            {ControlClass::Static, IDC_STATIC, "JPEG Addr", 38, 162, 37, 8, kLabel},
            {ControlClass::Edit, IDC_JPEG_ADDR, "", 93, 156, 65, 17, kEdit},
        },
    };
    return t;
}
