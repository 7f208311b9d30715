#pragma once

#include <windows.h>

#include <cstdint>

#include "view/surface.hpp"

namespace zaptrail {

// Shows one of the engine's pictures in a window: a DIB section with the same pixels, copied to
// the client area in WM_PAINT. Both lay a pixel out as 0xFFRRGGBB, so a picture is one copy.
class DibPicture {
 public:
  explicit DibPicture(const PixelSurface& surface) : surface_(surface) {}
  ~DibPicture();
  DibPicture(const DibPicture&) = delete;
  DibPicture& operator=(const DibPicture&) = delete;

  // Takes the picture's current pixels (and size); false when nothing changed since the last.
  bool Refresh();
  // Copies the picture to (0, 0) of the device context.
  void Paint(HDC dc);

 private:
  void Release();

  const PixelSurface& surface_;
  HBITMAP bitmap_ = nullptr;
  HDC memory_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  uint32_t* bits_ = nullptr;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace zaptrail
