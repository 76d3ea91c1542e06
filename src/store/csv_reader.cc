#include "store/csv_reader.h"

#include "codec/blank.h"

namespace vrq5 {

CsvReader::CsvReader(std::string_view text) : text_(text) {
  // A byte-order mark before the header.
  if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

bool CsvReader::Next(CsvRecord& record) {
  if (pos_ >= text_.size()) return false;
  record.line = line_;
  record.fields.clear();
  for (;;) {
    std::string field;
    ReadField(field);
    if (record.fields.size() < max_fields_) {
      record.fields.push_back(std::move(field));
    }
    if (pos_ >= text_.size()) return true;
    char c = text_[pos_++];
    if (c == ',') continue;
    EndLine(c);
    return true;
  }
}

void CsvReader::EndLine(char c) {
  if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  ++line_;
}

bool CsvReader::ClosedLater(size_t from) {
  if (!(from >= scan_from_ &&
        (scan_found_ == std::string_view::npos || from <= scan_found_))) {
    scan_from_ = from;
    scan_found_ = std::string_view::npos;
    for (size_t i = from; i < text_.size(); ++i) {
      if (text_[i] != '"') continue;
      if (i + 1 < text_.size() && text_[i + 1] == '"') {
        ++i;
        continue;
      }
      scan_found_ = i;
      break;
    }
  }
  if (scan_found_ == std::string_view::npos) return false;
  size_t after = scan_found_ + 1;
  while (after < text_.size() && IsBlank(text_[after])) ++after;
  return after >= text_.size() || text_[after] == ',' ||
         IsLineEnd(text_[after]);
}

void CsvReader::ReadField(std::string& field) {
  size_t start = pos_;
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  if (pos_ >= text_.size() || text_[pos_] != '"') {
    pos_ = start;
    ReadPlain(field);
    field = std::string(Trim(field));
    return;
  }
  ++pos_;
  while (pos_ < text_.size()) {
    char c = text_[pos_];
    if (c == '"') {
      if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
        field += '"';
        pos_ += 2;
        continue;
      }
      ++pos_;
      // Anything between the closing quote and the comma belongs to the
      // field too.
      std::string tail;
      ReadPlain(tail);
      field += Trim(tail);
      return;
    }
    if (IsLineEnd(c) && !ClosedLater(pos_)) return;  // never closed
    if (c == '\n' ||
        (c == '\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '\n'))) {
      ++line_;
    }
    field += c;
    ++pos_;
  }
}

void CsvReader::ReadPlain(std::string& out) {
  size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
    ++pos_;
  }
  out.append(text_.substr(start, pos_ - start));
}

namespace {

// A spreadsheet puts a cell in double quotes when it holds a quote, a tab
// or a line end, and doubles the quotes inside.
std::string Unquoted(std::string_view cell) {
  if (cell.size() < 2 || cell.front() != '"' || cell.back() != '"') {
    return std::string(cell);
  }
  std::string out;
  cell = cell.substr(1, cell.size() - 2);
  for (size_t i = 0; i < cell.size(); ++i) {
    out += cell[i];
    if (cell[i] == '"' && i + 1 < cell.size() && cell[i + 1] == '"') ++i;
  }
  return out;
}

}  // namespace

std::vector<std::string> TabCells(std::string_view line) {
  std::vector<std::string> cells;
  size_t start = 0;
  while (true) {
    size_t tab = line.find('\t', start);
    cells.push_back(Unquoted(line.substr(start, tab - start)));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return cells;
}

std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
        text[end + 1] == '\n') {
      ++end;
    }
    start = end + 1;
  }
  return lines;
}

}  // namespace vrq5
