#include <iostream>

#include "cli/commands.h"
#include "cli/common.h"
#include "files/channel_csv.h"
#include "files/csv.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 import FILE.csv [--layout vrq5|channels] [--base FILE.VQ5]\n"
    "                   [--model M] [--row N | --bank B | --by-location]\n"
    "                   [--strict] -o OUT.VQ5\n"
    "Merges a CSV file onto a clone file (or onto the new default document)\n"
    "and saves the result. Records that do not make sense are skipped.\n"
    "\n"
    "  --layout vrq5      the program's own CSV (default)\n"
    "  --layout channels  the common channel-list CSV (the layout of CHIRP's\n"
    "                     CSV files): its channels go into consecutive memory\n"
    "                     rows, each field the nearest value the receiver\n"
    "                     holds; what changed or was left out is reported on\n"
    "                     standard error; a list that gives no channel\n"
    "                     writes nothing and fails\n"
    "  --row N            channels only: the first memory row, a slot number\n"
    "                     0..999 or a row label such as 03-005 (default 0)\n"
    "  --bank B           channels only: into bank B (0..49), from its first\n"
    "                     row up to its last\n"
    "  --by-location      channels only: each channel into the memory slot\n"
    "                     its Location names (0..999), as an export wrote it\n"
    "  --strict           channels only: a channel left out is an error, and\n"
    "                     nothing is written\n"
    "  --base FILE        the clone file to merge onto\n"
    "  --model M          VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n"
    "  -o FILE            the clone file to write ('-': standard output); it\n"
    "                     may be the --base file, not the CSV file\n";

// A whole number made of digits only, or -1.
int Digits(const std::string& text) {
  if (text.empty() || text.size() > 4) return -1;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
  }
  return std::stoi(text);
}

// The slot of a --row value: a slot number or a memory-row label.
int RowSlot(Document& doc, const std::string& text) {
  int n = Digits(text);
  if (n >= 0) return n < kMemoryChannels ? n : -1;
  doc.LayoutMemoryRows();
  for (int s = 0; s < kMemoryChannels; ++s) {
    if (doc.SlotLabel(s) == text) return s;
  }
  return -1;
}
// Merges a common channel list into the document and saves it.
int ImportChannels(Document& doc, const ParsedArgs& parsed,
                   const std::string& csv, const std::string& out) {
  ChannelCsvTarget target;
  target.by_location = parsed.Has("--by-location");
  auto row = parsed.Value("--row");
  auto bank = parsed.Value("--bank");
  if (row && (target.first_row = RowSlot(doc, *row)) < 0) {
    return UsageError("import", "no memory row " + *row, kHelp);
  }
  if (bank &&
      ((target.bank = Digits(*bank)) < 0 || target.bank >= kBankCount)) {
    return UsageError("import", "no bank " + *bank + " (0..49)", kHelp);
  }
  ChannelCsvResult result = ImportChannelCsv(doc, csv, target);
  for (const auto& note : result.notes) {
    std::cerr << ChannelCsvNoteLine(note) << "\n";
  }
  if (int rc = ReportFile(result.status, csv)) return rc;
  std::cerr << ChannelCsvCountLine(result) << "\n";
  if (result.imported == 0) {
    std::cerr << "Nothing was imported.\n";
    return kExitFailure;
  }
  if (parsed.Has("--strict") && result.left_out > 0) {
    std::cerr << "Nothing was written: channels were left out (--strict).\n";
    return kExitFailure;
  }
  return SaveDocument(doc, out);
}

// The usage error of options that do not go with the layout, or 0.
int LayoutOptionsError(const ParsedArgs& parsed, const std::string& layout) {
  bool row = parsed.Value("--row").has_value();
  bool bank = parsed.Value("--bank").has_value();
  bool by_location = parsed.Has("--by-location");
  if ((row || bank || by_location || parsed.Has("--strict")) &&
      layout != "channels") {
    return UsageError(
        "import",
        "--row, --bank, --by-location and --strict need --layout channels",
        kHelp);
  }
  if ((row ? 1 : 0) + (bank ? 1 : 0) + (by_location ? 1 : 0) > 1) {
    return UsageError(
        "import", "--row, --bank and --by-location exclude each other", kHelp);
  }
  return 0;
}

}  // namespace

int RunImport(const Args& args) {
  int code = kExitOk;
  auto parsed =
      ParseCommand("import", args,
                   {{"--base", "--model", "-o", "--layout", "--row", "--bank"},
                    {"--by-location", "--strict"},
                    {}},
                   kHelp, code);
  if (!parsed) return code;
  if (parsed->positional.size() != 1) {
    return UsageError("import", "one CSV file is needed", kHelp);
  }
  auto out = parsed->Value("-o");
  if (!out) return UsageError("import", "-o OUT.VQ5 is required", kHelp);
  std::string layout = parsed->Value("--layout").value_or("vrq5");
  if (layout != "vrq5" && layout != "channels") {
    return UsageError("import", "unknown layout " + layout, kHelp);
  }
  if (int rc = LayoutOptionsError(*parsed, layout)) return rc;
  const std::string& csv = parsed->positional[0];
  Document doc;
  if (!ApplyModel("import", *parsed, doc)) return kExitUsage;
  // The output may be the --base file (a merge into it), never the CSV.
  if (int rc = CheckOutput("import", *out, {csv}, kHelp)) return rc;
  if (auto base = parsed->Value("--base")) {
    if (int rc = OpenDocument(doc, *base)) return rc;
  }
  if (layout == "channels") return ImportChannels(doc, *parsed, csv, *out);
  if (int rc = ReportFile(ImportCsv(doc, csv), csv)) return rc;
  return SaveDocument(doc, *out);
}

}  // namespace vrq5::cli
