#include "components/jvx/JvToolEdit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

constexpr int largeur_minimale_bouton = 2;
// Room around a default glyph in its button.
constexpr int marge_glyphe = 6;
constexpr int cote_point = 2;
constexpr int pas_points = 4;

bool est_entree(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

}  // namespace

QPoint PositionPopup(const QRect& edit, QSize popup, const QRect& ecran, TJvPopupAlign alignement) {
  const int bas_ecran = ecran.top() + ecran.height();
  const int droite_ecran = ecran.left() + ecran.width();
  int y = edit.top() + edit.height();
  if (y + popup.height() > bas_ecran) y = edit.top() - popup.height();
  int x = edit.left();
  if (alignement == TJvPopupAlign::epaRight) {
    x = edit.left() + edit.width() - popup.width();
    if (x < ecran.left()) x = edit.left();
  } else if (x + popup.width() > droite_ecran) {
    x = droite_ecran - popup.width();
  }
  x = std::max(ecran.left(), std::min(x, droite_ecran - popup.width()));
  y = std::max(ecran.top(), std::min(y, bas_ecran - popup.height()));
  return {x, y};
}

TJvPopupWindow::TJvPopupWindow(TJvCustomComboEdit* edit) : QFrame(edit, Qt::Popup), edit_(edit) {
  setFrameShape(QFrame::Box);
  setLineWidth(1);
  setAttribute(Qt::WA_ShowWithoutActivating);
  hide();
}

void TJvPopupWindow::CloseUp(bool accepter) { edit_->PopupCloseUp(accepter); }

void TJvPopupWindow::mousePressEvent(QMouseEvent* evenement) {
  if (rect().contains(evenement->position().toPoint())) {
    QFrame::mousePressEvent(evenement);
    return;
  }
  const QWidget* bouton = edit_->Button();
  const QPoint sur_bouton = bouton->mapFromGlobal(evenement->globalPosition().toPoint());
  if (bouton->isVisible() && bouton->rect().contains(sur_bouton)) {
    // The press that closes the pop-up must not reach the button and open it again.
    setAttribute(Qt::WA_NoMouseReplay);
    CloseUp(true);
    return;
  }
  CloseUp(false);
}

void TJvPopupWindow::keyPressEvent(QKeyEvent* evenement) { edit_->keyPressEvent(evenement); }

void TJvPopupWindow::hideEvent(QHideEvent* evenement) {
  QFrame::hideEvent(evenement);
  // Qt closes a pop-up by itself (a press outside, another window).
  if (edit_->PopupVisible()) edit_->PopupCloseUp(false);
}

TJvEditButton::TJvEditButton(TJvCustomComboEdit* edit) : TJvxSpeedButton(edit), edit_(edit) {
  setCursor(Qt::ArrowCursor);
  setFocusPolicy(Qt::NoFocus);
}

void TJvEditButton::SetKind(TJvGlyphKind kind) {
  kind_ = kind;
  update();
}

void TJvEditButton::mousePressEvent(QMouseEvent* evenement) {
  if (evenement->button() == Qt::LeftButton && edit_->PopupVisible()) {
    edit_->PopupCloseUp(true);
    avaler_clic_ = true;
    return;
  }
  if (evenement->button() == Qt::LeftButton && edit_->focusPolicy() != Qt::NoFocus) edit_->setFocus(Qt::MouseFocusReason);
  TJvxSpeedButton::mousePressEvent(evenement);
}

void TJvEditButton::mouseReleaseEvent(QMouseEvent* evenement) {
  if (avaler_clic_) {
    avaler_clic_ = false;
    return;
  }
  TJvxSpeedButton::mouseReleaseEvent(evenement);
}

void TJvEditButton::paintEvent(QPaintEvent* evenement) {
  TJvxSpeedButton::paintEvent(evenement);
  const QPoint decalage = State() == TJvButtonState::bsDown ? QPoint(1, 1) : QPoint();
  QPainter peintre(this);
  if (kind_ == TJvGlyphKind::gkDropDown) {
    QStyleOption option;
    option.initFrom(this);
    option.rect = rect().adjusted(3, 3, -3, -3).translated(decalage);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &peintre, this);
  } else if (kind_ == TJvGlyphKind::gkEllipsis) {
    const QColor couleur = palette().color(isEnabled() ? QPalette::ButtonText : QPalette::Dark);
    const QPoint centre = rect().center() + decalage;
    for (int i = -1; i <= 1; ++i) {
      peintre.fillRect(centre.x() + i * pas_points - cote_point / 2, centre.y() - cote_point / 2, cote_point, cote_point,
                       couleur);
    }
  }
}

TJvCustomComboEdit::TJvCustomComboEdit(QWidget* parent) : QLineEdit(parent), button_(new TJvEditButton(this)) {
  disabled_color_ = palette().color(QPalette::Active, QPalette::Base);
  disabled_text_color_ = palette().color(QPalette::Disabled, QPalette::Text);
  connect(button_, &TJvxSpeedButton::Click, this, &TJvCustomComboEdit::DoClick);
  PlacerBouton();
}

TJvCustomComboEdit::~TJvCustomComboEdit() = default;

bool TJvCustomComboEdit::PopupVisible() const { return popup_visible_; }

void TJvCustomComboEdit::SetDirectInput(bool valeur) {
  direct_input_ = valeur;
  AppliquerLectureSeule();
}

void TJvCustomComboEdit::SetReadOnly(bool valeur) {
  read_only_ = valeur;
  AppliquerLectureSeule();
}

void TJvCustomComboEdit::AppliquerLectureSeule() { QLineEdit::setReadOnly(read_only_ || !direct_input_); }

void TJvCustomComboEdit::SetGlyphKind(TJvGlyphKind valeur) {
  glyph_kind_ = valeur;
  button_->SetKind(valeur);
  if (valeur == TJvGlyphKind::gkDefault) {
    button_->SetGlyph(DefaultGlyph());
    const QSize image = button_->Glyph().TailleImage();
    if (!image.isEmpty()) button_width_ = std::max(button_width_, image.width() + marge_glyphe);
  } else if (valeur != TJvGlyphKind::gkCustom) {
    button_->SetGlyph(QImage());
    if (valeur == TJvGlyphKind::gkDropDown) button_width_ = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  }
  PlacerBouton();
}

void TJvCustomComboEdit::SetButtonWidth(int valeur) {
  button_width_ = valeur;
  PlacerBouton();
}

void TJvCustomComboEdit::SetGlyph(const QImage& glyph) {
  button_->SetGlyph(glyph);
  glyph_kind_ = TJvGlyphKind::gkCustom;
  button_->SetKind(glyph_kind_);
}

void TJvCustomComboEdit::SetNumGlyphs(int nombre) { button_->SetNumGlyphs(nombre); }

void TJvCustomComboEdit::SetButtonHint(const QString& hint) {
  button_hint_ = hint;
  button_->setToolTip(hint);
}

void TJvCustomComboEdit::SetDisabledColor(QColor couleur) {
  disabled_color_ = couleur;
  AppliquerCouleursInactives();
}

void TJvCustomComboEdit::SetDisabledTextColor(QColor couleur) {
  disabled_text_color_ = couleur;
  AppliquerCouleursInactives();
}

void TJvCustomComboEdit::AppliquerCouleursInactives() {
  QPalette p = palette();
  p.setColor(QPalette::Disabled, QPalette::Base, disabled_color_);
  p.setColor(QPalette::Disabled, QPalette::Text, disabled_text_color_);
  setPalette(p);
}

void TJvCustomComboEdit::PlacerBouton() {
  const bool visible = button_width_ >= largeur_minimale_bouton;
  const int cadre = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
  button_->setVisible(visible);
  if (visible) button_->setGeometry(width() - cadre - button_width_, cadre, button_width_, height() - 2 * cadre);
  setTextMargins(0, 0, visible ? button_width_ : 0, 0);
}

QRect TJvCustomComboEdit::ZoneTexte() const {
  const QMargins marges = textMargins();
  return rect().adjusted(0, 0, -marges.right(), 0);
}

void TJvCustomComboEdit::resizeEvent(QResizeEvent* evenement) {
  QLineEdit::resizeEvent(evenement);
  PlacerBouton();
}

void TJvCustomComboEdit::changeEvent(QEvent* evenement) {
  QLineEdit::changeEvent(evenement);
  if (evenement->type() == QEvent::EnabledChange) button_->setEnabled(isEnabled());
}

void TJvCustomComboEdit::DoClick() {
  emit ButtonClick();
  if (popup_ == nullptr) return;
  if (PopupVisible()) {
    PopupCloseUp(true);
  } else {
    PopupDropDown(true);
  }
}

QVariant TJvCustomComboEdit::ValeurPourPopup() const {
  return text().isEmpty() ? QVariant() : QVariant(text());
}

void TJvCustomComboEdit::PopupDropDown(bool desactiver_saisie) {
  if (popup_ == nullptr || read_only_ || PopupVisible()) return;
  const QRect ici(mapToGlobal(QPoint(0, 0)), size());
  const QScreen* ecran = screen();
  const QRect disponible = ecran != nullptr ? ecran->availableGeometry() : QRect(QPoint(), ici.bottomRight());
  popup_->move(PositionPopup(ici, popup_->size(), disponible, popup_align_));
  popup_->SetValue(ValeurPourPopup());
  if (focusPolicy() != Qt::NoFocus && isEnabled()) setFocus(Qt::OtherFocusReason);
  popup_visible_ = true;
  if (desactiver_saisie) QLineEdit::setReadOnly(true);
  popup_->setAttribute(Qt::WA_NoMouseReplay, false);
  popup_->show();
  popup_->raise();
}

void TJvCustomComboEdit::PopupCloseUp(bool accepter) {
  if (popup_ == nullptr || !popup_visible_) return;
  popup_visible_ = false;
  const QVariant valeur = popup_->GetValue();
  popup_->hide();
  AppliquerLectureSeule();
  update();
  if (accepter && AcceptPopup(valeur)) {
    AcceptValue(valeur);
    if (hasFocus()) selectAll();
  }
}

void TJvCustomComboEdit::AcceptValue(const QVariant& valeur) {
  const QString texte = valeur.toString();
  if (texte == text()) return;
  setText(texte);
  setModified(true);
  emit Change();
}

bool TJvCustomComboEdit::ClipboardAutorise(QKeyEvent* evenement) const {
  if (evenement->matches(QKeySequence::Copy)) return (clipboard_commands_ & caCopy) != 0;
  const bool saisie = direct_input_ && !read_only_;
  if (evenement->matches(QKeySequence::Cut)) return saisie && (clipboard_commands_ & caCut) != 0;
  if (evenement->matches(QKeySequence::Paste)) return saisie && (clipboard_commands_ & caPaste) != 0;
  if (evenement->matches(QKeySequence::Undo)) return (clipboard_commands_ & caUndo) != 0;
  return true;
}

void TJvCustomComboEdit::keyPressEvent(QKeyEvent* evenement) {
  if (QKeySequence(evenement->keyCombination()) == click_key_) {
    if (button_->isVisible()) DoClick();
    evenement->accept();
    return;
  }
  if (PopupVisible()) {
    if (!ClePopup(evenement)) {
      if (est_entree(evenement)) PopupCloseUp(true);
      if (evenement->key() == Qt::Key_Escape) PopupCloseUp(false);
    }
    evenement->accept();
    return;
  }
  if (!ClipboardAutorise(evenement)) {
    evenement->accept();
    return;
  }
  QLineEdit::keyPressEvent(evenement);
}

void TJvCustomComboEdit::focusInEvent(QFocusEvent* evenement) {
  has_focus_ = true;
  QLineEdit::focusInEvent(evenement);
}

void TJvCustomComboEdit::focusOutEvent(QFocusEvent* evenement) {
  QLineEdit::focusOutEvent(evenement);
  if (evenement->reason() == Qt::PopupFocusReason) return;
  has_focus_ = false;
  if (PopupVisible()) PopupCloseUp(false);
}
