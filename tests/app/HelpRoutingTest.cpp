// The help key in the running program: the topic F1 asks for in the editor, in the About
// box and in a framework message box; F1 with a modifier; the failure message.
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QWindow>

#include "ShellFixture.h"

namespace {

using HelpKey = ShellFixture;

QLineEdit* field(CConfigEditorDlg& dlg, int id) { return qobject_cast<QLineEdit*>(dlg.GetDlgItem(id)); }

TEST_F(HelpKey, F1AsksForTheTopicOfWhatIsInFront)
{
    const int code = runModal(dlg, [&] {
        // The editor.
        QTest::keyClick(field(dlg, IDC_TITLE_NAME), Qt::Key_F1);
        // The About box over it.
        handleNextAboutBox([&](DialogWindow& about) {
            QTest::keyClick(about.windowHandle(), Qt::Key_F1);
            QTest::keyClick(about.windowHandle(), Qt::Key_Escape);
        });
        dlg.DeliverMessage(WM_SYSCOMMAND, IDM_ABOUT);
        // A framework message with a string number: the exchange's refusal of Customer ID.
        field(dlg, IDC_CUSTOMER_ID)->setText("abc");
        std::string boxText;
        handleNextMessageBox([&](QMessageBox& box) {
            boxText = box.text().toStdString();
            QTest::keyClick(&box, Qt::Key_F1);
            pressFirstButton(box);
        });
        QTest::keyClick(field(dlg, IDC_CUSTOMER_ID), Qt::Key_Return);
        EXPECT_EQ(boxText, "Please enter a positive integer.");
        // The editor again, once the box has gone.
        QTest::keyClick(field(dlg, IDC_CUSTOMER_ID), Qt::Key_F1);
    });
    EXPECT_EQ(code, kLeftOpen);
    EXPECT_EQ(launcher.topics, (std::vector<std::uint32_t>{0x20066, 0x20064, 0x30000 + AFX_IDP_PARSE_UINT, 0x20066}));
    EXPECT_EQ(launcher.files, std::vector<std::string>(4, "/opt/brevant/Brevant.HLP"));
}

TEST_F(HelpKey, F1WithShiftCtrlOrAltDoesNothing)
{
    const Qt::KeyboardModifiers modifiers[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                               Qt::ShiftModifier | Qt::ControlModifier};
    const int code = runModal(dlg, [&] {
        for (Qt::KeyboardModifiers m : modifiers)
            QTest::keyClick(field(dlg, IDC_TITLE_NAME), Qt::Key_F1, m);
        handleNextAboutBox([&](DialogWindow& about) {
            for (Qt::KeyboardModifiers m : modifiers)
                QTest::keyClick(about.windowHandle(), Qt::Key_F1, m);
            QTest::keyClick(about.windowHandle(), Qt::Key_Escape);
        });
        dlg.DeliverMessage(WM_SYSCOMMAND, IDM_ABOUT);
    });
    EXPECT_EQ(code, kLeftOpen);
    EXPECT_TRUE(launcher.topics.empty());
}

TEST_F(HelpKey, ViewerThatCannotStartGivesTheFailureMessageOverWhatIsInFront)
{
    launcher.starts = false;
    const int code = runModal(dlg, [&] {
        struct Seen {
            std::string text, caption;
            QMessageBox::Icon icon;
            QWidget* owner;
            int buttons;
        };
        std::vector<Seen> seen;
        auto armFailureBox = [&] {
            handleNextMessageBox([&](QMessageBox& box) {
                seen.push_back({box.text().toStdString(), box.windowTitle().toStdString(), box.icon(),
                                box.parentWidget(), static_cast<int>(box.buttons().size())});
                // F1 while the failure message is open does nothing: no start, no second box.
                QTest::keyClick(&box, Qt::Key_F1);
                QCoreApplication::processEvents();
                EXPECT_EQ(QApplication::activeModalWidget(), &box);
                pressFirstButton(box);
            });
        };
        armFailureBox();
        QTest::keyClick(field(dlg, IDC_TITLE_NAME), Qt::Key_F1);
        QWidget* aboutWindow = nullptr;
        handleNextAboutBox([&](DialogWindow& about) {
            aboutWindow = &about;
            armFailureBox();
            QTest::keyClick(about.windowHandle(), Qt::Key_F1);
            QTest::keyClick(about.windowHandle(), Qt::Key_Escape);
        });
        dlg.DeliverMessage(WM_SYSCOMMAND, IDM_ABOUT);

        ASSERT_EQ(seen.size(), 2u);
        for (const Seen& s : seen) {
            EXPECT_EQ(s.text, "Failed to launch help.");
            EXPECT_EQ(s.caption, "Brevant");
            EXPECT_EQ(s.icon, QMessageBox::Warning);
            EXPECT_EQ(s.buttons, 1);
        }
        EXPECT_EQ(seen[0].owner, window());
        EXPECT_EQ(seen[1].owner, aboutWindow);
    });
    EXPECT_EQ(code, kLeftOpen);
    EXPECT_EQ(launcher.topics, (std::vector<std::uint32_t>{0x20066, 0x20064}));
}

}  // namespace
