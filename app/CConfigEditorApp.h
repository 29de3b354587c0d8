// The application: runs the editor dialog as its only window; the process ends with it.
#pragma once

#include "WinApp.h"

class CConfigEditorApp : public CWinApp {
public:
    CConfigEditorApp();
    ~CConfigEditorApp() override;

    const MessageMap* GetMessageMap() const override { return &messageMap(); }
    static const MessageMap& messageMap();

    // Runs the editor modally and returns false, so that no message loop follows.
    bool InitInstance() override;
};
