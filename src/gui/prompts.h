// Every message box and file dialog the window shows goes through one
// small interface: the real one opens Qt's boxes and dialogs, a test's
// one answers from a script, so no test ever waits for a user.
#ifndef VRQ5_GUI_PROMPTS_H_
#define VRQ5_GUI_PROMPTS_H_

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "files/file_status.h"
#include "store/message.h"

class QDialog;
class QPrinter;
class QWidget;

namespace vrq5::gui {

enum class Answer { kOk, kCancel, kYes, kNo };

// Which buttons a question offers: OK / Cancel with Cancel the default
// (the Clear confirmations), Yes / No / Cancel (unsaved changes), Yes / No
// (the model change the connection check offers), or Yes / No with No the
// default (a Yes that overwrites channels in use).
enum class Buttons { kOkCancel, kYesNoCancel, kYesNo, kYesNoDefaultNo };

// A file dialog: its caption, the filters ("Korvex VR-Q5 Clone Files
// (*.VQ5)", "All Files (*)"), and the suffix added to a name typed
// without one.
struct FileDialog {
  QString caption;
  QStringList filters;
  QString default_suffix;
};

// Draws the pages of a printout onto a printer.
using PaintPages = std::function<void(QPrinter& printer)>;

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A message with an OK button.
  virtual void Show(QWidget* parent, const Message& message) = 0;
  virtual Answer Ask(QWidget* parent, const Message& question,
                     Buttons buttons) = 0;
  // The chosen path, or an empty text when the dialog was cancelled. The
  // open dialog takes existing files only; the save dialog asks before
  // replacing a file.
  virtual QString OpenFileName(QWidget* parent, const FileDialog& dialog) = 0;
  virtual QString SaveFileName(QWidget* parent, const FileDialog& dialog) = 0;
  // The printer's page set-up; false when cancelled.
  virtual bool PageSetup(QWidget* parent) = 0;
  // The print dialog over the printer the page set-up set up, on paper of
  // `size` turned to `orientation`: once the user prints, `paint` draws
  // the pages onto the printer chosen. False when cancelled.
  virtual bool PrintPages(QWidget* parent, const QPageSize& size,
                          QPageLayout::Orientation orientation,
                          const PaintPages& paint) = 0;
  // The print preview of those pages, run modally: `paint` draws them
  // whenever the preview needs them (and when it prints them).
  virtual void PreviewPages(QWidget* parent, const QPageSize& size,
                            QPageLayout::Orientation orientation,
                            const PaintPages& paint) = 0;
  // A dialog of the window's own, run modally; its result code.
  virtual int RunDialog(QDialog* dialog) = 0;
  // Opens a local file (the user guide) with the desktop's viewer; false
  // when none took it.
  virtual bool OpenFile(const QString& path);
};

// Qt's message boxes, file dialogs, page set-up, print and print preview
// dialogs.
class QtPrompts : public Prompts {
 public:
  QtPrompts();
  ~QtPrompts() override;
  void Show(QWidget* parent, const Message& message) override;
  Answer Ask(QWidget* parent, const Message& question,
             Buttons buttons) override;
  QString OpenFileName(QWidget* parent, const FileDialog& dialog) override;
  QString SaveFileName(QWidget* parent, const FileDialog& dialog) override;
  bool PageSetup(QWidget* parent) override;
  bool PrintPages(QWidget* parent, const QPageSize& size,
                  QPageLayout::Orientation orientation,
                  const PaintPages& paint) override;
  void PreviewPages(QWidget* parent, const QPageSize& size,
                    QPageLayout::Orientation orientation,
                    const PaintPages& paint) override;
  int RunDialog(QDialog* dialog) override;

 private:
  struct Printer;
  // The printer of the page set-up, print and preview, its paper set.
  QPrinter& PrinterFor(const QPageSize& size,
                       QPageLayout::Orientation orientation);
  Printer* printer_ = nullptr;  // made on first use, kept for the run
  QString folder_;              // where the last file dialog was left
};

// The two filters of each kind of file.
FileDialog CloneFileDialog(const QString& caption);
FileDialog CsvFileDialog(const QString& caption);

// The message of a file command's status (none for success), with the
// system's reason (a full disk, a file the user may not write) under it.
void ShowFileStatus(Prompts& prompts, QWidget* parent, FileStatus status,
                    const std::string& reason = {});

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_PROMPTS_H_
