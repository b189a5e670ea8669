// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// THtmlCimke: a label that shows the small HTML dialect of TMiniHtml.
//
// The engine lays the markup out at the label's width into a bitmap whose
// key colour (#F1FEEF) is replaced by the label's `Color` when copied on
// screen. With `AutoHeight` the label's height follows the content (put it in
// a scroll area to scroll). A paint with nothing changed only copies the
// bitmap again; a new `Html` or a new width lays it out afresh.
//
// The accessible name is the shown text without its markup, so screen readers
// read it. Texts are Windows-1250.

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <string>

#include "htmllabel/minihtml.h"
#include "htmllabel/qtrajz.h"

// Carries the label's markup: reading it gives `Html`, assigning it sets `Html`.
struct THtmlRec {
  std::string Text;
};

class THtmlCimke : public QLabel {
  Q_OBJECT

 public:
  explicit THtmlCimke(QWidget* parent = nullptr);

  void SetHtml(std::string html);
  const std::string& Html() const { return motor_.Html(); }
  THtmlRec HtmlEditor() const { return {Html()}; }
  void SetHtmlEditor(const THtmlRec& rec) { SetHtml(rec.Text); }

  void SetAutoHeight(bool be);
  bool AutoHeight() const { return autoHeight_; }
  void SetColor(const QColor& szin);
  QColor Color() const { return szin_; }

  // Events; the handlers get Windows-1250 texts (see TMiniHtml).
  decltype(minihtml::TMiniHtml::OnLinkClicked)& OnLinkClicked = motor_.OnLinkClicked;
  decltype(minihtml::TMiniHtml::OnFormElementClicked)& OnFormElementClicked =
      motor_.OnFormElementClicked;
  decltype(minihtml::TMiniHtml::OnDynamicUpdate)& OnDynamicUpdate = motor_.OnDynamicUpdate;
  decltype(minihtml::TMiniHtml::OnUserDefinedUpdate)& OnUserDefinedUpdate =
      motor_.OnUserDefinedUpdate;
  decltype(minihtml::TMiniHtml::OnUserDefinedDraw)& OnUserDefinedDraw = motor_.OnUserDefinedDraw;

  // Lays out and draws if something changed since the last time (done by
  // every paint; with AutoHeight it also sets the height).
  void Frissites();
  const minihtml::TMiniHtml& Motor() const { return motor_; }
  // How many times the markup was laid out (a paint with nothing new adds none).
  int Elrendezesek() const { return elrendezesek_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void Kirajzolas();
  void Ujrarajzolas();  // objects drawn again without a new layout (hover, ticks)

  minihtml::TQtMero mero_;
  minihtml::TMiniHtml motor_{mero_};
  QImage kep_;      // the engine's bitmap, key colour included
  QImage latszik_;  // the same with the key colour replaced
  QColor szin_;
  bool autoHeight_ = false;
  bool ujraElrendezes_ = true;
  int elrendezettSzelesseg_ = -1;
  int elrendezesek_ = 0;
  QElapsedTimer ora_;
};
