#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game/records.hpp"
#include "session/records_file.hpp"
#include "tests/engine/scratch_directory.hpp"

namespace zaptrail::testing {
namespace {

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

// Paths are UTF-8 text, so a folder named in Japanese is found, written and replaced under its
// own name, whatever code page the system runs with.
TEST(RecordsFolderName, AJapaneseFolderHoldsTheRecordsUnderItsOwnName) {
  ScratchDirectory directory;
  const std::filesystem::path folder = directory.Path() / u8"ｾﾞｯﾄ記録";
  std::filesystem::create_directory(folder);
  const std::string path = Utf8(folder / "zaptrail.ini");
  EXPECT_FALSE(RecordsFileExists(path));
  SaveRecords({"57", "120"}, path);
  SaveRecords({"56", "120"}, path);
  EXPECT_TRUE(RecordsFileExists(path));
  EXPECT_EQ(LoadRecords(path).Lines(), (std::vector<std::string>{"56", "120"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.Path()),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            1);
  std::ifstream file(folder / "zaptrail.ini", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "56\r\n120\r\n");
}

}  // namespace
}  // namespace zaptrail::testing
