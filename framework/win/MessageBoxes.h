// Message boxes. Every box goes through one presenter, so tests can answer and
// record boxes; the production presenter runs a modal QMessageBox over the owner.
#pragma once

#include <string>

class QWidget;

struct MessageBoxRequest {
    QWidget* owner;       // the window the box is modal over; may be null
    std::string text;     // UTF-8
    std::string caption;  // UTF-8
    unsigned type;        // MB_ buttons | MB_ icon | MB_SYSTEMMODAL
};

class MessageBoxPresenter {
public:
    virtual ~MessageBoxPresenter() = default;
    // Shows the box until the user closes it; returns the button pressed (IDOK, ...).
    virtual int show(const MessageBoxRequest& request) = 0;
};

// Replaces the presenter (nullptr restores the Qt one); returns the previous one.
MessageBoxPresenter* setMessageBoxPresenter(MessageBoxPresenter* presenter);

// Shows a box through the current presenter.
int showMessageBox(const MessageBoxRequest& request);

// The framework's message: owner is the active modal window or else the main window,
// caption the program's name; OK boxes that name no icon get the exclamation icon.
// With `helpId` != 0 the help-prompt context is 0x30000 + helpId while the box is open.
int AfxMessageBox(const std::string& text, unsigned type = 0, unsigned helpId = 0);
// The same with string `stringId` of the string table, which is also its help id.
int AfxMessageBox(unsigned stringId, unsigned type = 0);
