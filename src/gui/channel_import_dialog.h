// File > Import Channel List: where the channels go (dlgChannelImport),
// and afterwards the report of what was changed or left out
// (dlgImportReport).
#ifndef VRQ5_GUI_CHANNEL_IMPORT_DIALOG_H_
#define VRQ5_GUI_CHANNEL_IMPORT_DIALOG_H_

#include <QDialog>

#include "files/channel_csv.h"
#include "store/document.h"

class QRadioButton;
class QSpinBox;

namespace vrq5::gui {

class Prompts;

class ChannelImportDialog : public QDialog {
  Q_OBJECT

 public:
  // Offers slot `first_slot` (0-based) of `doc` and on, its bank, or each
  // channel at the slot its Location names.
  ChannelImportDialog(const Document& doc, int first_slot, QWidget* parent);

  // Where the channels go, as the user chose.
  ChannelCsvTarget Target() const;

  // The counts of an import, with the rows where something was changed or
  // left out in a list when there are any.
  static void ShowReport(Prompts& prompts, QWidget* parent,
                         const ChannelCsvResult& result);

 private:
  int first_slot_;
  QRadioButton* into_bank_ = nullptr;
  QRadioButton* by_location_ = nullptr;
  QSpinBox* bank_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_CHANNEL_IMPORT_DIALOG_H_
