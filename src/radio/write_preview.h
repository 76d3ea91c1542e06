// What a write will leave in the receiver, worked out before anything is
// sent: the write is run on a simulated receiver that holds what the real
// one was read to hold, and read back from it. The result is in the
// receiver's form (names padded and cut as a record keeps them, no notes),
// exactly what a read of the real receiver gives after the write.
#ifndef VRQ5_RADIO_WRITE_PREVIEW_H_
#define VRQ5_RADIO_WRITE_PREVIEW_H_

#include "link/transfer.h"
#include "store/document.h"

namespace vrq5::radio {

// Into `after`: what Read > ALL gives once `write` (a write command) of
// `doc` has been sent to a receiver that held `before` (a read of it).
// False, with `after` unchanged, when the write would fail before it
// reached the receiver's memory (a model the receiver refuses, bank sizes
// that do not label every row).
bool ReceiverAfterWrite(const Document& before, const Document& doc,
                        UserCommand write, Document& after);

}  // namespace vrq5::radio

#endif  // VRQ5_RADIO_WRITE_PREVIEW_H_
