#include "gui/transfer_runner.h"

#include <QMetaObject>
#include <QPointer>
#include <chrono>

#include "serial/port_choice.h"

namespace vrq5::gui {

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
  TransferOutcome outcome;
  outcome.command = command;
  outcome.result = CommandResult::kFailure;
  outcome.doc = std::make_shared<Document>(doc);
  return Launch(
      std::move(outcome), port_name, receiver,
      [command](Link& link, TransferSinks& sinks, TransferOutcome& out) {
        Transfer transfer(link, *out.doc, sinks);
        out.result = transfer.Run(command);
        out.accepted_model = transfer.accepted_model();
      });
}

bool TransferRunner::StartCheck(int model_index, const Document& doc,
                                const std::string& port_name,
                                radio::SimulatedReceiver& receiver) {
  TransferOutcome outcome;
  outcome.command = UserCommand::kReadAll;
  outcome.result = CommandResult::kFailure;
  outcome.doc = std::make_shared<Document>(doc);
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
  QPointer<TransferRunner> self(this);
  worker_.reset(
      QThread::create([this, self, outcome = std::move(outcome), port_name,
                       &receiver, work = std::move(work)]() mutable {
        {
          std::unique_ptr<SerialPort> port = MakePort(port_name, receiver);
          Link link(*port);
          link.set_cancel_flag(&cancel_);
          TransferSinks sinks;
          sinks.message = [&outcome](const Message& m) {
            outcome.messages.push_back(m);
          };
          // Every exchange reports; the window repaints at most ten times a
          // second, and always for the first and the last step.
          std::chrono::steady_clock::time_point last_sent{};
          sinks.progress = [this, self, &last_sent](int value, int maximum) {
            auto now = std::chrono::steady_clock::now();
            if (value > 0 && value < maximum &&
                now - last_sent < std::chrono::milliseconds(100)) {
              return;
            }
            last_sent = now;
            QMetaObject::invokeMethod(
                this,
                [self, value, maximum] {
                  if (self) emit self->progress(value, maximum);
                },
                Qt::QueuedConnection);
          };
          work(link, sinks, outcome);
          port->Close();
        }
        QMetaObject::invokeMethod(
            this,
            [self, outcome] {
              if (!self) return;
              self->busy_ = false;
              emit self->finished(outcome);
            },
            Qt::QueuedConnection);
      }));
  worker_->start();
  return true;
}

}  // namespace vrq5::gui
