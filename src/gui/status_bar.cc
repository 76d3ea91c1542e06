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
  model_->setAccessibleName(Text("Model"));
  channels_ = new QLabel(this);
  channels_->setObjectName(QStringLiteral("lblStatusChannels"));
  channels_->setAccessibleName(Text("Channels in use"));
  port_ = new QLabel(this);
  port_->setObjectName(QStringLiteral("lblStatusPort"));
  port_->setAccessibleName(Text("Port in use"));
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
  channels_->setText(Text("%1 of %2 channels in use")
                         .arg(doc.ChannelsInUse())
                         .arg(kSlotCount));
}

}  // namespace vrq5::gui
