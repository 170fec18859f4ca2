// Property tests against libpng: every legal colour type and depth, with and
// without interlacing, each filter forced, written by libpng and read by us,
// then written by us and read back by libpng with strict CRC checks.
#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "components/png_outils.h"

using namespace png;
using png_test::ImageBrute;
using png_test::Octets;

namespace {

struct Genre {
  int type, profondeur;
};
constexpr Genre genres[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                            {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
constexpr int filtres[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG, PNG_FILTER_PAETH, PNG_ALL_FILTERS};
constexpr int tirages = 3;

// The first pixel that differs, as text, or "".
template <class Attendu>
std::string premiere_difference(const TPNGObject& image, std::uint32_t largeur, std::uint32_t hauteur, Attendu attendu,
                                bool comparer_alpha) {
  for (std::uint32_t y = 0; y < hauteur; ++y) {
    for (std::uint32_t x = 0; x < largeur; ++x) {
      png_test::Rgba a = attendu(x, y), l = png_test::pixel_lu(image, x, y);
      if (!comparer_alpha) a.a = l.a = 255;
      if (!(a == l)) {
        return "(" + std::to_string(x) + "," + std::to_string(y) + ") expected " + std::to_string(a.r) + " " +
               std::to_string(a.g) + " " + std::to_string(a.b) + " " + std::to_string(a.a) + " read " +
               std::to_string(l.r) + " " + std::to_string(l.g) + " " + std::to_string(l.b) + " " + std::to_string(l.a);
      }
    }
  }
  return {};
}

}  // namespace

TEST(PngLibpng, EveryKindRoundTripsThroughBothCodecs) {
  std::mt19937 hasard(2026);
  int images = 0;
  for (const Genre g : genres) {
    for (int entrelacement : {0, 1}) {
      for (int filtre : filtres) {
        for (int tirage = 0; tirage < tirages; ++tirage) {
          const bool avec_trns = g.type != 4 && g.type != 6 && tirage != 0;
          const ImageBrute brute = png_test::image_aleatoire(hasard, g.type, g.profondeur, entrelacement, avec_trns);
          const std::string cas = "type " + std::to_string(g.type) + " depth " + std::to_string(g.profondeur) +
                                  " interlace " + std::to_string(entrelacement) + " filter " + std::to_string(filtre);
          const Octets fichier = png_test::ecrire_libpng(brute, filtre);
          ASSERT_FALSE(fichier.empty()) << cas;
          TPNGObject image;
          TFluxMemoire entree(fichier);
          image.LoadFromStream(entree);
          ASSERT_EQ(premiere_difference(image, brute.largeur, brute.hauteur,
                                        [&](auto x, auto y) { return png_test::pixel_attendu(brute, x, y); }, true),
                    "")
              << cas;

          image.SetFilters(tirage == 2 ? TFilters(pfNone | pfSub | pfUp | pfAverage | pfPaeth) : TFilters(pfSub));
          TFluxMemoire sortie;
          image.SaveToStream(sortie);
          ImageBrute relue;
          ASSERT_TRUE(png_test::lire_libpng(sortie.octets(), relue)) << cas;
          const bool alpha_fidele = !(g.profondeur == 16 && !brute.trns.empty());
          EXPECT_EQ(premiere_difference(image, relue.largeur, relue.hauteur,
                                        [&](auto x, auto y) { return png_test::pixel_attendu(relue, x, y); },
                                        alpha_fidele),
                    "")
              << cas << " written by us";
          ++images;
        }
      }
    }
  }
  EXPECT_EQ(images, 15 * 2 * 6 * tirages);
}

namespace {

// The display level of sample level i under a gAMA value (gamma x 100000),
// ties to even; identity without gAMA.
std::uint8_t corriger(std::uint8_t i, std::uint32_t gama) {
  if (gama == 0) return i;
  return static_cast<std::uint8_t>(std::nearbyint(255.0 * std::pow(i / 255.0, 1.0 / (gama / 100000.0 * 2.2))));
}

std::uint32_t gama_du_fichier(const Octets& fichier) {
  for (std::size_t i = 8; i + 12 <= fichier.size();) {
    const std::uint32_t n = (std::uint32_t(fichier[i]) << 24) | (fichier[i + 1] << 16) | (fichier[i + 2] << 8) | fichier[i + 3];
    if (std::string(fichier.begin() + i + 4, fichier.begin() + i + 8) == "gAMA" && n == 4) {
      return (std::uint32_t(fichier[i + 8]) << 24) | (fichier[i + 9] << 16) | (fichier[i + 10] << 8) | fichier[i + 11];
    }
    i += 12 + n;
  }
  return 0;
}

png_test::Rgba corrige(const ImageBrute& brute, std::uint32_t x, std::uint32_t y, std::uint32_t gama) {
  png_test::Rgba p = png_test::pixel_attendu(brute, x, y);
  return {corriger(p.r, gama), corriger(p.g, gama), corriger(p.b, gama), p.a};
}

}  // namespace

TEST(PngLibpng, PngSuiteDecodesAsLibpngAndSurvivesOurWriter) {
  int images = 0;
  for (const auto& entree : std::filesystem::directory_iterator(PRALINORE_PNGSUITE)) {
    if (entree.path().extension() != ".png") continue;
    const std::string nom = entree.path().filename().string();
    std::ifstream f(entree.path(), std::ios::binary);
    const Octets fichier{std::istreambuf_iterator<char>(f), {}};
    ImageBrute brute;
    ASSERT_TRUE(png_test::lire_libpng(fichier, brute)) << nom;
    const std::uint32_t gama = gama_du_fichier(fichier);
    TPNGObject image;
    TFluxMemoire flux(fichier);
    image.LoadFromStream(flux);
    EXPECT_EQ(premiere_difference(image, brute.largeur, brute.hauteur,
                                  [&](auto x, auto y) { return corrige(brute, x, y, gama); }, true),
              "")
        << nom;
    TFluxMemoire sortie;
    image.SaveToStream(sortie);
    ImageBrute relue;
    ASSERT_TRUE(png_test::lire_libpng(sortie.octets(), relue)) << nom;
    // A transparent sample of 16 bits, or an RGB one under a gamma that
    // merges levels, is not kept by an 8-bit picture.
    const bool alpha_fidele = brute.trns.empty() || brute.type == 3 || (brute.profondeur != 16 && (brute.type == 0 || gama == 0));
    EXPECT_EQ(premiere_difference(image, relue.largeur, relue.hauteur,
                                  [&](auto x, auto y) { return corrige(relue, x, y, gama); }, alpha_fidele),
              "")
        << nom << " written by us";
    ++images;
  }
  EXPECT_EQ(images, 35);
}
