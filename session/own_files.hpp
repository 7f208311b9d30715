#pragma once

#include <cstdint>
#include <string>

namespace zaptrail {

// The game's own files beside the executable: the wave-file cues and the help page. Only a
// regular file of a sane size counts; anything else (a pipe, a device, a folder, a file grown
// huge) is taken as missing, so nothing put in a file's place can hold up the game or fill its
// memory.
enum class OwnFile : uint8_t { Cue, Help };

// Looks at the file without opening it.
bool OwnFileUsable(const std::string& path, OwnFile kind);

// Why a file is not usable, so that the player can be told what is true.
enum class OwnFileFault : uint8_t {
  None,
  Missing,
  NotAFile,  // a folder, a pipe or a device stands in its place
  TooLarge,
  Empty,
};
// Looks at the file without opening it.
OwnFileFault FaultOfOwnFile(const std::string& path, OwnFile kind);
// Reads the whole file without ever waiting on it; false when it is not usable.
bool ReadOwnFile(const std::string& path, OwnFile kind, std::string& content);

}  // namespace zaptrail
