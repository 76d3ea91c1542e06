// vrq5: the command-line tool of the VR-Q5/Q70 clone utility.
#include <csignal>
#include <cwchar>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
// (shellapi.h needs windows.h first.)
#include <shellapi.h>
#endif

#include "cli/args.h"
#include "cli/commands.h"
#include "files/file_status.h"
#include "license_notice.h"
#include "notes/terminal_text.h"

namespace {

struct Command {
  const char* name;
  const char* summary;
  int (*run)(const vrq5::cli::Args&);
};

const Command kCommands[] = {
    {"new", "write the new default document of a model", vrq5::cli::RunNew},
    {"info", "show a document: banks, channels in use, settings, VFO bands",
     vrq5::cli::RunInfo},
    {"list", "print the memory channels as the memory grid shows them",
     vrq5::cli::RunList},
    {"export", "write a clone file as CSV", vrq5::cli::RunExport},
    {"import", "merge a CSV file onto a clone file and save it",
     vrq5::cli::RunImport},
    {"diff", "name what differs between two clone files", vrq5::cli::RunDiff},
    {"print", "write the channels, banks, settings or VFO bands as PDF pages",
     vrq5::cli::RunPrint},
    {"read", "read the receiver into a clone file", vrq5::cli::RunRead},
    {"verify", "check a clone file before it is written to the receiver",
     vrq5::cli::RunVerify},
    {"write", "write a clone file into the receiver", vrq5::cli::RunWrite},
    {"snapshots", "list what the receiver held before each write",
     vrq5::cli::RunSnapshots},
    {"check", "check the cable and the receiver, and say what is wrong",
     vrq5::cli::RunCheck},
    {"ports", "list the serial ports of this machine", vrq5::cli::RunPorts},
    {"sim", "serve a simulated receiver on a pseudo-terminal",
     vrq5::cli::RunSim},
};

void PrintUsage(std::ostream& out) {
  out << "Usage: vrq5 COMMAND [ARGS]\n"
         "Programs the Korvex VR-Q5 and VR-Q70 receivers.\n\nCommands:\n";
  for (const auto& c : kCommands) {
    const size_t length = std::string_view(c.name).size();
    out << "  " << c.name << std::string(length < 10 ? 10 - length : 1, ' ')
        << c.summary << "\n";
  }
  out << "\n'vrq5 COMMAND --help' describes a command; 'vrq5 --version' "
         "names the version and the licence.\n";
}

// The arguments after the program's name, as UTF-8 text. On Windows they
// are taken from the system's own (UTF-16) command line: `argv` holds them
// in the ANSI code page, which loses a file name in Japanese on most
// machines.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide != nullptr) {
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) {
      const int size = static_cast<int>(std::wcslen(wide[i]));
      const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide[i], size,
                                               nullptr, 0, nullptr, nullptr);
      std::string arg(static_cast<size_t>(length > 0 ? length : 0), '\0');
      if (length > 0) {
        ::WideCharToMultiByte(CP_UTF8, 0, wide[i], size, arg.data(), length,
                              nullptr, nullptr);
      }
      args.push_back(std::move(arg));
    }
    ::LocalFree(wide);
    return args;
  }
#endif
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Everything the program prints is UTF-8 (notes in Japanese included).
  vrq5::UseUtf8Console();
#endif
#ifdef SIGXFSZ
  // A file that outgrows the size limit fails its write ("File Open Error")
  // instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  vrq5::RemoveUnfinishedSavesOnSignals();
  std::vector<std::string> args = Arguments(argc, argv);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" ||
      args[0] == "help") {
    PrintUsage(args.empty() ? std::cerr : std::cout);
    return args.empty() ? vrq5::cli::kExitUsage : vrq5::cli::kExitOk;
  }
  if (args[0] == "--version") {
    std::cout << "vrq5 " << VRQ5_VERSION << "\n" << VRQ5_LICENSE_NOTICE;
    return vrq5::cli::kExitOk;
  }
  for (const auto& c : kCommands) {
    if (args[0] == c.name) {
      return c.run({args.begin() + 1, args.end()});
    }
  }
  std::cerr << "vrq5: unknown command '" << args[0] << "'\n";
  PrintUsage(std::cerr);
  return vrq5::cli::kExitUsage;
}
