#include "gui/transfer_runner.h"

#include <QMetaObject>
#include <utility>

#include "link/transfer_pace.h"
#include "serial/port_choice.h"

namespace vrq5::gui {

namespace {

// What a job starts from: its command and its own copy of the document.
TransferOutcome OutcomeOf(UserCommand command, const Document& doc,
                          std::shared_ptr<radio::SafeWrite> safe = nullptr) {
  TransferOutcome outcome;
  outcome.command = command;
  outcome.doc = std::make_shared<Document>(doc);
  outcome.safe = std::move(safe);
  return outcome;
}

}  // namespace

TransferRunner::TransferRunner(QObject* parent) : QObject(parent) {
  qRegisterMetaType<TransferOutcome>();
}

TransferRunner::~TransferRunner() {
  cancel_ = true;
  Wait();
}

void TransferRunner::Wait() {
  if (worker_) {
    worker_->wait();
    worker_.reset();
  }
}

bool TransferRunner::Start(UserCommand command, const Document& doc,
                           const std::string& port_name,
                           radio::SimulatedReceiver& receiver) {
  return Launch(
      OutcomeOf(command, doc), port_name, receiver,
      [command](Link& link, TransferSinks& sinks, TransferOutcome& out) {
        Transfer transfer(link, *out.doc, sinks);
        out.result = transfer.Run(command);
        out.accepted_model = transfer.accepted_model();
      });
}

bool TransferRunner::StartPlan(std::shared_ptr<radio::SafeWrite> safe,
                               UserCommand command, const Document& doc,
                               const std::string& port_name,
                               radio::SimulatedReceiver& receiver) {
  TransferOutcome outcome = OutcomeOf(command, doc, std::move(safe));
  outcome.planned = true;
  return Launch(std::move(outcome), port_name, receiver,
                [](Link& link, TransferSinks& sinks, TransferOutcome& out) {
                  out.plan = out.safe->Plan(link, sinks);
                  out.accepted_model = out.safe->accepted_model();
                  out.result = out.plan == radio::PlanResult::kBusy
                                   ? CommandResult::kBusy
                                   : CommandResult::kFailure;
                });
}

bool TransferRunner::StartWrite(std::shared_ptr<radio::SafeWrite> safe,
                                UserCommand command, const Document& doc,
                                const std::string& port_name,
                                radio::SimulatedReceiver& receiver) {
  return Launch(OutcomeOf(command, doc, std::move(safe)), port_name, receiver,
                [](Link& link, TransferSinks& sinks, TransferOutcome& out) {
                  out.result = out.safe->WriteAndVerify(link, *out.doc, sinks);
                  out.accepted_model = out.safe->accepted_model();
                });
}

bool TransferRunner::StartCheck(int model_index, const Document& doc,
                                const std::string& port_name,
                                radio::SimulatedReceiver& receiver) {
  TransferOutcome outcome = OutcomeOf(UserCommand::kReadAll, doc);
  outcome.check = true;
  return Launch(
      std::move(outcome), port_name, receiver,
      [model_index](Link& link, TransferSinks&, TransferOutcome& out) {
        out.report = CheckConnection(link, model_index);
        out.result =
            out.report.ok() ? CommandResult::kSuccess : CommandResult::kFailure;
      });
}

bool TransferRunner::Launch(TransferOutcome outcome,
                            const std::string& port_name,
                            radio::SimulatedReceiver& receiver, Work work) {
  if (busy_) return false;
  Wait();  // the previous worker has delivered its outcome
  busy_ = true;
  cancel_ = false;
  worker_.reset(QThread::create([this, outcome = std::move(outcome), port_name,
                                 &receiver, work = std::move(work)]() mutable {
    {
      std::unique_ptr<SerialPort> port = MakePort(port_name, receiver);
      Link link(*port);
      link.set_cancel_flag(&cancel_);
      TransferSinks sinks;
      sinks.message = [&outcome](const Message& m) {
        outcome.messages.push_back(m);
      };
      // Every exchange reports; the window hears of the first and the last
      // step, and of the others at most ten a second.
      TransferPace pace;
      sinks.progress = [this, &pace](int value, int maximum) {
        if (!pace.Step(value, maximum)) return;
        {
          std::lock_guard<std::mutex> hold(mailbox_lock_);
          steps_.emplace_back(value, maximum);
        }
        QMetaObject::invokeMethod(this, &TransferRunner::DeliverStep,
                                  Qt::QueuedConnection);
      };
      // Queued as the steps and the outcome are, so the window hears of it
      // after the steps before it and before the outcome.
      sinks.memory_part = [this, command = outcome.command] {
        QMetaObject::invokeMethod(
            this, [this, command] { emit memoryPartStarted(command); },
            Qt::QueuedConnection);
      };
      work(link, sinks, outcome);
      port->Close();
    }
    {
      std::lock_guard<std::mutex> hold(mailbox_lock_);
      delivered_ = std::move(outcome);
    }
    QMetaObject::invokeMethod(this, &TransferRunner::DeliverOutcome,
                              Qt::QueuedConnection);
  }));
  worker_->start();
  return true;
}

void TransferRunner::DeliverStep() {
  std::pair<int, int> step;
  {
    std::lock_guard<std::mutex> hold(mailbox_lock_);
    if (steps_.empty()) return;
    step = steps_.front();
    steps_.pop_front();
  }
  emit progress(step.first, step.second);
}

void TransferRunner::DeliverOutcome() {
  std::optional<TransferOutcome> outcome;
  {
    std::lock_guard<std::mutex> hold(mailbox_lock_);
    outcome.swap(delivered_);
  }
  if (!outcome) return;
  busy_ = false;
  emit finished(*outcome);
}

}  // namespace vrq5::gui
