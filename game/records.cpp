#include "game/records.hpp"

#include <algorithm>

#include "game/errors.hpp"
#include "game/file_system.hpp"

namespace zaptrail {
namespace {

std::string CannotCreateMessage(const std::string& path) {
  return "ﾌｧｲﾙ " + path + " を作成できません";
}

bool IsDecimal(const std::string& line) {
  return !line.empty() &&
         std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view WithoutLeadingZeros(const std::string& digits) {
  return std::string_view(digits).substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

// Compares two decimal lines by value, whatever their length.
bool DecimalLess(const std::string& a, const std::string& b) {
  const std::string_view shortA = WithoutLeadingZeros(a);
  const std::string_view shortB = WithoutLeadingZeros(b);
  if (shortA.size() != shortB.size()) return shortA.size() < shortB.size();
  return shortA < shortB;
}

}  // namespace

std::vector<std::string> ParseRecords(std::string_view content) {
  return ParseRecordLines(content.substr(0, content.find('\0')));
}

std::vector<std::string> ParseRecordLines(std::string_view content) {
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
  return files::IsRegularFile(path);
}

std::vector<std::string> LoadRecords(const std::string& path) {
  std::string content;
  if (!files::ReadWholeFile(path, content)) throw GameError(CannotOpenFileMessage(path));
  return ParseRecords(content);
}

std::vector<std::string> MergeRecords(const std::vector<std::string>& ours,
                                      const std::vector<std::string>& inFile) {
  std::vector<std::string> merged = ours;
  for (size_t level = 0; level < inFile.size(); ++level) {
    if (level >= merged.size()) {
      merged.push_back(inFile[level]);
    } else if (IsDecimal(merged[level]) && IsDecimal(inFile[level]) &&
               DecimalLess(inFile[level], merged[level])) {
      merged[level] = inFile[level];
    }
  }
  return merged;
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
