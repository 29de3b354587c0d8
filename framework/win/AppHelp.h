// The help key: which keys ask for help, and running the viewer for a topic.
#pragma once

#include <Qt>

#include <cstdint>
#include <functional>

// F1 without Shift, Ctrl or Alt.
bool isHelpKey(int key, Qt::KeyboardModifiers modifiers);

// Starts the help viewer on the program's help file at `topic`, with the wait cursor
// meanwhile. When the viewer cannot be started, `reportFailure` shows the failure message;
// while that message is open a further request does nothing.
void AfxRunHelp(std::uint32_t topic, const std::function<void()>& reportFailure);

// The template number of the dialog in front: the innermost framework dialog under the
// active modal window, else the main window's; 0 when there is none.
int AfxFrontDialogId();

// F1 in a framework message box: a box has no dialog keys of the framework, so the key is
// caught here and sent, as a dialog sends it, to the main window as the help command.
void installMessageBoxHelpKey();
