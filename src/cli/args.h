// Command-line parsing shared by the vrq5 subcommands.
#ifndef VRQ5_CLI_ARGS_H_
#define VRQ5_CLI_ARGS_H_

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vrq5::cli {

using Args = std::vector<std::string>;

// Exit statuses of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct OptionSet {
  std::set<std::string> with_value;  // e.g. "--model", "-o"
  std::set<std::string> flags;       // e.g. "--timing"
  std::set<std::string> repeated;    // options with a value that may repeat
};

struct ParsedArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::vector<std::string>> values;
  std::set<std::string> flags;
  bool help = false;

  std::optional<std::string> Value(const std::string& name) const;
  bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
};

// Parses `args` (without the program and subcommand names). On a usage
// error returns nothing and sets `error`. "--help" and "-h" set `help`.
std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& args,
                                    const OptionSet& options,
                                    std::string& error);

// The model option index of a --model value (VR-Q5J, VR-Q70E, VR-Q70T,
// VR-Q70K, case-insensitive), or -1.
int ParseModel(const std::string& text);

}  // namespace vrq5::cli

#endif  // VRQ5_CLI_ARGS_H_
