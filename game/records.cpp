#include "game/records.hpp"

#include <algorithm>

namespace zaptrail {
namespace {

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

}  // namespace zaptrail
