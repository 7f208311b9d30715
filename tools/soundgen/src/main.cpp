#include <exception>
#include <iostream>
#include <string_view>

#include "cue_files.h"
#include "cues.h"

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
      soundgen::write_cue_files(dir, soundgen::all_cues());
      return 0;
    }
    if (mode == "--check") {
      return soundgen::check_cue_files(dir, soundgen::all_cues(), std::cerr) ? 0 : 1;
    }
  } catch (const std::exception& error) {
    std::cerr << "soundgen: " << error.what() << '\n';
    return 1;
  }
  return usage();
}
