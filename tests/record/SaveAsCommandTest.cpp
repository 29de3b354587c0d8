// The Save-as command on real files: every way it can end, what it leaves in the
// state and the window, and that the file on disk is whole or untouched.
#include <sys/stat.h>

#include <algorithm>
#include <functional>

#include "CommandFixture.h"
#include "FaultySystemCalls.h"
#include "File.h"

namespace {

TEST_F(SaveAsCommand, CancelledDialogKeepsWhatWasTakenAndWritesNothing) {
    const auto record = state.m_record;
    const FakeEditorWindow::Fields fieldsBefore = window.fields;
    window.answers = {std::nullopt};
    OnSaveAs(state, window);
    EXPECT_EQ(window.calls, (Calls{"takeState", "chooseFile(save)"}));
    EXPECT_EQ(state.m_values, typedValues());
    EXPECT_EQ(state.m_outputPath, "/typed/output.cfg");
    EXPECT_EQ(state.m_record, record);
    EXPECT_EQ(window.fields, fieldsBefore);
    expectFolderHolds({});
}

TEST_F(SaveAsCommand, CancelledAfterARefusedFieldKeepsWhatWasTakenBeforeIt) {
    window.fields["keyAddr"] = "-5";
    const FakeEditorWindow::Fields fieldsBefore = window.fields;
    window.answers = {std::nullopt};
    OnSaveAs(state, window);
    EXPECT_EQ(window.calls, (Calls{"takeState", "refused(keyAddr)", "chooseFile(save)"}));
    ConfigValues expected = valuesBefore();
    expected.titleName = typedValues().titleName;
    expected.hwType = typedValues().hwType;
    EXPECT_EQ(state.m_values, expected);
    EXPECT_EQ(window.fields, fieldsBefore);
    expectFolderHolds({});
}

struct Target {
    const char* name;
    const char* fileName;
    bool existing;
    mode_t modeAfter;   // a new file gets 0666 less the umask; an old one keeps its mode
};

void PrintTo(const Target& c, std::ostream* os) { *os << c.name; }

class SaveAsTarget : public SaveAsCommand, public ::testing::WithParamInterface<Target> {};

TEST_P(SaveAsTarget, WritesExactlyTheStoredRecordAndShowsTheState) {
    const Target& c = GetParam();
    const std::string path = c.existing ? oldFile(c.fileName, c.modeAfter) : folder.path(c.fileName);
    window.answers = {path};
    OnSaveAs(state, window);

    EXPECT_EQ(window.calls, kSaved);
    const Bytes stored = storedBytes(typedValues());
    EXPECT_EQ(readBytes(path), stored);
    EXPECT_EQ(modeOf(path) & 07777, c.modeAfter);
    EXPECT_TRUE(S_ISREG(modeOf(path)));
    EXPECT_EQ(recordBuffer(), stored);
    EXPECT_EQ(state.m_values, typedValues());
    EXPECT_EQ(state.m_outputPath, path);
    EXPECT_EQ(window.fields["output"], path);
    expectFolderHolds({c.fileName});
}

INSTANTIATE_TEST_SUITE_P(SaveAsCommand, SaveAsTarget,
                         ::testing::Values(Target{"NewFile", "new.cfg", false, 0644},
                                           Target{"NameWithoutExtension", "plain", false, 0644},
                                           Target{"ExistingFileIsReplaced", "old.sdx", true, 0640},
                                           Target{"ExistingFileKeepsOddMode", "odd.cfg", true, 0602}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SaveAsCommand, SavedFileOpensToTheSameValues) {
    const std::string path = folder.path("round.cfg");
    window.answers = {path, path};
    OnSaveAs(state, window);
    state.m_values = ConfigValues{};
    window.calls.clear();
    OnOpen(state, window);
    EXPECT_EQ(window.calls, (Calls{"chooseFile(open)", "showState", "showState"}));
    EXPECT_EQ(state.m_values, typedValues());
    EXPECT_EQ(state.m_fileLength, 52);
}

TEST_F(SaveAsCommand, RefusedNumberSavesTheEarlierValuesAndShowsThemAgain) {
    window.fields["customerId"] = "12x";
    const std::string path = folder.path("partly.cfg");
    window.answers = {path};
    OnSaveAs(state, window);

    EXPECT_EQ(window.calls, (Calls{"takeState", "refused(customerId)", "chooseFile(save)", "showState"}));
    ConfigValues expected = typedValues();   // taken up to the refused field
    expected.customerId = valuesBefore().customerId;
    expected.jpegAddr = valuesBefore().jpegAddr;
    EXPECT_EQ(state.m_values, expected);
    EXPECT_EQ(readBytes(path), storedBytes(expected));
    EXPECT_EQ(window.fields["customerId"], "777");
    EXPECT_EQ(window.fields["jpegAddr"], "-300");
}

TEST_F(SaveAsCommand, LongTitleFromOpenIsCutInTheFileAndShownWhole) {
    const std::string longTitle(40, 'L');
    state.m_values.titleName = longTitle;
    window.fields["title"] = longTitle;
    const std::string path = folder.path("long.cfg");
    window.answers = {path};
    OnSaveAs(state, window);

    EXPECT_EQ(window.calls, (Calls{"takeState", "refused(title)", "chooseFile(save)", "showState"}));
    ConfigValues expected = valuesBefore();
    expected.titleName = longTitle;
    EXPECT_EQ(state.m_values, expected);
    ConfigValues inFile = expected;
    inFile.titleName.resize(31);
    EXPECT_EQ(readBytes(path), storedBytes(inFile));
    EXPECT_EQ(window.fields["title"], longTitle);
    EXPECT_EQ(window.fields["hwType"], "4");
}

struct Refused {
    const char* name;
    std::function<std::string(const TempFolder&, const Bytes&)> make;   // the path to choose
    bool oldFileStays;
};

void PrintTo(const Refused& c, std::ostream* os) { *os << c.name; }

std::string existingWithMode(const TempFolder& f, const Bytes& bytes, mode_t mode) {
    const std::string path = f.path("old.cfg");
    writeBytes(path, bytes);
    ::chmod(path.c_str(), mode);
    return path;
}

class SaveAsRefused : public SaveAsCommand, public ::testing::WithParamInterface<Refused> {};

TEST_P(SaveAsRefused, ShowsAbortAndLeavesFileAndOutputField) {
    const Refused& c = GetParam();
    const std::string path = c.make(folder, m_oldBytes);
    const mode_t modeBefore = modeOf(path);
    const auto namesBefore = folder.names();
    window.answers = {path};
    OnSaveAs(state, window);

    EXPECT_EQ(window.calls, kAborted);
    EXPECT_EQ(recordBuffer(), storedBytes(typedValues()));
    EXPECT_EQ(state.m_outputPath, path);
    EXPECT_EQ(window.fields["output"], "/typed/output.cfg");
    expectFolderHolds(namesBefore);
    if (c.oldFileStays) {
        EXPECT_EQ(readBytes(path), m_oldBytes);
        EXPECT_EQ(modeOf(path), modeBefore);
    }

    // The refused path appears in the output field at the next Open that opens a file.
    const std::string other = folder.path("other.cfg");
    writeBytes(other, storedBytes(valuesInFile()));
    window.answers = {other};
    OnOpen(state, window);
    EXPECT_EQ(window.fields["output"], path);
    ::unlink(other.c_str());
}

INSTANTIATE_TEST_SUITE_P(
    SaveAsCommand, SaveAsRefused,
    ::testing::Values(
        // No write bit: read-only for root too.
        Refused{"ReadOnlyFile", [](const TempFolder& f, const Bytes& b) { return existingWithMode(f, b, 0444); },
                true},
        Refused{"NoPermissionsAtAll", [](const TempFolder& f, const Bytes& b) { return existingWithMode(f, b, 0); },
                true},
        Refused{"Folder",
                [](const TempFolder& f, const Bytes&) {
                    ::mkdir(f.path("dir.cfg").c_str(), 0755);
                    return f.path("dir.cfg");
                },
                false},
        Refused{"FifoWithoutReader",   // opening it for writing would block
                [](const TempFolder& f, const Bytes&) {
                    ::mkfifo(f.path("pipe.cfg").c_str(), 0644);
                    return f.path("pipe.cfg");
                },
                false},
        Refused{"MissingFolder", [](const TempFolder& f, const Bytes&) { return f.path("no/such.cfg"); }, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(SaveAsCommand, FileLockedByAnotherProcessShowsAbort) {
    const std::string path = oldFile("held.cfg");
    {
        LockHolder other(path);
        window.answers = {path};
        OnSaveAs(state, window);
    }
    EXPECT_EQ(window.calls, kAborted);
    expectOldFile(path);
    expectFolderHolds({"held.cfg"});
}

TEST_F(SaveAsCommand, SymbolicLinkStaysALinkAndItsTargetIsReplaced) {
    const std::string target = oldFile("real.cfg");
    const std::string link = folder.path("link.cfg");
    ASSERT_EQ(::symlink("real.cfg", link.c_str()), 0);
    window.answers = {link};
    OnSaveAs(state, window);

    EXPECT_EQ(window.calls, kSaved);
    EXPECT_TRUE(S_ISLNK(modeOf(link)));
    EXPECT_EQ(std::filesystem::read_symlink(link), "real.cfg");
    EXPECT_EQ(readBytes(target), storedBytes(typedValues()));
    EXPECT_EQ(modeOf(target) & 07777, 0640u);
    EXPECT_EQ(state.m_outputPath, link);
    expectFolderHolds({"real.cfg", "link.cfg"});
}

TEST_F(SaveAsCommand, DanglingLinkCreatesTheFileItNames) {
    const std::string link = folder.path("link.cfg");
    ASSERT_EQ(::symlink("made.cfg", link.c_str()), 0);
    window.answers = {link};
    OnSaveAs(state, window);
    EXPECT_EQ(window.calls, kSaved);
    EXPECT_TRUE(S_ISLNK(modeOf(link)));
    EXPECT_EQ(readBytes(folder.path("made.cfg")), storedBytes(typedValues()));
}

TEST_F(SaveAsCommand, HardLinksStayJoined) {
    const std::string first = oldFile("first.cfg");
    const std::string second = folder.path("second.cfg");
    ASSERT_EQ(::link(first.c_str(), second.c_str()), 0);
    window.answers = {first};
    OnSaveAs(state, window);

    EXPECT_EQ(window.calls, kSaved);
    EXPECT_EQ(readBytes(second), storedBytes(typedValues()));
    struct ::stat a {}, b {};
    ::stat(first.c_str(), &a);
    ::stat(second.c_str(), &b);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_EQ(a.st_nlink, 2u);
    expectFolderHolds({"first.cfg", "second.cfg"});
}

TEST_F(SaveAsCommand, FifoWithAReaderIsWrittenDirectly) {
    const std::string path = folder.path("pipe.cfg");
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    window.answers = {path};
    OnSaveAs(state, window);
    EXPECT_EQ(window.calls, kSaved);
    Bytes received(64);
    const ssize_t n = ::read(reader, received.data(), received.size());
    ::close(reader);
    ASSERT_EQ(n, 52);
    received.resize(52);
    EXPECT_EQ(received, storedBytes(typedValues()));
    expectFolderHolds({"pipe.cfg"});
}

TEST_F(SaveAsCommand, FullDeviceGivesDiskFullWithTheFullPath) {
    // Where /dev/full is missing, saving would rightly create a file there: don't.
    if (!S_ISCHR(modeOf("/dev/full"))) GTEST_SKIP() << "/dev/full is not a device here";
    window.answers = {std::string("/dev/full")};
    try {
        OnSaveAs(state, window);
        ADD_FAILURE() << "no file error";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetCause(), CFileException::diskFull);
        EXPECT_EQ(e.GetOsError(), ENOSPC);
        EXPECT_STREQ(e.what(), "Disk full while accessing /dev/full.");
    }
    EXPECT_EQ(window.calls, (Calls{"takeState", "chooseFile(save)"}));
    EXPECT_EQ(state.m_outputPath, "/dev/full");
    EXPECT_EQ(window.fields["output"], "/typed/output.cfg");
    EXPECT_EQ(recordBuffer(), storedBytes(typedValues()));
}

}  // namespace
