#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/engine/scratch_directory.hpp"

namespace zaptrail::testing {

// A records file path in a fresh folder of its own.
class RecordsFile : public ::testing::Test {
 protected:
  std::string Content() const { return ReadWholeFile(path); }
  ScratchDirectory directory;
  std::string path = directory.File("zaptrail.ini");
};

}  // namespace zaptrail::testing
