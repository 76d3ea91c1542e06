// The page of the tab strip a transfer command shows: before it starts (so
// the user sees what is read or written) and when its memory part starts.
#ifndef VRQ5_LINK_TRANSFER_PAGES_H_
#define VRQ5_LINK_TRANSFER_PAGES_H_

#include "link/transfer.h"
#include "store/bank_rules.h"
#include "store/document.h"

namespace vrq5 {

// The page shown when `command` starts while page `current` is shown.
int PageBeforeTransfer(UserCommand command, int current);

// The page shown when the memory part of `command` starts (Read > ALL, the
// quick read, Write > ALL: after their settings part succeeded) while page
// `current` is shown: the Memory page, unless the tab guard keeps it shut
// for the window's document `doc` (its total is not 1000); the page stays
// so when the command ends.
int PageWhenMemoryStarts(const Document& doc, UserCommand command, int current);

}  // namespace vrq5

#endif  // VRQ5_LINK_TRANSFER_PAGES_H_
