// The rules the shells share: the settings period, the label game, the error dialog and the
// shortcuts.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/errors.hpp"
#include "game/random.hpp"
#include "session/label_game.hpp"
#include "session/run_handler.hpp"
#include "session/tick_period.hpp"
#include "session/window_descriptions.hpp"

namespace zaptrail {
namespace {

class FakeTimer : public PeriodicTimer {
 public:
  void Stop() override { calls.push_back("stop"); }
  bool Start(int32_t periodMs) override {
    calls.push_back("start " + std::to_string(periodMs));
    return periodMs != refused;
  }
  std::vector<std::string> calls;
  int32_t refused = -1;
};

TEST(ShellRules, TimerPeriodFollowsAcceptedText) {
  FakeTimer timer;
  int32_t period = kDesignPeriod;
  ApplyTimerPeriod(timer, period, " 32");
  EXPECT_TRUE(timer.calls.empty()) << "an unchanged period must not restart the timer";
  ApplyTimerPeriod(timer, period, "$40");
  ApplyTimerPeriod(timer, period, "0");
  EXPECT_EQ(timer.calls, (std::vector<std::string>{"stop", "start 64", "stop"}));
  EXPECT_EQ(period, 0);
}

TEST(ShellRules, TimerPeriodRefusals) {
  FakeTimer timer;
  int32_t period = kDesignPeriod;
  for (const char* text : {"-16", "abc", ""}) {
    try {
      ApplyTimerPeriod(timer, period, text);
      ADD_FAILURE() << text << " was accepted";
    } catch (const GameError& error) {
      EXPECT_EQ(error.what(), "'" + std::string(text) + "' は整数ではありません");
    }
  }
  EXPECT_TRUE(timer.calls.empty());
  EXPECT_EQ(period, kDesignPeriod);
  timer.refused = 48;
  EXPECT_THROW(ApplyTimerPeriod(timer, period, "48"), GameError);
  // The refused period stays the one in force, so applying it again tries again.
  EXPECT_EQ(period, 48);
}

TEST(ShellRules, LabelJumpsAwayFromThePointerWithOneDrawEachMove) {
  RandomSource random;
  RandomSource expected;
  random.Seed(7);
  expected.Seed(7);
  const LabelSpan label{40, 55};
  // Half the width (27) counts as the left half.
  EXPECT_EQ(LabelJump(random, label, 27), 40 + expected.Draw() % 5);
  EXPECT_EQ(LabelJump(random, label, 28), 40 - expected.Draw() % 5);
  EXPECT_EQ(random.State(), expected.State());
}

TEST(ShellRules, LabelGameStages) {
  EXPECT_TRUE(IsLabelOut({208, 55}, about::kClient.width));
  EXPECT_FALSE(IsLabelOut({207, 55}, about::kClient.width));
  EXPECT_TRUE(IsLabelOut({-51, 55}, about::kClient.width));
  EXPECT_FALSE(IsLabelOut({-50, 55}, about::kClient.width));
  const LabelSpan out{300, 10};
  const LabelSpan in{8, 10};
  EXPECT_EQ(JudgeLabels({out, out, in}, false), LabelGameStep::GoesOn);
  EXPECT_EQ(JudgeLabels({in, out, out}, true), LabelGameStep::GoesOn);
  EXPECT_EQ(JudgeLabels({out, out, out}, false), LabelGameStep::SecondStage);
  EXPECT_EQ(JudgeLabels({out, out, out}, true), LabelGameStep::EndsTheProgram);
}

// A box whose labels are 30 pixels wide whatever they say.
class FakeLabelBox : public LabelGameView {
 public:
  int32_t MoveLabel(PlayingLabel label, int32_t left) override {
    lefts[static_cast<size_t>(label)] = left;
    return 30;
  }
  int32_t ShowSecondStage(PlayingLabel label) override {
    ++recaptioned;
    return MoveLabel(label, about::kSecondStage.left);
  }
  void EndTheProgram() override { ++ends; }

  // Hovers each playing label at its left edge until it is out or the stage changes.
  void PushOut(LabelGame& game, bool stopAtStage) {
    const bool stage = game.InSecondStage();
    for (PlayingLabel label : kPlayingLabels) {
      while (lefts[static_cast<size_t>(label)] < about::kClient.width - 4 && ends == 0) {
        game.PointerMoved(label, 0);
        if (stopAtStage && game.InSecondStage() != stage) return;
      }
    }
  }

  std::array<int32_t, 3> lefts{8, 8, 8};
  int32_t recaptioned = 0;
  int32_t ends = 0;
};

TEST(ShellRules, LabelGameKeepsItsStageAcrossShowingsAndEndsOnce) {
  RandomSource random;
  random.Seed(3);
  FakeLabelBox box;
  LabelGame game(random, box);
  game.Reset();
  box.PushOut(game, true);
  ASSERT_TRUE(game.InSecondStage());
  EXPECT_EQ(box.recaptioned, 3);
  EXPECT_EQ(box.lefts, (std::array<int32_t, 3>{18, 18, 18}));
  EXPECT_EQ(game.Caption(PlayingLabel::Label2), "Get Angry");

  // A new showing puts the labels back but keeps the stage.
  game.PointerMoved(PlayingLabel::Label4, 0);
  game.Reset();
  EXPECT_EQ(box.lefts, (std::array<int32_t, 3>{8, 8, 8}));
  EXPECT_TRUE(game.InSecondStage());
  box.PushOut(game, false);
  EXPECT_EQ(box.ends, 1);
  EXPECT_TRUE(game.Ended());

  // Once ended, no label moves and no draw is taken.
  const uint32_t state = random.State();
  game.PointerMoved(PlayingLabel::Label1, 0);
  EXPECT_EQ(random.State(), state);
  EXPECT_EQ(box.ends, 1);
}

TEST(ShellRules, ErrorDialogTextAndTitle) {
  std::string shown;
  EXPECT_FALSE(RunHandler([] { throw std::runtime_error("ﾀｲﾏｰを取得できません"); },
                          [&](const std::string& text) { shown = text; }));
  EXPECT_EQ(shown, "ﾀｲﾏｰを取得できません.");
  EXPECT_TRUE(RunHandler([] {}, [](const std::string&) { FAIL(); }));
  EXPECT_EQ(ApplicationTitle("ZAPTRAIL.EXE"), "Zaptrail");
  EXPECT_EQ(ApplicationTitle("zap.trail.exe"), "Zap");
}

// A shell that reads its keys itself (the page) finds each shortcut's command where the menu
// shows it: F2 a new game, F1 the help, Alt+Enter the settings, and no other.
TEST(ShellRules, ShortcutsRunTheCommandOfTheItemThatShowsThem) {
  EXPECT_EQ(CommandOfShortcut(Shortcut::F2), MenuCommand::Reset1);
  EXPECT_EQ(CommandOfShortcut(Shortcut::F1), MenuCommand::SearchforHelpOn1);
  EXPECT_EQ(CommandOfShortcut(Shortcut::AltEnter), MenuCommand::Property1);
  EXPECT_EQ(CommandOfShortcut(Shortcut::None), std::nullopt);
}

}  // namespace
}  // namespace zaptrail
