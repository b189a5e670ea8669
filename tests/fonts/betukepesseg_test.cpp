// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts/betukepesseg.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fonts/katalogus.h"
#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

using Mezok = std::vector<std::pair<std::string, std::string>>;

// Every field as text, in declared order, so whole records can be compared.
Mezok MezokOf(const TBetuKepesseg& k) {
  auto b = [](bool v) { return std::string(v ? "1" : "0"); };
  return {{"JobbrolBalraIras", b(k.JobbrolBalraIras)},
          {"VanSzamjegy", b(k.VanSzamjegy)},
          {"VanRovasSzam", b(k.VanRovasSzam)},
          {"VanBetu", b(k.VanBetu)},
          {"VanMelyK", b(k.VanMelyK)},
          {"VanKiterjesztett", b(k.VanKiterjesztett)},
          {"VanOsszerovas", b(k.VanOsszerovas)},
          {"VanKepjel", b(k.VanKepjel)},
          {"Nagybetus", b(k.Nagybetus)},
          {"SzamokElore", b(k.SzamokElore)},
          {"SzamjegyKor", k.SzamjegyKor},
          {"SzamokKore", k.SzamokKore},
          {"SzamokKoreJB", k.SzamokKoreJB},
          {"SzamokKoreBJ", k.SzamokKoreBJ},
          {"BetukKore", k.BetukKore},
          {"BetukKoreBJ", k.BetukKoreBJ},
          {"BetukKoreJB", k.BetukKoreJB},
          {"KiterjesztettKor", k.KiterjesztettKor},
          {"KiterjesztettPotlas", k.KiterjesztettPotlas},
          {"MelyKHangrendi", k.MelyKHangrendi},
          {"MelyKJel", k.MelyKJel},
          {"MelyKSzoElejen", k.MelyKSzoElejen},
          {"MelyKSzoVegen", k.MelyKSzoVegen},
          {"OsszerovasElso", k.OsszerovasElso},
          {"OsszerovasMasodik", k.OsszerovasMasodik},
          {"KepjelekElso", k.KepjelekElso},
          {"KepjelekMasodik", k.KepjelekMasodik},
          {"GepelesKor", k.GepelesKor}};
}

// The fields in which two records differ.
std::set<std::string> Kulonbsegek(const TBetuKepesseg& a, const TBetuKepesseg& b) {
  std::set<std::string> s;
  const Mezok ma = MezokOf(a), mb = MezokOf(b);
  for (size_t i = 0; i < ma.size(); ++i)
    if (ma[i].second != mb[i].second) s.insert(ma[i].first);
  return s;
}

bool Tartalmaz(const std::string& s, const std::string& resz) {
  return s.find(resz) != std::string::npos;
}

const char* const kAlapBetuk =
    ",á-A,cs-C,ccs-CC,é-E,gy-G,ggy-GG,í-I,ly-L,lly-LL,ny-N,nny-NN,ó-O,ö-q,"
    "ő-Q,sz-S,ssz-SS,ty-T,tty-TT,ú-U,ü-w,ű-W,zs-Z,zzs-ZZ"_hu;
const char kKValtozatok[] = "\\bK-Q,\\bk-q,K\\b-W,k\\b-w,\\BK\\B-K,\\Bk\\B-k";

TEST(Hozzafuz, MergesWithOneLeadingComma) {
  struct Eset {
    const char *a, *b, *vart;
  };
  const Eset esetek[] = {
      {"", "", ""},
      {"", "x-y", ",x-y"},
      {",a-b", "c-d", ",a-b,c-d"},
      {",a-b", ",c-d", ",a-b,c-d"},
      {"a-b", "", ",a-b"},
      {"a-b", "c-d", ",a-b,c-d"},
      {",a-b", ",a-b", ",a-b,a-b"},  // never de-duplicated
      {"", ",", ","},
  };
  for (const Eset& e : esetek) EXPECT_EQ(Hozzafuz(e.a, e.b), e.vart) << e.a << " + " << e.b;
}

TEST(Katalogus, HoldsTheNamesInOrderOnceEach) {
  const auto& nevek = KatalogusNevek();
  ASSERT_EQ(nevek.size(), 113u);
  EXPECT_EQ(nevek.front(), "Rovas Kiterjesztett JB");
  EXPECT_EQ(nevek[16], "Rov Ludtoll Jb");
  EXPECT_EQ(nevek[57], "Rovas Khazarian");
  EXPECT_EQ(nevek.back(), "Rovas Arvisura");
  EXPECT_EQ(std::set<std::string>(nevek.begin(), nevek.end()).size(), nevek.size());

  std::map<int, size_t> meret;
  for (const katalogus::Csoport& cs : katalogus::Csoportok()) meret[cs.szam] += cs.nevek.size();
  const std::map<int, size_t> vart = {{1, 16}, {2, 40}, {3, 1},   {4, 1},   {5, 1},
                                      {6, 4},  {7, 4},  {8, 4},   {9, 1},   {10, 1},
                                      {11, 1}, {12, 1}, {13, 25}, {14, 12}, {15, 1}};
  EXPECT_EQ(meret, vart);
}

TEST(Katalogus, OffersEightCatalogedFonts) {
  const std::vector<std::string> vart = {
      "Osi betusor jb", "Osi betu n elojellel jb", "Rovas n elojellel jb", "Rovasjel jb",
      "Osi betusor bj", "Osi betu n elojellel bj", "Rovas n elojellel bj", "Rovasjel bj"};
  EXPECT_EQ(FelkinaltBetukeszletek(), vart);
  for (const std::string& nev : FelkinaltBetukeszletek()) {
    const katalogus::Csoport* cs = katalogus::Keres(nev);
    ASSERT_NE(cs, nullptr) << nev;
    EXPECT_TRUE(cs->szam == 6 || cs->szam == 8) << nev;
  }
  EXPECT_EQ(kAlapBetukeszlet, "Rovasjel jb");
}

TEST(Katalogus, InvariantsHoldForEveryName) {
  for (const std::string& nev : KatalogusNevek()) {
    SCOPED_TRACE(nev);
    const TBetuKepesseg k(nev);
    for (const auto& [mezo, ertek] : MezokOf(k)) {
      EXPECT_EQ(ertek.find('\0'), std::string::npos) << mezo;
      if (mezo == "MelyKJel" || ertek.empty() || ertek.size() == 1) continue;
      const bool nyers =
          nev == "XNagy Medve" && (mezo == "KepjelekElso" || mezo == "KepjelekMasodik");
      EXPECT_EQ(ertek.front() == ',', !nyers) << mezo;
    }
    EXPECT_LE(k.MelyKJel.size(), 1u);
    // A flag that is off leaves no rules behind; one that is on has its rules
    // (the digits list is empty by default, so VanSzamjegy only guards).
    const struct {
      bool jelzo;
      std::string vedett;
      bool szabaly_kell;
    } orok[] = {
        {k.VanSzamjegy, k.SzamjegyKor, false},
        {k.VanRovasSzam, k.SzamokKore, true},
        {k.VanBetu, k.BetukKore, true},
        {k.VanMelyK, k.MelyKHangrendi + k.MelyKSzoElejen + k.MelyKSzoVegen, true},
        {k.VanKiterjesztett, k.KiterjesztettKor, false},
        {!k.VanKiterjesztett, k.KiterjesztettPotlas, false},
        {k.VanOsszerovas, k.OsszerovasElso + k.OsszerovasMasodik, true},
        {k.VanKepjel, k.KepjelekElso + k.KepjelekMasodik, true},
    };
    for (size_t i = 0; i < std::size(orok); ++i) {
      if (!orok[i].jelzo) {
        EXPECT_EQ(orok[i].vedett, "") << i;
      } else if (orok[i].szabaly_kell) {
        EXPECT_NE(orok[i].vedett, "") << i;
      }
    }
    EXPECT_NE(k.GepelesKor, "");
  }
}

TEST(Katalogus, DirectionFollowsEachGroupsRule) {
  for (const katalogus::Csoport& cs : katalogus::Csoportok()) {
    for (const std::string& nev : cs.nevek) {
      bool jb;
      switch (cs.szam) {
        case 4:
          jb = false;
          break;
        case 6:
        case 7:
        case 8:
          jb = nev.find("jb") != std::string::npos;
          break;
        case 13:
          jb = nev.find("tukor") == std::string::npos;
          break;
        case 14:
          jb = nev.back() != 'T';
          break;
        default:
          jb = true;
      }
      EXPECT_EQ(TBetuKepesseg(nev).JobbrolBalraIras, jb) << nev;
    }
  }
}

// Names of one group share their record except where the name decides.
TEST(Katalogus, NamesOfAGroupShareTheirRecord) {
  for (const katalogus::Csoport& cs : katalogus::Csoportok()) {
    const TBetuKepesseg elso(cs.nevek.front());
    for (const std::string& nev : cs.nevek) {
      std::set<std::string> eltero = Kulonbsegek(elso, TBetuKepesseg(nev));
      eltero.erase("JobbrolBalraIras");
      if (cs.szam == 7) {
        eltero.erase("BetukKore");
        eltero.erase("GepelesKor");
      }
      EXPECT_TRUE(eltero.empty()) << nev << " differs in " << *eltero.begin();
    }
  }
  // The two numeral variants of group 13.
  EXPECT_EQ(Kulonbsegek(TBetuKepesseg("RovNikL-tukor"), TBetuKepesseg("Velkor g1 It")),
            (std::set<std::string>{"JobbrolBalraIras", "SzamokKore"}));
}

TEST(BetuKepesseg, DefaultFont) {
  const TBetuKepesseg k("Rovasjel jb");
  EXPECT_TRUE(k.JobbrolBalraIras);
  EXPECT_FALSE(k.VanSzamjegy);
  EXPECT_FALSE(k.VanMelyK);
  EXPECT_FALSE(k.VanKiterjesztett);
  EXPECT_FALSE(k.VanOsszerovas);
  EXPECT_FALSE(k.VanKepjel);
  EXPECT_FALSE(k.Nagybetus);
  EXPECT_EQ(k.SzamokKore, ",1-1,5-2,10-3,50-4,100-5,500-6,1000-7");
  EXPECT_EQ(k.KiterjesztettPotlas, ",x-kS,y-i,q-kv,w-v");
  EXPECT_EQ(k.MelyKJel, "K");
  EXPECT_EQ(k.BetukKore,
            ",cs-C,ccs-CC,gy-G,ggy-GG,ly-L,lly-LL,ny-N,nny-NN,sz-S,ssz-SS,ty-T,tty-TT,zs-Z,"
            "zzs-ZZ,\\bk-\xB3,k\\b-K");
  EXPECT_EQ(k.GepelesKor, k.BetukKore + ",\\bK-\xB3,\xB3\\b-K,\\B\xB3\\B-k,\\BK\\B-k");
  EXPECT_FALSE(TBetuKepesseg("Rovasjel bj").JobbrolBalraIras);
}

// Group 1 keeps every default list; the bytes are spelled out here, apart
// from the UTF-8 text the catalogue is written in.
TEST(BetuKepesseg, DefaultListsByteForByte) {
  const TBetuKepesseg k("Rovas Kiterjesztett");
  const char* const kHangrendiOsztaly = "[^eéiíüűöőEÉIÍÜŰÖŐÜŰ ]"_hu;
  const std::string h = std::string("([aáuúoó]"_hu) + kHangrendiOsztaly;
  const Mezok vart = {
      {"JobbrolBalraIras", "1"},
      {"VanSzamjegy", "1"},
      {"VanRovasSzam", "1"},
      {"VanBetu", "1"},
      {"VanMelyK", "1"},
      {"VanKiterjesztett", "1"},
      {"VanOsszerovas", "1"},
      {"VanKepjel", "1"},
      {"Nagybetus", "0"},
      {"SzamokElore", "0"},
      {"SzamjegyKor", ""},
      {"SzamokKore", ",1-y,5-Y,10-X,50-V,100-B,1000-M"},
      {"SzamokKoreJB", ""},
      {"SzamokKoreBJ", ""},
      {"BetukKore", kAlapBetuk},
      {"BetukKoreBJ", ""},
      {"BetukKoreJB", ""},
      {"KiterjesztettKor", ",x-\xB0,y-\xB1,dzs-\xA6,dz-`,q-\xAB,w-["},
      {"KiterjesztettPotlas", ""},
      {"MelyKHangrendi",
       "," + h + "{3})k-$1K," + h + "{2})k-$1K," + h + ")k-$1K,([aáuúoó])k-$1K"_hu},
      {"MelyKJel", "K"},
      {"MelyKSzoElejen", ",(^|\\W)k-$1K"},
      {"MelyKSzoVegen", ",k($|\\W)-K$1"},
      {"OsszerovasElso", ",aty-x,csin-Ç,tya-ô,ár-ë,írt-Í,lá-Î,vár-Ô"_hu},
      {"OsszerovasMasodik",
       ",as-F,ba-Â,be-Ü,bi-Ú,bo-Ó,it-…,nk-â,or-©,ra-ä,re-î,ro-®,"
       "ru-ç,sa-¬,se-ß,so-Ä,ti-¨,zr-Ë,zt-¸"_hu},
      {"KepjelekElso", ",hónap-R,év-D,ch-]"_hu},
      {"KepjelekMasodik", ",amb-J,and-á,ant-Á,ent-é,mb-ü,nap-P,nb-í,tpru-R,tprus-D,unk-™,us-ú"_hu},
      {"GepelesKor", kAlapBetuk},
  };
  EXPECT_EQ(MezokOf(k), vart);
}

TEST(BetuKepesseg, UncatalogedNamesAndKhazarian) {
  const TBetuKepesseg ismeretlen("rovasjel jb");
  for (const auto& [mezo, ertek] : MezokOf(ismeretlen)) {
    if (mezo == "KiterjesztettPotlas")
      EXPECT_EQ(ertek, ",x-kS,y-i,q-kv,w-v");
    else if (mezo == "MelyKJel")
      EXPECT_EQ(ertek, "K");
    else if (mezo == "GepelesKor")
      EXPECT_EQ(ertek, kAlapBetuk);
    else if (mezo.starts_with("Van") || mezo == "JobbrolBalraIras" || mezo == "Nagybetus" ||
             mezo == "SzamokElore")
      EXPECT_EQ(ertek, "0") << mezo;
    else
      EXPECT_EQ(ertek, "") << mezo;
  }
  for (const char* nev : {"Rovas Khazarian", "", "Rovasjel jb ", "ROVASJEL JB", "Rovasjel"})
    EXPECT_TRUE(Kulonbsegek(ismeretlen, TBetuKepesseg(nev)).empty()) << nev;
}

TEST(BetuKepesseg, NameDerivedDirections) {
  const std::pair<const char*, bool> esetek[] = {
      {"RovNikG-tukor", false}, {"RovNikL-tukor", false},  {"RovNik G", true},
      {"VK 13 roman T", false}, {"VK 13 roman", true},     {"VK 13 iras T", false},
      {"VK 13 iras", true},     {"Osi betusor bj", false}, {"Rovas n jelekkel jb", true},
      {"Rov Ludtoll", true},
  };
  for (const auto& [nev, jb] : esetek) EXPECT_EQ(TBetuKepesseg(nev).JobbrolBalraIras, jb) << nev;
}

TEST(BetuKepesseg, LetterListsOfGroupsSevenToNine) {
  // "Osi betu n elojellel bj": L,K for typing and L,L,K for round 1.
  const TBetuKepesseg k8("Osi betu n elojellel bj");
  EXPECT_FALSE(k8.JobbrolBalraIras);
  EXPECT_TRUE(k8.Nagybetus);
  const std::string k = std::string(",") + kKValtozatok;
  ASSERT_TRUE(k8.GepelesKor.ends_with(k));
  const std::string l = k8.GepelesKor.substr(0, k8.GepelesKor.size() - k.size());
  EXPECT_EQ(k8.BetukKore, l + l + k);
  EXPECT_TRUE(l.starts_with(",cs-',ccs-'',CS-~,Cs-~,CCS-~~,Ccs-~~,CCs-~~,gy-\",ggy-\"\",GY-\xA1,"));
  EXPECT_TRUE(l.ends_with(",/-\xC4,[?]-x,[+]-\xE4,\\--\xF0,=-\xD0"));
  EXPECT_EQ(k8.KiterjesztettPotlas, ",q-kv,w-v");

  // Group 7: the bracket pair follows "jb", and "TY" departs from the pattern.
  const TBetuKepesseg jb("Rovas n qezdojellel jb"), bj("Rovas n qezdojellel bj");
  EXPECT_EQ(Kulonbsegek(jb, bj),
            (std::set<std::string>{"JobbrolBalraIras", "BetukKore", "GepelesKor"}));
  EXPECT_TRUE(jb.SzamokElore);
  EXPECT_EQ(jb.SzamokKore, ",1-1,5-2,10-3,50-4,100-\xA7,500-',1000-\"");
  EXPECT_TRUE(Tartalmaz(jb.GepelesKor, ",[?]-},[)]-\xE4,[(]-\xF0,\\bK-Q,"));
  EXPECT_TRUE(Tartalmaz(bj.GepelesKor, ",[?]-},[(]-\xE4,[)]-\xF0,\\bK-Q,"));
  EXPECT_TRUE(Tartalmaz(jb.GepelesKor, ",ty-y,tty-yy,TY-y,Ty-Y,TTY-YY,"));
  EXPECT_TRUE(Tartalmaz(jb.GepelesKor, ",=-\xFF,[|]-\x80,\xB0-\xA8,\\--\xB2,"));
  EXPECT_EQ(jb.BetukKore.size(), 2 * jb.GepelesKor.size() - std::string(kKValtozatok).size() - 1);

  // Group 9: fixed bracket pair, and "zzs" departs from the pattern.
  const TBetuKepesseg k9("Rovas n jelekkel jb");
  EXPECT_TRUE(Tartalmaz(k9.GepelesKor, ",zs-D,zzs-\xD0\xD0,ZS-[,"));
  EXPECT_TRUE(
      Tartalmaz(k9.GepelesKor, ",\\[-\xD7,\\]-\xF7,[+]-\xB3,\\--\xA3,=-\xA4,[)]-\\,[(]-|,"));
}

TEST(BetuKepesseg, NumeralsAndUnusualLists) {
  EXPECT_FALSE(Tartalmaz(TBetuKepesseg("Velkor g3").SzamokKore, "500-"));
  EXPECT_EQ(TBetuKepesseg("Velkor roman").SzamokKore,
            ",1-#,5-&,10-B,50-\x80,100-\xA4,500-\xB3,1000-\xA3");

  const TBetuKepesseg medve("XNagy Medve");
  EXPECT_EQ(medve.KepjelekElso, "hónap-Y,év-y"_hu);
  EXPECT_EQ(medve.KepjelekMasodik, "us-U,emp-u,nb-W,ent-w,tpru-Y,tprus-y");
  EXPECT_EQ(medve.SzamokKore, ",1-W,5-X,10-\xAF,50-\x9F,100-Y,1000-\x8F");
  EXPECT_EQ(medve.MelyKJel, "");

  const TBetuKepesseg arvisura("Rovas Arvisura");
  EXPECT_FALSE(arvisura.VanRovasSzam);
  EXPECT_TRUE(arvisura.VanSzamjegy);
  EXPECT_EQ(arvisura.SzamokKore, "");

  const TBetuKepesseg vk("VK 13 iras");
  EXPECT_EQ(vk.SzamokKore, ",1-\xE4,5-;,10-B,100-\xF7,500-\xD7,1000-|");
  EXPECT_EQ(vk.SzamokKoreJB, ",50-<");
  EXPECT_EQ(vk.SzamokKoreBJ, ",50-<");
  EXPECT_EQ(vk.KiterjesztettKor, "");
  EXPECT_EQ(vk.GepelesKor, vk.BetukKore + vk.BetukKoreJB);
  EXPECT_TRUE(vk.BetukKoreJB.ends_with(",;->"));
  EXPECT_TRUE(vk.BetukKoreBJ.ends_with(",;-<"));

  const TBetuKepesseg rota("RotatalpasNBProS");
  EXPECT_TRUE(rota.BetukKore.starts_with(",a-A,á-\",b-B,"_hu));
  EXPECT_EQ(rota.KiterjesztettPotlas, ",x-KX,y-I,q-KV,w-V");

  // Group 1 keeps its own glyphs for the extended letters, group 2 spells them.
  const TBetuKepesseg g1("Cserkesz"), g2("Rovas V1");
  EXPECT_EQ(g1.KiterjesztettKor, ",x-\xB0,y-\xB1,dzs-\xA6,dz-`,q-\xAB,w-[");
  EXPECT_EQ(g1.KiterjesztettPotlas, "");
  EXPECT_EQ(g2.KiterjesztettKor, "");
  EXPECT_EQ(g2.KiterjesztettPotlas, ",x-kS,y-i,q-kv,w-v");
  EXPECT_TRUE(g1.OsszerovasMasodik.starts_with(",as-F,ba-Â,be-Ü,bi-Ú,bo-Ó,it-…,"_hu));
  EXPECT_TRUE(g1.KepjelekMasodik.ends_with(",unk-™,us-ú"_hu));
}

}  // namespace
