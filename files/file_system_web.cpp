// The records' file primitives in a browser: every file is an entry of the page's local storage,
// named by the path's last component, so "./zaptrail.ini" is the entry "zaptrail.ini". Entries
// hold the file's bytes one character per byte, so the content comes back exactly as written.
// Storage that is missing, full or refused (a private window) makes the calls fail, never throw.
// A file the player picked or the page fetched is handed to the module by its whole path in
// Module.handedFiles, in the same form, until the page hands another; it is read first, never
// stored.

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>

#include "files/file_system.hpp"

// Each call answers -1 for failure. Content crosses as a byte string in the module's memory.
EM_JS(int, zt_storage_has, (const char* name), {
  try {
    return window.localStorage.getItem(UTF8ToString(name)) == null ? 0 : 1;
  } catch (e) {
    return -1;
  }
});

// The entry's bytes (or, when `handed`, the handed file's) in memory the caller frees, their
// count in *size; null when absent or unreadable.
EM_JS(char*, zt_storage_read, (const char* name, int handed, int* size), {
  let text = null;
  try {
    if (!handed) {
      text = window.localStorage.getItem(UTF8ToString(name));
    } else if (Module.handedFiles && Module.handedFiles.has(UTF8ToString(name))) {
      text = Module.handedFiles.get(UTF8ToString(name));
    }
  } catch (e) {
    return 0;
  }
  if (text == null) return 0;
  const bytes = _malloc(text.length + 1);
  for (let i = 0; i < text.length; ++i) HEAPU8[bytes + i] = text.charCodeAt(i) & 0xFF;
  HEAP32[size >> 2] = text.length;
  return bytes;
});

EM_JS(int, zt_storage_write, (const char* name, const char* bytes, int size), {
  let text = "";
  for (let i = 0; i < size; i += 4096) {
    text += String.fromCharCode.apply(null,
                                      HEAPU8.subarray(bytes + i, bytes + Math.min(size, i + 4096)));
  }
  try {
    window.localStorage.setItem(UTF8ToString(name), text);
    return window.localStorage.getItem(UTF8ToString(name)) == text ? 1 : 0;
  } catch (e) {
    return 0;
  }
});

// True when an entry can be written now: tried with a probe entry, as the desktop tries a file.
EM_JS(int, zt_storage_writable, (), {
  try {
    const probe = "zaptrail.probe";
    window.localStorage.setItem(probe, "");
    window.localStorage.removeItem(probe);
    return 1;
  } catch (e) {
    return 0;
  }
});

namespace zaptrail::files {
namespace {

std::string EntryName(const std::string& path) {
  return path.substr(path.find_last_of('/') + 1);
}

}  // namespace

bool IsRegularFile(const std::string& path) {
  return zt_storage_has(EntryName(path).c_str()) == 1;
}

// Storage that refuses to be read is no place a file can be made either.
FileKind KindOf(const std::string& path) {
  switch (zt_storage_has(EntryName(path).c_str())) {
    case 0:
      return FileKind::Missing;
    case 1:
      return FileKind::Regular;
    default:
      return FileKind::Other;
  }
}

bool CanWriteFile(const std::string&) {
  return zt_storage_writable() == 1;
}

bool ReadWholeFile(const std::string& path, std::string& content) {
  int size = 0;
  char* bytes = zt_storage_read(path.c_str(), 1, &size);
  if (bytes == nullptr) bytes = zt_storage_read(EntryName(path).c_str(), 0, &size);
  if (bytes == nullptr) return false;
  content.assign(bytes, static_cast<size_t>(size));
  std::free(bytes);
  return true;
}

// Every entry is plain bytes: nothing to wait on, only the size to mind.
bool ReadRegularFile(const std::string& path, uint64_t maxBytes, std::string& content) {
  return ReadWholeFile(path, content) && content.size() <= maxBytes;
}

bool IsRegularFileUpTo(const std::string& path, uint64_t maxBytes) {
  std::string content;
  return ReadRegularFile(path, maxBytes, content);
}

// The page's storage either takes a write or not, and has no folders or owners to blame.
ReplaceObstacle ObstacleToReplacing(const std::string&) {
  return ReplaceObstacle::None;
}

// The page's storage has one flat list of entries.
std::string FinalFolder(const std::string&) {
  return "./";
}

bool MakeFolders(const std::string&) {
  return true;
}

// Storage takes an entry whole.
bool ReplaceFile(const std::string& path, const ContentPieces& pieces) {
  std::string content;
  for (std::string_view piece; !(piece = pieces()).empty();) content += piece;
  return zt_storage_write(EntryName(path).c_str(), content.data(),
                          static_cast<int>(content.size())) == 1;
}

// Storage holds no devices, so writing in place is replacing.
bool WriteInPlace(const std::string& path, const std::string& content) {
  return ReplaceFile(path, content);
}

// The page's own folder: cues and help are fetched beside it, the records kept in its storage.
std::string ExecutableFolder() {
  return "./";
}

// A page has no second place for its records.
std::string UserDataFolder() {
  return {};
}

}  // namespace zaptrail::files
