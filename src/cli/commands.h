// The vrq5 subcommands.
#ifndef VRQ5_CLI_COMMANDS_H_
#define VRQ5_CLI_COMMANDS_H_

#include "cli/args.h"

namespace vrq5::cli {

int RunCheck(const Args& args);
int RunDiff(const Args& args);
int RunExport(const Args& args);
int RunImport(const Args& args);
int RunInfo(const Args& args);
int RunList(const Args& args);
int RunNew(const Args& args);
int RunPorts(const Args& args);
int RunPrint(const Args& args);
int RunRead(const Args& args);
int RunSim(const Args& args);
int RunSnapshots(const Args& args);
int RunVerify(const Args& args);
int RunWrite(const Args& args);

}  // namespace vrq5::cli

#endif  // VRQ5_CLI_COMMANDS_H_
