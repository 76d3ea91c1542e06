// The window as a screen reader finds it: every control of the main
// window's pages and of each dialog through QAccessible, with a name and a
// role, tables with their headers, and no two controls of one page under
// the same name.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <map>
#include <set>

#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

QString NameOf(QObject* object) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

// The text of a cell's heading. Qt makes the header cells it hands out
// anew for each call and keeps none of them (the accessibility bridge
// registers what it reads): they are registered here and let go.
QString Heading(const QList<QAccessibleInterface*>& headers) {
  const QString text = headers.isEmpty()
                           ? QString()
                           : headers.first()->text(QAccessible::Name).trimmed();
  for (QAccessibleInterface* header : headers) {
    QAccessible::deleteAccessibleInterface(
        QAccessible::registerAccessibleInterface(header));
  }
  return text;
}

// What a screen reader lacks in the controls shown in `root`: a control
// the keyboard reaches without a name or a role, a table column without a
// heading or a row without a row heading, two controls under one name.
struct Walk {
  std::vector<std::string> faults;
  int controls = 0;
  int tables = 0;

  void Check(QWidget* root, const std::string& where) {
    std::map<QString, std::string> named;
    for (QWidget* w : root->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(root) || w->focusPolicy() == Qt::NoFocus ||
          w->focusProxy()) {
        continue;  // a control that hands its focus on is read as that one
      }
      // The text box inside a spin box or combo box is the box itself.
      if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
          qobject_cast<QComboBox*>(w->parentWidget())) {
        continue;
      }
      const std::string id = where + " " + w->metaObject()->className() + " " +
                             w->objectName().toStdString();
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
      if (!iface) {
        faults.push_back(id + ": not accessible");
        continue;
      }
      ++controls;
      QString name = iface->text(QAccessible::Name).trimmed();
      // A combo box's name is its value on Linux; its label is a relation.
      if (qobject_cast<QComboBox*>(w)) {
        const auto labels = iface->relations(QAccessible::Label);
        name = labels.isEmpty()
                   ? QString()
                   : labels.first().first->text(QAccessible::Name).trimmed();
      }
      if (name.isEmpty()) faults.push_back(id + ": no name");
      if (iface->role() == QAccessible::NoRole ||
          iface->role() == QAccessible::Client) {
        faults.push_back(id + ": no role");
      }
      if (!name.isEmpty()) {
        auto [it, fresh] = named.emplace(name, id);
        if (!fresh) {
          faults.push_back(id + ": named \"" + name.toStdString() + "\" as " +
                           it->second);
        }
      }
      if (auto* table = qobject_cast<QTableView*>(w)) CheckTable(table, id);
    }
  }

  void CheckTable(QTableView* view, const std::string& id) {
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(view)->tableInterface();
    if (!table) {
      faults.push_back(id + ": no table");
      return;
    }
    ++tables;
    if (table->rowCount() == 0) return;
    for (int c = 0; c < table->columnCount(); ++c) {
      if (view->isColumnHidden(c)) continue;
      QAccessibleInterface* cell = table->cellAt(0, c);
      if (!cell || !cell->tableCellInterface() ||
          Heading(cell->tableCellInterface()->columnHeaderCells()).isEmpty()) {
        faults.push_back(id + ": column " + std::to_string(c) +
                         " has no heading");
      }
    }
  }
};

class AccessibilityTest : public WindowTest {
 protected:
  void CheckDialog(QDialog* dialog) {
    walk.Check(dialog, dialog->objectName().toStdString());
    if (NameOf(dialog).isEmpty()) {
      walk.faults.push_back(dialog->objectName().toStdString() + ": no title");
    }
    checked.insert(dialog->objectName().toStdString());
  }

  Walk walk;
  std::set<std::string> checked;
};

TEST_F(AccessibilityTest, EveryControlHasANameARoleAndTablesHeadings) {
  ASSERT_TRUE(
      window->OpenNamedFile(QString::fromStdString(SamplePath("demo.VQ5"))));
  ShowWindow();
  // The menus: every command by its caption.
  for (QAction* menu : window->menuBar()->actions()) {
    if (menu->text().isEmpty()) walk.faults.push_back("a menu without name");
    for (QAction* a : menu->menu()->actions()) {
      if (!a->isSeparator() && a->text().isEmpty()) {
        walk.faults.push_back(menu->objectName().toStdString() +
                              ": an item without name");
      }
    }
  }
  for (int tab = 1; tab <= 4; ++tab) {
    Find<QTabBar>("TabStrip1")->setCurrentIndex(tab - 1);
    QApplication::processEvents();
    walk.Check(window.get(), "page " + std::to_string(tab));
  }
  // The find bar, the editor and the channel map beside the window.
  Find<QTabBar>("TabStrip1")->setCurrentIndex(2);
  QTest::keySequence(window.get(), QKeySequence::Find);
  walk.Check(window.get(), "find bar");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  CheckDialog(OpenEditor(12));
  Find<QDialog>("dlgModify")->reject();
  window->ShowChannelMap();
  CheckDialog(Find<QDialog>("dlgChannelMap"));
  Find<QTabWidget>("tabChannelMap")->setCurrentIndex(1);  // its table
  CheckDialog(Find<QDialog>("dlgChannelMap"));
  Find<QDialog>("dlgChannelMap")->hide();
  Trigger("mnuHelpAbout");
  if (auto* about = Find<QDialog>("frmAbout")) {
    CheckDialog(about);
    about->close();
  }
  // The dialogs the window runs, each as it is shown.
  prompts.dialog_handler = [this](QDialog* dialog) {
    dialog->show();
    QApplication::processEvents();
    CheckDialog(dialog);
    dialog->hide();
    const QString name = dialog->objectName();
    return name == QStringLiteral("dlgChannelImport") ||
                   name == QStringLiteral("dlgWriteCheck")
               ? QDialog::Accepted
               : QDialog::Rejected;
  };
  for (const char* action : {"mnuToolsOptions", "mnuToolsWriteSteps",
                             "mnuFilePrint", "mnuSnapshots"}) {
    Trigger(action);
  }
  const std::string csv = dir.File("channels.csv");
  prompts.file_names = {QString::fromStdString(csv),
                        QString::fromStdString(csv)};
  Trigger("mnuExportChannels");
  window->SelectRow(990);
  Trigger("mnuImportChannels");
  window->set_port_name("sim");
  ShowWriteWarnings(true);
  SetSafeWriteSteps(true, true, false);
  window->SelectRow(1);
  Run("mnuWrAll");
  EXPECT_EQ(checked,
            (std::set<std::string>{
                "dlgModify", "dlgChannelMap", "frmAbout", "dlgCOM",
                "dlgWriteSteps", "DlgPrint", "dlgSnapshots", "dlgChannelImport",
                "dlgImportReport", "dlgWriteCheck", "dlgChanges"}));
  for (const std::string& fault : walk.faults) ADD_FAILURE() << fault;
  std::printf("%d controls and %d tables read\n", walk.controls, walk.tables);
}

// The cell as read: its row's label, its column's heading, its text.
QString ReadCell(QAccessibleInterface* cell) {
  QAccessibleTableCellInterface* c = cell->tableCellInterface();
  if (!c) return QString();
  return Heading(c->rowHeaderCells()) + QStringLiteral(" / ") +
         Heading(c->columnHeaderCells()) + QStringLiteral(": ") +
         cell->text(QAccessible::Name);
}

TEST_F(AccessibilityTest, GridCellsAndTheStatusBarAreReadWithTheirHeadings) {
  ASSERT_TRUE(
      window->OpenNamedFile(QString::fromStdString(SamplePath("demo.VQ5"))));
  ShowWindow();
  ClickTab(3);
  auto* grid = Find<QTableView>("MSFlexGrid1");
  QAccessibleTableInterface* table =
      QAccessible::queryAccessibleInterface(grid)->tableInterface();
  ASSERT_NE(table, nullptr);
  // One channel row as a screen reader reads it, cell by cell.
  QStringList row;
  for (int c = 0; c < table->columnCount(); ++c) {
    row << ReadCell(table->cellAt(11, c));
  }
  std::printf("row 12: %s\n", qPrintable(row.join(QStringLiteral("; "))));
  EXPECT_EQ(ReadCell(table->cellAt(11, 1)),
            QStringLiteral("%1 / Frequency: %2").arg(Cell(12, 0), Cell(12, 1)));
  EXPECT_EQ(ReadCell(table->cellAt(11, 0)),
            QStringLiteral("%1 / Row: %1").arg(Cell(12, 0)));
  EXPECT_EQ(ReadCell(table->cellAt(1299, 1)),
            QStringLiteral("%1 / Frequency: ").arg(Cell(1300, 0)));
  // The status bar's fields are read by what they show, as it changes.
  window->SelectRow(12);
  prompts.answers = {gui::Answer::kYes};
  QTest::keyClick(grid, Qt::Key_Delete);
  EXPECT_EQ(
      NameOf(Find<QLabel>("lblStatusChannels")),
      QStringLiteral("%1 of 1300 channels in use").arg(doc().ChannelsInUse()));
  EXPECT_EQ(NameOf(Find<QLabel>("lblStatusModel")),
            QStringLiteral("Model: VR-Q5J"));
}

}  // namespace
}  // namespace vrq5::testing
