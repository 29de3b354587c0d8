#include "FileCommands.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "File.h"

void OnOpen(EditorState& state, EditorWindow& window) {
    const std::optional<std::string> path = window.chooseFile(false);
    if (!path) return;

    CFile file;   // closed as by Abort when a file error leaves early
    if (!file.Open(path->c_str(), CFile::modeRead)) {
        file.Abort();
        window.showMessage(kAbortMessage);
        return;
    }
    state.m_inputPath = *path;
    window.showState();

    // Compared at full width: 4 GiB + 52 bytes is not a record.
    const std::uint64_t length = file.GetLength();
    state.m_fileLength = static_cast<std::int32_t>(
        std::min<std::uint64_t>(length, std::numeric_limits<std::int32_t>::max()));
    if (length != ConfigRecord::kSize) {
        window.showMessage(kLengthErrorMessage);
        file.Close();   // nothing of a wrong-sized file reaches the record or the values
        return;
    }

    file.Read(state.m_record.data(), ConfigRecord::kSize);
    file.Close();
    if (!decodeRecord(state.m_record.data(), state.m_values)) {
        window.showMessage(kCheckDataErrorMessage);
        return;
    }
    window.showState();
}

void OnSaveAs(EditorState& state, EditorWindow& window) {
    window.takeState();   // a refused field was reported; save what was taken
    const std::optional<std::string> path = window.chooseFile(true);
    if (!path) return;

    encodeRecord(state.m_values, state.m_record.data());
    state.m_outputPath = *path;

    CFile file;
    if (!file.Open(path->c_str(), CFile::modeCreate | CFile::modeWrite)) {
        file.Abort();
        window.showMessage(kAbortMessage);
        return;
    }
    file.Write(state.m_record.data(), ConfigRecord::kSize);
    state.m_outputPath = *path;
    window.showState();
    file.Close();
}
