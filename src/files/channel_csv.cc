#include "files/channel_csv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "codec/blank.h"
#include "codec/code_fields.h"
#include "codec/tables.h"
#include "codec/text.h"
#include "store/entry.h"

namespace vrq5 {

namespace {

// Tuning steps in kHz by step code 0..17, and as the layout writes them.
constexpr std::array<double, kStepCodes> kStepKhz = {
    5,  6.25, 8.33, 10,  12.5, 15,  20,   25, 30,
    50, 100,  125,  150, 200,  500, 1000, 1,  9};
constexpr std::array<std::string_view, kStepCodes> kStepColumn = {
    "5.00",   "6.25",   "8.33",   "10.00",   "12.50",  "15.00",
    "20.00",  "25.00",  "30.00",  "50.00",   "100.00", "125.00",
    "150.00", "200.00", "500.00", "1000.00", "1.00",   "9.00"};

constexpr size_t kNameLength = 6;
// A note lives only in the clone file, one line of it; a comment far
// longer than any note is cut to this many characters. (Characters, not
// bytes: an export turns a Shift_JIS note into longer UTF-8, and must
// import whole again.)
constexpr size_t kMaxNote = 1000;
// A channel list holds at most a few hundred kilobytes.
constexpr size_t kMaxImport = 16u << 20;
// The report shows this many lines; the counts stay exact.
constexpr size_t kMaxNotes = 5000;
// Columns of a header beyond these are not looked at.
constexpr size_t kMaxHeaderColumns = 256;

// The tone of code `tone` in Hz as the layout writes it ("88.5").
std::string ToneColumn(int tone) {
  if (tone < 0 || tone >= kToneCodes) {
    tone = kDefaultTone;
  }
  std::string_view name = ToneName[tone];
  return std::string(name.substr(0, name.size() - 2));  // without "Hz"
}

double ToneHz(int tone) { return Val(ToneName[tone]); }

// A field, quoted when it holds a comma, a quote, a line end or blanks at
// either end; quotes inside are doubled.
void AppendField(std::string& out, std::string_view text) {
  bool quote = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
  for (char c : text) {
    if (c == ',' || c == '"' || IsLineEnd(c)) quote = true;
  }
  if (!quote) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

int Code(double value, int count) {
  if (!(value >= 0) || value >= count) return -1;
  return static_cast<int>(value);
}

// The length of the well-formed UTF-8 sequence of two to four bytes at
// `i`, or 0 (a byte below 0x80, or one that begins no such sequence).
size_t Utf8Length(std::string_view text, size_t i) {
  auto at = [&](size_t k) {
    return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
  };
  unsigned char c = at(0);
  size_t length = c >= 0xC2 && c <= 0xDF   ? 2
                  : c >= 0xE0 && c <= 0xEF ? 3
                  : c >= 0xF0 && c <= 0xF4 ? 4
                                           : 0;
  if (length == 0) return 0;
  // The second byte's range excludes overlong forms, surrogates and code
  // points past U+10FFFF.
  unsigned char low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
  unsigned char high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
  if (at(1) < low || at(1) > high) return 0;
  for (size_t k = 2; k < length; ++k) {
    if ((at(k) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

// ---------------------------------------------------------------- export

std::string ChannelCsvText(const Document& doc, const NoteToUtf8Fn& to_utf8) {
  std::string out(kChannelCsvHeader);
  out += "\r\n";
  for (int s = 0; s < kMemoryChannels; ++s) {
    const Slot& slot = doc.Mem[s];
    if (doc.MemFlag[s] != -1 || !SlotHoldsChannel(slot)) continue;
    int option = Code(slot.value[kOption], kOptionCodes);
    int tone = Code(slot.value[kTone], kToneCodes);
    int direction = Code(slot.value[kShiftDir], 3);
    int mode = Code(slot.value[kMode], 3);
    int step = Code(slot.value[kStep], static_cast<int>(kStepKhz.size()));
    // The receiver's tone option is tone squelch (the layout's "Tone" is a
    // tone sent on transmit); train and secret have no column.
    std::string_view tone_mode = option == 2   ? "TSQL"
                                 : option == 3 ? "TSQL-R"
                                               : "";
    std::string tone_hz = ToneColumn(tone);
    std::array<std::string, 18> f = {
        std::to_string(s),
        NoteText(to_utf8(Trim(slot.text[kName]))),
        FormatFrequency(slot.value[kFreq]),
        direction == 1   ? "+"
        : direction == 2 ? "-"
                         : "",
        FormatOffset(slot.value[kOffset]),
        std::string(tone_mode),
        tone_hz,
        tone_hz,
        "023",
        "NN",
        std::string(mode < 0 ? "FM" : ModeText(mode)),
        std::string(step < 0 ? "" : kStepColumn[step]),
        slot.value[kSkip] != 0 ? "S" : "",
        NoteText(to_utf8(slot.text[kNote])),
        "",
        "",
        "",
        ""};
    for (size_t i = 0; i < f.size(); ++i) {
      if (i > 0) out += ',';
      AppendField(out, f[i]);
    }
    out += "\r\n";
  }
  return out;
}

FileStatus ExportChannelCsv(const Document& doc, const std::string& path,
                            const NoteToUtf8Fn& to_utf8, std::string* reason) {
  if (path.empty()) return FileStatus::kCancelled;
  return WriteFileAtomically(path, ChannelCsvText(doc, to_utf8), reason)
             ? FileStatus::kOk
             : FileStatus::kFileOpenError;
}

// ---------------------------------------------------------------- import

namespace {

struct CsvRecord {
  int line = 0;
  std::vector<std::string> fields;
};

// Reads comma-separated records: a field ends at a comma or a line end
// (CR LF, LF or CR); a field that begins with a double quote (blanks before
// it allowed) runs to the closing quote, a doubled quote inside standing
// for one, and may hold line ends. A quote that is not closed (before a
// comma or line end) ends its field at the line end, so one stray quote
// cannot swallow the lines after it. Unquoted fields lose their blanks at both
// ends. Fields past `max_fields` are read and dropped.
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {
    // A byte-order mark before the header.
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
  }

  void set_max_fields(size_t n) { max_fields_ = n; }

  bool Next(CsvRecord& record) {
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

 private:
  void EndLine(char c) {
    if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++line_;
  }

  // Whether a quoted field that reaches a line end at `from` is closed
  // later: the first lone quote after it (a doubled quote stands for one)
  // must be followed by a comma or a line end, blanks allowed between. The
  // last scan is kept, so a text full of open quotes is still read in
  // linear time: a scan from any line end between its start and the quote
  // it found finds the same quote.
  bool ClosedLater(size_t from) {
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

  // Reads one field; leaves pos_ at the comma or line end after it (or the
  // end of the text).
  void ReadField(std::string& field) {
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
      if (c == '\n' || (c == '\r' && (pos_ + 1 >= text_.size() ||
                                      text_[pos_ + 1] != '\n'))) {
        ++line_;
      }
      field += c;
      ++pos_;
    }
  }

  void ReadPlain(std::string& out) {
    size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' &&
           !IsLineEnd(text_[pos_])) {
      ++pos_;
    }
    out.append(text_.substr(start, pos_ - start));
  }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  size_t max_fields_ = kMaxHeaderColumns;
  size_t scan_from_ = std::string_view::npos;
  size_t scan_found_ = std::string_view::npos;
};

// The columns the import reads.
enum Column {
  kColLocation,
  kColName,
  kColFrequency,
  kColDuplex,
  kColOffset,
  kColTone,
  kColRTone,
  kColCTone,
  kColMode,
  kColTStep,
  kColSkip,
  kColComment,
  kColumnCount
};
constexpr std::array<std::string_view, kColumnCount> kColumnNames = {
    "LOCATION",  "NAME",      "FREQUENCY", "DUPLEX", "OFFSET", "TONE",
    "RTONEFREQ", "CTONEFREQ", "MODE",      "TSTEP",  "SKIP",   "COMMENT"};

struct Header {
  std::array<int, kColumnCount> index;
  size_t width = 0;  // fields a data record needs
};

std::optional<Header> ReadHeader(const CsvRecord& record) {
  Header h;
  h.index.fill(-1);
  for (size_t i = 0; i < record.fields.size(); ++i) {
    std::string name = ToUpperAscii(Trim(record.fields[i]));
    for (int c = 0; c < kColumnCount; ++c) {
      if (name == kColumnNames[c] && h.index[c] < 0) {
        h.index[c] = static_cast<int>(i);
        h.width = std::max(h.width, i + 1);
      }
    }
  }
  if (h.index[kColFrequency] < 0) return std::nullopt;
  return h;
}

bool BlankRecord(const CsvRecord& record) {
  for (const auto& f : record.fields) {
    if (!Trim(f).empty()) return false;
  }
  return true;
}

// A number and nothing else (blanks around it allowed); no infinities.
std::optional<double> Number(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(v)) {
    return std::nullopt;
  }
  return v;
}

// A text shown in a report, in UTF-8: at most 40 characters; control
// characters and bytes that are not UTF-8 as "?".
std::string Shown(std::string_view text) {
  std::string out = "\"";
  size_t n = 0;
  for (size_t i = 0; i < text.size();) {
    if (++n > 40) {
      out += "...";
      break;
    }
    unsigned char c = static_cast<unsigned char>(text[i]);
    size_t length = Utf8Length(text, i);
    // U+0080..U+009F are control characters too.
    bool control = length == 2 && c == 0xC2 &&
                   static_cast<unsigned char>(text[i + 1]) < 0xA0;
    if (length > 0 && !control) {
      out += text.substr(i, length);
      i += length;
      continue;
    }
    out += (c >= 32 && c <= 126) ? static_cast<char>(c) : '?';
    i += length > 0 ? length : 1;
  }
  return out + "\"";
}

// The characters of a name: a well-formed UTF-8 sequence counts as one
// character, any other byte as one. Characters outside 32..126 become "?".
// Returns the name and whether something was replaced.
std::pair<std::string, bool> AsciiName(std::string_view text) {
  std::string out;
  bool replaced = false;
  size_t i = 0;
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    size_t length = std::max<size_t>(1, Utf8Length(text, i));
    if (length == 1 && c >= 32 && c <= 126) {
      out += static_cast<char>(c);
    } else {
      out += '?';
      replaced = true;
    }
    i += length;
  }
  return {out, replaced};
}

// Cuts a text to at most `limit` characters (a well-formed UTF-8 sequence
// is one, any other byte one); sets `cut` when it did.
std::string CutCharacters(std::string_view text, size_t limit, bool& cut) {
  size_t i = 0;
  for (size_t n = 0; i < text.size() && n < limit; ++n) {
    i += std::max<size_t>(1, Utf8Length(text, i));
  }
  cut = i < text.size();
  return std::string(text.substr(0, i));
}

int NearestTone(double hz) {
  int best = 0;
  for (int i = 1; i < kToneCodes; ++i) {
    if (std::fabs(ToneHz(i) - hz) < std::fabs(ToneHz(best) - hz)) best = i;
  }
  return best;
}

int NearestStep(double khz) {
  int best = 0;
  for (int i = 1; i < static_cast<int>(kStepKhz.size()); ++i) {
    double d = std::fabs(kStepKhz[i] - khz);
    double b = std::fabs(kStepKhz[best] - khz);
    if (d < b || (d == b && kStepKhz[i] < kStepKhz[best])) best = i;
  }
  return best;
}

// A value in MHz as a whole number of Hz, as the record holds it.
double WholeHz(double mhz) { return HzToMhz(MhzToHz(mhz)); }

// One data record turned into a slot, with what changed.
class ChannelBuilder {
 public:
  ChannelBuilder(const Header& header, const CsvRecord& record)
      : header_(header), record_(record) {}

  std::string_view Get(Column c) const {
    int i = header_.index[c];
    if (i < 0 || i >= static_cast<int>(record_.fields.size())) return {};
    return Trim(record_.fields[i]);
  }
  std::string Upper(Column c) const { return ToUpperAscii(Get(c)); }

  // The frequency in MHz (whole Hz), or nothing with `why` set.
  std::optional<double> Frequency(std::string& why) {
    std::string_view text = Get(kColFrequency);
    if (text.empty()) {
      why = "no frequency";
      return std::nullopt;
    }
    auto v = Number(text);
    if (!v) {
      why = "frequency " + Shown(text) + " is not a number";
      return std::nullopt;
    }
    double mhz = WholeHz(*v);
    if (mhz != *v && *v >= kLowestChannelFrequency &&
        *v <= kHighestChannelFrequency) {
      Change("Frequency", std::string(text) + " MHz rounded to whole Hz: " +
                              FormatFrequency(mhz));
    }
    if (!(*v >= kLowestChannelFrequency && *v <= kHighestChannelFrequency)) {
      mhz = *v;  // out of range whatever the rounding
    }
    return mhz;
  }

  void Fill(Slot& s) {
    s.Clear();
    int mode = ModeCode();
    int step = StepCode();
    auto [option, tone] = ToneCodes();
    auto [direction, offset] = Shift();
    // Where the list says nothing, a new channel gets the editor's
    // defaults.
    SetCode(s, kMode, mode);
    SetCode(s, kStep, step);
    SetCode(s, kOption, option);
    SetCode(s, kSecret, kDefaultSecret);
    SetCode(s, kCarrier, kDefaultCarrier);
    SetCode(s, kTone, tone);
    SetCode(s, kShiftDir, direction);
    s.value[kOffset] = offset;
    s.text[kOffset] = FormatOffset(offset);
    s.value[kSkip] = SkipFlag();
    s.text[kName] = Name();
    s.text[kNote] = Note();
  }

  std::vector<std::pair<std::string, std::string>>& changes() {
    return changes_;
  }

 private:
  void Change(std::string field, std::string text) {
    changes_.emplace_back(std::move(field), std::move(text));
  }

  int ModeCode() {
    std::string m = Upper(kColMode);
    if (m == "FM") return 0;
    if (m == "AM") return 1;
    if (m == "WFM") return 2;
    if (m == "NFM") {
      Change("Mode", "NFM (narrow FM) is FM on the receiver");
      return 0;
    }
    if (m == "NAM" || m == "USB" || m == "LSB" || m == "CW" || m == "CWR" ||
        m == "SAM" || m == "RTTY") {
      Change("Mode", Shown(Get(kColMode)) +
                         " is not a mode of the receiver; nearest AM");
      return 1;
    }
    if (m == "DV" || m == "DN" || m == "DIG" || m == "PKT" || m == "DMR" ||
        m == "P25" || m == "NXDN" || m == "DPMR" || m == "FSK") {
      Change("Mode", Shown(Get(kColMode)) +
                         " is not a mode of the receiver; nearest FM");
      return 0;
    }
    if (m.empty()) {
      Change("Mode", "no mode; FM");
    } else {
      Change("Mode", Shown(Get(kColMode)) + " is not a known mode; FM");
    }
    return 0;
  }

  int StepCode() {
    std::string_view text = Get(kColTStep);
    auto khz = Number(text);
    if (!khz) {
      Change("TStep", (text.empty() ? std::string("no step")
                                    : Shown(text) + " is not a number") +
                          "; " + std::string(StepName[kDefaultStep]));
      return kDefaultStep;
    }
    int step = NearestStep(*khz);
    if (std::fabs(kStepKhz[step] - *khz) >= 0.005) {
      Change("TStep", std::string(text) +
                          " kHz is not a step of the receiver; nearest " +
                          std::string(StepName[step]));
    }
    return step;
  }

  // The option and tone code from Tone, rToneFreq and cToneFreq.
  std::pair<int, int> ToneCodes() {
    std::string mode = Upper(kColTone);
    auto r_hz = Number(Get(kColRTone));
    auto c_hz = Number(Get(kColCTone));
    int option = 0;
    std::optional<double> hz = r_hz;
    Column used = kColRTone;
    if (mode == "TONE") {
      // A tone the radio sends when it transmits: the receiver's squelch
      // stays open. The tone is kept for the channel.
      char hz_text[32] = "";
      if (r_hz && std::fabs(*r_hz) < 1e6) {
        std::snprintf(hz_text, sizeof hz_text, "%.1f Hz ", *r_hz);
      }
      Change("Tone", std::string("the tone ") + hz_text +
                         "is sent on transmit only; the receiver listens "
                         "without it");
    } else if (mode == "TSQL" || mode == "TSQL-R") {
      // Tone squelch uses its own column; an old list may fill only the
      // first.
      option = mode == "TSQL" ? 2 : 3;
      if (c_hz) {
        hz = c_hz;
        used = kColCTone;
      }
    } else if (mode == "DTCS" || mode == "DTCS-R") {
      Change("Tone", Shown(Get(kColTone)) +
                         " (digital code squelch) is not a function of the "
                         "receiver; left out, no option");
    } else if (mode == "CROSS") {
      Change("Tone", Shown(Get(kColTone)) +
                         " (cross mode: different tone or code kinds for "
                         "transmit and receive) is not a function of the "
                         "receiver; left out, no option");
    } else if (!mode.empty()) {
      Change("Tone", Shown(Get(kColTone)) +
                         " is not a known tone mode; left out, "
                         "no option");
    }
    if (!hz) {
      if (option != 0) {
        std::string_view text = Get(used);
        Change("Tone",
               (text.empty() ? std::string("no tone frequency")
                             : "tone " + Shown(text) + " is not a number") +
                   "; left out, no option");
      }
      return {0, kDefaultTone};
    }
    int tone = NearestTone(*hz);
    if (option != 0 && std::fabs(ToneHz(tone) - *hz) >= 0.05) {
      Change("Tone", std::string(Get(used)) +
                         " Hz is not a tone of the receiver; nearest " +
                         ToneText(tone));
    }
    return {option, tone};
  }

  // The shift direction and offset (MHz, whole Hz).
  std::pair<int, double> Shift() {
    std::string duplex = Upper(kColDuplex);
    std::string_view text = Get(kColOffset);
    auto offset = Number(text);
    bool fits = offset && *offset >= 0 && *offset < 100;
    if (duplex == "+" || duplex == "-") {
      if (!offset) {
        Change("Offset", (text.empty() ? std::string("no offset")
                                       : Shown(text) + " is not a number") +
                             "; shift left out");
        return {0, 0};
      }
      if (!fits) {
        Change("Offset", std::string(text) +
                             " MHz is beyond the receiver's offsets "
                             "(0 to 99.999999 MHz); shift left out");
        return {0, 0};
      }
      double mhz = WholeHz(*offset);
      if (mhz != *offset) {
        Change("Offset", std::string(text) +
                             " MHz rounded to whole Hz: " + FormatOffset(mhz));
      }
      return {duplex == "+" ? 1 : 2, mhz};
    }
    if (duplex == "SPLIT") {
      Change("Duplex",
             "split (a separate transmit frequency) is not held by the "
             "receiver; shift left out");
      return {0, 0};
    }
    if (!duplex.empty() && duplex != "OFF") {
      Change("Duplex",
             Shown(Get(kColDuplex)) + " is not a known duplex; shift left out");
      return {0, 0};
    }
    // No shift: an offset that fits is kept, as the receiver keeps one.
    return {0, fits ? WholeHz(*offset) : 0.0};
  }

  int SkipFlag() {
    std::string skip = Upper(kColSkip);
    if (skip.empty()) return 0;
    if (skip == "S") return 1;
    if (skip == "P") {
      Change("Skip",
             "P (priority scan) is not a channel mark of the receiver; left "
             "out");
    } else {
      Change("Skip", Shown(Get(kColSkip)) +
                         " is not a known skip mark; "
                         "left out");
    }
    return 0;
  }

  // The name as the decoder gives it: six characters, blanks after it.
  std::string Name() {
    std::string_view text = Get(kColName);
    auto [name, replaced] = AsciiName(text);
    if (replaced) {
      Change("Name", Shown(text) +
                         ": characters the receiver cannot show became \"?\"");
    }
    if (name.size() > kNameLength) {
      name.resize(kNameLength);
      Change("Name", Shown(text) + " cut to 6 characters: " + Shown(name));
    }
    name.resize(kNameLength, ' ');
    return name;
  }

  std::string Note() {
    int i = header_.index[kColComment];
    if (i < 0 || i >= static_cast<int>(record_.fields.size())) return "";
    bool cut = false;
    std::string note = CutCharacters(record_.fields[i], kMaxNote, cut);
    if (cut) {
      Change("Comment", "cut to " + std::to_string(kMaxNote) + " characters");
    }
    return NoteText(note);
  }

  const Header& header_;
  const CsvRecord& record_;
  std::vector<std::pair<std::string, std::string>> changes_;
};

class Report {
 public:
  explicit Report(ChannelCsvResult& result) : result_(result) {}

  void Add(ChannelCsvNote note) {
    if (result_.notes.size() < kMaxNotes) {
      result_.notes.push_back(std::move(note));
    } else {
      ++hidden_;
    }
  }

  void Finish() {
    if (hidden_ == 0) return;
    ChannelCsvNote note;
    note.field = "File";
    note.text = std::to_string(hidden_) + " more report lines not shown";
    result_.notes.push_back(std::move(note));
  }

 private:
  ChannelCsvResult& result_;
  size_t hidden_ = 0;
};

// The memory slots an import may fill, in row order.
std::vector<int> TargetSlots(const RowLayout& rows,
                             const ChannelCsvTarget& target) {
  std::vector<int> slots;
  if (target.bank >= 0) {
    for (int s = 0; s < kMemoryChannels; ++s) {
      if (rows.bank[s] == target.bank) slots.push_back(s);
    }
  } else {
    for (int s = target.first_row; s < kMemoryChannels; ++s) {
      slots.push_back(s);
    }
  }
  return slots;
}

std::string RowName(const RowLayout& rows, int slot) {
  const std::string& label = rows.label[slot];
  return label.empty() ? "slot " + std::to_string(slot) : label;
}

ChannelCsvResult Refused(int line, std::string field, std::string text) {
  ChannelCsvResult result;
  result.status = FileStatus::kDataError;
  ChannelCsvNote note;
  note.line = line;
  note.field = std::move(field);
  note.text = std::move(text);
  result.notes.push_back(std::move(note));
  return result;
}

}  // namespace

ChannelCsvResult ImportChannelCsvText(Document& doc, std::string_view text,
                                      const ChannelCsvTarget& target) {
  if (!target.by_location &&
      (target.bank >= kBankCount ||
       (target.bank < 0 &&
        (target.first_row < 0 || target.first_row >= kMemoryChannels)))) {
    return Refused(
        0, "Row",
        target.bank >= 0
            ? "bank " + std::to_string(target.bank) + " is not a bank (0 to 49)"
            : "row " + std::to_string(target.first_row) +
                  " is not a memory row (0 to 999)");
  }

  RecordReader in(text);
  CsvRecord record;
  std::optional<Header> header;
  while (in.Next(record)) {
    if (BlankRecord(record)) continue;
    header = ReadHeader(record);
    if (!header) {
      return Refused(record.line, "File",
                     "no header line naming the columns (Location, Name, "
                     "Frequency, ...) before the channels");
    }
    break;
  }
  if (!header) {
    return Refused(0, "File", "no header line and no channels");
  }
  in.set_max_fields(header->width);

  // The rows follow the bank boxes. The channels are collected and written
  // once the whole list is read, so the document changes only as a whole.
  const RowLayout rows = LayoutOfBoxes(doc.txtBank);
  std::vector<int> slots =
      target.by_location ? std::vector<int>() : TargetSlots(rows, target);
  // By location: the line that took each slot (0 for none).
  std::vector<int> taken_by(target.by_location ? kMemoryChannels : 0, 0);
  std::vector<std::pair<int, Slot>> written;
  size_t next = 0;
  ChannelCsvResult result;
  Report report(result);

  while (in.Next(record)) {
    if (BlankRecord(record)) continue;
    ChannelBuilder channel(*header, record);
    auto left_out = [&](std::string field, std::string why) {
      ChannelCsvNote note;
      note.line = record.line;
      note.field = std::move(field);
      note.text = "left out: " + std::move(why);
      note.row_left_out = true;
      report.Add(std::move(note));
      ++result.left_out;
    };

    std::string why;
    auto mhz = channel.Frequency(why);
    if (!mhz) {
      left_out("Frequency", why);
      continue;
    }
    int slot = -1;
    if (target.by_location) {
      std::string_view location = channel.Get(kColLocation);
      auto n = Number(location);
      if (!n || *n != std::floor(*n) || *n < 0 || *n >= kMemoryChannels) {
        left_out("Location", location.empty()
                                 ? std::string("no Location (a memory slot "
                                               "0 to 999)")
                                 : "Location " + Shown(location) +
                                       " is not a memory slot (0 to 999)");
        continue;
      }
      slot = static_cast<int>(*n);
      if (taken_by[slot] != 0) {
        left_out("Location", "Location " + std::to_string(slot) +
                                 " is taken by line " +
                                 std::to_string(taken_by[slot]));
        continue;
      }
    } else if (next < slots.size()) {
      slot = slots[next];
    }
    switch (MemoryFrequencyVerdict(doc, slot < 0 ? 0 : slot, doc.ModelIndex,
                                   *mhz)) {
      case FrequencyVerdict::kAllowed:
        break;
      case FrequencyVerdict::kCellular:
        left_out("Frequency", FormatFrequency(*mhz) +
                                  " MHz lies in a cellular band the "
                                  "VR-Q70T does not receive");
        continue;
      default:
        left_out("Frequency",
                 Shown(channel.Get(kColFrequency)) +
                     " MHz is outside the receiver's 0.1 to 1299.995 MHz");
        continue;
    }
    if (slot < 0) {
      left_out("Row", target.bank >= 0
                          ? "no row left in bank " + Pad2(target.bank)
                          : std::string("no memory row left after 999"));
      continue;
    }
    ++next;
    if (target.by_location) taken_by[slot] = record.line;

    Slot s = doc.Mem[slot];
    channel.Fill(s);
    s.value[kFreq] = *mhz;
    s.text[kFreq] = FormatFrequency(*mhz);
    written.emplace_back(slot, std::move(s));
    ++result.imported;
    if (!channel.changes().empty()) ++result.changed;
    for (auto& [field, change] : channel.changes()) {
      ChannelCsvNote note;
      note.line = record.line;
      note.row = RowName(rows, slot);
      note.field = std::move(field);
      note.text = std::move(change);
      report.Add(std::move(note));
    }
  }
  report.Finish();

  if (result.imported > 0) {
    for (auto& [slot, channel] : written) {
      doc.Mem[slot] = std::move(channel);
      doc.MemFlag[slot] = -1;
    }
    doc.LayoutMemoryRows();
    doc.RefillMemory();
    doc.DataChanged = -1;
  }
  return result;
}

ChannelCsvResult ImportChannelCsv(Document& doc, const std::string& path,
                                  const ChannelCsvTarget& target) {
  std::string text;
  bool truncated = false;
  if (path.empty() || !ReadFileHead(path, kMaxImport, text, truncated) ||
      truncated) {
    ChannelCsvResult result =
        Refused(0, "File",
                truncated ? "larger than any channel list" : "cannot be read");
    result.status = FileStatus::kFileOpenError;
    return result;
  }
  return ImportChannelCsvText(doc, text, target);
}

std::string ChannelCsvNoteLine(const ChannelCsvNote& note) {
  std::string out;
  if (!note.row.empty()) {
    out = note.row + " (line " + std::to_string(note.line) + ")";
  } else if (note.line > 0) {
    out = "line " + std::to_string(note.line);
  }
  if (!out.empty()) out += ' ';
  return out + note.field + ": " + note.text;
}

std::string ChannelCsvCountLine(const ChannelCsvResult& result) {
  return std::to_string(result.imported) + " imported, " +
         std::to_string(result.changed) + " changed, " +
         std::to_string(result.left_out) + " left out";
}

}  // namespace vrq5
