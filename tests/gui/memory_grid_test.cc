// The Memory tab: row labels, model columns, the tab guard, Up and Down,
// Clear and Clear All; the window's keys.
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <set>

#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

QWidget* Focused(QWidget* otherwise) {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus : otherwise;
}

// Tab from `start` round its window stops in every option group shown
// once, on the checked member.
void ExpectTabStopsOnCheckedOptions(QWidget* start) {
  start->setFocus(Qt::TabFocusReason);
  std::multiset<QButtonGroup*> stopped;
  for (int i = 0; i < 300; ++i) {
    QTest::keyClick(Focused(start), Qt::Key_Tab);
    if (Focused(start) == start) break;
    if (auto* option = qobject_cast<QRadioButton*>(Focused(start))) {
      EXPECT_TRUE(option->isChecked()) << option->objectName().toStdString();
      stopped.insert(option->group());
    }
  }
  EXPECT_EQ(Focused(start), start) << "Tab did not come round";
  std::multiset<QButtonGroup*> shown;
  for (auto* group : start->window()->findChildren<QButtonGroup*>()) {
    if (group->checkedButton() && group->checkedButton()->isVisible()) {
      shown.insert(group);
    }
  }
  EXPECT_EQ(stopped, shown);
}

// Each push button shown in `root` has an access key, none of `taken`.
void ExpectOwnAccessKeys(QWidget* root, QStringList taken = {}) {
  for (auto* button : root->findChildren<QPushButton*>()) {
    if (!button->isVisible()) continue;
    const QString key = QKeySequence::mnemonic(button->text()).toString();
    EXPECT_FALSE(key.isEmpty() || taken.contains(key))
        << button->text().toStdString();
    taken << key;
  }
}

TEST_F(WindowTest, RowLabelsFollowTheBankSizes) {
  window->StartUp("");
  const std::pair<int, const char*> fixed[] = {
      {1, "00-000"}, {100, "00-099"}, {101, "01-000"}, {1000, "09-099"},
      {1001, "0A"},  {1002, "0B"},    {1003, "1A"},    {1100, "49B"},
      {1101, "S0"},  {1200, "S99"},   {1201, "Pr0"},   {1300, "Pr99"},
  };
  for (auto [row, label] : fixed) EXPECT_EQ(Cell(row, 0), label) << row;

  // Bank 0 emptied, bank 10 given its 100 channels.
  ShowWindow();
  ClickTab(4);
  EnterBankSize(0, "0");
  EnterBankSize(10, "100");
  ClickTab(3);
  ASSERT_EQ(window->CurrentTab(), 3);
  EXPECT_EQ(Cell(1, 0), "01-000");
  EXPECT_EQ(Cell(100, 0), "01-099");
  EXPECT_EQ(Cell(901, 0), "10-000");
  EXPECT_EQ(Cell(1000, 0), "10-099");
  EXPECT_EQ(Cell(1001, 0), "0A");

  // Uneven sizes: bank 1 holds one channel, bank 49 the last 99.
  ClickTab(4);
  EnterBankSize(1, "1");
  EnterBankSize(49, "99");
  ClickTab(3);
  ASSERT_EQ(window->CurrentTab(), 3);
  EXPECT_EQ(Cell(1, 0), "01-000");
  EXPECT_EQ(Cell(2, 0), "02-000");
  EXPECT_EQ(Cell(901, 0), "10-099");
  EXPECT_EQ(Cell(902, 0), "49-000");
  EXPECT_EQ(Cell(1000, 0), "49-098");
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(WindowTest, TabsStayClosedUntilTheBanksHold1000Channels) {
  window->StartUp("");
  ShowWindow();
  QAction* modify = Find<QAction>("mnuEditUndo");
  ClickTab(4);
  EXPECT_EQ(window->CurrentTab(), 4);
  EXPECT_FALSE(modify->isEnabled());

  EnterBankSize(0, "99");
  EXPECT_EQ(Find<QLabel>("lblAll")->text(), "999");
  ClickTab(3);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], (Message{"Total CH must be 1000", "ERROR",
                                          Message::Icon::kCritical}));
  EXPECT_EQ(Find<QTabBar>("TabStrip1")->currentIndex(), 3);
  EXPECT_TRUE(Find<QWidget>("Frame1_3")->isEnabled());
  EXPECT_FALSE(Find<QWidget>("Frame1_2")->isEnabled());
  EXPECT_FALSE(modify->isEnabled());
  // Every other tab is guarded too, again with one message.
  ClickTab(1);
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(Find<QTabBar>("TabStrip1")->currentIndex(), 3);

  EnterBankSize(0, "100");
  EXPECT_EQ(Find<QLabel>("lblAll")->text(), "1000");
  ClickTab(3);
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(window->CurrentTab(), 3);
  EXPECT_TRUE(Find<QWidget>("Frame1_2")->isEnabled());
  for (const char* frame : {"Frame1_0", "Frame1_1", "Frame1_3"}) {
    EXPECT_FALSE(Find<QWidget>(frame)->isEnabled()) << frame;
  }
  // Modify edits a channel on the Memory tab and a VFO band on Settings 1.
  EXPECT_TRUE(modify->isEnabled());
  ClickTab(1);
  EXPECT_TRUE(modify->isEnabled());
  ClickTab(2);
  EXPECT_FALSE(modify->isEnabled());
}

TEST_F(WindowTest, KeysSwitchPagesLeaveTheGridAndCloseDialogs) {
  window->StartUp("");
  ShowWindow();
  auto* tabs = Find<QTabBar>("TabStrip1");
  // A control of each page holds the focus when the key comes.
  QWidget* inside[] = {Find<QWidget>("MSFlexGrid2"),
                       Find<QWidget>("Frame1_1")->findChild<QComboBox*>(),
                       Find<QWidget>("MSFlexGrid1"), Box("txtBank_7")};
  const struct {
    int from;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int to;
  } keys[] = {
      {1, Qt::Key_Tab, Qt::ControlModifier, 2},
      {2, Qt::Key_Tab, Qt::ControlModifier, 3},
      {3, Qt::Key_Tab, Qt::ControlModifier, 4},
      {4, Qt::Key_Tab, Qt::ControlModifier, 1},
      {1, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 4},
      {3, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2},
      {4, Qt::Key_PageDown, Qt::ControlModifier, 1},
      {4, Qt::Key_PageUp, Qt::ControlModifier, 3},
      {2, Qt::Key_PageUp, Qt::ControlModifier, 1},
      {1, Qt::Key_M, Qt::AltModifier, 3},
      {3, Qt::Key_B, Qt::AltModifier, 4},
      {4, Qt::Key_1, Qt::AltModifier, 1},
      {3, Qt::Key_2, Qt::AltModifier, 2},
  };
  QStringList window_keys;  // the menus' and the tabs'
  for (QAction* menu : window->menuBar()->actions()) {
    window_keys << QKeySequence::mnemonic(menu->text()).toString();
  }
  for (int t = 0; t < tabs->count(); ++t) {
    window_keys << QKeySequence::mnemonic(tabs->tabText(t)).toString();
  }
  for (const auto& k : keys) {
    ClickTab(k.from);
    ExpectOwnAccessKeys(Find<QWidget>("Frame1_" + std::to_string(k.from - 1)),
                        window_keys);
    inside[k.from - 1]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Focused(window.get()), k.key, k.modifiers);
    EXPECT_EQ(window->CurrentTab(), k.to) << k.from << " " << k.key;
  }
  ASSERT_EQ(window->CurrentTab(), 2);
  ExpectTabStopsOnCheckedOptions(tabs);
  EXPECT_TRUE(prompts.messages.empty());

  // Off the Bank page: a size still being typed counts first, and a total
  // other than 1000 keeps each key on the page with the message.
  ClickTab(4);
  size_t refused = 0;
  for (const auto& k : keys) {
    if (k.from != 4) continue;
    QLineEdit* box = Box("txtBank_1");
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, "99");
    QTest::keyClick(box, k.key, k.modifiers);
    EXPECT_EQ(window->CurrentTab(), 4) << k.key;
    EXPECT_EQ(Find<QLabel>("lblAll")->text(), "999");
    ASSERT_EQ(prompts.messages.size(), ++refused);
    EXPECT_EQ(prompts.messages.back().text, "Total CH must be 1000");
    EnterBankSize(1, "100");
  }

  // Tab and Shift+Tab leave the memory grid; the arrows and Enter are its
  // own.
  ClickTab(3);
  auto* grid = Find<QTableView>("MSFlexGrid1");
  window->SelectRow(5);
  for (auto [key, next] : {std::pair{Qt::Key_Tab, "cmbRxData"},
                           std::pair{Qt::Key_Backtab, "TabStrip1"}}) {
    grid->setFocus(Qt::TabFocusReason);
    QTest::keyClick(grid, key);
    EXPECT_EQ(Focused(window.get())->objectName(), next);
    EXPECT_EQ(window->CurrentRow(), 5);
  }
  grid->setFocus(Qt::TabFocusReason);
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(window->CurrentRow(), 6);

  // Escape closes every dialog without a change.
  const Document before = doc();
  const std::string port = window->port_name();
  std::vector<std::string> closed;
  auto escape = [&](QDialog* dialog) {
    dialog->show();
    Activate(dialog);
    ExpectOwnAccessKeys(dialog);
    if (auto* path = dialog->findChild<QLineEdit*>("txtPort")) {
      path->setText(QStringLiteral("/dev/ttyS9"));
    }
    QTest::keyClick(Focused(dialog), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible()) << dialog->objectName().toStdString();
    closed.push_back(dialog->objectName().toStdString());
    return dialog->result();
  };
  prompts.dialog_handler = escape;
  QTest::keyClick(grid, Qt::Key_Return);  // the editor, on row 6
  auto* editor = Find<gui::EditDialog>("dlgModify");
  ASSERT_TRUE(editor->isVisible());
  Activate(editor);
  ExpectTabStopsOnCheckedOptions(Box("txtFreq"));
  QTest::keyClicks(Box("txtFreq"), "7");
  escape(editor);
  for (const char* action : {"mnuToolsOptions", "mnuToolsWriteSteps",
                             "mnuSnapshots", "mnuHelpAbout", "mnuChannelMap"}) {
    const size_t run = closed.size();
    Trigger(action);
    for (auto* dialog : window->findChildren<QDialog*>()) {
      if (closed.size() == run && dialog->isVisible()) escape(dialog);
    }
  }
  EXPECT_EQ(closed, (std::vector<std::string>{"dlgModify", "dlgCOM",
                                              "dlgWriteSteps", "dlgSnapshots",
                                              "frmAbout", "dlgChannelMap"}));
  EXPECT_EQ(window->port_name(), port);
  EXPECT_TRUE(doc().Mem == before.Mem);
  EXPECT_EQ(prompts.messages.size(), refused);
}

TEST_F(WindowTest, ColumnsFollowTheModel) {
  window->StartUp("");
  QAbstractItemModel* model = Find<QTableView>("MSFlexGrid1")->model();
  auto heading = [model](int column) {
    return model->headerData(column, Qt::Horizontal, Qt::DisplayRole)
        .toString();
  };
  EXPECT_EQ(model->rowCount(), 1300);
  EXPECT_EQ(model->columnCount(), 12);
  EXPECT_EQ(heading(1), "Frequency");
  EXPECT_EQ(heading(6), "Carrier");
  EXPECT_EQ(heading(9), "ShiftFreq.");
  EXPECT_EQ(heading(11), "Name");
  EditRow(1, "145.5");
  EXPECT_EQ(Cell(1, 1), "145.500000");
  EXPECT_EQ(Cell(1, 6), "JR");

  doc().SelectModel(1);
  window->UpDateMemData();
  EXPECT_EQ(heading(6), "Scr");
  EXPECT_EQ(Cell(1, 1), "");  // new data for the other model
  EditRow(1, "145.5");
  EXPECT_EQ(Cell(1, 6), "11");

  doc().SelectModel(2);
  window->UpDateMemData();
  EXPECT_EQ(heading(6), "-");
  EditRow(1, "145.5");
  EXPECT_EQ(Cell(1, 6), "-");
}

TEST_F(WindowTest, UpAndDownMoveTheSelectedRow) {
  window->StartUp("");
  ShowWindow();
  ClickTab(3);
  auto* grid = Find<QTableView>("MSFlexGrid1");
  QRect cell = grid->visualRect(grid->model()->index(4, 3));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                    cell.center());
  EXPECT_EQ(window->CurrentRow(), 5);
  Click("Command4");
  EXPECT_EQ(window->CurrentRow(), 6);
  Click("Command5");
  Click("Command5");
  EXPECT_EQ(window->CurrentRow(), 4);

  window->SelectRow(1);
  Click("Command5");
  EXPECT_EQ(window->CurrentRow(), 1);
  window->SelectRow(1300);
  Click("Command4");
  EXPECT_EQ(window->CurrentRow(), 1300);
  Click("Command5");
  EXPECT_EQ(window->CurrentRow(), 1299);
}

TEST_F(WindowTest, ClearAndClearAllAskFirst) {
  window->StartUp("");
  ShowWindow();
  ClickTab(3);
  EditRow(1, "118.1");
  EditRow(2, "121.5");
  EditRow(1001, "150");
  doc().DataChanged = 0;

  const Message clear{"Are you sure that you want to do the clear?", "CLEAR OK",
                      Message::Icon::kWarning};
  window->SelectRow(2);
  prompts.answers = {gui::Answer::kCancel};
  Click("cmbClear");
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0], clear);
  EXPECT_EQ(prompts.question_buttons[0], gui::Buttons::kOkCancel);
  EXPECT_EQ(doc().Mem[1].text[kFreq], "121.500000");
  EXPECT_EQ(doc().DataChanged, 0);

  prompts.answers = {gui::Answer::kOk};
  Click("cmbClear");
  ASSERT_GE(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions.back(), clear);
  EXPECT_TRUE(doc().Mem[1].IsEmpty());
  EXPECT_EQ(doc().Mem[1].text[kFreq], "");
  EXPECT_EQ(doc().MemFlag[1], 0);
  EXPECT_EQ(Cell(2, 0), "00-001");
  EXPECT_EQ(Cell(2, 1), "");
  EXPECT_EQ(Cell(1, 1), "118.100000");
  EXPECT_EQ(Cell(1001, 1), "150.000000");
  EXPECT_EQ(doc().DataChanged, -1);
  EXPECT_EQ(window->CurrentRow(), 2);

  // Clear on a program-scan edge.
  doc().DataChanged = 0;
  window->SelectRow(1001);
  prompts.answers = {gui::Answer::kOk};
  Click("cmbClear");
  EXPECT_TRUE(doc().Mem[1000].IsEmpty());
  EXPECT_EQ(doc().MemFlag[1000], 0);
  EXPECT_EQ(Cell(1, 1), "118.100000");
  EXPECT_EQ(doc().DataChanged, -1);

  const Message clear_all{"Are you sure that you want to clear all memory?",
                          "CLEAR OK", Message::Icon::kWarning};
  EditRow(1300, "160.2");
  doc().DataChanged = 0;
  prompts.answers = {gui::Answer::kCancel};
  Click("cmbClAll");
  ASSERT_GE(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions.back(), clear_all);
  ASSERT_GE(prompts.question_buttons.size(), 1u);
  EXPECT_EQ(prompts.question_buttons.back(), gui::Buttons::kOkCancel);
  EXPECT_EQ(doc().ChannelsInUse(), 2);
  EXPECT_EQ(doc().DataChanged, 0);

  prompts.answers = {gui::Answer::kOk};
  Click("cmbClAll");
  EXPECT_EQ(doc().ChannelsInUse(), 0);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    ASSERT_EQ(doc().MemFlag[slot], 0) << slot;
  }
  EXPECT_EQ(Cell(1, 1), "");
  EXPECT_EQ(Cell(1300, 1), "");
  EXPECT_EQ(Cell(1300, 0), "Pr99");
  EXPECT_EQ(doc().DataChanged, -1);
  EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace vrq5::testing
