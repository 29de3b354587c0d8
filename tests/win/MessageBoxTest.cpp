// The production message boxes: caption, icon and buttons of each kind, the result,
// and the help-prompt context of a framework message shown by string id.
#include <QMessageBox>
#include <QPushButton>

#include <functional>

#include <gtest/gtest.h>

#include "Dialog.h"
#include "HelpContext.h"
#include "MessageBoxes.h"
#include "ModalTestSupport.h"
#include "ModuleNames.h"
#include "WinDefs.h"
#include "resource.h"

namespace {

struct BoxCase {
    const char* name;
    std::function<int(CWnd&)> show;
    const char* caption;
    QMessageBox::Icon icon;
    QStringList buttons;
    bool ownedByDialog;
    friend void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }
};

class MessageBoxes : public ::testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override { AfxSetAppName("Tool"); }
    void TearDown() override { closeAllTopLevels(); }
};

TEST_P(MessageBoxes, ShowCaptionIconAndButtons)
{
    const BoxCase& c = GetParam();
    CDialog dlg(IDD_CONFIG_EDITOR);
    int result = 0;
    runModal(dlg, [&] {
        bool seen = false;
        handleNextMessageBox([&](QMessageBox& box) {
            seen = true;
            EXPECT_EQ(box.text(), "Some <b>text</b>");
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            EXPECT_EQ(box.windowTitle(), c.caption);
            EXPECT_EQ(box.icon(), c.icon);
            QStringList texts;
            for (QAbstractButton* b : box.buttons())
                texts << b->text().remove(u'&');
            texts.sort();
            EXPECT_EQ(texts, c.buttons);
            EXPECT_EQ(box.parentWidget() == dlg.GetSafeHwnd(), c.ownedByDialog);
            EXPECT_TRUE(box.isModal());
            pressFirstButton(box);
        });
        result = c.show(dlg);
        EXPECT_TRUE(seen);
    });
    EXPECT_NE(result, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MessageBoxes,
    ::testing::Values(
        BoxCase{"CommandMessage", [](CWnd& w) { return w.MessageBox("Some <b>text</b>", nullptr, MB_ICONERROR); }, "Tool",
                QMessageBox::Critical, {"OK"}, true},
        BoxCase{"OwnCaptionNoIcon", [](CWnd& w) { return w.MessageBox("Some <b>text</b>", "Own"); }, "Own",
                QMessageBox::NoIcon, {"OK"}, true},
        BoxCase{"FrameworkMessageGetsExclamation", [](CWnd&) { return AfxMessageBox("Some <b>text</b>"); }, "Tool",
                QMessageBox::Warning, {"OK"}, false},
        BoxCase{"FrameworkMessageKeepsItsIcon",
                [](CWnd&) { return AfxMessageBox("Some <b>text</b>", MB_ICONINFORMATION); }, "Tool",
                QMessageBox::Information, {"OK"}, false},
        BoxCase{"FrameworkQuestion", [](CWnd&) { return AfxMessageBox("Some <b>text</b>", MB_YESNO); }, "Tool",
                QMessageBox::Warning, {"No", "Yes"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrameworkMessageById, SetsThePromptContextOnlyWhileOpen)
{
    AfxSetAppName("Tool");
    AfxSetHelpPromptContext(0x20066);
    std::uint32_t whileOpen = 0;
    QString text;
    handleNextMessageBox([&](QMessageBox& box) {
        whileOpen = AfxGetHelpPromptContext();
        text = box.text();
        pressFirstButton(box);
    });
    EXPECT_EQ(AfxMessageBox(AFX_IDP_PARSE_BYTE), IDOK);
    EXPECT_EQ(whileOpen, 0x3F116u);
    EXPECT_EQ(text, "Please enter an integer between 0 and 255.");
    EXPECT_EQ(AfxGetHelpPromptContext(), 0x20066u);
}

}  // namespace
