// The PNG codec against hand-made and hostile files, and the fixed values
// of its tables and writer.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>
#include <functional>

#include "components/png/png_octets.h"
#include "components/png/pngimage.h"
#include "components/png_outils.h"

using namespace png;
using png_test::Octets;

namespace {

Octets sauver(TPNGObject& image) {
  TFluxMemoire flux;
  image.SaveToStream(flux);
  return flux.octets();
}

void charger(TPNGObject& image, const Octets& fichier) {
  TFluxMemoire flux(fichier);
  image.LoadFromStream(flux);
}

// The id raised by loading `fichier`, or 0.
int erreur(const Octets& fichier, std::string* message = nullptr) {
  TPNGObject image;
  try {
    charger(image, fichier);
  } catch (const EPngError& e) {
    if (message != nullptr) *message = e.what();
    return e.id_texte();
  }
  return 0;
}

Octets idat_gris(std::uint32_t largeur, std::uint32_t hauteur) {
  return png_test::deflate(Octets(std::size_t(largeur + 1) * hauteur, 0));
}

// A grey file with the chunks `avant` between IHDR and IDAT and `apres` between IDAT and IEND.
Octets fichier_avec(const std::vector<std::pair<std::string, Octets>>& avant,
                    const std::vector<std::pair<std::string, Octets>>& apres = {}) {
  Octets f = png_test::signature();
  png_test::ajouter_chunk(f, "IHDR", png_test::ihdr(4, 2, 8, 0));
  for (const auto& [type, d] : avant) png_test::ajouter_chunk(f, type, d);
  png_test::ajouter_chunk(f, "IDAT", idat_gris(4, 2));
  for (const auto& [type, d] : apres) png_test::ajouter_chunk(f, type, d);
  png_test::ajouter_chunk(f, "IEND", {});
  return f;
}

struct ChunkLu {
  std::string type;
  Octets donnees;
};

std::vector<ChunkLu> chunks_du_fichier(const Octets& f) {
  std::vector<ChunkLu> chunks;
  for (std::size_t i = 8; i + 12 <= f.size();) {
    const std::uint32_t n = lire_be32(f.data() + i);
    chunks.push_back({std::string(f.begin() + i + 4, f.begin() + i + 8), Octets(f.begin() + i + 8, f.begin() + i + 8 + n)});
    i += 12 + n;
  }
  return chunks;
}

Octets inflater(const std::vector<ChunkLu>& chunks) {
  Octets z;
  for (const auto& c : chunks) {
    if (c.type == "IDAT") z.insert(z.end(), c.donnees.begin(), c.donnees.end());
  }
  Octets sortie(64 << 20);
  uLongf taille = sortie.size();
  EXPECT_EQ(uncompress(sortie.data(), &taille, z.data(), z.size()), Z_OK);
  sortie.resize(taille);
  return sortie;
}

}  // namespace

TEST(PngHostile, EachBrokenHeaderOrChunkRaisesItsText) {
  const Octets bon = png_test::fichier_gris(4, 2);
  Octets signature_fausse = bon;
  signature_fausse[1] = 'Q';
  Octets sans_ihdr = png_test::signature();
  png_test::ajouter_chunk(sans_ihdr, "gAMA", {0, 0, 0xB1, 0x8F});
  auto avec_ihdr = [](const Octets& entete) {
    Octets f = png_test::signature();
    png_test::ajouter_chunk(f, "IHDR", entete);
    png_test::ajouter_chunk(f, "IDAT", idat_gris(4, 2));
    png_test::ajouter_chunk(f, "IEND", {});
    return f;
  };
  Octets court = png_test::ihdr(4, 2, 8, 0);
  court.pop_back();
  Octets crc_faux = bon;
  crc_faux[8 + 8 + 13] ^= 1;
  Octets sans_idat = png_test::signature();
  png_test::ajouter_chunk(sans_idat, "IHDR", png_test::ihdr(4, 2, 8, 0));
  png_test::ajouter_chunk(sans_idat, "IEND", {});
  Octets zlib_faux = png_test::signature();
  png_test::ajouter_chunk(zlib_faux, "IHDR", png_test::ihdr(4, 2, 8, 0));
  png_test::ajouter_chunk(zlib_faux, "IDAT", {0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0xFF});
  png_test::ajouter_chunk(zlib_faux, "IEND", {});
  Octets coupe = png_test::signature();
  png_test::ajouter_chunk(coupe, "IHDR", png_test::ihdr(4, 2, 8, 0));
  const Octets z = idat_gris(4, 2);
  png_test::ajouter_chunk(coupe, "IDAT", Octets(z.begin(), z.begin() + 3));
  png_test::ajouter_chunk(coupe, "tEXt", {'a', 0, 'b'});
  png_test::ajouter_chunk(coupe, "IDAT", Octets(z.begin() + 3, z.end()));
  png_test::ajouter_chunk(coupe, "IEND", {});
  Octets longueur_enorme = bon;
  std::memset(longueur_enorme.data() + 8 + 25, 0xFF, 4);  // the IDAT length
  Octets longueur_longue = bon;
  longueur_longue[8 + 25 + 2] = 0x10;

  const struct {
    const char* cas;
    Octets fichier;
    int id;
  } cas[] = {
      {"signature", signature_fausse, txt_png_signature},
      {"IHDR not first", sans_ihdr, txt_png_ihdr_pas_premier},
      {"width 65536", avec_ihdr(png_test::ihdr(65536, 1, 8, 0)), txt_png_taille},
      {"compression 1", avec_ihdr(png_test::ihdr(4, 2, 8, 0, 1)), txt_png_compression},
      {"interlace 2", avec_ihdr(png_test::ihdr(4, 2, 8, 0, 0, 0, 2)), txt_png_entrelacement},
      {"IHDR of 12 bytes", avec_ihdr(court), txt_png_ihdr},
      {"RGB depth 4", avec_ihdr(png_test::ihdr(4, 2, 4, 2)), txt_png_ihdr},
      {"grey depth 3", avec_ihdr(png_test::ihdr(4, 2, 3, 0)), txt_png_ihdr},
      {"colour type 5", avec_ihdr(png_test::ihdr(4, 2, 8, 5)), txt_png_ihdr},
      {"width 0", avec_ihdr(png_test::ihdr(0, 2, 8, 0)), txt_png_ihdr},
      {"filter method 1", avec_ihdr(png_test::ihdr(4, 2, 8, 0, 0, 1)), txt_png_ihdr},
      {"second IHDR", fichier_avec({{"IHDR", png_test::ihdr(4, 2, 8, 0)}}), txt_png_ihdr},
      {"above 2^26 pixels", avec_ihdr(png_test::ihdr(65535, 65535, 8, 0)), txt_png_memoire},
      {"unknown critical", fichier_avec({{"TEST", {1, 2}}}), txt_png_critique_inconnu},
      {"IDAT, tEXt, IDAT", coupe, txt_png_idat_manquant},
      {"no IDAT", sans_idat, txt_png_sans_donnees},
      {"flipped CRC", crc_faux, txt_png_crc},
      {"bad zlib", zlib_faux, txt_png_zlib},
      {"PLTE of 4 bytes", fichier_avec({{"PLTE", {1, 2, 3, 4}}}), txt_png_palette},
      {"tRNS of 257 bytes", fichier_avec({{"tRNS", Octets(257, 1)}}), txt_png_palette},
      {"length 0xFFFFFFFF", longueur_enorme, txt_png_fin_inattendue},
      {"length past the end", longueur_longue, txt_png_fin_inattendue},
      {"no IEND", Octets(bon.begin(), bon.end() - 12), txt_png_fin_inattendue},
  };
  for (const auto& c : cas) EXPECT_EQ(erreur(c.fichier), c.id) << c.cas;
}

TEST(PngHostile, MessagesCarryTheirLineBreaks) {
  std::string message;
  Octets sans_ihdr = png_test::signature();
  png_test::ajouter_chunk(sans_ihdr, "IDAT", {});
  erreur(sans_ihdr, &message);
  EXPECT_EQ(message,
            "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n(IHDR chunk is not "
            "the first)");
  Octets zlib_faux = png_test::signature();
  png_test::ajouter_chunk(zlib_faux, "IHDR", png_test::ihdr(4, 2, 8, 0));
  png_test::ajouter_chunk(zlib_faux, "IDAT", {0x78, 0x9C, 0xFF, 0xFF});
  png_test::ajouter_chunk(zlib_faux, "IEND", {});
  erreur(zlib_faux, &message);
  EXPECT_EQ(message,
            "Could not decompress the image because it contains invalid compressed data.\r\n Description: data error "
            "(-3)");
}

// Every prefix and every single flipped byte of a valid file either loads or
// raises the codec's own error; a read that fails keeps a usable object.
TEST(PngHostile, TruncationsAndFlipsNeverEscape) {
  TPNGObject source;
  TBitmapSource bitmap;
  bitmap.Width = 9;
  bitmap.Height = 7;
  bitmap.BitsPerPixel = 8;
  bitmap.Palette.resize(256, RGBQUAD{1, 2, 3, 0});
  bitmap.Bits.assign(12 * 7, 5);
  bitmap.Transparent = true;
  bitmap.TransparentColor = RGB(3, 2, 1);
  source.AssignBitmap(bitmap);
  const Octets bon = sauver(source);
  for (std::size_t n = 0; n < bon.size(); ++n) {
    const int id = erreur(Octets(bon.begin(), bon.begin() + n));
    EXPECT_TRUE(id == txt_png_signature || id == txt_png_fin_inattendue || id == txt_png_idat_manquant) << n << " " << id;
  }
  for (std::size_t i = 0; i < bon.size(); ++i) {
    Octets f = bon;
    f[i] ^= 0x40;
    TPNGObject image;
    try {
      charger(image, f);
    } catch (const EPngError&) {
    }
    sauver(image);
  }
}

TEST(PngChunks, UnknownAncillaryAndTextsComeBackUnchanged) {
  Octets ztxt = {'k', 0, 0};
  const Octets z = png_test::deflate({'h', 'i'});
  ztxt.insert(ztxt.end(), z.begin(), z.end());
  const Octets f = fichier_avec({{"teSt", {9, 8, 7}}, {"cHRM", Octets(32, 1)}, {"tIME", {7, 0xE8, 12, 7, 1, 2, 3}}},
                                {{"tEXt", {'k', 'e', 'y', 0, 'v'}}, {"zTXt", ztxt}, {"tEXt", {'x'}}, {"tIME", {1}}});
  TPNGObject image;
  charger(image, f);
  const auto chunks = chunks_du_fichier(sauver(image));
  std::vector<std::string> types;
  for (const auto& c : chunks) types.push_back(c.type);
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "teSt", "tIME", "IDAT", "tEXt", "zTXt", "tEXt", "tIME", "IEND"}));
  EXPECT_EQ(chunks[1].donnees, (Octets{9, 8, 7}));
  EXPECT_EQ(chunks[2].donnees, (Octets{7, 0xE8, 12, 7, 1, 2, 3}));
  EXPECT_EQ(chunks[4].donnees, (Octets{'k', 'e', 'y', 0, 'v'}));
  EXPECT_EQ(chunks[6].donnees, (Octets{'x'}));
  EXPECT_EQ(chunks[7].donnees, (Octets{1}));
  EXPECT_EQ(chunks[8].donnees.size(), 0u);
  const auto* texte = dynamic_cast<const TChunkzTXt*>(image.Chunks.Item(5).get());
  ASSERT_NE(texte, nullptr);
  EXPECT_EQ(texte->Text, "hi");

  // An empty compressed text is written as one blank.
  auto* vide = dynamic_cast<TChunkzTXt*>(image.Chunks.Item(5).get());
  vide->Text.clear();
  TPNGObject relu;
  charger(relu, sauver(image));
  EXPECT_EQ(dynamic_cast<const TChunkzTXt*>(relu.Chunks.Item(5).get())->Text, " ");
}

TEST(PngChunks, SplitImageDataDecodesLikeOne) {
  TPNGObject un, sept;
  charger(un, png_test::fichier_gris(30, 20, 1));
  charger(sept, png_test::fichier_gris(30, 20, 7));
  EXPECT_EQ(un.Header().ImageData, sept.Header().ImageData);
  EXPECT_EQ(sept.Chunks.Count(), 3u);
}

TEST(PngChunks, IendAndTheWidestImage) {
  TPNGObject image;
  Octets f = png_test::signature();
  png_test::ajouter_chunk(f, "IHDR", png_test::ihdr(65535, 1, 1, 0));
  png_test::ajouter_chunk(f, "IDAT", png_test::deflate(Octets(1 + 8192, 0xFF)));
  png_test::ajouter_chunk(f, "IEND", {});
  charger(image, f);
  EXPECT_EQ(image.Width(), 65535u);
  EXPECT_EQ(image.GetPixel(65534, 0), RGB(255, 255, 255));
  const Octets sortie = sauver(image);
  EXPECT_EQ(Octets(sortie.end() - 12, sortie.end()),
            (Octets{0, 0, 0, 0, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82}));
}

TEST(PngObjet, HeaderOperationsAndPixelsOutside) {
  TPNGObject vide;
  EXPECT_EQ(vide.Width(), 0u);
  const auto id = [](const std::function<void()>& f) {
    try {
      f();
    } catch (const EPngError& e) {
      return e.id_texte();
    }
    return 0;
  };
  EXPECT_EQ(id([&] { vide.GetPixel(0, 0); }), txt_png_sans_entete);
  EXPECT_EQ(id([&] { vide.SetWidth(3); }), txt_png_redimension);
  EXPECT_EQ(id([&] { vide.SetHeight(3); }), txt_png_redimension);

  TPNGObject image;
  TBitmapSource bitmap;
  bitmap.Width = 3;
  bitmap.Height = 2;
  bitmap.Bits.assign(12 * 2, 0);
  bitmap.Bits[0] = 0x30;  // blue of (0, 0), the top row
  image.AssignBitmap(bitmap);
  EXPECT_EQ(image.GetPixel(0, 0), RGB(0, 0, 0x30));
  image.SetPixel(2, 1, RGB(1, 2, 3));
  EXPECT_EQ(image.GetPixel(2, 1), RGB(1, 2, 3));
  EXPECT_EQ(image.Header().ImageData[6], 3);  // the bottom row is stored first
  for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}}) {
    image.SetPixel(x, y, RGB(9, 9, 9));
    EXPECT_EQ(image.GetPixel(x, y), 0u);
  }

  // A palette index at or beyond the palette's count raises on read only;
  // setting takes the nearest entry, the first on a tie.
  TPNGObject indexe;
  bitmap.BitsPerPixel = 1;
  bitmap.Palette = {{0, 0, 0, 0}, {10, 10, 10, 0}};
  bitmap.Bits.assign(4 * 2, 0);
  indexe.AssignBitmap(bitmap);
  dynamic_cast<TChunkPLTE*>(indexe.Chunks.Item(1).get())->Count = 1;
  indexe.SetPixel(0, 0, RGB(9, 9, 9));
  EXPECT_EQ(indexe.GetPixel(0, 0), RGB(0, 0, 0));
  indexe.Header().ImageData[4] = 0x80;
  EXPECT_EQ(id([&] { indexe.GetPixel(0, 0); }), txt_png_entree_palette);
}

TEST(PngObjet, GammaTables) {
  const struct {
    std::uint32_t gamma;
    int i, attendu;
  } cas[] = {{45455, 1, 1}, {45455, 128, 128}, {45455, 254, 254}, {100000, 1, 21}, {100000, 128, 186}, {100000, 0, 0}};
  for (const auto& c : cas) {
    TPNGObject image;
    Octets g(4);
    ecrire_be32(g.data(), c.gamma);
    charger(image, fichier_avec({{"gAMA", g}}));
    EXPECT_EQ(image.GammaTable[c.i], c.attendu) << c.gamma << " " << c.i;
  }
  TPNGObject identite;
  charger(identite, fichier_avec({{"gAMA", {0, 0, 0xB1, 0x8F}}}));
  for (int i = 0; i < 256; ++i) EXPECT_EQ(identite.GammaTable[i], i);
}

TEST(PngEcriture, RgbNoiseGivesSubFilteredRowsInSmallIdats) {
  TBitmapSource bitmap;
  bitmap.Width = 600;
  bitmap.Height = 600;
  bitmap.Bits.resize(1800 * 600);
  std::mt19937 hasard(7);
  for (auto& o : bitmap.Bits) o = static_cast<std::uint8_t>(hasard());
  TPNGObject image;
  image.AssignBitmap(bitmap);
  const auto chunks = chunks_du_fichier(sauver(image));
  ASSERT_GE(chunks.size(), 3u);
  EXPECT_EQ(chunks.front().type, "IHDR");
  EXPECT_EQ(chunks.front().donnees, png_test::ihdr(600, 600, 8, 2));
  EXPECT_EQ(chunks.back().type, "IEND");
  for (std::size_t i = 1; i + 1 < chunks.size(); ++i) {
    EXPECT_EQ(chunks[i].type, "IDAT");
    EXPECT_LE(chunks[i].donnees.size(), 65535u);
  }
  const Octets brut = inflater(chunks);
  ASSERT_EQ(brut.size(), 600u * (1 + 3 * 600));
  for (std::size_t y = 0; y < 600; ++y) ASSERT_EQ(brut[y * 1801], 1) << y;
}

TEST(PngEcriture, PaletteImagesAndTheirTransparentColour) {
  TBitmapSource bitmap;
  bitmap.Width = 5;
  bitmap.Height = 3;
  bitmap.BitsPerPixel = 8;
  for (int i = 0; i < 256; ++i) bitmap.Palette.push_back({std::uint8_t(i), 0, std::uint8_t(255 - i), 0});
  bitmap.Bits.assign(8 * 3, 4);
  bitmap.Transparent = true;
  bitmap.TransparentColor = RGB(252, 0, 3);  // entry 3
  TPNGObject image;
  image.AssignBitmap(bitmap);
  auto chunks = chunks_du_fichier(sauver(image));
  ASSERT_EQ(chunks.size(), 5u);
  EXPECT_EQ(chunks[0].donnees, png_test::ihdr(5, 3, 8, 3));
  EXPECT_EQ(chunks[1].type, "PLTE");
  EXPECT_EQ(chunks[1].donnees.size(), 768u);
  EXPECT_EQ(chunks[2].type, "tRNS");
  EXPECT_EQ(chunks[2].donnees, (Octets{255, 255, 255, 0}));
  EXPECT_EQ(image.TransparencyMode(), TPNGTransparencyMode::ptmBit);
  EXPECT_EQ(image.TransparentColor(), RGB(252, 0, 3));

  bitmap.TransparentColor = RGB(1, 1, 1);  // in no entry: no tRNS
  image.AssignBitmap(bitmap);
  EXPECT_EQ(image.Chunks.FindChunk("tRNS"), nullptr);

  bitmap.BitsPerPixel = 24;
  bitmap.Bits.assign(16 * 3, 0);
  bitmap.TransparentColor = RGB(1, 2, 3);
  image.AssignBitmap(bitmap);
  chunks = chunks_du_fichier(sauver(image));
  EXPECT_EQ(chunks[1].type, "tRNS");
  EXPECT_EQ(chunks[1].donnees, (Octets{0, 1, 0, 2, 0, 3}));
}

TEST(PngObjet, TransparencyModes) {
  const struct {
    int type;
    Octets trns;
    TPNGTransparencyMode mode;
  } cas[] = {
      {0, {}, TPNGTransparencyMode::ptmNone},          {0, {0, 0}, TPNGTransparencyMode::ptmBit},
      {2, {0, 0, 0, 0, 0, 0}, TPNGTransparencyMode::ptmBit}, {3, {}, TPNGTransparencyMode::ptmNone},
      {3, {255, 0}, TPNGTransparencyMode::ptmBit},     {3, {100, 0}, TPNGTransparencyMode::ptmPartial},
      {4, {}, TPNGTransparencyMode::ptmPartial},       {6, {}, TPNGTransparencyMode::ptmPartial},
  };
  for (const auto& c : cas) {
    png_test::ImageBrute brute;
    brute.type = c.type;
    brute.largeur = brute.hauteur = 2;
    const int canaux = c.type == 2 ? 3 : c.type == 4 ? 2 : c.type == 6 ? 4 : 1;
    brute.lignes.assign(2, Octets(2 * canaux, 0));
    if (c.type == 3) brute.palette = {1, 2, 3, 4, 5, 6};
    brute.trns = c.trns;
    TPNGObject image;
    charger(image, png_test::ecrire_libpng(brute, PNG_FILTER_NONE));
    EXPECT_EQ(image.TransparencyMode(), c.mode) << c.type;
    if (c.type == 3 && c.trns.size() == 2) {
      EXPECT_EQ(image.TransparentColor(), RGB(4, 5, 6));
    }
  }
}

TEST(PngObjet, AssignmentIsDeep) {
  TPNGObject source;
  charger(source, png_test::fichier_gris(3, 3));
  TPNGObject copie;
  source.SetCompressionLevel(2);
  copie.Assign(source);
  source.SetPixel(1, 1, RGB(255, 255, 255));
  EXPECT_EQ(copie.GetPixel(1, 1), RGB(0, 0, 0));
  EXPECT_EQ(copie.CompressionLevel(), 2);
  EXPECT_EQ(copie.Chunks.Count(), source.Chunks.Count());
}

TEST(PngObjet, RegistryAndSettings) {
  const auto& classes = ChunkClasses();
  std::vector<std::string> types;
  for (std::size_t i = 0; i < classes.Count(); ++i) types.push_back(classes.Item(i).type);
  EXPECT_EQ(std::vector<std::string>(types.begin(), types.begin() + 9),
            (std::vector<std::string>{"IEND", "IHDR", "IDAT", "PLTE", "gAMA", "tRNS", "tIME", "tEXt", "zTXt"}));
  TPNGObject image;
  EXPECT_EQ(image.Filters(), pfSub);
  EXPECT_EQ(image.CompressionLevel(), 7);
  EXPECT_EQ(image.MaxIdatSize(), 65535u);
  image.SetMaxIdatSize(10);
  EXPECT_EQ(image.MaxIdatSize(), 65535u);
  image.SetMaxIdatSize(std::uint64_t(1) << 40);
  EXPECT_EQ(image.MaxIdatSize(), 0x7FFFFFFFu);
}

TEST(PngFiltres, UnknownFilterByteLeavesTheRowAsItIs) {
  Octets f = png_test::signature();
  png_test::ajouter_chunk(f, "IHDR", png_test::ihdr(3, 2, 8, 0));
  png_test::ajouter_chunk(f, "IDAT", png_test::deflate({7, 10, 20, 30, 3, 1, 1, 1}));
  png_test::ajouter_chunk(f, "IEND", {});
  TPNGObject image;
  charger(image, f);
  EXPECT_EQ(image.GetPixel(2, 0), RGB(30, 30, 30));
  // Average: floor((a + b) / 2) with a the left byte and b the byte above.
  EXPECT_EQ(image.GetPixel(0, 1), RGB(6, 6, 6));
  EXPECT_EQ(image.GetPixel(1, 1), RGB(14, 14, 14));
  EXPECT_EQ(image.GetPixel(2, 1), RGB(23, 23, 23));
}

// With several filters, the row whose bytes most often repeat one of the two
// before them wins, counted over the filtered bytes only; no score gives None.
TEST(PngFiltres, ChoiceAmongSeveralFilters) {
  const struct {
    Octets ligne;
    int filtre;
  } cas[] = {{{0, 0, 5, 10}, 1}, {{1, 2, 4, 8}, 0}, {{9, 9, 9, 9}, 0}};
  for (const auto& c : cas) {
    Octets f = png_test::signature();
    png_test::ajouter_chunk(f, "IHDR", png_test::ihdr(4, 1, 8, 0));
    Octets brut = {0};
    brut.insert(brut.end(), c.ligne.begin(), c.ligne.end());
    png_test::ajouter_chunk(f, "IDAT", png_test::deflate(brut));
    png_test::ajouter_chunk(f, "IEND", {});
    TPNGObject image;
    charger(image, f);
    image.SetFilters(pfNone | pfSub | pfUp);
    EXPECT_EQ(inflater(chunks_du_fichier(sauver(image)))[0], c.filtre) << int(c.ligne[3]);
  }
}

TEST(PngHostile, AFailedReadKeepsTheChunksReadSoFar) {
  Octets f = png_test::signature();
  png_test::ajouter_chunk(f, "IHDR", png_test::ihdr(4, 2, 8, 0));
  png_test::ajouter_chunk(f, "tEXt", {'a', 0, 'b'});
  png_test::ajouter_chunk(f, "IDAT", {0x78, 0x9C, 0xFF, 0xFF});
  TPNGObject image;
  EXPECT_EQ(erreur(f), txt_png_zlib);
  try {
    charger(image, f);
  } catch (const EPngError&) {
  }
  ASSERT_EQ(image.Chunks.Count(), 2u);
  EXPECT_EQ(image.Chunks.Item(1)->Type(), "tEXt");
  EXPECT_EQ(image.Width(), 4u);
  EXPECT_EQ(image.GetPixel(3, 1), RGB(0, 0, 0));
}
