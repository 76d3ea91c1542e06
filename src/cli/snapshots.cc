// vrq5 snapshots: what the receiver held before each write, newest first.
#include "files/snapshots.h"

#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/common.h"
#include "files/utf8_path.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 snapshots [--snapshot-dir DIR]\n"
    "Lists the snapshots 'vrq5 write' and the window keep of the receiver\n"
    "before each write, newest first: file, time, model and channels in\n"
    "use. The folder keeps the newest 100. To put a receiver back as a\n"
    "snapshot found it: vrq5 write --model MODEL SNAPSHOT.VQ5\n"
    "\n"
    "  --snapshot-dir DIR  the folder (default: "
    "$XDG_DATA_HOME/vrq5/snapshots,\n"
    "                      else ~/.local/share/vrq5/snapshots)\n";
}  // namespace

int RunSnapshots(const Args& args) {
  int code = kExitOk;
  auto parsed = ParseCommand("snapshots", args, {{"--snapshot-dir"}, {}, {}},
                             kHelp, code);
  if (!parsed) return code;
  if (!parsed->positional.empty()) {
    return UsageError("snapshots",
                      "unexpected argument " + parsed->positional[0], kHelp);
  }
  const std::optional<std::string> given = parsed->Value("--snapshot-dir");
  const std::filesystem::path folder =
      given ? PathFromUtf8(*given) : SnapshotFolder();
  const std::vector<SnapshotEntry> list = ListSnapshots(folder);
  if (list.empty()) {
    std::cout << "No snapshots in " << PathToUtf8(folder) << "\n";
    return kExitOk;
  }
  for (const SnapshotEntry& s : list) {
    std::cout << PathToUtf8(s.path) << "  " << s.time << "  " << s.model
              << "  ";
    if (s.channels_in_use < 0) {
      std::cout << "(cannot be read)\n";
    } else {
      std::cout << s.channels_in_use << " channels in use\n";
    }
  }
  return kExitOk;
}

}  // namespace vrq5::cli
