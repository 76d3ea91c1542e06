// vrq5 verify: the check a write runs before it sends anything, on its own;
// and that check as vrq5 write runs it.
#include <iostream>

#include "cli/commands.h"
#include "cli/common.h"
#include "store/write_check.h"

namespace vrq5::cli {

namespace {

constexpr char kHelp[] =
    "Usage: vrq5 verify FILE.VQ5 [--model M]\n"
    "Checks a clone file as 'vrq5 write' does before it sends anything:\n"
    "errors are what the receiver would refuse or misfile (bank sizes that\n"
    "do not make 1000 channels, a frequency outside the model's range, a\n"
    "code the model does not have), warnings what a write would cut, change\n"
    "or leave behind (a name, the same frequency twice in a bank, notes).\n"
    "Only what a write sends counts: disabled channels are never sent.\n"
    "Prints one finding a line (kind, row, field, text), then the count.\n"
    "Exit status 1 when there is an error, 0 otherwise.\n"
    "\n"
    "  --model M   the model the file is to be written to: VR-Q5J (default,\n"
    "              as for 'vrq5 write'), VR-Q70E, VR-Q70T or VR-Q70K\n";

}  // namespace

bool CheckWrite(const Document& doc, const WriteScope& scope, bool force,
                std::ostream& out) {
  std::vector<Finding> findings = CheckBeforeWrite(doc, scope);
  for (const Finding& f : findings) out << FindingLine(f) << "\n";
  if (!HasError(findings)) return true;
  out << "vrq5 write: " << FindingCountLine(findings) << "; "
      << (force ? "writing anyway (--force).\n"
                : "nothing was written (--force writes in spite of "
                  "errors).\n");
  return force;
}

int RunVerify(const Args& args) {
  int code = kExitOk;
  auto parsed =
      ParseCommand("verify", args, {{"--model"}, {}, {}}, kHelp, code);
  if (!parsed) return code;
  if (parsed->positional.size() != 1) {
    return UsageError("verify",
                      parsed->positional.empty() ? "one clone file is needed"
                                                 : "too many arguments",
                      kHelp);
  }
  // The same steps as vrq5 write: the model first, then the file.
  Document doc;
  if (!ApplyModel("verify", *parsed, doc)) return kExitUsage;
  if (int rc = OpenDocument(doc, parsed->positional[0])) return rc;
  std::vector<Finding> findings = CheckBeforeWrite(doc);
  for (const Finding& f : findings) std::cout << FindingLine(f) << "\n";
  std::cout << FindingCountLine(findings) << "\n";
  return HasError(findings) ? kExitFailure : kExitOk;
}

}  // namespace vrq5::cli
