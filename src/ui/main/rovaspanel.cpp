// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/rovaspanel.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstring>
#include <exception>

#include "platform/qt/kodolas.h"

using namespace win1250::literals;

namespace {

// Windows virtual-key code of the keys the helper looks at; 0xFF for the rest
// (Qt's codes for "." and "-" equal those of Delete and Insert).
int VirtualisKod(const QKeyEvent* e) {
  const int k = e->key();
  if (k == Qt::Key_Delete) return kVkDelete;
  if (k == Qt::Key_Insert) return kVkInsert;
  if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
  return 0xFF;
}

// The character code a Windows edit control would receive for the key: -1 for
// none (navigation keys), -2 for a character Windows-1250 cannot hold.
int KarakterKod(const QKeyEvent* e) {
  const int k = e->key();
  const auto mod = e->modifiers();
  if (k == Qt::Key_Backspace) return 8;
  if (k == Qt::Key_Return || k == Qt::Key_Enter) return 13;
  if (k == Qt::Key_Tab) return 9;
  if (k == Qt::Key_Escape) return 27;
  if (k == Qt::Key_Delete) return -1;
  if ((mod & Qt::ControlModifier) && !(mod & Qt::AltModifier) && k >= Qt::Key_A && k <= Qt::Key_Z)
    return k - Qt::Key_A + 1;
  const QString t = e->text();
  if (t.isEmpty()) return -1;
  if (t.size() != 1) return -2;
  const int bajt = qtkodolas::Bajt(t.at(0));
  return bajt < 0 ? -2 : bajt;
}

}  // namespace

TRovasPanel::TRovasPanel(QWidget* szulo) : QPlainTextEdit(szulo), pMRovas2_(new QMenu(this)) {
  pMRovas2_->addAction(qtkodolas::ToQ("Beillesztés"_hu), this, &TRovasPanel::MIBeillesztes);
  mIUnicodeMasolas_ = pMRovas2_->addAction(qtkodolas::ToQ("Másolás Unicode rovásírással"_hu), this,
                                           &TRovasPanel::MIUnicodeMasolasClick);
  pMRovas2_->setToolTipsVisible(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Dropped text would bypass the helper.
  setAcceptDrops(false);
  // Any change but SetSzoveg's own makes its copy of the text stale.
  connect(document(), &QTextDocument::contentsChange, this, [this] {
    if (!sajatValtozas_) kiirtErvenyes_ = false;
  });
  // The Unicode copy has nothing to copy from an empty pane.
  connect(document(), &QTextDocument::contentsChanged, this, [this] {
    if (mIUnicodeMasolas_->isEnabled() == document()->isEmpty()) UnicodeMasolasFrissitese();
  });
  UnicodeMasolasFrissitese();
}

void TRovasPanel::SetUnicodeMasolas(const std::string& miert_nem) {
  unicodeAkadaly_ = miert_nem;
  UnicodeMasolasFrissitese();
}

void TRovasPanel::UnicodeMasolasFrissitese() {
  // An empty pane has nothing to copy.
  const std::string miert_nem = !unicodeAkadaly_.empty() ? unicodeAkadaly_
                                : document()->isEmpty()  ? std::string("Üres a rovás szöveg."_hu)
                                                         : std::string();
  mIUnicodeMasolas_->setEnabled(miert_nem.empty());
  mIUnicodeMasolas_->setToolTip(miert_nem.empty() ? mIUnicodeMasolas_->text()
                                                  : qtkodolas::ToQ(miert_nem));
}

std::string TRovasPanel::MasolandoSzoveg() const {
  const QTextCursor c = textCursor();
  if (!c.hasSelection()) return Szoveg();
  QString kijelolt = c.selectedText();
  kijelolt.replace(QChar::ParagraphSeparator, u'\n');
  return qtkodolas::FromQSorok(kijelolt);
}

void TRovasPanel::MenuMegnyitasa(const QPoint& hely) {
  UnicodeMasolasFrissitese();
  pMRovas2_->popup(hely);
}

std::string TRovasPanel::Szoveg() const { return qtkodolas::FromQSorok(toPlainText()); }

namespace {

// CR LF pairs in `s`: each is one character in the document.
size_t CrLfDb(std::string_view s) {
  size_t db = 0;
  for (size_t i = s.find("\r\n"); i != std::string_view::npos; i = s.find("\r\n", i + 2)) ++db;
  return db;
}

// How many of the first (or, with `hatulrol`, the last) `n` bytes of `a` and
// `b` agree; compared a block at a time, then byte by byte.
size_t Egyezo(std::string_view a, std::string_view b, size_t n, bool hatulrol) {
  const char* pa = hatulrol ? a.data() + a.size() - n : a.data();
  const char* pb = hatulrol ? b.data() + b.size() - n : b.data();
  constexpr size_t kBlokk = 1024;
  size_t k = 0;
  if (hatulrol) {
    while (k + kBlokk <= n && !std::memcmp(pa + n - k - kBlokk, pb + n - k - kBlokk, kBlokk))
      k += kBlokk;
    while (k < n && pa[n - 1 - k] == pb[n - 1 - k]) ++k;
  } else {
    while (k + kBlokk <= n && !std::memcmp(pa + k, pb + k, kBlokk)) k += kBlokk;
    while (k < n && pa[k] == pb[k]) ++k;
  }
  return k;
}

}  // namespace

// Live transliteration may set the whole text on every keystroke, but a
// keystroke changes only a little of it: only the characters between the
// common start and the common end are converted and replaced, so a long
// document is not laid out anew and the view stays where it was. The undo
// history is dropped either way.
void TRovasPanel::SetSzoveg(std::string szoveg) {
  const std::string regi = kiirtErvenyes_ ? std::move(kiirt_) : Szoveg();
  const size_t kozos = std::min(regi.size(), szoveg.size());
  size_t eleje = Egyezo(regi, szoveg, kozos, false);
  // A CR is one character with the LF after it: the common start must not split the pair.
  if (eleje > 0 && regi[eleje - 1] == '\r') --eleje;
  size_t vege = Egyezo(regi, szoveg, kozos - eleje, true);
  if (vege > 0 && szoveg[szoveg.size() - vege] == '\n') --vege;
  sajatValtozas_ = true;
  if (eleje == 0 && vege == 0) {
    setPlainText(qtkodolas::ToQSorok(szoveg));
  } else if (eleje < regi.size() || eleje < szoveg.size()) {
    const std::string_view r(regi);
    const size_t kezdet = eleje - CrLfDb(r.substr(0, eleje));
    const size_t veg = regi.size() - vege - CrLfDb(r.substr(0, regi.size() - vege));
    QTextDocument* d = document();
    d->setUndoRedoEnabled(false);
    QTextCursor c(d);
    c.setPosition(static_cast<int>(kezdet));
    c.setPosition(static_cast<int>(veg), QTextCursor::KeepAnchor);
    c.insertText(
        qtkodolas::ToQSorok(std::string_view(szoveg).substr(eleje, szoveg.size() - eleje - vege)));
    d->setUndoRedoEnabled(true);
  }
  sajatValtozas_ = false;
  kiirt_ = std::move(szoveg);
  kiirtErvenyes_ = true;
}

void TRovasPanel::SorokCsereje(size_t elso, size_t regi, const std::vector<std::string>& uj) {
  QTextDocument* d = document();
  QString szoveg;
  for (size_t i = 0; i < uj.size(); ++i) {
    if (i) szoveg += u'\n';
    szoveg += qtkodolas::ToQ(uj[i]);
  }
  const int e = static_cast<int>(elso);
  QTextCursor c(d);
  if (regi > 0) {
    const QTextBlock utolso = d->findBlockByNumber(e + static_cast<int>(regi) - 1);
    int kezdet = d->findBlockByNumber(e).position();
    int veg = utolso.position() + utolso.length() - 1;  // the end of its text
    if (uj.empty()) {                                   // the lines go with one line end
      if (utolso.next().isValid())
        veg = utolso.next().position();
      else if (kezdet > 0)
        --kezdet;
    }
    c.setPosition(kezdet);
    c.setPosition(veg, QTextCursor::KeepAnchor);
  } else if (e < d->blockCount()) {
    c.setPosition(d->findBlockByNumber(e).position());
    szoveg += u'\n';
  } else {
    c.movePosition(QTextCursor::End);
    szoveg.prepend(u'\n');
  }
  d->setUndoRedoEnabled(false);
  c.insertText(szoveg);
  d->setUndoRedoEnabled(true);
  kiirtErvenyes_ = false;
}

void TRovasPanel::keyPressEvent(QKeyEvent* e) {
  // Shift+F10 and the menu key open the context menu at the caret.
  if ((e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier) ||
      e->key() == Qt::Key_Menu) {
    MenuMegnyitasa(viewport()->mapToGlobal(cursorRect().bottomLeft()));
    return;
  }
  // Tab moves the focus on; Ctrl+Tab types a tab.
  const bool tab = e->key() == Qt::Key_Tab && e->modifiers() == Qt::ControlModifier;
  if (!segito_) {
    if (tab && !isReadOnly())
      Karakter('\t');
    else
      QPlainTextEdit::keyPressEvent(e);
    return;
  }
  try {
    TShift shift{.shift = (e->modifiers() & Qt::ShiftModifier) != 0,
                 .ctrl = (e->modifiers() & Qt::ControlModifier) != 0,
                 .alt = (e->modifiers() & Qt::AltModifier) != 0};
    if (segito_->MRovasKeyDown(VirtualisKod(e), shift)) return;
    const int kod = KarakterKod(e);
    if (kod == -1) {
      QPlainTextEdit::keyPressEvent(e);
      return;
    }
    if (kod == -2) return;
    const char k = segito_->MRovasKeyPress(static_cast<char>(kod));
    if (tab && k == '\t')
      Karakter(k);
    else if (k == static_cast<char>(kod))
      QPlainTextEdit::keyPressEvent(e);  // unchanged: the pane's own handling
    else if (k != 0)
      Karakter(k);
  } catch (const std::exception& hiba) {
    if (hibaJelzo_) hibaJelzo_(hiba.what());
  }
}

void TRovasPanel::contextMenuEvent(QContextMenuEvent* e) { MenuMegnyitasa(e->globalPos()); }

void TRovasPanel::insertFromMimeData(const QMimeData* forras) {
  if (!segito_ || !segito_->BeillesztestAtveszi()) {
    QPlainTextEdit::insertFromMimeData(forras);
    return;
  }
  try {
    segito_->RovasBeillesztes(qtkodolas::FromQSorok(forras->text()));
  } catch (const std::exception& hiba) {
    if (hibaJelzo_) hibaJelzo_(hiba.what());
  }
}

void TRovasPanel::TorlesBalra() {
  QTextCursor c = textCursor();
  c.deletePreviousChar();
  setTextCursor(c);
}

void TRovasPanel::TorlesJobbra() {
  QTextCursor c = textCursor();
  c.deleteChar();
  setTextCursor(c);
}

void TRovasPanel::Karakter(char ch) {
  const unsigned char k = static_cast<unsigned char>(ch);
  if (k == 8) {
    TorlesBalra();
  } else if (k == 13) {
    textCursor().insertText(QStringLiteral("\n"));
  } else if (k >= 32 || k == 9) {
    textCursor().insertText(QString(QChar(win1250::ToUnicode(k))));
  } else {
    // The command keys of an edit control, by their character code.
    switch (k) {
      case 1:  // Ctrl+A
        selectAll();
        break;
      case 3:  // Ctrl+C
        copy();
        break;
      case 24:  // Ctrl+X
        cut();
        break;
      case 25:  // Ctrl+Y
        redo();
        break;
      case 26:  // Ctrl+Z
        undo();
        break;
      default:
        break;
    }
  }
  ensureCursorVisible();
}

void TRovasPanel::KurzorBalra() {
  QTextCursor c = textCursor();
  if (c.hasSelection())
    c.setPosition(c.selectionStart());
  else
    c.movePosition(QTextCursor::PreviousCharacter);
  setTextCursor(c);
}

void TRovasPanel::SorVegere() {
  QTextCursor c = textCursor();
  c.movePosition(QTextCursor::EndOfBlock);
  setTextCursor(c);
}

void TRovasPanel::Beszuras(const std::string& szoveg) {
  textCursor().insertText(qtkodolas::ToQSorok(szoveg));
  ensureCursorVisible();
}

int TRovasPanel::KurzorSor() const { return textCursor().blockNumber(); }

int TRovasPanel::KurzorOszlop() const { return textCursor().positionInBlock(); }

bool TRovasPanel::Sor(int sor, std::string& szoveg) const {
  const QTextBlock blokk = document()->findBlockByNumber(sor);
  if (!blokk.isValid()) return false;
  szoveg = qtkodolas::FromQ(blokk.text());
  return true;
}

bool TRovasPanel::VanKijeloles() const { return textCursor().hasSelection(); }

void TRovasPanel::KijelolesNullazasa() {
  QTextCursor c = textCursor();
  c.clearSelection();
  setTextCursor(c);
}
