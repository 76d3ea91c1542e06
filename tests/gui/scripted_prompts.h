// Prompts that answer from a script: every message box, question and file
// dialog of the window is recorded, and each question or dialog takes the
// next answer queued for it. An unexpected question fails the test.
#ifndef VRQ5_TESTS_GUI_SCRIPTED_PROMPTS_H_
#define VRQ5_TESTS_GUI_SCRIPTED_PROMPTS_H_

#include <gtest/gtest.h>

#include <QDialog>
#include <QPrinter>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "gui/prompts.h"

namespace vrq5::testing {

class ScriptedPrompts : public gui::Prompts {
 public:
  // Everything shown, in order: "message: TEXT", "question: TEXT",
  // "open: CAPTION", "save: CAPTION", "page setup", "print", "preview".
  std::vector<std::string> log;
  std::vector<Message> messages;   // Show() calls
  std::vector<Message> questions;  // Ask() calls
  std::vector<gui::Buttons> question_buttons;
  std::deque<gui::Answer> answers;
  std::deque<QString> file_names;  // "" cancels the dialog
  std::vector<gui::FileDialog> dialogs;

  void Show(QWidget*, const Message& message) override {
    messages.push_back(message);
    log.push_back("message: " + message.text);
  }
  gui::Answer Ask(QWidget*, const Message& question,
                  gui::Buttons buttons) override {
    questions.push_back(question);
    question_buttons.push_back(buttons);
    log.push_back("question: " + question.text);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << question.text;
      return gui::Answer::kCancel;
    }
    gui::Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  QString OpenFileName(QWidget*, const gui::FileDialog& dialog) override {
    return NextFile("open: ", dialog);
  }
  QString SaveFileName(QWidget*, const gui::FileDialog& dialog) override {
    return NextFile("save: ", dialog);
  }
  // Runs a dialog of the window's own: the test's handler sets its
  // controls and gives the result (default: rejected).
  std::function<int(QDialog*)> dialog_handler;
  int RunDialog(QDialog* dialog) override {
    log.push_back("dialog: " + dialog->objectName().toStdString());
    return dialog_handler ? dialog_handler(dialog) : 0;
  }
  // Files opened with the desktop's viewer; none is opened. False: as a
  // desktop without a viewer for them.
  std::vector<QString> opened_files;
  bool viewer = true;
  bool OpenFile(const QString& path) override {
    opened_files.push_back(path);
    log.push_back("open file: " + path.toStdString());
    return viewer;
  }
  bool PageSetup(QWidget*) override {
    log.push_back("page setup");
    return false;
  }
  // Print and Print Preview draw the pages onto a printer writing the PDF
  // file `printer_file`, as the real dialogs draw them onto the printer
  // chosen; with no file the print dialog is cancelled.
  QString printer_file;
  bool PrintPages(QWidget*, const QPageSize& size,
                  QPageLayout::Orientation orientation,
                  const gui::PaintPages& paint) override {
    log.push_back("print");
    return PaintToFile(size, orientation, paint);
  }
  void PreviewPages(QWidget*, const QPageSize& size,
                    QPageLayout::Orientation orientation,
                    const gui::PaintPages& paint) override {
    log.push_back("preview");
    PaintToFile(size, orientation, paint);
  }

 private:
  bool PaintToFile(const QPageSize& size, QPageLayout::Orientation orientation,
                   const gui::PaintPages& paint) {
    if (printer_file.isEmpty()) return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printer_file);
    printer.setPageSize(size);
    printer.setPageOrientation(orientation);
    paint(printer);
    return true;
  }
  QString NextFile(const char* kind, const gui::FileDialog& dialog) {
    dialogs.push_back(dialog);
    log.push_back(kind + dialog.caption.toStdString());
    if (file_names.empty()) {
      ADD_FAILURE() << "unexpected file dialog: " << kind
                    << dialog.caption.toStdString();
      return QString();
    }
    QString name = file_names.front();
    file_names.pop_front();
    return name;
  }
};

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_GUI_SCRIPTED_PROMPTS_H_
