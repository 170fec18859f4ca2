#include "components/controles/dxButtons.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

#include "components/controles/dessin_gdi.h"
#include "components/controles/dxCoreUtils.h"
#include "platform/couleur_qt.h"

namespace {

constexpr int pas_corps = 64;
constexpr double rayon_coin = 2.5;
const QColor blanc(255, 255, 255);
const QColor fin_normal(239, 235, 231);
const QColor debut_enfonce(214, 207, 198);
const QColor fin_enfonce(235, 243, 247);
const QColor debut_surligne(206, 231, 255);
const QColor fin_surligne(109, 132, 239);
const QColor cadre_actif(0, 56, 115);
const QColor cadre_inactif(206, 199, 189);
const QColor bords_adoucis(123, 158, 173);
// Room around the caption in the preferred size.
constexpr int marge_largeur = 16;
constexpr int marge_hauteur = 6;
constexpr int retrait_focus = 3;
constexpr int cote_icone = 16;

QImage corps(int largeur, int hauteur, const QColor& a, const QColor& b) {
  return GradientBitmap(largeur, hauteur, a, b, pas_corps, gradient_vertical, true);
}

}  // namespace

TdxButton::TdxButton(QWidget* parent) : QPushButton(parent), TdxCustomControl(this) {
  resize(largeur_initiale, hauteur_initiale);
  setAttribute(Qt::WA_Hover);
}

#define PRALINORE_PROPRIETE(Setter, champ, Type) \
  void TdxButton::Setter(Type valeur) {          \
    champ = valeur;                              \
    Repeindre();                                 \
  }
PRALINORE_PROPRIETE(SetAutoGray, auto_gray_, bool)
PRALINORE_PROPRIETE(SetDefault, default_, bool)
PRALINORE_PROPRIETE(SetLayout, layout_, TdxLayout)
PRALINORE_PROPRIETE(SetShowAccelChar, show_accel_char_, bool)
PRALINORE_PROPRIETE(SetShowFocusRect, show_focus_rect_, bool)
PRALINORE_PROPRIETE(SetSmoothEdges, smooth_edges_, bool)
PRALINORE_PROPRIETE(SetSpacing, spacing_, int)
PRALINORE_PROPRIETE(SetWordWrap, word_wrap_, bool)
#undef PRALINORE_PROPRIETE

void TdxButton::SetGlyph(const QImage& valeur) {
  glyph_ = valeur;
  updateGeometry();
  Repeindre();
}

void TdxButton::SetAction(QAction* action) {
  disconnect(lien_action_);
  disconnect(clic_action_);
  action_ = action;
  if (action == nullptr) return;
  lien_action_ = connect(action, &QAction::changed, this, [this] { suivre_action(); });
  clic_action_ = connect(this, &QAbstractButton::clicked, action, [action] { action->trigger(); });
  suivre_action();
}

void TdxButton::suivre_action() {
  if (action_ == nullptr) return;
  setText(action_->text());
  setEnabled(action_->isEnabled());
  setToolTip(action_->toolTip());
  if (parentWidget() != nullptr) setVisible(action_->isVisible());
  Repeindre();
}

bool TdxButton::Surligne() const {
  const bool tenu = A(bouton_bas);
  return (tenu && !A(souris_dedans)) || (!tenu && (A(souris_dedans) || hasFocus())) || default_;
}

QImage TdxButton::glyphe_montre() const {
  QImage image = glyph_;
  if (action_ != nullptr && !action_->icon().isNull()) {
    image = action_->icon().pixmap(cote_icone, cote_icone).toImage();
  }
  if (!image.isNull() && auto_gray_ && !isEnabled()) image = GreyGlyph(image);
  return image;
}

QSize TdxButton::sizeHint() const {
  const QRect texte = DrawText(*this, nullptr, text(), dt::mesurer | dt::une_ligne, QRect(), show_accel_char_, true);
  const QImage glyphe = glyphe_montre();
  int largeur = texte.width() + marge_largeur;
  int hauteur = texte.height() + marge_hauteur;
  if (!glyphe.isNull()) {
    if (layout_ == TdxLayout::blGlyphLeft || layout_ == TdxLayout::blGlyphRight) {
      largeur += glyphe.width() + spacing_;
      hauteur = std::max(hauteur, glyphe.height() + marge_hauteur);
    } else {
      hauteur += glyphe.height() + spacing_;
    }
  }
  return {std::max(largeur, largeur_initiale), std::max(hauteur, hauteur_initiale)};
}

void TdxButton::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  const int w = width(), h = height();
  const int k = Surligne() ? 1 : 0;
  const bool enfonce = isDown();
  // Under a parent, the parent's background shows through (its colour, or
  // whatever its style paints there); alone, the button face.
  if (parentWidget() == nullptr) peintre.fillRect(rect(), couleur_qt(couleur_face_bouton));
  if (k == 1) peintre.drawImage(1, 1, corps(w - 2, h - 2, debut_surligne, fin_surligne));
  if (enfonce) {
    peintre.drawImage(1, 1, corps(w - 2, h - 2, debut_enfonce, fin_enfonce));
  } else {
    // The normal body inside the highlight ring, clipped to its place.
    const QRect place(2 * k + 1, 2 * k + 1, w - 6 * k, h - 6 * k);
    peintre.save();
    peintre.setClipRect(place.intersected(rect()));
    peintre.drawImage(place.topLeft(), corps(w - (k + 2), h - (k + 2), blanc, fin_normal));
    peintre.restore();
  }
  const QColor cadre = isEnabled() ? cadre_actif : cadre_inactif;
  peintre.setPen(cadre);
  peintre.setBrush(Qt::NoBrush);
  peintre.drawRoundedRect(QRectF(0, 0, w - 1, h - 1), rayon_coin, rayon_coin);
  if (smooth_edges_) {
    const QColor bords = isEnabled() ? bords_adoucis : cadre_inactif;
    ligne_gdi(peintre, {0, 1}, {2, 0}, bords);
    ligne_gdi(peintre, {w - 2, 0}, {w, 2}, bords);
    ligne_gdi(peintre, {0, h - 2}, {2, h}, bords);
    ligne_gdi(peintre, {w - 3, h}, {w, h - 3}, bords);
  }
  dessiner_legende(peintre, enfonce);
  if (show_focus_rect_ && hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect_gdi(retrait_focus, retrait_focus, w - retrait_focus, h - retrait_focus);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &peintre, this);
  }
}

// The caption and the glyph, centred together, one pixel right and down
// while pressed.
void TdxButton::dessiner_legende(QPainter& peintre, bool enfonce) const {
  const unsigned drapeaux = dt::points_de_suite | (word_wrap_ ? dt::coupure_mots : dt::une_ligne);
  QRect texte = DrawText(*this, nullptr, text(), drapeaux | dt::mesurer, QRect(0, 0, width(), height()),
                         show_accel_char_, isEnabled());
  const QImage glyphe = glyphe_montre();
  const bool a_cote = layout_ == TdxLayout::blGlyphLeft || layout_ == TdxLayout::blGlyphRight;
  QSize bloc = texte.size();
  if (!glyphe.isNull()) {
    bloc = a_cote ? QSize(bloc.width() + glyphe.width() + spacing_, std::max(bloc.height(), glyphe.height()))
                  : QSize(std::max(bloc.width(), glyphe.width()), bloc.height() + glyphe.height() + spacing_);
  }
  QPoint origine((width() - bloc.width()) / 2, (height() - bloc.height()) / 2);
  if (enfonce) origine += QPoint(1, 1);
  QRect rect_texte(origine, texte.size());
  if (!glyphe.isNull()) {
    QPoint place_glyphe = origine;
    switch (layout_) {
      case TdxLayout::blGlyphLeft:
        place_glyphe.ry() += (bloc.height() - glyphe.height()) / 2;
        rect_texte.moveTo(origine.x() + glyphe.width() + spacing_, origine.y() + (bloc.height() - texte.height()) / 2);
        break;
      case TdxLayout::blGlyphRight:
        place_glyphe = QPoint(origine.x() + texte.width() + spacing_, origine.y() + (bloc.height() - glyphe.height()) / 2);
        rect_texte.moveTop(origine.y() + (bloc.height() - texte.height()) / 2);
        break;
      case TdxLayout::blGlyphTop:
        place_glyphe.rx() += (bloc.width() - glyphe.width()) / 2;
        rect_texte.moveTo(origine.x() + (bloc.width() - texte.width()) / 2, origine.y() + glyphe.height() + spacing_);
        break;
      case TdxLayout::blGlyphBottom:
        place_glyphe = QPoint(origine.x() + (bloc.width() - glyphe.width()) / 2, origine.y() + texte.height() + spacing_);
        rect_texte.moveLeft(origine.x() + (bloc.width() - texte.width()) / 2);
        break;
    }
    peintre.drawImage(place_glyphe, glyphe);
  }
  DrawText(*this, &peintre, text(), drapeaux | dt::centre, rect_texte, show_accel_char_, isEnabled());
}

void TdxButton::enterEvent(QEnterEvent* evenement) {
  Poser(souris_dedans, true);
  QPushButton::enterEvent(evenement);
}

void TdxButton::leaveEvent(QEvent* evenement) {
  SourisSortie();
  QPushButton::leaveEvent(evenement);
}

void TdxButton::mousePressEvent(QMouseEvent* evenement) {
  BoutonPresse(evenement->button());
  QPushButton::mousePressEvent(evenement);
}

void TdxButton::mouseMoveEvent(QMouseEvent* evenement) {
  if (A(bouton_bas)) Poser(souris_dedans, rect().contains(evenement->position().toPoint()));
  QPushButton::mouseMoveEvent(evenement);
}

void TdxButton::mouseReleaseEvent(QMouseEvent* evenement) {
  BoutonRelache(evenement->button());
  QPushButton::mouseReleaseEvent(evenement);
}

void TdxButton::focusInEvent(QFocusEvent* evenement) {
  Poser(focus, true);
  QPushButton::focusInEvent(evenement);
}

void TdxButton::focusOutEvent(QFocusEvent* evenement) {
  Poser(focus, false);
  QPushButton::focusOutEvent(evenement);
}

void TdxButton::changeEvent(QEvent* evenement) {
  if (evenement->type() == QEvent::EnabledChange || evenement->type() == QEvent::FontChange) {
    updateGeometry();
    Repeindre();
  }
  QPushButton::changeEvent(evenement);
}
