#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "session/trail.hpp"

// The trail file: a small versioned text format of our own, described in docs/trail-format.md.
// One reader and one writer for every shell, zaptrail-sim and the score board; these names are a
// stable interface.
namespace zaptrail {

// The first line of every trail file is kTrailFormatName, a space and kTrailFormatVersion.
inline constexpr std::string_view kTrailFormatName = "zaptrail-trail";
inline constexpr int32_t kTrailFormatVersion = 1;
// A trail file is at most this many bytes and holds at most this many ticks.
inline constexpr uint64_t kMaxTrailBytes = 4u * 1024u * 1024u;
inline constexpr int64_t kMaxTrailTicks = 2'000'000;
// A game starts at most at this level (a 621 x 621 maze); the game itself always starts at 0.
inline constexpr int32_t kMaxTrailFirstLevel = 100;
// The version of this game, written into every trail it makes.
extern const char* const kGameVersion;

// A trail that breaks a rule of the format, or one this game cannot play. The message says
// why and, for a file, names its line ("line 7: ...").
class TrailError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a whole trail file. Throws TrailError naming the first line that breaks a rule; it
// never reads beyond kMaxTrailBytes nor accepts more than kMaxTrailTicks.
Trail ReadTrail(std::string_view text);
// The file of a trail, ASCII with LF line ends. Throws TrailError when the trail breaks a rule
// the reader would refuse (too many ticks, too long a file, a key or period out of range).
std::string WriteTrail(const Trail& trail);

}  // namespace zaptrail
