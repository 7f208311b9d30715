#include "tests/engine/scratch_directory.hpp"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace zaptrail::testing {

// create_directory reports a name already taken, so two tests never share a folder.
ScratchDirectory::ScratchDirectory() {
  std::random_device seed;
  std::mt19937 names(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = std::filesystem::temp_directory_path() / ("zaptrail-test-" + std::to_string(names()));
    if (std::filesystem::create_directory(path_)) return;
  }
  throw std::runtime_error("no scratch folder");
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  // A test may have taken the write permission away.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

long ScratchDirectory::Entries() const {
  return std::distance(std::filesystem::directory_iterator(path_),
                       std::filesystem::directory_iterator());
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace zaptrail::testing
