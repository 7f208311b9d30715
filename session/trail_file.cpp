#include "session/trail_file.hpp"

#include <charconv>
#include <cstdio>
#include <limits>
#include <vector>

#include "session/daily.hpp"

namespace zaptrail {

const char* const kGameVersion = ZAPTRAIL_VERSION;

namespace {

constexpr std::string_view kKeyLetters = "URDLFH";
constexpr char kNoKeys = '-';
constexpr size_t kRunsPerLine = 32;
constexpr int32_t kMaxDrawsPerTick = 1'000'000;
constexpr int32_t kMaxBestTimes = 100'000;

// The file as numbered lines, each checked for the characters the format allows.
std::vector<std::string_view> SplitLines(std::string_view text) {
  if (text.size() > kMaxTrailBytes) throw TrailError("the file is larger than 4 MiB");
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    const std::string line_number = "line " + std::to_string(lines.size() + 1) + ": ";
    if (end == std::string_view::npos) {
      throw TrailError(line_number + "the file ends without a line feed (cut short?)");
    }
    const std::string_view line = text.substr(start, end - start);
    for (const char c : line) {
      if (c == '\r') throw TrailError(line_number + "a carriage return (lines end in LF only)");
      if (c < ' ' || c > '~') throw TrailError(line_number + "a byte that is not printable ASCII");
    }
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Reads the lines in the order the format fixes, each error naming its line.
class LineReader {
 public:
  explicit LineReader(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}

  [[noreturn]] void Fail(const std::string& why) const {
    throw TrailError("line " + std::to_string(index_ + 1) + ": " + why);
  }

  // The words of the next line if its first word is `tag`.
  bool NextIs(std::string_view tag) {
    if (index_ >= lines_.size()) return false;
    words_ = Words(lines_[index_]);
    return !words_.empty() && words_[0] == tag;
  }
  // The words of the next line, which must begin with `tag`.
  const std::vector<std::string_view>& Expect(std::string_view tag) {
    if (!NextIs(tag)) Fail("expected a '" + std::string(tag) + "' line");
    return words_;
  }
  void ExpectWords(size_t count) const {
    if (words_.size() != count) Fail("expected " + std::to_string(count) + " words");
  }
  // The current line after its tag and one space, for lines that hold free text.
  std::string_view Rest() const {
    const std::string_view line = lines_[index_];
    const size_t space = line.find(' ');
    return space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
  }
  void Advance() { ++index_; }
  bool AtEnd() const { return index_ >= lines_.size(); }

  template <typename Number>
  Number ReadNumber(std::string_view word, Number lowest, Number highest) const {
    Number value{};
    const bool leading_zero = word.size() > 1 && word[0] == '0';
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || word[0] == '-' || leading_zero || error != std::errc() ||
        end != word.data() + word.size()) {
      Fail("'" + std::string(word) + "' is not a plain decimal number");
    }
    if (value < lowest || value > highest) {
      Fail(std::string(word) + " is out of range " + std::to_string(lowest) + ".." +
           std::to_string(highest));
    }
    return value;
  }

 private:
  static std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t start = 0;
    while (start <= line.size()) {
      const size_t space = std::min(line.find(' ', start), line.size());
      words.push_back(line.substr(start, space - start));
      start = space + 1;
    }
    return words;
  }

  std::vector<std::string_view> lines_;
  std::vector<std::string_view> words_;
  size_t index_ = 0;
};

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

KeyRun ReadKeyRun(const LineReader& reader, std::string_view token) {
  size_t digits = 0;
  while (digits < token.size() && token[digits] >= '0' && token[digits] <= '9') ++digits;
  KeyRun run;
  run.ticks =
      digits == 0 ? 1 : reader.ReadNumber<int64_t>(token.substr(0, digits), 1, kMaxTrailTicks);
  const std::string_view letters = token.substr(digits);
  if (letters == std::string_view(&kNoKeys, 1)) return run;
  size_t from = 0;
  for (const char letter : letters) {
    const size_t bit = kKeyLetters.find(letter, from);
    if (bit == std::string_view::npos) {
      reader.Fail("'" + std::string(token) +
                  "' is not a key run (count, then U R D L F H in order, or -)");
    }
    run.keys = static_cast<uint8_t>(run.keys | (1u << bit));
    from = bit + 1;
  }
  if (run.keys == 0) reader.Fail("'" + std::string(token) + "' names no keys");
  return run;
}

void ReadKeys(LineReader& reader, Trail& trail) {
  int64_t ticks = 0;
  while (reader.NextIs("keys")) {
    const std::vector<std::string_view> words = reader.Expect("keys");
    if (words.size() < 2) reader.Fail("a 'keys' line without runs");
    for (size_t i = 1; i < words.size(); ++i) {
      const KeyRun run = ReadKeyRun(reader, words[i]);
      ticks += run.ticks;
      if (ticks > kMaxTrailTicks) reader.Fail("more than 2000000 ticks");
      trail.keys.push_back(run);
    }
    reader.Advance();
  }
  if (ticks == 0) reader.Fail("expected a 'keys' line");
}

void ReadPeriods(LineReader& reader, Trail& trail, int64_t ticks) {
  while (reader.NextIs("period")) {
    const auto& words = reader.Expect("period");
    reader.ExpectWords(3);
    const PeriodChange change{reader.ReadNumber<int64_t>(words[1], 0, ticks - 1),
                              reader.ReadNumber<int32_t>(words[2], 1, kInt32Max)};
    if (trail.periods.empty() ? change.tick != 0 : change.tick <= trail.periods.back().tick) {
      reader.Fail(trail.periods.empty() ? "the first period starts at tick 0"
                                        : "periods must follow each other in tick order");
    }
    trail.periods.push_back(change);
    reader.Advance();
  }
  if (trail.periods.empty()) reader.Fail("expected a 'period' line");
}

void ReadDraws(LineReader& reader, Trail& trail, int64_t ticks) {
  while (reader.NextIs("draws")) {
    const auto& words = reader.Expect("draws");
    reader.ExpectWords(3);
    const LabelDraws draws{reader.ReadNumber<int64_t>(words[1], 0, ticks - 1),
                           reader.ReadNumber<int32_t>(words[2], 1, kMaxDrawsPerTick)};
    if (!trail.labelDraws.empty() && draws.tick <= trail.labelDraws.back().tick) {
      reader.Fail("draws must follow each other in tick order");
    }
    trail.labelDraws.push_back(draws);
    reader.Advance();
  }
}

void ReadResults(LineReader& reader, Trail& trail) {
  TrailResults& claimed = trail.claimed;
  while (reader.NextIs("cleared")) {
    const auto& words = reader.Expect("cleared");
    reader.ExpectWords(3);
    const ClearedLevel cleared{reader.ReadNumber<int32_t>(words[1], 0, kInt32Max),
                               reader.ReadNumber<int32_t>(words[2], 0, kInt32Max)};
    const int32_t expected = trail.firstLevel + static_cast<int32_t>(claimed.cleared.size());
    if (cleared.level != expected)
      reader.Fail("the next cleared level is " + std::to_string(expected));
    claimed.cleared.push_back(cleared);
    reader.Advance();
  }
  const auto& ended = reader.Expect("ended");
  reader.ExpectWords(3);
  if (ended[1] != "died" && ended[1] != "stopped") reader.Fail("a game ends 'died' or 'stopped'");
  claimed.ending = ended[1] == "died" ? TrailEnding::Died : TrailEnding::Stopped;
  claimed.endLevel = reader.ReadNumber<int32_t>(ended[2], 0, kInt32Max);
  reader.Advance();
  const auto& hash = reader.Expect("hash");
  reader.ExpectWords(2);
  if (hash[1].size() != 8) reader.Fail("the hash is eight lower-case hexadecimal digits");
  for (const char digit : hash[1]) {
    const bool hex = (digit >= '0' && digit <= '9') || (digit >= 'a' && digit <= 'f');
    if (!hex) reader.Fail("the hash is eight lower-case hexadecimal digits");
  }
  claimed.stateHash = static_cast<uint32_t>(std::stoul(std::string(hash[1]), nullptr, 16));
  reader.Advance();
}

std::string MarksOf(const Trail& trail) {
  std::string marks;
  if (PlayedAtOtherPeriod(trail)) marks += " period";
  if (TookLabelDraws(trail)) marks += " labels";
  return marks.empty() ? " none" : marks;
}

void ReadMarks(LineReader& reader, const Trail& trail) {
  reader.Expect("marks");
  if (" " + std::string(reader.Rest()) != MarksOf(trail)) {
    reader.Fail("the marks do not say what the trail holds:" + MarksOf(trail));
  }
  reader.Advance();
}

void ReadStart(LineReader& reader, Trail& trail) {
  const auto& header = reader.Expect(kTrailFormatName);
  reader.ExpectWords(2);
  trail.formatVersion = reader.ReadNumber<int32_t>(header[1], 1, kInt32Max);
  if (trail.formatVersion != kTrailFormatVersion) {
    reader.Fail("format version " + std::to_string(trail.formatVersion) +
                " is not the one this game reads (" + std::to_string(kTrailFormatVersion) + ")");
  }
  reader.Advance();
  reader.Expect("game");
  trail.gameVersion = reader.Rest();
  if (trail.gameVersion.empty()) reader.Fail("the game's version is missing");
  reader.Advance();
  const auto& start = reader.Expect("start");
  reader.ExpectWords(7);
  if (start[1] != "random" || start[3] != "level" || start[5] != "goalframe") {
    reader.Fail("expected 'start random R level L goalframe G'");
  }
  trail.startRandom =
      reader.ReadNumber<uint32_t>(start[2], 0, std::numeric_limits<uint32_t>::max());
  trail.firstLevel = reader.ReadNumber<int32_t>(start[4], 0, kMaxTrailFirstLevel);
  trail.startGoalFrame = reader.ReadNumber<int32_t>(start[6], 0, 2);
  reader.Advance();
  if (reader.NextIs("daily")) {
    reader.ExpectWords(2);
    trail.daily = ParseDate(reader.Rest());
    if (!trail.daily) reader.Fail("'" + std::string(reader.Rest()) + "' is not a date YYYY-MM-DD");
    reader.Advance();
  }
  while (reader.NextIs("best")) {
    if (trail.startBestTimes.size() == kMaxBestTimes) reader.Fail("too many best times");
    trail.startBestTimes.emplace_back(reader.Rest());
    reader.Advance();
  }
}

void WriteNumberLine(std::string& out, std::string_view tag, int64_t first, int64_t second) {
  out += std::string(tag) + ' ' + std::to_string(first) + ' ' + std::to_string(second) + '\n';
}

std::string KeyRunText(const KeyRun& run) {
  std::string text = run.ticks == 1 ? std::string() : std::to_string(run.ticks);
  for (size_t bit = 0; bit < kKeyLetters.size(); ++bit) {
    if ((run.keys & (1u << bit)) != 0) text += kKeyLetters[bit];
  }
  return (run.keys & kTrailKeyMask) == 0 ? text + kNoKeys : text;
}

}  // namespace

Trail ReadTrail(std::string_view text) {
  LineReader reader(SplitLines(text));
  Trail trail;
  ReadStart(reader, trail);
  ReadKeys(reader, trail);
  const int64_t ticks = TrailTicks(trail);
  ReadPeriods(reader, trail, ticks);
  ReadDraws(reader, trail, ticks);
  ReadResults(reader, trail);
  ReadMarks(reader, trail);
  reader.Expect("end");
  reader.ExpectWords(1);
  reader.Advance();
  if (!reader.AtEnd()) reader.Fail("nothing may follow the 'end' line");
  return trail;
}

std::string WriteTrail(const Trail& trail) {
  // Whatever the reader would refuse is refused here, so a kept trail always reads back.
  const int64_t ticks = TrailTicks(trail);
  if (ticks == 0 || ticks > kMaxTrailTicks) throw TrailError("a trail holds 1 to 2000000 ticks");
  if (trail.periods.empty() || trail.periods.front().tick != 0) {
    throw TrailError("a trail's first period starts at tick 0");
  }
  std::string out =
      std::string(kTrailFormatName) + ' ' + std::to_string(kTrailFormatVersion) + '\n';
  out += "game " + trail.gameVersion + '\n';
  out += "start random " + std::to_string(trail.startRandom) + " level " +
         std::to_string(trail.firstLevel) + " goalframe " + std::to_string(trail.startGoalFrame) +
         '\n';
  if (trail.daily) out += "daily " + FormatDate(*trail.daily) + '\n';
  for (const std::string& best : trail.startBestTimes) out += "best " + best + '\n';
  for (size_t i = 0; i < trail.keys.size(); i += kRunsPerLine) {
    out += "keys";
    for (size_t j = i; j < std::min(trail.keys.size(), i + kRunsPerLine); ++j) {
      out += ' ' + KeyRunText(trail.keys[j]);
    }
    out += '\n';
  }
  for (const PeriodChange& change : trail.periods)
    WriteNumberLine(out, "period", change.tick, change.period);
  for (const LabelDraws& draws : trail.labelDraws)
    WriteNumberLine(out, "draws", draws.tick, draws.draws);
  for (const ClearedLevel& cleared : trail.claimed.cleared) {
    WriteNumberLine(out, "cleared", cleared.level, cleared.time);
  }
  out += std::string("ended ") +
         (trail.claimed.ending == TrailEnding::Died ? "died " : "stopped ") +
         std::to_string(trail.claimed.endLevel) + '\n';
  char hash[9];
  std::snprintf(hash, sizeof hash, "%08x", trail.claimed.stateHash);
  out += std::string("hash ") + hash + '\n';
  out += "marks" + MarksOf(trail) + '\n';
  out += "end\n";
  // One more check by the reader itself: every other rule (ASCII text, ranges, orders) is its.
  ReadTrail(out);
  return out;
}

}  // namespace zaptrail
