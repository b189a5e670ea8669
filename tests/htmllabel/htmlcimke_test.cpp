// SPDX-License-Identifier: GPL-3.0-or-later
// The help label on screen: it grows to its content, the key colour shows the
// label's own colour, a link click reaches the handler, and a repaint with
// nothing new does not lay the text out again.

#include "htmllabel/htmlcimke.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace {

QApplication& App() {
  static int argc = 1;
  static char nev[] = "htmlcimke_test";
  static char* argv[] = {nev, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

TEST(HtmlCimke, AutoHeightKeyColourAndLinkClick) {
  App();
  THtmlCimke c;
  c.resize(338, 20);
  c.SetAutoHeight(true);
  c.SetColor(QColor(10, 20, 30));
  std::string html = "<p><font color=\"#F1FEEF\">WWWWWWWW</font></p>";
  for (int i = 0; i < 30; ++i) html += "<p>line " + std::to_string(i) + "</p>";
  html += "<p><a href=\"#telepites\">Link</a></p>";
  c.SetHtml(html);
  std::string kapott;
  c.OnLinkClicked = [&](const std::string& cel, bool& kezelve) {
    kapott = cel;
    kezelve = true;
  };
  c.show();
  const QImage kep = c.grab().toImage();
  EXPECT_EQ(c.height(), c.Motor().TartalomMagassag());
  EXPECT_GT(c.height(), 300);
  EXPECT_EQ(c.accessibleName().left(12), QStringLiteral("WWWWWWWW\nlin"));

  // Text in the key colour is invisible: its whole line shows the label's colour.
  const auto& elso = c.Motor().Objektumok()[2];
  ASSERT_EQ(elso.Szoveg, "WWWWWWWW");
  for (int x = 0; x < 338; x += 3) {
    for (int y = elso.Y; y < elso.Y + elso.H; y += 2) {
      ASSERT_EQ(kep.pixelColor(x, y), QColor(10, 20, 30)) << x << "," << y;
    }
  }
  const int elrendezesek = c.Elrendezesek();
  c.repaint();
  EXPECT_EQ(c.Elrendezesek(), elrendezesek);

  const auto& objektumok = c.Motor().Objektumok();
  const auto link = std::find_if(objektumok.begin(), objektumok.end(),
                                 [](const auto& o) { return o.Szoveg == "Link"; });
  ASSERT_NE(link, objektumok.end());
  QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(link->X + 3, link->Y + 3));
  EXPECT_EQ(kapott, "#telepites");
}

}  // namespace
