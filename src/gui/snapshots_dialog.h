// File > Receiver Snapshots (dlgSnapshots): what the receiver held before
// each write, newest first, with Open (as the document) and Write Back
// (open it and write it into the receiver).
#ifndef VRQ5_GUI_SNAPSHOTS_DIALOG_H_
#define VRQ5_GUI_SNAPSHOTS_DIALOG_H_

#include <QDialog>
#include <QString>
#include <vector>

#include "files/snapshots.h"

class QTableWidget;

namespace vrq5::gui {
class Prompts;
}

namespace vrq5::gui {

class SnapshotsDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Choice { kNone, kOpen, kWriteBack };

  SnapshotsDialog(std::vector<SnapshotEntry> snapshots, QWidget* parent);

  // Lists the snapshots folder and runs the dialog; the choice, with the
  // chosen snapshot's file in *path.
  static Choice Ask(Prompts& prompts, QWidget* parent, QString* path);

  // What the user chose, and the snapshot's file.
  Choice choice() const { return choice_; }
  QString path() const;

 private:
  void Choose(Choice choice);

  std::vector<SnapshotEntry> snapshots_;
  QTableWidget* table_;
  Choice choice_ = Choice::kNone;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_SNAPSHOTS_DIALOG_H_
