#include <QApplication>
#include <csignal>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "qt/close_on_signals.hpp"
#include "qt/display_connection.hpp"
#include "qt/error_dialog.hpp"
#include "qt/font_config_preload.hpp"
#include "qt/program_resources.hpp"
#include "qt/tform1.hpp"
#include "qt/tform2.hpp"
#include "qt/tform3.hpp"
#include "qt/tform9.hpp"
#include "session/command_line.hpp"

namespace {

// The compass sits beside the main window and one level shakes the window, so the game must
// place its own windows: on a Wayland desktop it runs through the X11 compatibility layer.
void PreferX11() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Read before the display is opened, so that --help and a mistake need none.
  const zaptrail::CommandLineOutcome commandLine = zaptrail::ReadCommandLine(
      std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
  if (commandLine.exitStatus) return *commandLine.exitStatus;
  PreferX11();
  // A closed pipe (a terminal gone, an output read by no one) is no reason to end the game.
  std::signal(SIGPIPE, SIG_IGN);
  zaptrail::WatchFrameworkStart();
  zaptrail::FontConfigPreload fontConfig;
  QApplication application(argc, argv);
  fontConfig.Wait();
  zaptrail::FrameworkStarted();
  if (!zaptrail::DisplayCanShowTheGame()) return 1;
  application.setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(zaptrail::MainIcon());
  // Lets the desktop match the running game to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("zaptrail"));

  zaptrail::TForm1 form1(commandLine.options);
  // A trail refused for watching has been explained in the error dialog; the status says so too.
  if (!form1.Created()) return commandLine.options.watchFile.empty() ? 0 : 2;
  std::unique_ptr<zaptrail::TForm2> form2;
  std::unique_ptr<zaptrail::TForm9> form9;
  std::unique_ptr<zaptrail::TForm3> form3;
  const bool created = zaptrail::RunHandler([&] {
    form2 = std::make_unique<zaptrail::TForm2>(form1.GameState().compass, &form1);
    form2->show();
    form9 = std::make_unique<zaptrail::TForm9>(form1.GameSession().LabelGameRandom(), &form1);
    form3 = std::make_unique<zaptrail::TForm3>(&form1);
  });
  if (!created) return 0;
  form1.AttachWindows(form2.get(), form3.get(), form9.get());
  // Without it the game still runs; a kill then just ends it without saving.
  std::unique_ptr<zaptrail::CloseOnSignals> closeOnSignals;
  zaptrail::RunHandler([&] { closeOnSignals = std::make_unique<zaptrail::CloseOnSignals>(form1); });

  form1.show();
  const zaptrail::DisplayLossGuard displayLoss([&] { form1.GameSession().SaveAsDisplayIsLost(); });
  return QApplication::exec();
}
