// Many rows of the memory grid from the window: the selection, copy and
// paste between two windows, paste over rows in use, Delete, move, sort,
// insert at a bank's edges and find; each an undo step.
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMimeData>

#include "files/clone_file.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class RowsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartOnSimulatedReceiver();
    ASSERT_EQ(OpenNamedFile(doc(), SamplePath("demo.VQ5")), FileStatus::kOk);
    window->ShowDocument();
    ClickTab(3);
  }
  // Selects rows as Shift-clicks would: `first` current, through `last`.
  void SelectRange(int first, int last) {
    std::vector<int> rows;
    for (int r = first; r <= last; ++r) rows.push_back(r);
    window->SelectRows(rows);
  }
  std::string Freq(int row) { return doc().Mem[row - 1].text[kFreq]; }
};

TEST_F(RowsTest, ShiftArrowsAndClicksSelectSeveralRows) {
  window->SelectRow(3);
  auto* grid = Find<QTableView>("MSFlexGrid1");
  QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(window->SelectedRows(), (std::vector<int>{3, 4, 5}));
  // A Ctrl click adds a row; the current row is the one the editor opens.
  QRect cell = grid->visualRect(grid->model()->index(9, 2));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    cell.center());
  EXPECT_EQ(window->SelectedRows(), (std::vector<int>{3, 4, 5, 10}));
  EXPECT_EQ(window->CurrentRow(), 10);
}

TEST_F(RowsTest, CopyAndPasteBetweenTwoWindowsKeepsEveryField) {
  SelectRange(1, 4);
  Trigger("mnuCopy");
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(mime, nullptr);
  // The text a spreadsheet takes: one line a row, tab-separated.
  QStringList lines =
      mime->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0].split('\t').size(), 16);
  const Document source = doc();

  ScriptedPrompts other_prompts;
  MakeWindow(&other_prompts);
  window->StartUp("");
  ShowWindow();
  ClickTab(3);
  window->SelectRow(201);
  Trigger("mnuPaste");
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(doc().Mem[200 + i], source.Mem[i]) << i;
    EXPECT_EQ(doc().MemFlag[200 + i], source.MemFlag[i]);
  }
  EXPECT_EQ(window->SelectedRows(), (std::vector<int>{201, 202, 203, 204}));
  // Only the text: what a spreadsheet hands back pastes as well.
  auto* text_only = new QMimeData;
  text_only->setText(mime ? lines.join(QStringLiteral("\r\n")) : QString());
  QGuiApplication::clipboard()->setMimeData(text_only);
  window->SelectRow(301);
  Trigger("mnuPaste");
  EXPECT_EQ(doc().Mem[300].text[kFreq], source.Mem[0].text[kFreq]);
  EXPECT_EQ(doc().Mem[303].text[kName], source.Mem[3].text[kName]);
  Trigger("mnuUndo");
  EXPECT_TRUE(doc().Mem[300].IsEmpty());
  EXPECT_TRUE(other_prompts.messages.empty());
}

TEST_F(RowsTest, PasteOverRowsInUseAsksFirst) {
  SelectRange(1, 2);
  Trigger("mnuCopy");
  const std::string third = Freq(3);
  window->SelectRow(3);  // rows 3 and 4 are in use
  prompts.answers = {gui::Answer::kNo};
  Trigger("mnuPaste");
  ASSERT_EQ(prompts.questions.size(), 1u);
  // Yes overwrites channels in use: No is the default.
  EXPECT_EQ(prompts.question_buttons[0], gui::Buttons::kYesNoDefaultNo);
  EXPECT_NE(prompts.questions[0].text.find("2 of the rows pasted over are in "
                                           "use"),
            std::string::npos);
  EXPECT_EQ(Freq(3), third);
  prompts.answers = {gui::Answer::kYes};
  Trigger("mnuPaste");
  EXPECT_EQ(Freq(3), Freq(1));
  EXPECT_EQ(Freq(4), Freq(2));
}

TEST_F(RowsTest, PasteNeverRunsIntoTheProgramScanSlots) {
  // Rows 999 and 1000 are the last memory rows; two more would reach 0A.
  SelectRange(1, 4);
  Trigger("mnuCopy");
  const Slot first_edge = doc().Mem[1000];
  window->SelectRow(999);
  prompts.answers = {gui::Answer::kYes};
  Trigger("mnuPaste");
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_NE(prompts.questions[0].text.find("2 rows do not fit"),
            std::string::npos);
  EXPECT_EQ(doc().Mem[998].text[kFreq], doc().Mem[0].text[kFreq]);
  EXPECT_EQ(doc().Mem[1000], first_edge);
}

TEST_F(RowsTest, DeleteAndClearClearEverySelectedRowAfterTheConfirmation) {
  for (bool button : {false, true}) {
    SCOPED_TRACE(button ? "Clear" : "Delete");
    auto clear = [&] { button ? Click("cmbClear") : Trigger("mnuDelete"); };
    SelectRange(2, 4);
    prompts.answers = {gui::Answer::kCancel};
    clear();
    EXPECT_FALSE(doc().Mem[1].IsEmpty());
    ASSERT_FALSE(prompts.questions.empty());
    EXPECT_EQ(prompts.questions.back().text, "Clear 3 rows?");
    prompts.answers = {gui::Answer::kOk};
    clear();
    for (int slot : {1, 2, 3}) {
      EXPECT_TRUE(doc().Mem[slot].IsEmpty()) << slot;
      EXPECT_EQ(doc().MemFlag[slot], 0) << slot;
    }
    EXPECT_FALSE(doc().Mem[0].IsEmpty());
    EXPECT_FALSE(doc().Mem[4].IsEmpty());
    EXPECT_EQ(window->SelectedRows(), (std::vector<int>{2, 3, 4}));
    ASSERT_EQ(OpenNamedFile(doc(), SamplePath("demo.VQ5")), FileStatus::kOk);
    window->ShowDocument();
  }
}

TEST_F(RowsTest, MoveSortAndInsertStayInsideTheBank) {
  // Bank 00 covers rows 1..100 in the demo file.
  ASSERT_EQ(doc().SlotLabel(99), "00-099");
  const std::string a = Freq(1), b = Freq(2);
  SelectRange(1, 1);
  Trigger("mnuMoveUp");  // at the bank's first row: refused
  EXPECT_EQ(Freq(1), a);
  Trigger("mnuMoveDown");
  EXPECT_EQ(Freq(1), b);
  EXPECT_EQ(Freq(2), a);
  EXPECT_EQ(window->SelectedRows(), std::vector<int>{2});
  window->SelectRows({100});
  const Slot last = doc().Mem[99];
  Trigger("mnuMoveDown");  // the bank's last row: refused
  EXPECT_EQ(doc().Mem[99], last);
  EXPECT_EQ(doc().Mem[100].text[kFreq], Freq(101));

  // Sort of the whole bank by frequency (one row selected).
  window->SelectRows({5});
  Trigger("mnuSort_0");
  std::vector<double> freqs;
  for (int s = 0; s < 100; ++s) {
    if (!doc().Mem[s].IsEmpty()) freqs.push_back(doc().Mem[s].value[kFreq]);
  }
  EXPECT_TRUE(std::is_sorted(freqs.begin(), freqs.end()));
  for (int s = 0; s < 100; ++s)
    EXPECT_EQ(doc().SlotLabel(s).substr(0, 2), "00");

  // Insert at the first row shifts the bank down; a full last row refuses.
  const Slot top = doc().Mem[0];
  window->SelectRows({1});
  Trigger("mnuInsertRow");
  EXPECT_TRUE(doc().Mem[0].IsEmpty());
  EXPECT_EQ(doc().Mem[1], top);
  // Each was one step: undo takes the insert back, redo makes it again.
  Trigger("mnuUndo");
  EXPECT_EQ(doc().Mem[0], top);
  Trigger("mnuRedo");
  EXPECT_TRUE(doc().Mem[0].IsEmpty());
  doc().Mem[99] = top;
  doc().MemFlag[99] = -1;
  Trigger("mnuInsertRow");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "The last row of bank 00 is in use: nothing was inserted.");
}

TEST_F(RowsTest, FindByFrequencyRangeAndText) {
  doc().Mem[40].value[kFreq] = 433.925;
  doc().Mem[40].text[kFreq] = "433.925000";
  doc().Mem[40].text[kName] = "LPD   ";
  doc().MemFlag[40] = -1;
  doc().Mem[1200].value[kFreq] = 144.8;
  doc().Mem[1200].text[kFreq] = "144.800000";
  doc().Mem[1200].text[kNote] = "aprs gateway";
  doc().MemFlag[1200] = -1;
  window->UpDateMemData();
  window->SelectRow(1);
  Trigger("mnuFind");
  auto* box = Find<QLineEdit>("txtFind");
  ASSERT_TRUE(box->isVisible());
  box->setText(QStringLiteral("433.925"));
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(window->CurrentRow(), 41);
  box->setText(QStringLiteral("lpd"));
  window->SelectRow(1);
  Trigger("mnuFindNext");
  EXPECT_EQ(window->CurrentRow(), 41);
  box->setText(QStringLiteral("APRS"));
  Trigger("mnuFindNext");
  EXPECT_EQ(window->CurrentRow(), 1201);
  // The row found is shown in the middle of the grid.
  auto* grid = Find<QTableView>("MSFlexGrid1");
  const int middle =
      grid->rowViewportPosition(1200) + grid->rowHeight(1200) / 2;
  EXPECT_NEAR(middle, grid->viewport()->height() / 2, grid->rowHeight(1200));
  // A range, found backwards from the top wraps to the end.
  box->setText(QStringLiteral("144.7 - 144.9"));
  window->SelectRow(1);
  Trigger("mnuFindPrevious");
  EXPECT_EQ(window->CurrentRow(), 1201);
  box->setText(QStringLiteral("999.123"));
  Trigger("mnuFindNext");
  EXPECT_EQ(window->CurrentRow(), 1201);
  EXPECT_EQ(Find<QLabel>("lblFind")->text(), "Not found");
  window->UpDateMemData();  // a change of the document clears it
  EXPECT_EQ(Find<QLabel>("lblFind")->text(), "");

  // F3 and Shift+F3 select exactly the row found: Shift does not extend
  // the selection, so a Delete clears only that row.
  box->setText(QStringLiteral("430-440"));
  window->SelectRow(1);
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_F3);
  QTest::keyClick(grid, Qt::Key_F3);
  const int second = window->CurrentRow();
  QTest::keyClick(grid, Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_LT(window->CurrentRow(), second);
  EXPECT_EQ(window->SelectedRows(), std::vector<int>{window->CurrentRow()});

  // Escape hides the bar; what it holds stays for F3.
  Trigger("mnuFind");
  ASSERT_TRUE(box->hasFocus());
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_FALSE(box->isVisible());
  EXPECT_TRUE(grid->hasFocus());
  QTest::keyClick(grid, Qt::Key_F3);
  EXPECT_EQ(window->CurrentRow(), second);
}

}  // namespace
}  // namespace vrq5::testing
