#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The few file operations the records need from the operating system, one file per system
// (file_system_posix.cpp, file_system_win32.cpp, file_system_web.cpp). Paths are the system's bytes
// on POSIX and UTF-8 on Windows, so any folder name works; folders end in the path separator.
namespace zaptrail::files {

// A regular file (not a directory) exists at the path, following links.
bool IsRegularFile(const std::string& path);

// What a path names once every link is followed.
enum class FileKind : uint8_t {
  Missing,  // nothing there (a dangling link names the file to create)
  Regular,
  CharacterDevice,  // takes what is written as it comes, like /dev/null
  Other,            // a directory, a pipe, a socket, a block device, or a loop of links
};
FileKind KindOf(const std::string& path);

// The player may write the existing file: its permissions allow it and at least one write bit
// is set, so a file made read-only stays so even for an administrator.
bool CanWriteFile(const std::string& path);

// The file's whole content; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);

// The whole content of a regular file of at most `maxBytes`, opened without ever waiting (a
// pipe or a device is refused before anything is read). False for anything else.
bool ReadRegularFile(const std::string& path, uint64_t maxBytes, std::string& content);

// A regular file of at most `maxBytes` is at the path; it is looked at, not opened.
bool IsRegularFileUpTo(const std::string& path, uint64_t maxBytes);

// What would stop ReplaceFile from replacing the file now.
enum class ReplaceObstacle : uint8_t {
  None,
  ReadOnly,  // the file is there and may not be written
  Folder,    // the folder that holds it takes no new file
  Rename,    // a new file cannot be renamed over it (a shared folder where others own it)
};
// Tried as a save does it, in the folder of the file a chain of links ends at: two temporary
// files are made there, one renamed over the other, and both removed; so the answer holds
// whatever the permission bits say (root, read-only media, full disks). Anything but a regular
// file or a missing one is no concern of this check.
ReplaceObstacle ObstacleToReplacing(const std::string& path);
// The folder that holds the file a chain of links from the path ends at.
std::string FinalFolder(const std::string& path);

// Makes the folder and every missing parent; true when it exists afterwards.
bool MakeFolders(const std::string& folder);

// Replaces the file's whole content in one step: a temporary file beside it, flushed to the
// disk, then renamed over it, so a crash leaves the old or the new content whole. A link is
// written through (its final target is replaced and the link stays); a replaced file keeps its
// permissions. False when any step fails, the old content then untouched.
// The content comes a piece at a time, an empty piece after the last, so that a large file is
// written without its whole text in memory.
using ContentPieces = std::function<std::string_view()>;
bool ReplaceFile(const std::string& path, const ContentPieces& pieces);
inline bool ReplaceFile(const std::string& path, const std::string& content) {
  bool given = false;
  return ReplaceFile(path, [&]() -> std::string_view {
    if (given) return {};
    given = true;
    return content;
  });
}

// Writes the content into the existing file as it stands, without replacing it: for a device.
bool WriteInPlace(const std::string& path, const std::string& content);

// The folder that holds the running executable, from the kernel's own record of it.
// Empty when the system cannot say.
std::string ExecutableFolder();

// The player's own folder for the game's data, created only when something is saved there.
// Empty when the player has no home folder.
std::string UserDataFolder();

}  // namespace zaptrail::files
