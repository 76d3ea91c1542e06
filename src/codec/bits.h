// The two bit maps of the receiver memory, the bank-group area and the
// channel enable bitmap, between their hex texts and the flag tables. In a
// bit map the first bit of every byte is its most significant bit.
#ifndef VRQ5_CODEC_BITS_H_
#define VRQ5_CODEC_BITS_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vrq5 {

inline constexpr int kSlotCount = 1300;
inline constexpr int kGroupRows = 11;   // row 0 unused, rows 1..10 the groups
inline constexpr int kGroupBanks = 54;  // banks 50..53 are never set

// -1 = bank belongs to the group of the row, 0 = not.
using GroupTableArray =
    std::array<std::array<int16_t, kGroupBanks>, kGroupRows>;
// -1 = channel enabled, 0 = disabled.
using FlagArray = std::array<int16_t, kSlotCount>;
// The enable bitmap as six hex pieces of up to 64 digits.
using EnablePieces = std::array<std::string, 6>;

// "0".."9", "A".."F" to their four bits, most significant first. The
// comparison is exact: anything else (lower case, empty, longer) is "0000".
std::string HexDigitToBits(std::string_view digit);
// "0000".."1111" to one upper-case hex digit; anything else gives "".
std::string BitsToHexDigit(std::string_view bits);

// The bank-group area (at least the first 192 hex digits are read; missing
// digits count as zero bits) into rows 1..10 of `table`. Row 0 and banks
// 50..53 are left as they are.
void GroupHexToTable(std::string_view group_hex, GroupTableArray& table);
// Rows 0..10 of `table` into the 176-digit text of the 88 written bytes,
// with the fixed marker bit at bit 53 of row 10.
std::string GroupTableToHex(const GroupTableArray& table);

// The enable pieces, joined, into one flag per slot (digits beyond the end
// count as zero bits).
void EnableHexToFlags(const EnablePieces& pieces, FlagArray& flags);
// The flags into five pieces of 64 digits and a last piece of 5 digits. A
// flag other than -1 is written as a clear bit.
EnablePieces FlagsToEnableHex(const FlagArray& flags);

}  // namespace vrq5

#endif  // VRQ5_CODEC_BITS_H_
