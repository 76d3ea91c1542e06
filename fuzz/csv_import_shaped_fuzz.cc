// A CSV import of well-shaped records: channel, VFO, bank-size and group
// records of every section, whose channel numbers and fields (frequencies,
// mode, step, option, tone, shift texts, notes, names, skip and enable
// marks) come from the fuzzer's bytes, quoted or not, with any line ending;
// now and then a record cut short or a number that is not one. The import
// goes into a document that already holds channels, notes, bank sizes and
// groups. It checks that a refused import leaves that document exactly as
// it was, that every channel an import leaves reads back from its record
// as it is (so a save keeps it), that the bank sizes stay within the
// memory, and, for one input in eight, that the export imported into a new
// document gives the same document.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "codec/tables.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "fuzz_input.h"

namespace {

using vrq5::fuzz::FuzzInput;
using vrq5::fuzz::Require;

// A record of 32 bytes with the given frequency, mode, step and name.
std::string Record(uint32_t hz, int mode, int step, std::string_view name) {
  std::string digits;
  auto byte = [&](int b) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    digits += kDigits[(b >> 4) & 15];
    digits += kDigits[b & 15];
  };
  for (int i = 0; i < 4; ++i) byte(static_cast<int>(hz >> (8 * i)) & 0xFF);
  byte(mode);
  byte(step);
  for (int i = 6; i < 26; ++i) byte(i == 12 ? 8 : 0);
  for (int i = 0; i < 6; ++i) {
    byte(i < static_cast<int>(name.size()) ? name[i] : 0);
  }
  return "\r\n" + digits;
}

// The document imports go into: channels with notes in three banks, the
// program-scan, search-pass and priority areas, bank sizes other than the
// defaults, groups.
const vrq5::Document& Base() {
  static const auto base = [] {
    auto doc = std::make_unique<vrq5::Document>();
    for (int s : {0, 1, 2, 40, 41, 99, 130, 500, 999, 1000, 1001, 1100, 1299}) {
      vrq5::DecodeChannel(Record(145000000u + 12500u * static_cast<uint32_t>(s),
                                 s % 3, s % 18, "CH" + std::to_string(s)),
                          doc->Mem[s]);
      doc->Mem[s].text[vrq5::kNote] = "note " + std::to_string(s);
      doc->MemFlag[s] = -1;
    }
    const int sizes[] = {30, 70, 100, 100, 100, 100, 100, 100, 100, 100, 100};
    for (int b = 0; b < vrq5::kBankCount; ++b) {
      doc->txtBank[b] = std::to_string(b < 11 ? sizes[b] : 0);
    }
    doc->ReadBankSizeBoxes();
    for (int i : {50, 51, 105, 330, 549}) doc->chkGrp[i] = 1;
    doc->LayoutMemoryRows();
    return doc;
  }();
  return *base;
}

// A frequency text in MHz: inside the receiver's range mostly, sometimes
// at or past the edges of the record's field, sometimes not a number.
std::string FrequencyText(FuzzInput& in) {
  switch (in.Below(6)) {
    case 0:
      return std::to_string(in.U32() % 1300000000u / 1e6);
    case 1:
      return std::to_string(0.1 + in.U16() / 100.0);
    case 2:
      return std::to_string(in.U32() / 1e6);  // up to the 32-bit edge
    case 3:
      return std::to_string(4294.967295 + in.Below(4) * 0.000001);
    case 4:
      return in.NumberText();
    default:
      return std::to_string(in.U32() % 3000) + "." +
             std::to_string(in.U32() % 1000000);
  }
}

// A label text of one of a field's tables (any letter case), or another
// text.
template <typename Label>
std::string OneOf(FuzzInput& in, int count, Label label) {
  int pick = in.Below(count + 2);
  if (pick < count) {
    std::string text(label(pick));
    if (in.Below(4) == 0) {
      for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      }
    }
    return text;
  }
  return pick == count ? in.NumberText() : in.LineText(12);
}

// The eleven fields of a channel or band record, then SKIP and ENABLE.
std::vector<std::string> ChannelFields(FuzzInput& in) {
  std::vector<std::string> f;
  f.push_back(FrequencyText(in));
  f.push_back(OneOf(in, 3, [](int i) { return vrq5::ModeText(i); }));
  f.push_back(OneOf(in, 20, [](int i) { return vrq5::StepName[i]; }));
  f.push_back(OneOf(in, 5, [](int i) { return vrq5::OptionText(i); }));
  f.push_back(in.Bit() ? std::to_string(in.Below(40)) : in.NumberText());
  f.push_back(OneOf(in, 29, [](int i) { return vrq5::CarrierText(i); }));
  f.push_back(OneOf(in, 39, [](int i) { return vrq5::ToneName[i]; }));
  f.push_back(OneOf(in, 3, [](int i) { return vrq5::ShiftText(i); }));
  f.push_back(in.Bit() ? std::to_string(in.Below(100000) / 1000.0)
                       : in.NumberText());
  f.push_back(in.LineText(40));  // note
  f.push_back(in.LineText(10));  // name
  f.push_back(in.Bit() ? "#TRUE#" : "#FALSE#");
  f.push_back(in.Below(4) != 0 ? "#TRUE#" : "#FALSE#");
  return f;
}

std::string ChannelText(FuzzInput& in, std::string_view section) {
  int n = in.Below(120);
  switch (in.Below(section == "PROGRAM SCAN" ? 4 : 3)) {
    case 0:
      return std::to_string(section == "MEMORY" ? in.Below(1000) : n);
    case 1:
      return std::to_string(in.Below(1400));
    case 2:
      return in.NumberText();
    default:
      return "P" + std::to_string(n % 50) + (in.Bit() ? "A" : "B");
  }
}

// Appends one field, quoted or not; a quote left open now and then.
void AppendField(FuzzInput& in, std::string& out, std::string_view text,
                 bool truth) {
  int style = in.Below(16);
  if (truth && style < 12) {
    out += text;
  } else if (style < 13) {
    out += '"';
    out += text;
    out += '"';
  } else if (style < 15) {
    out += text;
  } else {
    out += '"';
    out += text;  // never closed
  }
}

std::string CsvFromInput(FuzzInput& in) {
  static constexpr std::string_view kSections[] = {
      "MEMORY",   "MEMORY",      "VFO",   "PROGRAM SCAN", "SEARCH PASS",
      "PRIORITY", "BANK AMOUNT", "GROUP", "memory",       "OTHER"};
  static constexpr std::string_view kEndings[] = {"\r\n", "\n", "\r"};
  std::string out;
  uint8_t head = in.Byte();
  std::string_view ending = kEndings[head % 3];
  if (head & 4) {
    out += "\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\"";
    out += ending;
  }
  for (int records = 0; !in.empty() && records < 24; ++records) {
    int kind = in.Below(12);
    if (kind >= 10) {  // a line of any text
      out += in.LineText(60);
      out += ending;
      continue;
    }
    std::string_view section = kSections[kind];
    AppendField(in, out, in.Below(16) ? "VR-Q5" : "VR-Q7", false);
    out += ',';
    AppendField(in, out, section, false);
    out += ',';
    if (section == "BANK AMOUNT" || section == "GROUP") {
      int count = section == "GROUP" ? 560 : 52;
      AppendField(
          in, out,
          in.Below(8) ? std::to_string(in.Below(count)) : in.NumberText(),
          false);
      out += ',';
      std::string value =
          section == "GROUP"
              ? std::to_string(in.Below(3))
              : (in.Below(4) ? std::to_string(in.Below(400)) : in.NumberText());
      AppendField(in, out, value, section == "GROUP");
    } else {
      AppendField(in, out, ChannelText(in, section), false);
      std::vector<std::string> fields = ChannelFields(in);
      // Now and then the text ends inside a record.
      size_t kept = in.Below(24) == 0 ? in.Below(13) : fields.size();
      for (size_t i = 0; i < kept; ++i) {
        out += ',';
        AppendField(in, out, fields[i], i >= 11);
      }
      if (kept < fields.size()) return out;
    }
    out += ending;
  }
  return out;
}

// Every enabled channel reads back from the record a save writes as it is,
// and the note keeps to one line.
VRQ5_UNCOVERED void CheckChannelsKept(const vrq5::Document& doc) {
  for (int s = 0; s < vrq5::kSlotCount; ++s) {
    const vrq5::Slot& slot = doc.Mem[s];
    if (slot.IsEmpty()) continue;
    Require(doc.MemFlag[s] == -1, "only enabled slots hold a channel");
    Require(slot.text[vrq5::kNote].find_first_of("\r\n") == std::string::npos,
            "a note keeps to one line");
    vrq5::fuzz::RequireRecordKeeps(slot, doc.opbModel, s,
                                   "an imported channel reads back from its "
                                   "record");
  }
  int total = 0;
  for (int b = 0; b < vrq5::kBankCount; ++b) {
    int size = vrq5::BankSizeValue(doc.txtBank[b]);
    Require(size >= 0 && doc.txtBank[b] == std::to_string(size),
            "a bank box holds a size");
    total += size;
  }
  Require(total <= vrq5::kMemoryChannels, "the banks fit the memory");
}

// What an export carries and an import reads: notes and names upper-cased,
// the skip mark from the skip value (the text of a skip field, which no
// page shows and no file keeps, can be left from an earlier import).
VRQ5_UNCOVERED void AsExported(vrq5::Document& doc) {
  auto as_exported = [](vrq5::Slot& slot, bool memory) {
    for (int f : {vrq5::kNote, vrq5::kName}) {
      for (char& c : slot.text[f]) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      }
    }
    if (memory && !slot.IsEmpty()) {
      slot.text[vrq5::kSkip] = slot.value[vrq5::kSkip] != 0 ? "*" : "";
    }
  };
  for (auto& band : doc.Vfo) as_exported(band, false);
  for (auto& slot : doc.Mem) as_exported(slot, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const std::string text = CsvFromInput(in);
  const vrq5::Document& base = Base();

  static vrq5::Document doc = base;
  vrq5::fuzz::ResetTo(doc, base);
#ifndef VRQ5_FUZZING
  Require(vrq5::fuzz::Difference(doc, base).empty() &&
              vrq5::CsvText(doc) == vrq5::CsvText(base),
          "the document is put back to where imports start");
#endif
  vrq5::FileStatus status = vrq5::ImportCsvText(doc, text);
  if (status != vrq5::FileStatus::kOk) {
    Require(status == vrq5::FileStatus::kFileOpenError,
            "an import fails with File Open Error");
    Require(vrq5::fuzz::Difference(doc, base).empty(),
            "a refused import leaves the document as it was");
    return 0;
  }
  Require(doc.DataChanged == 0 && doc.CurrentFileName.empty(),
          "an imported document is new and unchanged");
  CheckChannelsKept(doc);

  // The export and a new import of it: the same document (for one input
  // in eight, chosen by the input so that a finding replays).
  if (vrq5::fuzz::OneIn(8, data, size)) {
    // Into a new document: an import merges, and an empty record of the
    // export leaves a channel of the document it goes into alone.
    static const vrq5::Document fresh;
    static vrq5::Document again;
    vrq5::fuzz::ResetTo(again, fresh);
    Require(
        vrq5::ImportCsvText(again, vrq5::CsvText(doc)) == vrq5::FileStatus::kOk,
        "an export imports");
    AsExported(doc);
    std::string difference = vrq5::fuzz::Difference(doc, again);
    if (!difference.empty())
      std::fprintf(stderr, "%s\n", vrq5::fuzz::Printable(difference).c_str());
    Require(difference.empty(), "an export imports as the same document");
  }
  return 0;
}
