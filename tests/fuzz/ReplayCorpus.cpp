// Feeds every file of one fuzz corpus to the target's entry point. A broken invariant
// aborts the process, so the name of each input goes to stderr before it runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(BREVANT_FUZZ_SUITE, EveryInputKeepsTheInvariants) {
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(BREVANT_CORPUS_DIR))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    ASSERT_FALSE(inputs.empty()) << "no seeds in " << BREVANT_CORPUS_DIR;

    for (const auto& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::cerr << "input " << path.filename().string() << " (" << bytes.size() << " bytes)\n";
        EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0) << path;
    }
}
