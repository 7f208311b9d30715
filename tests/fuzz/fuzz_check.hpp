#pragma once

#include <cstdio>
#include <cstdlib>

namespace zaptrail::fuzz {

// A broken property ends the run as a crash does, so libFuzzer keeps the input that broke it.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: broken: %s\n", property);
  std::abort();
}

}  // namespace zaptrail::fuzz
