#include "web/records_transfer.hpp"

#include <emscripten/emscripten.h>

#include <vector>

#include "files/file_system.hpp"
#include "game/errors.hpp"
#include "game/records.hpp"
#include "session/close_and_save.hpp"
#include "session/records_import.hpp"
#include "session/run_handler.hpp"
#include "web/tform1.hpp"

EM_JS(void, zt_offer_download, (const char* name, const char* bytes, int size),
      { zaptrailRecords.offerDownload(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size)); });

namespace zaptrail {
namespace {

// What the save would merge with: the whole stored text, as the save reads it.
BestTimes StoredRecords(const std::string& path) {
  std::string content;
  if (!files::IsRegularFile(path) || !files::ReadWholeFile(path, content)) return {};
  return ParseRecordLines(content);
}

}  // namespace

void OfferRecordsDownload(TForm1& form1) {
  const Game& game = form1.GameState();
  const std::string text = FormatRecords(
      MergeRecords(game.record.BestTimes, StoredRecords(SavePath(form1.GameSession().Records()))));
  zt_offer_download(kRecordsFileName, text.data(), static_cast<int>(text.size()));
}

void LoadPickedRecords(TForm1& form1, const std::string& fileName, std::string_view content,
                       bool readable) {
  const bool merged = RunHandler(
      [&] {
        if (!readable) throw GameError(CannotOpenFileMessage(fileName));
        BestTimes& bestTimes = form1.GameState().record.BestTimes;
        bestTimes = MergeRecords(bestTimes, ParseImportedRecords(content, fileName));
      },
      [&](const std::string& text) { form1.ShowError(text); });
  if (!merged) return;
  // Saved at once, also after Escape ended the run, whose next run starts from storage.
  const Game& game = form1.GameState();
  const CloseSave save =
      SaveBeforeClosing(game.record.BestTimes, form1.GameSession().Records(), CloseAsker::Nobody);
  if (save.next != AfterSave::Close) form1.ShowError(ErrorDialogText(save.error));
}

}  // namespace zaptrail
