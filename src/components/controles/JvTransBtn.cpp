#include "components/controles/JvTransBtn.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "components/controles/dessin_gdi.h"
#include "localisation/arrondis.h"
#include "platform/couleur_qt.h"

namespace {

constexpr int glyphes_max = 4;
enum IndiceGlyphe { glyphe_haut = 0, glyphe_desactive = 1, glyphe_bas = 2, glyphe_gris = 3 };
constexpr int cote_motif = 8;
// The light of a regular frame's inner edge.
const QColor gris_clair(223, 223, 223);
// Luminance weights of the grey images.
constexpr double poids_rouge = 0.299;
constexpr double poids_vert = 0.587;
constexpr double poids_bleu = 0.114;

QColor systeme(std::int32_t c) { return couleur_qt(c); }

// The face of a button held Down under the pointer: a checkerboard of white
// and button face.
QBrush motif_enfonce() {
  QImage motif(cote_motif, cote_motif, QImage::Format_RGB32);
  for (int y = 0; y < cote_motif; ++y) {
    for (int x = 0; x < cote_motif; ++x) {
      motif.setPixelColor(x, y, (x % 2) == (y % 2) ? QColor(Qt::white) : systeme(couleur_face_bouton));
    }
  }
  return QBrush(motif);
}

int luminance(QRgb p) { return Round(poids_rouge * qRed(p) + poids_vert * qGreen(p) + poids_bleu * qBlue(p)); }

}  // namespace

TJvTransparentButton::TJvTransparentButton(QWidget* parent)
    : QAbstractButton(parent), color_(couleur_face_bouton) {
  resize(cote_initial, cote_initial);
  setAttribute(Qt::WA_Hover);
  setMouseTracking(false);
}

#define PRALINORE_PROPRIETE(Setter, champ, Type) \
  void TJvTransparentButton::Setter(Type valeur) { \
    champ = valeur;                                \
    update();                                      \
  }
PRALINORE_PROPRIETE(SetAutoGray, auto_gray_, bool)
PRALINORE_PROPRIETE(SetBorderWidth, border_width_, int)
PRALINORE_PROPRIETE(SetColor, color_, std::int32_t)
PRALINORE_PROPRIETE(SetDown, down_, bool)
PRALINORE_PROPRIETE(SetFlat, flat_, bool)
PRALINORE_PROPRIETE(SetFrameStyle, frame_style_, TJvFrameStyle)
PRALINORE_PROPRIETE(SetOffset, offset_, int)
PRALINORE_PROPRIETE(SetShowPressed, show_pressed_, bool)
PRALINORE_PROPRIETE(SetSpacing, spacing_, int)
PRALINORE_PROPRIETE(SetTextAlign, text_align_, TJvTextAlign)
PRALINORE_PROPRIETE(SetTransparent, transparent_, bool)
PRALINORE_PROPRIETE(SetWordWrap, word_wrap_, bool)
#undef PRALINORE_PROPRIETE

void TJvTransparentButton::SetNumGlyphs(int valeur) {
  num_glyphs_ = std::clamp(valeur, 1, glyphes_max);
  update();
}

// A glyph as many times as wide as high holds that many images (one when
// that is more than four); a glyph of height 0 holds one and shows none.
void TJvTransparentButton::SetGlyph(const QImage& valeur) {
  glyph_ = valeur;
  if (glyph_.height() > 0 && glyph_.width() % glyph_.height() == 0) {
    const int nombre = glyph_.width() / glyph_.height();
    num_glyphs_ = nombre > glyphes_max || nombre < 1 ? 1 : nombre;
  } else {
    num_glyphs_ = 1;
  }
  update();
}

bool TJvTransparentButton::Enfonce() const { return presse_ || isDown() || down_; }

bool TJvTransparentButton::hitButton(const QPoint& point) const { return rect().contains(point); }

QImage TJvTransparentButton::image_etat(int indice) const {
  if (glyph_.isNull() || glyph_.height() <= 0) return {};
  const int largeur = glyph_.width() / num_glyphs_;
  return glyph_.copy(indice * largeur, 0, largeur, glyph_.height());
}

QImage TJvTransparentButton::image_grise() const {
  QImage image = image_etat(glyphe_haut).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      const int g = luminance(p);
      image.setPixel(x, y, qRgba(g, g, g, qAlpha(p)));
    }
  }
  return image;
}

// Grey, then embossed: a white copy one pixel right and down under a copy
// in the shadow colour, on the button face.
QImage TJvTransparentButton::image_desactivee() const {
  const QImage grise = image_grise();
  QImage resultat(grise.size(), QImage::Format_ARGB32);
  resultat.fill(Qt::transparent);
  QPainter peintre(&resultat);
  const auto silhouette = [&](const QColor& couleur) {
    QImage s = grise;
    for (int y = 0; y < s.height(); ++y) {
      for (int x = 0; x < s.width(); ++x) {
        const QRgb p = s.pixel(x, y);
        s.setPixel(x, y, qAlpha(p) > 0 && luminance(p) < 128 ? couleur.rgb() : qRgba(0, 0, 0, 0));
      }
    }
    return s;
  };
  peintre.drawImage(1, 1, silhouette(Qt::white));
  peintre.drawImage(0, 0, silhouette(systeme(couleur_ombre_bouton)));
  return resultat;
}

QImage TJvTransparentButton::ImageGlyphe() const {
  if (glyph_.isNull() || glyph_.height() <= 0) return {};
  if (!isEnabled()) return num_glyphs_ > glyphe_desactive ? image_etat(glyphe_desactive) : image_desactivee();
  if (Enfonce() && num_glyphs_ > glyphe_bas) return image_etat(glyphe_bas);
  if (auto_gray_ && !souris_dedans_) return num_glyphs_ > glyphe_gris ? image_etat(glyphe_gris) : image_grise();
  return image_etat(glyphe_haut);
}

void TJvTransparentButton::dessiner_cadre(QPainter& peintre) const {
  const bool bas = Enfonce();
  const bool haut_visible = !flat_ || souris_dedans_;
  const QColor lumiere = systeme(couleur_lumiere_bouton), ombre = systeme(couleur_ombre_bouton);
  const QColor face = systeme(couleur_face_bouton), sombre = systeme(couleur_ombre_3d), noir(Qt::black);
  const auto cadre = [&](const QColor& a, const QColor& b) { return cadre_3d(peintre, rect(), a, b, border_width_); };
  const auto double_cadre = [&](const QColor& a, const QColor& b, const QColor& c, const QColor& d) {
    cadre_3d(peintre, cadre(a, b), c, d, border_width_);
  };
  switch (frame_style_) {
    case TJvFrameStyle::fsRegular:
    case TJvFrameStyle::fsIndent:
      if (bas) {
        if (show_pressed_) double_cadre(noir, lumiere, ombre, face);
      } else if (haut_visible) {
        if (frame_style_ == TJvFrameStyle::fsRegular) double_cadre(lumiere, noir, gris_clair, ombre);
        else double_cadre(ombre, lumiere, lumiere, ombre);
      }
      break;
    case TJvFrameStyle::fsExplorer:
      if (bas && (souris_dedans_ || down_)) {
        if (show_pressed_) cadre(ombre, lumiere);
        else cadre(lumiere, ombre);
      } else if (souris_dedans_) {
        cadre(lumiere, ombre);
      }
      break;
    case TJvFrameStyle::fsNone:
      break;
    case TJvFrameStyle::fsLight:
    case TJvFrameStyle::fsDark:
    case TJvFrameStyle::fsMono: {
      const QColor clair = frame_style_ == TJvFrameStyle::fsLight  ? lumiere
                           : frame_style_ == TJvFrameStyle::fsDark ? face
                                                                   : lumiere;
      const QColor fonce = frame_style_ == TJvFrameStyle::fsLight ? ombre : sombre;
      if (bas) {
        if (show_pressed_) cadre(fonce, frame_style_ == TJvFrameStyle::fsDark ? face : clair);
      } else if (haut_visible) {
        cadre(clair, fonce);
      }
      break;
    }
  }
}

// Places the caption (and the glyph beside it) by TextAlign, each half
// rounded towards zero.
void TJvTransparentButton::dessiner_legende(QPainter& peintre, QRect zone) const {
  const QImage glyphe = ImageGlyphe();
  const QFontMetrics mesures(font());
  const int drapeaux = Qt::TextShowMnemonic | (word_wrap_ ? Qt::TextWordWrap : Qt::TextSingleLine);
  const QRect texte = text().isEmpty() ? QRect()
                                       : mesures.boundingRect(QRect(0, 0, word_wrap_ ? width() : 0, 0),
                                                              drapeaux, text());
  const int ecart = glyphe.isNull() || text().isEmpty() ? 0 : spacing_;
  const int largeur = texte.width() + glyphe.width() + ecart;
  const int hauteur = std::max(texte.height(), glyphe.height());
  int x = zone.width() / 2 - largeur / 2;
  int y = zone.height() / 2 - hauteur / 2;
  switch (text_align_) {
    case TJvTextAlign::ttaTopLeft: case TJvTextAlign::ttaLeft: case TJvTextAlign::ttaBottomLeft:
      x = spacing_;
      break;
    case TJvTextAlign::ttaTopRight: case TJvTextAlign::ttaRight: case TJvTextAlign::ttaBottomRight:
      x = zone.width() - spacing_ - largeur;
      break;
    default:
      break;
  }
  switch (text_align_) {
    case TJvTextAlign::ttaTopLeft: case TJvTextAlign::ttaTop: case TJvTextAlign::ttaTopRight:
      y = spacing_;
      break;
    case TJvTextAlign::ttaBottomLeft: case TJvTextAlign::ttaBottom: case TJvTextAlign::ttaBottomRight:
      y = zone.height() - spacing_ - hauteur;
      break;
    default:
      break;
  }
  if (Enfonce() && show_pressed_) {
    x += offset_;
    y += offset_;
  }
  if (!glyphe.isNull()) peintre.drawImage(x, y + (hauteur - glyphe.height()) / 2, glyphe);
  const QRect rect_texte(x + glyphe.width() + ecart, y + (hauteur - texte.height()) / 2, texte.width(),
                         texte.height());
  peintre.setFont(font());
  if (!isEnabled()) {
    peintre.setPen(systeme(couleur_lumiere_bouton));
    peintre.drawText(rect_texte.translated(1, 1), drapeaux | Qt::AlignHCenter, text());
    peintre.setPen(systeme(couleur_ombre_bouton));
  } else {
    peintre.setPen(palette().color(QPalette::ButtonText));
  }
  peintre.drawText(rect_texte, drapeaux | Qt::AlignHCenter, text());
}

void TJvTransparentButton::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  if (!transparent_) peintre.fillRect(rect(), systeme(color_));
  dessiner_cadre(peintre);
  if (down_ && souris_dedans_) {
    const int retrait = border_width_ + 1;
    peintre.fillRect(rect().adjusted(retrait, retrait, -retrait, -retrait), motif_enfonce());
  }
  dessiner_legende(peintre, rect());
}

void TJvTransparentButton::enterEvent(QEnterEvent* evenement) {
  if (isEnabled()) {
    souris_dedans_ = true;
    emit MouseEnter();
    if (flat_) update();
  }
  QAbstractButton::enterEvent(evenement);
}

void TJvTransparentButton::leaveEvent(QEvent* evenement) {
  if (souris_dedans_) {
    souris_dedans_ = false;
    emit MouseExit();
    if (flat_) update();
  }
  QAbstractButton::leaveEvent(evenement);
}

void TJvTransparentButton::mousePressEvent(QMouseEvent* evenement) {
  if (evenement->button() != Qt::LeftButton) {
    evenement->ignore();
    return;
  }
  presse_ = true;
  update();
  emit pressed();
  if (menu_ != nullptr) {
    menu_->exec(mapToGlobal(QPoint(0, height())));
    presse_ = false;
    update();
  }
  evenement->accept();
}

void TJvTransparentButton::mouseMoveEvent(QMouseEvent* evenement) {
  if (presse_ && !hitButton(evenement->position().toPoint())) {
    presse_ = false;
    update();
  }
  evenement->accept();
}

void TJvTransparentButton::mouseReleaseEvent(QMouseEvent* evenement) {
  if (evenement->button() != Qt::LeftButton) {
    evenement->ignore();
    return;
  }
  presse_ = false;
  update();
  emit released();
  if (hitButton(evenement->position().toPoint())) emit clicked(isChecked());
  evenement->accept();
}

void TJvTransparentButton::changeEvent(QEvent* evenement) {
  if (evenement->type() == QEvent::EnabledChange && !isEnabled()) {
    presse_ = false;
    souris_dedans_ = false;
    update();
  }
  QAbstractButton::changeEvent(evenement);
}
