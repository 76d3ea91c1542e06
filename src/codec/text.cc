#include "codec/text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vrq5 {

namespace {

bool IsNumberBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

namespace {

// Scans the number at the start of a text. With `out` it also collects the
// number's characters (blanks dropped) for strtod.
struct NumberScan {
  uint64_t mantissa = 0;  // the first 15 significant digits
  int significant = 0;
  int decimals = 0;
  size_t digit_count = 0;
  bool negative = false;
  bool has_exponent = false;
};

// The scanner's position and what it has seen; one step a member.
class NumberScanner {
 public:
  NumberScanner(std::string_view text, std::string* out)
      : text_(text), out_(out) {}

  NumberScan Scan() {
    SkipBlanks();
    if (At('+') || At('-')) {
      n_.negative = At('-');
      Take();
    }
    n_.digit_count = Digits(false, false);
    SkipBlanks();
    if (At('.')) {
      Take();
      n_.digit_count += Digits(true, false);
    }
    if (n_.digit_count == 0) return n_;
    SkipBlanks();
    if (At('E') || At('e') || At('D') || At('d')) Exponent();
    return n_;
  }

 private:
  bool At(char c) const { return i_ < text_.size() && text_[i_] == c; }

  void Put(char c) {
    if (out_) out_->push_back(c);
  }

  // Keeps the character at the position and moves past it.
  void Take() { Put(text_[i_++]); }

  void SkipBlanks() {
    while (i_ < text_.size() && IsNumberBlank(text_[i_])) ++i_;
  }

  // Reads digits, blanks between them dropped; returns how many.
  size_t Digits(bool fraction, bool exponent) {
    size_t count = 0;
    for (; i_ < text_.size(); ++i_) {
      char c = text_[i_];
      if (IsNumberBlank(c)) continue;
      if (c < '0' || c > '9') break;
      Put(c);
      ++count;
      if (!exponent) Significant(c, fraction);
    }
    return count;
  }

  void Significant(char c, bool fraction) {
    if (n_.significant > 0 || c != '0') ++n_.significant;
    if (n_.significant <= 15) n_.mantissa = n_.mantissa * 10 + (c - '0');
    if (fraction) ++n_.decimals;
  }

  // An exponent mark counts only with digits after it; otherwise the
  // number ends before the mark.
  void Exponent() {
    size_t mark = i_;
    size_t kept = out_ ? out_->size() : 0;
    Put('e');
    ++i_;
    SkipBlanks();
    if (At('+') || At('-')) Take();
    if (Digits(false, true) > 0) {
      n_.has_exponent = true;
      return;
    }
    if (out_) out_->resize(kept);
    i_ = mark;
  }

  std::string_view text_;
  std::string* out_;
  size_t i_ = 0;
  NumberScan n_;
};

NumberScan ScanNumber(std::string_view text, std::string* out) {
  return NumberScanner(text, out).Scan();
}

}  // namespace

double Val(std::string_view text) {
  NumberScan n = ScanNumber(text, nullptr);
  if (n.digit_count == 0) return 0.0;
  // Up to 15 digits without an exponent are an exact integer divided by an
  // exact power of ten: the quotient is the nearest double, as strtod's.
  if (!n.has_exponent && n.significant <= 15 && n.decimals <= 22) {
    static constexpr double kPowers[] = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    double value = static_cast<double>(n.mantissa) / kPowers[n.decimals];
    return n.negative ? -value : value;
  }
  std::string number;
  ScanNumber(text, &number);
  return std::strtod(number.c_str(), nullptr);
}

double RoundHalfEven(double value) {
  if (std::isnan(value)) return 0.0;
  // The program never changes the floating-point rounding mode, so
  // nearbyint rounds to nearest with halves to even.
  return std::nearbyint(value);
}

int64_t RoundToRange(double value, int64_t low, int64_t high) {
  double r = RoundHalfEven(value);
  if (r <= static_cast<double>(low)) return low;
  if (r >= static_cast<double>(high)) return high;
  return static_cast<int64_t>(r);
}

std::string FormatMicroUnits(int64_t micro) {
  bool negative = micro < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(micro)
                                : static_cast<uint64_t>(micro);
  char buffer[32];
  char* end = buffer + sizeof buffer;
  char* p = end;
  for (int i = 0; i < 6; ++i) {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  *--p = '.';
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) *--p = '-';
  return std::string(p, end);
}

namespace {

std::string FormatSixDecimals(double value) {
  if (std::isnan(value) || std::isinf(value)) value = 0.0;
  // Values of the program are whole numbers of Hz, that is whole millionths
  // of a MHz: those are written directly. Anything else goes through
  // printf's exact decimal rounding.
  double micro = value * 1e6;
  if (std::fabs(micro) < 9e15) {
    double whole = std::nearbyint(micro);
    if (std::fabs(micro - whole) < 0.01) {
      return FormatMicroUnits(static_cast<int64_t>(whole));
    }
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
  std::string out(buffer);
  if (out == "-0.000000") out = "0.000000";
  return out;
}

}  // namespace

std::string FormatFrequency(double mhz) { return FormatSixDecimals(mhz); }

std::string FormatOffset(double mhz) { return FormatSixDecimals(mhz); }

bool IsHexDigit(char c) { return HexDigitValue(c) >= 0; }

namespace {

struct HexDigitTable {
  signed char value[256];
  constexpr HexDigitTable() : value() {
    for (int c = 0; c < 256; ++c) {
      value[c] = c >= '0' && c <= '9'   ? static_cast<signed char>(c - '0')
                 : c >= 'A' && c <= 'F' ? static_cast<signed char>(c - 'A' + 10)
                 : c >= 'a' && c <= 'f' ? static_cast<signed char>(c - 'a' + 10)
                                        : -1;
    }
  }
};

constexpr HexDigitTable kHexDigitTable;

}  // namespace

int HexDigitValue(char c) {
  return kHexDigitTable.value[static_cast<unsigned char>(c)];
}

uint64_t HexPrefixValue(std::string_view text) {
  uint64_t value = 0;
  for (size_t i = 0; i < text.size() && i < 16; ++i) {
    int d = HexDigitValue(text[i]);
    if (d < 0) break;
    value = value * 16 + static_cast<uint64_t>(d);
  }
  return value;
}

std::string_view Mid(std::string_view text, size_t pos, size_t length) {
  if (pos == 0 || pos > text.size()) return {};
  return text.substr(pos - 1, length);
}

int HexByteAt(std::string_view text, size_t pos) {
  return static_cast<int>(HexPrefixValue(Mid(text, pos, 2)));
}

std::string HexByte(int value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  value &= 0xFF;
  return {kDigits[value >> 4], kDigits[value & 0xF]};
}

std::string HexText(uint64_t value, int width) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  while (static_cast<int>(out.size()) < width) out.insert(out.begin(), '0');
  return out;
}

std::string Pad2(int value) {
  std::string s = std::to_string(value);
  if (value >= 0 && s.size() < 2) s.insert(s.begin(), '0');
  return s;
}

bool EqualsUpper(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upper[i]) return false;
  }
  return true;
}

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace vrq5
