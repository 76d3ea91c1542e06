// Steps shared by the vrq5 subcommands: the model option, loading and
// saving documents with the program's messages, the check before a write.
#ifndef VRQ5_CLI_COMMON_H_
#define VRQ5_CLI_COMMON_H_

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/args.h"
#include "files/file_status.h"
#include "store/document.h"
#include "store/write_check.h"

namespace vrq5::cli {

// Prints "vrq5 CMD: error" and the command's help on standard error;
// returns kExitUsage.
int UsageError(const std::string& command, const std::string& error,
               const char* help);

// Parses the arguments of a subcommand; on --help prints `help` and sets
// `exit_code` to 0, on a usage error prints it and sets kExitUsage.
std::optional<ParsedArgs> ParseCommand(const std::string& command,
                                       const Args& args,
                                       const OptionSet& options,
                                       const char* help, int& exit_code);

// Applies --model (when given) to a new document, as the window's model
// change does. False (with a message) for an unknown model.
bool ApplyModel(const std::string& command, const ParsedArgs& parsed,
                Document& doc);

// Prints the message of a failed file operation ("File Open Error", "Data
// Error") on standard error with the file's path and, when known, the
// system's reason; returns kExitFailure, or kExitOk for a success.
int ReportFile(FileStatus status, const std::string& path,
               const std::string& reason = "");

// The output name that means standard output.
inline constexpr std::string_view kStandardOutput = "-";

// Whether a command may write its output `out`, checked before it does any
// work: an empty name, or a file that is one of `inputs` (the same file
// also through a link or another spelling of its path), is a usage error;
// an output that cannot be saved ("-" always can) is "File Open Error"
// with the system's reason. 0 when the command may go on, else its exit
// status (the message printed).
int CheckOutput(const std::string& command, const std::string& out,
                const std::vector<std::string>& inputs, const char* help);

// Writes `text` byte for byte to standard output ("-"); a failed write is
// "File Open Error" with the system's reason.
int WriteStandardOutput(std::string_view text);

// Opens a clone file into `doc` as the command line opens one.
int OpenDocument(Document& doc, const std::string& path);

// Saves `doc` to `path`, or writes its clone file text to standard output
// for "-".
int SaveDocument(Document& doc, const std::string& path);

// The check before a write of `scope`: prints every finding on `out`; true
// when the write may go on (no error, or `force`), false after a closing
// line that nothing was written.
bool CheckWrite(const Document& doc, const WriteScope& scope, bool force,
                std::ostream& out);

}  // namespace vrq5::cli

#endif  // VRQ5_CLI_COMMON_H_
