#include <iostream>

#include "cli/commands.h"
#include "cli/common.h"
#include "files/csv.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 export FILE.VQ5 -o FILE.csv\n"
    "Writes the VFO bands, every channel slot, the bank sizes and the group\n"
    "boxes of a clone file as CSV.\n";
}  // namespace

int RunExport(const Args& args) {
  int code = kExitOk;
  auto parsed = ParseCommand("export", args, {{"-o"}, {}, {}}, kHelp, code);
  if (!parsed) return code;
  if (parsed->positional.size() != 1) {
    return UsageError("export", "one clone file is needed", kHelp);
  }
  auto out = parsed->Value("-o");
  if (!out) return UsageError("export", "-o FILE.csv is required", kHelp);
  Document doc;
  if (int rc = OpenDocument(doc, parsed->positional[0])) return rc;
  return ReportFile(ExportCsv(doc, *out), *out);
}

}  // namespace vrq5::cli
