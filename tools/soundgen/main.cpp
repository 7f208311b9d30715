#include <exception>
#include <iostream>
#include <string_view>

#include "tools/soundgen/cue_files.hpp"
#include "tools/soundgen/cues.hpp"

namespace {

int usage() {
  std::cerr << "usage: soundgen --out DIR     write the game's cue WAV files into DIR\n"
               "       soundgen --check DIR   verify the cue files in DIR are up to date\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return usage();
  const std::string_view mode = argv[1];
  const std::filesystem::path dir = argv[2];
  try {
    if (mode == "--out") {
      zaptrail::soundgen::WriteCueFiles(dir, zaptrail::soundgen::AllCues());
      return 0;
    }
    if (mode == "--check") {
      return zaptrail::soundgen::CheckCueFiles(dir, zaptrail::soundgen::AllCues(), std::cerr) ? 0
                                                                                              : 1;
    }
  } catch (const std::exception& error) {
    std::cerr << "soundgen: " << error.what() << '\n';
    return 1;
  }
  return usage();
}
