#include <iostream>

#include "cli/commands.h"
#include "cli/common.h"
#include "cli/report.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 info [FILE.VQ5] [--model M]\n"
    "Shows a document: the model, the bank sizes and their total, the\n"
    "channels in use per bank, the bank groups, the settings by caption and\n"
    "the 14 VFO bands. Without a file it shows the new default document.\n"
    "\n"
    "  --model M   VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n";
}  // namespace

int RunInfo(const Args& args) {
  int code = kExitOk;
  auto parsed = ParseCommand("info", args, {{"--model"}, {}, {}}, kHelp, code);
  if (!parsed) return code;
  if (parsed->positional.size() > 1) {
    return UsageError("info", "too many arguments", kHelp);
  }
  Document doc;
  if (!ApplyModel("info", *parsed, doc)) return kExitUsage;
  if (!parsed->positional.empty()) {
    if (int rc = OpenDocument(doc, parsed->positional[0])) return rc;
  }
  PrintInfo(doc, std::cout);
  return kExitOk;
}

}  // namespace vrq5::cli
