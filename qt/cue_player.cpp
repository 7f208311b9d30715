#include "qt/cue_player.hpp"

#include <cstring>
#include <memory>
#include <vector>

#include "qt/sdl_library.hpp"
#include "qt/sdl_subsystem.hpp"
#include "session/own_files.hpp"

namespace zaptrail {
namespace {

// The cues are written at this rate and format, so they reach the device unconverted.
constexpr int32_t kFrequency = 22050;
// About 12 ms: short enough that a cut-off cue stops at once.
constexpr uint16_t kDeviceSamples = 256;

// Frees what SDL read from a wave file.
struct FreeWave {
  void operator()(uint8_t* samples) const { Sdl().FreeWAV(samples); }
};
using WaveBuffer = std::unique_ptr<uint8_t, FreeWave>;

}  // namespace

CuePlayer::CuePlayer(std::function<void()> beep) : beep_(std::move(beep)) {}

CuePlayer::~CuePlayer() {
  if (opener_.joinable()) opener_.join();
  if (device_ != 0) Sdl().CloseAudioDevice(device_);
  if (audioStarted_) StopSdlSubsystem(SDL_INIT_AUDIO);
}

void CuePlayer::StartOpening() {
  opener_ = std::thread([this] { OpenDevice(); });
}

void CuePlayer::OpenDevice() {
  audioStarted_ = StartSdlSubsystem(SDL_INIT_AUDIO);
  if (audioStarted_) {
    SDL_AudioSpec wanted{};
    wanted.freq = kFrequency;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = kDeviceSamples;
    SDL_AudioSpec obtained{};
    device_ = Sdl().OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ != 0) {
      deviceFormat_ = {obtained.format, obtained.channels, obtained.freq};
      Sdl().PauseAudioDevice(device_, 0);
    }
  }
  opened_.store(true, std::memory_order_release);
}

bool CuePlayer::WaitForDevice() {
  if (opener_.joinable()) opener_.join();
  return device_ != 0;
}

int32_t CuePlayer::PendingBytes() const {
  if (!opened_.load(std::memory_order_acquire) || device_ == 0) return 0;
  return static_cast<int32_t>(Sdl().GetQueuedAudioSize(device_));
}

void CuePlayer::Play(const std::string& path) {
  // While the worker is still in SDL's start-up, SDL is not ours to call: the cue stays silent.
  if (!opened_.load(std::memory_order_acquire)) return;
  SDL_AudioSpec fileFormat{};
  uint8_t* samples = nullptr;
  uint32_t length = 0;
  // Without SDL at all there is neither a device nor a way to read the file: silence.
  const SdlLibrary* sdl = LoadSdl();
  if (sdl == nullptr) return;
  std::string file;
  if (!ReadOwnFile(path, OwnFile::Cue, file) ||
      sdl->LoadWAV_RW(sdl->RWFromConstMem(file.data(), static_cast<int>(file.size())), 1,
                      &fileFormat, &samples, &length) == nullptr) {
    return Alert();
  }
  const WaveBuffer wave(samples);
  if (device_ == 0) return;

  SDL_AudioCVT cvt;
  const int needed =
      sdl->BuildAudioCVT(&cvt, fileFormat.format, fileFormat.channels, fileFormat.freq,
                         deviceFormat_.format, deviceFormat_.channels, deviceFormat_.frequency);
  if (needed < 0) return Alert();
  if (needed == 0) return Replace(samples, length);
  std::vector<uint8_t> converted(static_cast<size_t>(length) * static_cast<size_t>(cvt.len_mult));
  std::memcpy(converted.data(), samples, length);
  cvt.buf = converted.data();
  cvt.len = static_cast<int>(length);
  if (sdl->ConvertAudio(&cvt) < 0) return Alert();
  Replace(converted.data(), static_cast<uint32_t>(cvt.len_cvt));
}

void CuePlayer::Replace(const uint8_t* samples, uint32_t length) {
  if (device_ == 0) return;
  // Under the device's lock the mixer never sees the gap between the old cue and the new one.
  Sdl().LockAudioDevice(device_);
  Sdl().ClearQueuedAudio(device_);
  if (length > 0) Sdl().QueueAudio(device_, samples, length);
  Sdl().UnlockAudioDevice(device_);
}

void CuePlayer::Alert() {
  Replace(nullptr, 0);
  beep_();
}

}  // namespace zaptrail
