// Fault injection through the file layer's seam: each system call that Open and Save as
// make fails in turn, with every errno the file-error mapping knows (and one it does not).
// Whatever the command then shows, EditorState and every file on disk must be as the
// commands promise, and no descriptor, lock or temporary file may be left behind.
#include <cerrno>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "CommandFixture.h"
#include "FaultySystemCalls.h"
#include "File.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr Call kEveryCall[] = {Call::open,  Call::stat,      Call::lstat, Call::readlink, Call::getcwd, Call::fstat,
                               Call::read,  Call::write,     Call::ftruncate, Call::fsync, Call::fchmod, Call::fchown,
                               Call::flock, Call::rename,    Call::unlink, Call::close};

const char* callName(Call call) {
    static const char* const kNames[] = {"open",  "stat",   "lstat",  "readlink", "getcwd", "fstat",
                                         "read",  "write",  "ftruncate", "fsync", "fchmod", "fchown",
                                         "flock", "rename", "unlink", "close"};
    return kNames[static_cast<int>(call)];
}

// Every errno the mapping gives a cause of its own, and one it leaves to the generic cause.
std::vector<int> mappedErrnos() {
    std::vector<int> result;
    for (int e = 1; e < 134; ++e)
        if (CFileException::ErrnoToCause(e) != CFileException::genericException) result.push_back(e);
    result.push_back(EFAULT);
    return result;
}

struct Fault {
    Call call;
    int nth;
    int osError;
};

std::string describe(const Fault& f) {
    return std::string(callName(f.call)) + " #" + std::to_string(f.nth) + " fails with " + ::strerrordesc_np(f.osError);
}

enum class Outcome { success, abort, fileError };

// One command run under a fault, and everything it left.
struct Ending {
    Outcome outcome = Outcome::success;
    std::optional<CFileException> error;
};

// A command on real files in a fresh folder: how to set it up and what each ending must leave.
class Scenario {
public:
    virtual ~Scenario() = default;
    virtual const char* name() const = 0;
    // Puts the files in place and answers the file dialog.
    virtual void prepare(const TempFolder& folder, FakeEditorWindow& window) = 0;
    virtual void run(EditorState& state, FakeEditorWindow& window) = 0;
    // The faults that must end in a file error carrying the injected errno: the calls
    // after the file is open, which no fallback can absorb.
    virtual bool mustRaise(const Fault& f, const FaultySystemCalls& dryRun) const = 0;
    virtual void check(const Ending& run, const Fault& f, const EditorState& before, const EditorState& state,
                       const FakeEditorWindow::Fields& fieldsBefore, const FakeEditorWindow& window,
                       const TempFolder& folder) const = 0;
};

void expectFieldsShow(const FakeEditorWindow& window, const EditorState& state) {
    EditorState copy = state;
    FakeEditorWindow shown(copy);
    EXPECT_EQ(window.fields, shown.fields);
}

std::set<std::string> namesIn(const TempFolder& folder) {
    const std::vector<std::string> names = folder.names();
    return {names.begin(), names.end()};
}

// Every entry of the folder: a link as "-> target", a file as its bytes.
std::map<std::string, std::string> snapshot(const TempFolder& folder) {
    std::map<std::string, std::string> entries;
    for (const std::string& name : folder.names()) {
        const std::filesystem::path path = folder.path(name);
        if (std::filesystem::is_symlink(path)) {
            entries[name] = "-> " + std::filesystem::read_symlink(path).string();
        } else {
            const Bytes bytes = readBytes(path);
            entries[name] = std::string(bytes.begin(), bytes.end());
        }
    }
    return entries;
}

class OpenScenario : public Scenario {
public:
    explicit OpenScenario(Bytes contents, const char* name) : m_contents(std::move(contents)), m_name(name) {}
    const char* name() const override { return m_name; }

    void prepare(const TempFolder& folder, FakeEditorWindow& window) override {
        m_path = folder.path("record.cfg");
        writeBytes(m_path, m_contents);
        window.answers = {m_path};
    }
    void run(EditorState& state, FakeEditorWindow& window) override { OnOpen(state, window); }

    bool mustRaise(const Fault& f, const FaultySystemCalls& dryRun) const override {
        const bool lengthQuery = f.call == Call::fstat && f.nth == dryRun.count(Call::fstat);
        return lengthQuery || f.call == Call::read || (f.call == Call::close && f.nth == dryRun.count(Call::close));
    }

    void check(const Ending& run, const Fault& f, const EditorState& before, const EditorState& state,
               const FakeEditorWindow::Fields& fieldsBefore, const FakeEditorWindow& window,
               const TempFolder& folder) const override {
        EXPECT_EQ(readBytes(m_path), m_contents) << "Open changed the file";
        EXPECT_EQ(namesIn(folder), std::set<std::string>{"record.cfg"});
        const bool isRecord = m_contents.size() == ConfigRecord::kSize;
        switch (run.outcome) {
        case Outcome::abort:
            EXPECT_EQ(window.calls, (std::vector<std::string>{"chooseFile(open)", "showMessage(abort!)"}));
            expectSameState(state, before);
            EXPECT_EQ(window.fields, fieldsBefore);
            break;
        case Outcome::fileError: {
            EXPECT_EQ(run.error->GetCause(), CFileException::ErrnoToCause(f.osError));
            EXPECT_EQ(run.error->GetOsError(), f.osError);
            // Length, read and close errors name no file.
            EXPECT_EQ(run.error->what(), CFileException::CauseText(CFileException::ErrnoToCause(f.osError), ""));
            EXPECT_EQ(state.m_inputPath, m_path);
            EXPECT_EQ(state.m_values, before.m_values);
            const bool lengthKnown = state.m_fileLength == static_cast<std::int32_t>(m_contents.size());
            EXPECT_TRUE(state.m_fileLength == before.m_fileLength || lengthKnown);
            const Bytes record(state.m_record.begin(), state.m_record.end());
            const Bytes recordBefore(before.m_record.begin(), before.m_record.end());
            EXPECT_TRUE(record == recordBefore || (isRecord && record == m_contents))
                << "m_record holds neither its old bytes nor the file's";
            // A wrong length is reported once the length query has worked.
            std::vector<std::string> expected = {"chooseFile(open)", "showState"};
            if (!isRecord && lengthKnown) expected.push_back("showMessage(Length Error!)");
            EXPECT_EQ(window.calls, expected);
            expectFieldsShow(window, state);
            break;
        }
        case Outcome::success:
            EXPECT_EQ(state.m_inputPath, m_path);
            EXPECT_EQ(state.m_fileLength, static_cast<std::int32_t>(m_contents.size()));
            if (isRecord) {
                EXPECT_EQ(state.m_values, valuesInFile());
                EXPECT_EQ(Bytes(state.m_record.begin(), state.m_record.end()), plainBytes(m_contents));
                EXPECT_EQ(window.calls, (std::vector<std::string>{"chooseFile(open)", "showState", "showState"}));
            } else {
                EXPECT_EQ(state.m_values, before.m_values);
                EXPECT_EQ(window.calls,
                          (std::vector<std::string>{"chooseFile(open)", "showState", "showMessage(Length Error!)"}));
            }
            expectFieldsShow(window, state);
            break;
        }
    }

private:
    Bytes m_contents;
    const char* m_name;
    std::string m_path;
};

class SaveAsScenario : public Scenario {
public:
    // With `existing`, the target holds those bytes before the command; with `throughLink`,
    // the chosen name is a symbolic link to the file that holds them.
    SaveAsScenario(std::optional<Bytes> existing, bool throughLink, const char* name)
        : m_existing(std::move(existing)), m_throughLink(throughLink), m_name(name) {}
    const char* name() const override { return m_name; }

    void prepare(const TempFolder& folder, FakeEditorWindow& window) override {
        m_path = folder.path("out.cfg");
        m_written = m_throughLink ? "real.cfg" : "out.cfg";
        if (m_existing) writeBytes(folder.path(m_written), *m_existing);
        if (m_throughLink) std::filesystem::create_symlink("real.cfg", m_path);
        m_before = snapshot(folder);
        window.answers = {m_path};
        window.fields["title"] = "typed title";
        window.fields["keyAddr"] = "123456";
    }
    void run(EditorState& state, FakeEditorWindow& window) override { OnSaveAs(state, window); }

    bool mustRaise(const Fault& f, const FaultySystemCalls&) const override {
        // The first close is the written file's; closing the replaced file's lock afterwards
        // cannot lose anything.
        return f.call == Call::write || f.call == Call::fsync || f.call == Call::rename ||
               f.call == Call::fchmod || (f.call == Call::close && f.nth == 1);
    }

    void check(const Ending& run, const Fault& f, const EditorState& before, const EditorState& state,
               const FakeEditorWindow::Fields& fieldsBefore, const FakeEditorWindow& window,
               const TempFolder& folder) const override {
        ConfigValues taken = before.m_values;
        taken.titleName = "typed title";
        taken.keyAddr = 123456;
        EXPECT_EQ(state.m_values, taken);
        EXPECT_EQ(state.m_outputPath, m_path);
        EXPECT_EQ(Bytes(state.m_record.begin(), state.m_record.end()), storedBytes(taken));

        const std::vector<std::string> throughWrite = {"takeState", "chooseFile(save)"};
        std::vector<std::string> throughShow = throughWrite;
        throughShow.push_back("showState");
        switch (run.outcome) {
        case Outcome::abort:
            EXPECT_EQ(window.calls, (std::vector<std::string>{"takeState", "chooseFile(save)", "showMessage(abort!)"}));
            EXPECT_EQ(window.fields, fieldsBefore);
            expectTargetUntouched(folder);
            break;
        case Outcome::fileError:
            EXPECT_EQ(run.error->GetCause(), CFileException::ErrnoToCause(f.osError));
            EXPECT_EQ(run.error->GetOsError(), f.osError);
            // A failed write names the file by its full path; finishing it names none.
            EXPECT_EQ(run.error->what(), CFileException::CauseText(CFileException::ErrnoToCause(f.osError),
                                                                   f.call == Call::write ? m_path : ""));
            if (f.call == Call::write) {
                EXPECT_EQ(window.calls, throughWrite);
                EXPECT_EQ(window.fields, fieldsBefore);
            } else {
                EXPECT_EQ(window.calls, throughShow);
                expectFieldsShow(window, state);
            }
            expectTargetUntouched(folder);
            break;
        case Outcome::success:
            EXPECT_EQ(window.calls, throughShow);
            expectFieldsShow(window, state);
            // Only the target's bytes changed; a link still points where it did.
            std::map<std::string, std::string> expected = m_before;
            const Bytes record = storedBytes(taken);
            // Told that the chosen name does not exist, the command rightly creates it.
            const bool nameReportedMissing = f.call == Call::lstat && f.nth == 1 && f.osError == ENOENT;
            expected[nameReportedMissing ? "out.cfg" : m_written] = std::string(record.begin(), record.end());
            EXPECT_EQ(snapshot(folder), expected);
            break;
        }
    }

private:
    void expectTargetUntouched(const TempFolder& folder) const {
        EXPECT_EQ(snapshot(folder), m_before) << "a file was damaged or left behind";
    }

    std::optional<Bytes> m_existing;
    bool m_throughLink;
    const char* m_name;
    std::string m_path;
    std::string m_written;   // the name whose bytes a save replaces
    std::map<std::string, std::string> m_before;
};

struct Bench {
    EditorState state;
    FakeEditorWindow window{state};
    TempFolder folder;

    explicit Bench(Scenario& scenario) {
        state.m_record.fill(0x3C);
        state.m_fileLength = 9;
        state.m_inputPath = "/earlier/input.cfg";
        state.m_outputPath = "/earlier/output.cfg";
        state.m_values = valuesBefore();
        window.showState();
        window.calls.clear();
        scenario.prepare(folder, window);
    }
};

Ending runUnder(Scenario& scenario, Bench& setup, FaultySystemCalls& calls) {
    ScopedSystemCalls scoped(calls);
    Ending run;
    try {
        scenario.run(setup.state, setup.window);
        const auto& c = setup.window.calls;
        if (std::find(c.begin(), c.end(), "showMessage(abort!)") != c.end()) run.outcome = Outcome::abort;
    } catch (const CFileException& e) {
        run.outcome = Outcome::fileError;
        run.error = e;
    }
    return run;
}

class FileCommandFault : public ::testing::TestWithParam<std::shared_ptr<Scenario>> {};

void PrintTo(const std::shared_ptr<Scenario>& s, std::ostream* os) { *os << s->name(); }

TEST_P(FileCommandFault, EveryFailingCallKeepsThePromises) {
    Scenario& scenario = *GetParam();
    FaultySystemCalls dryRun;
    {
        Bench setup(scenario);
        const Ending clean = runUnder(scenario, setup, dryRun);
        ASSERT_EQ(clean.outcome, Outcome::success) << "the scenario fails without a fault";
    }
    const std::vector<int> errnos = mappedErrnos();
    int faults = 0;
    for (Call call : kEveryCall) {
        for (int nth = 1; nth <= dryRun.count(call); ++nth) {
            for (int osError : errnos) {
                const Fault fault{call, nth, osError};
                SCOPED_TRACE(describe(fault));
                const int descriptors = openDescriptorCount();
                {
                    Bench setup(scenario);
                    const EditorState before = setup.state;
                    const FakeEditorWindow::Fields fieldsBefore = setup.window.fields;
                    FaultySystemCalls faulty;
                    faulty.failOn(call, osError, nth);
                    const Ending run = runUnder(scenario, setup, faulty);
                    ASSERT_TRUE(faulty.fired());
                    if (scenario.mustRaise(fault, dryRun)) {
                        EXPECT_EQ(run.outcome, Outcome::fileError);
                    }
                    scenario.check(run, fault, before, setup.state, fieldsBefore, setup.window, setup.folder);
                    ++faults;
                }
                ASSERT_EQ(openDescriptorCount(), descriptors) << "a descriptor stayed open";
            }
        }
    }
    // Open and Save as each make several calls; the loop must have reached them all.
    for (Call call : {Call::open, Call::close})
        EXPECT_GT(dryRun.count(call), 0) << callName(call);
    EXPECT_GT(faults, 5 * static_cast<int>(errnos.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FileCommandFault,
    ::testing::Values(std::make_shared<OpenScenario>(storedBytes(valuesInFile()), "OpenRecord"),
                      std::make_shared<OpenScenario>(Bytes(53, 0xFF), "OpenWrongLength"),
                      std::make_shared<SaveAsScenario>(std::nullopt, false, "SaveAsNewFile"),
                      std::make_shared<SaveAsScenario>(storedBytes(valuesInFile()), false, "SaveAsReplacingFile"),
                      std::make_shared<SaveAsScenario>(storedBytes(valuesInFile()), true, "SaveAsThroughLink"),
                      std::make_shared<SaveAsScenario>(std::nullopt, true, "SaveAsThroughDanglingLink")),
    [](const auto& info) { return std::string(info.param->name()); });

}  // namespace
