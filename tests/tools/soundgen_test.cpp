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

#include "tools/soundgen/audio_format.hpp"
#include "tools/soundgen/cue_files.hpp"
#include "tools/soundgen/cues.hpp"
#include "tools/soundgen/sine_q30.hpp"
#include "tools/soundgen/wav_encoder.hpp"

namespace zaptrail::soundgen {
namespace {

constexpr int kFullScale = 32767;
constexpr int kMinus6Dbfs = 16422;

const std::vector<Cue>& cues() {
  static const std::vector<Cue> rendered = AllCues();
  return rendered;
}

const std::vector<int16_t>& SamplesOf(const std::string& fileName) {
  for (const Cue& cue : cues()) {
    if (cue.fileName == fileName) return cue.samples;
  }
  throw std::invalid_argument("no cue named " + fileName);
}

uint32_t ReadLe(const std::vector<uint8_t>& bytes, size_t offset, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | bytes.at(offset + i);
  return value;
}

std::string ReadTag(const std::vector<uint8_t>& bytes, size_t offset) {
  return std::string(bytes.begin() + offset, bytes.begin() + offset + 4);
}

int PeakOf(std::span<const int16_t> samples) {
  int peak = 0;
  for (int16_t s : samples) peak = std::max(peak, std::abs(int{s}));
  return peak;
}

int SignChanges(std::span<const int16_t> samples) {
  int changes = 0;
  int previousSign = 0;
  for (int16_t s : samples) {
    const int sign = (s > 0) - (s < 0);
    if (sign != 0 && previousSign != 0 && sign != previousSign) ++changes;
    if (sign != 0) previousSign = sign;
  }
  return changes;
}

// Zero-crossing counts of the first and last quarter: a proxy for pitch at each end.
std::pair<int, int> CrossingsFirstAndLastQuarter(const std::vector<int16_t>& samples) {
  const std::span<const int16_t> all(samples);
  const size_t quarter = samples.size() / 4;
  return {SignChanges(all.first(quarter)), SignChanges(all.last(quarter))};
}

TEST(SineQ30, TracksTrueSineAroundTheWholeTurn) {
  for (uint64_t phase = 0; phase < (uint64_t{1} << 32); phase += 1'000'003) {
    const double expected = std::sin(2 * std::numbers::pi * double(phase) / 4294967296.0);
    const double actual = double(SineQ30(static_cast<uint32_t>(phase))) / double(kQ30One);
    ASSERT_NEAR(actual, expected, 1e-5) << "phase " << phase;
  }
}

struct CueLimits {
  std::string fileName;
  int minMs;
  int maxMs;
};

class CueTest : public testing::TestWithParam<CueLimits> {
 protected:
  const std::vector<int16_t>& samples() const { return SamplesOf(GetParam().fileName); }
};

TEST_P(CueTest, WavHeaderDescribesTheSamples) {
  const std::vector<uint8_t> wav = EncodeWav(samples());
  const uint32_t dataSize = static_cast<uint32_t>(samples().size() * 2);
  ASSERT_EQ(wav.size(), kWavHeaderSize + dataSize);
  EXPECT_EQ(ReadTag(wav, 0), "RIFF");
  EXPECT_EQ(ReadLe(wav, 4, 4), wav.size() - 8);
  EXPECT_EQ(ReadTag(wav, 8), "WAVE");
  EXPECT_EQ(ReadTag(wav, 12), "fmt ");
  EXPECT_EQ(ReadLe(wav, 16, 4), 16u);
  EXPECT_EQ(ReadLe(wav, 20, 2), 1u) << "PCM";
  EXPECT_EQ(ReadLe(wav, 22, 2), 1u) << "mono";
  EXPECT_EQ(ReadLe(wav, 24, 4), 22050u);
  EXPECT_EQ(ReadLe(wav, 28, 4), 44100u) << "byte rate";
  EXPECT_EQ(ReadLe(wav, 32, 2), 2u) << "block align";
  EXPECT_EQ(ReadLe(wav, 34, 2), 16u) << "bits per sample";
  EXPECT_EQ(ReadTag(wav, 36), "data");
  EXPECT_EQ(ReadLe(wav, 40, 4), dataSize);
  // Samples are little-endian two's complement, regardless of the host.
  EXPECT_EQ(int16_t(ReadLe(wav, 44 + 2 * 100, 2)), samples()[100]);
}

TEST_P(CueTest, DurationFitsItsPurpose) {
  const int ms = static_cast<int>(samples().size() * 1000 / kSampleRate);
  EXPECT_GE(ms, GetParam().minMs);
  EXPECT_LE(ms, GetParam().maxMs);
}

TEST_P(CueTest, PeaksBetweenMinus6DbfsAndFullScale) {
  const int peak = PeakOf(samples());
  EXPECT_LT(peak, kFullScale);
  EXPECT_GT(peak, kMinus6Dbfs);
}

TEST_P(CueTest, FadesInAndOutWithoutClicks) {
  const std::span<const int16_t> all(samples());
  EXPECT_LE(std::abs(all.front()), 64);
  EXPECT_LE(std::abs(all.back()), 64);
  // A cut-in at full level would click; the first and last half millisecond stay quiet.
  const size_t edge = SamplesForMs(1) / 2;
  EXPECT_LT(PeakOf(all.first(edge)), PeakOf(all) / 4);
  EXPECT_LT(PeakOf(all.last(edge)), PeakOf(all) / 4);
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
                           return info.param.fileName.substr(0, info.param.fileName.find('.'));
                         });

TEST(Cues, AreDistinctFromEachOther) {
  ASSERT_EQ(cues().size(), 3u);
  for (size_t a = 0; a < cues().size(); ++a) {
    for (size_t b = a + 1; b < cues().size(); ++b) {
      EXPECT_NE(cues()[a].samples, cues()[b].samples)
          << cues()[a].fileName << " vs " << cues()[b].fileName;
    }
  }
}

TEST(Cues, PitchRisesForRewardsAndFallsForDeath) {
  const auto [takStart, takEnd] = CrossingsFirstAndLastQuarter(SamplesOf("TAK.WAV"));
  EXPECT_GT(takEnd, takStart * 3 / 2);
  const auto [cliaStart, cliaEnd] = CrossingsFirstAndLastQuarter(SamplesOf("CLIA.WAV"));
  EXPECT_GT(cliaEnd, cliaStart * 3 / 2);
  const auto [winStart, winEnd] = CrossingsFirstAndLastQuarter(SamplesOf("WIN.WAV"));
  EXPECT_LT(winEnd * 2, winStart);
}

class CueFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("soundgen_test_" + std::to_string(::getpid()));
    WriteCueFiles(dir_, cues_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  bool check(std::string& report) const {
    std::ostringstream out;
    const bool ok = CheckCueFiles(dir_, cues_, out);
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
}  // namespace zaptrail::soundgen
