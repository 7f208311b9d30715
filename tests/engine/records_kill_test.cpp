#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "game/file_system.hpp"
#include "game/records.hpp"
#include "tests/engine/scratch_directory.hpp"

namespace zaptrail {
namespace {

using testing::ReadWholeFile;
using testing::ScratchDirectory;

std::vector<std::string> Times(int32_t count, int32_t first) {
  std::vector<std::string> times;
  for (int32_t i = 0; i < count; ++i) times.push_back(std::to_string(first + 7 * i));
  return times;
}

// The file's replacement alone: a save merges with the file, which would only ever grow it.
bool Replace(const std::vector<std::string>& list, const std::string& path) {
  return files::ReplaceFile(path, FormatRecords(list));
}

// A child that saves the two lists in turn until it is killed, writing a byte to `finished`
// after every save.
pid_t StartSaving(const std::vector<std::string>& first, const std::vector<std::string>& second,
                  const std::string& path, int finished) {
  const pid_t child = ::fork();
  if (child != 0) return child;
  try {
    for (int64_t save = 0;; ++save) {
      if (!Replace(save % 2 == 0 ? first : second, path)) ::_exit(1);
      if (::write(finished, "s", 1) != 1) ::_exit(2);
    }
  } catch (...) {
    ::_exit(1);
  }
}

// The longest of a few saves here, the span over which a kill's moment is drawn.
int64_t MicrosecondsToSave(const std::vector<std::string>& list, const std::string& path) {
  int64_t longest = 1;
  for (int32_t i = 0; i < 3; ++i) {
    const auto start = std::chrono::steady_clock::now();
    Replace(list, path);
    const auto spent = std::chrono::steady_clock::now() - start;
    longest = std::max<int64_t>(
        longest, std::chrono::duration_cast<std::chrono::microseconds>(spent).count());
  }
  return longest;
}

TEST(RecordsUnderKill, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
  const ScratchDirectory directory;
  const std::string path = directory.File("zaptrail.ini");
  // Different lengths, so a truncated or mixed file cannot pass for either.
  const std::vector<std::string> shortList = Times(3, 57);
  const std::vector<std::string> longList = Times(4000, 1000);
  const std::string shortContent = FormatRecords(shortList);
  const std::string longContent = FormatRecords(longList);
  const int64_t saveTime = MicrosecondsToSave(longList, path);
  Replace(shortList, path);

  std::mt19937_64 random(9);
  int32_t sawShort = 0;
  int32_t sawLong = 0;
  for (int32_t kill = 0; kill < 200; ++kill) {
    int finished[2];
    ASSERT_EQ(::pipe(finished), 0);
    const pid_t child = StartSaving(longList, shortList, path, finished[1]);
    ASSERT_GT(child, 0);
    ::close(finished[1]);
    // Counting from the end of a save, the kill lands inside one whatever the disk's pace.
    for (uint64_t saves = random() % 3; saves > 0; --saves) {
      char byte = 0;
      ASSERT_EQ(::read(finished[0], &byte, 1), 1) << "the saving child died";
    }
    ::usleep(static_cast<useconds_t>(random() % static_cast<uint64_t>(saveTime)));
    ::kill(child, SIGKILL);
    ::close(finished[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped on its own";
    const std::string content = ReadWholeFile(path);
    ASSERT_TRUE(content == shortContent || content == longContent)
        << "kill " << kill << " left " << content.size() << " bytes";
    ++(content == shortContent ? sawShort : sawLong);
  }
  // Kills that cut a save short leave its temporary file; without any, the test proved nothing.
  const long leftovers = directory.Entries() - 1;
  EXPECT_GT(sawShort, 0);
  EXPECT_GT(sawLong, 0);
  EXPECT_GT(leftovers, 0) << "no kill landed inside a save";
}

}  // namespace
}  // namespace zaptrail
