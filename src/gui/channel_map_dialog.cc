#include "gui/channel_map_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/channel_map_view.h"
#include "gui/controls.h"
#include "gui/prompts.h"
#include "store/channel_map.h"

namespace vrq5::gui {

ChannelMapDialog::ChannelMapDialog(const Document& doc, Prompts& prompts,
                                   QWidget* parent)
    : QDialog(parent), doc_(doc), prompts_(prompts) {
  setObjectName(QStringLiteral("dlgChannelMap"));
  setWindowTitle(Text("Channel Map"));
  auto* layout = new QVBoxLayout(this);
  view_ = new ChannelMapView(this);
  layout->addWidget(view_, 1);
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
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
  connect(save, &QPushButton::clicked, this, &ChannelMapDialog::SaveAsPng);
  connect(view_, &ChannelMapView::rowClicked, this,
          &ChannelMapDialog::rowClicked);
  resize(1000, 680);
}

void ChannelMapDialog::ShowMap() {
  view_->SetMap(BuildChannelMap(doc_));
  show();
  raise();
}

void ChannelMapDialog::Refresh() {
  if (isVisible()) view_->SetMap(BuildChannelMap(doc_));
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
