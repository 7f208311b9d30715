#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "session/window_descriptions.hpp"
#include "view/surface.hpp"

// What the shell shows in the page, through the page's own script (page.js).
namespace zaptrail::page {

// Puts the picture on the canvas as it is, one pixel of the canvas for each of the picture's.
void ShowPicture(const char* canvasId, const PixelSurface& picture);
// Moves the main panel this far from where the page placed it, in the picture's pixels.
void ShiftMainPanel(int32_t dx, int32_t dy);
// The main panel's frame, in the page's pixels.
struct Frame {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
};
Frame MainPanelFrame();
void PlaceCompassPanel(int32_t left, int32_t top);
// The caption of the panel with this id.
void SetCaption(const char* panelId, std::string_view caption);

// The face of every text in the page's dialogs.
void SetDialogFace(const DialogFace& face);
// The default error dialog, with a second button when `quitButton` names one. The page tells the
// module through zt_dialog_closed when the dialog has gone and whether that button ended it.
void ShowErrorDialog(const std::string& caption, const std::string& text,
                     const std::string& quitButton);
// The run has ended: the page offers a new one, which it asks for through zt_play_again; the
// offer goes once another run has started.
void ShowEnded(bool shown);
// A line of news under the panels, in place of the one before.
void ShowNotice(const std::string& text);
// The line that tells how to start a game, shown while the title screen waits for one.
void ShowStartHint(bool onTitle);
// False when the browser refused to open it.
bool OpenInNewTab(const std::string& url);

}  // namespace zaptrail::page
