// frmMain: menus, toolbar, status bar, the tab strip with its four pages,
// start-up and closing. It owns the one Document and is a thin shell over
// the core: it shows the document and changes it through core calls.
#ifndef VRQ5_GUI_MAIN_WINDOW_H_
#define VRQ5_GUI_MAIN_WINDOW_H_

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/channel_csv.h"
#include "files/file_stamp.h"
#include "files/file_status.h"
#include "gui/history.h"
#include "gui/prompts.h"
#include "gui/transfer_runner.h"
#include "link/transfer.h"
#include "radio/receiver.h"
#include "store/document.h"
#include "store/row_ops.h"

class QAction;
class QDialog;
class QMenu;
class QSettings;
class QProgressBar;
class QPushButton;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabBar;
class QTableView;
class QToolBar;

namespace vrq5::gui {

class BankPage;
class ChannelMapView;
class EditDialog;
class MemoryModel;
class SettingsPages;
class VfoModel;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  struct Options {
    // Where the port file lies.
    std::filesystem::path port_folder;
    // Where the window's settings (placement, model, recent files) are
    // kept, an INI file; empty: vrq5-clone.conf in the program's
    // configuration folder. Anything but a regular file there is neither
    // read nor written.
    QString placement_file;
  };

  MainWindow(Prompts& prompts, Options options, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The load handler's last steps: the clone file named on the command
  // line (empty: none) is opened, and the document counts as unchanged.
  void StartUp(const std::string& command_line_file);

  Document& document() { return doc_; }
  const std::string& port_name() const { return port_name_; }

  // ----- commands (menu items, toolbar buttons, page buttons) -----
  void mnuFileNew_Click();
  // A click on model member `member` (0..5): the model change.
  void opbModel_Click(int member);
  void mnuFileOpen_Click();
  // True when the document was saved.
  bool mnuFileSave_Click();
  bool mnuFileSaveAs_Click();
  void mnuImport_Click();
  void mnuExport_Click();
  void mnuFilePageSetup_Click();
  void mnuEditUndo_Click();
  void mnuHelpAbout_Click();
  void cmbClear_Click();
  void cmbClAll_Click();
  void Command4_Click();  // Down
  void Command5_Click();  // Up
  // The tab strip's handler for tab 1..4 (Settings 1, Settings 2, Memory,
  // Bank); the tab shown may be the Bank tab instead.
  void TabStrip1_Click(int tab);
  // Opens the channel editor for memory-grid row `row` (1..1300).
  void MSFlexGrid1_DblClick(int row);
  // Opens the band editor for VFO-grid row `row` (1..14).
  void MSFlexGrid2_DblClick(int row);
  // Refills the VFO grid (UpdateVFOData).
  void UpdateVFOData();

  // ----- transfers -----
  // Starts a transfer command on the worker, with the page changes it
  // makes first; refused (with a message) while another one runs.
  void RunTransfer(UserCommand command);
  // Tool > Check Connection: the check on the worker, then its verdict;
  // where another model answered, offers the model change.
  void CheckConnection();

  // ----- many rows of the memory grid -----
  // The clipboard format that keeps every field of the copied rows.
  static constexpr const char* kRowsMimeType = "application/x-vrq5-rows";
  // The selected rows (the current row when none is), ascending.
  std::vector<int> SelectedRows() const;
  void SelectRows(const std::vector<int>& rows);
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

  // ----- the common channel-list CSV -----
  // File > Import Channel List: where (from the current memory row on, or
  // into a bank), the file, then the rows where something was changed or
  // left out. One undo step.
  void ImportChannelList();
  void ExportChannelList();

  // ----- help -----
  // Help > User Guide (F1): the guide in the desktop's viewer.
  void ShowUserGuide();
  // Where the user guide lies: installed, or in the source tree; empty
  // when neither is there.
  static QString UserGuidePath();

  // ----- the channel map -----
  // View > Channel Map: the channels over the receiver's range, a lane per
  // bank; a click selects the row.
  void ShowChannelMap();
  // Its picture as a PNG file; false when cancelled or not written.
  bool SaveChannelMap();

  // ----- recent and dropped files -----
  // The last eight clone files opened or saved, newest first (kept with
  // the window's settings).
  QStringList RecentFiles() const;
  // A file dropped on the window: a clone file opens (after the unsaved-
  // changes question), a CSV file is imported.
  void OpenDroppedFile(const QString& path);

  // ----- undo -----
  // Edit > Undo and Redo (Ctrl+Z, Ctrl+Y), one step per change of the
  // document; not while a transfer runs.
  void Undo();
  void Redo();
  History& history() { return *history_; }
  bool TransferRunning() const;
  // Cancel on the status bar: the transfer stops between two exchanges.
  void CancelTransfer();
  // Before a command that replaces the document or closes the window: a
  // running transfer is stopped when the user agrees, and its outcome
  // taken in. False when the user lets the transfer go on.
  bool StopTransferFirst();
  // Waits for a running transfer to end and takes its outcome in (tests).
  void WaitForTransfer();
  void mnuToolsOptions_Click();
  // The port in use, as a test sets it: the status bar shows it; the port
  // file is not written.
  void set_port_name(const std::string& name);
  // The receiver behind the port "sim", one of the document's model (a
  // model change brings another).
  radio::SimulatedReceiver& SimulatedReceiver();

  // New data with its question: false when the user cancelled.
  bool NewData();
  // Loads a clone file without any dialog; false (after the message) when
  // it could not be loaded.
  bool OpenNamedFile(const QString& path);
  // After a load, an import, new data or a transfer: every page shows
  // the document.
  void ShowDocument();
  // Refills the memory grid (UpDateMemData).
  void UpDateMemData();

  // The memory grid's current row (1..1300), 0 when none.
  int CurrentRow() const;
  void SelectRow(int row);
  int CurrentTab() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  void BuildPages();
  // A grid of the window: one whole row selected, Enter and a double-click
  // open `open_row` with the grid row (1-based).
  QTableView* MakeGrid(QWidget* parent, const char* name,
                       std::function<void(int)> open_row);
  // Asks about unsaved changes: true to go on. Yes goes on only when the
  // save completed.
  bool AskToSave();
  bool SaveTo(bool ask_name);
  void UpdateTitle();
  void UpdateStatus();
  void ReportFile(FileStatus status, const std::string& reason = {});
  void RestorePlacement();
  void TransferFinished(const TransferOutcome& outcome);
  // After "Region Error": offers the model the receiver took and runs the
  // command again with it.
  void OfferModel(const TransferOutcome& outcome);
  // Keeps the selected model for the next start.
  void RememberModel();
  void ShowTransferProgress(int value, int maximum);
  void SetTransferControlsEnabled(bool enabled);
  void ShowVerdict(const ConnectionReport& report);
  // False, after its message, while a transfer runs or no port is chosen.
  bool ReadyForTransfer();
  void UpdateUndoActions();
  void BuildRowActions(QMenu* edit);
  bool OnMemoryPage() const;
  void MoveSelection(int delta);
  void FindRow(bool forward);
  void ShowChannelImportReport(const ChannelCsvResult& result);
  void ImportNamedCsv(const QString& path);
  void RememberFile(const QString& path);
  void FillRecentMenu();
  void OpenRecent(const QString& path);
  // The status bar of a transfer about to start; the controls locked.
  void ShowTransferStarting(bool counted);
  // The check before a write: errors show their list and stop the write;
  // warnings show theirs and let the user write anyway, unless the user
  // asked not to see them again (kept with the window's settings).
  bool CheckBeforeWriting(UserCommand command);
  bool WriteWarningsHidden() const;
  void SetWriteWarningsHidden(bool hidden);
  QPushButton* TransferButton(QWidget* parent, const char* name,
                              const char* text, UserCommand command);
  void StorePlacement();
  // The window's settings file, or null when something other than a
  // regular file is in its place (said once on standard error). Then the
  // settings live in memory for this run only.
  std::unique_ptr<QSettings> OpenSettings() const;
  QVariant Setting(const QString& key, const QVariant& fallback = {}) const;
  void KeepSettings(const QVariantMap& values) const;
  // What the file at `path` is now, after it was opened or saved.
  void KeepStamp(const QString& path);
  // Before a save to `path`: when it is the file this window opened or
  // last saved and another program changed it since, asks whether to
  // overwrite it. False when nothing may be written.
  bool MayOverwrite(const QString& path);

  Prompts& prompts_;
  Options options_;
  Document doc_;
  std::string port_name_;
  // The port this window's dialog chose (empty: none), and what the port
  // file held just after that choice was written.
  std::string chosen_port_;
  std::string port_file_after_choice_;
  bool total_warning_shown_ = false;
  // The file opened or saved last (absolute) and its stamp.
  QString stamped_path_;
  FileStamp file_stamp_;
  mutable bool settings_refused_ = false;
  mutable QVariantMap session_settings_;

  QTabBar* tab_strip_ = nullptr;
  QStackedWidget* frames_ = nullptr;
  QTableView* grid_ = nullptr;
  MemoryModel* memory_model_ = nullptr;
  QTableView* vfo_grid_ = nullptr;
  VfoModel* vfo_model_ = nullptr;
  BankPage* bank_page_ = nullptr;
  SettingsPages* settings_pages_ = nullptr;
  EditDialog* edit_dialog_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QLabel* status_model_ = nullptr;
  QLabel* status_channels_ = nullptr;
  QLabel* status_port_ = nullptr;
  QAction* mnuEditUndo_ = nullptr;
  History* history_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  QWidget* find_bar_ = nullptr;
  QDialog* map_dialog_ = nullptr;
  ChannelMapView* map_view_ = nullptr;
  QLineEdit* find_text_ = nullptr;
  QLabel* find_status_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* undo_button_ = nullptr;
  QAction* redo_button_ = nullptr;
  bool transfer_idle_ = true;
  TransferRunner* runner_ = nullptr;
  std::unique_ptr<radio::SimulatedReceiver> sim_receiver_;
  std::vector<QWidget*> transfer_controls_;  // disabled while one runs
  std::vector<QMenu*> busy_menus_;           // likewise
  std::vector<QAction*> busy_actions_;       // likewise
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* time_left_ = nullptr;
  qint64 first_progress_ms_ = -1;  // when the transfer's first step came
  int first_progress_value_ = 0;
  int progress_maximum_ = 0;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_MAIN_WINDOW_H_
