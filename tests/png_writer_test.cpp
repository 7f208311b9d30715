// Decodes what the PNG writer produces, chunk by chunk, to catch malformed files.
#include <gtest/gtest.h>
#include <zlib.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tools/png/png_writer.hpp"

namespace zaptrail::png {
namespace {

struct Chunk {
  std::string type;
  std::vector<uint8_t> data;
};

uint32_t ReadU32(const std::vector<uint8_t>& bytes, size_t at) {
  return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
         (uint32_t{bytes[at + 2]} << 8) | uint32_t{bytes[at + 3]};
}

// Splits a PNG into chunks, failing the test on a bad signature or CRC.
std::vector<Chunk> Chunks(const std::vector<uint8_t>& png) {
  const std::vector<uint8_t> signature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
  std::vector<Chunk> chunks;
  for (size_t at = 8; at + 12 <= png.size();) {
    const uint32_t length = ReadU32(png, at);
    const uLong crc = crc32(0L, png.data() + at + 4, length + 4);
    EXPECT_EQ(ReadU32(png, at + 8 + length), crc) << "bad CRC";
    chunks.push_back({std::string(png.begin() + at + 4, png.begin() + at + 8),
                      std::vector<uint8_t>(png.begin() + at + 8, png.begin() + at + 8 + length)});
    at += 12 + length;
  }
  return chunks;
}

std::vector<uint8_t> Inflate(const std::vector<uint8_t>& packed, size_t expected) {
  std::vector<uint8_t> raw(expected);
  uLongf size = expected;
  EXPECT_EQ(uncompress(raw.data(), &size, packed.data(), packed.size()), Z_OK);
  EXPECT_EQ(size, expected);
  return raw;
}

TEST(EncodeIndexed, WritesHeaderPaletteAndFilteredRows) {
  const std::vector<uint8_t> indices = {0, 1, 2, 2, 1, 0};  // 3 x 2
  const std::vector<uint32_t> palette = {0xFFFFFF, 0x9C72A9, 0x000000};
  const auto chunks = Chunks(EncodeIndexed(3, 2, indices, palette));
  ASSERT_EQ(chunks.size(), 4u);
  EXPECT_EQ(chunks[0].type, "IHDR");
  EXPECT_EQ(chunks[0].data, (std::vector<uint8_t>{0, 0, 0, 3, 0, 0, 0, 2, 8, 3, 0, 0, 0}));
  EXPECT_EQ(chunks[1].type, "PLTE");
  EXPECT_EQ(chunks[1].data, (std::vector<uint8_t>{255, 255, 255, 156, 114, 169, 0, 0, 0}));
  EXPECT_EQ(chunks[2].type, "IDAT");
  EXPECT_EQ(Inflate(chunks[2].data, 8), (std::vector<uint8_t>{0, 0, 1, 2, 0, 2, 1, 0}));
  EXPECT_EQ(chunks[3].type, "IEND");
  EXPECT_TRUE(chunks[3].data.empty());
}

TEST(EncodeIndexed, IsDeterministicAndRejectsBadInput) {
  const std::vector<uint8_t> indices(16 * 16, 1);
  const std::vector<uint32_t> palette = {0xFFFFFF, 0x000000};
  EXPECT_EQ(EncodeIndexed(16, 16, indices, palette), EncodeIndexed(16, 16, indices, palette));
  EXPECT_THROW(EncodeIndexed(16, 15, indices, palette), std::invalid_argument);
  EXPECT_THROW(EncodeIndexed(16, 16, indices, std::vector<uint32_t>{0xFFFFFF}),
               std::invalid_argument);
  EXPECT_THROW(EncodeIndexed(0, 0, {}, palette), std::invalid_argument);
}

TEST(EncodeDirectColour, RgbAndRgbaCarryTheirColourTypeAndBytes) {
  const std::vector<uint8_t> rgb = {1, 2, 3, 4, 5, 6};
  const auto rgb_chunks = Chunks(EncodeRgb(2, 1, rgb));
  ASSERT_EQ(rgb_chunks.size(), 3u);  // no palette
  EXPECT_EQ(rgb_chunks[0].data[9], 2);
  EXPECT_EQ(Inflate(rgb_chunks[1].data, 7), (std::vector<uint8_t>{0, 1, 2, 3, 4, 5, 6}));

  const std::vector<uint8_t> rgba = {9, 8, 7, 0, 1, 2, 3, 255};
  const auto rgba_chunks = Chunks(EncodeRgba(1, 2, rgba));
  ASSERT_EQ(rgba_chunks.size(), 3u);
  EXPECT_EQ(rgba_chunks[0].data[9], 6);
  EXPECT_EQ(Inflate(rgba_chunks[1].data, 10),
            (std::vector<uint8_t>{0, 9, 8, 7, 0, 0, 1, 2, 3, 255}));
  EXPECT_THROW(EncodeRgba(2, 2, rgba), std::invalid_argument);
}

}  // namespace
}  // namespace zaptrail::png
