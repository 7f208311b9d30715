#include <QTest>
#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/soak/held_key_script.hpp"
#include "tests/widgets/shell_fixture.hpp"
#include "tools/sim/replay.hpp"
#include "tools/sim/sim_report.hpp"

namespace zaptrail::testing {
namespace {

// A seed with which the scripted keys below happen to clear levels 0, 1 and 2, so the run crosses
// level ends, rising clouds and a wandering goal.
constexpr uint32_t kSeed = 215;
constexpr int32_t kTicks = 600;

struct KeyLetter {
  Key key;
  Qt::Key qtKey;
  char letter;
};
constexpr KeyLetter kKeyLetters[] = {{Key::Up, Qt::Key_Up, 'U'},
                                     {Key::Right, Qt::Key_Right, 'R'},
                                     {Key::Down, Qt::Key_Down, 'D'},
                                     {Key::Left, Qt::Key_Left, 'L'},
                                     {Key::Space, Qt::Key_Space, 'F'}};

bool Holds(const std::vector<Key>& keys, Key key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// The replay line that holds these keys.
std::string LineOf(const std::vector<Key>& keys) {
  std::string line;
  for (const KeyLetter& entry : kKeyLetters) {
    if (Holds(keys, entry.key)) line += entry.letter;
  }
  return line.empty() ? "-" : line;
}

std::string WithoutWindow(const std::string& stateLine) {
  static const std::regex window(" window -?[0-9]+ -?[0-9]+");
  return std::regex_replace(stateLine, window, "");
}

std::vector<std::string> StateLinesOf(const std::string& report) {
  std::vector<std::string> lines;
  std::istringstream in(report);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("tick ")) lines.push_back(WithoutWindow(line));
  }
  return lines;
}

}  // namespace

class ShellReplayTest : public QObject {
  Q_OBJECT

 private slots:
  // The real window fed key presses and releases, ticked by hand, and the sim fed the same held
  // keys as lines, reach the same state after every tick.
  void TheShellAndTheSimAgreeOnEveryTick() {
    Shell shell(kSeed);
    TForm1& form = *shell.form1;
    form.TickTimer().stop();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(int{form.GameState().record.TitleDelay}, 0);

    soak::HeldKeyScript keys(kSeed);
    std::vector<Key> held;
    std::string script;
    std::vector<std::string> shellLines;
    for (int32_t tick = 1; tick <= kTicks; ++tick) {
      const std::vector<Key> next = keys.Next();
      for (const KeyLetter& entry : kKeyLetters) {
        const bool wanted = Holds(next, entry.key);
        if (wanted && !Holds(held, entry.key)) QTest::keyPress(&form, entry.qtKey);
        if (!wanted && Holds(held, entry.key)) QTest::keyRelease(&form, entry.qtKey);
        // A key pressed and released between two ticks is never seen.
        if (!wanted && tick % 5 == 0) QTest::keyClick(&form, entry.qtKey);
      }
      held = next;
      form.Timer1Timer();
      script += LineOf(held) + '\n';
      std::ostringstream state;
      PrintTickState(state, tick, form.GameState(), form.x(), form.y());
      shellLines.push_back(WithoutWindow(state.str().substr(0, state.str().size() - 1)));
    }

    SimArguments arguments;
    arguments.command = SimArguments::Command::Play;
    arguments.seed = kSeed;
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(RunPlay(arguments, in, out, err), 0);
    const std::vector<std::string> simLines = StateLinesOf(out.str());
    QCOMPARE(simLines.size(), shellLines.size());
    for (size_t i = 0; i < simLines.size(); ++i) {
      QCOMPARE(QString::fromStdString(shellLines[i]), QString::fromStdString(simLines[i]));
    }
    QVERIFY2(form.GameState().record.Level == 3, "the keys no longer clear the first three levels");
  }
};

}  // namespace zaptrail::testing

QTEST_MAIN(zaptrail::testing::ShellReplayTest)
#include "shell_replay_test.moc"
