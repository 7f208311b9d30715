#pragma once
// Minimal PNG encoder: 8-bit palette-indexed, RGB and RGBA images, no interlacing.
// Output is deterministic for a given input (fixed compression level, filter 0 on every row),
// so committed images can be compared byte for byte with freshly generated ones.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zaptrail::png {

// Palette entries are 0x00RRGGBB. `indices` holds width * height bytes, row-major, each a valid
// index into `palette` (1..256 entries). Throws std::invalid_argument on bad sizes or indices.
std::vector<uint8_t> EncodeIndexed(int32_t width, int32_t height, std::span<const uint8_t> indices,
                                   std::span<const uint32_t> palette);

// `rgb` holds width * height * 3 bytes (R, G, B per pixel), row-major.
std::vector<uint8_t> EncodeRgb(int32_t width, int32_t height, std::span<const uint8_t> rgb);

// `rgba` holds width * height * 4 bytes (R, G, B, A per pixel; A = 0 transparent), row-major.
std::vector<uint8_t> EncodeRgba(int32_t width, int32_t height, std::span<const uint8_t> rgba);

// Writes `bytes` to `path`, replacing the file. Returns false if the file cannot be written.
bool WriteFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace zaptrail::png
