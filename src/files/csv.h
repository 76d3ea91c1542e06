// CSV export and import: the VFO bands, every channel slot, the bank-size
// boxes and the group check boxes as comma-separated records that a
// spreadsheet opens and that import merges back.
#ifndef VRQ5_FILES_CSV_H_
#define VRQ5_FILES_CSV_H_

#include <string>
#include <string_view>

#include "files/file_status.h"
#include "store/document.h"

namespace vrq5 {

inline constexpr int kCsvRecords = 1915;

// The export text: 1915 CR LF records.
std::string CsvText(const Document& doc);

// Writes the export (whole or not at all: "File Open Error" leaves any
// previous file intact). The document is not changed: its file name, title
// and changed flag stay as they were. `reason` as for SaveCloneFile.
FileStatus ExportCsv(const Document& doc, const std::string& path,
                     std::string* reason = nullptr);

// Merges an import text into the document. Records that do not make sense
// are skipped silently. A whole-number field that cannot be read as one, or
// a file that ends inside a record, gives "File Open Error" and leaves the
// document exactly as it was. On success the rows are laid out anew, the
// memory refill runs, and the document is a new unnamed, unchanged one.
FileStatus ImportCsvText(Document& doc, std::string_view text);

// Import from a file ("File Open Error" when it cannot be read).
FileStatus ImportCsv(Document& doc, const std::string& path);

// The slot of a PROGRAM SCAN, SEARCH PASS or PRIORITY record's CHANNEL text
// (already upper case), or -1.
int ProgramScanSlot(std::string_view text);
int SearchPassSlot(std::string_view text);
int PrioritySlot(std::string_view text);

}  // namespace vrq5

#endif  // VRQ5_FILES_CSV_H_
