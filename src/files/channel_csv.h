// The common channel-list CSV that channel-programming programs exchange
// (the layout of CHIRP's CSV files): one line per memory channel with the
// columns Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq,
// cToneFreq, DtcsCode, DtcsPolarity, Mode, TStep, Skip, Comment and the
// digital-voice call columns, in UTF-8 throughout. Export writes the
// enabled memory channels, Location being the memory slot; import puts the
// lines into consecutive memory rows (or each at its Location's slot), each
// field mapped to the nearest value the receiver holds, and reports every
// change.
#ifndef VRQ5_FILES_CHANNEL_CSV_H_
#define VRQ5_FILES_CHANNEL_CSV_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_status.h"
#include "store/document.h"

namespace vrq5 {

// The header line of an export (without its CR LF).
inline constexpr std::string_view kChannelCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
    "DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// Turns the bytes of a stored note or name into UTF-8 text. The window and
// vrq5 pass NoteToUtf8 (src/notes/note_text.h), so that a list shows a
// note as they show it, whether the clone file holds it in UTF-8 or in
// Shift_JIS.
using NoteToUtf8Fn = std::function<std::string(std::string_view)>;

// The export text: the header, then one CR LF line for every memory slot
// (0..999, in row order) that is enabled and holds a channel; Location is
// the slot. Names and comments go through `to_utf8`. The receiver's tone
// squelch is written as "TSQL", its reverse tone squelch as "TSQL-R", with
// the tone in rToneFreq and cToneFreq.
std::string ChannelCsvText(const Document& doc, const NoteToUtf8Fn& to_utf8);

// Writes the export atomically ("File Open Error" leaves any previous file
// intact, `reason` as for SaveCloneFile). The document is not changed.
FileStatus ExportChannelCsv(const Document& doc, const std::string& path,
                            const NoteToUtf8Fn& to_utf8,
                            std::string* reason = nullptr);

// Where an import puts its channels.
struct ChannelCsvTarget {
  // The memory row (slot 0..999) the first channel goes to; the next ones
  // follow in row order up to row 999.
  int first_row = 0;
  // 0..49: into this bank instead, from its first row up to its last row
  // by the current bank sizes. -1: use first_row.
  int bank = -1;
  // Each channel into the memory slot its Location names (0..999) instead;
  // first_row and bank are not used. A channel without such a Location, or
  // whose slot an earlier line took, is left out.
  bool by_location = false;
};

// One line of an import's report.
struct ChannelCsvNote {
  int line = 0;       // line of the CSV text the channel starts on (1-based)
  std::string row;    // memory-row label it went to ("03-005"); empty when
                      // the channel was left out
  std::string field;  // "Frequency", "Mode", "TStep", "Tone", "Duplex",
                      // "Offset", "Skip", "Name", "Comment", "Location",
                      // "Row" or "File"
  std::string text;   // what was changed or left out, in plain English
  bool row_left_out = false;  // the whole channel was not imported

  friend bool operator==(const ChannelCsvNote&,
                         const ChannelCsvNote&) = default;
};

struct ChannelCsvResult {
  // kOk, kDataError (no recognisable header, or a target outside the
  // memory rows) or kFileOpenError (the file cannot be read). Only kOk
  // changes the document.
  FileStatus status = FileStatus::kOk;
  std::vector<ChannelCsvNote> notes;  // in the order of the CSV lines
  int imported = 0;                   // channels written into memory rows
  int changed = 0;   // of those, channels with at least one field changed
  int left_out = 0;  // channels not imported
};

// Imports a text (UTF-8, with or without a byte-order mark; a comment in
// another encoding is kept as its bytes). On success the channels are written
// into the target rows (every field, the enable flag set; rows look as a read
// from the receiver would leave them), the rows are laid out anew, the memory
// refill runs and DataChanged is set; an import that writes no channel leaves
// the document as it was. Any other status leaves the document exactly as it
// was.
ChannelCsvResult ImportChannelCsvText(Document& doc, std::string_view text,
                                      const ChannelCsvTarget& target = {});

// Imports a file ("File Open Error" when it cannot be read or is far larger
// than any channel list).
ChannelCsvResult ImportChannelCsv(Document& doc, const std::string& path,
                                  const ChannelCsvTarget& target = {});

// A report entry as one line of text: "03-005 (line 7) Mode: ..." or
// "line 9 Row: left out: ...".
std::string ChannelCsvNoteLine(const ChannelCsvNote& note);

// The closing count: "12 imported, 3 changed, 1 left out".
std::string ChannelCsvCountLine(const ChannelCsvResult& result);

}  // namespace vrq5

#endif  // VRQ5_FILES_CHANNEL_CSV_H_
