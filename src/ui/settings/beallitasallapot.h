// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TBeallitasAllapot: the settings window without its widgets.
//
// It holds the value of every control of the settings window (`V`), and does
// everything the window decides: the reset to the defaults ("Alaphelyzet"),
// applying the controls to the shared settings model, the enabling table, the
// font selection change, the Office probe, loading and saving rovas.ini, the
// exception-word list (szo.xml) and its download. The window only copies `V`
// to its widgets and back, and shows the message texts it gets.
//
// Typical use by the main program at start-up:
//
//   TBeallitasAllapot allapot(modell);
//   allapot.Letrehozas();   // reset, rovas.ini (or write the defaults), szo.xml, font record
//
// and by a batch tool:
//
//   TBeallitasAllapot allapot(modell, {.ProgramKonyvtar = ...});
//   allapot.Alaphelyzet();
//   allapot.BetoltesFajlbol("my.ini");          // loader rules, then Alkalmaz()
//   allapot.KulcsBeallitasa("LMeret", "20");    // one key, the loader's validation
//   allapot.SzoListaBetoltese("szo.xml");       // list into the model
//   allapot.Alkalmaz();
//   allapot.BetukeszletValtozas();              // capability record of the chosen font
//
// All texts are Windows-1250.

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/beallitasok.h"
#include "platform/office.h"
#include "platform/win1250.h"
#include "ui/settings/datum.h"
#include "ui/settings/szolista.h"

// Texts of the window, Windows-1250 (made with the _hu literal).
namespace beallitas_szovegek {
using namespace win1250::literals;

// Choices of the drop-down lists, in list order; a list control holds the index.
inline constexpr std::array<std::string_view, 3> kIranyok = {
    "Betűkészlet alapján"_hu, "Jobbról balra"_hu, "Balról jobbra"_hu};
inline constexpr std::array<std::string_view, 34> kMeretek = {
    "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20", "21", "22", "24", "26", "28", "30", "32", "34",
    "36", "40", "45", "50", "55", "60", "70", "80", "90", "100"};
inline constexpr std::array<std::string_view, 4> kAKHasznalatiModok = {
    "Hangrendileg", "Szó végén"_hu, "Szó elején"_hu, "Szó mindkét végén"_hu};
inline constexpr std::array<std::string_view, 6> kHModszerek = {
    "Kikapcsolva",
    "Csak az 'e' kiugratása"_hu,
    "Az 'e' és 'é' kiugratása"_hu,
    "Ismétlődő magánhangzó kiugratása"_hu,
    "Azonos hangrendű magánhangzó kiugratása"_hu,
    "Minden magánhangzó kiugratása"_hu};
inline constexpr std::array<std::string_view, 3> kHHatokorok = {"Szó"_hu, "Mondat", "Szöveg"_hu};
inline constexpr std::array<std::string_view, 2> kESzovegiranyok = {"Jobbról balra"_hu,
                                                                    "Balról jobbra"_hu};
}  // namespace beallitas_szovegek
using beallitas_szovegek::kAKHasznalatiModok;
using beallitas_szovegek::kESzovegiranyok;
using beallitas_szovegek::kHHatokorok;
using beallitas_szovegek::kHModszerek;
using beallitas_szovegek::kIranyok;
using beallitas_szovegek::kMeretek;

// The last-update label before the first update.
inline constexpr std::string_view kSoha = "Soha";

// The home page, and where the exception-word list is downloaded from by default.
inline constexpr std::string_view kHonlapCim = "https://tollnok.hu";
inline constexpr std::string_view kSzoXmlCim = "https://tollnok.hu/szo.xml";

// The values of the settings window's controls, named after the controls.
// Lists hold the chosen index (LBetukeszlet into FelkinaltBetukeszletek(),
// LMeret into kMeretek, ...). Before Alaphelyzet() every list is at index 0
// and every box unchecked, like controls that were never set.
struct TBeallitasVezerlok {
  // "Alap" page
  int LBetukeszlet = 0;
  int LIrany = 0;
  int LMeret = 0;
  bool PKivetelesSzavak = false;
  bool PKiterjesztettBetuk = false;
  bool PMelyK = false;
  int LaKHasznalatiMod = 0;
  bool POsszerovas = false;
  bool PKepjelek = false;
  bool PSzamok = false;
  bool PSzamokBJ = false;
  int LHModszer = 0;
  int LHHatokor = 0;
  bool PHIsmetlodoEgyesit = false;
  bool PHHosszutRovidit = false;
  bool PHKezdoEKihagy = false;
  // "Egyéni" page
  bool PEgyeniBeallitasok = false;
  std::string SzEBetukeszlet;
  int LESzovegirany = 0;
  std::string SzEElsoKor;
  std::string SzEMasodikKor;
  std::string SzESzamokKore;
  std::string SzEGepeleskor;
  bool PKivetelesSzavakOnmukodo = false;
  bool POffice2010 = false;
  std::string LUtolsoFrissites{kSoha};  // last-update label text
  std::string CSzavakSzama = "0";       // exception-word count label text
  std::string SzoXmlCim{kSzoXmlCim};    // download address of szo.xml (no control)

  bool operator==(const TBeallitasVezerlok&) const = default;
};

// How a rovas.ini key's text maps to its control's value.
enum class TKulcsFajta {
  kBetukeszlet,   // font name <-> LBetukeszlet index (any letter case)
  kLista,         // list index, 0..valasztasok-1
  kMeret,         // font size number <-> LMeret index
  kLogikai,       // check box, integer 0 or not 0
  kSzoveg,        // text field
  kESzovegirany,  // 1 or 2 <-> LESzovegirany index 0 or 1
  kDatum,         // last-update text
};

// A control's value as the model and rovas.ini take it: a number (lists,
// sizes, directions, boxes) or a text (font names, rule lists, the date).
struct TKulcsErtek {
  int32_t szam = 0;
  std::string szoveg;
};

// One row of the settings schema: the rovas.ini key, named after its
// control, the control's member in TBeallitasVezerlok (one of the three
// pointers), its default and the model setter it applies to. Reset, load,
// apply, save and the window's binding all walk this one table.
struct TBeallitasKulcs {
  using TBeallito = void (*)(TRovasBeallitasok&, const TKulcsErtek&);
  std::string_view szakasz;
  std::string_view nev;
  TKulcsFajta fajta;
  int TBeallitasVezerlok::*egesz = nullptr;
  bool TBeallitasVezerlok::*logikai = nullptr;
  std::string TBeallitasVezerlok::*szoveg = nullptr;
  int valasztasok = 0;               // kLista: number of choices
  int alap = 0;                      // default of lists, sizes and boxes
  std::string_view alapSzoveg = {};  // default of texts; kBetukeszlet: the font name
  TBeallito modell = nullptr;        // null: a value of the window alone
};

// Every key of rovas.ini, in file order.
std::span<const TBeallitasKulcs> BeallitasSema();

// Which controls are enabled (the enabling table). `LMeret`, `PKivetelesSzavak`
// and `LHModszer` are always enabled and not listed. The six custom fields
// share `Egyeni`; `LBetukeszlet` and `LIrany` share `Alap`.
struct TEngedelyezes {
  bool PKiterjesztettBetuk = false;
  bool PMelyK = false;
  bool POsszerovas = false;
  bool PKepjelek = false;
  bool PSzamok = false;
  bool PSzamokBJ = false;
  bool LaKHasznalatiMod = false;
  bool LHHatokor = false;
  bool PHIsmetlodoEgyesit = false;
  bool PHHosszutRovidit = false;
  bool PHKezdoEKihagy = false;
  bool Egyeni = false;  // SzEBetukeszlet, LESzovegirany, SzEElsoKor, SzEMasodikKor,
                        // SzESzamokKore, SzEGepeleskor
  bool Alap = false;    // LBetukeszlet, LIrany
};

// Each control the enabling table covers, by its name, with the member of
// TEngedelyezes that enables it: the one place where the two meet.
struct TEngedelyezettVezerlo {
  std::string_view nev;
  bool TEngedelyezes::*be;
};
std::span<const TEngedelyezettVezerlo> EngedelyezettVezerlok();

// The outcome of a load or save: Uzenet is the warning text to show, empty
// when there is nothing to show (success, or a failure while creating).
struct TBeallitasEredmeny {
  bool Siker = true;
  std::string Uzenet;
};

// The outcome of an exception-word download and the message box to show.
struct TLetoltesEredmeny {
  enum TFajta { kNincs, kInformacio, kHiba };
  bool Siker = false;           // the download itself reported no error
  bool ListaAtveve = false;     // the new list is in use (it had entries)
  TFajta UzenetFajta = kNincs;  // kNincs when silent
  std::string Uzenet;
};

// Where the state finds the world; every member has a working default.
struct TBeallitasKornyezet {
  std::string ProgramKonyvtar;                       // empty: platform::ProgramDir()
  const platform::OfficeRegistry* Office = nullptr;  // null: the system's
  std::function<TIdopont()> Ora;                     // null: HelyiIdo
  std::string HonlapCim;                             // empty: the SzoXmlCim setting
  long LetoltesIdokorlat = 30;                       // seconds
  std::function<void()> LetoltesKozben;              // called often while a download runs
};

// Message texts.
namespace beallitas_szovegek {
using namespace win1250::literals;
inline constexpr std::string_view kBetoltesHiba = "Hiba a beállítások betöltése közben:\r\n"_hu;
inline constexpr std::string_view kMentesHiba = "Hiba a beállítások mentése közben:\r\n"_hu;
inline constexpr std::string_view kFrissitesSikeres =
    "A kivételes szavak frissítése sikeres volt."_hu;
inline constexpr std::string_view kFrissitesSikertelen =
    "A kivételes szavak frissítése sikertelen volt.\r\n"_hu;
inline constexpr std::string_view kLibcurlHianyzik =
    "A libcurl könyvtár nem tölthető be; telepítse a libcurl4 csomagot."_hu;

inline constexpr std::string_view kAlaphelyzetKerdes = "Visszatérés az alapbeállításokra?"_hu;
inline constexpr std::string_view kSzoXmlHianyzik =
    "Nem található a kivételes szavakat tartalmazó \"szo.xml\" állomány."_hu;
}  // namespace beallitas_szovegek
using beallitas_szovegek::kAlaphelyzetKerdes;
using beallitas_szovegek::kBetoltesHiba;
using beallitas_szovegek::kFrissitesSikeres;
using beallitas_szovegek::kFrissitesSikertelen;
using beallitas_szovegek::kLibcurlHianyzik;
using beallitas_szovegek::kMentesHiba;
using beallitas_szovegek::kSzoXmlHianyzik;

// True when the Office key lists any of "14.0" ... "22.0" (any letter case);
// false when it lists none, cannot be opened, or anything fails.
bool OfficeProba(const platform::OfficeRegistry& office);

class TBeallitasAllapot {
 public:
  explicit TBeallitasAllapot(TRovasBeallitasok& modell, TBeallitasKornyezet kornyezet = {});

  // The controls. The window writes a control's new value here before calling
  // the handler that belongs to the change.
  TBeallitasVezerlok V;

  // Creation, in order: reset; load rovas.ini if it exists, else save it
  // (writing the defaults); font selection change; read szo.xml and hand it
  // over. Silent: failures leave no message. Afterwards the creating flag is
  // clear. If loading fails the controls (as far as they were read) are
  // applied all the same, so the model is never left empty.
  void Letrehozas();
  // Set only during Letrehozas(): the enabling refresh and the messages wait.
  bool LetrehozasFolyik() const { return letrehozas_; }

  // "Alaphelyzet": every control to its default, POffice2010 from the Office
  // probe. The last-update text and the word count stay.
  void Alaphelyzet();

  // The window's buttons and showing, for the settings window to call:
  // showing reloads rovas.ini (throwing away changes cancelled earlier) and
  // rebuilds the font record from the reloaded name, so the model's record
  // always belongs to its font; "Rendben" saves (the window closes either
  // way); "Alaphelyzet" answered yes resets and runs the font selection change.
  TBeallitasEredmeny Megjelenites();
  TBeallitasEredmeny Rendben() { return Mentes(); }
  void AlaphelyzetIgen();

  // Controls into the settings model, in the model's apply order; every
  // setter marks the model changed.
  void Alkalmaz();

  // The font selection change: a new capability record of the selected font
  // into the model. The window then refreshes the enabling.
  void BetukeszletValtozas();

  // The enabling table for the current controls and the model's record
  // (a missing record counts as a font that supports nothing).
  TEngedelyezes Engedelyezes() const;

  // rovas.ini in the program directory, or the given file. Load reads every
  // key (a missing or invalid value keeps the control) and then applies; a
  // failure stops at that key and skips the apply. Save applies and then
  // writes every key; a refused write stops there.
  TBeallitasEredmeny Betoltes();
  TBeallitasEredmeny BetoltesFajlbol(const std::string& utvonal);
  TBeallitasEredmeny Mentes();
  TBeallitasEredmeny MentesFajlba(const std::string& utvonal);

  // One rovas.ini key (name in any letter case) with the loader's validation
  // and the 2047-byte cut; an invalid value keeps the control. Nothing is
  // applied. False for a name that is not a key of rovas.ini.
  bool KulcsBeallitasa(std::string_view kulcs, std::string_view ertek);

  // Writes today's date as the last update into rovas.ini; failures are ignored.
  void UtolsoFrissitesRogzitese();

  // szo.xml of the program directory, or the given file, into the model
  // (Kivetelesszavak hand-over). False when the file is missing or
  // unreadable: the model keeps its list and the count shows "0".
  bool SzoListaBetoltese();
  bool SzoListaBetoltese(const std::string& utvonal);
  // Gives the list to the model and shows its count; without a list shows "0"
  // and leaves the model alone.
  void KivetelesSzavakAtadasa(std::optional<TSzoLista> lista);

  // Refreshes the list from the SzoXmlCim address (the environment's
  // HonlapCim + "/szo.xml" when set). szo.xml is replaced
  // (atomically, platform/fajl.h) only by a complete download
  // (platform/letoltes.h, SzoListaTeljes) of at most kSzoXmlMaxMeret bytes
  // whose every entry compiles and runs within its budgets
  // (SzoListaProbaja), and that holds at least one entry; any other download
  // is a failed one and changes nothing. A list without entries is left in
  // szo.xml.tmp, created afresh. A failure's message ends with the
  // reason on its own line. With `csendes` no message is returned. A call
  // while a download runs (from a timer, say) does nothing and fails.
  TLetoltesEredmeny Letoltes(bool csendes);

  // The automatic download is due now (option on, last update more than 7
  // days away or never).
  bool AutomatikusLetoltesEsedekes() const;

  // What other windows ask the settings window.
  bool Office2010() const { return V.POffice2010; }
  bool KivetelesSzavakOnmukodo() const { return V.PKivetelesSzavakOnmukodo; }
  TIdopont UtolsoFrissitesIdo() const { return utolsoFrissites_; }

  // The selected font name (empty when the index is out of range).
  std::string KivalasztottBetukeszlet() const;

  // Files in the program directory.
  std::string RovasIni() const;
  std::string SzoXml() const;

  TRovasBeallitasok& Modell() { return modell_; }

 private:
  TBeallitasEredmeny Betolt(const std::string& utvonal);
  TKulcsErtek Ertek(const TBeallitasKulcs& k) const;
  TBeallitasEredmeny Ment(const std::string& utvonal);
  TIdopont Most() const;

  TRovasBeallitasok& modell_;
  TBeallitasKornyezet kornyezet_;
  bool letrehozas_ = false;
  bool letoltesFolyik_ = false;
  TIdopont utolsoFrissites_{};
};
