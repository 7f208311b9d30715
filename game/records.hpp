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

// A regular file (not a directory) exists at the path.
bool RecordsFileExists(const std::string& path);
// Raises "ﾌｧｲﾙ %s は開けません" when the file cannot be read.
std::vector<std::string> LoadRecords(const std::string& path);
// Another copy of the game may have saved since this one started: level by level the lower of
// two decimal times wins, a line that is no decimal number keeps this run's text, and levels
// only the file holds are kept. A run alone gets its own list back unchanged.
std::vector<std::string> MergeRecords(const std::vector<std::string>& ours,
                                      const std::vector<std::string>& inFile);
// Merges the list with what the file holds now and replaces the file's content as one step
// (through a link, if it is one), so a crash or a failed write leaves the old file whole. A
// character device takes the list as it is. Raises "ﾌｧｲﾙ %s を作成できません" when the new file
// cannot be written, and when the path is read-only or names anything else: a directory, a
// pipe, a socket or a loop of links.
void SaveRecords(const std::vector<std::string>& bestTimes, const std::string& path);

}  // namespace zaptrail
