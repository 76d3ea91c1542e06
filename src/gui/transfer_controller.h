// The transfers of the window: the worker that runs them (TransferRunner),
// the simulated receiver behind the port "sim", the port in use, the
// check before writing, and what a running transfer shows and locks: the
// progress, the time left and Cancel on the status bar, and the controls,
// menus and actions that wait for its end; the port chosen in its dialog
// and the verdict of the connection check. The transfer runs on a worker
// thread and never touches a widget; its outcome comes back here.
#ifndef VRQ5_GUI_TRANSFER_CONTROLLER_H_
#define VRQ5_GUI_TRANSFER_CONTROLLER_H_

#include <QObject>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "gui/transfer_runner.h"
#include "link/transfer.h"
#include "link/transfer_pace.h"
#include "radio/receiver.h"
#include "store/document.h"

class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QWidget;

namespace vrq5::gui {

class Prompts;
class WindowSettings;

class TransferController : public QObject {
  Q_OBJECT

 public:
  // Messages and dialogs open over `window`; the port file lies in
  // `port_folder`.
  TransferController(Document& doc, Prompts& prompts, WindowSettings& settings,
                     std::filesystem::path port_folder, QWidget* window);
  // A running transfer is cancelled and waited for.
  ~TransferController() override;

  // The progress bar, the time left and Cancel, on the right of `status`.
  void AddToStatusBar(QStatusBar* status);
  // A button that asks for `command` (runRequested); locked while a
  // transfer runs.
  QPushButton* MakeButton(QWidget* parent, const char* name, const char* text,
                          UserCommand command);
  struct ButtonItem {
    const char* name;
    const char* text;
    UserCommand command;
  };
  // A row of such buttons, on the right.
  QHBoxLayout* MakeButtonRow(QWidget* parent,
                             std::initializer_list<ButtonItem> items);
  // The transfer items of the Tool menu: Read and Write with their
  // commands (runRequested), Check Connection and COM Port Setup; they
  // wait while a transfer runs.
  void AddToolItems(QMenu* tools);
  // A control, a menu or an action (with its shortcut) locked while a
  // transfer runs.
  void LockWhileBusy(QWidget* control) { controls_.push_back(control); }
  void LockMenuWhileBusy(QMenu* menu) { menus_.push_back(menu); }
  void LockActionWhileBusy(QAction* action) { actions_.push_back(action); }

  const std::string& port_name() const { return port_name_; }
  void set_port_name(const std::string& name) { port_name_ = name; }
  // Tool > COM Port Setup: the port chosen is kept in the port file;
  // portChanged when the port in use changed.
  void ChoosePort();
  // Tool > Options: the steps of a safe write, kept with the settings.
  void ChooseWriteSteps();
  // On closing: the port file keeps the newest choice. This window writes
  // it again only when the port it chose did not reach the file and
  // nobody chose another one since.
  void KeepPortChoice();
  // The verdict of a connection check; where another model answered,
  // offers the change to it. That model when the user took the offer,
  // else -1.
  int ShowVerdict(const ConnectionReport& report);

  // A transfer runs on the worker.
  bool Busy() const { return runner_->Busy(); }
  // No transfer runs and its outcome is taken in: the controls are free.
  bool Idle() const { return idle_; }
  // Whether `command` may start now: false, after its message, while a
  // transfer runs or no port is chosen; for a write, the check before
  // writing too.
  bool MayStart(UserCommand command);
  // Starts `command` on the worker (after MayStart).
  void Start(UserCommand command);
  // Tool > Check Connection: the check on the worker (after Ready); its
  // verdict comes with the outcome (finished).
  void Check();
  // Cancel on the status bar: the transfer stops between two exchanges.
  void Cancel() { runner_->Cancel(); }
  // Before a command that replaces the document or closes the window: a
  // running transfer is stopped when the user agrees, and its outcome
  // taken in. False when the user lets the transfer go on.
  bool StopFirst();
  // Waits for a running transfer to end and takes its outcome in.
  void Wait();
  // The receiver behind the port "sim", one of the document's model (a
  // model change brings another).
  radio::SimulatedReceiver& SimulatedReceiver();

 signals:
  // A transfer button was clicked.
  void runRequested(vrq5::UserCommand command);
  // The port in use changed in its dialog.
  void portChanged();
  // The controls were locked (a transfer starts) or freed (it ended).
  void busyChanged(bool busy);
  // The memory part of a running `command` started: the page to show may
  // change (link/transfer_pages.h).
  void memoryPartStarted(vrq5::UserCommand command);
  // A transfer or check ended; the controls are free again.
  void finished(const vrq5::gui::TransferOutcome& outcome);

 private:
  // False, after its message, while a transfer runs or no port is chosen.
  bool Ready();
  // The check before a write: errors show their list and stop the write;
  // warnings show theirs and let the user write anyway, unless the user
  // asked not to see them again (kept with the window's settings).
  bool CheckBeforeWriting(UserCommand command);
  // A safe write's plan done: the changes it lists, when the user wants to
  // see them, with Write and Cancel. True to write.
  bool WriteConfirmed(const radio::SafeWrite& safe);
  void SetControlsEnabled(bool enabled);
  // The status bar of a transfer about to start; the controls locked.
  void ShowStarting(bool counted);
  void ShowProgress(int value, int maximum);

  Document& doc_;
  Prompts& prompts_;
  WindowSettings& settings_;
  std::filesystem::path port_folder_;
  QWidget* window_;
  std::string port_name_;
  // The port this window's dialog chose (empty: none), and what the port
  // file held just after that choice was written.
  std::string chosen_port_;
  std::string port_file_after_choice_;
  bool idle_ = true;
  TransferRunner* runner_ = nullptr;
  std::unique_ptr<radio::SimulatedReceiver> sim_receiver_;
  std::vector<QWidget*> controls_;  // disabled while one runs
  std::vector<QMenu*> menus_;       // likewise
  std::vector<QAction*> actions_;   // likewise
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* time_left_ = nullptr;
  TransferPace pace_;  // the time left and how often the bar is redrawn
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_TRANSFER_CONTROLLER_H_
