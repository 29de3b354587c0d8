// Every byte of a record file with its place in the record, stored and plain.
#pragma once

#include <ostream>
#include <string>

#include "RecordFileIO.h"

// The field a byte offset belongs to, e.g. "Title Name[3]", "checksum[0]".
std::string fieldAtOffset(int offset);

// One line per byte read, then the values the plain bytes hold, the checksum computed
// against the one stored, and the verdict.
void writeDump(std::ostream& out, const std::string& path, const RecordRead& read);
