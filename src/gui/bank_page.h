// The Bank page: the 50 bank-size boxes with their link boxes and the
// total, and the matrix of ten bank groups by 50 banks. The boxes are the
// document's working copies (txtBank, chkLink, chkGrp); every rule they
// follow is a call into store/bank_rules.h.
#ifndef VRQ5_GUI_BANK_PAGE_H_
#define VRQ5_GUI_BANK_PAGE_H_

#include <QWidget>
#include <array>

#include "gui/prompts.h"
#include "store/document.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace vrq5::gui {

class BankPage : public QWidget {
  Q_OBJECT

 public:
  BankPage(Document& doc, Prompts& prompts, QWidget* parent = nullptr);

  // Shows the document's boxes, links, groups and total.
  void ShowDocument();
  // Leaves the size box being edited, if any, so that its check runs
  // (before a page change decides on the total).
  void LeaveEditedBox();

 signals:
  // A box changed the document (DataChanged is set).
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int BankOfBox(QObject* box) const;
  void LeaveBox(int bank);
  // The total of the sizes, marked while it is not 1000.
  void ShowTotal();

  Document& doc_;
  Prompts& prompts_;
  std::array<QLineEdit*, kBankCount> txtBank_{};
  std::array<QCheckBox*, kBankCount> chkLink_{};
  std::array<QCheckBox*, 550> chkGrp_{};
  QLabel* lblAll_;
  QLineEdit* text4_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_BANK_PAGE_H_
