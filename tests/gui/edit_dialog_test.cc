// The channel editor: key filters, the checks when a box is left, the two
// refusals, Hold, OK and Cancel, and notes in other encodings.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <array>
#include <tuple>
#include <utility>

#include "files/clone_file.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class EditDialogTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->StartUp("");
    ShowWindow();
  }

  QRadioButton* Option(const char* name) { return Find<QRadioButton>(name); }
  QCheckBox* Check(const char* name) { return Find<QCheckBox>(name); }
  QComboBox* List(const char* name) { return Find<QComboBox>(name); }
  QString LabelText(const char* name) { return Find<QLabel>(name)->text(); }
  // What the dialog says of the values refused; empty when it is hidden.
  std::string Reason() {
    auto* label = Find<QLabel>("lblReason");
    EXPECT_FALSE(label->accessibleDescription().isEmpty());
    return label->isHidden() ? "" : label->text().toStdString();
  }

  // Leaves the focused box for another control of the dialog.
  void FocusTo(const char* box) { Box(box)->setFocus(Qt::TabFocusReason); }

  // The frequency box's text after typing `text` over it and leaving it.
  QString LeaveFrequencyWith(const char* text) {
    FocusTo("txtFreq");
    Box("txtFreq")->setText(QString::fromLatin1(text));
    FocusTo("txtNote");
    return Box("txtFreq")->text();
  }
};

TEST_F(EditDialogTest, BoxesTakeOnlyTheirKeys) {
  OpenEditor(1);
  QLineEdit* freq = Box("txtFreq");
  freq->clear();
  QTest::keyClicks(freq, "12.3.4");
  EXPECT_EQ(freq->text(), "12.34");
  QTest::keyClicks(freq, "ab-e,+");
  EXPECT_EQ(freq->text(), "12.34");
  QTest::keyClick(freq, Qt::Key_Backspace);
  EXPECT_EQ(freq->text(), "12.3");
  // A point in the selection that a key would replace still counts.
  freq->selectAll();
  QTest::keyClicks(freq, ".");
  EXPECT_EQ(freq->text(), "12.3");
  QTest::keyClicks(freq, "7");
  EXPECT_EQ(freq->text(), "7");

  QLineEdit* shift = Box("txtShift");
  shift->clear();
  QTest::keyClicks(shift, "0.6.5x");
  EXPECT_EQ(shift->text(), "0.65");

  QLineEdit* name = Box("txtName");
  name->clear();
  QTest::keyClicks(name, "Ab ~");
  QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown,
                      QString::fromUtf8("\xC3\xA9"), Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown,
                      QString::fromUtf8("\xE7\xA9\xBA"), Qt::NoModifier);
  EXPECT_EQ(name->text(), "Ab ~");
  QTest::keyClick(name, Qt::Key_Backspace);
  QTest::keyClicks(name, "1234");
  EXPECT_EQ(name->text(), "Ab 123");  // six characters at most
  // Pasted text keeps what typing it would have left.
  name->clear();
  QGuiApplication::clipboard()->setText(
      QString::fromUtf8("Z\xC3\xA9"
                        "9"));
  name->paste();
  EXPECT_EQ(name->text(), "Z9");

  // The note takes any character.
  QLineEdit* note = Box("txtNote");
  note->clear();
  QTest::keyClicks(note, "a,b");
  QTest::sendKeyEvent(QTest::Click, note, Qt::Key_unknown,
                      QString::fromUtf8("\xE7\xA9\xBA"), Qt::NoModifier);
  EXPECT_EQ(note->text(), QString::fromUtf8("a,b\xE7\xA9\xBA"));
  Click("CancelButton");
}

TEST_F(EditDialogTest, LeavingTheBoxesChecksTheirRanges) {
  OpenEditor(1);
  Box("txtFreq")->setText("433.5");
  Box("txtShift")->setText("5");
  Click("OKButton");
  doc().DataChanged = 0;

  auto* dialog = OpenEditor(1);
  EXPECT_EQ(Box("txtFreq")->text(), "433.500000");
  EXPECT_EQ(Box("txtShift")->text(), "5.000000");
  EXPECT_EQ(Reason(), "");
  const std::string range =
      "Frequency refused: a channel takes 0.100000 to 1299.995000 MHz.";
  EXPECT_EQ(LeaveFrequencyWith("1300"), "433.500000");
  EXPECT_EQ(Reason(), range);
  EXPECT_EQ(LeaveFrequencyWith("0.09"), "433.500000");
  EXPECT_EQ(LeaveFrequencyWith(""), "433.500000");
  EXPECT_EQ(Reason(), range);
  EXPECT_EQ(LeaveFrequencyWith("0.1"), "0.100000");
  EXPECT_EQ(Reason(), "");  // a value taken clears it
  EXPECT_EQ(LeaveFrequencyWith("1299.995"), "1299.995000");
  EXPECT_EQ(LeaveFrequencyWith("162.55"), "162.550000");

  // A menu or another window taking the focus is no leaving.
  Box("txtFreq")->setFocus(Qt::TabFocusReason);
  Box("txtFreq")->setText("1300");
  for (Qt::FocusReason reason :
       {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
    QFocusEvent out(QEvent::FocusOut, reason);
    QApplication::sendEvent(Box("txtFreq"), &out);
    EXPECT_EQ(Box("txtFreq")->text(), "1300") << reason;
  }
  FocusTo("txtShift");
  EXPECT_EQ(Box("txtFreq")->text(), "433.500000");

  QLineEdit* shift = Box("txtShift");
  shift->setText("100");
  FocusTo("txtNote");
  EXPECT_EQ(shift->text(), "5.000000");
  // Each box's reason, until that box takes a value.
  const std::string offset_range =
      "Offset refused: it must be at least 0 and below 100 MHz.";
  EXPECT_EQ(Reason(), range + "\n" + offset_range);  // 1300 above
  EXPECT_EQ(LeaveFrequencyWith("433.5"), "433.500000");
  EXPECT_EQ(Reason(), offset_range);
  for (auto [typed, shown] :
       {std::pair{"99.999999", "99.999999"}, std::pair{"7.25", "7.250000"},
        std::pair{"0", "0.000000"}}) {
    FocusTo("txtShift");
    shift->setText(typed);
    FocusTo("txtNote");
    EXPECT_EQ(shift->text(), shown) << typed;
    EXPECT_EQ(Reason(), "") << typed;
  }

  // Cancel keeps the slot as it was.
  Click("CancelButton");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(doc().Mem[0].text[kFreq], "433.500000");
  EXPECT_EQ(doc().Mem[0].text[kOffset], "5.000000");
  EXPECT_EQ(doc().DataChanged, 0);

  // An empty slot falls back to 145 MHz; an opening says nothing of the
  // last one.
  OpenEditor(2);
  EXPECT_EQ(Reason(), "");
  EXPECT_EQ(LeaveFrequencyWith("2000"), "145.000000");
  Box("txtName")->setText("X");
  Click("CancelButton");
  EXPECT_TRUE(doc().Mem[1].IsEmpty());
  EXPECT_EQ(doc().MemFlag[1], 0);
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(EditDialogTest, CellularFrequenciesAreRefusedOnTheVrQ70T) {
  const Message cellular{
      "It is a frequency of the cellular phone.\r\nIt is not possible to set "
      "it.",
      "Frequency of the cellular phone", Message::Icon::kCritical};
  doc().SelectModel(2);
  window->UpDateMemData();

  auto* dialog = OpenEditor(1);
  EXPECT_EQ(LeaveFrequencyWith("849.995"), "145.000000");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], cellular);
  EXPECT_EQ(Reason(),
            "Frequency refused: 824.000000 to 849.995000 MHz is a band of the "
            "cellular phone, which cannot be set.");
  EXPECT_EQ(LeaveFrequencyWith("824"), "145.000000");
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(LeaveFrequencyWith("850"), "850.000000");
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(Reason(), "");

  // OK checks too, and a refusal keeps the dialog open.
  Box("txtFreq")->setText("869");
  Click("OKButton");
  ASSERT_EQ(prompts.messages.size(), 3u);
  EXPECT_EQ(prompts.messages.back(), cellular);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(Box("txtFreq")->text(), "145.000000");
  EXPECT_TRUE(doc().Mem[0].IsEmpty());
  EXPECT_EQ(doc().DataChanged, 0);

  Box("txtFreq")->setText("850");
  Click("OKButton");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(doc().Mem[0].text[kFreq], "850.000000");
  EXPECT_EQ(doc().MemFlag[0], -1);
  EXPECT_EQ(prompts.messages.size(), 3u);

  // The other models have no blocked ranges.
  doc().SelectModel(0);
  window->UpDateMemData();
  EditRow(1, "849.995");
  EXPECT_EQ(doc().Mem[0].text[kFreq], "849.995000");
  EXPECT_EQ(prompts.messages.size(), 3u);
}

TEST_F(EditDialogTest, SearchPassChannelsMustDifferFromEachOther) {
  const Message duplicate{
      "The same frequency as other channels cannot be set in Search Pass "
      "bank.",
      "ERROR", Message::Icon::kCritical};
  EditRow(1151, "162.55");  // slot 1150, S50
  ASSERT_EQ(doc().MemFlag[1150], -1);

  auto* dialog = OpenEditor(1106);  // slot 1105, S5
  EXPECT_EQ(LabelText("lblMode"), "Search Pass");
  EXPECT_EQ(LabelText("lblCH_0"), "5Ch");
  EXPECT_EQ(LeaveFrequencyWith("162.55"), "145.000000");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], duplicate);
  EXPECT_EQ(Reason(),
            "Frequency refused: search-pass channel S50 holds it already, and "
            "no two search-pass channels may share one.");
  EXPECT_EQ(LeaveFrequencyWith("162.5501"), "162.550100");
  Box("txtFreq")->setText("162.550000");
  Click("OKButton");
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(doc().Mem[1105].IsEmpty());
  Click("CancelButton");

  // The channel itself, and a bank channel, may hold that frequency.
  OpenEditor(1151);
  EXPECT_EQ(LeaveFrequencyWith("162.55"), "162.550000");
  Click("CancelButton");
  EditRow(5, "162.55");
  EXPECT_EQ(doc().Mem[4].text[kFreq], "162.550000");
  EXPECT_EQ(prompts.messages.size(), 2u);

  // A disabled search-pass channel does not count.
  doc().MemFlag[1150] = 0;
  EditRow(1106, "162.55");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(doc().Mem[1105].text[kFreq], "162.550000");
  EXPECT_EQ(prompts.messages.size(), 2u);
}

TEST_F(EditDialogTest, HoldKeepsWhatTheDialogShowedForAnEmptySlot) {
  EditRow(10, "121.5");

  OpenEditor(5);
  EXPECT_EQ(LabelText("lblMode"), "Bank 00");
  EXPECT_EQ(LabelText("lblCH_0"), "004Ch");
  // The defaults of a new channel.
  EXPECT_EQ(Box("txtFreq")->text(), "145.000000");
  EXPECT_TRUE(Option("opbWave_0")->isChecked());
  EXPECT_TRUE(Option("opbStep_6")->isChecked());
  EXPECT_TRUE(Option("opbTone_0")->isChecked());
  EXPECT_EQ(List("cbbTxTone")->currentIndex(), 8);
  EXPECT_EQ(List("cbbTxTone")->currentText(), "88.5Hz");
  EXPECT_TRUE(Option("opbSift_0")->isChecked());
  EXPECT_EQ(Box("txtShift")->text(), "0.600000");
  EXPECT_EQ(Box("txtNote")->text(), "");
  EXPECT_EQ(Box("txtName")->text(), "");
  EXPECT_FALSE(Check("chkSkip")->isChecked());
  EXPECT_TRUE(Check("chkEnable")->isChecked());
  EXPECT_TRUE(Check("chkEnable")->isHidden());
  // The VR-Q5J has a carrier and no secret code.
  EXPECT_TRUE(List("cbbAir")->isEnabled());
  EXPECT_EQ(List("cbbAir")->currentText(), "JR");
  EXPECT_FALSE(List("cbbSec")->isEnabled());
  EXPECT_EQ(List("cbbSec")->currentIndex(), -1);
  EXPECT_TRUE(Option("opbTone_1")->isEnabled());
  EXPECT_FALSE(Option("opbTone_4")->isEnabled());

  Box("txtFreq")->setText("433.500000");
  Option("opbWave_1")->click();
  Option("opbStep_4")->click();
  Box("txtName")->setText("ABC");
  Click("CancelButton");

  Check("chkHold")->click();
  ASSERT_TRUE(Check("chkHold")->isChecked());
  OpenEditor(6);
  EXPECT_EQ(LabelText("lblCH_0"), "005Ch");
  EXPECT_EQ(Box("txtFreq")->text(), "433.500000");
  EXPECT_TRUE(Option("opbWave_1")->isChecked());
  EXPECT_TRUE(Option("opbStep_4")->isChecked());
  EXPECT_EQ(Box("txtName")->text(), "ABC");
  Click("CancelButton");

  // A slot that holds a channel is loaded whatever Hold says.
  OpenEditor(10);
  EXPECT_EQ(Box("txtFreq")->text(), "121.500000");
  EXPECT_TRUE(Option("opbWave_0")->isChecked());
  EXPECT_EQ(Box("txtName")->text(), "");
  Box("txtName")->setText("HELD");
  Click("CancelButton");

  Check("chkHold")->click();
  OpenEditor(7);
  EXPECT_EQ(Box("txtFreq")->text(), "145.000000");
  EXPECT_TRUE(Option("opbWave_0")->isChecked());
  EXPECT_TRUE(Option("opbStep_6")->isChecked());
  EXPECT_EQ(Box("txtName")->text(), "");
  Click("CancelButton");
  EXPECT_EQ(doc().ChannelsInUse(), 1);
}

// The band editor shares the dialog's controls; it must not change what
// Hold keeps for the memory slots (it once loaded a disabled entry, and
// the next held channel was stored disabled and emptied).
TEST_F(EditDialogTest, HoldKeepsTheMemoryEntryAcrossTheBandEditor) {
  ClickTab(3);
  OpenEditor(1);
  Check("chkHold")->click();
  Box("txtFreq")->setText("433.5");
  Option("opbWave_1")->click();
  Click("OKButton");
  ClickTab(1);
  window->MSFlexGrid2_DblClick(5);
  Activate(Find<gui::EditDialog>("dlgModify"));
  EXPECT_EQ(Find<gui::EditDialog>("dlgModify")->EditTarget(), 0);
  Click("CancelButton");
  ClickTab(3);
  OpenEditor(2);
  EXPECT_EQ(Box("txtFreq")->text(), "433.500000");
  EXPECT_TRUE(Option("opbWave_1")->isChecked());
  Click("OKButton");
  EXPECT_EQ(doc().MemFlag[1], -1);
  EXPECT_EQ(CellText(2, 1), "433.500000");
  EXPECT_EQ(doc().ChannelsInUse(), 2);
}

TEST_F(EditDialogTest, OkStoresEveryFieldAndRefreshesTheRow) {
  ClickTab(3);
  window->SelectRow(3);
  Trigger("mnuEditUndo");  // Modify
  auto* dialog = Find<gui::EditDialog>("dlgModify");
  ASSERT_TRUE(dialog->isVisible());
  Activate(dialog);
  EXPECT_EQ(dialog->windowTitle(), "Modify Memory");
  EXPECT_EQ(LabelText("lblCH_0"), "002Ch");
  EXPECT_EQ(LabelText("lblMHz"), "");

  Box("txtFreq")->setText("433.125");
  Option("opbWave_1")->click();
  Option("opbStep_4")->click();
  Option("opbTone_2")->click();
  List("cbbTxTone")->setCurrentIndex(12);
  List("cbbAir")->setCurrentIndex(7);
  Option("opbSift_1")->click();
  Box("txtShift")->setText("5");
  Check("chkSkip")->click();
  Box("txtNote")->setText("Tower");
  Box("txtName")->setText("TWR1");
  Click("OKButton");
  EXPECT_FALSE(dialog->isVisible());

  const Slot& slot = doc().Mem[2];
  const std::array<std::string, kFieldCount> texts = {
      "433.125000", "AM",     "12.5KHz",  "Tone",  "11",   "1000Hz",
      "100.0Hz",    "Shift+", "5.000000", "Tower", "TWR1", ""};
  EXPECT_EQ(slot.text, texts);
  const std::array<double, kFieldCount> values = {433.125, 1, 4, 2, 11, 7,
                                                  12,      1, 5, 0, 0,  1};
  EXPECT_EQ(slot.value, values);
  EXPECT_EQ(doc().MemFlag[2], -1);
  EXPECT_EQ(doc().DataChanged, -1);

  const char* row[] = {"00-002", "433.125000", "AM",     "12.5KHz",
                       "Tone",   "*",          "1000Hz", "100.0Hz",
                       "Shift+", "5.000000",   "Tower",  "TWR1"};
  for (int column = 0; column < 12; ++column) {
    EXPECT_EQ(Cell(3, column), row[column]) << column;
  }
  EXPECT_EQ(Cell(4, 1), "");

  // Opened again, the dialog shows what was stored; clearing Skip clears
  // the flag.
  OpenEditor(3);
  EXPECT_EQ(Box("txtFreq")->text(), "433.125000");
  EXPECT_TRUE(Option("opbWave_1")->isChecked());
  EXPECT_TRUE(Option("opbStep_4")->isChecked());
  EXPECT_TRUE(Option("opbTone_2")->isChecked());
  EXPECT_EQ(List("cbbTxTone")->currentText(), "100.0Hz");
  EXPECT_EQ(List("cbbAir")->currentText(), "1000Hz");
  EXPECT_TRUE(Option("opbSift_1")->isChecked());
  EXPECT_TRUE(Check("chkSkip")->isChecked());
  EXPECT_EQ(Box("txtName")->text(), "TWR1");
  Check("chkSkip")->click();
  Click("OKButton");
  EXPECT_EQ(doc().Mem[2].value[kSkip], 0);
  EXPECT_EQ(Cell(3, 5), "");

  // Where the other kinds of slot live.
  const std::tuple<int, const char*, const char*> places[] = {
      {1001, "Program Scan", "0 - A"},
      {1004, "Program Scan", "1 - B"},
      {1101, "Search Pass", "0Ch"},
      {1300, "Priority", "99Ch"},
  };
  for (auto [grid_row, mode, channel] : places) {
    OpenEditor(grid_row);
    EXPECT_EQ(LabelText("lblMode"), mode) << grid_row;
    EXPECT_EQ(LabelText("lblCH_0"), channel) << grid_row;
    Click("CancelButton");
  }
  EXPECT_EQ(doc().ChannelsInUse(), 1);
}

TEST_F(WindowTest, NotesKeepTheirEncoding) {
  window->StartUp(CommandLinePath(SamplePath("demo.VQ5")));
  ShowWindow();
  const std::string airport = "\x8B\xF3\x8D\x60";  // Shift_JIS
  const QString shown = QString::fromUtf8("\xE7\xA9\xBA\xE6\xB8\xAF");
  for (int row : {12, 13, 14}) {
    ASSERT_EQ(doc().Mem[row - 1].text[kNote], airport) << row;
    EXPECT_EQ(Cell(row, 0), QStringLiteral("00-0%1").arg(row - 1));
    EXPECT_EQ(Cell(row, 10), shown) << row;
    EXPECT_NE(Cell(row, 10), QString::fromLatin1(airport.c_str()));
  }

  // OK without touching the note keeps its bytes.
  OpenEditor(12);
  EXPECT_EQ(Box("txtNote")->text(), shown);
  Click("OKButton");
  EXPECT_EQ(doc().Mem[11].text[kNote], airport);

  // A note typed anew is kept in UTF-8.
  OpenEditor(13);
  Box("txtNote")->setText(QString::fromUtf8("\xE6\x9D\xB1\xE4\xBA\xAC tower"));
  Click("OKButton");
  EXPECT_EQ(doc().Mem[12].text[kNote], "\xE6\x9D\xB1\xE4\xBA\xAC tower");
  EXPECT_EQ(Cell(13, 10), QString::fromUtf8("\xE6\x9D\xB1\xE4\xBA\xAC tower"));

  // Saved, the untouched note is the file's line as it was.
  std::string copy = dir.File("notes.VQ5");
  prompts.file_names = {QString::fromStdString(copy)};
  Trigger("mnuFileSaveAs");
  std::vector<std::string> sample = SplitCrLf(ReadFile(SamplePath("demo.VQ5")));
  std::vector<std::string> saved = SplitCrLf(ReadFile(copy));
  ASSERT_EQ(sample.size(), 2643u);
  ASSERT_EQ(saved.size(), 2643u);
  EXPECT_EQ(saved[1337 + 11], sample[1337 + 11]);
  EXPECT_EQ(saved[1337 + 11], airport);
  EXPECT_EQ(saved[1337 + 12], "\xE6\x9D\xB1\xE4\xBA\xAC tower");
  EXPECT_EQ(saved[1337 + 13], airport);
}

}  // namespace
}  // namespace vrq5::testing
