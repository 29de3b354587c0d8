// Linked into every test executable: the whole run of a test process (one test under
// ctest, the suite when run by hand) must leave no descriptor open that it opened.
#include "DescriptorHygiene.h"

#include <dirent.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

DescriptorSnapshot openDescriptors() {
    DescriptorSnapshot result;
    DIR* dir = ::opendir("/proc/self/fd");
    if (!dir) return result;
    const int own = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        char* end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || fd == own) continue;
        char target[PATH_MAX];
        const std::string link = "/proc/self/fd/" + std::string(entry->d_name);
        const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
        result[static_cast<int>(fd)] = n < 0 ? std::string("?") : std::string(target, static_cast<std::size_t>(n));
    }
    ::closedir(dir);
    return result;
}

std::vector<std::string> descriptorsOpenedSince(const DescriptorSnapshot& before) {
    std::vector<std::string> leaked;
    for (const auto& [fd, target] : openDescriptors()) {
        if (target.rfind("anon_inode:", 0) == 0) continue;   // a toolkit's event loop
        if (target.rfind("/usr/share/", 0) == 0) continue;   // system data a library caches (MIME types)
        const auto was = before.find(fd);
        if (was != before.end() && was->second == target) continue;
        leaked.push_back("fd " + std::to_string(fd) + " -> " + target);
    }
    return leaked;
}

namespace {

class DescriptorHygieneCheck : public ::testing::Environment {
public:
    void SetUp() override { m_before = openDescriptors(); }
    void TearDown() override {
        for (const std::string& leak : descriptorsOpenedSince(m_before))
            ADD_FAILURE() << "a descriptor opened by the tests is still open: " << leak;
    }

private:
    DescriptorSnapshot m_before;
};

[[maybe_unused]] ::testing::Environment* const g_check =
    ::testing::AddGlobalTestEnvironment(new DescriptorHygieneCheck);

}  // namespace
