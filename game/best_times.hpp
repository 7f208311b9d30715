#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zaptrail {

// The list BestTimes: one text line per level ever cleared. A player's file may hold millions
// of lines, so they are kept end to end in one block of text with a sparse index rather than
// one string each, which keeps the list about the size of the file.
class BestTimes {
 public:
  BestTimes() = default;
  BestTimes(std::initializer_list<std::string_view> lines);
  BestTimes(const std::vector<std::string>& lines);  // NOLINT: a list of lines is one

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  std::string_view operator[](size_t level) const;
  void push_back(std::string_view line);
  void Replace(size_t level, std::string_view line);
  // Room for lines of this many bytes in all, so that reading a file grows the list once.
  void reserve(size_t bytes) { text_.reserve(bytes); }
  // Every line followed by '\n', which no line holds: for reading them all in order.
  std::string_view Joined() const { return text_; }
  std::vector<std::string> Lines() const;
  // What the list holds in memory, in bytes.
  size_t MemoryBytes() const { return text_.capacity() + marks_.capacity() * sizeof(size_t); }

  friend bool operator==(const BestTimes& a, const BestTimes& b) {
    return a.count_ == b.count_ && a.text_ == b.text_;
  }

 private:
  static constexpr size_t kLinesPerMark = 64;
  size_t StartOf(size_t level) const;

  std::string text_;
  std::vector<size_t> marks_;  // where every kLinesPerMark-th line starts
  size_t count_ = 0;
};

// Splits text into lines at CR LF, a lone CR or a lone LF; a last line without a break still
// counts, and a break at the very end adds no empty line.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}
  // False once every line has been given.
  bool Next(std::string_view& line);

 private:
  std::string_view rest_;
};

}  // namespace zaptrail
