// Driving modal windows from a test: scripts that run inside a dialog's modal run,
// answering the next message box or file dialog, recording boxes and injecting file choices.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FileDialog.h"
#include "MessageBoxes.h"

class CDialog;
class QFileDialog;
class QMessageBox;
class QWidget;

// Returned by runModal when the script left the dialog open.
inline constexpr int kLeftOpen = 99;

// Runs `script` inside the dialog's modal run once its window is shown and active,
// then ends the dialog with kLeftOpen if the script has not ended it. Returns DoModal's code.
int runModal(CDialog& dialog, const std::function<void()>& script);

// Lets the event loop run until `condition` holds (or a generous safety limit passes).
bool waitFor(const std::function<bool()>& condition);

// Arms a poll for the next modal widget of type T: when it shows, `handle` gets it
// (and must close it). Call before the action that opens it.
void handleNextMessageBox(std::function<void(QMessageBox&)> handle);
void handleNextFileDialog(std::function<void(QFileDialog&)> handle);

// Presses the box's only (or first) button.
void pressFirstButton(QMessageBox& box);

// What a shown box looked like.
struct SeenBox {
    std::string text;
    std::string caption;
    unsigned type;
    QWidget* owner;
};

// Records every box instead of showing it and answers with `answer`, while it lives.
class RecordingBoxes : public MessageBoxPresenter {
public:
    explicit RecordingBoxes(int answer = 1);
    ~RecordingBoxes() override;
    int show(const MessageBoxRequest& request) override;

    std::vector<SeenBox> boxes;
    std::function<void(const MessageBoxRequest&)> onShow;  // runs while the "box" is open

private:
    int m_answer;
    MessageBoxPresenter* m_previous;
};

// Answers file dialogs from a list of choices (nullopt: cancelled), while it lives.
class ScriptedChooser : public FileChooser {
public:
    explicit ScriptedChooser(std::vector<std::optional<std::string>> choices);
    ~ScriptedChooser() override;
    std::optional<std::string> choose(const FileDialogRequest& request) override;

    std::vector<FileDialogRequest> requests;

private:
    std::vector<std::optional<std::string>> m_choices;
    FileChooser* m_previous;
};

// Closes every top-level window left over from a test.
void closeAllTopLevels();
