#include "components/controles/dxCoreUtils.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <random>

#include "components/controles/dessin_gdi.h"
#include "localisation/arrondis.h"
#include "platform/couleur_qt.h"

namespace {

// The dither is drawn in a strip this wide across the gradient, then copied
// along it.
constexpr int largeur_bande_tramee = 16;
constexpr int gris_ajoute = 100;

bool directe(int direction) { return direction == 0 || direction == 1; }
bool le_long_de_x(int direction) { return direction == 0 || direction == 2; }

int canal(int debut, int fin, int i, int pas) {
  return std::clamp(debut + Round(static_cast<double>(i) * (fin - debut) / (pas - 1)), 0, 255);
}

// The seed of a picture's dither: its size alone.
std::uint32_t graine(int largeur, int hauteur) {
  return static_cast<std::uint32_t>(largeur) * 65599u + static_cast<std::uint32_t>(hauteur);
}

// Bands and dither in a picture whose x axis runs along the gradient and
// whose height is `travers`.
QImage bandes(int etendue, int travers, const std::vector<QColor>& couleurs, bool dither, std::uint32_t germe,
              bool lignes_entieres) {
  const int pas = static_cast<int>(couleurs.size());
  QImage image(etendue, travers, QImage::Format_RGB32);
  image.fill(couleurs.front());
  QPainter peintre(&image);
  for (int i = 0; i < pas; ++i) {
    const int de = MulDiv(i, etendue, pas);
    const int a = MulDiv(i + 1, etendue, pas);
    if (a > de) peintre.fillRect(QRect(de, 0, a - de, travers), couleurs[i]);
  }
  peintre.end();
  if (!dither || pas < 2) return image;
  std::mt19937 alea(germe);
  const int portee = etendue / (pas - 1);
  const auto position = [&](int debut, int j) {
    return j == 0 ? debut : debut + std::uniform_int_distribution<int>(0, j - 1)(alea);
  };
  for (int i = 1; i < pas; ++i) {
    const int debut = MulDiv(i, etendue, pas);
    const QRgb avant = couleurs[i - 1].rgb();
    const int rangees = lignes_entieres ? 1 : travers;
    for (int r = 0; r < rangees; ++r) {
      for (int j = 0; j <= portee; ++j) {
        const int p = position(debut, j);
        if (p < 0 || p >= etendue) continue;
        if (lignes_entieres) {
          for (int t = 0; t < travers; ++t) image.setPixel(p, t, avant);
        } else {
          image.setPixel(p, r, avant);
        }
      }
    }
  }
  return image;
}

}  // namespace

std::vector<QColor> GradientColors(const QColor& a, const QColor& b, int steps, int direction) {
  std::vector<QColor> couleurs;
  if (steps < 1) return couleurs;
  const QColor& debut = directe(direction) ? a : b;
  const QColor& fin = directe(direction) ? b : a;
  if (steps == 1) return {debut};
  for (int i = 0; i < steps; ++i) {
    couleurs.emplace_back(canal(debut.red(), fin.red(), i, steps), canal(debut.green(), fin.green(), i, steps),
                          canal(debut.blue(), fin.blue(), i, steps));
  }
  return couleurs;
}

QImage GradientBitmap(int largeur, int hauteur, const QColor& a, const QColor& b, int steps, int direction,
                      bool dither) {
  if (largeur <= 0 || hauteur <= 0) return {};
  const std::vector<QColor> couleurs = GradientColors(a, b, steps, direction);
  if (couleurs.empty()) {
    QImage vide(largeur, hauteur, QImage::Format_RGB32);
    vide.fill(a);
    return vide;
  }
  const bool en_x = le_long_de_x(direction);
  const int etendue = en_x ? largeur : hauteur;
  const int travers = en_x ? hauteur : largeur;
  // Directions 1 and 3: each dithered position is a whole line of the strip.
  const QImage bande = bandes(etendue, dither ? std::min(travers, largeur_bande_tramee) : 1, couleurs, dither,
                              graine(largeur, hauteur), !en_x);
  QImage image(largeur, hauteur, QImage::Format_RGB32);
  QPainter peintre(&image);
  const QImage orientee = en_x ? bande : bande.transformed(QTransform(0, 1, 1, 0, 0, 0));
  const int pas_copie = std::max(1, en_x ? orientee.height() : orientee.width());
  for (int t = 0; t < travers; t += pas_copie) {
    peintre.drawImage(en_x ? QPoint(0, t) : QPoint(t, 0), orientee);
  }
  return image;
}

void DrawBoundLines(QPainter& peintre, TdxBoundLines lignes, const QColor& couleur, const QRect& rect) {
  const int g = rect.left(), h = rect.top(), d = rect.left() + rect.width(), b = rect.top() + rect.height();
  if (lignes & blLeft) ligne_gdi(peintre, {g, h}, {g, b}, couleur);
  if (lignes & blTop) ligne_gdi(peintre, {g, h}, {d, h}, couleur);
  if (lignes & blRight) ligne_gdi(peintre, {d - 1, h}, {d - 1, b}, couleur);
  if (lignes & blBottom) ligne_gdi(peintre, {g, b - 1}, {d, b - 1}, couleur);
}

QRect InnerRect(int bordure, bool lignes_montrees, TdxBoundLines lignes, QRect rect) {
  rect.adjust(bordure, bordure, -bordure, -bordure);
  if (!lignes_montrees) return rect;
  rect.adjust((lignes & blLeft) ? 1 : 0, (lignes & blTop) ? 1 : 0, (lignes & blRight) ? -1 : 0,
              (lignes & blBottom) ? -1 : 0);
  return rect;
}

QImage GreyGlyph(const QImage& glyphe) {
  QImage image = glyphe.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      const int g = std::min(255, (qRed(p) + qGreen(p) + qBlue(p)) / 3 + gris_ajoute);
      image.setPixel(x, y, qRgba(g, g, g, qAlpha(p)));
    }
  }
  return image;
}

QImage DisabledGlyph(const QImage& glyphe, const QColor& couleur) {
  QImage image = glyphe.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) > 0) image.setPixel(x, y, couleur.rgb());
    }
  }
  return image;
}

unsigned TextFlags(Qt::Alignment alignement, bool coupure) {
  unsigned drapeaux = dt::points_de_suite;
  if (alignement & Qt::AlignRight) drapeaux |= dt::droite;
  if (alignement & Qt::AlignHCenter) drapeaux |= dt::centre;
  return drapeaux | (coupure ? dt::coupure_mots : dt::une_ligne);
}

QRect DrawText(const QWidget& controle, QPainter* peintre, const QString& texte, unsigned drapeaux, QRect rect,
               bool accelerateur, bool actif) {
  int qt = Qt::AlignTop;
  qt |= (drapeaux & dt::droite) ? Qt::AlignRight : (drapeaux & dt::centre) ? Qt::AlignHCenter : Qt::AlignLeft;
  qt |= (drapeaux & dt::coupure_mots) ? Qt::TextWordWrap : Qt::TextSingleLine;
  if (drapeaux & dt::tabulations) qt |= Qt::TextExpandTabs;
  if (accelerateur && !(drapeaux & dt::sans_prefixe)) qt |= Qt::TextShowMnemonic;
  const QFontMetrics mesures(controle.font());
  if (drapeaux & dt::mesurer) {
    const bool blanc = texte.isEmpty() || (accelerateur && texte == QLatin1String("&"));
    const QString mesure = blanc ? QStringLiteral(" ") : texte;
    const int largeur = (drapeaux & dt::coupure_mots) ? std::max(rect.width(), 1) : 1 << 20;
    const QRect pris = mesures.boundingRect(QRect(rect.left(), rect.top(), largeur, 1 << 20), qt, mesure);
    return QRect(rect.topLeft(), QSize(blanc ? mesures.horizontalAdvance(QLatin1Char(' ')) : pris.width(),
                                       pris.height()));
  }
  QString montre = texte;
  if ((drapeaux & dt::points_de_suite) && !(drapeaux & dt::coupure_mots)) {
    montre = mesures.elidedText(texte, Qt::ElideRight, rect.width(), qt & Qt::TextShowMnemonic);
  }
  if (peintre == nullptr) return rect;
  peintre->setFont(controle.font());
  if (!actif) {
    peintre->setPen(couleur_qt(couleur_lumiere_bouton));
    peintre->drawText(rect.translated(1, 1), qt, montre);
    peintre->setPen(couleur_qt(couleur_ombre_bouton));
  } else {
    peintre->setPen(controle.palette().color(QPalette::ButtonText));
  }
  peintre->drawText(rect, qt, montre);
  return rect;
}

void DrawAlignedText(const QWidget& controle, QPainter& peintre, const QString& texte, const QRect& rect,
                     bool coupure, Qt::Alignment alignement, bool accelerateur, bool actif) {
  const unsigned drapeaux = TextFlags(alignement, coupure);
  QRect r = DrawText(controle, nullptr, texte, drapeaux | dt::mesurer, rect, accelerateur, actif);
  const int droite = rect.left() + rect.width();
  const int r_droite = r.left() + r.width();
  if (alignement & Qt::AlignRight) {
    r.translate(droite - r_droite, 0);
  } else if (alignement & Qt::AlignHCenter) {
    r.translate((droite - r_droite) / 2, 0);
  }
  r.translate(0, (rect.top() + rect.height() - (r.top() + r.height())) / 2);
  DrawText(controle, &peintre, texte, drapeaux & ~(dt::centre | dt::droite), r, accelerateur, actif);
}
