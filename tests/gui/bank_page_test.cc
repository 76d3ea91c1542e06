// The Bank tab: the size boxes with their total, links and groups, and
// moving between the boxes.
#include <QCheckBox>
#include <QLabel>

#include "files/clone_file.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class BankPageTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->StartUp("");
    ShowWindow();
    ClickTab(4);
    ASSERT_EQ(window->CurrentTab(), 4);
  }

  QLineEdit* Bank(int bank) {
    return Box(("txtBank_" + std::to_string(bank)).c_str());
  }
  QCheckBox* Link(int bank) {
    return Find<QCheckBox>("chkLink_" + std::to_string(bank));
  }
  QCheckBox* Group(int box) {
    return Find<QCheckBox>("chkGrp_" + std::to_string(box));
  }
  QString Total() { return Find<QLabel>("lblAll")->text(); }
};

TEST_F(BankPageTest, SizeBoxesKeepTheTotalAt1000OrLess) {
  // Digits only.
  QLineEdit* box = Bank(3);
  box->setFocus(Qt::TabFocusReason);
  box->selectAll();
  QTest::keyClicks(box, "9x0-.");
  EXPECT_EQ(box->text(), "90");
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "9");
  QTest::keyClicks(box, "9");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(Total(), "999");
  EXPECT_EQ(doc().BankSize[3], 99);
  EnterBankSize(3, "100");

  // Above 1000: the last size comes back without a word.
  doc().DataChanged = 0;
  EnterBankSize(3, "1001");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(Bank(3)->text(), "100");
  EXPECT_EQ(doc().BankSize[3], 100);
  EXPECT_EQ(Total(), "1000");
  EXPECT_EQ(doc().DataChanged, -1);

  // A total above 1000 is refused with a message.
  EnterBankSize(10, "1");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0],
            (Message{"The total of the number of channels exceeds 1000.\r\n"
                     "Please set for the total of the channel to become 1000 "
                     "or less.",
                     "ERROR", Message::Icon::kCritical}));
  EXPECT_EQ(Bank(10)->text(), "0");
  EXPECT_EQ(doc().BankSize[10], 0);
  EXPECT_EQ(Total(), "1000");

  // Below 1000 is allowed; the rest is unassigned.
  EnterBankSize(0, "50");
  EXPECT_EQ(Total(), "950");
  EXPECT_EQ(doc().BankSize[0], 50);
  EXPECT_EQ(doc().BankSizeText[0], "50");
  EXPECT_EQ(doc().BankSize[50], 50);
  // An accepted size shows as its number.
  EnterBankSize(10, "050");
  EXPECT_EQ(Bank(10)->text(), "50");
  EXPECT_EQ(doc().BankSize[10], 50);
  EXPECT_EQ(Total(), "1000");

  // An emptied box is a bank of 0 channels, which cannot be linked.
  Link(2)->click();
  EXPECT_TRUE(Link(2)->isChecked());
  EXPECT_EQ(doc().chkLink[2], 1);
  EnterBankSize(2, "");
  EXPECT_EQ(Bank(2)->text(), "0");
  EXPECT_EQ(doc().BankSize[2], 0);
  EXPECT_FALSE(Link(2)->isChecked());
  EXPECT_EQ(doc().chkLink[2], 0);
  EXPECT_EQ(Total(), "900");

  doc().DataChanged = 0;
  Link(20)->click();
  EXPECT_FALSE(Link(20)->isChecked());
  EXPECT_EQ(doc().chkLink[20], 0);
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_EQ(prompts.messages.size(), 1u);

  // Find (Ctrl+F) while a size is still being typed: the box is left
  // first, and the Memory page does not open on a total of 950.
  EnterBankSize(2, "100");
  ASSERT_EQ(Total(), "1000");
  Bank(5)->setFocus(Qt::TabFocusReason);
  Bank(5)->selectAll();
  QTest::keyClicks(Bank(5), "50");
  Trigger("mnuFind");
  EXPECT_EQ(Total(), "950");
  EXPECT_EQ(window->CurrentTab(), 4);
  EXPECT_EQ(prompts.messages.back().text, "Total CH must be 1000");
}

TEST_F(BankPageTest, EnterAndArrowsMoveBetweenTheBoxes) {
  auto focused = [] { return QApplication::focusWidget(); };
  Bank(5)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Bank(5), Qt::Key_Return);
  EXPECT_EQ(focused(), Bank(6));
  // The box taking the focus selects its text.
  QApplication::processEvents();
  EXPECT_EQ(Bank(6)->selectedText(), "100");
  QTest::keyClick(Bank(6), Qt::Key_Down);
  EXPECT_EQ(focused(), Bank(7));
  QTest::keyClick(Bank(7), Qt::Key_Up);
  EXPECT_EQ(focused(), Bank(6));
  QTest::keyClick(Bank(6), Qt::Key_Enter);
  EXPECT_EQ(focused(), Bank(7));

  // Both ends wrap around.
  Bank(49)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Bank(49), Qt::Key_Return);
  EXPECT_EQ(focused(), Bank(0));
  QTest::keyClick(Bank(0), Qt::Key_Up);
  EXPECT_EQ(focused(), Bank(49));
  QTest::keyClick(Bank(49), Qt::Key_Down);
  EXPECT_EQ(focused(), Bank(0));
  // An arrow with Shift is the box's own.
  QTest::keyClick(Bank(0), Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(focused(), Bank(0));
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(Total(), "1000");
}

TEST_F(BankPageTest, GroupBoxesMarkBanksAndTravelWithTheFile) {
  for (int box : {0, 25, 49}) EXPECT_TRUE(Group(box)->isHidden()) << box;
  for (int box : {50, 300, 549}) EXPECT_FALSE(Group(box)->isHidden()) << box;
  EXPECT_EQ(Find<QLabel>("lblBank10_0")->text(), "BANK 0 - 9");
  EXPECT_EQ(Find<QLabel>("lblBank10_4")->text(), "BANK 40 - 49");
  EXPECT_EQ(Find<QLabel>("lblBank_17")->text(), "7");
  EXPECT_EQ(Find<QLabel>("lblGroup_0")->text(), "Group");
  EXPECT_EQ(Find<QLabel>("lblGroup_1")->text(), "GRP1");
  EXPECT_EQ(Find<QLabel>("lblGroup_9")->text(), "GRP9");
  EXPECT_EQ(Find<QLabel>("lblGroup_10")->text(), "GRP-B");

  QLineEdit* last = Box("Text4");
  Group(60)->click();  // group 1, bank 10
  EXPECT_EQ(last->text(), "60");
  EXPECT_EQ(doc().chkGrp[60], 1);
  EXPECT_EQ(doc().DataChanged, -1);
  Group(549)->click();
  EXPECT_EQ(last->text(), "549");
  Group(377)->click();
  Group(377)->click();
  EXPECT_EQ(last->text(), "377");
  EXPECT_EQ(doc().chkGrp[377], 0);

  EnterBankSize(9, "40");
  EnterBankSize(49, "60");
  std::string path = dir.File("groups.VQ5");
  prompts.file_names = {QString::fromStdString(path)};
  Trigger("mnuFileSaveAs");
  EXPECT_EQ(doc().DataChanged, 0);

  MakeWindow();
  window->StartUp(CommandLinePath(path));
  EXPECT_TRUE(Group(60)->isChecked());
  EXPECT_TRUE(Group(549)->isChecked());
  EXPECT_FALSE(Group(377)->isChecked());
  EXPECT_FALSE(Group(61)->isChecked());
  EXPECT_EQ(Bank(9)->text(), "40");
  EXPECT_EQ(Bank(49)->text(), "60");
  EXPECT_EQ(Total(), "1000");
  EXPECT_EQ(Cell(901, 0), "09-000");
  EXPECT_EQ(Cell(941, 0), "49-000");
}

}  // namespace
}  // namespace vrq5::testing
