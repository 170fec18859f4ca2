#include "components/jvx/JvButtonGlyph.h"

#include <QPainter>

#include "components/utilitaires/JvVCLUtils.h"

namespace {

constexpr int aucune_image = -1;
constexpr int glyphes_maximum = 5;
constexpr int images_pour_enfonce = 3;
constexpr int poids_rouge = 77;
constexpr int poids_vert = 150;
constexpr int poids_bleu = 29;
constexpr int decalage_gris = 8;
// Brightness from which a pixel counts as background in the older
// disabled look, which masks from a monochrome copy.
constexpr int seuil_monochrome = 192;

QImage transparente(const QImage& image, QColor cle) {
  QImage resultat = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb c = cle.rgb() & RGB_MASK;
  for (int y = 0; y < resultat.height(); ++y) {
    auto* ligne = reinterpret_cast<QRgb*>(resultat.scanLine(y));
    for (int x = 0; x < resultat.width(); ++x) {
      if ((ligne[x] & RGB_MASK) == c) ligne[x] = 0;
    }
  }
  return resultat;
}

}  // namespace

int gris_de(QRgb c) { return (qRed(c) * poids_rouge + qGreen(c) * poids_vert + qBlue(c) * poids_bleu) >> decalage_gris; }

int TJvGlyphList::Add(const QImage& image) {
  if (!libres_.empty()) {
    const int indice = libres_.back();
    libres_.pop_back();
    images_[indice] = image;
    return indice;
  }
  images_.push_back(image);
  return static_cast<int>(images_.size()) - 1;
}

void TJvGlyphList::Delete(int indice) {
  if (indice < 0 || indice >= static_cast<int>(images_.size())) return;
  images_[indice] = QImage();
  libres_.push_back(indice);
}

int TJvGlyphList::Count() const { return static_cast<int>(images_.size() - libres_.size()); }

std::map<std::pair<int, int>, std::weak_ptr<TJvGlyphList>>& TJvGlyphCache::listes() {
  static std::map<std::pair<int, int>, std::weak_ptr<TJvGlyphList>> toutes;
  return toutes;
}

std::shared_ptr<TJvGlyphList> TJvGlyphCache::GetList(QSize taille) {
  auto& faible = listes()[{taille.width(), taille.height()}];
  std::shared_ptr<TJvGlyphList> liste = faible.lock();
  if (!liste) {
    liste = std::make_shared<TJvGlyphList>(taille);
    faible = liste;
  }
  return liste;
}

int TJvGlyphCache::Count() {
  int vivantes = 0;
  for (const auto& [taille, liste] : listes()) vivantes += liste.expired() ? 0 : 1;
  return vivantes;
}

TJvButtonGlyph::TJvButtonGlyph() { indices_.fill(aucune_image); }

TJvButtonGlyph::~TJvButtonGlyph() { Invalidate(); }

void TJvButtonGlyph::Invalidate() {
  if (liste_) {
    for (int& i : indices_) {
      liste_->Delete(i);
      i = aucune_image;
    }
  }
  liste_.reset();
}

void TJvButtonGlyph::SetGlyph(const QImage& glyph) {
  Invalidate();
  glyph_ = glyph;
  if (glyph.isNull()) return;
  transparente_ = glyph.pixelColor(0, glyph.height() - 1);
  if (glyph.height() > 0 && glyph.width() % glyph.height() == 0) {
    const int n = glyph.width() / glyph.height();
    num_glyphs_ = n > glyphes_maximum ? 1 : n;
  }
}

void TJvButtonGlyph::SetGlyphFromAction(const QImage& image) {
  QImage fond(image.size(), QImage::Format_RGB32);
  fond.fill(QColor::fromRgb(couleur_cle));
  QPainter(&fond).drawImage(0, 0, image);
  SetGlyph(fond);
  transparente_ = QColor::fromRgb(couleur_cle);
}

void TJvButtonGlyph::SetNumGlyphs(int nombre) {
  Invalidate();
  num_glyphs_ = std::clamp(nombre, 1, glyphes_maximum);
}

void TJvButtonGlyph::SetGrayNewStyle(bool valeur) {
  gris_nouveau_style_ = valeur;
  Invalidate();
}

void TJvButtonGlyph::SetPalette(const QPalette& palette) {
  if (palette == palette_) return;
  palette_ = palette;
  Invalidate();
}

QSize TJvButtonGlyph::TailleImage() const {
  if (glyph_.isNull()) return {};
  return {glyph_.width() / num_glyphs_, glyph_.height()};
}

QImage TJvButtonGlyph::Cellule(int indice) const {
  const QSize t = TailleImage();
  return glyph_.copy(indice * t.width(), 0, t.width(), t.height());
}

QImage TJvButtonGlyph::Construire(TJvButtonState etat) const {
  const int e = static_cast<int>(etat);
  if (etat == TJvButtonState::bsDown && num_glyphs_ < images_pour_enfonce) return transparente(Cellule(0), transparente_);
  if (e < num_glyphs_) return transparente(Cellule(e), transparente_);
  if (etat == TJvButtonState::bsDisabled) {
    if (gris_nouveau_style_) return CreateDisabledBitmap(Cellule(0), transparente_, palette_);
    QImage monochrome = transparente(Cellule(0), transparente_);
    for (int y = 0; y < monochrome.height(); ++y) {
      for (int x = 0; x < monochrome.width(); ++x) {
        if (gris_de(monochrome.pixel(x, y)) >= seuil_monochrome) monochrome.setPixel(x, y, 0);
      }
    }
    return CreateDisabledBitmap(monochrome, Qt::transparent, palette_);
  }
  if (etat == TJvButtonState::bsInactive) {
    QImage gris = transparente(Cellule(0), transparente_);
    const QRgb face = palette_.color(QPalette::Button).rgb() & RGB_MASK;
    for (int y = 0; y < gris.height(); ++y) {
      auto* ligne = reinterpret_cast<QRgb*>(gris.scanLine(y));
      for (int x = 0; x < gris.width(); ++x) {
        if (qAlpha(ligne[x]) == 0 || (ligne[x] & RGB_MASK) == face) continue;
        const int g = gris_de(ligne[x]);
        ligne[x] = qRgb(g, g, g);
      }
    }
    return gris;
  }
  return transparente(Cellule(0), transparente_);
}

const QImage& TJvButtonGlyph::Image(TJvButtonState etat) {
  static const QImage vide;
  if (glyph_.isNull()) return vide;
  if (!liste_) liste_ = TJvGlyphCache::GetList(TailleImage());
  int& indice = indices_[static_cast<int>(etat)];
  if (indice == aucune_image) indice = liste_->Add(Construire(etat));
  return liste_->Image(indice);
}

void TJvButtonGlyph::Draw(QPainter& peintre, QPoint position, TJvButtonState etat) {
  const QImage& image = Image(etat);
  if (!image.isNull()) peintre.drawImage(position, image);
}
