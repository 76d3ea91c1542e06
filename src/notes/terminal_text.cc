#include "notes/terminal_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#include <langinfo.h>
#endif

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <clocale>
#include <optional>

namespace vrq5 {

namespace {

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// The bytes of the UTF-8 character that starts with `lead` (1 for a byte
// that starts none).
size_t Utf8Length(unsigned char lead) {
  return lead < 0x80       ? 1
         : lead >> 5 == 6  ? 2
         : lead >> 4 == 14 ? 3
         : lead >> 3 == 30 ? 4
                           : 1;
}

// UTF-8 text in plain ASCII, each other character "?".
std::string AsciiOnly(std::string_view utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    auto b = static_cast<unsigned char>(utf8[i]);
    out += b < 0x80 ? utf8[i] : '?';
    i += Utf8Length(b);
  }
  return out;
}

// `text` from the encoding `from` in the encoding `to`, each character
// that `to` lacks (or bytes that are no character of `from`) becoming "?".
// Nothing when the system does not know one of the encodings.
std::optional<std::string> Convert(std::string_view text,
                                   const std::string& from,
                                   const std::string& to) {
#ifdef _WIN32
  // No converter here (the console takes UTF-8).
  (void)text;
  (void)from;
  (void)to;
  return std::nullopt;
#else
  iconv_t cd = iconv_open(to.c_str(), from.c_str());
  // iconv_open's failure value is (iconv_t)-1.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  const bool from_utf8 = IsUtf8Codeset(from);
  std::string out;
  char buffer[256];
  // Converts what `in` holds as far as it goes; false where it stopped at
  // a character it cannot convert.
  auto run = [&](char** in, size_t* left) {
    for (;;) {
      char* o = buffer;
      size_t o_left = sizeof buffer;
      size_t r = iconv(cd, in, left, &o, &o_left);
      out.append(buffer, static_cast<size_t>(o - buffer));
      if (r != static_cast<size_t>(-1)) return true;
      if (errno != E2BIG) return false;
    }
  };
  char* in = const_cast<char*>(text.data());
  size_t left = text.size();
  while (!run(&in, &left) && left > 0) {
    size_t skip = from_utf8 ? Utf8Length(static_cast<unsigned char>(*in)) : 1;
    skip = std::min(skip, left);
    in += skip;
    left -= skip;
    char mark[] = "?";
    char* m = mark;
    size_t m_left = 1;
    run(&m, &m_left);
  }
  run(nullptr, nullptr);  // back to the initial shift state
  iconv_close(cd);
  return out;
#endif
}

}  // namespace

bool IsAsciiText(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) > 0x7F) return false;
  }
  return true;
}

bool IsUtf8Codeset(const std::string& codeset) {
  std::string name;
  for (char c : codeset) {
    if (c != '-' && c != '_') {
      name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  return name == "UTF8";
}

std::string Utf8ForTerminal(std::string_view utf8, const std::string& codeset) {
  if (IsAsciiText(utf8) || IsUtf8Codeset(codeset)) return std::string(utf8);
  if (auto local = Convert(utf8, "UTF-8", codeset)) return *local;
  return AsciiOnly(utf8);  // an encoding the system does not know
}

const std::string& TerminalCodeset() {
#ifdef _WIN32
  static const std::string codeset = "UTF-8";
#else
  static const std::string codeset = [] {
    std::setlocale(LC_CTYPE, "");
    const char* name = nl_langinfo(CODESET);
    return std::string(name != nullptr && *name ? name : "ANSI_X3.4-1968");
  }();
#endif
  return codeset;
}

bool TerminalIsUtf8() { return IsUtf8Codeset(TerminalCodeset()); }

size_t TerminalColumns(std::string_view utf8) {
  size_t columns = 0;
  for (size_t i = 0; i < utf8.size();) {
    auto b = static_cast<unsigned char>(utf8[i]);
    int length = static_cast<int>(Utf8Length(b));
    char32_t c = length == 1 ? b : b & (0x7F >> length);
    for (int k = 1; k < length && i + k < utf8.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    columns += IsWide(c) ? 2 : 1;
    i += static_cast<size_t>(length);
  }
  return columns;
}

size_t TerminalColumns(std::string_view text, const std::string& codeset) {
  if (IsUtf8Codeset(codeset)) return TerminalColumns(text);
  if (IsAsciiText(text)) return text.size();
  auto utf8 = Convert(text, codeset, "UTF-8");
  return utf8 ? TerminalColumns(*utf8) : text.size();
}

bool UseUtf8Console() {
#ifdef _WIN32
  return ::SetConsoleOutputCP(CP_UTF8) != 0;
#else
  return TerminalIsUtf8();
#endif
}

}  // namespace vrq5
