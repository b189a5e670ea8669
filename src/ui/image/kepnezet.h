// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rajz: the preview of the picture inside the scroll box. It is as large as
// the picture but draws only the part that is exposed, so a huge picture
// costs no more to refresh than what fits on the screen.

#include <QWidget>
#include <memory>

#include "ui/image/rajzolo.h"

class TKepNezet : public QWidget {
  Q_OBJECT

 public:
  explicit TKepNezet(QWidget* szulo = nullptr);
  ~TKepNezet() override;

  // Shows the picture `rajzolo` draws (none: an empty preview).
  void SetRajzolo(std::unique_ptr<TKepRajzolo> rajzolo);
  const TKepRajzolo* Rajzolo() const { return rajzolo_.get(); }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  std::unique_ptr<TKepRajzolo> rajzolo_;
};
