// The VFO grid on the Settings 1 page and its band editor.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class VfoGridTest : public WindowTest {
 protected:
  QString VfoCell(int row, int column) {
    QAbstractItemModel* model = Find<QTableView>("MSFlexGrid2")->model();
    return model->index(row - 1, column).data(Qt::DisplayRole).toString();
  }
  gui::EditDialog* OpenBand(int row) {
    window->MSFlexGrid2_DblClick(row);
    auto* dialog = Find<gui::EditDialog>("dlgModify");
    Activate(dialog);
    return dialog;
  }
};

TEST_F(VfoGridTest, ShowsTheBandsOfTheModel) {
  window->StartUp("");
  QAbstractItemModel* model = Find<QTableView>("MSFlexGrid2")->model();
  EXPECT_EQ(model->rowCount(), 14);
  EXPECT_EQ(VfoCell(2, 1), "0.531000");
  EXPECT_EQ(VfoCell(2, 3), "9KHz");
  EXPECT_EQ(VfoCell(14, 1), "1295.000000");
  EXPECT_TRUE(Find<QTableView>("MSFlexGrid2")->isColumnHidden(5));
  EXPECT_TRUE(Find<QTableView>("MSFlexGrid2")->isColumnHidden(11));

  window->document().SelectModel(2);
  window->UpdateVFOData();
  EXPECT_EQ(VfoCell(2, 1), "0.530000");
  EXPECT_EQ(VfoCell(2, 6), "-");
  EXPECT_EQ(VfoCell(9, 1), "-");
  EXPECT_EQ(model->headerData(6, Qt::Horizontal, Qt::DisplayRole), "-");
  // The VR-Q70T has eight bands: row 9 opens nothing.
  window->MSFlexGrid2_DblClick(9);
  EXPECT_FALSE(Find<gui::EditDialog>("dlgModify")->isVisible());
}

TEST_F(VfoGridTest, EditorKeepsTheBandRules) {
  window->StartUp("");
  ShowWindow();
  gui::EditDialog* dialog = OpenBand(6);  // band 5, 108 .. 141.995 MHz
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->EditTarget(), 0);
  EXPECT_EQ(dialog->windowTitle(), "Modify VFO");
  EXPECT_EQ(Find<QLabel>("lblCH_0")->text(), "Band 5");
  EXPECT_EQ(Find<QLabel>("lblMHz")->text(), "(108.000-141.995MHz)");
  EXPECT_FALSE(Find<QCheckBox>("chkSkip")->isVisible());
  EXPECT_FALSE(Find<QCheckBox>("chkHold")->isVisible());
  EXPECT_FALSE(Find<QLineEdit>("txtName")->isVisible());
  EXPECT_FALSE(Find<QRadioButton>("opbStep_16")->isEnabled());
  EXPECT_TRUE(Find<QRadioButton>("opbStep_7")->isChecked());

  // Outside the band: the stored frequency comes back, without a message.
  Box("txtFreq")->setText(QStringLiteral("150"));
  Click("OKButton");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(doc().Vfo[5].text[kFreq], "118.000000");
  EXPECT_EQ(doc().DataChanged, -1);

  // Leaving the box says why it refused.
  OpenBand(6);
  Box("txtFreq")->setFocus(Qt::TabFocusReason);
  Box("txtFreq")->setText(QStringLiteral("107.995"));
  Box("txtShift")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(Box("txtFreq")->text(), "118.000000");
  EXPECT_EQ(Find<QLabel>("lblReason")->text(),
            "Frequency refused: this band takes 108.000000 to 141.995000 MHz.");
  Box("txtFreq")->setText(QStringLiteral("141.995"));
  Find<QRadioButton>("opbStep_4")->setChecked(true);
  Click("OKButton");
  EXPECT_EQ(doc().Vfo[5].text[kFreq], "141.995000");
  EXPECT_EQ(VfoCell(6, 1), "141.995000");
  EXPECT_EQ(VfoCell(6, 3), "12.5KHz");

  OpenBand(1);  // band 0: 1KHz only
  EXPECT_TRUE(Find<QRadioButton>("opbStep_16")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>("opbStep_0")->isEnabled());
  Click("CancelButton");

  // A memory channel opened afterwards has every step and its boxes back.
  window->MSFlexGrid1_DblClick(1);
  EXPECT_EQ(dialog->EditTarget(), 1);
  EXPECT_TRUE(Find<QRadioButton>("opbStep_0")->isEnabled());
  EXPECT_TRUE(Find<QRadioButton>("opbStep_17")->isEnabled());
  EXPECT_FALSE(Find<QCheckBox>("chkHold")->isHidden());
  Click("CancelButton");
}

TEST_F(VfoGridTest, CellularBandOfTheVrQ70T) {
  window->StartUp("");
  window->document().SelectModel(2);
  window->UpdateVFOData();
  ShowWindow();
  OpenBand(7);  // band 6, 400 .. 959.995 MHz
  Box("txtFreq")->setText(QStringLiteral("824.5"));
  Click("OKButton");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].title, "Frequency of the cellular phone");
  EXPECT_TRUE(Find<gui::EditDialog>("dlgModify")->isVisible());
  EXPECT_EQ(Box("txtFreq")->text(), "400.000000");
  Box("txtFreq")->setText(QStringLiteral("900"));
  Click("OKButton");
  EXPECT_EQ(doc().Vfo[6].text[kFreq], "900.000000");
}

}  // namespace
}  // namespace vrq5::testing
