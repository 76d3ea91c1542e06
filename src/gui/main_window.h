// frmMain: the document and its undo history, the tab strip with its four
// pages, menus, toolbar and status bar, the file commands, the model
// change, start-up and closing. It wires the parts of the window together
// and is a thin shell over the core: the Memory tab (MemoryPage), the
// transfers (TransferController), the dialogs and the settings file
// (WindowSettings), the CSV and printing commands are classes of their
// own.
#ifndef VRQ5_GUI_MAIN_WINDOW_H_
#define VRQ5_GUI_MAIN_WINDOW_H_

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "files/file_status.h"
#include "gui/history.h"
#include "gui/opened_file.h"
#include "gui/prompts.h"
#include "gui/transfer_runner.h"
#include "link/transfer.h"
#include "radio/receiver.h"
#include "store/document.h"

class QAction;
class QMenu;
class QStackedWidget;
class QTabBar;

namespace vrq5::gui {

class BankPage;
class ChannelMapDialog;
class CsvCommands;
class EditDialog;
class MemoryPage;
class PrintCommands;
class RecentFilesMenu;
class SettingsPages;
class StatusBar;
class TransferController;
class VfoGrid;
class WindowSettings;

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
  const std::string& port_name() const;

  // ----- commands (menu items, toolbar buttons, page buttons) -----
  void mnuFileNew_Click();
  // A click on model member `member` (0..5): the model change.
  void opbModel_Click(int member);
  void mnuFileOpen_Click();
  // True when the document was saved.
  bool mnuFileSave_Click();
  bool mnuFileSaveAs_Click();
  void mnuEditUndo_Click();
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
  bool TransferRunning() const;
  // Cancel on the status bar: the transfer stops between two exchanges.
  void CancelTransfer();
  // Waits for a running transfer to end and takes its outcome in (tests).
  void WaitForTransfer();
  void mnuToolsOptions_Click();
  // The port in use, as a test sets it: the status bar shows it; the port
  // file is not written.
  void set_port_name(const std::string& name);
  // The receiver behind the port "sim", one of the document's model (a
  // model change brings another).
  radio::SimulatedReceiver& SimulatedReceiver();

  // ----- the memory grid (the Memory tab) -----
  // The selected rows (the current row when none is), ascending.
  std::vector<int> SelectedRows() const;
  void SelectRows(const std::vector<int>& rows);
  // The memory grid's current row (1..1300), 0 when none.
  int CurrentRow() const;
  void SelectRow(int row);
  int CurrentTab() const;

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
  // No menu of the toolbar's own: View > Tool Bar and Status Bar are the
  // only ways to show or hide them, so their ticks always tell the truth.
  QMenu* createPopupMenu() override { return nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Undo or Redo, when no transfer runs; the editor closes first.
  void StepHistory(void (History::*step)());
  // What a change shows again before its undo step is recorded.
  enum class Refresh { kNothing, kStatus, kVfo, kMemory, kAll };
  // The one end of every change of the document the window makes: the
  // pages that show it refilled, then one undo step under `undo_label`.
  void Changed(const QString& undo_label, Refresh refresh);

  void BuildMenus();
  void BuildEditMenu(QMenu* edit);
  void BuildPages();
  // Asks about unsaved changes: true to go on. Yes goes on only when the
  // save completed.
  bool AskToSave();
  bool SaveTo(bool ask_name);
  void UpdateTitle();
  void UpdateStatus();
  void ReportFile(FileStatus status, const std::string& reason = {});
  void TransferFinished(const TransferOutcome& outcome);
  // Selects tab `tab` (1..4) through the tab strip, so its guard runs.
  void ShowPage(int tab);
  // After "Region Error": offers the model the receiver took and runs the
  // command again with it.
  void OfferModel(const TransferOutcome& outcome);
  // Keeps the selected model for the next start.
  void RememberModel();
  void UpdateUndoActions();
  void OpenRecent(const QString& path);
  // File > Receiver Snapshots: open one, or open it and write it back.
  void ShowSnapshots();
  // After a clone file was opened: a fresh history, its stamp, the recent
  // files, every page.
  void Opened(const QString& path);

  Prompts& prompts_;
  Options options_;
  Document doc_;
  std::unique_ptr<WindowSettings> settings_;
  bool total_warning_shown_ = false;
  OpenedFile opened_file_;

  History* history_ = nullptr;
  TransferController* transfer_ = nullptr;
  CsvCommands* csv_ = nullptr;
  PrintCommands* print_ = nullptr;
  QTabBar* tab_strip_ = nullptr;
  QStackedWidget* frames_ = nullptr;
  MemoryPage* memory_page_ = nullptr;
  VfoGrid* vfo_grid_ = nullptr;
  BankPage* bank_page_ = nullptr;
  SettingsPages* settings_pages_ = nullptr;
  EditDialog* edit_dialog_ = nullptr;
  ChannelMapDialog* map_dialog_ = nullptr;
  RecentFilesMenu* recent_menu_ = nullptr;
  StatusBar* status_ = nullptr;
  QAction* mnuEditUndo_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* undo_button_ = nullptr;
  QAction* redo_button_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_MAIN_WINDOW_H_
