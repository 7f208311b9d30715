#include "win32/dib_picture.hpp"

#include <cstring>

namespace zaptrail {

DibPicture::~DibPicture() {
  Release();
}

void DibPicture::Release() {
  if (memory_ != nullptr) {
    SelectObject(memory_, previous_);
    DeleteDC(memory_);
  }
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  memory_ = nullptr;
  bits_ = nullptr;
  width_ = 0;
  height_ = 0;
}

bool DibPicture::Refresh() {
  const int32_t width = surface_.Width();
  const int32_t height = surface_.Height();
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * sizeof(uint32_t);
  if (bytes == 0) return false;
  if (width != width_ || height != height_) {
    Release();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first, as the engine keeps it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr) return false;
    memory_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(memory_, bitmap_);
    bits_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
  } else if (std::memcmp(bits_, surface_.Pixels(), bytes) == 0) {
    return false;
  }
  GdiFlush();
  std::memcpy(bits_, surface_.Pixels(), bytes);
  return true;
}

void DibPicture::Paint(HDC dc) {
  if (memory_ != nullptr) BitBlt(dc, 0, 0, width_, height_, memory_, 0, 0, SRCCOPY);
}

}  // namespace zaptrail
