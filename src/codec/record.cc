#include "codec/record.h"

#include "codec/code_fields.h"
#include "codec/tables.h"
#include "codec/text.h"

namespace vrq5 {

void Slot::Clear() {
  for (auto& t : text) t.clear();
  value.fill(0.0);
}

namespace {

// 1-based character position of record byte k (after the two framing
// characters).
constexpr size_t BytePos(int k) { return 3 + 2 * static_cast<size_t>(k); }

// The numbers of a record text. A record whose first `bytes` bytes are all
// hex digits (the usual case) is read at once; anything else is read field
// by field, each field stopping at its first non-hex character and reading
// as 0 past the end of the text.
class RecordReader {
 public:
  RecordReader(std::string_view record, int bytes) : record_(record) {
    size_t needed = BytePos(bytes) - 1;
    if (record.size() < needed) return;
    for (int k = 0; k < bytes; ++k) {
      int high = HexDigitValue(record[BytePos(k) - 1]);
      int low = HexDigitValue(record[BytePos(k)]);
      if (high < 0 || low < 0) return;
      bytes_[k] = static_cast<uint8_t>(high * 16 + low);
    }
    parsed_ = true;
  }

  int Byte(int k) const {
    return parsed_ ? bytes_[k] : HexByteAt(record_, BytePos(k));
  }

  // A little-endian four-byte field: the byte pairs in reverse order read
  // as one hex number.
  uint32_t Word32(int k) const {
    if (parsed_) {
      return bytes_[k] | bytes_[k + 1] << 8 | bytes_[k + 2] << 16 |
             static_cast<uint32_t>(bytes_[k + 3]) << 24;
    }
    size_t p = BytePos(k);
    char reversed[8];
    size_t n = 0;
    for (int pair = 3; pair >= 0; --pair) {
      for (char c : Mid(record_, p + 2 * static_cast<size_t>(pair), 2)) {
        reversed[n++] = c;
      }
    }
    return static_cast<uint32_t>(HexPrefixValue(std::string_view(reversed, n)));
  }

 private:
  std::string_view record_;
  uint8_t bytes_[32] = {};
  bool parsed_ = false;
};

constexpr uint32_t kUnusedHz = 0xFFFFFFFF;

// Bytes 0..3 hold the frequency, 6..9 the offset; the one-byte codes lie
// around them (codec/code_fields.h). Bytes 0..14 are common to channels
// and VFO bands.
constexpr int kFreqBytes = 4;
constexpr int kOffsetByte = 6;
constexpr int kCommonBytes = 15;

// An unused record: its frequency digits are FFFFFFFF. Known before any
// digit is parsed, so the empty slots of a file cost next to nothing.
bool IsUnused(std::string_view record) {
  return Mid(record, BytePos(0), 8) == "FFFFFFFF";
}

// A record of frequency 0 empties its slot, whatever its other digits.
bool IsEmptyRecord(std::string_view record) {
  return Mid(record, BytePos(0), 8) == "00000000";
}

// A slot whose record is all zeros: every coded value 0 and no name (the
// note is not part of the record).
bool EncodesAsZeros(const Slot& s) {
  for (int f : {kFreq, kMode, kStep, kOption, kSecret, kCarrier, kTone,
                kShiftDir, kOffset, kSkip}) {
    if (s.value[f] != 0) return false;
  }
  return s.text[kName].empty();
}

// Fields 0..8 from bytes 0..14 (steps shared by channels and VFO bands).
// A code above the receiver's highest reads as the receiver reads it back.
void DecodeCommonFields(const RecordReader& r, uint32_t hz, Slot& s) {
  s.value[kFreq] = HzToMhz(hz);
  s.text[kFreq] = FormatMicroUnits(hz);

  for (const CodeField& f : kCodeFields) {
    if (f.field == kSkip) continue;
    int code = r.Byte(f.byte);
    if (f.read_back != kNoCode && code > f.highest) code = f.read_back;
    SetCode(s, f.field, code);
  }

  uint32_t offset = r.Word32(kOffsetByte);
  s.value[kOffset] = HzToMhz(offset);
  s.text[kOffset] = FormatMicroUnits(offset);
}

// Writes record bytes as upper-case hex digits into a fixed buffer.
class RecordWriter {
 public:
  void Byte(int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    buffer_[size_++] = kDigits[(value >> 4) & 0xF];
    buffer_[size_++] = kDigits[value & 0xF];
  }
  void Code(double value) {
    Byte(static_cast<int>(RoundToRange(value, 0, 255)));
  }
  void Word32(uint32_t value) {
    for (int i = 0; i < 4; ++i) Byte((value >> (8 * i)) & 0xFF);
  }
  void Zeros(int bytes) {
    for (int i = 0; i < bytes; ++i) Byte(0);
  }
  void Name(std::string_view name) {
    std::string_view kept = name.substr(0, 6);
    for (char c : kept) Byte(static_cast<unsigned char>(c));
    Zeros(6 - static_cast<int>(kept.size()));
  }
  std::string Take() const { return std::string(buffer_, size_); }
  void AppendTo(std::string& out) const { out.append(buffer_, size_); }

 private:
  char buffer_[64];
  size_t size_ = 0;
};

// Bytes 0..14 of a record (shared by channels and VFO bands).
void EncodeCommonFields(const Slot& s, int model_option, RecordWriter& out) {
  std::array<int, kCommonBytes> code{};
  for (const CodeField& f : kCodeFields) {
    if (f.byte < kCommonBytes) {
      code[f.byte] = static_cast<int>(RoundToRange(s.value[f.field], 0, 255));
    }
  }
  // Only the VR-Q5J has the train option and only the VR-Q70E the secret
  // option; the receiver gets "off" for an option its model lacks.
  int& option = code[CodeFieldOf(kOption).byte];
  if (option == 4 && model_option != 1) option = 0;
  if (option == 1 && model_option != 0) option = 0;

  out.Word32(MhzToHz(s.value[kFreq]));
  for (int k = kFreqBytes; k < kOffsetByte; ++k) out.Byte(code[k]);
  out.Word32(MhzToHz(s.value[kOffset]));
  for (int k = kOffsetByte + 4; k < kCommonBytes; ++k) out.Byte(code[k]);
}

}  // namespace

uint32_t MhzToHz(double mhz) {
  return static_cast<uint32_t>(RoundToRange(mhz * 1000000.0, 0, 0xFFFFFFFF));
}

double HzToMhz(uint32_t hz) { return static_cast<double>(hz) / 1000000.0; }

int16_t DecodeChannel(std::string_view record, Slot& slot) {
  if (IsEmptyRecord(record)) {
    slot.Clear();
    return 0;
  }
  if (IsUnused(record)) return 0;
  RecordReader r(record, 32);
  uint32_t hz = r.Word32(0);
  // FFFFFFFF in lower or mixed case (a hand-edited file) is unused as well:
  // saved again it would read as unused.
  if (hz == kUnusedHz) return 0;
  if (hz == 0) {
    slot.Clear();
    return 0;
  }
  DecodeCommonFields(r, hz, slot);
  slot.text[kName] = HexToName(Mid(record, BytePos(26), 12));
  const CodeField& skip_field = CodeFieldOf(kSkip);
  int skip = r.Byte(skip_field.byte);
  if (skip > skip_field.highest) skip = skip_field.read_back;
  slot.value[kSkip] = skip;
  return -1;
}

int16_t DecodeVfoBand(std::string_view record, Slot& band) {
  if (IsUnused(record)) return 0;
  RecordReader r(record, 15);
  uint32_t hz = r.Word32(0);
  if (hz == kUnusedHz) return 0;
  if (hz == 0) {
    for (int f = 0; f < kVfoFieldCount; ++f) {
      band.text[f].clear();
      band.value[f] = 0;
    }
    return 0;
  }
  DecodeCommonFields(r, hz, band);
  return -1;
}

std::string HexToName(std::string_view hex) {
  std::string name(6, ' ');
  for (size_t i = 0; i < 6; ++i) {
    int code = static_cast<int>(HexPrefixValue(Mid(hex, 1 + 2 * i, 2)));
    if (code >= 32 && code <= 126) name[i] = static_cast<char>(code);
  }
  return name;
}

std::string NameToHex(std::string_view name) {
  RecordWriter out;
  out.Name(name);
  return out.Take();
}

std::string EncodeChannel(const Slot& slot, int model_option) {
  std::string out;
  out.reserve(64);
  AppendChannel(out, slot, model_option);
  return out;
}

void AppendChannel(std::string& out, const Slot& slot, int model_option) {
  // Most slots of a file are empty.
  if (EncodesAsZeros(slot)) {
    out.append(64, '0');
    return;
  }
  RecordWriter record;
  EncodeCommonFields(slot, model_option, record);
  record.Zeros(2);
  record.Code(slot.value[kSkip]);
  record.Zeros(8);
  record.Name(slot.text[kName]);
  record.AppendTo(out);
}

std::string EncodeVfoBand(const Slot& band, int model_option) {
  RecordWriter out;
  EncodeCommonFields(band, model_option, out);
  return out.Take();
}

}  // namespace vrq5
