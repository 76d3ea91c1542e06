#include "gui/status_bar.h"

#include <QLabel>

#include "codec/tables.h"
#include "gui/controls.h"
#include "gui/note_text.h"
#include "link/port_file.h"

namespace vrq5::gui {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("sbStatusBar"));
  model_ = new QLabel(this);
  model_->setObjectName(QStringLiteral("lblStatusModel"));
  channels_ = new QLabel(this);
  channels_->setObjectName(QStringLiteral("lblStatusChannels"));
  port_ = new QLabel(this);
  port_->setObjectName(QStringLiteral("lblStatusPort"));
  addWidget(model_);
  addWidget(channels_);
  addWidget(port_);
}

void StatusBar::ShowState(const Document& doc, const std::string& port) {
  if (port.empty()) {
    port_->setText(Text("Port: none"));
  } else if (port == kSimulatedPortName) {
    port_->setText(Text("Port: simulated receiver"));
  } else {
    port_->setText(Text("Port: %1").arg(QString::fromStdString(port)));
  }
  model_->setText(AsciiText(ModelName[doc.opbModel]));
  // A screen reader reads each field by its name, which changes with it
  // (and is told so); the model alone would be a bare "VR-Q5J".
  model_->setAccessibleName(Text("Model: %1").arg(model_->text()));
  channels_->setText(Text("%1 of %2 channels in use")
                         .arg(doc.ChannelsInUse())
                         .arg(kSlotCount));
}

}  // namespace vrq5::gui
