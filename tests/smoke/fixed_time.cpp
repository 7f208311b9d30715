// Preloaded under the real game by the whole-program records tests: time() answers
// ZAPTRAIL_FIXED_TIME, so the game seeds its random source with a known value and builds a maze
// the test knows how to clear.
#include <time.h>

#include <cstdlib>

extern "C" time_t time(time_t* out) {
  const char* fixed = std::getenv("ZAPTRAIL_FIXED_TIME");
  timespec now{};
  if (fixed == nullptr) clock_gettime(CLOCK_REALTIME, &now);
  const time_t seconds = fixed != nullptr ? std::strtoll(fixed, nullptr, 10) : now.tv_sec;
  if (out != nullptr) *out = seconds;
  return seconds;
}
