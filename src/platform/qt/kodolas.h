// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt boundary: Windows-1250 bytes <-> QString. Every text that leaves the
// core for a widget, or comes back from one, passes through these two calls.

#include <QString>
#include <string>
#include <string_view>

#include "platform/win1250.h"

namespace qtkodolas {

inline QString ToQ(std::string_view text) {
  QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  QChar* d = out.data();
  for (unsigned char byte : text) *d++ = QChar(win1250::ToUnicode(byte));
  return out;
}

// Characters without a Windows-1250 byte become `replacement`.
inline std::string FromQ(const QString& text, char replacement = '?') {
  std::string out(static_cast<size_t>(text.size()), '\0');
  char* d = out.data();
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    const int byte = u < 0x80 ? u : win1250::FromUnicode(u);
    *d++ = byte < 0 ? replacement : static_cast<char>(byte);
  }
  return out;
}

// Multi-line text: the core ends lines with CR LF, Qt with LF. One pass each
// way (these run on the whole text at every keystroke).
inline QString ToQSorok(std::string_view text) {
  QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  QChar* d = out.data();
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    *d++ = QChar(win1250::ToUnicode(byte));
  }
  out.truncate(d - out.data());
  return out;
}
// CR LF and lone LF alike become CR LF.
inline std::string FromQSorok(const QString& text, char replacement = '?') {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()) + static_cast<size_t>(text.size()) / 16);
  const QChar* t = text.constData();
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t u = t[i].unicode();
    if (u == u'\r' && i + 1 < n && t[i + 1] == u'\n') continue;
    if (u == u'\n') {
      out += "\r\n";
      continue;
    }
    const int byte = u < 0x80 ? u : win1250::FromUnicode(u);
    out += byte < 0 ? replacement : static_cast<char>(byte);
  }
  return out;
}

// One paragraph (QTextBlock::text()) of a document as the document's
// toPlainText() gives it: no-break spaces as spaces, line separators as line
// ends (CR LF).
inline std::string FromQBekezdes(QString text, char replacement = '?') {
  for (QChar& ch : text) {
    switch (ch.unicode()) {
      case 0xFDD0:  // the beginning and end of a frame
      case 0xFDD1:
      case QChar::ParagraphSeparator:
      case QChar::LineSeparator:
        ch = u'\n';
        break;
      case QChar::Nbsp:
        ch = u' ';
        break;
      default:
        break;
    }
  }
  return FromQSorok(text, replacement);
}

// The Windows-1250 byte of one character, or -1 when it has none.
inline int Bajt(QChar ch) { return win1250::FromUnicode(ch.unicode()); }

}  // namespace qtkodolas
