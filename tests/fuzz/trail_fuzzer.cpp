// Any bytes as a trail file: the reader accepts them or refuses them with a line number (or the
// size), never crashes or hangs; what it accepts writes back in a form that reads back the same,
// and a short accepted trail can be played through.
#include <cstdint>
#include <string>
#include <string_view>

#include "session/trail_file.hpp"
#include "session/trail_verify.hpp"
#include "tests/fuzz/fuzz_check.hpp"

namespace zaptrail::fuzz {

// Longer trails are played by the tests and the benchmark; the fuzzer looks for crashes.
constexpr int64_t kMaxPlayedTicks = 4000;

int CheckTrail(std::string_view bytes) {
  Trail trail;
  try {
    trail = ReadTrail(bytes);
  } catch (const TrailError& error) {
    const std::string_view message = error.what();
    Require(message.starts_with("line ") || message.starts_with("the file is larger"),
            "a refusal names its line");
    return 0;
  }
  const std::string written = WriteTrail(trail);
  Require(WriteTrail(ReadTrail(written)) == written, "a written trail reads back the same");
  if (bytes.size() == written.size())
    Require(bytes == written, "a file in the written form reads back whole");
  if (TrailTicks(trail) <= kMaxPlayedTicks && trail.gameVersion == kGameVersion) {
    const Verification proof = VerifyTrail(trail);
    Require(proof.ticks == TrailTicks(trail), "every tick is played");
    Require(proof.matches == proof.difference.empty(), "a failed proof names its difference");
  }
  return 0;
}

}  // namespace zaptrail::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return zaptrail::fuzz::CheckTrail(std::string_view(reinterpret_cast<const char*>(data), size));
}
