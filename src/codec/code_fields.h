// The one-byte codes of a channel or VFO band record, in one table: where
// each sits in the record, the highest code the receiver has, what a code
// above it reads back as, the channel editor's default and the label of a
// code. The decoder, the encoder's check, the editor, the CSV import and
// the paste all read this table.
#ifndef VRQ5_CODEC_CODE_FIELDS_H_
#define VRQ5_CODEC_CODE_FIELDS_H_

#include <array>
#include <string>
#include <string_view>

#include "codec/record.h"

namespace vrq5 {

struct CodeField {
  Field field;
  // The field's name in a message ("Secret code").
  std::string_view name;
  // Byte position in the record (0-based, after the framing characters).
  int byte;
  // The highest code the receiver has.
  int highest;
  // What a code above `highest` reads back as; -1 keeps the code.
  int read_back;
  // What a new channel gets from the editor; -1 where the editor has none.
  int editor_default;
  // The text a slot holds for a code.
  std::string (*text)(int code);
  // The label a message shows beside a code ("FM", "88.5Hz"); empty where
  // the code has none.
  std::string (*label)(int code);
};

inline constexpr int kNoCode = -1;

// Mode, step, option, secret code, carrier, tone, shift direction and skip.
extern const std::array<CodeField, 8> kCodeFields;

// The entry of `field`; fields without a one-byte code give the mode's.
const CodeField& CodeFieldOf(Field field);

// Step codes that select a step (0..17); 18 and 19 have no label.
inline constexpr int kStepCodes = 18;
inline constexpr int kOptionCodes = 5;
inline constexpr int kToneCodes = 39;
// Secret codes and carrier codes 0..28 (carrier 28 is "JR").
inline constexpr int kSecretCodes = 29;
inline constexpr int kCarrierCodes = 29;
inline constexpr int kCarrierJr = 28;

// The editor's defaults, named for the places that need one alone.
inline constexpr int kDefaultStep = 6;    // 20KHz
inline constexpr int kDefaultOption = 0;  // OFF
inline constexpr int kDefaultSecret = 11;
inline constexpr int kDefaultCarrier = kCarrierJr;
inline constexpr int kDefaultTone = 8;  // 88.5Hz

// Sets a code field of `slot`: its value and its text.
void SetCode(Slot& slot, Field field, int code);

}  // namespace vrq5

#endif  // VRQ5_CODEC_CODE_FIELDS_H_
