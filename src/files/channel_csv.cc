#include "files/channel_csv.h"

#include <cmath>
#include <optional>
#include <utility>

#include "codec/blank.h"
#include "codec/text.h"
#include "codec/ui_text.h"
#include "files/channel_fields.h"
#include "store/csv_reader.h"
#include "store/entry.h"

namespace vrq5 {

namespace {

using channel_list::BlankRecord;
using channel_list::ChannelBuilder;
using channel_list::ExportFields;
using channel_list::Header;
using channel_list::kColFrequency;
using channel_list::kColLocation;
using channel_list::kExportColumns;
using channel_list::Number;
using channel_list::ReadHeader;
using channel_list::Shown;

// A channel list holds at most a few hundred kilobytes.
constexpr size_t kMaxImport = 16u << 20;
// The report shows this many lines; the counts stay exact.
constexpr size_t kMaxNotes = 5000;

// A field, quoted when it holds a comma, a quote, a line end or blanks at
// either end; quotes inside are doubled.
void AppendField(std::string& out, std::string_view text) {
  bool quote = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
  for (char c : text) {
    if (c == ',' || c == '"' || IsLineEnd(c)) quote = true;
  }
  if (!quote) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

// ---------------------------------------------------------------- export

std::string ChannelCsvText(const Document& doc, const NoteToUtf8Fn& to_utf8) {
  std::string out(kChannelCsvHeader);
  out += "\r\n";
  for (int s = 0; s < kMemoryChannels; ++s) {
    const Slot& slot = doc.Mem[s];
    if (doc.MemFlag[s] != -1 || !SlotHoldsChannel(slot)) continue;
    std::array<std::string, kExportColumns> f = ExportFields(s, slot, to_utf8);
    for (size_t i = 0; i < f.size(); ++i) {
      if (i > 0) out += ',';
      AppendField(out, f[i]);
    }
    out += "\r\n";
  }
  return out;
}

FileStatus ExportChannelCsv(const Document& doc, const std::string& path,
                            const NoteToUtf8Fn& to_utf8, std::string* reason) {
  if (path.empty()) return FileStatus::kCancelled;
  return WriteFileAtomically(path, ChannelCsvText(doc, to_utf8), reason)
             ? FileStatus::kOk
             : FileStatus::kFileOpenError;
}

// ---------------------------------------------------------------- import

namespace {

class Report {
 public:
  explicit Report(ChannelCsvResult& result) : result_(result) {}

  void Add(ChannelCsvNote note) {
    if (result_.notes.size() < kMaxNotes) {
      result_.notes.push_back(std::move(note));
    } else {
      ++hidden_;
    }
  }

  void Finish() {
    if (hidden_ == 0) return;
    ChannelCsvNote note;
    note.field = UiText("File");
    note.text = Fill(UiText("%1 more report lines not shown"),
                     {std::to_string(hidden_)});
    result_.notes.push_back(std::move(note));
  }

 private:
  ChannelCsvResult& result_;
  size_t hidden_ = 0;
};

// The memory slots an import may fill, in row order.
std::vector<int> TargetSlots(const RowLayout& rows,
                             const ChannelCsvTarget& target) {
  std::vector<int> slots;
  if (target.bank >= 0) {
    for (int s = 0; s < kMemoryChannels; ++s) {
      if (rows.bank[s] == target.bank) slots.push_back(s);
    }
  } else {
    for (int s = target.first_row; s < kMemoryChannels; ++s) {
      slots.push_back(s);
    }
  }
  return slots;
}

std::string RowName(const RowLayout& rows, int slot) {
  return vrq5::RowName(rows.label[slot], slot);
}

ChannelCsvResult Refused(int line, std::string field, std::string text) {
  ChannelCsvResult result;
  result.status = FileStatus::kDataError;
  ChannelCsvNote note;
  note.line = line;
  note.field = std::move(field);
  note.text = std::move(text);
  result.notes.push_back(std::move(note));
  return result;
}

// Why a target names no rows, or nothing when it names some.
std::optional<std::string> TargetProblem(const ChannelCsvTarget& target) {
  if (target.by_location) return std::nullopt;
  if (target.bank >= kBankCount) {
    return Fill(UiText("bank %1 is not a bank (0 to 49)"),
                {std::to_string(target.bank)});
  }
  if (target.bank < 0 &&
      (target.first_row < 0 || target.first_row >= kMemoryChannels)) {
    return Fill(UiText("row %1 is not a memory row (0 to 999)"),
                {std::to_string(target.first_row)});
  }
  return std::nullopt;
}

// One import: the lines after the header are read one at a time, and the
// channels are collected and written once the whole list is read, so the
// document changes only as a whole.
class Import {
 public:
  Import(Document& doc, const ChannelCsvTarget& target, const Header& header)
      : doc_(doc),
        target_(target),
        header_(header),
        rows_(LayoutOfBoxes(doc.txtBank)),
        slots_(target.by_location ? std::vector<int>()
                                  : TargetSlots(rows_, target)),
        taken_by_(target.by_location ? kMemoryChannels : 0, 0),
        report_(result_) {}

  void Line(const CsvRecord& record) {
    ChannelBuilder channel(header_, record);
    line_ = record.line;
    std::string why;
    auto mhz = channel.Frequency(why);
    if (!mhz) {
      LeftOut(UiText("Frequency"), why);
      return;
    }
    int slot = -1;
    if (target_.by_location) {
      if (!SlotOfLocation(channel.Get(kColLocation), slot)) return;
    } else if (next_ < slots_.size()) {
      slot = slots_[next_];
    }
    if (!FrequencyAllowed(channel, slot, *mhz)) return;
    if (slot < 0) {
      LeftOut(UiText("Row"),
              target_.bank >= 0
                  ? Fill(UiText("no row left in bank %1"), {Pad2(target_.bank)})
                  : std::string(UiText("no memory row left after 999")));
      return;
    }
    ++next_;
    if (target_.by_location) taken_by_[slot] = line_;
    Take(channel, slot, *mhz);
  }

  ChannelCsvResult Finish() {
    report_.Finish();
    if (result_.imported > 0) {
      for (auto& [slot, channel] : written_) {
        doc_.Mem[slot] = std::move(channel);
        doc_.MemFlag[slot] = -1;
      }
      doc_.LayoutMemoryRows();
      doc_.RefillMemory();
      doc_.DataChanged = -1;
    }
    return std::move(result_);
  }

 private:
  void LeftOut(std::string_view field, std::string_view why) {
    ChannelCsvNote note;
    note.line = line_;
    note.field = std::string(field);
    note.text = Fill(UiText("left out: %1"), {why});
    note.row_left_out = true;
    report_.Add(std::move(note));
    ++result_.left_out;
  }

  // The memory slot a line's Location names, when it is one and free.
  bool SlotOfLocation(std::string_view location, int& slot) {
    auto n = Number(location);
    if (!n || *n != std::floor(*n) || *n < 0 || *n >= kMemoryChannels) {
      LeftOut(UiText("Location"),
              location.empty()
                  ? std::string(UiText("no Location (a memory slot 0 to 999)"))
                  : Fill(UiText("Location %1 is not a memory slot (0 to 999)"),
                         {Shown(location)}));
      return false;
    }
    slot = static_cast<int>(*n);
    if (taken_by_[slot] != 0) {
      LeftOut(UiText("Location"),
              Fill(UiText("Location %1 is taken by line %2"),
                   {std::to_string(slot), std::to_string(taken_by_[slot])}));
      return false;
    }
    return true;
  }

  bool FrequencyAllowed(const ChannelBuilder& channel, int slot, double mhz) {
    switch (MemoryFrequencyVerdict(doc_, slot < 0 ? 0 : slot, doc_.ModelIndex,
                                   mhz)) {
      case FrequencyVerdict::kAllowed:
        return true;
      case FrequencyVerdict::kCellular:
        LeftOut(UiText("Frequency"),
                Fill(UiText("%1 MHz lies in a cellular band the VR-Q70T does "
                            "not receive"),
                     {FormatFrequency(mhz)}));
        return false;
      default:
        LeftOut(UiText("Frequency"),
                Fill(UiText("%1 MHz is outside the receiver's 0.1 to 1299.995 "
                            "MHz"),
                     {Shown(channel.Get(kColFrequency))}));
        return false;
    }
  }

  void Take(ChannelBuilder& channel, int slot, double mhz) {
    Slot s = doc_.Mem[slot];
    channel.Fill(s);
    s.value[kFreq] = mhz;
    s.text[kFreq] = FormatFrequency(mhz);
    written_.emplace_back(slot, std::move(s));
    ++result_.imported;
    if (!channel.changes().empty()) ++result_.changed;
    for (auto& [field, change] : channel.changes()) {
      ChannelCsvNote note;
      note.line = line_;
      note.row = RowName(rows_, slot);
      note.field = std::move(field);
      note.text = std::move(change);
      report_.Add(std::move(note));
    }
  }

  Document& doc_;
  const ChannelCsvTarget& target_;
  const Header& header_;
  const RowLayout rows_;  // the rows follow the bank boxes
  const std::vector<int> slots_;
  std::vector<int> taken_by_;  // by location: the line that took each slot
  std::vector<std::pair<int, Slot>> written_;
  size_t next_ = 0;
  int line_ = 0;
  ChannelCsvResult result_;
  Report report_;
};

}  // namespace

ChannelCsvResult ImportChannelCsvText(Document& doc, std::string_view text,
                                      const ChannelCsvTarget& target) {
  if (auto problem = TargetProblem(target)) {
    return Refused(0, std::string(UiText("Row")), std::move(*problem));
  }

  CsvReader in(text);
  CsvRecord record;
  std::optional<Header> header;
  while (in.Next(record)) {
    if (BlankRecord(record)) continue;
    header = ReadHeader(record);
    if (!header) {
      return Refused(record.line, std::string(UiText("File")),
                     std::string(UiText(
                         "no header line naming the columns (Location, Name, "
                         "Frequency, ...) before the channels")));
    }
    break;
  }
  if (!header) {
    return Refused(0, std::string(UiText("File")),
                   std::string(UiText("no header line and no channels")));
  }
  in.set_max_fields(header->width);

  Import import(doc, target, *header);
  while (in.Next(record)) {
    if (!BlankRecord(record)) import.Line(record);
  }
  return import.Finish();
}

ChannelCsvResult ImportChannelCsv(Document& doc, const std::string& path,
                                  const ChannelCsvTarget& target) {
  std::string text;
  bool truncated = false;
  if (path.empty() || !ReadFileHead(path, kMaxImport, text, truncated) ||
      truncated) {
    ChannelCsvResult result =
        Refused(0, std::string(UiText("File")),
                std::string(truncated ? UiText("larger than any channel list")
                                      : UiText("cannot be read")));
    result.status = FileStatus::kFileOpenError;
    return result;
  }
  return ImportChannelCsvText(doc, text, target);
}

std::string ChannelCsvNoteLine(const ChannelCsvNote& note) {
  const std::string line = std::to_string(note.line);
  if (!note.row.empty()) {
    return Fill(UiText("%1 (line %2) %3: %4"),
                {note.row, line, note.field, note.text});
  }
  if (note.line > 0) {
    return Fill(UiText("line %1 %2: %3"), {line, note.field, note.text});
  }
  return Fill(UiText("%1: %2"), {note.field, note.text});
}

std::string ChannelCsvCountLine(const ChannelCsvResult& result) {
  return Fill(UiText("%1 imported, %2 changed, %3 left out"),
              {std::to_string(result.imported), std::to_string(result.changed),
               std::to_string(result.left_out)});
}

}  // namespace vrq5
