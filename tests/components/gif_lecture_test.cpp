#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "components/gif/gifimage.h"
#include "gif_fabrique.h"

namespace gif {
namespace {

using namespace gif_test;

std::vector<int> ordre_entrelace(int hauteur) {
  std::vector<int> lignes;
  const int debut[] = {0, 4, 2, 1}, pas[] = {8, 8, 4, 2};
  for (int p = 0; p < 4; ++p)
    for (int y = debut[p]; y < hauteur; y += pas[p]) lignes.push_back(y);
  return lignes;
}

// Pixel (x, y) counted from the top, as the file orders them.
std::uint8_t indice(const TBitmap& b, int x, int y) { return b.Index(x, b.Height() - 1 - y); }

struct Tolerance {
  explicit Tolerance(bool t) { SetChargementTolerant(t); }
  ~Tolerance() { SetChargementTolerant(true); }
};

TEST(GifLecture, ImagesAleatoiresDecodees) {
  std::mt19937 gen(5);
  for (int essai = 0; essai < 200; ++essai) {
    const int bits = 1 + int(gen() % 8), w = 1 + int(gen() % 20), h = 1 + essai % 9 + int(gen() % 3);
    const bool entrelace = essai % 2 == 1;
    std::vector<std::uint8_t> haut_en_bas(std::size_t(w * h));
    for (auto& p : haut_en_bas) p = std::uint8_t(gen() % (1u << bits));
    std::vector<std::uint8_t> flux;
    for (int y : entrelace ? ordre_entrelace(h) : ordre_entrelace(0))
      flux.insert(flux.end(), haut_en_bas.begin() + y * w, haut_en_bas.begin() + (y + 1) * w);
    if (!entrelace) flux = haut_en_bas;
    const int taille = bits < 2 ? 2 : bits;
    TJvGIFImage g;
    g.LoadFromStream(entete(unsigned(w), unsigned(h), bits) +
                     image(unsigned(w), unsigned(h), lzw_litteral(taille, flux), entrelace ? 0x40 : 0) + Octets{';'});
    ASSERT_EQ(g.Count(), 1u);
    const TBitmap& b = g.Frame(0).Bitmap();
    EXPECT_FALSE(g.Frame(0).Damaged);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) ASSERT_EQ(indice(b, x, y), haut_en_bas[std::size_t(y * w + x)]) << essai;
  }
}

struct Cas {
  const char* nom;
  Octets fichier;
  bool tolerant;
  std::string erreur;  // empty: loads
  std::function<void(TJvGIFImage&)> verifier;
};

TEST(GifLecture, EntreesHostilesEtCasLimites) {
  const Octets px = lzw_litteral(2, {1, 2, 3, 0});
  const Octets base = entete(2, 2, 2);
  Octets tronque = base + image(2, 2, lzw_litteral(2, std::vector<std::uint8_t>(40, 1)));
  tronque.resize(tronque.size() - 6);
  Octets code_haut = base;
  {
    EcrivainBits e;
    e.code(4, 3);
    e.code(1, 3);
    e.code(7, 3);  // above the free code
    code_haut = code_haut + image(2, 2, e.fin(2));
  }
  Octets sans_clear = base + image(2, 2, lzw_litteral(2, {3, 2, 1, 1}, false));
  Octets enorme = base + Octets{','} + Octets{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0} + Octets{2, 7, 1, 2, 3, 4, 5, 6, 7, 0};
  auto taille_code = [&](std::uint8_t t) {
    Octets d = px;
    d[0] = t;
    return base + image(2, 2, d);
  };
  auto endommagee = [](TJvGIFImage& g) {
    g.Frame(0).Bitmap();
    EXPECT_TRUE(g.Frame(0).Damaged);
  };
  const std::vector<Cas> cas = {
      {"89A", entete(2, 2, 2, "89A") + image(2, 2, px) + Octets{';'}, true, "",
       [](TJvGIFImage& g) { EXPECT_EQ(g.Version(), TGIFVersion::gv89a); }},
      {"88a", entete(2, 2, 2, "88a"), true, "Unknown GIF version", nullptr},
      {"court", Octets{'G', 'I', 'F', '8', '9', 'a', 1, 0}, true, "Erreur de lecture du flux", nullptr},
      {"taille 1 tolerante", taille_code(1), true, "", endommagee},
      {"taille 10 tolerante", taille_code(10), true, "", endommagee},
      {"taille 1 stricte", taille_code(1), false, "GIF code size not in range 2 to 9", nullptr},
      {"taille 10 stricte", taille_code(10), false, "GIF code size not in range 2 to 9", nullptr},
      {"boucle 40000", base + boucle("NETSCAPE2.0", {1, 0x40, 0x9C}) + image(2, 2, px), true, "",
       [](TJvGIFImage& g) {
         EXPECT_TRUE(g.Looping);
         EXPECT_EQ(g.RepeatCount, 30000);
       }},
      {"boucle courte", base + boucle("NETSCAPE2.0", {1, 5}) + image(2, 2, px), true, "",
       [](TJvGIFImage& g) { EXPECT_FALSE(g.Looping); }},
      {"ANIMEXTS", base + boucle("ANIMEXTS1.0", {1, 3, 0}) + image(2, 2, px), true, "",
       [](TJvGIFImage& g) { EXPECT_EQ(g.RepeatCount, 3); }},
      {"largeur 0", entete(7, 2, 2) + image(0, 1, lzw_litteral(2, std::vector<std::uint8_t>(7, 2))), true, "",
       [](TJvGIFImage& g) { EXPECT_EQ(g.Frame(0).Bitmap().Width(), 7); }},
      {"label 77", base + Octets{0x21, 0x77, 0}, true, "Unrecognized extension block: 77", nullptr},
      {"rebut", base + controle(0, 1, 0) + Octets{'x'}, true, "Erreur de lecture du flux", nullptr},
      {"tronque tolerant", tronque, true, "", endommagee},
      {"tronque strict", tronque, false, "Erreur de lecture du flux", nullptr},
      {"code au-dessus du libre", code_haut, true, "",
       [](TJvGIFImage& g) {
         const TBitmap& b = g.Frame(0).Bitmap();
         EXPECT_TRUE(g.Frame(0).Damaged);
         EXPECT_EQ(indice(b, 0, 0), 1);
         EXPECT_EQ(indice(b, 1, 1), 0);
       }},
      {"sans clear initial", sans_clear, true, "",
       [](TJvGIFImage& g) {
         EXPECT_EQ(indice(g.Frame(0).Bitmap(), 0, 0), 3);
         EXPECT_EQ(indice(g.Frame(0).Bitmap(), 1, 1), 1);
       }},
      {"65535 x 65535", enorme, true, "",
       [](TJvGIFImage& g) {
         EXPECT_TRUE(g.Frame(0).Damaged);
         EXPECT_TRUE(g.Frame(0).Bitmap().Empty());
       }},
      {"controle", base + controle(0x09, 5, 3) + image(2, 2, px), true, "",
       [](TJvGIFImage& g) {
         EXPECT_EQ(g.Frame(0).AnimateInterval, 50u);
         EXPECT_EQ(g.Frame(0).TransparentIndex, 3);
         EXPECT_EQ(g.Frame(0).DisposalMethod, 2);
       }},
      {"sans table", entete(2, 2, 0) + image(2, 2, px), true, "Wrong number of colors; must be a power of 2",
       nullptr},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    Tolerance t(c.tolerant);
    TJvGIFImage g;
    if (!c.erreur.empty()) {
      try {
        g.LoadFromStream(c.fichier);
        ADD_FAILURE() << "no error";
      } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.what(), c.erreur);
      }
      continue;
    }
    g.LoadFromStream(c.fichier, false);
    ASSERT_EQ(g.Count(), 1u);
    if (c.verifier) c.verifier(g);
  }
}

}  // namespace
}  // namespace gif
