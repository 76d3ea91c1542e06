// What File > Print, Print Preview and Export PDF print (DlgPrint): the
// parts (Settings, VFO Data, Memory, Bank); for Memory the channels in use
// or every row, of all banks, the current row's bank or the selected rows;
// the paper's size and orientation. OK waits until a part is ticked.
#ifndef VRQ5_GUI_PRINT_DIALOG_H_
#define VRQ5_GUI_PRINT_DIALOG_H_

#include <QDialog>
#include <vector>

#include "store/print_plan.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace vrq5::gui {

class PrintDialog : public QDialog {
  Q_OBJECT

 public:
  struct Choice {
    PrintOptions options;
    bool letter = false;     // Letter paper, else A4
    bool landscape = false;  // across, else upright
  };

  // Starts from `initial` (the last choice), its rows always of all banks.
  // `current_bank`: the bank of the memory grid's current row (-1: the row
  // is in no bank); `selected_rows`: the grid's selected rows (1..1300).
  // Either scope is offered only where there is one.
  PrintDialog(const Choice& initial, int current_bank,
              std::vector<int> selected_rows, QWidget* parent);

  Choice Chosen() const;

 private:
  // OK and the memory's rows follow the parts ticked.
  void Update();

  int current_bank_;
  std::vector<int> selected_rows_;
  QCheckBox* settings_ = nullptr;
  QCheckBox* vfo_ = nullptr;
  QCheckBox* memory_ = nullptr;
  QCheckBox* bank_ = nullptr;
  QGroupBox* rows_ = nullptr;
  QRadioButton* every_row_ = nullptr;
  QRadioButton* current_bank_only_ = nullptr;
  QRadioButton* selected_only_ = nullptr;
  QRadioButton* letter_ = nullptr;
  QRadioButton* landscape_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_PRINT_DIALOG_H_
