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
    case UserCommand::kWriteAll:
      return current == kTabMemory || current == kTabBank ? kTabSettings1
                                                          : current;
    case UserCommand::kReadAll:
    case UserCommand::kReadQuick:
      return kTabSettings1;
    default:
      return current;
  }
}

int PageAfterTransfer(UserCommand command, CommandResult result, int current) {
  if (command == UserCommand::kWriteAll && result == CommandResult::kSuccess) {
    return kTabMemory;
  }
  return current;
}

}  // namespace vrq5
