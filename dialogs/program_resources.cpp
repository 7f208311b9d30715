#include "dialogs/program_resources.hpp"

#include <QPixmap>

// The resources live in the shell's static library; nothing there refers to them, so they must be
// registered by hand or the linker leaves them out. Q_INIT_RESOURCE cannot stand in a namespace.
static void RegisterProgramResources() {
  Q_INIT_RESOURCE(zaptrail);
}

namespace zaptrail {
namespace {

void EnsureResources() {
  static const bool registered = (RegisterProgramResources(), true);
  (void)registered;
}

constexpr int kHandHotSpotX = 6;
constexpr int kHandHotSpotY = 1;

}  // namespace

QIcon MainIcon() {
  EnsureResources();
  QIcon icon;
  icon.addFile(QStringLiteral(":/zaptrail/icon-32.png"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/zaptrail/icon-16.png"), QSize(16, 16));
  return icon;
}

QCursor HandCursor() {
  EnsureResources();
  return QCursor(QPixmap(QStringLiteral(":/zaptrail/hand-cursor.png")), kHandHotSpotX,
                 kHandHotSpotY);
}

}  // namespace zaptrail
