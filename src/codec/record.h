// The 32-byte channel record and the VFO band record: decoding into a slot
// and encoding a slot back into hex text.
#ifndef VRQ5_CODEC_RECORD_H_
#define VRQ5_CODEC_RECORD_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vrq5 {

inline constexpr int kFieldCount = 12;
inline constexpr int kVfoFieldCount = 11;

// Field indexes of a channel slot or VFO band row.
enum Field : int {
  kFreq = 0,      // MHz; 0 = empty
  kMode = 1,      // 0 FM, 1 AM, 2 WFM
  kStep = 2,      // StepName index
  kOption = 3,    // 0 off, 1 train, 2 tone, 3 reverse tone, 4 secret
  kSecret = 4,    // secret code 0..28
  kCarrier = 5,   // 0..28, 28 = "JR"
  kTone = 6,      // ToneName index
  kShiftDir = 7,  // 0 off, 1 plus, 2 minus
  kOffset = 8,    // MHz
  kNote = 9,      // user's note, clone file only
  kName = 10,     // channel name (text only)
  kSkip = 11,     // 1 = skip set (value only)
};

// One channel slot or VFO band row: the display text and the numeric value
// of every field. A VFO band row uses fields 0..10.
struct Slot {
  std::array<std::string, kFieldCount> text;
  std::array<double, kFieldCount> value{};

  void Clear();
  bool IsEmpty() const { return value[kFreq] == 0; }
  friend bool operator==(const Slot&, const Slot&) = default;
};

// Decodes a record text as it comes from a radio read: two framing
// characters, then two hex digits per byte. Returns -1 when a channel was
// decoded into `slot`, 0 otherwise (FFFFFFFF frequency: slot unchanged;
// frequency 0: all twelve fields emptied). Field 9 (note) and the text of
// field 11 are never touched. Never fails: short or non-hex input reads as 0.
int16_t DecodeChannel(std::string_view record, Slot& slot);

// The same for a VFO band row, bytes 0..14 only (fields 0..8; a frequency
// of 0 empties fields 0..10).
int16_t DecodeVfoBand(std::string_view record, Slot& band);

// Six name bytes (12 hex digits) as 6 characters; a byte outside 32..126
// gives a space.
std::string HexToName(std::string_view hex);

// A name as 12 hex digits: one byte per character, then 00 for each missing
// character. Characters past the sixth are cut off, since the record holds
// exactly six name bytes; any byte value is written as its two hex digits.
std::string NameToHex(std::string_view name);

// The channel record of a slot: 64 upper-case hex digits. `model_option` is
// the selected member of the model options (0..5): option code 4 (secret)
// is written as 0 unless it is 1 (VR-Q70E), code 1 (train) as 0 unless it
// is 0 (VR-Q5J). The slot itself is not changed.
//
// A code that does not fit its byte is clamped into 0..255 after rounding
// to a whole number, and a frequency or offset into the 32-bit Hz field, so
// the record always holds exactly 32 bytes.
std::string EncodeChannel(const Slot& slot, int model_option);
// The same record appended to `out` (a clone file's 1300 records are built
// this way, without a text of their own).
void AppendChannel(std::string& out, const Slot& slot, int model_option);

// The first 15 bytes of a VFO band record: 30 hex digits.
std::string EncodeVfoBand(const Slot& band, int model_option);

// MHz to whole Hz (halves to even), clamped into 0..FFFFFFFF.
uint32_t MhzToHz(double mhz);
// Whole Hz to the exact decimal MHz value.
double HzToMhz(uint32_t hz);

}  // namespace vrq5

#endif  // VRQ5_CODEC_RECORD_H_
