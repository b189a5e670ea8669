// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MRovas: the rovás pane. A QPlainTextEdit that hands its keys and pastes to
// the typing helper (key down, then the character) and carries out the
// helper's edit actions directly on its cursor. The pane does not own the
// helper; whoever sets it clears it before the helper goes.

#include <QMenu>
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <vector>

#include "ui/main/gepeles.h"

class TRovasPanel : public QPlainTextEdit, public ISzerkeszto {
  Q_OBJECT

 public:
  explicit TRovasPanel(QWidget* szulo = nullptr);

  void SetSegito(TGepelesSegito* segito) { segito_ = segito; }
  // Shows an error the helper let through (the application's standard error box).
  void SetHibaJelzo(std::function<void(const std::string&)> jelzo) { hibaJelzo_ = jelzo; }

  // "Másolás Unicode rovásírással": enabled, or disabled with the reason as its tooltip.
  QAction* MIUnicodeMasolas() const { return mIUnicodeMasolas_; }
  void SetUnicodeMasolas(const std::string& miert_nem);

  // The pane's text, Windows-1250 with CR LF line ends.
  std::string Szoveg() const;
  // The selection when there is one, else the whole text (as Szoveg()).
  std::string MasolandoSzoveg() const;
  // Opens the context menu at a screen point, its items brought up to date.
  void MenuMegnyitasa(const QPoint& hely);
  // Replaces the text; only the part that differs is rewritten.
  void SetSzoveg(std::string szoveg);
  // Lines [elso, elso + regi) give way to `uj` (lines without their ends).
  void SorokCsereje(size_t elso, size_t regi, const std::vector<std::string>& uj);

  // Pasting by the X11 middle button or the Paste key: in direct rovás mode
  // the paste procedure.
  void insertFromMimeData(const QMimeData* forras) override;

  // ISzerkeszto
  void TorlesBalra() override;
  void TorlesJobbra() override;
  void Karakter(char c) override;
  void KurzorBalra() override;
  void SorVegere() override;
  void Beszuras(const std::string& szoveg) override;
  int KurzorSor() const override;
  int KurzorOszlop() const override;
  bool Sor(int sor, std::string& szoveg) const override;
  bool VanKijeloles() const override;
  void KijelolesNullazasa() override;

 signals:
  // The context menu's item "Beillesztés" (PMRovas2 / MIBeillesztes).
  void MIBeillesztes();
  // The context menu's item "Másolás Unicode rovásírással".
  void MIUnicodeMasolasClick();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  QMenu* pMRovas2_;  // the context menu: MIBeillesztes, then the Unicode copy
  QAction* mIUnicodeMasolas_;
  std::string unicodeAkadaly_;  // why the settings allow no Unicode copy, or ""
  void UnicodeMasolasFrissitese();
  TGepelesSegito* segito_ = nullptr;
  std::function<void(const std::string&)> hibaJelzo_;
  // The text SetSzoveg left, valid until anything else changes the document.
  std::string kiirt_;
  bool kiirtErvenyes_ = false;
  bool sajatValtozas_ = false;
};
