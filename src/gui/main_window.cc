#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "codec/tables.h"
#include "files/channel_csv.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "files/file_stamp.h"
#include "gui/bank_page.h"
#include "gui/cell_delegate.h"
#include "gui/channel_map_view.h"
#include "gui/edit_dialog.h"
#include "gui/history.h"
#include "gui/memory_model.h"
#include "gui/note_text.h"
#include "gui/settings_pages.h"
#include "link/port_file.h"
#include "serial/port_choice.h"
#include "serial/qt_serial_port.h"
#include "store/bank_rules.h"
#include "store/channel_map.h"
#include "store/row_ops.h"
#include "store/write_check.h"

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

// The model selected last, beside the window placement.
constexpr char kModelKey[] = "Settings/Model";

// A caption or tooltip of the string table, in the interface's language.
QString Text(const char* text) {
  return QCoreApplication::translate("vrq5", text);
}

QAction* Action(QObject* parent, const char* name, const char* text) {
  auto* action = new QAction(Text(text), parent);
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
  if (options_.placement_file.isEmpty()) {
    options_.placement_file =
        QString::fromStdString((ConfigFolder() / "vrq5-clone.conf").string());
  }
  setObjectName(QStringLiteral("frmMain"));
  setAcceptDrops(true);
  history_ = new History(
      doc_,
      [this](bool rest_changed) {
        if (rest_changed) {
          ShowDocument();
        } else {
          UpDateMemData();
        }
      },
      this);
  BuildPages();
  BuildMenus();
  connect(history_, &History::changed, this, [this] {
    UpdateUndoActions();
    UpdateTitle();
  });
  edit_dialog_ = new EditDialog(doc_, prompts_, this);
  connect(edit_dialog_, &EditDialog::stored, this, [this](int slot) {
    UpDateMemData();
    history_->Record(Text("Edit %1").arg(QString::fromStdString(
        doc_.SlotLabel(slot).empty() ? std::to_string(slot)
                                     : doc_.SlotLabel(slot))));
  });
  connect(edit_dialog_, &EditDialog::vfoStored, this, [this](int) {
    UpdateVFOData();
    history_->Record(Text("Edit VFO band"));
  });
  port_name_ = LoadPortName(options_.port_folder);
  runner_ = new TransferRunner(this);
  connect(runner_, &TransferRunner::progress, this,
          &MainWindow::ShowTransferProgress);
  connect(runner_, &TransferRunner::finished, this,
          &MainWindow::TransferFinished);
  UpdateTitle();
  UpdateStatus();
  FillRecentMenu();
  RestorePlacement();
  SelectRow(1);
  TabStrip1_Click(CurrentTab());
}

MainWindow::~MainWindow() {
  // The worker may use the simulated receiver, which goes before the
  // runner (a child) does: it ends first.
  runner_->Cancel();
  runner_->Wait();
}

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
  auto* settings1_buttons = new QHBoxLayout;
  settings1_buttons->addStretch();
  settings1_buttons->addWidget(TransferButton(
      settings1, "cmbRxData1", "Read Settings", UserCommand::kReadSettings));
  settings1_buttons->addWidget(TransferButton(
      settings1, "cmbTxData1", "Write Settings", UserCommand::kWriteSettings));
  band_plan_layout->addLayout(settings1_buttons);
  QWidget* settings2 = frames_->widget(kTabSettings2 - 1);
  settings_pages_ =
      new SettingsPages(doc_, settings1, settings2, band_plan_layout);
  if (auto* grid2 = qobject_cast<QGridLayout*>(settings2->layout())) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(TransferButton(settings2, "cmbRxData2", "Read Settings",
                                  UserCommand::kReadSettings));
    row->addWidget(TransferButton(settings2, "cmbTxData2", "Write Settings",
                                  UserCommand::kWriteSettings));
    grid2->addLayout(row, 8, 0, 1, grid2->columnCount());
  }
  connect(settings_pages_, &SettingsPages::changed, this,
          [this] { history_->Record(Text("Settings")); });
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
  // Several rows at once (Shift and Ctrl clicks, Shift+arrows); the edit
  // commands work on the current row.
  grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
  grid_ = grid;

  auto* buttons = new QVBoxLayout;
  auto* up = Button("Command5", "Up", memory);
  auto* down = Button("Command4", "Down", memory);
  auto* read = TransferButton(memory, "cmbRxData", "Read", UserCommand::kRead);
  auto* write =
      TransferButton(memory, "cmbTxData", "Write", UserCommand::kWrite);
  auto* clear = Button("cmbClear", "Clear", memory);
  auto* clear_all = Button("cmbClAll", "Clear All", memory);
  connect(up, &QPushButton::clicked, this, &MainWindow::Command5_Click);
  connect(down, &QPushButton::clicked, this, &MainWindow::Command4_Click);
  connect(clear, &QPushButton::clicked, this, &MainWindow::cmbClear_Click);
  connect(clear_all, &QPushButton::clicked, this, &MainWindow::cmbClAll_Click);
  buttons->addWidget(read);
  buttons->addWidget(write);
  buttons->addSpacing(18);
  buttons->addWidget(up);
  buttons->addWidget(down);
  buttons->addSpacing(18);
  buttons->addWidget(clear);
  buttons->addWidget(clear_all);
  buttons->addStretch();
  // The find bar (Ctrl+F) above the grid.
  find_bar_ = new QWidget(memory);
  find_bar_->setObjectName(QStringLiteral("fraFind"));
  auto* find_layout = new QHBoxLayout(find_bar_);
  find_layout->setContentsMargins(0, 0, 0, 0);
  find_layout->addWidget(new QLabel(Text("Find:"), find_bar_));
  find_text_ = new QLineEdit(find_bar_);
  find_text_->setObjectName(QStringLiteral("txtFind"));
  find_text_->setPlaceholderText(
      Text("145.5, a range 144-146, or a name or note"));
  find_text_->setClearButtonEnabled(true);
  find_layout->addWidget(find_text_, 1);
  auto* find_previous = Button("cmdFindPrevious", "Previous", find_bar_);
  auto* find_next = Button("cmdFindNext", "Next", find_bar_);
  find_layout->addWidget(find_previous);
  find_layout->addWidget(find_next);
  find_status_ = new QLabel(find_bar_);
  find_status_->setObjectName(QStringLiteral("lblFind"));
  find_layout->addWidget(find_status_);
  connect(find_text_, &QLineEdit::returnPressed, this,
          [this] { FindRow(true); });
  connect(find_next, &QPushButton::clicked, this, [this] { FindRow(true); });
  connect(find_previous, &QPushButton::clicked, this,
          [this] { FindRow(false); });
  find_bar_->hide();
  auto* grid_column = new QVBoxLayout;
  grid_column->addWidget(find_bar_);
  grid_column->addWidget(grid, 1);
  auto* memory_layout = new QHBoxLayout(memory);
  memory_layout->addLayout(grid_column, 1);
  memory_layout->addLayout(buttons);

  // Bank page.
  QWidget* bank = frames_->widget(kTabBank - 1);
  bank_page_ = new BankPage(doc_, prompts_, bank);
  connect(bank_page_, &BankPage::changed, this, [this] {
    UpdateStatus();
    history_->Record(Text("Bank page"));
  });
  auto* bank_layout = new QVBoxLayout(bank);
  bank_layout->setContentsMargins(0, 0, 0, 0);
  bank_layout->addWidget(bank_page_);
  auto* bank_buttons = new QHBoxLayout;
  bank_buttons->setContentsMargins(9, 0, 9, 9);
  bank_buttons->addStretch();
  bank_buttons->addWidget(
      TransferButton(bank, "cmbReadBank", "Read Bank", UserCommand::kReadBank));
  bank_buttons->addWidget(TransferButton(bank, "cmbWriteBank", "Write Bank",
                                         UserCommand::kWriteBank));
  bank_buttons->addWidget(TransferButton(bank, "cmdReadGroup", "Read Group",
                                         UserCommand::kReadGroup));
  bank_buttons->addWidget(TransferButton(bank, "cmdWriteGroup", "Write Group",
                                         UserCommand::kWriteGroup));
  bank_layout->addLayout(bank_buttons);
}

QPushButton* MainWindow::TransferButton(QWidget* parent, const char* name,
                                        const char* text, UserCommand command) {
  QPushButton* button = Button(name, text, parent);
  connect(button, &QPushButton::clicked, this,
          [this, command] { RunTransfer(command); });
  transfer_controls_.push_back(button);
  return button;
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
  QMenu* file = menuBar()->addMenu(Text("File(&F)"));
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
  QAction* import_channels =
      Action(this, "mnuImportChannels", "Import Channel List(&L)...");
  QAction* export_channels =
      Action(this, "mnuExportChannels", "Export Channel List(&H)...");
  QAction* page_setup = Action(this, "mnuFilePageSetup", "Print Setup(&U)...");
  QAction* exit = Action(this, "mnuFileExit", "Exit(&X)...");
  // New, Open and Exit stay enabled while a transfer runs (they ask to
  // stop it); the other file commands wait for its end.
  busy_actions_ = {save,       save_as,         import,         export_csv,
                   page_setup, import_channels, export_channels};
  exit->setShortcut(QKeySequence::Quit);
  file->addAction(file_new);
  file->addAction(open);
  file->addAction(save);
  file->addAction(save_as);
  file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
  file->addAction(import);
  file->addAction(export_csv);
  file->addAction(import_channels);
  file->addAction(export_channels);
  file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar1"));
  recent_menu_ = file->addMenu(Text("Recent Files(&R)"));
  recent_menu_->setObjectName(QStringLiteral("mnuRecent"));
  busy_menus_.push_back(recent_menu_);
  file->addAction(page_setup);
  file->addAction(exit);
  connect(file_new, &QAction::triggered, this, &MainWindow::mnuFileNew_Click);
  connect(open, &QAction::triggered, this, &MainWindow::mnuFileOpen_Click);
  connect(save, &QAction::triggered, this, &MainWindow::mnuFileSave_Click);
  connect(save_as, &QAction::triggered, this, &MainWindow::mnuFileSaveAs_Click);
  connect(import, &QAction::triggered, this, &MainWindow::mnuImport_Click);
  connect(export_csv, &QAction::triggered, this, &MainWindow::mnuExport_Click);
  connect(import_channels, &QAction::triggered, this,
          &MainWindow::ImportChannelList);
  connect(export_channels, &QAction::triggered, this,
          &MainWindow::ExportChannelList);
  connect(page_setup, &QAction::triggered, this,
          &MainWindow::mnuFilePageSetup_Click);
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(Text("Edit(&E)"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  mnuEditUndo_ = Action(this, "mnuEditUndo", "Modify(&M)");
  edit->addAction(mnuEditUndo_);
  busy_actions_.push_back(mnuEditUndo_);
  connect(mnuEditUndo_, &QAction::triggered, this,
          &MainWindow::mnuEditUndo_Click);
  edit->addSeparator();
  BuildRowActions(edit);
  edit->addSeparator();
  undo_ = Action(this, "mnuUndo", "Undo(&U)");
  undo_->setShortcut(QKeySequence::Undo);
  redo_ = Action(this, "mnuRedo", "Redo(&R)");
  // Ctrl+Y besides the platform's own redo keys (which may hold it).
  QList<QKeySequence> redo_keys = QKeySequence::keyBindings(QKeySequence::Redo);
  const QKeySequence ctrl_y(Qt::CTRL | Qt::Key_Y);
  if (!redo_keys.contains(ctrl_y)) redo_keys.prepend(ctrl_y);
  redo_->setShortcuts(redo_keys);
  edit->addAction(undo_);
  edit->addAction(redo_);
  connect(undo_, &QAction::triggered, this, &MainWindow::Undo);
  connect(redo_, &QAction::triggered, this, &MainWindow::Redo);

  QMenu* view = menuBar()->addMenu(Text("View(&V)"));
  view->setObjectName(QStringLiteral("mnuView"));
  QAction* show_toolbar = Action(this, "mnuViewToolbar", "Tool Bar(&T)");
  QAction* show_status = Action(this, "mnuStatusBar", "Status Bar(&S)");
  QAction* channel_map = Action(this, "mnuChannelMap", "Channel Map(&M)...");
  connect(channel_map, &QAction::triggered, this, &MainWindow::ShowChannelMap);
  for (QAction* a : {show_toolbar, show_status}) {
    a->setCheckable(true);
    a->setChecked(true);
    view->addAction(a);
  }
  view->addSeparator();
  view->addAction(channel_map);

  QMenu* tools = menuBar()->addMenu(Text("Tool(&T)"));
  tools->setObjectName(QStringLiteral("mnuTool"));
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
      QAction* a = Action(this, item.name, item.text);
      menu->addAction(a);
      busy_actions_.push_back(a);
      UserCommand command = item.command;
      connect(a, &QAction::triggered, this,
              [this, command] { RunTransfer(command); });
    }
    busy_menus_.push_back(menu);
  };
  submenu("mnuRe", "Read(&R)",
          {{"mnuReSet", "Settings(&S)", UserCommand::kReadSettings},
           {"mnuReMem", "Memory(&M)", UserCommand::kRead},
           {"mnuReAll", "ALL(&A)", UserCommand::kReadAll},
           {"mnuReQuick", "Channels in use(&U)", UserCommand::kReadQuick}});
  submenu("mnuWr", "Write(&W)",
          {{"mnuWrSet", "Settings(&S)", UserCommand::kWriteSettings},
           {"mnuWrMem", "Memory(&M)", UserCommand::kWrite},
           {"mnuWrAll", "ALL(&A)", UserCommand::kWriteAll}});
  QAction* check = Action(this, "mnuCheck", "Check Connection(&K)");
  tools->addAction(check);
  busy_actions_.push_back(check);
  connect(check, &QAction::triggered, this, &MainWindow::CheckConnection);
  QAction* options = Action(this, "mnuToolsOptions", "COM Port Setup(&C)");
  tools->addAction(options);
  busy_actions_.push_back(options);
  connect(options, &QAction::triggered, this,
          &MainWindow::mnuToolsOptions_Click);
  QMenu* help_menu = menuBar()->addMenu(Text("Help(&H)"));
  help_menu->setObjectName(QStringLiteral("mnuHelp"));
  QAction* guide = Action(this, "mnuHelpGuide", "User Guide(&G)");
  guide->setShortcut(QKeySequence::HelpContents);
  help_menu->addAction(guide);
  connect(guide, &QAction::triggered, this, &MainWindow::ShowUserGuide);
  QAction* about = Action(this, "mnuHelpAbout", "About(&A)");
  help_menu->addAction(about);
  connect(about, &QAction::triggered, this, &MainWindow::mnuHelpAbout_Click);
  busy_menus_.push_back(edit);
  busy_menus_.push_back(tools);

  toolbar_ = addToolBar(QStringLiteral("Tool Bar"));
  toolbar_->setObjectName(QStringLiteral("tbToolBar"));
  toolbar_->setMovable(false);
  QStyle* s = style();
  auto tool = [this](QAction* action, const char* name, const char* tip,
                     const QIcon& icon) {
    QAction* button = toolbar_->addAction(icon, Text(tip));
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(Text(tip));
    connect(button, &QAction::triggered, action, &QAction::trigger);
  };
  tool(file_new, "tbNew", "New", s->standardIcon(QStyle::SP_FileIcon));
  tool(open, "tbOpen", "Open", s->standardIcon(QStyle::SP_DialogOpenButton));
  tool(save, "tbSave", "Save", s->standardIcon(QStyle::SP_DialogSaveButton));
  busy_actions_.push_back(toolbar_->actions().back());
  toolbar_->addSeparator();
  tool(undo_, "tbUndo", "Undo", s->standardIcon(QStyle::SP_ArrowBack));
  undo_button_ = toolbar_->actions().back();
  tool(redo_, "tbRedo", "Redo", s->standardIcon(QStyle::SP_ArrowForward));
  redo_button_ = toolbar_->actions().back();
  toolbar_->addSeparator();
  QAction* help = toolbar_->addAction(
      s->standardIcon(QStyle::SP_DialogHelpButton), Text("Help"));
  help->setObjectName(QStringLiteral("tbHelp"));
  connect(help, &QAction::triggered, this, &MainWindow::mnuHelpAbout_Click);

  connect(show_toolbar, &QAction::toggled, toolbar_, &QWidget::setVisible);
  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("sbStatusBar"));
  setStatusBar(status);
  status_model_ = new QLabel(status);
  status_model_->setObjectName(QStringLiteral("lblStatusModel"));
  status_model_->setAccessibleName(Text("Model"));
  status_channels_ = new QLabel(status);
  status_channels_->setObjectName(QStringLiteral("lblStatusChannels"));
  status_channels_->setAccessibleName(Text("Channels in use"));
  status_port_ = new QLabel(status);
  status_port_->setObjectName(QStringLiteral("lblStatusPort"));
  status_port_->setAccessibleName(Text("Port in use"));
  status->addWidget(status_model_);
  status->addWidget(status_channels_);
  status->addWidget(status_port_);
  progress_ = new QProgressBar(status);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setMaximumWidth(260);
  time_left_ = new QLabel(status);
  time_left_->setObjectName(QStringLiteral("lblTimeLeft"));
  cancel_ = new QPushButton(QStringLiteral("Cancel"), status);
  cancel_->setObjectName(QStringLiteral("cmdCancel"));
  connect(cancel_, &QPushButton::clicked, this, &MainWindow::CancelTransfer);
  status->addPermanentWidget(time_left_);
  status->addPermanentWidget(progress_);
  status->addPermanentWidget(cancel_);
  progress_->hide();
  time_left_->hide();
  cancel_->hide();
  connect(show_status, &QAction::toggled, status, &QWidget::setVisible);
}

void MainWindow::StartUp(const std::string& command_line_file) {
  // The model chosen last: a clone file does not name its model.
  int model = Setting(QString::fromLatin1(kModelKey), 0).toInt();
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
  UpdateTitle();
}

void MainWindow::UpDateMemData() {
  int row = CurrentRow();
  memory_model_->Refill();
  if (row > 0) SelectRow(row);
  UpdateStatus();
  if (map_dialog_ && map_dialog_->isVisible()) {
    map_view_->SetMap(BuildChannelMap(doc_));
  }
}

void MainWindow::UpdateVFOData() { vfo_model_->ShowAll(); }

void MainWindow::UpdateTitle() {
  setWindowTitle(QString::fromStdString(WindowTitle(doc_)));
}

void MainWindow::UpdateStatus() {
  if (port_name_.empty()) {
    status_port_->setText(Text("Port: none"));
  } else if (port_name_ == kSimulatedPortName) {
    status_port_->setText(Text("Port: simulated receiver"));
  } else {
    status_port_->setText(
        Text("Port: %1").arg(QString::fromStdString(port_name_)));
  }
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
  // Exactly this row, whatever modifier keys are held (Shift+F3 must not
  // extend the selection as a Shift-click does).
  grid_->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
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
  // Every selected row, as Edit > Delete does.
  std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  if (prompts_.Ask(this, ClearConfirmation(static_cast<int>(rows.size())),
                   Buttons::kOkCancel) == Answer::kCancel) {
    return;
  }
  for (int row : rows) ClearSlot(doc_, row - 1);
  UpDateMemData();
  SelectRows(rows);
  history_->Record(Text("Clear"));
}

void MainWindow::cmbClAll_Click() {
  if (prompts_.Ask(this, ClearAllConfirmation(), Buttons::kOkCancel) ==
      Answer::kCancel) {
    return;
  }
  ClearAllSlots(doc_);
  UpDateMemData();
  history_->Record(Text("Clear All"));
}

// ----- files -----

void MainWindow::ReportFile(FileStatus status, const std::string& reason) {
  std::string_view text = FileStatusMessage(status);
  if (text.empty()) return;
  // The system's reason (a full disk, a file the user may not write) under
  // the message.
  Message message = ErrorMessage(text);
  message.informative = reason;
  prompts_.Show(this, message);
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
  if (!MayOverwrite(path)) return false;
  std::string reason;
  FileStatus status = SaveCloneFile(doc_, path.toStdString(), &reason);
  // The encoders may have clipped the bank sizes.
  bank_page_->ShowDocument();
  if (status == FileStatus::kOk) {
    history_->MarkSaved();
    KeepStamp(path);
    RememberFile(path);
  }
  ReportFile(status, reason);
  UpdateTitle();
  return status == FileStatus::kOk;
}

void MainWindow::KeepStamp(const QString& path) {
  stamped_path_ = QFileInfo(path).absoluteFilePath();
  file_stamp_ = StampOf(path.toStdString());
}

bool MainWindow::MayOverwrite(const QString& path) {
  if (stamped_path_.isEmpty() ||
      QFileInfo(path).absoluteFilePath() != stamped_path_ ||
      !ChangedSince(file_stamp_, path.toStdString())) {
    return true;
  }
  const QString question =
      Text("%1 has changed on disk since it was opened. Overwrite it?")
          .arg(QFileInfo(path).fileName());
  return prompts_.Ask(
             this,
             Message{question.toStdString(), Text("Save").toStdString(),
                     Message::Icon::kWarning},
             Buttons::kYesNoDefaultNo) == Answer::kYes;
}

bool MainWindow::mnuFileSave_Click() { return SaveTo(false); }

bool MainWindow::mnuFileSaveAs_Click() { return SaveTo(true); }

bool MainWindow::NewData() {
  if (!StopTransferFirst() || !AskToSave()) return false;
  doc_.NewData();
  history_->Reset();
  ShowDocument();
  return true;
}

void MainWindow::mnuFileNew_Click() { NewData(); }

void MainWindow::opbModel_Click(int member) {
  // A running transfer is stopped first: it uses the old model's receiver
  // and would bring back the old document.
  if (member != doc_.opbModel && !StopTransferFirst()) {
    settings_pages_->SelectModel(doc_.opbModel);
    return;
  }
  doc_.DataChanged = -1;
  if (member == doc_.opbModel) return;
  // The new model's defaults replace the document: it asks first, and a
  // cancel (or a "Yes" whose save did not complete) keeps the old model.
  if (!AskToSave()) {
    settings_pages_->SelectModel(doc_.opbModel);
    return;
  }
  doc_.SelectModel(member);
  RememberModel();
  ShowDocument();
  history_->Record(Text("Model change"));
}

void MainWindow::RememberModel() {
  if (doc_.opbModel < 0 || doc_.opbModel >= kModelCount) return;
  KeepSettings({{QString::fromLatin1(kModelKey), doc_.opbModel}});
}

void MainWindow::mnuFileOpen_Click() {
  if (!StopTransferFirst() || !AskToSave()) return;
  QString path =
      prompts_.OpenFileName(this, CloneFileDialog(QStringLiteral("Open")));
  if (path.isEmpty()) return;
  FileStatus status = OpenCloneFile(doc_, path.toStdString());
  if (status != FileStatus::kOk) {
    ReportFile(status);
    return;
  }
  history_->Reset();
  KeepStamp(path);
  RememberFile(path);
  ShowDocument();
  SelectRow(1);
}

bool MainWindow::OpenNamedFile(const QString& path) {
  FileStatus status = vrq5::OpenNamedFile(doc_, path.toStdString());
  if (status != FileStatus::kOk) {
    ReportFile(status);
    return false;
  }
  history_->Reset();
  KeepStamp(path);
  RememberFile(path);
  ShowDocument();
  SelectRow(1);
  return true;
}

void MainWindow::mnuImport_Click() {
  QString path =
      prompts_.OpenFileName(this, CsvFileDialog(QStringLiteral("Import")));
  if (path.isEmpty()) return;
  ImportNamedCsv(path);
}

void MainWindow::ImportNamedCsv(const QString& path) {
  FileStatus status = ImportCsv(doc_, path.toStdString());
  if (status != FileStatus::kOk) {
    ReportFile(status);
    return;
  }
  ShowDocument();
  history_->Record(Text("Import"));
  SelectRow(1);
}

// ----- the common channel-list CSV -----

namespace {
FileDialog ChannelListDialog(const QString& caption) {
  return {caption,
          {QStringLiteral("Channel lists (*.csv)"),
           QStringLiteral("All Files (*)")},
          QStringLiteral("csv")};
}
}  // namespace

void MainWindow::ImportChannelList() {
  // Where the channels go: from the current memory row on, or into a bank.
  int row = CurrentRow();
  int first_slot = row >= 1 && row <= kMemoryChannels ? row - 1 : 0;
  QDialog where(this);
  where.setObjectName(QStringLiteral("dlgChannelImport"));
  where.setWindowTitle(Text("Import Channel List"));
  auto* layout = new QVBoxLayout(&where);
  std::string label = doc_.SlotLabel(first_slot);
  auto* from_row = new QRadioButton(
      Text("From row %1 on")
          .arg(QString::fromStdString(
              label.empty() ? std::to_string(first_slot + 1) : label)),
      &where);
  from_row->setObjectName(QStringLiteral("optFromRow"));
  from_row->setChecked(true);
  auto* into_bank = new QRadioButton(Text("Into bank"), &where);
  into_bank->setObjectName(QStringLiteral("optIntoBank"));
  auto* bank = new QSpinBox(&where);
  bank->setObjectName(QStringLiteral("spnBank"));
  bank->setAccessibleName(Text("Into bank"));
  bank->setRange(0, kBankCount - 1);
  bank->setValue(std::max(0, doc_.BankOfSlot(first_slot)));
  auto* bank_row = new QHBoxLayout;
  bank_row->addWidget(into_bank);
  bank_row->addWidget(bank);
  bank_row->addStretch();
  // A list this program exported names each channel's slot.
  auto* by_location = new QRadioButton(
      Text("Each channel at the slot its Location names"), &where);
  by_location->setObjectName(QStringLiteral("optByLocation"));
  by_location->setAccessibleName(by_location->text());
  layout->addWidget(from_row);
  layout->addLayout(bank_row);
  layout->addWidget(by_location);
  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &where);
  connect(buttons, &QDialogButtonBox::accepted, &where, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &where, &QDialog::reject);
  layout->addWidget(buttons);
  if (prompts_.RunDialog(&where) != QDialog::Accepted) return;
  ChannelCsvTarget target;
  target.first_row = first_slot;
  if (into_bank->isChecked()) target.bank = bank->value();
  target.by_location = by_location->isChecked();

  QString path = prompts_.OpenFileName(
      this, ChannelListDialog(Text("Import Channel List")));
  if (path.isEmpty()) return;
  ChannelCsvResult result = ImportChannelCsv(doc_, path.toStdString(), target);
  if (result.status != FileStatus::kOk) {
    ReportFile(result.status);
    return;
  }
  if (result.imported > 0) {
    UpDateMemData();
    history_->Record(Text("Import Channel List"));
  }
  ShowChannelImportReport(result);
}

void MainWindow::ShowChannelImportReport(const ChannelCsvResult& result) {
  QString counts = QString::fromStdString(ChannelCsvCountLine(result));
  if (result.imported == 0) {
    counts = Text("Nothing was imported.") + QStringLiteral(" ") + counts;
  }
  if (result.notes.empty()) {
    prompts_.Show(this, Message{counts.toStdString(),
                                Text("Import Channel List").toStdString(),
                                Message::Icon::kInformation});
    return;
  }
  QDialog report(this);
  report.setObjectName(QStringLiteral("dlgImportReport"));
  report.setWindowTitle(Text("Import Channel List"));
  auto* layout = new QVBoxLayout(&report);
  layout->addWidget(
      new QLabel(counts + QStringLiteral(". ") +
                     Text("What was changed or left out, row by row:"),
                 &report));
  auto* list = new QListWidget(&report);
  list->setObjectName(QStringLiteral("lstImportReport"));
  for (const ChannelCsvNote& note : result.notes) {
    list->addItem(QString::fromStdString(ChannelCsvNoteLine(note)));
  }
  layout->addWidget(list, 1);
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, &report);
  connect(close, &QDialogButtonBox::rejected, &report, &QDialog::reject);
  layout->addWidget(close);
  report.resize(760, 420);
  prompts_.RunDialog(&report);
}

void MainWindow::ExportChannelList() {
  QString path = prompts_.SaveFileName(
      this, ChannelListDialog(Text("Export Channel List")));
  if (path.isEmpty()) return;
  std::string reason;
  FileStatus status =
      ExportChannelCsv(doc_, path.toStdString(), NoteToUtf8, &reason);
  ReportFile(status, reason);
}

// ----- recent files and dropped files -----

namespace {
constexpr int kRecentFiles = 8;
const QString kRecentKey = QStringLiteral("Files/Recent");
}  // namespace

QStringList MainWindow::RecentFiles() const {
  return Setting(kRecentKey).toStringList();
}

void MainWindow::RememberFile(const QString& path) {
  QString full = QFileInfo(path).absoluteFilePath();
  QStringList files = RecentFiles();
  files.removeAll(full);
  files.prepend(full);
  while (files.size() > kRecentFiles) files.removeLast();
  KeepSettings({{kRecentKey, files}});
  FillRecentMenu();
}

void MainWindow::FillRecentMenu() {
  // The entry that asked for this may still be running its signal.
  for (QAction* a : recent_menu_->actions()) {
    recent_menu_->removeAction(a);
    a->deleteLater();
  }
  const QStringList files = RecentFiles();
  for (int i = 0; i < files.size(); ++i) {
    QAction* a =
        recent_menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(files[i]).fileName()));
    a->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
    a->setToolTip(files[i]);
    const QString path = files[i];
    connect(a, &QAction::triggered, this, [this, path] { OpenRecent(path); });
  }
  recent_menu_->setEnabled(!files.isEmpty());
}

void MainWindow::OpenRecent(const QString& path) {
  if (!StopTransferFirst() || !AskToSave()) return;
  if (!OpenNamedFile(path)) {
    // A file that is gone (or no longer a clone file) leaves the list.
    QStringList files = RecentFiles();
    files.removeAll(path);
    KeepSettings({{kRecentKey, files}});
    FillRecentMenu();
  }
}

namespace {
// The clone file or CSV file a drag carries, or an empty text.
QString DroppedFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1) {
    return QString();
  }
  const QUrl url = mime->urls().first();
  if (!url.isLocalFile()) return QString();
  const QString path = url.toLocalFile();
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QStringLiteral("vq5") || suffix == QStringLiteral("csv")
             ? path
             : QString();
}
}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  OpenDroppedFile(path);
}

void MainWindow::OpenDroppedFile(const QString& path) {
  if (QFileInfo(path).suffix().toLower() == QStringLiteral("csv")) {
    // An import merges onto the document: a transfer must not bring its
    // own back over it.
    if (runner_->Busy()) {
      prompts_.Show(this, ErrorMessage(kMsgTransferRunning));
      return;
    }
    ImportNamedCsv(path);
    return;
  }
  if (!StopTransferFirst() || !AskToSave()) return;
  OpenNamedFile(path);
}

void MainWindow::mnuExport_Click() {
  QString path =
      prompts_.SaveFileName(this, CsvFileDialog(QStringLiteral("Export")));
  if (path.isEmpty()) return;
  std::string reason;
  FileStatus status = ExportCsv(doc_, path.toStdString(), &reason);
  ReportFile(status, reason);
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
  layout->addWidget(new QLabel(QStringLiteral("Version %1, Qt %2")
                                   .arg(QApplication::applicationVersion(),
                                        QString::fromLatin1(qVersion())),
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

// ----- transfers -----

bool MainWindow::TransferRunning() const { return runner_->Busy(); }

void MainWindow::SetTransferControlsEnabled(bool enabled) {
  for (QWidget* w : transfer_controls_) w->setEnabled(enabled);
  for (QMenu* m : busy_menus_) m->menuAction()->setEnabled(enabled);
  // The actions themselves too, so that their shortcuts wait as well.
  for (QAction* a : busy_actions_) a->setEnabled(enabled);
  transfer_idle_ = enabled;
  UpdateUndoActions();
  tab_strip_->setEnabled(enabled);
  frames_->currentWidget()->setEnabled(enabled);
  progress_->setVisible(!enabled);
  time_left_->setVisible(!enabled);
  cancel_->setVisible(!enabled);
}

bool MainWindow::ReadyForTransfer() {
  if (runner_->Busy()) {
    prompts_.Show(this, ErrorMessage(kMsgTransferRunning));
    return false;
  }
  if (port_name_.empty()) {
    prompts_.Show(this, ErrorMessage("COM Port Error"));
    return false;
  }
  return true;
}

void MainWindow::ShowTransferStarting(bool counted) {
  // A check has no steps to count: the bar shows that it is busy.
  progress_->setRange(0, counted ? 1 : 0);
  progress_->setValue(0);
  time_left_->clear();
  first_progress_ms_ = -1;
  SetTransferControlsEnabled(false);
}

void MainWindow::RunTransfer(UserCommand command) {
  if (!ReadyForTransfer()) return;
  if (IsWriteCommand(command) && !CheckBeforeWriting(command)) return;
  // The pages a command shows before it starts.
  int tab = CurrentTab();
  switch (command) {
    case UserCommand::kRead:
    case UserCommand::kWrite:
      if (tab != kTabMemory) tab_strip_->setCurrentIndex(kTabMemory - 1);
      break;
    case UserCommand::kReadSettings:
      if (tab == kTabMemory) tab_strip_->setCurrentIndex(kTabSettings1 - 1);
      break;
    case UserCommand::kWriteSettings:
    case UserCommand::kWriteAll:
      if (tab == kTabMemory || tab == kTabBank) {
        tab_strip_->setCurrentIndex(kTabSettings1 - 1);
      }
      break;
    case UserCommand::kReadAll:
    case UserCommand::kReadQuick:
      tab_strip_->setCurrentIndex(kTabSettings1 - 1);
      break;
    default:
      break;
  }
  radio::SimulatedReceiver& receiver = SimulatedReceiver();
  ShowTransferStarting(true);
  runner_->Start(command, doc_, port_name_, receiver);
}

radio::SimulatedReceiver& MainWindow::SimulatedReceiver() {
  if (!sim_receiver_ || sim_receiver_->model_index() != doc_.ModelIndex) {
    sim_receiver_ = std::make_unique<radio::SimulatedReceiver>(doc_.ModelIndex);
  }
  return *sim_receiver_;
}

void MainWindow::ShowTransferProgress(int value, int maximum) {
  progress_->setRange(0, std::max(1, maximum));
  progress_->setValue(value);
  // The time left follows the pace since the first step of this count:
  // the probes and the identification before it take their own time once.
  qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (first_progress_ms_ < 0 || maximum != progress_maximum_) {
    first_progress_ms_ = now;
    first_progress_value_ = value;
    progress_maximum_ = maximum;
    return;
  }
  int done = value - first_progress_value_;
  if (done > 0 && maximum > value) {
    qint64 left = (now - first_progress_ms_) * (maximum - value) / done / 1000;
    time_left_->setText(QStringLiteral("%1 s left").arg(left));
  }
}

void MainWindow::CancelTransfer() { runner_->Cancel(); }

bool MainWindow::StopTransferFirst() {
  if (!runner_->Busy()) return true;
  if (prompts_.Ask(this, StopTransferQuestion(), Buttons::kOkCancel) ==
      Answer::kCancel) {
    return false;
  }
  // The transfer may have ended while the question was open.
  runner_->Cancel();
  WaitForTransfer();
  return true;
}

void MainWindow::WaitForTransfer() {
  while (runner_->Busy()) {
    runner_->Wait();
    QCoreApplication::sendPostedEvents(runner_);
    QApplication::processEvents();
  }
}

bool MainWindow::WriteWarningsHidden() const {
  return Setting(QStringLiteral("WriteCheck/HideWarnings"), false).toBool();
}

void MainWindow::SetWriteWarningsHidden(bool hidden) {
  KeepSettings({{QStringLiteral("WriteCheck/HideWarnings"), hidden}});
}

bool MainWindow::CheckBeforeWriting(UserCommand command) {
  const std::vector<Finding> findings =
      CheckBeforeWrite(doc_, WriteScopeOf(command));
  const bool errors = HasError(findings);
  if (findings.empty() || (!errors && WriteWarningsHidden())) return true;

  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("dlgWriteCheck"));
  dialog.setWindowTitle(Text("Check before writing"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* summary = new QLabel(&dialog);
  summary->setObjectName(QStringLiteral("lblWriteCheck"));
  summary->setWordWrap(true);
  summary->setText(
      (errors ? Text("The receiver would refuse or misfile what is marked as "
                     "an error. Nothing is written; correct it first.")
              : Text("A write would cut or change what is listed here. Write "
                     "anyway?")) +
      QStringLiteral(" (") +
      QString::fromStdString(FindingCountLine(findings)) + QStringLiteral(")"));
  layout->addWidget(summary);
  auto* model = new QStandardItemModel(0, 4, &dialog);
  model->setHorizontalHeaderLabels(
      {Text("Kind"), Text("Row"), Text("Field"), Text("What a write does")});
  for (const Finding& f : findings) {
    QList<QStandardItem*> row;
    for (const std::string& cell :
         {std::string(FindingKindName(f.kind)), f.row, f.field, f.text}) {
      auto* item = new QStandardItem(QString::fromStdString(cell));
      item->setEditable(false);
      item->setToolTip(QString::fromStdString(f.text));
      row.append(item);
    }
    if (f.kind == FindingKind::kError) row[0]->setForeground(Qt::darkRed);
    model->appendRow(row);
  }
  auto* view = new QTableView(&dialog);
  view->setObjectName(QStringLiteral("grdFindings"));
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->verticalHeader()->hide();
  view->horizontalHeader()->setStretchLastSection(true);
  view->resizeColumnsToContents();
  view->setWordWrap(true);
  // The texts wrap in their column, and the rows follow its width.
  connect(view->horizontalHeader(), &QHeaderView::sectionResized, view,
          [view] { view->resizeRowsToContents(); });
  layout->addWidget(view);
  auto* buttons = new QDialogButtonBox(&dialog);
  QCheckBox* hide = nullptr;
  if (errors) {
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
  } else {
    hide = new QCheckBox(Text("Do not show warnings again"), &dialog);
    hide->setObjectName(QStringLiteral("chkHideWarnings"));
    layout->addWidget(hide);
    QPushButton* write =
        buttons->addButton(Text("Write anyway"), QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("cmdWriteAnyway"));
    QPushButton* stop =
        buttons->addButton(Text("Stop"), QDialogButtonBox::RejectRole);
    stop->setObjectName(QStringLiteral("cmdStop"));
    stop->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  }
  layout->addWidget(buttons);
  dialog.resize(860, 360);
  const int result = prompts_.RunDialog(&dialog);
  if (errors) return false;
  if (hide->isChecked()) SetWriteWarningsHidden(true);
  return result == QDialog::Accepted;
}

void MainWindow::BuildRowActions(QMenu* edit) {
  struct Item {
    const char* name;
    const char* text;
    QKeySequence key;
    void (MainWindow::*slot)();
  };
  const Item items[] = {
      {"mnuCut", "Cut(&T)", QKeySequence::Cut, &MainWindow::CutRows},
      {"mnuCopy", "Copy(&C)", QKeySequence::Copy, &MainWindow::CopyRows},
      {"mnuPaste", "Paste(&P)", QKeySequence::Paste, &MainWindow::PasteRows},
      {"mnuDelete", "Delete(&D)", QKeySequence::Delete,
       &MainWindow::DeleteRows},
      {"mnuMoveUp", "Move Up", QKeySequence(Qt::CTRL | Qt::Key_Up),
       &MainWindow::MoveRowsUp},
      {"mnuMoveDown", "Move Down", QKeySequence(Qt::CTRL | Qt::Key_Down),
       &MainWindow::MoveRowsDown},
      {"mnuInsertRow", "Insert Empty Row(&I)",
       QKeySequence(Qt::CTRL | Qt::Key_Insert), &MainWindow::InsertRow},
      {"mnuFind", "Find(&F)...", QKeySequence::Find, &MainWindow::ShowFind},
      {"mnuFindNext", "Find Next", QKeySequence::FindNext,
       &MainWindow::FindNextRow},
      {"mnuFindPrevious", "Find Previous", QKeySequence::FindPrevious,
       &MainWindow::FindPreviousRow},
  };
  for (const Item& item : items) {
    QAction* a = Action(this, item.name, item.text);
    a->setShortcut(item.key);
    edit->addAction(a);
    busy_actions_.push_back(a);
    connect(a, &QAction::triggered, this, item.slot);
    if (item.slot == &MainWindow::InsertRow) {
      QMenu* sort = edit->addMenu(Text("Sort(&S)"));
      sort->setObjectName(QStringLiteral("mnuSort"));
      busy_menus_.push_back(sort);
      const std::pair<const char*, SortKey> keys[] = {
          {"By Frequency", SortKey::kFrequency},
          {"By Name", SortKey::kName},
          {"By Note", SortKey::kNote}};
      int i = 0;
      for (const auto& [text, key] : keys) {
        QAction* by = Action(
            this, (std::string("mnuSort_") + std::to_string(i++)).c_str(),
            text);
        sort->addAction(by);
        const SortKey k = key;
        connect(by, &QAction::triggered, this, [this, k] { SortSelection(k); });
      }
    }
  }
}

std::vector<int> MainWindow::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) {
    rows.push_back(index.row() + 1);
  }
  if (rows.empty() && CurrentRow() > 0) rows.push_back(CurrentRow());
  return ValidRows(rows);
}

void MainWindow::SelectRows(const std::vector<int>& rows) {
  if (rows.empty()) return;
  SelectRow(rows.front());
  QItemSelection selection;
  for (int row : rows) {
    selection.select(
        memory_model_->index(row - 1, 0),
        memory_model_->index(row - 1, memory_model_->columnCount() - 1));
  }
  grid_->selectionModel()->select(
      selection,
      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool MainWindow::OnMemoryPage() const {
  return CurrentTab() == kTabMemory && transfer_idle_;
}

void MainWindow::CopyRows() {
  if (!OnMemoryPage()) return;
  std::vector<CopiedRow> rows = vrq5::CopyRows(doc_, SelectedRows());
  auto* mime = new QMimeData;
  mime->setText(QString::fromStdString(RowsAsText(rows)));
  std::string data = RowsAsData(rows);
  mime->setData(QString::fromLatin1(kRowsMimeType),
                QByteArray(data.data(), static_cast<qsizetype>(data.size())));
  QGuiApplication::clipboard()->setMimeData(mime);
}

void MainWindow::CutRows() {
  if (!OnMemoryPage()) return;
  CopyRows();
  std::vector<int> rows = SelectedRows();
  vrq5::CutRows(doc_, rows);
  UpDateMemData();
  SelectRows(rows);
  history_->Record(Text("Cut"));
}

void MainWindow::PasteRows() {
  if (!OnMemoryPage() || CurrentRow() < 1) return;
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (mime == nullptr) return;
  std::optional<std::vector<CopiedRow>> rows;
  if (mime->hasFormat(QString::fromLatin1(kRowsMimeType))) {
    QByteArray data = mime->data(QString::fromLatin1(kRowsMimeType));
    rows = RowsFromData(
        std::string_view(data.constData(), static_cast<size_t>(data.size())));
  }
  if (!rows && mime->hasText()) rows = RowsFromText(mime->text().toStdString());
  if (!rows || rows->empty()) {
    prompts_.Show(
        this, Message{Text("The clipboard holds no channels.").toStdString(),
                      Text("Paste").toStdString(), Message::Icon::kWarning});
    return;
  }
  PastePlan plan = PlanPaste(doc_, CurrentRow(), rows->size());
  if (plan.targets.empty()) {
    prompts_.Show(
        this, Message{Text("Nothing can be pasted on this row.").toStdString(),
                      Text("Paste").toStdString(), Message::Icon::kWarning});
    return;
  }
  if (plan.in_use > 0 || plan.not_fitting > 0) {
    QString question;
    if (plan.in_use > 0) {
      question +=
          Text("%1 of the rows pasted over are in use.\r\n").arg(plan.in_use);
    }
    if (plan.not_fitting > 0) {
      question += Text("%1 rows do not fit and are left out.\r\n")
                      .arg(plan.not_fitting);
    }
    question += Text("Paste anyway?");
    if (prompts_.Ask(
            this,
            Message{question.toStdString(), Text("Paste").toStdString(),
                    Message::Icon::kWarning},
            Buttons::kYesNoDefaultNo) != Answer::kYes) {
      return;
    }
  }
  ApplyPaste(doc_, plan, *rows);
  UpDateMemData();
  std::vector<int> pasted;
  for (int slot : plan.targets) pasted.push_back(slot + 1);
  SelectRows(pasted);
  history_->Record(Text("Paste"));
}

void MainWindow::DeleteRows() {
  if (!OnMemoryPage()) return;
  std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  if (prompts_.Ask(this, ClearConfirmation(static_cast<int>(rows.size())),
                   Buttons::kOkCancel) == Answer::kCancel) {
    return;
  }
  for (int row : rows) ClearSlot(doc_, row - 1);
  UpDateMemData();
  SelectRows(rows);
  history_->Record(Text("Clear"));
}

void MainWindow::MoveSelection(int delta) {
  if (!OnMemoryPage()) return;
  std::vector<int> rows = SelectedRows();
  if (!MoveRows(doc_, rows, delta)) {
    QApplication::beep();
    return;
  }
  for (int& row : rows) row += delta;
  UpDateMemData();
  SelectRows(rows);
  history_->Record(delta < 0 ? Text("Move Up") : Text("Move Down"));
}

void MainWindow::MoveRowsUp() { MoveSelection(-1); }
void MainWindow::MoveRowsDown() { MoveSelection(1); }

void MainWindow::SortSelection(SortKey key) {
  if (!OnMemoryPage() || CurrentRow() < 1) return;
  std::vector<int> rows = SelectedRows();
  if (rows.size() < 2) {
    // One row: its whole bank (or fixed area).
    Area area = AreaOfSlot(doc_, CurrentRow() - 1);
    rows.clear();
    for (int slot = area.first; slot <= area.last; ++slot) {
      rows.push_back(slot + 1);
    }
  }
  if (!SortRows(doc_, rows, key)) {
    prompts_.Show(
        this,
        Message{Text("The rows to sort must lie in one bank.").toStdString(),
                Text("Sort").toStdString(), Message::Icon::kWarning});
    return;
  }
  UpDateMemData();
  SelectRows(rows);
  history_->Record(Text("Sort"));
}

void MainWindow::InsertRow() {
  if (!OnMemoryPage() || CurrentRow() < 1) return;
  int row = CurrentRow();
  if (std::optional<std::string> refused = InsertEmptyRow(doc_, row)) {
    prompts_.Show(this,
                  Message{*refused, Text("Insert Empty Row").toStdString(),
                          Message::Icon::kWarning});
    return;
  }
  UpDateMemData();
  SelectRow(row);
  history_->Record(Text("Insert Empty Row"));
}

void MainWindow::ShowFind() {
  if (!transfer_idle_) return;
  if (CurrentTab() != kTabMemory) tab_strip_->setCurrentIndex(kTabMemory - 1);
  if (CurrentTab() != kTabMemory) return;  // the bank total kept it away
  find_bar_->show();
  find_text_->setFocus();
  find_text_->selectAll();
}

void MainWindow::FindRow(bool forward) {
  if (!transfer_idle_) return;
  FindQuery query = ParseFindQuery(find_text_->text().toStdString());
  std::optional<int> row = forward ? FindNext(doc_, query, CurrentRow())
                                   : FindPrevious(doc_, query, CurrentRow());
  if (!row) {
    find_status_->setText(Text("Not found"));
    QApplication::beep();
    return;
  }
  find_status_->clear();
  SelectRow(*row);
}

void MainWindow::FindNextRow() {
  if (find_text_->text().isEmpty()) {
    ShowFind();
    return;
  }
  FindRow(true);
}

void MainWindow::FindPreviousRow() {
  if (find_text_->text().isEmpty()) {
    ShowFind();
    return;
  }
  FindRow(false);
}

void MainWindow::ShowChannelMap() {
  if (!map_dialog_) {
    map_dialog_ = new QDialog(this);
    map_dialog_->setObjectName(QStringLiteral("dlgChannelMap"));
    map_dialog_->setWindowTitle(Text("Channel Map"));
    auto* layout = new QVBoxLayout(map_dialog_);
    map_view_ = new ChannelMapView(map_dialog_);
    layout->addWidget(map_view_, 1);
    auto* hint = new QLabel(
        Text("Point at a channel for its row and name; click it to select "
             "its row."),
        map_dialog_);
    auto* save = Button("cmdSavePng", "Save as PNG...", map_dialog_);
    auto* close = Button("cmdCloseMap", "Close", map_dialog_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint, 1);
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, map_dialog_, &QDialog::hide);
    connect(save, &QPushButton::clicked, this, &MainWindow::SaveChannelMap);
    connect(map_view_, &ChannelMapView::rowClicked, this, [this](int row) {
      if (CurrentTab() != kTabMemory) {
        tab_strip_->setCurrentIndex(kTabMemory - 1);
      }
      if (CurrentTab() == kTabMemory) SelectRow(row);
    });
    map_dialog_->resize(1000, 680);
  }
  map_view_->SetMap(BuildChannelMap(doc_));
  map_dialog_->show();
  map_dialog_->raise();
}

bool MainWindow::SaveChannelMap() {
  if (!map_view_) return false;
  FileDialog dialog{
      Text("Save as PNG"),
      {QStringLiteral("PNG Images (*.png)"), QStringLiteral("All Files (*)")},
      QStringLiteral("png")};
  QString path = prompts_.SaveFileName(this, dialog);
  if (path.isEmpty()) return false;
  if (!map_view_->grab().save(path, "PNG")) {
    ReportFile(FileStatus::kFileOpenError);
    return false;
  }
  return true;
}

QString MainWindow::UserGuidePath() {
  // Installed beside the program's data, or in the source tree of a build.
  const QString installed = QCoreApplication::applicationDirPath() +
                            QStringLiteral("/../share/doc/vrq5/user-guide.md");
  if (QFileInfo::exists(installed)) {
    return QFileInfo(installed).canonicalFilePath();
  }
  const QString source = QStringLiteral(VRQ5_SOURCE_DIR "/docs/user-guide.md");
  return QFileInfo::exists(source) ? source : QString();
}

void MainWindow::ShowUserGuide() {
  const QString path = UserGuidePath();
  if (path.isEmpty() || !prompts_.OpenFile(path)) {
    prompts_.Show(
        this,
        Message{Text("The user guide cannot be shown.").toStdString(),
                Text("User Guide").toStdString(), Message::Icon::kWarning});
  }
}

void MainWindow::Undo() {
  if (!transfer_idle_) return;
  edit_dialog_->hide();
  history_->Undo();
}

void MainWindow::Redo() {
  if (!transfer_idle_) return;
  edit_dialog_->hide();
  history_->Redo();
}

void MainWindow::UpdateUndoActions() {
  if (!undo_) return;
  bool can_undo = transfer_idle_ && history_->CanUndo();
  bool can_redo = transfer_idle_ && history_->CanRedo();
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

void MainWindow::CheckConnection() {
  if (!ReadyForTransfer()) return;
  radio::SimulatedReceiver& receiver = SimulatedReceiver();
  ShowTransferStarting(false);
  runner_->StartCheck(doc_.ModelIndex, doc_, port_name_, receiver);
}

void MainWindow::ShowVerdict(const ConnectionReport& report) {
  std::vector<std::string> ports;
  for (const SerialPortInfo& info : ListSerialPorts()) {
    ports.push_back(info.name);
  }
  const std::string text = VerdictText(report, port_name_, ports);
  // The headline in the interface's language, the details as they are.
  const std::string headline =
      VerdictHeadline(report.verdict, report.simulated);
  QString shown = Text(headline.c_str()) +
                  QString::fromStdString(text.substr(headline.size()));
  Message m{
      shown.toStdString(), Text("Check Connection").toStdString(),
      report.ok() ? Message::Icon::kInformation : Message::Icon::kCritical};
  if (report.verdict != Verdict::kOtherModel || report.answered_model < 0) {
    prompts_.Show(this, m);
    return;
  }
  const int model = report.answered_model;
  m.text += "\r\n\r\n" + Text("Switch to the model %1?")
                             .arg(QString::fromLatin1(ModelName[model].data()))
                             .toStdString();
  m.icon = Message::Icon::kWarning;
  if (prompts_.Ask(this, m, Buttons::kYesNo) != Answer::kYes) return;
  opbModel_Click(model);
  settings_pages_->SelectModel(doc_.opbModel);
}

void MainWindow::TransferFinished(const TransferOutcome& outcome) {
  if (outcome.check) {
    SetTransferControlsEnabled(true);
    TabStrip1_Click(CurrentTab());
    ShowVerdict(outcome.report);
    return;
  }
  // A read that did not succeed changed nothing: the document, its pages
  // and the undo history stay as they were.
  const bool changed = IsWriteCommand(outcome.command) ||
                       outcome.result == CommandResult::kSuccess;
  if (changed) doc_ = *outcome.doc;
  SetTransferControlsEnabled(true);
  TabStrip1_Click(CurrentTab());
  if (changed) {
    ShowDocument();
    history_->Record(IsWriteCommand(outcome.command)
                         ? Text("Write to the receiver")
                         : Text("Read from the receiver"));
  }
  if (outcome.command == UserCommand::kWriteAll &&
      outcome.result == CommandResult::kSuccess) {
    tab_strip_->setCurrentIndex(kTabMemory - 1);
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
    ShowDocument();
    history_->Record(Text("Model change"));
  } else {
    opbModel_Click(model);
    settings_pages_->SelectModel(doc_.opbModel);
    if (doc_.opbModel != model) return;  // the save question was cancelled
  }
  RunTransfer(outcome.command);
}

void MainWindow::mnuToolsOptions_Click() {
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("dlgCOM"));
  dialog.setWindowTitle(Text("COM Port Setup"));
  dialog.setAccessibleName(Text("COM Port Setup"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* hint = new QLabel(
      Text("Choose the port of the cloning cable, or type the path of its "
           "device. \"Simulated receiver\" answers without a receiver "
           "attached."),
      &dialog);
  hint->setObjectName(QStringLiteral("lblPortHint"));
  hint->setAccessibleName(Text("What to choose"));
  hint->setWordWrap(true);
  auto* list = new QListWidget(&dialog);
  list->setObjectName(QStringLiteral("lstPorts"));
  list->setAccessibleName(Text("Ports"));

  std::vector<PortDevice> devices;
#ifdef _WIN32
  // The sixteen ports the port file's number form keeps.
  for (int n = 1; n <= kPortNumberMax; ++n) {
    devices.push_back({"COM" + std::to_string(n), std::string()});
  }
  const bool saved_present = true;
#else
  for (const SerialPortInfo& info : ListSerialPorts()) {
    devices.push_back({info.path, info.description});
  }
  std::error_code ec;
  const bool saved_present =
      !port_name_.empty() && std::filesystem::exists(port_name_, ec);
#endif
  const PortRows rows = PortDialogRows(devices, port_name_, saved_present);
  for (const PortRow& row : rows.rows) {
    const QString name = QString::fromStdString(row.name);
    QString text = name;
    switch (row.kind) {
      case PortRow::Kind::kDevice:
        if (!row.description.empty()) {
          text +=
              QStringLiteral("  ") + QString::fromStdString(row.description);
        }
        break;
      case PortRow::Kind::kSaved:
        break;
      case PortRow::Kind::kMissing:
        text += QStringLiteral("  ") + Text("(not found)");
        break;
      case PortRow::Kind::kSimulated:
        text = Text("Simulated receiver");
        break;
    }
    auto* item = new QListWidgetItem(text, list);
    item->setData(Qt::UserRole, name);
  }
  auto* path = new QLineEdit(&dialog);
  path->setObjectName(QStringLiteral("txtPort"));
  path->setAccessibleName(Text("Port name or device path"));
  path->setPlaceholderText(Text("Device path, e.g. /dev/ttyUSB0"));
  path->setText(QString::fromStdString(port_name_));
  if (rows.current >= 0) list->setCurrentRow(rows.current);
  // Only a row the user selects fills the box: the list taking the focus
  // makes a row current without selecting it, and changes nothing.
  connect(list, &QListWidget::itemSelectionChanged, path, [list, path] {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (!selected.isEmpty()) {
      path->setText(selected.front()->data(Qt::UserRole).toString());
    }
  });
  // A click on the selected row takes it again after the box was typed in.
  connect(list, &QListWidget::itemClicked, path, [path](QListWidgetItem* item) {
    path->setText(item->data(Qt::UserRole).toString());
  });
  auto* buttons = new QDialogButtonBox(&dialog);
  QPushButton* ok =
      buttons->addButton(Text("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setAccessibleName(Text("OK"));
  ok->setDefault(true);
  QPushButton* cancel =
      buttons->addButton(Text("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  cancel->setAccessibleName(Text("Cancel"));
  cancel->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(hint);
  layout->addWidget(list);
  layout->addWidget(path);
  layout->addWidget(buttons);
  // Wide enough for the longest row (a long device path), within reason.
  dialog.resize(std::clamp(list->sizeHintForColumn(0) + 60, 440, 900), 340);
  path->setFocus(Qt::OtherFocusReason);
  if (prompts_.RunDialog(&dialog) != QDialog::Accepted) return;
  std::string chosen = PortPathFromText(path->text().toStdString());
  if (chosen.empty() || chosen == port_name_) return;
  port_name_ = chosen;
  chosen_port_ = chosen;
  SavePortName(options_.port_folder, port_name_);
  port_file_after_choice_ = LoadPortName(options_.port_folder);
  UpdateStatus();
}

void MainWindow::set_port_name(const std::string& name) {
  port_name_ = name;
  UpdateStatus();
}

// ----- closing and the window placement -----

void MainWindow::closeEvent(QCloseEvent* event) {
  // A running transfer stops between two exchanges when the user agrees;
  // its outcome is taken in (and may be saved) before the window goes.
  if (!StopTransferFirst() || !AskToSave()) {
    event->ignore();
    return;
  }
  // The port file keeps the newest choice: this window writes it again
  // only when the port it chose did not reach the file and nobody chose
  // another one since.
  if (PortFileNeedsRewrite(chosen_port_, port_file_after_choice_,
                           LoadPortName(options_.port_folder))) {
    SavePortName(options_.port_folder, chosen_port_);
  }
  edit_dialog_->hide();
  StorePlacement();
  event->accept();
}

void MainWindow::StorePlacement() {
  if (isMinimized()) return;
  QRect r = geometry();
  KeepSettings(
      {{QStringLiteral("Settings/MainLeft"), QString::number(r.x())},
       {QStringLiteral("Settings/MainTop"), QString::number(r.y())},
       {QStringLiteral("Settings/MainWidth"), QString::number(r.width())},
       {QStringLiteral("Settings/MainHeight"), QString::number(r.height())}});
}

namespace {

// A placement of `width` x `height` at `left`, `top` on the first screen
// whose available area it reaches, made to fit that area: no larger than
// it and moved inside it. False when it reaches no screen (one that is no
// longer there). Wide numbers: a hand-edited size may be INT_MAX.
bool FitOnScreen(std::int64_t left, std::int64_t top, std::int64_t width,
                 std::int64_t height, QRect& placed) {
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    const std::int64_t right = std::int64_t{area.x()} + area.width();
    const std::int64_t bottom = std::int64_t{area.y()} + area.height();
    if (left >= right || left + width <= area.x() || top >= bottom ||
        top + height <= area.y()) {
      continue;
    }
    const int w = static_cast<int>(std::min<std::int64_t>(width, area.width()));
    const int h =
        static_cast<int>(std::min<std::int64_t>(height, area.height()));
    const std::int64_t x = std::clamp<std::int64_t>(left, area.x(), right - w);
    const std::int64_t y = std::clamp<std::int64_t>(top, area.y(), bottom - h);
    placed = QRect(static_cast<int>(x), static_cast<int>(y), w, h);
    return true;
  }
  return false;
}

}  // namespace

void MainWindow::RestorePlacement() {
  resize(1000, 720);
  bool ok[4] = {};
  int left = Setting(QStringLiteral("Settings/MainLeft")).toInt(&ok[0]);
  int top = Setting(QStringLiteral("Settings/MainTop")).toInt(&ok[1]);
  int width = Setting(QStringLiteral("Settings/MainWidth")).toInt(&ok[2]);
  int height = Setting(QStringLiteral("Settings/MainHeight")).toInt(&ok[3]);
  if (!(ok[0] && ok[1] && ok[2] && ok[3])) return;
  if (width < 200 || height < 150) return;
  QRect placed;
  if (FitOnScreen(left, top, width, height, placed)) setGeometry(placed);
}

// ----- the window's settings file -----

std::unique_ptr<QSettings> MainWindow::OpenSettings() const {
  // A FIFO would block QSettings for ever, a device could be written to.
  if (RegularOrAbsent(options_.placement_file.toStdString())) {
    return std::make_unique<QSettings>(options_.placement_file,
                                       QSettings::IniFormat);
  }
  if (!settings_refused_) {
    settings_refused_ = true;
    std::fprintf(stderr,
                 "vrq5-clone: %s is not a regular file; the window's "
                 "settings are not read or kept\n",
                 qPrintable(options_.placement_file));
  }
  return nullptr;
}

QVariant MainWindow::Setting(const QString& key,
                             const QVariant& fallback) const {
  if (auto settings = OpenSettings()) return settings->value(key, fallback);
  return session_settings_.value(key, fallback);
}

void MainWindow::KeepSettings(const QVariantMap& values) const {
  auto settings = OpenSettings();
  for (auto it = values.begin(); it != values.end(); ++it) {
    if (settings) {
      settings->setValue(it.key(), it.value());
    } else {
      session_settings_.insert(it.key(), it.value());
    }
  }
  if (settings) settings->sync();
}

}  // namespace vrq5::gui
