#pragma once

namespace zaptrail::page {

// Gives the page the dialogs' face under the family name the dialogs ask for, from the web font
// the build cuts for the page, and starts fetching it: called once the first picture is shown,
// so that the font never stands in the way of the play field, and is there before the first
// dialog is.
void AddDialogFace();

}  // namespace zaptrail::page
