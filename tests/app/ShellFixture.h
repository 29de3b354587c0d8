// The program's application object with an editor dialog as its main window, the program
// named "Brevant", help starts recorded instead of run; helpers for the About box.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AppHelp.h"
#include "CConfigEditorApp.h"
#include "CConfigEditorDlg.h"
#include "DialogWindow.h"
#include "HelpLauncher.h"
#include "ModalTestSupport.h"
#include "ModuleNames.h"
#include "SystemMenu.h"
#include "resource.h"

// Records what the help key asks for; answers `starts`.
class RecordingLauncher : public HelpLauncher {
public:
    bool starts = true;
    std::vector<std::uint32_t> topics;
    std::vector<std::string> files;
    bool launch(const std::string& helpFile, std::uint32_t topic) override
    {
        files.push_back(helpFile);
        topics.push_back(topic);
        return starts;
    }
};

// The framework dialog window with this template in front, or nullptr.
inline DialogWindow* modalDialog(int templateId)
{
    auto* w = dynamic_cast<DialogWindow*>(QApplication::activeModalWidget());
    return w && w->isVisible() && w->dialog().GetTemplateId() == templateId ? w : nullptr;
}

// Arms a poll for the next About box; `handle` gets its window and must end it. Deleting
// the returned poll disarms it.
inline QPointer<QTimer> handleNextAboutBox(std::function<void(DialogWindow&)> handle)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, handle] {
        DialogWindow* about = modalDialog(IDD_ABOUT);
        if (!about)
            return;
        poll->stop();
        poll->deleteLater();
        handle(*about);
    });
    poll->start();
    return poll;
}

// The texts of a menu's items, "-" for a separator.
inline QStringList menuTexts(const CMenu& menu)
{
    QStringList texts;
    for (const CMenu::Item& item : menu.items())
        texts << (item.flags & MF_SEPARATOR ? QStringLiteral("-") : QString::fromStdString(item.text));
    return texts;
}

class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        AfxSetAppName("Brevant");
        AfxSetHelpFilePath("/opt/brevant/Brevant.HLP");
        AfxSetHelpLauncher(&launcher);
        installMessageBoxHelpKey();  // as the framework's entry does
        app.m_pMainWnd = &dlg;
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        AfxSetHelpLauncher(nullptr);
        closeAllTopLevels();
    }
    QWidget* window() const { return dlg.GetSafeHwnd(); }

    RecordingLauncher launcher;
    CConfigEditorApp app;
    CConfigEditorDlg dlg;
};
