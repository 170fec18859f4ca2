#include "components/gif/reduction_couleurs.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

namespace gif {
namespace {

RGBQUAD rgb(int r, int g, int b) { return RGBQUAD{std::uint8_t(b), std::uint8_t(g), std::uint8_t(r), 0}; }

TBitmap uni(std::int32_t largeur, std::int32_t hauteur, RGBQUAD c) {
  TBitmap b(largeur, hauteur, pf24bit);
  for (std::int32_t y = 0; y < hauteur; ++y)
    for (std::int32_t x = 0; x < largeur; ++x) b.SetPixel(x, y, c);
  return b;
}

// A 24-bit picture drawing its pixels from `couleurs` distinct random colours.
TBitmap aleatoire(std::mt19937& gen, int couleurs, std::int32_t largeur, std::int32_t hauteur) {
  std::vector<RGBQUAD> choix;
  std::set<std::uint32_t> vues;
  while (int(choix.size()) < couleurs) {
    const std::uint32_t v = gen() & 0xFFFFFF;
    if (vues.insert(v).second) choix.push_back(rgb(int(v & 0xFF), int((v >> 8) & 0xFF), int(v >> 16)));
  }
  TBitmap b(largeur, hauteur, pf24bit);
  for (std::int32_t y = 0; y < hauteur; ++y)
    for (std::int32_t x = 0; x < largeur; ++x) b.SetPixel(x, y, choix[gen() % choix.size()]);
  return b;
}

std::uint32_t lire32(const std::vector<std::uint8_t>& o, std::size_t i) {
  return o[i] | (o[i + 1] << 8) | (o[i + 2] << 16) | (std::uint32_t(o[i + 3]) << 24);
}

TEST(ReductionCouleurs, PeuDeCouleursGardeesExactement) {
  std::mt19937 gen(7);
  for (int essai = 0; essai < 40; ++essai) {
    const int couleurs = 1 + int(gen() % 256);
    const TBitmap source = aleatoire(gen, couleurs, 1 + int(gen() % 40), 1 + int(gen() % 40));
    const TBitmap r = ReduceBitmap(source, pf8bit, rmHistogram).bitmap;
    for (std::int32_t y = 0; y < source.Height(); ++y)
      for (std::int32_t x = 0; x < source.Width(); ++x) ASSERT_EQ(r.Pixel(x, y), source.Pixel(x, y));
  }
}

TEST(ReductionCouleurs, TropDeCouleursGrossitLeBleuDAbord) {
  std::mt19937 gen(3);
  TBitmap source(60, 50, pf24bit);
  for (std::int32_t y = 0; y < 50; ++y)
    for (std::int32_t x = 0; x < 60; ++x) source.SetPixel(x, y, rgb(x * 4, y * 5, int(gen() % 256)));
  const TBitmap r = ReduceBitmap(source, pf8bit, rmHistogram).bitmap;
  for (const RGBQUAD& q : r.Palette) EXPECT_EQ(q.rgbBlue % 2, 0);
}

TEST(ReductionCouleurs, IndicesDUnPixel) {
  // method, colour, column, expected index
  const std::vector<std::tuple<TColorReduction, RGBQUAD, int, int>> cas = {
      {rmGrayscale, rgb(255, 255, 255), 0, 255}, {rmGrayscale, rgb(255, 0, 0), 0, 76},
      {rmGrayscale, rgb(0, 255, 0), 0, 149},     {rmGrayscale, rgb(0, 0, 255), 0, 28},
      {rmTriple, rgb(100, 100, 100), 0, 25},     {rmTriple, rgb(100, 100, 100), 1, 89},
      {rmTriple, rgb(100, 100, 100), 2, 153},    {rmTrunc666, rgb(255, 0, 102), 0, 182},
      {rmTrunc784, rgb(128, 36, 170), 0, 102},
  };
  for (const auto& [methode, couleur, x, attendu] : cas) {
    const TBitmap r = ReduceBitmap(uni(3, 1, couleur), pf8bit, methode).bitmap;
    EXPECT_EQ(r.Index(x, 0), attendu) << int(methode) << " x=" << x;
  }
  EXPECT_EQ(carte_niveaux_7()[64], 1);
}

TEST(ReductionCouleurs, GrisReduitUneImage8Bits) {
  TBitmap source(2, 1, pf8bit);
  source.Palette[3] = rgb(255, 0, 0);
  source.SetIndex(1, 0, 3);
  const TBitmap r = ReduceBitmap(source, pf8bit, rmGrayscale).bitmap;
  EXPECT_EQ(r.Index(0, 0), 0);
  EXPECT_EQ(r.Index(1, 0), 76);
  EXPECT_EQ(r.Palette[76], rgb(76, 76, 76));
}

TEST(ReductionCouleurs, MedianeSansBoiteVide) {
  // Two cells of 100 and 1 pixels, in both orders along red.
  for (bool petite_d_abord : {false, true}) {
    TBitmap source = uni(101, 1, rgb(petite_d_abord ? 240 : 0, 0, 0));
    source.SetPixel(0, 0, rgb(petite_d_abord ? 0 : 240, 0, 0));
    const TBitmapReduit r = ReduceBitmap(source, pf8bit, rmMedianCut);
    EXPECT_EQ(r.couleurs_importantes, 2u);
    EXPECT_NE(r.bitmap.Index(0, 0), r.bitmap.Index(1, 0));
  }
  // Up to 256 occupied cells: each one gets its own box.
  std::mt19937 gen(11);
  for (int essai = 0; essai < 20; ++essai) {
    const TBitmap source = aleatoire(gen, 1 + int(gen() % 200), 30, 30);
    std::set<int> cellules;
    for (std::int32_t y = 0; y < 30; ++y)
      for (std::int32_t x = 0; x < 30; ++x) {
        const RGBQUAD c = source.Pixel(x, y);
        cellules.insert((c.rgbRed >> 4) * 256 + (c.rgbGreen >> 4) * 16 + (c.rgbBlue >> 4));
      }
    const TBitmapReduit r = ReduceBitmap(source, pf8bit, rmMedianCut);
    ASSERT_EQ(r.couleurs_importantes, cellules.size());
    std::set<int> indices;
    for (std::int32_t y = 0; y < 30; ++y)
      for (std::int32_t x = 0; x < 30; ++x) indices.insert(r.bitmap.Index(x, y));
    EXPECT_EQ(indices.size(), cellules.size());
  }
}

TEST(ReductionCouleurs, FichierBitmap) {
  for (const auto& [methode, importantes] :
       std::vector<std::pair<TColorReduction, std::uint32_t>>{{rmTrunc784, 224}, {rmTrunc666, 216}, {rmHistogram, 0}}) {
    const auto o = ReduceBitmapToStream(uni(5, 3, rgb(1, 2, 3)), pf8bit, methode);
    const std::uint32_t debut = 14 + 40 + 4 * 256;
    EXPECT_EQ(lire32(o, 10), debut);
    EXPECT_EQ(lire32(o, 2), debut + 8 * 3);
    EXPECT_EQ(o.size(), debut + 8 * 3);
    EXPECT_EQ(lire32(o, 50), importantes);
  }
}

TEST(ReductionCouleurs, CiblesIndexeesEtRefus) {
  TBitmap source(9, 2, pf8bit);
  for (std::int32_t x = 0; x < 9; ++x) source.SetIndex(x, 1, std::uint8_t(x));
  const TBitmap r = ReduceBitmap(source, pf4bit, rmHistogram).bitmap;
  for (std::int32_t x = 0; x < 9; ++x) EXPECT_EQ(r.Index(x, 1), x);
  EXPECT_EQ(lire32(fichier_bitmap(r, 0), 10), 14u + 40 + 4 * 16);
  EXPECT_THROW(ReduceBitmap(source, pf1bit, rmHistogram), EReductionNonPrise);
  EXPECT_THROW(ReduceBitmap(uni(2, 2, rgb(0, 0, 0)), pf4bit, rmHistogram), EReductionNonPrise);
  EXPECT_THROW(ReduceBitmap(uni(2, 2, rgb(0, 0, 0)), pf24bit, rmGrayscale), EReductionNonPrise);
  EXPECT_THROW(ReduceBitmap(TBitmap(), pf8bit, rmHistogram), EInvalidGraphic);
}

}  // namespace
}  // namespace gif
