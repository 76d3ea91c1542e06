// The settings pages: controls after decoding, which user changes mark the
// document changed, and the model change.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <map>
#include <set>

#include "codec/settings.h"
#include "store/settings_rules.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

// The controls whose user change marks the document changed.
const std::set<std::string> kMarking = {
    "chkATT",    "chkBarAM",    "chkBarSW",    "optLamp", "opbAPO", "chkBS",
    "chkBeep",   "chkBell",     "opbKeyFunc",  "opbMONI", "opbBug", "Slider1",
    "Slider2",   "opbOpMode",   "chkAutoStep", "chkTxEx", "chkWP",  "chkFlg1_5",
    "chkFlg1_6", "chkLoVolume", "chkAutoProg", "opbBurst"};

TEST_F(WindowTest, SettingsControlsShowTheDecodedDefaults) {
  window->StartUp("");
  EXPECT_EQ(Find<QSlider>("Slider1")->value(), 20);
  EXPECT_EQ(Find<QLabel>("lblVol")->text(), "20");
  EXPECT_EQ(Find<QLabel>("lblSql")->text(), "3");
  EXPECT_EQ(Find<QComboBox>("cbbChargeTime")->currentText(), "12 hrs.");
  EXPECT_EQ(Find<QComboBox>("cbbRemocon_0")->currentText(), "V/P/M");
  EXPECT_TRUE(Find<QRadioButton>("optLamp_1")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("opbModel_0")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>("opbModel_4")->isEnabled());
  EXPECT_FALSE(Find<QRadioButton>("opbModel_5")->isEnabled());
  // For every model, each control shows its member of the document.
  for (int model = 0; model < 4; ++model) {
    doc().SelectModel(model);
    window->NewData();
    for (const SettingField& f : SettingFields()) {
      std::string name = ControlObjectName(f.control);
      int value = f.Get(doc().settings);
      switch (f.kind) {
        case SettingKind::kCheck:
        case SettingKind::kCheckInverted:
          EXPECT_EQ(Find<QCheckBox>(name)->isChecked(), value == 1) << name;
          break;
        case SettingKind::kOption:
          EXPECT_TRUE(Find<QRadioButton>(name + "_" + std::to_string(value))
                          ->isChecked())
              << name << " model " << model;
          break;
        case SettingKind::kList:
          EXPECT_EQ(Find<QComboBox>(name)->currentIndex(), value) << name;
          break;
        case SettingKind::kSlider:
          EXPECT_EQ(Find<QSlider>(name)->value(), value) << name;
          break;
      }
    }
  }
}

TEST_F(WindowTest, OnlyTheMarkedControlsSetDataChanged) {
  window->StartUp("");
  ShowWindow();
  // Only the page shown takes input: show the control's page first.
  auto check = [&](const std::string& name, auto change) {
    QWidget* control =
        window->findChild<QWidget*>(QString::fromStdString(name));
    if (!control) {
      control =
          window->findChild<QWidget*>(QString::fromStdString(name + "_0"));
    }
    ASSERT_NE(control, nullptr) << name;
    ClickTab(Find<QWidget>("Frame1_1")->isAncestorOf(control) ? 2 : 1);
    doc().DataChanged = 0;
    change();
    EXPECT_EQ(doc().DataChanged, kMarking.count(name) ? -1 : 0) << name;
  };
  int seen = 0;
  for (const SettingField& f : SettingFields()) {
    std::string name = ControlObjectName(f.control);
    ++seen;
    switch (f.kind) {
      case SettingKind::kCheck:
      case SettingKind::kCheckInverted:
        check(name, [&] { Find<QCheckBox>(name)->click(); });
        break;
      case SettingKind::kOption: {
        int other = f.Get(doc().settings) == 0 ? 1 : 0;
        check(name, [&] {
          Find<QRadioButton>(name + "_" + std::to_string(other))->click();
        });
        EXPECT_EQ(f.Get(doc().settings), other) << name;
        break;
      }
      case SettingKind::kList: {
        auto* list = Find<QComboBox>(name);
        check(name, [&] {
          list->setFocus();
          QTest::keyClick(list, Qt::Key_Down);
        });
        EXPECT_EQ(f.Get(doc().settings), list->currentIndex()) << name;
        break;
      }
      case SettingKind::kSlider:
        check(name, [&] {
          auto* slider = Find<QSlider>(name);
          slider->setFocus();
          QTest::keyClick(slider, Qt::Key_End);
        });
        EXPECT_EQ(f.Get(doc().settings), f.maximum) << name;
        break;
    }
  }
  EXPECT_EQ(seen, 37);  // cbbRemocon has four members
  EXPECT_EQ(Find<QLabel>("lblVol")->text(), "30");
  for (const char* name : {"chkTxEx", "chkWP", "chkFlg1_5", "chkFlg1_6",
                           "chkLoVolume", "chkAutoProg"}) {
    check(name, [&] { Find<QCheckBox>(name)->click(); });
  }
  check("opbBurst", [&] { Find<QRadioButton>("opbBurst_2")->click(); });
  // What was changed travels with the document.
  EXPECT_EQ(doc().settings.Slider1, 30);
}

// Where each group of "Settings2" stands (row, column). A group the model
// hides stands nowhere; the shown ones close up, taking the cells from the
// first on, column by column, without a gap.
std::map<std::string, std::pair<int, int>> Settings2Cells(QWidget* page) {
  auto* grid = qobject_cast<QGridLayout*>(page->layout());
  std::map<std::string, std::pair<int, int>> at;
  std::set<std::pair<int, int>> taken;
  for (int i = 0; grid && i < grid->count(); ++i) {
    QWidget* group = grid->itemAt(i)->widget();
    if (!group) continue;  // the buttons' row
    int row, column, rows, columns;
    grid->getItemPosition(i, &row, &column, &rows, &columns);
    // The check boxes, last, take the rest of their column.
    EXPECT_EQ(row + rows, group->objectName() == "fraChecks" ? 7 : row + 1);
    EXPECT_FALSE(group->isHidden()) << group->objectName().toStdString();
    EXPECT_FALSE(at.contains(group->objectName().toStdString()))
        << group->objectName().toStdString();
    at[group->objectName().toStdString()] = {row, column};
    taken.insert({column, row});
  }
  EXPECT_EQ(taken.size(), at.size());
  int cell = 0;
  for (auto [column, row] : taken) {
    EXPECT_EQ(std::make_pair(row, column), std::make_pair(cell % 7, cell / 7));
    ++cell;
  }
  return at;
}

TEST_F(WindowTest, ModelChangeAsksAndCanBeCancelled) {
  window->StartUp(SamplePath("demo.VQ5"));
  ShowWindow();
  int channels = doc().ChannelsInUse();
  ASSERT_GT(channels, 0);
  EXPECT_FALSE(Find<QGroupBox>("fraoptRecRate")->isHidden());
  const auto q5j_cells = Settings2Cells(Find<QWidget>("Frame1_1"));

  // Cancel: the old model stays, the data too, and the document is marked.
  prompts.answers = {gui::Answer::kCancel};
  Find<QRadioButton>("opbModel_1")->click();
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, "Save changes to settings?");
  EXPECT_TRUE(Find<QRadioButton>("opbModel_0")->isChecked());
  EXPECT_EQ(doc().ModelIndex, 0);
  EXPECT_EQ(doc().ChannelsInUse(), channels);
  EXPECT_EQ(doc().DataChanged, -1);

  // Yes whose save dialog is cancelled stops the change as Cancel does.
  prompts.answers = {gui::Answer::kYes};
  doc().CurrentFileName.clear();
  prompts.file_names = {QString()};
  Find<QRadioButton>("opbModel_2")->click();
  EXPECT_EQ(doc().ModelIndex, 0);
  EXPECT_TRUE(Find<QRadioButton>("opbModel_0")->isChecked());
  EXPECT_EQ(doc().ChannelsInUse(), channels);

  // The current model asks nothing and only marks the document.
  doc().DataChanged = 0;
  Find<QRadioButton>("opbModel_0")->click();
  EXPECT_EQ(doc().DataChanged, -1);
  EXPECT_EQ(prompts.questions.size(), 2u);

  // No: the VR-Q70E's defaults, no channels, its groups and headings.
  prompts.answers = {gui::Answer::kNo};
  Find<QRadioButton>("opbModel_1")->click();
  EXPECT_EQ(doc().ModelIndex, 1);
  EXPECT_EQ(doc().ChannelsInUse(), 0);
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_EQ(doc().Vfo[1].text[kFreq], "0.522000");
  const auto q70e_cells = Settings2Cells(Find<QWidget>("Frame1_1"));
  for (const char* group :
       {"fraoptRecRate", "fraoptBugType", "fraoptLockBug", "fraopbBug"}) {
    EXPECT_TRUE(Find<QGroupBox>(group)->isHidden()) << group;
    EXPECT_FALSE(q70e_cells.contains(group)) << group;
  }
  EXPECT_EQ(q70e_cells.size() + 4, q5j_cells.size());
  for (const char* grid : {"MSFlexGrid1", "MSFlexGrid2"}) {
    EXPECT_EQ(Find<QTableView>(grid)->model()->headerData(6, Qt::Horizontal),
              "Scr")
        << grid;
  }

  // Back to the VR-Q5J: its groups where they stood.
  prompts.answers = {gui::Answer::kNo};
  Find<QRadioButton>("opbModel_0")->click();
  EXPECT_EQ(doc().ModelIndex, 0);
  EXPECT_EQ(Settings2Cells(Find<QWidget>("Frame1_1")), q5j_cells);
}

}  // namespace
}  // namespace vrq5::testing
