// A channel-list import of well-shaped files: the header with its columns
// in any order (some left out, some unknown), then rows whose fields come
// from the fuzzer's bytes: frequencies in and out of every model's range,
// duplex and offset, every tone mode with tones on and off the receiver's
// list, DTCS codes, modes and steps the receiver has and has not, skip
// marks, names and comments of any bytes, quoted or not. The import goes
// into a document that already holds channels, into a row or a bank or by
// location. It
// checks that an import that writes nothing, or is refused, leaves the
// document exactly as it was; that the report counts what it says; that
// every imported row is enabled, inside the target, and reads back from its
// record as it is; and that the export of the result (in UTF-8) imports
// again by location as the same list.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "codec/text.h"
#include "files/channel_csv.h"
#include "files/clone_file.h"
#include "fuzz_input.h"
#include "notes/note_text.h"

namespace {

using vrq5::fuzz::FuzzInput;
using vrq5::fuzz::Require;

constexpr std::array<std::string_view, 18> kColumns = {
    "Location", "Name",      "Frequency", "Duplex",   "Offset",
    "Tone",     "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity",
    "Mode",     "TStep",     "Skip",      "Comment",  "URCALL",
    "RPT1CALL", "RPT2CALL",  "DVCODE"};

// The document imports go into: channels in the first banks, bank sizes
// other than the defaults, for each model.
const vrq5::Document& Base(int model) {
  static std::array<std::unique_ptr<vrq5::Document>, 4> bases;
  if (!bases[model]) {
    auto doc = std::make_unique<vrq5::Document>();
    doc->SelectModel(model);
    for (int s : {0, 1, 5, 30, 31, 99, 100, 250, 999}) {
      vrq5::Slot& slot = doc->Mem[s];
      slot.value[vrq5::kFreq] = 145.0 + s * 0.025;
      slot.text[vrq5::kFreq] = vrq5::FormatFrequency(slot.value[vrq5::kFreq]);
      std::string record = "\r\n" + vrq5::EncodeChannel(slot, model);
      vrq5::DecodeChannel(record, slot);
      slot.text[vrq5::kNote] = "kept " + std::to_string(s);
      doc->MemFlag[s] = -1;
    }
    for (int b = 0; b < vrq5::kBankCount; ++b) {
      doc->txtBank[b] = b == 0 ? "30" : b == 1 ? "70" : b < 11 ? "100" : "0";
    }
    doc->ReadBankSizeBoxes();
    doc->LayoutMemoryRows();
    doc->DataChanged = 0;
    bases[model] = std::move(doc);
  }
  return *bases[model];
}

std::string Frequency(FuzzInput& in) {
  switch (in.Below(6)) {
    case 0:
      return std::to_string(in.U32() % 1300000000u / 1e6);
    case 1:
      return std::to_string(100 + in.Below(400)) + "." +
             std::to_string(in.Below(1000));
    case 2:  // around a band edge
      return std::to_string(
          (std::array{0.1, 30.0, 76.0, 108.0, 136.0, 174.0, 470.0, 770.0, 806.0,
                      960.0, 1299.995, 1300.0}[in.Below(12)]) +
          (in.Below(200) - 100) * 0.0025);
    case 3:
      return in.NumberText();
    case 4:
      return std::to_string(in.U32() / 1e3);
    default:
      return std::to_string(in.Below(1300)) + "," +
             std::to_string(in.Below(99));
  }
}

std::string Field(FuzzInput& in, std::string_view column) {
  auto pick = [&](std::initializer_list<std::string_view> items) {
    std::string_view item = *(items.begin() + in.Below(items.size()));
    return std::string(item);
  };
  if (column == "Location") return std::to_string(in.Below(1200));
  if (column == "Name") return in.LineText(10);
  if (column == "Frequency") return Frequency(in);
  if (column == "Duplex") return pick({"", "+", "-", "split", "off", "x"});
  if (column == "Offset") {
    return in.Bit() ? std::to_string(in.Below(100) * 0.05) : in.NumberText();
  }
  if (column == "Tone") {
    return pick({"", "Tone", "TSQL", "DTCS", "Cross", "TSQL-R", "DTCS-R"});
  }
  if (column == "rToneFreq" || column == "cToneFreq") {
    return in.Bit() ? pick({"88.5", "67.0", "254.1", "100.0", "69.3", "159.8"})
                    : std::to_string(60 + in.Below(2000) / 10.0);
  }
  if (column == "DtcsCode") return std::to_string(in.Below(800));
  if (column == "DtcsPolarity") return pick({"NN", "NR", "RN", "RR", "?"});
  if (column == "Mode") {
    return pick({"FM", "NFM", "WFM", "AM", "NAM", "USB", "LSB", "CW", "DV",
                 "DMR", "Auto", "fm", ""});
  }
  if (column == "TStep") {
    return in.Bit() ? pick({"5.00", "6.25", "8.33", "9.00", "10.00", "12.50",
                            "15.00", "20.00", "25.00", "50.00", "100.00"})
                    : in.NumberText();
  }
  if (column == "Skip") return pick({"", "S", "P", "s", "x"});
  if (column == "Comment") return in.LineText(40);
  return in.LineText(8);
}

void AppendField(FuzzInput& in, std::string& out, const std::string& text) {
  bool needs_quotes = text.find_first_of(",\"") != std::string::npos;
  if (needs_quotes || in.Below(8) == 0) {
    out += '"';
    for (char c : text) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  } else {
    out += text;
  }
}

std::string ListFromInput(FuzzInput& in) {
  std::vector<std::string_view> columns(kColumns.begin(), kColumns.end());
  uint8_t shape = in.Byte();
  if (shape & 1) {  // columns in another order
    for (size_t i = columns.size(); i > 1; --i) {
      std::swap(columns[i - 1], columns[in.Below(static_cast<int>(i))]);
    }
  }
  if (shape & 2) {  // some left out
    columns.erase(std::remove_if(columns.begin(), columns.end(),
                                 [&](std::string_view c) {
                                   return c != "Frequency" && in.Below(4) == 0;
                                 }),
                  columns.end());
  }
  if (shape & 4) columns.push_back("Extra");
  std::string_view ending = (shape & 8) ? "\n" : "\r\n";
  std::string out;
  for (size_t i = 0; i < columns.size(); ++i) {
    if (i) out += ',';
    out += columns[i];
  }
  out += ending;
  for (int rows = 0; !in.empty() && rows < 30; ++rows) {
    if (in.Below(16) == 0) {  // a blank line or one of any text
      out += in.Bit() ? "" : in.LineText(40);
      out += ending;
      continue;
    }
    size_t fields = in.Below(12) == 0
                        ? in.Below(static_cast<int>(columns.size()))
                        : columns.size();
    for (size_t i = 0; i < fields; ++i) {
      if (i) out += ',';
      AppendField(in, out, Field(in, columns[i]));
    }
    out += ending;
  }
  return out;
}

// Every imported row is enabled, inside the target, and reads back from the
// record a save writes as it is.
VRQ5_UNCOVERED void CheckImportedRows(const vrq5::Document& doc,
                                      const vrq5::Document& base,
                                      const vrq5::ChannelCsvTarget& target) {
  int written = 0;
  for (int s = 0; s < vrq5::kMemoryChannels; ++s) {
    const vrq5::Slot& slot = doc.Mem[s];
    if (slot == base.Mem[s] && doc.MemFlag[s] == base.MemFlag[s]) continue;
    ++written;
    if (slot.IsEmpty()) continue;
    Require(doc.MemFlag[s] == -1, "an imported row is enabled");
    Require(target.by_location ||
                (target.bank >= 0 ? doc.BankOfSlot(s) == target.bank
                                  : s >= target.first_row),
            "an imported row lies inside the target");
    vrq5::fuzz::RequireRecordKeeps(slot, doc.opbModel, s,
                                   "an imported row reads back from its "
                                   "record");
    Require(
        slot.text[vrq5::kName].size() <= 6 &&
            slot.text[vrq5::kNote].find_first_of("\r\n") == std::string::npos,
        "a name fits its record and a note its line");
  }
  Require(written > 0, "an import that reports channels changes rows");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  uint8_t head = in.Byte();
  int model = head % 4;
  vrq5::ChannelCsvTarget target;
  if (head & 0x40) {
    target.by_location = true;
  } else if (head & 0x10) {
    target.bank = in.Below(12);
  } else {
    target.first_row = (head & 0x20) ? in.Below(1000) : 0;
  }
  const std::string text = ListFromInput(in);
  const vrq5::Document& base = Base(model);

  static vrq5::Document doc;
  vrq5::fuzz::ResetTo(doc, base);
  vrq5::ChannelCsvResult result = vrq5::ImportChannelCsvText(doc, text, target);
  for (const auto& note : result.notes) {
    Require(!vrq5::ChannelCsvNoteLine(note).empty(), "a note has its line");
  }
  Require(result.imported >= 0 && result.left_out >= 0 && result.changed >= 0 &&
              result.changed <= result.imported,
          "the counts add up");
  if (result.status != vrq5::FileStatus::kOk || result.imported == 0) {
    Require(vrq5::fuzz::Difference(doc, base).empty() &&
                doc.DataChanged == base.DataChanged,
            "an import that writes nothing leaves the document as it was");
    return 0;
  }
  Require(doc.DataChanged == -1, "an import marks the document changed");
  CheckImportedRows(doc, base, target);

  // The export of the result, imported by location into a new document of
  // the model, exports as the same list.
  const std::string exported = vrq5::ChannelCsvText(doc, vrq5::NoteToUtf8);
  static std::array<std::unique_ptr<vrq5::Document>, 4> fresh;
  if (!fresh[model]) {
    fresh[model] = std::make_unique<vrq5::Document>();
    fresh[model]->SelectModel(model);
  }
  static vrq5::Document again;
  vrq5::fuzz::ResetTo(again, *fresh[model]);
  vrq5::ImportChannelCsvText(again, exported, {.by_location = true});
  const std::string second = vrq5::ChannelCsvText(again, vrq5::NoteToUtf8);
  if (second != exported) {
    std::fprintf(stderr, "export:\n%s\nagain:\n%s\n", exported.c_str(),
                 second.c_str());
  }
  Require(second == exported, "an export imports as the same list");
  return 0;
}
