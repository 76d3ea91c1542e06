// The exchange files of the File menu: Import and Export (the program's
// own CSV layout) and Import and Export Channel List (the common
// channel-list CSV). A CSV file dropped on the window is imported here too.
#ifndef VRQ5_GUI_CSV_COMMANDS_H_
#define VRQ5_GUI_CSV_COMMANDS_H_

#include <QObject>
#include <QString>

#include "store/document.h"

class QWidget;

namespace vrq5::gui {

class Prompts;

class CsvCommands : public QObject {
  Q_OBJECT

 public:
  // Messages and dialogs open over `window`.
  CsvCommands(Document& doc, Prompts& prompts, QWidget* window);

  // File > Import: a CSV file merged onto the document.
  void Import();
  void ImportFile(const QString& path);
  void Export();
  // File > Import Channel List: where (from memory-grid row `current_row`
  // on, or into a bank), the file, then the rows where something was
  // changed or left out.
  void ImportChannelList(int current_row);
  void ExportChannelList();

 signals:
  // The document changed: one undo step under `undo_label`. A CSV import
  // can change every page (`whole_document`), a channel list only the
  // memory rows.
  void imported(const QString& undo_label, bool whole_document);

 private:
  Document& doc_;
  Prompts& prompts_;
  QWidget* window_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_CSV_COMMANDS_H_
