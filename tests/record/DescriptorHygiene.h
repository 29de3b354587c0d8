// Descriptor hygiene: which descriptors a process holds, and which of them were opened
// since an earlier look and are still open. DescriptorHygiene.cpp checks every test
// process with it. What a toolkit keeps for the process's life is not counted: its
// event-loop descriptors (eventfd, inotify, epoll) and read-only system data under
// /usr/share (Qt's MIME database).
#pragma once

#include <map>
#include <string>
#include <vector>

// Open descriptors of this process and what each refers to ("/tmp/x", "pipe:[123]", ...).
using DescriptorSnapshot = std::map<int, std::string>;

DescriptorSnapshot openDescriptors();

// "fd 7 -> /tmp/brevant-x/out.cfg" for each descriptor open now that was not open, or
// referred to something else, in `before`; toolkit event descriptors excepted.
std::vector<std::string> descriptorsOpenedSince(const DescriptorSnapshot& before);
