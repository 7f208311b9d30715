#include "tools/artgen/windows_icons.hpp"

#include <algorithm>

#include "tools/artgen/art_error.hpp"

namespace zaptrail::art {
namespace {

constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;
constexpr int32_t kDirectorySize = 6;
constexpr int32_t kEntrySize = 16;
constexpr int32_t kInfoHeaderSize = 40;
constexpr int32_t kTrueColourBits = 32;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFFu);
  Put16(out, value >> 16);
}

// Bytes of one bitmap row, padded to whole 32-bit words.
int32_t RowBytes(int32_t width, int32_t bits) {
  return (width * bits + 31) / 32 * 4;
}

// The palette bitmap with its mask, as one resource entry. Index 0 is black: a see-through
// pixel is black under a set mask bit, so it leaves the screen as it is.
void PutInfoHeader(std::vector<uint8_t>& out, int32_t size, int32_t bits) {
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(size));
  Put32(out, static_cast<uint32_t>(size * 2));  // the colour bitmap and the mask, stacked
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>((RowBytes(size, bits) + RowBytes(size, 1)) * size));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
}

// The see-through mask, bottom-up, one bit a pixel from the highest bit of each byte.
void PutMask(std::vector<uint8_t>& out, const Picture& picture) {
  const int32_t size = picture.size;
  for (int32_t y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(static_cast<size_t>(RowBytes(size, 1)), 0);
    for (int32_t x = 0; x < size; ++x) {
      if (picture.At(x, y) == kTransparent) row[static_cast<size_t>(x / 8)] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

// Blue, green, red and alpha for every pixel, bottom-up; see-through pixels are black and clear.
std::vector<uint8_t> EncodeTrueColourImage(const Picture& picture, const Palette& palette) {
  std::vector<uint8_t> out;
  PutInfoHeader(out, picture.size, kTrueColourBits);
  for (int32_t y = picture.size - 1; y >= 0; --y) {
    for (int32_t x = 0; x < picture.size; ++x) {
      const int16_t pixel = picture.At(x, y);
      const uint32_t rgb =
          pixel == kTransparent ? 0 : palette.entries[static_cast<size_t>(pixel)].rgb;
      out.insert(out.end(), {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8),
                             static_cast<uint8_t>(rgb >> 16),
                             static_cast<uint8_t>(pixel == kTransparent ? 0 : 255)});
    }
  }
  PutMask(out, picture);
  return out;
}

std::vector<uint8_t> EncodeImage(const Picture& picture, const Palette& palette, int32_t bits) {
  if (bits == kTrueColourBits) return EncodeTrueColourImage(picture, palette);
  std::vector<uint32_t> colours = {0};
  std::vector<uint8_t> indices;
  for (const int16_t pixel : picture.pixels) {
    if (pixel == kTransparent) {
      indices.push_back(0);
      continue;
    }
    const uint32_t rgb = palette.entries[static_cast<size_t>(pixel)].rgb;
    auto found = std::find(colours.begin(), colours.end(), rgb);
    if (found == colours.end()) found = colours.insert(colours.end(), rgb);
    indices.push_back(static_cast<uint8_t>(found - colours.begin()));
  }
  const int32_t capacity = 1 << bits;
  if (static_cast<int32_t>(colours.size()) > capacity) {
    throw ArtError("a picture for Windows needs more than " + std::to_string(capacity) +
                   " colours (black included)");
  }
  const int32_t size = picture.size;
  const int32_t colourRow = RowBytes(size, bits);
  std::vector<uint8_t> out;
  PutInfoHeader(out, size, bits);
  for (int32_t i = 0; i < capacity; ++i) {
    const uint32_t rgb = i < static_cast<int32_t>(colours.size()) ? colours[i] : 0;
    out.insert(out.end(), {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8),
                           static_cast<uint8_t>(rgb >> 16), 0});
  }
  // Both bitmaps run bottom-up, the leftmost pixel in the highest bits of its byte.
  for (int32_t y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(static_cast<size_t>(colourRow), 0);
    for (int32_t x = 0; x < size; ++x) {
      const int32_t bit = x * bits;
      row[static_cast<size_t>(bit / 8)] |=
          static_cast<uint8_t>(indices[static_cast<size_t>(y * size + x)] << (8 - bits - bit % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  PutMask(out, picture);
  return out;
}

struct Entry {
  const Picture* picture;
  int32_t bits;
  uint16_t planesOrHotX;
  uint16_t bitsOrHotY;
};

std::vector<uint8_t> EncodeFile(uint16_t type, const std::vector<Entry>& entries,
                                const Palette& palette) {
  std::vector<std::vector<uint8_t>> images;
  for (const Entry& entry : entries)
    images.push_back(EncodeImage(*entry.picture, palette, entry.bits));
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, type);
  Put16(out, static_cast<uint32_t>(entries.size()));
  uint32_t offset = kDirectorySize + kEntrySize * static_cast<uint32_t>(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const int32_t size = entries[i].picture->size;
    // A 256-pixel side is written as 0, and so is the colour count of a true-colour image.
    out.push_back(static_cast<uint8_t>(size));
    out.push_back(static_cast<uint8_t>(size));
    out.push_back(static_cast<uint8_t>(entries[i].bits < 8 ? 1 << entries[i].bits : 0));
    out.push_back(0);
    Put16(out, entries[i].planesOrHotX);
    Put16(out, entries[i].bitsOrHotY);
    Put32(out, static_cast<uint32_t>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeIco(const std::vector<const Picture*>& pictures, const Palette& palette,
                               const std::vector<const Picture*>& trueColour) {
  constexpr int32_t kIconBits = 4;
  std::vector<Entry> entries;
  for (const Picture* picture : pictures) entries.push_back({picture, kIconBits, 1, kIconBits});
  for (const Picture* picture : trueColour) {
    entries.push_back({picture, kTrueColourBits, 1, kTrueColourBits});
  }
  return EncodeFile(kIconType, entries, palette);
}

std::vector<uint8_t> EncodeCur(const Picture& picture, const Palette& palette, int32_t hot_x,
                               int32_t hot_y) {
  return EncodeFile(kCursorType,
                    {{&picture, 1, static_cast<uint16_t>(hot_x), static_cast<uint16_t>(hot_y)}},
                    palette);
}

}  // namespace zaptrail::art
