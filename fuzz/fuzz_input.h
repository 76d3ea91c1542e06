// What the structure-aware targets share: a reader that turns the fuzzer's
// bytes into choices, numbers and texts, and a check that names the broken
// property before it stops the run.
#ifndef VRQ5_FUZZ_FUZZ_INPUT_H_
#define VRQ5_FUZZ_FUZZ_INPUT_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "codec/record.h"
#include "codec/tables.h"
#include "store/document.h"
#include "support/document_difference.h"

// The targets' own building and checking code needs no coverage of its
// own: leaving it out (with everything it calls inline, such as copying a
// document) keeps the fuzzer's attention and time on the program.
#if defined(__clang__)
#define VRQ5_UNCOVERED \
  __attribute__((no_sanitize("coverage"), noinline, flatten))
#else
#define VRQ5_UNCOVERED
#endif

namespace vrq5::fuzz {

// Stops the run with the property's name, so that a finding says what
// broke and not only where.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

// Puts `doc` back to `base` at a fraction of a copy's cost: only the slots
// that differ are copied (a run changes a few), the rest member by member.
VRQ5_UNCOVERED inline void ResetTo(Document& doc, const Document& base) {
  for (size_t s = 0; s < doc.Mem.size(); ++s) {
    if (!(doc.Mem[s] == base.Mem[s])) doc.Mem[s] = base.Mem[s];
  }
  for (size_t b = 0; b < doc.Vfo.size(); ++b) {
    if (!(doc.Vfo[b] == base.Vfo[b])) doc.Vfo[b] = base.Vfo[b];
  }
  doc.MemFlag = base.MemFlag;
  doc.BankSize = base.BankSize;
  doc.BankSizeText = base.BankSizeText;
  doc.GroupTable = base.GroupTable;
  doc.BankTableHex = base.BankTableHex;
  doc.GroupHex = base.GroupHex;
  doc.EnableBitsHex = base.EnableBitsHex;
  doc.SettingsHex1 = base.SettingsHex1;
  doc.SettingsHex2 = base.SettingsHex2;
  doc.ModelIndex = base.ModelIndex;
  doc.DataChanged = base.DataChanged;
  doc.CurrentFileName = base.CurrentFileName;
  doc.LinkBank = base.LinkBank;
  doc.opbModel = base.opbModel;
  doc.txtBank = base.txtBank;
  doc.lblAll = base.lblAll;
  doc.chkGrp = base.chkGrp;
  doc.chkLink = base.chkLink;
  doc.settings = base.settings;
  doc.LayoutMemoryRows();
}

// The first difference of two documents in what a clone file keeps (empty
// when they agree).
VRQ5_UNCOVERED inline std::string Difference(const Document& a,
                                             const Document& b) {
  return vrq5::testing::DocumentDifference(a, b);
}

// True for one input in `n`, chosen by the input's bytes: a costly check
// runs for some inputs only, and a finding still replays.
inline bool OneIn(uint32_t n, const uint8_t* data, size_t size) {
  uint32_t hash = 2166136261u;
  for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
  return hash % n == 0;
}

// The option code a record keeps: the train option (1) for the VR-Q5J only,
// the secret option (4) for the VR-Q70E only, "off" (0) elsewhere.
inline int SavedOption(int option, int model_option) {
  if ((option == 1 && model_option != 0) || (option == 4 && model_option != 1))
    return 0;
  return option;
}

// A text with CR, LF and other control bytes written out, for a message.
inline std::string Printable(std::string_view text) {
  std::string out;
  for (char c : text) {
    auto u = static_cast<unsigned char>(c);
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (u < 32 || u > 126) {
      static constexpr char kDigits[] = "0123456789ABCDEF";
      out += "\\x";
      out += kDigits[u >> 4];
      out += kDigits[u & 15];
    } else {
      out += c;
    }
  }
  return out;
}

// A slot keeps what it holds through its record: encoded as a save writes
// it and decoded again, it is the same slot, except that the record holds
// six name bytes (a shorter name reads back padded with blanks, a byte
// outside 32..126 as a blank) and "off" for an option the model lacks. The
// note and the skip text are not part of the record.
VRQ5_UNCOVERED inline void RequireRecordKeeps(const Slot& slot,
                                              int model_option, int index,
                                              const char* property) {
  std::string record = "\r\n";
  AppendChannel(record, slot, model_option);
  Require(record.size() == 66, "a record is 64 digits");
  Slot read = slot;
  Require(DecodeChannel(record, read) == -1, "a channel's record holds one");
  Slot kept = slot;
  int option = static_cast<int>(slot.value[kOption]);
  if (SavedOption(option, model_option) != option) {
    kept.value[kOption] = 0;
    kept.text[kOption] = OptionText(0);
  }
  std::string name(6, ' ');
  for (size_t i = 0; i < 6 && i < slot.text[kName].size(); ++i) {
    auto c = static_cast<unsigned char>(slot.text[kName][i]);
    if (c >= 32 && c <= 126) name[i] = static_cast<char>(c);
  }
  kept.text[kName] = name;
  for (int f = 0; f < kFieldCount; ++f) {
    if (f == kNote || (f == kSkip && read.value[f] == kept.value[f])) continue;
    if (read.text[f] != kept.text[f] || read.value[f] != kept.value[f]) {
      std::fprintf(stderr, "slot %d field %d: \"%s\" %g read back \"%s\" %g\n",
                   index, f, kept.text[f].c_str(), kept.value[f],
                   read.text[f].c_str(), read.value[f]);
      Require(false, property);
    }
  }
}

// Reads the input front to back. Once it is used up every call gives
// zeros and empty texts, so a shape never depends on the input's length.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool empty() const { return pos_ >= size_; }
  size_t remaining() const { return size_ - pos_; }

  uint8_t Byte() { return empty() ? 0 : data_[pos_++]; }
  uint16_t U16() { return static_cast<uint16_t>(Byte() << 8 | Byte()); }
  uint32_t U32() { return static_cast<uint32_t>(U16()) << 16 | U16(); }
  bool Bit() { return (Byte() & 1) != 0; }

  // 0 .. count-1.
  int Below(int count) {
    if (count <= 1) return 0;
    return static_cast<int>((count <= 256 ? Byte() : U16()) % count);
  }

  // `length` raw bytes (fewer when the input ends).
  std::string_view Raw(size_t length) {
    if (length > remaining()) length = remaining();
    std::string_view piece(reinterpret_cast<const char*>(data_ + pos_), length);
    pos_ += length;
    return piece;
  }

  // Upper-case hex text of `digits` digits, two from each byte; digits the
  // input does not cover are `fill`.
  std::string Hex(size_t digits, char fill = 'F') {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out(digits, fill);
    for (size_t i = 0; i < digits && !empty(); i += 2) {
      uint8_t b = Byte();
      out[i] = kDigits[b >> 4];
      if (i + 1 < digits) out[i + 1] = kDigits[b & 15];
    }
    return out;
  }

  // Up to `max_length` bytes of any value except CR and LF (which would end
  // a line), the length taken from the input.
  std::string LineText(size_t max_length) {
    size_t length = Below(static_cast<int>(max_length) + 1);
    std::string out(Raw(length));
    for (char& c : out) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
  }

  // A decimal number text: mostly plain digits, sometimes with a sign, a
  // decimal point or letters, as a hand-edited file may have.
  std::string NumberText() {
    switch (Below(8)) {
      case 0:
        return std::to_string(Byte());
      case 1:
        return std::to_string(U16());
      case 2:
        return "-" + std::to_string(U16());
      case 3:
        return std::to_string(U32() % 1300000000u / 1e6);
      case 4:
        return std::to_string(U32());
      case 5:
        return "";
      case 6:
        return std::string(Raw(Below(6)));
      default:
        return std::to_string(Below(64));
    }
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace vrq5::fuzz

#endif  // VRQ5_FUZZ_FUZZ_INPUT_H_
