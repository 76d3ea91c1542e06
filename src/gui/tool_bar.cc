#include "gui/tool_bar.h"

#include <QAction>
#include <QIcon>
#include <QStyle>

#include "gui/controls.h"

namespace vrq5::gui {

ToolBar::ToolBar(const Actions& actions, QWidget* parent)
    : QToolBar(Text("Tool Bar"), parent) {
  setObjectName(QStringLiteral("tbToolBar"));
  setMovable(false);
  AddButton(actions.file_new, "tbNew", Tr("New"), QStyle::SP_FileIcon);
  AddButton(actions.open, "tbOpen", Tr("Open"), QStyle::SP_DialogOpenButton);
  save_ = AddButton(actions.save, "tbSave", Tr("Save"),
                    QStyle::SP_DialogSaveButton);
  addSeparator();
  undo_ = AddButton(actions.undo, "tbUndo", Tr("Undo"), QStyle::SP_ArrowBack);
  redo_ =
      AddButton(actions.redo, "tbRedo", Tr("Redo"), QStyle::SP_ArrowForward);
  addSeparator();
  // The desktop's help icon, else the question mark every style draws (the
  // styles without an icon theme draw the dialog help button as a cross).
  help_ = addAction(
      QIcon::fromTheme(QStringLiteral("help-browser"),
                       style()->standardIcon(QStyle::SP_MessageBoxQuestion)),
      Text("Help"));
  help_->setObjectName(QStringLiteral("tbHelp"));
}

QAction* ToolBar::AddButton(QAction* action, const char* name, const char* tip,
                            QStyle::StandardPixmap icon) {
  QAction* button = addAction(style()->standardIcon(icon), Text(tip));
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(Text(tip));
  connect(button, &QAction::triggered, action, &QAction::trigger);
  return button;
}

}  // namespace vrq5::gui
