#include "components/jvx/JvxCtrls.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "components/jvx/minuterie.h"
#include "components/utilitaires/JvVCLUtils.h"

namespace {

// The drop-down mark: rows of 7, 5 and 3 pixels and a one-pixel tip.
constexpr int rangees_marque[] = {7, 5, 3, 1};
constexpr int largeur_marque = 9;
constexpr int marge_texte = 1;

bool est_enfonce(TJvButtonState etat) { return etat == TJvButtonState::bsDown || etat == TJvButtonState::bsExclusive; }

}  // namespace

TJvxSpeedButton::TJvxSpeedButton(QWidget* parent) : QWidget(parent) {
  resize(taille_initiale, taille_initiale);
  setAttribute(Qt::WA_Hover);
  glyph_.SetPalette(palette());
}

TJvxSpeedButton::~TJvxSpeedButton() = default;

void TJvxSpeedButton::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TJvxSpeedButton::SetGlyph(const QImage& glyph) {
  glyph_.SetGlyph(glyph);
  update();
}

void TJvxSpeedButton::SetNumGlyphs(int nombre) {
  glyph_.SetNumGlyphs(nombre);
  update();
}

void TJvxSpeedButton::SetFlat(bool valeur) {
  flat_ = valeur;
  update();
}

void TJvxSpeedButton::SetFlatStandard(bool valeur) {
  flat_standard_ = valeur;
  update();
}

void TJvxSpeedButton::SetTransparent(bool valeur) {
  transparent_ = valeur;
  update();
}

void TJvxSpeedButton::SetMarkDropDown(bool valeur) {
  mark_drop_down_ = valeur;
  update();
}

void TJvxSpeedButton::SetGrayedInactive(bool valeur) {
  grayed_inactive_ = valeur;
  update();
}

void TJvxSpeedButton::SetGrayNewStyle(bool valeur) {
  glyph_.SetGrayNewStyle(valeur);
  update();
}

void TJvxSpeedButton::SetLayout(TButtonLayout valeur) {
  layout_ = valeur;
  update();
}

void TJvxSpeedButton::SetMargin(int valeur) {
  margin_ = valeur;
  update();
}

void TJvxSpeedButton::SetSpacing(int valeur) {
  spacing_ = valeur;
  update();
}

void TJvxSpeedButton::SetAlignment(Qt::Alignment valeur) {
  alignment_ = valeur;
  update();
}

void TJvxSpeedButton::SetWordWrap(bool valeur) {
  word_wrap_ = valeur;
  update();
}

void TJvxSpeedButton::SetAllowTimer(bool valeur) {
  allow_timer_ = valeur;
  if (!valeur && repeat_timer_) repeat_timer_->Arreter();
}

void TJvxSpeedButton::SetGroupIndex(int valeur) {
  group_index_ = valeur;
  // Outside a group a button is never down.
  if (valeur == 0 && down_) {
    down_ = false;
    DefinirEtat(EtatRelache());
  }
}

void TJvxSpeedButton::DefinirEtat(TJvButtonState etat) {
  if (etat == state_) return;
  state_ = etat;
  update();
}

TJvButtonState TJvxSpeedButton::EtatRelache() const {
  if (!isEnabled()) return TJvButtonState::bsDisabled;
  return down_ ? TJvButtonState::bsExclusive : TJvButtonState::bsUp;
}

void TJvxSpeedButton::SetDown(bool valeur) {
  if (group_index_ == 0) valeur = false;
  if (valeur == down_) return;
  if (down_ && !allow_all_up_) return;
  down_ = valeur;
  if (!dragging_) DefinirEtat(EtatRelache());
  if (valeur) GroupeRelache();
  update();
}

// The other buttons of the same group and parent go up.
void TJvxSpeedButton::GroupeRelache() {
  if (parentWidget() == nullptr) return;
  for (auto* frere : parentWidget()->findChildren<TJvxSpeedButton*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (frere == this || frere->group_index_ != group_index_ || !frere->down_) continue;
    frere->down_ = false;
    frere->DefinirEtat(frere->EtatRelache());
  }
}

bool TJvxSpeedButton::Dessus(QPoint point) const {
  return point.x() >= 0 && point.x() < width() && point.y() >= 0 && point.y() <= height();
}

void TJvxSpeedButton::mousePressEvent(QMouseEvent* evenement) {
  if (evenement->button() != Qt::LeftButton || !isEnabled()) {
    QWidget::mousePressEvent(evenement);
    return;
  }
  menu_tracking_ = false;
  if (!down_) DefinirEtat(TJvButtonState::bsDown);
  dragging_ = true;
  if (drop_down_menu_ != nullptr) {
    MontrerMenu();
    return;
  }
  if (allow_timer_) {
    if (!repeat_timer_) {
      repeat_timer_ = nouvelle_minuterie();
      repeat_timer_->echeance = [this] { TicRepetition(); };
    }
    repeat_timer_->Demarrer(init_pause_);
  }
}

void TJvxSpeedButton::mouseDoubleClickEvent(QMouseEvent* evenement) { mousePressEvent(evenement); }

// The menu opens below or to the right; the press ends there, as a release
// that raises no click.
void TJvxSpeedButton::MontrerMenu() {
  menu_tracking_ = true;
  const QPoint coin = menu_position_ == TJvDropDownMenuPos::dmpBottom ? QPoint(0, height()) : QPoint(width(), 0);
  drop_down_menu_->popup(mapToGlobal(coin));
  dragging_ = false;
  DefinirEtat(EtatRelache());
}

void TJvxSpeedButton::mouseMoveEvent(QMouseEvent* evenement) {
  if (!dragging_) return;
  const TJvButtonState etat = Dessus(evenement->position().toPoint()) ? TJvButtonState::bsDown : EtatRelache();
  DefinirEtat(etat);
}

void TJvxSpeedButton::mouseReleaseEvent(QMouseEvent* evenement) {
  if (evenement->button() != Qt::LeftButton) return;
  if (menu_tracking_) {
    menu_tracking_ = false;
    return;
  }
  if (!dragging_) return;
  dragging_ = false;
  if (repeat_timer_) repeat_timer_->Arreter();
  const bool dessus = Dessus(evenement->position().toPoint());
  if (group_index_ != 0 && dessus) SetDown(!down_);
  DefinirEtat(EtatRelache());
  if (dessus) emit Click();
}

void TJvxSpeedButton::TicRepetition() {
  repeat_timer_->Demarrer(repeat_interval_);
  if (state_ == TJvButtonState::bsDown && dragging_) emit Click();
}

void TJvxSpeedButton::ButtonClick() {
  DefinirEtat(TJvButtonState::bsDown);
  if (!click_timer_) {
    click_timer_ = nouvelle_minuterie();
    click_timer_->echeance = [this] {
      click_timer_->Arreter();
      if (!dragging_) DefinirEtat(EtatRelache());
    };
  }
  click_timer_->Demarrer(duree_clic_code);
  if (group_index_ != 0) SetDown(!down_);
  emit Click();
}

void TJvxSpeedButton::enterEvent(QEnterEvent* evenement) {
  QWidget::enterEvent(evenement);
  if (!isEnabled() || !IsForegroundTask() || mouse_inside_) return;
  mouse_inside_ = true;
  if (flat_) update();
  emit MouseEnter();
}

void TJvxSpeedButton::leaveEvent(QEvent* evenement) {
  QWidget::leaveEvent(evenement);
  if (!mouse_inside_) return;
  mouse_inside_ = false;
  if (flat_) update();
  emit MouseLeave();
}

void TJvxSpeedButton::changeEvent(QEvent* evenement) {
  QWidget::changeEvent(evenement);
  if (evenement->type() == QEvent::EnabledChange) {
    if (!isEnabled()) mouse_inside_ = false;
    DefinirEtat(EtatRelache());
  } else if (evenement->type() == QEvent::PaletteChange) {
    glyph_.SetPalette(palette());
  }
}

QString TJvxSpeedButton::CaptionAffichee() const {
  int place = width() - 2 * (marge_texte + 1);
  const bool horizontal = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
  if (!glyph_.Glyph().isNull() && horizontal) place -= glyph_.TailleImage().width() + spacing_;
  if (mark_drop_down_) place -= largeur_marque;
  if (word_wrap_) return caption_;
  QStringList lignes = caption_.split(QLatin1Char('\n'));
  for (QString& ligne : lignes) ligne = ShortenString(fontMetrics(), ligne, place);
  return lignes.join(QLatin1Char('\n'));
}

void TJvxSpeedButton::PeindreCadre(QPainter& peintre, QRect& zone) {
  const QPalette& p = palette();
  const bool enfonce = est_enfonce(state_);
  const bool montre = !flat_ || flat_standard_ || mouse_inside_ || enfonce;
  if (montre) {
    const QColor haut = enfonce ? p.color(QPalette::Dark) : p.color(QPalette::Light);
    const QColor bas = enfonce ? p.color(QPalette::Light) : p.color(QPalette::Dark);
    peintre.setPen(haut);
    peintre.drawLine(zone.topLeft(), zone.topRight());
    peintre.drawLine(zone.topLeft(), zone.bottomLeft());
    peintre.setPen(bas);
    peintre.drawLine(zone.bottomLeft(), zone.bottomRight());
    peintre.drawLine(zone.topRight(), zone.bottomRight());
    if (!flat_ && !flat_standard_) {
      peintre.setPen(enfonce ? p.color(QPalette::Shadow) : p.color(QPalette::Mid));
      const QRect interieur = zone.adjusted(1, 1, -1, -1);
      peintre.drawLine(interieur.bottomLeft(), interieur.bottomRight());
      peintre.drawLine(interieur.topRight(), interieur.bottomRight());
    }
  }
  zone.adjust(1, 1, -1, -1);
  if (state_ == TJvButtonState::bsExclusive) {
    peintre.fillRect(zone, QBrush(p.color(QPalette::Light), Qt::Dense4Pattern));
  }
}

void TJvxSpeedButton::PeindreMarque(QPainter& peintre, QRect zone, QPoint decalage) {
  const QColor couleur = palette().color(QPalette::ButtonText);
  const int x_centre = zone.right() - largeur_marque / 2 + decalage.x();
  int y = zone.center().y() - 2 + decalage.y();
  const auto rangees = [&](QColor c, QPoint d) {
    peintre.setPen(c);
    int yy = y + d.y();
    for (const int n : rangees_marque) {
      peintre.drawLine(x_centre - n / 2 + d.x(), yy, x_centre + n / 2 + d.x(), yy);
      ++yy;
    }
  };
  if (isEnabled()) {
    rangees(couleur, {});
  } else {
    rangees(palette().color(QPalette::Light), {1, 1});
    rangees(palette().color(QPalette::Dark), {});
  }
}

TJvxSpeedButton::Disposition TJvxSpeedButton::Disposer(QRect place, QSize glyphe, QSize texte) const {
  const bool horizontal = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
  const bool glyphe_apres = layout_ == TButtonLayout::blGlyphRight || layout_ == TButtonLayout::blGlyphBottom;
  const int ecart = (glyphe.isEmpty() || texte.isEmpty()) ? 0 : spacing_;
  // Lengths along the layout's axis, and the room there.
  const int long_glyphe = horizontal ? glyphe.width() : glyphe.height();
  const int long_texte = horizontal ? texte.width() : texte.height();
  const int place_axe = horizontal ? place.width() : place.height();
  const int bloc = long_glyphe + ecart + long_texte;
  int debut = margin_ < 0 ? (place_axe - bloc) / 2 : margin_;
  if (margin_ >= 0 && glyphe_apres) debut = place_axe - margin_ - bloc;
  const int pos_glyphe = glyphe_apres ? debut + long_texte + ecart : debut;
  const int pos_texte = glyphe_apres ? debut : debut + long_glyphe + ecart;
  Disposition d;
  if (horizontal) {
    d.glyphe = QPoint(place.left() + pos_glyphe, place.top() + (place.height() - glyphe.height()) / 2);
    d.texte = QRect(place.left() + pos_texte, place.top(), texte.width(), place.height());
  } else {
    d.glyphe = QPoint(place.left() + (place.width() - glyphe.width()) / 2, place.top() + pos_glyphe);
    d.texte = QRect(place.left(), place.top() + pos_texte, place.width(), texte.height());
  }
  return d;
}

QPoint TJvxSpeedButton::PositionGlyphe() const {
  const QRect zone = rect().adjusted(1, 1, -2, -2);
  const QRect place = zone.adjusted(0, 0, mark_drop_down_ ? -largeur_marque : 0, 0);
  const QString texte = CaptionAffichee();
  const QSize taille_texte = texte.isEmpty() ? QSize(0, 0) : fontMetrics().size(0, texte);
  return Disposer(place, glyph_.Glyph().isNull() ? QSize(0, 0) : glyph_.TailleImage(), taille_texte).glyphe;
}

void TJvxSpeedButton::PeindreContenu(QPainter& peintre, QRect zone) {
  const QPoint decalage = est_enfonce(state_) ? QPoint(1, 1) : QPoint();
  const QString texte = CaptionAffichee();
  const QSize glyphe = glyph_.Glyph().isNull() ? QSize(0, 0) : glyph_.TailleImage();
  const QRect place = zone.adjusted(0, 0, mark_drop_down_ ? -largeur_marque : 0, 0);
  const int retour = word_wrap_ ? Qt::TextWordWrap : 0;
  const QSize taille_texte =
      texte.isEmpty() ? QSize(0, 0) : fontMetrics().boundingRect(place, Qt::AlignCenter | retour, texte).size();
  const Disposition d = Disposer(place, glyphe, taille_texte);
  if (!glyphe.isEmpty()) {
    TJvButtonState etat = state_;
    if (grayed_inactive_ && flat_ && !mouse_inside_ && isEnabled()) etat = TJvButtonState::bsInactive;
    glyph_.Draw(peintre, d.glyphe + decalage, etat);
  }
  if (!texte.isEmpty()) {
    const QRect cible = d.texte.translated(decalage);
    const int drapeaux = static_cast<int>(alignment_) | Qt::AlignVCenter | retour;
    if (isEnabled()) {
      peintre.setPen(palette().color(QPalette::ButtonText));
      peintre.drawText(cible, drapeaux, texte);
    } else {
      peintre.setPen(palette().color(QPalette::Light));
      peintre.drawText(cible.translated(1, 1), drapeaux, texte);
      peintre.setPen(palette().color(QPalette::Dark));
      peintre.drawText(cible, drapeaux, texte);
    }
  }
  if (mark_drop_down_) PeindreMarque(peintre, zone, decalage);
}

void TJvxSpeedButton::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  peintre.setFont(font());
  // Qt paints the parent under a child without background of its own: a
  // transparent button just leaves its face unpainted.
  if (!transparent_) peintre.fillRect(rect(), palette().color(QPalette::Button));
  QRect zone = rect().adjusted(0, 0, -1, -1);
  PeindreCadre(peintre, zone);
  PeindreContenu(peintre, zone);
}
