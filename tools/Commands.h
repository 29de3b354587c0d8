// The commands of brevant-cfg. Each reports on `out` and `err` and returns its exit status.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ValueOptions.h"

struct Streams {
    std::ostream& out;
    std::ostream& err;
};

int runShow(const std::vector<std::string>& files, bool json, Streams io);
// Files are read by up to `threads` threads (0: as many as the machine has, at most 4);
// the report keeps the order given.
int runVerify(const std::vector<std::string>& files, Streams io, unsigned threads = 0);
int runSet(const std::string& file, const std::optional<std::string>& output, const ValueTexts& texts,
           Streams io);
int runNew(const std::string& output, const ValueTexts& texts, Streams io);
int runDump(const std::string& file, Streams io);
