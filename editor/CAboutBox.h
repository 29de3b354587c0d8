// The About box: the program's name, version and copyright over the editor.
#pragma once

#include "Dialog.h"

class CAboutBox : public CDialog {
public:
    CAboutBox();
    ~CAboutBox() override;

    const MessageMap* GetMessageMap() const override { return &messageMap(); }
    static const MessageMap& messageMap();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
