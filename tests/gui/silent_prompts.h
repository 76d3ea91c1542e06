// Prompts for the programs that drive the window without a user (the
// benchmark, the screenshot tour): messages go to standard error, every
// question gets one fixed answer, and no file or dialog is chosen.
#ifndef VRQ5_TESTS_GUI_SILENT_PROMPTS_H_
#define VRQ5_TESTS_GUI_SILENT_PROMPTS_H_

#include <cstdio>

#include "gui/prompts.h"

namespace vrq5::testing {

class SilentPrompts : public gui::Prompts {
 public:
  explicit SilentPrompts(gui::Answer answer) : answer_(answer) {}
  void Show(QWidget*, const Message& m) override {
    std::fprintf(stderr, "message: %s\n", m.text.c_str());
  }
  gui::Answer Ask(QWidget*, const Message&, gui::Buttons) override {
    return answer_;
  }
  QString OpenFileName(QWidget*, const gui::FileDialog&) override { return {}; }
  QString SaveFileName(QWidget*, const gui::FileDialog&) override { return {}; }
  bool PageSetup(QWidget*) override { return false; }
  bool PrintPages(QWidget*, const QPageSize&, QPageLayout::Orientation,
                  const gui::PaintPages&) override {
    return false;
  }
  void PreviewPages(QWidget*, const QPageSize&, QPageLayout::Orientation,
                    const gui::PaintPages&) override {}
  int RunDialog(QDialog*) override { return 0; }
  bool OpenFile(const QString&) override { return false; }

 private:
  gui::Answer answer_;
};

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_GUI_SILENT_PROMPTS_H_
