// Message maps and command routing: derived maps first, the application for commands
// 0x8000..0xEFFF, the close through the system command, exceptions reported where
// the command was delivered.
#include <QPushButton>
#include <QTest>

#include <cerrno>
#include <functional>
#include <stdexcept>

#include <gtest/gtest.h>

#include "Dialog.h"
#include "FileException.h"
#include "ModalTestSupport.h"
#include "ModuleNames.h"
#include "WinApp.h"
#include "resource.h"

namespace {

std::vector<std::string> g_log;

class ProbeApp : public CWinApp {
public:
    const MessageMap* GetMessageMap() const override { return &messageMap(); }
    static const MessageMap& messageMap()
    {
        static const MessageMapEntry entries[] = {
            onCommand<&ProbeApp::OnAppCommand>(0x8001),
            onCommand<&ProbeApp::OnLowCommand>(0x7FFF),
            onCommand<&ProbeApp::OnHighCommand>(0xF000),
        };
        static const MessageMap map{&CWinApp::messageMap(), entries};
        return map;
    }

private:
    void OnAppCommand() { g_log.push_back("app 8001"); }
    void OnLowCommand() { g_log.push_back("app 7fff"); }
    void OnHighCommand() { g_log.push_back("app f000"); }
};

// Uses the editor's template; its "&Open" button (1001) runs `onOpen`.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(IDD_CONFIG_EDITOR) {}
    const MessageMap* GetMessageMap() const override { return &messageMap(); }
    static const MessageMap& messageMap()
    {
        static const MessageMapEntry entries[] = {
            onSysCommand<&ProbeDialog::OnSysCommand>(),
            onCommand<&ProbeDialog::OnOpenButton>(IDC_OPEN),
            onCommand<&ProbeDialog::OnOkProbe>(IDOK),
        };
        static const MessageMap map{&CDialog::messageMap(), entries};
        return map;
    }
    std::function<void()> onOpen;

protected:
    void OnCancel() override
    {
        g_log.push_back("cancel");
        CDialog::OnCancel();
    }

private:
    void OnSysCommand(unsigned id, long) { g_log.push_back("sys " + std::to_string(id)); Default(); }
    void OnOpenButton() { g_log.push_back("open"); if (onOpen) onOpen(); }
    void OnOkProbe() { g_log.push_back("ok from the derived map"); }
};

class MessageMaps : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        AfxSetAppName("Brevant");
    }
    void TearDown() override { closeAllTopLevels(); }
    ProbeApp app;
    ProbeDialog dlg;
};

TEST_F(MessageMaps, TheDerivedMapIsSearchedBeforeTheBase)
{
    const int code = runModal(dlg, [&] { dlg.SendMessage(WM_COMMAND, IDOK); });
    EXPECT_EQ(code, kLeftOpen);
    EXPECT_EQ(g_log, std::vector<std::string>{"ok from the derived map"});
}

TEST_F(MessageMaps, OnlyCommands8000ToEFFFGoOnToTheApplication)
{
    runModal(dlg, [&] {
        for (unsigned id : {0x8001u, 0x7FFFu, 0xF000u})
            dlg.SendMessage(WM_COMMAND, id);
    });
    EXPECT_EQ(g_log, std::vector<std::string>{"app 8001"});
}

TEST_F(MessageMaps, CloseGoesThroughTheSystemCommandToCancel)
{
    const int code = runModal(dlg, [&] { dlg.GetSafeHwnd()->close(); });
    EXPECT_EQ(code, IDCANCEL);
    EXPECT_EQ(g_log, (std::vector<std::string>{"sys " + std::to_string(SC_CLOSE), "cancel"}));
}

struct ThrowCase {
    const char* name;
    std::function<void()> raise;
    std::string text;
    unsigned icon;
    friend void PrintTo(const ThrowCase& c, std::ostream* os) { *os << c.name; }
};

class CommandExceptions : public MessageMaps, public ::testing::WithParamInterface<ThrowCase> {};

TEST_P(CommandExceptions, AreReportedOverTheDialogWhichStaysOpen)
{
    RecordingBoxes boxes;
    dlg.onOpen = GetParam().raise;
    const int code = runModal(dlg, [&] {
        QTest::mouseClick(dlg.GetDlgItem(IDC_OPEN), Qt::LeftButton);
        EXPECT_TRUE(dlg.GetSafeHwnd()->isVisible());
    });
    EXPECT_EQ(code, kLeftOpen);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    const SeenBox& box = boxes.boxes[0];
    EXPECT_EQ(box.text, GetParam().text);
    EXPECT_EQ(box.caption, "Brevant");
    EXPECT_EQ(box.type & MB_ICONMASK, GetParam().icon);
    EXPECT_EQ(box.type & MB_TYPEMASK, static_cast<unsigned>(MB_OK));
    EXPECT_NE(box.owner, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CommandExceptions,
    ::testing::Values(
        ThrowCase{"FileError", [] { throw CFileException(CFileException::diskFull, "/data/a.cfg", ENOSPC); },
                  "Disk full while accessing /data/a.cfg.", MB_ICONSTOP},
        ThrowCase{"FrameworkErrorWithoutText", [] { throw CException(); }, "Internal application error.",
                  MB_ICONSTOP},
        ThrowCase{"OtherException", [] { throw std::runtime_error("boom"); }, "Internal application error.",
                  MB_ICONSTOP},
        ThrowCase{"NoMemory", [] { throw std::bad_alloc(); }, "Out of memory.", MB_ICONEXCLAMATION}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
