// Dialog templates as data: the window and its controls in dialog units, as a
// resource script would describe them. The window layer builds dialogs from these.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Window and control styles the templates use (the values of the Windows headers,
// so a template reads like its resource script).
enum : std::uint32_t {
    WS_POPUP = 0x80000000u,
    WS_CHILD = 0x40000000u,
    WS_VISIBLE = 0x10000000u,
    WS_CAPTION = 0x00C00000u,
    WS_BORDER = 0x00800000u,
    WS_SYSMENU = 0x00080000u,
    WS_GROUP = 0x00020000u,
    WS_TABSTOP = 0x00010000u,
    WS_EX_APPWINDOW = 0x00040000u,

    DS_SETFONT = 0x40u,
    DS_MODALFRAME = 0x80u,

    ES_LEFT = 0x0000u,
    ES_AUTOHSCROLL = 0x0080u,

    BS_PUSHBUTTON = 0x0u,
    BS_DEFPUSHBUTTON = 0x1u,
    BS_GROUPBOX = 0x7u,
    BS_TYPEMASK = 0xFu,

    SS_LEFT = 0x0u,
    SS_ICON = 0x3u,
    SS_TYPEMASK = 0x1Fu,
    SS_NOPREFIX = 0x80u,
};

// The predefined control classes a template may name.
enum class ControlClass { Button, Edit, Static };

struct DialogItem {
    ControlClass controlClass;
    int id;                 // -1 for controls the program never addresses
    std::string text;       // "&" marks the access key; empty for an icon
    int x, y, cx, cy;       // dialog units
    std::uint32_t style;    // WS_CHILD | WS_VISIBLE are added by the window layer
    int imageId = 0;        // icon resource of an SS_ICON static
};

struct DialogTemplate {
    int id;
    int x, y, cx, cy;       // dialog units
    std::uint32_t style;
    std::uint32_t exStyle;
    std::string caption;
    std::string fontName;
    int pointSize;
    std::vector<DialogItem> items;  // template order: z order and tab order
};

// The template with this resource id, or nullptr when the program has none.
const DialogTemplate* findDialogTemplate(int id);
