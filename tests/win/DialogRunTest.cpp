// The modal run of a dialog: what ends it before it is shown, and the end codes.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "Dialog.h"
#include "ModalTestSupport.h"
#include "ModuleNames.h"
#include "resource.h"

namespace {

// The editor's template with an exchange list that names one field of it, and
// optionally one that the template does not have.
class ListDialog : public CDialog {
public:
    explicit ListDialog(int templateId, bool missingField)
        : CDialog(templateId), m_missingField(missingField) {}
    std::string title = "start";

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TITLE_NAME, title);
        if (m_missingField)
            DDX_Text(pDX, 4242, title);
    }

private:
    bool m_missingField;
};

class DialogRun : public ::testing::Test {
protected:
    void SetUp() override { AfxSetAppName("Brevant"); }
    void TearDown() override { closeAllTopLevels(); }
};

TEST_F(DialogRun, AMissingTemplateEndsWithMinusOneAndShowsNothing)
{
    RecordingBoxes boxes;
    ListDialog dlg(4242, false);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

TEST_F(DialogRun, AFailedFirstShowEndsWithMinusOneBeforeTheWindowIsShown)
{
    RecordingBoxes boxes;
    ListDialog dlg(IDD_CONFIG_EDITOR, true);
    bool shown = true;
    boxes.onShow = [&](const MessageBoxRequest&) { shown = dlg.GetSafeHwnd()->isVisible(); };
    EXPECT_EQ(dlg.DoModal(), -1);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "An unsupported operation was attempted.");
    EXPECT_FALSE(shown);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

TEST_F(DialogRun, EnterTakesTheFieldsAndEndsWithOkAndTheDialogCanRunAgain)
{
    ListDialog dlg(IDD_CONFIG_EDITOR, false);
    const int first = runModal(dlg, [&] {
        auto* field = qobject_cast<QLineEdit*>(dlg.GetDlgItem(IDC_TITLE_NAME));
        EXPECT_EQ(field->text(), "start");
        field->setText("typed");
        QTest::keyClick(field, Qt::Key_Enter);
    });
    EXPECT_EQ(first, IDOK);
    EXPECT_EQ(dlg.title, "typed");
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);

    const int second = runModal(dlg, [&] {
        EXPECT_EQ(qobject_cast<QLineEdit*>(dlg.GetDlgItem(IDC_TITLE_NAME))->text(), "typed");
    });
    EXPECT_EQ(second, kLeftOpen);
}

}  // namespace
