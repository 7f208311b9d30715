#include "tools/soundgen/cue_files.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

#include "tools/soundgen/wav_encoder.hpp"

namespace zaptrail::soundgen {
namespace {

std::optional<std::vector<uint8_t>> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void DescribeDifference(const std::vector<uint8_t>& actual, const std::vector<uint8_t>& expected,
                        std::ostream& report) {
  if (actual.size() != expected.size()) {
    report << "size is " << actual.size() << " bytes, generator writes " << expected.size();
    return;
  }
  const auto mismatch = std::mismatch(actual.begin(), actual.end(), expected.begin());
  report << "first differing byte at offset " << (mismatch.first - actual.begin());
}

}  // namespace

void WriteCueFiles(const std::filesystem::path& dir, const std::vector<Cue>& cues) {
  std::filesystem::create_directories(dir);
  for (const Cue& cue : cues) {
    const std::vector<uint8_t> bytes = EncodeWav(cue.samples);
    const std::filesystem::path path = dir / cue.fileName;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
  }
}

bool CheckCueFiles(const std::filesystem::path& dir, const std::vector<Cue>& cues,
                   std::ostream& report) {
  bool allMatch = true;
  for (const Cue& cue : cues) {
    const std::filesystem::path path = dir / cue.fileName;
    const std::optional<std::vector<uint8_t>> actual = ReadFile(path);
    if (!actual) {
      report << path.string() << ": missing or unreadable\n";
      allMatch = false;
      continue;
    }
    const std::vector<uint8_t> expected = EncodeWav(cue.samples);
    if (*actual == expected) continue;
    report << path.string() << ": differs from generator output (";
    DescribeDifference(*actual, expected, report);
    report << "); regenerate with soundgen --out\n";
    allMatch = false;
  }
  return allMatch;
}

}  // namespace zaptrail::soundgen
