// Fuzz target: brevant-cfg's argument handling, run in-process on a folder of record files.
// Input: the arguments, separated by zero bytes. Any command line ends in one of the
// documented exit statuses without escaping exception or crash; every file it leaves in
// the folder is a record that verifies or a seed it refused, unchanged; no descriptor
// stays open.
//
// Every argument is kept inside the work folder: "/" becomes "_", so no path leaves it.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ExitStatus.h"

#include "../tests/record/TempFolder.h"
#include "ConfigRecord.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"

namespace {

constexpr std::size_t kMaxArguments = 12;
constexpr std::size_t kMaxArgumentLength = 64;

class DiscardBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// The folder the commands work in, filled afresh for every input.
const TempFolder& workFolder() {
    static TempFolder folder;
    static const bool entered = ::chdir(folder.path().c_str()) == 0;
    FUZZ_CHECK(entered);
    return folder;
}

struct Seeds {
    std::vector<std::uint8_t> good, badChecksum, tooShort;
};

const Seeds& seeds() {
    static const Seeds made = [] {
        ConfigValues values;
        values.titleName = "seed";
        values.customerId = 7;
        Seeds s;
        s.good.resize(ConfigRecord::kSize);
        encodeRecord(values, s.good.data());
        s.badChecksum = s.good;
        s.badChecksum[48] ^= 1;
        s.tooShort = {0x9e, 0x9d};
        return s;
    }();
    return made;
}

void resetFolder(const TempFolder& folder) {
    for (const std::string& name : folder.names()) std::filesystem::remove_all(folder.path(name));
    writeBytes(folder.path("a.cfg"), seeds().good);
    writeBytes(folder.path("b.cfg"), seeds().badChecksum);
    writeBytes(folder.path("c.sdx"), seeds().tooShort);
}

bool verifies(std::vector<std::uint8_t> bytes) {
    ConfigValues values;
    return bytes.size() == ConfigRecord::kSize && decodeRecord(bytes.data(), values);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TempFolder& folder = workFolder();
    resetFolder(folder);

    FuzzInput in(data, size);
    std::vector<std::string> arguments{"brevant-cfg"};
    while (!in.empty() && arguments.size() <= kMaxArguments) {
        std::string argument = in.until('\0').substr(0, kMaxArgumentLength);
        std::replace(argument.begin(), argument.end(), '/', '_');
        arguments.push_back(argument);
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    const int descriptors = openDescriptorCount();
    DiscardBuffer discard;
    std::streambuf* const out = std::cout.rdbuf(&discard);
    std::streambuf* const err = std::cerr.rdbuf(&discard);
    const int status = runCommandLine(static_cast<int>(arguments.size()), argv.data());
    std::cout.rdbuf(out);
    std::cerr.rdbuf(err);
    std::cout.clear();
    std::cerr.clear();

    constexpr std::array kStatuses = {kExitOk, kExitUsage, kExitDataErr, kExitNoInput, kExitCantCreate, kExitIoErr};
    FUZZ_CHECK(std::find(kStatuses.begin(), kStatuses.end(), status) != kStatuses.end());
    FUZZ_CHECK(openDescriptorCount() == descriptors);
    // The tool writes only records that verify, and never a file it refused to read.
    for (const std::string& name : folder.names()) {
        FUZZ_CHECK(std::filesystem::is_regular_file(folder.path(name)));
        const std::vector<std::uint8_t> bytes = readBytes(folder.path(name));
        FUZZ_CHECK(verifies(bytes) || (name == "b.cfg" && bytes == seeds().badChecksum) ||
                   (name == "c.sdx" && bytes == seeds().tooShort));
    }
    return 0;
}
