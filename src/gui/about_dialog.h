// The Help menu: About (frmAbout), the program's name, version and what it
// does; and the user guide in the desktop's viewer.
#ifndef VRQ5_GUI_ABOUT_DIALOG_H_
#define VRQ5_GUI_ABOUT_DIALOG_H_

#include <QDialog>
#include <QString>

namespace vrq5::gui {

class Prompts;

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent);

  // Opens a new one, modeless; it goes when closed.
  static void Open(QWidget* parent);

  // Where the user guide lies: installed, or in the source tree; empty
  // when neither is there.
  static QString UserGuidePath();
  // Help > User Guide (F1): the guide in the desktop's viewer, or a
  // message that it cannot be shown, naming the file looked for.
  static void ShowUserGuide(Prompts& prompts, QWidget* parent);

 private:
  // Where an installed program keeps the guide.
  static QString InstalledGuidePath();
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_ABOUT_DIALOG_H_
