#include "gui/prompts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrl>
#include <algorithm>

#include "gui/button_texts.h"
#include "gui/controls.h"

namespace vrq5::gui {

struct QtPrompts::Printer {
  QPrinter printer;
};

QtPrompts::QtPrompts() = default;

QtPrompts::~QtPrompts() { delete printer_; }

namespace {

QMessageBox::Icon BoxIcon(Message::Icon icon) {
  switch (icon) {
    case Message::Icon::kCritical:
      return QMessageBox::Critical;
    case Message::Icon::kWarning:
      return QMessageBox::Warning;
    case Message::Icon::kInformation:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

// The message's own line ends are CR LF; a box wants LF.
QString BoxText(const std::string& text) {
  return CoreText(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString RunFileDialog(QWidget* parent, const FileDialog& wanted,
                      QFileDialog::AcceptMode mode, QString& folder) {
  QFileDialog dialog(parent, wanted.caption, folder);
  dialog.setAcceptMode(mode);
  // Wide enough for whole file names (snapshots carry a time and a model).
  dialog.resize(dialog.size().expandedTo(FontSized(&dialog, 135, 37)));
  dialog.setNameFilters(wanted.filters);
  if (mode == QFileDialog::AcceptOpen) {
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
  } else {
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(wanted.default_suffix);
  }
  if (dialog.exec() != QDialog::Accepted) return QString();
  QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return QString();
  folder = dialog.directory().absolutePath();
  return files.first();
}

}  // namespace

void QtPrompts::Show(QWidget* parent, const Message& message) {
  QMessageBox box(BoxIcon(message.icon), CoreText(message.title),
                  BoxText(message.text), QMessageBox::Ok, parent);
  if (!message.informative.empty()) {
    box.setInformativeText(CoreText(message.informative));
  }
  SetButtonTexts(&box);
  box.exec();
}

Answer QtPrompts::Ask(QWidget* parent, const Message& question,
                      Buttons buttons) {
  QMessageBox box(BoxIcon(question.icon), CoreText(question.title),
                  BoxText(question.text), QMessageBox::NoButton, parent);
  if (buttons == Buttons::kOkCancel) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
  } else if (buttons == Buttons::kYesNo ||
             buttons == Buttons::kYesNoDefaultNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(buttons == Buttons::kYesNo ? QMessageBox::Yes
                                                    : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
  } else {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No |
                           QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
  }
  SetButtonTexts(&box);
  switch (box.exec()) {
    case QMessageBox::Ok:
      return Answer::kOk;
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

bool Prompts::OpenFile(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString QtPrompts::OpenFileName(QWidget* parent, const FileDialog& dialog) {
  return RunFileDialog(parent, dialog, QFileDialog::AcceptOpen, folder_);
}

QString QtPrompts::SaveFileName(QWidget* parent, const FileDialog& dialog) {
  return RunFileDialog(parent, dialog, QFileDialog::AcceptSave, folder_);
}

bool QtPrompts::PageSetup(QWidget* parent) {
  if (!printer_) printer_ = new Printer;
  QPageSetupDialog dialog(&printer_->printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

QPrinter& QtPrompts::PrinterFor(const QPageSize& size,
                                QPageLayout::Orientation orientation) {
  if (!printer_) printer_ = new Printer;
  printer_->printer.setPageSize(size);
  printer_->printer.setPageOrientation(orientation);
  return printer_->printer;
}

bool QtPrompts::PrintPages(QWidget* parent, const QPageSize& size,
                           QPageLayout::Orientation orientation,
                           const PaintPages& paint) {
  QPrinter& printer = PrinterFor(size, orientation);
  QPrintDialog dialog(&printer, parent);
  // Every page is printed: the printout has no range of its own.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() != QDialog::Accepted) return false;
  paint(printer);
  return true;
}

void QtPrompts::PreviewPages(QWidget* parent, const QPageSize& size,
                             QPageLayout::Orientation orientation,
                             const PaintPages& paint) {
  QPrintPreviewDialog preview(&PrinterFor(size, orientation), parent);
  preview.setObjectName(QStringLiteral("dlgPrintPreview"));
  preview.setWindowTitle(Text("Print Preview"));
  preview.setAccessibleName(preview.windowTitle());
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&paint](QPrinter* printer) { paint(*printer); });
  preview.resize(preview.size().expandedTo(FontSized(&preview, 148, 50)));
  preview.exec();
}

int QtPrompts::RunDialog(QDialog* dialog) { return dialog->exec(); }

FileDialog CloneFileDialog(const QString& caption) {
  return {caption,
          {Text("Korvex VR-Q5 Clone Files (*.VQ5)"), Text("All Files (*)")},
          QStringLiteral("VQ5")};
}

FileDialog CsvFileDialog(const QString& caption) {
  return {caption,
          {Text("CSV Files (*.csv)"), Text("All Files (*)")},
          QStringLiteral("csv")};
}

void ShowFileStatus(Prompts& prompts, QWidget* parent, FileStatus status,
                    const std::string& reason) {
  std::string_view text = FileStatusMessage(status);
  if (text.empty()) return;
  Message message = ErrorMessage(text);
  message.informative = reason;
  prompts.Show(parent, message);
}

}  // namespace vrq5::gui
