#include "session/records_file.hpp"

#include "files/file_system.hpp"
#include "game/errors.hpp"
#include "game/records.hpp"

namespace zaptrail {
namespace {

// The design's message, followed by what stood in the way when that can be told, since the
// file itself may well be writable.
std::string CannotCreateMessage(const std::string& path) {
  const std::string message = "ﾌｧｲﾙ " + path + " を作成できません";
  switch (files::ObstacleToReplacing(path)) {
    case files::ReplaceObstacle::None:
      return message;
    case files::ReplaceObstacle::ReadOnly:
      return message + " (読み取り専用)";
    case files::ReplaceObstacle::Folder:
      return message + " (ﾌｫﾙﾀﾞ " + files::FinalFolder(path) + " に書き込めません)";
    case files::ReplaceObstacle::Rename:
      return message + " (ﾌｫﾙﾀﾞ " + files::FinalFolder(path) + " で置き換えられません)";
  }
  return message;
}

}  // namespace

bool RecordsFileExists(const std::string& path) {
  return files::IsRegularFile(path);
}

BestTimes LoadRecords(const std::string& path) {
  std::string content;
  if (!files::ReadWholeFile(path, content)) throw GameError(CannotOpenFileMessage(path));
  return ParseRecords(content);
}

BestTimes LoadRecordsIfPresent(const std::string& path) {
  return RecordsFileExists(path) ? LoadRecords(path) : BestTimes{};
}

BestTimes RecordsASaveWouldMerge(const std::string& path) {
  std::string content;
  if (!RecordsFileExists(path) || !files::ReadWholeFile(path, content)) return {};
  return ParseRecordLines(content);
}

void SaveRecords(const BestTimes& bestTimes, const std::string& path) {
  // Read whole, since the file is replaced only once the merge is written; the merge itself goes
  // out a piece at a time.
  std::string content;
  switch (files::KindOf(path)) {
    case files::FileKind::Missing:
      break;
    case files::FileKind::Regular:
      // What cannot be read cannot be merged, and is not written over either; nor is a file the
      // player made read-only. The whole file counts here, past a NUL too, so that a damaged
      // line loses no later level.
      if (!files::CanWriteFile(path) || !files::ReadWholeFile(path, content)) {
        throw GameError(CannotCreateMessage(path));
      }
      break;
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
  MergedRecordsText merged(bestTimes, content);
  if (!files::ReplaceFile(path, [&] { return merged.NextPiece(); })) {
    throw GameError(CannotCreateMessage(path));
  }
}

}  // namespace zaptrail
