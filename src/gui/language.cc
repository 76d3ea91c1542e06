#include "gui/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace vrq5::gui {

bool InstallLanguage(const QString& language) {
  static QTranslator* installed = nullptr;
  if (installed) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  bool japanese = language.isEmpty()
                      ? QLocale::system().language() == QLocale::Japanese
                      : language == QLatin1String("ja");
  if (!japanese) return language.isEmpty() || language == QLatin1String("en");
  auto* table = new QTranslator;
  if (!table->load(QStringLiteral(":/i18n/vrq5_ja.qm"))) {
    delete table;
    return false;
  }
  QCoreApplication::installTranslator(table);
  installed = table;
  return true;
}

}  // namespace vrq5::gui
