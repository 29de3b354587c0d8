// Window messages, system commands and message-box types of the framework, with the
// values the Windows headers give them, so message maps and callers read as usual.
#pragma once

enum : unsigned {
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUERYDRAGICON = 0x0037,
    WM_INITDIALOG = 0x0110,
    WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112,
};

enum : unsigned {
    SC_MOVE = 0xF010,
    SC_CLOSE = 0xF060,
};

enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_TYPEMASK = 0xF,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = MB_ICONHAND,
    MB_ICONERROR = MB_ICONHAND,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = MB_ICONEXCLAMATION,
    MB_ICONASTERISK = 0x40,
    MB_ICONINFORMATION = MB_ICONASTERISK,
    MB_ICONMASK = 0xF0,
    MB_SYSTEMMODAL = 0x1000,
};

// Message-box results besides IDOK and IDCANCEL (resource.h).
enum : int {
    IDYES = 6,
    IDNO = 7,
};
