#include "files/csv.h"

#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "codec/blank.h"
#include "codec/tables.h"
#include "codec/text.h"
#include "store/slot_text.h"

namespace vrq5 {

// ---------------------------------------------------------------- export

namespace {

// A quote inside the text is written twice, as spreadsheets write it, so
// that the field reads back whole.
void Quoted(std::string& out, std::string_view text) {
  out += '"';
  for (size_t at; (at = text.find('"')) != std::string_view::npos;) {
    out += text.substr(0, at + 1);
    out += '"';
    text.remove_prefix(at + 1);
  }
  out += text;
  out += '"';
}

void ChannelRecord(std::string& out, std::string_view section,
                   std::string_view channel, const Slot& slot) {
  Quoted(out, "VR-Q5");
  out += ',';
  Quoted(out, section);
  out += ',';
  Quoted(out, channel);
  for (int f = 0; f < kVfoFieldCount; ++f) {
    out += ',';
    Quoted(out, f == kNote ? NoteText(slot.text[f]) : slot.text[f]);
  }
}

}  // namespace

std::string CsvText(const Document& doc) {
  std::string out;
  out.reserve(size_t{256} * 1024);
  out +=
      "\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\",\"MODE\",\"STEP\","
      "\"OPTION\",\"SECRET\",\"TRAIN\",\"TONE\",\"SHIFT\",\"SHIFT "
      "FREQUENCY\",\"NOTES\",\"NAME\",\"SKIP\",\"ENABLE\"\r\n";
  for (int b = 0; b < kVfoBands; ++b) {
    ChannelRecord(out, "VFO", std::to_string(b), doc.Vfo[b]);
    out += ",\"#FALSE#\",\"#TRUE#\"\r\n";
  }
  for (int s = 0; s < kSlotCount; ++s) {
    ChannelRecord(out, CsvSection(KindOfSlot(s)), CsvChannel(s), doc.Mem[s]);
    out += doc.Mem[s].value[kSkip] != 0 ? ",\"#TRUE#\"" : ",\"#FALSE#\"";
    out += doc.MemFlag[s] == -1 ? ",#TRUE#\r\n" : ",#FALSE#\r\n";
  }
  for (int b = 0; b < kBankCount; ++b) {
    out += "\"VR-Q5\",\"BANK AMOUNT\",\"" + std::to_string(b) + "\",";
    Quoted(out, doc.txtBank[b]);
    out += "\r\n";
  }
  for (int i = 0; i < 550; ++i) {
    out += "\"VR-Q5\",\"GROUP\",\"" + std::to_string(i) + "\"," +
           std::to_string(doc.chkGrp[i]) + "\r\n";
  }
  return out;
}

FileStatus ExportCsv(const Document& doc, const std::string& path,
                     std::string* reason) {
  if (path.empty()) return FileStatus::kCancelled;
  return WriteFileAtomically(path, CsvText(doc), reason)
             ? FileStatus::kOk
             : FileStatus::kFileOpenError;
}

// ---------------------------------------------------------------- import

namespace {

// One input field: a text, or an unquoted #TRUE# / #FALSE#. The text is a
// view into the file's text.
struct Field {
  std::string_view text;
  bool is_truth = false;
  bool truth = false;
};

// Reads comma-separated fields as one stream: a field ends at a comma or a
// line end (CR LF, LF or CR); a field that begins with a double quote runs
// to the next double quote, the quotes removed, and whatever follows up to
// the next comma or line end is dropped (two quotes in a row inside it
// stand for one quote); blanks around an unquoted field are dropped.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  // Reads the next field; false at the end of the text.
  bool Next(Field& field) {
    if (AtEnd()) return false;
    field.is_truth = false;
    field.truth = false;
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '"') {
      size_t from = pos_ + 1;
      size_t close = text_.find('"', from);
      if (DoubledQuoteAt(close)) {
        std::string value;
        while (DoubledQuoteAt(close)) {
          value += text_.substr(from, close + 1 - from);
          from = close + 2;
          close = text_.find('"', from);
        }
        if (close == std::string_view::npos) close = text_.size();
        value += text_.substr(from, close - from);
        unquoted_.push_back(std::move(value));
        field.text = unquoted_.back();
      } else {
        if (close == std::string_view::npos) close = text_.size();
        field.text = text_.substr(from, close - from);
      }
      pos_ = close + 1;
      SkipToDelimiter();
      return true;
    }
    size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' &&
           !IsLineEnd(text_[pos_])) {
      ++pos_;
    }
    std::string_view raw = text_.substr(start, pos_ - start);
    raw = TrimEnd(raw);
    ConsumeDelimiter();
    if (raw == "#TRUE#" || raw == "#FALSE#") {
      field.is_truth = true;
      field.truth = raw == "#TRUE#";
    }
    field.text = raw;
    return true;
  }

 private:
  bool DoubledQuoteAt(size_t at) const {
    return at != std::string_view::npos && at + 1 < text_.size() &&
           text_[at + 1] == '"';
  }

  void SkipToDelimiter() {
    while (pos_ < text_.size() && text_[pos_] != ',' &&
           !IsLineEnd(text_[pos_])) {
      ++pos_;
    }
    ConsumeDelimiter();
  }

  void ConsumeDelimiter() {
    if (pos_ >= text_.size()) return;
    char c = text_[pos_++];
    if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  }

  std::string_view text_;
  size_t pos_ = 0;
  // Fields with doubled quotes, made whole (the views stay valid).
  std::deque<std::string> unquoted_;
};

// A field that must be a whole number: empty is 0, a truth value is -1 or
// 0, otherwise the text must be a number and nothing else, within the
// 16-bit range; halves round to even.
std::optional<int> WholeNumber(const Field& field) {
  if (field.is_truth) return field.truth ? -1 : 0;
  std::string_view t = field.text;
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
    t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
    t.remove_suffix(1);
  if (t.empty()) return 0;
  for (char c : t) {
    bool numeric = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' ||
                   c == 'E' || c == 'e' || c == ' ';
    if (!numeric) return std::nullopt;
  }
  double r = RoundHalfEven(Val(t));
  if (r < -32768 || r > 32767) return std::nullopt;
  return static_cast<int>(r);
}

int Whole(double value) {
  return static_cast<int>(RoundToRange(value, -2147483647, 2147483647));
}

// A section's slot from a number n: n + base for 0..99, n itself inside
// the section's own slots.
int SectionSlot(double value, int first) {
  int n = Whole(value);
  if (n >= 0 && n <= 99) return first + n;
  if (n >= first && n <= first + 99) return n;
  return -1;
}

bool StartsWithDigit(std::string_view t) {
  return !t.empty() && t[0] >= '0' && t[0] <= '9';
}

// Writes fields 0..10 of a channel or band record into `s`, or returns
// false (leaving `s` untouched) when the record is to be skipped. Import
// reads every text upper-cased, so the note and the name come in so.
bool BuildRecord(const std::array<std::string_view, 11>& f, Slot& s) {
  if (!SlotFromTexts(f, s)) return false;
  // In place: every record of a file passes here.
  for (int field : {kNote, kName}) {
    for (char& c : s.text[field]) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return true;
}

enum class Section { kVfo, kMemory, kProgramScan, kSearchPass, kPriority };

// The section a record names, if it holds a slot.
std::optional<Section> SectionOf(std::string_view section) {
  static constexpr std::pair<std::string_view, Section> kSections[] = {
      {"VFO", Section::kVfo},
      {"MEMORY", Section::kMemory},
      {"PROGRAM SCAN", Section::kProgramScan},
      {"SEARCH PASS", Section::kSearchPass},
      {"PRIORITY", Section::kPriority},
  };
  for (const auto& [name, kind] : kSections) {
    if (EqualsUpper(section, name)) return kind;
  }
  return std::nullopt;
}

// The slot (or VFO band) a record's channel field names, or -1.
int TargetOf(Section kind, const std::string& channel) {
  double number = Val(channel);
  switch (kind) {
    case Section::kVfo:
      return number >= 0 && number <= 13 ? Whole(number) : -1;
    case Section::kMemory:
      return number >= 0 && number <= 999 ? Whole(number) : -1;
    case Section::kProgramScan:
      return ProgramScanSlot(channel);
    case Section::kSearchPass:
      return SearchPassSlot(channel);
    case Section::kPriority:
      return PrioritySlot(channel);
  }
  return -1;
}

// The rest of a BANK AMOUNT (`bank`) or GROUP record: its number and value.
// False on a fault that ends the import.
bool ReadSizeOrGroup(Document* doc, FieldReader& in, bool bank) {
  Field field;
  if (!in.Next(field)) return false;
  auto number = WholeNumber(field);
  if (!number) return false;
  if (*number < 0 || *number > (bank ? 49 : 549)) return true;
  if (!in.Next(field)) return false;
  auto value = WholeNumber(field);
  if (!value) return false;
  if (doc == nullptr) return true;
  if (bank) {
    doc->txtBank[*number] = std::to_string(*value);
    doc->BankSizeText[*number] = doc->txtBank[*number];
  } else {
    doc->chkGrp[*number] = *value == 1 ? 1 : 0;
  }
  return true;
}

// The rest of a channel or band record of section `kind`. False on a fault
// that ends the import.
bool ReadSlotRecord(Document* doc, FieldReader& in, Section kind) {
  Field field;
  if (!in.Next(field)) return false;
  std::string channel = ToUpperAscii(field.text);
  if (channel.empty()) return true;
  int target = TargetOf(kind, channel);
  if (target < 0) return true;

  std::array<std::string_view, 11> texts;
  for (auto& t : texts) {
    if (!in.Next(field)) return false;
    t = field.text;
  }
  Field skip, enable;
  if (!in.Next(skip) || !in.Next(enable)) return false;
  bool skip_set = (skip.is_truth && skip.truth) ||
                  (!skip.is_truth && skip.text == "#TRUE#");
  bool enabled = enable.is_truth && enable.truth;

  if (doc == nullptr) return true;
  Slot& slot = kind == Section::kVfo ? doc->Vfo[target] : doc->Mem[target];
  if (!BuildRecord(texts, slot)) return true;
  if (kind == Section::kVfo) return true;
  slot.value[kSkip] = skip_set ? 1 : 0;
  if (skip_set) slot.text[kSkip] = "*";
  doc->MemFlag[target] = enabled ? -1 : 0;
  return true;
}

// Reads every record and merges it into `doc`; with no document only
// checks that the text can be imported. False on a fault that ends the
// import (which depends on the text alone, so a check that passes means
// the merge cannot fail part-way).
bool ReadRecords(Document* doc, FieldReader& in) {
  Field field;
  while (in.Next(field)) {
    if (field.is_truth || field.text != "VR-Q5") continue;
    if (!in.Next(field)) return false;
    std::string_view section = field.text;
    bool read = true;
    if (EqualsUpper(section, "BANK AMOUNT")) {
      read = ReadSizeOrGroup(doc, in, true);
    } else if (EqualsUpper(section, "GROUP")) {
      read = ReadSizeOrGroup(doc, in, false);
    } else if (auto kind = SectionOf(section)) {
      read = ReadSlotRecord(doc, in, *kind);
    }
    if (!read) return false;
  }
  return true;
}

}  // namespace

int ProgramScanSlot(std::string_view text) {
  if (text.empty()) return -1;
  if (text[0] == 'P') {
    int n = Whole(Val(text.substr(1)));
    char last = text.back();
    if (last == 'A' || last == 'B') {
      if (n < 0 || n > 49) return -1;
      return kProgramScanFirst + 2 * n + (last == 'B' ? 1 : 0);
    }
    return SectionSlot(n, kProgramScanFirst);
  }
  if (StartsWithDigit(text)) return SectionSlot(Val(text), kProgramScanFirst);
  return -1;
}

int SearchPassSlot(std::string_view text) {
  if (!StartsWithDigit(text)) return -1;
  return SectionSlot(Val(text), kSearchPassFirst);
}

int PrioritySlot(std::string_view text) {
  if (!StartsWithDigit(text)) return -1;
  return SectionSlot(Val(text), kPriorityFirst);
}

FileStatus ImportCsvText(Document& doc, std::string_view text) {
  // The whole text is read once without merging, so that a fault part-way
  // leaves the document as it was, and only then merged.
  FieldReader check(text);
  if (!ReadRecords(nullptr, check)) return FileStatus::kFileOpenError;
  FieldReader in(text);
  ReadRecords(&doc, in);
  // The bank sizes read are clipped as an open clips them (the running
  // total stops at 1000, a negative size is 0), so that a save holds what
  // the boxes show and no saved bank table adds up to more than 1000.
  doc.ShowBankSizes();
  doc.BankSizesToHex();
  doc.LayoutMemoryRows();
  doc.RefillMemory();
  doc.CurrentFileName.clear();
  doc.DataChanged = 0;
  return FileStatus::kOk;
}

FileStatus ImportCsv(Document& doc, const std::string& path) {
  if (path.empty()) return FileStatus::kCancelled;
  // An export is about 200 KB; a file far larger is not one.
  constexpr size_t kMaxImport = 64u << 20;
  std::string text;
  bool truncated = false;
  if (!ReadFileHead(path, kMaxImport, text, truncated) || truncated) {
    return FileStatus::kFileOpenError;
  }
  return ImportCsvText(doc, text);
}

}  // namespace vrq5
