#include "cli/common.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "files/clone_file.h"
#include "files/utf8_path.h"

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

namespace {

// True when both paths name a file that exists and they are one file (its
// device and file number alike, whatever links led there).
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(PathFromUtf8(a), PathFromUtf8(b), error) &&
         !error;
}

}  // namespace

int CheckOutput(const std::string& command, const std::string& out,
                const std::vector<std::string>& inputs, const char* help) {
  if (out.empty()) return UsageError(command, "-o needs a file name", help);
  if (out == kStandardOutput) return kExitOk;
  for (const auto& in : inputs) {
    if (SameFile(out, in)) {
      return UsageError(command, "the output is the input file " + in, help);
    }
  }
  std::string reason = SaveTargetProblem(out);
  if (reason.empty()) return kExitOk;
  return ReportFile(FileStatus::kFileOpenError, out, reason);
}

int WriteStandardOutput(std::string_view text) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // the text holds its CR LF already
#endif
  std::cout.flush();
  errno = 0;
  bool written =
      std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
      std::fflush(stdout) == 0;
  if (written) return kExitOk;
  return ReportFile(FileStatus::kFileOpenError, "standard output",
                    errno != 0 ? std::strerror(errno) : "");
}

namespace {

// A file named .csv, or whose first line is comma-separated text with
// quotes: someone gave a CSV file where a clone file belongs.
bool LooksLikeCsv(const std::string& path) {
  const std::filesystem::path file = PathFromUtf8(path);
  std::string extension = PathToUtf8(file.extension());
  for (char& c : extension) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  if (extension == ".csv") return true;
  // Only a regular file is looked into: a FIFO would hold the program.
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return false;
  std::ifstream in(file, std::ios::binary);
  std::string line(256, '\0');
  in.read(line.data(), static_cast<std::streamsize>(line.size()));
  line.resize(static_cast<size_t>(in.gcount()));
  line = line.substr(0, line.find_first_of("\r\n"));
  return line.find(',') != std::string::npos &&
         line.find('"') != std::string::npos;
}

}  // namespace

int OpenDocument(Document& doc, const std::string& path) {
  const FileStatus status = OpenNamedFile(doc, path);
  const int code = ReportFile(status, path);
  if (status == FileStatus::kFileOpenError && LooksLikeCsv(path)) {
    std::cerr << "This looks like a CSV file: use vrq5 import.\n";
  }
  return code;
}

int SaveDocument(Document& doc, const std::string& path) {
  if (path == kStandardOutput) return WriteStandardOutput(CloneFileText(doc));
  std::string reason;
  FileStatus status = SaveCloneFile(doc, path, &reason);
  return ReportFile(status, path, reason);
}

}  // namespace vrq5::cli
