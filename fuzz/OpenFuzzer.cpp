// Fuzz target: Open on arbitrary file contents and lengths, through the command with a
// fake window. Whatever the file holds, Open ends in one of the ways it promises, leaves
// the file as it was and keeps no descriptor open.
//
// Input: one byte of mode; with its low bit set, the next five bytes give a length the
// file is then cut or extended (sparsely) to, so lengths past 4 GiB are reached too.
// The rest is the file's contents.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "../tests/record/FakeEditorWindow.h"
#include "../tests/record/TempFolder.h"
#include "FileCommands.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"

namespace {

constexpr std::uint64_t kLengthMask = 0x1'FFFF'FFFFULL;   // up to 8 GiB

EditorState stateBefore() {
    EditorState state;
    state.m_record.fill(0x3C);
    state.m_fileLength = 9;
    state.m_inputPath = "/earlier/input.cfg";
    state.m_outputPath = "/earlier/output.cfg";
    state.m_values.titleName = "earlier";
    state.m_values.keyAddr = 77;
    state.m_values.jpegAddr = -77;
    return state;
}

std::uint64_t writeFile(const std::string& path, FuzzInput& in) {
    const bool setLength = (in.byte() & 1) != 0;
    std::uint64_t length = 0;
    for (int i = 0; i < 5 && setLength; ++i) length = length << 8 | in.byte();
    const std::string_view contents = in.rest();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(::write(fd, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size()));
    if (setLength) FUZZ_CHECK(::ftruncate(fd, static_cast<off_t>(length & kLengthMask)) == 0);
    struct ::stat info {};
    FUZZ_CHECK(::fstat(fd, &info) == 0);
    ::close(fd);
    return static_cast<std::uint64_t>(info.st_size);
}

std::array<std::uint8_t, ConfigRecord::kSize> readRecord(const std::string& path) {
    std::array<std::uint8_t, ConfigRecord::kSize> bytes{};
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    FUZZ_CHECK(fd >= 0 && ::read(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempFolder folder;
    const std::string path = folder.path("input.cfg");
    FuzzInput in(data, size);
    const std::uint64_t length = writeFile(path, in);
    const int descriptors = openDescriptorCount();

    const EditorState before = stateBefore();
    EditorState state = before;
    FakeEditorWindow window(state);
    window.answers = {path};
    OnOpen(state, window);   // a regular file that is not locked: no file error may escape

    FUZZ_CHECK(openDescriptorCount() == descriptors);
    struct ::stat info {};
    FUZZ_CHECK(::stat(path.c_str(), &info) == 0 && static_cast<std::uint64_t>(info.st_size) == length);
    FUZZ_CHECK(state.m_inputPath == path);
    FUZZ_CHECK(state.m_outputPath == before.m_outputPath);
    FUZZ_CHECK(state.m_fileLength ==
               static_cast<std::int32_t>(std::min<std::uint64_t>(length, std::numeric_limits<std::int32_t>::max())));
    FUZZ_CHECK(window.calls.size() >= 2 && window.calls[0] == "chooseFile(open)" && window.calls[1] == "showState");

    if (length != ConfigRecord::kSize) {
        FUZZ_CHECK(window.calls.size() == 3 && window.calls[2] == "showMessage(Length Error!)");
        FUZZ_CHECK(state.m_record == before.m_record);
        FUZZ_CHECK(state.m_values == before.m_values);
        return 0;
    }
    auto stored = readRecord(path);
    auto plain = stored;
    ConfigValues expected = before.m_values;
    const bool verified = decodeRecord(plain.data(), expected);
    FUZZ_CHECK(state.m_record == plain);
    FUZZ_CHECK(state.m_values == expected);
    FUZZ_CHECK(window.calls.size() == 3);
    FUZZ_CHECK(window.calls[2] == (verified ? "showState" : "showMessage(check data error!)"));
    FUZZ_CHECK(window.fields.at("title") == (verified ? expected.titleName : before.m_values.titleName));
    return 0;
}
