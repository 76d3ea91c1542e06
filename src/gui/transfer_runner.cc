#include "gui/transfer_runner.h"

#include <QMetaObject>
#include <QPointer>

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
  if (worker_.joinable()) worker_.join();
}

bool TransferRunner::Start(UserCommand command, const Document& doc,
                           const std::string& port_name,
                           radio::SimulatedReceiver& receiver) {
  if (busy_) return false;
  Wait();  // the previous worker has delivered its outcome
  busy_ = true;
  cancel_ = false;
  auto copy = std::make_shared<Document>(doc);
  QPointer<TransferRunner> self(this);
  worker_ = std::thread([this, self, command, copy, port_name, &receiver] {
    TransferOutcome outcome{command, CommandResult::kFailure, {}, copy};
    {
      std::unique_ptr<SerialPort> port = MakePort(port_name, receiver);
      Link link(*port);
      link.set_cancel_flag(&cancel_);
      TransferSinks sinks;
      sinks.message = [&outcome](const Message& m) {
        outcome.messages.push_back(m);
      };
      sinks.progress = [this, self](int value, int maximum) {
        QMetaObject::invokeMethod(
            this,
            [self, value, maximum] {
              if (self) emit self->progress(value, maximum);
            },
            Qt::QueuedConnection);
      };
      Transfer transfer(link, *copy, sinks);
      outcome.result = transfer.Run(command);
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
  });
  return true;
}

}  // namespace vrq5::gui
