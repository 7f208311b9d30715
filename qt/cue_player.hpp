#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

namespace zaptrail {

// Plays the game's wave-file cues through SDL audio, one at a time. Each cue is read when it
// starts and handed to the device without waiting; a new cue replaces the rest of the old one.
// The device opens on a worker thread, because a failing sound system can take a tenth of a
// second to give up; until it is open, and for good without one, cues are silent (an unreadable
// file still beeps once the attempt is over).
class CuePlayer {
 public:
  // `beep` plays the desktop's alert sound, which stands in for a file that cannot be read.
  explicit CuePlayer(std::function<void()> beep);
  ~CuePlayer();
  CuePlayer(const CuePlayer&) = delete;
  CuePlayer& operator=(const CuePlayer&) = delete;

  // Starts opening the audio device on a worker thread; call once, from the main thread.
  void StartOpening();
  // Main thread only. Never blocks on the device and never throws.
  void Play(const std::string& path);

  // Blocks until the device is open or has failed; true when there is one. The game itself
  // never waits: this is for tests and measurements.
  bool WaitForDevice();
  // Bytes of the current cue not yet handed to the device.
  int32_t PendingBytes() const;
  // The open device, 0 before and without one. Tests lock it to keep it from draining a cue
  // while they look at what was queued.
  uint32_t Device() const { return device_; }

 private:
  struct DeviceFormat {
    uint16_t format = 0;
    uint8_t channels = 0;
    int32_t frequency = 0;
  };

  void OpenDevice();
  void Replace(const uint8_t* samples, uint32_t length);
  // The stand-in for a cue that cannot be played: the old cue stops, the desktop beeps.
  void Alert();

  std::function<void()> beep_;
  std::thread opener_;
  std::atomic<bool> opened_ = false;  // the worker is done, whatever came of it
  bool audioStarted_ = false;
  uint32_t device_ = 0;
  DeviceFormat deviceFormat_;
};

}  // namespace zaptrail
