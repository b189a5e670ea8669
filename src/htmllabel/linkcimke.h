// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TLinkCimke: a label that looks and acts like a link (underlined, highlight
// colour, hand cursor). It takes the focus with Tab, shows a frame while it
// has it, and opens on a click, Space or Enter; assistive tools see a link.
// TLapGomb: one of a window's page buttons, a label that screen readers see as
// a page tab with its selected state.

#include <QLabel>
#include <functional>

class TLinkCimke : public QLabel {
  Q_OBJECT

 public:
  // `pixelMeret`: the font's pixel size.
  TLinkCimke(const QString& szoveg, int pixelMeret, std::function<void()> kattintas,
             QWidget* szulo = nullptr);

  void Kattintas() { kattintas_(); }

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  std::function<void()> kattintas_;
};

class TLapGomb : public QLabel {
  Q_OBJECT

 public:
  TLapGomb(const QString& felirat, std::function<void()> kattintas, QWidget* szulo = nullptr);

  bool Kivalasztott() const { return kivalasztott_; }
  void SetKivalasztott(bool kivalasztott);
  void Kattintas() { kattintas_(); }

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  std::function<void()> kattintas_;
  bool kivalasztott_ = false;
};

// Registers the accessibility of the two classes, and of the program's
// windows made from a plain QWidget, which assistive tools should see as
// windows (once; every call after the first does nothing). The two classes'
// constructors call it.
void LinkAkadalymentesites();
