#include "tools/png/png_writer.hpp"

#include <zlib.h>

#include <array>
#include <fstream>
#include <stdexcept>

namespace zaptrail::png {
namespace {

constexpr uint8_t kColourTypeRgb = 2;
constexpr uint8_t kColourTypeIndexed = 3;
constexpr uint8_t kColourTypeRgba = 6;

void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value >> 24));
  out.push_back(static_cast<uint8_t>(value >> 16));
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value));
}

void AppendChunk(std::vector<uint8_t>& out, const char (&type)[5], std::span<const uint8_t> data) {
  AppendU32(out, static_cast<uint32_t>(data.size()));
  const size_t type_start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  // The CRC covers the chunk type and its data, not the length.
  const uLong crc = crc32(0L, out.data() + type_start, static_cast<uInt>(out.size() - type_start));
  AppendU32(out, static_cast<uint32_t>(crc));
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(size);
  if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    throw std::runtime_error("png: zlib compression failed");
  }
  packed.resize(size);
  return packed;
}

void CheckSize(int32_t width, int32_t height, size_t bytes, int32_t bytes_per_pixel) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("png: width and height must be > 0");
  const size_t expected = static_cast<size_t>(width) * static_cast<size_t>(height) *
                          static_cast<size_t>(bytes_per_pixel);
  if (bytes != expected) throw std::invalid_argument("png: pixel buffer has the wrong size");
}

// Assembles signature, IHDR, the optional PLTE, IDAT and IEND around raw pixel rows.
std::vector<uint8_t> Encode(int32_t width, int32_t height, uint8_t colour_type,
                            int32_t bytes_per_pixel, std::span<const uint8_t> pixels,
                            std::span<const uint8_t> plte) {
  static constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P',  'N',  'G',
                                                        0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> out(kSignature.begin(), kSignature.end());

  std::vector<uint8_t> ihdr;
  AppendU32(ihdr, static_cast<uint32_t>(width));
  AppendU32(ihdr, static_cast<uint32_t>(height));
  ihdr.insert(ihdr.end(), {8, colour_type, 0, 0, 0});  // depth, type, deflate, filter, no interlace
  AppendChunk(out, "IHDR", ihdr);
  if (!plte.empty()) AppendChunk(out, "PLTE", plte);

  const size_t row_bytes = static_cast<size_t>(width) * static_cast<size_t>(bytes_per_pixel);
  std::vector<uint8_t> raw;
  raw.reserve((row_bytes + 1) * static_cast<size_t>(height));
  for (int32_t y = 0; y < height; ++y) {
    raw.push_back(0);  // filter type "none"
    const auto row = pixels.subspan(static_cast<size_t>(y) * row_bytes, row_bytes);
    raw.insert(raw.end(), row.begin(), row.end());
  }
  AppendChunk(out, "IDAT", Compress(raw));
  AppendChunk(out, "IEND", {});
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeIndexed(int32_t width, int32_t height, std::span<const uint8_t> indices,
                                   std::span<const uint32_t> palette) {
  CheckSize(width, height, indices.size(), 1);
  if (palette.empty() || palette.size() > 256) {
    throw std::invalid_argument("png: palette needs 1..256 entries");
  }
  for (const uint8_t index : indices) {
    if (index >= palette.size()) throw std::invalid_argument("png: pixel index outside palette");
  }
  std::vector<uint8_t> plte;
  for (const uint32_t colour : palette) {
    plte.insert(plte.end(), {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                             static_cast<uint8_t>(colour)});
  }
  return Encode(width, height, kColourTypeIndexed, 1, indices, plte);
}

std::vector<uint8_t> EncodeRgb(int32_t width, int32_t height, std::span<const uint8_t> rgb) {
  CheckSize(width, height, rgb.size(), 3);
  return Encode(width, height, kColourTypeRgb, 3, rgb, {});
}

std::vector<uint8_t> EncodeRgba(int32_t width, int32_t height, std::span<const uint8_t> rgba) {
  CheckSize(width, height, rgba.size(), 4);
  return Encode(width, height, kColourTypeRgba, 4, rgba, {});
}

bool WriteFile(const std::string& path, std::span<const uint8_t> bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  // A full disk shows only when the buffer is flushed.
  file.close();
  return !file.fail();
}

}  // namespace zaptrail::png
