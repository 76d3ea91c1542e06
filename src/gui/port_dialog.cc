#include "gui/port_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "gui/controls.h"
#include "link/port_file.h"
#include "serial/port_choice.h"
#include "serial/qt_serial_port.h"

namespace vrq5::gui {

PortDialog::PortDialog(const std::string& port_name, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("dlgCOM"));
  setWindowTitle(Text("COM Port Setup"));
  setAccessibleName(Text("COM Port Setup"));
  auto* layout = new QVBoxLayout(this);
  auto* hint = new QLabel(
      Text("Choose the port of the cloning cable, or type the path of its "
           "device. \"Simulated receiver\" answers without a receiver "
           "attached."),
      this);
  hint->setObjectName(QStringLiteral("lblPortHint"));
  hint->setAccessibleName(Text("What to choose"));
  hint->setWordWrap(true);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lstPorts"));
  list_->setAccessibleName(Text("Ports"));

  std::vector<PortDevice> devices;
#ifdef _WIN32
  // The sixteen ports the port file's number form keeps.
  for (int n = 1; n <= kPortNumberMax; ++n) {
    devices.push_back({"COM" + std::to_string(n), std::string()});
  }
  const bool saved_present = true;
#else
  for (const SerialPortInfo& info : ListSerialPorts()) {
    devices.push_back({info.path, info.description});
  }
  std::error_code ec;
  const bool saved_present =
      !port_name.empty() && std::filesystem::exists(port_name, ec);
#endif
  const PortRows rows = PortDialogRows(devices, port_name, saved_present);
  for (const PortRow& row : rows.rows) {
    const QString name = QString::fromStdString(row.name);
    QString text = name;
    switch (row.kind) {
      case PortRow::Kind::kDevice:
        if (!row.description.empty()) {
          text +=
              QStringLiteral("  ") + QString::fromStdString(row.description);
        }
        break;
      case PortRow::Kind::kSaved:
        break;
      case PortRow::Kind::kMissing:
        text += QStringLiteral("  ") + Text("(not found)");
        break;
      case PortRow::Kind::kSimulated:
        text = Text("Simulated receiver");
        break;
    }
    auto* item = new QListWidgetItem(text, list_);
    item->setData(Qt::UserRole, name);
  }
  path_ = new QLineEdit(this);
  path_->setObjectName(QStringLiteral("txtPort"));
  path_->setAccessibleName(Text("Port name or device path"));
  path_->setPlaceholderText(Text("Device path, e.g. /dev/ttyUSB0"));
  path_->setText(QString::fromStdString(port_name));
  if (rows.current >= 0) list_->setCurrentRow(rows.current);
  // Only a row the user selects fills the box: the list taking the focus
  // makes a row current without selecting it, and changes nothing.
  QListWidget* list = list_;
  QLineEdit* path = path_;
  connect(list, &QListWidget::itemSelectionChanged, path, [list, path] {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (!selected.isEmpty()) {
      path->setText(selected.front()->data(Qt::UserRole).toString());
    }
  });
  // A click on the selected row takes it again after the box was typed in.
  connect(list, &QListWidget::itemClicked, path, [path](QListWidgetItem* item) {
    path->setText(item->data(Qt::UserRole).toString());
  });
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok =
      buttons->addButton(Text("&OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setAccessibleName(Text("OK"));
  ok->setDefault(true);
  QPushButton* cancel =
      buttons->addButton(Text("&Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  cancel->setAccessibleName(Text("Cancel"));
  cancel->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(hint);
  layout->addWidget(list);
  layout->addWidget(path);
  layout->addWidget(buttons);
  // Wide enough for the longest row (a long device path), within reason.
  const QSize least = FontSized(this, 72, 24);
  resize(std::clamp(list->sizeHintForColumn(0) + FontSized(this, 10, 0).width(),
                    least.width(), FontSized(this, 148, 0).width()),
         least.height());
  path->setFocus(Qt::OtherFocusReason);
}

std::string PortDialog::Chosen() const {
  return PortPathFromText(path_->text().toStdString());
}

}  // namespace vrq5::gui
