// The version block: carried by the executables as an ELF note, readable without running them.
#include "BrevantVersion.h"
#include "ElfNotes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <utility>

namespace {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// The version block's entries, in block order.
const KeyValues kExpected = {
    {"Fixed.FileVersion", "1.0.0.1"},
    {"Fixed.ProductVersion", "1.0.0.1"},
    {"Fixed.FileFlagsMask", "0x3F"},
    {"Fixed.FileFlags", "0x0"},
    {"Fixed.FileOS", "0x4"},
    {"Fixed.FileType", "0x1"},
    {"Fixed.FileSubtype", "0x0"},
    {"Fixed.FileDate", "0"},
    {"StringFileInfo.040904B0.CompanyName", ""},
    {"StringFileInfo.040904B0.FileDescription", "Brevant MFC Application"},
    {"StringFileInfo.040904B0.FileVersion", "1, 0, 0, 1"},
    {"StringFileInfo.040904B0.InternalName", "Brevant"},
    {"StringFileInfo.040904B0.LegalCopyright", brevant_version::kCopyright},
    {"StringFileInfo.040904B0.LegalTrademarks", ""},
    {"StringFileInfo.040904B0.OriginalFilename", "Brevant.EXE"},
    {"StringFileInfo.040904B0.ProductName", "Brevant Application"},
    {"StringFileInfo.040904B0.ProductVersion", "1, 0, 0, 1"},
    {"VarFileInfo.Translation", "0x0409 0x04B0"},
};

KeyValues parseLines(const std::string& text) {
    KeyValues entries;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const auto eq = line.find('=');
        entries.emplace_back(line.substr(0, eq), eq == std::string::npos ? "" : line.substr(eq + 1));
    }
    return entries;
}

// The version notes an executable carries.
std::vector<ElfNote> versionNotes(const std::string& path) {
    std::vector<ElfNote> found;
    for (const ElfNote& note : readElfNotes(path))
        if (note.owner == "Brevant") found.push_back(note);
    return found;
}

// Executables that must carry the block: this test itself (linked with the note) and the program.
std::vector<std::string> carriers() {
    std::vector<std::string> paths = {std::filesystem::read_symlink("/proc/self/exe").string()};
#ifdef BREVANT_PROGRAM_PATH
    paths.push_back(BREVANT_PROGRAM_PATH);
#endif
    return paths;
}

TEST(VersionBlock, EveryCarrierHoldsOneNoteWithTheBlockInOrder) {
    for (const std::string& path : carriers()) {
        SCOPED_TRACE(path);
        const auto notes = versionNotes(path);
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_EQ(notes[0].section, ".note.brevant.version");
        EXPECT_EQ(notes[0].type, 1u);
        ASSERT_FALSE(notes[0].description.empty());
        EXPECT_EQ(notes[0].description.back(), '\n');
        EXPECT_EQ(parseLines(notes[0].description), kExpected);
    }
}

TEST(VersionBlock, NoteEqualsTheSourceFileWithoutComments) {
    std::ifstream source(BREVANT_VERSION_SOURCE);
    ASSERT_TRUE(source) << BREVANT_VERSION_SOURCE;
    std::string expected;
    for (std::string line; std::getline(source, line);)
        if (!line.empty() && line[0] != '#') expected += line + "\n";
    const auto notes = versionNotes("/proc/self/exe");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].description, expected);
}

TEST(VersionBlock, ValuesForTheProgramMatchTheBlock) {
    EXPECT_STREQ(brevant_version::kProductName, "Brevant Application");
    EXPECT_STREQ(brevant_version::kProductVersion, "1.0.0.1");
    EXPECT_STREQ(brevant_version::kFileDescription, "Brevant MFC Application");
    const std::string copyright = brevant_version::kCopyright;
    EXPECT_EQ(copyright.rfind("Copyright ", 0), 0u);
    EXPECT_EQ(copyright.find('\n'), std::string::npos);
}

TEST(VersionBlock, ReadelfListsTheNote) {
    for (const std::string& path : carriers()) {
        SCOPED_TRACE(path);
        const std::string command = "readelf -n --wide '" + path + "' 2>&1";
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
        ASSERT_TRUE(pipe);
        std::string output;
        std::array<char, 4096> chunk;
        for (std::size_t n; (n = fread(chunk.data(), 1, chunk.size(), pipe.get())) > 0;)
            output.append(chunk.data(), n);
        const int status = pclose(pipe.release());
        if (WIFEXITED(status) && WEXITSTATUS(status) == 127) GTEST_SKIP() << "readelf is not installed";
        EXPECT_NE(output.find(".note.brevant.version"), std::string::npos) << output;
        EXPECT_NE(output.find("Brevant"), std::string::npos) << output;
        // "Fixed.FileVersion=1.0.0.1" as readelf's hex dump of the description.
        EXPECT_NE(output.find("46 69 78 65 64 2e 46 69 6c 65 56 65 72 73 69 6f 6e 3d 31 2e 30 2e 30 2e 31"),
                  std::string::npos)
            << output;
    }
}

}  // namespace
