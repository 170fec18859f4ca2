#include "components/controles/JvSpecialProgress.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>

#include "components/controles/dessin_gdi.h"
#include "localisation/arrondis.h"
#include "localisation/format.h"
#include "platform/couleur_qt.h"
#include "platform/texte_qt.h"

namespace {

constexpr int cent = 100;
// Blocks are two thirds of the bar's height wide.
constexpr int bloc_numerateur = 2;
constexpr int bloc_denominateur = 3;
// Below this size the bar shows nothing.
constexpr int cote_minimal = 3;

// (valeur - bas) * facteur / (haut - bas) in 64 bits, truncated; 0 on an
// empty range.
int proportion(int valeur, int bas, int haut, int facteur) {
  if (haut == bas) return 0;
  return static_cast<int>((static_cast<std::int64_t>(valeur) - bas) * facteur /
                          (static_cast<std::int64_t>(haut) - bas));
}

}  // namespace

TJvSpecialProgress::TJvSpecialProgress(QWidget* parent)
    : QWidget(parent),
      start_color_(couleur_blanche),
      end_color_(couleur_noire),
      color_(couleur_face_bouton),
      hint_color_(couleur_fond_conseil) {
  resize(largeur_initiale, hauteur_initiale);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TJvSpecialProgress::SetMaximum(int valeur) {
  valeur = std::max(valeur, minimum_);
  if (valeur == maximum_) return;
  maximum_ = valeur;
  position_ = std::clamp(position_, minimum_, maximum_);
  modifie();
}

void TJvSpecialProgress::SetMinimum(int valeur) {
  valeur = std::min(valeur, maximum_);
  if (valeur == minimum_) return;
  minimum_ = valeur;
  position_ = std::clamp(position_, minimum_, maximum_);
  modifie();
}

void TJvSpecialProgress::SetPosition(int valeur) {
  valeur = std::clamp(valeur, minimum_, maximum_);
  if (valeur == position_) return;
  position_ = valeur;
  modifie();
}

void TJvSpecialProgress::SetSolid(bool valeur) {
  if (valeur == solid_) return;
  solid_ = valeur;
  modifie();
}

void TJvSpecialProgress::SetGradientBlocks(bool valeur) {
  if (valeur == gradient_blocks_) return;
  gradient_blocks_ = valeur;
  modifie();
}

void TJvSpecialProgress::SetTextCentered(bool valeur) {
  if (valeur == text_centered_) return;
  text_centered_ = valeur;
  modifie();
}

void TJvSpecialProgress::SetTextOption(TJvTextOption valeur) {
  if (valeur == text_option_) return;
  text_option_ = valeur;
  modifie();
}

void TJvSpecialProgress::SetBorderStyle(TJvBorderStyle valeur) {
  if (valeur == border_style_) return;
  border_style_ = valeur;
  modifie();
}

void TJvSpecialProgress::SetStartColor(std::int32_t valeur) {
  if (valeur == start_color_) return;
  start_color_ = valeur;
  modifie();
}

void TJvSpecialProgress::SetEndColor(std::int32_t valeur) {
  if (valeur == end_color_) return;
  end_color_ = valeur;
  modifie();
}

void TJvSpecialProgress::SetColor(std::int32_t valeur) {
  if (valeur == color_) return;
  color_ = valeur;
  modifie();
}

void TJvSpecialProgress::SetCaption(const QString& valeur) {
  if (valeur == caption_) return;
  caption_ = valeur;
  modifie();
}

int TJvSpecialProgress::Pourcentage() const { return proportion(position_, minimum_, maximum_, cent); }

QString TJvSpecialProgress::Texte() const {
  switch (text_option_) {
    case TJvTextOption::toCaption:
      return caption_;
    case TJvTextOption::toFormat:
      return depuis_1252(Format(vers_1252(caption_), {Pourcentage()}));
    case TJvTextOption::toPercent:
      return depuis_1252(Format("%d%%", {Pourcentage()}));
    case TJvTextOption::toNoText:
      break;
  }
  return {};
}

// Every change redraws the whole bar: it is small.
void TJvSpecialProgress::modifie() {
  calculer_rempli();
  redessiner();
  update();
}

void TJvSpecialProgress::calculer_rempli() {
  rempli_ = 0;
  blocs_ = 0;
  bloc_partiel_ = false;
  largeur_partielle_ = 0;
  largeur_bloc_ = height() * bloc_numerateur / bloc_denominateur;
  const int interieur = width() - 2;
  if (maximum_ == minimum_ || interieur < 0) return;
  const int rempli = proportion(position_, minimum_, maximum_, interieur);
  if (solid_) {
    rempli_ = rempli;
    return;
  }
  if (largeur_bloc_ <= 0) return;
  const int entiers = rempli / largeur_bloc_;
  const int reste = std::min(interieur - entiers * largeur_bloc_, largeur_bloc_);
  // Less than half a block past the last whole one rounds down.
  if (reste >= 2 * (rempli % largeur_bloc_)) {
    blocs_ = entiers;
    rempli_ = entiers * largeur_bloc_;
    return;
  }
  blocs_ = entiers + 1;
  bloc_partiel_ = reste < largeur_bloc_;
  largeur_partielle_ = bloc_partiel_ ? reste : 0;
  rempli_ = bloc_partiel_ ? interieur : blocs_ * largeur_bloc_;
}

QColor TJvSpecialProgress::couleur_colonne(int colonne) const {
  const QColor debut = couleur_qt(start_color_);
  const QColor fin = couleur_qt(end_color_);
  const auto canal = [&](int a, int b) {
    return std::clamp(Round(a + static_cast<double>(colonne) * (b - a) / std::max(rempli_, 1)), 0, 255);
  };
  return QColor(canal(debut.red(), fin.red()), canal(debut.green(), fin.green()), canal(debut.blue(), fin.blue()));
}

void TJvSpecialProgress::redessiner() {
  if (width() <= 0 || height() <= 0) return;
  image_ = QImage(size(), QImage::Format_RGB32);
  image_.fill(couleur_qt(color_));
  QPainter peintre(&image_);
  if (solid_) {
    dessiner_plein(peintre);
  } else {
    dessiner_blocs(peintre);
  }
  if (rempli_ + 1 < width() - 1) {
    peintre.fillRect(rect_gdi(rempli_ + 1, 1, width() - 1, height() - 1), couleur_qt(color_));
  }
  dessiner_texte(peintre);
  dessiner_bord(peintre);
}

void TJvSpecialProgress::dessiner_plein(QPainter& peintre) const {
  if (rempli_ <= 0) return;
  if (start_color_ == end_color_) {
    peintre.fillRect(rect_gdi(1, 1, rempli_ + 1, height() - 1), couleur_qt(start_color_));
    return;
  }
  for (int x = 1; x <= rempli_; ++x) peintre.fillRect(rect_gdi(x, 1, x + 1, height() - 1), couleur_colonne(x - 1));
}

void TJvSpecialProgress::dessiner_blocs(QPainter& peintre) const {
  if (rempli_ <= 0 || largeur_bloc_ <= 0) return;
  const int entiers = blocs_ - (bloc_partiel_ ? 1 : 0);
  const auto bloc = [&](int indice, int largeur) {
    const int debut = indice * largeur_bloc_;
    for (int c = 0; c < largeur; ++c) {
      const QColor couleur = gradient_blocks_ ? couleur_colonne(debut + c) : couleur_colonne(debut);
      peintre.fillRect(rect_gdi(1 + debut + c, 1, 2 + debut + c, height() - 1), couleur);
    }
  };
  for (int k = 0; k < entiers; ++k) {
    bloc(k, largeur_bloc_ - 1);
    const int ecart = k * largeur_bloc_ + largeur_bloc_;
    peintre.fillRect(rect_gdi(ecart, 1, ecart + 1, height() - 1), couleur_qt(color_));
  }
  if (bloc_partiel_) bloc(entiers, largeur_partielle_);
}

void TJvSpecialProgress::dessiner_texte(QPainter& peintre) const {
  const QString texte = Texte();
  if (texte.isEmpty()) return;
  const QFontMetrics mesures(font());
  const int largeur = text_centered_ ? width() : rempli_;
  const int x = std::max(0, (largeur - mesures.horizontalAdvance(texte)) / 2);
  const int y = std::max(0, (height() - mesures.height()) / 2);
  peintre.setFont(font());
  peintre.setPen(palette().color(QPalette::WindowText));
  peintre.drawText(QPoint(x, y + mesures.ascent()), texte);
}

void TJvSpecialProgress::dessiner_bord(QPainter& peintre) const {
  const QRect tout = rect();
  if (border_style_ == TJvBorderStyle::bsNone) {
    cadre_gdi(peintre, tout, couleur_qt(color_));
    return;
  }
  QRect r = cadre_3d(peintre, tout, couleur_qt(couleur_face_bouton), couleur_qt(couleur_face_bouton), 1);
  r = cadre_3d(peintre, r, couleur_qt(couleur_ombre_bouton), couleur_qt(couleur_lumiere_bouton), 1);
  cadre_3d(peintre, r, couleur_qt(couleur_ombre_3d), couleur_qt(couleur_face_bouton), 1);
}

void TJvSpecialProgress::paintEvent(QPaintEvent*) {
  if (image_.size() != size()) {
    calculer_rempli();
    redessiner();
  }
  if (width() < cote_minimal || height() < cote_minimal) return;
  QPainter(this).drawImage(0, 0, image_);
}

void TJvSpecialProgress::resizeEvent(QResizeEvent*) {
  calculer_rempli();
  redessiner();
}

void TJvSpecialProgress::changeEvent(QEvent* evenement) {
  if (evenement->type() == QEvent::FontChange || evenement->type() == QEvent::PaletteChange) modifie();
  QWidget::changeEvent(evenement);
}

void TJvSpecialProgress::enterEvent(QEnterEvent* evenement) {
  conseils_.entrer(hint_color_);
  emit MouseEnter();
  QWidget::enterEvent(evenement);
}

void TJvSpecialProgress::leaveEvent(QEvent* evenement) {
  conseils_.sortir();
  emit MouseLeave();
  QWidget::leaveEvent(evenement);
}
