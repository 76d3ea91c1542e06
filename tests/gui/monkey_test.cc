// Random input: for a fixed number of steps, a random visible and enabled
// control of the window or of its open dialog gets a random click, key or
// text, or a random enabled menu command runs; every message box, question
// and file dialog gets a random answer. After every step the document's
// invariants must hold. The run is seeded, so a failure comes back with the
// same seed; VRQ5_MONKEY_STEPS and VRQ5_MONKEY_SEED choose another run.
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTabBar>
#include <cctype>
#include <cstdlib>
#include <deque>
#include <map>
#include <random>
#include <sstream>

#include "codec/record.h"
#include "codec/settings.h"
#include "files/clone_file.h"
#include "store/bank_rules.h"
#include "support/damaged_files.h"
#include "support/temp_dir.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

long EnvNumber(const char* name, long fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  return std::strtol(text, nullptr, 10);
}

// Answers everything at random and keeps a log of the last steps.
class MonkeyPrompts : public gui::Prompts {
 public:
  MonkeyPrompts(std::mt19937& rng, const TempDir& dir) : rng_(rng), dir_(dir) {
    open_names_ = {"",
                   QString::fromStdString(dir.File("demo.VQ5")),
                   QString::fromStdString(dir.File("full.VQ5")),
                   QString::fromStdString(dir.File("demo.csv")),
                   QString::fromStdString(dir.File("saved.VQ5")),
                   QString::fromStdString(dir.File("saved.csv")),
                   QString::fromStdString(dir.File("damaged.VQ5")),
                   QString::fromStdString(dir.File("damaged.csv")),
                   QString::fromStdString(dir.File("missing.VQ5")),
                   QString::fromStdString(dir.path())};
    save_names_ = {"", QString::fromStdString(dir.File("saved.VQ5")),
                   QString::fromStdString(dir.File("saved.csv")),
                   QString::fromStdString(dir.File("no/such/folder/x.VQ5")),
                   QString::fromStdString(dir.path())};
  }

  void Note(const std::string& line) {
    log_.push_back(line);
    if (log_.size() > 40) log_.pop_front();
  }
  std::string Log() const {
    std::string out;
    for (const auto& l : log_) out += "  " + l + "\n";
    return out;
  }

  void Show(QWidget*, const Message& m) override {
    ++messages;
    Note("    message: " + m.text);
  }
  gui::Answer Ask(QWidget*, const Message& q, gui::Buttons buttons) override {
    gui::Answer a;
    if (buttons == gui::Buttons::kOkCancel) {
      a = rng_() % 2 ? gui::Answer::kOk : gui::Answer::kCancel;
    } else {
      const gui::Answer all[] = {gui::Answer::kYes, gui::Answer::kNo,
                                 gui::Answer::kCancel};
      a = all[rng_() % 3];
    }
    Note("    question: " + q.text + " -> " + std::to_string(int(a)));
    return a;
  }
  QString OpenFileName(QWidget*, const gui::FileDialog& d) override {
    return Pick("open", d, open_names_);
  }
  QString SaveFileName(QWidget*, const gui::FileDialog& d) override {
    return Pick("save", d, save_names_);
  }
  bool PageSetup(QWidget*) override { return rng_() % 2; }
  // Print and Print Preview: the pages drawn into a PDF file, or the print
  // dialog cancelled.
  bool PrintPages(QWidget*, const QPageSize& size,
                  QPageLayout::Orientation orientation,
                  const gui::PaintPages& paint) override {
    if (rng_() % 2) {
      Note("    print: cancelled");
      return false;
    }
    Note("    print");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir_.File("print.pdf")));
    printer.setPageSize(size);
    printer.setPageOrientation(orientation);
    paint(printer);
    return true;
  }
  void PreviewPages(QWidget* parent, const QPageSize& size,
                    QPageLayout::Orientation orientation,
                    const gui::PaintPages& paint) override {
    PrintPages(parent, size, orientation, paint);
  }
  // The port dialog: the simulated receiver, a port that is not there, a
  // typed text, or the dialog cancelled.
  int RunDialog(QDialog* dialog) override {
    auto* path = dialog->findChild<QLineEdit*>(QStringLiteral("txtPort"));
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstPorts"));
    switch (rng_() % 4) {
      case 0:
        Note("    dialog: cancelled");
        return QDialog::Rejected;
      case 1:
        if (list && list->count() > 0) list->setCurrentRow(0);
        break;
      case 2:
        if (path) path->setText(QStringLiteral("sim"));
        break;
      default:
        if (path) path->setText(QStringLiteral("/no/such/tty"));
        break;
    }
    Note("    dialog: port " + (path ? path->text().toStdString() : "?"));
    return QDialog::Accepted;
  }

  long messages = 0;

 private:
  QString Pick(const char* kind, const gui::FileDialog& d,
               const std::vector<QString>& names) {
    QString name = names[rng_() % names.size()];
    Note(std::string("    ") + kind + " " + d.caption.toStdString() + ": " +
         name.toStdString());
    return name;
  }

  std::mt19937& rng_;
  const TempDir& dir_;
  std::vector<QString> open_names_, save_names_;
  std::deque<std::string> log_;
};

// What must hold after every step; the first fault found, or "".
std::string BrokenInvariant(gui::MainWindow& window) {
  const Document& doc = window.document();
  std::ostringstream out;
  // The bank total: the label shows the document's total, which is the sum
  // of the bank sizes held.
  int total = 0;
  for (int b = 0; b < kBankCount; ++b) total += doc.BankSize[b];
  if (doc.lblAll != std::to_string(total)) {
    out << "bank total \"" << doc.lblAll << "\" but the sizes add up to "
        << total;
    return out.str();
  }
  auto* label = window.findChild<QLabel*>(QStringLiteral("lblAll"));
  if (label->text().toStdString() != doc.lblAll) {
    out << "total label \"" << label->text().toStdString()
        << "\" but the document holds \"" << doc.lblAll << "\"";
    return out.str();
  }
  if (label->autoFillBackground() != (doc.lblAll != "1000")) {
    out << "total label " << doc.lblAll
        << (label->autoFillBackground() ? " marked" : " not marked");
    return out.str();
  }
  for (int b = 0; b < kBankCount; ++b) {
    auto* box =
        window.findChild<QLineEdit*>(QStringLiteral("txtBank_%1").arg(b));
    if (box->text().toStdString() != doc.txtBank[b]) {
      out << "bank box " << b << " shows \"" << box->text().toStdString()
          << "\" but the document holds \"" << doc.txtBank[b] << "\"";
      return out.str();
    }
  }
  // The encoder must not crash on any slot, and writes hex digits.
  for (int s = 0; s < kSlotCount; ++s) {
    std::string record = EncodeChannel(doc.Mem[s], doc.opbModel);
    bool hex = true;
    for (char c : record) hex = hex && std::isxdigit(uint8_t(c));
    if (!hex) {
      out << "slot " << s << " encodes to \"" << record << "\"";
      return out.str();
    }
  }
  // The settings come back from their encoding unchanged.
  std::string hex1, hex2;
  EncodeSettings(doc.settings, hex1, hex2);
  Settings back;
  DecodeSettings(hex1, hex2, doc.opbModel, back);
  if (!(back == doc.settings)) return "settings change in encode and decode";
  // Row labels of the memory channels: empty, or 00-000 .. 49-999.
  for (int s = 0; s < kMemoryChannels; ++s) {
    const std::string& l = doc.SlotLabel(s);
    if (l.empty()) continue;
    bool ok = l.size() == 6 && std::isdigit(uint8_t(l[0])) &&
              std::isdigit(uint8_t(l[1])) && l[2] == '-' &&
              std::isdigit(uint8_t(l[3])) && std::isdigit(uint8_t(l[4])) &&
              std::isdigit(uint8_t(l[5])) && std::stoi(l.substr(0, 2)) <= 49;
    if (!ok) {
      out << "slot " << s << " has the row label \"" << l << "\"";
      return out.str();
    }
  }
  return "";
}

bool Interactive(QWidget* w) {
  if (qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w)) return false;
  return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
         qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
         qobject_cast<QAbstractItemView*>(w) || qobject_cast<QTabBar*>(w);
}

std::string Describe(QWidget* w) {
  std::string name = w->objectName().toStdString();
  if (name.empty() && w->parentWidget()) {
    name = w->parentWidget()->objectName().toStdString() + "/" +
           w->metaObject()->className();
  }
  return name.empty() ? w->metaObject()->className() : name;
}

class MonkeyTest : public WindowTest {};

TEST_F(MonkeyTest, RandomInputKeepsTheDocumentWhole) {
  const long steps = EnvNumber("VRQ5_MONKEY_STEPS", 2500);
  const long seed = EnvNumber("VRQ5_MONKEY_SEED", 1);
  std::mt19937 rng(static_cast<uint32_t>(seed));
  MonkeyPrompts monkey(rng, dir);
  // The window goes before the prompts it uses.
  struct WindowGoesFirst {
    std::unique_ptr<gui::MainWindow>& window;
    ~WindowGoesFirst() { window.reset(); }
  } window_goes_first{window};
  // Copies of the samples (a save goes back to the file opened) and a
  // damaged file of each kind to be opened.
  for (const char* name : {"demo.VQ5", "full.VQ5", "demo.csv"}) {
    WriteFile(dir.File(name), ReadFile(SamplePath(name)));
  }
  {
    Document d;
    std::vector<std::string> lines = SplitCrLf(CloneFileText(d));
    WriteFile(dir.File("damaged.VQ5"), DamagedCloneFiles(lines)[0].content);
    WriteFile(dir.File("damaged.csv"), DamagedCsvFiles()[0].content);
  }
  MakeWindow(&monkey);
  window->StartUp("");
  window->set_port_name("sim");
  ShowWindow();

  const int keys[] = {
      Qt::Key_0,        Qt::Key_1,      Qt::Key_2,         Qt::Key_5,
      Qt::Key_9,        Qt::Key_A,      Qt::Key_Z,         Qt::Key_Period,
      Qt::Key_Minus,    Qt::Key_Space,  Qt::Key_Backspace, Qt::Key_Delete,
      Qt::Key_Return,   Qt::Key_Up,     Qt::Key_Down,      Qt::Key_Left,
      Qt::Key_Right,    Qt::Key_Home,   Qt::Key_End,       Qt::Key_PageUp,
      Qt::Key_PageDown, Qt::Key_Escape, Qt::Key_Tab,       Qt::Key_Backtab};
  const char text_chars[] = "0123456789..--abcXYZ ,\"#";

  std::map<std::string, long> touched;  // controls and commands used
  for (long step = 1; step <= steps; ++step) {
    if (!window->isVisible()) {
      monkey.Note("window shown again");
      window->show();
      QApplication::processEvents();
    }
    // The modal dialog on top takes all input; otherwise the windows shown.
    std::vector<QWidget*> roots;
    if (QWidget* modal = QApplication::activeModalWidget()) {
      roots.push_back(modal);
    } else {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible()) roots.push_back(top);
      }
    }
    std::vector<QWidget*> controls;
    for (QWidget* root : roots) {
      if (Interactive(root)) controls.push_back(root);
      for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->isVisible() && w->isEnabled() && Interactive(w)) {
          controls.push_back(w);
        }
      }
    }
    // Menu commands, when no dialog is on top.
    std::vector<QAction*> commands;
    if (!QApplication::activeModalWidget()) {
      std::function<void(QMenu*)> collect = [&](QMenu* menu) {
        if (!menu->menuAction()->isEnabled()) return;
        for (QAction* a : menu->actions()) {
          if (a->menu()) {
            collect(a->menu());
          } else if (a->isEnabled() && a->isVisible() && !a->isSeparator()) {
            commands.push_back(a);
          }
        }
      };
      for (QAction* a : window->menuBar()->actions()) {
        if (a->menu()) collect(a->menu());
      }
    }

    unsigned choice = rng() % 100;
    if ((choice < 8 && !commands.empty()) || controls.empty()) {
      if (commands.empty()) break;
      QAction* a = commands[rng() % commands.size()];
      monkey.Note(std::to_string(step) + ": menu " +
                  a->objectName().toStdString());
      ++touched["menu " + a->objectName().toStdString()];
      a->trigger();
    } else {
      QWidget* w = controls[rng() % controls.size()];
      std::string what = std::to_string(step) + ": " + Describe(w);
      ++touched[Describe(w)];
      unsigned kind = rng() % 100;
      if (auto* view = qobject_cast<QAbstractItemView*>(w);
          view && kind < 50 && view->model() && view->model()->rowCount() > 0) {
        int row = rng() % view->model()->rowCount();
        int column = rng() % std::max(1, view->model()->columnCount());
        QModelIndex index = view->model()->index(row, column);
        view->scrollTo(index);
        QPoint at = view->visualRect(index).center();
        if (kind < 10) {
          monkey.Note(what + " double-click row " + std::to_string(row));
          QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        } else {
          monkey.Note(what + " click row " + std::to_string(row));
          QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        }
      } else if (auto* tabs = qobject_cast<QTabBar*>(w); tabs && kind < 50) {
        int tab = rng() % tabs->count();
        monkey.Note(what + " click tab " + std::to_string(tab));
        QTest::mouseClick(tabs, Qt::LeftButton, {},
                          tabs->tabRect(tab).center());
      } else if (kind < 40 && !qobject_cast<QComboBox*>(w)) {
        // A click where a user may click (a list opens no pop-up here).
        QPoint at(rng() % std::max(1, w->width()),
                  rng() % std::max(1, w->height()));
        monkey.Note(what + " click");
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
      } else if (kind < 75) {
        int key = keys[rng() % std::size(keys)];
        monkey.Note(what + " key " +
                    QKeySequence(key).toString().toStdString());
        w->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(w, Qt::Key(key));
      } else {
        std::string text;
        for (unsigned n = 1 + rng() % 8; n > 0; --n) {
          text += text_chars[rng() % (sizeof text_chars - 1)];
        }
        monkey.Note(what + " text \"" + text + "\"");
        w->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(w, QString::fromLatin1(text.c_str()));
      }
    }
    QApplication::processEvents();
    // A transfer runs on; now and then it is let finish.
    if (window->TransferRunning() && rng() % 3 == 0) {
      monkey.Note("  (transfer waited for)");
      window->WaitForTransfer();
    }
    std::string broken = BrokenInvariant(*window);
    if (!broken.empty()) {
      FAIL() << "step " << step << " of seed " << seed << ": " << broken
             << "\nlast steps:\n"
             << monkey.Log();
    }
  }
  window->WaitForTransfer();
  EXPECT_EQ(BrokenInvariant(*window), "");
  std::printf(
      "monkey: %ld steps of seed %ld, %zu controls and commands used, %ld "
      "messages\n",
      steps, seed, touched.size(), monkey.messages);
}

}  // namespace
}  // namespace vrq5::testing
