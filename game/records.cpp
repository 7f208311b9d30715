#include "game/records.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "game/errors.hpp"

namespace zaptrail {
namespace {

std::string CannotCreateMessage(const std::string& path) {
  return "ﾌｧｲﾙ " + path + " を作成できません";
}

bool WriteAll(int fd, const std::string& bytes) {
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

void SyncDirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::vector<std::string> ParseRecords(std::string_view content) {
  content = content.substr(0, content.find('\0'));
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at = 0; at < content.size(); ++at) {
    const char c = content[at];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(content.substr(start, at - start));
    if (c == '\r' && at + 1 < content.size() && content[at + 1] == '\n') ++at;
    start = at + 1;
  }
  if (start < content.size()) lines.emplace_back(content.substr(start));
  return lines;
}

std::string FormatRecords(const std::vector<std::string>& bestTimes) {
  std::string content;
  for (const std::string& line : bestTimes) content += line + "\r\n";
  return content;
}

bool RecordsFileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::vector<std::string> LoadRecords(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw GameError("ﾌｧｲﾙ " + path + " は開けません");
  const std::string content((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
  if (file.bad()) throw GameError("ﾌｧｲﾙ " + path + " は開けません");
  return ParseRecords(content);
}

void SaveRecords(const std::vector<std::string>& bestTimes, const std::string& path) {
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) throw GameError(CannotCreateMessage(path));
  const bool written = ::fchmod(fd, ModeFor(path)) == 0 && WriteAll(fd, FormatRecords(bestTimes)) &&
                       ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    throw GameError(CannotCreateMessage(path));
  }
  SyncDirectoryOf(path);
}

}  // namespace zaptrail
