// artgen: turns the text art under assets/art into the files the game uses.
// Exit codes: 0 success, 1 --check found a stale image, 2 bad art or bad usage.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/artgen/art_source.hpp"
#include "tools/artgen/cpp_source.hpp"
#include "tools/artgen/icons.hpp"
#include "tools/artgen/preview.hpp"
#include "tools/artgen/sheet.hpp"
#include "tools/artgen/web_icons.hpp"
#include "tools/artgen/windows_icons.hpp"
#include "tools/png/png_writer.hpp"

namespace {

using zaptrail::art::ArtError;

constexpr int kExitStale = 1;
constexpr int kExitBadInput = 2;

constexpr const char* kUsage =
    "usage: artgen --art DIR ACTION FILE\n"
    "  --png FILE      write the 256x256 indexed sprite sheet\n"
    "  --cpp FILE      write the sheet as C++ data (see view/sprite_sheet_data.hpp)\n"
    "  --pictures-cpp FILE  write the icon and the cursor as C++ data\n"
    "                       (see qt/program_pictures_data.hpp)\n"
    "  --check FILE    exit 1 unless FILE is byte-identical to what --png writes\n"
    "  --preview FILE  write an enlarged contact sheet for review\n"
    "  --icons DIR     write icon-32.png, icon-16.png and hand-cursor.png into DIR\n"
    "  --windows-icons DIR  write zaptrail.ico and hand1.cur for the Windows resources into DIR\n"
    "  --web-icons DIR  write icon-192.png and icon-512.png for the page's manifest into DIR\n";

struct Options {
  std::string art_dir;
  std::string action;
  std::string target;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  for (size_t i = 0; i + 1 < args.size(); i += 2) {
    if (args[i] == "--art") {
      options.art_dir = args[i + 1];
    } else if (options.action.empty() &&
               (args[i] == "--png" || args[i] == "--cpp" || args[i] == "--check" ||
                args[i] == "--preview" || args[i] == "--icons" || args[i] == "--windows-icons" ||
                args[i] == "--pictures-cpp" || args[i] == "--web-icons")) {
      options.action = args[i];
      options.target = args[i + 1];
    } else {
      return false;
    }
  }
  return args.size() % 2 == 0 && !options.art_dir.empty() && !options.action.empty();
}

void WriteOrThrow(const std::string& path, const std::vector<uint8_t>& bytes) {
  if (!zaptrail::png::WriteFile(path, bytes)) throw ArtError(path + ": cannot be written");
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> SheetPng(const zaptrail::art::Sheet& sheet) {
  return zaptrail::png::EncodeIndexed(zaptrail::art::kSheetPixels, zaptrail::art::kSheetPixels,
                                      sheet.indices, sheet.palette);
}

void WriteIcons(const zaptrail::art::ArtSet& art, const std::string& art_dir,
                const std::filesystem::path& out_dir) {
  using zaptrail::art::EncodeIcon;
  const struct {
    const std::optional<zaptrail::art::Picture>& picture;
    const char* name;
    int32_t max_colours;
  } kOutputs[] = {
      {art.icon32, "icon-32", zaptrail::art::kMaxIconColours},
      {art.icon16, "icon-16", zaptrail::art::kMaxIconColours},
      {art.cursor, "hand-cursor", zaptrail::art::kMaxCursorColours},
  };
  for (const auto& output : kOutputs) {
    if (!output.picture) throw ArtError(art_dir + "/icons: " + output.name + " is not drawn");
    WriteOrThrow((out_dir / (std::string(output.name) + ".png")).string(),
                 EncodeIcon(*output.picture, art.palette, output.max_colours, output.name));
  }
}

// The hand cursor's fingertip, where it points.
constexpr int32_t kHandHotSpotX = 6;
constexpr int32_t kHandHotSpotY = 1;

void WriteWindowsIcons(const zaptrail::art::ArtSet& art, const std::string& art_dir,
                       const std::filesystem::path& out_dir) {
  zaptrail::art::RequireIconsDrawn(art, art_dir);
  WriteOrThrow((out_dir / "zaptrail.ico").string(),
               zaptrail::art::EncodeIco({&*art.icon32, &*art.icon16}, art.palette));
  WriteOrThrow((out_dir / "hand1.cur").string(),
               zaptrail::art::EncodeCur(*art.cursor, art.palette, kHandHotSpotX, kHandHotSpotY));
}

int Run(const Options& options) {
  const auto art = zaptrail::art::LoadArt(options.art_dir);
  if (options.action == "--icons") {
    WriteIcons(art, options.art_dir, options.target);
    return 0;
  }
  if (options.action == "--windows-icons") {
    WriteWindowsIcons(art, options.art_dir, options.target);
    return 0;
  }
  if (options.action == "--web-icons") {
    zaptrail::art::WriteWebIcons(art, options.art_dir, options.target);
    return 0;
  }
  if (options.action == "--pictures-cpp") {
    const std::string source = zaptrail::art::ProgramPicturesToCpp(art, options.art_dir);
    WriteOrThrow(options.target, std::vector<uint8_t>(source.begin(), source.end()));
    return 0;
  }
  const auto sheet = zaptrail::art::ComposeSheet(art, options.art_dir);
  if (options.action == "--png") {
    WriteOrThrow(options.target, SheetPng(sheet));
  } else if (options.action == "--cpp") {
    const std::string source = zaptrail::art::SheetToCpp(sheet);
    WriteOrThrow(options.target, std::vector<uint8_t>(source.begin(), source.end()));
  } else if (options.action == "--preview") {
    WriteOrThrow(options.target, zaptrail::art::RenderPreview(sheet));
  } else if (options.action == "--check") {
    if (ReadBytes(options.target) != SheetPng(sheet)) {
      std::cerr << "artgen: " << options.target << " does not match the art in " << options.art_dir
                << "; regenerate it with: artgen --art " << options.art_dir << " --png "
                << options.target << "\n";
      return kExitStale;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::cerr << kUsage;
    return kExitBadInput;
  }
  try {
    return Run(options);
  } catch (const ArtError& error) {
    std::cerr << "artgen: " << error.what() << "\n";
    return kExitBadInput;
  }
}
