// A fresh editor dialog per test, registered as the main window, with the program
// named "Brevant"; every top-level window is closed afterwards.
#pragma once

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "CConfigEditorDlg.h"
#include "ModalTestSupport.h"
#include "ModuleNames.h"
#include "WinApp.h"

class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        AfxSetAppName("Brevant");
        m_app.m_pMainWnd = &dlg;
    }
    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        closeAllTopLevels();
    }

    QLineEdit* edit(int id) const { return qobject_cast<QLineEdit*>(dlg.GetDlgItem(id)); }
    QPushButton* button(int id) const { return qobject_cast<QPushButton*>(dlg.GetDlgItem(id)); }
    QWidget* window() const { return dlg.GetSafeHwnd(); }
    // The id of the control with the focus, 0 when none of the editor's has it.
    int focusedId() const
    {
        QWidget* f = window() ? window()->focusWidget() : nullptr;
        return f ? controlId(f) : 0;
    }

    CWinApp m_app;
    CConfigEditorDlg dlg;
};
