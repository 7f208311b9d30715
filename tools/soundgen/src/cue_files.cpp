#include "cue_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

#include "wav_encoder.h"

namespace soundgen {
namespace {

std::optional<std::vector<uint8_t>> read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void describe_difference(const std::vector<uint8_t>& actual, const std::vector<uint8_t>& expected,
                         std::ostream& report) {
  if (actual.size() != expected.size()) {
    report << "size is " << actual.size() << " bytes, generator writes " << expected.size();
    return;
  }
  const auto mismatch = std::mismatch(actual.begin(), actual.end(), expected.begin());
  report << "first differing byte at offset " << (mismatch.first - actual.begin());
}

}  // namespace

void write_cue_files(const std::filesystem::path& dir, const std::vector<Cue>& cues) {
  std::filesystem::create_directories(dir);
  for (const Cue& cue : cues) {
    const std::vector<uint8_t> bytes = encode_wav(cue.samples);
    const std::filesystem::path path = dir / cue.file_name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
  }
}

bool check_cue_files(const std::filesystem::path& dir, const std::vector<Cue>& cues,
                     std::ostream& report) {
  bool all_match = true;
  for (const Cue& cue : cues) {
    const std::filesystem::path path = dir / cue.file_name;
    const std::optional<std::vector<uint8_t>> actual = read_file(path);
    if (!actual) {
      report << path.string() << ": missing or unreadable\n";
      all_match = false;
      continue;
    }
    const std::vector<uint8_t> expected = encode_wav(cue.samples);
    if (*actual == expected) continue;
    report << path.string() << ": differs from generator output (";
    describe_difference(*actual, expected, report);
    report << "); regenerate with soundgen --out\n";
    all_match = false;
  }
  return all_match;
}

}  // namespace soundgen
