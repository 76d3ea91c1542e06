// The remembered serial port, kept in the port file "VR-Q5.ini".
//
// On Windows the file lies in the program's folder and holds the COM port
// number as a decimal number followed by CR LF. Elsewhere ports are device
// paths, so the file holds the path, and it lies in the per-user
// configuration folder (`ConfigFolder`).
#ifndef VRQ5_LINK_PORT_FILE_H_
#define VRQ5_LINK_PORT_FILE_H_

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vrq5 {

inline constexpr std::string_view kPortFileName = "VR-Q5.ini";
inline constexpr int kPortNumberMax = 16;
// The port name of the built-in simulated receiver.
inline constexpr std::string_view kSimulatedPortName = "sim";

// The program's per-user configuration folder, where the port file and the
// window's settings lie: $XDG_CONFIG_HOME/vrq5, else $HOME/.config/vrq5,
// else the home folder the password database gives the user +
// /.config/vrq5 (HOME unset or empty). Relative (.config/vrq5) only when
// no home is known at all. On Windows: %APPDATA%\vrq5.
std::filesystem::path ConfigFolder();

// The folder of the port file on this platform: beside the program
// (`program_path` is its path) on Windows, the per-user configuration
// folder of this program elsewhere.
std::filesystem::path DefaultPortFolder(std::string_view program_path);

// Number form. The first integer in the text; 1..16 is the port number,
// anything else (and a text without a number) gives 1.
int PortNumberFromText(std::string_view text);
// The file text of a port number: its decimal digits and CR LF.
std::string PortNumberText(int number);
// "COM1".."COM16" (any letter case) as a number; 0 for another name.
int PortNumberOfName(std::string_view name);

// Path form: the first line without surrounding blanks.
std::string PortPathFromText(std::string_view text);

// Reads the port file in `folder`. Returns the port name: "COM" + number on
// Windows (COM1 when the file is missing or holds no valid number), the
// stored device path elsewhere (empty when none is stored).
std::string LoadPortName(const std::filesystem::path& folder);
// Writes the port file anew (creating the folder). On Windows a name that
// is not COM1..COM16 is stored as 1. False when the file cannot be written.
bool SavePortName(const std::filesystem::path& folder, std::string_view name);

// Closing the window: the port the window chose (empty: it chose none) is
// written again only when the file does not hold it and still holds what
// it held just after the choice, so a port chosen since by another window
// or by vrq5 --port is kept.
bool PortFileNeedsRewrite(std::string_view chosen,
                          std::string_view held_after_choice,
                          std::string_view held_now);

// ----- the port dialog's list -----

// A port the machine has: what is stored when it is chosen (a device path
// or "COM3") and how the system describes it.
struct PortDevice {
  std::string name;
  std::string description;
};

struct PortRow {
  enum class Kind {
    kDevice,     // a port of the machine
    kSaved,      // the saved port, not among them but present (a pty)
    kMissing,    // the saved port, whose device is not there
    kSimulated,  // the built-in simulated receiver
  };
  std::string name;
  std::string description;
  Kind kind = Kind::kDevice;
};

struct PortRows {
  std::vector<PortRow> rows;
  int current = -1;  // the saved port's row; -1 without a saved port
};

// The rows of the port dialog: the saved port first when the machine's
// list lacks it (present or missing as `saved_present` says), then the
// machine's ports, then the simulated receiver last. Only the saved
// port's row is current, so the simulated receiver never is unless it is
// the saved port.
PortRows PortDialogRows(const std::vector<PortDevice>& devices,
                        std::string_view saved, bool saved_present);

}  // namespace vrq5

#endif  // VRQ5_LINK_PORT_FILE_H_
