// Any text as a CSV import: never fails unsafely, a refused text leaves the
// document as it was, and every slot still encodes to a 64-digit record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/clone_file.h"
#include "files/csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  vrq5::Document doc;
  // Every run starts from the same new document.
  static const std::string before = [] {
    vrq5::Document fresh;
    return vrq5::CsvText(fresh);
  }();
  vrq5::FileStatus status = vrq5::ImportCsvText(doc, text);
  if (status != vrq5::FileStatus::kOk && vrq5::CsvText(doc) != before) {
    std::abort();
  }
  for (int s = 0; s < vrq5::kSlotCount; ++s) {
    std::string record = vrq5::EncodeChannel(doc.Mem[s], doc.opbModel);
    if (record.size() != 64) std::abort();
  }
  for (const auto& box : doc.txtBank) (void)vrq5::BankSizeValue(box);
  doc.LayoutMemoryRows();
  (void)vrq5::CloneFileText(doc);
  return 0;
}
