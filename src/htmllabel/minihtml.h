// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TMiniHtml: the help label's small HTML dialect, without a window.
//
// The engine parses markup into a flat list of objects (words, spaces, tags),
// lays them out in lines with word wrap at a given width, draws them through a
// canvas interface and answers mouse events. Fonts are measured through a
// measurer interface: Qt's fonts in the program, a fixed fake in tests.
//
//   TMiniHtml html(mero);
//   html.SetHtml("<p>Hello <b>world</b></p>");
//   int magassag = html.Elrendezes(338);   // content height
//   html.Rajzolas(vaszon);                  // key colour first, then every object
//
// It is not a browser: 5-pixel margins, a 50-pixel list indent, font sizes in
// points (96 pixels per inch), a key colour for transparency. Malformed markup
// is never rejected: unknown tags vanish, unmatched end tags change nothing,
// an unterminated "<" is text.
//
// Choices this engine makes where the dialect leaves them open:
// - A list item's bullet or number takes the list type and font size in force
//   at the item itself.
// - The "start a new line" test compares x with the x the current line started
//   at (not with 5), so an over-wide word at an indented line start is placed
//   instead of leaving an empty line.
// - A line's alignment is the alignment of its first visible object; a shift
//   that would move objects left of their place is not made.
// - Width attributes of rules, tables and cells: "N%" of the layout width, or
//   N pixels; 0 or missing falls back to the layout width (rules, tables) or
//   the table width (cells); results above 10 lose 10.
// - Pictures take their "width"/"height" attributes as size and draw a frame;
//   "src" and "res" are not loaded. User-defined items are sized and drawn by
//   their two callbacks. Visited links and text selection are not tracked.
// - A "dynamic" tag's replacement is parsed without further "dynamic" tags.
// - CR and LF take no room when measured, as they are never drawn.
// - Font sizes are kept within 1..1000 points, lengths from attributes within
//   0..10000 pixels, so no sum of them overflows. At most 256 tags stay open
//   at once (further start tags change nothing) and cells of tables nested
//   more than 8 deep stay empty, so hostile markup costs linear time.
//
// All texts are Windows-1250.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace minihtml {

// 0xRRGGBB.
using TSzin = std::uint32_t;
inline constexpr TSzin kKulcsSzin = 0xF1FEEF;  // transparency key of the bitmap
inline constexpr TSzin kFekete = 0x000000;
inline constexpr TSzin kFeher = 0xFFFFFF;

struct TBetu {
  std::string Nev = "MS Sans Serif";
  int Meret = 8;  // points
  bool Felkover = false, Dolt = false, Alahuzott = false, Athuzott = false;
  // Pixels of the point size at 96 pixels per inch.
  int Pixel() const { return (Meret * 96 + 36) / 72; }
  bool operator==(const TBetu&) const = default;
};

// Text measuring: the only thing layout needs from fonts.
class TMero {
 public:
  virtual ~TMero() = default;
  virtual int Szelesseg(const TBetu& betu, std::string_view szoveg) = 0;
  virtual int Magassag(const TBetu& betu, std::string_view szoveg) = 0;
};

struct TTeglalap {
  int X = 0, Y = 0, W = 0, H = 0;
  bool Tartalmazza(int px, int py) const { return px >= X && px < X + W && py >= Y && py < Y + H; }
};

// Drawing: what the objects need from a bitmap.
class TVaszon {
 public:
  virtual ~TVaszon() = default;
  virtual void Kitoltes(const TTeglalap& r, TSzin szin) = 0;
  virtual void Szoveg(int x, int y, std::string_view szoveg, const TBetu& betu, TSzin szin) = 0;
  virtual void Kor(const TTeglalap& r, TSzin szin) = 0;
  virtual void Keret(const TTeglalap& r, TSzin szin) = 0;
  virtual void Jelolonegyzet(const TTeglalap& r, bool bepipalt) = 0;
  virtual void Gomb(const TTeglalap& r, std::string_view felirat, const TBetu& betu) = 0;
};

// The kinds of object; names as the tag table gives them (Nev()).
enum class TOsztaly : std::uint8_t {
  aText,
  aSpace,
  aLISTag,
  aFormElement,
  aHorizontalRule,
  aPicture,
  aUserDefined,
  aTDSTag,
  aTHSTag,
  aHtmlSTag,
  aHtmlETag,
  aHeadSTag,
  aHeadETag,
  aScriptSTag,
  aScriptETag,
  aBodySTag,
  aBodyETag,
  aFontSTag,
  aFontETag,
  aBlockquoteSTag,
  aBlockquoteETag,
  aPSTag,
  aPETag,
  aBRTag,
  aUSTag,
  aUETag,
  aBSTag,
  aBETag,
  aSSTag,
  aSETag,
  aISTag,
  aIETag,
  aASTag,
  aAETag,
  aULSTag,
  aULETag,
  aOLSTag,
  aOLETag,
  aLIETag,
  aTitleSTag,
  aTitleETag,
  aDynamicTag,
  aFormSTag,
  aFormETag,
  aSelectionSTag,
  aSelectionETag,
  aSubSTag,
  aSubETag,
  aSupSTag,
  aSupETag,
  aTableSTag,
  aTableETag,
  aTRSTag,
  aTRETag,
  aTDETag,
  aTHETag,
};
std::string_view Nev(TOsztaly o);

// The formatting state (defaults as initialised).
struct TAllapot {
  TBetu Betu;
  TSzin Szoveg = kFekete;
  TSzin Link = 0x0000FF;
  TSzin AktivLink = 0xFF0000;
  TSzin LatogatottLink = 0x800080;
  TSzin Hatter = kKulcsSzin;
  int Behuzas = 0;
  std::string Cel;         // link target
  std::string Igazitas;    // "right", "centre", ...
  std::string ListaTipus;  // "number", "square", ...
  std::string FormNev, FormMetodus, FormAkcio;
  bool Kijeloles = false;
  int Eltolas = 0;  // 1 sub, -1 sup
};

class TMiniHtml;

struct TObjektum {
  TOsztaly Osztaly;
  bool Vege = false;   // an end tag
  int Cimke = -1;      // row of the tag table, -1 for text and spaces
  std::string Szoveg;  // text, or the tag body
  std::vector<std::pair<std::string, std::string>> Attr;
  int X = 0, Y = 0, W = 0, H = 0, Sor = 0, SorMagassag = 0;
  TAllapot Allapot;  // visible objects: the state they were measured in
  bool Lathato = false;
  bool EgerAlatt = false;
  bool Bepipalt = false;             // check boxes
  int Szam = 0;                      // list items of "number" lists
  std::unique_ptr<TMiniHtml> Cella;  // table cells
  std::string CellaSzoveg;
  int TablaIndex = -1;  // cells: the start tag of their table

  std::string_view Ertek(std::string_view nev) const;  // "" when absent
  bool Van(std::string_view nev) const;
  // The mouse box: the width, and the full line height ending at the bottom.
  TTeglalap Doboz() const { return {X, Y + H - SorMagassag, W, SorMagassag}; }
};

// The tag's name as the tag table writes it ("p", "div", "br"); "" for text.
std::string_view CimkeNev(const TObjektum& o);

// Removes the markup and replaces the entities: the text a screen reader reads.
// Line-ending tags become line breaks.
std::string SimaSzoveg(std::string_view html);

// Font size attribute: "n", "+n", "-n"; anything else 8; kept within 1..1000.
int BetuMeret(std::string_view ertek);
// Colour attribute: "#RRGGBB", a colour name or a number (0xBBGGRR); empty or
// holding "<" is black, anything else unreadable is white.
TSzin Szin(std::string_view ertek);

class TMiniHtml {
 public:
  explicit TMiniHtml(TMero& mero);
  ~TMiniHtml();

  void SetHtml(std::string html) { forras_ = std::move(html); }
  // The background of objects that set none (the key colour; table cells
  // give their own).
  void SetAlapHatter(TSzin szin) { alapHatter_ = szin; }
  const std::string& Html() const { return forras_; }

  // Parses and lays out at `szelesseg`; returns the content height (lowest
  // object bottom + 5), the bitmap's height.
  int Elrendezes(int szelesseg);
  // Parses only: the objects, without sizes or positions.
  void Elemzes();
  int Szelesseg() const { return szelesseg_; }
  int TartalomMagassag() const { return magassag_; }
  const std::vector<TObjektum>& Objektumok() const { return obj_; }

  // Fills with the key colour, then draws every object in list order.
  void Rajzolas(TVaszon& v) const;

  // Mouse, in bitmap coordinates, `ido` in milliseconds. Move: false when the
  // move was throttled or nothing changed; a redraw is due when true.
  bool EgerMozgas(int x, int y, std::int64_t ido);
  bool KezMutato() const { return kez_; }
  // Left button: links and form elements. True when something changed that
  // needs a redraw (a check box).
  bool BalGomb(int x, int y);
  // The object whose box holds the point (the last one in list order), or -1.
  int ObjektumItt(int x, int y) const;

  // Events. A link click not marked handled goes to `Megnyitas` with
  // "mailto://" turned into "mailto:".
  std::function<void(const std::string& cel, bool& kezelve)> OnLinkClicked;
  std::function<void(const std::string& cel)> Megnyitas;
  std::function<void(const std::string& fmName, const std::string& fmMethod,
                     const std::string& fmAction, const std::string& inputName,
                     const std::string& inputType, const std::string& inputValue)>
      OnFormElementClicked;
  std::function<void(const std::string& id, std::string& szoveg)> OnDynamicUpdate;
  std::function<void(const std::string& id, const std::string& tipus, int& w, int& h,
                     const std::string& v1, const std::string& v2, const std::string& v3)>
      OnUserDefinedUpdate;
  std::function<void(const std::string& id, const std::string& tipus, TVaszon& v,
                     const TTeglalap& r, const std::string& v1, const std::string& v2,
                     const std::string& v3)>
      OnUserDefinedDraw;
  // Set when a "dynamic" tag was laid out without OnDynamicUpdate.
  bool DinamikusValtozott() const { return dinamikus_; }

 private:
  void Feldolgozas(std::string_view teljes, bool dinamikusEngedett);
  void Darabolas(std::string szoveg, bool link);
  // Returns the new object's index, or -1 when the tag vanished.
  int Cimke(std::string_view torzs, bool dinamikusEngedett);
  void Meres(size_t i);
  void AllapotEpites();
  void Alkalmaz(const TObjektum& o);
  void Tablazat(size_t kezdet);
  void ObjektumRajz(const TObjektum& o, TVaszon& v) const;
  void Objektumrajzok(TVaszon& v) const;

  TMero& mero_;
  std::string forras_;
  std::vector<TObjektum> obj_;
  std::vector<size_t> nyitott_;  // indexes of open start tags
  std::vector<int> olSzamlalo_;  // item count per open tag (used by "ol")
  TAllapot allapot_;
  TSzin alapHatter_ = kKulcsSzin;
  int melyseg_ = 0;  // tables nested around this engine
  int szelesseg_ = 0;
  int magassag_ = 0;
  bool dinamikus_ = false;
  bool kez_ = false;
  int egerX_ = -1000, egerY_ = -1000;
  std::int64_t egerIdo_ = -1000000;
};

}  // namespace minihtml
