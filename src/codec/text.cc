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

double Val(std::string_view text) {
  // Collect the characters of the number, dropping blanks, then let strtod
  // convert the collected text so the result is the nearest double.
  std::string number;
  size_t i = 0;
  auto skip_blanks = [&] {
    while (i < text.size() && IsNumberBlank(text[i])) ++i;
  };
  auto digits = [&] {
    size_t count = 0;
    for (skip_blanks(); i < text.size(); skip_blanks()) {
      char c = text[i];
      if (c < '0' || c > '9') break;
      number.push_back(c);
      ++i;
      ++count;
    }
    return count;
  };
  skip_blanks();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    number.push_back(text[i]);
    ++i;
  }
  size_t mantissa = digits();
  skip_blanks();
  if (i < text.size() && text[i] == '.') {
    number.push_back('.');
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return 0.0;
  skip_blanks();
  if (i < text.size() &&
      (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    size_t mark = i;
    std::string exponent = "e";
    ++i;
    skip_blanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      exponent.push_back(text[i]);
      ++i;
    }
    std::string saved = number;
    number.clear();
    if (digits() > 0) {
      exponent += number;
      number = saved + exponent;
    } else {
      number = saved;
      i = mark;
    }
  }
  double value = std::strtod(number.c_str(), nullptr);
  if (std::isinf(value)) return value > 0 ? HUGE_VAL : -HUGE_VAL;
  return value;
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

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace vrq5
