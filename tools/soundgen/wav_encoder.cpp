#include "tools/soundgen/wav_encoder.hpp"

#include <string_view>

#include "tools/soundgen/audio_format.hpp"

namespace zaptrail::soundgen {
namespace {

constexpr uint16_t kPcmFormat = 1;
constexpr uint16_t kChannels = 1;
constexpr uint16_t kBytesPerSample = 2;
constexpr uint32_t kFmtChunkSize = 16;

// Byte order is written out explicitly so the file does not depend on the host's.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}

  void tag(std::string_view FourChars) {
    out_.insert(out_.end(), FourChars.begin(), FourChars.end());
  }
  void u16(uint16_t value) {
    out_.push_back(static_cast<uint8_t>(value));
    out_.push_back(static_cast<uint8_t>(value >> 8));
  }
  void u32(uint32_t value) {
    u16(static_cast<uint16_t>(value));
    u16(static_cast<uint16_t>(value >> 16));
  }

 private:
  std::vector<uint8_t>& out_;
};

}  // namespace

std::vector<uint8_t> EncodeWav(std::span<const int16_t> samples) {
  const auto dataSize = static_cast<uint32_t>(samples.size() * kBytesPerSample);
  std::vector<uint8_t> bytes;
  bytes.reserve(kWavHeaderSize + dataSize);
  ByteWriter out(bytes);

  out.tag("RIFF");
  out.u32(static_cast<uint32_t>(kWavHeaderSize - 8) + dataSize);
  out.tag("WAVE");
  out.tag("fmt ");
  out.u32(kFmtChunkSize);
  out.u16(kPcmFormat);
  out.u16(kChannels);
  out.u32(kSampleRate);
  out.u32(kSampleRate * kChannels * kBytesPerSample);
  out.u16(kChannels * kBytesPerSample);
  out.u16(kBytesPerSample * 8);
  out.tag("data");
  out.u32(dataSize);
  for (int16_t sample : samples) out.u16(static_cast<uint16_t>(sample));
  return bytes;
}

}  // namespace zaptrail::soundgen
