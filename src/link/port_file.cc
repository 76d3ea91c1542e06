#include "link/port_file.h"

#include <cstdlib>
#include <system_error>

#include "codec/blank.h"
#include "files/file_status.h"
#include "files/utf8_path.h"

namespace vrq5 {

namespace {

constexpr bool kNumberForm =
#ifdef _WIN32
    true;
#else
    false;
#endif

bool IsBlankOrLineEnd(char c) { return IsBlank(c) || IsLineEnd(c); }

}  // namespace

std::filesystem::path ConfigFolder() {
#ifdef _WIN32
  if (const wchar_t* appdata = ::_wgetenv(L"APPDATA"); appdata && *appdata) {
    return std::filesystem::path(appdata) / "vrq5";
  }
  return std::filesystem::path("vrq5");
#else
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    return std::filesystem::path(xdg) / "vrq5";
  }
  return UserHomeFolder() / ".config" / "vrq5";
#endif
}

std::filesystem::path DefaultPortFolder(std::string_view program_path) {
  if (kNumberForm) {
    return PathFromUtf8(program_path).parent_path();
  }
  return ConfigFolder();
}

int PortNumberFromText(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlankOrLineEnd(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  long value = 0;
  size_t digits = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
    if (value < 1000) value = value * 10 + (text[i] - '0');
  }
  if (digits == 0 || negative) return 1;
  if (value < 1 || value > kPortNumberMax) return 1;
  return static_cast<int>(value);
}

std::string PortNumberText(int number) {
  return std::to_string(number) + "\r\n";
}

int PortNumberOfName(std::string_view name) {
  if (name.size() < 4 || name.size() > 5) return 0;
  for (int i = 0; i < 3; ++i) {
    char c = static_cast<char>(name[i] & ~0x20);
    if (c != "COM"[i]) return 0;
  }
  int value = 0;
  for (char c : name.substr(3)) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value >= 1 && value <= kPortNumberMax ? value : 0;
}

std::string PortPathFromText(std::string_view text) {
  size_t end = text.find_first_of("\r\n");
  std::string_view line = text.substr(0, end);
  return std::string(Trim(line));
}

std::string LoadPortName(const std::filesystem::path& folder) {
  // The file holds one number or one path; its first 4 KiB are plenty.
  std::string text;
  bool truncated = false;
  bool found =
      ReadFileHead(PathToUtf8(folder / kPortFileName), 4096, text, truncated);
  if (kNumberForm) {
    return "COM" + std::to_string(found ? PortNumberFromText(text) : 1);
  }
  return found ? PortPathFromText(text) : std::string();
}

bool SavePortName(const std::filesystem::path& folder, std::string_view name) {
  std::error_code ec;
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  std::string text;
  if (kNumberForm) {
    int number = PortNumberOfName(name);
    text = PortNumberText(number == 0 ? 1 : number);
  } else {
    text = PortPathFromText(name) + "\n";
  }
  return WriteFileAtomically(PathToUtf8(folder / kPortFileName), text);
}

bool PortFileNeedsRewrite(std::string_view chosen,
                          std::string_view held_after_choice,
                          std::string_view held_now) {
  return !chosen.empty() && held_now != chosen && held_now == held_after_choice;
}

PortRows PortDialogRows(const std::vector<PortDevice>& devices,
                        std::string_view saved, bool saved_present) {
  PortRows out;
  bool listed = saved == kSimulatedPortName;
  for (const PortDevice& d : devices) listed = listed || d.name == saved;
  if (!saved.empty() && !listed) {
    out.rows.push_back(
        {std::string(saved), std::string(),
         saved_present ? PortRow::Kind::kSaved : PortRow::Kind::kMissing});
  }
  for (const PortDevice& d : devices) {
    out.rows.push_back({d.name, d.description, PortRow::Kind::kDevice});
  }
  out.rows.push_back({std::string(kSimulatedPortName), std::string(),
                      PortRow::Kind::kSimulated});
  for (size_t i = 0; i < out.rows.size() && !saved.empty(); ++i) {
    if (out.rows[i].name == saved) {
      out.current = static_cast<int>(i);
      break;
    }
  }
  return out;
}

}  // namespace vrq5
