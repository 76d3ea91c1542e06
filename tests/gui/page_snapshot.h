// Everything the window's pages show, as text: the cells of both grids,
// every box, check box, option button, list, slider and named label of the
// main window (not of its dialogs; a control hidden on its own counts as
// hidden, whatever it holds), the tab, the title and the status bar.
// Two snapshots are equal when a user could not tell the windows apart.
#ifndef VRQ5_TESTS_GUI_PAGE_SNAPSHOT_H_
#define VRQ5_TESTS_GUI_PAGE_SNAPSHOT_H_

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <map>
#include <string>

#include "gui/main_window.h"

namespace vrq5::testing {

using PageSnapshot = std::map<std::string, std::string>;

inline PageSnapshot TakeSnapshot(gui::MainWindow& window) {
  PageSnapshot shot;
  auto own = [&window](QWidget* w) {
    return w->window() == &window && !w->objectName().isEmpty();
  };
  auto key = [](QWidget* w, const char* kind) {
    return w->objectName().toStdString() + "." + kind;
  };
  for (QTableView* grid : window.findChildren<QTableView*>()) {
    if (!own(grid)) continue;
    QAbstractItemModel* model = grid->model();
    std::string name = grid->objectName().toStdString();
    for (int c = 0; c < model->columnCount(); ++c) {
      shot[name + ".head." + std::to_string(c)] =
          model->headerData(c, Qt::Horizontal).toString().toStdString();
    }
    for (int r = 0; r < model->rowCount(); ++r) {
      std::string row;
      for (int c = 0; c < model->columnCount(); ++c) {
        row += model->index(r, c).data().toString().toStdString() + "|";
      }
      shot[name + ".row." + std::to_string(r)] = row;
    }
  }
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!own(w)) continue;
    if (w->isHidden()) {
      shot[key(w, "hidden")] = "";
    } else {
      shot[key(w, "enabled")] = w->isEnabled() ? "1" : "0";
    }
  }
  auto shown = [&own](QWidget* w) { return own(w) && !w->isHidden(); };
  for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
    if (shown(box)) shot[key(box, "text")] = box->text().toStdString();
  }
  for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
    if (shown(b) && b->isCheckable()) {
      shot[key(b, "checked")] = b->isChecked() ? "1" : "0";
    }
  }
  for (QComboBox* list : window.findChildren<QComboBox*>()) {
    if (shown(list))
      shot[key(list, "text")] = list->currentText().toStdString();
  }
  for (QSlider* slider : window.findChildren<QSlider*>()) {
    if (shown(slider))
      shot[key(slider, "value")] = std::to_string(slider->value());
  }
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (shown(label)) shot[key(label, "text")] = label->text().toStdString();
  }
  auto* tabs = window.findChild<QTabBar*>(QStringLiteral("TabStrip1"));
  shot["tab"] = std::to_string(tabs->currentIndex());
  shot["title"] = window.windowTitle().toStdString();
  for (QLabel* label : window.statusBar()->findChildren<QLabel*>()) {
    if (label->objectName().isEmpty()) {
      shot["status." + label->text().toStdString()] = "";
    }
  }
  return shot;
}

// The first difference of two snapshots, or an empty text.
inline std::string FirstDifference(const PageSnapshot& got,
                                   const PageSnapshot& want) {
  for (const auto& [k, v] : want) {
    auto it = got.find(k);
    if (it == got.end()) return k + ": missing";
    if (it->second != v) return k + ": \"" + it->second + "\" vs \"" + v + "\"";
  }
  for (const auto& [k, v] : got) {
    if (!want.count(k)) return k + ": not expected";
  }
  return "";
}

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_GUI_PAGE_SNAPSHOT_H_
