// Exit statuses of brevant-cfg, from sysexits.h, and how several files combine.
#pragma once

#include <algorithm>

enum ExitStatus : int {
    kExitOk = 0,
    kExitUsage = 64,        // EX_USAGE: bad command line
    kExitDataErr = 65,      // EX_DATAERR: record or value refused
    kExitNoInput = 66,      // EX_NOINPUT: input cannot be opened
    kExitCantCreate = 73,   // EX_CANTCREAT: output cannot be created
    kExitIoErr = 74,        // EX_IOERR: reading or writing failed
};

// With several files the worst status wins; the larger sysexits code is the worse one
// (an I/O error outranks a missing file, which outranks a refused record).
inline int worseStatus(int a, int b) { return std::max(a, b); }
