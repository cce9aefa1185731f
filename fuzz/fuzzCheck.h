#pragma once
// What a fuzz target asserts: a broken property aborts with a message, so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond, ...)                                        \
  do {                                                               \
    if (!(cond)) {                                                   \
      std::fprintf(stderr, "property broken: %s\n  ", #cond);       \
      std::fprintf(stderr, __VA_ARGS__);                             \
      std::fprintf(stderr, "\n");                                    \
      std::abort();                                                  \
    }                                                                \
  } while (0)
