// Games recorded by the session as a player plays them, then proved, kept and watched: the
// trail must bring back exactly the game that was played.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>

#include "tests/engine/child_process.hpp"
#endif

#include <filesystem>
#include <fstream>
#include <map>
#include <queue>

#include "game/tick.hpp"
#include "session/daily.hpp"
#include "session/kept_trails.hpp"
#include "session/session.hpp"
#include "session/trail_file.hpp"
#include "session/trail_verify.hpp"
#include "tests/engine/fake_shell.hpp"
#include "tests/engine/scratch_directory.hpp"
#include "tests/engine/test_game.hpp"
#include "tools/sim/scripted_platform.hpp"

namespace zaptrail::testing {
namespace {

namespace fs = std::filesystem;

// The key that takes the chick one cell along a shortest way to the goal.
std::optional<Key> StepTowardsGoal(const GameRecord& record) {
  const int32_t width = record.MazeWidth;
  const int32_t start = record.CellIndex(record.PlayerX, record.PlayerY);
  const int32_t goal = record.CellIndex(record.GoalX, record.GoalY);
  if (start == goal) return std::nullopt;  // the goal is noticed at the next tick
  std::map<int32_t, Key> firstStep;
  std::queue<int32_t> queue;
  queue.push(start);
  const std::pair<int32_t, Key> steps[] = {
      {-width, Key::Up}, {1, Key::Right}, {width, Key::Down}, {-1, Key::Left}};
  while (!queue.empty()) {
    const int32_t at = queue.front();
    queue.pop();
    if (at == goal) return firstStep.at(at);
    for (const auto& [offset, key] : steps) {
      const int32_t next = at + offset;
      if (IsSolid(record.Cells[static_cast<size_t>(next)]) || firstStep.count(next) != 0 ||
          next == start) {
        continue;
      }
      firstStep[next] = at == start ? key : firstStep.at(at);
      queue.push(next);
    }
  }
  return std::nullopt;
}

// One run of the game on the scripted platform, its files in a scratch folder.
struct PlayerRun {
  explicit PlayerRun(const std::string& folder, SessionOptions options = {}) {
    platform.onClose = [this] { session.CloseFromTick(); };
    if (!options.seed) options.seed = 2024;
    options.appDir = folder + "/app";
    options.userFolder = folder + "/user";
    fs::create_directories(options.appDir);
    session.Start(options);
  }
  Game& game() { return session.GameState(); }
  void Tick(const std::vector<Key>& keys = {}) {
    platform.HoldOnly(keys);
    session.Tick();
    ++ticks;
    if (afterTick) afterTick();
  }
  // Fire through the title, then along the shortest way until the level is cleared.
  void ClearLevel() {
    const int32_t level = game().record.Level;
    while (game().record.Level == level) {
      const std::optional<Key> step = game().record.Phase == PhasePlaying
                                          ? StepTowardsGoal(game().record)
                                          : std::optional<Key>(Key::Space);
      Tick(step ? std::vector<Key>{*step} : std::vector<Key>{});
      ASSERT_LT(ticks, 20'000);
    }
  }
  void Die() {
    while (game().record.Phase != PhaseDead) {
      Tick(game().record.Phase == PhaseTitle ? std::vector<Key>{Key::Space} : std::vector<Key>{});
    }
  }

  ScriptedPlatform platform;
  PixelSurface sheet = TestSheet();
  FakeShell shell;
  std::string errors;
  Session session{platform, sheet, shell,
                  [this](const std::string& line) { errors += line + "\n"; }};
  int64_t ticks = 0;
  std::function<void()> afterTick;

 private:
  static PixelSurface TestSheet() { return TestGame().sheet; }
};

class TrailSession : public ::testing::Test {
 protected:
  std::string Trails() const { return scratch.File("user/trails/"); }
  std::string Records() const { return scratch.File("app/zaptrail.ini"); }
  Trail Kept(const std::string& name) const { return LoadTrailFile(Trails() + name); }

  std::vector<fs::path> TrailFiles() const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(Trails())) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
  }

  ScratchDirectory scratch;
};

using Picture = std::vector<uint32_t>;
Picture PictureOf(const PixelSurface& surface) {
  return {surface.Pixels(), surface.Pixels() + surface.Width() * surface.Height()};
}

TEST_F(TrailSession, AGameWithDialogsDrawsAndAnotherPeriodIsKeptAndProvedAsPlayed) {
  std::map<int64_t, Picture> seen;  // the play field at chosen ticks
  {
    PlayerRun run(scratch.Path().string());
    run.afterTick = [&] {
      if (run.ticks % 97 == 5) seen[run.ticks] = PictureOf(run.game().playField);
    };
    for (int i = 0; i < 3; ++i) run.Tick({Key::Space});
    // The about box open for a while, its label game drawing; then the settings change the period.
    run.session.DialogOpens();
    run.Tick({Key::Space});
    run.game().random.Draw();
    run.game().random.Draw();
    run.Tick();
    run.session.AboutBoxEnds();
    run.session.DialogOpens();
    run.session.SettingsEnd(DialogResult::Ok, "40");
    run.ClearLevel();
    run.Die();
    run.Tick({Key::Escape});
    EXPECT_EQ(run.errors, "");
    ASSERT_EQ(run.game().record.BestTimes.size(), 1U);
    const std::string shownTime(run.game().record.BestTimes[0]);

    const Trail last = Kept("last.zaptrail");
    EXPECT_EQ(last.startRandom, 2024U);
    ASSERT_EQ(last.claimed.cleared.size(), 1U);
    EXPECT_EQ(std::to_string(last.claimed.cleared[0].time), shownTime);
    EXPECT_EQ(last.claimed.ending, TrailEnding::Died);
    EXPECT_EQ(last.claimed.endLevel, 1);
    EXPECT_TRUE(PlayedAtOtherPeriod(last));
    EXPECT_TRUE(TookLabelDraws(last));
    const Verification proof = VerifyTrail(last);
    EXPECT_TRUE(proof.matches) << proof.difference;

    // The level's best, cut right after its clearing.
    const Trail best = Kept("level-0.zaptrail");
    EXPECT_EQ(best.claimed.cleared, last.claimed.cleared);
    EXPECT_EQ(best.claimed.ending, TrailEnding::Stopped);
    EXPECT_LT(TrailTicks(best), TrailTicks(last));
    EXPECT_TRUE(VerifyTrail(best).matches) << VerifyTrail(best).difference;
  }
  ASSERT_GT(seen.size(), 5U);
  const std::string records = ReadWholeFile(Records());
  const std::string lastText = ReadWholeFile(Trails() + "last.zaptrail");
  const std::vector<fs::path> files = TrailFiles();
  EXPECT_FALSE(records.empty());

  // Watching draws what the player saw, never writes a file, and ends on Escape.
  SessionOptions options;
  options.watchFile = Trails() + "last.zaptrail";
  const int64_t watchedTicks = TrailTicks(Kept("last.zaptrail"));
  PlayerRun watch(scratch.Path().string(), options);
  EXPECT_TRUE(watch.session.Watching());
  watch.session.DialogOpens();  // a dialog opened while watching halts nothing
  watch.game().random.Draw();   // nor does its label game shift the mazes
  watch.session.NewGame();      // and F2 leaves the trail's game alone
  size_t compared = 0;
  while (watch.ticks < watchedTicks) {
    watch.Tick({Key::Left});  // keys do not steer
    if (seen.count(watch.ticks) != 0) {
      ASSERT_EQ(PictureOf(watch.game().playField), seen[watch.ticks]) << "tick " << watch.ticks;
      ++compared;
    }
  }
  EXPECT_EQ(compared, seen.size());
  EXPECT_EQ(watch.game().record.Phase, PhaseDead);
  EXPECT_EQ(watch.shell.periods.back(), 40);
  watch.Tick({Key::Escape});
  EXPECT_EQ(watch.shell.ended, std::vector<int>{0});
  EXPECT_EQ(ReadWholeFile(Records()), records);
  EXPECT_EQ(ReadWholeFile(Trails() + "last.zaptrail"), lastText);
  EXPECT_EQ(TrailFiles(), files);
}

TEST_F(TrailSession, ATamperedTrailIsRefusedWithItsReasonBeforeAnythingPlays) {
  {
    PlayerRun run(scratch.Path().string());
    run.ClearLevel();
    run.Tick({Key::Escape});
  }
  const std::string kept = ReadWholeFile(Trails() + "last.zaptrail");
  const Trail trail = ReadTrail(kept);
  const std::string time = std::to_string(trail.claimed.cleared[0].time);
  const auto changed = [&](const std::string& from, const std::string& to) {
    std::string text = kept;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  const std::string path = scratch.File("sent.zaptrail");
  const std::pair<std::string, std::string> tampered[] = {
      {changed("\nkeys 9F ", "\nkeys 8F U "), "claimed "},
      {changed("cleared 0 " + time,
               "cleared 0 " + std::to_string(trail.claimed.cleared[0].time - 1)),
       "the trail does not hold up: level 0: claimed time"},
      {kept.substr(0, kept.size() / 2), "line "},
      {changed("game " + std::string(kGameVersion), "game 0.9"), "made by zaptrail 0.9"},
  };
  for (const auto& [text, reason] : tampered) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    SessionOptions options;
    options.watchFile = path;
    try {
      PlayerRun watch(scratch.Path().string(), options);
      ADD_FAILURE() << "watched: " << reason;
    } catch (const TrailError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind("cannot watch " + path + ": ", 0), 0U) << message;
      EXPECT_NE(message.find(reason), std::string::npos) << message;
    }
  }
}

TEST_F(TrailSession, EveryNewGameIsItsOwnTrailAndADailyRunReplaysTheDaysMazes) {
  SessionOptions options;
  options.daily = TrailDate{2026, 12, 9};
  std::vector<std::string> told;  // the games the shell heard of as they were kept
  {
    PlayerRun run(scratch.Path().string(), options);
    run.session.TellKeptGames([&](const Trail& game) { told.push_back(WriteTrail(game)); });
    run.ClearLevel();
    const std::vector<uint8_t> firstMaze = run.game().record.Cells;
    // F2 in the middle of level 1 ends that game; the new one plays the same first maze.
    run.Tick({Key::Space});
    run.Tick();
    NewGame(run.game());
    run.ClearLevel();
    EXPECT_EQ(run.game().record.Cells, firstMaze);
    run.Tick();
    run.Tick({Key::Escape});
  }
  const Trail second = Kept("last.zaptrail");
  ASSERT_EQ(told.size(), 2U);
  EXPECT_EQ(told[1], WriteTrail(second));
  EXPECT_EQ(second.startRandom, DailySeed(*options.daily));
  EXPECT_EQ(second.daily, options.daily);
  EXPECT_EQ(second.claimed.cleared.size(), 1U);
  EXPECT_EQ(second.claimed.ending, TrailEnding::Stopped);
  EXPECT_EQ(second.claimed.endLevel, 1);
  EXPECT_TRUE(VerifyTrail(second).matches);

  // Two copies started on the same date, one with other files, see the same level 0.
  ScratchDirectory other;
  PlayerRun copy(other.Path().string(), options);
  PlayerRun again(scratch.Path().string(), options);
  for (int i = 0; i < 9; ++i) {
    copy.Tick({Key::Space});
    again.Tick({Key::Space});
  }
  EXPECT_EQ(copy.game().record.Cells, again.game().record.Cells);
  again.Tick({Key::Escape});
  // The date's best is still a game that cleared a level, not the later one that did not.
  EXPECT_EQ(Kept("daily-2026-12-09.zaptrail").claimed.cleared.size(), 1U);
  EXPECT_TRUE(Kept("last.zaptrail").claimed.cleared.empty());
}

#ifndef _WIN32
TEST_F(TrailSession, TrailsThatCannotBeSavedNeverStopTheGameOrItsRecords) {
  fs::create_directories(Trails() + "last.zaptrail");  // a folder in the last game's place
  const std::string full = Trails() + "level-0.zaptrail";
  if (::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
    GTEST_SKIP() << "cannot make a device node here";
  }
  const std::string fifo = Trails() + "daily-2026-12-09.zaptrail";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  SessionOptions options;
  options.daily = TrailDate{2026, 12, 9};
  {
    PlayerRun run(scratch.Path().string(), options);
    run.ClearLevel();
    run.Tick({Key::Escape});
    EXPECT_EQ(run.shell.ended, std::vector<int>{0});
    for (const std::string& path : {Trails() + "last.zaptrail", full, fifo}) {
      EXPECT_NE(run.errors.find("zaptrail: trail not kept: " + path), std::string::npos)
          << run.errors;
    }
  }
  EXPECT_TRUE(fs::is_directory(Trails() + "last.zaptrail"));
  EXPECT_TRUE(fs::is_character_file(full));
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_FALSE(ReadWholeFile(Records()).empty());

  // No folder can be made for the trails: one line, and the records are saved all the same.
  fs::remove_all(Trails());
  std::ofstream(scratch.File("user/trails")) << "x";
  fs::remove(Records());
  PlayerRun run(scratch.Path().string());
  run.ClearLevel();
  run.Tick({Key::Escape});
  EXPECT_EQ(run.errors, "zaptrail: trail not kept: " + Trails() + ": cannot be made\n");
  EXPECT_FALSE(ReadWholeFile(Records()).empty());
}

// A trails folder that takes no new file: a full disk, a folder the player may only read. The
// trails kept before stay whole, no scrap is left beside them, and the game and its records go
// on as ever.
class TrailsFolderRefuses : public TrailSession {
 protected:
  void SetUp() override {
    PlayerRun run(scratch.Path().string());
    run.ClearLevel();
    run.Tick({Key::Escape});
    kept = ReadWholeFile(Trails() + "last.zaptrail");
    files = TrailFiles();
    // Without records, the next game's first clearing is the level's best, kept as a trail.
    fs::remove(Records());
  }

  // Another game, on other mazes so that every trail it keeps would differ. Returns its lines
  // on standard error.
  std::string Play() {
    SessionOptions options;
    options.seed = 7;
    PlayerRun run(scratch.Path().string(), options);
    run.ClearLevel();
    run.Tick({Key::Escape});
    if (run.shell.ended != std::vector<int>{0}) return "the game did not end as asked\n";
    return run.errors;
  }

  void ExpectNothingKeptNorLost(const std::string& errors) {
    for (const std::string name : {"last.zaptrail", "level-0.zaptrail"}) {
      EXPECT_NE(errors.find("zaptrail: trail not kept: " + Trails() + name), std::string::npos)
          << errors;
    }
    EXPECT_EQ(ReadWholeFile(Trails() + "last.zaptrail"), kept);
    EXPECT_EQ(TrailFiles(), files);
    EXPECT_FALSE(ReadWholeFile(Records()).empty());
  }

  std::string kept;
  std::vector<fs::path> files;
};

TEST_F(TrailsFolderRefuses, WhenTheDiskIsFull) {
  // Every file may grow to 64 bytes, for any user: the records fit, a trail does not.
  ExpectNothingKeptNorLost(InChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return Play();
  }));
}

TEST_F(TrailsFolderRefuses, WhenThePlayerMayOnlyReadIt) {
  fs::permissions(Trails(), fs::perms(0555));
  if (::geteuid() != 0) {
    ExpectNothingKeptNorLost(InChild([&] { return Play(); }));
  } else {
    // Root writes anywhere: the game runs as nobody, to whom the player's folders and files
    // belong, so that only the folder's mode refuses.
    fs::permissions(scratch.Path(), fs::perms(0755));
    std::vector<fs::path> owned = files;
    for (const std::string folder : {"app", "user", "user/trails"}) {
      owned.push_back(scratch.File(folder));
    }
    for (const fs::path& path : owned) {
      ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
    ExpectNothingKeptNorLost(AsNobody([&] { return Play(); }));
  }
  fs::permissions(Trails(), fs::perms(0755));
}
#endif
}  // namespace
}  // namespace zaptrail::testing
