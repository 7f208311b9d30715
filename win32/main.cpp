#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "files/wide_text.hpp"
#include "session/command_line.hpp"
#include "win32/error_dialog.hpp"
#include "win32/tform1.hpp"
#include "win32/tform2.hpp"
#include "win32/tform3.hpp"
#include "win32/tform9.hpp"

namespace {

// Windows' timers wake on the system's clock tick, about 15.6 ms unless asked for finer: the
// 32 ms tick would otherwise come at 31 or 47 ms.
class FineTimerResolution {
 public:
  FineTimerResolution() { timeBeginPeriod(1); }
  ~FineTimerResolution() { timeEndPeriod(1); }
};

// The arguments after the program's name, as the engine keeps texts: UTF-8.
std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(zaptrail::Utf8(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const zaptrail::CommandLineOutcome commandLine =
      zaptrail::ReadCommandLine(Arguments(), std::cout, std::cerr);
  if (commandLine.exitStatus) return *commandLine.exitStatus;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  const FineTimerResolution fineTimers;

  zaptrail::TForm1 form1(instance, commandLine.options);
  // A trail refused for watching has been explained in the error dialog; the status says so too.
  if (!form1.Created()) return commandLine.options.watchFile.empty() ? 0 : 2;
  std::unique_ptr<zaptrail::TForm2> form2;
  std::unique_ptr<zaptrail::TForm9> form9;
  std::unique_ptr<zaptrail::TForm3> form3;
  const bool created = zaptrail::RunHandler(nullptr, [&] {
    form2 = std::make_unique<zaptrail::TForm2>(instance, form1.Window(), form1.GameState().compass);
    ShowWindow(form2->Window(), SW_SHOWNOACTIVATE);
    form9 = std::make_unique<zaptrail::TForm9>(instance, form1.Window(),
                                               form1.GameSession().LabelGameRandom());
    form3 = std::make_unique<zaptrail::TForm3>(instance, form1.Window());
  });
  if (!created) return 0;
  form1.AttachWindows(form2.get(), form3.get(), form9.get());
  return form1.RunMessageLoop();
}
