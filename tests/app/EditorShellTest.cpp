// The editor's shell: the About entry of its system menu, the system commands, its icons
// and its minimised painting.
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QWindow>

#include <optional>

#include "IconPlacement.h"
#include "ProgramIcon.h"
#include "ShellFixture.h"
#include "StringTable.h"

namespace {

using EditorShell = ShellFixture;

const QStringList kOwnItems = {"&Move", "&Close\tAlt+F4"};

TEST_F(EditorShell, SystemMenuGainsTheAboutEntryAfterItsOwnItems)
{
    const int code = runModal(dlg, [&] {
        CMenu* menu = dlg.GetSystemMenu(false);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menuTexts(*menu), kOwnItems + QStringList({"-", "&About Brevant..."}));
        EXPECT_EQ(menu->items().back().id, static_cast<unsigned>(IDM_ABOUT));
    });
    EXPECT_EQ(code, kLeftOpen);
}

TEST_F(EditorShell, EmptyOrMissingString101AddsNothingButIconsAreSet)
{
    for (const std::optional<std::string>& text : {std::optional<std::string>(""), std::optional<std::string>()}) {
        SCOPED_TRACE(text ? "empty" : "missing");
        ScopedStringOverride about(IDS_ABOUT_MENU, text);
        CConfigEditorDlg editor;
        app.m_pMainWnd = &editor;
        const int code = runModal(editor, [&] {
            EXPECT_EQ(menuTexts(*editor.GetSystemMenu(false)), kOwnItems);
            EXPECT_FALSE(editor.GetSafeHwnd()->windowIcon().isNull());
        });
        EXPECT_EQ(code, kLeftOpen);
    }
}

TEST_F(EditorShell, SystemCommandsSixteenToThirtyOneOpenTheAboutBoxOthersGoOn)
{
    struct Case {
        unsigned command;
        bool about;
        int code;  // how the editor ends
    };
    const Case cases[] = {
        {16, true, kLeftOpen},       {31, true, kLeftOpen},      {17, true, kLeftOpen},
        {32, false, kLeftOpen},      {15, false, kLeftOpen},     {SC_MOVE, false, kLeftOpen},
        {SC_CLOSE, false, IDCANCEL}, {SC_CLOSE + 1, false, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        CConfigEditorDlg editor;
        app.m_pMainWnd = &editor;
        bool aboutSeen = false;
        QPointer<QTimer> poll;
        const int code = runModal(editor, [&] {
            poll = handleNextAboutBox([&](DialogWindow& about) {
                aboutSeen = true;
                QTest::keyClick(about.windowHandle(), Qt::Key_Escape);
            });
            // The About box runs inside this call; by its return it has been handled.
            editor.DeliverMessage(WM_SYSCOMMAND, c.command);
        });
        delete poll;
        EXPECT_EQ(aboutSeen, c.about);
        EXPECT_EQ(code, c.code);
        closeAllTopLevels();
    }
}

TEST_F(EditorShell, AboutOpensFromTheSystemMenuByKeyboardAndByRightClick)
{
    const int code = runModal(dlg, [&] {
        int seen = 0;
        auto armAbout = [&] {
            handleNextAboutBox([&](DialogWindow& about) {
                ++seen;
                QTest::keyClick(about.windowHandle(), Qt::Key_Return);
            });
        };
        armAbout();
        QTest::keyClick(window()->windowHandle(), Qt::Key_Space, Qt::AltModifier);
        QMenu* menu = SystemMenu::of(window())->openMenu();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_A);
        EXPECT_TRUE(waitFor([&] { return seen == 1; }));

        armAbout();
        // The group box's frame, away from every field.
        QTest::mouseClick(window()->windowHandle(), Qt::RightButton, {}, QPoint(window()->width() - 4, 4));
        menu = SystemMenu::of(window())->openMenu();
        ASSERT_NE(menu, nullptr);
        menu->actions().last()->trigger();
        EXPECT_TRUE(waitFor([&] { return seen == 2; }));
        EXPECT_TRUE(window()->isVisible());
    });
    EXPECT_EQ(code, kLeftOpen);
}

TEST_F(EditorShell, OneIconServesAsBigAndSmallWindowIcon)
{
    const int code = runModal(dlg, [&] {
        const QList<QSize> sizes = window()->windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(32, 32)));
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));
        // The small icon is the program icon's own 16-pixel image, not a scaled 32.
        const QImage small = window()->windowIcon().pixmap(16, 16).toImage();
        const QImage own = AfxLoadIcon(IDI_PROGRAM).pixmap(16, 16).toImage();
        EXPECT_EQ(small.convertToFormat(QImage::Format_ARGB32), own.convertToFormat(QImage::Format_ARGB32));
    });
    EXPECT_EQ(code, kLeftOpen);
}

TEST_F(EditorShell, MinimisedEditorPaintsTheIconCentred)
{
    const int code = runModal(dlg, [&] {
        window()->showMinimized();
        if (!waitFor([&] { return window()->isMinimized(); }))
            GTEST_SKIP() << "the platform does not minimise windows";
        // The window itself, as a minimised window shows it: without its controls.
        QImage shot(window()->size(), QImage::Format_ARGB32);
        window()->render(&shot, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        const QImage icon = AfxLoadIcon(IDI_PROGRAM).pixmap(32, 32).toImage();
        const int x = minimisedIconOffset(window()->width(), 32);
        const int y = minimisedIconOffset(window()->height(), 32);
        // The icon's title bar (navy) lands where the icon is drawn; the background is erased.
        const QPoint inIcon(8, 6);
        ASSERT_EQ(icon.pixelColor(inIcon), QColor(0, 0, 128));
        EXPECT_EQ(shot.pixelColor(QPoint(x, y) + inIcon), QColor(0, 0, 128));
        EXPECT_EQ(shot.pixelColor(2, 2), window()->palette().window().color());
        window()->showNormal();
    });
    EXPECT_EQ(code, kLeftOpen);
}

}  // namespace
