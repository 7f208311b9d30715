#pragma once

#include <thread>

namespace zaptrail {

// Reading the system's font configuration takes about as long as the rest of the main window's
// start-up, and the toolkit does it on the way to the first frame, the first time it measures a
// text. Started on another core while the application connects to the display, it is done by
// then, and the toolkit finds it loaded. Two loads at once are safe: the library keeps one.
class FontConfigPreload {
 public:
  FontConfigPreload();
  ~FontConfigPreload();
  FontConfigPreload(const FontConfigPreload&) = delete;
  FontConfigPreload& operator=(const FontConfigPreload&) = delete;

  // Waits until the configuration is loaded.
  void Wait();

 private:
  std::thread loader_;
};

}  // namespace zaptrail
