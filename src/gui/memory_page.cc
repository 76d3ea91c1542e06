#include "gui/memory_page.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "gui/controls.h"
#include "gui/grid_view.h"
#include "gui/memory_model.h"
#include "gui/note_text.h"
#include "gui/prompts.h"
#include "gui/transfer_controller.h"
#include "store/bank_rules.h"

namespace vrq5::gui {

MemoryPage::MemoryPage(Document& doc, Prompts& prompts,
                       TransferController& transfer, QWidget* parent)
    : QWidget(parent), doc_(doc), prompts_(prompts), transfer_(transfer) {
  setObjectName(QStringLiteral("Frame1_2"));
  grid_ = new GridView(this, "MSFlexGrid1",
                       [this](int row) { emit rowOpened(row); });
  grid_->setAccessibleName(Text("Memory channels"));
  model_ = new MemoryModel(doc_, grid_);
  grid_->setModel(model_);
  for (int c = 0; c < 12; ++c) {
    grid_->setColumnWidth(
        c, MemoryColumnWidth(c, grid_->fontMetrics(), grid_->logicalDpiX()));
  }
  grid_->horizontalHeader()->setStretchLastSection(true);
  // Several rows at once (Shift and Ctrl clicks, Shift+arrows); the edit
  // commands work on the current row.
  grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);

  auto* buttons = new QVBoxLayout;
  // Made in the order they stand, which Tab follows.
  auto* read =
      transfer_.MakeButton(this, "cmbRxData", Tr("&Read"), UserCommand::kRead);
  auto* write = transfer_.MakeButton(this, "cmbTxData", Tr("&Write"),
                                     UserCommand::kWrite);
  auto* up = Button("Command5", Tr("&Up"), this);
  auto* down = Button("Command4", Tr("&Down"), this);
  auto* clear = Button("cmbClear", Tr("C&lear"), this);
  auto* clear_all = Button("cmbClAll", Tr("Clear &All"), this);
  connect(up, &QPushButton::clicked, this, [this] {
    int row = CurrentRow();
    if (row > 1) SelectRow(row - 1);
  });
  connect(down, &QPushButton::clicked, this, [this] {
    int row = CurrentRow();
    if (row == 0) {
      SelectRow(1);
    } else if (row < kSlotCount) {
      SelectRow(row + 1);
    }
  });
  connect(clear, &QPushButton::clicked, this, &MemoryPage::ClearSelected);
  connect(clear_all, &QPushButton::clicked, this, &MemoryPage::ClearAll);
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
  find_bar_ = new QWidget(this);
  find_bar_->setObjectName(QStringLiteral("fraFind"));
  auto* find_layout = new QHBoxLayout(find_bar_);
  find_layout->setContentsMargins(0, 0, 0, 0);
  auto* find_label = new QLabel(Text("Find:"), find_bar_);
  find_layout->addWidget(find_label);
  find_text_ = new QLineEdit(find_bar_);
  find_label->setBuddy(find_text_);
  find_text_->setObjectName(QStringLiteral("txtFind"));
  find_text_->setPlaceholderText(
      Text("145.5, a range 144-146, or a name or note"));
  find_text_->setClearButtonEnabled(true);
  find_layout->addWidget(find_text_, 1);
  auto* find_previous = Button("cmdFindPrevious", Tr("&Previous"), find_bar_);
  auto* find_next = Button("cmdFindNext", Tr("&Next"), find_bar_);
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
  // Escape, from the box or a button of the bar, hides it; the grid takes
  // the focus back. What was looked for stays for F3.
  auto* close_find = new QAction(find_bar_);
  close_find->setObjectName(QStringLiteral("actCloseFind"));
  close_find->setShortcut(QKeySequence(Qt::Key_Escape));
  close_find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  find_bar_->addAction(close_find);
  connect(close_find, &QAction::triggered, this, [this] {
    find_bar_->hide();
    grid_->setFocus(Qt::OtherFocusReason);
  });
  find_bar_->hide();
  auto* grid_column = new QVBoxLayout;
  grid_column->addWidget(find_bar_);
  grid_column->addWidget(grid_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(grid_column, 1);
  layout->addLayout(buttons);
}

void MemoryPage::SetTab(std::function<bool()> shown,
                        std::function<void()> show) {
  shown_ = std::move(shown);
  show_ = std::move(show);
}

void MemoryPage::AddRowActions(QMenu* edit) {
  struct Item {
    const char* name;
    const char* text;
    QKeySequence key;
    void (MemoryPage::*slot)();
  };
  const Item items[] = {
      {"mnuCut", Tr("Cut(&T)"), QKeySequence::Cut, &MemoryPage::CutRows},
      {"mnuCopy", Tr("Copy(&C)"), QKeySequence::Copy, &MemoryPage::CopyRows},
      {"mnuPaste", Tr("Paste(&P)"), QKeySequence::Paste,
       &MemoryPage::PasteRows},
      {"mnuDelete", Tr("Delete(&D)"), QKeySequence::Delete,
       &MemoryPage::DeleteRows},
      {"mnuMoveUp", Tr("Move Up"), QKeySequence(Qt::CTRL | Qt::Key_Up),
       &MemoryPage::MoveRowsUp},
      {"mnuMoveDown", Tr("Move Down"), QKeySequence(Qt::CTRL | Qt::Key_Down),
       &MemoryPage::MoveRowsDown},
      {"mnuInsertRow", Tr("Insert Empty Row(&I)"),
       QKeySequence(Qt::CTRL | Qt::Key_Insert), &MemoryPage::InsertRow},
      {"mnuFind", Tr("Find(&F)..."), QKeySequence::Find, &MemoryPage::ShowFind},
      {"mnuFindNext", Tr("Find Next"), QKeySequence::FindNext,
       &MemoryPage::FindNextRow},
      {"mnuFindPrevious", Tr("Find Previous"), QKeySequence::FindPrevious,
       &MemoryPage::FindPreviousRow},
  };
  for (const Item& item : items) {
    QAction* a = Action(this, item.name, item.text);
    a->setShortcut(item.key);
    edit->addAction(a);
    transfer_.LockActionWhileBusy(a);
    connect(a, &QAction::triggered, this, item.slot);
    if (item.slot == &MemoryPage::InsertRow) {
      QMenu* sort = edit->addMenu(Text("Sort(&S)"));
      sort->setObjectName(QStringLiteral("mnuSort"));
      transfer_.LockMenuWhileBusy(sort);
      const std::pair<const char*, SortKey> keys[] = {
          {Tr("By Frequency"), SortKey::kFrequency},
          {Tr("By Name"), SortKey::kName},
          {Tr("By Note"), SortKey::kNote}};
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

// ----- the grid -----

void MemoryPage::Refill() {
  int row = CurrentRow();
  find_status_->clear();  // "Not found" spoke of the document before
  model_->Refill();
  if (row > 0) SelectRow(row);
}

void MemoryPage::FitNoteColumn() {
  constexpr int kNoteColumn = 10;
  QFontMetrics metrics(GridModel::NoteFont());
  int widest = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string& note = doc_.Mem[slot].text[kNote];
    if (note.empty()) continue;
    widest = std::max(widest, metrics.horizontalAdvance(NoteToDisplay(note)));
  }
  const int least = MemoryColumnWidth(kNoteColumn, grid_->fontMetrics(),
                                      grid_->logicalDpiX());
  const int most =
      std::max(least, 24 * metrics.horizontalAdvance(QChar(0x3042)));
  grid_->setColumnWidth(kNoteColumn, std::clamp(widest + 14, least, most));
}

int MemoryPage::CurrentRow() const {
  QModelIndex index = grid_->currentIndex();
  return index.isValid() ? index.row() + 1 : 0;
}

void MemoryPage::SelectRow(int row) {
  if (row < 1 || row > kSlotCount) return;
  QModelIndex index = model_->index(row - 1, 1);
  // Exactly this row, whatever modifier keys are held (Shift+F3 must not
  // extend the selection as a Shift-click does).
  grid_->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  grid_->scrollTo(index);
}

std::vector<int> MemoryPage::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) {
    rows.push_back(index.row() + 1);
  }
  if (rows.empty() && CurrentRow() > 0) rows.push_back(CurrentRow());
  return ValidRows(rows);
}

void MemoryPage::SelectRows(const std::vector<int>& rows) {
  if (rows.empty()) return;
  SelectRow(rows.front());
  QItemSelection selection;
  for (int row : rows) {
    selection.select(model_->index(row - 1, 0),
                     model_->index(row - 1, model_->columnCount() - 1));
  }
  grid_->selectionModel()->select(
      selection,
      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// ----- changes of the document -----

void MemoryPage::Changed(const QString& undo_label,
                         const std::vector<int>& rows) {
  emit documentChanged(undo_label);
  SelectRows(rows);
}

bool MemoryPage::Editable() const {
  return shown_ && shown_() && transfer_.Idle();
}

void MemoryPage::ShowWarning(const QString& text, const QString& title) {
  prompts_.Show(window(), Message{text.toStdString(), title.toStdString(),
                                  Message::Icon::kWarning});
}

void MemoryPage::ClearSelected() {
  // Every selected row, as Edit > Delete does.
  std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  if (prompts_.Ask(window(), ClearConfirmation(static_cast<int>(rows.size())),
                   Buttons::kOkCancel) == Answer::kCancel) {
    return;
  }
  for (int row : rows) ClearSlot(doc_, row - 1);
  Changed(Text("Clear"), rows);
}

void MemoryPage::ClearAll() {
  if (prompts_.Ask(window(), ClearAllConfirmation(), Buttons::kOkCancel) ==
      Answer::kCancel) {
    return;
  }
  ClearAllSlots(doc_);
  Changed(Text("Clear All"), {});
}

void MemoryPage::CopyRows() {
  if (!Editable()) return;
  std::vector<CopiedRow> rows = vrq5::CopyRows(doc_, SelectedRows());
  auto* mime = new QMimeData;
  mime->setText(QString::fromStdString(RowsAsText(rows)));
  std::string bytes = RowsAsData(rows);
  mime->setData(QString::fromLatin1(kRowsMimeType),
                QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  QGuiApplication::clipboard()->setMimeData(mime);
}

void MemoryPage::CutRows() {
  if (!Editable()) return;
  CopyRows();
  std::vector<int> rows = SelectedRows();
  vrq5::CutRows(doc_, rows);
  Changed(Text("Cut"), rows);
}

void MemoryPage::PasteRows() {
  if (!Editable() || CurrentRow() < 1) return;
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (mime == nullptr) return;
  std::optional<std::vector<CopiedRow>> rows;
  if (mime->hasFormat(QString::fromLatin1(kRowsMimeType))) {
    QByteArray bytes = mime->data(QString::fromLatin1(kRowsMimeType));
    rows = RowsFromData(
        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  }
  if (!rows && mime->hasText()) rows = RowsFromText(mime->text().toStdString());
  if (!rows || rows->empty()) {
    prompts_.Show(window(), PasteNothingMessage());
    return;
  }
  PastePlan plan = PlanPaste(doc_, CurrentRow(), rows->size());
  if (plan.targets.empty()) {
    prompts_.Show(window(), PasteNowhereMessage());
    return;
  }
  if (std::optional<Message> question = PasteQuestion(plan);
      question && prompts_.Ask(window(), *question, Buttons::kYesNoDefaultNo) !=
                      Answer::kYes) {
    return;
  }
  ApplyPaste(doc_, plan, *rows);
  std::vector<int> pasted;
  for (int slot : plan.targets) pasted.push_back(slot + 1);
  Changed(Text("Paste"), pasted);
}

void MemoryPage::DeleteRows() {
  if (!Editable()) return;
  ClearSelected();
}

void MemoryPage::MoveSelection(int delta) {
  if (!Editable()) return;
  std::vector<int> rows = SelectedRows();
  if (!MoveRows(doc_, rows, delta)) {
    QApplication::beep();
    return;
  }
  for (int& row : rows) row += delta;
  Changed(delta < 0 ? Text("Move Up") : Text("Move Down"), rows);
}

void MemoryPage::MoveRowsUp() { MoveSelection(-1); }
void MemoryPage::MoveRowsDown() { MoveSelection(1); }

void MemoryPage::SortSelection(SortKey key) {
  if (!Editable() || CurrentRow() < 1) return;
  std::vector<int> rows = RowsToSort(doc_, SelectedRows(), CurrentRow());
  if (!SortRows(doc_, rows, key)) {
    prompts_.Show(window(), SortRefusedMessage());
    return;
  }
  Changed(Text("Sort"), rows);
}

void MemoryPage::InsertRow() {
  if (!Editable() || CurrentRow() < 1) return;
  int row = CurrentRow();
  if (std::optional<std::string> refused = InsertEmptyRow(doc_, row)) {
    ShowWarning(CoreText(*refused), Text("Insert Empty Row"));
    return;
  }
  Changed(Text("Insert Empty Row"), {row});
}

// ----- find -----

void MemoryPage::ShowFind() {
  if (!transfer_.Idle()) return;
  if (!shown_()) show_();
  if (!shown_()) return;  // the bank total kept it away
  find_bar_->show();
  find_text_->setFocus();
  find_text_->selectAll();
}

void MemoryPage::FindRow(bool forward) {
  if (!transfer_.Idle()) return;
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
  grid_->scrollTo(model_->index(*row - 1, 1),
                  QAbstractItemView::PositionAtCenter);
}

void MemoryPage::FindNextRow() {
  if (find_text_->text().isEmpty()) {
    ShowFind();
    return;
  }
  FindRow(true);
}

void MemoryPage::FindPreviousRow() {
  if (find_text_->text().isEmpty()) {
    ShowFind();
    return;
  }
  FindRow(false);
}

}  // namespace vrq5::gui
