#include "components/controles/dxContainer.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/couleur_qt.h"

TdxContainer::TdxContainer(QWidget* parent)
    : QWidget(parent), TdxCustomControl(this), bound_color_(couleur_grise), color_(couleur_face_bouton) {
  resize(largeur_initiale, hauteur_initiale);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

#define PRALINORE_PROPRIETE(Setter, champ, Type) \
  void TdxContainer::Setter(Type valeur) {       \
    champ = valeur;                              \
    ajuster();                                   \
  }
PRALINORE_PROPRIETE(SetAlignment, alignment_, Qt::Alignment)
PRALINORE_PROPRIETE(SetLayout, layout_, Qt::Alignment)
PRALINORE_PROPRIETE(SetBorderWidth, border_width_, int)
PRALINORE_PROPRIETE(SetBoundColor, bound_color_, std::int32_t)
PRALINORE_PROPRIETE(SetColor, color_, std::int32_t)
PRALINORE_PROPRIETE(SetBoundLines, bound_lines_, TdxBoundLines)
PRALINORE_PROPRIETE(SetShowBoundLines, show_bound_lines_, bool)
PRALINORE_PROPRIETE(SetCaption, caption_, const QString&)
PRALINORE_PROPRIETE(SetShowCaption, show_caption_, bool)
PRALINORE_PROPRIETE(SetWordWrap, word_wrap_, bool)
PRALINORE_PROPRIETE(SetSpacing, spacing_, int)
PRALINORE_PROPRIETE(SetGlyph, glyph_, const QImage&)
PRALINORE_PROPRIETE(SetGlyphLayout, glyph_layout_, TdxGlyphLayout)
#undef PRALINORE_PROPRIETE

QRect TdxContainer::InnerRect() const {
  return ::InnerRect(border_width_, show_bound_lines_, bound_lines_, rect());
}

// The children's room: the inner rectangle, right of the glyph.
void TdxContainer::ajuster() {
  const QRect interieur = InnerRect();
  const int glyphe = glyph_.isNull() ? 0 : glyph_.width();
  setContentsMargins(interieur.left() + glyphe, interieur.top(), width() - (interieur.left() + interieur.width()),
                     height() - (interieur.top() + interieur.height()));
  Repeindre();
}

void TdxContainer::SetEnabled(bool valeur) {
  if (valeur == enabled_) return;
  enabled_ = valeur;
  if (enabled_mode_ == TdxEnabledMode::emAffectChilds) {
    for (QWidget* enfant : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) enfant->setEnabled(valeur);
  }
  Repeindre();
  emit EnabledChanged();
}

void TdxContainer::mouseDoubleClickEvent(QMouseEvent* evenement) {
  emit DblClick();
  QWidget::mouseDoubleClickEvent(evenement);
}

void TdxContainer::resizeEvent(QResizeEvent* evenement) {
  QWidget::resizeEvent(evenement);
  emit Resize();
}

void TdxContainer::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  peintre.fillRect(rect(), couleur_qt(color_));
  if (show_bound_lines_ && bound_lines_ != 0) DrawBoundLines(peintre, bound_lines_, couleur_qt(bound_color_), rect());
  QRect r = InnerRect();
  emit Paint(r, &peintre, font());
  if (!glyph_.isNull()) {
    int y = r.top();
    if (glyph_layout_ == TdxGlyphLayout::glBottom) y = r.top() + r.height() - glyph_.height();
    if (glyph_layout_ == TdxGlyphLayout::glCenter) y = r.top() + (r.height() - glyph_.height()) / 2 + 1;
    peintre.drawImage(r.left(), y, glyph_);
    r.setLeft(r.left() + glyph_.width());
  }
  if (!show_caption_) return;
  r.adjust(spacing_, 1, -spacing_, -1);
  unsigned drapeaux = dt::tabulations | dt::points_de_suite | (word_wrap_ ? dt::coupure_mots : dt::une_ligne);
  const QRect mesure = DrawText(*this, nullptr, caption_, drapeaux | dt::mesurer, r, true, enabled_);
  // A caption wider than the room is drawn from the left.
  if (mesure.width() <= r.width()) {
    if (alignment_ & Qt::AlignRight) drapeaux |= dt::droite;
    if (alignment_ & Qt::AlignHCenter) drapeaux |= dt::centre;
  }
  const int bas = r.top() + r.height(), bas_mesure = mesure.top() + mesure.height();
  if (layout_ & Qt::AlignVCenter) r.translate(0, (bas - bas_mesure) / 2);
  if (layout_ & Qt::AlignBottom) r.translate(0, bas - bas_mesure);
  DrawText(*this, &peintre, caption_, drapeaux, r, true, enabled_);
}
