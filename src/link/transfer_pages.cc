#include "link/transfer_pages.h"

namespace vrq5 {

int PageBeforeTransfer(UserCommand command, int current) {
  switch (command) {
    case UserCommand::kRead:
    case UserCommand::kWrite:
      return kTabMemory;
    case UserCommand::kReadSettings:
      return current == kTabMemory ? kTabSettings1 : current;
    case UserCommand::kWriteSettings:
    case UserCommand::kReadAll:
    case UserCommand::kReadQuick:
    case UserCommand::kWriteAll:
      return current == kTabMemory || current == kTabBank ? kTabSettings1
                                                          : current;
    default:
      return current;
  }
}

int PageWhenMemoryStarts(const Document& doc, UserCommand command,
                         int current) {
  switch (command) {
    case UserCommand::kReadAll:
    case UserCommand::kReadQuick:
    case UserCommand::kWriteAll:
      return BankTotalComplete(doc) ? kTabMemory : current;
    default:
      return current;
  }
}

}  // namespace vrq5
