// SPDX-License-Identifier: GPL-3.0-or-later
// The Unicode rovás text under a real bidi algorithm (QTextLayout): the
// characters appear in the same visual order as the 8-bit text shows in the
// rovás pane (every right-to-left line mirrored), whatever the paragraph
// direction of the program showing it.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QTextLayout>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/sorok.h"
#include "engine/unicoderovas.h"
#include "platform/win1250.h"

namespace {

void App() {
  static int argc = 1;
  static char nev[] = "unicode_bidi_test";
  static char* argv[] = {nev, nullptr};
  static QGuiApplication* app = [] {
    auto* a = new QGuiApplication(argc, argv);
    QFontDatabase::addApplicationFont(
        QStringLiteral(ROVAS_NOTO_DIR "/NotoSansOldHungarian-Regular.ttf"));
    return a;
  }();
  (void)app;
}

// Brackets are the mirrored pairs that matter here: "<", ">", "«" and "»" are
// left alone by the engine, so the pane shows them unmirrored where a bidi
// renderer mirrors them (which reads right).
char32_t Tukor(char32_t c) {
  switch (c) {
    case '(':
      return ')';
    case ')':
      return '(';
    case '[':
      return ']';
    case ']':
      return '[';
    case '{':
      return '}';
    case '}':
      return '{';
  }
  return c;
}

char32_t Sima(char32_t c) { return c == 0x2E41 ? ',' : c == 0x204F ? ';' : c == 0x2E2E ? '?' : c; }

bool Formazo(char32_t c) {
  return c == 0x200D || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::vector<char32_t> Karakterek(std::string_view utf8) {
  const QString s = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
  std::vector<char32_t> v;
  for (char32_t c : s.toUcs4()) v.push_back(c);
  return v;
}

// The characters of one line in the order QTextLayout shows them, left to
// right; those in a right-to-left run as mirrored, reversed punctuation as
// the plain one, format characters left out.
std::vector<char32_t> Latvany(const std::string& utf8, Qt::LayoutDirection bekezdes) {
  App();
  const QString s = QString::fromStdString(utf8);
  QTextLayout layout(s, QFont(QStringLiteral("Noto Sans Old Hungarian"), 20));
  QTextOption opcio;
  opcio.setTextDirection(bekezdes);
  layout.setTextOption(opcio);
  layout.beginLayout();
  QTextLine sor = layout.createLine();
  layout.endLayout();
  struct Jel {
    qreal x;
    qsizetype i;
    bool jb;
    char32_t c;
  };
  std::vector<Jel> jelek;
  for (qsizetype i = 0; i < s.size();) {
    const bool par = s[i].isHighSurrogate() && i + 1 < s.size();
    const char32_t c = par ? QChar::surrogateToUcs4(s[i], s[i + 1]) : s[i].unicode();
    const qsizetype n = par ? 2 : 1;
    // The glyphs of this one character, where the line puts them.
    const QList<QGlyphRun> futamok = sor.glyphRuns(int(i), int(n));
    i += n;
    if (Formazo(c) || futamok.isEmpty() || futamok[0].positions().isEmpty()) continue;
    const bool jobbrolBalra = futamok[0].isRightToLeft();  // drawn mirrored
    jelek.push_back(
        {futamok[0].positions()[0].x(), i, jobbrolBalra, Sima(jobbrolBalra ? Tukor(c) : c)});
  }
  // Letters joined by ZWJ make one cluster at one place: right to left, the
  // later letter stands further left.
  std::sort(jelek.begin(), jelek.end(), [](const Jel& a, const Jel& b) {
    if (a.x != b.x) return a.x < b.x;
    return a.jb ? a.i > b.i : a.i < b.i;
  });
  std::vector<char32_t> v;
  for (const Jel& j : jelek) v.push_back(j.c);
  return v;
}

// What the pane shows, left to right: a code's runes in the font's writing
// direction, any other code as the character it stands for (a bracket as the
// mirrored line shows it).
std::vector<char32_t> PanelKepe(const std::string& panel, const TUnicodeRovas& u, bool jb) {
  std::vector<char32_t> v;
  for (unsigned char b : panel) {
    if (b == '\r' || b == '\n') continue;
    std::vector<char32_t> jelek = Karakterek(u.Jelentes(b));
    std::erase_if(jelek, Formazo);
    const bool rovas =
        std::all_of(jelek.begin(), jelek.end(), [](char32_t c) { return c >= 0x10C80; });
    if (!rovas) {
      EXPECT_EQ(jelek.size(), 1u) << "code 0x" << std::hex << int(b);
      jelek = {Sima(jb ? Tukor(jelek[0]) : jelek[0])};
    } else if (jb) {
      std::reverse(jelek.begin(), jelek.end());
    }
    v.insert(v.end(), jelek.begin(), jelek.end());
  }
  return v;
}

TEST(UnicodeBidi, AppearanceMatchesThePane) {
  struct Sor {
    const char* betukeszlet;
    bool szamok, szamokBJ, osszerovas;
    const char* latin;  // UTF-8, one line
  } sorok[] = {
      {"Rovasjel jb", false, true, false, "Kék ég (szép), 1848? [x] {y}; a-b"},
      {"Rovasjel jb", false, true, false, "1848. 3. 15 és 3,5 meg 1 000 (12)"},
      {"Rovasjel jb", false, false, false, "ab 12, (c) 1848. 3"},
      {"Rovasjel jb", true, true, false, "1848; 500 (x) 2015.03.10"},
      {"Rovasjel bj", false, true, false, "Kék (ég), 12? [a]"},
      {"Rovas Kiterjesztett", true, true, true, "hónap ti (kapus), 1848"},
      {"VK 13 iras", false, true, false, "Nyár; Ty (1)"},
  };
  for (const Sor& s : sorok) {
    TRovasBeallitasok m;
    m.SetBetukeszlet(s.betukeszlet);
    m.SetBetuKepesseg(std::make_unique<TBetuKepesseg>(s.betukeszlet));
    m.SetSzamok(s.szamok);
    m.SetSzamokBJ(s.szamokBJ);
    m.SetOsszerovas(s.osszerovas);
    TKarvo motor(m);
    const std::string kodok = motor.Atrov(win1250::FromUtf8(s.latin));
    const bool jb = m.HasznaltIrany() == 1;
    const std::string panel = jb ? SorokMegforditasa(kodok) : kodok;
    const std::optional<TUnicodeRovas> u = UnicodeRovas(m, motor);
    ASSERT_TRUE(u);
    const std::string unicode = u->Atalakit(kodok);
    for (Qt::LayoutDirection irany : {Qt::LeftToRight, Qt::RightToLeft}) {
      EXPECT_EQ(Latvany(unicode, irany), PanelKepe(panel, *u, jb))
          << s.betukeszlet << ": " << s.latin << (irany == Qt::LeftToRight ? " (ltr)" : " (rtl)");
    }
  }
}

}  // namespace
