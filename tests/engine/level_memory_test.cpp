#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game/errors.hpp"
#include "game/tick.hpp"
#include "tests/engine/test_game.hpp"

namespace zaptrail::testing {
namespace {

// A grid too large for the memory at hand raises a clear error and halts the game; a new game
// then plays normally. Run in a child whose address space is limited.
TEST(LevelBuild, AGridThatCannotBeAllocatedHaltsTheGame) {
#if defined(__SANITIZE_ADDRESS__) || defined(ZAPTRAIL_SANITIZED)
  GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#endif
  const pid_t child = ::fork();
  if (child == 0) {
    TestGame test;
    test.SetUp();
    const rlimit limit{256u << 20, 256u << 20};
    ::setrlimit(RLIMIT_AS, &limit);
    test.SetLevel(3000);  // 18021 x 18021 cells
    test.record.TitleDelay = 8;
    try {
      test.Tick({Key::Space});
      ::_exit(1);
    } catch (const GameError& error) {
      if (std::string(error.what()) != "Out of memory") ::_exit(2);
    }
    if (test.record.Phase != PhaseHalted) ::_exit(3);
    test.Tick({Key::Space});
    if (test.record.Phase != PhaseHalted) ::_exit(4);
    NewGame(test.game);
    for (int tick = 0; tick < 9; ++tick) test.Tick({Key::Space});
    ::_exit(test.record.Phase == PhasePlaying && test.record.Cells.size() == 441u ? 0 : 5);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace zaptrail::testing
