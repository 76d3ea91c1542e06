// Any text as a clone file: loading never fails unsafely, a refused text
// leaves the document as it was, and whatever loads saves as a well-formed
// file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/clone_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  vrq5::Document doc;
  // Every run starts from the same new document.
  static const std::string before = [] {
    vrq5::Document fresh;
    return vrq5::CloneFileText(fresh);
  }();
  vrq5::FileStatus status = vrq5::LoadCloneText(doc, text);
  std::string after = vrq5::CloneFileText(doc);
  if (status != vrq5::FileStatus::kOk && after != before) std::abort();
  // 2643 CR LF lines, every record of its fixed length.
  size_t lines = 0;
  for (size_t p = 0; (p = after.find("\r\n", p)) != std::string::npos; p += 2) {
    ++lines;
  }
  if (lines != vrq5::kCloneFileLines) std::abort();
  return 0;
}
