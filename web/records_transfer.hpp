#pragma once

#include <string>
#include <string_view>

// Moving the records between the page and a file of the player's: a desktop's zaptrail.ini
// loaded into the page, the page's offered as one.
namespace zaptrail {

class TForm1;

// Offers the records as a download under the file's own name, in the text a save would write
// now: this run's best times merged with what storage holds.
void OfferRecordsDownload(TForm1& form1);
// Merges a records file the player picked into this run's best times and saves them. A file
// that is no records file is refused in the error dialog and changes nothing; a failed save is
// reported and leaves the merged times with the run. `readable` is false when the browser could
// not read the file.
void LoadPickedRecords(TForm1& form1, const std::string& fileName, std::string_view content,
                       bool readable);

}  // namespace zaptrail
