#include "gui/about_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

#include "codec/tables.h"
#include "gui/button_texts.h"
#include "gui/controls.h"
#include "gui/note_text.h"
#include "gui/prompts.h"

namespace vrq5::gui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(Text("About"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(AsciiText(AppTitle), this);
  QFont big = title->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  title->setFont(big);
  layout->addWidget(title);
  layout->addWidget(new QLabel(Text("Version %1, Qt %2")
                                   .arg(QApplication::applicationVersion(),
                                        QString::fromLatin1(qVersion())),
                               this));
  layout->addWidget(
      new QLabel(Text("Reads, edits and writes the memory of the VR-Q5 and "
                      "VR-Q70 receivers:\nchannels, banks, groups, VFO bands "
                      "and settings."),
                 this));
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  SetButtonTexts(box);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(box);
}

void AboutDialog::Open(QWidget* parent) {
  auto* about = new AboutDialog(parent);
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->open();
}

QString AboutDialog::InstalledGuidePath() {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                         QStringLiteral("/../share/doc/vrq5/user-guide.md"));
}

QString AboutDialog::UserGuidePath() {
  // Installed beside the program's data, or in the source tree of a build.
  const QString installed = InstalledGuidePath();
  if (QFileInfo::exists(installed)) {
    return QFileInfo(installed).canonicalFilePath();
  }
  const QString source = QStringLiteral(VRQ5_SOURCE_DIR "/docs/user-guide.md");
  return QFileInfo::exists(source) ? source : QString();
}

void AboutDialog::ShowUserGuide(Prompts& prompts, QWidget* parent) {
  const QString path = UserGuidePath();
  if (!path.isEmpty() && prompts.OpenFile(path)) return;
  // The file looked for, so that the user can open it another way.
  const QString looked = path.isEmpty() ? InstalledGuidePath() : path;
  prompts.Show(
      parent, Message{Text("The user guide cannot be shown.").toStdString(),
                      Text("User Guide").toStdString(), Message::Icon::kWarning,
                      QDir::toNativeSeparators(looked).toStdString()});
}

}  // namespace vrq5::gui
