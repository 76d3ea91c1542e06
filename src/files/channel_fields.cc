#include "files/channel_fields.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "codec/blank.h"
#include "codec/code_fields.h"
#include "codec/tables.h"
#include "codec/text.h"
#include "codec/ui_text.h"
#include "store/entry.h"

namespace vrq5::channel_list {

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

constexpr std::array<std::string_view, kColumnCount> kColumnNames = {
    "LOCATION",  "NAME",      "FREQUENCY", "DUPLEX", "OFFSET", "TONE",
    "RTONEFREQ", "CTONEFREQ", "MODE",      "TSTEP",  "SKIP",   "COMMENT"};

// The tone of code `tone` in Hz as the layout writes it ("88.5").
std::string ToneColumn(int tone) {
  if (tone < 0 || tone >= kToneCodes) {
    tone = kDefaultTone;
  }
  std::string_view name = ToneName[tone];
  return std::string(name.substr(0, name.size() - 2));  // without "Hz"
}

double ToneHz(int tone) { return Val(ToneName[tone]); }

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

// A value in MHz as a whole number of Hz, as the record holds it.
double WholeHz(double mhz) { return HzToMhz(MhzToHz(mhz)); }

}  // namespace

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

std::string_view ChannelBuilder::Get(Column c) const {
  int i = header_.index[c];
  if (i < 0 || i >= static_cast<int>(record_.fields.size())) return {};
  return Trim(record_.fields[i]);
}

std::optional<double> ChannelBuilder::Frequency(std::string& why) {
  std::string_view text = Get(kColFrequency);
  if (text.empty()) {
    why = UiText("no frequency");
    return std::nullopt;
  }
  auto v = Number(text);
  if (!v) {
    why = vrq5::Fill(UiText("frequency %1 is not a number"), {Shown(text)});
    return std::nullopt;
  }
  double mhz = WholeHz(*v);
  if (mhz != *v && *v >= kLowestChannelFrequency &&
      *v <= kHighestChannelFrequency) {
    Change("Frequency", vrq5::Fill(UiText("%1 MHz rounded to whole Hz: %2"),
                                   {text, FormatFrequency(mhz)}));
  }
  if (!(*v >= kLowestChannelFrequency && *v <= kHighestChannelFrequency)) {
    mhz = *v;  // out of range whatever the rounding
  }
  return mhz;
}

void ChannelBuilder::Fill(Slot& s) {
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

std::vector<std::pair<std::string, std::string>>& ChannelBuilder::changes() {
  return changes_;
}

void ChannelBuilder::Change(std::string field, std::string text) {
  changes_.emplace_back(std::move(field), std::move(text));
}

int ChannelBuilder::ModeCode() {
  std::string m = Upper(kColMode);
  if (m == "FM") return 0;
  if (m == "AM") return 1;
  if (m == "WFM") return 2;
  if (m == "NFM") {
    Change("Mode",
           std::string(UiText("NFM (narrow FM) is FM on the receiver")));
    return 0;
  }
  if (m == "NAM" || m == "USB" || m == "LSB" || m == "CW" || m == "CWR" ||
      m == "SAM" || m == "RTTY") {
    Change("Mode",
           vrq5::Fill(UiText("%1 is not a mode of the receiver; nearest AM"),
                      {Shown(Get(kColMode))}));
    return 1;
  }
  if (m == "DV" || m == "DN" || m == "DIG" || m == "PKT" || m == "DMR" ||
      m == "P25" || m == "NXDN" || m == "DPMR" || m == "FSK") {
    Change("Mode",
           vrq5::Fill(UiText("%1 is not a mode of the receiver; nearest FM"),
                      {Shown(Get(kColMode))}));
    return 0;
  }
  if (m.empty()) {
    Change("Mode", std::string(UiText("no mode; FM")));
  } else {
    Change("Mode", vrq5::Fill(UiText("%1 is not a known mode; FM"),
                              {Shown(Get(kColMode))}));
  }
  return 0;
}

int ChannelBuilder::StepCode() {
  std::string_view text = Get(kColTStep);
  auto khz = Number(text);
  if (!khz) {
    Change("TStep",
           text.empty()
               ? vrq5::Fill(UiText("no step; %1"), {StepName[kDefaultStep]})
               : vrq5::Fill(UiText("%1 is not a number; %2"),
                            {Shown(text), StepName[kDefaultStep]}));
    return kDefaultStep;
  }
  int step = NearestStep(*khz);
  if (std::fabs(kStepKhz[step] - *khz) >= 0.005) {
    Change(
        "TStep",
        vrq5::Fill(UiText("%1 kHz is not a step of the receiver; nearest %2"),
                   {text, StepName[step]}));
  }
  return step;
}

std::pair<int, int> ChannelBuilder::ToneCodes() {
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
      std::snprintf(hz_text, sizeof hz_text, "%.1f", *r_hz);
      Change("Tone",
             vrq5::Fill(UiText("the tone %1 Hz is sent on transmit only; the "
                               "receiver listens without it"),
                        {hz_text}));
    } else {
      Change("Tone", std::string(UiText("the tone is sent on transmit only; "
                                        "the receiver listens without it")));
    }
  } else if (mode == "TSQL" || mode == "TSQL-R") {
    // Tone squelch uses its own column; an old list may fill only the
    // first.
    option = mode == "TSQL" ? 2 : 3;
    if (c_hz) {
      hz = c_hz;
      used = kColCTone;
    }
  } else if (mode == "DTCS" || mode == "DTCS-R") {
    Change("Tone",
           vrq5::Fill(UiText("%1 (digital code squelch) is not a function of "
                             "the receiver; left out, no option"),
                      {Shown(Get(kColTone))}));
  } else if (mode == "CROSS") {
    Change("Tone",
           vrq5::Fill(UiText("%1 (cross mode: different tone or code kinds "
                             "for transmit and receive) is not a function of "
                             "the receiver; left out, no option"),
                      {Shown(Get(kColTone))}));
  } else if (!mode.empty()) {
    Change(
        "Tone",
        vrq5::Fill(UiText("%1 is not a known tone mode; left out, no option"),
                   {Shown(Get(kColTone))}));
  }
  if (!hz) {
    if (option != 0) {
      std::string_view text = Get(used);
      Change("Tone",
             text.empty()
                 ? std::string(UiText("no tone frequency; left out, no option"))
                 : vrq5::Fill(
                       UiText("tone %1 is not a number; left out, no option"),
                       {Shown(text)}));
    }
    return {0, kDefaultTone};
  }
  int tone = NearestTone(*hz);
  if (option != 0 && std::fabs(ToneHz(tone) - *hz) >= 0.05) {
    Change("Tone",
           vrq5::Fill(UiText("%1 Hz is not a tone of the receiver; nearest %2"),
                      {Get(used), ToneText(tone)}));
  }
  return {option, tone};
}

std::pair<int, double> ChannelBuilder::Shift() {
  std::string duplex = Upper(kColDuplex);
  std::string_view text = Get(kColOffset);
  auto offset = Number(text);
  bool fits = offset && *offset >= 0 && *offset < 100;
  if (duplex == "+" || duplex == "-") {
    if (!offset) {
      Change("Offset",
             text.empty()
                 ? std::string(UiText("no offset; shift left out"))
                 : vrq5::Fill(UiText("%1 is not a number; shift left out"),
                              {Shown(text)}));
      return {0, 0};
    }
    if (!fits) {
      Change("Offset",
             vrq5::Fill(UiText("%1 MHz is beyond the receiver's offsets (0 "
                               "to 99.999999 MHz); shift left out"),
                        {text}));
      return {0, 0};
    }
    double mhz = WholeHz(*offset);
    if (mhz != *offset) {
      Change("Offset", vrq5::Fill(UiText("%1 MHz rounded to whole Hz: %2"),
                                  {text, FormatOffset(mhz)}));
    }
    return {duplex == "+" ? 1 : 2, mhz};
  }
  if (duplex == "SPLIT") {
    Change("Duplex",
           std::string(UiText("split (a separate transmit frequency) is not "
                              "held by the receiver; shift left out")));
    return {0, 0};
  }
  if (!duplex.empty() && duplex != "OFF") {
    Change("Duplex",
           vrq5::Fill(UiText("%1 is not a known duplex; shift left out"),
                      {Shown(Get(kColDuplex))}));
    return {0, 0};
  }
  // No shift: an offset that fits is kept, as the receiver keeps one.
  return {0, fits ? WholeHz(*offset) : 0.0};
}

int ChannelBuilder::SkipFlag() {
  std::string skip = Upper(kColSkip);
  if (skip.empty()) return 0;
  if (skip == "S") return 1;
  if (skip == "P") {
    Change("Skip", std::string(UiText("P (priority scan) is not a channel mark "
                                      "of the receiver; left out")));
  } else {
    Change("Skip", vrq5::Fill(UiText("%1 is not a known skip mark; left out"),
                              {Shown(Get(kColSkip))}));
  }
  return 0;
}

std::string ChannelBuilder::Name() {
  std::string_view text = Get(kColName);
  auto [name, replaced] = AsciiName(text);
  if (replaced) {
    Change("Name",
           vrq5::Fill(UiText("%1: characters the receiver cannot show became "
                             "\"?\""),
                      {Shown(text)}));
  }
  if (name.size() > kNameLength) {
    name.resize(kNameLength);
    Change("Name", vrq5::Fill(UiText("%1 cut to 6 characters: %2"),
                              {Shown(text), Shown(name)}));
  }
  name.resize(kNameLength, ' ');
  return name;
}

std::string ChannelBuilder::Note() {
  int i = header_.index[kColComment];
  if (i < 0 || i >= static_cast<int>(record_.fields.size())) return "";
  bool cut = false;
  std::string note = CutCharacters(record_.fields[i], kMaxNote, cut);
  if (cut) {
    Change("Comment", vrq5::Fill(UiText("cut to %1 characters"),
                                 {std::to_string(kMaxNote)}));
  }
  return NoteText(note);
}

std::array<std::string, kExportColumns> ExportFields(
    int slot, const Slot& content, const NoteToUtf8Fn& to_utf8) {
  int option = Code(content.value[kOption], kOptionCodes);
  int tone = Code(content.value[kTone], kToneCodes);
  int direction = Code(content.value[kShiftDir], 3);
  int mode = Code(content.value[kMode], 3);
  int step = Code(content.value[kStep], static_cast<int>(kStepKhz.size()));
  // The receiver's tone option is tone squelch (the layout's "Tone" is a
  // tone sent on transmit); train and secret have no column.
  std::string_view tone_mode = option == 2   ? "TSQL"
                               : option == 3 ? "TSQL-R"
                                             : "";
  std::string tone_hz = ToneColumn(tone);
  return {std::to_string(slot),
          NoteText(to_utf8(Trim(content.text[kName]))),
          FormatFrequency(content.value[kFreq]),
          direction == 1   ? "+"
          : direction == 2 ? "-"
                           : "",
          FormatOffset(content.value[kOffset]),
          std::string(tone_mode),
          tone_hz,
          tone_hz,
          "023",
          "NN",
          std::string(mode < 0 ? "FM" : ModeText(mode)),
          std::string(step < 0 ? "" : kStepColumn[step]),
          content.value[kSkip] != 0 ? "S" : "",
          NoteText(to_utf8(content.text[kNote])),
          "",
          "",
          "",
          ""};
}

}  // namespace vrq5::channel_list
