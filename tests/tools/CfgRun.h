// Runs brevant-cfg as a process on real files in a temporary folder.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <cstring>
#include <string>
#include <vector>

#include "ConfigRecord.h"
#include "../record/WorkedExample.h"

extern char** environ;

struct CfgResult {
    int status = -1;   // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

inline std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The stored bytes of a record built from `values`.
inline std::string storedRecord(const ConfigValues& values) {
    std::uint8_t record[ConfigRecord::kSize];
    encodeRecord(values, record);
    return std::string(reinterpret_cast<const char*>(record), sizeof record);
}

// A fresh folder per test, removed with everything in it afterwards.
class CfgTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "brevant-cfg-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        // Folders a test made read-only must be writable again to be removed.
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir_))
            if (e.is_directory()) std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all);
        std::filesystem::remove_all(dir_);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    std::string writeRecord(const std::string& name, const ConfigValues& values) {
        writeWholeFile(path(name), storedRecord(values));
        return path(name);
    }
    std::string writeBytes(const std::string& name, const std::string& bytes) {
        writeWholeFile(path(name), bytes);
        return path(name);
    }

    // Runs the tool with `args`; its output and errors go through files, not pipes.
    CfgResult run(const std::vector<std::string>& args) {
        const std::string outPath = path(".stdout"), errPath = path(".stderr");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::vector<std::string> all{BREVANT_CFG};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        CfgResult r;
        const int spawned = ::posix_spawn(&pid, BREVANT_CFG, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(spawned, 0) << "cannot start " << BREVANT_CFG;
        if (spawned != 0) return r;
        int wstatus = 0;
        ::waitpid(pid, &wstatus, 0);
        r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
        r.out = readWholeFile(outPath);
        r.err = readWholeFile(errPath);
        std::filesystem::remove(outPath);
        std::filesystem::remove(errPath);
        return r;
    }

    std::filesystem::path dir_;
};
