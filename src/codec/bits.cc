#include "codec/bits.h"

namespace vrq5 {

namespace {

// Bits of one digit as HexDigitToBits gives them: only upper-case digits
// count, anything else is four zero bits.
int StrictNibble(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Bit `k` of a hex text, counted from 0, first bit of a digit most
// significant; digits beyond the end read as zero.
bool BitAt(std::string_view hex, size_t k) {
  size_t digit = k / 4;
  if (digit >= hex.size()) return false;
  return (StrictNibble(hex[digit]) >> (3 - k % 4)) & 1;
}

// Packs a bit sequence into upper-case hex digits, four bits a digit.
class HexBitWriter {
 public:
  void Push(bool bit) {
    nibble_ = (nibble_ << 1) | (bit ? 1 : 0);
    if (++count_ == 4) {
      out_.push_back(kHexDigits[nibble_]);
      nibble_ = 0;
      count_ = 0;
    }
  }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
  int nibble_ = 0;
  int count_ = 0;
};

}  // namespace

std::string HexDigitToBits(std::string_view digit) {
  if (digit.size() != 1) return "0000";
  char c = digit[0];
  bool valid = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
  if (!valid) return "0000";
  int v = StrictNibble(c);
  std::string out(4, '0');
  for (int i = 0; i < 4; ++i) {
    if ((v >> (3 - i)) & 1) out[i] = '1';
  }
  return out;
}

std::string BitsToHexDigit(std::string_view bits) {
  if (bits.size() != 4) return "";
  int v = 0;
  for (char c : bits) {
    if (c != '0' && c != '1') return "";
    v = v * 2 + (c - '0');
  }
  return std::string(1, kHexDigits[v]);
}

void GroupHexToTable(std::string_view group_hex, GroupTableArray& table) {
  std::string_view hex = group_hex.substr(0, 192);
  for (int row = 1; row <= 10; ++row) {
    for (int bank = 0; bank < 50; ++bank) {
      table[row][bank] = BitAt(hex, 64 * row + bank) ? -1 : 0;
    }
  }
}

std::string GroupTableToHex(const GroupTableArray& table) {
  HexBitWriter writer;
  for (int row = 0; row <= 10; ++row) {
    for (int bank = 0; bank < 50; ++bank) writer.Push(table[row][bank] == -1);
    for (int bit = 50; bit < 64; ++bit) writer.Push(row == 10 && bit == 53);
  }
  return writer.Take();
}

void EnableHexToFlags(const EnablePieces& pieces, FlagArray& flags) {
  std::string joined;
  for (const auto& piece : pieces) joined += piece;
  std::string_view hex = std::string_view(joined).substr(0, 512);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    flags[slot] = BitAt(hex, slot) ? -1 : 0;
  }
}

EnablePieces FlagsToEnableHex(const FlagArray& flags) {
  HexBitWriter writer;
  for (int slot = 0; slot < kSlotCount; ++slot) writer.Push(flags[slot] == -1);
  std::string hex = writer.Take();  // 325 digits
  EnablePieces pieces;
  for (size_t j = 0; j < pieces.size(); ++j) {
    pieces[j] = hex.substr(64 * j, 64);
  }
  return pieces;
}

}  // namespace vrq5
