// Runs one transfer command at a time on a worker thread. The worker owns
// the link and its port and works on its own copy of the document; the
// window gets the copy back, with the messages in the order the transfer
// gave them, when the worker is done. The worker never touches a widget,
// and the window's document is not touched while the worker runs.
#ifndef VRQ5_GUI_TRANSFER_RUNNER_H_
#define VRQ5_GUI_TRANSFER_RUNNER_H_

#include <QObject>
#include <QThread>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "link/connection_check.h"
#include "link/transfer.h"
#include "radio/receiver.h"
#include "radio/safe_write.h"
#include "store/document.h"

namespace vrq5::gui {

struct TransferOutcome {
  UserCommand command = UserCommand::kReadAll;
  CommandResult result = CommandResult::kFailure;
  std::vector<Message> messages;
  std::shared_ptr<Document> doc;  // the document as the transfer left it
  // After "Region Error": the model the receiver took (Transfer::
  // accepted_model()).
  int accepted_model = kNoIdentityRefused;
  // A connection check instead of a command: its report (the document
  // copy is then the one given, untouched).
  bool check = false;
  ConnectionReport report;
  // A safe write: its steps, kept between the plan (snapshot and preview)
  // and the write with its read-back. `planned`: this outcome is the
  // plan's (nothing was written; `plan` says how it ended).
  std::shared_ptr<radio::SafeWrite> safe;
  bool planned = false;
  radio::PlanResult plan = radio::PlanResult::kFailure;
};

class TransferRunner : public QObject {
  Q_OBJECT

 public:
  explicit TransferRunner(QObject* parent = nullptr);
  // Cancels a running transfer and waits for the worker.
  ~TransferRunner() override;

  bool Busy() const { return busy_; }

  // Starts `command` on a copy of `doc` through the port named `port_name`
  // ("sim": `receiver`, which must outlive the transfer). False, and
  // nothing started, while another transfer runs.
  bool Start(UserCommand command, const Document& doc,
             const std::string& port_name, radio::SimulatedReceiver& receiver);
  // Starts the connection check for the model `model_index` through the
  // port named `port_name`, as Start does; `doc` comes back unchanged.
  bool StartCheck(int model_index, const Document& doc,
                  const std::string& port_name,
                  radio::SimulatedReceiver& receiver);
  // A safe write of `command`: its snapshot and preview (StartPlan), then
  // its write and read-back (StartWrite), each as Start does.
  bool StartPlan(std::shared_ptr<radio::SafeWrite> safe, UserCommand command,
                 const Document& doc, const std::string& port_name,
                 radio::SimulatedReceiver& receiver);
  bool StartWrite(std::shared_ptr<radio::SafeWrite> safe, UserCommand command,
                  const Document& doc, const std::string& port_name,
                  radio::SimulatedReceiver& receiver);
  // Raises the link's cancel flag: the transfer stops before its next
  // exchange.
  void Cancel() { cancel_ = true; }
  // Waits until the worker has ended (its outcome is still delivered).
  void Wait();

 signals:
  // At most ten a second; the first and the last step always come.
  void progress(int value, int maximum);
  // The memory part of Read > ALL, the quick read or Write > ALL started
  // (TransferSinks::memory_part; a safe write's own write only).
  void memoryPartStarted(vrq5::UserCommand command);
  void finished(const vrq5::gui::TransferOutcome& outcome);

 private:
  // Runs `work` on the worker with a link through the port named
  // `port_name`; it fills the outcome.
  using Work = std::function<void(Link&, TransferSinks&, TransferOutcome&)>;
  bool Launch(TransferOutcome outcome, const std::string& port_name,
              radio::SimulatedReceiver& receiver, Work work);

  // On the window's thread: the next step and the outcome the worker left.
  void DeliverStep();
  void DeliverOutcome();

  // A QThread, so that the serial port made on it may use Qt's notifiers.
  std::unique_ptr<QThread> worker_;
  // What the worker hands to the window's thread, under a lock of its own
  // rather than only through the event queue, so that the hand-off is seen
  // by ThreadSanitizer too (the Qt of the system is not built with it).
  std::mutex mailbox_lock_;
  std::deque<std::pair<int, int>> steps_;
  std::optional<TransferOutcome> delivered_;
  std::atomic<bool> cancel_{false};
  bool busy_ = false;
};

}  // namespace vrq5::gui

Q_DECLARE_METATYPE(vrq5::gui::TransferOutcome)

#endif  // VRQ5_GUI_TRANSFER_RUNNER_H_
