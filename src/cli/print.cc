#include <QGuiApplication>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/common.h"
#include "print/printout.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 print FILE.VQ5 -o OUT.pdf [--part memory,bank,settings,vfo]\n"
    "                  [--all-rows] [--bank B] [--page a4|letter]\n"
    "                  [--landscape] [--model M]\n"
    "Writes a printout of a clone file as a PDF file: every page headed\n"
    "with the file's name, the model and the date, and numbered \"Page N of\n"
    "M\"; table headings repeat on every page. No display is needed.\n"
    "\n"
    "  -o FILE       the PDF file to write; it may not be the clone file\n"
    "  --part LIST   what to print, comma-separated: memory (default), bank,\n"
    "                settings, vfo\n"
    "  --all-rows    every memory row, not only the channels in use\n"
    "  --bank B      the memory of bank B (0..49) only\n"
    "  --page P      a4 (default) or letter\n"
    "  --landscape   pages across instead of upright\n"
    "  --model M     VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n";

// The parts of --part; false for an unknown one.
bool ReadParts(const std::string& list, PrintOptions& options) {
  options.memory = false;
  std::stringstream in(list);
  std::string part;
  bool any = false;
  while (std::getline(in, part, ',')) {
    if (part == "memory") {
      options.memory = true;
    } else if (part == "bank") {
      options.bank = true;
    } else if (part == "settings") {
      options.settings = true;
    } else if (part == "vfo") {
      options.vfo = true;
    } else {
      return false;
    }
    any = true;
  }
  return any;
}

}  // namespace

int RunPrint(const Args& args) {
  int code = kExitOk;
  auto parsed = ParseCommand("print", args,
                             {{"-o", "--part", "--bank", "--page", "--model"},
                              {"--all-rows", "--landscape"},
                              {}},
                             kHelp, code);
  if (!parsed) return code;
  if (parsed->positional.size() != 1) {
    return UsageError("print", "one clone file is needed", kHelp);
  }
  auto out = parsed->Value("-o");
  if (!out || *out == kStandardOutput) {
    return UsageError("print", "-o FILE.pdf is required", kHelp);
  }
  PrintOptions options;
  if (auto parts = parsed->Value("--part");
      parts && !ReadParts(*parts, options)) {
    return UsageError("print", "unknown part in " + *parts, kHelp);
  }
  options.all_rows = parsed->Has("--all-rows");
  if (auto bank = parsed->Value("--bank")) {
    char* end = nullptr;
    long b = std::strtol(bank->c_str(), &end, 10);
    if (bank->empty() || *end != '\0' || b < 0 || b >= kBankCount) {
      return UsageError("print", "--bank takes a bank from 0 to 49", kHelp);
    }
    options.bank_only = static_cast<int>(b);
  }
  const std::string page = parsed->Value("--page").value_or("a4");
  if (page != "a4" && page != "letter") {
    return UsageError("print", "--page is a4 or letter", kHelp);
  }
  const std::string& in = parsed->positional[0];
  if (int rc = CheckOutput("print", *out, {in}, kHelp)) return rc;
  Document doc;
  if (!ApplyModel("print", *parsed, doc)) return kExitUsage;
  if (int rc = OpenDocument(doc, in)) return rc;

  // Pages are drawn with fonts, which need a GUI application; the
  // offscreen platform needs no display.
  int argc = 3;
  char name[] = "vrq5", option[] = "-platform", platform[] = "offscreen";
  char* argv[] = {name, option, platform, nullptr};
  QGuiApplication app(argc, argv);
  int pages = 0;
  const bool written = print::WritePdf(
      QString::fromStdString(*out), doc, options, print::TodayForHeader(),
      page == "letter", parsed->Has("--landscape"),
      [](std::string_view text) {
        return QString::fromUtf8(text.data(),
                                 static_cast<qsizetype>(text.size()));
      },
      &pages);
  if (pages == 0) {
    std::cerr << "vrq5 print: nothing to print in " << in << "\n";
    return kExitFailure;
  }
  if (!written) return ReportFile(FileStatus::kFileOpenError, *out);
  std::cout << *out << ": " << pages << (pages == 1 ? " page" : " pages")
            << "\n";
  return kExitOk;
}

}  // namespace vrq5::cli
