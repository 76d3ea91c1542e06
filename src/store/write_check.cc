#include "store/write_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>

#include "codec/code_fields.h"
#include "codec/record.h"
#include "codec/tables.h"
#include "codec/text.h"
#include "codec/ui_text.h"
#include "store/entry.h"

namespace vrq5 {

namespace {

// At most this many other rows are named in one finding.
constexpr size_t kRowsNamed = 5;

// The model a write identifies itself as: the selected model option when
// it is one of the four variants, the document's ModelIndex otherwise.
int WriteModelIndex(const Document& doc) {
  return doc.opbModel >= 0 && doc.opbModel < kModelCount ? doc.opbModel
                                                         : doc.ModelIndex;
}

std::string ModelLabel(int model) {
  if (model >= 0 && model < kModelOptionCount) {
    return std::string(ModelName[model]);
  }
  return Fill(UiText("model %1"), {std::to_string(model)});
}

// A number as a person writes it: whole numbers without decimals, others
// with up to ten significant digits.
std::string Number(double v) {
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-infinity" : "infinity";
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.10g", v);
  return buffer;
}

// A frequency or offset in MHz with six decimals (or as it stands when it
// is no finite number).
std::string Mhz(double v) {
  return std::isfinite(v) ? FormatFrequency(v) : Number(v);
}

// A name in double quotes; bytes outside 32..126 are shown as \xNN so that
// they cannot act on the terminal.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 32 && byte <= 126) {
      out += c;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    }
  }
  return out + "\"";
}

std::string_view TrimRight(std::string_view text) {
  size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view()
                                       : text.substr(0, end + 1);
}

// "a", "a and b", "a, b and c", with "and N more" past kRowsNamed.
std::string RowList(const std::vector<std::string>& rows) {
  std::vector<std::string> named(
      rows.begin(), rows.begin() + std::min(rows.size(), kRowsNamed));
  if (rows.size() > kRowsNamed) {
    named.push_back(
        Fill(UiText("%1 more"), {std::to_string(rows.size() - kRowsNamed)}));
  }
  std::string out;
  for (size_t i = 0; i + 1 < named.size(); ++i) {
    out += (i > 0 ? ", " : "") + named[i];
  }
  if (named.size() < 2) return named.empty() ? out : named[0];
  return Fill(UiText("%1 and %2"), {out, named.back()});
}

std::string CodeWithLabel(Field field, int code) {
  std::string label = CodeFieldOf(field).label(code);
  return std::to_string(code) + (label.empty() ? "" : " (" + label + ")");
}

class Checker {
 public:
  Checker(const Document& doc, WriteScope scope)
      : doc_(doc),
        scope_(scope),
        model_option_(doc.opbModel),
        model_(WriteModelIndex(doc)),
        layout_(doc) {
    // The rows as the write lays them out: the bank sizes cut as the
    // bank-table writer cuts them.
    layout_.BankSizesToHex();
    layout_.LayoutMemoryRows();
    defaults_.opbModel = doc.opbModel;
    defaults_.LoadVfoDefaults();
  }

  std::vector<Finding> Run() {
    if (scope_.bank_sizes) CheckBankSizes();
    if (scope_.vfo) {
      for (int band = 0; band < kVfoBands; ++band) CheckBand(band);
    }
    if (scope_.channels) {
      FindBankRepeats();
      for (int slot = 0; slot < kSlotCount; ++slot) {
        if (IsSent(slot)) CheckSlot(slot);
      }
      NoteSummary();
    }
    if (scope_.vfo) VfoNoteSummary();
    return std::move(findings_);
  }

 private:
  void Add(FindingKind kind, std::string_view row, std::string_view field,
           std::string text) {
    findings_.push_back(
        Finding{kind, std::string(row), std::string(field), std::move(text)});
  }

  // A memory write sends an enabled slot whose record holds a frequency; a
  // disabled slot is emptied before it.
  bool IsSent(int slot) const {
    return doc_.MemFlag[slot] == -1 &&
           MhzToHz(doc_.Mem[slot].value[kFreq]) != 0;
  }

  std::string Row(int slot) const {
    return RowName(layout_.SlotLabel(slot), slot);
  }

  static std::string BandRow(int band) {
    return Fill(UiText("VFO %1"), {std::to_string(band)});
  }

  // ----- bank sizes -----

  void CheckBankSizes() {
    int total = 0;
    int labelled = 0;
    for (int b = 0; b < kBankCount; ++b) {
      total += std::max<int>(0, layout_.BankSize[b]);
    }
    for (int slot = 0; slot < kMemoryChannels; ++slot) {
      if (!layout_.SlotLabel(slot).empty()) ++labelled;
    }
    if (!BankSizesFitMemory(doc_)) {
      std::string what =
          total != kMemoryChannels
              ? Fill(UiText("The bank sizes add up to %1, not 1000"),
                     {std::to_string(total)})
              : std::string(
                    UiText("The bank sizes do not label every memory row"));
      Add(FindingKind::kError, UiText("Banks"), UiText("Bank sizes"),
          Fill(UiText("%1: %2 of the 1000 memory rows belong to no bank. A "
                      "memory write is refused (\"Total CH must be 1000\"); a "
                      "bank write would leave those rows of the receiver in "
                      "no bank."),
               {what, std::to_string(kMemoryChannels - labelled)}));
      return;
    }
    // The sizes fit once the write has cut them: name what the cut
    // changes.
    std::vector<std::string> changes;
    int first = -1;
    bool negative = false;
    for (int b = 0; b < kBankCount; ++b) {
      int held = doc_.BankSize[b];
      negative = negative || held < 0;
      if (held == layout_.BankSize[b]) continue;
      if (first < 0) first = b;
      changes.push_back(Fill(UiText("bank %1 with %2 channels instead of %3"),
                             {Pad2(b), std::to_string(layout_.BankSize[b]),
                              std::to_string(held)}));
    }
    if (first < 0) return;
    int positive_total = 0;
    for (int b = 0; b < kBankCount; ++b) {
      positive_total += std::max<int>(0, doc_.BankSize[b]);
    }
    bool over = positive_total > kMemoryChannels;
    const std::string sum = std::to_string(positive_total);
    const std::string sent = RowList(changes);
    std::string text;
    if (negative && over) {
      text = Fill(UiText("A bank size below 0 covers no channel; the bank "
                         "sizes add up to %1, more than 1000; a write cuts "
                         "them to 1000 channels and sends %2."),
                  {sum, sent});
    } else if (over) {
      text = Fill(UiText("The bank sizes add up to %1, more than 1000; a write "
                         "cuts them to 1000 channels and sends %2."),
                  {sum, sent});
    } else if (negative) {
      text = Fill(UiText("A bank size below 0 covers no channel; a write "
                         "sends %1."),
                  {sent});
    } else {
      text = Fill(UiText("; a write sends %1."), {sent});
    }
    Add(FindingKind::kWarning, Fill(UiText("Bank %1"), {Pad2(first)}),
        UiText("Bank sizes"), text);
  }

  // ----- VFO bands -----

  void CheckBand(int band) {
    if (!VfoBandExists(model_, band)) return;
    const Slot& b = doc_.Vfo[band];
    std::string row = BandRow(band);
    double held = b.value[kFreq];
    double sent = HzToMhz(MhzToHz(held));
    switch (VfoFrequencyVerdict(band, model_, sent)) {
      case FrequencyVerdict::kOutOfRange: {
        int column = model_ >= 0 && model_ < kModelCount ? model_ : 0;
        std::string_view range = BandRangeText[column][band];
        if (range.size() > 2) range = range.substr(1, range.size() - 2);
        const std::string mhz = Mhz(held), number = std::to_string(band),
                          model = ModelLabel(model_);
        const std::initializer_list<std::string_view> where = {mhz, number,
                                                               model, range};
        // The model's own default band (band 12 of the VR-Q70E starts
        // below its limits) is what every new document writes.
        if (held == defaults_.Vfo[band].value[kFreq]) {
          Add(FindingKind::kWarning, row, UiText("Frequency"),
              Fill(UiText("%1 MHz is outside band %2 of the %3 (%4), as the "
                          "model's default band is; the edit dialog would "
                          "refuse it, and a write sends it as it is."),
                   where));
          break;
        }
        Add(FindingKind::kError, row, UiText("Frequency"),
            Fill(UiText("%1 MHz is outside band %2 of the %3 (%4); the edit "
                        "dialog refuses it, and a write would send it to the "
                        "receiver as it is."),
                 where));
        break;
      }
      case FrequencyVerdict::kCellular:
        AddCellular(row, held);
        break;
      default:
        CheckWholeHz(row, UiText("Frequency"), held);
        break;
    }
    std::string record = "\r\n" + EncodeVfoBand(b, model_option_);
    CheckCodes(row, b, record, /*with_skip=*/false);
    CheckOffset(row, b.value[kOffset]);
    std::string_view name = TrimRight(b.text[kName]);
    if (!name.empty()) {
      Add(FindingKind::kWarning, row, UiText("Name"),
          Fill(UiText("A VFO band record has no name: a write does not send "
                      "%1, and the clone file does not keep it."),
               {Quoted(name)}));
    }
  }

  // ----- channel slots -----

  void CheckSlot(int slot) {
    const Slot& s = doc_.Mem[slot];
    std::string row = Row(slot);
    double held = s.value[kFreq];
    double sent = HzToMhz(MhzToHz(held));
    switch (MemoryFrequencyVerdict(doc_, slot, model_, sent)) {
      case FrequencyVerdict::kOutOfRange:
        Add(FindingKind::kError, row, UiText("Frequency"),
            Fill(UiText("%1 MHz is outside the range of the %2 (%3 to %4 MHz); "
                        "the edit dialog refuses it, and a write would send "
                        "it to the receiver as it is."),
                 {Mhz(held), ModelLabel(model_), Mhz(kLowestChannelFrequency),
                  Mhz(kHighestChannelFrequency)}));
        break;
      case FrequencyVerdict::kCellular:
        AddCellular(row, held);
        break;
      case FrequencyVerdict::kSearchPassDuplicate: {
        std::vector<std::string> others =
            SameFrequency(slot, kSearchPassFirst, kPriorityFirst);
        if (!others.empty()) {
          Add(FindingKind::kWarning, row, UiText("Frequency"),
              Fill(UiText("%1 MHz is also in %2; the edit dialog refuses the "
                          "same frequency twice in Search Pass bank, and a "
                          "write sends both."),
                   {Mhz(sent), RowList(others)}));
        }
        CheckWholeHz(row, UiText("Frequency"), held);
        break;
      }
      case FrequencyVerdict::kAllowed:
        CheckWholeHz(row, UiText("Frequency"), held);
        break;
    }
    if (KindOfSlot(slot) == SlotKind::kSearchPass) {
      std::vector<std::string> memory = SameFrequency(slot, 0, kMemoryChannels);
      if (!memory.empty()) {
        Add(FindingKind::kWarning, row, UiText("Frequency"),
            Fill(memory.size() > 1
                     ? UiText("%1 MHz is also the frequency of memory "
                              "channels %2, so a search passes over it; a "
                              "write sends both.")
                     : UiText("%1 MHz is also the frequency of memory channel "
                              "%2, so a search passes over it; a write sends "
                              "both."),
                 {Mhz(sent), RowList(memory)}));
      }
    }
    if (slot < kMemoryChannels && !repeats_[slot].empty()) {
      std::vector<std::string> others;
      for (int other : repeats_[slot]) others.push_back(Row(other));
      Add(FindingKind::kWarning, row, UiText("Frequency"),
          Fill(UiText("Bank %1 holds %2 MHz more than once: also in %3; a "
                      "write sends every one of them."),
               {Pad2(layout_.BankOfSlot(slot)), Mhz(sent), RowList(others)}));
    }
    std::string record = "\r\n" + EncodeChannel(s, model_option_);
    CheckCodes(row, s, record, /*with_skip=*/true);
    CheckOffset(row, s.value[kOffset]);
    CheckName(row, s.text[kName], record);
  }

  // The rows of the sent slots in [first, end) other than `slot` whose
  // record holds the frequency of `slot`.
  std::vector<std::string> SameFrequency(int slot, int first, int end) const {
    uint32_t hz = MhzToHz(doc_.Mem[slot].value[kFreq]);
    std::vector<std::string> rows;
    for (int n = first; n < end; ++n) {
      if (n != slot && IsSent(n) && MhzToHz(doc_.Mem[n].value[kFreq]) == hz) {
        rows.push_back(Row(n));
      }
    }
    return rows;
  }

  // For every memory slot the other slots of its bank with its frequency.
  void FindBankRepeats() {
    std::map<std::pair<int, uint32_t>, std::vector<int>> by_bank;
    for (int slot = 0; slot < kMemoryChannels; ++slot) {
      int bank = layout_.BankOfSlot(slot);
      if (bank < 0 || !IsSent(slot)) continue;
      by_bank[{bank, MhzToHz(doc_.Mem[slot].value[kFreq])}].push_back(slot);
    }
    for (const auto& [key, slots] : by_bank) {
      if (slots.size() < 2) continue;
      for (int slot : slots) {
        for (int other : slots) {
          if (other != slot) repeats_[slot].push_back(other);
        }
      }
    }
  }

  void AddCellular(const std::string& row, double held) {
    const auto& range =
        held < BandLimit[2][9][0] ? BandLimit[2][8] : BandLimit[2][9];
    Add(FindingKind::kError, row, UiText("Frequency"),
        Fill(UiText("%1 MHz lies in a cellular phone band (%2 to %3 MHz) that "
                    "the %4 does not receive; the edit dialog refuses it, and "
                    "a write would send it to the receiver as it is."),
             {Mhz(held), Mhz(range[0]), Mhz(range[1]), ModelLabel(model_)}));
  }

  void CheckWholeHz(const std::string& row, std::string_view field,
                    double held) {
    double sent = HzToMhz(MhzToHz(held));
    if (sent == held) return;
    Add(FindingKind::kWarning, row, field,
        Fill(UiText("%1 %2 MHz is not a whole number of Hz; a write sends %3 "
                    "MHz."),
             {field, Number(held), Mhz(sent)}));
  }

  void CheckOffset(const std::string& row, double held) {
    double sent = HzToMhz(MhzToHz(held));
    if (sent == held) return;
    if (std::fabs(sent - held) < 1e-6) {
      CheckWholeHz(row, UiText("Offset"), held);
      return;
    }
    Add(FindingKind::kError, row, UiText("Offset"),
        Fill(UiText("Offset %1 MHz does not fit the record (0 to 4294.967295 "
                    "MHz); a write sends %2 MHz."),
             {Number(held), Mhz(sent)}));
  }

  // The one-byte codes: what the record carries against what the document
  // holds, and what the record reads back as.
  void CheckCodes(const std::string& row, const Slot& s,
                  const std::string& record, bool with_skip) {
    Slot back;
    if (with_skip) {
      DecodeChannel(record, back);
    } else {
      DecodeVfoBand(record, back);
    }
    for (const CodeField& code : kCodeFields) {
      if (code.field == kSkip && !with_skip) continue;
      double held = s.value[code.field];
      int sent = HexByteAt(record, 3 + 2 * static_cast<size_t>(code.byte));
      int read_back = static_cast<int>(back.value[code.field]);
      // A held code equal to the sent byte is whole and within 0..255.
      if (held == sent && sent <= code.highest) continue;
      Add(FindingKind::kError, row, std::string(code.name),
          CodeFinding(code, held, sent, read_back));
    }
  }

  // What a write makes of a code the record cannot carry as held.
  std::string CodeFinding(const CodeField& code, double held, int sent,
                          int read_back) const {
    bool whole = std::isfinite(held) && held == std::floor(held);
    bool fits = whole && held >= 0 && held <= 255;
    if (code.field == kOption && fits && sent == 0 &&
        (held == 1 || held == 4)) {
      // Only the VR-Q5J has the train option, only the VR-Q70E the
      // secret option.
      return Fill(
          UiText("Option %1 (code %2) exists only on the %3; a write "
                 "to the %4 sends OFF, so the receiver gets no "
                 "option."),
          {CodeFieldOf(kOption).label(static_cast<int>(held)), Number(held),
           ModelLabel(held == 1 ? 0 : 1), ModelLabel(model_option_)});
    }
    const std::string number = Number(held);
    std::string what =
        fits    ? Fill(UiText("%1 code %2 is outside 0..%3"),
                       {code.name, number, std::to_string(code.highest)})
        : whole ? Fill(UiText("%1 code %2 does not fit the record's one byte"),
                       {code.name, number})
                : Fill(UiText("%1 code %2 is not a whole number"),
                       {code.name, number});
    const std::string sends = fits && held == sent
                                  ? std::string(UiText("it"))
                                  : CodeWithLabel(code.field, sent);
    if (read_back != sent) {
      return Fill(UiText("%1; a write sends %2, which reads back as %3."),
                  {what, sends, CodeWithLabel(code.field, read_back)});
    }
    return Fill(UiText("%1; a write sends %2."), {what, sends});
  }

  void CheckName(const std::string& row, const std::string& name,
                 const std::string& record) {
    std::string back = HexToName(Mid(record, 3 + 2 * 26, 12));
    std::string_view held = TrimRight(name);
    std::string_view kept = TrimRight(back);
    if (held == kept) return;
    bool too_long = held.size() > 6;
    bool odd = std::any_of(held.begin(), held.end(), [](char c) {
      auto byte = static_cast<unsigned char>(c);
      return byte < 32 || byte > 126;
    });
    std::string_view what = UiText("changes");
    if (too_long && odd) {
      what = UiText(
          "is longer than 6 characters and has characters outside the codes "
          "32 to 126, which the receiver shows as blanks");
    } else if (too_long) {
      what = UiText("is longer than 6 characters");
    } else if (odd) {
      what = UiText(
          "has characters outside the codes 32 to 126, which the receiver "
          "shows as blanks");
    }
    Add(FindingKind::kWarning, row, UiText("Name"),
        Fill(UiText("Name %1 %2; a write sends it as %3."),
             {Quoted(held), what, Quoted(kept)}));
  }

  // ----- notes -----

  void NoteSummary() {
    std::vector<std::string> rows;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      if (IsSent(slot) && !doc_.Mem[slot].text[kNote].empty()) {
        rows.push_back(Row(slot));
      }
    }
    AddNotes(rows, /*bands=*/false);
  }

  void VfoNoteSummary() {
    std::vector<std::string> rows;
    for (int band = 0; band < kVfoBands; ++band) {
      if (VfoBandExists(model_, band) && !doc_.Vfo[band].text[kNote].empty()) {
        rows.push_back(BandRow(band));
      }
    }
    AddNotes(rows, /*bands=*/true);
  }

  void AddNotes(const std::vector<std::string>& rows, bool bands) {
    if (rows.empty()) return;
    if (rows.size() == 1) {
      Add(FindingKind::kWarning, rows[0], UiText("Note"),
          Fill(UiText("The receiver keeps no notes: a write does not send the "
                      "note of this %1; it stays in the clone file only, and "
                      "a read from the receiver brings it back empty."),
               {bands ? UiText("VFO band") : UiText("channel")}));
      return;
    }
    const std::string count = std::to_string(rows.size());
    const std::initializer_list<std::string_view> values = {count, rows.front(),
                                                            rows.back()};
    Add(FindingKind::kWarning, bands ? UiText("VFO") : UiText("Channels"),
        UiText("Note"),
        bands ? Fill(UiText("%1 VFO bands have notes (%2 to %3); the receiver "
                            "keeps no notes: a write does not send them, they "
                            "stay in the clone file only, and a read from the "
                            "receiver brings them back empty."),
                     values)
              : Fill(UiText("%1 channels have notes (%2 to %3); the receiver "
                            "keeps no notes: a write does not send them, they "
                            "stay in the clone file only, and a read from the "
                            "receiver brings them back empty."),
                     values));
  }

  const Document& doc_;
  WriteScope scope_;
  int model_option_;
  int model_;
  Document layout_;
  Document defaults_;  // for the model's default VFO bands
  std::array<std::vector<int>, kMemoryChannels> repeats_;
  std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> CheckBeforeWrite(const Document& doc, WriteScope scope) {
  return Checker(doc, scope).Run();
}

bool HasError(const std::vector<Finding>& findings) {
  return CountFindings(findings, FindingKind::kError) > 0;
}

int CountFindings(const std::vector<Finding>& findings, FindingKind kind) {
  return static_cast<int>(
      std::count_if(findings.begin(), findings.end(),
                    [kind](const Finding& f) { return f.kind == kind; }));
}

std::string_view FindingKindName(FindingKind kind) {
  return kind == FindingKind::kError ? UiText("error") : UiText("warning");
}

std::string FindingLine(const Finding& finding) {
  std::string line;
  auto column = [&line](std::string_view text, size_t width) {
    line += text;
    line.append(text.size() < width ? width - text.size() : 1, ' ');
  };
  column(FindingKindName(finding.kind), 8);
  column(finding.row, 9);
  column(finding.field, 12);
  line += finding.text;
  return line;
}

std::string FindingCountLine(const std::vector<Finding>& findings) {
  const int errors = CountFindings(findings, FindingKind::kError);
  const int warnings = CountFindings(findings, FindingKind::kWarning);
  return Fill(
      errors == 1 ? UiText("%1 error, %2") : UiText("%1 errors, %2"),
      {std::to_string(errors),
       Fill(warnings == 1 ? UiText("%1 warning") : UiText("%1 warnings"),
            {std::to_string(warnings)})});
}

}  // namespace vrq5
