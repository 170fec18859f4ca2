#include "platform/canevas.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "localisation/texte_1252.h"
#include "platform/texte_qt.h"

namespace {

// The "Symbol" bytes the pages use and the signs they stand for.
constexpr std::array<std::pair<char, char16_t>, 9> signes_symbol{{
    {'\xB3', u'\u2265'},  // greater or equal
    {'\xA3', u'\u2264'},  // less or equal
    {'\xBB', u'\u2248'},  // approximately
    {'\xF2', u'\u222B'},  // integral
    {'D', u'\u0394'},     // Delta
    {'\xAE', u'\u2192'},  // arrow
    {'p', u'\u03C0'},     // pi
    {'\xB9', u'\u2260'},  // not equal
    {'\xA5', u'\u221E'},  // infinity
}};

constexpr int nombre_caracteres = 256 + static_cast<int>(signes_symbol.size());

bool est_police_symbol(std::string_view nom) { return nom == "Symbol"; }

// Index of a byte in a font's tables: the byte itself, or 256 + the sign's
// index for a "Symbol" sign.
int index_caractere(std::string_view nom, char octet) {
  if (est_police_symbol(nom)) {
    for (std::size_t k = 0; k < signes_symbol.size(); ++k) {
      if (signes_symbol[k].first == octet) return 256 + static_cast<int>(k);
    }
  }
  return static_cast<unsigned char>(octet);
}

char16_t caractere_de_index(int index) {
  if (index >= 256) return signes_symbol[static_cast<std::size_t>(index - 256)].second;
  return static_cast<char16_t>(point_code_1252(static_cast<unsigned char>(index)));
}

int taille_pixels(int points) {
  const int pixels = static_cast<int>(std::lround(points * 96.0 / 72.0));
  return std::clamp(pixels, 1, 1000);
}

QColor couleur_qt(TColor c) {
  return QColor(static_cast<int>(rouge_de(c)), static_cast<int>(vert_de(c)), static_cast<int>(bleu_de(c)));
}

}  // namespace

char16_t caractere_affiche(std::string_view nom_police, char octet) {
  return caractere_de_index(index_caractere(nom_police, octet));
}

QString famille_installee(std::string_view nom_police) {
  if (nom_police.empty() || nom_police == "MS Sans Serif" || est_police_symbol(nom_police)) {
    return QStringLiteral("DejaVu Sans");
  }
  return depuis_1252(nom_police);
}

// A resolved font with the measures of every character it may be asked for.
struct Canevas::Fonte {
  QFont qfont;
  QFontMetrics mesures;
  QRawFont brut;
  int hauteur;
  int ascendante;
  std::array<int, nombre_caracteres> largeurs;
  std::array<quint32, nombre_caracteres> glyphes;
  std::array<bool, nombre_caracteres> glyphe_connu{};

  explicit Fonte(const QFont& f)
      : qfont(f),
        mesures(f),
        brut(QRawFont::fromFont(f)),
        hauteur(mesures.height()),
        ascendante(mesures.ascent()) {
    largeurs.fill(-1);
  }

  int largeur(int index) {
    int& l = largeurs[static_cast<std::size_t>(index)];
    if (l < 0) l = mesures.horizontalAdvance(QChar(caractere_de_index(index)));
    return l;
  }

  quint32 glyphe(int index) {
    const auto i = static_cast<std::size_t>(index);
    if (!glyphe_connu[i]) {
      const QChar c(caractere_de_index(index));
      const QList<quint32> indices = brut.glyphIndexesForString(QString(c));
      glyphes[i] = indices.isEmpty() ? 0 : indices.front();
      glyphe_connu[i] = true;
    }
    return glyphes[i];
  }
};

Canevas::Canevas() = default;

Canevas::~Canevas() { terminer(); }

void Canevas::attacher(QPaintDevice* cible, double echelle) {
  terminer();
  cible_ = cible;
  echelle_ = echelle;
  decalage_x_ = 0;
  decalage_y_ = 0;
}

void Canevas::terminer() {
  if (peintre_) {
    if (peintre_->isActive()) peintre_->end();
    peintre_.reset();
  }
}

QPainter* Canevas::peintre() {
  if (cible_ == nullptr) return nullptr;
  if (!peintre_) {
    peintre_ = std::make_unique<QPainter>();
    if (!peintre_->begin(cible_)) return nullptr;
    appliquer_transformation();
  }
  return peintre_->isActive() ? peintre_.get() : nullptr;
}

void Canevas::appliquer_transformation() {
  if (!peintre_ || !peintre_->isActive()) return;
  QTransform t;
  t.scale(echelle_, echelle_);
  t.translate(decalage_x_, decalage_y_);
  peintre_->setTransform(t);
}

void Canevas::decaler(int dx, int dy) {
  decalage_x_ = dx;
  decalage_y_ = dy;
  appliquer_transformation();
}

Canevas::Fonte& Canevas::fonte() {
  const bool symbol = est_police_symbol(police.nom);
  Cle cle{symbol ? std::string() : police.nom, taille_pixels(police.taille), (police.style & style_gras) != 0,
          (police.style & style_italique) != 0};
  if (derniere_ != nullptr && cle == derniere_cle_) return *derniere_;
  auto& place = fontes_[cle];
  if (!place) {
    QFont f(famille_installee(police.nom));
    f.setPixelSize(std::get<1>(cle));
    f.setBold(std::get<2>(cle));
    f.setItalic(std::get<3>(cle));
    f.setKerning(false);
    place = std::make_unique<Fonte>(f);
  }
  derniere_ = place.get();
  derniere_cle_ = std::move(cle);
  return *derniere_;
}

int Canevas::TextWidth(std::string_view texte) {
  Fonte& f = fonte();
  int largeur = 0;
  for (const char c : texte) largeur += f.largeur(index_caractere(police.nom, c));
  return largeur;
}

int Canevas::TextHeight(std::string_view) { return fonte().hauteur; }

void Canevas::TextOut(int x, int y, std::string_view texte) {
  std::vector<CaracterePlace> caracteres;
  caracteres.reserve(texte.size());
  Fonte& f = fonte();
  int position = x;
  for (const char c : texte) {
    caracteres.push_back({position, c});
    position += f.largeur(index_caractere(police.nom, c));
  }
  ecrire_caracteres(y, caracteres);
}

void Canevas::ecrire_caracteres(int y, const std::vector<CaracterePlace>& caracteres) {
  QPainter* p = peintre();
  if (p == nullptr || caracteres.empty()) return;
  Fonte& f = fonte();
  // Glyphs beyond the target's right edge are not drawn at all: a page with a
  // 200,000-character word is far wider than its bitmap.
  const double limite = cible_->width() / echelle_ - decalage_x_;
  const double bas_cible = cible_->height() / echelle_ - decalage_y_;
  if (y > bas_cible || y + f.hauteur < -decalage_y_) return;
  QList<quint32> indices;
  QList<QPointF> positions;
  indices.reserve(static_cast<qsizetype>(caracteres.size()));
  positions.reserve(static_cast<qsizetype>(caracteres.size()));
  // Glyph positions are relative to the run's origin, which is also where
  // Qt starts the underline and the strike-out.
  const QPointF origine(caracteres.front().x, y + f.ascendante);
  for (const auto& c : caracteres) {
    if (c.x > limite) continue;
    indices.push_back(f.glyphe(index_caractere(police.nom, c.octet)));
    positions.push_back(QPointF(c.x - origine.x(), 0));
  }
  if (indices.isEmpty()) return;
  QGlyphRun suite;
  suite.setRawFont(f.brut);
  suite.setGlyphIndexes(indices);
  suite.setPositions(positions);
  suite.setUnderline((police.style & style_souligne) != 0);
  suite.setStrikeOut((police.style & style_barre) != 0);
  p->setPen(couleur_qt(police.couleur));
  p->drawGlyphRun(origine, suite);
}

void Canevas::MoveTo(int x, int y) {
  crayon_x_ = x;
  crayon_y_ = y;
}

void Canevas::LineTo(int x, int y) {
  if (QPainter* p = peintre()) {
    p->setPen(QPen(couleur_qt(couleur_crayon), 1));
    p->drawLine(QPoint(crayon_x_, crayon_y_), QPoint(x, y));
  }
  MoveTo(x, y);
}

void Canevas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  QPainter* p = peintre();
  if (p == nullptr) return;
  const QRectF cadre = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
  if (cadre.width() <= 0 || cadre.height() <= 0) return;
  const QPointF centre = cadre.center();
  // Qt's angles are the ellipse's parameter; a radial through a point meets
  // the ellipse at the parameter of that point scaled to a circle.
  const auto angle = [&](int x, int y) {
    const double dx = (x - centre.x()) / (cadre.width() / 2);
    const double dy = (centre.y() - y) / (cadre.height() / 2);
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
  };
  const double debut = angle(x3, y3);
  double etendue = angle(x4, y4) - debut;
  if (etendue <= 0) etendue += 360.0;
  // Antialiased: a tall, narrow arc drawn pixel by pixel breaks into steps
  // that no longer read as one curve.
  p->save();
  p->setRenderHint(QPainter::Antialiasing, true);
  p->setPen(QPen(couleur_qt(couleur_crayon), 1));
  p->drawArc(cadre, static_cast<int>(std::lround(debut * 16)), static_cast<int>(std::lround(etendue * 16)));
  p->restore();
}

void Canevas::inverser(int gauche, int haut, int droite, int bas) {
  QPainter* p = peintre();
  if (p == nullptr) return;
  const int g = std::min(gauche, droite);
  const int d = std::max(gauche, droite);
  const int h = std::min(haut, bas);
  const int b = std::max(haut, bas);
  if (g == d || h == b) return;
  const QRect zone(g, h, d - g, b - h);
  p->setCompositionMode(QPainter::RasterOp_NotDestination);
  p->fillRect(zone, Qt::white);
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Canevas::remplir(TColor couleur) {
  if (QPainter* p = peintre()) {
    p->save();
    p->resetTransform();
    p->fillRect(QRect(0, 0, cible_->width(), cible_->height()), couleur_qt(couleur));
    p->restore();
  }
}
