#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include "audio_format.h"
#include "cue_files.h"
#include "cues.h"
#include "sine_q30.h"
#include "wav_encoder.h"

namespace soundgen {
namespace {

constexpr int kFullScale = 32767;
constexpr int kMinus6Dbfs = 16422;

const std::vector<Cue>& cues() {
  static const std::vector<Cue> rendered = all_cues();
  return rendered;
}

const std::vector<int16_t>& samples_of(const std::string& file_name) {
  for (const Cue& cue : cues()) {
    if (cue.file_name == file_name) return cue.samples;
  }
  throw std::invalid_argument("no cue named " + file_name);
}

uint32_t read_le(const std::vector<uint8_t>& bytes, size_t offset, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | bytes.at(offset + i);
  return value;
}

std::string read_tag(const std::vector<uint8_t>& bytes, size_t offset) {
  return std::string(bytes.begin() + offset, bytes.begin() + offset + 4);
}

int peak_of(std::span<const int16_t> samples) {
  int peak = 0;
  for (int16_t s : samples) peak = std::max(peak, std::abs(int{s}));
  return peak;
}

int sign_changes(std::span<const int16_t> samples) {
  int changes = 0;
  int previous_sign = 0;
  for (int16_t s : samples) {
    const int sign = (s > 0) - (s < 0);
    if (sign != 0 && previous_sign != 0 && sign != previous_sign) ++changes;
    if (sign != 0) previous_sign = sign;
  }
  return changes;
}

// Zero-crossing counts of the first and last quarter: a proxy for pitch at each end.
std::pair<int, int> crossings_first_and_last_quarter(const std::vector<int16_t>& samples) {
  const std::span<const int16_t> all(samples);
  const size_t quarter = samples.size() / 4;
  return {sign_changes(all.first(quarter)), sign_changes(all.last(quarter))};
}

TEST(SineQ30, TracksTrueSineAroundTheWholeTurn) {
  for (uint64_t phase = 0; phase < (uint64_t{1} << 32); phase += 1'000'003) {
    const double expected = std::sin(2 * std::numbers::pi * double(phase) / 4294967296.0);
    const double actual = double(sine_q30(static_cast<uint32_t>(phase))) / double(kQ30One);
    ASSERT_NEAR(actual, expected, 1e-5) << "phase " << phase;
  }
}

struct CueLimits {
  std::string file_name;
  int min_ms;
  int max_ms;
};

class CueTest : public testing::TestWithParam<CueLimits> {
 protected:
  const std::vector<int16_t>& samples() const { return samples_of(GetParam().file_name); }
};

TEST_P(CueTest, WavHeaderDescribesTheSamples) {
  const std::vector<uint8_t> wav = encode_wav(samples());
  const uint32_t data_size = static_cast<uint32_t>(samples().size() * 2);
  ASSERT_EQ(wav.size(), kWavHeaderSize + data_size);
  EXPECT_EQ(read_tag(wav, 0), "RIFF");
  EXPECT_EQ(read_le(wav, 4, 4), wav.size() - 8);
  EXPECT_EQ(read_tag(wav, 8), "WAVE");
  EXPECT_EQ(read_tag(wav, 12), "fmt ");
  EXPECT_EQ(read_le(wav, 16, 4), 16u);
  EXPECT_EQ(read_le(wav, 20, 2), 1u) << "PCM";
  EXPECT_EQ(read_le(wav, 22, 2), 1u) << "mono";
  EXPECT_EQ(read_le(wav, 24, 4), 22050u);
  EXPECT_EQ(read_le(wav, 28, 4), 44100u) << "byte rate";
  EXPECT_EQ(read_le(wav, 32, 2), 2u) << "block align";
  EXPECT_EQ(read_le(wav, 34, 2), 16u) << "bits per sample";
  EXPECT_EQ(read_tag(wav, 36), "data");
  EXPECT_EQ(read_le(wav, 40, 4), data_size);
  // Samples are little-endian two's complement, regardless of the host.
  EXPECT_EQ(int16_t(read_le(wav, 44 + 2 * 100, 2)), samples()[100]);
}

TEST_P(CueTest, DurationFitsItsPurpose) {
  const int ms = static_cast<int>(samples().size() * 1000 / kSampleRate);
  EXPECT_GE(ms, GetParam().min_ms);
  EXPECT_LE(ms, GetParam().max_ms);
}

TEST_P(CueTest, PeaksBetweenMinus6DbfsAndFullScale) {
  const int peak = peak_of(samples());
  EXPECT_LT(peak, kFullScale);
  EXPECT_GT(peak, kMinus6Dbfs);
}

TEST_P(CueTest, FadesInAndOutWithoutClicks) {
  const std::span<const int16_t> all(samples());
  EXPECT_LE(std::abs(all.front()), 64);
  EXPECT_LE(std::abs(all.back()), 64);
  // A cut-in at full level would click; the first and last half millisecond stay quiet.
  const size_t edge = samples_for_ms(1) / 2;
  EXPECT_LT(peak_of(all.first(edge)), peak_of(all) / 4);
  EXPECT_LT(peak_of(all.last(edge)), peak_of(all) / 4);
}

TEST_P(CueTest, HasNoDcOffset) {
  int64_t sum = 0;
  for (int16_t s : samples()) sum += s;
  const double mean = double(sum) / double(samples().size());
  EXPECT_LT(std::abs(mean), kFullScale * 0.005);
}

INSTANTIATE_TEST_SUITE_P(AllCues, CueTest,
                         testing::Values(CueLimits{"TAK.WAV", 60, 120},
                                         CueLimits{"CLIA.WAV", 500, 800},
                                         CueLimits{"WIN.WAV", 600, 1000}),
                         [](const auto& info) {
                           return info.param.file_name.substr(0, info.param.file_name.find('.'));
                         });

TEST(Cues, AreDistinctFromEachOther) {
  ASSERT_EQ(cues().size(), 3u);
  for (size_t a = 0; a < cues().size(); ++a) {
    for (size_t b = a + 1; b < cues().size(); ++b) {
      EXPECT_NE(cues()[a].samples, cues()[b].samples)
          << cues()[a].file_name << " vs " << cues()[b].file_name;
    }
  }
}

TEST(Cues, PitchRisesForRewardsAndFallsForDeath) {
  const auto [tak_start, tak_end] = crossings_first_and_last_quarter(samples_of("TAK.WAV"));
  EXPECT_GT(tak_end, tak_start * 3 / 2);
  const auto [clia_start, clia_end] = crossings_first_and_last_quarter(samples_of("CLIA.WAV"));
  EXPECT_GT(clia_end, clia_start * 3 / 2);
  const auto [win_start, win_end] = crossings_first_and_last_quarter(samples_of("WIN.WAV"));
  EXPECT_LT(win_end * 2, win_start);
}

class CueFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("soundgen_test_" + std::to_string(::getpid()));
    write_cue_files(dir_, cues_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  bool check(std::string& report) const {
    std::ostringstream out;
    const bool ok = check_cue_files(dir_, cues_, out);
    report = out.str();
    return ok;
  }

  std::filesystem::path dir_;
  const std::vector<Cue> cues_ = {{"A.WAV", {0, 100, -100, 0}}, {"B.WAV", {0, 7, 0}}};
};

TEST_F(CueFilesTest, AcceptsFilesItJustWrote) {
  std::string report;
  EXPECT_TRUE(check(report));
  EXPECT_EQ(report, "");
}

TEST_F(CueFilesTest, ReportsEachChangedOrMissingFile) {
  {
    std::fstream a(dir_ / "A.WAV", std::ios::in | std::ios::out | std::ios::binary);
    a.seekp(46);
    a.put('\x55');
  }
  std::filesystem::remove(dir_ / "B.WAV");

  std::string report;
  EXPECT_FALSE(check(report));
  EXPECT_NE(report.find("A.WAV: differs"), std::string::npos) << report;
  EXPECT_NE(report.find("offset 46"), std::string::npos) << report;
  EXPECT_NE(report.find("B.WAV: missing"), std::string::npos) << report;
}

TEST_F(CueFilesTest, ReportsTruncatedFile) {
  std::filesystem::resize_file(dir_ / "B.WAV", kWavHeaderSize);
  std::string report;
  EXPECT_FALSE(check(report));
  EXPECT_NE(report.find("B.WAV: differs"), std::string::npos) << report;
  EXPECT_NE(report.find("size is 44"), std::string::npos) << report;
}

}  // namespace
}  // namespace soundgen
