// The Open command on real files: every way it can end, and what each leaves behind.
#include <sys/socket.h>
#include <sys/un.h>

#include <functional>

#include "CommandFixture.h"
#include "FaultySystemCalls.h"
#include "File.h"

namespace {



class OpenCommand : public CommandTest {
protected:
    // Text the user typed and never had taken; step 3 must replace it.
    void typeIntoFields() {
        window.fields["title"] = "typed";
        window.fields["customerId"] = "typed";
    }

    void expectFieldsShowState() {
        FakeEditorWindow::Fields shown = window.fields;
        window.showState();
        window.calls.pop_back();
        EXPECT_EQ(window.fields, shown);
    }
};

TEST_F(OpenCommand, CancelledDialogChangesAndShowsNothing) {
    const EditorState before = state;
    typeIntoFields();
    const FakeEditorWindow::Fields fieldsBefore = window.fields;
    window.answers = {std::nullopt};
    OnOpen(state, window);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"chooseFile(open)"}));
    expectSameState(state, before);
    EXPECT_EQ(window.fields, fieldsBefore);
}

struct Unopenable {
    const char* name;
    std::function<std::string(const TempFolder&)> make;   // returns the path to choose
};

void PrintTo(const Unopenable& c, std::ostream* os) { *os << c.name; }

std::string makeSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    if (!bound) throw std::runtime_error("bind " + path);
    return path;
}

class OpenUnopenable : public OpenCommand, public ::testing::WithParamInterface<Unopenable> {};

TEST_P(OpenUnopenable, ShowsAbortAndChangesNothing) {
    const std::string path = GetParam().make(folder);
    const EditorState before = state;
    const FakeEditorWindow::Fields fieldsBefore = window.fields;
    window.answers = {path};
    OnOpen(state, window);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"chooseFile(open)", "showMessage(abort!)"}));
    expectSameState(state, before);
    EXPECT_EQ(window.fields, fieldsBefore);
}

INSTANTIATE_TEST_SUITE_P(
    OpenCommand, OpenUnopenable,
    ::testing::Values(
        Unopenable{"MissingFile", [](const TempFolder& f) { return f.path("missing.cfg"); }},
        Unopenable{"MissingFolder", [](const TempFolder& f) { return f.path("no/such.cfg"); }},
        Unopenable{"Folder", [](const TempFolder& f) { return f.path(""); }},
        Unopenable{"FifoWithoutWriter",   // opening it for reading would block
                   [](const TempFolder& f) {
                       ::mkfifo(f.path("pipe.cfg").c_str(), 0644);
                       return f.path("pipe.cfg");
                   }},
        Unopenable{"Socket", [](const TempFolder& f) { return makeSocket(f.path("sock.cfg")); }},
        Unopenable{"EndlessDevice", [](const TempFolder&) { return std::string("/dev/zero"); }}),
    [](const auto& info) { return info.param.name; });

TEST_F(OpenCommand, FileLockedByAnotherProcessShowsAbort) {
    const std::string path = folder.path("held.cfg");
    writeBytes(path, storedBytes(valuesInFile()));
    const EditorState before = state;
    {
        LockHolder other(path);
        window.answers = {path};
        OnOpen(state, window);
    }
    EXPECT_EQ(window.calls, (std::vector<std::string>{"chooseFile(open)", "showMessage(abort!)"}));
    expectSameState(state, before);

    window.answers = {path};   // once released it opens
    OnOpen(state, window);
    EXPECT_EQ(state.m_values, valuesInFile());
}

struct WrongLength {
    const char* name;
    std::uint64_t size;
    std::int32_t shownLength;
};

void PrintTo(const WrongLength& c, std::ostream* os) { *os << c.name; }

class OpenWrongLength : public OpenCommand, public ::testing::WithParamInterface<WrongLength> {};

TEST_P(OpenWrongLength, ShowsLengthErrorAfterThePathAndKeepsRecordAndValues) {
    const WrongLength& c = GetParam();
    const std::string path = folder.path("wrong.cfg");
    // The file starts with a valid record, which must not be taken.
    Bytes bytes = storedBytes(valuesInFile());
    bytes.resize(std::min<std::uint64_t>(c.size, 53), 0xFF);
    writeBytes(path, bytes);
    if (c.size > bytes.size()) {
        ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(c.size)), 0);   // sparse
    }

    const EditorState before = state;
    typeIntoFields();
    window.answers = {path};
    OnOpen(state, window);

    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"chooseFile(open)", "showState", "showMessage(Length Error!)"}));
    ASSERT_EQ(window.fieldsAtMessage.size(), 1u);
    EXPECT_EQ(window.fieldsAtMessage[0]["input"], path);
    EXPECT_EQ(state.m_inputPath, path);
    EXPECT_EQ(state.m_fileLength, c.shownLength);
    EXPECT_EQ(state.m_record, before.m_record);
    EXPECT_EQ(state.m_values, before.m_values);
    EXPECT_EQ(state.m_outputPath, before.m_outputPath);
    EXPECT_EQ(window.fields["title"], before.m_values.titleName);
    EXPECT_EQ(window.fields["customerId"], "777");
    expectFieldsShowState();
}

constexpr std::uint64_t k4GiB = std::uint64_t{1} << 32;

INSTANTIATE_TEST_SUITE_P(
    OpenCommand, OpenWrongLength,
    ::testing::Values(WrongLength{"Empty", 0, 0}, WrongLength{"Of51", 51, 51}, WrongLength{"Of53", 53, 53},
                      WrongLength{"Of4GiB", k4GiB, 2147483647},
                      WrongLength{"Of4GiBPlus52", k4GiB + 52, 2147483647}),
    [](const auto& info) { return info.param.name; });

TEST_F(OpenCommand, ChecksumMismatchShowsCheckDataErrorAndKeepsValues) {
    const std::string path = folder.path("bad.cfg");
    Bytes bytes = storedBytes(valuesInFile());
    bytes[48] ^= 0x01;
    writeBytes(path, bytes);
    const EditorState before = state;
    typeIntoFields();
    window.answers = {path};
    OnOpen(state, window);

    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"chooseFile(open)", "showState", "showMessage(check data error!)"}));
    EXPECT_EQ(state.m_inputPath, path);
    EXPECT_EQ(state.m_fileLength, 52);
    EXPECT_EQ(recordBuffer(), plainBytes(bytes));
    EXPECT_EQ(state.m_values, before.m_values);
    EXPECT_EQ(window.fieldsAtMessage[0]["input"], path);
    EXPECT_EQ(window.fields["title"], "earlier");
    EXPECT_EQ(window.fields["customerId"], "777");
    expectFieldsShowState();
}

TEST_F(OpenCommand, ValidFileShowsItsValues) {
    const std::string path = folder.path("good.sdx");
    const Bytes bytes = storedBytes(valuesInFile());
    writeBytes(path, bytes);
    const EditorState before = state;
    window.answers = {path};
    OnOpen(state, window);

    EXPECT_EQ(window.calls, (std::vector<std::string>{"chooseFile(open)", "showState", "showState"}));
    EXPECT_EQ(state.m_inputPath, path);
    EXPECT_EQ(state.m_fileLength, 52);
    EXPECT_EQ(recordBuffer(), plainBytes(bytes));
    EXPECT_EQ(state.m_values, valuesInFile());
    EXPECT_EQ(state.m_outputPath, before.m_outputPath);
    EXPECT_EQ(window.fields["input"], path);
    EXPECT_EQ(window.fields["title"], valuesInFile().titleName);
    EXPECT_EQ(window.fields["jpegAddr"], "-2147483648");
    EXPECT_EQ(readBytes(path), bytes);   // reading leaves the file alone
}

struct OpenFault {
    const char* name;
    Call call;
    int nth;
    int osError;
    std::size_t transfer;             // bytes per read before the failure (0: all)
    CFileException::Cause cause;
    const char* text;
    bool lengthKnown;                 // step 4 completed
    std::size_t recordBytesRead;      // bytes of the file in m_record
};

void PrintTo(const OpenFault& c, std::ostream* os) { *os << c.name; }

class OpenFileError : public OpenCommand, public ::testing::WithParamInterface<OpenFault> {};

TEST_P(OpenFileError, EndsTheCommandAndReachesTheCaller) {
    const OpenFault& c = GetParam();
    const std::string path = folder.path("faulty.cfg");
    const Bytes bytes = storedBytes(valuesInFile());
    writeBytes(path, bytes);
    const EditorState before = state;
    typeIntoFields();
    window.answers = {path};

    FaultySystemCalls faulty;
    faulty.failOn(c.call, c.osError, c.nth);
    faulty.limitTransfer(c.transfer);
    try {
        ScopedSystemCalls scope(faulty);
        OnOpen(state, window);
        ADD_FAILURE() << "no file error";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetCause(), c.cause);
        EXPECT_EQ(e.GetOsError(), c.osError);
        EXPECT_STREQ(e.what(), c.text);
        std::string text;
        EXPECT_TRUE(e.GetErrorMessage(text));
        EXPECT_EQ(text, c.text);
    }
    EXPECT_TRUE(faulty.fired());
    EXPECT_EQ(window.calls, (std::vector<std::string>{"chooseFile(open)", "showState"}));
    EXPECT_EQ(state.m_inputPath, path);
    EXPECT_EQ(window.fields["input"], path);
    EXPECT_EQ(window.fields["customerId"], "777");
    EXPECT_EQ(state.m_fileLength, c.lengthKnown ? 52 : before.m_fileLength);
    Bytes expectedRecord(before.m_record.begin(), before.m_record.end());
    std::copy_n(bytes.begin(), c.recordBytesRead, expectedRecord.begin());
    EXPECT_EQ(recordBuffer(), expectedRecord);
    EXPECT_EQ(state.m_values, before.m_values);
    EXPECT_EQ(readBytes(path), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    OpenCommand, OpenFileError,
    ::testing::Values(
        // The open itself makes one fstat; the second is the length query.
        OpenFault{"LengthFails", Call::fstat, 2, EIO, 0, CFileException::hardIO,
                  "A hardware I/O error was reported while accessing the file.", false, 0},
        OpenFault{"ReadFails", Call::read, 1, EIO, 0, CFileException::hardIO,
                  "A hardware I/O error was reported while accessing the file.", true, 0},
        OpenFault{"ReadFailsAfter20Bytes", Call::read, 2, EIO, 20, CFileException::hardIO,
                  "A hardware I/O error was reported while accessing the file.", true, 20},
        OpenFault{"ReadOnABadHandle", Call::read, 1, EBADF, 0, CFileException::fileNotFound,
                  "the file was not found.", true, 0},
        OpenFault{"CloseFails", Call::close, 1, EIO, 0, CFileException::hardIO,
                  "A hardware I/O error was reported while accessing the file.", true, 52},
        OpenFault{"CloseFailsUnlisted", Call::close, 1, ESTALE, 0, CFileException::genericException,
                  "An unknown error occurred while accessing the file.", true, 52}),
    [](const auto& info) { return info.param.name; });

TEST_F(OpenCommand, CloseFailingAfterLengthErrorReachesTheCaller) {
    const std::string path = folder.path("short.cfg");
    writeBytes(path, Bytes(51, 0xFF));
    const EditorState before = state;
    window.answers = {path};
    FaultySystemCalls faulty;
    faulty.failOn(Call::close, EIO);
    {
        ScopedSystemCalls scope(faulty);
        EXPECT_THROW(OnOpen(state, window), CFileException);
    }
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"chooseFile(open)", "showState", "showMessage(Length Error!)"}));
    EXPECT_EQ(state.m_fileLength, 51);
    EXPECT_EQ(state.m_record, before.m_record);
    EXPECT_EQ(state.m_values, before.m_values);
}

TEST_F(OpenCommand, OpenAfterLengthErrorStillReadsTheNextFile) {
    // The wrong-sized file was closed: nothing holds it locked afterwards.
    const std::string path = folder.path("grows.cfg");
    writeBytes(path, Bytes(51, 0xFF));
    window.answers = {path};
    OnOpen(state, window);
    writeBytes(path, storedBytes(valuesInFile()));
    window.answers = {path};
    OnOpen(state, window);
    EXPECT_EQ(window.calls.back(), "showState");
    EXPECT_EQ(state.m_values, valuesInFile());
}

}  // namespace
