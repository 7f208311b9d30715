#include "qt/display_connection.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace zaptrail {
namespace {

// Bits per pixel; Qt paints into 16-, 24- and 32-bit windows.
constexpr int kLeastDepth = 16;

QtMessageHandler passOn = nullptr;
bool starting = false;
QStringList heldWhileStarting;
std::function<void()>* onDisplayLost = nullptr;

void SayDisplayCannotOpen() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') {
    std::fprintf(stderr, "zaptrail: cannot open the display (DISPLAY is not set)\n");
  } else {
    std::fprintf(stderr, "zaptrail: cannot open the display \"%s\"\n", display);
  }
}

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (starting) {
    // The only fatal error of the framework's start is a windowing system it cannot reach.
    if (type == QtFatalMsg) {
      SayDisplayCannotOpen();
      std::_Exit(1);
    }
    heldWhileStarting << qFormatLogMessage(type, context, message);
    return;
  }
  // The display guard's own line says this once the process ends.
  if (onDisplayLost != nullptr && message.startsWith(QLatin1String("The X11 connection broke"))) {
    return;
  }
  passOn(type, context, message);
}

void RunDisplayLost() {
  if (onDisplayLost == nullptr) return;
  (*onDisplayLost)();
  std::_Exit(1);
}

}  // namespace

void WatchFrameworkStart() {
  starting = true;
  passOn = qInstallMessageHandler(FilterMessages);
}

void FrameworkStarted() {
  starting = false;
  for (const QString& line : heldWhileStarting) std::fprintf(stderr, "%s\n", qPrintable(line));
  heldWhileStarting.clear();
}

bool DisplayCanShowTheGame() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || screen->depth() >= kLeastDepth) return true;
  std::fprintf(stderr, "zaptrail: the display has %d bits per pixel; the game needs at least %d\n",
               screen->depth(), kLeastDepth);
  return false;
}

DisplayLossGuard::DisplayLossGuard(std::function<void()> onLost) : onLost_(std::move(onLost)) {
  static const bool registered = std::atexit(RunDisplayLost) == 0;
  (void)registered;
  onDisplayLost = &onLost_;
}

DisplayLossGuard::~DisplayLossGuard() {
  onDisplayLost = nullptr;
}

}  // namespace zaptrail
