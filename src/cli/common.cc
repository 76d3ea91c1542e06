#include "cli/common.h"

#include <iostream>

#include "files/clone_file.h"

namespace vrq5::cli {

int UsageError(const std::string& command, const std::string& error,
               const char* help) {
  std::cerr << "vrq5 " << command << ": " << error << "\n" << help;
  return kExitUsage;
}

std::optional<ParsedArgs> ParseCommand(const std::string& command,
                                       const Args& args,
                                       const OptionSet& options,
                                       const char* help, int& exit_code) {
  std::string error;
  auto parsed = ParseArgs(args, options, error);
  if (!parsed) {
    exit_code = UsageError(command, error, help);
    return std::nullopt;
  }
  if (parsed->help) {
    std::cout << help;
    exit_code = kExitOk;
    return std::nullopt;
  }
  return parsed;
}

bool ApplyModel(const std::string& command, const ParsedArgs& parsed,
                Document& doc) {
  auto model = parsed.Value("--model");
  if (!model) return true;
  int m = ParseModel(*model);
  if (m < 0) {
    std::cerr << "vrq5 " << command << ": unknown model " << *model
              << " (VR-Q5J, VR-Q70E, VR-Q70T or VR-Q70K)\n";
    return false;
  }
  if (m != doc.opbModel) doc.SelectModel(m);
  return true;
}

int ReportFile(FileStatus status, const std::string& path,
               const std::string& reason) {
  std::string_view message = FileStatusMessage(status);
  if (message.empty()) return kExitOk;
  std::cerr << message << ": " << path;
  if (!reason.empty()) std::cerr << " (" << reason << ")";
  std::cerr << "\n";
  return kExitFailure;
}

int OpenDocument(Document& doc, const std::string& path) {
  return ReportFile(OpenNamedFile(doc, path), path);
}

int SaveDocument(Document& doc, const std::string& path) {
  std::string reason;
  FileStatus status = SaveCloneFile(doc, path, &reason);
  return ReportFile(status, path, reason);
}

}  // namespace vrq5::cli
