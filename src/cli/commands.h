// The vrq5 subcommands.
#ifndef VRQ5_CLI_COMMANDS_H_
#define VRQ5_CLI_COMMANDS_H_

#include <string>
#include <vector>

namespace vrq5::cli {

using Args = std::vector<std::string>;

int RunInfo(const Args& args);

}  // namespace vrq5::cli

#endif  // VRQ5_CLI_COMMANDS_H_
