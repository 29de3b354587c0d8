// The framework's own system menu: its items, the keys and clicks that open it, and the
// commands it delivers.
#include "SystemMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "QtTestApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {


QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

// A window with a field, a button and a label; commands are recorded.
class SystemMenuTest : public testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        window = std::make_unique<QWidget>();
        window->resize(300, 200);
        field = new QLineEdit(window.get());
        field->setGeometry(10, 10, 100, 20);
        button = new QPushButton(QStringLiteral("Exit"), window.get());
        button->setGeometry(10, 40, 60, 20);
        label = new QLabel(QStringLiteral("Input File"), window.get());
        label->setGeometry(10, 70, 80, 20);
        menu = new SystemMenu(window.get(), [this](unsigned id) { commands.push_back(id); });
        window->show();
        window->activateWindow();
        field->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        if (QMenu* open = menu->openMenu()) open->close();
        window.reset();
        QApplication::processEvents();
    }

public:
    std::unique_ptr<QWidget> window;
    QLineEdit* field = nullptr;
    QPushButton* button = nullptr;
    QLabel* label = nullptr;
    SystemMenu* menu = nullptr;
    std::vector<unsigned> commands;
};

TEST_F(SystemMenuTest, HoldsMoveAndCloseThenWhatIsAppended) {
    EXPECT_EQ(SystemMenu::of(window.get()), menu);
    menu->menu().AppendMenu(MF_SEPARATOR);
    menu->menu().AppendMenu(MF_STRING, 16, "&About Brevant...");
    QMenu* popup = menu->open(QPoint(0, 0));
    EXPECT_EQ(actionTexts(popup),
              (QStringList{"&Move", "&Close\tAlt+F4", "-", "&About Brevant..."}));
}

TEST_F(SystemMenuTest, KeysAndBackgroundClickOpenIt) {
    struct Case {
        const char* label;
        std::function<void(SystemMenuTest&)> press;
        bool opens;
    };
    const Case cases[] = {
        {"Alt+Space in a field", [](SystemMenuTest& t) { QTest::keyClick(t.field, Qt::Key_Space, Qt::AltModifier); }, true},
        {"Menu key in a field", [](SystemMenuTest& t) { QTest::keyClick(t.field, Qt::Key_Menu); }, true},
        {"Shift+F10 on a button", [](SystemMenuTest& t) { QTest::keyClick(t.button, Qt::Key_F10, Qt::ShiftModifier); }, true},
        {"right click on the background",
         [](SystemMenuTest& t) {
             QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(250, 150), t.window->mapToGlobal(QPoint(250, 150)));
             QApplication::sendEvent(t.window.get(), &e);
         },
         true},
        {"right click on a label",
         [](SystemMenuTest& t) {
             QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), t.label->mapToGlobal(QPoint(5, 5)));
             QApplication::sendEvent(t.label, &e);
         },
         true},
        {"right click in a field keeps the field's own menu",
         [](SystemMenuTest& t) {
             QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), t.field->mapToGlobal(QPoint(5, 5)));
             QApplication::sendEvent(t.field, &e);
         },
         false},
        {"the window system's context-menu request from the keyboard, in a field",
         [](SystemMenuTest& t) {
             QContextMenuEvent e(QContextMenuEvent::Keyboard, QPoint(5, 5), t.field->mapToGlobal(QPoint(5, 5)));
             QApplication::sendEvent(t.field, &e);
         },
         true},
        {"Space alone", [](SystemMenuTest& t) { QTest::keyClick(t.field, Qt::Key_Space); }, false},
        {"Ctrl+Space", [](SystemMenuTest& t) { QTest::keyClick(t.field, Qt::Key_Space, Qt::ControlModifier); }, false},
        {"F10 alone", [](SystemMenuTest& t) { QTest::keyClick(t.field, Qt::Key_F10); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        c.press(*this);
        QMenu* popup = menu->openMenu();
        EXPECT_EQ(popup != nullptr, c.opens);
        if (popup) {
            EXPECT_EQ(popup->parentWidget(), window.get());
            popup->close();
            QApplication::processEvents();
        }
        EXPECT_TRUE(commands.empty());
        // A field's own context menu, if one opened, is closed again.
        if (QWidget* popupWidget = QApplication::activePopupWidget()) popupWidget->close();
        QApplication::processEvents();
    }
}

TEST_F(SystemMenuTest, ChosenItemsArriveAsSystemCommandsWithTheirNumbers) {
    menu->menu().AppendMenu(MF_SEPARATOR);
    menu->menu().AppendMenu(MF_STRING, 16, "&About Brevant...");
    // Action index in the popup (the separator is index 2) and the number it must send.
    const std::pair<int, unsigned> items[] = {{0, SC_MOVE}, {1, SC_CLOSE}, {3, 16}};
    std::vector<unsigned> expected;
    for (const auto& [index, id] : items) {
        QMenu* popup = menu->open(QPoint(0, 0));
        popup->actions().at(index)->trigger();
        EXPECT_EQ(commands.size(), expected.size()) << "the command waits until the menu has closed";
        popup->close();
        QApplication::processEvents();
        expected.push_back(id);
    }
    EXPECT_EQ(commands, expected);
}

TEST_F(SystemMenuTest, MenuKeyFollowedByTheSystemsRequestOpensOnlyTheSystemMenu) {
    QTest::keyClick(field, Qt::Key_Menu);
    QMenu* popup = menu->openMenu();
    ASSERT_NE(popup, nullptr);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
    EXPECT_TRUE(QApplication::sendEvent(field, &request));
    EXPECT_EQ(menu->openMenu(), popup);
    EXPECT_EQ(QApplication::activePopupWidget(), popup) << "the field opened no menu of its own";
}

TEST_F(SystemMenuTest, KeyboardChoiceByAccessKey) {
    menu->menu().AppendMenu(MF_SEPARATOR);
    menu->menu().AppendMenu(MF_STRING, 16, "&About Brevant...");
    QTest::keyClick(field, Qt::Key_Space, Qt::AltModifier);
    QMenu* popup = menu->openMenu();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_A);
    QApplication::processEvents();
    EXPECT_EQ(commands, std::vector<unsigned>{16});
    EXPECT_EQ(menu->openMenu(), nullptr);
}

TEST_F(SystemMenuTest, WindowUnderAModalWindowOrDisabledDoesNotOpenIt) {
    QWidget box;
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeModalWidget(), &box);
    QTest::keyClick(field, Qt::Key_Space, Qt::AltModifier);
    EXPECT_EQ(menu->openMenu(), nullptr);
    box.close();
    QApplication::processEvents();

    window->setEnabled(false);
    QTest::keyClick(window.get(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_EQ(menu->openMenu(), nullptr);
    window->setEnabled(true);
    QTest::keyClick(field, Qt::Key_Space, Qt::AltModifier);
    EXPECT_NE(menu->openMenu(), nullptr);
}

TEST_F(SystemMenuTest, KeyboardMoveFollowsTheArrowKeys) {
    struct Case {
        const char* label;
        Qt::Key end;
        bool kept;
    };
    for (const Case c : {Case{"Enter keeps the place", Qt::Key_Return, true},
                         Case{"Escape puts it back", Qt::Key_Escape, false}}) {
        SCOPED_TRACE(c.label);
        const QPoint start = window->pos();
        startKeyboardMove(window.get());
        QTest::keyClick(field, Qt::Key_Right);
        QTest::keyClick(field, Qt::Key_Right);
        QTest::keyClick(field, Qt::Key_Down);
        QTest::keyClick(field, Qt::Key_A);
        EXPECT_EQ(window->pos(), start + QPoint(16, 8));
        EXPECT_TRUE(field->text().isEmpty()) << "the field took no keys meanwhile";
        QTest::keyClick(field, c.end);
        QApplication::processEvents();
        EXPECT_EQ(window->pos(), c.kept ? start + QPoint(16, 8) : start);
        // The move has ended: keys reach the controls again.
        QTest::keyClick(field, Qt::Key_Right);
        EXPECT_EQ(window->pos(), c.kept ? start + QPoint(16, 8) : start);
        window->move(start);
    }
}

TEST(CMenu, SeparatorCarriesNoNumberOrText) {
    CMenu m;
    m.AppendMenu(MF_SEPARATOR, 99, "ignored");
    m.AppendMenu(MF_STRING, 16, "&About Brevant...");
    ASSERT_EQ(m.GetMenuItemCount(), 2);
    EXPECT_EQ(m.items()[0].id, 0u);
    EXPECT_EQ(m.items()[0].text, "");
    EXPECT_EQ(m.items()[1].id, 16u);
}

}  // namespace
