// The application object: one per process, found through AfxGetApp(). The last
// stop of command routing for commands that no window handles.
#pragma once

#include "CmdTarget.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    const MessageMap* GetMessageMap() const override { return &messageMap(); }
    static const MessageMap& messageMap();

    virtual bool InitInstance() { return false; }

    // The help command: starts the help viewer at the topic of what is in front (AppHelp.cpp).
    void OnHelp();

    CWnd* m_pMainWnd = nullptr;  // the window that runs the program, while it runs
};

// The application object, or nullptr when none exists.
CWinApp* AfxGetApp();
