// The records file on Windows: paths arrive as UTF-8 and go to the wide-character file calls,
// so a folder name in any language works whatever the system's code page.
#include <windows.h>

#include <string>

#include "game/errors.hpp"
#include "game/records.hpp"

namespace zaptrail {
namespace {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string CannotCreateMessage(const std::string& path) {
  return "ﾌｧｲﾙ " + path + " を作成できません";
}

std::string CannotOpenMessage(const std::string& path) {
  return "ﾌｧｲﾙ " + path + " は開けません";
}

// Closes the handle when the scope ends, whichever way it ends.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    if (!IsOpen()) return true;
    const bool closed = ::CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    DWORD n = 0;
    const DWORD chunk = static_cast<DWORD>(bytes.size() - written);
    if (!::WriteFile(file, bytes.data() + written, chunk, &n, nullptr) || n == 0) return false;
    written += n;
  }
  return true;
}

// A temporary file beside the target, on the same volume, so the final move is a rename.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring& name) {
  for (DWORD attempt = 0; attempt < 100; ++attempt) {
    name = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(attempt) + L".tmp";
    const HANDLE created = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return created;
  }
  return INVALID_HANDLE_VALUE;
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
  const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> LoadRecords(const std::string& path) {
  FileHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) throw GameError(CannotOpenMessage(path));
  std::string content;
  char buffer[4096];
  DWORD n = 0;
  while (true) {
    if (!::ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr)) {
      throw GameError(CannotOpenMessage(path));
    }
    if (n == 0) break;
    content.append(buffer, n);
  }
  return ParseRecords(content);
}

void SaveRecords(const std::vector<std::string>& bestTimes, const std::string& path) {
  const std::wstring target = Widen(path);
  std::wstring temporary;
  FileHandle file(CreateTemporaryBeside(target, temporary));
  if (!file.IsOpen()) throw GameError(CannotCreateMessage(path));
  const bool written =
      WriteAll(file.Get(), FormatRecords(bestTimes)) && ::FlushFileBuffers(file.Get()) != 0;
  const bool closed = file.Close();
  if (!written || !closed ||
      !::MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileW(temporary.c_str());
    throw GameError(CannotCreateMessage(path));
  }
}

}  // namespace zaptrail
