#include "gui/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

#include "gui/controls.h"

namespace vrq5::gui {

namespace {

// The string table read from its XML source: one text, one translation,
// whatever part of the program asks (the extraction tool files texts under
// the class that holds them; the window looks them up by text alone).
// Patterns (texts with %1 ...) are also kept as expressions, longest fixed
// text first, so that a composed line of the core finds its pattern.
class StringTable : public QTranslator {
 public:
  bool Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QXmlStreamReader xml(&file);
    QString source;
    // Token by token: reading on for a start element after the root's end
    // would read past the document and report it as cut short.
    while (!xml.atEnd()) {
      xml.readNext();
      if (!xml.isStartElement()) continue;
      if (xml.name() == QLatin1String("source")) {
        source = xml.readElementText();
      } else if (xml.name() == QLatin1String("translation")) {
        bool unfinished = xml.attributes().value(QLatin1String("type")) ==
                          QLatin1String("unfinished");
        QString text = xml.readElementText();
        if (!unfinished && !text.isEmpty()) Add(source, text);
      }
    }
    std::stable_sort(
        patterns_.begin(), patterns_.end(),
        [](const Pattern& a, const Pattern& b) { return a.fixed > b.fixed; });
    return !xml.hasError() && !texts_.isEmpty();
  }

  bool isEmpty() const override { return texts_.isEmpty(); }

  QString translate(const char*, const char* source, const char*,
                    int) const override {
    return texts_.value(QString::fromUtf8(source));
  }

  // `line` translated whole, or by its pattern with each value translated
  // in turn; empty when no entry fits.
  QString Line(const QString& line, int depth) const {
    if (line.isEmpty()) return line;
    auto found = texts_.constFind(line);
    if (found != texts_.constEnd()) return *found;
    if (depth > 2) return QString();
    for (const Pattern& p : patterns_) {
      QRegularExpressionMatch match = p.expression.match(line);
      if (!match.hasMatch()) continue;
      QString out = p.translation;
      for (int i = match.lastCapturedIndex(); i >= 1; --i) {
        QString value = match.captured(i);
        QString translated = Line(value, depth + 1);
        out.replace(QStringLiteral("%") + QString::number(i),
                    translated.isEmpty() ? value : translated);
      }
      return out;
    }
    return QString();
  }

 private:
  struct Pattern {
    QRegularExpression expression;
    QString translation;
    qsizetype fixed = 0;
  };

  void Add(const QString& source, const QString& text) {
    texts_.insert(source, text);
    static const QRegularExpression kMarker(QStringLiteral("%[1-9]"));
    if (!source.contains(kMarker)) return;
    QString expression = QStringLiteral("^");
    qsizetype fixed = 0;
    qsizetype at = 0;
    for (auto m = kMarker.globalMatch(source); m.hasNext();) {
      QRegularExpressionMatch marker = m.next();
      QString literal = source.mid(at, marker.capturedStart() - at);
      fixed += literal.size();
      expression +=
          QRegularExpression::escape(literal) + QStringLiteral("(.+?)");
      at = marker.capturedEnd();
    }
    fixed += source.size() - at;
    expression +=
        QRegularExpression::escape(source.mid(at)) + QStringLiteral("$");
    patterns_.push_back({QRegularExpression(expression), text, fixed});
  }

  QHash<QString, QString> texts_;
  std::vector<Pattern> patterns_;
};

StringTable* installed = nullptr;
QTranslator* qt_table = nullptr;

}  // namespace

bool InstallLanguage(const QString& language) {
  if (installed) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  if (qt_table) {
    QCoreApplication::removeTranslator(qt_table);
    delete qt_table;
    qt_table = nullptr;
  }
  bool japanese = language.isEmpty()
                      ? QLocale::system().language() == QLocale::Japanese
                      : language == QLatin1String("ja");
  if (!japanese) return language.isEmpty() || language == QLatin1String("en");
  auto* table = new StringTable;
  if (!table->Load(QStringLiteral(":/i18n/vrq5_ja.ts"))) {
    delete table;
    return false;
  }
  QCoreApplication::installTranslator(table);
  installed = table;
  // Qt's own texts (the file dialog, a text box's menu), where installed.
  auto* qt = new QTranslator;
  if (qt->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"),
               QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
    qt_table = qt;
  } else {
    delete qt;
  }
  return true;
}

QString CoreText(std::string_view text) {
  QString all =
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (!installed) return all;
  QStringList lines = all.split(QLatin1Char('\n'));
  for (QString& line : lines) {
    bool cr = line.endsWith(QLatin1Char('\r'));
    if (cr) line.chop(1);
    qsizetype indent = 0;
    while (indent < line.size() && line[indent] == QLatin1Char(' ')) ++indent;
    QString translated = installed->Line(line.mid(indent), 0);
    if (!translated.isEmpty()) line = line.left(indent) + translated;
    if (cr) line += QLatin1Char('\r');
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace vrq5::gui
