// Any bytes as a records file: loading, saving and loading again gives the same list, a save
// keeps the lines beyond a NUL byte, and a file in the saved form reads back byte for byte.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "game/records.hpp"
#include "session/records_file.hpp"
#include "tests/fuzz/fuzz_check.hpp"

namespace zaptrail::fuzz {
namespace {

// A private folder for the records file, removed when the fuzzer ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/zaptrail-fuzz-XXXXXX";
    Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    folder_ = pattern;
  }
  ~ScratchFolder() {
    ::unlink(RecordsPath().c_str());
    ::rmdir(folder_.c_str());
  }
  std::string RecordsPath() const { return folder_ + "/zaptrail.ini"; }

 private:
  std::string folder_;
};

std::string ReadWhole(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void WriteWhole(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  Require(static_cast<bool>(file.flush()), "the raw bytes can be written");
}

// The form the game writes: no NUL, every line ended by CR LF, and no other CR or LF.
bool InSavedForm(std::string_view bytes) {
  if (bytes.find('\0') != std::string_view::npos) return false;
  for (size_t at = 0; at < bytes.size(); ++at) {
    if (bytes[at] == '\r' && (at + 1 == bytes.size() || bytes[at + 1] != '\n')) return false;
    if (bytes[at] == '\n' && (at == 0 || bytes[at - 1] != '\r')) return false;
  }
  return bytes.empty() || bytes.ends_with("\r\n");
}

bool HoldsLineBreakOrNul(const std::string& line) {
  return line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
}

}  // namespace

int CheckRecords(std::string_view bytes) {
  static const ScratchFolder scratch;
  const std::string path = scratch.RecordsPath();

  const BestTimes lines = ParseRecords(bytes);
  for (const std::string& line : lines.Lines()) {
    Require(!HoldsLineBreakOrNul(line), "a parsed line holds no line break or NUL");
  }
  const std::string saved = FormatRecords(lines);
  Require(ParseRecords(saved) == lines, "formatting then parsing keeps every line");
  if (InSavedForm(bytes)) Require(saved == bytes, "a file in the saved form reads back whole");

  WriteWhole(path, bytes);
  Require(RecordsFileExists(path), "the written file exists");
  Require(LoadRecords(path) == lines, "loading a file parses its bytes");
  SaveRecords(lines, path);
  const std::string written = ReadWhole(path);
  Require(written == FormatRecords(MergeRecords(lines, ParseRecordLines(bytes))),
          "saving merges the list into the whole file, past a NUL too");
  if (bytes.find('\0') != std::string_view::npos) return 0;
  Require(written == saved, "saving writes the formatted lines");
  Require(LoadRecords(path) == lines, "load, save and load again gives the same list");
  return 0;
}

}  // namespace zaptrail::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return zaptrail::fuzz::CheckRecords(std::string_view(reinterpret_cast<const char*>(data), size));
}
