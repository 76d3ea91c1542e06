// A channel slot as the items of a channel record of the CSV layout (model
// word, section, channel, the eleven field texts, skip and enable) and the
// slot built back from such texts. CSV export and import and the memory
// grid's clipboard share these, so a row copied as text reads like a line
// of the export and a pasted line is read as import reads a record.
#ifndef VRQ5_STORE_SLOT_TEXT_H_
#define VRQ5_STORE_SLOT_TEXT_H_

#include <array>
#include <string>
#include <string_view>

#include "codec/record.h"
#include "store/document.h"

namespace vrq5 {

// The model word every data record begins with.
inline constexpr std::string_view kCsvModelWord = "VR-Q5";
inline constexpr std::string_view kCsvTrue = "#TRUE#";
inline constexpr std::string_view kCsvFalse = "#FALSE#";

// The section of a slot's record: "MEMORY", "PROGRAM SCAN", "SEARCH PASS"
// or "PRIORITY".
std::string_view CsvSection(SlotKind kind);

// The CHANNEL item of slot 0..1299: the slot number for a memory slot, the
// program-scan label (P0A .. P49B), the number within the search-pass or
// priority slots.
std::string CsvChannel(int slot);

// Fields 0..10 of `slot` from their texts in record order. The frequency
// must lie in 0.1 .. 1299.995 MHz, the mode be FM, AM or WFM and the step
// one of the eighteen step labels (letter case is free), or the texts are
// refused: false, `slot` untouched. Every other field falls back to what a
// record read back would hold (option OFF, secret code 11, carrier JR,
// tone entry 8, no shift, offset 0). The note keeps its bytes on one line,
// the name its first six bytes; their letter case is kept. Field 11 is not
// touched.
bool SlotFromTexts(const std::array<std::string_view, kVfoFieldCount>& texts,
                   Slot& slot);

}  // namespace vrq5

#endif  // VRQ5_STORE_SLOT_TEXT_H_
