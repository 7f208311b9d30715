#include "session/records_import.hpp"

#include <algorithm>

#include "game/errors.hpp"
#include "game/integer_text.hpp"
#include "game/records.hpp"

namespace zaptrail {
namespace {

// A line longer than any time is shown cut, so the dialog stays readable.
constexpr size_t kShownLineLength = 24;

bool IsTextByte(char c) {
  return c == '\r' || c == '\n' || (c >= ' ' && c <= '~');
}

// The digits the game writes, of a value its own conversion reads back.
bool IsBestTime(const std::string& line) {
  return !line.empty() &&
         std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
         ParseInteger(line).has_value();
}

std::string Shown(const std::string& line) {
  return line.size() <= kShownLineLength ? line : line.substr(0, kShownLineLength) + "...";
}

// Ordinary text editors mark a UTF-8 file with these bytes at its start.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view content) {
  return content.substr(0, kByteOrderMark.size()) == kByteOrderMark
             ? content.substr(kByteOrderMark.size())
             : content;
}

// An editor's empty lines after the last time hold no level; an empty line between two times
// would shift every level after it, and stays refused.
void DropTrailingEmptyLines(std::vector<std::string>& lines) {
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
}

}  // namespace

std::vector<std::string> ParseImportedRecords(std::string_view content,
                                              const std::string& fileName) {
  if (content.size() > kImportedRecordsMaxBytes) throw GameError(CannotOpenFileMessage(fileName));
  const std::string_view text = WithoutByteOrderMark(content);
  if (!std::all_of(text.begin(), text.end(), IsTextByte)) {
    throw GameError(CannotOpenFileMessage(fileName));
  }
  std::vector<std::string> lines = ParseRecords(text);
  DropTrailingEmptyLines(lines);
  const auto bad = std::find_if_not(lines.begin(), lines.end(), IsBestTime);
  if (bad != lines.end()) throw GameError(NotAnIntegerMessage(Shown(*bad)));
  return lines;
}

}  // namespace zaptrail
