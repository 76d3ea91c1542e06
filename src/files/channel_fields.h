// The fields of the common channel-list layout (CHIRP's CSV) against a
// slot: the columns the import reads, a record turned into a slot with a
// note for every value moved to the nearest one the receiver admits, and
// the fields an export writes.
#ifndef VRQ5_FILES_CHANNEL_FIELDS_H_
#define VRQ5_FILES_CHANNEL_FIELDS_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "codec/record.h"
#include "codec/text.h"
#include "files/channel_csv.h"
#include "store/csv_reader.h"

namespace vrq5::channel_list {

// The columns the import reads.
enum Column {
  kColLocation,
  kColName,
  kColFrequency,
  kColDuplex,
  kColOffset,
  kColTone,
  kColRTone,
  kColCTone,
  kColMode,
  kColTStep,
  kColSkip,
  kColComment,
  kColumnCount
};

// Where each column stands in the header record (-1: absent).
struct Header {
  std::array<int, kColumnCount> index;
  size_t width = 0;  // fields a data record needs
};

// The columns of a header record, or nothing when it names no Frequency.
std::optional<Header> ReadHeader(const CsvRecord& record);
// A record whose fields are all blank.
bool BlankRecord(const CsvRecord& record);
// A number and nothing else (blanks around it allowed); no infinities.
std::optional<double> Number(std::string_view text);
// A text shown in a report, in UTF-8: at most 40 characters; control
// characters and bytes that are not UTF-8 as "?".
std::string Shown(std::string_view text);

// One data record turned into a slot, with what changed.
class ChannelBuilder {
 public:
  ChannelBuilder(const Header& header, const CsvRecord& record)
      : header_(header), record_(record) {}

  std::string_view Get(Column c) const;
  std::string Upper(Column c) const { return ToUpperAscii(Get(c)); }

  // The frequency in MHz (whole Hz), or nothing with `why` set.
  std::optional<double> Frequency(std::string& why);

  void Fill(Slot& s);

  std::vector<std::pair<std::string, std::string>>& changes();

 private:
  void Change(std::string field, std::string text);
  int ModeCode();
  int StepCode();
  // The option and tone code from Tone, rToneFreq and cToneFreq.
  std::pair<int, int> ToneCodes();

  // The shift direction and offset (MHz, whole Hz).
  std::pair<int, double> Shift();

  int SkipFlag();

  // The name as the decoder gives it: six characters, blanks after it.
  std::string Name();

  std::string Note();

  const Header& header_;
  const CsvRecord& record_;
  std::vector<std::pair<std::string, std::string>> changes_;
};

// The fields of the layout's columns for memory slot `slot`.
inline constexpr size_t kExportColumns = 18;
std::array<std::string, kExportColumns> ExportFields(
    int slot, const Slot& content, const NoteToUtf8Fn& to_utf8);

}  // namespace vrq5::channel_list

#endif  // VRQ5_FILES_CHANNEL_FIELDS_H_
