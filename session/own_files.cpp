#include "session/own_files.hpp"

#include "files/file_system.hpp"

namespace zaptrail {
namespace {

// Far above what the game ships (cues of a few tens of kilobytes, a help page of a few), far
// below what could trouble the machine.
uint64_t SizeLimit(OwnFile kind) {
  return kind == OwnFile::Cue ? uint64_t{4} << 20 : uint64_t{512} << 10;
}

}  // namespace

bool OwnFileUsable(const std::string& path, OwnFile kind) {
  return files::IsRegularFileUpTo(path, SizeLimit(kind));
}

OwnFileFault FaultOfOwnFile(const std::string& path, OwnFile kind) {
  switch (files::KindOf(path)) {
    case files::FileKind::Missing:
      return OwnFileFault::Missing;
    case files::FileKind::Regular:
      break;
    case files::FileKind::CharacterDevice:
    case files::FileKind::Other:
      return OwnFileFault::NotAFile;
  }
  if (files::IsRegularFileUpTo(path, 0)) return OwnFileFault::Empty;
  return OwnFileUsable(path, kind) ? OwnFileFault::None : OwnFileFault::TooLarge;
}

bool ReadOwnFile(const std::string& path, OwnFile kind, std::string& content) {
  return files::ReadRegularFile(path, SizeLimit(kind), content);
}

}  // namespace zaptrail
