#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "codec/tables.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "gui/bank_page.h"
#include "gui/cell_delegate.h"
#include "gui/edit_dialog.h"
#include "gui/memory_model.h"
#include "gui/note_text.h"
#include "gui/settings_pages.h"
#include "link/port_file.h"
#include "store/bank_rules.h"

namespace vrq5::gui {

namespace {

constexpr int kTabCount = 4;
const char* const kTabCaptions[kTabCount] = {"Settings 1", "Settings 2",
                                             "Memory", "Bank"};

// The memory grid: Enter opens the editor as a double-click does.
class MemoryGrid : public QTableView {
 public:
  using QTableView::QTableView;
  std::function<void(int)> open_row;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        currentIndex().isValid() && open_row) {
      open_row(currentIndex().row() + 1);
      return;
    }
    QTableView::keyPressEvent(event);
  }
};

QAction* Action(QObject* parent, const char* name, const char* text) {
  auto* action = new QAction(QString::fromUtf8(text), parent);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

MainWindow::MainWindow(Prompts& prompts, Options options, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), options_(std::move(options)) {
  setObjectName(QStringLiteral("frmMain"));
  BuildPages();
  BuildMenus();
  edit_dialog_ = new EditDialog(doc_, prompts_, this);
  connect(edit_dialog_, &EditDialog::stored, this,
          [this](int) { UpDateMemData(); });
  connect(edit_dialog_, &EditDialog::vfoStored, this,
          [this](int) { UpdateVFOData(); });
  port_name_ = LoadPortName(options_.port_folder);
  UpdateTitle();
  UpdateStatus();
  RestorePlacement();
  SelectRow(1);
  TabStrip1_Click(CurrentTab());
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildPages() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(0);
  tab_strip_ = new QTabBar(central);
  tab_strip_->setObjectName(QStringLiteral("TabStrip1"));
  tab_strip_->setFocusPolicy(Qt::StrongFocus);
  tab_strip_->setExpanding(false);
  frames_ = new QStackedWidget(central);
  frames_->setFrameShape(QFrame::StyledPanel);
  for (int t = 0; t < kTabCount; ++t) {
    tab_strip_->addTab(QString::fromLatin1(kTabCaptions[t]));
    auto* frame = new QWidget(frames_);
    frame->setObjectName(QStringLiteral("Frame1_%1").arg(t));
    frames_->addWidget(frame);
  }
  layout->addWidget(tab_strip_);
  layout->addWidget(frames_, 1);
  setCentralWidget(central);
  connect(tab_strip_, &QTabBar::currentChanged, this,
          [this](int index) { TabStrip1_Click(index + 1); });

  // Settings 1 page: the VFO bands under "Band Plan Editor".
  QWidget* settings1 = frames_->widget(kTabSettings1 - 1);
  vfo_grid_ = MakeGrid(settings1, "MSFlexGrid2",
                       [this](int row) { MSFlexGrid2_DblClick(row); });
  vfo_model_ = new VfoModel(doc_, vfo_grid_);
  vfo_grid_->setModel(vfo_model_);
  for (int c = 0; c < 12; ++c) {
    vfo_grid_->setColumnWidth(c, VfoColumnWidth(c, vfo_grid_->fontMetrics(),
                                                vfo_grid_->logicalDpiX()));
  }
  vfo_grid_->setColumnHidden(5, true);
  vfo_grid_->setColumnHidden(11, true);
  vfo_grid_->horizontalHeader()->setStretchLastSection(true);
  vfo_grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  vfo_grid_->setFixedHeight(
      vfo_grid_->horizontalHeader()->sizeHint().height() +
      kVfoBands * vfo_grid_->verticalHeader()->defaultSectionSize() +
      2 * vfo_grid_->frameWidth());
  auto* band_plan = new QLabel(QStringLiteral("Band Plan Editor"), settings1);
  band_plan->setObjectName(QStringLiteral("lblBandPlan"));
  auto* band_plan_layout = new QVBoxLayout;
  band_plan_layout->addWidget(band_plan);
  band_plan_layout->addWidget(vfo_grid_);
  settings_pages_ = new SettingsPages(
      doc_, settings1, frames_->widget(kTabSettings2 - 1), band_plan_layout);
  connect(settings_pages_, &SettingsPages::modelClicked, this,
          &MainWindow::opbModel_Click);

  // Memory page: the grid, and its buttons beside it.
  QWidget* memory = frames_->widget(kTabMemory - 1);
  QTableView* grid = MakeGrid(memory, "MSFlexGrid1",
                              [this](int row) { MSFlexGrid1_DblClick(row); });
  memory_model_ = new MemoryModel(doc_, grid);
  grid->setModel(memory_model_);
  for (int c = 0; c < 12; ++c) {
    grid->setColumnWidth(
        c, MemoryColumnWidth(c, grid->fontMetrics(), grid->logicalDpiX()));
  }
  grid->horizontalHeader()->setStretchLastSection(true);
  grid_ = grid;

  auto* buttons = new QVBoxLayout;
  auto* up = Button("Command5", "Up", memory);
  auto* down = Button("Command4", "Down", memory);
  auto* clear = Button("cmbClear", "Clear", memory);
  auto* clear_all = Button("cmbClAll", "Clear All", memory);
  connect(up, &QPushButton::clicked, this, &MainWindow::Command5_Click);
  connect(down, &QPushButton::clicked, this, &MainWindow::Command4_Click);
  connect(clear, &QPushButton::clicked, this, &MainWindow::cmbClear_Click);
  connect(clear_all, &QPushButton::clicked, this, &MainWindow::cmbClAll_Click);
  buttons->addWidget(up);
  buttons->addWidget(down);
  buttons->addSpacing(18);
  buttons->addWidget(clear);
  buttons->addWidget(clear_all);
  buttons->addStretch();
  auto* memory_layout = new QHBoxLayout(memory);
  memory_layout->addWidget(grid, 1);
  memory_layout->addLayout(buttons);

  // Bank page.
  QWidget* bank = frames_->widget(kTabBank - 1);
  bank_page_ = new BankPage(doc_, prompts_, bank);
  connect(bank_page_, &BankPage::changed, this, &MainWindow::UpdateStatus);
  auto* bank_layout = new QVBoxLayout(bank);
  bank_layout->setContentsMargins(0, 0, 0, 0);
  bank_layout->addWidget(bank_page_);
}

QTableView* MainWindow::MakeGrid(QWidget* parent, const char* name,
                                 std::function<void(int)> open_row) {
  auto* grid = new MemoryGrid(parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->open_row = open_row;
  grid->setItemDelegate(new CellDelegate(grid));
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setWordWrap(false);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() +
                                                6);
  grid->horizontalHeader()->setHighlightSections(false);
  connect(grid, &QTableView::doubleClicked, this,
          [open_row](const QModelIndex& index) { open_row(index.row() + 1); });
  return grid;
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* file_new = Action(this, "mnuFileNew", "New(&N)");
  file_new->setShortcut(QKeySequence::New);
  QAction* open = Action(this, "mnuFileOpen", "Open(&O)...");
  open->setShortcut(QKeySequence::Open);
  QAction* save = Action(this, "mnuFileSave", "Save(&S)");
  save->setShortcut(QKeySequence::Save);
  QAction* save_as = Action(this, "mnuFileSaveAs", "Save As(&A)...");
  save_as->setShortcut(QKeySequence::SaveAs);
  QAction* import = Action(this, "mnuImport", "Import(&I)...");
  QAction* export_csv = Action(this, "mnuExport", "Export(&E)...");
  QAction* page_setup = Action(this, "mnuFilePageSetup", "Print Setup(&U)...");
  QAction* exit = Action(this, "mnuFileExit", "Exit(&X)...");
  exit->setShortcut(QKeySequence::Quit);
  file->addAction(file_new);
  file->addAction(open);
  file->addAction(save);
  file->addAction(save_as);
  file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
  file->addAction(import);
  file->addAction(export_csv);
  file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar1"));
  file->addAction(page_setup);
  file->addAction(exit);
  connect(file_new, &QAction::triggered, this, &MainWindow::mnuFileNew_Click);
  connect(open, &QAction::triggered, this, &MainWindow::mnuFileOpen_Click);
  connect(save, &QAction::triggered, this, &MainWindow::mnuFileSave_Click);
  connect(save_as, &QAction::triggered, this, &MainWindow::mnuFileSaveAs_Click);
  connect(import, &QAction::triggered, this, &MainWindow::mnuImport_Click);
  connect(export_csv, &QAction::triggered, this, &MainWindow::mnuExport_Click);
  connect(page_setup, &QAction::triggered, this,
          &MainWindow::mnuFilePageSetup_Click);
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit(&E)"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  mnuEditUndo_ = Action(this, "mnuEditUndo", "Modify(&M)");
  edit->addAction(mnuEditUndo_);
  connect(mnuEditUndo_, &QAction::triggered, this,
          &MainWindow::mnuEditUndo_Click);

  QMenu* view = menuBar()->addMenu(QStringLiteral("View(&V)"));
  view->setObjectName(QStringLiteral("mnuView"));
  QAction* show_toolbar = Action(this, "mnuViewToolbar", "Tool Bar(&T)");
  QAction* show_status = Action(this, "mnuStatusBar", "Status Bar(&S)");
  for (QAction* a : {show_toolbar, show_status}) {
    a->setCheckable(true);
    a->setChecked(true);
    view->addAction(a);
  }

  toolbar_ = addToolBar(QStringLiteral("Tool Bar"));
  toolbar_->setObjectName(QStringLiteral("tbToolBar"));
  toolbar_->setMovable(false);
  QStyle* s = style();
  auto tool = [this](QAction* action, const char* name, const char* tip,
                     const QIcon& icon) {
    QAction* button = toolbar_->addAction(icon, QString::fromLatin1(tip));
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(tip));
    connect(button, &QAction::triggered, action, &QAction::trigger);
  };
  tool(file_new, "tbNew", "New", s->standardIcon(QStyle::SP_FileIcon));
  tool(open, "tbOpen", "Open", s->standardIcon(QStyle::SP_DialogOpenButton));
  tool(save, "tbSave", "Save", s->standardIcon(QStyle::SP_DialogSaveButton));
  toolbar_->addSeparator();
  QAction* help = toolbar_->addAction(
      s->standardIcon(QStyle::SP_DialogHelpButton), QStringLiteral("Help"));
  help->setObjectName(QStringLiteral("tbHelp"));
  connect(help, &QAction::triggered, this, &MainWindow::mnuHelpAbout_Click);

  connect(show_toolbar, &QAction::toggled, toolbar_, &QWidget::setVisible);
  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("sbStatusBar"));
  setStatusBar(status);
  status_model_ = new QLabel(status);
  status_channels_ = new QLabel(status);
  status->addWidget(status_model_);
  status->addWidget(status_channels_);
  connect(show_status, &QAction::toggled, status, &QWidget::setVisible);
}

void MainWindow::StartUp(const std::string& command_line_file) {
  if (!command_line_file.empty()) {
    OpenNamedFile(QString::fromStdString(command_line_file));
  }
  doc_.DataChanged = 0;
}

// ----- the document on the pages -----

void MainWindow::ShowDocument() {
  bank_page_->ShowDocument();
  settings_pages_->ShowDocument();
  UpdateVFOData();
  UpDateMemData();
  UpdateTitle();
}

void MainWindow::UpDateMemData() {
  int row = CurrentRow();
  memory_model_->Refill();
  if (row > 0) SelectRow(row);
  UpdateStatus();
}

void MainWindow::UpdateVFOData() { vfo_model_->ShowAll(); }

void MainWindow::UpdateTitle() {
  setWindowTitle(QString::fromStdString(WindowTitle(doc_)));
}

void MainWindow::UpdateStatus() {
  status_model_->setText(AsciiText(ModelName[doc_.opbModel]));
  status_channels_->setText(QStringLiteral("%1 of %2 channels in use")
                                .arg(doc_.ChannelsInUse())
                                .arg(kSlotCount));
}

int MainWindow::CurrentRow() const {
  QModelIndex index = grid_->currentIndex();
  return index.isValid() ? index.row() + 1 : 0;
}

void MainWindow::SelectRow(int row) {
  if (row < 1 || row > kSlotCount) return;
  QModelIndex index = memory_model_->index(row - 1, 1);
  grid_->setCurrentIndex(index);
  grid_->selectRow(row - 1);
  grid_->scrollTo(index);
}

int MainWindow::CurrentTab() const { return tab_strip_->currentIndex() + 1; }

// ----- tabs and the memory grid -----

void MainWindow::TabStrip1_Click(int tab) {
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
  for (int t = 1; t <= kTabCount; ++t) {
    frames_->widget(t - 1)->setEnabled(t == target);
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
    QModelIndex index = vfo_grid_->currentIndex();
    MSFlexGrid2_DblClick(index.isValid() ? index.row() + 1 : 1);
  }
}

void MainWindow::Command5_Click() {
  int row = CurrentRow();
  if (row > 1) SelectRow(row - 1);
}

void MainWindow::Command4_Click() {
  int row = CurrentRow();
  if (row == 0) {
    SelectRow(1);
  } else if (row < kSlotCount) {
    SelectRow(row + 1);
  }
}

void MainWindow::cmbClear_Click() {
  int row = CurrentRow();
  if (row < 1) return;
  if (prompts_.Ask(this, ClearConfirmation(), Buttons::kOkCancel) ==
      Answer::kCancel) {
    return;
  }
  ClearSlot(doc_, row - 1);
  UpDateMemData();
}

void MainWindow::cmbClAll_Click() {
  if (prompts_.Ask(this, ClearAllConfirmation(), Buttons::kOkCancel) ==
      Answer::kCancel) {
    return;
  }
  ClearAllSlots(doc_);
  UpDateMemData();
}

// ----- files -----

void MainWindow::ReportFile(FileStatus status) {
  std::string_view text = FileStatusMessage(status);
  if (!text.empty()) prompts_.Show(this, ErrorMessage(text));
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
    path =
        prompts_.SaveFileName(this, CloneFileDialog(QStringLiteral("Save As")));
    if (path.isEmpty()) return false;
  }
  FileStatus status = SaveCloneFile(doc_, path.toStdString());
  // The encoders may have clipped the bank sizes.
  bank_page_->ShowDocument();
  ReportFile(status);
  UpdateTitle();
  return status == FileStatus::kOk;
}

bool MainWindow::mnuFileSave_Click() { return SaveTo(false); }

bool MainWindow::mnuFileSaveAs_Click() { return SaveTo(true); }

bool MainWindow::NewData() {
  if (!AskToSave()) return false;
  doc_.NewData();
  ShowDocument();
  return true;
}

void MainWindow::mnuFileNew_Click() { NewData(); }

void MainWindow::opbModel_Click(int member) {
  doc_.DataChanged = -1;
  if (member == doc_.opbModel) return;
  // The new model's defaults replace the document: it asks first, and a
  // cancel (or a "Yes" whose save did not complete) keeps the old model.
  if (!AskToSave()) {
    settings_pages_->SelectModel(doc_.opbModel);
    return;
  }
  doc_.SelectModel(member);
  ShowDocument();
}

void MainWindow::mnuFileOpen_Click() {
  if (!AskToSave()) return;
  QString path =
      prompts_.OpenFileName(this, CloneFileDialog(QStringLiteral("Open")));
  if (path.isEmpty()) return;
  FileStatus status = OpenCloneFile(doc_, path.toStdString());
  if (status != FileStatus::kOk) {
    ReportFile(status);
    return;
  }
  ShowDocument();
  SelectRow(1);
}

bool MainWindow::OpenNamedFile(const QString& path) {
  FileStatus status = vrq5::OpenNamedFile(doc_, path.toStdString());
  if (status != FileStatus::kOk) {
    ReportFile(status);
    return false;
  }
  ShowDocument();
  SelectRow(1);
  return true;
}

void MainWindow::mnuImport_Click() {
  QString path =
      prompts_.OpenFileName(this, CsvFileDialog(QStringLiteral("Import")));
  if (path.isEmpty()) return;
  FileStatus status = ImportCsv(doc_, path.toStdString());
  if (status != FileStatus::kOk) {
    ReportFile(status);
    return;
  }
  ShowDocument();
  SelectRow(1);
}

void MainWindow::mnuExport_Click() {
  QString path =
      prompts_.SaveFileName(this, CsvFileDialog(QStringLiteral("Export")));
  if (path.isEmpty()) return;
  ReportFile(ExportCsv(doc_, path.toStdString()));
}

void MainWindow::mnuFilePageSetup_Click() { prompts_.PageSetup(this); }

void MainWindow::mnuHelpAbout_Click() {
  auto* about = new QDialog(this);
  about->setObjectName(QStringLiteral("frmAbout"));
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->setWindowTitle(QStringLiteral("About"));
  auto* layout = new QVBoxLayout(about);
  auto* title = new QLabel(AsciiText(AppTitle), about);
  QFont big = title->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  title->setFont(big);
  layout->addWidget(title);
  layout->addWidget(new QLabel(
      QStringLiteral("Version %1").arg(QApplication::applicationVersion()),
      about));
  layout->addWidget(new QLabel(
      QStringLiteral("Reads, edits and writes the memory of the VR-Q5 and "
                     "VR-Q70 receivers:\nchannels, banks, groups, VFO bands "
                     "and settings."),
      about));
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, about);
  connect(box, &QDialogButtonBox::accepted, about, &QDialog::accept);
  layout->addWidget(box);
  about->open();
}

// ----- closing and the window placement -----

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!AskToSave()) {
    event->ignore();
    return;
  }
  SavePortName(options_.port_folder, port_name_);
  edit_dialog_->hide();
  StorePlacement();
  event->accept();
}

namespace {

std::unique_ptr<QSettings> PlacementSettings(const QString& file) {
  if (!file.isEmpty()) {
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
  }
  return std::make_unique<QSettings>(QStringLiteral("vrq5"),
                                     QStringLiteral("vrq5-clone"));
}

}  // namespace

void MainWindow::StorePlacement() {
  if (isMinimized()) return;
  auto settings = PlacementSettings(options_.placement_file);
  settings->beginGroup(QStringLiteral("Settings"));
  QRect r = geometry();
  settings->setValue(QStringLiteral("MainLeft"), QString::number(r.x()));
  settings->setValue(QStringLiteral("MainTop"), QString::number(r.y()));
  settings->setValue(QStringLiteral("MainWidth"), QString::number(r.width()));
  settings->setValue(QStringLiteral("MainHeight"), QString::number(r.height()));
  settings->endGroup();
  settings->sync();
}

void MainWindow::RestorePlacement() {
  resize(1000, 720);
  auto settings = PlacementSettings(options_.placement_file);
  settings->beginGroup(QStringLiteral("Settings"));
  bool ok[4] = {};
  int left = settings->value(QStringLiteral("MainLeft")).toInt(&ok[0]);
  int top = settings->value(QStringLiteral("MainTop")).toInt(&ok[1]);
  int width = settings->value(QStringLiteral("MainWidth")).toInt(&ok[2]);
  int height = settings->value(QStringLiteral("MainHeight")).toInt(&ok[3]);
  settings->endGroup();
  if (!(ok[0] && ok[1] && ok[2] && ok[3])) return;
  QRect placed(left, top, width, height);
  if (width < 200 || height < 150) return;
  // A placement on a screen that is no longer there is not used.
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().intersects(placed)) {
      setGeometry(placed);
      return;
    }
  }
}

}  // namespace vrq5::gui
