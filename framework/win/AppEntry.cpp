#include "AppEntry.h"

#include "AppHelp.h"
#include "ModuleNames.h"
#include "WinApp.h"

#include <QApplication>

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

std::string AfxGetModuleFileName(const char* fallback, const std::string& self)
{
    std::error_code ec;
    std::string path = std::filesystem::read_symlink(self, ec).string();
    if (ec || path.empty())
        return fallback ? fallback : "";
    // An executable replaced while it runs (a package upgrade) reads back with this mark.
    constexpr std::string_view deleted = " (deleted)";
    if (path.ends_with(deleted) && !std::filesystem::exists(path, ec))
        path.resize(path.size() - deleted.size());
    return path;
}

int AfxWinMain(int argc, char* argv[])
{
    // The Windows error mode has no counterpart: a failing file call returns its error
    // to the program here, and the system shows no box of its own.
    QApplication qtApp(argc, argv);
    // The program's loops are the dialogs' own; closing a window must not end them.
    QApplication::setQuitOnLastWindowClosed(false);

    const ModuleNames names = deriveModuleNames(AfxGetModuleFileName(argc > 0 ? argv[0] : nullptr));
    AfxSetAppName(names.programName);
    AfxSetHelpFilePath(names.helpFilePath);
    QApplication::setApplicationName(QString::fromLocal8Bit(names.programName));
    installMessageBoxHelpKey();

    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    if (!app->InitInstance())
        return 0;
    return QApplication::exec();
}
