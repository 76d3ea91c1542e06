#include "notes/note_text.h"

#ifndef _WIN32
#include <langinfo.h>
#endif

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <clocale>
#include <cstring>

namespace vrq5 {

namespace {

bool IsAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) > 0x7F) return false;
  }
  return true;
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

QString NoteToDisplay(std::string_view bytes) {
  auto size = static_cast<qsizetype>(bytes.size());
  if (IsAscii(bytes)) return QString::fromLatin1(bytes.data(), size);
  QByteArrayView view(bytes.data(), size);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(view);
  if (!utf8.hasError()) return text;
  QStringDecoder sjis("Shift_JIS");
  if (sjis.isValid()) return sjis.decode(view);
  return QString::fromLatin1(bytes.data(), size);
}

std::string NoteToUtf8(std::string_view bytes) {
  if (IsAscii(bytes)) return std::string(bytes);
  return NoteToDisplay(bytes).toStdString();
}

std::string NoteFromDisplay(const QString& shown, std::string_view original) {
  if (shown == NoteToDisplay(original)) return std::string(original);
  return shown.toStdString();
}

std::string NoteForTerminal(std::string_view bytes, bool utf8) {
  QString text = NoteToDisplay(bytes);
  for (QChar& c : text) {
    char16_t u = c.unicode();
    if (u < 0x20 || (u >= 0x7F && u < 0xA0)) c = QChar(0xFFFD);
  }
  if (utf8) return text.toStdString();
  QStringEncoder local(QStringEncoder::System);
  QByteArray out = local.encode(text);
  return std::string(out.constData(), static_cast<size_t>(out.size()));
}

bool TerminalIsUtf8() {
#ifdef _WIN32
  return true;  // the console is set to UTF-8 by the program
#else
  static const bool utf8 = [] {
    std::setlocale(LC_CTYPE, "");
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 ||
                                  std::strcmp(codeset, "utf8") == 0);
  }();
  return utf8;
#endif
}

size_t TerminalColumns(std::string_view utf8) {
  size_t columns = 0;
  for (size_t i = 0; i < utf8.size();) {
    auto b = static_cast<unsigned char>(utf8[i]);
    int length = b < 0x80       ? 1
                 : b >> 5 == 6  ? 2
                 : b >> 4 == 14 ? 3
                 : b >> 3 == 30 ? 4
                                : 1;
    char32_t c = length == 1 ? b : b & (0x7F >> length);
    for (int k = 1; k < length && i + k < utf8.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    columns += IsWide(c) ? 2 : 1;
    i += static_cast<size_t>(length);
  }
  return columns;
}

}  // namespace vrq5
