// Starts the editor: names the program after its executable, runs the editor
// dialog modally and ends when it closes.
#include <QApplication>

#include <filesystem>
#include <system_error>

#include "ConfigEditorDlg.h"
#include "ModuleNames.h"
#include "WinApp.h"

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    AfxSetAppName(deriveModuleNames(ec ? std::string(argv[0]) : exe.string()).programName);

    CWinApp app;
    CConfigEditorDlg dlg;
    app.m_pMainWnd = &dlg;
    dlg.DoModal();
    app.m_pMainWnd = nullptr;
    return 0;
}
