// dlgModify: the one dialog in which a memory channel is edited. It is
// made once and only hidden between openings, so its controls keep their
// last values ("Hold" relies on this). Every rule it applies is a call
// into store/entry.h; the dialog only shows and reads the controls.
#ifndef VRQ5_GUI_EDIT_DIALOG_H_
#define VRQ5_GUI_EDIT_DIALOG_H_

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "gui/prompts.h"
#include "store/document.h"
#include "store/entry.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vrq5::gui {

class EditDialog : public QDialog {
  Q_OBJECT

 public:
  EditDialog(Document& doc, Prompts& prompts, QWidget* parent = nullptr);

  // Opens the dialog (window-modal, without blocking) for memory-grid row
  // `row` (1..1300). OK stores the slot and emits stored().
  void OpenMemory(int row);
  // Opens the dialog for VFO-grid row `row` (1..14); OK stores the band and
  // emits vfoStored(). Rows of bands a model lacks open nothing.
  void OpenVfo(int row);

  // What is being edited: 1 a memory slot, 0 a VFO band.
  int EditTarget() const { return edit_target_; }

  // The controls as the rules see them, and back.
  EntryControls Controls() const;
  void SetControls(const EntryControls& c);

 signals:
  void stored(int slot);
  void vfoStored(int band);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void OkClicked();
  void ShowLabels(const EntryLabels& labels);
  // The focus-loss checks; false when the frequency was refused with a
  // message. A refused value is put back and lblReason says why; a value
  // taken clears what it said of that box.
  bool LeaveFrequency();
  void LeaveOffset();
  void ShowReasons(const QString& frequency, const QString& offset);
  static void SelectMember(QButtonGroup* group, int member);

  Document& doc_;
  Prompts& prompts_;
  int edit_target_ = 1;
  int edit_index_ = 0;
  std::string note_bytes_;  // the note as loaded, kept when not edited
  // The controls as the last memory-slot editing left them (Hold).
  std::optional<EntryControls> memory_controls_;

  QLabel* lblMode_;
  QLabel* lblCH_;
  QLabel* lblMHz_;
  QLineEdit* txtFreq_;
  // Why the frequency or the offset typed was refused (hidden when empty).
  QLabel* lblReason_;
  QString frequency_reason_;
  QString offset_reason_;
  QButtonGroup* opbWave_;
  QButtonGroup* opbStep_;
  QButtonGroup* opbTone_;
  std::array<QRadioButton*, kOptionButtons> tone_buttons_{};
  std::array<QRadioButton*, kStepButtons> step_buttons_{};
  QComboBox* cbbTxTone_;
  QComboBox* cbbAir_;
  QComboBox* cbbSec_;
  QButtonGroup* opbSift_;
  QLineEdit* txtShift_;
  QCheckBox* chkSkip_;
  QCheckBox* chkEnable_;
  QCheckBox* chkHold_;
  QLineEdit* txtNote_;
  QLineEdit* txtName_;
  QLabel* label4_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_EDIT_DIALOG_H_
