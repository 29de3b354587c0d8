#include "ModuleNames.h"

#include <utility>

ModuleNames deriveModuleNames(const std::string& executablePath) {
    const auto nameStart = executablePath.find_last_of("/\\:");
    const std::size_t fileStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    const auto dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot >= fileStart;
    const std::size_t stemEnd = hasExtension ? dot : executablePath.size();

    ModuleNames names;
    names.programName = executablePath.substr(fileStart, stemEnd - fileStart);
    names.helpFilePath = executablePath.substr(0, stemEnd) + ".HLP";
    return names;
}

namespace {
std::string& appName() {
    static std::string name;
    return name;
}
std::string& helpFilePath() {
    static std::string path;
    return path;
}
}  // namespace

const std::string& AfxGetAppName() { return appName(); }
void AfxSetAppName(std::string name) { appName() = std::move(name); }

const std::string& AfxGetHelpFilePath() { return helpFilePath(); }
void AfxSetHelpFilePath(std::string path) { helpFilePath() = std::move(path); }
