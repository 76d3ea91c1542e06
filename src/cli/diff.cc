#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/common.h"
#include "notes/note_text.h"
#include "store/changes.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 diff A.VQ5 B.VQ5\n"
    "Names what differs between two clone files: channels by row label,\n"
    "VFO bands, bank sizes and links, bank groups and settings by caption.\n"
    "Exit status 0 when they hold the same data, 1 when they differ or a\n"
    "file cannot be read.\n";

}  // namespace

int RunDiff(const Args& args) {
  int code = kExitOk;
  auto parsed = ParseCommand("diff", args, {{}, {}, {}}, kHelp, code);
  if (!parsed) return code;
  if (parsed->positional.size() != 2) {
    return UsageError("diff", "two clone files are needed", kHelp);
  }
  Document a, b;
  if (int rc = OpenDocument(a, parsed->positional[0])) return rc;
  if (int rc = OpenDocument(b, parsed->positional[1])) return rc;

  // Notes and names as the terminal shows them.
  const std::vector<std::string> differences = DocumentChanges(
      a, b, [](std::string_view text) { return NoteForTerminal(text); });
  for (const std::string& line : differences) std::cout << line << "\n";
  if (differences.empty()) {
    std::cout << "The two files hold the same data.\n";
    return kExitOk;
  }
  return kExitFailure;
}

}  // namespace vrq5::cli
