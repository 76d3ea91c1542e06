// The receiver's clone protocol as this program speaks it: the addresses of
// its memory areas, the size of a block, and the command lines.
#ifndef VRQ5_LINK_PROTOCOL_H_
#define VRQ5_LINK_PROTOCOL_H_

#include <string>
#include <string_view>

namespace vrq5 {

// Memory areas of the receiver.
inline constexpr int kSettings1Address = 0x0000;
inline constexpr int kSettings2Address = 0x0020;
// The probe reads LinkBank here; its answer tells whether the receiver is
// linked.
inline constexpr int kProbeAddress = 0x0022;
inline constexpr int kGroupAddress = 0x0080;
inline constexpr int kBankTableAddress = 0x0100;
inline constexpr int kClearAreaAddress = 0x0180;
inline constexpr int kEnableAddress = 0x0200;
inline constexpr int kVfoAddress = 0x0300;
inline constexpr int kChannelAddress = 0x0A00;
// The one-byte write ("00") that completes the identification.
inline constexpr int kLinkWriteAddress = 0x0FD01;
inline constexpr int kBlockBytes = 32;

// Attempts of the probe before the receiver is identified.
inline constexpr int kProbeAttempts = 3;
// The models the receiver may take the identity of (0..3).
inline constexpr int kIdentityModels = 4;

// Leaves the receiver unidentified.
inline constexpr std::string_view kFinishLine = "QV~FINISH\r";
// Erases the receiver's channels before a memory write.
inline constexpr std::string_view kEraseLine = "QV~IM\r";

// A read command line: "QV~F" + five hex digits + "R" + CR.
std::string ReadCommandLine(int address);
// A write command line: "QV~F" + five hex digits + "W" + data + CR.
std::string WriteCommandLine(int address, std::string_view data);
// The identity line of a model index (3 and above: VR-Q70K).
std::string IdentityLine(int model_index);
// A channel command line by bank and channel digits: "QV~BC" + digits +
// "R" + CR, or "W" + record + CR for a write.
std::string ChannelReadLine(std::string_view bank_channel);
std::string ChannelWriteLine(std::string_view bank_channel,
                             std::string_view record);

}  // namespace vrq5

#endif  // VRQ5_LINK_PROTOCOL_H_
