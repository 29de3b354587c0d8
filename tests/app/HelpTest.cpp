// The help key: the keys that ask for help, the topic chosen, starting the viewer and the
// failure message when it cannot be started.
#include "AppHelp.h"
#include "HelpLauncher.h"
#include "HelpTopic.h"
#include "ModuleNames.h"
#include "resource.h"

#include <QCursor>
#include <QGuiApplication>

#include "QtTestApp.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {


struct Launch {
    std::string helpFile;
    std::uint32_t topic;
    bool waitCursor;
};

// Records each start; answers `starts`.
class RecordingLauncher : public HelpLauncher {
public:
    bool starts = true;
    std::vector<Launch> launches;
    bool launch(const std::string& helpFile, std::uint32_t topic) override {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        launches.push_back({helpFile, topic, cursor && cursor->shape() == Qt::WaitCursor});
        return starts;
    }
};

class HelpRun : public testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        AfxSetHelpFilePath("/opt/brevant/bin/Brevant.HLP");
        AfxSetHelpLauncher(&launcher);
    }
    void TearDown() override { AfxSetHelpLauncher(nullptr); }
    RecordingLauncher launcher;
};

TEST(HelpKey, OnlyPlainF1AsksForHelp) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool help;
    };
    const Case cases[] = {
        {Qt::Key_F1, Qt::NoModifier, true},
        {Qt::Key_F1, Qt::ShiftModifier, false},
        {Qt::Key_F1, Qt::ControlModifier, false},
        {Qt::Key_F1, Qt::AltModifier, false},
        {Qt::Key_F1, Qt::ControlModifier | Qt::AltModifier, false},
        {Qt::Key_F1, Qt::KeypadModifier, true},
        {Qt::Key_F2, Qt::NoModifier, false},
        {Qt::Key_Help, Qt::NoModifier, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isHelpKey(c.key, c.modifiers), c.help) << c.key << " " << c.modifiers.toInt();
}

TEST(HelpTopic, MessageBoxInFrontWinsOverTheDialog) {
    EXPECT_EQ(helpTopicFor(0, IDD_CONFIG_EDITOR), 0x20066u);
    EXPECT_EQ(helpTopicFor(0, IDD_ABOUT), 0x20064u);
    EXPECT_EQ(helpTopicFor(HID_BASE_PROMPT + AFX_IDP_PARSE_INT, IDD_CONFIG_EDITOR), 0x3F110u);
    EXPECT_EQ(helpTopicFor(HID_BASE_PROMPT + AFX_IDP_PARSE_UINT, IDD_ABOUT), 0x3F117u);
}

TEST_F(HelpRun, StartsTheViewerOnTheHelpFileWithTheWaitCursor) {
    int failures = 0;
    AfxRunHelp(0x20066, [&] { ++failures; });
    ASSERT_EQ(launcher.launches.size(), 1u);
    EXPECT_EQ(launcher.launches[0].helpFile, "/opt/brevant/bin/Brevant.HLP");
    EXPECT_EQ(launcher.launches[0].topic, 0x20066u);
    EXPECT_TRUE(launcher.launches[0].waitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the wait cursor ends with the start";
    EXPECT_EQ(failures, 0);
}

TEST_F(HelpRun, FailureIsReportedAndHelpIsDeafWhileTheReportIsOpen) {
    launcher.starts = false;
    int failures = 0;
    AfxRunHelp(0x20064, [&] {
        ++failures;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "no wait cursor over the message";
        AfxRunHelp(0x3F107, [&] { ++failures; });  // F1 pressed in the failure message
    });
    EXPECT_EQ(failures, 1);
    ASSERT_EQ(launcher.launches.size(), 1u);
    EXPECT_EQ(launcher.launches[0].topic, 0x20064u);

    // Once the message has gone, F1 works again.
    launcher.starts = true;
    AfxRunHelp(0x20066, [&] { ++failures; });
    EXPECT_EQ(launcher.launches.size(), 2u);
    EXPECT_EQ(failures, 1);
}

TEST_F(HelpRun, ReportThatThrowsStillReopensHelp) {
    launcher.starts = false;
    EXPECT_THROW(AfxRunHelp(0x20066, [] { throw std::runtime_error("box failed"); }), std::runtime_error);
    AfxRunHelp(0x20066, [] {});
    EXPECT_EQ(launcher.launches.size(), 2u);
}

TEST(DesktopHelpLauncher, JudgesByStartingTheOpenerNotByTheFile) {
    qtTestApp();
    // The help file never exists; an opener that starts counts as a started viewer.
    EXPECT_TRUE(DesktopHelpLauncher(QStringLiteral("true")).launch("/nonexistent/Brevant.HLP", 0x20066));
    EXPECT_FALSE(DesktopHelpLauncher(QStringLiteral("/nonexistent/xdg-open")).launch("/tmp/Brevant.HLP", 0x20066));
}

TEST(DesktopHelpLauncher, IsTheDefaultLauncher) {
    EXPECT_NE(dynamic_cast<DesktopHelpLauncher*>(&AfxGetHelpLauncher()), nullptr);
    RecordingLauncher recorder;
    EXPECT_EQ(AfxSetHelpLauncher(&recorder), nullptr);
    EXPECT_EQ(&AfxGetHelpLauncher(), &recorder);
    EXPECT_EQ(AfxSetHelpLauncher(nullptr), &recorder);
    EXPECT_NE(dynamic_cast<DesktopHelpLauncher*>(&AfxGetHelpLauncher()), nullptr);
}

}  // namespace
