// Any text as a channel-list import, into row 0 and into a bank: never
// fails unsafely, a refused or empty import leaves the document as it was,
// every imported row is enabled and reads back from its record as it is,
// and what the import wrote exports (in UTF-8) and imports again by
// location unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/channel_csv.h"
#include "files/clone_file.h"
#include "notes/note_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  static const std::string before = [] {
    vrq5::Document fresh;
    return vrq5::CloneFileText(fresh);
  }();
  for (int bank : {-1, 3}) {
    vrq5::Document doc;
    vrq5::ChannelCsvTarget target;
    target.bank = bank;
    vrq5::ChannelCsvResult result =
        vrq5::ImportChannelCsvText(doc, text, target);
    if (result.imported == 0 && vrq5::CloneFileText(doc) != before) {
      std::abort();
    }
    if (result.imported + result.left_out < 0) std::abort();
    for (const auto& note : result.notes) {
      (void)vrq5::ChannelCsvNoteLine(note);
    }
    for (int s = 0; s < vrq5::kMemoryChannels; ++s) {
      const vrq5::Slot& slot = doc.Mem[s];
      if (slot.IsEmpty()) continue;
      std::string record = vrq5::EncodeChannel(slot, doc.opbModel);
      if (record.size() != 64) std::abort();
      vrq5::Slot read = slot;
      if (vrq5::DecodeChannel("\r\n" + record, read) != -1 || !(read == slot)) {
        std::abort();
      }
    }
    std::string exported = vrq5::ChannelCsvText(doc, vrq5::NoteToUtf8);
    vrq5::Document again;
    vrq5::ImportChannelCsvText(again, exported, {.by_location = true});
    if (vrq5::ChannelCsvText(again, vrq5::NoteToUtf8) != exported) {
      std::abort();
    }
  }
  return 0;
}
