// Shared set-up of the command tests: a temporary folder, an editor state with
// known values shown in a fake window, and a check that no descriptor stays open.
#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "ConfigRecord.h"
#include "EditorState.h"
#include "FakeEditorWindow.h"
#include "FileCommands.h"
#include "TempFolder.h"

using Bytes = std::vector<std::uint8_t>;
using Calls = std::vector<std::string>;

inline ConfigValues valuesBefore() {
    ConfigValues v;
    v.titleName = "earlier";
    v.hwType = 4;
    v.keyAddr = 0xABCDEF;
    v.style = 5;
    v.customerId = 777;
    v.jpegAddr = -300;
    return v;
}

inline ConfigValues valuesInFile() {
    ConfigValues v;
    v.titleName = "from file \xE9";
    v.hwType = 200;
    v.keyAddr = 4000000000u;
    v.style = 17;
    v.customerId = 42;
    v.jpegAddr = -2147483647 - 1;
    return v;
}

inline std::vector<std::uint8_t> storedBytes(const ConfigValues& values) {
    std::vector<std::uint8_t> bytes(ConfigRecord::kSize);
    encodeRecord(values, bytes.data());
    return bytes;
}

inline std::vector<std::uint8_t> plainBytes(std::vector<std::uint8_t> stored) {
    invertBytes(stored.data(), static_cast<int>(stored.size()));
    return stored;
}

inline void expectSameState(const EditorState& actual, const EditorState& expected) {
    EXPECT_EQ(actual.m_record, expected.m_record);
    EXPECT_EQ(actual.m_fileLength, expected.m_fileLength);
    EXPECT_EQ(actual.m_inputPath, expected.m_inputPath);
    EXPECT_EQ(actual.m_outputPath, expected.m_outputPath);
    EXPECT_EQ(actual.m_values, expected.m_values);
}

class CommandTest : public ::testing::Test {
protected:
    CommandTest() {
        state.m_record.fill(0x3C);
        state.m_fileLength = 9;
        state.m_inputPath = "/earlier/input.cfg";
        state.m_outputPath = "/earlier/output.cfg";
        state.m_values = valuesBefore();
    }

    void SetUp() override {
        window.showState();   // the window shows the state before the command
        window.calls.clear();
        m_descriptors = openDescriptorCount();
    }

    void TearDown() override { EXPECT_EQ(openDescriptorCount(), m_descriptors) << "a descriptor stayed open"; }

    std::vector<std::uint8_t> recordBuffer() const { return {state.m_record.begin(), state.m_record.end()}; }

    TempFolder folder;
    EditorState state;
    FakeEditorWindow window{state};

private:
    int m_descriptors = 0;
};

// Save as: the window shows typed values that differ from the state.
inline ConfigValues typedValues() {
    ConfigValues v;
    v.titleName = "typed title";
    v.hwType = 9;
    v.keyAddr = 65536;
    v.style = 1;
    v.customerId = 1000;
    v.jpegAddr = -2;
    return v;
}

inline const Calls kSaved = {"takeState", "chooseFile(save)", "showState"};
inline const Calls kAborted = {"takeState", "chooseFile(save)", "showMessage(abort!)"};

class SaveAsCommand : public CommandTest {
protected:
    void SetUp() override {
        CommandTest::SetUp();
        m_umask = ::umask(022);
        const ConfigValues v = typedValues();
        window.fields["title"] = v.titleName;
        window.fields["hwType"] = "9";
        window.fields["keyAddr"] = "65536";
        window.fields["style"] = "1";
        window.fields["customerId"] = "1000";
        window.fields["jpegAddr"] = "-2";
        window.fields["output"] = "/typed/output.cfg";
    }
    void TearDown() override {
        ::umask(m_umask);
        CommandTest::TearDown();
    }

    // The folder holds exactly these names: no temporary file is left behind.
    void expectFolderHolds(std::vector<std::string> names) {
        std::vector<std::string> actual = folder.names();
        std::sort(actual.begin(), actual.end());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(actual, names);
    }

    // An existing file that must survive a failed save whole.
    std::string oldFile(const std::string& name, mode_t mode = 0640) {
        const std::string path = folder.path(name);
        writeBytes(path, m_oldBytes);
        ::chmod(path.c_str(), mode);
        return path;
    }
    void expectOldFile(const std::string& path, mode_t mode = 0640) {
        EXPECT_EQ(readBytes(path), m_oldBytes);
        EXPECT_EQ(modeOf(path) & 07777, mode);
    }

    Bytes m_oldBytes = Bytes(100, 0x11);

private:
    mode_t m_umask = 0;
};

