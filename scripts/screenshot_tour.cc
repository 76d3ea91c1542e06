// Opens the window with a clone file, shows each of the four tabs in turn
// and saves a picture of the window for each, then one of the channel
// editor, the check before writing, the connection check, the changes a
// write will make, the receiver's snapshots, the port and write options
// dialogs, a channel-list import and its report, what to print and its
// preview, About and a transfer: the pictures of the README and the user
// guide.
//
// --dark (a dark palette) and --font-scale F (the application font F times
// as large) take a shorter tour instead: Settings 1, Memory, Bank, the
// channel map's picture and table and the editor, named dark_*.png or
// large_*.png; --only NAME,... keeps just those of them.
//
//   vrq5_screenshot_tour [--dark] [--font-scale F] [--only NAMES]
//                        FILE.VQ5 OUT-FOLDER [LANGUAGE [SUFFIX]]
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "files/clone_file.h"
#include "gui/controls.h"
#include "gui/language.h"
#include "gui/main_window.h"
#include "tests/gui/silent_prompts.h"

namespace {

void Settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QApplication::sendPostedEvents();
  }
}

// Takes a picture of the check before writing and of the connection
// check's verdict as they appear, then closes them as Stop and OK do.
class PicturePrompts : public vrq5::testing::SilentPrompts {
 public:
  PicturePrompts() : SilentPrompts(vrq5::gui::Answer::kCancel) {}
  QString folder, suffix;
  int failures = 0;
  QString open_file;  // what the file dialog answers

  // Once set, the check before writing lets the write go on.
  bool write_anyway = false;

  int RunDialog(QDialog* dialog) override {
    const QString name = dialog->objectName();
    static const std::pair<const char*, const char*> kPictures[] = {
        {"dlgWriteCheck", "write_check"},     {"dlgChanges", "changes"},
        {"dlgSnapshots", "snapshots"},        {"dlgCOM", "port"},
        {"dlgWriteSteps", "options"},         {"dlgChannelImport", "import"},
        {"dlgImportReport", "import_report"}, {"DlgPrint", "print"}};
    const char* picture = nullptr;
    for (const auto& [object, file] : kPictures) {
      if (name == QLatin1String(object)) picture = file;
    }
    if (picture != nullptr && !(write_anyway && name.endsWith("WriteCheck"))) {
      dialog->show();
      Settle();
      Save(dialog, picture);
      dialog->hide();
    }
    return (write_anyway && name == QStringLiteral("dlgWriteCheck")) ||
                   name == QStringLiteral("dlgChannelImport") ||
                   name == QStringLiteral("DlgPrint")
               ? QDialog::Accepted
               : QDialog::Rejected;
  }
  QString OpenFileName(QWidget*, const vrq5::gui::FileDialog&) override {
    return open_file;
  }
  QString SaveFileName(QWidget*, const vrq5::gui::FileDialog&) override {
    return open_file;
  }
  // The preview as the window shows it, on a printer writing nowhere.
  void PreviewPages(QWidget* parent, const QPageSize& size,
                    QPageLayout::Orientation orientation,
                    const vrq5::gui::PaintPages& paint) override {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(size);
    printer.setPageOrientation(orientation);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(vrq5::gui::Text("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* p) { paint(*p); });
    preview.resize(900, 700);
    preview.show();
    Settle();
    Save(&preview, "preview");
    preview.hide();
  }
  void Show(QWidget* parent, const vrq5::Message& m) override {
    SilentPrompts::Show(parent, m);
    if (m.title != "Check Connection" && m.title != "接続の確認") return;
    QMessageBox box(QMessageBox::Information, vrq5::gui::CoreText(m.title),
                    vrq5::gui::CoreText(m.text), QMessageBox::Ok, parent);
    box.show();
    Settle();
    Save(&box, "check");
  }

 private:
  void Save(QWidget* w, const char* name) {
    QString path = folder + QStringLiteral("/%1%2.png").arg(name, suffix);
    if (!w->grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      ++failures;
    }
  }
};

// A dark palette as a dark desktop gives one, in the Fusion style.
void UseDarkPalette() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QPalette dark;
  const QColor text(230, 230, 230), disabled(128, 128, 128);
  dark.setColor(QPalette::Window, QColor(45, 45, 48));
  dark.setColor(QPalette::WindowText, text);
  dark.setColor(QPalette::Base, QColor(30, 30, 32));
  dark.setColor(QPalette::AlternateBase, QColor(42, 42, 46));
  dark.setColor(QPalette::Text, text);
  dark.setColor(QPalette::BrightText, QColor(255, 110, 110));
  dark.setColor(QPalette::Button, QColor(55, 55, 60));
  dark.setColor(QPalette::ButtonText, text);
  dark.setColor(QPalette::Highlight, QColor(58, 120, 196));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
  dark.setColor(QPalette::ToolTipText, text);
  dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
  dark.setColor(QPalette::Link, QColor(110, 170, 255));
  dark.setColor(QPalette::LinkVisited, QColor(170, 140, 255));
  dark.setColor(QPalette::Light, QColor(85, 85, 90));
  dark.setColor(QPalette::Midlight, QColor(70, 70, 75));
  dark.setColor(QPalette::Mid, QColor(40, 40, 43));
  dark.setColor(QPalette::Dark, QColor(25, 25, 27));
  dark.setColor(QPalette::Shadow, QColor(10, 10, 10));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                    QPalette::HighlightedText, QPalette::PlaceholderText}) {
    dark.setColor(QPalette::Disabled, role, disabled);
  }
  dark.setColor(QPalette::Disabled, QPalette::Base, QColor(40, 40, 43));
  dark.setColor(QPalette::Disabled, QPalette::Button, QColor(45, 45, 48));
  dark.setColor(QPalette::Disabled, QPalette::Highlight, QColor(70, 70, 75));
  QApplication::setPalette(dark);
}

// The short tour of a dark palette or a large font: each picture named
// with `prefix`.
int ThemeTour(vrq5::gui::MainWindow& window, const QDir& out,
              const QString& prefix, const QString& suffix,
              const QStringList& only) {
  int failures = 0;
  auto save = [&](QWidget* w, const char* name) {
    if (w == nullptr) {
      ++failures;
      return;
    }
    if (!only.isEmpty() && !only.contains(QLatin1String(name))) return;
    Settle();
    QString path =
        out.filePath(QStringLiteral("%1%2%3.png").arg(prefix, name, suffix));
    if (!w->grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      ++failures;
    }
  };
  auto* tabs = window.findChild<QTabBar*>(QStringLiteral("TabStrip1"));
  const std::pair<int, const char*> pages[] = {
      {0, "settings1"}, {2, "memory"}, {3, "bank"}};
  for (const auto& [tab, name] : pages) {
    tabs->setCurrentIndex(tab);
    if (tab == 2) window.SelectRow(12);
    save(&window, name);
  }
  window.ShowChannelMap();
  auto* map = window.findChild<QDialog*>(QStringLiteral("dlgChannelMap"));
  save(map, "channel_map");
  if (map != nullptr) {
    map->findChild<QTabWidget*>(QStringLiteral("tabChannelMap"))
        ->setCurrentIndex(1);
    auto* table = map->findChild<QTableView*>(QStringLiteral("grdChannelMap"));
    table->setFocus();
    table->selectRow(3);
    save(map, "map_table");
    map->hide();
  }
  tabs->setCurrentIndex(2);
  window.MSFlexGrid1_DblClick(12);
  save(window.findChild<QWidget*>(QStringLiteral("dlgModify")), "editor");
  if (auto* editor = window.findChild<QDialog*>(QStringLiteral("dlgModify"))) {
    editor->reject();
  }
  QDir(out.absolutePath() + "/config").removeRecursively();
  return failures;
}

}  // namespace

int main(int argc, char** argv) {
  bool dark = false;
  double font_scale = 1.0;
  QStringList only;
  std::vector<char*> plain = {argv[0]};
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--dark") == 0) {
      dark = true;
    } else if (std::strcmp(argv[i], "--font-scale") == 0 && i + 1 < argc) {
      font_scale = std::atof(argv[++i]);
    } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
      only = QString::fromLatin1(argv[++i]).split(QLatin1Char(','));
    } else {
      plain.push_back(argv[i]);
    }
  }
  if (plain.size() < 3 || plain.size() > 5 || !(font_scale > 0.2)) {
    std::fprintf(stderr,
                 "usage: %s [--dark] [--font-scale F] [--only NAMES] FILE.VQ5 "
                 "OUT-FOLDER [LANGUAGE [SUFFIX]]\n",
                 argv[0]);
    return 2;
  }
  argc = static_cast<int>(plain.size());
  argv = plain.data();
  QApplication app(argc, argv);
  const bool theme = dark || font_scale != 1.0;
  if (dark) UseDarkPalette();
  if (font_scale != 1.0) {
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * font_scale);
    QApplication::setFont(font);
  }
  vrq5::gui::InstallLanguage(argc > 3 ? QString::fromLatin1(argv[3]) : "en");
  QString suffix = argc > 4 ? QString::fromLatin1(argv[4]) : QString();
  PicturePrompts prompts;
  QDir out(QString::fromLocal8Bit(argv[2]));
  prompts.folder = out.absolutePath();
  prompts.suffix = suffix;
  vrq5::gui::MainWindow::Options options;
  options.port_folder = (out.absolutePath() + "/config").toStdString();
  options.placement_file = out.absolutePath() + "/config/placement.ini";
  // The snapshots of the tour's writes go with its settings, not the user's.
  qputenv("XDG_DATA_HOME", (out.absolutePath() + "/config/data").toUtf8());
  vrq5::gui::MainWindow window(prompts, options);
  window.StartUp(vrq5::CommandLinePath(argv[1]));
  window.resize(QSize(1000, 720) * font_scale);
  window.show();
  Settle();
  if (theme) {
    QString prefix = QString(dark ? "dark_" : "") +
                     QString(font_scale != 1.0 ? "large_" : "");
    return ThemeTour(window, out, prefix, suffix, only) == 0 ? 0 : 1;
  }
  const char* names[] = {"settings1", "settings2", "memory", "bank"};
  int failures = 0;
  for (int tab = 1; tab <= 4; ++tab) {
    window.findChild<QTabBar*>(QStringLiteral("TabStrip1"))
        ->setCurrentIndex(tab - 1);
    if (tab == 3) window.SelectRow(12);
    Settle();
    QString path =
        out.filePath(QStringLiteral("%1%2.png").arg(names[tab - 1], suffix));
    if (!window.grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      ++failures;
    }
  }
  // Several rows selected on the Memory tab, and the channel map.
  window.findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(2);
  window.SelectRows({4, 5, 6, 7, 8, 9});
  Settle();
  if (!window.grab().save(
          out.filePath(QStringLiteral("selection%1.png").arg(suffix)))) {
    ++failures;
  }
  window.ShowChannelMap();
  Settle();
  if (auto* map = window.findChild<QDialog*>(QStringLiteral("dlgChannelMap"))) {
    if (!map->grab().save(
            out.filePath(QStringLiteral("channel_map%1.png").arg(suffix)))) {
      ++failures;
    }
    // Its table, a line chosen.
    map->findChild<QTabWidget*>(QStringLiteral("tabChannelMap"))
        ->setCurrentIndex(1);
    auto* table = map->findChild<QTableView*>(QStringLiteral("grdChannelMap"));
    table->setFocus();
    table->selectRow(3);
    Settle();
    if (!map->grab().save(
            out.filePath(QStringLiteral("map_table%1.png").arg(suffix)))) {
      ++failures;
    }
    map->hide();
  }
  // The channel editor over the Memory tab.
  window.findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(2);
  window.MSFlexGrid1_DblClick(12);
  Settle();
  if (auto* editor = window.findChild<QWidget*>(QStringLiteral("dlgModify"))) {
    QString path = out.filePath(QStringLiteral("editor%1.png").arg(suffix));
    if (!editor->grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      ++failures;
    }
  }
  // A Read > ALL in progress from the simulated receiver on a timed wire.
  if (auto* editor = window.findChild<QDialog*>(QStringLiteral("dlgModify"))) {
    editor->reject();
  }
  window.set_port_name("sim");
  // The check before writing (the demo's notes and a search-pass channel
  // give warnings), and the connection check.
  window.RunTransfer(vrq5::UserCommand::kWriteAll);
  window.CheckConnection();
  window.WaitForTransfer();
  Settle();
  // The changes a write would make to a receiver holding the file with a
  // few channels and the volume otherwise (Cancel: nothing is written),
  // twice, then the two snapshots kept.
  prompts.write_anyway = true;
  for (int round = 0; round < 2; ++round) {
    vrq5::Document held = window.document();
    int edited = 0;
    for (int slot = 0; slot < vrq5::kSlotCount && edited < 4; ++slot) {
      if (held.MemFlag[slot] == 0) continue;
      if (edited == 1) {
        held.Mem[slot] = vrq5::Slot();
        held.MemFlag[slot] = 0;
      } else {
        held.Mem[slot].text[vrq5::kName] = "OLD" + std::to_string(edited);
      }
      ++edited;
    }
    held.settings.Slider1 = (held.settings.Slider1 + 3) % 16;
    held.EncodeSettings();
    window.SimulatedReceiver().Reset();
    window.SimulatedReceiver().LoadDocument(held);
    window.RunTransfer(vrq5::UserCommand::kWriteAll);
    window.WaitForTransfer();
    Settle();
  }
  window.findChild<QAction*>(QStringLiteral("mnuSnapshots"))->trigger();
  Settle();
  // The port and write options dialogs, and the channel list exported and
  // imported again at row 00-990 (its report: the rows left out past 999).
  for (const char* action : {"mnuToolsOptions", "mnuToolsWriteSteps"}) {
    window.findChild<QAction*>(QLatin1String(action))->trigger();
    Settle();
  }
  prompts.open_file = out.absolutePath() + "/config/channels.csv";
  window.findChild<QAction*>(QStringLiteral("mnuExportChannels"))->trigger();
  window.SelectRow(990);
  window.findChild<QAction*>(QStringLiteral("mnuImportChannels"))->trigger();
  Settle();
  // What to print, row 00-011 current, and its preview.
  window.SelectRow(12);
  window.findChild<QAction*>(QStringLiteral("mnuFilePrintPreview"))->trigger();
  Settle();
  window.findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
  Settle();
  if (auto* about = window.findChild<QWidget*>(QStringLiteral("frmAbout"))) {
    if (!about->grab().save(
            out.filePath(QStringLiteral("about%1.png").arg(suffix)))) {
      ++failures;
    }
    about->close();
  }
  failures += prompts.failures;
  vrq5::radio::Faults timed;
  timed.timing = true;
  window.SimulatedReceiver().set_faults(timed);
  window.RunTransfer(vrq5::UserCommand::kReadAll);
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 3500) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  Settle();
  QString path = out.filePath(QStringLiteral("transfer%1.png").arg(suffix));
  if (!window.grab().save(path)) ++failures;
  // The File menu while it runs: New, Open and Exit (which ask to stop the
  // transfer) stay enabled.
  if (auto* file = window.findChild<QMenu*>(QStringLiteral("mnuFile"))) {
    file->popup(window.mapToGlobal(QPoint(8, 24)));
    Settle();
    QString menu_path =
        out.filePath(QStringLiteral("transfer_menu%1.png").arg(suffix));
    if (!file->grab().save(menu_path)) ++failures;
    file->hide();
  }
  window.CancelTransfer();
  window.WaitForTransfer();
  QDir(out.absolutePath() + "/config").removeRecursively();
  return failures == 0 ? 0 : 1;
}
