#include "gui/csv_commands.h"

#include <QDialog>
#include <string>

#include "files/channel_csv.h"
#include "files/csv.h"
#include "gui/channel_import_dialog.h"
#include "gui/controls.h"
#include "gui/note_text.h"
#include "gui/prompts.h"

namespace vrq5::gui {

namespace {
FileDialog ChannelListDialog(const QString& caption) {
  return {caption,
          {Text("Channel lists (*.csv)"), Text("All Files (*)")},
          QStringLiteral("csv")};
}
}  // namespace

CsvCommands::CsvCommands(Document& doc, Prompts& prompts, QWidget* window)
    : QObject(window), doc_(doc), prompts_(prompts), window_(window) {}

void CsvCommands::Import() {
  QString path = prompts_.OpenFileName(window_, CsvFileDialog(Text("Import")));
  if (path.isEmpty()) return;
  ImportFile(path);
}

void CsvCommands::ImportFile(const QString& path) {
  FileStatus status = ImportCsv(doc_, path.toStdString());
  if (status != FileStatus::kOk) {
    ShowFileStatus(prompts_, window_, status);
    return;
  }
  emit imported(Text("Import"), true);
}

void CsvCommands::Export() {
  QString path = prompts_.SaveFileName(window_, CsvFileDialog(Text("Export")));
  if (path.isEmpty()) return;
  std::string reason;
  FileStatus status = ExportCsv(doc_, path.toStdString(), &reason);
  ShowFileStatus(prompts_, window_, status, reason);
}

void CsvCommands::ImportChannelList(int current_row) {
  // Where the channels go: from the current memory row on, or into a bank.
  int row = current_row;
  int first_slot = row >= 1 && row <= kMemoryChannels ? row - 1 : 0;
  ChannelImportDialog where(doc_, first_slot, window_);
  if (prompts_.RunDialog(&where) != QDialog::Accepted) return;
  const ChannelCsvTarget target = where.Target();
  QString path = prompts_.OpenFileName(
      window_, ChannelListDialog(Text("Import Channel List")));
  if (path.isEmpty()) return;
  ChannelCsvResult result = ImportChannelCsv(doc_, path.toStdString(), target);
  if (result.status != FileStatus::kOk) {
    ShowFileStatus(prompts_, window_, result.status);
    return;
  }
  if (result.imported > 0) emit imported(Text("Import Channel List"), false);
  ChannelImportDialog::ShowReport(prompts_, window_, result);
}

void CsvCommands::ExportChannelList() {
  QString path = prompts_.SaveFileName(
      window_, ChannelListDialog(Text("Export Channel List")));
  if (path.isEmpty()) return;
  std::string reason;
  FileStatus status =
      ExportChannelCsv(doc_, path.toStdString(), NoteToUtf8, &reason);
  ShowFileStatus(prompts_, window_, status, reason);
}

}  // namespace vrq5::gui
