// Reading delimited text: the records of a comma-separated file (the
// channel-list import) and the tab-separated cells a spreadsheet puts on
// the clipboard (the paste of rows).
#ifndef VRQ5_STORE_CSV_READER_H_
#define VRQ5_STORE_CSV_READER_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vrq5 {

// Fields of a record beyond these are read and dropped, unless the reader
// is told otherwise.
inline constexpr size_t kCsvMaxFields = 256;

// One record: the line it starts on (1-based) and its fields.
struct CsvRecord {
  int line = 0;
  std::vector<std::string> fields;
};

// Reads comma-separated records: a field ends at a comma or a line end
// (CR LF, LF or CR); a field that begins with a double quote (blanks before
// it allowed) runs to the closing quote, a doubled quote inside standing
// for one, and may hold line ends. A quote that is not closed (before a
// comma or line end) ends its field at the line end, so one stray quote
// cannot swallow the lines after it. Unquoted fields lose their blanks at both
// ends. Fields past `max_fields` are read and dropped.
class CsvReader {
 public:
  explicit CsvReader(std::string_view text);

  void set_max_fields(size_t n) { max_fields_ = n; }

  bool Next(CsvRecord& record);

 private:
  void EndLine(char c);

  // Whether a quoted field that reaches a line end at `from` is closed
  // later: the first lone quote after it (a doubled quote stands for one)
  // must be followed by a comma or a line end, blanks allowed between. The
  // last scan is kept, so a text full of open quotes is still read in
  // linear time: a scan from any line end between its start and the quote
  // it found finds the same quote.
  bool ClosedLater(size_t from);

  // Reads one field; leaves pos_ at the comma or line end after it (or the
  // end of the text).
  void ReadField(std::string& field);

  void ReadPlain(std::string& out);

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  size_t max_fields_ = kCsvMaxFields;
  size_t scan_from_ = std::string_view::npos;
  size_t scan_found_ = std::string_view::npos;
};

// The lines of a text, each without its line end (CR LF, LF or CR); no
// line after a final line end.
std::vector<std::string_view> TextLines(std::string_view text);

// The tab-separated cells of one line as a spreadsheet copies them: a cell
// in double quotes (it held a quote, a tab or a line end) loses them and
// its doubled quotes stand for one; blanks are kept.
std::vector<std::string> TabCells(std::string_view line);

}  // namespace vrq5

#endif  // VRQ5_STORE_CSV_READER_H_
