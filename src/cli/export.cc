#include <iostream>

#include "cli/commands.h"
#include "cli/common.h"
#include "files/channel_csv.h"
#include "files/csv.h"
#include "notes/note_text.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 export FILE.VQ5 [--layout vrq5|channels] -o FILE.csv\n"
    "Writes the VFO bands, every channel slot, the bank sizes and the group\n"
    "boxes of a clone file as CSV.\n"
    "\n"
    "  --layout vrq5      the program's own CSV (default)\n"
    "  --layout channels  the common channel-list CSV (the layout of CHIRP's\n"
    "                     CSV files) in UTF-8: the enabled memory channels\n"
    "                     in row order, Location being the memory slot\n"
    "                     (0..999)\n"
    "  -o FILE            the CSV file to write ('-': standard output); it\n"
    "                     may not be the clone file read\n";
}  // namespace

int RunExport(const Args& args) {
  int code = kExitOk;
  auto parsed =
      ParseCommand("export", args, {{"-o", "--layout"}, {}, {}}, kHelp, code);
  if (!parsed) return code;
  if (parsed->positional.size() != 1) {
    return UsageError("export", "one clone file is needed", kHelp);
  }
  auto out = parsed->Value("-o");
  if (!out) return UsageError("export", "-o FILE.csv is required", kHelp);
  std::string layout = parsed->Value("--layout").value_or("vrq5");
  if (layout != "vrq5" && layout != "channels") {
    return UsageError("export", "unknown layout " + layout, kHelp);
  }
  const std::string& in = parsed->positional[0];
  if (int rc = CheckOutput("export", *out, {in}, kHelp)) return rc;
  Document doc;
  if (int rc = OpenDocument(doc, in)) return rc;
  if (*out == kStandardOutput) {
    return WriteStandardOutput(
        layout == "channels" ? ChannelCsvText(doc, NoteToUtf8) : CsvText(doc));
  }
  std::string reason;
  FileStatus status = layout == "channels"
                          ? ExportChannelCsv(doc, *out, NoteToUtf8, &reason)
                          : ExportCsv(doc, *out, &reason);
  return ReportFile(status, *out, reason);
}

}  // namespace vrq5::cli
