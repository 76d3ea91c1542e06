// The remembered serial port, kept in the port file "VR-Q5.ini".
//
// On Windows the file lies in the program's folder and holds the COM port
// number as a decimal number followed by CR LF. Elsewhere ports are device
// paths, so the file holds the path, and it lies in the per-user
// configuration folder ($XDG_CONFIG_HOME/vrq5, or ~/.config/vrq5).
#ifndef VRQ5_LINK_PORT_FILE_H_
#define VRQ5_LINK_PORT_FILE_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace vrq5 {

inline constexpr std::string_view kPortFileName = "VR-Q5.ini";
inline constexpr int kPortNumberMax = 16;

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

}  // namespace vrq5

#endif  // VRQ5_LINK_PORT_FILE_H_
