// Template IDD_ABOUT: the About box.
#include "BrevantVersion.h"
#include "DialogTemplate.h"
#include "DialogTemplates.h"
#include "resource.h"

const DialogTemplate& aboutBoxTemplate()
{
    static const DialogTemplate t{
        IDD_ABOUT, 0, 0, 235, 55,
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
        0,
        "About Brevant", "MS Sans Serif", 8,
        {
            {ControlClass::Static, IDC_STATIC, "", 11, 17, 20, 20, SS_ICON, IDI_PROGRAM},
            {ControlClass::Static, IDC_STATIC, "OrvoConfig Version 1.2", 40, 10, 119, 8,
             SS_LEFT | SS_NOPREFIX | WS_GROUP},
            {ControlClass::Static, IDC_STATIC, brevant_version::kCopyright, 40, 25, 119, 8, SS_LEFT | WS_GROUP},
            {ControlClass::Button, IDOK, "OK", 178, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
        },
    };
    return t;
}
