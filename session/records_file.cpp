#include "session/records_file.hpp"

#include "files/file_system.hpp"
#include "game/errors.hpp"
#include "game/records.hpp"

namespace zaptrail {
namespace {

std::string CannotCreateMessage(const std::string& path) {
  return "ﾌｧｲﾙ " + path + " を作成できません";
}

}  // namespace

bool RecordsFileExists(const std::string& path) {
  return files::IsRegularFile(path);
}

std::vector<std::string> LoadRecords(const std::string& path) {
  std::string content;
  if (!files::ReadWholeFile(path, content)) throw GameError(CannotOpenFileMessage(path));
  return ParseRecords(content);
}

std::vector<std::string> LoadRecordsIfPresent(const std::string& path) {
  return RecordsFileExists(path) ? LoadRecords(path) : std::vector<std::string>{};
}

std::vector<std::string> RecordsASaveWouldMerge(const std::string& path) {
  std::string content;
  if (!RecordsFileExists(path) || !files::ReadWholeFile(path, content)) return {};
  return ParseRecordLines(content);
}

void SaveRecords(const std::vector<std::string>& bestTimes, const std::string& path) {
  std::vector<std::string> merged = bestTimes;
  switch (files::KindOf(path)) {
    case files::FileKind::Missing:
      break;
    case files::FileKind::Regular: {
      // What cannot be read cannot be merged, and is not written over either; nor is a file the
      // player made read-only. The whole file counts here, past a NUL too, so that a damaged
      // line loses no later level.
      std::string content;
      if (!files::CanWriteFile(path) || !files::ReadWholeFile(path, content)) {
        throw GameError(CannotCreateMessage(path));
      }
      merged = MergeRecords(bestTimes, ParseRecordLines(content));
      break;
    }
    case files::FileKind::CharacterDevice:
      // A device is never replaced by a file: it takes the text as it comes (a link to
      // /dev/null is how a player switches the records off).
      if (!files::WriteInPlace(path, FormatRecords(bestTimes))) {
        throw GameError(CannotCreateMessage(path));
      }
      return;
    case files::FileKind::Other:
      throw GameError(CannotCreateMessage(path));
  }
  if (!files::ReplaceFile(path, FormatRecords(merged))) throw GameError(CannotCreateMessage(path));
}

}  // namespace zaptrail
