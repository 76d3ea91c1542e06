// What differs between two documents, in the user's words: what `vrq5
// diff` prints, and the list of what a write will change in the receiver.
#ifndef VRQ5_STORE_CHANGES_H_
#define VRQ5_STORE_CHANGES_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/document.h"

namespace vrq5 {

// How a note or name is shown (a terminal's encoding, say); as it stands
// when not given.
using ShownTextFn = std::function<std::string(std::string_view)>;

// One line per difference from `before` to `after`, in this order:
//   "Bank 7 size: 20 -> 30", "Bank 7 link: on -> off",
//   "GRP1: bank 10 added" (or "removed"), "Dial Lamp: ON -> OFF" (settings
//   by caption), "VFO band 1: Frequency: 0.531000 -> 0.530000; Mode: ...",
//   then the channels by row label:
//   "Channel 01-005 added: 145.500000 FM HOME",
//   "Channel 01-005 removed: 145.500000 FM HOME",
//   "Channel 01-005: Frequency: 145.500000 -> 145.525000; Name: A -> B".
// A channel is in use when it is enabled and holds a frequency. The row
// label is `after`'s, with `before`'s after a slash where they differ.
std::vector<std::string> DocumentChanges(const Document& before,
                                         const Document& after,
                                         const ShownTextFn& shown = {});

}  // namespace vrq5

#endif  // VRQ5_STORE_CHANGES_H_
