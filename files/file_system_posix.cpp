#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "files/file_system.hpp"

namespace zaptrail::files {
namespace {

// Past this many links in a row the chain is taken to be a loop.
constexpr int kMaxLinkHops = 40;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ReadLink(const std::string& path) {
  std::string target(256, '\0');
  for (;;) {
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return {};
    if (static_cast<size_t>(length) < target.size()) return target.substr(0, length);
    target.resize(target.size() * 2);
  }
}

// The file a chain of links ends at (the path itself when it is no link). A link whose target
// is missing still names the file to create.
std::string FinalTarget(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    const std::string target = ReadLink(path);
    if (target.empty()) return path;
    path = target.front() == '/' ? target : FolderOf(path) + target;
  }
  return path;
}

bool WriteAll(int fd, std::string_view bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<size_t>(n);
  }
  return true;
}

// A new file gets what the player's umask allows; a replaced one keeps its permissions.
mode_t ModeFor(const std::string& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void SyncFolderOf(const std::string& path) {
  const std::string folder = FolderOf(path);
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

}  // namespace

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

FileKind KindOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0)
    return errno == ENOENT ? FileKind::Missing : FileKind::Other;
  if (S_ISREG(info.st_mode)) return FileKind::Regular;
  return S_ISCHR(info.st_mode) ? FileKind::CharacterDevice : FileKind::Other;
}

bool CanWriteFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) != 0 &&
         ::access(path.c_str(), W_OK) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& content) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  content.clear();
  // Grown once for a regular file, not doubled on the way.
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    content.reserve(static_cast<size_t>(info.st_size));
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ::close(fd);
      return n == 0;
    }
    content.append(buffer, static_cast<size_t>(n));
  }
}

bool ReadRegularFile(const std::string& path, uint64_t maxBytes, std::string& content) {
  // Opening a pipe without O_NONBLOCK would wait for a writer, for ever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<uint64_t>(info.st_size) <= maxBytes;
  content.clear();
  char buffer[4096];
  while (read) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      read = n == 0;
      break;
    }
    content.append(buffer, static_cast<size_t>(n));
    // A file that grows while it is read is held to the same limit.
    read = content.size() <= maxBytes;
  }
  ::close(fd);
  return read;
}

bool IsRegularFileUpTo(const std::string& path, uint64_t maxBytes) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         static_cast<uint64_t>(info.st_size) <= maxBytes;
}

ReplaceObstacle ObstacleToReplacing(const std::string& path) {
  const std::string target = FinalTarget(path);
  struct stat file {};
  const bool exists = ::stat(target.c_str(), &file) == 0;
  if (exists && !S_ISREG(file.st_mode)) return ReplaceObstacle::None;
  if (exists && !CanWriteFile(target)) return ReplaceObstacle::ReadOnly;
  std::string first = target + ".XXXXXX";
  std::string second = first;
  const int firstFd = ::mkostemp(first.data(), O_CLOEXEC);
  if (firstFd < 0) return ReplaceObstacle::Folder;
  ::close(firstFd);
  const int secondFd = ::mkostemp(second.data(), O_CLOEXEC);
  if (secondFd < 0) {
    ::unlink(first.c_str());
    return ReplaceObstacle::Folder;
  }
  ::close(secondFd);
  const bool renamed = ::rename(first.c_str(), second.c_str()) == 0;
  ::unlink(first.c_str());
  ::unlink(second.c_str());
  if (!renamed) return ReplaceObstacle::Rename;
  // Renaming over the player's own file would put it at risk, so the one rule that only the
  // existing file decides is read from it: in a folder with the sticky bit (a shared one like
  // /tmp) only the file's owner, the folder's owner or root may replace it.
  struct stat folder {};
  const std::string folderPath = FolderOf(target);
  const bool sticky = ::stat(folderPath.empty() ? "." : folderPath.c_str(), &folder) == 0 &&
                      (folder.st_mode & S_ISVTX) != 0;
  const uid_t player = ::geteuid();
  if (exists && sticky && player != 0 && file.st_uid != player && folder.st_uid != player) {
    return ReplaceObstacle::Rename;
  }
  return ReplaceObstacle::None;
}

std::string FinalFolder(const std::string& path) {
  return FolderOf(FinalTarget(path));
}

bool MakeFolders(const std::string& folder) {
  for (size_t slash = folder.find('/', 1); slash != std::string::npos;
       slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    // Private, as data folders in the player's home are meant to be.
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return IsFolder(folder);
}

bool ReplaceFile(const std::string& path, const ContentPieces& pieces) {
  const std::string target = FinalTarget(path);
  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool written = ::fchmod(fd, ModeFor(target)) == 0;
  for (std::string_view piece; written && !(piece = pieces()).empty();) {
    written = WriteAll(fd, piece);
  }
  written = written && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolderOf(target);
  return true;
}

bool WriteInPlace(const std::string& path, const std::string& content) {
  // A device may wait in its open for a line or a peer; the writes may wait, the open not.
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  const int flags = ::fcntl(fd, F_GETFL);
  const bool written =
      flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && WriteAll(fd, content);
  return ::close(fd) == 0 && written;
}

std::string ExecutableFolder() {
  const std::string executable = ReadLink("/proc/self/exe");
  if (executable.empty() || executable.front() != '/') return {};
  return FolderOf(executable);
}

std::string UserDataFolder() {
  // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules say.
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (IsAbsolute(dataHome)) return std::string(dataHome) + "/zaptrail/";
  const char* home = std::getenv("HOME");
  if (!IsAbsolute(home)) {
    const passwd* entry = ::getpwuid(::getuid());
    home = entry != nullptr ? entry->pw_dir : nullptr;
  }
  if (!IsAbsolute(home)) return {};
  return std::string(home) + "/.local/share/zaptrail/";
}

}  // namespace zaptrail::files
