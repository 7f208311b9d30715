#pragma once

#include <string>
#include <vector>

#include "session/trail.hpp"
#include "session/trail_recorder.hpp"

namespace zaptrail {

// Every trail file ends in this, the name the desktop knows the file type by.
inline constexpr char kTrailExtension[] = ".zaptrail";

// The kept trails' folder inside a folder of the game's data; empty when there is none.
std::string TrailsFolder(const std::string& userFolder);

// Reads a trail file of at most kMaxTrailBytes without ever waiting on it. Throws TrailError
// whose message begins with the path.
Trail LoadTrailFile(const std::string& path);
// Replaces the file's content in one step, by the records file's rules: a missing file is
// made, a regular file the player may write is replaced, a device takes the text as it is, and
// anything else (a folder, a pipe, a read-only file) is left alone. Throws TrailError.
void SaveTrailFile(const std::string& path, const Trail& trail);

// Keeps an ended game in the folder: as the last game, as the best game of each level whose
// best time it set, and, for a daily game, as its date's best when its score beats the kept
// one. Returns one line for every trail that could not be kept; the game goes on regardless.
std::vector<std::string> KeepGame(const std::string& folder, const FinishedGame& game);

}  // namespace zaptrail
