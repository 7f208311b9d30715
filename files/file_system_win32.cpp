// The records' file operations on Windows: paths arrive as UTF-8 and go to the wide-character
// file calls, so a folder name in any language works whatever the system's code page.
#include <windows.h>
// windows.h names its own ReplaceFile, a macro that would rename ours.
#undef ReplaceFile

#include <cwchar>
#include <string>

#include "files/file_system.hpp"
#include "files/file_system_win32.hpp"
#include "files/wide_text.hpp"

namespace zaptrail::files {
namespace {

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

bool WriteAll(HANDLE file, std::string_view bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    DWORD n = 0;
    const DWORD chunk = static_cast<DWORD>(bytes.size() - written);
    if (!::WriteFile(file, bytes.data() + written, chunk, &n, nullptr) || n == 0) return false;
    written += n;
  }
  return true;
}

// A file of its own beside the target, on the same volume, so the final move is a rename.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring& name, DWORD flags) {
  for (DWORD attempt = 0; attempt < 100; ++attempt) {
    name = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(attempt) + L".tmp";
    const HANDLE created =
        ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, flags, nullptr);
    if (created != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return created;
  }
  return INVALID_HANDLE_VALUE;
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

}  // namespace

bool IsRegularFile(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileKind KindOf(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileKind::Missing
                                                                          : FileKind::Other;
  }
  return attributes & FILE_ATTRIBUTE_DIRECTORY ? FileKind::Other : FileKind::Regular;
}

bool CanWriteFile(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
}

bool ReadWholeFile(const std::string& path, std::string& content) {
  FileHandle file(::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return false;
  content.clear();
  char buffer[4096];
  DWORD n = 0;
  while (true) {
    if (!::ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr)) return false;
    if (n == 0) return true;
    content.append(buffer, n);
  }
}

bool ReadRegularFile(const std::string& path, uint64_t maxBytes, std::string& content) {
  FileHandle file(::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.IsOpen() || ::GetFileType(file.Get()) != FILE_TYPE_DISK ||
      !::GetFileSizeEx(file.Get(), &size) || static_cast<uint64_t>(size.QuadPart) > maxBytes) {
    return false;
  }
  content.clear();
  char buffer[4096];
  DWORD n = 0;
  while (content.size() <= maxBytes) {
    if (!::ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr)) return false;
    if (n == 0) return true;
    content.append(buffer, n);
  }
  return false;
}

bool IsRegularFileUpTo(const std::string& path, uint64_t maxBytes) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return false;
  const uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && size <= maxBytes;
}

ReplaceObstacle ObstacleToReplacing(const std::string& path) {
  if (KindOf(path) == FileKind::Other) return ReplaceObstacle::None;
  if (IsRegularFile(path) && !CanWriteFile(path)) return ReplaceObstacle::ReadOnly;
  const std::wstring target = Wide(path);
  std::wstring first;
  std::wstring second;
  FileHandle firstFile(CreateTemporaryBeside(target, first, FILE_ATTRIBUTE_TEMPORARY));
  if (!firstFile.IsOpen()) return ReplaceObstacle::Folder;
  firstFile.Close();
  FileHandle secondFile(CreateTemporaryBeside(target, second, FILE_ATTRIBUTE_TEMPORARY));
  if (!secondFile.IsOpen()) {
    ::DeleteFileW(first.c_str());
    return ReplaceObstacle::Folder;
  }
  secondFile.Close();
  const bool renamed = ::MoveFileExW(first.c_str(), second.c_str(), MOVEFILE_REPLACE_EXISTING);
  ::DeleteFileW(first.c_str());
  ::DeleteFileW(second.c_str());
  return renamed ? ReplaceObstacle::None : ReplaceObstacle::Rename;
}

std::string FinalFolder(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

bool MakeFolders(const std::string& folder) {
  const std::wstring wide = Wide(folder);
  // From the first separator after the drive or the server's share on.
  for (size_t at = 1; at < wide.size(); ++at) {
    if (!IsSeparator(wide[at]) || wide[at - 1] == L':' || IsSeparator(wide[at - 1])) continue;
    const std::wstring part = wide.substr(0, at);
    if (!::CreateDirectoryW(part.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
      return false;
    }
  }
  return IsFolder(wide);
}

bool ReplaceFile(const std::string& path, const ContentPieces& pieces) {
  const std::wstring target = Wide(path);
  std::wstring temporary;
  FileHandle file(CreateTemporaryBeside(target, temporary, FILE_ATTRIBUTE_NORMAL));
  if (!file.IsOpen()) return false;
  bool written = true;
  for (std::string_view piece; written && !(piece = pieces()).empty();) {
    written = WriteAll(file.Get(), piece);
  }
  written = written && ::FlushFileBuffers(file.Get()) != 0;
  const bool closed = file.Close();
  if (!written || !closed ||
      !::MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

bool WriteInPlace(const std::string& path, const std::string& content) {
  FileHandle file(::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.IsOpen() && WriteAll(file.Get(), content) && file.Close();
}

std::wstring ExecutablePath() {
  // Long paths need more than MAX_PATH: grow until the whole name fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string ExecutableFolder() {
  const std::wstring path = ExecutablePath();
  const size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::string() : Utf8(path.substr(0, separator + 1));
}

std::string UserDataFolder() {
  const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
  if (local == nullptr || *local == L'\0') return {};
  return Utf8(local) + "\\zaptrail\\";
}

}  // namespace zaptrail::files
