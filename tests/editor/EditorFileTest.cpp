// Open and Save as through the editor on real files in a temporary folder.
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <iterator>

#include "ConfigRecord.h"
#include "EditorFixture.h"
#include "resource.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

// A stored record whose plain title bytes are `title` with no zero before byte
// `title.size()`, running past the 32-byte title field into the numbers.
Bytes recordWithLongTitle(const std::string& title)
{
    Bytes plain(ConfigRecord::kSize, 0);
    std::copy(title.begin(), title.end(), plain.begin());
    const std::uint32_t sum = computeChecksum(plain.data(), ConfigRecord::kChecksummedBytes);
    for (int i = 0; i < 4; ++i)
        plain[ConfigRecord::kChecksumOffset + i] = static_cast<std::uint8_t>(sum >> (8 * i));
    invertBytes(plain.data(), ConfigRecord::kSize);
    return plain;
}

class EditorFiles : public EditorFixture {
protected:
    std::string path(const char* name) const { return (m_dir.path() + '/' + name).toStdString(); }
    QTemporaryDir m_dir;
};

TEST_F(EditorFiles, SaveAsThenOpenRestoresTheValuesFromA52ByteFile)
{
    const std::string file = path("lobby.cfg");
    {
        ScriptedChooser chooser({file});
        RecordingBoxes boxes;
        runModal(dlg, [&] {
            edit(IDC_TITLE_NAME)->setText(QString::fromUtf8("Caf\u00e9 \u20ac"));  // é and € of the code page
            edit(IDC_CUSTOMER_ID)->setText("4294967295");
            edit(IDC_KEY_ADDR)->setText("  007 ");
            edit(IDC_HW_TYPE)->setText("255");
            edit(IDC_STYLE)->setText("3");
            edit(IDC_JPEG_ADDR)->setText("-2147483648");
            QTest::mouseClick(button(IDC_SAVE_AS), Qt::LeftButton);
            EXPECT_EQ(edit(IDC_OUTPUT_FILE)->text().toStdString(), file);
            EXPECT_EQ(edit(IDC_KEY_ADDR)->text(), "7");
        });
        EXPECT_TRUE(boxes.boxes.empty());
        ASSERT_EQ(chooser.requests.size(), 1u);
        EXPECT_FALSE(chooser.requests[0].open);
        EXPECT_TRUE(chooser.requests[0].defaultExt.empty());
        EXPECT_FALSE(chooser.requests[0].flags & OFN_OVERWRITEPROMPT);
        ASSERT_EQ(chooser.requests[0].filters.size(), 3u);
        EXPECT_EQ(chooser.requests[0].filters[2].description, "All Files (*.*)");
    }
    const Bytes stored = readFile(file);
    ASSERT_EQ(stored.size(), 52u);
    EXPECT_EQ(static_cast<std::uint8_t>(~stored[3]), 0xE9);  // "é" stored as its code-page byte
    EXPECT_EQ(static_cast<std::uint8_t>(~stored[5]), 0x80);  // "€"

    CConfigEditorDlg second;
    m_app.m_pMainWnd = &second;
    ScriptedChooser chooser({file});
    RecordingBoxes boxes;
    runModal(second, [&] {
        QTest::mouseClick(qobject_cast<QPushButton*>(second.GetDlgItem(IDC_OPEN)), Qt::LeftButton);
        auto text = [&](int id) { return qobject_cast<QLineEdit*>(second.GetDlgItem(id))->text(); };
        EXPECT_EQ(text(IDC_INPUT_FILE).toStdString(), file);
        EXPECT_EQ(text(IDC_TITLE_NAME), QString::fromUtf8("Caf\u00e9 \u20ac"));
        EXPECT_EQ(text(IDC_CUSTOMER_ID), "4294967295");
        EXPECT_EQ(text(IDC_KEY_ADDR), "7");
        EXPECT_EQ(text(IDC_HW_TYPE), "255");
        EXPECT_EQ(text(IDC_STYLE), "3");
        EXPECT_EQ(text(IDC_JPEG_ADDR), "-2147483648");
    });
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(second.m_fileLength, 52);
    m_app.m_pMainWnd = &dlg;
}

struct RefusedFile {
    const char* name;
    std::optional<Bytes> content;  // none: the file does not exist
    const char* message;
    bool pathShown;
    friend void PrintTo(const RefusedFile& c, std::ostream* os) { *os << c.name; }
};

class EditorRefusedFiles : public EditorFiles, public ::testing::WithParamInterface<RefusedFile> {};

TEST_P(EditorRefusedFiles, ShowTheCommandsMessageAndDropTypedText)
{
    const RefusedFile& c = GetParam();
    const std::string file = path("refused.cfg");
    if (c.content)
        writeFile(file, *c.content);
    ScriptedChooser chooser({file});
    RecordingBoxes boxes;
    std::string inputFieldDuringBox;
    bool ownedByEditor = false;
    boxes.onShow = [&](const MessageBoxRequest& r) {
        inputFieldDuringBox = edit(IDC_INPUT_FILE)->text().toStdString();
        ownedByEditor = r.owner == window();
    };
    runModal(dlg, [&] {
        edit(IDC_CUSTOMER_ID)->setText("77");
        QTest::mouseClick(button(IDC_OPEN), Qt::LeftButton);
        // A file that was opened rewrote every field from the state.
        EXPECT_EQ(edit(IDC_CUSTOMER_ID)->text(), c.pathShown ? "0" : "77");
    });
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, c.message);
    EXPECT_EQ(boxes.boxes[0].caption, "Brevant");
    EXPECT_EQ(boxes.boxes[0].type, static_cast<unsigned>(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(ownedByEditor);
    EXPECT_EQ(inputFieldDuringBox, c.pathShown ? file : "");
    EXPECT_EQ(dlg.m_values, ConfigValues{});
}

INSTANTIATE_TEST_SUITE_P(
    Messages, EditorRefusedFiles,
    ::testing::Values(RefusedFile{"Missing", std::nullopt, "abort!", false},
                      RefusedFile{"Short", Bytes(51, 0xFF), "Length Error!", true},
                      RefusedFile{"Long", Bytes(53, 0xFF), "Length Error!", true},
                      RefusedFile{"BadChecksum", Bytes(52, 0x00), "check data error!", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFiles, PathsWithNonAsciiNamesAreShownAndUsedAsUtf8)
{
    const std::string file = path("Grüße.sdx");
    ScriptedChooser chooser({file, file});
    RecordingBoxes boxes;
    runModal(dlg, [&] {
        QTest::mouseClick(button(IDC_SAVE_AS), Qt::LeftButton);
        QTest::mouseClick(button(IDC_OPEN), Qt::LeftButton);
        EXPECT_EQ(edit(IDC_OUTPUT_FILE)->text(), QString::fromStdString(file));
        EXPECT_EQ(edit(IDC_INPUT_FILE)->text(), QString::fromStdString(file));
    });
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(readFile(file).size(), 52u);
    EXPECT_EQ(dlg.m_inputPath, file);
}

TEST_F(EditorFiles, AFileErrorIsReportedWithStopIconAndTheDialogStaysOpen)
{
    ScriptedChooser chooser({std::string("/dev/full")});
    const int code = runModal(dlg, [&] {
        bool seen = false;
        handleNextMessageBox([&](QMessageBox& box) {
            seen = true;
            EXPECT_EQ(box.text(), "Disk full while accessing /dev/full.");
            EXPECT_EQ(box.windowTitle(), "Brevant");
            EXPECT_EQ(box.icon(), QMessageBox::Critical);
            EXPECT_EQ(box.buttons().size(), 1);
            pressFirstButton(box);
        });
        QTest::mouseClick(button(IDC_SAVE_AS), Qt::LeftButton);
        EXPECT_TRUE(seen);
        EXPECT_TRUE(window()->isVisible());
        // The command ended before showing the chosen path.
        EXPECT_EQ(edit(IDC_OUTPUT_FILE)->text(), "");
    });
    EXPECT_EQ(code, kLeftOpen);
}

TEST_F(EditorFiles, ALongDecodedTitleIsShownWholeAndRefusedOnTake)
{
    // 40 bytes: code-page letters, the byte 0x81 the code page leaves undefined, and
    // 0xE9 "é"; it runs through Customer ID and Key Addr up to HW Type.
    std::string title(38, 'T');
    title += '\x81';
    title += '\xE9';
    const std::string file = path("long.cfg");
    writeFile(file, recordWithLongTitle(title));

    ScriptedChooser chooser({file});
    RecordingBoxes boxes;
    const int code = runModal(dlg, [&] {
        QTest::mouseClick(button(IDC_OPEN), Qt::LeftButton);
        ASSERT_TRUE(boxes.boxes.empty());
        const QString shown = edit(IDC_TITLE_NAME)->text();
        EXPECT_EQ(shown.size(), 40);
        EXPECT_EQ(shown.right(2), QString::fromUtf8("\u0081\u00e9"));
        // Typing into it adds nothing; deleting still works.
        edit(IDC_TITLE_NAME)->setFocus();
        edit(IDC_TITLE_NAME)->end(false);
        QTest::keyClick(edit(IDC_TITLE_NAME), Qt::Key_Z);
        EXPECT_EQ(edit(IDC_TITLE_NAME)->text(), shown);
        QTest::keyClick(edit(IDC_TITLE_NAME), Qt::Key_Backspace);
        EXPECT_EQ(edit(IDC_TITLE_NAME)->text(), shown.left(39));

        QTest::keyClick(edit(IDC_TITLE_NAME), Qt::Key_Return);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, "Please enter no more than 31 characters.");
        EXPECT_EQ(boxes.boxes[0].type & MB_ICONMASK, static_cast<unsigned>(MB_ICONEXCLAMATION));
        EXPECT_EQ(focusedId(), IDC_TITLE_NAME);
        EXPECT_EQ(edit(IDC_TITLE_NAME)->selectedText(), shown.left(39));
    });
    EXPECT_EQ(code, kLeftOpen);
    EXPECT_EQ(dlg.m_values.titleName, title.substr(0, 39));
}

TEST_F(EditorFiles, ShowingLeavesAFieldThatAlreadyShowsTheTextAloneSoItsCaretStays)
{
    runModal(dlg, [&] {
        dlg.m_values.titleName = "Hello";
        dlg.showState();
        edit(IDC_TITLE_NAME)->setCursorPosition(2);
        edit(IDC_KEY_ADDR)->setCursorPosition(0);
        dlg.m_values.keyAddr = 5;
        dlg.showState();
        EXPECT_EQ(edit(IDC_TITLE_NAME)->cursorPosition(), 2);
        EXPECT_EQ(edit(IDC_KEY_ADDR)->text(), "5");

        // A text over 255 characters is always set again.
        dlg.m_inputPath = std::string(300, 'p');
        dlg.showState();
        edit(IDC_INPUT_FILE)->setCursorPosition(3);
        dlg.showState();
        EXPECT_EQ(edit(IDC_INPUT_FILE)->cursorPosition(), 300);
    });
}

}  // namespace
