// The page of the tab strip a transfer command shows: before it starts (so
// the user sees what is read or written) and after it ends.
#ifndef VRQ5_LINK_TRANSFER_PAGES_H_
#define VRQ5_LINK_TRANSFER_PAGES_H_

#include "link/transfer.h"
#include "store/bank_rules.h"

namespace vrq5 {

// The page shown when `command` starts while page `current` is shown.
int PageBeforeTransfer(UserCommand command, int current);

// The page shown when `command` ended with `result`: after a successful
// Write > ALL the Memory page, otherwise the page shown (`current`).
int PageAfterTransfer(UserCommand command, CommandResult result, int current);

}  // namespace vrq5

#endif  // VRQ5_LINK_TRANSFER_PAGES_H_
