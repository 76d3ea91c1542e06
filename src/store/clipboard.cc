#include "store/clipboard.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "codec/text.h"
#include "store/csv_reader.h"
#include "store/slot_text.h"

namespace vrq5 {

namespace {

std::string OneLine(std::string_view text) {
  std::string out = NoteText(text);
  std::replace(out.begin(), out.end(), '\t', ' ');
  return out;
}

}  // namespace

// ---------------------------------------------------------------- text

namespace {

constexpr char kTab = '\t';

bool IsTruthCell(std::string_view cell) {
  for (std::string_view t : {kCsvTrue, std::string_view("TRUE"),
                             std::string_view("1"), std::string_view("*")}) {
    if (EqualsUpper(cell, t)) return true;
  }
  return false;
}

std::optional<CopiedRow> RowFromCells(const std::vector<std::string>& cells) {
  size_t first = !cells.empty() && EqualsUpper(cells[0], kCsvModelWord) ? 3 : 0;
  if (cells.size() < first + kVfoFieldCount) return std::nullopt;
  std::array<std::string_view, kVfoFieldCount> texts;
  for (int f = 0; f < kVfoFieldCount; ++f) texts[f] = cells[first + f];
  CopiedRow row;
  if (!SlotFromTexts(texts, row.content)) return std::nullopt;
  size_t skip = first + kVfoFieldCount;
  row.content.value[kSkip] =
      skip < cells.size() && IsTruthCell(cells[skip]) ? 1 : 0;
  row.flag = skip + 1 >= cells.size() || IsTruthCell(cells[skip + 1]) ? -1 : 0;
  return row;
}

}  // namespace

std::string RowsAsText(const std::vector<CopiedRow>& rows) {
  std::string out;
  for (const CopiedRow& row : rows) {
    out += kCsvModelWord;
    out += kTab;
    out += CsvSection(KindOfSlot(row.slot));
    out += kTab;
    if (IsSlotIndex(row.slot)) out += CsvChannel(row.slot);
    for (int f = 0; f < kVfoFieldCount; ++f) {
      out += kTab;
      out += OneLine(row.content.text[f]);
    }
    out += kTab;
    out += row.content.value[kSkip] != 0 ? kCsvTrue : kCsvFalse;
    out += kTab;
    out += row.flag == -1 ? kCsvTrue : kCsvFalse;
    out += "\r\n";
  }
  return out;
}

std::vector<CopiedRow> RowsFromText(std::string_view text) {
  std::vector<CopiedRow> out;
  for (std::string_view line : TextLines(text)) {
    if (auto row = RowFromCells(TabCells(line))) out.push_back(std::move(*row));
  }
  return out;
}

// ---------------------------------------------------------------- data

namespace {

// The data: the header line, the row count, then per row its slot, its
// flag, the bit patterns of its twelve numbers and its twelve texts, each
// text as its length, ":" and its bytes; at the end "END" and a 64-bit
// FNV-1a checksum of everything before it.
constexpr std::string_view kDataHeader = "VRQ5-ROWS 1\n";
constexpr std::string_view kDataEnd = "END ";

// An upper-case hex digit's value, or -1: the data is written in upper
// case only, so anything else is damage.
int UpperHexDigit(char c) {
  if (c >= 'a' && c <= 'f') return -1;
  return HexDigitValue(c);
}

uint64_t Checksum(std::string_view bytes) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001B3ull;
  }
  return h;
}

class DataReader {
 public:
  explicit DataReader(std::string_view data) : data_(data) {}

  bool Literal(std::string_view text) {
    if (data_.substr(pos_, text.size()) != text) return false;
    pos_ += text.size();
    return true;
  }

  // A decimal number in low..high, ended by `end`.
  std::optional<int64_t> Number(int64_t low, int64_t high, char end) {
    size_t start = pos_;
    bool negative = pos_ < data_.size() && data_[pos_] == '-';
    if (negative) ++pos_;
    int64_t value = 0;
    while (pos_ < data_.size() && data_[pos_] >= '0' && data_[pos_] <= '9' &&
           pos_ - start < 12) {
      value = value * 10 + (data_[pos_++] - '0');
    }
    if (pos_ == start + (negative ? 1 : 0) || !Literal({&end, 1})) {
      return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < low || value > high) return std::nullopt;
    return value;
  }

  // Sixteen upper-case hex digits, ended by a blank.
  std::optional<uint64_t> Bits() {
    if (data_.size() - pos_ < 17) return std::nullopt;
    uint64_t bits = 0;
    for (int i = 0; i < 16; ++i) {
      int digit = UpperHexDigit(data_[pos_ + i]);
      if (digit < 0) return std::nullopt;
      bits = bits << 4 | static_cast<uint64_t>(digit);
    }
    pos_ += 16;
    if (!Literal(" ")) return std::nullopt;
    return bits;
  }

  std::optional<std::string> Text() {
    auto length = Number(0, static_cast<int64_t>(data_.size() - pos_), ':');
    if (!length || static_cast<size_t>(*length) > data_.size() - pos_) {
      return std::nullopt;
    }
    std::string text(data_.substr(pos_, static_cast<size_t>(*length)));
    pos_ += text.size();
    return text;
  }

  bool AtEnd() const { return pos_ == data_.size(); }

 private:
  std::string_view data_;
  size_t pos_ = 0;
};

std::optional<CopiedRow> ReadRow(DataReader& in) {
  CopiedRow row;
  auto slot = in.Number(-1, kSlotCount - 1, ' ');
  auto flag = slot ? in.Number(-32768, 32767, '\n') : std::nullopt;
  if (!flag) return std::nullopt;
  row.slot = static_cast<int>(*slot);
  row.flag = static_cast<int16_t>(*flag);
  for (double& value : row.content.value) {
    auto bits = in.Bits();
    if (!bits) return std::nullopt;
    value = std::bit_cast<double>(*bits);
  }
  for (std::string& text : row.content.text) {
    auto t = in.Text();
    if (!t) return std::nullopt;
    text = std::move(*t);
  }
  if (!in.Literal("\n")) return std::nullopt;
  return row;
}

}  // namespace

std::string RowsAsData(const std::vector<CopiedRow>& rows) {
  std::string out(kDataHeader);
  out += std::to_string(rows.size()) + "\n";
  for (const CopiedRow& row : rows) {
    out += std::to_string(IsSlotIndex(row.slot) ? row.slot : -1) + " " +
           std::to_string(row.flag) + "\n";
    for (double value : row.content.value) {
      out += HexText(std::bit_cast<uint64_t>(value), 16) + " ";
    }
    for (const std::string& text : row.content.text) {
      out += std::to_string(text.size()) + ":" + text;
    }
    out += "\n";
  }
  out += kDataEnd;
  out += HexText(Checksum(out), 16) + "\n";
  return out;
}

std::optional<std::vector<CopiedRow>> RowsFromData(std::string_view data) {
  // Some clipboards hand custom data back padded with zero bytes.
  while (!data.empty() && data.back() == '\0') data.remove_suffix(1);
  size_t end = data.rfind(kDataEnd);
  if (end == std::string_view::npos) return std::nullopt;
  // The checksum: sixteen hex digits and the final line end.
  std::string_view sum = data.substr(end + kDataEnd.size());
  if (sum.size() != 17 || sum.back() != '\n') return std::nullopt;
  uint64_t expected = 0;
  for (char c : sum.substr(0, 16)) {
    int digit = UpperHexDigit(c);
    if (digit < 0) return std::nullopt;
    expected = expected << 4 | static_cast<uint64_t>(digit);
  }
  if (expected != Checksum(data.substr(0, end + kDataEnd.size()))) {
    return std::nullopt;
  }
  DataReader in(data.substr(0, end));
  if (!in.Literal(kDataHeader)) return std::nullopt;
  auto count = in.Number(0, static_cast<int64_t>(data.size()), '\n');
  if (!count) return std::nullopt;
  std::vector<CopiedRow> rows;
  for (int64_t i = 0; i < *count; ++i) {
    auto row = ReadRow(in);
    if (!row) return std::nullopt;
    rows.push_back(std::move(*row));
  }
  if (!in.AtEnd()) return std::nullopt;
  return rows;
}

}  // namespace vrq5
