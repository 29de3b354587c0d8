// A window of the framework over a Qt widget: message dispatch through the message
// maps, command routing, message boxes over the window, controls by id.
#pragma once

#include <string>

#include "CmdTarget.h"

class CMenu;
class QIcon;
class QWidget;

// A control's id is kept on its widget.
void setControlId(QWidget* control, int id);
// The control id of a widget; 0 when it has none.
int controlId(const QWidget* control);

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    const MessageMap* GetMessageMap() const override { return &messageMap(); }
    static const MessageMap& messageMap();

    // The window's widget while the window exists, else nullptr.
    QWidget* GetSafeHwnd() const { return m_hWnd; }
    // The child control with this control id, or nullptr.
    QWidget* GetDlgItem(int id) const;

    // A modal box over this window; no caption: the program's name. Returns the button.
    int MessageBox(const std::string& text, const char* caption = nullptr, unsigned type = MB_OK);

    // The window's own system menu (SystemMenu.h), or nullptr when it has none.
    CMenu* GetSystemMenu(bool revert) const;
    // WM_SETICON: the window's big (title bar, task switcher) or small icon (WindowIcons.cpp).
    void SetIcon(const QIcon& icon, bool bigIcon);
    bool IsIconic() const;

    // Handles a message now, through the maps (or default processing when no map
    // has an entry). Exceptions from handlers pass through to the caller.
    std::intptr_t SendMessage(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    // Where a message enters from the window system: as SendMessage, but an exception
    // that escapes a handler is reported in a box over this window and goes no further.
    std::intptr_t DeliverMessage(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

protected:
    // Routes command `id`: this window's maps, then, for ids 0x8000..0xEFFF, the
    // application object. Returns whether a handler ran.
    virtual bool OnCommand(unsigned id);
    virtual std::intptr_t WindowProc(const Message& msg);
    // The platform's processing of a message no map handles.
    virtual std::intptr_t DefWindowProc(const Message& msg);
    // Default processing of the message being handled (for handlers that pass it on).
    std::intptr_t Default();

    QWidget* m_hWnd = nullptr;

private:
    void ReportException();

    const Message* m_currentMessage = nullptr;
};
