// A clone file whose marks and line count are right, with its records,
// enable pieces, notes, bank pieces, group text and settings taken from the
// fuzzer's bytes. Every run gets past the marks into the decoders, the
// range rules and the refill, and checks that the file opens, that what it
// opened saves as well-formed texts, and that opening the saved file gives
// the same document and the same file again.
//
// Input: a byte for the model option, the line ending and whether every
// slot starts enabled; then edits, each a byte for its kind and the bytes
// it needs.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "codec/tables.h"
#include "files/clone_file.h"
#include "fuzz_input.h"

namespace {

using vrq5::fuzz::FuzzInput;
using vrq5::fuzz::Require;

// Line numbers (1-based) of the file's sections.
constexpr int kSettings1 = 2;
constexpr int kSettings2 = 3;
constexpr int kVfoRecords = 4;
constexpr int kChannelRecords = 18;
constexpr int kEnable = 1318;
constexpr int kVfoNotes = 1324;
constexpr int kBankTable = 2638;
constexpr int kGroup = 2642;

VRQ5_UNCOVERED std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.emplace_back(text.substr(start, end - start));
  }
  return lines;
}

// A new document of each model option and its file, line by line.
struct Base {
  vrq5::Document doc;
  std::string text;
  std::vector<std::string_view> lines;
};

const Base& BaseOf(int model_option) {
  static const auto bases = [] {
    auto all = std::make_unique<std::array<Base, 6>>();
    for (int m = 0; m < 6; ++m) {
      Base& base = (*all)[m];
      base.doc.SelectModel(m);
      base.text = vrq5::CloneFileText(base.doc);
      base.lines = Lines(base.text);
    }
    return all;
  }();
  return (*bases)[model_option];
}

// The lines of the file being built: views of the base file, and of the
// lines the edits made, which this owns.
class FileLines {
 public:
  explicit FileLines(const std::vector<std::string_view>& base)
      : lines_(base) {}
  std::string_view operator[](int index) const { return lines_[index]; }
  // A line to change in place (copied out of the base the first time).
  std::string& Edit(int index) {
    for (auto& [at, text] : owned_) {
      if (at == index) return *text;
    }
    owned_.emplace_back(index, std::make_unique<std::string>(lines_[index]));
    lines_[index] = *owned_.back().second;
    return *owned_.back().second;
  }
  void Set(int index, std::string text) { Edit(index) = std::move(text); }
  template <typename F>
  void ForEachEdited(F f) const {
    for (const auto& owned : owned_) f(owned.first);
  }
  // The views of edited lines follow their texts.
  const std::vector<std::string_view>& All() {
    for (auto& [at, text] : owned_) lines_[at] = *text;
    return lines_;
  }

 private:
  std::vector<std::string_view> lines_;
  std::vector<std::pair<int, std::unique_ptr<std::string>>> owned_;
};

// Sets or clears one slot's bit in the enable pieces (most significant bit
// first, 256 bits a piece).
void SetEnableBit(FileLines& lines, int slot, bool on) {
  std::string& piece = lines.Edit(kEnable - 1 + slot / 256);
  size_t digit = (slot % 256) / 4;
  if (digit >= piece.size()) return;
  char c = piece[digit];
  int value = c >= '0' && c <= '9'   ? c - '0'
              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                     : 0;
  int bit = 8 >> (slot % 4);
  value = on ? value | bit : value & ~bit;
  piece[digit] = "0123456789ABCDEF"[value];
}

void ApplyEdit(FuzzInput& in, FileLines& lines) {
  switch (in.Below(12)) {
    case 0: {  // a channel record of any 32 bytes, its slot enabled
      int slot = in.Below(vrq5::kSlotCount);
      lines.Set(kChannelRecords - 1 + slot, in.Hex(64));
      if (slot < 1280) SetEnableBit(lines, slot, true);
      break;
    }
    case 1:  // a VFO band record
      lines.Set(kVfoRecords - 1 + in.Below(vrq5::kVfoBands), in.Hex(30));
      break;
    case 2: {  // one digit of a record changed
      int record = in.Below(vrq5::kVfoBands + vrq5::kSlotCount);
      std::string& line = lines.Edit(kVfoRecords - 1 + record);
      if (line.empty()) break;
      line[in.Below(static_cast<int>(line.size()))] =
          "0123456789ABCDEF"[in.Below(16)];
      break;
    }
    case 3:  // a record line of any characters and length
      lines.Set(kVfoRecords - 1 + in.Below(vrq5::kVfoBands + vrq5::kSlotCount),
                in.LineText(80));
      break;
    case 4:  // a note (any bytes: UTF-8, Shift_JIS, control characters)
      lines.Set(kVfoNotes - 1 + in.Below(vrq5::kVfoBands + vrq5::kSlotCount),
                in.LineText(200));
      break;
    case 5: {  // an enable piece
      int piece = in.Below(6);
      lines.Set(kEnable - 1 + piece, in.Hex(piece < 5 ? 64 : 5));
      break;
    }
    case 6: {  // one bank's size in the bank table (low byte first)
      int bank = in.Below(vrq5::kBankCount);
      std::string& piece = lines.Edit(kBankTable - 1 + bank / 16);
      size_t at = 4 * static_cast<size_t>(bank % 16);
      if (piece.size() >= at + 4) piece.replace(at, 4, in.Hex(4));
      break;
    }
    case 7:  // the group text
      lines.Set(kGroup - 1, in.Hex(2 * in.Below(100), '0'));
      break;
    case 8:  // a settings block
      lines.Set(in.Bit() ? kSettings2 - 1 : kSettings1 - 1,
                in.Hex(in.Bit() ? 64 : 46));
      break;
    case 9: {  // a slot enabled or disabled
      int slot = in.Below(1280);
      SetEnableBit(lines, slot, in.Bit());
      break;
    }
    case 10:  // any line between the marks as any text
      lines.Set(1 + in.Below(vrq5::kCloneFileLines - 2), in.LineText(100));
      break;
    default:  // a bank piece or an enable piece of any length
      lines.Set(
          in.Bit() ? kBankTable - 1 + in.Below(4) : kEnable - 1 + in.Below(6),
          in.Hex(2 * in.Below(40)));
      break;
  }
}

// 1 for the upper-case hex digits.
constexpr std::array<uint8_t, 256> kHexDigit = [] {
  std::array<uint8_t, 256> table{};
  for (char c : std::string_view("0123456789ABCDEF")) {
    table[static_cast<uint8_t>(c)] = 1;
  }
  return table;
}();

VRQ5_UNCOVERED bool IsHex(std::string_view text, size_t digits) {
  if (text.size() != digits) return false;
  unsigned all = 1;
  for (char c : text) all &= kHexDigit[static_cast<uint8_t>(c)];
  return all != 0;
}

// The digits a saved line holds (0: a note, any text).
int SavedDigits(int line) {
  if (line == kSettings1) return 64;
  if (line == kSettings2) return 46;
  if (line < kChannelRecords) return 30;
  if (line < kEnable) return 64;
  if (line < kVfoNotes) return line == kEnable + 5 ? 5 : 64;
  if (line < kBankTable) return 0;
  if (line < kGroup) return line == kBankTable + 3 ? 24 : 64;
  return 176;
}

// The saved file: the marks, 2643 CR LF lines, every encoded item upper-case
// hex of its length, no CR or LF inside a line.
VRQ5_UNCOVERED void CheckSavedFile(const std::string& text) {
  size_t start = 0;
  int line = 0;
  while (start < text.size()) {
    const void* hit =
        std::memchr(text.data() + start, '\r', text.size() - start);
    Require(hit != nullptr, "the saved file ends in CR LF");
    size_t end =
        static_cast<size_t>(static_cast<const char*>(hit) - text.data());
    Require(end + 1 < text.size() && text[end + 1] == '\n',
            "every saved line ends in CR LF");
    std::string_view item(text.data() + start, end - start);
    ++line;
    Require(line <= vrq5::kCloneFileLines, "the saved file has 2643 lines");
    if (line == 1) {
      Require(item == vrq5::FileStartMark,
              "the saved file starts with its mark");
    } else if (line == vrq5::kCloneFileLines) {
      Require(item == vrq5::FileEndMark, "the saved file ends with its mark");
    } else if (int digits = SavedDigits(line); digits > 0) {
      Require(IsHex(item, digits), "a saved item is hex of its length");
    } else {
      Require(item.find('\n') == std::string_view::npos,
              "a saved note keeps to its line");
    }
    start = end + 2;
  }
  Require(line == vrq5::kCloneFileLines, "the saved file has 2643 lines");
}

// A file keeps the train option for the VR-Q5J only and the secret option
// for the VR-Q70E only: elsewhere the record says "off". A document opened
// from a file that holds one anyway shows it until the next save.
VRQ5_UNCOVERED void AsSaved(vrq5::Document& doc) {
  auto as_saved = [&](vrq5::Slot& s) {
    int option = static_cast<int>(s.value[vrq5::kOption]);
    if (vrq5::fuzz::SavedOption(option, doc.opbModel) != option) {
      s.value[vrq5::kOption] = 0;
      s.text[vrq5::kOption] = vrq5::OptionText(0);
    }
  };
  for (auto& slot : doc.Mem) {
    if (!slot.IsEmpty()) as_saved(slot);
  }
  for (auto& band : doc.Vfo) {
    if (!band.IsEmpty()) as_saved(band);
  }
}

VRQ5_UNCOVERED std::string Joined(const std::vector<std::string_view>& lines,
                                  int ending, uint8_t mix) {
  static constexpr std::string_view kEndings[] = {"\r\n", "\n", "\r"};
  std::string text;
  text.reserve(lines.size() * 70);
  for (size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    int e = ending < 3 ? ending : static_cast<int>((i * 7 + mix) % 3);
    text += kEndings[e];
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  uint8_t head = in.Byte();
  int model = head % 6;
  int ending = (head >> 3) & 3;
  uint8_t mix = in.Byte();
  const Base& base = BaseOf(model);
  FileLines lines(base.lines);
  if (head & 0x80) {
    for (int p = 0; p < 5; ++p)
      lines.Set(kEnable - 1 + p, std::string(64, 'F'));
  }
  for (int edits = 0; !in.empty() && edits < 64; ++edits) {
    ApplyEdit(in, lines);
  }

  // The documents stay from run to run (copying 1300 slots would cost more
  // than the rest of a run). Opening sets every item of the file, and an
  // empty record empties its slot, so only a slot whose record the edits
  // wrote can keep something of an earlier run (an unused record leaves
  // its slot as it was); those slots are put back first.
  static std::array<std::unique_ptr<vrq5::Document>, 6> docs, agains;
  if (!docs[model]) {
    docs[model] = std::make_unique<vrq5::Document>(base.doc);
    agains[model] = std::make_unique<vrq5::Document>(base.doc);
  }
  vrq5::Document& doc = *docs[model];
  vrq5::Document& again = *agains[model];
  lines.ForEachEdited([&](int index) {
    int record = index - (kVfoRecords - 1);
    if (record >= 0 && record < vrq5::kVfoBands) {
      doc.Vfo[record] = base.doc.Vfo[record];
    } else if (record >= vrq5::kVfoBands &&
               record < vrq5::kVfoBands + vrq5::kSlotCount) {
      doc.Mem[record - vrq5::kVfoBands] =
          base.doc.Mem[record - vrq5::kVfoBands];
    }
  });
  const std::string text = Joined(lines.All(), ending, mix);
  Require(vrq5::LoadCloneText(doc, text) == vrq5::FileStatus::kOk,
          "a file with its marks and 2643 lines opens");
#ifndef VRQ5_FUZZING
  // Replayed by the tests: the reused document agrees with a new one.
  {
    vrq5::Document fresh = base.doc;
    vrq5::LoadCloneText(fresh, text);
    Require(vrq5::fuzz::Difference(doc, fresh).empty() &&
                vrq5::CloneFileText(fresh) == vrq5::CloneFileText(doc),
            "opening into a reused document gives what a new one gets");
  }
#endif
  std::string saved = vrq5::CloneFileText(doc);
  CheckSavedFile(saved);

  // A saved file holds no unused record, so `again` needs nothing put back.
  Require(vrq5::LoadCloneText(again, saved) == vrq5::FileStatus::kOk,
          "the saved file opens");
  AsSaved(doc);
  std::string difference = vrq5::fuzz::Difference(doc, again);
  if (!difference.empty())
    std::fprintf(stderr, "%s\n", vrq5::fuzz::Printable(difference).c_str());
  Require(difference.empty(), "open, save, open gives the same document");
  Require(vrq5::CloneFileText(again) == saved,
          "the saved file saves again unchanged");
  return 0;
}
