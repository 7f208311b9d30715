#pragma once

#include <string>

#include "game/best_times.hpp"

namespace zaptrail {

// The records file on disk, read and written through the file layer.

// A regular file (not a directory) exists at the path.
bool RecordsFileExists(const std::string& path);
// Raises "ﾌｧｲﾙ %s は開けません" when the file cannot be read.
BestTimes LoadRecords(const std::string& path);
// The file's best times, or none when there is no file.
BestTimes LoadRecordsIfPresent(const std::string& path);
// What a save would merge with: the whole stored text as the save reads it, every line, or none
// when there is no file or it cannot be read.
BestTimes RecordsASaveWouldMerge(const std::string& path);

// Merges the list with what the file holds now and replaces the file's content as one step
// (through a link, if it is one), so a crash or a failed write leaves the old file whole. A
// character device takes the list as it is. Raises "ﾌｧｲﾙ %s を作成できません" when the new file
// cannot be written, and when the path is read-only or names anything else: a directory, a
// pipe, a socket or a loop of links.
void SaveRecords(const BestTimes& bestTimes, const std::string& path);

}  // namespace zaptrail
