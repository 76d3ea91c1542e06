#include "files/csv.h"

#include <gtest/gtest.h>

#include <random>

#include "codec/tables.h"
#include "codec/text.h"
#include "support/compare.h"
#include "support/damaged_files.h"
#include "support/random_document.h"
#include "support/temp_dir.h"

namespace vrq5 {
namespace {

using testing::Csv;
using testing::DamagedCsvFiles;
using testing::kCsvHeader;
using testing::Memory;
using testing::RandomDocument;
using testing::SameDocument;
using testing::SplitCrLf;
using testing::TempDir;

TEST(CsvExportTest, LayoutOfANewDocument) {
  Document doc;
  doc.chkGrp[12] = 1;
  auto lines = SplitCrLf(CsvText(doc));
  ASSERT_EQ(lines.size(), 1915u);
  EXPECT_EQ(lines[0], kCsvHeader);
  EXPECT_EQ(lines[1 + 14 + 5],
            "\"VR-Q5\",\"MEMORY\",\"5\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
            "\"\",\"\",\"\",\"\",\"#FALSE#\",#FALSE#");
  EXPECT_EQ(lines[1],
            "\"VR-Q5\",\"VFO\",\"0\",\"0.100000\",\"AM\",\"1KHz\",\"OFF\","
            "\"11\",\"JR\",\"88.5Hz\",\"OFF\",\"0.250000\",\"\",\"\","
            "\"#FALSE#\",\"#TRUE#\"");
  EXPECT_EQ(lines[1 + 14 + 1000],
            "\"VR-Q5\",\"PROGRAM "
            "SCAN\",\"P0A\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
            "\"\",\"#FALSE#\",#FALSE#");
  EXPECT_EQ(lines[1 + 14 + 1100].rfind("\"VR-Q5\",\"SEARCH PASS\",\"0\",\"", 0),
            0u);
  EXPECT_EQ(lines[1 + 14 + 1299].rfind("\"VR-Q5\",\"PRIORITY\",\"99\",\"", 0),
            0u);
  EXPECT_EQ(lines[1315], "\"VR-Q5\",\"BANK AMOUNT\",\"0\",\"100\"");
  EXPECT_EQ(lines[1364], "\"VR-Q5\",\"BANK AMOUNT\",\"49\",\"0\"");
  EXPECT_EQ(lines[1365 + 12], "\"VR-Q5\",\"GROUP\",\"12\",1");
  EXPECT_EQ(lines[1914], "\"VR-Q5\",\"GROUP\",\"549\",0");
}

TEST(CsvExportTest, SkippedEnabledSlotAndTextsWrittenAsTheyAre) {
  Document doc;
  doc.Mem[0].value[kFreq] = 145;
  doc.Mem[0].text[kFreq] = "145.000000";
  doc.Mem[0].value[kSkip] = 1;
  doc.Mem[0].text[kNote] = "a,b \"c\"";
  doc.MemFlag[0] = -1;
  auto lines = SplitCrLf(CsvText(doc));
  ASSERT_GT(lines.size(), 15u);
  const std::string& line = lines[15];
  ASSERT_GE(line.size(), 16u);
  // Quotes inside a field are written twice.
  EXPECT_NE(line.find("\"a,b \"\"c\"\"\""), std::string::npos);
  EXPECT_EQ(line.substr(line.size() - 16), ",\"#TRUE#\",#TRUE#");
}

TEST(CsvExportTest, ExportLeavesTheDocumentAlone) {
  TempDir dir;
  Document doc;
  doc.CurrentFileName = "mine.VQ5";
  doc.DataChanged = -1;
  ASSERT_EQ(ExportCsv(doc, dir.File("out.csv")), FileStatus::kOk);
  EXPECT_EQ(doc.CurrentFileName, "mine.VQ5");
  EXPECT_EQ(doc.DataChanged, -1);
  EXPECT_EQ(ExportCsv(doc, dir.File("none/out.csv")),
            FileStatus::kFileOpenError);
  EXPECT_EQ(ExportCsv(doc, dir.path()), FileStatus::kFileOpenError);
}

TEST(CsvRoundTripTest, ExportThenImportGivesEverythingBack) {
  std::mt19937 rng(31);
  for (int trial = 0; trial < 20; ++trial) {
    int model = trial % 4;
    // Upper-case notes and names: the import upper-cases them.
    Document doc = RandomDocument(rng, 50, model, /*upper=*/true);
    doc.RefillMemory();
    for (auto& slot : doc.Mem) {
      // The import writes "*" into the skip text of a skipped slot.
      if (slot.value[kSkip] != 0) slot.text[kSkip] = "*";
    }
    std::string csv = CsvText(doc);
    Document back;
    if (model != 0) back.SelectModel(model);
    back.CurrentFileName = "x";
    back.DataChanged = -1;
    ASSERT_EQ(ImportCsvText(back, csv), FileStatus::kOk);
    back.ReadBankSizeBoxes();
    doc.ReadBankSizeBoxes();
    back.settings = doc.settings;  // settings are not part of the CSV
    EXPECT_TRUE(SameDocument(doc, back)) << "trial " << trial;
    EXPECT_EQ(back.CurrentFileName, "");
    EXPECT_EQ(back.DataChanged, 0);
    EXPECT_EQ(CsvText(back), csv);
  }
}

class CsvImportTest : public ::testing::Test {
 protected:
  FileStatus Import(std::initializer_list<std::string> records) {
    return ImportCsvText(doc_, Csv(records));
  }
  Document doc_;
};

TEST_F(CsvImportTest, StoresAChannelWithItsTexts) {
  ASSERT_EQ(Import({Memory("3", "145.125",
                           "\"wfm\",\"12.5khz\",\"rev.\",\"4\","
                           "\"2700HZ\",\"100.0Hz\",\"+shift\","
                           "\"0.6\",\"my note\",\"abc\"",
                           "\"#TRUE#\",#TRUE#")}),
            FileStatus::kOk);
  const Slot& s = doc_.Mem[3];
  EXPECT_EQ(doc_.MemFlag[3], -1);
  EXPECT_EQ(s.text[kFreq], "145.125000");
  EXPECT_EQ(s.value[kMode], 2);
  EXPECT_EQ(s.text[kMode], "WFM");
  EXPECT_EQ(s.text[kStep], "12.5KHz");
  EXPECT_EQ(s.value[kOption], 3);
  EXPECT_EQ(s.text[kOption], "Rev.");
  EXPECT_EQ(s.value[kCarrier], 24);
  EXPECT_EQ(s.text[kCarrier], "2700Hz");
  EXPECT_EQ(s.value[kTone], 12);
  EXPECT_EQ(s.value[kShiftDir], 1);
  EXPECT_EQ(s.text[kShiftDir], "Shift+");
  EXPECT_EQ(s.text[kOffset], "0.600000");
  EXPECT_EQ(s.text[kNote], "MY NOTE");
  EXPECT_EQ(s.text[kName], "ABC");
  EXPECT_EQ(s.value[kSkip], 1);
  EXPECT_EQ(s.text[kSkip], "*");
}

// A quote in a note or a name is written twice, as spreadsheets write it,
// and reads back whole (it used to end the field, and the rest was lost).
TEST_F(CsvImportTest, QuotesInsideAFieldComeBackWhole) {
  ASSERT_EQ(
      Import({Memory("7", "145.125",
                     "\"FM\",\"5KHz\",\"OFF\",\"11\",\"JR\","
                     "\"100.0Hz\",\"OFF\",\"0\",\"TOWER \"\"A\"\", EAST\","
                     "\"\"\"X\"",
                     "\"#FALSE#\",#TRUE#")}),
      FileStatus::kOk);
  EXPECT_EQ(doc_.Mem[7].text[kNote], "TOWER \"A\", EAST");
  EXPECT_EQ(doc_.Mem[7].text[kName], "\"X");
  std::string csv = CsvText(doc_);
  EXPECT_NE(csv.find(",\"TOWER \"\"A\"\", EAST\",\"\"\"X\","),
            std::string::npos);
  Document back;
  ASSERT_EQ(ImportCsvText(back, csv), FileStatus::kOk);
  EXPECT_EQ(back.Mem[7], doc_.Mem[7]);
}

TEST_F(CsvImportTest, RecordsThatAreSkipped) {
  doc_.Mem[0].value[kFreq] = 1;
  doc_.Mem[0].text[kFreq] = "1.000000";
  doc_.MemFlag[0] = -1;
  ASSERT_EQ(
      Import({Memory("0", "0"), Memory("0", ""),
              Memory("1", "7",
                     "\"FM\",\"7KHZ\",\"OFF\",\"11\",\"JR\",\"88.5Hz\",\"OFF\","
                     "\"0\",\"\",\"\""),
              Memory("2", "7",
                     "\"XM\",\"5KHZ\",\"OFF\",\"11\",\"JR\",\"88.5Hz\",\"OFF\","
                     "\"0\",\"\",\"\""),
              Memory("1000", "7"), Memory("-1", "7"), Memory("", "7"),
              Memory("4", "5000"), Memory("5", "-145"), Memory("6", "0.05"),
              "\"vr-q5\",\"MEMORY\",\"8\",\"7\",\"FM\",\"5KHz\",\"OFF\",\"11\","
              "\"JR\",\"88.5Hz\",\"OFF\",\"0\",\"\",\"\",\"#FALSE#\",#TRUE#",
              Memory("9", "7",
                     Memory("9", "7").substr(0, 0) +
                         "\"FM\",\"5KHz\",\"OFF\",\"11\",\"JR\",\"88.5Hz\","
                         "\"OFF\",\"0\",\"\",\"\"",
                     "\"#FALSE#\",#TRUE#", "NOWHERE")}),
      FileStatus::kOk);
  // Frequency 0 or empty changes nothing, not even the enable flag.
  EXPECT_EQ(doc_.MemFlag[0], -1);
  EXPECT_EQ(doc_.Mem[0].value[kFreq], 1);
  EXPECT_EQ(doc_.ChannelsInUse(), 1);
}

TEST_F(CsvImportTest, CodesFromTheirTexts) {
  auto import_one = [&](const std::string& rest) {
    Document doc;
    EXPECT_EQ(ImportCsvText(doc, Csv({Memory("0", "100", rest)})),
              FileStatus::kOk);
    return doc.Mem[0];
  };
  auto rest = [](std::string option, std::string carrier, std::string tone,
                 std::string secret = "11") {
    return "\"FM\",\"5KHz\",\"" + option + "\",\"" + secret + "\",\"" +
           carrier + "\",\"" + tone + "\",\"OFF\",\"0\",\"\",\"\"";
  };
  EXPECT_EQ(import_one(rest("bogus", "JR", "88.5Hz")).value[kOption], 0);
  EXPECT_EQ(import_one(rest("SCR", "JR", "88.5Hz")).value[kOption], 4);
  EXPECT_EQ(import_one(rest("OFF", "JR", "1.0HZ")).value[kTone], 8);
  EXPECT_EQ(import_one(rest("OFF", "JR", "250.3")).value[kTone], 38);
  EXPECT_EQ(import_one(rest("OFF", "", "67")).value[kCarrier], 28);
  EXPECT_EQ(import_one(rest("OFF", "9999HZ", "67")).value[kCarrier], 28);
  EXPECT_EQ(import_one(rest("OFF", "300HZ", "67")).value[kCarrier], 0);
  EXPECT_EQ(import_one(rest("OFF", "350", "67")).value[kCarrier],
            0);  // 0.5 -> 0
  EXPECT_EQ(import_one(rest("OFF", "450", "67")).value[kCarrier],
            2);  // 1.5 -> 2
  EXPECT_EQ(import_one(rest("OFF", "JR", "67", "300")).value[kSecret], 11);
  EXPECT_EQ(import_one(rest("OFF", "JR", "67", "-2")).value[kSecret], 11);
  EXPECT_EQ(import_one(rest("OFF", "JR", "67", "28")).value[kSecret], 28);
  EXPECT_EQ(import_one(rest("OFF", "JR", "67", "2.5")).text[kSecret], "2");
}

TEST_F(CsvImportTest, LongNamesOddNotesAndOffsetsStillMakeValidRecords) {
  ASSERT_EQ(Import({Memory("0", "145",
                           "\"FM\",\"5KHz\",\"OFF\",\"11\",\"JR\","
                           "\"88.5Hz\",\"-SHIFT\",\"-5\",\"line\r\nbreak\","
                           "\"ABCDEFGHIJ\""),
                    Memory("1", "145",
                           "\"FM\",\"5KHz\",\"OFF\",\"11\",\"JR\","
                           "\"88.5Hz\",\"OFF\",\"5000\",\"\",\"\xE9\x01Z\"")}),
            FileStatus::kOk);
  EXPECT_EQ(doc_.Mem[0].text[kName], "ABCDEF");
  EXPECT_EQ(doc_.Mem[0].text[kNote], "LINE  BREAK");
  EXPECT_EQ(doc_.Mem[0].value[kShiftDir], 2);
  EXPECT_EQ(doc_.Mem[0].value[kOffset], 0);
  EXPECT_EQ(doc_.Mem[1].value[kOffset], 0);
  EXPECT_EQ(doc_.Mem[1].text[kName], "\xE9\x01Z");
  // The encoder must not crash on these channels, and writes hex digits.
  for (int s : {0, 1}) {
    for (char c : EncodeChannel(doc_.Mem[s], 0)) EXPECT_TRUE(IsHexDigit(c));
  }
}

TEST_F(CsvImportTest, TargetsOfEverySection) {
  std::string rest =
      "\"FM\",\"5KHz\",\"OFF\",\"11\",\"JR\",\"88.5Hz\",\"OFF\",\"0\",\"\","
      "\"\"";
  auto rec = [&](std::string section, std::string channel, std::string freq) {
    return Memory(channel, freq, rest, "\"#FALSE#\",#TRUE#", section);
  };
  ASSERT_EQ(
      Import({rec("program scan", "P49B", "1"),
              rec("PROGRAM SCAN", "P50A", "2"), rec("Program Scan", "7", "3"),
              rec("PROGRAM SCAN", "1050", "4"),
              rec("PROGRAM SCAN", "p12a", "5"), rec("SEARCH PASS", "S5", "6"),
              rec("search pass", "5", "7"), rec("PRIORITY", "1299", "8"),
              rec("memory", "2.5", "9"), rec("VFO", "12.5", "10"),
              rec("VFO", "13.6", "11"), rec("Memory", "abc", "12")}),
      FileStatus::kOk);
  EXPECT_EQ(doc_.Mem[1099].value[kFreq], 1);
  EXPECT_EQ(doc_.Mem[1007].value[kFreq], 3);
  EXPECT_EQ(doc_.Mem[1050].value[kFreq], 4);
  EXPECT_EQ(doc_.Mem[1024].value[kFreq], 5);
  EXPECT_EQ(doc_.Mem[1105].value[kFreq], 7);
  EXPECT_EQ(doc_.Mem[1299].value[kFreq], 8);
  EXPECT_EQ(doc_.Mem[2].value[kFreq], 9);
  EXPECT_EQ(doc_.Vfo[12].value[kFreq], 10);
  EXPECT_EQ(doc_.Vfo[12].text[kFreq], "10.000000");
  EXPECT_EQ(doc_.Mem[0].value[kFreq], 12);  // no leading number: slot 0
  EXPECT_EQ(doc_.ChannelsInUse(), 8);
  EXPECT_EQ(ProgramScanSlot("P50A"), -1);
  EXPECT_EQ(ProgramScanSlot(""), -1);
  EXPECT_EQ(ProgramScanSlot("X1"), -1);
  EXPECT_EQ(ProgramScanSlot("P99"), 1099);
  EXPECT_EQ(ProgramScanSlot("100"), -1);
  EXPECT_EQ(SearchPassSlot("1199"), 1199);
  EXPECT_EQ(SearchPassSlot("1200"), -1);
  EXPECT_EQ(PrioritySlot("S1"), -1);
  EXPECT_EQ(PrioritySlot("0.5"), 1200);
}

TEST_F(CsvImportTest, BankAndGroupRecords) {
  doc_.chkGrp[30] = 1;
  ASSERT_EQ(
      Import({"\"VR-Q5\",\"BANK AMOUNT\",\"3\",\"50\"",
              "\"VR-Q5\",\"bank amount\",\"50\",\"7\"",
              "\"VR-Q5\",\"GROUP\",\"60\",1", "\"VR-Q5\",\"GROUP\",\"30\",0",
              "\"VR-Q5\",\"GROUP\",\"600\",1",
              "\"VR-Q5\",\"GROUP\",\"61\",\"1\""}),
      FileStatus::kOk);
  EXPECT_EQ(doc_.txtBank[3], "50");
  EXPECT_EQ(doc_.BankSizeText[3], "50");
  EXPECT_EQ(doc_.BankSize[3], 50);  // the sizes follow the boxes at once
  EXPECT_EQ(doc_.SlotLabel(349), "03-049");  // the rows follow the boxes
  EXPECT_EQ(doc_.SlotLabel(350), "04-000");
  EXPECT_EQ(doc_.chkGrp[60], 1);
  EXPECT_EQ(doc_.chkGrp[30], 0);
  EXPECT_EQ(doc_.chkGrp[61], 1);
}

TEST_F(CsvImportTest, FaultsLeaveTheDocumentAsItWas) {
  doc_.CurrentFileName = "keep.VQ5";
  doc_.DataChanged = -1;
  Document before = doc_;
  for (const auto& file : DamagedCsvFiles()) {
    EXPECT_EQ(ImportCsvText(doc_, file.content), file.status) << file.name;
    EXPECT_TRUE(SameDocument(doc_, before)) << file.name;
    EXPECT_EQ(doc_.CurrentFileName, "keep.VQ5");
    EXPECT_EQ(doc_.DataChanged, -1);
  }
  EXPECT_EQ(ImportCsv(doc_, "/no/such/file.csv"), FileStatus::kFileOpenError);
  // A file past 64 MiB is refused whole, not imported in part.
  TempDir dir;
  std::string big = Csv({"\"VR-Q5\",\"BANK AMOUNT\",0,250"});
  big.resize((64u << 20) + 1, '\n');
  testing::WriteFile(dir.File("big.csv"), big);
  EXPECT_EQ(ImportCsv(doc_, dir.File("big.csv")), FileStatus::kFileOpenError);
  EXPECT_TRUE(SameDocument(doc_, before));
  big.resize(64u << 20);
  testing::WriteFile(dir.File("big.csv"), big);
  EXPECT_EQ(ImportCsv(doc_, dir.File("big.csv")), FileStatus::kOk);
  EXPECT_EQ(doc_.txtBank[0], "250");
}

TEST_F(CsvImportTest, FieldRules) {
  // Blanks around unquoted fields, line ends inside a record, a quote ending
  // a field early, a stray field, and the end of the file right after it.
  std::string text =
      "stray,  VR-Q5 ,MEMORY,  4  ,145,FM,5KHz,OFF,11,JR,88.5Hz,OFF,0,"
      "\"a\"b,N\r\n#TRUE#,#TRUE#\n"
      "\"VR-Q5\",\"MEMORY\",\"5\",\"146\",\"FM\",\"5KHz\",\"OFF\",\"11\","
      "\"JR\","
      "\"88.5Hz\",\"OFF\",\"0\",\"say \"hi\"\",\"N\",\"#FALSE#\",\"#TRUE#\"";
  ASSERT_EQ(ImportCsvText(doc_, text), FileStatus::kOk);
  EXPECT_EQ(doc_.Mem[4].value[kFreq], 145);
  EXPECT_EQ(doc_.Mem[4].text[kNote], "A");
  EXPECT_EQ(doc_.Mem[4].text[kName], "N");
  EXPECT_EQ(doc_.Mem[4].value[kSkip], 1);
  EXPECT_EQ(doc_.MemFlag[4], -1);
  // The quote inside the note ends its field: the rest shifts, and the
  // record's enable item is then no truth value.
  EXPECT_EQ(doc_.Mem[5].value[kFreq], 0);
}

TEST_F(CsvImportTest, GarbageNeverBreaksAnything) {
  std::mt19937 rng(8);
  std::string base = CsvText(doc_);
  ASSERT_FALSE(base.empty());
  for (int trial = 0; trial < 200; ++trial) {
    std::string text = base;
    for (int k = 0; k < 50; ++k) {
      size_t at = rng() % text.size();
      text[at] = "\",\r\n#ABC019 -.VR-Q5"[rng() % 19];
    }
    if (trial % 4 == 0) text.resize(rng() % text.size());
    Document doc;
    FileStatus status = ImportCsvText(doc, text);
    EXPECT_TRUE(status == FileStatus::kOk ||
                status == FileStatus::kFileOpenError);
    // The encoder must not crash on whatever the import stored.
    for (const Slot& s : doc.Mem) EncodeChannel(s, 0);
  }
}

}  // namespace
}  // namespace vrq5
