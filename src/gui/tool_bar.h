// The toolbar (tbToolBar): New, Open and Save, Undo and Redo, and Help,
// each button triggering its menu action.
#ifndef VRQ5_GUI_TOOL_BAR_H_
#define VRQ5_GUI_TOOL_BAR_H_

#include <QStyle>
#include <QToolBar>

namespace vrq5::gui {

class ToolBar : public QToolBar {
  Q_OBJECT

 public:
  // The menu actions the buttons trigger.
  struct Actions {
    QAction* file_new;
    QAction* open;
    QAction* save;
    QAction* undo;
    QAction* redo;
  };
  ToolBar(const Actions& actions, QWidget* parent);

  QAction* save_button() const { return save_; }
  QAction* undo_button() const { return undo_; }
  QAction* redo_button() const { return redo_; }
  QAction* help_button() const { return help_; }

 private:
  QAction* AddButton(QAction* action, const char* name, const char* tip,
                     QStyle::StandardPixmap icon);

  QAction* save_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* help_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_TOOL_BAR_H_
