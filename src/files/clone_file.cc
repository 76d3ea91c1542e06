#include "files/clone_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <vector>

#include "codec/tables.h"
#include "files/utf8_path.h"

namespace vrq5 {

namespace {

// Line numbers (1-based) of the sections.
constexpr int kSettings1Line = 2;
constexpr int kSettings2Line = 3;
constexpr int kVfoRecordLine = 4;
constexpr int kChannelRecordLine = 18;
constexpr int kEnableLine = 1318;
constexpr int kVfoNoteLine = 1324;
constexpr int kChannelNoteLine = 1338;
constexpr int kBankTableLine = 2638;
constexpr int kGroupLine = 2642;

// The first 2643 lines of a file text would never be this large in a real
// clone file (its longest lines are notes); a larger text is not one.
constexpr size_t kMaxLoadedText = 64u << 20;

// Splits off up to `count` lines. A line ends at CR LF, LF or CR. The next
// CR and the next LF are each searched for once (memchr), so a file costs
// two passes however its lines end.
std::vector<std::string_view> FirstLines(std::string_view text, int count) {
  std::vector<std::string_view> lines;
  lines.reserve(count);
  const char* begin = text.data();
  const size_t size = text.size();
  auto next = [&](char c, size_t from) -> size_t {
    if (from >= size) return size;
    const void* hit = std::memchr(begin + from, c, size - from);
    return hit ? static_cast<size_t>(static_cast<const char*>(hit) - begin)
               : size;
  };
  size_t cr = next('\r', 0);
  size_t lf = next('\n', 0);
  size_t start = 0;
  while (start < size && static_cast<int>(lines.size()) < count) {
    if (cr < start) cr = next('\r', start);
    if (lf < start) lf = next('\n', start);
    size_t end = std::min(cr, lf);
    if (end == size) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (end == cr && lf == start) ++start;
  }
  return lines;
}

void AppendLine(std::string& out, std::string_view line) {
  out += line;
  out.append("\r\n", 2);
}

// A note never breaks the one-item-per-line layout (most notes are empty
// or hold no line break, and go in as they are).
void AppendNote(std::string& out, const std::string& note) {
  if (note.find_first_of("\r\n") == std::string::npos) {
    AppendLine(out, note);
  } else {
    AppendLine(out, NoteText(note));
  }
}

}  // namespace

std::string CloneFileText(Document& doc) {
  std::string out;
  out.reserve(size_t{kCloneFileLines} * 70);
  AppendLine(out, FileStartMark);
  doc.EncodeSettings();
  AppendLine(out, doc.SettingsHex1);
  AppendLine(out, doc.SettingsHex2);
  for (const Slot& band : doc.Vfo)
    AppendLine(out, EncodeVfoBand(band, doc.opbModel));
  for (const Slot& slot : doc.Mem) {
    AppendChannel(out, slot, doc.opbModel);
    out.append("\r\n", 2);
  }
  doc.FlagsToEnableHex();
  for (const auto& piece : doc.EnableBitsHex) AppendLine(out, piece);
  for (const Slot& band : doc.Vfo) AppendNote(out, band.text[kNote]);
  for (const Slot& slot : doc.Mem) AppendNote(out, slot.text[kNote]);
  doc.BankSizesToHex();
  for (int p = 0; p < 4; ++p) AppendLine(out, doc.BankTableHex[p]);
  doc.ReadGroupChecks();
  doc.GroupTableToHex();
  AppendLine(out, doc.GroupHex);
  AppendLine(out, FileEndMark);
  return out;
}

FileStatus SaveCloneFile(Document& doc, const std::string& path,
                         std::string* reason) {
  if (path.empty()) return FileStatus::kCancelled;
  std::string text = CloneFileText(doc);
  if (!WriteFileAtomically(path, text, reason)) {
    return FileStatus::kFileOpenError;
  }
  doc.CurrentFileName = path;
  doc.DataChanged = 0;
  return FileStatus::kOk;
}

FileStatus LoadCloneText(Document& doc, std::string_view text) {
  std::vector<std::string_view> lines = FirstLines(text, kCloneFileLines);
  if (static_cast<int>(lines.size()) < kCloneFileLines) {
    return FileStatus::kFileOpenError;
  }
  auto line = [&](int number) { return lines[number - 1]; };
  if (line(1) != FileStartMark || line(kCloneFileLines) != FileEndMark) {
    return FileStatus::kDataError;
  }
  // From here on the file is accepted; every decoder takes any text.
  doc.SettingsHex1 = std::string(line(kSettings1Line));
  doc.SettingsHex2 = std::string(line(kSettings2Line));
  doc.DecodeSettings();

  // A record as the decoders take it, after the two framing characters of
  // a reply: in a CR LF file the line break before it serves.
  std::string record = "\r\n";
  auto framed = [&](std::string_view digits) -> std::string_view {
    if (digits.data() - text.data() >= 2 && digits.data()[-2] == '\r' &&
        digits.data()[-1] == '\n') {
      return std::string_view(digits.data() - 2, digits.size() + 2);
    }
    record.resize(2);
    record += digits;
    return record;
  };
  // A line holds no CR or LF, so a note goes in as it stands.
  auto note = [](std::string& to, std::string_view from) {
    if (from.empty()) {
      to.clear();
    } else {
      to.assign(from);
    }
  };
  for (int b = 0; b < kVfoBands; ++b) {
    DecodeVfoBand(framed(line(kVfoRecordLine + b)), doc.Vfo[b]);
    note(doc.Vfo[b].text[kNote], line(kVfoNoteLine + b));
  }
  for (int s = 0; s < kSlotCount; ++s) {
    DecodeChannel(framed(line(kChannelRecordLine + s)), doc.Mem[s]);
    note(doc.Mem[s].text[kNote], line(kChannelNoteLine + s));
  }
  for (int p = 0; p < 6; ++p) {
    doc.EnableBitsHex[p] = std::string(line(kEnableLine + p));
  }
  doc.EnableHexToFlags();
  for (int p = 0; p < 4; ++p) {
    doc.BankTableHex[p] = std::string(line(kBankTableLine + p));
  }
  doc.HexToBankSizes();
  doc.ShowBankSizes();
  doc.GroupHex = std::string(line(kGroupLine));
  doc.GroupHexToTable();
  doc.ShowGroupTable();
  doc.LayoutMemoryRows();
  doc.RefillMemory();
  return FileStatus::kOk;
}

FileStatus OpenCloneFile(Document& doc, const std::string& path) {
  // Only the first 2643 lines count, so the head of a larger file is
  // enough.
  std::string text;
  bool truncated = false;
  if (!ReadFileHead(path, kMaxLoadedText, text, truncated)) {
    return FileStatus::kFileOpenError;
  }
  FileStatus status = LoadCloneText(doc, text);
  if (status != FileStatus::kOk) return status;
  doc.CurrentFileName = path;
  doc.DataChanged = 0;
  return FileStatus::kOk;
}

std::string CommandLinePath(std::string_view argument) {
  if (argument.size() >= 2 && argument.front() == '"' &&
      argument.back() == '"') {
    argument = argument.substr(1, argument.size() - 2);
  }
  return std::string(argument);
}

FileStatus OpenNamedFile(Document& doc, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(PathFromUtf8(path), ec)) {
    return FileStatus::kFileOpenError;
  }
  return OpenCloneFile(doc, path);
}

}  // namespace vrq5
