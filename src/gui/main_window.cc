#include "gui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <functional>

#include "codec/tables.h"
#include "files/clone_file.h"
#include "files/utf8_path.h"
#include "gui/about_dialog.h"
#include "gui/bank_page.h"
#include "gui/channel_map_dialog.h"
#include "gui/controls.h"
#include "gui/csv_commands.h"
#include "gui/edit_dialog.h"
#include "gui/file_drop.h"
#include "gui/memory_page.h"
#include "gui/note_text.h"
#include "gui/print_commands.h"
#include "gui/recent_files_menu.h"
#include "gui/settings_pages.h"
#include "gui/snapshots_dialog.h"
#include "gui/status_bar.h"
#include "gui/tab_strip.h"
#include "gui/tool_bar.h"
#include "gui/transfer_controller.h"
#include "gui/vfo_grid.h"
#include "gui/window_settings.h"
#include "link/port_file.h"
#include "link/transfer_pages.h"
#include "store/bank_rules.h"

namespace vrq5::gui {

namespace {

constexpr int kTabCount = 4;

}  // namespace

MainWindow::MainWindow(Prompts& prompts, Options options, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), options_(std::move(options)) {
  if (options_.placement_file.isEmpty()) {
    options_.placement_file =
        QString::fromStdString(PathToUtf8(ConfigFolder() / "vrq5-clone.conf"));
  }
  settings_ = std::make_unique<WindowSettings>(options_.placement_file);
  setObjectName(QStringLiteral("frmMain"));
  connect(new FileDrop(this), &FileDrop::dropped, this,
          &MainWindow::OpenDroppedFile);
  history_ = new History(
      doc_,
      [this](bool rest_changed) {
        rest_changed ? ShowDocument() : UpDateMemData();
      },
      this);
  transfer_ = new TransferController(doc_, prompts_, *settings_,
                                     options_.port_folder, this);
  connect(transfer_, &TransferController::runRequested, this,
          &MainWindow::RunTransfer);
  connect(transfer_, &TransferController::busyChanged, this, [this](bool busy) {
    UpdateUndoActions();
    tab_strip_->setEnabled(!busy);
    frames_->currentWidget()->setEnabled(!busy);
  });
  connect(transfer_, &TransferController::finished, this,
          &MainWindow::TransferFinished);
  connect(transfer_, &TransferController::memoryPartStarted, this,
          [this](UserCommand command) {
            ShowPage(PageWhenMemoryStarts(doc_, command, CurrentTab()));
          });
  connect(transfer_, &TransferController::portChanged, this,
          &MainWindow::UpdateStatus);
  csv_ = new CsvCommands(doc_, prompts_, this);
  connect(csv_, &CsvCommands::imported, this,
          [this](const QString& label, bool whole_document) {
            Changed(label, whole_document ? Refresh::kAll : Refresh::kMemory);
            if (whole_document) SelectRow(1);
          });
  BuildPages();
  print_ = new PrintCommands(doc_, prompts_, *memory_page_, this);
  BuildMenus();
  connect(history_, &History::changed, this, [this] {
    UpdateUndoActions();
    UpdateTitle();
  });
  edit_dialog_ = new EditDialog(doc_, prompts_, this);
  connect(edit_dialog_, &EditDialog::stored, this, [this](int slot) {
    Changed(Text("Edit %1").arg(
                QString::fromStdString(RowName(doc_.SlotLabel(slot), slot))),
            Refresh::kMemory);
  });
  connect(edit_dialog_, &EditDialog::vfoStored, this,
          [this](int) { Changed(Text("Edit VFO band"), Refresh::kVfo); });
  UpdateTitle();
  UpdateStatus();
  settings_->RestorePlacement(this);
  SelectRow(1);
  TabStrip1_Click(CurrentTab());
}

MainWindow::~MainWindow() {
  // The worker may use the simulated receiver: it ends first.
  transfer_->Cancel();
  transfer_->Wait();
}

void MainWindow::Changed(const QString& undo_label, Refresh refresh) {
  if (refresh == Refresh::kStatus) UpdateStatus();
  if (refresh == Refresh::kVfo) UpdateVFOData();
  if (refresh == Refresh::kMemory) UpDateMemData();
  if (refresh == Refresh::kAll) ShowDocument();
  history_->Record(undo_label);
}

void MainWindow::BuildPages() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(0);
  tab_strip_ = MakeTabStrip(central, this);
  frames_ = new QStackedWidget(central);
  frames_->setFrameShape(QFrame::StyledPanel);
  for (int t = 0; t < kTabCount; ++t) {
    QWidget* frame;
    if (t == kTabMemory - 1) {
      // The Memory tab: the grid, its buttons and the row commands.
      memory_page_ = new MemoryPage(doc_, prompts_, *transfer_, frames_);
      frame = memory_page_;
    } else {
      frame = new QWidget(frames_);
      frame->setObjectName(QStringLiteral("Frame1_%1").arg(t));
    }
    frames_->addWidget(frame);
  }
  layout->addWidget(tab_strip_);
  layout->addWidget(frames_, 1);
  setCentralWidget(central);
  connect(tab_strip_, &QTabBar::currentChanged, this,
          [this](int index) { TabStrip1_Click(index + 1); });
  memory_page_->SetTab([this] { return CurrentTab() == kTabMemory; },
                       [this] { tab_strip_->setCurrentIndex(kTabMemory - 1); });
  connect(memory_page_, &MemoryPage::rowOpened, this,
          &MainWindow::MSFlexGrid1_DblClick);
  connect(memory_page_, &MemoryPage::documentChanged, this,
          [this](const QString& label) { Changed(label, Refresh::kMemory); });

  // Settings 1 page: the VFO bands under "Band Plan Editor".
  QWidget* settings1 = frames_->widget(kTabSettings1 - 1);
  vfo_grid_ = new VfoGrid(doc_, settings1,
                          [this](int row) { MSFlexGrid2_DblClick(row); });
  auto* band_plan = new QLabel(Text("Band Plan Editor"), settings1);
  band_plan->setObjectName(QStringLiteral("lblBandPlan"));
  auto* band_plan_layout = new QVBoxLayout;
  band_plan_layout->addWidget(band_plan);
  band_plan_layout->addWidget(vfo_grid_);
  band_plan_layout->addLayout(transfer_->MakeButtonRow(
      settings1,
      {{"cmbRxData1", Tr("&Read Settings"), UserCommand::kReadSettings},
       {"cmbTxData1", Tr("&Write Settings"), UserCommand::kWriteSettings}}));
  QWidget* settings2 = frames_->widget(kTabSettings2 - 1);
  settings_pages_ =
      new SettingsPages(doc_, settings1, settings2, band_plan_layout);
  if (auto* grid2 = qobject_cast<QGridLayout*>(settings2->layout())) {
    grid2->addLayout(transfer_->MakeButtonRow(
                         settings2, {{"cmbRxData2", Tr("&Read Settings"),
                                      UserCommand::kReadSettings},
                                     {"cmbTxData2", Tr("&Write Settings"),
                                      UserCommand::kWriteSettings}}),
                     8, 0, 1, -1);  // to the last column the groups take
  }
  connect(settings_pages_, &SettingsPages::changed, this,
          [this] { Changed(Text("Settings"), Refresh::kNothing); });
  connect(settings_pages_, &SettingsPages::modelClicked, this,
          &MainWindow::opbModel_Click);

  // Bank page.
  QWidget* bank = frames_->widget(kTabBank - 1);
  bank_page_ = new BankPage(doc_, prompts_, bank);
  connect(bank_page_, &BankPage::changed, this,
          [this] { Changed(Text("Bank page"), Refresh::kStatus); });
  auto* bank_layout = new QVBoxLayout(bank);
  bank_layout->setContentsMargins(0, 0, 0, 0);
  bank_layout->addWidget(bank_page_);
  QHBoxLayout* bank_buttons = transfer_->MakeButtonRow(
      bank, {{"cmbReadBank", Tr("&Read Bank"), UserCommand::kReadBank},
             {"cmbWriteBank", Tr("&Write Bank"), UserCommand::kWriteBank},
             {"cmdReadGroup", Tr("Read &Group"), UserCommand::kReadGroup},
             {"cmdWriteGroup", Tr("Write Grou&p"), UserCommand::kWriteGroup}});
  bank_buttons->setContentsMargins(9, 0, 9, 9);
  bank_layout->addLayout(bank_buttons);
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(Text("File(&F)"));
  file->setObjectName(QStringLiteral("mnuFile"));
  // New, Open and Exit stay enabled while a transfer runs (they ask to
  // stop it); the other file commands wait for its end.
  auto add = [this, file](const char* name, const char* text,
                          const QKeySequence& key, std::function<void()> run,
                          bool locked = true) {
    QAction* a = AddAction(this, file, name, text, key, std::move(run));
    if (locked) transfer_->LockActionWhileBusy(a);
    return a;
  };
  QAction* file_new = add(
      "mnuFileNew", Tr("New(&N)"), QKeySequence::New, [this] { NewData(); },
      false);
  QAction* open = add(
      "mnuFileOpen", Tr("Open(&O)..."), QKeySequence::Open,
      [this] { mnuFileOpen_Click(); }, false);
  QAction* save = add("mnuFileSave", Tr("Save(&S)"), QKeySequence::Save,
                      [this] { mnuFileSave_Click(); });
  add("mnuFileSaveAs", Tr("Save As(&A)..."), QKeySequence::SaveAs,
      [this] { mnuFileSaveAs_Click(); });
  file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
  add("mnuImport", Tr("Import(&I)..."), {}, [this] { csv_->Import(); });
  add("mnuExport", Tr("Export(&E)..."), {}, [this] { csv_->Export(); });
  add("mnuImportChannels", Tr("Import Channel List(&L)..."), {},
      [this] { csv_->ImportChannelList(CurrentRow()); });
  add("mnuExportChannels", Tr("Export Channel List(&H)..."), {},
      [this] { csv_->ExportChannelList(); });
  add("mnuSnapshots", Tr("Receiver Snapshots(&R)..."), {},
      [this] { ShowSnapshots(); });
  file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar1"));
  recent_menu_ = new RecentFilesMenu(*settings_, file);
  file->addMenu(recent_menu_);
  connect(recent_menu_, &RecentFilesMenu::openRequested, this,
          &MainWindow::OpenRecent);
  transfer_->LockMenuWhileBusy(recent_menu_);
  add("mnuFilePrint", Tr("Print(&P)..."), QKeySequence::Print,
      [this] { print_->Print(); });
  add("mnuFilePrintPreview", Tr("Print Preview(&V)..."), {},
      [this] { print_->Preview(); });
  add("mnuFileExportPdf", Tr("Export PDF(&D)..."), {},
      [this] { print_->ExportPdf(); });
  add("mnuFilePageSetup", Tr("Print Setup(&U)..."), {},
      [this] { prompts_.PageSetup(this); });
  add(
      "mnuFileExit", Tr("Exit(&X)..."), QKeySequence::Quit, [this] { close(); },
      false);

  QMenu* edit = menuBar()->addMenu(Text("Edit(&E)"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  BuildEditMenu(edit);

  QMenu* view = menuBar()->addMenu(Text("View(&V)"));
  view->setObjectName(QStringLiteral("mnuView"));
  QAction* show_toolbar = Action(this, "mnuViewToolbar", Tr("Tool Bar(&T)"));
  QAction* show_status = Action(this, "mnuStatusBar", Tr("Status Bar(&S)"));
  for (QAction* a : {show_toolbar, show_status}) {
    a->setCheckable(true);
    a->setChecked(true);
    view->addAction(a);
  }
  view->addSeparator();
  AddAction(this, view, "mnuChannelMap", Tr("Channel Map(&M)..."), {},
            [this] { ShowChannelMap(); });

  QMenu* tools = menuBar()->addMenu(Text("Tool(&T)"));
  tools->setObjectName(QStringLiteral("mnuTool"));
  transfer_->AddToolItems(tools);
  QMenu* help_menu = menuBar()->addMenu(Text("Help(&H)"));
  help_menu->setObjectName(QStringLiteral("mnuHelp"));
  AddAction(this, help_menu, "mnuHelpGuide", Tr("User Guide(&G)"),
            QKeySequence::HelpContents,
            [this] { AboutDialog::ShowUserGuide(prompts_, this); });
  AddAction(this, help_menu, "mnuHelpAbout", Tr("About(&A)"), {},
            [this] { AboutDialog::Open(this); });
  transfer_->LockMenuWhileBusy(edit);
  transfer_->LockMenuWhileBusy(tools);

  auto* toolbar = new ToolBar({file_new, open, save, undo_, redo_}, this);
  addToolBar(toolbar);
  transfer_->LockActionWhileBusy(toolbar->save_button());
  undo_button_ = toolbar->undo_button();
  redo_button_ = toolbar->redo_button();
  connect(toolbar->help_button(), &QAction::triggered, this,
          [this] { AboutDialog::Open(this); });
  connect(show_toolbar, &QAction::toggled, toolbar, &QWidget::setVisible);
  status_ = new StatusBar(this);
  setStatusBar(status_);
  transfer_->AddToStatusBar(status_);
  connect(show_status, &QAction::toggled, status_, &QWidget::setVisible);
}

void MainWindow::BuildEditMenu(QMenu* edit) {
  mnuEditUndo_ = AddAction(this, edit, "mnuEditUndo", Tr("Modify(&M)"), {},
                           [this] { mnuEditUndo_Click(); });
  transfer_->LockActionWhileBusy(mnuEditUndo_);
  edit->addSeparator();
  memory_page_->AddRowActions(edit);
  edit->addSeparator();
  undo_ = AddAction(this, edit, "mnuUndo", Tr("Undo(&U)"), QKeySequence::Undo,
                    [this] { Undo(); });
  redo_ =
      AddAction(this, edit, "mnuRedo", Tr("Redo(&R)"), {}, [this] { Redo(); });
  // Ctrl+Y besides the platform's own redo keys (which may hold it).
  QList<QKeySequence> redo_keys = QKeySequence::keyBindings(QKeySequence::Redo);
  const QKeySequence ctrl_y(Qt::CTRL | Qt::Key_Y);
  if (!redo_keys.contains(ctrl_y)) redo_keys.prepend(ctrl_y);
  redo_->setShortcuts(redo_keys);
}

void MainWindow::StartUp(const std::string& command_line_file) {
  // The model chosen last: a clone file does not name its model.
  int model = settings_->Model();
  if (model > 0 && model < kModelCount && model != doc_.opbModel) {
    doc_.SelectModel(model);
    ShowDocument();
  }
  if (!command_line_file.empty()) {
    OpenNamedFile(QString::fromStdString(command_line_file));
  }
  doc_.DataChanged = 0;
  history_->Reset();
}

// ----- the document on the pages -----

void MainWindow::ShowDocument() {
  bank_page_->ShowDocument();
  settings_pages_->ShowDocument();
  UpdateVFOData();
  UpDateMemData();
  memory_page_->FitNoteColumn();
  UpdateTitle();
}

void MainWindow::UpDateMemData() {
  memory_page_->Refill();
  UpdateStatus();
  if (map_dialog_) map_dialog_->Refresh();
}

void MainWindow::UpdateVFOData() { vfo_grid_->ShowAll(); }

void MainWindow::UpdateTitle() {
  // "[*]": where the desktop marks unsaved changes.
  setWindowTitle(CoreText(WindowTitle(doc_)) + QStringLiteral("[*]"));
  setWindowModified(doc_.DataChanged != 0);
}

void MainWindow::UpdateStatus() { status_->ShowState(doc_, port_name()); }

int MainWindow::CurrentRow() const { return memory_page_->CurrentRow(); }
void MainWindow::SelectRow(int row) { memory_page_->SelectRow(row); }
std::vector<int> MainWindow::SelectedRows() const {
  return memory_page_->SelectedRows();
}
void MainWindow::SelectRows(const std::vector<int>& rows) {
  memory_page_->SelectRows(rows);
}

int MainWindow::CurrentTab() const { return tab_strip_->currentIndex() + 1; }

void MainWindow::ShowPage(int tab) {
  if (tab != CurrentTab()) tab_strip_->setCurrentIndex(tab - 1);
}

// ----- tabs and the grids -----

void MainWindow::TabStrip1_Click(int tab) {
  bank_page_->LeaveEditedBox();  // a size still being typed counts first
  TabChange change = ChangeTab(doc_, tab);
  if (change.message && !total_warning_shown_) {
    prompts_.Show(this, *change.message);
    total_warning_shown_ = true;
    tab_strip_->setCurrentIndex(kTabBank - 1);  // runs this handler again
    total_warning_shown_ = false;
  } else if (change.tab != tab) {
    QSignalBlocker block(tab_strip_);
    tab_strip_->setCurrentIndex(change.tab - 1);
  }
  int target = change.tab;
  // A page shown while a transfer runs stays locked as the others.
  for (int t = 1; t <= kTabCount; ++t) {
    frames_->widget(t - 1)->setEnabled(t == target && transfer_->Idle());
  }
  frames_->setCurrentIndex(target - 1);
  mnuEditUndo_->setEnabled(ModifyEnabledOn(target));
  if (target == kTabMemory) {
    doc_.LayoutMemoryRows();
    UpDateMemData();
  }
}

void MainWindow::MSFlexGrid1_DblClick(int row) {
  if (row < 1 || row > kSlotCount) return;
  SelectRow(row);
  edit_dialog_->OpenMemory(row);
}

void MainWindow::MSFlexGrid2_DblClick(int row) {
  if (row < 1 || row > kVfoBands) return;
  vfo_grid_->selectRow(row - 1);
  edit_dialog_->OpenVfo(row);
}

void MainWindow::mnuEditUndo_Click() {
  if (CurrentTab() == kTabMemory && CurrentRow() > 0) {
    MSFlexGrid1_DblClick(CurrentRow());
  } else if (CurrentTab() == kTabSettings1) {
    MSFlexGrid2_DblClick(std::max(1, vfo_grid_->CurrentRow()));
  }
}

// ----- files -----

void MainWindow::ReportFile(FileStatus status, const std::string& reason) {
  ShowFileStatus(prompts_, this, status, reason);
}

bool MainWindow::AskToSave() {
  if (doc_.DataChanged != -1) return true;
  switch (prompts_.Ask(this, SaveChangesQuestion(), Buttons::kYesNoCancel)) {
    case Answer::kYes:
      // Unsaved work is given up only for a save that completed.
      return mnuFileSave_Click();
    case Answer::kNo:
      return true;
    default:
      return false;
  }
}

bool MainWindow::SaveTo(bool ask_name) {
  QString path = QString::fromStdString(doc_.CurrentFileName);
  if (ask_name || path.isEmpty()) {
    path = prompts_.SaveFileName(this, CloneFileDialog(Text("Save As")));
    if (path.isEmpty()) return false;
  }
  if (!opened_file_.MayOverwrite(path, prompts_, this)) return false;
  std::string reason;
  FileStatus status = SaveCloneFile(doc_, path.toStdString(), &reason);
  // The encoders may have clipped the bank sizes.
  bank_page_->ShowDocument();
  if (status == FileStatus::kOk) {
    history_->MarkSaved();
    opened_file_.Keep(path);
    recent_menu_->Remember(path);
  }
  ReportFile(status, reason);
  UpdateTitle();
  return status == FileStatus::kOk;
}

bool MainWindow::mnuFileSave_Click() { return SaveTo(false); }

bool MainWindow::mnuFileSaveAs_Click() { return SaveTo(true); }

bool MainWindow::NewData() {
  if (!transfer_->StopFirst() || !AskToSave()) return false;
  doc_.NewData();
  history_->Reset();
  ShowDocument();
  return true;
}

void MainWindow::mnuFileNew_Click() { NewData(); }

void MainWindow::opbModel_Click(int member) {
  // A running transfer is stopped first: it uses the old model's receiver
  // and would bring back the old document. The new model's defaults
  // replace the document: it asks first, and a cancel (or a "Yes" whose
  // save did not complete) keeps the old model.
  if (member == doc_.opbModel || transfer_->StopFirst()) {
    doc_.DataChanged = -1;
    if (member != doc_.opbModel && AskToSave()) {
      doc_.SelectModel(member);
      RememberModel();
      Changed(Text("Model change"), Refresh::kAll);
    }
  }
  // The buttons show the document's model, whatever was decided.
  settings_pages_->SelectModel(doc_.opbModel);
  UpdateTitle();
}

void MainWindow::RememberModel() {
  if (doc_.opbModel < 0 || doc_.opbModel >= kModelCount) return;
  settings_->SetModel(doc_.opbModel);
}

void MainWindow::mnuFileOpen_Click() {
  if (!transfer_->StopFirst() || !AskToSave()) return;
  QString path = prompts_.OpenFileName(this, CloneFileDialog(Text("Open")));
  if (path.isEmpty()) return;
  FileStatus status = OpenCloneFile(doc_, path.toStdString());
  if (status != FileStatus::kOk) {
    ReportFile(status);
    return;
  }
  Opened(path);
}

bool MainWindow::OpenNamedFile(const QString& path) {
  FileStatus status = vrq5::OpenNamedFile(doc_, path.toStdString());
  if (status != FileStatus::kOk) {
    ReportFile(status);
    return false;
  }
  Opened(path);
  return true;
}

void MainWindow::Opened(const QString& path) {
  history_->Reset();
  opened_file_.Keep(path);
  recent_menu_->Remember(path);
  ShowDocument();
  SelectRow(1);
}

// ----- recent files and dropped files -----

QStringList MainWindow::RecentFiles() const { return settings_->RecentFiles(); }

void MainWindow::OpenRecent(const QString& path) {
  if (!transfer_->StopFirst() || !AskToSave()) return;
  // A file that is gone (or no longer a clone file) leaves the list.
  if (!OpenNamedFile(path)) recent_menu_->Forget(path);
}

void MainWindow::ShowSnapshots() {
  QString path;
  const auto choice = SnapshotsDialog::Ask(prompts_, this, &path);
  if (choice == SnapshotsDialog::Choice::kNone || !transfer_->StopFirst() ||
      !AskToSave() || !OpenNamedFile(path)) {
    return;
  }
  // Write Back: Write > ALL with the steps the options leave on.
  if (choice == SnapshotsDialog::Choice::kWriteBack) {
    RunTransfer(UserCommand::kWriteAll);
  }
}

void MainWindow::OpenDroppedFile(const QString& path) {
  if (QFileInfo(path).suffix().toLower() == QStringLiteral("csv")) {
    // An import merges onto the document: a transfer must not bring its
    // own back over it.
    if (transfer_->Busy()) {
      prompts_.Show(this, ErrorMessage(kMsgTransferRunning));
      return;
    }
    csv_->ImportFile(path);
    return;
  }
  if (!transfer_->StopFirst() || !AskToSave()) return;
  OpenNamedFile(path);
}

// ----- the channel map -----

void MainWindow::ShowChannelMap() {
  if (!map_dialog_) {
    map_dialog_ = new ChannelMapDialog(doc_, prompts_, this);
    connect(map_dialog_, &ChannelMapDialog::rowClicked, this, [this](int row) {
      ShowPage(kTabMemory);
      if (CurrentTab() == kTabMemory) SelectRow(row);
    });
  }
  map_dialog_->ShowMap();
}

bool MainWindow::SaveChannelMap() {
  return map_dialog_ != nullptr && map_dialog_->SaveAsPng();
}

// ----- undo -----

void MainWindow::Undo() { StepHistory(&History::Undo); }
void MainWindow::Redo() { StepHistory(&History::Redo); }

void MainWindow::StepHistory(void (History::*step)()) {
  if (!transfer_->Idle()) return;
  edit_dialog_->hide();
  (history_->*step)();
}

void MainWindow::UpdateUndoActions() {
  if (!undo_) return;
  bool can_undo = transfer_->Idle() && history_->CanUndo();
  bool can_redo = transfer_->Idle() && history_->CanRedo();
  undo_->setEnabled(can_undo);
  redo_->setEnabled(can_redo);
  if (undo_button_) undo_button_->setEnabled(can_undo);
  if (redo_button_) redo_button_->setEnabled(can_redo);
  undo_->setText(can_undo
                     ? Text("Undo %1(&U)").arg(history_->stack().undoText())
                     : Text("Undo(&U)"));
  redo_->setText(can_redo
                     ? Text("Redo %1(&R)").arg(history_->stack().redoText())
                     : Text("Redo(&R)"));
}

// ----- transfers -----

const std::string& MainWindow::port_name() const {
  return transfer_->port_name();
}

void MainWindow::set_port_name(const std::string& name) {
  transfer_->set_port_name(name);
  UpdateStatus();
}

bool MainWindow::TransferRunning() const { return transfer_->Busy(); }
void MainWindow::CancelTransfer() { transfer_->Cancel(); }
void MainWindow::WaitForTransfer() { transfer_->Wait(); }
radio::SimulatedReceiver& MainWindow::SimulatedReceiver() {
  return transfer_->SimulatedReceiver();
}

void MainWindow::RunTransfer(UserCommand command) {
  if (!transfer_->MayStart(command)) return;
  ShowPage(PageBeforeTransfer(command, CurrentTab()));
  transfer_->Start(command);
}

void MainWindow::CheckConnection() { transfer_->Check(); }

void MainWindow::TransferFinished(const TransferOutcome& outcome) {
  if (outcome.check) {
    TabStrip1_Click(CurrentTab());
    const int model = transfer_->ShowVerdict(outcome.report);
    if (model >= 0) opbModel_Click(model);
    return;
  }
  // A read that did not succeed changed nothing: the document, its pages
  // and the undo history stay as they were.
  // A safe write's plan that ended it wrote nothing either.
  const bool changed = (IsWriteCommand(outcome.command) && !outcome.planned) ||
                       outcome.result == CommandResult::kSuccess;
  if (changed) doc_ = *outcome.doc;
  TabStrip1_Click(CurrentTab());
  if (changed) {
    Changed(IsWriteCommand(outcome.command) ? Text("Write to the receiver")
                                            : Text("Read from the receiver"),
            Refresh::kAll);
  }
  for (const Message& m : outcome.messages) prompts_.Show(this, m);
  if (outcome.accepted_model >= 0) OfferModel(outcome);
}

void MainWindow::OfferModel(const TransferOutcome& outcome) {
  const int model = outcome.accepted_model;
  const QString name = QString::fromLatin1(ModelName[model].data());
  Message question{
      Text("The receiver is a %1. Switch to the %1 and run the command again?")
          .arg(name)
          .toStdString(),
      Text("Region Error").toStdString(), Message::Icon::kWarning};
  if (prompts_.Ask(this, question, Buttons::kYesNo) != Answer::kYes) return;
  if (IsWriteCommand(outcome.command)) {
    // The data to write stays: the model's defaults would be written
    // instead. The check before writing runs again for the new model.
    doc_.AdoptModel(model);
    RememberModel();
    Changed(Text("Model change"), Refresh::kAll);
  } else {
    opbModel_Click(model);
    if (doc_.opbModel != model) return;  // the save question was cancelled
  }
  RunTransfer(outcome.command);
}

void MainWindow::mnuToolsOptions_Click() { transfer_->ChoosePort(); }

// ----- closing -----

void MainWindow::closeEvent(QCloseEvent* event) {
  // A running transfer stops between two exchanges when the user agrees;
  // its outcome is taken in (and may be saved) before the window goes.
  if (!transfer_->StopFirst() || !AskToSave()) {
    event->ignore();
    return;
  }
  transfer_->KeepPortChoice();
  edit_dialog_->hide();
  settings_->StorePlacement(this);
  event->accept();
}

}  // namespace vrq5::gui
