// The About box: what it shows, where it goes, how it ends, and that the editor beneath
// takes no input while it is open.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "BrevantVersion.h"
#include "CAboutBox.h"
#include "DialogPlacement.h"
#include "ShellFixture.h"

namespace {

QPushButton* okButton(QWidget& about)
{
    for (auto* b : about.findChildren<QPushButton*>())
        if (controlId(b) == IDOK)
            return b;
    return nullptr;
}

int openAboutBoxes()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* d = dynamic_cast<DialogWindow*>(w);
        n += d && d->isVisible() && d->dialog().GetTemplateId() == IDD_ABOUT;
    }
    return n;
}

using AboutBox = ShellFixture;

TEST_F(AboutBox, ShowsNameVersionCopyrightAndIconCentredOverTheEditorWithFocusOnOk)
{
    const int code = runModal(dlg, [&] {
        bool seen = false;
        handleNextAboutBox([&](DialogWindow& about) {
            seen = true;
            EXPECT_EQ(about.windowTitle(), "About Brevant");
            QStringList texts;
            QPixmap iconPixmap;
            for (auto* label : about.findChildren<QLabel*>()) {
                if (!label->pixmap().isNull())
                    iconPixmap = label->pixmap();
                else
                    texts << label->text();
            }
            EXPECT_EQ(texts, (QStringList{"OrvoConfig Version 1.2", brevant_version::kCopyright}));
            EXPECT_EQ(iconPixmap.size(), QSize(32, 32));
            QPushButton* ok = okButton(about);
            ASSERT_NE(ok, nullptr);
            EXPECT_EQ(ok->text(), "OK");
            EXPECT_EQ(about.focusWidget(), ok);
            EXPECT_EQ(about.parentWidget(), window()) << "owned by the editor";
            const QRect area = window()->screen()->availableGeometry();
            EXPECT_EQ(about.frameGeometry().topLeft(),
                      centredPosition(window()->frameGeometry(), area, about.frameGeometry().size()));
            ok->click();
        });
        dlg.DeliverMessage(WM_SYSCOMMAND, IDM_ABOUT);
        EXPECT_TRUE(seen);
    });
    EXPECT_EQ(code, kLeftOpen);
}

TEST_F(AboutBox, EndsOnOkEnterEscapeAndTheCloseBox)
{
    struct Case {
        const char* label;
        std::function<void(QWidget&)> end;
        int code;
    };
    const Case cases[] = {
        {"OK clicked", [](QWidget& w) { QTest::mouseClick(okButton(w), Qt::LeftButton); }, IDOK},
        {"Enter", [](QWidget& w) { QTest::keyClick(w.windowHandle(), Qt::Key_Return); }, IDOK},
        {"Escape", [](QWidget& w) { QTest::keyClick(w.windowHandle(), Qt::Key_Escape); }, IDCANCEL},
        {"close box", [](QWidget& w) { w.close(); }, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        CAboutBox about;
        bool ended = false;
        const int code = runModal(about, [&] {
            c.end(*about.GetSafeHwnd());
            ended = !about.GetSafeHwnd()->isVisible();
        });
        EXPECT_TRUE(ended);
        EXPECT_EQ(code, c.code);
    }
}

TEST_F(AboutBox, EditorTakesNoInputWhileItIsOpenAndIsAsBeforeAfterwards)
{
    const int code = runModal(dlg, [&] {
        auto* title = qobject_cast<QLineEdit*>(dlg.GetDlgItem(IDC_TITLE_NAME));
        QTest::keyClicks(title, "Meter");
        bool seen = false;
        handleNextAboutBox([&](DialogWindow& about) {
            seen = true;
            QWindow* editor = window()->windowHandle();
            QWidget* exitButton = dlg.GetDlgItem(IDCANCEL);
            // Keys and clicks through the window system, as a user's would come.
            QTest::mouseClick(editor, Qt::LeftButton, {}, exitButton->geometry().center());
            QTest::keyClick(editor, Qt::Key_Escape);
            QTest::keyClick(editor, Qt::Key_Space, Qt::AltModifier);
            QTest::mouseClick(editor, Qt::RightButton, {}, QPoint(5, 5));
            QCoreApplication::processEvents();
            EXPECT_TRUE(window()->isVisible());
            EXPECT_EQ(SystemMenu::of(window())->openMenu(), nullptr);
            EXPECT_EQ(openAboutBoxes(), 1);
            EXPECT_TRUE(about.isVisible());
            okButton(about)->click();
        });
        dlg.DeliverMessage(WM_SYSCOMMAND, IDM_ABOUT);
        EXPECT_TRUE(seen);
        EXPECT_EQ(openAboutBoxes(), 0);
        EXPECT_TRUE(window()->isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window())) << "the editor is active again";
        EXPECT_EQ(title->text(), "Meter");
    });
    EXPECT_EQ(code, kLeftOpen);
}

}  // namespace
