// Transfers from the window against the built-in simulated receiver: the
// worker thread, the messages in order, the pages refilled, every command
// enabled again, Cancel and the refusal of a second transfer.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <algorithm>

#include "files/clone_file.h"
#include "files/snapshots.h"
#include "gui/channel_map_dialog.h"
#include "gui/window_settings.h"
#include "link/port_file.h"
#include "radio/pty_host.h"
#include "radio/safe_write.h"
#include "radio/sim_port.h"
#include "store/changes.h"
#include "support/busy_document.h"
#include "support/whole_document.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class TransferWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartOnSimulatedReceiver();
  }
  void ExpectCommandsEnabled() {
    for (const char* name : {"cmbRxData", "cmbTxData", "cmbRxData1",
                             "cmbTxData1", "cmbReadBank", "cmdWriteGroup"}) {
      // Enabled itself (its page may be a hidden, disabled one).
      EXPECT_FALSE(Find<QPushButton>(name)->testAttribute(Qt::WA_ForceDisabled))
          << name;
    }
    EXPECT_FALSE(window->TransferRunning());
  }
};

TEST_F(TransferWindowTest, WriteAllThenReadAllGiveTheSameDocument) {
  ASSERT_EQ(OpenNamedFile(doc(), SamplePath("demo.VQ5")), FileStatus::kOk);
  window->StartUp("");  // shows nothing new; the document is the demo's
  Document written = doc();
  Run("mnuWrAll");
  ASSERT_EQ(MessageTexts(), std::vector<std::string>{"Successed!!"});
  EXPECT_EQ(window->CurrentTab(), 3);
  ExpectCommandsEnabled();

  window->NewData();  // a write leaves nothing unsaved: no question
  EXPECT_EQ(doc().ChannelsInUse(), 0);
  Run("mnuReAll");
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"Successed!!", "Successed!!"}));
  EXPECT_EQ(doc().ChannelsInUse(), written.ChannelsInUse());
  for (int slot = 0; slot < kSlotCount; ++slot) {
    // Notes live in the clone file only.
    Slot a = doc().Mem[slot], b = written.Mem[slot];
    a.text[kNote].clear();
    b.text[kNote].clear();
    EXPECT_EQ(a, b) << slot;
  }
  EXPECT_EQ(doc().BankSize, written.BankSize);
  EXPECT_EQ(doc().chkGrp, written.chkGrp);
  EXPECT_EQ(doc().settings, written.settings);
  // The pages show what was read.
  EXPECT_EQ(CellText(1, 1), written.Mem[0].text[kFreq]);
  EXPECT_EQ(Find<QLineEdit>("txtBank_0")->text().toStdString(),
            written.txtBank[0]);
}

// Read > ALL shows Settings 1 first only from the Memory (or Bank) tab,
// then the Memory tab once the settings are read, locked while the
// transfer runs; a Write > ALL whose memory write fails ends there too.
TEST_F(TransferWindowTest, ReadAllAndWriteAllShowTheMemoryPageForTheMemory) {
  ASSERT_TRUE(
      window->OpenNamedFile(QString::fromStdString(SamplePath("demo.VQ5"))));
  struct Seen {
    int tab;
    bool running;
    bool page_enabled;
    bool operator==(const Seen&) const = default;
  };
  std::vector<Seen> seen;
  QObject::connect(
      Find<QTabBar>("TabStrip1"), &QTabBar::currentChanged, window.get(),
      [&](int index) {
        seen.push_back(
            {index + 1, window->TransferRunning(),
             Find<QWidget>("Frame1_" + std::to_string(index))->isEnabled()});
      });
  auto run_from = [&](int tab, const char* action) {
    ClickTab(tab);
    ASSERT_EQ(window->CurrentTab(), tab);
    seen.clear();
    prompts.messages.clear();
    Run(action);
    EXPECT_TRUE(Find<QWidget>("Frame1_2")->isEnabled());
  };
  const Seen kMemoryWhileRunning{3, true, false};
  run_from(2, "mnuReAll");
  EXPECT_EQ(seen, std::vector<Seen>{kMemoryWhileRunning});
  EXPECT_EQ(window->CurrentTab(), 3);
  run_from(3, "mnuReAll");
  EXPECT_EQ(seen, (std::vector<Seen>{{1, false, true}, kMemoryWhileRunning}));
  EXPECT_EQ(window->CurrentTab(), 3);

  // A row clicked on the channel map while a transfer runs shows the
  // Memory page locked too: edits there would be lost to the transfer.
  ClickTab(1);
  seen.clear();
  Trigger("mnuChannelMap");
  Trigger("mnuReAll");
  ASSERT_TRUE(window->TransferRunning());
  emit Find<gui::ChannelMapDialog>("dlgChannelMap")->rowClicked(5);
  window->WaitForTransfer();
  EXPECT_EQ(seen, std::vector<Seen>{kMemoryWhileRunning});
  EXPECT_TRUE(Find<QWidget>("Frame1_2")->isEnabled());

  // Silent inside the bank table of the memory write.
  radio::Faults silent;
  silent.silent_from = 6 + 16 + 4;
  window->SimulatedReceiver().Reset();
  window->SimulatedReceiver().set_faults(silent);
  run_from(2, "mnuWrAll");
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Communication Error",
                                                      "Write Failed..."}));
  EXPECT_EQ(seen, std::vector<Seen>{kMemoryWhileRunning});
  EXPECT_EQ(window->CurrentTab(), 3);
}

// Every read that fails part-way leaves the window's document, its name,
// its changed flag and the undo history as they were, with the messages
// the core gives.
TEST_F(TransferWindowTest, AFailedReadChangesNothing) {
  ASSERT_TRUE(
      window->OpenNamedFile(QString::fromStdString(SamplePath("demo.VQ5"))));
  doc().Mem[3] = doc().Mem[0];  // unsaved work
  doc().DataChanged = -1;
  window->history().Record(QStringLiteral("Edit"));
  radio::Faults silent;
  silent.silent_from = 9;  // a data block of every read
  for (UserCommand command : {UserCommand::kRead, UserCommand::kReadSettings,
                              UserCommand::kReadBank, UserCommand::kReadGroup,
                              UserCommand::kReadAll, UserCommand::kReadQuick}) {
    SCOPED_TRACE(static_cast<int>(command));
    const Document before = doc();
    const int steps = window->history().stack().count();
    const QString title = window->windowTitle();
    std::vector<std::string> expected;
    {
      radio::SimulatedReceiver receiver(0, silent);
      radio::SimulatedPort port(receiver);
      Link link(port);
      Document copy = before;
      TransferSinks sinks;
      sinks.message = [&](const Message& m) { expected.push_back(m.text); };
      Transfer(link, copy, sinks).Run(command);
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected.front(), "Communication Error");
    window->SimulatedReceiver().Reset();
    window->SimulatedReceiver().set_faults(silent);
    prompts.messages.clear();
    window->RunTransfer(command);
    window->WaitForTransfer();
    EXPECT_EQ(MessageTexts(), expected);
    ExpectCommandsEnabled();
    EXPECT_TRUE(SameWholeDocument(doc(), before));
    EXPECT_EQ(window->history().stack().count(), steps);
    EXPECT_EQ(window->windowTitle(), title);
  }
}

TEST_F(TransferWindowTest, CancelAndASecondTransfer) {
  radio::Faults timed;
  timed.timing = true;
  window->SimulatedReceiver().set_faults(timed);
  const Document before = doc();
  Trigger("mnuReMem");
  ASSERT_TRUE(window->TransferRunning());
  EXPECT_FALSE(Find<QPushButton>("cmbRxData")->isEnabled());
  // A second transfer while one runs is refused with a message.
  window->RunTransfer(UserCommand::kReadBank);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "A transfer is already running.");
  Find<QPushButton>("cmdCancel")->click();
  window->WaitForTransfer();
  // Said as a cancel, not as an error, and nothing changed.
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1].text,
            "The read was cancelled. Nothing was changed.");
  EXPECT_EQ(prompts.messages[1].icon, Message::Icon::kInformation);
  EXPECT_TRUE(SameWholeDocument(doc(), before));
  EXPECT_EQ(window->history().stack().count(), 0);
  ExpectCommandsEnabled();
  // A clean transfer succeeds afterwards.
  window->SimulatedReceiver().set_faults({});
  Run("mnuReSet");
  ASSERT_GE(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages.back().text, "Successed!!");
}

// With its steps on, a write reads the receiver first and keeps it, lists
// what will change (Cancel writes nothing), then writes and reads back.
TEST_F(TransferWindowTest, SafeWriteListsTheChangesWritesAndVerifies) {
  SetSafeWriteSteps(true, true, true);
  ASSERT_EQ(OpenNamedFile(doc(), SamplePath("demo.VQ5")), FileStatus::kOk);
  window->StartUp("");
  std::vector<int> listed;
  int answer = QDialog::Rejected;
  prompts.dialog_handler = [&](QDialog* dialog) {
    if (dialog->objectName() == QStringLiteral("dlgChanges")) {
      listed.push_back(
          dialog->findChild<QListWidget*>(QStringLiteral("lstChanges"))
              ->count());
    }
    return answer;
  };
  auto erased = [this] {
    const auto lines = window->SimulatedReceiver().lines();
    return std::count(lines.begin(), lines.end(), "QV~IM");
  };
  Run("mnuWrAll");
  window->WaitForTransfer();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_GT(listed[0], 60);
  EXPECT_EQ(erased(), 0);
  ExpectCommandsEnabled();

  answer = QDialog::Accepted;
  Run("mnuWrAll");
  window->WaitForTransfer();
  ASSERT_EQ(listed.size(), 2u);
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages.back().text, "Successed!!");
  EXPECT_NE(prompts.messages.back().informative.find(
                "Verified: the receiver holds what was written."),
            std::string::npos);
  EXPECT_EQ(erased(), 1);
  EXPECT_EQ(ListSnapshots(SnapshotFolder()).size() >= 2, true);
  ExpectCommandsEnabled();
}

// Tool > Options turns steps on; a receiver that does not keep a channel
// fails the read-back with the row and the snapshot named; File > Receiver
// Snapshots writes that snapshot back and the receiver holds it again.
TEST_F(TransferWindowTest, AFailedVerifyIsRestoredFromItsSnapshot) {
  prompts.dialog_handler = [](QDialog* dialog) {
    for (const char* name : {"chkSnapshot", "chkVerify"}) {
      dialog->findChild<QCheckBox*>(QString::fromLatin1(name))
          ->setChecked(true);
    }
    return int{QDialog::Accepted};
  };
  Trigger("mnuToolsWriteSteps");
  const auto steps = gui::WindowSettings(PlacementFile()).SafeWriteSteps();
  EXPECT_TRUE(steps.snapshot && steps.verify && !steps.show_changes);

  ASSERT_TRUE(
      window->OpenNamedFile(QString::fromStdString(SamplePath("demo.VQ5"))));
  ASSERT_TRUE(
      window->SimulatedReceiver().LoadDocument(BusyDocument(doc().opbModel)));
  radio::Faults faults;
  faults.corrupt_write = true;
  window->SimulatedReceiver().set_faults(faults);
  const size_t kept = ListSnapshots(SnapshotFolder()).size();
  Run("mnuWrAll");
  ASSERT_FALSE(prompts.messages.empty());
  const Message failed = prompts.messages.back();
  EXPECT_EQ(failed.text, radio::kMsgVerifyFailed);
  EXPECT_EQ(failed.icon, Message::Icon::kCritical);
  const auto snapshots = ListSnapshots(SnapshotFolder());
  ASSERT_EQ(snapshots.size(), kept + 1);
  EXPECT_NE(failed.informative.find(": Mode: "), std::string::npos)
      << failed.informative;
  EXPECT_NE(failed.informative.find(radio::SnapshotNote(snapshots[0].path)),
            std::string::npos);

  prompts.dialog_handler = [](QDialog* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("cmdWriteBack"))->click();
    return dialog->result();
  };
  Trigger("mnuSnapshots");
  window->WaitForTransfer();
  EXPECT_NE(prompts.messages.back().informative.find(radio::kMsgVerified),
            std::string::npos);
  Document snapshot;
  ASSERT_EQ(OpenCloneFile(snapshot, snapshots[0].path.string()),
            FileStatus::kOk);
  Run("mnuReAll");
  EXPECT_EQ(DocumentChanges(snapshot, doc()), std::vector<std::string>{});
  ExpectCommandsEnabled();
}

// The worker thins out the progress of the exchanges but always reports
// the first and the last step, so the bar ends full.
TEST_F(TransferWindowTest, ProgressEndsWithTheLastStep) {
  auto* runner = window->findChild<gui::TransferRunner*>();
  ASSERT_NE(runner, nullptr);
  QSignalSpy spy(runner, &gui::TransferRunner::progress);
  Run("mnuReAll");
  ASSERT_GE(prompts.messages.size(), 1u);
  ASSERT_EQ(prompts.messages.back().text, "Successed!!");
  ASSERT_GE(spy.count(), 2);
  // Read > ALL counts its steps over the 1300 channels.
  QList<QVariant> last = spy.takeLast();
  ASSERT_EQ(last.size(), 2);
  EXPECT_EQ(last[0].toInt(), last[1].toInt());
  EXPECT_EQ(last[1].toInt(), 1299);
  EXPECT_LT(spy.count(), last[1].toInt() / 4);
}

// As a user with a cable runs it: the receiver on a pseudo-terminal,
// reached through QtSerialPort by its device path.
TEST_F(TransferWindowTest, ReadAndWriteThroughAPseudoTerminal) {
  radio::SimulatedReceiver receiver(0);
  radio::PtyHost host(receiver);
  std::string error;
  ASSERT_TRUE(host.Start(&error)) << error;
  window->set_port_name(host.device_path());
  ASSERT_EQ(OpenNamedFile(doc(), SamplePath("demo.VQ5")), FileStatus::kOk);
  Document written = doc();
  Run("mnuWrMem");
  ASSERT_EQ(MessageTexts(), std::vector<std::string>{"Successed!!"});
  window->NewData();
  Run("mnuReMem");
  ASSERT_GE(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages.back().text, "Successed!!");
  EXPECT_EQ(doc().ChannelsInUse(), written.ChannelsInUse());
  for (int slot = 0; slot < kSlotCount; ++slot) {
    EXPECT_EQ(doc().Mem[slot].text[kFreq], written.Mem[slot].text[kFreq])
        << slot;
  }
  ExpectCommandsEnabled();
}

// A receiver of another model: after "Region Error" the window names the
// model it takes and, on Yes, switches to it and runs the command again. A
// write keeps the document it writes; a read starts from the new model.
TEST_F(TransferWindowTest, ARefusedIdentityOffersTheReceiversModel) {
  radio::SimulatedReceiver receiver(1);  // a VR-Q70E
  radio::PtyHost host(receiver);
  std::string error;
  ASSERT_TRUE(host.Start(&error)) << error;
  window->set_port_name(host.device_path());
  ASSERT_TRUE(
      window->OpenNamedFile(QString::fromStdString(SamplePath("demo.VQ5"))));
  const Document written = doc();
  const std::string question =
      "The receiver is a VR-Q70E. Switch to the VR-Q70E and run the command "
      "again?";
  // No: nothing more happens.
  prompts.answers = {gui::Answer::kNo};
  Run("mnuWrMem");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Region Error"});
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text, question);
  EXPECT_EQ(doc().opbModel, 0);
  // Yes on a write: the same channels go to the receiver as a VR-Q70E's.
  prompts.messages.clear();
  prompts.answers = {gui::Answer::kYes};
  Run("mnuWrMem");
  window->WaitForTransfer();
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"Region Error", "Successed!!"}));
  EXPECT_EQ(doc().opbModel, 1);
  EXPECT_EQ(doc().Mem, written.Mem);
  // Yes on a read: the model change with its question, then the read.
  prompts.answers = {gui::Answer::kNo};  // the changes are not saved
  window->opbModel_Click(0);
  prompts.messages.clear();
  prompts.answers = {gui::Answer::kYes, gui::Answer::kNo};
  Run("mnuReMem");
  window->WaitForTransfer();
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"Region Error", "Successed!!"}));
  EXPECT_EQ(doc().opbModel, 1);
  EXPECT_EQ(doc().ChannelsInUse(), written.ChannelsInUse());
  // The model is kept for the next start.
  MakeWindow();
  window->StartUp("");
  EXPECT_EQ(doc().opbModel, 1);
}

// What the port dialog shows as it opens, before Enter is pressed in it
// (in the list when `in_list`: the list takes the focus without a row
// being chosen).
struct PortDialogSeen {
  std::vector<std::string> rows;
  int current = -1;
  std::string path;
  bool label_and_cancel = false;
};

TEST_F(TransferWindowTest, PortDialogOpensOnTheSavedPortAndEnterKeepsIt) {
  radio::SimulatedReceiver receiver(0);
  radio::PtyHost host(receiver);
  std::string error;
  ASSERT_TRUE(host.Start(&error)) << error;
  const std::string missing = dir.File("ttyUSB0");  // an unplugged cable
  const std::string pty = host.device_path();
  struct Case {
    std::string saved;  // the port file; empty: none
    bool in_list;
    std::string shown;  // the current row's text
    std::string status;
  };
  for (const Case& c : {
           Case{missing, false, missing + "  (not found)", "Port: " + missing},
           Case{missing, true, missing + "  (not found)", "Port: " + missing},
           Case{"", false, "", "Port: none"},
           Case{"", true, "", "Port: none"},
           Case{pty, false, pty, "Port: " + pty},
           Case{"sim", false, "Simulated receiver", "Port: simulated receiver"},
       }) {
    SCOPED_TRACE(c.saved + (c.in_list ? " (list)" : ""));
    std::filesystem::remove(dir.File("config/VR-Q5.ini"));
    if (!c.saved.empty()) SavePortName(dir.File("config"), c.saved);
    MakeWindow();
    window->StartUp("");
    EXPECT_EQ(window->port_name(), c.saved);
    EXPECT_EQ(Find<QLabel>("lblStatusPort")->text().toStdString(), c.status);
    PortDialogSeen seen;
    prompts.dialog_handler = [&](QDialog* dialog) {
      auto* list = dialog->findChild<QListWidget*>("lstPorts");
      for (int i = 0; i < list->count(); ++i) {
        seen.rows.push_back(list->item(i)->text().toStdString());
      }
      seen.current = list->currentRow();
      seen.path =
          dialog->findChild<QLineEdit*>("txtPort")->text().toStdString();
      seen.label_and_cancel = dialog->findChild<QLabel*>("lblPortHint") &&
                              dialog->findChild<QPushButton*>("CancelButton");
      dialog->show();
      Activate(dialog);
      if (c.in_list) list->setFocus(Qt::TabFocusReason);
      QWidget* focus = QApplication::focusWidget();
      QTest::keyClick(focus ? focus : dialog, Qt::Key_Return);
      return dialog->result();
    };
    Trigger("mnuToolsOptions");
    ASSERT_FALSE(seen.rows.empty());
    EXPECT_EQ(seen.rows.back(), "Simulated receiver");
    EXPECT_TRUE(seen.label_and_cancel);
    if (c.shown.empty()) {
      EXPECT_EQ(seen.current, -1);
    } else {
      ASSERT_GE(seen.current, 0);
      EXPECT_EQ(seen.rows[seen.current], c.shown);
    }
    EXPECT_EQ(seen.path, c.saved);
    // Enter changed nothing: the port, the file, the status bar.
    EXPECT_EQ(window->port_name(), c.saved);
    EXPECT_EQ(LoadPortName(dir.File("config")), c.saved);
    EXPECT_EQ(Find<QLabel>("lblStatusPort")->text().toStdString(), c.status);
  }
}

TEST_F(TransferWindowTest, PortDialogKeepsTheChoice) {
  prompts.dialog_handler = [](QDialog* dialog) {
    dialog->findChild<QLineEdit*>("txtPort")->setText("/dev/ttyUSB7");
    return int(QDialog::Accepted);
  };
  Trigger("mnuToolsOptions");
  EXPECT_EQ(window->port_name(), "/dev/ttyUSB7");
  EXPECT_EQ(LoadPortName(dir.File("config")), "/dev/ttyUSB7");
  EXPECT_EQ(Find<QLabel>("lblStatusPort")->text(), "Port: /dev/ttyUSB7");
  // Cancelled (closed): the port stays.
  prompts.dialog_handler = nullptr;
  Trigger("mnuToolsOptions");
  EXPECT_EQ(window->port_name(), "/dev/ttyUSB7");
  // A row chosen in the list fills the box.
  prompts.dialog_handler = [](QDialog* dialog) {
    auto* list = dialog->findChild<QListWidget*>("lstPorts");
    list->setCurrentRow(list->count() - 1);
    return int(QDialog::Accepted);
  };
  Trigger("mnuToolsOptions");
  EXPECT_EQ(window->port_name(), "sim");
  EXPECT_EQ(Find<QLabel>("lblStatusPort")->text(), "Port: simulated receiver");
}

}  // namespace
}  // namespace vrq5::testing
