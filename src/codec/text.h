// Small text and number conversions shared by the codecs, the files and the
// link: numeric value of a text, the two fixed-point formats, whole-number
// rounding, hex byte fields and zero padding.
#ifndef VRQ5_CODEC_TEXT_H_
#define VRQ5_CODEC_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace vrq5 {

// The numeric value of the number a text begins with, read the way the
// program reads every number typed or stored as text: leading blanks, tabs and
// line ends are skipped, then an optional sign, digits with an optional
// decimal point, and an optional exponent (E or D). Blanks, tabs and line
// ends between the characters of the number are ignored ("1 000" is 1000).
// Reading stops at the first character that cannot continue the number;
// a text that does not begin with a number is 0 ("300HZ" is 300, "HZ" is 0).
double Val(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Not a number gives 0.
double RoundHalfEven(double value);

// RoundHalfEven, then clamped into [low, high].
int64_t RoundToRange(double value, int64_t low, int64_t high);

// A frequency in MHz as "###0.000000": six decimals, at least one integer
// digit, "." as decimal separator.
std::string FormatFrequency(double mhz);
// A shift offset in MHz as "#0.000000" (the same digits as a frequency).
std::string FormatOffset(double mhz);

// A whole number of millionths as a decimal with six decimals
// (145125000 -> "145.125000"): a whole number of Hz shown in MHz.
std::string FormatMicroUnits(int64_t micro);

// True for 0-9, A-F and a-f.
bool IsHexDigit(char c);
// Value of a hex digit (either case); -1 for any other character.
int HexDigitValue(char c);

// Reads the hex number at the start of `text`, stopping at the first
// character that is not a hex digit. At most 16 digits are read. A text
// that starts with a non-digit (or is empty) reads as 0.
uint64_t HexPrefixValue(std::string_view text);

// The field of `length` characters starting at the 1-based character
// position `pos`, cut at the end of the text (an empty view when the field
// lies beyond the end).
std::string_view Mid(std::string_view text, size_t pos, size_t length);

// A byte field: the two characters at 1-based position `pos`, read as a hex
// number (0..255). Missing or non-hex characters read as described for
// HexPrefixValue.
int HexByteAt(std::string_view text, size_t pos);

// `value` (0..255) as two upper-case hex digits.
std::string HexByte(int value);

// `value` as upper-case hex with at least `width` digits.
std::string HexText(uint64_t value, int width);

// A non-negative number in decimal with at least two digits ("5" -> "05").
std::string Pad2(int value);

// True when `text`, with its ASCII letters upper-cased, equals `upper`.
bool EqualsUpper(std::string_view text, std::string_view upper);

// Upper-cases ASCII letters.
std::string ToUpperAscii(std::string_view text);

}  // namespace vrq5

#endif  // VRQ5_CODEC_TEXT_H_
