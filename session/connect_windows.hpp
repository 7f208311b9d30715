#pragma once

#include "session/session.hpp"

namespace zaptrail {

// How a desktop main window meets its other windows once all are made, the same in each shell:
// its platform repaints the compass and reads the sound switch through them, and the about
// box's label game ends the session's run.
template <typename ShellPlatform, typename CompassWindow, typename SettingsDialog,
          typename AboutBox>
void ConnectWindows(ShellPlatform& platform, Session& session, CompassWindow* form2,
                    SettingsDialog* form3, AboutBox* form9) {
  platform.AttachCompass(form2);
  platform.AttachSettings(form3);
  form9->AttachSession(session);
}

}  // namespace zaptrail
