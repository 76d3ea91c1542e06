// The check the window runs before every write: errors stop it, warnings
// let the user write anyway or stop, and "Do not show warnings again" is
// kept.
#include <QCheckBox>
#include <QDialog>

#include "files/clone_file.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

struct SeenDialog {
  bool shown = false;
  std::vector<std::vector<std::string>> rows;  // kind, row, field, text
  bool has_write_button = false;
};

class WriteCheckWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartOnSimulatedReceiver();
    ShowWriteWarnings(true);
  }

  // Answers the check's dialog: `accept` writes anyway, `hide` ticks "Do
  // not show warnings again" first.
  void AnswerCheck(bool accept, bool hide = false) {
    prompts.dialog_handler = [this, accept, hide](QDialog* dialog) {
      EXPECT_EQ(dialog->objectName(), "dlgWriteCheck");
      seen.shown = true;
      seen.rows.clear();
      auto* view = dialog->findChild<QTableView*>("grdFindings");
      EXPECT_NE(view, nullptr);
      if (view == nullptr) return 0;
      QAbstractItemModel* m = view->model();
      for (int r = 0; r < m->rowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < 4; ++c) {
          row.push_back(m->index(r, c).data().toString().toStdString());
        }
        seen.rows.push_back(row);
      }
      seen.has_write_button =
          dialog->findChild<QPushButton*>("cmdWriteAnyway") != nullptr;
      if (hide)
        dialog->findChild<QCheckBox*>("chkHideWarnings")->setChecked(true);
      return accept ? static_cast<int>(QDialog::Accepted)
                    : static_cast<int>(QDialog::Rejected);
    };
  }

  void Write(const char* action) {
    window->SimulatedReceiver().ClearLines();
    Trigger(action);
    window->WaitForTransfer();
  }
  size_t LinesSent() { return window->SimulatedReceiver().lines().size(); }

  SeenDialog seen;
};

TEST_F(WriteCheckWindowTest, ErrorsShowTheListAndWriteNothing) {
  ASSERT_EQ(OpenNamedFile(doc(), SamplePath("demo.VQ5")), FileStatus::kOk);
  doc().Mem[1].value[kFreq] = 1300.0;  // 00-001, above every model's range
  doc().Mem[1].text[kFreq] = "1300.000000";
  doc().MemFlag[1] = -1;
  AnswerCheck(true);  // even an accepting answer writes nothing
  for (const char* action : {"mnuWrAll", "mnuWrMem"}) {
    SCOPED_TRACE(action);
    seen = {};
    Write(action);
    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(seen.has_write_button);
    ASSERT_FALSE(seen.rows.empty());
    EXPECT_EQ(seen.rows[0][0], "error");
    EXPECT_EQ(seen.rows[0][1], "00-001");
    EXPECT_EQ(seen.rows[0][2], "Frequency");
    EXPECT_EQ(LinesSent(), 0u);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(window->TransferRunning());
  }
  // The settings carry no channel: that write goes on without the list.
  seen = {};
  Write("mnuWrSet");
  EXPECT_FALSE(seen.shown);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Successed!!"});
}

TEST_F(WriteCheckWindowTest, WarningsLetTheUserWriteAnywayOrStop) {
  ASSERT_EQ(OpenNamedFile(doc(), SamplePath("demo.VQ5")), FileStatus::kOk);
  AnswerCheck(false);
  Write("mnuWrAll");
  ASSERT_TRUE(seen.shown);
  EXPECT_TRUE(seen.has_write_button);
  ASSERT_EQ(seen.rows.size(), 2u);
  EXPECT_EQ(seen.rows[0][0], "warning");
  EXPECT_EQ(seen.rows[0][1], "S0");
  EXPECT_EQ(seen.rows[1][2], "Note");
  EXPECT_EQ(LinesSent(), 0u);

  AnswerCheck(true);
  Write("mnuWrAll");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Successed!!"});
  EXPECT_GT(LinesSent(), 62u);  // a record for each of the 62 channels
}

TEST_F(WriteCheckWindowTest, DoNotShowWarningsAgainIsKept) {
  ASSERT_EQ(OpenNamedFile(doc(), SamplePath("demo.VQ5")), FileStatus::kOk);
  AnswerCheck(true, /*hide=*/true);
  Write("mnuWrMem");
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Successed!!"});

  // A new window (the next run) keeps the choice.
  seen = {};
  MakeWindow();
  window->StartUp("");
  window->set_port_name("sim");
  ASSERT_EQ(OpenNamedFile(doc(), SamplePath("demo.VQ5")), FileStatus::kOk);
  Write("mnuWrMem");
  EXPECT_FALSE(seen.shown);
  ASSERT_GE(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages.back().text, "Successed!!");
  QSettings settings(PlacementFile(), QSettings::IniFormat);
  EXPECT_TRUE(settings.value("WriteCheck/HideWarnings").toBool());
}

TEST_F(WriteCheckWindowTest, ACleanDocumentWritesWithoutAQuestion) {
  AnswerCheck(false);
  for (const char* action :
       {"mnuWrAll", "mnuWrMem", "mnuWrSet", "cmbWriteBank", "cmdWriteGroup"}) {
    SCOPED_TRACE(action);
    if (action[0] == 'c') {
      ClickTab(4);
      window->SimulatedReceiver().ClearLines();
      Find<QPushButton>(action)->click();
      window->WaitForTransfer();
    } else {
      Write(action);
    }
    EXPECT_FALSE(seen.shown);
    ASSERT_GE(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages.back().text, "Successed!!");
  }
}

}  // namespace
}  // namespace vrq5::testing
