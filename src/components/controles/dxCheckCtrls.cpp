#include "components/controles/dxCheckCtrls.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>

#include "components/controles/dessin_gdi.h"
#include "platform/couleur_qt.h"

// The resources of a static library are registered by hand, once.
static void charger_ressources_controles() { Q_INIT_RESOURCE(controles); }

namespace {

constexpr int pas_case = 16;
constexpr int ecart_texte = 4;
const QColor lignes_xp(0, 56, 115);
const QColor lignes_office(255, 251, 247);
const QColor cadre_xp(24, 81, 132);
const QColor cadre_office_survol(0, 51, 102);
const QColor debut_normal(255, 255, 255);
const QColor fin_normal(239, 235, 231);
const QColor debut_enfonce(214, 207, 198);
const QColor fin_enfonce(235, 243, 247);
const QColor debut_chaud(255, 243, 206);
const QColor fin_chaud(231, 150, 0);
const QColor office_survol(181, 190, 214);
const QColor office_enfonce(153, 153, 204);
const QColor coche_xp(33, 166, 33);

// The check mark, black on nothing: the library's "CHECKBOX" picture.
const QImage& coche() {
  static const QImage image = [] {
    charger_ressources_controles();
    return QImage(QStringLiteral(":/controles/CHECKBOX.png")).convertToFormat(QImage::Format_ARGB32);
  }();
  return image;
}

QImage corps_case(const QColor& a, const QColor& b, bool dither) {
  const int cote = TdxCheckbox::cote_case - 2;
  return GradientBitmap(cote, cote, a, b, pas_case, gradient_vertical, dither);
}

}  // namespace

TdxCheckbox::TdxCheckbox(QWidget* parent) : QCheckBox(parent), TdxCustomControl(this) {
  resize(largeur_initiale, hauteur_initiale);
  setAttribute(Qt::WA_Hover);
}

void TdxCheckbox::SetBoundLines(TdxBoundLines valeur) {
  bound_lines_ = valeur;
  Repeindre();
}

void TdxCheckbox::SetSpacing(int valeur) {
  spacing_ = valeur;
  updateGeometry();
  Repeindre();
}

QRect TdxCheckbox::RectCase() const {
  return QRect(gauche_case, (height() - cote_case) / 2, cote_case, cote_case);
}

QSize TdxCheckbox::sizeHint() const {
  const QRect texte = DrawText(*this, nullptr, text(), dt::mesurer | dt::une_ligne, QRect(), true, true);
  return {cote_case + ecart_texte + spacing_ + texte.width() + ecart_texte,
          std::max(hauteur_initiale, texte.height() + 2)};
}

bool TdxCheckbox::hitButton(const QPoint& point) const { return rect().contains(point); }

void TdxCheckbox::dessiner_case(QPainter& peintre) const {
  const QRect boite = RectCase();
  const bool dessus = A(souris_dedans);
  const bool tenu = A(bouton_bas) && dessus;
  const bool xp = ThemeEffectif() == TdxTheme::WindowsXP;
  const QPoint interieur = boite.topLeft() + QPoint(1, 1);
  if (xp) {
    if (tenu) {
      peintre.drawImage(interieur, corps_case(debut_enfonce, fin_enfonce, true));
    } else if (dessus) {
      peintre.drawImage(interieur, corps_case(debut_chaud, fin_chaud, true));
      peintre.save();
      peintre.setClipRect(boite.adjusted(2, 2, -2, -2));
      peintre.drawImage(interieur + QPoint(1, 1), corps_case(debut_normal, fin_normal, false));
      peintre.restore();
    } else {
      peintre.drawImage(interieur, corps_case(debut_normal, fin_normal, false));
    }
  } else if (dessus) {
    peintre.fillRect(boite.adjusted(1, 1, -1, -1), tenu ? office_enfonce : office_survol);
  } else {
    peintre.drawImage(interieur, corps_case(debut_normal, fin_normal, false));
  }
  cadre_gdi(peintre, boite, !xp && dessus ? cadre_office_survol : cadre_xp);
  if (!isChecked()) return;
  const QColor marque = xp ? coche_xp : (tenu ? QColor(Qt::white) : QColor(Qt::black));
  const QImage& dessin = coche();
  const QPoint origine =
      boite.topLeft() + QPoint((cote_case - dessin.width()) / 2, (cote_case - dessin.height()) / 2);
  // The mark's black pixels in the mark's colour.
  for (int y = 0; y < dessin.height(); ++y) {
    for (int x = 0; x < dessin.width(); ++x) {
      if (qAlpha(dessin.pixel(x, y)) > 0) peintre.fillRect(QRect(origine + QPoint(x, y), QSize(1, 1)), marque);
    }
  }
}

void TdxCheckbox::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  // Under a parent, the parent's background shows through (its colour, or
  // whatever its style paints there); alone, the button face.
  if (parentWidget() == nullptr) peintre.fillRect(rect(), couleur_qt(couleur_face_bouton));
  DrawBoundLines(peintre, bound_lines_, ThemeEffectif() == TdxTheme::WindowsXP ? lignes_xp : lignes_office, rect());
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &peintre, this);
  }
  dessiner_case(peintre);
  const int gauche = cote_case + ecart_texte + spacing_;
  DrawAlignedText(*this, peintre, text(), QRect(gauche, 0, width() - gauche, height()), true, Qt::AlignLeft, true,
                  isEnabled());
}

void TdxCheckbox::enterEvent(QEnterEvent* evenement) {
  Poser(souris_dedans, true);
  QCheckBox::enterEvent(evenement);
}

void TdxCheckbox::leaveEvent(QEvent* evenement) {
  SourisSortie();
  QCheckBox::leaveEvent(evenement);
}

void TdxCheckbox::mousePressEvent(QMouseEvent* evenement) {
  BoutonPresse(evenement->button());
  QCheckBox::mousePressEvent(evenement);
}

void TdxCheckbox::mouseReleaseEvent(QMouseEvent* evenement) {
  BoutonRelache(evenement->button());
  QCheckBox::mouseReleaseEvent(evenement);
}

void TdxCheckbox::focusInEvent(QFocusEvent* evenement) {
  Poser(focus, true);
  QCheckBox::focusInEvent(evenement);
}

void TdxCheckbox::focusOutEvent(QFocusEvent* evenement) {
  Poser(focus, false);
  QCheckBox::focusOutEvent(evenement);
}

void TdxCheckbox::changeEvent(QEvent* evenement) {
  if (evenement->type() == QEvent::FontChange) updateGeometry();
  Repeindre();
  QCheckBox::changeEvent(evenement);
}
