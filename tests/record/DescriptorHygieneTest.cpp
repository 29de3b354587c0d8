// The descriptor check that every test process runs: what it counts as left open.
#include <fcntl.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DescriptorHygiene.h"
#include "TempFolder.h"

namespace {

bool mentions(const std::vector<std::string>& leaks, const std::string& text) {
    for (const std::string& leak : leaks)
        if (leak.find(text) != std::string::npos) return true;
    return false;
}

TEST(DescriptorHygiene, AFileLeftOpenIsReportedWithItsPathUntilClosed) {
    TempFolder folder;
    const DescriptorSnapshot before = openDescriptors();
    const int fd = ::open(folder.path("kept.cfg").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    const std::vector<std::string> leaks = descriptorsOpenedSince(before);
    EXPECT_EQ(leaks.size(), 1u);
    EXPECT_TRUE(mentions(leaks, "fd " + std::to_string(fd) + " -> " + folder.path("kept.cfg")));
    ::close(fd);
    EXPECT_TRUE(descriptorsOpenedSince(before).empty());
}

TEST(DescriptorHygiene, ANumberReusedForAnotherFileCounts) {
    TempFolder folder;
    const int first = ::open(folder.path("a").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(first, 0);
    const DescriptorSnapshot before = openDescriptors();
    const int second = ::open(folder.path("b").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(second, 0);
    ::dup2(second, first);   // the old number now refers to another file
    ::close(second);
    EXPECT_TRUE(mentions(descriptorsOpenedSince(before), folder.path("b")));
    ::close(first);
}

TEST(DescriptorHygiene, PipesCountButEventLoopDescriptorsDoNot) {
    const DescriptorSnapshot before = openDescriptors();
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
    const int event = ::eventfd(0, EFD_CLOEXEC);
    ASSERT_GE(event, 0);
    const std::vector<std::string> leaks = descriptorsOpenedSince(before);
    EXPECT_EQ(leaks.size(), 2u);
    EXPECT_TRUE(mentions(leaks, "pipe:"));
    EXPECT_FALSE(mentions(leaks, "eventfd"));
    ::close(ends[0]);
    ::close(ends[1]);
    ::close(event);
}

TEST(DescriptorHygiene, SystemDataALibraryCachesDoesNotCount) {
    const std::string data = std::filesystem::directory_iterator("/usr/share")->path().string();
    const DescriptorSnapshot before = openDescriptors();
    const int fd = ::open(data.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0) << data;
    EXPECT_TRUE(descriptorsOpenedSince(before).empty());
    ::close(fd);
}

}  // namespace
