#include "tools/artgen/art_source.hpp"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace zaptrail::art {
namespace {

[[noreturn]] void Fail(const std::string& file, int32_t line, const std::string& message) {
  throw ArtError(file + ":" + std::to_string(line) + ": " + message);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  for (const char c : text) {
    if (c == '\n') {
      lines.push_back(current);
      current.clear();
    } else if (c != '\r') {
      current.push_back(c);
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

std::vector<std::string> SplitWords(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

bool IsSkippable(const std::string& line) {
  const auto first = line.find_first_not_of(" \t");
  return first == std::string::npos || line[first] == kCommentChar;
}

// Parses "12" or "0x0C"; returns -1 if `word` is not such a number.
int32_t ParseCode(const std::string& word) {
  int32_t base = 10;
  size_t start = 0;
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    base = 16;
    start = 2;
  }
  if (start == word.size() || word.size() - start > 4) return -1;
  int32_t value = 0;
  for (size_t i = start; i < word.size(); ++i) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(word[i])));
    int32_t digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (digit < 0) return -1;
    value = value * base + digit;
  }
  return value;
}

uint32_t ParseColour(const std::string& word, const std::string& file, int32_t line) {
  if (word.size() != 7 || word[0] != '#') Fail(file, line, "colour must look like #RRGGBB");
  uint32_t value = 0;
  for (size_t i = 1; i < word.size(); ++i) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(word[i])));
    uint32_t digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<uint32_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<uint32_t>(c - 'a' + 10);
    } else {
      Fail(file, line, "colour must look like #RRGGBB");
    }
    value = value * 16 + digit;
  }
  return value;
}

enum class Kind { kTile, kGlyph, kIcon32, kIcon16, kCursor };

struct BlockHeader {
  Kind kind;
  int32_t code = 0;  // tile or glyph code; unused for icons
};

struct KindInfo {
  const char* keyword;
  Kind kind;
  int32_t size;
  bool has_code;
  int32_t max_code;
};

constexpr KindInfo kKinds[] = {
    {"tile", Kind::kTile, 16, true, 127},    {"glyph", Kind::kGlyph, 8, true, 255},
    {"icon32", Kind::kIcon32, 32, false, 0}, {"icon16", Kind::kIcon16, 16, false, 0},
    {"cursor", Kind::kCursor, 32, false, 0},
};

const KindInfo& ParseHeader(const std::vector<std::string>& words, const std::string& file,
                            int32_t line, BlockHeader& header) {
  for (const KindInfo& info : kKinds) {
    if (words[0] != info.keyword) continue;
    header.kind = info.kind;
    if (info.has_code) {
      header.code = words.size() > 1 ? ParseCode(words[1]) : -1;
      if (header.code < 0 || header.code > info.max_code) {
        Fail(file, line,
             std::string(info.keyword) + " needs a code 0.." + std::to_string(info.max_code));
      }
    }
    return info;
  }
  Fail(file, line,
       "expected a block header (tile N, glyph N, icon32, icon16 or cursor), got '" + words[0] +
           "'");
}

int16_t PixelFor(char key, Kind kind, const Palette& palette, const std::string& file,
                 int32_t line) {
  if (kind == Kind::kGlyph) {
    if (key == kGlyphInk) return static_cast<int16_t>(palette.WhiteIndex());
    if (key == kGlyphPaper) return static_cast<int16_t>(palette.BlackIndex());
    Fail(file, line, std::string("glyphs use only '#' and '.', got '") + key + "'");
  }
  const bool may_be_clear = kind == Kind::kIcon32 || kind == Kind::kIcon16 || kind == Kind::kCursor;
  if (key == kTransparentKey && may_be_clear) return kTransparent;
  const int32_t index = palette.IndexOf(key);
  if (index < 0) Fail(file, line, std::string("unknown colour key '") + key + "'");
  return static_cast<int16_t>(index);
}

void Store(ArtSet& art, const BlockHeader& header, Picture picture, const std::string& file,
           int32_t line) {
  auto store_once = [&](std::map<int32_t, Picture>& into, const char* what) {
    if (!into.emplace(header.code, std::move(picture)).second) {
      Fail(file, line, std::string(what) + " " + std::to_string(header.code) + " drawn twice");
    }
  };
  auto store_single = [&](std::optional<Picture>& into, const char* what) {
    if (into) Fail(file, line, std::string(what) + " drawn twice");
    into = std::move(picture);
  };
  switch (header.kind) {
    case Kind::kTile:
      store_once(art.tiles, "tile");
      break;
    case Kind::kGlyph:
      store_once(art.glyphs, "glyph");
      break;
    case Kind::kIcon32:
      store_single(art.icon32, "icon32");
      break;
    case Kind::kIcon16:
      store_single(art.icon16, "icon16");
      break;
    case Kind::kCursor:
      store_single(art.cursor, "cursor");
      break;
  }
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ArtError(path.string() + ": cannot be read");
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

int32_t Palette::IndexOf(char key) const {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].key == key) return static_cast<int32_t>(i);
  }
  return -1;
}

Palette ParsePalette(std::string_view text, const std::string& file) {
  Palette palette;
  const auto lines = SplitLines(text);
  int32_t last_line = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int32_t line = static_cast<int32_t>(i) + 1;
    if (IsSkippable(lines[i])) continue;
    const auto words = SplitWords(lines[i]);
    if (words.size() != 3) Fail(file, line, "expected: KEY NAME #RRGGBB");
    if (words[0].size() != 1) Fail(file, line, "a colour key is a single character");
    const char key = words[0][0];
    if (key == kTransparentKey || key == kCommentChar) {
      Fail(file, line, std::string("'") + key + "' is reserved and cannot name a colour");
    }
    if (palette.IndexOf(key) >= 0) Fail(file, line, std::string("key '") + key + "' used twice");
    const uint32_t rgb = ParseColour(words[2], file, line);
    for (const PaletteEntry& entry : palette.entries) {
      if (entry.rgb == rgb) Fail(file, line, "same colour as '" + entry.name + "'");
    }
    palette.entries.push_back({key, words[1], rgb});
    if (static_cast<int32_t>(palette.entries.size()) > kMaxPaletteSize) {
      Fail(file, line, "more than " + std::to_string(kMaxPaletteSize) + " colours");
    }
    last_line = line;
  }
  if (palette.entries.size() < 2) Fail(file, last_line, "needs at least white and black");
  if (palette.entries.front().rgb != 0xFFFFFF) Fail(file, 1, "the first colour must be #FFFFFF");
  if (palette.entries.back().rgb != 0x000000) {
    Fail(file, last_line, "the last colour must be #000000");
  }
  return palette;
}

void ParsePictures(std::string_view text, const std::string& file, ArtSet& art) {
  const auto lines = SplitLines(text);
  size_t i = 0;
  while (i < lines.size()) {
    const int32_t header_line = static_cast<int32_t>(i) + 1;
    if (IsSkippable(lines[i])) {
      ++i;
      continue;
    }
    BlockHeader header{};
    const KindInfo& info = ParseHeader(SplitWords(lines[i]), file, header_line, header);
    ++i;
    Picture picture{info.size, {}};
    picture.pixels.reserve(static_cast<size_t>(info.size * info.size));
    for (int32_t row = 0; row < info.size; ++row, ++i) {
      const int32_t line = static_cast<int32_t>(i) + 1;
      if (i >= lines.size()) {
        Fail(file, line,
             std::string(info.keyword) + " ends after " + std::to_string(row) + " of " +
                 std::to_string(info.size) + " rows");
      }
      const std::string& pixels = lines[i];
      if (static_cast<int32_t>(pixels.size()) != info.size) {
        Fail(file, line,
             "row has " + std::to_string(pixels.size()) + " pixels, expected " +
                 std::to_string(info.size));
      }
      for (const char key : pixels) {
        picture.pixels.push_back(PixelFor(key, info.kind, art.palette, file, line));
      }
    }
    Store(art, header, std::move(picture), file, header_line);
  }
}

ArtSet LoadArt(const std::filesystem::path& dir) {
  ArtSet art;
  const auto palette_path = dir / "palette.txt";
  art.palette = ParsePalette(ReadWholeFile(palette_path), palette_path.string());
  for (const char* sub : {"tiles", "font", "icons"}) {
    const auto sub_dir = dir / sub;
    if (!std::filesystem::is_directory(sub_dir)) {
      throw ArtError(sub_dir.string() + ": folder is missing");
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sub_dir)) {
      if (entry.is_regular_file() && entry.path().extension() == ".txt") {
        files.push_back(entry.path());
      }
    }
    std::sort(files.begin(), files.end());  // stable error order whatever the file system does
    for (const auto& path : files) ParsePictures(ReadWholeFile(path), path.string(), art);
  }
  return art;
}

}  // namespace zaptrail::art
