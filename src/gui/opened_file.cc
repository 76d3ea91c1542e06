#include "gui/opened_file.h"

#include <QFileInfo>

#include "gui/controls.h"
#include "gui/prompts.h"

namespace vrq5::gui {

void OpenedFile::Keep(const QString& path) {
  path_ = QFileInfo(path).absoluteFilePath();
  stamp_ = StampOf(path.toStdString());
}

bool OpenedFile::MayOverwrite(const QString& path, Prompts& prompts,
                              QWidget* parent) const {
  if (path_.isEmpty() || QFileInfo(path).absoluteFilePath() != path_ ||
      !ChangedSince(stamp_, path.toStdString())) {
    return true;
  }
  const QString question =
      Text("%1 has changed on disk since it was opened. Overwrite it?")
          .arg(QFileInfo(path).fileName());
  return prompts.Ask(parent,
                     Message{question.toStdString(), Text("Save").toStdString(),
                             Message::Icon::kWarning},
                     Buttons::kYesNoDefaultNo) == Answer::kYes;
}

}  // namespace vrq5::gui
