#include "gui/print_commands.h"

#include <QPrinter>
#include <string>

#include "gui/controls.h"
#include "gui/memory_page.h"
#include "gui/prompts.h"
#include "print/printout.h"

namespace vrq5::gui {

namespace {

QPageSize PaperOf(const PrintDialog::Choice& choice) {
  return QPageSize(choice.letter ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout::Orientation OrientationOf(const PrintDialog::Choice& choice) {
  return choice.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

PrintCommands::PrintCommands(const Document& doc, Prompts& prompts,
                             const MemoryPage& memory, QWidget* window)
    : QObject(window),
      doc_(doc),
      prompts_(prompts),
      memory_(memory),
      window_(window) {}

std::optional<PrintDialog::Choice> PrintCommands::Ask() {
  const int row = memory_.CurrentRow();
  const int bank =
      row >= 1 && row <= kSlotCount ? doc_.BankOfSlot(row - 1) : -1;
  PrintDialog dialog(last_, bank, memory_.SelectedRows(), window_);
  if (prompts_.RunDialog(&dialog) != QDialog::Accepted) return std::nullopt;
  last_ = dialog.Chosen();
  // Only the memory can come out empty: no channel in use where asked.
  if (PrintTables(doc_, last_.options).empty()) {
    prompts_.Show(window_,
                  Message{Tr("There is nothing to print: no channel is in use "
                             "in the rows chosen."),
                          Tr("Print"), Message::Icon::kInformation});
    return std::nullopt;
  }
  return last_;
}

int PrintCommands::Paint(QPrinter& printer,
                         const PrintDialog::Choice& choice) const {
  return print::PaintPrintout(printer, doc_, choice.options,
                              print::TodayForHeader(), CoreText);
}

void PrintCommands::Print() {
  const auto choice = Ask();
  if (!choice) return;
  int drawn = 0;
  const bool printed = prompts_.PrintPages(
      window_, PaperOf(*choice), OrientationOf(*choice),
      [&](QPrinter& printer) { drawn = Paint(printer, *choice); });
  if (printed && drawn == 0) {
    prompts_.Show(window_, ErrorMessage(Tr("The pages could not be sent to "
                                           "the printer.")));
  }
}

void PrintCommands::Preview() {
  const auto choice = Ask();
  if (!choice) return;
  prompts_.PreviewPages(window_, PaperOf(*choice), OrientationOf(*choice),
                        [&](QPrinter& printer) { Paint(printer, *choice); });
}

void PrintCommands::ExportPdf() {
  const auto choice = Ask();
  if (!choice) return;
  const QString path = prompts_.SaveFileName(
      window_,
      {Text("Export PDF"), {Text("PDF files (*.pdf)")}, QStringLiteral("pdf")});
  if (path.isEmpty()) return;
  QString reason;
  if (!print::WritePdf(path, doc_, choice->options, print::TodayForHeader(),
                       choice->letter, choice->landscape, CoreText, nullptr,
                       &reason)) {
    ShowFileStatus(prompts_, window_, FileStatus::kFileOpenError,
                   reason.toStdString());
  }
}

}  // namespace vrq5::gui
