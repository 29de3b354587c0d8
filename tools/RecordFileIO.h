// Reading and writing one record file the way the editor's Open and Save as do,
// with the system's reason kept for the command line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "ConfigRecord.h"

struct RecordRead {
    enum class Status { Ok, CannotOpen, LengthError, ChecksumMismatch, ReadError };
    Status status = Status::CannotOpen;
    std::string reason;                 // why it could not be opened or read
    std::uint64_t length = 0;           // the file's full length, once known
    std::array<std::uint8_t, ConfigRecord::kSize> stored{};   // bytes as read from the file
    std::size_t bytesRead = 0;          // how many of `stored` came from the file
    ConfigValues values;                // the record's values when the checksum holds
};

// Opens, measures, reads and verifies. Like the editor, a file of another length than
// 52 is not read, unless `readPartial` asks for as much of it as fits (for dump).
RecordRead readRecordFile(const std::string& path, bool readPartial = false);

struct RecordWrite {
    enum class Status { Ok, CannotCreate, WriteError };
    Status status = Status::Ok;
    std::string reason;
};

// Encodes `values` and writes the 52 stored bytes as Save as does: the old file
// survives any failure.
RecordWrite writeRecordFile(const std::string& path, const ConfigValues& values);
