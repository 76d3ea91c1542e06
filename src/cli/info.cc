#include <iostream>

#include "cli/args.h"
#include "cli/commands.h"
#include "cli/report.h"

namespace vrq5::cli {

namespace {
constexpr char kInfoHelp[] =
    "Usage: vrq5 info [--model M]\n"
    "Shows a document: the model, the bank sizes and their total, the\n"
    "channels in use per bank, the bank groups, the settings by caption and\n"
    "the 14 VFO bands. Without a file it shows the new default document.\n"
    "\n"
    "  --model M   VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n";
}  // namespace

int RunInfo(const Args& args) {
  std::string error;
  auto parsed = ParseArgs(args, {{"--model"}, {}, {}}, error);
  if (!parsed) {
    std::cerr << "vrq5 info: " << error << "\n" << kInfoHelp;
    return kExitUsage;
  }
  if (parsed->help) {
    std::cout << kInfoHelp;
    return kExitOk;
  }
  if (!parsed->positional.empty()) {
    std::cerr << "vrq5 info: unexpected argument " << parsed->positional[0]
              << "\n";
    return kExitUsage;
  }
  Document doc;
  if (auto model = parsed->Value("--model")) {
    int m = ParseModel(*model);
    if (m < 0) {
      std::cerr << "vrq5 info: unknown model " << *model << "\n";
      return kExitUsage;
    }
    if (m != doc.opbModel) doc.SelectModel(m);
  }
  PrintInfo(doc, std::cout);
  return kExitOk;
}

}  // namespace vrq5::cli
