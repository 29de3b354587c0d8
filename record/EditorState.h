// What the editor holds between commands.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ConfigRecord.h"

struct EditorState {
    // Plain bytes of the last file read, or the stored form of the last record built.
    std::array<std::uint8_t, ConfigRecord::kSize> m_record{};
    std::int32_t m_fileLength = 0;   // clamped to the signed 32-bit range
    std::string m_inputPath;         // file-system encoding (UTF-8)
    std::string m_outputPath;
    ConfigValues m_values;
};
