// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts/katalogus.h"

#include <array>

#include "platform/win1250.h"

// The data is written in UTF-8 for readability and converted to Windows-1250
// once; a character without a Windows-1250 byte would become NUL, which the
// tests rule out for every list of every name.

namespace katalogus {
namespace {

std::string W(std::string_view utf8) { return win1250::FromUtf8(utf8, '\0'); }

Lista Uj(std::string_view utf8) { return {W(utf8), true}; }
Lista Nyers(std::string_view utf8) { return {W(utf8), false}; }
const Lista kUres{"", true};

// Joins pieces with "," (an empty piece adds nothing).
std::string Osszefuz(std::initializer_list<std::string_view> darabok) {
  std::string s;
  for (std::string_view d : darabok) {
    if (d.empty()) continue;
    if (!s.empty()) s += ',';
    s += d;
  }
  return s;
}

// ---------------------------------------------------------------------------
// Numeral table: the glyph of 1, 5, 10, 50, 100, 500 and 1000; "" = no entry.

using Szamsor = std::array<std::string_view, 7>;

//                                1     5     10    50    100   500   1000
constexpr Szamsor kSzamokAlap = {"y", "Y", "X", "V", "B", "", "M"};  // groups 1, 2
constexpr Szamsor kSzamok3 = {"Y", "R", "X", "J", "B", "K", "M"};
constexpr Szamsor kSzamok5 = {"y", "Y", "b", "§", "x", "", "X"};
constexpr Szamsor kSzamok689 = {"1", "2", "3", "4", "5", "6", "7"};
constexpr Szamsor kSzamok7 = {"1", "2", "3", "4", "§", "'", "\""};
constexpr Szamsor kSzamok10 = {"á", "a", "e", "í", "î", "i", "n"};
constexpr Szamsor kSzamok11 = {"?", "?", "?", "?", "?", "", "?"};
constexpr Szamsor kSzamok12 = {"W", "X", "Ż", "ź", "Y", "", "Ź"};
constexpr Szamsor kSzamok13Elso = {"#", "&", "B", "€", "¤", "", "`"};  // first 11 names
constexpr Szamsor kSzamok13Utolso = {"#", "&", "B", "€", "¤", "ł", "Ł"};
constexpr Szamsor kSzamok14 = {"ä", ";", "B", "", "÷", "×", "|"};

std::string SzamLista(const Szamsor& sor) {
  static constexpr std::array<std::string_view, 7> kErtekek = {"1",   "5",   "10",  "50",
                                                               "100", "500", "1000"};
  std::string s;
  for (size_t i = 0; i < sor.size(); ++i) {
    if (sor[i].empty()) continue;
    if (!s.empty()) s += ',';
    s += std::string(kErtekek[i]) + "-" + std::string(sor[i]);
  }
  return W(s);
}

// ---------------------------------------------------------------------------
// Letter lists of groups 7, 8 and 9.

// Lower-case (g) and capital (G) glyph of each digraph.
struct Kettosbetu {
  std::string_view betu, g7, G7, g8, G8, g9, G9;
};
constexpr std::array<Kettosbetu, 7> kKettosbetuk = {{
    // digraph  group 7    group 8    group 9
    {"cs", "5", "%", "'", "~", "§", "'"},
    {"gy", "6", "/", "\"", "ˇ", "\"", "+"},
    {"ly", "7", "=", "+", "^", "!", "%"},
    {"ny", "8", "(", "!", "˘", "/", "="},
    {"sz", "9", ")", "%", "°", "(", ")"},
    {"ty", "y", "Y", "/", "˛", "ä", "đ"},
    {"zs", "x", "X", "=", "`", "D", "["},
}};

// Entries that depart from the digraph pattern: group, written form, glyphs.
struct Kivetel {
  int csoport;
  std::string_view irasmod, jel;
};
constexpr std::array<Kivetel, 2> kKivetelek = {{
    {7, "TY", "y"},
    {9, "zzs", "ĐĐ"},
}};

// Extra entries after the digraph entries.
constexpr std::array<std::string_view, 12> kToldalek7 = {
    "§-{", "'-?", "\"-&", "[+]-°", "!-<", "%-˝", "/-|", "=-˙", "[|]-€", "°-¨", "\\--˛", "[?]-}"};
constexpr std::array<std::string_view, 8> kToldalek8 = {"!-X",   "\"-Y",  "%-#",   "/-Ä",
                                                        "[?]-x", "[+]-ä", "\\--đ", "=-Đ"};
constexpr std::array<std::string_view, 10> kToldalek9 = {
    "!-X", "'-?", "\"-Y", "%-#", "[?]-x", "\\[-×", "\\]-÷", "[+]-ł", "\\--Ł", "=-¤"};

char Nagy(char c) { return static_cast<char>(c - 'a' + 'A'); }

// The seven written forms of a digraph with the glyph each maps to: "cs" g,
// "ccs" gg, "CS" G, "Cs" G, "CCS" GG, "Ccs" GG, "CCs" GG.
std::string KettosbetuBejegyzesek(int csoport, std::string_view betu, std::string_view g,
                                  std::string_view G) {
  const std::string elso(1, betu[0]);
  const std::string ELSO(1, Nagy(betu[0]));
  const std::string tobbi(betu.substr(1));
  std::string TOBBI = tobbi;
  for (char& c : TOBBI) c = Nagy(c);
  const std::string gs(g), Gs(G);
  const std::array<std::pair<std::string, std::string>, 7> formak = {{
      {elso + tobbi, gs},
      {elso + elso + tobbi, gs + gs},
      {ELSO + TOBBI, Gs},
      {ELSO + tobbi, Gs},
      {ELSO + ELSO + TOBBI, Gs + Gs},
      {ELSO + elso + tobbi, Gs + Gs},
      {ELSO + ELSO + tobbi, Gs + Gs},
  }};
  std::string s;
  for (auto [irasmod, jel] : formak) {
    for (const Kivetel& k : kKivetelek)
      if (k.csoport == csoport && k.irasmod == irasmod) jel = k.jel;
    if (!s.empty()) s += ',';
    s += irasmod + "-" + jel;
  }
  return s;
}

template <size_t N>
std::string BetuLista(int csoport, const std::array<std::string_view, N>& toldalek) {
  std::string s;
  for (const Kettosbetu& k : kKettosbetuk) {
    const std::string_view g = csoport == 7 ? k.g7 : csoport == 8 ? k.g8 : k.g9;
    const std::string_view G = csoport == 7 ? k.G7 : csoport == 8 ? k.G8 : k.G9;
    if (!s.empty()) s += ',';
    s += KettosbetuBejegyzesek(csoport, k.betu, g, G);
  }
  for (std::string_view t : toldalek) s += "," + std::string(t);
  return W(s);
}

// ---------------------------------------------------------------------------
// Lists shared by several groups.

constexpr std::string_view kKettosMassalhangzok =
    "cs-C,ccs-CC,gy-G,ggy-GG,ly-L,lly-LL,ny-N,nny-NN,sz-S,ssz-SS,ty-T,tty-TT,zs-Z,zzs-ZZ";

constexpr std::string_view kBetuk6 =
    "cs-C,ccs-CC,gy-G,ggy-GG,ly-L,lly-LL,ny-N,nny-NN,sz-S,ssz-SS,ty-T,tty-TT,zs-Z,zzs-ZZ,"
    "\\bk-ł,k\\b-K";
constexpr std::string_view kGepeles6Toldalek = "\\bK-ł,ł\\b-K,\\Bł\\B-k,\\BK\\B-k";

constexpr std::string_view kBetuk11 =
    "a-A,á-\",b-B,c-C,cs-<,ccs-<<,d-D,e-E,é-:,f-F,g-G,gy-Q,ggy-QQ,h-H,i-I,í-I,j-J,k-K,l-L,"
    "ly-Z,lly-ZZ,m-M,n-N,ny->,nny->>,o-O,ó-+,ö-~,ő-},p-P,r-R,s-S,sz-X,ssz-XX,t-T,ty-?,tty-??,"
    "u-U,ú-{,ü-?,ű-?,v-V,z-Y,zs-W,zzs-WW";

constexpr std::string_view kBetuk12 =
    "a-A,á-Á,b-B,c-C,cs-ž,ccs-žž,d-D,e-E,é-É,f-F,g-G,gy-?,ggy-??,h-H,i-I,í-I,j-J,k-K,l-L,"
    "ly-—,lly-——,m-M,n-N,ny-b,nny-bb,o-O,ó-Ó,ö-Ö,ő-Ő,p-P,r-R,s-S,sz-Q,ssz-QQ,t-T,ty-ż,tty-żż,"
    "u-U,ú-Ú,ü-Ü,ű-Ű,v-V,z-Z,zs-Ž,zzs-ŽŽ";

constexpr std::string_view kBetuk13 =
    "cs-$,ccs-$$,CS-ß,Cs-ß,CCS-ßß,Ccs-ßß,CCs-ßß,gy-q,ggy-qq,GY-Q,Gy-Q,GGY-QQ,Ggy-QQ,GGy-QQ,"
    "ly-y,lly-yy,LY-Y,Ly-Y,LLY-YY,Lly-YY,LLy-YY,ny-w,nny-ww,NY-W,Ny-W,NNY-WW,Nny-WW,NNy-WW,"
    "sz-đ,ssz-đđ,SZ-ä,Sz-ä,SSZ-ää,Ssz-ää,SSz-ää,ty-x,tty-xx,TY-X,Ty-X,TTY-XX,Tty-XX,TTy-XX,"
    "zs-Đ,zzs-ĐĐ,ZS-Ä,Zs-Ä,ZZS-ÄÄ,Zzs-ÄÄ,ZZs-ÄÄ";

constexpr std::string_view kBetuk14 =
    "cs-$,ccs-$$,CS-Ł,Cs-Ł,CCS-ŁŁ,Ccs-ŁŁ,CCs-ŁŁ,gy-¤,ggy-¤¤,GY-ß,Gy-ß,GGY-ßß,Ggy-ßß,GGy-ßß,"
    "ly-€,lly-€€,LY-ł,Ly-ł,LLY-łł,Lly-łł,LLy-łł,sz-đ,ssz-đđ,SZ-ä,Sz-ä,SSZ-ää,Ssz-ää,SSz-ää,"
    "ty-&,tty-&&,TY-#,Ty-#,TTY-##,Tty-##,TTy-##,zs-Đ,zzs-ĐĐ,ZS-Ä,Zs-Ä,ZZS-ÄÄ,Zzs-ÄÄ,ZZs-ÄÄ";
constexpr std::string_view kBetuk14JB = "ny-},nny-}},NY-{,Ny-{,NNY-{{,Nny-{{,NNy-{{,;->";
constexpr std::string_view kBetuk14BJ = "ny-{,nny-{{,NY-},Ny-},NNY-}},Nny-}},NNy-}},;-<";

// Groups 7 to 9 differ only in their letter lists and bracket pairs.
Csoport Csoport789(int szam, std::vector<std::string> nevek, Irany irany, Jelzok jelzok,
                   const Szamsor& szamok, Osszetett osszetett) {
  return {.szam = szam,
          .nevek = std::move(nevek),
          .irany = irany,
          .jelzok = jelzok,
          .SzamokKore = Lista{SzamLista(szamok)},
          .KiterjesztettPotlas = Uj("q-kv,w-v"),
          .osszetett = std::move(osszetett)};
}

// The two rows of group 13 differ only in their numerals.
Csoport Csoport13(std::vector<std::string> nevek, const Szamsor& szamok) {
  return {.szam = 13,
          .nevek = std::move(nevek),
          .irany = Irany::TukorNelkul,
          //       Szamjegy RovasSzam Betu MelyK Kiterj Osszer Kepjel Nagyb SzElore
          .jelzok = {true, true, true, false, false, false, false, true, false},
          .SzamokKore = Lista{SzamLista(szamok)},
          .BetukKore = Uj(kBetuk13),
          .KiterjesztettPotlas = kUres,
          .MelyKJel = kUres,
          .GepelesKor = Uj(kBetuk13)};
}

std::vector<Csoport> Epit() {
  using enum Irany;
  // Flag columns of every row:
  //   VanSzamjegy VanRovasSzam VanBetu VanMelyK VanKiterjesztett VanOsszerovas
  //   VanKepjel Nagybetus SzamokElore
  std::vector<Csoport> t;
  t.push_back({.szam = 1,
               .nevek = {"Rovas Kiterjesztett JB", "Cserkesz JB", "Rovas Gelence_JB",
                         "XRovas Hanga JB", "RovKit Ludtoll JB", "RovKit Ludtoll Mini JB",
                         "RovKit Sada JB", "RovKit Sada Mini JB", "Rovas Kiterjesztett", "Cserkesz",
                         "Rovas Gelence", "Rovas Hanga", "RovKit Ludtoll", "RovKit Ludtoll Mini",
                         "RovKit Sada", "RovKit Sada Mini"},
               .irany = JobbrolBalra,
               .jelzok = {true, true, true, true, true, true, true, false, false}});
  t.push_back({.szam = 2,
               .nevek = {"Rov Ludtoll Jb",
                         "Rov Ludtoll Mini Jb",
                         "Rov Sada JB",
                         "Rov Sada Mini Jb",
                         "Rovas FS Csenge JB",
                         "Rovas FS JB",
                         "Rovas FS Kerek JB",
                         "Rovas FS Sumer JB",
                         "Rovas MA Csenge JB",
                         "Rovas MA JB",
                         "Rovas MA KerekJB",
                         "Rovas MA SumerJB",
                         "Rovas Szabvany Csenge JB",
                         "Rovas Szabvany JB",
                         "Rovas Szabvany SumerJB",
                         "Rovas V1 JB",
                         "Rovas V1 Csenge JB",
                         "Rovas V1 KerekJB",
                         "Rovas V1 SumerJB",
                         "Rov Ludtoll",
                         "Rov Ludtoll Mini",
                         "Rov Sada",
                         "Rov Sada Mini",
                         "Rovas FS Csenge",
                         "Rovas FS",
                         "Rovas FS Kerek",
                         "Rovas FS Sumer",
                         "Rovas MA Csenge",
                         "Rovas MA",
                         "Rovas MA Kerek",
                         "Rovas MA Sumer",
                         "Rovas Szabvany Csenge",
                         "Rovas Szabvany",
                         "Rovas Szabvany Sumer",
                         "Rovas Szabvany Kerek",
                         "Rovas Szabvany Mono",
                         "Rovas V1",
                         "Rovas V1 Csenge",
                         "Rovas V1 Kerek",
                         "Rovas V1 Sumer"},
               .irany = JobbrolBalra,
               .jelzok = {true, true, true, true, false, true, true, false, false}});
  t.push_back({.szam = 3,
               .nevek = {"Rovas Karpat-medencei"},
               .irany = JobbrolBalra,
               .jelzok = {true, true, true, false, true, false, false, false, false},
               .SzamokKore = Lista{SzamLista(kSzamok3)},
               .KiterjesztettKor = Uj("q-P,w-V,dzs-F,dz-D,ch-H")});
  t.push_back({.szam = 4,
               .nevek = {"Rovas Khazarian"},
               .irany = BalrolJobbra,
               .jelzok = {false, false, false, false, false, false, false, false, false}});
  t.push_back({.szam = 5,
               .nevek = {"rovasjbfs_nf_ka"},
               .irany = JobbrolBalra,
               .jelzok = {true, true, true, false, false, false, false, false, false},
               .SzamokKore = Lista{SzamLista(kSzamok5)},
               .BetukKore = Uj(kKettosMassalhangzok),
               .GepelesKor = Uj(kKettosMassalhangzok)});
  t.push_back({.szam = 6,
               .nevek = {"Osi betusor jb", "Osi betusor bj", "Rovasjel jb", "Rovasjel bj"},
               .irany = JbANevben,
               .jelzok = {false, true, true, false, false, false, false, false, false},
               .SzamokKore = Lista{SzamLista(kSzamok689)},
               .BetukKore = Uj(kBetuk6),
               .GepelesKor = Lista{W(Osszefuz({kBetuk6, kGepeles6Toldalek}))}});
  t.push_back(Csoport789(7,
                         {"Osi n qezdojellel jb", "Osi n qezdojellel bj", "Rovas n qezdojellel jb",
                          "Rovas n qezdojellel bj"},
                         JbANevben, {false, true, true, false, false, false, false, true, true},
                         kSzamok7, {BetuLista(7, kToldalek7), W("[)]-ä,[(]-đ"), W("[(]-ä,[)]-đ")}));
  t.push_back(Csoport789(8,
                         {"Rovas n elojellel jb", "Rovas n elojellel bj", "Osi betu n elojellel jb",
                          "Osi betu n elojellel bj"},
                         JbANevben, {false, true, true, false, false, false, false, true, false},
                         kSzamok689, {BetuLista(8, kToldalek8), "", ""}));
  t.push_back(Csoport789(9, {"Rovas n jelekkel jb"}, JobbrolBalra,
                         {false, true, true, false, false, false, false, true, false}, kSzamok689,
                         {BetuLista(9, kToldalek9), "[)]-\\,[(]-|", "[)]-\\,[(]-|"}));
  t.push_back({.szam = 10,
               .nevek = {"Rovas Szekely-magyar"},
               .irany = JobbrolBalra,
               .jelzok = {true, true, true, true, true, false, true, false, false},
               .SzamokKore = Lista{SzamLista(kSzamok10)},
               .KiterjesztettKor = Uj("dzs-J,dz-D,q-V,w-]"),
               .KepjelekElso = Uj("hónap-R,év-F"),
               .KepjelekMasodik = Uj("amb-Á,and-Â,ant-A,emp-Ä,ch-],enc-A,ent-A,mb-Ç,nap-P,nb-E,"
                                     "tpru-R,tprus-F,unk-É,us-E")});
  t.push_back({.szam = 11,
               .nevek = {"RotatalpasNBProS"},
               .irany = JobbrolBalra,
               .jelzok = {true, true, true, false, false, false, false, false, false},
               .SzamokKore = Lista{SzamLista(kSzamok11)},
               .BetukKore = Uj(kBetuk11),
               .KiterjesztettPotlas = Uj("x-KX,y-I,q-KV,w-V"),
               .MelyKJel = kUres,
               .GepelesKor = Uj(kBetuk11)});
  t.push_back({.szam = 12,
               .nevek = {"XNagy Medve"},
               .irany = JobbrolBalra,
               .jelzok = {true, true, true, false, false, false, true, false, false},
               .SzamokKore = Lista{SzamLista(kSzamok12)},
               .BetukKore = Uj(kBetuk12),
               .KiterjesztettPotlas = Uj("x-KQ,y-I,q-KV,w-V"),
               .MelyKJel = kUres,
               .KepjelekElso = Nyers("hónap-Y,év-y"),
               .KepjelekMasodik = Nyers("us-U,emp-u,nb-W,ent-w,tpru-Y,tprus-y"),
               .GepelesKor = Uj(kBetuk12)});
  t.push_back(Csoport13(
      {"Velkor g1", "Velkor g2", "Velkor g3", "RovAltGot", "RovAltLud", "Rovasszekely2012",
       "Rovasszekely2012 ludtoll", "RovNik G", "RovNikL", "RovNikG-tukor", "RovNikL-tukor"},
      kSzamok13Elso));
  t.push_back(Csoport13(
      {"Velkor g1 It", "Velkor g2 It", "Velkor ceruza", "Velkor ceruza 2", "Velkor ceruza3",
       "Velkor limonade", "Velkor limonade 2", "Velkor roman", "Velkor roman 2", "VK 201209",
       "VK 201209 ceruza", "Velkor 13 ceruza", "Velkor 13 gotikus", "Velkor 13 roman"},
      kSzamok13Utolso));
  t.push_back(
      {.szam = 14,
       .nevek = {"VK 20121129 ceruza", "VK 20121129 gotikus", "VK 13 ceruza 2 T", "VK 13 ceruza 2",
                 "VK 13 ceruza T", "VK 13 ceruza", "VK 13 gotikus T", "VK 13 gotikus",
                 "VK 13 iras T", "VK 13 iras", "VK 13 roman T", "VK 13 roman"},
       .irany = NemTVegu,
       .jelzok = {true, true, true, false, true, false, false, true, false},
       .SzamokKore = Lista{SzamLista(kSzamok14)},
       .SzamokKoreJB = Uj("50-<"),
       .SzamokKoreBJ = Uj("50-<"),
       .BetukKore = Uj(kBetuk14),
       .BetukKoreBJ = Uj(kBetuk14BJ),
       .BetukKoreJB = Uj(kBetuk14JB),
       .KiterjesztettKor = kUres,
       .KiterjesztettPotlas = kUres,
       .MelyKJel = kUres,
       .GepelesKor = Lista{W(Osszefuz({kBetuk14, kBetuk14JB}))}});
  t.push_back({.szam = 15,
               .nevek = {"Rovas Arvisura"},
               .irany = JobbrolBalra,
               .jelzok = {true, false, true, false, false, false, false, false, false}});
  return t;
}

}  // namespace

const Alapertekek& Alap() {
  static const Alapertekek alap{
      .SzamokKore = SzamLista(kSzamokAlap),
      .BetukKore = W("á-A,cs-C,ccs-CC,é-E,gy-G,ggy-GG,í-I,ly-L,lly-LL,ny-N,nny-NN,ó-O,ö-q,ő-Q,"
                     "sz-S,ssz-SS,ty-T,tty-TT,ú-U,ü-w,ű-W,zs-Z,zzs-ZZ"),
      .KiterjesztettKor = W("x-°,y-±,dzs-¦,dz-`,q-«,w-["),
      .KiterjesztettPotlas = W("x-kS,y-i,q-kv,w-v"),
      // A k after a back vowel, directly or with up to three characters between
      // them that are neither front vowels nor spaces.
      .MelyKHangrendi = W("([aáuúoó][^eéiíüűöőEÉIÍÜŰÖŐÜŰ ]{3})k-$1K,"
                          "([aáuúoó][^eéiíüűöőEÉIÍÜŰÖŐÜŰ ]{2})k-$1K,"
                          "([aáuúoó][^eéiíüűöőEÉIÍÜŰÖŐÜŰ ])k-$1K,"
                          "([aáuúoó])k-$1K"),
      .MelyKJel = "K",
      .MelyKSzoElejen = "(^|\\W)k-$1K",
      .MelyKSzoVegen = "k($|\\W)-K$1",
      .OsszerovasElso = W("aty-x,csin-Ç,tya-ô,ár-ë,írt-Í,lá-Î,vár-Ô"),
      .OsszerovasMasodik = W("as-F,ba-Â,be-Ü,bi-Ú,bo-Ó,it-…,nk-â,or-©,ra-ä,re-î,ro-®,ru-ç,"
                             "sa-¬,se-ß,so-Ä,ti-¨,zr-Ë,zt-¸"),
      .KepjelekElso = W("hónap-R,év-D,ch-]"),
      .KepjelekMasodik = W("amb-J,and-á,ant-Á,ent-é,mb-ü,nap-P,nb-í,tpru-R,tprus-D,unk-™,us-ú"),
  };
  return alap;
}

const std::vector<Csoport>& Csoportok() {
  static const std::vector<Csoport> csoportok = Epit();
  return csoportok;
}

const Csoport* Keres(std::string_view nev) {
  for (const Csoport& cs : Csoportok())
    for (const std::string& n : cs.nevek)
      if (n == nev) return &cs;
  return nullptr;
}

std::string_view KValtozatok() { return "\\bK-Q,\\bk-q,K\\b-W,k\\b-w,\\BK\\B-K,\\Bk\\B-k"; }

}  // namespace katalogus
