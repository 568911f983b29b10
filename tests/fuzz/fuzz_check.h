// Invariant checks inside fuzz targets: a violated invariant prints where and aborts, which libFuzzer reports
// as a crash and keeps the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define ZRT_FUZZ_CHECK(condition)                                                                    \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            std::fprintf(stderr, "%s:%d: invariant violated: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                            \
        }                                                                                            \
    } while (false)
