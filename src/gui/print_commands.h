// The printing commands of the File menu: Print, Print Preview and Export
// PDF. Each asks what to print (DlgPrint), then draws the printout of the
// document, headed with its file name and today's date, onto the printer
// chosen, the preview or a PDF file.
#ifndef VRQ5_GUI_PRINT_COMMANDS_H_
#define VRQ5_GUI_PRINT_COMMANDS_H_

#include <QObject>
#include <optional>

#include "gui/print_dialog.h"
#include "store/document.h"

class QPrinter;
class QWidget;

namespace vrq5::gui {

class MemoryPage;
class Prompts;

class PrintCommands : public QObject {
  Q_OBJECT

 public:
  // Messages and dialogs open over `window`; the current bank and the
  // selected rows are the memory page's.
  PrintCommands(const Document& doc, Prompts& prompts, const MemoryPage& memory,
                QWidget* window);

  void Print();
  void Preview();
  void ExportPdf();

 private:
  // DlgPrint, then a message when the choice prints nothing; the choice
  // is kept for the next time.
  std::optional<PrintDialog::Choice> Ask();
  // The pages drawn, 0 when the printer could not be painted on.
  int Paint(QPrinter& printer, const PrintDialog::Choice& choice) const;

  const Document& doc_;
  Prompts& prompts_;
  const MemoryPage& memory_;
  QWidget* window_;
  PrintDialog::Choice last_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_PRINT_COMMANDS_H_
