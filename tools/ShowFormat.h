// The six values as text lines and as JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "ConfigRecord.h"
#include "RecordFileIO.h"

// One line per value, in the dialog's order, with the editor's labels and number forms.
void writeValueLines(std::ostream& out, const ConfigValues& values);

// file, length and checksum, then the values when the checksum holds. A file of another
// length has "error" instead of "checksum"; one that could not be opened or read has only
// file and "error".
nlohmann::ordered_json recordJson(const std::string& path, const RecordRead& read);
