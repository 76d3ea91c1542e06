#include <iostream>

#include "cli/commands.h"
#include "cli/common.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 new [--model M] -o FILE.VQ5\n"
    "Writes the new default document of a model: its default settings and\n"
    "VFO bands, every channel empty, ten banks of 100 channels.\n"
    "\n"
    "  --model M   VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n"
    "  -o FILE     the clone file to write ('-': standard output)\n";
}  // namespace

int RunNew(const Args& args) {
  int code = kExitOk;
  auto parsed =
      ParseCommand("new", args, {{"--model", "-o"}, {}, {}}, kHelp, code);
  if (!parsed) return code;
  if (!parsed->positional.empty()) {
    return UsageError("new", "unexpected argument " + parsed->positional[0],
                      kHelp);
  }
  auto out = parsed->Value("-o");
  if (!out) return UsageError("new", "-o FILE is required", kHelp);
  Document doc;
  if (!ApplyModel("new", *parsed, doc)) return kExitUsage;
  if (int rc = CheckOutput("new", *out, {}, kHelp)) return rc;
  return SaveDocument(doc, *out);
}

}  // namespace vrq5::cli
