// Closing the window, New, Open and a model change while a transfer runs:
// the window asks, stops the transfer and takes its outcome in, and only
// then goes on; a "Cancel" lets the transfer run. The simulated receiver
// answers in real time here, so a transfer lasts long enough to be stopped.
#include <QKeySequence>
#include <QRadioButton>
#include <QToolBar>

#include "files/clone_file.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class TransferStopTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartOnSimulatedReceiver();
    radio::Faults timed;
    timed.timing = true;
    window->SimulatedReceiver().set_faults(timed);
  }
  // Starts Read > Memory, which takes half a minute on the timed wire.
  void StartLongRead() {
    Trigger("mnuReMem");
    ASSERT_TRUE(window->TransferRunning());
  }
  std::string StopQuestion() const { return std::string(kMsgStopTransfer); }
};

TEST_F(TransferStopTest, CloseAsksAndCancelLetsTheTransferRun) {
  StartLongRead();
  prompts.answers = {gui::Answer::kCancel};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->TransferRunning());
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, StopQuestion());
  EXPECT_EQ(prompts.question_buttons[0], gui::Buttons::kOkCancel);
  EXPECT_TRUE(prompts.messages.empty());

  // OK: the transfer stops, its message comes, and the window closes.
  prompts.answers = {gui::Answer::kOk};
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->TransferRunning());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(prompts.log,
            (std::vector<std::string>{
                "question: " + StopQuestion(), "question: " + StopQuestion(),
                "message: The read was cancelled. Nothing was changed."}));
}

TEST_F(TransferStopTest, CloseAfterAStoppedReadStillAsksToSaveAnEdit) {
  EditRow(1, "145.000");
  ASSERT_EQ(doc().DataChanged, -1);
  StartLongRead();
  // Stop the transfer, then keep the window open at the save question:
  // the edit made before the read is still there.
  prompts.answers = {gui::Answer::kOk, gui::Answer::kCancel};
  EXPECT_FALSE(window->close());
  EXPECT_FALSE(window->TransferRunning());
  EXPECT_TRUE(window->isVisible());
  ASSERT_GE(prompts.log.size(), 1u);
  EXPECT_EQ(prompts.log.back(), "question: Save changes to settings?");
  EXPECT_EQ(doc().Mem[0].text[kFreq], "145.000000");
  EXPECT_EQ(CellText(1, 1), "145.000000");
}

TEST_F(TransferStopTest, NewStopsTheTransferFirst) {
  ASSERT_EQ(OpenNamedFile(doc(), SamplePath("demo.VQ5")), FileStatus::kOk);
  window->StartUp("");
  ASSERT_GT(doc().ChannelsInUse(), 0);
  StartLongRead();
  prompts.answers = {gui::Answer::kCancel};
  EXPECT_FALSE(window->NewData());
  EXPECT_TRUE(window->TransferRunning());
  EXPECT_GT(doc().ChannelsInUse(), 0);

  // Ctrl+N as a user gives it: New stays reachable while the File menu's
  // other commands wait.
  prompts.answers = {gui::Answer::kOk};
  QTest::keySequence(window.get(), QKeySequence::New);
  EXPECT_FALSE(window->TransferRunning());
  EXPECT_EQ(doc().ChannelsInUse(), 0);
  EXPECT_EQ(CellText(1, 1), "");
  EXPECT_EQ(
      MessageTexts(),
      std::vector<std::string>{"The read was cancelled. Nothing was changed."});
}

TEST_F(TransferStopTest, OpenStopsTheTransferAndOpensTheFile) {
  StartLongRead();
  prompts.answers = {gui::Answer::kOk};
  prompts.file_names = {QString::fromStdString(SamplePath("demo.VQ5"))};
  Trigger("tbOpen");
  EXPECT_FALSE(window->TransferRunning());
  EXPECT_EQ(prompts.log,
            (std::vector<std::string>{
                "question: " + StopQuestion(),
                "message: The read was cancelled. Nothing was changed.",
                "open: Open"}));
  Document demo;
  ASSERT_EQ(OpenNamedFile(demo, SamplePath("demo.VQ5")), FileStatus::kOk);
  EXPECT_EQ(doc().Mem, demo.Mem);
  EXPECT_EQ(CellText(1, 1), demo.Mem[0].text[kFreq]);
  // The commands are back, and a clean transfer runs.
  EXPECT_TRUE(Find<QAction>("mnuReMem")->isEnabled());
  window->SimulatedReceiver().set_faults({});
  Trigger("mnuReSet");
  window->WaitForTransfer();
  ASSERT_GE(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages.back().text, "Successed!!");
}

TEST_F(TransferStopTest, ModelChangeStopsTheTransferOrKeepsTheModel) {
  StartLongRead();
  prompts.answers = {gui::Answer::kCancel};
  window->opbModel_Click(1);
  EXPECT_TRUE(window->TransferRunning());
  EXPECT_EQ(doc().opbModel, 0);
  EXPECT_TRUE(Find<QRadioButton>("opbModel_0")->isChecked());

  // OK stops the read; the model change then asks about the changes.
  prompts.answers = {gui::Answer::kOk, gui::Answer::kNo};
  window->opbModel_Click(1);
  EXPECT_FALSE(window->TransferRunning());
  EXPECT_EQ(doc().opbModel, 1);
  EXPECT_TRUE(Find<QRadioButton>("opbModel_1")->isChecked());
  EXPECT_EQ(window->SimulatedReceiver().model_index(), doc().ModelIndex);
  EXPECT_EQ(prompts.log,
            (std::vector<std::string>{
                "question: " + StopQuestion(), "question: " + StopQuestion(),
                "message: The read was cancelled. Nothing was changed.",
                "question: Save changes to settings?"}));
}

TEST_F(TransferStopTest, OnlyNewOpenAndExitStayReachableWhileItRuns) {
  StartLongRead();
  for (const char* name :
       {"mnuFileSave", "mnuFileSaveAs", "mnuImport", "mnuExport",
        "mnuFilePrint", "mnuFilePrintPreview", "mnuFileExportPdf",
        "mnuEditUndo", "mnuReAll", "mnuWrAll", "mnuToolsOptions", "tbSave"}) {
    EXPECT_FALSE(Find<QAction>(name)->isEnabled()) << name;
  }
  for (const char* name :
       {"mnuFileNew", "mnuFileOpen", "mnuFileExit", "tbNew", "tbOpen"}) {
    EXPECT_TRUE(Find<QAction>(name)->isEnabled()) << name;
  }
  // Ctrl+S does nothing while the transfer runs.
  QTest::keySequence(window.get(), QKeySequence::Save);
  EXPECT_TRUE(prompts.dialogs.empty());
  window->CancelTransfer();
  window->WaitForTransfer();
  for (const char* name : {"mnuFileSave", "mnuImport", "mnuReAll", "tbSave"}) {
    EXPECT_TRUE(Find<QAction>(name)->isEnabled()) << name;
  }
}

// The window goes (as at the end of the program) with a transfer on the
// simulated receiver still running: the worker ends before the receiver it
// uses is gone.
TEST_F(TransferStopTest, DestroyedWhileATransferRuns) {
  StartLongRead();
  window.reset();
  SUCCEED();
}

}  // namespace
}  // namespace vrq5::testing
