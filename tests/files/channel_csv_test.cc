#include "files/channel_csv.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <random>

#include "codec/tables.h"
#include "codec/text.h"
#include "files/clone_file.h"
#include "notes/note_text.h"
#include "support/compare.h"
#include "support/random_document.h"
#include "support/temp_dir.h"

namespace vrq5 {
namespace {

using testing::RandomChannel;
using testing::RandomText;
using testing::SameDocument;
using testing::TempDir;

constexpr char kHeader[] =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
    "DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// The export as the window and vrq5 write it.
std::string Export(const Document& doc) {
  return ChannelCsvText(doc, NoteToUtf8);
}

// A channel of the edit dialog's kind in `slot`, enabled.
void PutChannel(Document& doc, int slot, double mhz, int option, int tone,
                int direction, double offset, const std::string& name) {
  Slot& s = doc.Mem[slot];
  s.value[kFreq] = mhz;
  s.text[kFreq] = FormatFrequency(mhz);
  s.value[kMode] = 0;
  s.value[kStep] = 4;
  s.value[kOption] = option;
  s.value[kTone] = tone;
  s.value[kShiftDir] = direction;
  s.value[kOffset] = offset;
  s.text[kName] = name;
  doc.MemFlag[slot] = -1;
}

struct Imported {
  ChannelCsvResult result;
  Slot slot;  // row 0 after the import
  std::string NotesOf(std::string_view field) const {
    std::string out;
    for (const auto& n : result.notes) {
      if (n.field == field) out += n.text + ";";
    }
    return out;
  }
};

// Imports `header` and one channel line into row 0 of a new document.
Imported ImportOne(const std::string& line,
                   const std::string& header = kHeader) {
  Document doc;
  Imported out;
  out.result = ImportChannelCsvText(doc, header + line + "\r\n");
  out.slot = doc.Mem[0];
  return out;
}

// Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, Mode, TStep,
// Skip in the layout's column order.
std::string Line(const std::string& name, const std::string& freq,
                 const std::string& duplex, const std::string& offset,
                 const std::string& tone, const std::string& rtone,
                 const std::string& ctone, const std::string& mode,
                 const std::string& step, const std::string& skip = "") {
  return "0," + name + "," + freq + "," + duplex + "," + offset + "," + tone +
         "," + rtone + "," + ctone + ",023,NN," + mode + "," + step + "," +
         skip + ",,,,,";
}

TEST(ChannelCsvExportTest, EnabledMemoryChannelsInRowOrder) {
  Document doc;
  PutChannel(doc, 3, 146.52, 2, 12, 2, 0.6, "CALL  ");
  PutChannel(doc, 7, 0.5, 3, 0, 0, 0, "");
  doc.Mem[7].value[kMode] = 1;
  doc.Mem[7].value[kStep] = 16;
  doc.Mem[7].value[kSkip] = 1;
  doc.Mem[7].text[kNote] = "tower, \"north\"";
  PutChannel(doc, 8, 433.0, 1, 8, 1, 5, " A B  ");  // train
  doc.Mem[8].value[kMode] = 2;
  doc.Mem[8].value[kStep] = 15;
  PutChannel(doc, 9, 150.0, 0, 8, 0, 0, "OFF");
  doc.MemFlag[9] = 0;                                // disabled: not written
  PutChannel(doc, 1200, 150.0, 0, 8, 0, 0, "PRIO");  // not a memory row

  auto lines = testing::SplitCrLf(Export(doc));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0] + "\r\n", kHeader);
  // Location is the slot; the receiver's tone squelch is "TSQL".
  EXPECT_EQ(lines[1],
            "3,CALL,146.520000,-,0.600000,TSQL,100.0,100.0,023,NN,FM,12.50,,"
            ",,,,");
  EXPECT_EQ(lines[2],
            "7,,0.500000,,0.000000,TSQL-R,67.0,67.0,023,NN,AM,1.00,S,"
            "\"tower, \"\"north\"\"\",,,,");
  EXPECT_EQ(lines[3],
            "8,A B,433.000000,+,5.000000,,88.5,88.5,023,NN,WFM,1000.00,,,,,,");
}

// The demo file's notes are Shift_JIS; the list is UTF-8 throughout, so
// other programs' CSV readers take it.
TEST(ChannelCsvExportTest, NotesOfAnyEncodingAreWrittenInUtf8) {
  Document doc;
  ASSERT_EQ(OpenCloneFile(doc, VRQ5_SAMPLES_DIR "/demo.VQ5"), FileStatus::kOk);
  std::string text = Export(doc);
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString decoded = utf8.decode(QByteArrayView(text.data(), text.size()));
  EXPECT_FALSE(utf8.hasError());
  EXPECT_TRUE(decoded.contains(QString::fromUtf8("\u7a7a\u6e2f")));  // 空港
  // The conversion is the one given, for names and notes alike.
  PutChannel(doc, 0, 146.52, 0, 8, 0, 0, "\x82\xa0 ");
  doc.Mem[0].text[kNote] = "n";
  auto lines = testing::SplitCrLf(ChannelCsvText(
      doc, [](std::string_view b) { return "<" + std::string(b) + ">"; }));
  EXPECT_EQ(lines[1].substr(0, 7), "0,<\x82\xa0>,");
  EXPECT_NE(lines[1].find(",<n>,"), std::string::npos);
}

// Codes no table holds (a hand-edited clone file) are written as the list's
// defaults: no tone mode, the default tone, FM, no step, no shift.
TEST(ChannelCsvExportTest, CodesOutsideTheTablesAreWrittenAsDefaults) {
  Document doc;
  PutChannel(doc, 0, 146.52, 9, 45, 5, 0.6, "ODD");
  doc.Mem[0].value[kMode] = 7;
  doc.Mem[0].value[kStep] = 25;
  PutChannel(doc, 1, 146.52, -1, -2, -3, 0.6, "NEG");
  doc.Mem[1].value[kMode] = -1;
  doc.Mem[1].value[kStep] = -4;
  auto lines = testing::SplitCrLf(Export(doc));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "0,ODD,146.520000,,0.600000,,88.5,88.5,023,NN,FM,,,,,,,");
  EXPECT_EQ(lines[2], "1,NEG,146.520000,,0.600000,,88.5,88.5,023,NN,FM,,,,,,,");
}

TEST(ChannelCsvImportTest, ModeAndStepGoToTheNearestTheReceiverHas) {
  struct Case {
    std::string mode, step;
    int want_mode, want_step;
    std::string note;  // of the mode
  };
  std::vector<Case> cases = {
      {"FM", "5.00", 0, 0, ""},
      {"am", "12.50", 1, 4, ""},
      {"WFM", "100.00", 2, 10, ""},
      {"NFM", "6.25", 0, 1, "NFM (narrow FM) is FM on the receiver;"},
      {"", "1000.00", 0, 15, "no mode; FM;"},
      {"Auto", "25.00", 0, 7, "\"Auto\" is not a known mode; FM;"},
      {"~\x7F", "25.00", 0, 7, "\"~?\" is not a known mode; FM;"},
      {std::string(41, 'M'), "25.00", 0, 7,
       "\"" + std::string(40, 'M') + "...\" is not a known mode; FM;"},
  };
  for (std::string am : {"NAM", "USB", "LSB", "CW", "CWR", "SAM", "RTTY"}) {
    cases.push_back(
        {am, "1.00", 1, 16,
         "\"" + am + "\" is not a mode of the receiver; nearest AM;"});
  }
  for (std::string fm :
       {"DV", "DN", "DIG", "PKT", "DMR", "P25", "NXDN", "DPMR", "FSK"}) {
    cases.push_back(
        {fm, "9.00", 0, 17,
         "\"" + fm + "\" is not a mode of the receiver; nearest FM;"});
  }
  for (const Case& c : cases) {
    Imported r = ImportOne(
        Line("X", "146.520000", "", "0", "", "88.5", "88.5", c.mode, c.step));
    EXPECT_EQ(r.result.imported, 1) << c.mode;
    EXPECT_EQ(r.slot.value[kMode], c.want_mode) << c.mode;
    EXPECT_EQ(r.slot.text[kMode], ModeText(c.want_mode)) << c.mode;
    EXPECT_EQ(r.slot.value[kStep], c.want_step) << c.step;
    EXPECT_EQ(r.NotesOf("Mode"), c.note) << c.mode;
    EXPECT_EQ(r.NotesOf("TStep"), "") << c.step;
  }
  struct StepCase {
    std::string step;
    int want;
    std::string note;
  };
  for (const StepCase& c : std::vector<StepCase>{
           {"7.5", 2,
            "7.5 kHz is not a step of the receiver; nearest 8.33KHz;"},
           {"2.5", 16, "2.5 kHz is not a step of the receiver; nearest 1KHz;"},
           {"3.0", 16, "3.0 kHz is not a step of the receiver; nearest 1KHz;"},
           {"40", 8, "40 kHz is not a step of the receiver; nearest 30KHz;"},
           {"5000", 15,
            "5000 kHz is not a step of the receiver; nearest 1MHz;"},
           {"", 6, "no step; 20KHz;"},
           {"fast", 6, "\"fast\" is not a number; 20KHz;"}}) {
    Imported r = ImportOne(
        Line("X", "146.52", "", "0", "", "88.5", "88.5", "FM", c.step));
    EXPECT_EQ(r.slot.value[kStep], c.want) << c.step;
    EXPECT_EQ(r.slot.text[kStep], StepName[c.want]) << c.step;
    EXPECT_EQ(r.NotesOf("TStep"), c.note) << c.step;
    EXPECT_EQ(r.result.changed, 1);
  }
}

TEST(ChannelCsvImportTest, ToneModes) {
  const std::string kTransmitOnly =
      " is sent on transmit only; the receiver listens without it;";
  const std::string kNotAFunction =
      " is not a function of the receiver; left out, no option;";
  struct Case {
    std::string tone, rtone, ctone;
    int option, code;
    std::string note;
  };
  for (const Case& c : std::vector<Case>{
           {"", "100.0", "88.5", 0, 12, ""},  // the tone code is kept
           // A transmit tone leaves the receiver's squelch open.
           {"Tone", "100", "123.0", 0, 12, "the tone 100.0 Hz" + kTransmitOnly},
           {"Tone", "69.2", "88.5", 0, 1, "the tone 69.2 Hz" + kTransmitOnly},
           {"Tone", "x", "88.5", 0, 8, "the tone" + kTransmitOnly},
           {"TSQL", "88.5", "123.0", 2, 18, ""},
           {"TSQL", "123.0", "", 2, 18, ""},  // only rToneFreq filled
           {"TSQL-R", "88.5", "250.3", 3, 38, ""},
           {"TSQL", "88.5", "88.4", 2, 8,
            "88.4 Hz is not a tone of the receiver; nearest 88.5Hz;"},
           {"TSQL-R", "88.5", "300", 3, 38,
            "300 Hz is not a tone of the receiver; nearest 250.3Hz;"},
           {"TSQL", "88.5", "x", 2, 8, ""},  // falls back to rToneFreq
           {"TSQL", "", "", 0, 8, "no tone frequency; left out, no option;"},
           {"DTCS", "88.5", "88.5", 0, 8,
            "\"DTCS\" (digital code squelch)" + kNotAFunction},
           {"Cross", "88.5", "88.5", 0, 8,
            "\"Cross\" (cross mode: different tone or code kinds for "
            "transmit and receive)" +
                kNotAFunction},
       }) {
    Imported r = ImportOne(
        Line("X", "146.52", "", "0", c.tone, c.rtone, c.ctone, "FM", "5.00"));
    ASSERT_EQ(r.result.imported, 1);
    EXPECT_EQ(r.slot.value[kOption], c.option) << c.tone << c.rtone;
    EXPECT_EQ(r.slot.text[kOption], OptionName[c.option]) << c.tone;
    EXPECT_EQ(r.slot.value[kTone], c.code) << c.tone << c.rtone;
    EXPECT_EQ(r.slot.text[kTone], ToneName[c.code]) << c.tone;
    EXPECT_EQ(r.NotesOf("Tone"), c.note) << c.tone << c.rtone;
    EXPECT_EQ(r.result.changed, c.note.empty() ? 0 : 1) << c.tone;
  }
}

TEST(ChannelCsvImportTest, ShiftSkipNameAndComment) {
  struct Case {
    std::string duplex, offset;
    int direction;
    double want_offset;
    std::string field;  // the field noted, or ""
  };
  for (const Case& c : std::vector<Case>{
           {"+", "0.600000", 1, 0.6, ""},
           {"-", "5.000000", 2, 5, ""},
           {"", "0.600000", 0, 0.6, ""},
           {"off", "0.6", 0, 0.6, ""},
           {"+", "0.6000004", 1, 0.6, "Offset"},
           {"+", "150.000000", 0, 0, "Offset"},
           {"-", "99.999999", 2, 99.999999, ""},  // the largest offset
           {"-", "100", 0, 0, "Offset"},
           {"-", "", 0, 0, "Offset"},
           {"split", "441.000000", 0, 0, "Duplex"},
           {"?", "1", 0, 0, "Duplex"},
           {"", "200", 0, 0, ""},  // no shift: nothing the receiver uses
       }) {
    Imported r = ImportOne(
        Line("X", "146.52", c.duplex, c.offset, "", "88.5", "", "FM", "5.00"));
    EXPECT_EQ(r.slot.value[kShiftDir], c.direction) << c.duplex << c.offset;
    EXPECT_EQ(r.slot.text[kShiftDir], ShiftText(c.direction));
    EXPECT_EQ(r.slot.value[kOffset], c.want_offset) << c.duplex << c.offset;
    EXPECT_EQ(r.slot.text[kOffset], FormatOffset(c.want_offset));
    EXPECT_EQ(r.result.changed, c.field.empty() ? 0 : 1) << c.duplex;
    if (!c.field.empty()) {
      EXPECT_NE(r.NotesOf(c.field), "") << c.duplex;
    }
  }

  EXPECT_EQ(ImportOne(Line("X", "146.52", "", "", "", "", "", "FM", "5", "S"))
                .slot.value[kSkip],
            1);
  Imported p =
      ImportOne(Line("X", "146.52", "", "", "", "", "", "FM", "5", "P"));
  EXPECT_EQ(p.slot.value[kSkip], 0);
  EXPECT_NE(p.NotesOf("Skip"), "");

  struct NameCase {
    std::string in, out;
    bool noted;
  };
  for (const NameCase& c : std::vector<NameCase>{
           {"CALL", "CALL  ", false},
           {"  ab c ", "ab c  ", false},
           {"Repeater1", "Repeat", true},
           {"Caf\xC3\xA9", "Caf?  ", true},
           {"\xC3\x84rger", "?rger ", true},
           {"a\x01\xFF", "a??   ", true},
           {"\"x,y\"", "x,y   ", false},
       }) {
    Imported r =
        ImportOne(Line(c.in, "146.52", "", "", "", "", "", "FM", "5.00"));
    EXPECT_EQ(r.slot.text[kName], c.out) << c.in;
    EXPECT_EQ(!r.NotesOf("Name").empty(), c.noted) << c.in;
  }
  // The report shows what the file holds in UTF-8, anything else as "?".
  EXPECT_EQ(
      ImportOne(Line("\xC3\x84rger", "146.52", "", "", "", "", "", "FM", "5"))
          .NotesOf("Name"),
      "\"\xC3\x84rger\": characters the receiver cannot show became \"?\";");
  EXPECT_EQ(ImportOne(Line("x", "146.52", "", "", "", "", "",
                           "\xE7\xA9\xBA"
                           "\xC2\x85\xED\xA0\x80\xC3",
                           "5"))
                .NotesOf("Mode"),
            "\"\xE7\xA9\xBA?????\" is not a known mode; FM;");

  Imported note = ImportOne(
      "0,X,146.52,,,,,,,,FM,5.00,,\"two\r\nlines, \"\"quoted\"\"\",,,,\r\n");
  EXPECT_EQ(note.slot.text[kNote], "two  lines, \"quoted\"");
  // A long comment keeps its first 1000 characters.
  Imported long_note = ImportOne("0,X,146.52,,,,,,,,FM,5.00,,a" +
                                 std::string(4999, 'n') + ",,,,");
  EXPECT_EQ(long_note.slot.text[kNote], "a" + std::string(999, 'n'));
  EXPECT_EQ(long_note.NotesOf("Comment"), "cut to 1000 characters;");
  Imported wide = ImportOne("0,X,146.52,,,,,,,,FM,5.00,,a" +
                            std::string(998, 'n') + "\xE3\x81\x82z,,,,");
  EXPECT_EQ(wide.slot.text[kNote],
            "a" + std::string(998, 'n') + "\xE3\x81\x82");
}

TEST(ChannelCsvImportTest, FrequenciesTheModelCannotHoldLeaveTheRowOut) {
  std::string text = std::string(kHeader) +
                     "0,A,146.5200004,,,,,,,,FM,5.00\r\n"  // rounded to Hz
                     "1,B,2000.000000,,,,,,,,FM,5.00\r\n"
                     "2,C,0.09,,,,,,,,FM,5.00\r\n"
                     "3,D,abc,,,,,,,,FM,5.00\r\n"
                     "4,E,,,,,,,,,FM,5.00\r\n"
                     "5,F,869.500000,,,,,,,,FM,5.00\r\n"
                     "6,G,1299.995,,,,,,,,FM,5.00\r\n";
  Document q5;
  ChannelCsvResult r = ImportChannelCsvText(q5, text);
  EXPECT_EQ(r.imported, 3);
  EXPECT_EQ(r.left_out, 4);
  EXPECT_EQ(q5.Mem[0].text[kFreq], "146.520000");
  EXPECT_EQ(q5.Mem[1].text[kFreq], "869.500000");
  EXPECT_EQ(q5.Mem[2].text[kFreq], "1299.995000");
  ASSERT_EQ(r.notes.size(), 5u);
  EXPECT_EQ(ChannelCsvNoteLine(r.notes[0]),
            "00-000 (line 2) Frequency: 146.5200004 MHz rounded to whole Hz: "
            "146.520000");
  EXPECT_EQ(ChannelCsvNoteLine(r.notes[1]),
            "line 3 Frequency: left out: \"2000.000000\" MHz is outside the "
            "receiver's 0.1 to 1299.995 MHz");
  EXPECT_TRUE(r.notes[2].row_left_out);
  EXPECT_EQ(r.notes[3].text, "left out: frequency \"abc\" is not a number");
  EXPECT_EQ(r.notes[4].text, "left out: no frequency");
  EXPECT_EQ(ChannelCsvCountLine(r), "3 imported, 1 changed, 4 left out");

  Document q70t;
  q70t.SelectModel(2);
  r = ImportChannelCsvText(q70t, text);
  EXPECT_EQ(r.imported, 2);
  EXPECT_EQ(q70t.Mem[1].text[kFreq], "1299.995000");
  ASSERT_GE(r.notes.size(), 6u);
  EXPECT_EQ(r.notes[5].line, 7);
  EXPECT_NE(r.notes[5].text.find("cellular"), std::string::npos);
}

TEST(ChannelCsvImportTest, HeaderInAnyOrderFewerColumnsAndEitherLineEnd) {
  std::string crlf = std::string(kHeader) +
                     "0,Call,146.520000,-,0.600000,TSQL,100.0,88.5,023,NN,FM,"
                     "12.50,S,Note,,,,\r\n";
  Document a;
  ASSERT_EQ(ImportChannelCsvText(a, crlf).imported, 1);

  std::string lf = crlf;
  for (size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.erase(p, 1);
  Document b;
  ASSERT_EQ(ImportChannelCsvText(b, lf).imported, 1);
  EXPECT_TRUE(SameDocument(a, b));

  // Reordered, renamed in case, extra columns, no call columns, quoted, a
  // byte-order mark and blank lines around.
  Document c;
  ChannelCsvResult r = ImportChannelCsvText(
      c,
      "\xEF\xBB\xBF\n\n  skip , COMMENT,Extra,tstep,mode,ctonefreq,rToneFreq,"
      "Tone,Offset,Duplex,\"Frequency\",Name\n"
      "S,Note,zz,12.50,FM,88.5,100.0,TSQL,0.600000,-, \"146.520000\" ,Call\n"
      "\n");
  EXPECT_EQ(r.imported, 1);
  EXPECT_EQ(r.changed, 0);
  EXPECT_TRUE(SameDocument(a, c));

  // Only a frequency column: the rest take the receiver's defaults.
  Document d;
  r = ImportChannelCsvText(d, "Frequency\r\n433.5\r\n");
  EXPECT_EQ(r.imported, 1);
  EXPECT_EQ(d.Mem[0].text[kFreq], "433.500000");
  EXPECT_EQ(d.Mem[0].text[kName], "      ");
  EXPECT_EQ(d.Mem[0].text[kStep], "20KHz");
}

TEST(ChannelCsvImportTest, DamagedLinesNeverHurtTheOthers) {
  std::string text =
      std::string(kHeader) +
      "0,A,146.52\r\n"                             // short line
      "\r\n"                                       // empty
      ",,,,,,,,,,,,,,,,,\r\n"                      // all empty
      "1,B,147.000,,,,,,,,FM,5,,\"open quote\r\n"  // never closed
      "2,C,148.000,,,,,,,,FM,5,,tail\"\"x\r\n"
      "3,D," +
      std::string(1 << 20, '9') + ",,,,,,,,FM\r\n" + std::string(200000, ',') +
      "\r\n" + "4,E,149.000,,,,,,,,FM,5,,\r\n";
  Document doc;
  ChannelCsvResult r = ImportChannelCsvText(doc, text);
  EXPECT_EQ(r.status, FileStatus::kOk);
  EXPECT_EQ(r.imported, 4);
  EXPECT_EQ(r.left_out, 1);  // the huge frequency
  EXPECT_EQ(doc.Mem[0].text[kFreq], "146.520000");
  EXPECT_EQ(doc.Mem[1].text[kNote], "open quote");
  EXPECT_EQ(doc.Mem[2].text[kNote], "tail\"\"x");
  EXPECT_EQ(doc.Mem[3].text[kFreq], "149.000000");
  ASSERT_GE(r.notes.size(), 1u);
  EXPECT_EQ(r.notes.back().line, 7);

  // Random bytes after a header, and random bytes alone.
  std::mt19937 rng(7);
  for (int i = 0; i < 80; ++i) {
    std::string junk(rng() % 3000, '\0');
    for (char& ch : junk) ch = static_cast<char>(rng() % 256);
    if (i % 4 == 0) {
      // Mostly digits and separators, so that some lines import.
      for (char& ch : junk) ch = "0123456789.,,\n\"-+ST"[rng() % 20];
    }
    Document d;
    ChannelCsvResult jr = ImportChannelCsvText(d, kHeader + junk);
    ASSERT_EQ(jr.status, FileStatus::kOk);
    // The encoder must not crash on whatever the import stored.
    for (int s = 0; s < kMemoryChannels; ++s)
      EncodeChannel(d.Mem[s], d.opbModel);
    Document e;
    ChannelCsvResult er = ImportChannelCsvText(e, junk);
    if (er.status != FileStatus::kOk) {
      EXPECT_TRUE(SameDocument(e, Document()));
    }
  }
}

TEST(ChannelCsvImportTest, RowsLookAsReadFromTheReceiver) {
  Document doc;
  std::string text = std::string(kHeader);
  std::vector<std::string> lines = {
      Line("Rpt", "145.6125", "-", "0.6", "TSQL", "88.5", "131.8", "NFM",
           "6.25", "S"),
      Line("Air", "118.000", "", "0", "", "88.5", "88.5", "AM", "8.33"),
      Line("FM", "89.1", "", "0", "", "88.5", "88.5", "WFM", "100"),
      Line("Rev", "446.00625", "+", "5", "TSQL-R", "67", "67", "DV", "6.25")};
  for (const auto& l : lines) text += l + "\r\n";
  ASSERT_EQ(ImportChannelCsvText(doc, text).imported, 4);
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(doc.MemFlag[s], -1);
    Slot read = doc.Mem[s];
    ASSERT_EQ(
        DecodeChannel("\r\n" + EncodeChannel(doc.Mem[s], doc.opbModel), read),
        -1);
    EXPECT_EQ(read, doc.Mem[s]) << "slot " << s;
  }
  EXPECT_EQ(doc.Mem[0].text[kSecret], "11");
  EXPECT_EQ(doc.Mem[0].text[kCarrier], "JR");
  EXPECT_EQ(doc.Mem[0].text[kTone], "131.8Hz");
  EXPECT_EQ(doc.Mem[3].text[kOption], "Rev.");
}

TEST(ChannelCsvImportTest, ExportThenImportGivesBackTheRows) {
  std::mt19937 rng(11);
  Document doc;
  for (int s = 0; s < 300; ++s) {
    RandomChannel(rng, doc.Mem[s], false);
    doc.Mem[s].text[kNote] = RandomText(rng, 20);
    doc.MemFlag[s] = -1;
  }
  Document back;
  ChannelCsvResult r = ImportChannelCsvText(back, Export(doc));
  ASSERT_EQ(r.imported, 300);
  for (int s = 0; s < 300; ++s) {
    const Slot& a = doc.Mem[s];
    const Slot& b = back.Mem[s];
    for (int f : {kFreq, kMode, kStep, kTone, kShiftDir, kOffset, kSkip}) {
      EXPECT_EQ(a.value[f], b.value[f]) << "slot " << s << " field " << f;
      EXPECT_EQ(a.text[f], b.text[f]) << "slot " << s << " field " << f;
    }
    // The layout holds the receiver's tone squelch and its reverse.
    int option = static_cast<int>(a.value[kOption]);
    EXPECT_EQ(b.value[kOption], option == 2 || option == 3 ? option : 0);
    std::string name(a.text[kName]);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    name.resize(6, ' ');
    EXPECT_EQ(b.text[kName], name) << "slot " << s;
    EXPECT_EQ(b.text[kNote], a.text[kNote]) << "slot " << s;
  }
  // What the layout holds goes through a second round unchanged.
  Document again;
  ImportChannelCsvText(again, Export(back));
  EXPECT_EQ(Export(again), Export(back));
}

TEST(ChannelCsvImportTest, ByLocationKeepsTheSlots) {
  Document doc;
  PutChannel(doc, 3, 146.52, 2, 12, 0, 0, "A     ");
  PutChannel(doc, 250, 147.0, 3, 0, 1, 0.6, "B     ");
  PutChannel(doc, 999, 148.0, 0, 8, 0, 0, "C     ");
  doc.Mem[999].text[kNote] = "last";
  const std::string list = Export(doc);

  Document back;
  PutChannel(back, 4, 140, 0, 8, 0, 0, "KEEP  ");
  ChannelCsvResult r = ImportChannelCsvText(back, list, {.by_location = true});
  EXPECT_EQ(ChannelCsvCountLine(r), "3 imported, 0 changed, 0 left out");
  for (int s : {3, 250, 999}) {
    for (int f : {kFreq, kMode, kStep, kOption, kTone, kShiftDir, kOffset}) {
      EXPECT_EQ(back.Mem[s].value[f], doc.Mem[s].value[f]) << s << " " << f;
    }
    for (int f : {kNote, kName}) {
      EXPECT_EQ(back.Mem[s].text[f], doc.Mem[s].text[f]) << s << " " << f;
    }
  }
  EXPECT_EQ(back.Mem[4].text[kName], "KEEP  ");

  // Without a Location that names a free slot, a line is left out.
  r = ImportChannelCsvText(back,
                           "Location,Frequency,Mode,TStep\n"
                           "7,145.1,FM,5\n1000,145.2\n-1,145.3\n2.5,145.4\n"
                           "x,145.5\n,145.6\n7,145.7\n",
                           {.by_location = true});
  EXPECT_EQ(r.imported, 1);
  EXPECT_EQ(back.Mem[7].text[kFreq], "145.100000");
  std::vector<std::string> report;
  for (const auto& n : r.notes) report.push_back(ChannelCsvNoteLine(n));
  EXPECT_EQ(report,
            (std::vector<std::string>{
                "line 3 Location: left out: Location \"1000\" is not a "
                "memory slot (0 to 999)",
                "line 4 Location: left out: Location \"-1\" is not a memory "
                "slot (0 to 999)",
                "line 5 Location: left out: Location \"2.5\" is not a memory "
                "slot (0 to 999)",
                "line 6 Location: left out: Location \"x\" is not a memory "
                "slot (0 to 999)",
                "line 7 Location: left out: no Location (a memory slot 0 to "
                "999)",
                "line 8 Location: left out: Location 7 is taken by line 2",
            }));
}

TEST(ChannelCsvImportTest, TargetRowsAndBanks) {
  std::string text = std::string(kHeader);
  for (int i = 0; i < 5; ++i) {
    text += Line("C" + std::to_string(i), std::to_string(150 + i), "", "", "",
                 "", "", "FM", "5") +
            "\r\n";
  }
  Document doc;
  doc.txtBank[0] = "2";
  doc.txtBank[1] = "3";
  doc.txtBank[2] = "995";
  for (int b = 3; b < kBankCount; ++b) doc.txtBank[b] = "0";
  doc.ReadBankSizeBoxes();
  PutChannel(doc, 0, 140, 0, 8, 0, 0, "KEEP  ");
  PutChannel(doc, 5, 141, 0, 8, 0, 0, "KEEP  ");
  doc.CurrentFileName = "x.VQ5";
  Document before = doc;

  ChannelCsvResult r = ImportChannelCsvText(doc, text, {.bank = 1});
  EXPECT_EQ(r.imported, 3);
  EXPECT_EQ(r.left_out, 2);
  EXPECT_EQ(doc.Mem[2].text[kName], "C0    ");
  EXPECT_EQ(doc.Mem[4].text[kName], "C2    ");
  EXPECT_EQ(doc.Mem[0], before.Mem[0]);
  EXPECT_EQ(doc.Mem[5], before.Mem[5]);
  ASSERT_GE(r.notes.size(), 1u);
  EXPECT_EQ(ChannelCsvNoteLine(r.notes[0]),
            "line 5 Row: left out: no row left in bank 01");
  EXPECT_EQ(doc.DataChanged, -1);
  EXPECT_EQ(doc.CurrentFileName, "x.VQ5");

  doc = before;
  r = ImportChannelCsvText(doc, text, {.first_row = 997});
  EXPECT_EQ(r.imported, 3);
  EXPECT_EQ(r.left_out, 2);
  EXPECT_EQ(doc.Mem[999].text[kName], "C2    ");
  ASSERT_GE(r.notes.size(), 1u);
  EXPECT_EQ(r.notes[0].text, "left out: no memory row left after 999");

  // A bank of size 0 takes nothing, and the document stays as it was.
  doc = before;
  r = ImportChannelCsvText(doc, text, {.bank = 7});
  EXPECT_EQ(r.status, FileStatus::kOk);
  EXPECT_EQ(r.left_out, 5);
  EXPECT_TRUE(SameDocument(doc, before));
  EXPECT_EQ(doc.DataChanged, 0);
}

TEST(ChannelCsvImportTest, RefusedImportsLeaveTheDocumentAsItWas) {
  Document doc;
  PutChannel(doc, 0, 140, 0, 8, 0, 0, "KEEP  ");
  doc.MemFlag[4] = 0;
  Document before = doc;
  for (const std::string& text :
       {std::string(""), std::string("\r\n\r\n"),
        std::string("0,A,146.52,,,,,,,,FM,5\r\n"),
        std::string("\"VR-Q5\",\"MEMORY\",\"5\",\"145.5\"\r\n")}) {
    ChannelCsvResult r = ImportChannelCsvText(doc, text);
    EXPECT_EQ(r.status, FileStatus::kDataError) << text;
    EXPECT_EQ(r.imported, 0);
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_EQ(r.notes[0].field, "File");
    EXPECT_TRUE(SameDocument(doc, before));
  }
  std::string good = std::string(kHeader) + "0,A,146.52\r\n";
  EXPECT_EQ(ImportChannelCsvText(doc, good, {.first_row = 1000}).status,
            FileStatus::kDataError);
  EXPECT_EQ(ImportChannelCsvText(doc, good, {.bank = 50}).status,
            FileStatus::kDataError);
  EXPECT_TRUE(SameDocument(doc, before));
  EXPECT_EQ(doc.DataChanged, 0);

  TempDir dir;
  ChannelCsvResult missing = ImportChannelCsv(doc, dir.File("none.csv"));
  EXPECT_EQ(missing.status, FileStatus::kFileOpenError);
  EXPECT_EQ(ImportChannelCsv(doc, dir.path()).status,
            FileStatus::kFileOpenError);
  EXPECT_TRUE(SameDocument(doc, before));
}

TEST(ChannelCsvFileTest, HandWrittenListThroughFiles) {
  TempDir dir;
  // As another program writes one: LF lines, quoted texts, Skip before
  // Comment, a DTCS channel and a split channel.
  testing::WriteFile(
      dir.File("list.csv"),
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
      "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,"
      "RPT2CALL,DVCODE\n"
      "1,\"W1AW\",146.940000,-,0.600000,Tone,100.0,88.5,023,NN,FM,5.00,,"
      "\"Club, main\",,,,\n"
      "2,NOAA1,162.550000,,0.000000,,88.5,88.5,023,NN,NFM,25.00,S,,,,,\n"
      "3,Simplex,446.000000,,0.000000,DTCS,88.5,88.5,023,NN,FM,12.50,,,,,,\n"
      "4,Split,145.000000,split,435.000000,,88.5,88.5,023,NN,FM,5.00,,,,,,\n");
  Document doc;
  ChannelCsvResult r = ImportChannelCsv(doc, dir.File("list.csv"));
  ASSERT_EQ(r.status, FileStatus::kOk);
  EXPECT_EQ(ChannelCsvCountLine(r), "4 imported, 4 changed, 0 left out");
  std::vector<std::string> report;
  for (const auto& n : r.notes) report.push_back(ChannelCsvNoteLine(n));
  EXPECT_EQ(report,
            (std::vector<std::string>{
                "00-000 (line 2) Tone: the tone 100.0 Hz is sent on transmit "
                "only; the receiver listens without it",
                "00-001 (line 3) Mode: NFM (narrow FM) is FM on the receiver",
                "00-002 (line 4) Tone: \"DTCS\" (digital code squelch) is not "
                "a function of the receiver; left out, no option",
                "00-002 (line 4) Name: \"Simplex\" cut to 6 characters: "
                "\"Simple\"",
                "00-003 (line 5) Duplex: split (a separate transmit "
                "frequency) is not held by the receiver; shift left out",
            }));
  const Slot& w1aw = doc.Mem[0];
  EXPECT_EQ(w1aw.text[kFreq], "146.940000");
  EXPECT_EQ(w1aw.text[kShiftDir], "Shift-");
  EXPECT_EQ(w1aw.text[kOffset], "0.600000");
  EXPECT_EQ(w1aw.text[kOption], "OFF");
  EXPECT_EQ(w1aw.text[kTone], "100.0Hz");
  EXPECT_EQ(w1aw.text[kStep], "5KHz");
  EXPECT_EQ(w1aw.text[kName], "W1AW  ");
  EXPECT_EQ(w1aw.text[kNote], "Club, main");
  EXPECT_EQ(doc.Mem[1].value[kSkip], 1);
  EXPECT_EQ(doc.Mem[1].text[kStep], "25KHz");
  EXPECT_EQ(doc.Mem[2].text[kOption], "OFF");
  EXPECT_EQ(doc.Mem[3].value[kShiftDir], 0);
  EXPECT_EQ(doc.Mem[3].value[kOffset], 0);

  ASSERT_EQ(ExportChannelCsv(doc, dir.File("out.csv"), NoteToUtf8),
            FileStatus::kOk);
  auto lines = testing::SplitCrLf(testing::ReadFile(dir.File("out.csv")));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1],
            "0,W1AW,146.940000,-,0.600000,,100.0,100.0,023,NN,FM,5.00,,"
            "\"Club, main\",,,,");
  EXPECT_EQ(ExportChannelCsv(doc, dir.File("no/such/dir/out.csv"), NoteToUtf8),
            FileStatus::kFileOpenError);
  EXPECT_EQ(ExportChannelCsv(doc, dir.path(), NoteToUtf8),
            FileStatus::kFileOpenError);
}

}  // namespace
}  // namespace vrq5
