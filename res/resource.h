// Resource and control ids of the program and the framework strings it uses.
#pragma once

// Dialog templates, strings, icons, system-menu commands.
#define IDD_ABOUT             100
#define IDS_ABOUT_MENU        101
#define IDD_CONFIG_EDITOR     102
#define IDI_PROGRAM           128
#define IDM_ABOUT             0x0010

// Controls of the editor dialog.
#define IDC_INPUT_FILE        1000
#define IDC_OPEN              1001
#define IDC_OUTPUT_FILE       1002
#define IDC_SAVE_AS           1007
#define IDC_TITLE_NAME        1009
#define IDC_CUSTOMER_ID       1010
#define IDC_KEY_ADDR          1011
#define IDC_HW_TYPE           1012
#define IDC_STYLE             1013
#define IDC_JPEG_ADDR         1015
#define IDC_STATIC            (-1)

// Standard command ids.
#define IDOK                  1
#define IDCANCEL              2
#define ID_HELP               0xE146

// Framework strings.
#define AFX_IDS_APP_TITLE              0xE000
#define AFX_IDP_INVALID_FILENAME       0xF100
#define AFX_IDP_PARSE_INT              0xF110
#define AFX_IDP_PARSE_INT_RANGE        0xF111
#define AFX_IDP_PARSE_STRING_SIZE      0xF114
#define AFX_IDP_PARSE_BYTE             0xF116
#define AFX_IDP_PARSE_UINT             0xF117
#define AFX_IDP_INVALID_OPERATION      0xF021
#define AFX_IDP_FAILED_MEMORY_ALLOC    0xF023
#define AFX_IDP_FAILED_TO_LAUNCH_HELP  0xF107
#define AFX_IDP_INTERNAL_FAILURE       0xF108

// Help-topic bases.
#define HID_BASE_RESOURCE     0x20000
#define HID_BASE_PROMPT       0x30000
