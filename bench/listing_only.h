#pragma once
// Whether a benchmark program was only asked to list its benchmarks (the
// test command's start check): it then needs none of its data.
#include <cstring>

inline bool listingOnly(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--benchmark_list_tests") == 0 || std::strcmp(argv[i], "--benchmark_list_tests=true") == 0)
      return true;
  return false;
}
