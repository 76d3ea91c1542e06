// The clone file this window opened or saved last, and what it was then:
// a save over it after another program changed it asks first.
#ifndef VRQ5_GUI_OPENED_FILE_H_
#define VRQ5_GUI_OPENED_FILE_H_

#include <QString>

#include "files/file_stamp.h"

class QWidget;

namespace vrq5::gui {

class Prompts;

class OpenedFile {
 public:
  // What the file at `path` is now, after it was opened or saved.
  void Keep(const QString& path);
  // Before a save to `path`: when it is this file and another program
  // changed it since, asks whether to overwrite it. False when nothing
  // may be written.
  bool MayOverwrite(const QString& path, Prompts& prompts,
                    QWidget* parent) const;

 private:
  QString path_;  // absolute; empty: none
  FileStamp stamp_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_OPENED_FILE_H_
