// What opening a clone file, importing a CSV file and new data replace,
// clear and keep, each on a document that already holds other work.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "codec/tables.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "support/busy_document.h"
#include "support/temp_dir.h"
#include "support/whole_document.h"

namespace vrq5 {
namespace {

using testing::BusyDocument;
using testing::HandChannel;
using testing::SameWholeDocument;
using testing::SetBankSizes;
using testing::SplitCrLf;
using testing::TempDir;
using testing::WriteFile;

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// The bank boxes, texts and sizes hold `sizes` (the later banks 0), the
// total label 1000.
void ExpectBanks(const Document& doc, const std::vector<std::string>& sizes) {
  for (int b = 0; b < kBankCount; ++b) {
    std::string want = b < static_cast<int>(sizes.size()) ? sizes[b] : "0";
    EXPECT_EQ(doc.txtBank[b], want) << "bank " << b;
    EXPECT_EQ(doc.BankSizeText[b], want) << "bank " << b;
    EXPECT_EQ(doc.BankSize[b], std::stoi(want)) << "bank " << b;
  }
  EXPECT_EQ(doc.lblAll, "1000");
}

void ExpectLabels(const Document& doc,
                  const std::vector<std::pair<int, std::string>>& labels) {
  for (const auto& [slot, label] : labels) {
    EXPECT_EQ(doc.SlotLabel(slot), label) << "slot " << slot;
  }
}

Slot WithNote(Slot s, const std::string& note) {
  s.text[kNote] = note;
  return s;
}

// The slots of the file the open tests load, with their notes; slot 400
// holds a note and no channel. Every other slot is empty in the file.
struct FileSlot {
  int slot;
  Slot content;
};
const std::vector<FileSlot>& FileSlots() {
  static const std::vector<FileSlot> slots = {
      {0, WithNote(HandChannel(145.5, "145.500000", "TOWER", 1), "first")},
      {305, HandChannel(430.0125, "430.012500", "REP")},
      {400, WithNote(Slot{}, "note only")},
      {999, WithNote(HandChannel(1200, "1200.000000", "LAST"), "last one")},
      {1005, HandChannel(162.55, "162.550000", "EDGE")},
      {1150, WithNote(HandChannel(88.1, "88.100000", "SRCH"), "search")},
      {1299, HandChannel(121.5, "121.500000", "PRIO")},
  };
  return slots;
}

// The text of a clone file saved by a VR-Q5J document: banks 300, 0, 200,
// 500; the slots above enabled, slot 650 disabled; group 2 holds bank 3, group
// 10 bank 49, the hidden row 0 bank 9; a note on VFO band 5; settings changed.
std::string FileText() {
  Document src;
  SetBankSizes(src, {300, 0, 200, 500});
  for (const auto& [slot, content] : FileSlots()) {
    src.Mem[slot] = content;
    src.MemFlag[slot] = -1;
  }
  // A channel record in a disabled slot (a file another program wrote, or
  // one saved before the grid was refilled) loads as an empty slot.
  src.Mem[650] = HandChannel(144.8, "144.800000", "HIDDEN");
  src.MemFlag[650] = 0;
  src.Vfo[5].text[kNote] = "air band";
  src.chkGrp[50 * 2 + 3] = 1;
  src.chkGrp[50 * 10 + 49] = 1;
  src.chkGrp[9] = 1;
  src.settings.chkATT = 1;
  src.settings.Slider1 = 17;
  src.settings.Slider2 = 2;
  return CloneFileText(src);
}

// ------------------------------------------------------------------ open

TEST(OpenStateTest, ReplacesWhatTheFileHoldsAndKeepsTheRest) {
  TempDir dir;
  const std::string path = dir.File("other.VQ5");
  const std::string text = FileText();
  WriteFile(path, text);
  const std::vector<std::string> lines = SplitCrLf(text);
  ASSERT_EQ(lines.size(), 2643u);

  struct Case {
    const char* name;
    bool named;  // the command line's open
    int16_t changed_before;
  };
  for (const Case& c :
       {Case{"menu, changed", false, -1}, Case{"menu, unchanged", false, 0},
        Case{"command line, changed", true, -1}}) {
    SCOPED_TRACE(c.name);
    // A VR-Q70E document with work of its own.
    Document doc = BusyDocument(1);
    doc.DataChanged = c.changed_before;
    const Document before = doc;
    ASSERT_EQ(c.named ? OpenNamedFile(doc, path) : OpenCloneFile(doc, path),
              FileStatus::kOk);

    // Every slot as the file has it: the channels and notes of the file,
    // every other slot empty (notes included) and disabled.
    for (int s = 0; s < kSlotCount; ++s) {
      Slot want;
      int16_t flag = 0;
      for (const auto& [slot, content] : FileSlots()) {
        if (slot == s) {
          want = content;
          flag = -1;
        }
      }
      ASSERT_EQ(doc.Mem[s], want) << "slot " << s;
      ASSERT_EQ(doc.MemFlag[s], flag) << "slot " << s;
    }

    // Bank sizes in the table, the boxes and the total; rows laid out anew.
    ExpectBanks(doc, {"300", "0", "200", "500"});
    ExpectLabels(doc, {{0, "00-000"},
                       {299, "00-299"},
                       {300, "02-000"},
                       {305, "02-005"},
                       {499, "02-199"},
                       {500, "03-000"},
                       {999, "03-499"},
                       {1005, "2B"},
                       {1150, "S50"},
                       {1299, "Pr99"}});

    // Groups 1..10 in the table and the boxes; the hidden row 0 keeps what
    // it held (the file's row 0 is not read back).
    for (int i = 50; i < 550; ++i) {
      int ticked = i == 50 * 2 + 3 || i == 50 * 10 + 49;
      EXPECT_EQ(doc.chkGrp[i], ticked) << "box " << i;
      EXPECT_EQ(doc.GroupTable[i / 50][i % 50], -ticked) << "box " << i;
    }
    for (int b = 0; b < kBankCount; ++b) {
      EXPECT_EQ(doc.chkGrp[b], before.chkGrp[b]) << "box " << b;
      EXPECT_EQ(doc.GroupTable[0][b], before.GroupTable[0][b]) << "bank " << b;
    }
    EXPECT_EQ(doc.chkGrp[7], 1);
    EXPECT_EQ(doc.chkGrp[9], 0);

    // VFO bands and their notes from the file (the VR-Q5J's defaults).
    EXPECT_EQ(doc.VfoText(1, kFreq), "0.531000");
    EXPECT_EQ(doc.VfoText(2, kFreq), "2.000000");
    EXPECT_EQ(doc.VfoValue(2, kFreq), 2.0);
    EXPECT_EQ(doc.VfoText(2, kNote), "");
    EXPECT_EQ(doc.VfoText(3, kNote), "");
    EXPECT_EQ(doc.VfoText(5, kNote), "air band");

    // Settings and the radio areas' texts are the file's lines.
    EXPECT_EQ(doc.settings.chkATT, 1);
    EXPECT_EQ(doc.settings.Slider1, 17);
    EXPECT_EQ(doc.settings.Slider2, 2);
    EXPECT_EQ(doc.SettingsHex1, lines[1]);
    EXPECT_EQ(doc.SettingsHex2, lines[2]);
    for (int p = 0; p < 6; ++p)
      EXPECT_EQ(doc.EnableBitsHex[p], lines[1317 + p]);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(doc.BankTableHex[p], lines[2637 + p]);
    EXPECT_EQ(doc.GroupHex, lines[2641]);

    // The model and the link stay; the document is the file, unchanged.
    EXPECT_EQ(doc.ModelIndex, 1);
    EXPECT_EQ(doc.opbModel, 1);
    EXPECT_EQ(doc.LinkBank, "07");
    EXPECT_EQ(doc.CurrentFileName, path);
    EXPECT_EQ(WindowTitle(doc), std::string(AppTitle) + " - other.VQ5");
    EXPECT_EQ(doc.DataChanged, 0);
  }
}

TEST(OpenStateTest, RefusedFilesLeaveTheDocumentExactlyAsItWas) {
  TempDir dir;
  const std::vector<std::string> good = SplitCrLf(FileText());
  auto with = [&](int index, const std::string& line) {
    std::vector<std::string> lines = good;
    lines[index] = line;
    return JoinLines(lines);
  };
  std::vector<std::string> short_lines = good;
  short_lines.pop_back();
  std::vector<std::string> swapped = good;
  std::swap(swapped.front(), swapped.back());

  struct Case {
    const char* name;
    std::string content;
    FileStatus status;
  };
  const std::vector<Case> cases = {
      {"first mark in another case",
       with(0, "Korvex  VR-Q5  Clone  File start"), FileStatus::kDataError},
      {"last mark a blank short", with(2642, "Korvex  VR-Q5  Clone  File  End"),
       FileStatus::kDataError},
      {"marks swapped", JoinLines(swapped), FileStatus::kDataError},
      {"2642 lines", JoinLines(short_lines), FileStatus::kFileOpenError},
      {"empty", "", FileStatus::kFileOpenError},
  };
  for (int16_t changed : {-1, 0}) {
    Document doc = BusyDocument(1);
    doc.DataChanged = changed;
    const Document before = doc;
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      std::string path = dir.File("refused.VQ5");
      WriteFile(path, c.content);
      EXPECT_EQ(OpenCloneFile(doc, path), c.status);
      EXPECT_EQ(OpenNamedFile(doc, path), c.status);
      EXPECT_TRUE(SameWholeDocument(doc, before));
    }
    EXPECT_EQ(OpenCloneFile(doc, dir.File("missing.VQ5")),
              FileStatus::kFileOpenError);
    EXPECT_EQ(OpenNamedFile(doc, dir.File("missing.VQ5")),
              FileStatus::kFileOpenError);
    EXPECT_EQ(OpenCloneFile(doc, dir.path()), FileStatus::kFileOpenError);
    EXPECT_TRUE(SameWholeDocument(doc, before));
  }
}

// ---------------------------------------------------------------- import

const char kHeader[] =
    "\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\",\"MODE\",\"STEP\","
    "\"OPTION\",\"SECRET\",\"TRAIN\",\"TONE\",\"SHIFT\",\"SHIFT "
    "FREQUENCY\",\"NOTES\",\"NAME\",\"SKIP\",\"ENABLE\"\r\n";

Slot Made(std::array<double, kFieldCount> value,
          std::array<std::string, kFieldCount> text) {
  Slot s;
  s.value = value;
  s.text = text;
  return s;
}

// Records of every kind an import reads, merged into a busy document.
struct ImportedSlot {
  const char* record;
  int slot;
  Slot content;  // what the slot holds afterwards
  int16_t flag;
};

TEST(ImportStateTest, MergesTheRecordsNamedAndKeepsEverythingElse) {
  // Slot 1001 held a channel with its skip mark; the record clears the
  // skip and the mark's text stays.
  const std::vector<ImportedSlot> slots = {
      {"\"VR-Q5\",\"MEMORY\",\"5\",\"145.125\",\"wfm\",\"12.5khz\",\"tone\","
       "\"4\",\"JR\",\"100.0Hz\",\"shift-\",\"0.6\",\"new note\",\"abc\","
       "\"#TRUE#\",#TRUE#",
       5,
       Made({145.125, 2, 4, 2, 4, 28, 12, 2, 0.6, 0, 0, 1},
            {"145.125000", "WFM", "12.5KHz", "Tone", "4", "JR", "100.0Hz",
             "Shift-", "0.600000", "NEW NOTE", "ABC", "*"}),
       -1},
      {"\"VR-Q5\",\"MEMORY\",\"12\",\"433.5\",\"FM\",\"25KHz\",\"OFF\","
       "\"11\",\"JR\",\"88.5Hz\",\"OFF\",\"0\",\"\",\"\",\"#FALSE#\",#TRUE#",
       12,
       Made({433.5, 0, 7, 0, 11, 28, 8, 0, 0, 0, 0, 0},
            {"433.500000", "FM", "25KHz", "OFF", "11", "JR", "88.5Hz", "OFF",
             "0.000000", "", "", ""}),
       -1},
      // Not enabled: the refill after the import empties the slot.
      {"\"VR-Q5\",\"MEMORY\",\"260\",\"146\",\"FM\",\"5KHz\",\"OFF\",\"11\","
       "\"JR\",\"88.5Hz\",\"OFF\",\"0\",\"n\",\"\",\"#FALSE#\",#FALSE#",
       260, Slot{}, 0},
      {"\"VR-Q5\",\"PROGRAM SCAN\",\"P0B\",\"162.4\",\"FM\",\"5KHz\","
       "\"TRAIN\",\"28\",\"300HZ\",\"67.0HZ\",\"OFF\",\"5\",\"edge\","
       "\"edgeb\",\"#FALSE#\",#TRUE#",
       1001,
       Made({162.4, 0, 0, 1, 28, 0, 0, 0, 5, 0, 0, 0},
            {"162.400000", "FM", "5KHz", "Train", "28", "300Hz", "67.0Hz",
             "OFF", "5.000000", "EDGE", "EDGEB", "*"}),
       -1},
      {"\"VR-Q5\",\"SEARCH PASS\",\"7\",\"118.1\",\"AM\",\"25KHZ\",\"REV.\","
       "\"0\",\"JR\",\"250.3HZ\",\"+SHIFT\",\"1.5\",\"\",\"\",\"#FALSE#\","
       "#TRUE#",
       1107,
       Made({118.1, 1, 7, 3, 0, 28, 38, 1, 1.5, 0, 0, 0},
            {"118.100000", "AM", "25KHz", "Rev.", "0", "JR", "250.3Hz",
             "Shift+", "1.500000", "", "", ""}),
       -1},
      {"\"VR-Q5\",\"PRIORITY\",\"99\",\"1295\",\"WFM\",\"100KHZ\",\"SCR\","
       "\"11\",\"JR\",\"88.5Hz\",\"OFF\",\"0\",\"prio\",\"p\",\"#FALSE#\","
       "#TRUE#",
       1299,
       Made({1295, 2, 10, 4, 11, 28, 8, 0, 0, 0, 0, 0},
            {"1295.000000", "WFM", "100KHz", "Scr", "11", "JR", "88.5Hz", "OFF",
             "0.000000", "PRIO", "P", ""}),
       -1},
  };
  std::string csv = kHeader;
  for (const auto& s : slots) csv += std::string(s.record) + "\r\n";
  // Frequency 0: nothing changes, not even the flag of the busy slot.
  csv +=
      "\"VR-Q5\",\"MEMORY\",\"700\",\"0\",\"FM\",\"5KHz\",\"OFF\",\"11\","
      "\"JR\",\"88.5Hz\",\"OFF\",\"0\",\"\",\"\",\"#FALSE#\",#FALSE#\r\n"
      "\"VR-Q5\",\"VFO\",\"3\",\"52.5\",\"FM\",\"5KHz\",\"OFF\",\"11\",\"JR\","
      "\"88.5Hz\",\"OFF\",\"1\",\"vfo note\",\"\",\"#FALSE#\",\"#TRUE#\"\r\n"
      "\"VR-Q5\",\"BANK AMOUNT\",\"1\",\"100\"\r\n"
      "\"VR-Q5\",\"BANK AMOUNT\",\"3\",\"150\"\r\n"
      "\"VR-Q5\",\"GROUP\",\"154\",0\r\n"
      "\"VR-Q5\",\"GROUP\",\"60\",1\r\n"
      "\"VR-Q5\",\"GROUP\",\"5\",1\r\n";

  for (int16_t changed : {-1, 0}) {
    SCOPED_TRACE(changed);
    Document doc = BusyDocument(1);
    doc.Mem[1001].text[kSkip] = "*";
    doc.DataChanged = changed;
    const Document before = doc;
    ASSERT_EQ(ImportCsvText(doc, csv), FileStatus::kOk);

    for (int s = 0; s < kSlotCount; ++s) {
      Slot want = before.Mem[s];
      int16_t flag = before.MemFlag[s];
      for (const auto& imported : slots) {
        if (imported.slot == s) {
          want = imported.content;
          flag = imported.flag;
        }
      }
      ASSERT_EQ(doc.Mem[s], want) << "slot " << s;
      ASSERT_EQ(doc.MemFlag[s], flag) << "slot " << s;
    }
    EXPECT_EQ(doc.MemText(700, kNote), "busy 700");
    EXPECT_EQ(doc.MemText(20, kNote), "busy note only");

    // Band 3 replaced (fields 0..10, the note upper-cased); the others kept.
    EXPECT_EQ(doc.Vfo[3],
              Made({52.5, 0, 0, 0, 11, 28, 8, 0, 1, 0, 0, 0},
                   {"52.500000", "FM", "5KHz", "OFF", "11", "JR", "88.5Hz",
                    "OFF", "1.000000", "VFO NOTE", "", ""}));
    for (int b = 0; b < kVfoBands; ++b) {
      if (b == 3) continue;
      EXPECT_EQ(doc.Vfo[b], before.Vfo[b]) << "band " << b;
    }

    // Two bank boxes replaced: 0, 100, 150, 150, 600; rows laid out anew.
    ExpectBanks(doc, {"0", "100", "150", "150", "600"});
    ExpectLabels(doc, {{0, "01-000"},
                       {99, "01-099"},
                       {100, "02-000"},
                       {250, "03-000"},
                       {399, "03-149"},
                       {400, "04-000"},
                       {999, "04-599"}});

    // Three group boxes; the group table waits until it is read from them.
    std::array<int, 550> boxes = before.chkGrp;
    boxes[154] = 0;
    boxes[60] = 1;
    boxes[5] = 1;
    EXPECT_EQ(doc.chkGrp, boxes);
    EXPECT_EQ(doc.GroupTable, before.GroupTable);

    // Nothing an import has no record for.
    EXPECT_EQ(doc.settings, before.settings);
    EXPECT_EQ(doc.SettingsHex1, before.SettingsHex1);
    EXPECT_EQ(doc.SettingsHex2, before.SettingsHex2);
    EXPECT_EQ(doc.ModelIndex, 1);
    EXPECT_EQ(doc.opbModel, 1);
    EXPECT_EQ(doc.LinkBank, "07");
    EXPECT_EQ(doc.chkLink, before.chkLink);

    // A new unnamed document, not changed.
    EXPECT_EQ(doc.CurrentFileName, "");
    EXPECT_EQ(WindowTitle(doc), std::string(AppTitle));
    EXPECT_EQ(doc.DataChanged, 0);
  }
}

TEST(ImportStateTest, AFileWithoutBankOrGroupRecordsKeepsTheBankPage) {
  Document doc = BusyDocument(2);
  const Document before = doc;
  ASSERT_EQ(ImportCsvText(doc, std::string(kHeader) +
                                   "\"VR-Q5\",\"memory\",\"5\",\"145\",\"FM\","
                                   "\"5KHz\",\"OFF\",\"11\",\"JR\",\"88.5Hz\","
                                   "\"OFF\",\"0\",\"\",\"\",\"#FALSE#\","
                                   "#TRUE#\r\n"),
            FileStatus::kOk);
  EXPECT_EQ(doc.MemText(5, kFreq), "145.000000");
  EXPECT_EQ(doc.txtBank, before.txtBank);
  EXPECT_EQ(doc.BankSizeText, before.BankSizeText);
  EXPECT_EQ(doc.lblAll, "1000");
  EXPECT_EQ(doc.chkGrp, before.chkGrp);
  EXPECT_EQ(doc.GroupTable, before.GroupTable);
  for (int s = 0; s < kSlotCount; ++s) {
    ASSERT_EQ(doc.SlotLabel(s), before.SlotLabel(s)) << "slot " << s;
  }
  EXPECT_EQ(doc.SlotLabel(0), "01-000");
  EXPECT_EQ(doc.Vfo, before.Vfo);
  EXPECT_EQ(doc.ModelIndex, 2);
  EXPECT_EQ(doc.CurrentFileName, "");
  EXPECT_EQ(doc.DataChanged, 0);
}

TEST(ImportStateTest, RefusedFilesLeaveTheDocumentExactlyAsItWas) {
  // Good records come first: none of them may be merged.
  const std::string good =
      std::string(kHeader) +
      "\"VR-Q5\",\"MEMORY\",\"12\",\"433.5\",\"FM\",\"25KHz\",\"OFF\",\"11\","
      "\"JR\",\"88.5Hz\",\"OFF\",\"0\",\"\",\"\",\"#FALSE#\",#TRUE#\r\n"
      "\"VR-Q5\",\"VFO\",\"3\",\"52.5\",\"FM\",\"5KHz\",\"OFF\",\"11\",\"JR\","
      "\"88.5Hz\",\"OFF\",\"1\",\"\",\"\",\"#FALSE#\",\"#TRUE#\"\r\n"
      "\"VR-Q5\",\"BANK AMOUNT\",\"1\",\"100\"\r\n"
      "\"VR-Q5\",\"GROUP\",\"60\",1\r\n";
  struct Case {
    const char* name;
    std::string tail;
  };
  const std::vector<Case> cases = {
      {"bank number not a number", "\"VR-Q5\",\"BANK AMOUNT\",\"one\",\"5\""},
      {"bank size not a number", "\"VR-Q5\",\"BANK AMOUNT\",\"2\",\"5x\""},
      {"group box not a number", "\"VR-Q5\",\"GROUP\",\"B7\",1"},
      {"group value not a number", "\"VR-Q5\",\"GROUP\",\"70\",\"yes\""},
      {"end inside a record", "\"VR-Q5\",\"MEMORY\",\"6\",\"145.125\",\"FM\""},
      {"end after the section", "\"VR-Q5\",\"PRIORITY\""},
  };
  for (int16_t changed : {-1, 0}) {
    Document doc = BusyDocument(3);
    doc.DataChanged = changed;
    const Document before = doc;
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      EXPECT_EQ(ImportCsvText(doc, good + c.tail), FileStatus::kFileOpenError);
      EXPECT_TRUE(SameWholeDocument(doc, before));
    }
    TempDir dir;
    EXPECT_EQ(ImportCsv(doc, dir.File("missing.csv")),
              FileStatus::kFileOpenError);
    EXPECT_EQ(ImportCsv(doc, ""), FileStatus::kCancelled);
    EXPECT_TRUE(SameWholeDocument(doc, before));
  }
}

// -------------------------------------------------------------- new data

TEST(NewDataStateTest, TheDefaultsOfTheSelectedModelReplaceTheWork) {
  struct Case {
    int from;  // model option of the busy document
    int to;    // model option selected (the same: the File menu's New)
    const char* band1_freq;
    const char* band1_step;
    const char* band2_freq;
    const char* band4_freq;
    const char* band7_secret;
    const char* band11_freq;
    const char* block1;
    const char* block2;
  };
  const char* kBlock1Q5J =
      "A5000000000100000000000100000000010200010C0401010208000100141403";
  const char* kBlock1Other =
      "A5000000000100000000000100000000010200000C0401020208000100141403";
  const std::vector<Case> cases = {
      {1, 0, "0.531000", "9KHz", "2.000000", "76.000000", "11", "475.750000",
       kBlock1Q5J,
       "0B0600010202000100000000000000001400000000000000FFFFFFFFFFFFFFFF"},
      {0, 1, "0.522000", "9KHz", "1.625000", "87.600000", "11", "476.750000",
       kBlock1Other,
       "0B060001020200010000000000000000140000000000000000FFFFFFFFFFFFFF"},
      {3, 2, "0.530000", "10KHz", "29.000000", "145.000000", "8", "476.750000",
       kBlock1Other,
       "0B040001020200010000000000000000140000000000000000FFFFFFFFFFFFFF"},
      {2, 3, "0.530000", "10KHz", "29.000000", "145.000000", "8", "476.750000",
       kBlock1Other,
       "0B040001020200010000000000000000140000000000000000FFFFFFFFFFFFFF"},
      {2, 2, "0.530000", "10KHz", "29.000000", "145.000000", "8", "476.750000",
       kBlock1Other,
       "0B040001020200010000000000000000140000000000000000FFFFFFFFFFFFFF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to));
    Document doc = BusyDocument(c.from);
    const Document before = doc;
    if (c.from == c.to) {
      doc.NewData();
    } else {
      doc.SelectModel(c.to);
    }
    EXPECT_EQ(doc.ModelIndex, c.to);
    EXPECT_EQ(doc.opbModel, c.to);

    // Settings: the model's default blocks.
    EXPECT_EQ(doc.SettingsHex1, c.block1);
    EXPECT_EQ(doc.SettingsHex2, c.block2);
    EXPECT_EQ(doc.settings.chkATT, 0);
    EXPECT_EQ(doc.settings.Slider1, 20);
    EXPECT_EQ(doc.settings.Slider2, 3);

    // VFO bands: the model's defaults; the band notes stay.
    EXPECT_EQ(doc.VfoText(1, kFreq), c.band1_freq);
    EXPECT_EQ(doc.VfoText(1, kStep), c.band1_step);
    EXPECT_EQ(doc.VfoText(1, kMode), "AM");
    EXPECT_EQ(doc.VfoText(2, kFreq), c.band2_freq);
    EXPECT_EQ(doc.VfoText(4, kFreq), c.band4_freq);
    EXPECT_EQ(doc.VfoText(7, kSecret), c.band7_secret);
    EXPECT_EQ(doc.VfoText(11, kFreq), c.band11_freq);
    EXPECT_EQ(doc.VfoText(13, kSecret), "11");
    EXPECT_EQ(doc.VfoText(0, kTone), "88.5Hz");
    EXPECT_EQ(doc.VfoText(0, kCarrier), "JR");
    EXPECT_EQ(doc.VfoText(2, kNote), "busy band 2");
    EXPECT_EQ(doc.VfoText(3, kNote), "busy band 3");

    // Every slot empty, its note too, and disabled.
    for (int s = 0; s < kSlotCount; ++s) {
      ASSERT_EQ(doc.Mem[s], Slot{}) << "slot " << s;
      ASSERT_EQ(doc.MemFlag[s], 0) << "slot " << s;
    }

    // Ten banks of 100 in the table and the boxes.
    for (int b = 0; b < kBankCount; ++b) {
      std::string want = b < 10 ? "100" : "0";
      EXPECT_EQ(doc.txtBank[b], want) << "bank " << b;
      EXPECT_EQ(doc.BankSizeText[b], want) << "bank " << b;
      EXPECT_EQ(doc.BankSize[b], b < 10 ? 100 : 0) << "bank " << b;
    }
    EXPECT_EQ(doc.lblAll, "1000");
    EXPECT_EQ(doc.SlotLabel(0), "00-000");
    EXPECT_EQ(doc.SlotLabel(500), "05-000");
    EXPECT_EQ(doc.SlotLabel(999), "09-099");
    EXPECT_EQ(doc.SlotLabel(1000), "0A");

    // Every group box clear, the hidden row too; the group table follows
    // the boxes only when it is next read from them.
    for (int i = 0; i < 550; ++i) EXPECT_EQ(doc.chkGrp[i], 0) << "box " << i;
    EXPECT_EQ(doc.GroupTable, before.GroupTable);

    EXPECT_EQ(doc.LinkBank, "07");
    EXPECT_EQ(doc.CurrentFileName, "");
    EXPECT_EQ(WindowTitle(doc), std::string(AppTitle));
    EXPECT_EQ(doc.DataChanged, 0);
  }
}

}  // namespace
}  // namespace vrq5
