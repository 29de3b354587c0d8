// The file dialogs: the filter as the user sees it, the open and save kinds, and the
// production dialog listing every file under "All Files (*.*)".
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FileDialog.h"
#include "ModalTestSupport.h"
#include "resource.h"

namespace {

constexpr const char* kFilter = "CFG Files (*.cfg)|*.cfg|SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||";

TEST(FileFilter, SplitsIntoPairsAndStopsAtTheEmptyField)
{
    const std::vector<FileFilter> pairs = parseFileFilter(kFilter);
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[0].description, "CFG Files (*.cfg)");
    EXPECT_EQ(pairs[0].patterns, "*.cfg");
    EXPECT_EQ(pairs[2].description, "All Files (*.*)");
    EXPECT_EQ(pairs[2].patterns, "*.*");
    EXPECT_TRUE(parseFileFilter("").empty());
    EXPECT_EQ(parseFileFilter("Text (*.txt)|*.txt").size(), 1u);
    EXPECT_EQ(parseFileFilter("A|*.a||B|*.b||").size(), 1u);
}

TEST(FileFilter, AllFilesMatchesNamesWithoutADot)
{
    const QStringList filters = qtNameFilters(parseFileFilter("All Files (*.*)|*.*|Both|*.cfg;*.sdx||"));
    EXPECT_EQ(filters, (QStringList{"All Files (*.*) (*)", "Both (*.cfg *.sdx)"}));
}

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"a.cfg", "b.sdx", "noext", "c.txt"}) {
            QFile f(m_dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    void TearDown() override { closeAllTopLevels(); }

    // The names the dialog lists in its folder now.
    static QStringList listed(QFileDialog& fd)
    {
        auto* view = fd.findChild<QListView*>("listView");
        QStringList names;
        if (!view)
            return names;
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names << view->model()->index(row, 0, root).data().toString();
        names.sort();
        return names;
    }

    // What a user types into the name field.
    static void typeName(QFileDialog& fd, const char* name)
    {
        auto* field = fd.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(field, nullptr);
        field->setText(name);
    }

    QTemporaryDir m_dir;
};

TEST_F(FileDialogs, OpenShowsTheDescriptionsAndAcceptsANameThatDoesNotExist)
{
    CFileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY, kFilter);
    QStringList cfgListing, allListing, combo;
    handleNextFileDialog([&](QFileDialog& fd) {
        EXPECT_EQ(fd.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(fd.fileMode(), QFileDialog::AnyFile);
        EXPECT_TRUE(fd.defaultSuffix().isEmpty());
        EXPECT_TRUE(fd.isModal());
        if (auto* types = fd.findChild<QComboBox*>("fileTypeCombo")) {
            for (int i = 0; i < types->count(); ++i)
                combo << types->itemText(i);
            EXPECT_EQ(types->currentIndex(), 0);
        }
        fd.setDirectory(m_dir.path());
        waitFor([&] { return listed(fd).contains("a.cfg"); });
        cfgListing = listed(fd);
        fd.selectNameFilter(fd.nameFilters().back());
        waitFor([&] { return listed(fd).contains("noext"); });
        allListing = listed(fd);
        typeName(fd, "missing.cfg");
        static_cast<QDialog&>(fd).accept();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(combo, (QStringList{"CFG Files (*.cfg)", "SDX Files (*.sdx)", "All Files (*.*)"}));
    EXPECT_EQ(cfgListing, QStringList{"a.cfg"});
    EXPECT_EQ(allListing, (QStringList{"a.cfg", "b.sdx", "c.txt", "noext"}));
    EXPECT_EQ(dialog.GetPathName(), m_dir.filePath("missing.cfg").toStdString());
}

TEST_F(FileDialogs, SaveReplacesWithoutAQuestionAndAddsNoExtension)
{
    CFileDialog dialog(false, nullptr, nullptr, OFN_HIDEREADONLY, kFilter);
    handleNextFileDialog([&](QFileDialog& fd) {
        EXPECT_EQ(fd.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(fd.testOption(QFileDialog::DontConfirmOverwrite));
        fd.setDirectory(m_dir.path());
        typeName(fd, "noext");
        static_cast<QDialog&>(fd).accept();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), m_dir.filePath("noext").toStdString());
}

TEST_F(FileDialogs, CancelGivesNoPath)
{
    CFileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY, kFilter);
    handleNextFileDialog([](QFileDialog& fd) { fd.reject(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), "");
}

}  // namespace
