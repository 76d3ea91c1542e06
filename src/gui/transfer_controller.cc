#include "gui/transfer_controller.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

#include "codec/tables.h"
#include "gui/changes_dialog.h"
#include "gui/controls.h"
#include "gui/port_dialog.h"
#include "gui/prompts.h"
#include "gui/window_settings.h"
#include "gui/write_check_dialog.h"
#include "gui/write_steps_dialog.h"
#include "link/port_file.h"
#include "serial/qt_serial_port.h"
#include "store/bank_rules.h"
#include "store/write_check.h"

namespace vrq5::gui {

TransferController::TransferController(Document& doc, Prompts& prompts,
                                       WindowSettings& settings,
                                       std::filesystem::path port_folder,
                                       QWidget* window)
    : QObject(window),
      doc_(doc),
      prompts_(prompts),
      settings_(settings),
      port_folder_(std::move(port_folder)),
      window_(window),
      port_name_(LoadPortName(port_folder_)) {
  runner_ = new TransferRunner(this);
  connect(runner_, &TransferRunner::progress, this,
          &TransferController::ShowProgress);
  connect(runner_, &TransferRunner::memoryPartStarted, this,
          &TransferController::memoryPartStarted);
  connect(runner_, &TransferRunner::finished, this,
          [this](const TransferOutcome& outcome) {
            // A safe write's plan that says write: the changes are shown
            // (when wanted) and the write goes on, the controls still
            // locked.
            if (outcome.planned && outcome.plan == radio::PlanResult::kWrite &&
                WriteConfirmed(*outcome.safe)) {
              runner_->StartWrite(outcome.safe, outcome.command, doc_,
                                  port_name_, SimulatedReceiver());
              return;
            }
            SetControlsEnabled(true);
            emit finished(outcome);
          });
}

TransferController::~TransferController() {
  // The worker may use the simulated receiver, which goes before the
  // runner (a child) does: it ends first.
  runner_->Cancel();
  runner_->Wait();
}

void TransferController::AddToStatusBar(QStatusBar* status) {
  progress_ = new QProgressBar(status);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setMaximumWidth(FontSized(progress_, 43, 0).width());
  progress_->setAccessibleName(Text("Transfer progress"));
  time_left_ = new QLabel(status);
  time_left_->setObjectName(QStringLiteral("lblTimeLeft"));
  cancel_ = Button("cmdCancel", Tr("&Cancel"), status);
  connect(cancel_, &QPushButton::clicked, this, &TransferController::Cancel);
  status->addPermanentWidget(time_left_);
  status->addPermanentWidget(progress_);
  status->addPermanentWidget(cancel_);
  progress_->hide();
  time_left_->hide();
  cancel_->hide();
}

QPushButton* TransferController::MakeButton(QWidget* parent, const char* name,
                                            const char* text,
                                            UserCommand command) {
  QPushButton* button = Button(name, text, parent);
  connect(button, &QPushButton::clicked, this,
          [this, command] { emit runRequested(command); });
  controls_.push_back(button);
  return button;
}

QHBoxLayout* TransferController::MakeButtonRow(
    QWidget* parent, std::initializer_list<ButtonItem> items) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (const ButtonItem& item : items) {
    row->addWidget(MakeButton(parent, item.name, item.text, item.command));
  }
  return row;
}

void TransferController::AddToolItems(QMenu* tools) {
  struct Item {
    const char* name;
    const char* text;
    UserCommand command;
  };
  auto submenu = [&](const char* name, const char* text,
                     std::initializer_list<Item> items) {
    QMenu* menu = tools->addMenu(Text(text));
    menu->setObjectName(QString::fromLatin1(name));
    for (const Item& item : items) {
      QAction* a = Action(window_, item.name, item.text);
      menu->addAction(a);
      actions_.push_back(a);
      UserCommand command = item.command;
      connect(a, &QAction::triggered, this,
              [this, command] { emit runRequested(command); });
    }
    menus_.push_back(menu);
  };
  submenu("mnuRe", Tr("Read(&R)"),
          {{"mnuReSet", Tr("Settings(&S)"), UserCommand::kReadSettings},
           {"mnuReMem", Tr("Memory(&M)"), UserCommand::kRead},
           {"mnuReAll", Tr("ALL(&A)"), UserCommand::kReadAll},
           {"mnuReQuick", Tr("Channels in use(&U)"), UserCommand::kReadQuick}});
  submenu("mnuWr", Tr("Write(&W)"),
          {{"mnuWrSet", Tr("Settings(&S)"), UserCommand::kWriteSettings},
           {"mnuWrMem", Tr("Memory(&M)"), UserCommand::kWrite},
           {"mnuWrAll", Tr("ALL(&A)"), UserCommand::kWriteAll}});
  QAction* check = Action(window_, "mnuCheck", Tr("Check Connection(&K)"));
  tools->addAction(check);
  actions_.push_back(check);
  connect(check, &QAction::triggered, this, &TransferController::Check);
  QAction* options =
      Action(window_, "mnuToolsOptions", Tr("COM Port Setup(&C)"));
  tools->addAction(options);
  actions_.push_back(options);
  connect(options, &QAction::triggered, this, &TransferController::ChoosePort);
  QAction* steps = Action(window_, "mnuToolsWriteSteps", Tr("Options(&O)..."));
  tools->addAction(steps);
  actions_.push_back(steps);
  connect(steps, &QAction::triggered, this,
          &TransferController::ChooseWriteSteps);
}

void TransferController::ChooseWriteSteps() {
  WriteStepsDialog dialog(settings_.SafeWriteSteps(), window_);
  if (prompts_.RunDialog(&dialog) == QDialog::Accepted) {
    settings_.SetSafeWriteSteps(dialog.Steps());
  }
}

void TransferController::SetControlsEnabled(bool enabled) {
  for (QWidget* w : controls_) w->setEnabled(enabled);
  for (QMenu* m : menus_) m->menuAction()->setEnabled(enabled);
  // The actions themselves too, so that their shortcuts wait as well.
  for (QAction* a : actions_) a->setEnabled(enabled);
  idle_ = enabled;
  emit busyChanged(!enabled);
  progress_->setVisible(!enabled);
  time_left_->setVisible(!enabled);
  cancel_->setVisible(!enabled);
}

bool TransferController::Ready() {
  if (runner_->Busy()) {
    prompts_.Show(window_, ErrorMessage(kMsgTransferRunning));
    return false;
  }
  if (port_name_.empty()) {
    prompts_.Show(window_, ErrorMessage("COM Port Error"));
    return false;
  }
  return true;
}

bool TransferController::MayStart(UserCommand command) {
  return Ready() && (!IsWriteCommand(command) || CheckBeforeWriting(command));
}

bool TransferController::CheckBeforeWriting(UserCommand command) {
  const std::vector<Finding> findings =
      CheckBeforeWrite(doc_, WriteScopeOf(command));
  if (findings.empty() ||
      (!HasError(findings) && settings_.WriteWarningsHidden())) {
    return true;
  }
  WriteCheckDialog dialog(findings, window_);
  const int result = prompts_.RunDialog(&dialog);
  if (dialog.errors()) return false;
  if (dialog.HideWarnings()) settings_.SetWriteWarningsHidden(true);
  return result == QDialog::Accepted;
}

void TransferController::ShowStarting(bool counted) {
  // A check has no steps to count: the bar shows that it is busy.
  progress_->setRange(0, counted ? 1 : 0);
  progress_->setValue(0);
  time_left_->clear();
  pace_ = TransferPace();
  SetControlsEnabled(false);
}

void TransferController::Start(UserCommand command) {
  radio::SimulatedReceiver& receiver = SimulatedReceiver();
  ShowStarting(true);
  const WindowSettings::WriteSteps steps = settings_.SafeWriteSteps();
  if (!IsWriteCommand(command) || (!steps.snapshot && !steps.verify)) {
    runner_->Start(command, doc_, port_name_, receiver);
    return;
  }
  radio::SafeWriteOptions options;
  options.snapshot = steps.snapshot;
  options.verify = steps.verify;
  auto safe = std::make_shared<radio::SafeWrite>(doc_, command, options);
  if (steps.snapshot) {
    runner_->StartPlan(safe, command, doc_, port_name_, receiver);
  } else {
    runner_->StartWrite(safe, command, doc_, port_name_, receiver);
  }
}

bool TransferController::WriteConfirmed(const radio::SafeWrite& safe) {
  if (!settings_.SafeWriteSteps().show_changes || !safe.previewed()) {
    return true;
  }
  ChangesDialog dialog(safe.changes(), window_);
  return prompts_.RunDialog(&dialog) == QDialog::Accepted;
}

void TransferController::Check() {
  if (!Ready()) return;
  radio::SimulatedReceiver& receiver = SimulatedReceiver();
  ShowStarting(false);
  runner_->StartCheck(doc_.ModelIndex, doc_, port_name_, receiver);
}

radio::SimulatedReceiver& TransferController::SimulatedReceiver() {
  if (!sim_receiver_ || sim_receiver_->model_index() != doc_.ModelIndex) {
    sim_receiver_ = std::make_unique<radio::SimulatedReceiver>(doc_.ModelIndex);
  }
  return *sim_receiver_;
}

void TransferController::ShowProgress(int value, int maximum) {
  if (!pace_.Step(value, maximum)) return;
  progress_->setRange(0, std::max(1, maximum));
  progress_->setValue(value);
  const int left = pace_.SecondsLeft();
  if (left > 0) {
    time_left_->setText(Text("%1 s left").arg(left));
  } else {
    time_left_->clear();
  }
}

bool TransferController::StopFirst() {
  if (!runner_->Busy()) return true;
  if (prompts_.Ask(window_, StopTransferQuestion(), Buttons::kOkCancel) ==
      Answer::kCancel) {
    return false;
  }
  // The transfer may have ended while the question was open.
  runner_->Cancel();
  Wait();
  return true;
}

void TransferController::Wait() {
  while (runner_->Busy()) {
    runner_->Wait();
    QCoreApplication::sendPostedEvents(runner_);
    QApplication::processEvents();
  }
}

void TransferController::ChoosePort() {
  PortDialog dialog(port_name_, window_);
  if (prompts_.RunDialog(&dialog) != QDialog::Accepted) return;
  std::string chosen = dialog.Chosen();
  if (chosen.empty() || chosen == port_name_) return;
  port_name_ = chosen;
  chosen_port_ = chosen;
  SavePortName(port_folder_, port_name_);
  port_file_after_choice_ = LoadPortName(port_folder_);
  emit portChanged();
}

void TransferController::KeepPortChoice() {
  if (PortFileNeedsRewrite(chosen_port_, port_file_after_choice_,
                           LoadPortName(port_folder_))) {
    SavePortName(port_folder_, chosen_port_);
  }
}

int TransferController::ShowVerdict(const ConnectionReport& report) {
  std::vector<std::string> ports;
  for (const SerialPortInfo& info : ListSerialPorts()) {
    ports.push_back(info.name);
  }
  // The headline in the interface's language, the details as they are.
  const std::string headline =
      VerdictHeadline(report.verdict, report.simulated);
  QString shown = CoreText(headline) + QStringLiteral("\n") +
                  CoreText(VerdictDetails(report, port_name_, ports));
  Message m{
      shown.toStdString(), Text("Check Connection").toStdString(),
      report.ok() ? Message::Icon::kInformation : Message::Icon::kCritical};
  if (report.verdict != Verdict::kOtherModel || report.answered_model < 0) {
    prompts_.Show(window_, m);
    return -1;
  }
  const int model = report.answered_model;
  m.text += "\r\n\r\n" + Text("Switch to the model %1?")
                             .arg(QString::fromLatin1(ModelName[model].data()))
                             .toStdString();
  m.icon = Message::Icon::kWarning;
  if (prompts_.Ask(window_, m, Buttons::kYesNo) != Answer::kYes) return -1;
  return model;
}

}  // namespace vrq5::gui
