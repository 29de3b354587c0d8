// What a failed read means for the command line: the reason in the editor's words
// and the exit status.
#pragma once

#include <string>

#include "RecordFileIO.h"

// "ok", "Length Error! (N bytes)", "check data error!", or the system's reason.
std::string readVerdict(const RecordRead& read);

int readStatus(const RecordRead& read);
