#include "gui/write_check_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <string>

#include "gui/button_texts.h"
#include "gui/controls.h"

namespace vrq5::gui {

WriteCheckDialog::WriteCheckDialog(const std::vector<Finding>& findings,
                                   QWidget* parent)
    : QDialog(parent), errors_(HasError(findings)) {
  setObjectName(QStringLiteral("dlgWriteCheck"));
  setWindowTitle(Text("Check before writing"));
  auto* layout = new QVBoxLayout(this);
  auto* summary = new QLabel(this);
  summary->setObjectName(QStringLiteral("lblWriteCheck"));
  summary->setWordWrap(true);
  summary->setText(
      (errors_ ? Text("The receiver would refuse or misfile what is marked as "
                      "an error. Nothing is written; correct it first.")
               : Text("A write would cut or change what is listed here. Write "
                      "anyway?")) +
      QStringLiteral(" (") + CoreText(FindingCountLine(findings)) +
      QStringLiteral(")"));
  layout->addWidget(summary);
  auto* model = new QStandardItemModel(0, 4, this);
  model->setHorizontalHeaderLabels(
      {Text("Kind"), Text("Row"), Text("Field"), Text("What a write does")});
  for (const Finding& f : findings) {
    QList<QStandardItem*> row;
    for (const std::string& cell :
         {std::string(FindingKindName(f.kind)), f.row, f.field, f.text}) {
      auto* item = new QStandardItem(CoreText(cell));
      item->setEditable(false);
      item->setToolTip(CoreText(f.text));
      row.append(item);
    }
    if (f.kind == FindingKind::kError) {
      row[0]->setForeground(WarningColor(palette().color(QPalette::Base)));
    }
    model->appendRow(row);
  }
  auto* view = new QTableView(this);
  view->setObjectName(QStringLiteral("grdFindings"));
  view->setAccessibleName(Text("Findings"));
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->verticalHeader()->hide();
  // The first three columns as wide as their texts; the findings take the
  // rest of the width and wrap in it, the rows as high as their text.
  for (int c = 0; c < 3; ++c) view->resizeColumnToContents(c);
  view->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setWordWrap(true);
  view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(view);
  auto* buttons = new QDialogButtonBox(this);
  if (errors_) {
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    SetButtonTexts(buttons);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
  } else {
    hide_ = new QCheckBox(Text("Do not show warnings again"), this);
    hide_->setObjectName(QStringLiteral("chkHideWarnings"));
    layout->addWidget(hide_);
    QPushButton* write =
        buttons->addButton(Text("&Write anyway"), QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("cmdWriteAnyway"));
    QPushButton* stop =
        buttons->addButton(Text("&Stop"), QDialogButtonBox::RejectRole);
    stop->setObjectName(QStringLiteral("cmdStop"));
    stop->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  }
  layout->addWidget(buttons);
  resize(FontSized(this, 141, 26));
}

bool WriteCheckDialog::HideWarnings() const {
  return hide_ != nullptr && hide_->isChecked();
}

}  // namespace vrq5::gui
