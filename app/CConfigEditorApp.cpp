#include "CConfigEditorApp.h"

#include "CConfigEditorDlg.h"
#include "resource.h"

#include <QGuiApplication>

// No name of its own: the framework names the program after its executable.
CConfigEditorApp::CConfigEditorApp() = default;

CConfigEditorApp::~CConfigEditorApp() = default;

const MessageMap& CConfigEditorApp::messageMap()
{
    static const MessageMapEntry entries[] = {
        onCommand<&CWinApp::OnHelp>(ID_HELP),
    };
    static const MessageMap map{&CWinApp::messageMap(), entries};
    return map;
}

bool CConfigEditorApp::InitInstance()
{
    // The OLE control container and the 3-D control library are Windows facilities;
    // neither template holds an OLE control and Qt draws its own look, so neither is needed.
    // Lets desktops (Wayland above all) tie the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brevant.Brevant"));
    CConfigEditorDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The editor's window is gone; it is no longer the main window.
    m_pMainWnd = nullptr;
    return false;
}
