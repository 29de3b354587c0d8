// The editor dialog: shows and edits one configuration record, runs Open and Save as.
#pragma once

#include <QIcon>

#include "Dialog.h"
#include "EditorState.h"
#include "EditorWindow.h"

class CConfigEditorDlg : public CDialog, public EditorState, public EditorWindow {
public:
    explicit CConfigEditorDlg(CWnd* parent = nullptr);
    ~CConfigEditorDlg() override;

    const MessageMap* GetMessageMap() const override { return &messageMap(); }
    static const MessageMap& messageMap();

    bool OnInitDialog() override;

    // EditorWindow
    std::optional<std::string> chooseFile(bool forSaving) override;
    void showMessage(const std::string& text) override;
    bool showState() override;
    bool takeState() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnSysCommand(unsigned nID, long lParam);
    void OnPaint();
    QIcon OnQueryDragIcon();
    void OnOpen();
    void OnSaveAs();

    QIcon m_icon;
};
