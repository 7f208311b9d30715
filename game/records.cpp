#include "game/records.hpp"

#include <algorithm>

namespace zaptrail {
namespace {

// Big enough that writing costs one call per piece, small beside any list worth splitting.
constexpr size_t kPieceBytes = size_t{1} << 16;

bool IsDecimal(std::string_view line) {
  return !line.empty() &&
         std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
  return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

// Compares two decimal lines by value, whatever their length.
bool DecimalLess(std::string_view a, std::string_view b) {
  const std::string_view shortA = WithoutLeadingZeros(a);
  const std::string_view shortB = WithoutLeadingZeros(b);
  if (shortA.size() != shortB.size()) return shortA.size() < shortB.size();
  return shortA < shortB;
}

// The next line of the merge; false once both lists are done.
bool NextMergedLine(LineReader& ours, LineReader& inFile, std::string_view& line) {
  std::string_view theirs;
  const bool haveOurs = ours.Next(line);
  const bool haveTheirs = inFile.Next(theirs);
  if (!haveOurs) line = theirs;
  if (haveOurs && haveTheirs && IsDecimal(line) && IsDecimal(theirs) && DecimalLess(theirs, line)) {
    line = theirs;
  }
  return haveOurs || haveTheirs;
}

}  // namespace

BestTimes ParseRecords(std::string_view content) {
  return ParseRecordLines(content.substr(0, content.find('\0')));
}

BestTimes ParseRecordLines(std::string_view content) {
  BestTimes lines;
  lines.reserve(content.size());
  LineReader reader(content);
  for (std::string_view line; reader.Next(line);) lines.push_back(line);
  return lines;
}

std::string FormatRecords(const BestTimes& bestTimes) {
  std::string content;
  MergedRecordsText text(bestTimes, {});
  for (std::string_view piece; !(piece = text.NextPiece()).empty();) content += piece;
  return content;
}

BestTimes MergeRecords(const BestTimes& ours, const BestTimes& inFile) {
  BestTimes merged;
  merged.reserve(std::max(ours.Joined().size(), inFile.Joined().size()));
  LineReader ourLines(ours.Joined());
  LineReader fileLines(inFile.Joined());
  for (std::string_view line; NextMergedLine(ourLines, fileLines, line);) merged.push_back(line);
  return merged;
}

MergedRecordsText::MergedRecordsText(const BestTimes& ours, std::string_view fileContent)
    : ours_(ours.Joined()), inFile_(fileContent) {}

std::string_view MergedRecordsText::NextPiece() {
  piece_.clear();
  for (std::string_view line;
       piece_.size() < kPieceBytes && NextMergedLine(ours_, inFile_, line);) {
    piece_.append(line);
    piece_ += "\r\n";
  }
  return piece_;
}

}  // namespace zaptrail
