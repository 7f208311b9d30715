#include "web/records_transfer.hpp"

#include <emscripten/emscripten.h>

#include "game/errors.hpp"
#include "session/run_handler.hpp"
#include "session/session.hpp"
#include "web/tform1.hpp"

EM_JS(void, zt_offer_download, (const char* name, const char* bytes, int size),
      { zaptrailRecords.offerDownload(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size)); });

namespace zaptrail {

void OfferRecordsDownload(TForm1& form1) {
  const std::string text = form1.GameSession().RecordsToExport();
  zt_offer_download(kRecordsFileName, text.data(), static_cast<int>(text.size()));
}

void LoadPickedRecords(TForm1& form1, const std::string& fileName, std::string_view content,
                       bool readable) {
  std::string notSaved;
  const bool merged = RunHandler(
      [&] {
        if (!readable) throw GameError(CannotOpenFileMessage(fileName));
        notSaved = form1.GameSession().ImportRecords(content, fileName);
      },
      [&](const std::string& text) { form1.ShowError(text); });
  if (merged && !notSaved.empty()) form1.ShowError(ErrorDialogText(notSaved));
}

}  // namespace zaptrail
