// The program name and help file path, derived from the executable's path.
#pragma once

#include <string>

struct ModuleNames {
    std::string programName;   // file name without its extension
    std::string helpFilePath;  // full path with the extension replaced by ".HLP"
};

// Only the file name is searched for its last "." (a dot in a folder name is not an
// extension). "/", "\" and ":" all end a folder part, so Windows-style paths work too.
ModuleNames deriveModuleNames(const std::string& executablePath);

// The running program's name: set once at start-up, used as every message box's caption.
const std::string& AfxGetAppName();
void AfxSetAppName(std::string name);

// The help file the help key hands to the viewer: set once at start-up.
const std::string& AfxGetHelpFilePath();
void AfxSetHelpFilePath(std::string path);
