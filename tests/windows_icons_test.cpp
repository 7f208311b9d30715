// The Windows icon and cursor files, read back pixel for pixel against the art they come from.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "tools/artgen/art_source.hpp"
#include "tools/artgen/icons.hpp"
#include "tools/artgen/windows_icons.hpp"

namespace zaptrail::art {
namespace {

uint32_t Get16(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | (uint32_t{bytes[at + 1]} << 8);
}

uint32_t Get32(const std::vector<uint8_t>& bytes, size_t at) {
  return Get16(bytes, at) | (Get16(bytes, at + 2) << 16);
}

// The entries' images follow the directory one after the other up to the file's end.
void ExpectEntriesFillTheFile(const std::vector<uint8_t>& file) {
  const size_t count = Get16(file, 4);
  size_t end = 6 + 16 * count;
  for (size_t i = 0; i < count; ++i) {
    ASSERT_EQ(Get32(file, 6 + 16 * i + 12), end);
    end += Get32(file, 6 + 16 * i + 8);
  }
  ASSERT_EQ(end, file.size());
}

// Checks the directory entry `index` of an .ico or .cur file against the picture: size, the
// see-through mask and every opaque pixel's colour.
void ExpectEntryShows(const std::vector<uint8_t>& file, size_t index, const Picture& picture,
                      const Palette& palette) {
  const size_t entry = 6 + 16 * index;
  const int32_t size = picture.size;
  ASSERT_EQ(file[entry], size);
  const size_t image = Get32(file, entry + 12);
  const uint32_t bits = Get16(file, image + 14);
  ASSERT_EQ(Get32(file, image + 8), static_cast<uint32_t>(size * 2));
  const size_t palette_at = image + 40;
  const size_t colour_at = palette_at + 4 * (size_t{1} << bits);
  const size_t colour_row = (size * bits + 31) / 32 * 4;
  const size_t mask_at = colour_at + colour_row * size;
  const size_t mask_row = (size + 31) / 32 * 4;
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      const size_t row = static_cast<size_t>(size - 1 - y);  // bottom-up
      const bool see_through = (file[mask_at + row * mask_row + x / 8] >> (7 - x % 8)) & 1;
      const size_t bit = static_cast<size_t>(x) * bits;
      const uint32_t index_at =
          (file[colour_at + row * colour_row + bit / 8] >> (8 - bits - bit % 8)) &
          ((1u << bits) - 1);
      const size_t quad = palette_at + 4 * index_at;
      const uint32_t rgb =
          (uint32_t{file[quad + 2]} << 16) | (uint32_t{file[quad + 1]} << 8) | file[quad];
      ASSERT_EQ(see_through, picture.At(x, y) == kTransparent) << x << "," << y;
      if (see_through) {
        ASSERT_EQ(rgb, 0u) << "a see-through pixel must be black to leave the screen alone";
      } else {
        ASSERT_EQ(rgb, palette.entries[static_cast<size_t>(picture.At(x, y))].rgb) << x << "," << y;
      }
    }
  }
}

TEST(WindowsIcons, IconAndCursorShowTheArt) {
  const ArtSet art = LoadArt(ZAPTRAIL_ART_DIR);
  ASSERT_TRUE(art.icon32 && art.icon16 && art.cursor);

  const std::vector<uint8_t> ico = EncodeIco({&*art.icon32, &*art.icon16}, art.palette);
  ASSERT_EQ(Get16(ico, 2), 1u);
  ASSERT_EQ(Get16(ico, 4), 2u);
  ExpectEntriesFillTheFile(ico);
  ExpectEntryShows(ico, 0, *art.icon32, art.palette);
  ExpectEntryShows(ico, 1, *art.icon16, art.palette);

  const std::vector<uint8_t> cur = EncodeCur(*art.cursor, art.palette, 6, 1);
  ASSERT_EQ(Get16(cur, 2), 2u);
  ExpectEntriesFillTheFile(cur);
  EXPECT_EQ(Get16(cur, 6 + 4), 6u) << "hot spot x";
  EXPECT_EQ(Get16(cur, 6 + 6), 1u) << "hot spot y";
  ExpectEntryShows(cur, 0, *art.cursor, art.palette);
}

// The large images are the same chick, each of its pixels a square: 48 from the 16-pixel one,
// 256 (written as 0 in the directory) from the 32-pixel one, in 32 bits with alpha.
TEST(WindowsIcons, TrueColourImagesShowTheSameChickLarger) {
  const ArtSet art = LoadArt(ZAPTRAIL_ART_DIR);
  ASSERT_TRUE(art.icon32 && art.icon16);
  const Picture icon48 = ScaledUp(*art.icon16, 3);
  const Picture icon256 = ScaledUp(*art.icon32, 8);
  const std::vector<uint8_t> ico =
      EncodeIco({&*art.icon32, &*art.icon16}, art.palette, {&icon48, &icon256});
  ASSERT_EQ(Get16(ico, 4), 4u);
  ExpectEntriesFillTheFile(ico);
  ExpectEntryShows(ico, 1, *art.icon16, art.palette);
  for (const auto& [index, source, factor] :
       {std::tuple{2, &*art.icon16, 3}, std::tuple{3, &*art.icon32, 8}}) {
    const size_t entry = 6 + 16 * static_cast<size_t>(index);
    const int32_t size = source->size * factor;
    EXPECT_EQ(ico[entry], size % 256);
    EXPECT_EQ(Get16(ico, entry + 6), 32u);
    const size_t image = Get32(ico, entry + 12);
    ASSERT_EQ(Get16(ico, image + 14), 32u);
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size; ++x) {
        const size_t at = image + 40 + 4 * static_cast<size_t>((size - 1 - y) * size + x);
        const int16_t pixel = source->At(x / factor, y / factor);
        const uint32_t rgb = (uint32_t{ico[at + 2]} << 16) | (uint32_t{ico[at + 1]} << 8) | ico[at];
        ASSERT_EQ(ico[at + 3], pixel == kTransparent ? 0 : 255) << x << "," << y;
        ASSERT_EQ(rgb,
                  pixel == kTransparent ? 0 : art.palette.entries[static_cast<size_t>(pixel)].rgb)
            << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace zaptrail::art
