// Read > ALL and Write > ALL from the window under the cable faults that
// stop a transfer (silence from a command on, the port going away, an
// identity refused) and one that costs only retries (30% of the replies
// dropped), against the built-in receiver and against the receiver on a
// pseudo-terminal. The transfer is run once more in the core alone, without
// the window: the window must show the same messages in the same order,
// hold the same document, and show on every page exactly what a window
// showing that document shows; every command must be enabled again, and a
// clean transfer must then succeed.
#include <atomic>
#include <thread>

#include "files/clone_file.h"
#include "radio/pty_host.h"
#include "radio/sim_port.h"
#include "store/bank_rules.h"
#include "support/compare.h"
#include "support/vanishing_port.h"
#include "tests/gui/page_snapshot.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

enum class Fault { kSilence, kVanish, kRefusedIdentity, kDrop30 };

struct Row {
  std::string name;
  bool write;
  Fault fault;
  bool pty;  // the receiver on a pseudo-terminal, else the built-in one
  // Silence and a vanishing port start at the first command beginning with
  // `stage`, plus `offset`.
  std::string stage;
  int offset = 0;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << row.name;
}

using Memory = std::array<uint8_t, radio::SimulatedReceiver::kMemorySize>;

// What a transfer left behind.
struct Outcome {
  CommandResult result = CommandResult::kFailure;
  std::vector<Message> messages;
  Document doc;
  Memory memory{};
  bool memory_part = false;  // the settings part was done, the memory began
};

// The receiver of a read holds the full sample (every slot in use); the
// window starts with the demo sample, which a write sends to a receiver in
// its factory state.
const Document& Sample(const char* name) {
  static std::map<std::string, Document> docs;
  auto it = docs.find(name);
  if (it == docs.end()) {
    Document d;
    EXPECT_EQ(OpenNamedFile(d, SamplePath(name)), FileStatus::kOk);
    it = docs.emplace(name, d).first;
  }
  return it->second;
}

void Prepare(radio::SimulatedReceiver& rx, bool write) {
  rx.Reset();
  if (!write) {
    ASSERT_TRUE(rx.LoadDocument(Sample("full.VQ5")));
  }
}

// The transfer in the core alone, on the built-in receiver in virtual
// time, starting from `start`; `vanish_after` >= 0: the port fails from
// that exchange on. `builtin`: the port is the one the user chose as "sim".
Outcome Oracle(bool write, const Document& start, const radio::Faults& faults,
               long vanish_after = -1, bool builtin = false) {
  radio::SimulatedReceiver rx;
  Prepare(rx, write);
  rx.set_faults(faults);
  radio::SimulatedPort sim(rx);
  sim.set_chosen_by_user(builtin);
  VanishingPort vanishing(sim, vanish_after);
  SerialPort& port = vanish_after >= 0 ? static_cast<SerialPort&>(vanishing)
                                       : static_cast<SerialPort&>(sim);
  Outcome out;
  out.doc = start;
  Link link(port);
  TransferSinks sinks;
  sinks.message = [&out](const Message& m) { out.messages.push_back(m); };
  sinks.memory_part = [&out] { out.memory_part = true; };
  Transfer transfer(link, out.doc, sinks);
  out.result =
      transfer.Run(write ? UserCommand::kWriteAll : UserCommand::kReadAll);
  port.Close();
  out.memory = rx.memory();
  return out;
}

// The number (from 1) of the first command of a clean transfer that
// begins with `prefix`.
long StageStart(bool write, const Document& start, const std::string& prefix) {
  radio::SimulatedReceiver rx;
  Prepare(rx, write);
  radio::SimulatedPort sim(rx);
  Link link(sim);
  Document copy = start;
  Transfer(link, copy, {})
      .Run(write ? UserCommand::kWriteAll : UserCommand::kReadAll);
  std::vector<std::string> lines = rx.lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind(prefix, 0) == 0) return static_cast<long>(i) + 1;
  }
  ADD_FAILURE() << "no command begins with " << prefix;
  return 1;
}

class TransferFaultTest : public WindowTest,
                          public ::testing::WithParamInterface<Row> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->StartUp("");
    ShowWindow();
    ASSERT_TRUE(
        window->OpenNamedFile(QString::fromStdString(SamplePath("demo.VQ5"))));
  }

  // What a window showing `doc` on tab `tab` (1..4) shows.
  PageSnapshot Expected(const Document& doc, int tab) {
    ScriptedPrompts quiet;
    gui::MainWindow::Options options;
    options.port_folder = dir.File("reference");
    options.placement_file =
        QString::fromStdString(dir.File("reference/placement.ini"));
    gui::MainWindow reference(quiet, options);
    reference.set_port_name(window->port_name());  // the status bar shows it
    reference.show();
    reference.findChild<QTabBar*>(QStringLiteral("TabStrip1"))
        ->setCurrentIndex(tab - 1);
    reference.document() = doc;
    reference.TabStrip1_Click(tab);
    reference.ShowDocument();
    return TakeSnapshot(reference);
  }

  void ExpectCommandsEnabled() {
    EXPECT_FALSE(window->TransferRunning());
    for (const char* name :
         {"mnuReSet", "mnuReMem", "mnuReAll", "mnuWrSet", "mnuWrMem",
          "mnuWrAll", "mnuToolsOptions", "mnuFileSave", "mnuFileSaveAs",
          "mnuImport", "mnuExport", "tbNew", "tbOpen", "tbSave"}) {
      EXPECT_TRUE(Find<QAction>(name)->isEnabled()) << name;
    }
    for (const char* name :
         {"cmbRxData", "cmbTxData", "cmbRxData1", "cmbTxData1", "cmbReadBank",
          "cmbWriteBank", "cmdReadGroup", "cmdWriteGroup"}) {
      // Enabled itself (its page may be a hidden, disabled one).
      EXPECT_FALSE(Find<QPushButton>(name)->testAttribute(Qt::WA_ForceDisabled))
          << name;
    }
    EXPECT_TRUE(Find<QTabBar>("TabStrip1")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("cmdCancel")->isHidden());
  }

  // Runs the row's command from the window's menu and waits for its end.
  void RunFromMenu(bool write) {
    Trigger(write ? "mnuWrAll" : "mnuReAll");
    window->WaitForTransfer();
  }
};

TEST_P(TransferFaultTest, StopsAsTheCoreDoesOrSucceeds) {
  const Row& row = GetParam();
  const Document start = doc();
  const Outcome clean = Oracle(row.write, start, {}, -1, !row.pty);
  ASSERT_EQ(clean.result, CommandResult::kSuccess);

  long at = row.stage.empty()
                ? 0
                : StageStart(row.write, start, row.stage) + row.offset;
  radio::Faults faults;
  faults.seed = 11;
  switch (row.fault) {
    case Fault::kSilence:
    case Fault::kVanish:  // unanswered, and the port goes while it waits
      faults.silent_from = at;
      break;
    case Fault::kRefusedIdentity:
      faults.refuse_identity = true;
      break;
    case Fault::kDrop30:
      faults.drop_reply = 0.30;
      break;
  }

  // The receiver: the window's own, or one on a pseudo-terminal.
  std::unique_ptr<radio::SimulatedReceiver> pty_rx;
  std::unique_ptr<radio::PtyHost> host;
  radio::SimulatedReceiver* rx = &window->SimulatedReceiver();
  if (row.pty) {
    pty_rx = std::make_unique<radio::SimulatedReceiver>(0);
    rx = pty_rx.get();
    host = std::make_unique<radio::PtyHost>(*rx);
    std::string error;
    ASSERT_TRUE(host->Start(&error)) << error;
    window->set_port_name(host->device_path());
  } else {
    window->set_port_name("sim");
  }
  Prepare(*rx, row.write);
  rx->set_faults(faults);

  const int steps_before = window->history().stack().count();
  std::atomic<bool> done{false};
  std::thread pull;
  if (row.fault == Fault::kVanish) {
    pull = std::thread([&] {
      while (!done && rx->commands() < at) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
      host->Stop();
    });
  }
  RunFromMenu(row.write);
  done = true;
  if (pull.joinable()) pull.join();

  const Outcome want = row.fault == Fault::kDrop30 ? clean
                       : row.fault == Fault::kVanish
                           ? Oracle(row.write, start, {}, at - 1)
                           : Oracle(row.write, start, faults);
  if (row.fault != Fault::kDrop30) {
    ASSERT_EQ(want.result, CommandResult::kFailure);
  }
  EXPECT_EQ(prompts.messages, want.messages);
  EXPECT_TRUE(SameDocument(doc(), want.doc));
  if (!row.write && want.result != CommandResult::kSuccess) {
    // A read that failed changed nothing, not even the undo history.
    EXPECT_TRUE(SameDocument(doc(), start));
    EXPECT_EQ(window->history().stack().count(), steps_before);
  }
  EXPECT_TRUE(rx->memory() == want.memory) << "receiver memory differs";
  int tab = window->CurrentTab();
  // From Settings 1 the transfer stays there until its memory part starts,
  // then shows the Memory tab, whatever the end.
  EXPECT_EQ(tab, want.memory_part ? kTabMemory : kTabSettings1);
  EXPECT_EQ(want.memory_part,
            row.stage == "QV~BC" || row.stage == "QV~F00A00R" ||
                row.stage == "QV~FINISH" || row.fault == Fault::kDrop30);
  EXPECT_EQ(FirstDifference(TakeSnapshot(*window), Expected(want.doc, tab)),
            "");
  ExpectCommandsEnabled();

  // The fault is gone: the same command succeeds.
  rx->set_faults({});
  if (host && !host->running()) {
    host = std::make_unique<radio::PtyHost>(*rx);
    std::string error;
    ASSERT_TRUE(host->Start(&error)) << error;
    window->set_port_name(host->device_path());
  }
  Prepare(*rx, row.write);
  const Document before_again = doc();
  prompts.messages.clear();
  RunFromMenu(row.write);
  const Outcome again = Oracle(row.write, before_again, {});
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Successed!!"});
  EXPECT_TRUE(SameDocument(doc(), again.doc));
  EXPECT_TRUE(rx->memory() == again.memory) << "receiver memory differs";
  ExpectCommandsEnabled();
}

std::vector<Row> Rows() {
  std::vector<Row> rows;
  for (bool write : {false, true}) {
    std::string t = write ? "write_" : "read_";
    std::string settings = write ? "QV~F00000W" : "QV~F00000R";
    std::string channels = write ? "QV~BC" : "QV~F00A00R";
    // Inside the channels: the demo sample written has a few dozen in use,
    // the full one read has 1300.
    int inside = write ? 8 : 150;
    // The built-in receiver, in virtual time.
    rows.push_back(
        {t + "silent_at_identity", write, Fault::kSilence, false, "QV~VR-"});
    rows.push_back(
        {t + "silent_at_settings", write, Fault::kSilence, false, settings});
    rows.push_back({t + "silent_inside_channels", write, Fault::kSilence, false,
                    channels, inside});
    if (write) {
      rows.push_back(
          {t + "silent_at_finish", write, Fault::kSilence, false, "QV~FINISH"});
    }
    rows.push_back(
        {t + "refused_identity", write, Fault::kRefusedIdentity, false, ""});
    rows.push_back({t + "drop30", write, Fault::kDrop30, false, ""});
    // The receiver on a pseudo-terminal, through the serial adapter.
    rows.push_back({t + "pty_silent_inside_channels", write, Fault::kSilence,
                    true, channels, inside});
    rows.push_back(
        {t + "pty_vanish_in_settings", write, Fault::kVanish, true, settings});
    rows.push_back({t + "pty_vanish_inside_channels", write, Fault::kVanish,
                    true, channels, inside});
    rows.push_back(
        {t + "pty_refused_identity", write, Fault::kRefusedIdentity, true, ""});
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Window, TransferFaultTest, ::testing::ValuesIn(Rows()),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace vrq5::testing
