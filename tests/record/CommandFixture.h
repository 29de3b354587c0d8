// Shared set-up of the command tests: a temporary folder, an editor state with
// known values shown in a fake window, and a check that no descriptor stays open.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "ConfigRecord.h"
#include "EditorState.h"
#include "FakeEditorWindow.h"
#include "FileCommands.h"
#include "TempFolder.h"

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
