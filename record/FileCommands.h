// The Open and Save-as commands: move one record between a file and the editor.
#pragma once

#include "EditorState.h"
#include "EditorWindow.h"

// Offered by both file dialogs: description and pattern pairs, "|"-separated,
// ended by an empty field. The first pair is selected when a dialog opens.
inline constexpr const char* kRecordFileFilter =
    "CFG Files (*.cfg)|*.cfg|SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||";

// The commands' own messages.
inline constexpr const char* kAbortMessage = "abort!";
inline constexpr const char* kLengthErrorMessage = "Length Error!";
inline constexpr const char* kCheckDataErrorMessage = "check data error!";

// Reads a record file into `state`. A file error (CFileException) from the length
// query, the read or the close ends the command and reaches the caller.
void OnOpen(EditorState& state, EditorWindow& window);

// Writes the window's values to a chosen file. A file error from the write or the
// close ends the command and reaches the caller; the old file is then untouched.
void OnSaveAs(EditorState& state, EditorWindow& window);
