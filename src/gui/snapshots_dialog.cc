#include "gui/snapshots_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "files/utf8_path.h"
#include "gui/button_texts.h"
#include "gui/controls.h"
#include "gui/prompts.h"

namespace vrq5::gui {

SnapshotsDialog::SnapshotsDialog(std::vector<SnapshotEntry> snapshots,
                                 QWidget* parent)
    : QDialog(parent), snapshots_(std::move(snapshots)) {
  setObjectName(QStringLiteral("dlgSnapshots"));
  setWindowTitle(Text("Receiver Snapshots"));
  auto* layout = new QVBoxLayout(this);
  auto* summary = new QLabel(
      snapshots_.empty()
          ? Text("No snapshot has been kept yet: each write keeps one of "
                 "what the receiver held before it.")
          : Text("What the receiver held before each write, newest first:"),
      this);
  summary->setObjectName(QStringLiteral("lblSnapshots"));
  summary->setWordWrap(true);
  layout->addWidget(summary);
  table_ = new QTableWidget(static_cast<int>(snapshots_.size()), 4, this);
  table_->setObjectName(QStringLiteral("grdSnapshots"));
  table_->setAccessibleName(Text("Receiver Snapshots"));
  table_->setHorizontalHeaderLabels(
      {Text("Time"), Text("Model"), Text("Channels in use"), Text("File")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  for (int row = 0; row < static_cast<int>(snapshots_.size()); ++row) {
    const SnapshotEntry& s = snapshots_[row];
    const QString channels = s.channels_in_use < 0
                                 ? Text("cannot be read")
                                 : QString::number(s.channels_in_use);
    const QStringList cells = {QString::fromStdString(s.time),
                               QString::fromStdString(s.model), channels,
                               QString::fromStdString(PathToUtf8(s.path))};
    for (int column = 0; column < cells.size(); ++column) {
      table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
  }
  table_->resizeColumnsToContents();
  if (!snapshots_.empty()) table_->selectRow(0);
  summary->setBuddy(table_);
  layout->addWidget(table_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* open =
      buttons->addButton(Text("&Open"), QDialogButtonBox::ActionRole);
  open->setObjectName(QStringLiteral("cmdOpen"));
  QPushButton* write_back =
      buttons->addButton(Text("Write &Back"), QDialogButtonBox::ActionRole);
  write_back->setObjectName(QStringLiteral("cmdWriteBack"));
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  close->setObjectName(QStringLiteral("cmdClose"));
  SetButtonTexts(buttons);
  open->setEnabled(!snapshots_.empty());
  write_back->setEnabled(!snapshots_.empty());
  connect(open, &QPushButton::clicked, this, [this] { Choose(Choice::kOpen); });
  connect(write_back, &QPushButton::clicked, this,
          [this] { Choose(Choice::kWriteBack); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(table_, &QTableWidget::cellDoubleClicked, this,
          [this] { Choose(Choice::kOpen); });
  layout->addWidget(buttons);
  resize(FontSized(this, 125, 26));
}

SnapshotsDialog::Choice SnapshotsDialog::Ask(Prompts& prompts, QWidget* parent,
                                             QString* path) {
  SnapshotsDialog dialog(ListSnapshots(SnapshotFolder()), parent);
  if (prompts.RunDialog(&dialog) != QDialog::Accepted) return Choice::kNone;
  *path = dialog.path();
  return dialog.choice();
}

void SnapshotsDialog::Choose(Choice choice) {
  if (table_->currentRow() < 0) return;
  choice_ = choice;
  accept();
}

QString SnapshotsDialog::path() const {
  const int row = table_->currentRow();
  if (row < 0 || row >= static_cast<int>(snapshots_.size())) return {};
  return QString::fromStdString(PathToUtf8(snapshots_[row].path));
}

}  // namespace vrq5::gui
