// File > Import Channel List and Export Channel List: the common
// channel-list layout, into the current row or a bank, with the report of
// what was changed or left out.
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <fstream>

#include "files/channel_csv.h"
#include "files/clone_file.h"
#include "notes/note_text.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class ChannelListTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartOnSimulatedReceiver();
    ClickTab(3);
  }
  static constexpr int kByLocation = -2;
  // Answers the "where" dialog (from the current row, bank `bank`, or each
  // at its Location) and records the report's lines.
  void Answer(int bank = -1) {
    prompts.dialog_handler = [this, bank](QDialog* dialog) {
      if (dialog->objectName() == "dlgChannelImport") {
        if (bank == kByLocation) {
          dialog->findChild<QRadioButton*>("optByLocation")->setChecked(true);
        } else if (bank >= 0) {
          dialog->findChild<QRadioButton*>("optIntoBank")->setChecked(true);
          dialog->findChild<QSpinBox*>("spnBank")->setValue(bank);
        }
        return static_cast<int>(QDialog::Accepted);
      }
      if (dialog->objectName() == "dlgImportReport") {
        auto* list = dialog->findChild<QListWidget*>("lstImportReport");
        for (int i = 0; list && i < list->count(); ++i) {
          report.push_back(list->item(i)->text().toStdString());
        }
        heading = dialog->findChild<QLabel*>()->text().toStdString();
      }
      return static_cast<int>(QDialog::Rejected);
    };
  }
  std::vector<std::string> report;
  std::string heading;
};

TEST_F(ChannelListTest, ExportThenImportGivesBackTheRows) {
  ASSERT_TRUE(
      window->OpenNamedFile(QString::fromStdString(SamplePath("demo.VQ5"))));
  const Document demo = doc();
  std::string csv = dir.File("list.csv");
  prompts.file_names = {QString::fromStdString(csv)};
  Trigger("mnuExportChannels");
  ASSERT_TRUE(std::filesystem::exists(csv));

  window->NewData();  // the export changed nothing: no question
  window->SelectRow(1);
  Answer(kByLocation);
  prompts.file_names = {QString::fromStdString(csv)};
  Trigger("mnuImportChannels");
  // Memory rows come back in their places, the notes in UTF-8 as the
  // window showed them; only what the layout holds counts.
  int rows = 0;
  for (int s = 0; s < kMemoryChannels; ++s) {
    if (demo.MemFlag[s] != -1 || demo.Mem[s].IsEmpty()) continue;
    const Slot& a = demo.Mem[s];
    const Slot& b = doc().Mem[s];
    for (int f : {kFreq, kMode, kStep, kShiftDir, kOffset, kSkip, kName}) {
      EXPECT_EQ(a.text[f], b.text[f]) << "slot " << s << " field " << f;
    }
    EXPECT_EQ(b.text[kNote], NoteToUtf8(a.text[kNote])) << s;
    ++rows;
  }
  EXPECT_GT(rows, 10);
  EXPECT_EQ(doc().DataChanged, -1);
}

TEST_F(ChannelListTest, DamagedRowsAreReportedAndTheRestImported) {
  std::string csv = dir.File("hand.csv");
  std::ofstream(csv, std::ios::binary)
      << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
         "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment\n"
         "0,Simplex,146.520000,,0.600000,,88.5,88.5,023,NN,NFM,5.00,,calling\n"
         "1,Repeater,145.230000,-,0.600000,Tone,100.0,88.5,023,NN,FM,12.50,S,\n"
         "2,Broken,not-a-number,,,,,,,,FM,5.00,,\n"
         "3,Digital,446.000000,,0,DTCS,88.5,88.5,047,NN,DV,6.25,,\n"
         "4,\xC3\x84rger,447.000000,,0,,88.5,88.5,023,NN,FM,5.00,,\n";
  window->SelectRow(21);  // 00-020
  Answer();
  prompts.file_names = {QString::fromStdString(csv)};
  Trigger("mnuImportChannels");
  EXPECT_EQ(doc().Mem[20].text[kFreq], "146.520000");
  EXPECT_EQ(doc().Mem[20].text[kMode], "FM");
  EXPECT_EQ(doc().Mem[20].text[kName], "Simple");
  EXPECT_EQ(doc().Mem[21].text[kShiftDir], "Shift-");
  EXPECT_EQ(doc().Mem[21].text[kOption], "OFF");  // a transmit tone
  EXPECT_EQ(doc().Mem[21].value[kSkip], 1);
  EXPECT_EQ(doc().Mem[22].text[kFreq], "446.000000");  // the broken one left
  ASSERT_FALSE(report.empty());
  auto mentions = [&](const char* words) {
    for (const auto& line : report) {
      if (line.find(words) != std::string::npos) return true;
    }
    return false;
  };
  EXPECT_TRUE(mentions("00-020"));
  EXPECT_TRUE(mentions("line 4"));
  EXPECT_TRUE(mentions("Mode"));
  EXPECT_TRUE(
      mentions("00-021 (line 3) Tone: the tone 100.0 Hz is sent on "
               "transmit only"));
  EXPECT_TRUE(mentions("\"\xC3\x84rger\": characters the receiver cannot"));
  // The import is one step.
  Trigger("mnuUndo");
  EXPECT_TRUE(doc().Mem[20].IsEmpty());
  EXPECT_TRUE(doc().Mem[22].IsEmpty());
}

TEST_F(ChannelListTest, IntoABankAndAFileThatIsNotAList) {
  std::string csv = dir.File("two.csv");
  std::ofstream(csv, std::ios::binary)
      << "Location,Name,Frequency\r\n0,A,145.5\r\n1,B,145.6\r\n";
  Answer(2);
  prompts.file_names = {QString::fromStdString(csv)};
  Trigger("mnuImportChannels");
  EXPECT_EQ(doc().SlotLabel(200), "02-000");
  EXPECT_EQ(doc().Mem[200].text[kFreq], "145.500000");
  EXPECT_EQ(doc().Mem[201].text[kFreq], "145.600000");

  // A list whose every channel is left out changes nothing and says so.
  std::ofstream(dir.File("far.csv"), std::ios::binary)
      << "Frequency\r\n2000\r\n";
  const Document kept = doc();
  prompts.file_names = {QString::fromStdString(dir.File("far.csv"))};
  Trigger("mnuImportChannels");
  EXPECT_EQ(heading.rfind("Nothing was imported. 0 imported", 0), 0u)
      << heading;
  EXPECT_EQ(doc().Mem, kept.Mem);

  std::ofstream(dir.File("junk.csv"), std::ios::binary) << "\x01\x02junk\n";
  const Document before = doc();
  prompts.file_names = {QString::fromStdString(dir.File("junk.csv"))};
  Trigger("mnuImportChannels");
  ASSERT_GE(MessageTexts().size(), 1u);
  EXPECT_EQ(MessageTexts().back(), "Data Error");
  EXPECT_EQ(doc().Mem, before.Mem);
}

}  // namespace
}  // namespace vrq5::testing
