// A window's own system menu. Linux window managers keep their window menu to themselves,
// so a framework window with a system menu gets one of its own: Move and Close, then what
// the program appends. It opens from Alt+Space, the Menu key, Shift+F10 and a right click on
// the window's background. A chosen item reaches the window as the system command with
// the item's number.
#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include "WinDefs.h"

#include <functional>
#include <string>
#include <vector>

class QWidget;

enum : unsigned {
    MF_STRING = 0x0000,
    MF_SEPARATOR = 0x0800,
};

// The items of a menu, in order.
class CMenu {
public:
    struct Item {
        unsigned flags;
        unsigned id;
        std::string text;  // "&" marks the access key; "\t" starts the shortcut text
    };

    // Appends a separator (MF_SEPARATOR) or a text item (MF_STRING) with a command number.
    bool AppendMenu(unsigned flags, unsigned id = 0, const std::string& text = {});
    int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
    const std::vector<Item>& items() const { return m_items; }

private:
    std::vector<Item> m_items;
};

class SystemMenu : public QObject {
public:
    // `window` is the top-level widget; `sendSysCommand` delivers a chosen item's number.
    SystemMenu(QWidget* window, std::function<void(unsigned)> sendSysCommand);

    CMenu& menu() { return m_menu; }
    // The system menu of `window`, or nullptr when it has none.
    static SystemMenu* of(const QWidget* window);

    // Opens the menu at `globalPos`; returns the open popup.
    QMenu* open(const QPoint& globalPos);
    // The popup while it is open, else nullptr.
    QMenu* openMenu() const { return m_popup; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(QObject* object) const;

    QWidget* m_window;
    std::function<void(unsigned)> m_sendSysCommand;
    CMenu m_menu;
    QPointer<QMenu> m_popup;
};

// Default processing of the system command SC_MOVE: the window manager moves the window
// with the pointer where it can; elsewhere it moves from the keyboard.
void startSystemMove(QWidget* window);
// The arrow keys move the window until Enter, Escape (back to where it was) or a click.
void startKeyboardMove(QWidget* window);
