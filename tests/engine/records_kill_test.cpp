#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "files/file_system.hpp"
#include "game/records.hpp"
#include "tests/engine/scratch_directory.hpp"

namespace zaptrail {
namespace {

// The moments inside a save at which a child is killed. The test stands in for the system calls
// a save makes (below), so every moment is hit on every run, whatever the disk's pace.
enum class KillAt : uint8_t { Never, HalfwayThroughAWrite, BeforeTheRename, AfterTheRename };
KillAt killAt = KillAt::Never;  // set only in a forked child

}  // namespace
}  // namespace zaptrail

// The save's own calls resolve to these; they do what the system does until the chosen moment.
extern "C" ssize_t write(int fd, const void* data, size_t size) {
  if (zaptrail::killAt == zaptrail::KillAt::HalfwayThroughAWrite && size > 1) {
    ::syscall(SYS_write, fd, data, size / 2);
    ::raise(SIGKILL);
  }
  return ::syscall(SYS_write, fd, data, size);
}

extern "C" int rename(const char* from, const char* to) noexcept {
  if (zaptrail::killAt == zaptrail::KillAt::BeforeTheRename) ::raise(SIGKILL);
  const auto result = static_cast<int>(::syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
  if (zaptrail::killAt == zaptrail::KillAt::AfterTheRename) ::raise(SIGKILL);
  return result;
}

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

// Saves the list in a child that is killed at the given moment; false when it was not.
bool SaveKilledAt(KillAt moment, const std::vector<std::string>& list, const std::string& path) {
  const pid_t child = ::fork();
  if (child == 0) {
    killAt = moment;
    ::_exit(Replace(list, path) ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFSIGNALED(status) &&
         WTERMSIG(status) == SIGKILL;
}

TEST(RecordsUnderKill, ASaveKilledAtEachOfItsStepsLeavesTheOldOrTheNewFileWhole) {
  // Different lengths, so a truncated or mixed file cannot pass for either.
  const std::vector<std::string> shortList = Times(3, 57);
  const std::vector<std::string> longList = Times(4000, 1000);
  struct Case {
    KillAt moment;
    bool newFileWhole;
  };
  for (const Case step :
       {Case{KillAt::HalfwayThroughAWrite, false}, Case{KillAt::BeforeTheRename, false},
        Case{KillAt::AfterTheRename, true}}) {
    for (const bool growing : {true, false}) {
      const ScratchDirectory directory;
      const std::string path = directory.File("zaptrail.ini");
      const std::vector<std::string>& before = growing ? shortList : longList;
      const std::vector<std::string>& after = growing ? longList : shortList;
      ASSERT_TRUE(Replace(before, path));
      ASSERT_TRUE(SaveKilledAt(step.moment, after, path))
          << "the save never reached moment " << static_cast<int>(step.moment);
      EXPECT_EQ(ReadWholeFile(path), FormatRecords(step.newFileWhole ? after : before))
          << "killed at moment " << static_cast<int>(step.moment) << ", growing " << growing;
    }
  }
}

}  // namespace
}  // namespace zaptrail
