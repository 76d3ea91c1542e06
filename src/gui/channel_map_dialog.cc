#include "gui/channel_map_dialog.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <vector>

#include "gui/channel_map_view.h"
#include "gui/controls.h"
#include "gui/prompts.h"
#include "store/channel_map.h"

namespace vrq5::gui {

// The lines of the Table tab, read only.
class MapTableModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetLines(std::vector<MapTableRow> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
  }
  const std::vector<MapTableRow>& lines() const { return lines_; }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : 4;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return QVariant();
    // The frequencies right-aligned, their decimal points in a column.
    if (role == Qt::TextAlignmentRole && index.column() == 2) {
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) return QVariant();
    const MapTableRow& line = lines_[index.row()];
    switch (index.column()) {
      case 0:
        return CoreText(line.lane);
      case 1:
        return QString::fromStdString(line.label);
      case 2:
        return QString::fromStdString(line.frequency);
      case 3:
        return QString::fromStdString(line.name);
    }
    return QVariant();
  }
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
      return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const kHeadings[] = {Tr("Lane"), Tr("Row"),
                                            Tr("Frequency"), Tr("Name")};
    return section >= 0 && section < 4 ? Text(kHeadings[section]) : QVariant();
  }

 private:
  std::vector<MapTableRow> lines_;
};

ChannelMapDialog::ChannelMapDialog(const Document& doc, Prompts& prompts,
                                   QWidget* parent)
    : QDialog(parent), doc_(doc), prompts_(prompts) {
  setObjectName(QStringLiteral("dlgChannelMap"));
  setWindowTitle(Text("Channel Map"));
  auto* layout = new QVBoxLayout(this);
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("tabChannelMap"));
  tabs->setAccessibleName(Text("Channel map: picture or table"));
  view_ = new ChannelMapView(tabs);
  view_->setAccessibleName(Text("Channel map picture"));
  view_->setAccessibleDescription(
      Text("The Table tab lists the same channels."));
  tabs->addTab(view_, Text("&Picture"));

  lines_ = new MapTableModel(this);
  table_ = new QTableView(tabs);
  table_->setObjectName(QStringLiteral("grdChannelMap"));
  table_->setAccessibleName(Text("Channels on the map"));
  table_->setModel(lines_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  table_->setAlternatingRowColors(true);
  table_->setWordWrap(false);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(
      QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->installEventFilter(this);
  connect(table_, &QTableView::activated, this,
          [this](const QModelIndex& index) { ActivateLine(index.row()); });
  tabs->addTab(table_, Text("&Table"));
  layout->addWidget(tabs, 1);

  auto* hint = new QLabel(
      Text("Point at a channel for its row and name; click it to select "
           "its row."),
      this);
  auto* save = Button("cmdSavePng", Tr("&Save as PNG..."), this);
  auto* close = Button("cmdCloseMap", Tr("&Close"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(hint, 1);
  buttons->addWidget(save);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(tabs, &QTabWidget::currentChanged, hint, [hint](int tab) {
    hint->setText(tab == 0 ? Text("Point at a channel for its row and name; "
                                  "click it to select its row.")
                           : Text("Enter or a double click on a channel "
                                  "selects its row."));
  });
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
  connect(save, &QPushButton::clicked, this, &ChannelMapDialog::SaveAsPng);
  connect(view_, &ChannelMapView::rowClicked, this,
          &ChannelMapDialog::rowClicked);
  resize(FontSized(this, 164, 48.5));
}

void ChannelMapDialog::SetMap() {
  // The line the user was on stays current when its row is still listed.
  const QModelIndex current = table_->currentIndex();
  const int row = current.isValid() ? lines_->lines()[current.row()].row : 0;
  ChannelMap map = BuildChannelMap(doc_);
  lines_->SetLines(MapTableRows(map));
  view_->SetMap(std::move(map));
  const auto& lines = lines_->lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].row != row) continue;
    table_->setCurrentIndex(lines_->index(static_cast<int>(i), 0));
    break;
  }
}

void ChannelMapDialog::ShowMap() {
  SetMap();
  show();
  raise();
}

void ChannelMapDialog::Refresh() {
  if (isVisible()) SetMap();
}

void ChannelMapDialog::ActivateLine(int line) {
  if (line < 0 || line >= static_cast<int>(lines_->lines().size())) return;
  emit rowClicked(lines_->lines()[line].row);
}

// Enter on a line selects its row and goes no further (it would press the
// dialog's default button).
bool ChannelMapDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ActivateLine(table_->currentIndex().row());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool ChannelMapDialog::SaveAsPng() {
  FileDialog dialog{Text("Save as PNG"),
                    {Text("PNG Images (*.png)"), Text("All Files (*)")},
                    QStringLiteral("png")};
  // The window the dialog belongs to asks, as before it was shown.
  QWidget* owner = parentWidget();
  QString path = prompts_.SaveFileName(owner, dialog);
  if (path.isEmpty()) return false;
  if (!view_->grab().save(path, "PNG")) {
    ShowFileStatus(prompts_, owner, FileStatus::kFileOpenError);
    return false;
  }
  return true;
}

}  // namespace vrq5::gui
