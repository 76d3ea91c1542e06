// Undo and redo in the window: every kind of change is one step, undo
// back to the saved state gives the saved document (and an unchanged
// flag), redo gives the change back, and New and Open start afresh.
#include <QCheckBox>
#include <QSlider>
#include <fstream>
#include <functional>

#include "files/clone_file.h"
#include "store/document_delta.h"
#include "support/compare.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class UndoTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartOnSimulatedReceiver();
    ASSERT_TRUE(window->OpenNamedFile(QString::fromStdString(Demo())));
  }
  std::string Demo() {
    std::string path = dir.File("demo.VQ5");
    std::filesystem::copy_file(SamplePath("demo.VQ5"), path,
                               std::filesystem::copy_options::skip_existing);
    return path;
  }
  bool CanUndo() { return Find<QAction>("mnuUndo")->isEnabled(); }
  bool CanRedo() { return Find<QAction>("mnuRedo")->isEnabled(); }
};

struct Change {
  const char* name;
  std::function<void()> make;
  // An import and a model change leave a new unnamed, unchanged document:
  // that becomes the saved state, and their undo a change of it.
  bool new_baseline = false;
};

TEST_F(UndoTest, EveryKindOfChangeIsOneStepBackToTheSavedState) {
  const Change changes[] = {
      {"channel edit", [this] { EditRow(5, "145.5"); }},
      {"clear",
       [this] {
         window->SelectRow(2);
         prompts.answers = {gui::Answer::kOk};
         Click("cmbClear");
       }},
      {"clear all",
       [this] {
         prompts.answers = {gui::Answer::kOk};
         Click("cmbClAll");
       }},
      {"bank size",
       [this] {
         ClickTab(4);
         EnterBankSize(0, "99");
       }},
      {"link box",
       [this] {
         ClickTab(4);
         Find<QCheckBox>("chkLink_3")->click();
       }},
      {"group box",
       [this] {
         ClickTab(4);
         Find<QCheckBox>("chkGrp_60")->click();
       }},
      {"settings control",
       [this] {
         ClickTab(1);
         Find<QSlider>("Slider1")->setValue(25);
       }},
      {"VFO band",
       [this] {
         ClickTab(1);
         window->MSFlexGrid2_DblClick(4);
         Box("txtFreq")->setText(QStringLiteral("52.5"));
         Click("OKButton");
       }},
      {"read from the receiver",
       [this] {
         Document other;
         other.Mem[0].value[kFreq] = 433.5;
         other.Mem[0].text[kFreq] = "433.500000";
         other.MemFlag[0] = -1;
         ASSERT_TRUE(window->SimulatedReceiver().LoadDocument(other));
         Run("mnuReAll");
         prompts.messages.clear();
       }},
      {"import",
       [this] {
         std::string csv = dir.File("one.csv");
         std::ofstream(csv, std::ios::binary)
             << "\"VR-Q5\",\"MEMORY\",\"0\",\"145.5\",\"FM\",\"5KHz\","
                "\"OFF\",\"11\",\"JR\",\"88.5Hz\",\"OFF\",\"0\",\"a "
                "note\",\"abc\",\"#TRUE#\",#TRUE#\r\n";
         prompts.file_names = {QString::fromStdString(csv)};
         Trigger("mnuImport");
       },
       true},
      {"model change",
       [this] {
         prompts.answers = {gui::Answer::kNo};  // not saved first
         window->opbModel_Click(1);
       },
       true},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.name);
    // The Memory page first: leaving a bank box is a change of its own.
    ClickTab(3);
    Activate(window.get());  // an editor opened before may hold the focus
    ASSERT_TRUE(window->OpenNamedFile(QString::fromStdString(Demo())));
    const Document saved = doc();
    EXPECT_FALSE(CanUndo());
    change.make();
    Document changed = doc();
    changed.LayoutMemoryRows();  // the bank page lays the rows out later
    ASSERT_FALSE(SameDocument(saved, changed) &&
                 RestOf(saved) == RestOf(changed))
        << "nothing changed";
    ASSERT_TRUE(CanUndo());
    EXPECT_EQ(changed.DataChanged, change.new_baseline ? 0 : -1);

    Trigger("mnuUndo");
    EXPECT_TRUE(SameDocument(doc(), saved));
    EXPECT_TRUE(RestOf(doc()) == RestOf(saved));
    EXPECT_EQ(doc().DataChanged, change.new_baseline ? -1 : 0);
    EXPECT_FALSE(CanUndo());
    EXPECT_TRUE(CanRedo());

    Trigger("mnuRedo");
    EXPECT_TRUE(SameDocument(doc(), changed));
    EXPECT_TRUE(RestOf(doc()) == RestOf(changed));
    EXPECT_EQ(doc().DataChanged, change.new_baseline ? 0 : -1);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages[0].text;
    prompts.messages.clear();
    Trigger("mnuUndo");  // the saved state again, so that any tab may open
  }
}

TEST_F(UndoTest, StepsGoBackOneByOneAndTheGridFollows) {
  EditRow(1, "145.1");
  EditRow(2, "145.2");
  EditRow(3, "145.3");
  EXPECT_EQ(CellText(3, 1), "145.300000");
  Activate(window.get());
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(CellText(3, 1), "145.300000");
  EXPECT_EQ(CellText(2, 1), "145.200000");
  Trigger("mnuUndo");
  EXPECT_NE(CellText(2, 1), "145.200000");
  EXPECT_EQ(CellText(1, 1), "145.100000");
  QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(CellText(2, 1), "145.200000");
  // A new change after an undo drops the steps that were undone.
  EditRow(4, "145.4");
  EXPECT_FALSE(CanRedo());
  EXPECT_EQ(Find<QAction>("mnuUndo")->text().toStdString(),
            "Undo Edit 00-003(&U)");
}

TEST_F(UndoTest, SaveMovesTheSavedStateAndNewOrOpenStartAfresh) {
  EditRow(1, "145.1");
  prompts.file_names = {QString::fromStdString(dir.File("saved.VQ5"))};
  ASSERT_TRUE(window->mnuFileSaveAs_Click());
  EXPECT_EQ(doc().DataChanged, 0);
  EditRow(2, "145.2");
  Trigger("mnuUndo");
  EXPECT_EQ(doc().DataChanged, 0);  // back at what was saved
  Trigger("mnuUndo");
  EXPECT_EQ(doc().DataChanged, -1);  // before the save
  Trigger("mnuRedo");
  EXPECT_EQ(doc().DataChanged, 0);

  EditRow(3, "145.3");
  prompts.answers = {gui::Answer::kNo};
  ASSERT_TRUE(window->NewData());
  EXPECT_FALSE(CanUndo());
  EXPECT_FALSE(CanRedo());
  EditRow(3, "145.3");
  ASSERT_TRUE(window->OpenNamedFile(QString::fromStdString(Demo())));
  EXPECT_FALSE(CanUndo());
}

TEST_F(UndoTest, NotWhileATransferRuns) {
  EditRow(1, "145.1");
  radio::Faults timed;
  timed.timing = true;
  window->SimulatedReceiver().set_faults(timed);
  Trigger("mnuReMem");
  ASSERT_TRUE(window->TransferRunning());
  EXPECT_FALSE(CanUndo());
  window->Undo();  // refused while it runs
  window->CancelTransfer();
  window->WaitForTransfer();
  EXPECT_TRUE(CanUndo());
}

}  // namespace
}  // namespace vrq5::testing
