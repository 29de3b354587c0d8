// The window operations the Open and Save-as commands call back into.
#pragma once

#include <optional>
#include <string>

class EditorWindow {
public:
    virtual ~EditorWindow() = default;

    // Runs the open or save file dialog; no path when cancelled or when the dialog fails.
    virtual std::optional<std::string> chooseFile(bool forSaving) = 0;
    // Modal box over the editor: error icon, "OK", the program's name as caption.
    virtual void showMessage(const std::string& text) = 0;
    // Exchange towards the window (show). Result as the exchange returns it.
    virtual bool showState() = 0;
    // Exchange from the window with validation; false after a refusal.
    virtual bool takeState() = 0;
};
