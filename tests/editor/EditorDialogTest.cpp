// The editor dialog as a user meets it: start state, placement, keys, ending, messages.
#include <QGuiApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

#include "EditorFixture.h"
#include "resource.h"

namespace {

using EditorDialog = EditorFixture;

const int kNumberFields[] = {IDC_CUSTOMER_ID, IDC_KEY_ADDR, IDC_HW_TYPE, IDC_STYLE, IDC_JPEG_ADDR};

TEST_F(EditorDialog, StartsCentredWithEmptyTextsZerosAndFocusInInputFile)
{
    const int code = runModal(dlg, [&] {
        QWidget* w = window();
        EXPECT_EQ(w->windowTitle(), "Orvo Config");
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect frame = w->frameGeometry();
        EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1);
        EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1);
        // A modal frame: fixed size, no minimise or maximise box, a task-bar entry of its own.
        EXPECT_EQ(w->minimumSize(), w->maximumSize());
        EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(w->windowType(), Qt::Window);
        EXPECT_EQ(w->parentWidget(), nullptr);

        EXPECT_EQ(focusedId(), IDC_INPUT_FILE);
        for (int id : {IDC_INPUT_FILE, IDC_OUTPUT_FILE, IDC_TITLE_NAME})
            EXPECT_EQ(edit(id)->text(), "") << id;
        for (int id : kNumberFields)
            EXPECT_EQ(edit(id)->text(), "0") << id;
        EXPECT_EQ(button(IDC_OPEN)->text(), "&Open");
        EXPECT_EQ(button(IDC_SAVE_AS)->text(), "Save as...");
        EXPECT_EQ(button(IDCANCEL)->text(), "Exit");
        EXPECT_EQ(dlg.GetDlgItem(IDOK), nullptr);

        // Typing stops at 31 characters in the title; the other fields take more.
        QTest::keyClicks(edit(IDC_TITLE_NAME), QString(40, u'x'));
        EXPECT_EQ(edit(IDC_TITLE_NAME)->text().size(), 31);
        QTest::keyClicks(edit(IDC_INPUT_FILE), QString(40, u'y'));
        EXPECT_EQ(edit(IDC_INPUT_FILE)->text().size(), 40);
    });
    EXPECT_EQ(code, kLeftOpen);
}

TEST_F(EditorDialog, TabAndShiftTabVisitTheFieldsAndButtonsInTemplateOrder)
{
    const std::vector<int> order = {IDC_OUTPUT_FILE, IDC_OPEN, IDC_SAVE_AS, IDCANCEL,
                                    IDC_TITLE_NAME, IDC_CUSTOMER_ID, IDC_KEY_ADDR, IDC_HW_TYPE,
                                    IDC_STYLE, IDC_JPEG_ADDR, IDC_INPUT_FILE};
    runModal(dlg, [&] {
        edit(IDC_TITLE_NAME)->setText("Orvo");
        for (int expected : order) {
            QTest::keyClick(window()->focusWidget(), Qt::Key_Tab);
            ASSERT_EQ(focusedId(), expected);
            if (QLineEdit* e = edit(expected)) {
                EXPECT_EQ(e->selectedText(), e->text()) << expected;
            }
        }
        for (auto it = order.rbegin() + 1; it != order.rend(); ++it) {
            QTest::keyClick(window()->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            ASSERT_EQ(focusedId(), *it);
        }
        QTest::keyClick(window()->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focusedId(), IDC_INPUT_FILE);
    });
}

TEST_F(EditorDialog, EnterWithEveryFieldValidEndsWithOkAndAsksForNoFile)
{
    RecordingBoxes boxes;
    ScriptedChooser chooser({});
    const int code = runModal(dlg, [&] {
        edit(IDC_TITLE_NAME)->setFocus();
        QTest::keyClicks(edit(IDC_TITLE_NAME), "Lobby");
        edit(IDC_KEY_ADDR)->setText("42");
        QTest::keyClick(edit(IDC_TITLE_NAME), Qt::Key_Return);
    });
    EXPECT_EQ(code, IDOK);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(chooser.requests.empty());
    EXPECT_EQ(dlg.m_values.titleName, "Lobby");
    EXPECT_EQ(dlg.m_values.keyAddr, 42u);
}

TEST_F(EditorDialog, EnterWithBadNumberShowsMessageAndSelectsTheFieldInOpenDialog)
{
    const int code = runModal(dlg, [&] {
        edit(IDC_CUSTOMER_ID)->setText("abc");
        edit(IDC_TITLE_NAME)->setFocus();
        bool seen = false;
        handleNextMessageBox([&](QMessageBox& box) {
            seen = true;
            EXPECT_EQ(box.text(), "Please enter a positive integer.");
            EXPECT_EQ(box.windowTitle(), "Brevant");
            EXPECT_EQ(box.icon(), QMessageBox::Warning);
            EXPECT_EQ(box.buttons().size(), 1);
            pressFirstButton(box);
        });
        QTest::keyClick(edit(IDC_TITLE_NAME), Qt::Key_Return);
        EXPECT_TRUE(seen);
        EXPECT_TRUE(window()->isVisible());
        EXPECT_EQ(focusedId(), IDC_CUSTOMER_ID);
        EXPECT_EQ(edit(IDC_CUSTOMER_ID)->selectedText(), "abc");
    });
    EXPECT_EQ(code, kLeftOpen);
}

struct EndingCase {
    const char* name;
    std::function<void(CConfigEditorDlg&)> act;
    friend void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.name; }
};

class EditorEnding : public EditorFixture, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(EditorEnding, EndsWithCancelAtOnceDespiteBadTextAndShowsNothing)
{
    RecordingBoxes boxes;
    const int code = runModal(dlg, [&] {
        edit(IDC_HW_TYPE)->setText("300");
        edit(IDC_JPEG_ADDR)->setText("-0");
        GetParam().act(dlg);
    });
    EXPECT_EQ(code, IDCANCEL);
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditorEnding,
    ::testing::Values(
        EndingCase{"Escape", [](CConfigEditorDlg& d) {
            QTest::keyClick(d.GetSafeHwnd()->focusWidget(), Qt::Key_Escape);
        }},
        EndingCase{"AltF4", [](CConfigEditorDlg& d) {
            QTest::keyClick(d.GetSafeHwnd()->focusWidget(), Qt::Key_F4, Qt::AltModifier);
        }},
        EndingCase{"CloseBox", [](CConfigEditorDlg& d) { d.GetSafeHwnd()->windowHandle()->close(); }},
        EndingCase{"ExitClicked", [](CConfigEditorDlg& d) {
            QTest::mouseClick(d.GetDlgItem(IDCANCEL), Qt::LeftButton);
        }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorDialog, AltORunsOpen)
{
    ScriptedChooser chooser({std::nullopt});
    const int code = runModal(dlg, [&] {
        QTest::keyClick(edit(IDC_TITLE_NAME), Qt::Key_O, Qt::AltModifier);
        ASSERT_EQ(chooser.requests.size(), 1u);
        EXPECT_TRUE(chooser.requests[0].open);
    });
    EXPECT_EQ(code, kLeftOpen);
}

struct ButtonKeyCase {
    const char* name;
    int button;
    Qt::Key key;
    friend void PrintTo(const ButtonKeyCase& c, std::ostream* os) { *os << c.name; }
};

class EditorButtonKeys : public EditorFixture, public ::testing::WithParamInterface<ButtonKeyCase> {};

TEST_P(EditorButtonKeys, PressTheFocusedButton)
{
    ScriptedChooser chooser({std::nullopt});
    RecordingBoxes boxes;
    const ButtonKeyCase c = GetParam();
    const int code = runModal(dlg, [&] {
        button(c.button)->setFocus();
        QTest::keyClick(button(c.button), c.key);
    });
    if (c.button == IDCANCEL) {
        EXPECT_EQ(code, IDCANCEL);
        EXPECT_TRUE(chooser.requests.empty());
    } else {
        EXPECT_EQ(code, kLeftOpen);
        ASSERT_EQ(chooser.requests.size(), 1u);
        EXPECT_EQ(chooser.requests[0].open, c.button == IDC_OPEN);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EnterAndSpace, EditorButtonKeys,
    ::testing::Values(ButtonKeyCase{"OpenEnter", IDC_OPEN, Qt::Key_Return},
                      ButtonKeyCase{"OpenSpace", IDC_OPEN, Qt::Key_Space},
                      ButtonKeyCase{"SaveAsEnter", IDC_SAVE_AS, Qt::Key_Return},
                      ButtonKeyCase{"SaveAsSpace", IDC_SAVE_AS, Qt::Key_Space},
                      ButtonKeyCase{"ExitEnter", IDCANCEL, Qt::Key_Return},
                      ButtonKeyCase{"ExitSpace", IDCANCEL, Qt::Key_Space}),
    [](const auto& info) { return std::string(info.param.name); });

// Keys and clicks sent through the window system, as a user's would be.
void tryToReachEditor(QWidget* editor)
{
    QWindow* w = editor->windowHandle();
    QWidget* exitButton = nullptr;
    for (QWidget* child : editor->findChildren<QWidget*>()) {
        if (controlId(child) == IDCANCEL)
            exitButton = child;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, exitButton->geometry().center());
    QTest::keyClick(w, Qt::Key_Escape);
    QTest::keyClick(w, Qt::Key_O, Qt::AltModifier);
}

TEST_F(EditorDialog, MessageOfACommandIsModalOverTheEditorWithErrorIconAndOk)
{
    const int code = runModal(dlg, [&] {
        bool seen = false;
        handleNextMessageBox([&](QMessageBox& box) {
            seen = true;
            EXPECT_EQ(box.text(), "abort!");
            EXPECT_EQ(box.windowTitle(), "Brevant");
            EXPECT_EQ(box.icon(), QMessageBox::Critical);
            ASSERT_EQ(box.buttons().size(), 1);
            EXPECT_EQ(box.buttons().front()->text().remove(u'&'), "OK");
            EXPECT_EQ(box.parentWidget(), window());
            tryToReachEditor(window());
            EXPECT_TRUE(box.isVisible());
            pressFirstButton(box);
        });
        dlg.showMessage("abort!");
        EXPECT_TRUE(seen);
        EXPECT_TRUE(window()->isVisible());
    });
    EXPECT_EQ(code, kLeftOpen);
}

TEST_F(EditorDialog, NoInputReachesTheEditorWhileTheFileDialogIsOpen)
{
    const int code = runModal(dlg, [&] {
        bool seen = false;
        handleNextFileDialog([&](QFileDialog& fd) {
            seen = true;
            EXPECT_EQ(fd.parentWidget(), window());
            tryToReachEditor(window());
            EXPECT_TRUE(fd.isVisible());
            fd.reject();
        });
        button(IDC_OPEN)->setFocus();
        QTest::mouseClick(button(IDC_OPEN), Qt::LeftButton);
        EXPECT_TRUE(seen);
        EXPECT_TRUE(window()->isVisible());
        EXPECT_EQ(focusedId(), IDC_OPEN);
    });
    EXPECT_EQ(code, kLeftOpen);
}

}  // namespace
