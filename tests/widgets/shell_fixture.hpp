#pragma once

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "qt/tform1.hpp"
#include "qt/tform2.hpp"
#include "qt/tform3.hpp"
#include "qt/tform9.hpp"

namespace zaptrail::testing {

// The four windows as the game creates them, with a fixed seed and a private directory for the
// records file, which also holds the player's data folder.
struct Shell {
  explicit Shell(uint32_t seed = 1);
  QString UserFolder() const { return directory.filePath(QStringLiteral("user")); }
  // Gives the main window the keyboard, as the player's click does: keys count only then.
  bool FocusMainWindow();

  QTemporaryDir directory;
  std::unique_ptr<TForm1> form1;
  std::unique_ptr<TForm2> form2;
  std::unique_ptr<TForm9> form9;
  std::unique_ptr<TForm3> form3;
};

// Runs `action` as soon as a modal dialog is showing, from inside its event loop.
void WhenModalShows(std::function<void(QWidget*)> action);

// Runs `action` inside the application's event loop and returns the status the program ended
// with, or -1 when it has not ended after `timeoutMs`. An end inside that loop leaves no quit
// pending behind, so the tests that follow can still show dialogs, whatever their order.
int RunUntilTheProgramEnds(const std::function<void()>& action, int timeoutMs = 10000);

}  // namespace zaptrail::testing
