// vrq5 read and vrq5 write: the window's transfer commands on the command
// line, through a serial port, a pseudo-terminal or the built-in simulated
// receiver ("sim").
#include <unistd.h>

#include <QCoreApplication>
#include <csignal>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/common.h"
#include "cli/port_option.h"
#include "cli/progress.h"
#include "cli/stop_signals.h"
#include "link/port_file.h"
#include "link/transfer.h"
#include "notes/note_text.h"
#include "radio/receiver.h"
#include "radio/safe_write.h"
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
    "Usage: vrq5 write [--port P] [--model M] [--part PART] [--force]\n"
    "                  [--snapshot-dir DIR] [--no-snapshot] [--no-verify]\n"
    "                  [--preview] [--yes] FILE.VQ5\n"
    "Writes a clone file into the receiver. Ctrl+C (or SIGTERM, SIGHUP) stops\n"
    "between two exchanges. Before anything is sent, the parts to be\n"
    "written are checked as 'vrq5 verify' checks them: errors (what the\n"
    "receiver would refuse or misfile) stop the write with exit status 1,\n"
    "warnings are printed on standard error and the write goes on.\n"
    "Then the receiver is read and kept as a snapshot ('vrq5 snapshots'),\n"
    "what the write will change is printed on standard output and, when\n"
    "standard input is a terminal, asked about; after the write, what was\n"
    "written is read back and compared (exit status 1 when it differs).\n"
    "\n"
    "  --port P    a device path, a port name as 'vrq5 ports' lists it, or\n"
    "              'sim' (the built-in simulated receiver); without it the\n"
    "              port remembered from the last --port is used\n"
    "  --model M   VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n"
    "  --part P    all (default: Write > ALL), settings, memory, bank, group\n"
    "  --force     write in spite of errors the check finds\n"
    "  --snapshot-dir DIR  keep the snapshot there (default:\n"
    "              $XDG_DATA_HOME/vrq5/snapshots, else\n"
    "              ~/.local/share/vrq5/snapshots)\n"
    "  --no-snapshot  no read before the write, so no snapshot and no list\n"
    "              of changes\n"
    "  --no-verify no read-back after the write\n"
    "  --preview   read, print what the write would change, write nothing\n"
    "  --yes       write without asking\n";

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

// A read or write command, once its options are checked.
struct Request {
  std::string command;
  const char* help = nullptr;
  bool reading = false;
  bool quick = false;
  const Part* part = nullptr;
  std::optional<std::string> out;  // reads: the clone file to write
  ParsedArgs parsed;

  UserCommand user_command() const {
    return quick ? UserCommand::kReadQuick : reading ? part->read : part->write;
  }
};

// Checks a command's options: false with the exit status in `code` when the
// command ends here (an error or --help).
bool ParseRequest(const Args& args, Request& request, int& code) {
  const std::string& command = request.command;
  const char* help = request.help;
  OptionSet options{{"--port", "--model", "--part"}, {}, {}};
  if (request.reading) {
    options.with_value.insert("-o");
    options.flags.insert("--quick");
  } else {
    options.with_value.insert("--snapshot-dir");
    for (const char* flag :
         {"--force", "--no-snapshot", "--no-verify", "--preview", "--yes"}) {
      options.flags.insert(flag);
    }
  }
  code = kExitOk;
  auto parsed = ParseCommand(command, args, options, help, code);
  if (!parsed) return false;
  request.parsed = std::move(*parsed);
  std::string part_name = request.parsed.Value("--part").value_or("all");
  auto part = Parts().find(part_name);
  if (part == Parts().end()) {
    code = UsageError(command, "unknown part " + part_name, help);
    return false;
  }
  request.part = &part->second;
  request.quick = request.reading && request.parsed.Has("--quick");
  if (request.quick && part_name != "all") {
    code =
        UsageError(command, "--quick reads everything: leave out --part", help);
    return false;
  }
  const std::vector<std::string>& positional = request.parsed.positional;
  if (request.reading) {
    if (!positional.empty()) {
      code = UsageError(command, "unexpected argument " + positional[0], help);
      return false;
    }
    request.out = request.parsed.Value("-o");
    if (!request.out) {
      code = UsageError(command, "-o FILE.VQ5 is required", help);
      return false;
    }
  } else if (positional.size() != 1) {
    code = UsageError(command, "one clone file is needed", help);
    return false;
  } else if (request.parsed.Has("--preview") &&
             request.parsed.Has("--no-snapshot")) {
    code = UsageError(
        command, "--preview needs the read --no-snapshot leaves out", help);
    return false;
  }
  return true;
}

// The document before the port is touched: a read whose file cannot be
// written is refused, and a write's file is opened and what the part sends
// is checked. Returns 0 or the exit status.
int PrepareDocument(const Request& request, Document& doc) {
  if (!ApplyModel(request.command, request.parsed, doc)) return kExitUsage;
  if (request.reading) {
    return CheckOutput(request.command, *request.out, {}, request.help);
  }
  if (int rc = OpenDocument(doc, request.parsed.positional[0])) return rc;
  if (!CheckWrite(doc, WriteScopeOf(request.part->write),
                  request.parsed.Has("--force"), std::cerr)) {
    return kExitFailure;
  }
  return kExitOk;
}

// How an exchange ended.
struct Outcome {
  CommandResult result = CommandResult::kFailure;
  // A write that sent nothing: the receiver held it already, the user
  // answered no, or --preview.
  bool nothing_written = false;
  bool port_opened = false;
  bool stopped = false;
  std::string signal_name;
  int accepted_model = -1;
};

// Asks on the terminal whether to write the changes printed.
bool WriteConfirmed() {
  std::cerr << "Write these changes? [y/N] " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) return false;
  return answer == "y" || answer == "Y" || answer == "yes";
}

// A write in its four steps: snapshot, changes (printed, and asked about
// on a terminal), the write, the read-back.
void SafeExchange(const Request& request, Link& link, ProgressBar& bar,
                  const TransferSinks& sinks, Document& doc, Outcome& outcome) {
  const ParsedArgs& parsed = request.parsed;
  radio::SafeWriteOptions options;
  options.snapshot = !parsed.Has("--no-snapshot");
  options.verify = !parsed.Has("--no-verify");
  if (auto dir = parsed.Value("--snapshot-dir")) options.snapshot_folder = *dir;
  radio::SafeWrite write(doc, request.part->write, options);
  const radio::PlanResult plan = write.Plan(link, sinks);
  outcome.accepted_model = write.accepted_model();
  bar.Finish();
  if (plan == radio::PlanResult::kNothingToWrite) {
    outcome.result = CommandResult::kSuccess;
    outcome.nothing_written = true;
    return;
  }
  if (plan != radio::PlanResult::kWrite) return;
  for (const std::string& line : write.changes()) {
    std::cout << NoteForTerminal(line) << "\n";
  }
  std::cout << std::flush;
  const bool ask = !parsed.Has("--yes") && ::isatty(STDIN_FILENO) != 0;
  if (parsed.Has("--preview") || (ask && !WriteConfirmed())) {
    if (!parsed.Has("--preview")) std::cerr << "Nothing was written.\n";
    outcome.result = parsed.Has("--preview") ? CommandResult::kSuccess
                                             : CommandResult::kFailure;
    outcome.nothing_written = true;
    return;
  }
  outcome.result = write.WriteAndVerify(link, doc, sinks);
  outcome.accepted_model = write.accepted_model();
}

// Runs the command over the chosen port; Ctrl+C, SIGTERM and SIGHUP stop
// it between two exchanges and leave the receiver unlinked.
Outcome Exchange(const Request& request, PortChoice& choice, Document& doc) {
  Link link(*choice.port);
  auto stop = std::make_unique<StopSignals>(
      std::initializer_list<int>{SIGINT, SIGTERM, SIGHUP});
  link.set_cancel_flag(stop->stopped());

  std::string label = request.quick
                          ? "Read Channels in use"
                          : std::string(request.reading ? "Read " : "Write ") +
                                request.part->label;
  ProgressBar bar(label);
  TransferSinks sinks;
  sinks.progress = [&](int value, int maximum) { bar.Update(value, maximum); };
  sinks.message = [&](const Message& m) {
    bar.Finish();
    std::cerr << m.text << "\n";
    if (!m.informative.empty()) std::cerr << m.informative << "\n";
  };
  Outcome outcome;
  if (request.reading) {
    Transfer transfer(link, doc, sinks);
    outcome.result = transfer.Run(request.user_command());
    outcome.accepted_model = transfer.accepted_model();
  } else {
    SafeExchange(request, link, bar, sinks, doc, outcome);
  }
  bar.Finish();
  outcome.port_opened = choice.port->IsOpen();
  if (stop->stopped()->load() && outcome.port_opened) {
    // The receiver is left unlinked, unless a second signal stops that too.
    link.set_cancel_flag(stop->stopped_again());
    Transfer(link, doc).SendQVFINISH();
  }
  choice.port->Close();
  outcome.stopped = stop->stopped()->load();
  outcome.signal_name = stop->name();
  return outcome;
}

int RunTransfer(const std::string& command, const Args& args, bool reading) {
  Request request;
  request.command = command;
  request.reading = reading;
  request.help = reading ? kReadHelp : kWriteHelp;
  int code = kExitOk;
  if (!ParseRequest(args, request, code)) return code;
  Document doc;
  if (int rc = PrepareDocument(request, doc)) return rc;

  int argc = 1;
  char program_name[] = "vrq5";
  char* argv[] = {program_name, nullptr};
  QCoreApplication app(argc, argv);
  auto choice = ChoosePort(
      command, request.parsed,
      QCoreApplication::applicationFilePath().toStdString(), doc.ModelIndex);
  if (!choice) return kExitUsage;
  const Outcome outcome = Exchange(request, *choice, doc);

  if (outcome.stopped) {
    std::cerr << "Stopped by " << outcome.signal_name
              << " between two exchanges; "
              << (reading ? "nothing was saved.\n"
                          : "the receiver holds what was written so far.\n");
    return kExitFailure;
  }
  if (outcome.accepted_model >= 0) {
    std::cerr << RunAgainWithModelText(outcome.accepted_model) << "\n";
  }
  if (outcome.result != CommandResult::kSuccess) {
    if (!outcome.port_opened) {
      std::cerr << "vrq5 " << command << ": the port " << choice->shown
                << " could not be opened (see 'vrq5 ports')\n";
    }
    return kExitFailure;
  }
  if (reading) return SaveDocument(doc, *request.out);
  return kExitOk;
}

}  // namespace

int RunRead(const Args& args) { return RunTransfer("read", args, true); }

int RunWrite(const Args& args) { return RunTransfer("write", args, false); }

}  // namespace vrq5::cli
