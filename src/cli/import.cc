#include <iostream>

#include "cli/commands.h"
#include "cli/common.h"
#include "files/csv.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 import FILE.csv [--base FILE.VQ5] [--model M] -o OUT.VQ5\n"
    "Merges a CSV file onto a clone file (or onto the new default document)\n"
    "and saves the result. Records that do not make sense are skipped.\n"
    "\n"
    "  --base FILE   the clone file to merge onto\n"
    "  --model M     VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n"
    "  -o FILE       the clone file to write\n";
}  // namespace

int RunImport(const Args& args) {
  int code = kExitOk;
  auto parsed = ParseCommand(
      "import", args, {{"--base", "--model", "-o"}, {}, {}}, kHelp, code);
  if (!parsed) return code;
  if (parsed->positional.size() != 1) {
    return UsageError("import", "one CSV file is needed", kHelp);
  }
  auto out = parsed->Value("-o");
  if (!out) return UsageError("import", "-o OUT.VQ5 is required", kHelp);
  Document doc;
  if (!ApplyModel("import", *parsed, doc)) return kExitUsage;
  if (auto base = parsed->Value("--base")) {
    if (int rc = OpenDocument(doc, *base)) return rc;
  }
  const std::string& csv = parsed->positional[0];
  if (int rc = ReportFile(ImportCsv(doc, csv), csv)) return rc;
  return SaveDocument(doc, *out);
}

}  // namespace vrq5::cli
