#pragma once

#include <string>
#include <string_view>

#include "game/best_times.hpp"

namespace zaptrail {

// The records file holds one best time per cleared level, each line ending in CR LF. Reading
// stops at the first NUL byte.
BestTimes ParseRecords(std::string_view content);
// The lines of the whole content, a NUL byte being just another character of its line.
BestTimes ParseRecordLines(std::string_view content);
std::string FormatRecords(const BestTimes& bestTimes);

// Another copy of the game may have saved since this one started: level by level the lower of
// two decimal times wins, a line that is no decimal number keeps this run's text, and levels
// only the file holds are kept. A run alone gets its own list back unchanged.
BestTimes MergeRecords(const BestTimes& ours, const BestTimes& inFile);

// The records file's text for the merge of `ours` with a file's content (read as
// ParseRecordLines reads it), made a piece at a time, so that a huge list is written without a
// second copy of it in memory.
class MergedRecordsText {
 public:
  MergedRecordsText(const BestTimes& ours, std::string_view fileContent);
  // The next piece of the text; empty once it is all given.
  std::string_view NextPiece();

 private:
  LineReader ours_;
  LineReader inFile_;
  std::string piece_;
};

}  // namespace zaptrail
