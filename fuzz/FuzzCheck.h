// Invariant checks for the fuzz targets. A broken invariant names itself and aborts,
// which libFuzzer records as a crash and the corpus replay as a failed test.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void fuzzCheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition) ((condition) ? (void)0 : fuzzCheckFailed(#condition, __FILE__, __LINE__))
