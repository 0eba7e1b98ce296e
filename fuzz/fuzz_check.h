#pragma once
#include <cstdio>
#include <cstdlib>

// A fuzz target's own assertion: prints what broke and aborts, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                         \
    do {                                                                              \
        if (!(condition)) {                                                           \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                             \
        }                                                                             \
    } while (0)
