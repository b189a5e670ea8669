#pragma once
// The Qt boundary: Windows-1250 bytes <-> QString. Every text that leaves the
// core for a widget, or comes back from one, passes through these two calls.

#include <QString>
#include <string>
#include <string_view>

#include "platform/win1250.h"

namespace qtkodolas {

inline QString ToQ(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (unsigned char byte : text) out.append(QChar(win1250::ToUnicode(byte)));
  return out;
}

// Characters without a Windows-1250 byte become `replacement`.
inline std::string FromQ(const QString& text, char replacement = '?') {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (QChar ch : text) {
    int byte = win1250::FromUnicode(ch.unicode());
    out.push_back(byte < 0 ? replacement : static_cast<char>(byte));
  }
  return out;
}

// Multi-line text: the core ends lines with CR LF, Qt with LF.
inline QString ToQSorok(std::string_view text) {
  QString out = ToQ(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}
inline std::string FromQSorok(QString text, char replacement = '?') {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar(u'\n'), QStringLiteral("\r\n"));
  return FromQ(text, replacement);
}

// The Windows-1250 byte of one character, or -1 when it has none.
inline int Bajt(QChar ch) { return win1250::FromUnicode(ch.unicode()); }

}  // namespace qtkodolas
