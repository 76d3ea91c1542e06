// The Memory tab (Frame1_2): the memory grid with its buttons beside it
// (Read, Write, Up, Down, Clear, Clear All), the find bar above it (Escape
// hides it), and the row commands of the Edit menu: the clipboard, Delete,
// move, sort, insert and find over the selected rows. Every change of the
// document it makes ends in one place (Changed): the window refills the
// grid and records one undo step.
#ifndef VRQ5_GUI_MEMORY_PAGE_H_
#define VRQ5_GUI_MEMORY_PAGE_H_

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "store/document.h"
#include "store/row_ops.h"

class QLabel;
class QLineEdit;
class QMenu;
class QTableView;

namespace vrq5::gui {

class MemoryModel;
class Prompts;
class TransferController;

class MemoryPage : public QWidget {
  Q_OBJECT

 public:
  // The clipboard format that keeps every field of the copied rows.
  static constexpr const char* kRowsMimeType = "application/x-vrq5-rows";

  MemoryPage(Document& doc, Prompts& prompts, TransferController& transfer,
             QWidget* parent);

  // Whether the page's tab is the one shown, and how to bring it forward
  // (the bank total may keep it away): the window's tab strip knows.
  void SetTab(std::function<bool()> shown, std::function<void()> show);
  // The row commands (Cut .. Find Previous, the Sort menu) onto `edit`;
  // they wait while a transfer runs.
  void AddRowActions(QMenu* edit);

  // The grid shows the document again; the current row stays.
  void Refill();
  // The note column as wide as the widest note in use, within limits:
  // measured when a document is shown, not on every refill.
  void FitNoteColumn();
  // The current row (1..1300), 0 when none.
  int CurrentRow() const;
  // Exactly this row selected and current, whatever modifier keys are held.
  void SelectRow(int row);
  // The selected rows (the current row when none is), ascending.
  std::vector<int> SelectedRows() const;
  void SelectRows(const std::vector<int>& rows);

  // ----- the row commands -----
  void CopyRows();
  void CutRows();
  // From the current row on; asks before rows in use are overwritten.
  void PasteRows();
  // Delete: the selected rows cleared, after the Clear confirmation.
  void DeleteRows();
  void MoveRowsUp();
  void MoveRowsDown();
  // The selection, or with one row selected its whole bank.
  void SortSelection(SortKey key);
  void InsertRow();
  void ShowFind();
  void FindNextRow();
  void FindPreviousRow();

 signals:
  // A row is to be opened in the channel editor (double-click, Enter).
  void rowOpened(int row);
  // The page changed the document: the grid is to be refilled and one undo
  // step recorded under `undo_label`.
  void documentChanged(const QString& undo_label);

 private:
  // The one end of every change: refill and undo step, then `rows`
  // selected.
  void Changed(const QString& undo_label, const std::vector<int>& rows);
  // The page is shown and no transfer runs.
  bool Editable() const;
  // Clear: the selected rows, after the confirmation.
  void ClearSelected();
  void ClearAll();
  void MoveSelection(int delta);
  void FindRow(bool forward);
  void ShowWarning(const QString& text, const QString& title);

  Document& doc_;
  Prompts& prompts_;
  TransferController& transfer_;
  std::function<bool()> shown_;
  std::function<void()> show_;
  QTableView* grid_ = nullptr;
  MemoryModel* model_ = nullptr;
  QWidget* find_bar_ = nullptr;
  QLineEdit* find_text_ = nullptr;
  QLabel* find_status_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_MEMORY_PAGE_H_
