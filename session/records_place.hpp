#pragma once

#include <string>

#include "game/best_times.hpp"

namespace zaptrail {

inline constexpr char kRecordsFileName[] = "zaptrail.ini";

// Where the records file lives, decided once at start-up: beside the executable whenever a
// save could replace the file there, otherwise in the player's
// own data folder (made at the first save). The file in the other folder is read too, so a
// time that a fallback save left there is never lost to the next start.
struct RecordsPlace {
  std::string appFolder;   // the executable's folder, ending in a separator
  std::string userFolder;  // the player's data folder for the game; empty when there is none
  bool appFolderTakesFiles = true;
};

// Tries in the executable's folder what a save does there, when there is a player's folder to
// fall back to.
RecordsPlace ChooseRecordsPlace(const std::string& appFolder, const std::string& userFolder);

// The best times at start-up: this run's own file, merged with the other folder's file when
// there is one. Raises "ﾌｧｲﾙ %s は開けません" when either exists but cannot be read.
BestTimes LoadBestTimes(const RecordsPlace& place);
// The file this run writes.
std::string SavePath(const RecordsPlace& place);
// Where a save goes when the file this run writes cannot be made: the other folder's file, or
// empty when there is no other folder.
std::string FallbackPath(const RecordsPlace& place);

}  // namespace zaptrail
