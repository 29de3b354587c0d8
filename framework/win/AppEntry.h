// The framework's entry: what runs between the start of the process and the end of the
// application object's InitInstance.
#pragma once

#include <string>

// Starts Qt, derives the program name and help file path from the executable, and runs
// the application object's InitInstance. When that returns false, as it does for a
// program whose only window is a modal dialog, no message loop runs and the process ends.
int AfxWinMain(int argc, char* argv[]);

// The executable's full path, read from the link `self`; `fallback` when there is none.
std::string AfxGetModuleFileName(const char* fallback, const std::string& self = "/proc/self/exe");
