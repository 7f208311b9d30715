// Every way a run ends, on the scripted platform with real files: what is saved, the exit
// status, the question after a failed save answered at once or later, and the guard against a
// second close.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/errors.hpp"
#include "session/session.hpp"
#include "tests/engine/fake_shell.hpp"
#include "tests/engine/scratch_directory.hpp"
#include "tests/session_seam.hpp"
#include "tools/sim/scripted_platform.hpp"

namespace zaptrail {
namespace {

using testing::FakeShell;
using testing::ReadWholeFile;
using testing::ScratchDirectory;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

// One copy of the game, started from `app`, with `user` as the player's data folder.
struct Copy {
  Copy(const std::string& app, const std::string& user) {
    SessionOptions options;
    options.seed = 1;
    options.appDir = app;
    options.userFolder = user;
    session.Start(options);
  }
  Game& game() { return WritableGame(session); }
  void Tick(const std::vector<Key>& keys = {}) {
    platform.HoldOnly(keys);
    session.Tick();
  }

  ScriptedPlatform platform;
  PixelSurface sheet{256, 256};
  FakeShell shell;
  std::string errors;
  Session session{platform, sheet, shell,
                  [this](const std::string& line) { errors += line + "\n"; }};
};

class SessionTest : public ::testing::Test {
 protected:
  std::string Folder(const std::string& name) const {
    fs::create_directories(scratch.Path() / name);
    return (scratch.Path() / name).string();
  }
  std::string RecordsIn(const std::string& folder) const { return folder + "/zaptrail.ini"; }

  ScratchDirectory scratch;
  std::string app = Folder("app");
  std::string user = (scratch.Path() / "user").string();
};

TEST_F(SessionTest, EveryEndingSavesThenEndsOnceWithStatusZero) {
  const std::vector<std::pair<const char*, std::function<void(Copy&)>>> endings{
      {"Escape", [](Copy& run) { run.Tick({Key::Escape}); }},
      {"close box", [](Copy& run) { EXPECT_TRUE(run.session.CloseByPlayer()); }},
      {"signal", [](Copy& run) { run.session.CloseUnattended(); }},
      {"label game",
       [](Copy& run) {
         run.session.EndByLabelGame([&](const std::function<void()>& dismissed) {
           // Saved before the box shows, and the run goes on until it is dismissed.
           EXPECT_EQ(ReadWholeFile(run.session.Records().appFolder + "zaptrail.ini"), "57\r\n");
           EXPECT_TRUE(run.shell.ended.empty());
           dismissed();
         });
       }},
  };
  for (const auto& [name, end] : endings) {
    SCOPED_TRACE(name);
    fs::remove(RecordsIn(app));
    Copy run(app, user);
    EXPECT_TRUE(run.shell.ticking);
    EXPECT_EQ(run.shell.periods, std::vector<int32_t>{32});
    run.game().record.BestTimes = {"57"};
    end(run);
    EXPECT_EQ(ReadWholeFile(RecordsIn(app)), "57\r\n");
    EXPECT_EQ(run.shell.ended, std::vector<int>{0});
    EXPECT_FALSE(run.shell.ticking);
    EXPECT_EQ(run.errors, "");
    // Everything after the end is ignored: no second save, end or tick.
    run.game().record.BestTimes = {"1"};
    const int32_t titleDelay = run.game().record.TitleDelay;
    for (const auto& [other, again] : endings) again(run);
    run.Tick();
    EXPECT_EQ(run.game().record.TitleDelay, titleDelay);
    EXPECT_EQ(ReadWholeFile(RecordsIn(app)), "57\r\n");
    EXPECT_EQ(run.shell.ended, std::vector<int>{0});
    EXPECT_FALSE(fs::exists(user));
  }
}

// A records file brought in or taken out of the page merges level by level with the run and
// with storage, is saved at once even after the run has ended, and is refused whole when it is
// no records file.
TEST_F(SessionTest, RecordsComeInAndGoOutMergedLevelByLevel) {
  { std::ofstream(RecordsIn(app), std::ios::binary) << "30\r\n\r\n9\r\n"; }
  Copy run(app, user);
  run.game().record.BestTimes = {"40", "50"};
  EXPECT_EQ(run.session.RecordsToExport(), "30\r\n50\r\n9\r\n");

  EXPECT_THROW(run.session.ImportRecords("20\r\nno time\r\n", "picked.ini"), GameError);
  EXPECT_EQ(run.game().record.BestTimes, (Lines{"40", "50"}));

  run.Tick({Key::Escape});
  ASSERT_EQ(run.shell.ended, std::vector<int>{0});
  EXPECT_EQ(run.session.ImportRecords("20\r\n60\r\n", "picked.ini"), "");
  EXPECT_EQ(ReadWholeFile(RecordsIn(app)), "20\r\n50\r\n9\r\n");
}

// Neither folder takes the file: the player decides.
TEST_F(SessionTest, AFailedSaveAsksAndQuittingWithoutSavingEnds) {
  fs::create_directory(RecordsIn(app));  // a folder where the file should go
  std::ofstream(user) << "a file where the player's folder should be";
  Copy run(app, user);
  run.game().record.BestTimes = {"57"};
  run.shell.answerAtOnce = true;
  run.Tick({Key::Escape});
  ASSERT_EQ(run.shell.questions.size(), 1U);
  EXPECT_EQ(run.shell.questions[0].rfind("ﾌｧｲﾙ " + RecordsIn(app) + " を作成できません; ", 0), 0U);
  EXPECT_EQ(run.shell.ended, std::vector<int>{0});
  EXPECT_TRUE(fs::is_directory(RecordsIn(app)));
  EXPECT_TRUE(fs::is_regular_file(user));
}

TEST_F(SessionTest, AFailedSaveKeptOpenIsRetriedOnceSpaceIsFreed) {
  fs::create_directory(RecordsIn(app));
  std::ofstream(user) << "a file where the player's folder should be";
  Copy run(app, user);
  run.shell.answerAtOnce = false;
  EXPECT_FALSE(run.session.CloseByPlayer());
  run.Tick({Key::Escape});
  EXPECT_EQ(run.shell.questions.size(), 2U);
  EXPECT_TRUE(run.shell.ended.empty());
  // The game goes on meanwhile.
  const int32_t titleDelay = run.game().record.TitleDelay;
  run.Tick();
  EXPECT_EQ(run.game().record.TitleDelay, titleDelay + 1);
  fs::remove(RecordsIn(app));
  run.game().record.BestTimes = {"57", "120"};
  EXPECT_TRUE(run.session.CloseByPlayer());
  EXPECT_EQ(ReadWholeFile(RecordsIn(app)), "57\r\n120\r\n");
  EXPECT_EQ(run.shell.ended, std::vector<int>{0});
}

// A shell that cannot block answers later; until then no other close asks or saves again,
// except one nobody can answer, which ends the run on its own.
TEST_F(SessionTest, WhileTheQuestionIsOpenASecondCloseWaitsForIt) {
  fs::create_directory(RecordsIn(app));
  for (const bool signalMeanwhile : {false, true}) {
    SCOPED_TRACE(signalMeanwhile ? "signal meanwhile" : "answered");
    fs::remove_all(user);
    std::ofstream(user) << "a file where the player's folder should be";
    Copy run(app, user);
    run.game().record.BestTimes = {"57"};
    run.Tick({Key::Escape});
    ASSERT_TRUE(run.shell.pending);
    run.Tick({Key::Escape});
    EXPECT_FALSE(run.session.CloseByPlayer());
    EXPECT_EQ(run.shell.questions.size(), 1U);
    EXPECT_TRUE(run.shell.ended.empty());
    if (signalMeanwhile) {
      fs::remove(user);
      run.session.CloseUnattended();
      EXPECT_EQ(ReadWholeFile(RecordsIn(user)), "57\r\n");  // the other folder
      EXPECT_EQ(run.shell.ended, std::vector<int>{0});
    }
    run.shell.pending(true);
    EXPECT_EQ(run.shell.ended, std::vector<int>{0});
  }
}

TEST_F(SessionTest, AnUnattendedCloseThatSavesNothingEndsWithStatusOne) {
  fs::create_directory(RecordsIn(app));
  std::ofstream(user) << "a file where the player's folder should be";
  {
    Copy run(app, user);
    run.session.CloseUnattended();
    EXPECT_EQ(run.shell.ended, std::vector<int>{1});
    const std::string said = run.errors;
    EXPECT_EQ(said.rfind("zaptrail: best times not saved: ﾌｧｲﾙ ", 0), 0U) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_TRUE(run.shell.questions.empty());
  }
  // The label game's end says so too, and ends all the same.
  Copy run(app, user);
  bool shown = false;
  run.session.EndByLabelGame([&](const std::function<void()>& dismissed) {
    shown = true;
    dismissed();
  });
  EXPECT_TRUE(shown);
  EXPECT_NE(run.errors.find("best times not saved"), std::string::npos);
  EXPECT_EQ(run.shell.ended, std::vector<int>{0});
}

// Each copy merges what the other saved, so no order loses a level.
TEST_F(SessionTest, TwoCopiesThatClearedDifferentLevelsKeepBothTimes) {
  for (const bool firstClosesFirst : {true, false}) {
    SCOPED_TRACE(firstClosesFirst ? "first, then second" : "second, then first");
    std::ofstream(RecordsIn(app), std::ios::binary) << "100\r\n200\r\n";
    Copy first(app, user);
    Copy second(app, user);
    first.game().record.BestTimes.Replace(0, "57");
    second.game().record.BestTimes.Replace(1, "150");
    std::vector<Copy*> order{&first, &second};
    if (!firstClosesFirst) std::swap(order[0], order[1]);
    for (Copy* run : order) EXPECT_TRUE(run->session.CloseByPlayer());
    EXPECT_EQ(ReadWholeFile(RecordsIn(app)), "57\r\n150\r\n");
  }
}

// Keys held for a menu or another program reach the game neither then nor once it has the
// keyboard back, until they are let go; a fresh press counts at once.
TEST_F(SessionTest, KeysCountOnlyWhileTheGameHasItAndOnceHeldElsewhereAfterARelease) {
  Copy run(app, user);
  run.game().record.TitleDelay = 8;
  run.platform.focused = false;
  run.Tick({Key::Space, Key::Escape});
  EXPECT_EQ(run.game().record.Phase, PhaseTitle);
  run.platform.focused = true;
  run.Tick({Key::Space, Key::Escape});
  EXPECT_EQ(run.game().record.Phase, PhaseTitle);
  EXPECT_TRUE(run.shell.ended.empty());
  run.Tick();
  run.Tick({Key::Space});
  EXPECT_EQ(run.game().record.Phase, PhasePlaying);
}

TEST_F(SessionTest, MenuDialogsHaltTheGameAndGiveThePhaseBack) {
  Copy run(app, user);
  GameRecord& record = run.game().record;
  record.Phase = PhasePlaying;
  run.session.DialogOpens();
  EXPECT_EQ(record.Phase, PhaseHalted);
  const int32_t subTick = record.SubTick;
  run.Tick();
  EXPECT_EQ(record.SubTick, subTick);  // ticks while it is open only sample the input
  run.session.SettingsEnd(DialogResult::Ok, "$40");
  EXPECT_EQ(record.Phase, PhasePlaying);
  EXPECT_EQ(run.shell.periods, (std::vector<int32_t>{32, 64}));
  run.session.DialogOpens();
  EXPECT_THROW(run.session.SettingsEnd(DialogResult::Ok, "abc"), GameError);
  EXPECT_EQ(record.Phase, PhasePlaying);
  record.Phase = PhaseDead;
  run.session.DialogOpens();
  run.session.SettingsEnd(DialogResult::Cancel, "16");
  EXPECT_EQ(record.Phase, PhaseDead);
  EXPECT_EQ(run.shell.periods, (std::vector<int32_t>{32, 64}));
  run.session.DialogOpens();
  run.session.AboutBoxEnds();
  EXPECT_EQ(record.Phase, PhaseDead);
}

}  // namespace
}  // namespace zaptrail
