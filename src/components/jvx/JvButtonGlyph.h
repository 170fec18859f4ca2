#pragma once
// The glyph of a speed button: a strip of images, one per state, cut and
// cached in image lists shared by every glyph of the same size.

#include <QColor>
#include <QImage>
#include <QPalette>

#include <array>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class QPainter;

// The states of a button, and the index of their image in a glyph strip.
enum class TJvButtonState { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3, bsInactive = 4 };

inline constexpr int nombre_etats_glyphe = 5;
inline constexpr QRgb couleur_cle = 0xFF00FF;  // magenta, the default transparent colour

// An image list of one image size.
class TJvGlyphList {
 public:
  explicit TJvGlyphList(QSize taille) : taille_(taille) {}
  QSize Taille() const { return taille_; }
  int Add(const QImage& image);
  void Delete(int indice);
  const QImage& Image(int indice) const { return images_[indice]; }
  int Count() const;

 private:
  QSize taille_;
  std::vector<QImage> images_;
  std::vector<int> libres_;
};

// The image lists of every glyph of the program, one per size, freed with
// the last glyph that uses it.
class TJvGlyphCache {
 public:
  static std::shared_ptr<TJvGlyphList> GetList(QSize taille);
  // Lists alive, for the tests.
  static int Count();

 private:
  static std::map<std::pair<int, int>, std::weak_ptr<TJvGlyphList>>& listes();
};

// The grey of a colour: (red x 77 + green x 150 + blue x 29) shr 8.
int gris_de(QRgb couleur);

class TJvButtonGlyph {
 public:
  TJvButtonGlyph();
  ~TJvButtonGlyph();

  const QImage& Glyph() const { return glyph_; }
  // Takes the transparent colour from the bottom-left pixel and, when the
  // width is a multiple of the height, NumGlyphs = width / height (1 above 5).
  void SetGlyph(const QImage& glyph);
  // The image of an action's image list drawn on magenta, magenta being the
  // transparent colour.
  void SetGlyphFromAction(const QImage& image);
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int nombre);
  QColor TransparentColor() const { return transparente_; }
  bool GrayNewStyle() const { return gris_nouveau_style_; }
  void SetGrayNewStyle(bool valeur);
  void SetPalette(const QPalette& palette);

  // The image of a state, transparent where the strip has its key colour.
  const QImage& Image(TJvButtonState etat);
  QSize TailleImage() const;
  void Draw(QPainter& peintre, QPoint position, TJvButtonState etat);

 private:
  void Invalidate();
  QImage Cellule(int indice) const;
  QImage Construire(TJvButtonState etat) const;

  QImage glyph_;
  QColor transparente_ = QColor::fromRgb(couleur_cle);
  int num_glyphs_ = 1;
  bool gris_nouveau_style_ = true;
  QPalette palette_;
  std::shared_ptr<TJvGlyphList> liste_;
  std::array<int, nombre_etats_glyphe> indices_;
};
