// A dialog made from a template, and its field operations: controls and their texts,
// the input limit that stops only the user, code-page text, paths in UTF-8.
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "Dialog.h"
#include "DialogTemplate.h"
#include "ModalTestSupport.h"
#include "resource.h"

namespace {

// The editor's template with no exchange; the Input File field holds paths.
class PlainDialog : public CDialog {
public:
    PlainDialog() : CDialog(IDD_CONFIG_EDITOR) { SetPathField(IDC_INPUT_FILE); }
};

class DialogFields : public ::testing::Test {
protected:
    void TearDown() override { closeAllTopLevels(); }
    QLineEdit* edit(int id) const { return qobject_cast<QLineEdit*>(dlg.GetDlgItem(id)); }
    PlainDialog dlg;
};

TEST_F(DialogFields, ControlsFollowTheTemplateAndEveryLabelFits)
{
    const DialogTemplate* t = findDialogTemplate(IDD_CONFIG_EDITOR);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(findDialogTemplate(4242), nullptr);
    runModal(dlg, [&] {
        const QList<QWidget*> children = dlg.GetSafeHwnd()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(children.size(), 20);
        for (int i = 0; i < 20; ++i) {
            const DialogItem& item = t->items[static_cast<std::size_t>(i)];
            QWidget* w = children[i];
            EXPECT_EQ(controlId(w), item.id) << i;
            const QString text = QString::fromStdString(item.text);
            if (auto* label = qobject_cast<QLabel*>(w)) {
                EXPECT_EQ(label->text(), text);
                // The text fits on one line inside the control.
                EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(text), label->width()) << i;
                EXPECT_LE(QFontMetrics(label->font()).height(), label->height() + 2) << i;
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                EXPECT_EQ(button->text(), text);
                EXPECT_FALSE(button->autoDefault());
                EXPECT_FALSE(button->isDefault());
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                EXPECT_EQ(box->title(), text);
                EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
            } else {
                ASSERT_NE(qobject_cast<QLineEdit*>(w), nullptr) << i;
            }
        }
        // The template's font, or the nearest the system has, at 8 points.
        EXPECT_EQ(QFontInfo(dlg.GetSafeHwnd()->font()).pointSize(), 8);
        // The template's 320 x 212 units and each control's rectangle scale alike.
        const QSize size = dlg.GetSafeHwnd()->size();
        const QRect jpeg = dlg.GetDlgItem(IDC_JPEG_ADDR)->geometry();
        EXPECT_NEAR(jpeg.x() * 320.0 / size.width(), 93, 1);
        EXPECT_NEAR(jpeg.y() * 212.0 / size.height(), 156, 1);
        EXPECT_TRUE(dlg.hasField(IDC_TITLE_NAME));
        EXPECT_FALSE(dlg.hasField(IDC_OPEN));
        EXPECT_FALSE(dlg.hasField(4242));
    });
}

TEST_F(DialogFields, TheLimitStopsTypingAndPastingButNotTheProgram)
{
    runModal(dlg, [&] {
        QLineEdit* title = edit(IDC_TITLE_NAME);
        dlg.limitFieldText(IDC_TITLE_NAME, 5);
        title->setFocus();
        QTest::keyClicks(title, "abcdefg");
        EXPECT_EQ(title->text(), "abcde");

        // A paste is cut to the room left.
        title->setText("ab");
        title->setCursorPosition(1);
        QApplication::clipboard()->setText("XYZW");
        title->paste();
        EXPECT_EQ(title->text(), "aXYZb");
        EXPECT_EQ(title->cursorPosition(), 4);

        // Text the program sets is kept whole; then the user can shorten but not lengthen it.
        dlg.setFieldText(IDC_TITLE_NAME, "0123456789");
        EXPECT_EQ(title->text(), "0123456789");
        EXPECT_EQ(dlg.getFieldText(IDC_TITLE_NAME, 3), "012");
        title->end(false);
        QTest::keyClick(title, Qt::Key_A);
        EXPECT_EQ(title->text(), "0123456789");
        QTest::keyClick(title, Qt::Key_Backspace);
        EXPECT_EQ(title->text(), "012345678");
    });
}

TEST_F(DialogFields, TitlesGoThroughTheCodePageAndPathsStayUtf8)
{
    runModal(dlg, [&] {
        dlg.setFieldText(IDC_TITLE_NAME, "\x80\x81\xE9");
        EXPECT_EQ(edit(IDC_TITLE_NAME)->text(), QString::fromUtf8("\u20ac\u0081\u00e9"));
        EXPECT_EQ(dlg.getFieldText(IDC_TITLE_NAME, std::nullopt), "\x80\x81\xE9");
        // A character the code page cannot hold is taken as "?".
        edit(IDC_TITLE_NAME)->setText(QString::fromUtf8("a\u65e5b"));
        EXPECT_EQ(dlg.getFieldText(IDC_TITLE_NAME, std::nullopt), "a?b");

        dlg.setFieldText(IDC_INPUT_FILE, "/tmp/Gr\xC3\xBC\xC3\x9F" "e.cfg");
        EXPECT_EQ(edit(IDC_INPUT_FILE)->text(), QString::fromUtf8("/tmp/Grüße.cfg"));
        EXPECT_EQ(dlg.getFieldText(IDC_INPUT_FILE, std::nullopt), "/tmp/Gr\xC3\xBC\xC3\x9F" "e.cfg");
    });
}

TEST_F(DialogFields, EveryTitleByteSurvivesShowAndTake)
{
    runModal(dlg, [&] {
        for (int b = 1; b < 256; ++b) {
            const std::string title = std::string("a") + static_cast<char>(b) + "z";
            dlg.setFieldText(IDC_TITLE_NAME, title);
            EXPECT_EQ(dlg.getFieldText(IDC_TITLE_NAME, std::nullopt), title) << "byte " << b;
        }
    });
}

TEST_F(DialogFields, FocusAndSelectSelectsTheWholeText)
{
    runModal(dlg, [&] {
        edit(IDC_STYLE)->setText("12x");
        dlg.focusAndSelectField(IDC_STYLE);
        EXPECT_EQ(dlg.GetSafeHwnd()->focusWidget(), edit(IDC_STYLE));
        EXPECT_EQ(edit(IDC_STYLE)->selectedText(), "12x");
    });
}

}  // namespace
