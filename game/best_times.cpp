#include "game/best_times.hpp"

#include <cstring>

namespace zaptrail {

BestTimes::BestTimes(std::initializer_list<std::string_view> lines) {
  for (const std::string_view line : lines) push_back(line);
}

BestTimes::BestTimes(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) push_back(line);
}

size_t BestTimes::StartOf(size_t level) const {
  size_t at = marks_[level / kLinesPerMark];
  for (size_t skip = level % kLinesPerMark; skip > 0; --skip) {
    at = static_cast<size_t>(
             static_cast<const char*>(std::memchr(text_.data() + at, '\n', text_.size() - at)) -
             text_.data()) +
         1;
  }
  return at;
}

std::string_view BestTimes::operator[](size_t level) const {
  const size_t start = StartOf(level);
  return std::string_view(text_).substr(start, text_.find('\n', start) - start);
}

void BestTimes::push_back(std::string_view line) {
  if (count_ % kLinesPerMark == 0) marks_.push_back(text_.size());
  text_.append(line);
  text_ += '\n';
  ++count_;
}

void BestTimes::Replace(size_t level, std::string_view line) {
  const size_t start = StartOf(level);
  const size_t length = text_.find('\n', start) - start;
  text_.replace(start, length, line);
  for (size_t mark = level / kLinesPerMark + 1; mark < marks_.size(); ++mark) {
    marks_[mark] = marks_[mark] + line.size() - length;
  }
}

std::vector<std::string> BestTimes::Lines() const {
  std::vector<std::string> lines;
  LineReader reader(text_);
  for (std::string_view line; reader.Next(line);) lines.emplace_back(line);
  return lines;
}

bool LineReader::Next(std::string_view& line) {
  if (rest_.empty()) return false;
  const size_t end = rest_.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    line = rest_;
    rest_ = {};
    return true;
  }
  line = rest_.substr(0, end);
  const bool crLf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
  rest_.remove_prefix(end + (crLf ? 2 : 1));
  return true;
}

}  // namespace zaptrail
