// vrq5 read and vrq5 write: the window's transfer commands on the command
// line, through a serial port, a pseudo-terminal or the built-in simulated
// receiver ("sim").
#include <QCoreApplication>
#include <csignal>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/common.h"
#include "cli/port_option.h"
#include "cli/progress.h"
#include "cli/stop_signals.h"
#include "link/port_file.h"
#include "link/transfer.h"
#include "radio/receiver.h"
#include "serial/port_choice.h"

namespace vrq5::cli {

namespace {

constexpr char kReadHelp[] =
    "Usage: vrq5 read [--port P] [--model M] [--part PART] [--quick] -o "
    "FILE.VQ5\n"
    "Reads the receiver and saves what was read as a clone file. A failed\n"
    "read writes no file. Ctrl+C (or SIGTERM, SIGHUP) stops between two\n"
    "exchanges.\n"
    "\n"
    "  --port P    a device path, a port name as 'vrq5 ports' lists it, or\n"
    "              'sim' (the built-in simulated receiver); without it the\n"
    "              port remembered from the last --port is used\n"
    "  --model M   VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n"
    "  --part P    all (default: Read > ALL), settings, memory, bank, group\n"
    "  --quick     read everything as --part all does, but only the channels\n"
    "              in use (the same clone file, in a fraction of the time\n"
    "              when few channels are in use)\n"
    "  -o FILE     the clone file to write ('-': standard output)\n";

constexpr char kWriteHelp[] =
    "Usage: vrq5 write [--port P] [--model M] [--part PART] [--force] "
    "FILE.VQ5\n"
    "Writes a clone file into the receiver. Ctrl+C (or SIGTERM, SIGHUP) stops\n"
    "between two exchanges. Before anything is sent, the parts to be written "
    "are checked\n"
    "as 'vrq5 verify' checks them: errors (what the receiver would refuse or\n"
    "misfile) stop the write with exit status 1, warnings are printed on\n"
    "standard error and the write goes on.\n"
    "\n"
    "  --port P    a device path, a port name as 'vrq5 ports' lists it, or\n"
    "              'sim' (the built-in simulated receiver); without it the\n"
    "              port remembered from the last --port is used\n"
    "  --model M   VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n"
    "  --part P    all (default: Write > ALL), settings, memory, bank, group\n"
    "  --force     write in spite of errors the check finds\n";

struct Part {
  UserCommand read;
  UserCommand write;
  const char* label;
};

const std::map<std::string, Part>& Parts() {
  static const std::map<std::string, Part> parts = {
      {"all", {UserCommand::kReadAll, UserCommand::kWriteAll, "ALL"}},
      {"settings",
       {UserCommand::kReadSettings, UserCommand::kWriteSettings, "Settings"}},
      {"memory", {UserCommand::kRead, UserCommand::kWrite, "Memory"}},
      {"bank", {UserCommand::kReadBank, UserCommand::kWriteBank, "Bank"}},
      {"group", {UserCommand::kReadGroup, UserCommand::kWriteGroup, "Group"}},
  };
  return parts;
}

int RunTransfer(const std::string& command, const Args& args, bool reading) {
  const char* help = reading ? kReadHelp : kWriteHelp;
  int code = kExitOk;
  OptionSet options{{"--port", "--model", "--part"}, {}, {}};
  if (reading) {
    options.with_value.insert("-o");
    options.flags.insert("--quick");
  }
  if (!reading) options.flags.insert("--force");
  auto parsed = ParseCommand(command, args, options, help, code);
  if (!parsed) return code;
  std::string part_name = parsed->Value("--part").value_or("all");
  auto part = Parts().find(part_name);
  if (part == Parts().end()) {
    return UsageError(command, "unknown part " + part_name, help);
  }
  const bool quick = reading && parsed->Has("--quick");
  if (quick && part_name != "all") {
    return UsageError(command, "--quick reads everything: leave out --part",
                      help);
  }
  std::optional<std::string> out;
  if (reading) {
    if (!parsed->positional.empty()) {
      return UsageError(command, "unexpected argument " + parsed->positional[0],
                        help);
    }
    out = parsed->Value("-o");
    if (!out) return UsageError(command, "-o FILE.VQ5 is required", help);
  } else if (parsed->positional.size() != 1) {
    return UsageError(command, "one clone file is needed", help);
  }

  Document doc;
  if (!ApplyModel(command, *parsed, doc)) return kExitUsage;
  // A read whose file cannot be written is refused before the receiver is
  // touched.
  if (reading) {
    if (int rc = CheckOutput(command, *out, {}, help)) return rc;
  }
  if (!reading) {
    if (int rc = OpenDocument(doc, parsed->positional[0])) return rc;
    // The check of what the part sends, before the port is touched.
    if (!CheckWrite(doc, WriteScopeOf(part->second.write),
                    parsed->Has("--force"), std::cerr)) {
      return kExitFailure;
    }
  }

  int argc = 1;
  char program_name[] = "vrq5";
  char* argv[] = {program_name, nullptr};
  QCoreApplication app(argc, argv);
  auto choice = ChoosePort(
      command, *parsed, QCoreApplication::applicationFilePath().toStdString(),
      doc.ModelIndex);
  if (!choice) return kExitUsage;

  Link link(*choice->port);
  // The signals that stop a transfer as Ctrl+C does.
  auto stop = std::make_unique<StopSignals>(
      std::initializer_list<int>{SIGINT, SIGTERM, SIGHUP});
  link.set_cancel_flag(stop->stopped());

  std::string label =
      quick ? "Read Channels in use"
            : std::string(reading ? "Read " : "Write ") + part->second.label;
  ProgressBar bar(label);
  TransferSinks sinks;
  sinks.progress = [&](int value, int maximum) { bar.Update(value, maximum); };
  sinks.message = [&](const Message& m) {
    bar.Finish();
    std::cerr << m.text << "\n";
    if (!m.informative.empty()) std::cerr << m.informative << "\n";
  };
  Transfer transfer(link, doc, sinks);
  CommandResult result = transfer.Run(quick     ? UserCommand::kReadQuick
                                      : reading ? part->second.read
                                                : part->second.write);
  bar.Finish();
  bool port_opened = choice->port->IsOpen();
  if (stop->stopped()->load() && port_opened) {
    // The receiver is left unlinked, unless a second signal stops that too.
    link.set_cancel_flag(stop->stopped_again());
    Transfer(link, doc).SendQVFINISH();
  }
  choice->port->Close();
  const bool stopped = stop->stopped()->load();
  const std::string signal_name = stop->name();
  stop.reset();

  if (stopped) {
    std::cerr << "Stopped by " << signal_name << " between two exchanges; "
              << (reading ? "nothing was saved.\n"
                          : "the receiver holds what was written so far.\n");
    return kExitFailure;
  }
  if (transfer.accepted_model() >= 0) {
    std::cerr << RunAgainWithModelText(transfer.accepted_model()) << "\n";
  }
  if (result != CommandResult::kSuccess) {
    if (!port_opened) {
      std::cerr << "vrq5 " << command << ": the port " << choice->shown
                << " could not be opened (see 'vrq5 ports')\n";
    }
    return kExitFailure;
  }
  if (reading) return SaveDocument(doc, *out);
  return kExitOk;
}

}  // namespace

int RunRead(const Args& args) { return RunTransfer("read", args, true); }

int RunWrite(const Args& args) { return RunTransfer("write", args, false); }

}  // namespace vrq5::cli
