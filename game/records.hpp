#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zaptrail {

// The records file holds one best time per cleared level, each line ending in CR LF. Reading
// stops at the first NUL byte.
std::vector<std::string> ParseRecords(std::string_view content);
// The lines of the whole content, a NUL byte being just another character of its line.
std::vector<std::string> ParseRecordLines(std::string_view content);
std::string FormatRecords(const std::vector<std::string>& bestTimes);

// Another copy of the game may have saved since this one started: level by level the lower of
// two decimal times wins, a line that is no decimal number keeps this run's text, and levels
// only the file holds are kept. A run alone gets its own list back unchanged.
std::vector<std::string> MergeRecords(const std::vector<std::string>& ours,
                                      const std::vector<std::string>& inFile);

}  // namespace zaptrail
