// Start-up: InitInstance runs the editor as the main window and returns false; the
// executable's path that names the program.
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "AppEntry.h"
#include "ShellFixture.h"

namespace {

// The editor's window while it is shown, found among the top-level windows.
DialogWindow* shownEditor()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* d = dynamic_cast<DialogWindow*>(w);
        if (d && d->isVisible() && d->dialog().GetTemplateId() == IDD_CONFIG_EDITOR)
            return d;
    }
    return nullptr;
}

TEST(Startup, InitInstanceRunsTheEditorAsMainWindowThenReturnsFalse)
{
    AfxSetAppName("Brevant");
    CConfigEditorApp app;
    ASSERT_EQ(AfxGetApp(), &app);
    bool sawEditor = false;
    bool editorWasMain = false;
    QString caption;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        DialogWindow* editor = shownEditor();
        if (!editor || !QTest::qWaitForWindowActive(editor))
            return;
        poll.stop();
        sawEditor = true;
        editorWasMain = app.m_pMainWnd && app.m_pMainWnd->GetSafeHwnd() == editor;
        caption = editor->windowTitle();
        QTest::keyClick(editor->windowHandle(), Qt::Key_Escape);
    });
    poll.start();

    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(sawEditor);
    EXPECT_TRUE(editorWasMain);
    EXPECT_EQ(caption, "Orvo Config");
    EXPECT_EQ(app.m_pMainWnd, nullptr) << "the ended editor is no longer the main window";
    EXPECT_EQ(shownEditor(), nullptr);
}

TEST(Startup, ApplicationRoutesTheHelpCommand)
{
    RecordingLauncher launcher;
    AfxSetHelpLauncher(&launcher);
    CConfigEditorApp app;
    EXPECT_TRUE(app.OnCmdMsg(ID_HELP));
    EXPECT_EQ(launcher.topics.size(), 1u);
    AfxSetHelpLauncher(nullptr);
}

class ModuleFileName : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() / ("brevant-startup-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string linkTo(const std::filesystem::path& target)
    {
        const auto link = dir / "exe";
        std::filesystem::remove(link);
        std::filesystem::create_symlink(target, link);
        return link.string();
    }
    std::filesystem::path dir;
};

TEST_F(ModuleFileName, ReadsTheExecutablesLink)
{
    EXPECT_EQ(AfxGetModuleFileName("fallback"), std::filesystem::read_symlink("/proc/self/exe").string());
    EXPECT_EQ(AfxGetModuleFileName("Tool", (dir / "no-link").string()), "Tool");
}

TEST_F(ModuleFileName, ExecutableReplacedWhileRunningKeepsItsName)
{
    // The kernel marks the link of a deleted executable; the name is the file's own.
    EXPECT_EQ(AfxGetModuleFileName("x", linkTo(dir / "Brevant (deleted)")), (dir / "Brevant").string());
    // A file that is really named so keeps its name.
    std::ofstream(dir / "Tool (deleted)").put('x');
    EXPECT_EQ(AfxGetModuleFileName("x", linkTo(dir / "Tool (deleted)")), (dir / "Tool (deleted)").string());
}

}  // namespace
