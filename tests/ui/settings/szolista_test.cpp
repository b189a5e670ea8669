// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/szolista.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/win1250.h"
#include "segedek.h"

namespace {

using namespace win1250::literals;

TEST(SzoLista, LineRules) {
  struct Row {
    const char* name;
    std::string line;
    std::optional<std::string> want;
  };
  const Row rows[] = {
      {"plain", "<szo mit=\"igazsag\" mire=\"igaz\bsag\"/>", "igazsag=igaz\bsag"},
      {"anything after", "<szo mit=\"a\" mire=\"b\" x=\"y\">junk", "a=b"},
      {"indented with space", " <szo mit=\"a\" mire=\"b\"/>", std::nullopt},
      {"indented with tab", "\t<szo mit=\"a\" mire=\"b\"/>", std::nullopt},
      {"capital element", "<SZO MIT=\"a\" mire=\"b\"/>", std::nullopt},
      {"capital second attribute", "<szo mit=\"a\" MIRE=\"b\"/>", "a=b"},
      {"declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>", std::nullopt},
      {"root", "<szavak>", std::nullopt},
      {"empty", "", std::nullopt},
      {"no closing quote", "<szo mit=\"abc", "="},
      {"word without mire", "<szo mit=\"abc\"/>", "abc="},
      {"empty word", "<szo mit=\"\" mire=\"x\"/>", "=x"},
      {"mire without quote", "<szo mit=\"a\" mire=\"bcd", "a="},
      {"element text removed everywhere", "<szo mit=\"a<SZO MIT=\"b\" mire=\"c\"/>", "ab=c"},
      {"mire text removed everywhere", "<szo mit=\"a\" mire=\"b\" MIRE=\"c\"/>", "a=bc"},
      {"other attribute order", "<szo mire=\"b\" mit=\"a\"/>", std::nullopt},
      {"single quotes", "<szo mit='a' mire='b'/>", std::nullopt},
      {"extra space", "<szo mit=\"a\"  mire=\"b\"/>", "a="},
      {"no entity decoding", "<szo mit=\"a&amp;b\" mire=\"c\"/>", "a&amp;b=c"},
      {"a and a accent", "<szo mit=\"ág\" mire=\"á\bg\"/>", "ág=á\bg"_hu},
      {"capital A accent stays", "<szo mit=\"Ág\" mire=\"x\"/>", "Ág=x"},
      {"nine vowels",
       "<szo mit=\"áéíóöőúüű\" "
       "mire=\"űá\"/>",
       "áéíóöőúüű=űá"_hu},
      {"other letters stay", "<szo mit=\"äő\" mire=\"€\"/>", "\xC3\xA4\xF5=\xE2\x82\xAC"},
  };
  for (const Row& r : rows) EXPECT_EQ(SzoSorErtelmezese(r.line), r.want) << r.name;
}

TEST(SzoLista, TheThousandByteCut) {
  // The cut counts from the quote that ends the word: `" mire="` is 8 bytes.
  const std::string fits(991, 'r');  // 8 + 991 + closing quote = 1000
  EXPECT_EQ(SzoSorErtelmezese("<szo mit=\"w\" mire=\"" + fits + "\"/>"), "w=" + fits);
  const std::string tooLong(992, 'r');  // the closing quote falls outside: no replacement
  EXPECT_EQ(SzoSorErtelmezese("<szo mit=\"w\" mire=\"" + tooLong + "\"/>"), "w=");
  // A long word is not cut.
  const std::string word(5000, 'w');
  EXPECT_EQ(SzoSorErtelmezese("<szo mit=\"" + word + "\" mire=\"r\"/>"), word + "=r");
}

TEST(SzoLista, ConversionTouchesOnlyTheNinePairs) {
  EXPECT_EQ(SzoAtalakitas("plain ascii 123"), "plain ascii 123");
  EXPECT_EQ(SzoAtalakitas("\xC3"), "\xC3");              // a lone lead byte
  EXPECT_EQ(SzoAtalakitas("\xC3\xC3\xA1"), "\xC3\xE1");  // the pair after it
  EXPECT_EQ(SzoAtalakitas("\xA1\xC3"), "\xA1\xC3");      // halves in the wrong order
  EXPECT_EQ(SzoAtalakitas("ÉŐ"), "ÉŐ");                  // capitals É and Ő
}

TEST(SzoLista, LineEndsOfEveryKind) {
  const std::string a = "<szo mit=\"a\" mire=\"1\"/>";
  const std::string b = "<szo mit=\"b\" mire=\"2\"/>";
  const std::string c = "<szo mit=\"c\" mire=\"3\"/>";
  const TSzoLista want = {"a=1", "b=2", "c=3"};
  EXPECT_EQ(SzoListaSzovegbol(a + "\r\n" + b + "\r\n" + c + "\r\n"), want);
  EXPECT_EQ(SzoListaSzovegbol(a + "\n" + b + "\n" + c), want);
  EXPECT_EQ(SzoListaSzovegbol(a + "\r" + b + "\r" + c + "\r"), want);
  EXPECT_EQ(SzoListaSzovegbol(a + "\r\n" + b + "\r" + c + "\n"), want);
  // Blank lines in between count for nothing; "\n\r" is two line ends.
  EXPECT_EQ(SzoListaSzovegbol(a + "\n\r" + b + "\r\n\r\n" + c), want);
  EXPECT_EQ(SzoListaSzovegbol(""), TSzoLista{});
}

TEST(SzoLista, AWholeFileInOrder) {
  const std::string file =
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<szavak>\r\n"
      "<szo mit=\"igazs\xC3\xA1g\" mire=\"igaz\bs\xC3\xA1g\"/>\r\n"
      "  <szo mit=\"indented\" mire=\"x\"/>\r\n"
      "<!-- <szo mit=\"comment\" mire=\"x\"/> -->\r\n"
      "<szo mit=\"\xC5\x91zsuta\" mire=\"\xC5\x91z\bsuta\"/>\r\n"
      "</szavak>\r\n";
  EXPECT_EQ(SzoListaSzovegbol(file), (TSzoLista{"igazság=igaz\bság"_hu, "őzsuta=őz\bsuta"_hu}));
}

TEST(SzoLista, HugeLineAndBinaryJunk) {
  std::string huge = "<szo mit=\"" + std::string(5'000'000, 'x') + "\" mire=\"y\"/>";
  TSzoLista lista = SzoListaSzovegbol(huge + "\n<szo mit=\"a\" mire=\"b\"/>");
  ASSERT_EQ(lista.size(), 2u);
  EXPECT_EQ(lista[0].size(), 5'000'002u);
  EXPECT_EQ(lista[1], "a=b");

  std::string junk;
  for (int i = 0; i < 200000; ++i) junk += static_cast<char>((i * 2654435761u) >> 13);
  // NUL bytes do not end the file: the line after the junk is still read.
  lista = SzoListaSzovegbol(junk + std::string("\0\n", 2) + "<szo mit=\"z\" mire=\"w\"/>");
  ASSERT_FALSE(lista.empty());
  EXPECT_EQ(lista.back(), "z=w");
  for (const std::string& e : lista) EXPECT_NE(e.find('='), std::string::npos);
}

TEST(SzoLista, Files) {
  TempKonyvtar dir;
  TSzoLista lista{"x=y"};
  EXPECT_TRUE(SzoListaOlvasasa(dir.Fajl("szo.xml"), lista).IsNotFound());
  EXPECT_EQ(lista, TSzoLista{});
  EXPECT_TRUE(SzoListaOlvasasa(dir.Fajl("no/such/szo.xml"), lista).IsNotFound());
  dir.Ir("szo.xml", "<szo mit=\"a\" mire=\"b\"/>\n");
  EXPECT_TRUE(SzoListaOlvasasa(dir.Fajl("szo.xml"), lista).ok());
  EXPECT_EQ(lista, TSzoLista{"a=b"});
  dir.Ir("empty.xml", "");
  EXPECT_TRUE(SzoListaOlvasasa(dir.Fajl("empty.xml"), lista).ok());
  EXPECT_EQ(lista, TSzoLista{});
  // Refused at once, with a message: a folder, a FIFO (no waiting for a
  // writer) and a file over the cap.
  std::filesystem::create_directory(dir.Fajl("dir.xml"));
  ASSERT_EQ(::mkfifo(dir.Fajl("fifo.xml").c_str(), 0600), 0);
  dir.Ir("big.xml", std::string(kSzoXmlMaxMeret + 1, '\n'));
  const struct {
    const char* nev;
    const char* ok;
  } rossz[] = {{"dir.xml", "Is a directory"},
               {"fifo.xml", "not a regular file"},
               {"big.xml", "the file is larger than 4 MB"}};
  for (const auto& r : rossz) {
    const platform::Status s = SzoListaOlvasasa(dir.Fajl(r.nev), lista);
    EXPECT_FALSE(s.ok() || s.IsNotFound()) << r.nev;
    EXPECT_EQ(s.Message(), "Unable to read " + dir.Fajl(r.nev) + ": " + r.ok);
  }
}

TEST(SzoLista, ATrialRunRefusesBrokenAndRunawayPatterns) {
  EXPECT_TRUE(SzoListaProbaja({"igazság=igaz|ság"_hu, "sasszem=sas|szem"}).ok());
  EXPECT_TRUE(SzoListaProbaja({}).ok());
  const struct {
    TSzoLista lista;
    const char* hiba;
  } rossz[] = {
      {{"jo=j", "a(b=x"}, "entry 2 (a(b): RegKif"},
      {{"jo=j", "(.*)(.*)(.*)\\3\\2\\1x=y"},
       "entry 2 ((.*)(.*)(.*)\\3\\2\\1x): RegKif(exec): Step limit exceeded"},
  };
  for (const auto& r : rossz) {
    const platform::Status s = SzoListaProbaja(r.lista);
    EXPECT_FALSE(s.ok()) << r.hiba;
    EXPECT_EQ(s.Message().rfind(r.hiba, 0), 0u) << s.Message();
  }
}

}  // namespace
