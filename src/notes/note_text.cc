#include "notes/note_text.h"

#include <QByteArray>
#include <QStringDecoder>

namespace vrq5 {

QString NoteToDisplay(std::string_view bytes) {
  auto size = static_cast<qsizetype>(bytes.size());
  if (IsAsciiText(bytes)) return QString::fromLatin1(bytes.data(), size);
  QByteArrayView view(bytes.data(), size);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(view);
  if (!utf8.hasError()) return text;
  QStringDecoder sjis("Shift_JIS");
  if (sjis.isValid()) return sjis.decode(view);
  return QString::fromLatin1(bytes.data(), size);
}

std::string NoteToUtf8(std::string_view bytes) {
  if (IsAsciiText(bytes)) return std::string(bytes);
  return NoteToDisplay(bytes).toStdString();
}

std::string NoteFromDisplay(const QString& shown, std::string_view original) {
  if (shown == NoteToDisplay(original)) return std::string(original);
  return shown.toStdString();
}

std::string NoteForTerminal(std::string_view bytes,
                            const std::string& codeset) {
  QString text = NoteToDisplay(bytes);
  for (QChar& c : text) {
    char16_t u = c.unicode();
    if (u < 0x20 || (u >= 0x7F && u < 0xA0)) c = QChar(0xFFFD);
  }
  return Utf8ForTerminal(text.toStdString(), codeset);
}

std::string NoteForTerminal(std::string_view bytes) {
  return NoteForTerminal(bytes, TerminalCodeset());
}

}  // namespace vrq5
