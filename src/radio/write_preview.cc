#include "radio/write_preview.h"

#include <memory>

#include "radio/receiver.h"
#include "radio/sim_port.h"

namespace vrq5::radio {

bool ReceiverAfterWrite(const Document& before, const Document& doc,
                        UserCommand write, Document& after) {
  // The receiver and the documents are large: on the heap.
  auto receiver = std::make_unique<SimulatedReceiver>(before.ModelIndex);
  if (!receiver->LoadDocument(before)) return false;
  SimulatedPort port(*receiver);
  Link link(port);
  auto sent = std::make_unique<Document>(doc);
  if (Transfer(link, *sent).Run(write) != CommandResult::kSuccess) {
    return false;
  }
  // The quick read leaves what Read > ALL leaves, reading fewer records.
  auto read = std::make_unique<Document>(before);
  if (Transfer(link, *read).Run(UserCommand::kReadQuick) !=
      CommandResult::kSuccess) {
    return false;
  }
  after = std::move(*read);
  return true;
}

}  // namespace vrq5::radio
