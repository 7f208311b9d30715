#pragma once

#include <string>

namespace zaptrail {

inline constexpr char kRecordsFileName[] = "zaptrail.ini";

// Where the records file lives, decided once at start-up: beside the executable whenever a
// file can be made there, otherwise in the player's own data folder (made at the first save).
// A file already in the player's folder is the one read and written, so a run never saves
// where the next run will not look.
struct RecordsPlace {
  std::string appFolder;   // the executable's folder, ending in a separator
  std::string userFolder;  // the player's data folder for the game; empty when there is none
  bool appFolderTakesFiles = true;
  bool userFileFound = false;
};

// Tries to create a file in the executable's folder and looks for the player's file.
RecordsPlace ChooseRecordsPlace(const std::string& appFolder, const std::string& userFolder);

// The player's file when there is one, else the file beside the executable.
std::string LoadPath(const RecordsPlace& place);
// The file this run writes.
std::string SavePath(const RecordsPlace& place);
// Where a save goes when the file this run writes cannot be made: the other folder's file, or
// empty when there is no other folder.
std::string FallbackPath(const RecordsPlace& place);

}  // namespace zaptrail
