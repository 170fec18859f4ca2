#include "components/gif/reduction_couleurs.h"

#include <algorithm>
#include <cstdlib>

namespace gif {

namespace {

constexpr int kCouleurs8Bits = 256;
constexpr RGBQUAD kGrisNeutre{128, 128, 128, 0};

// ---- Nearest-level maps ----------------------------------------------------

template <std::size_t N>
TCarteNiveaux carte_vers(const std::array<std::uint8_t, N>& niveaux) {
  TCarteNiveaux carte{};
  for (int v = 0; v < kCouleurs8Bits; ++v) {
    std::size_t meilleur = 0;
    for (std::size_t i = 1; i < N; ++i)
      if (std::abs(v - niveaux[i]) < std::abs(v - niveaux[meilleur])) meilleur = i;
    carte[std::size_t(v)] = std::uint8_t(meilleur);
  }
  return carte;
}

constexpr std::array<std::uint8_t, 4> kNiveaux4{0, 85, 170, 255};
constexpr std::array<std::uint8_t, 6> kNiveaux6{0, 51, 102, 153, 204, 255};
constexpr std::array<std::uint8_t, 7> kNiveaux7{0, 43, 85, 128, 170, 213, 255};
constexpr std::array<std::uint8_t, 8> kNiveaux8{0, 36, 73, 109, 146, 182, 219, 255};

// ---- Scanning a 24-bit source bottom-up ------------------------------------

// Calls f(x, y, colour) for every pixel, row 0 (the bottom one) first.
template <class F>
void parcourir(const TBitmap& source, F&& f) {
  for (std::int32_t y = 0; y < source.Height(); ++y)
    for (std::int32_t x = 0; x < source.Width(); ++x) f(x, y, source.Pixel(x, y));
}

// ---- Histogram ------------------------------------------------------------

constexpr std::size_t kEntreesHistogramme = 2049;
constexpr std::uint32_t kSlotsHachage = 5191;
constexpr std::uint16_t kSlotVide = 0xFFFF;
constexpr std::uint32_t kBorneDistance = 0x30000;

struct EntreeHistogramme {
  std::uint8_t b, g, r;
  std::uint32_t compte;
  std::uint8_t index;
};

class Histogramme {
 public:
  // Counts every pixel, coarsening the masks until the colours fit.
  explicit Histogramme(const TBitmap& source) {
    while (!compter(source)) grossir_masques();
  }

  // Fills `palette` with the most frequent colours; gives the index of every entry.
  void choisir_palette(std::vector<RGBQUAD>& palette) {
    std::vector<bool> prise(entrees_.size(), false);
    std::vector<std::size_t> prises;
    while (prises.size() < std::size_t(kCouleurs8Bits)) {
      std::size_t meilleure = entrees_.size();
      std::uint32_t compte = 0;
      for (std::size_t i = 0; i < entrees_.size(); ++i)
        if (entrees_[i].compte > compte) compte = entrees_[meilleure = i].compte;
      if (meilleure == entrees_.size()) break;
      EntreeHistogramme& e = entrees_[meilleure];
      e.compte = 0;
      e.index = std::uint8_t(prises.size());
      palette[prises.size()] = RGBQUAD{e.b, e.g, e.r, 0};
      prise[meilleure] = true;
      prises.push_back(meilleure);
    }
    for (std::size_t i = 0; i < entrees_.size(); ++i)
      if (!prise[i]) entrees_[i].index = plus_proche(entrees_[i], prises);
  }

  std::uint8_t index(RGBQUAD c) const { return entrees_[chercher(masquer(c))].index; }

 private:
  RGBQUAD masquer(RGBQUAD c) const {
    return RGBQUAD{std::uint8_t(c.rgbBlue & mb_), std::uint8_t(c.rgbGreen & mg_), std::uint8_t(c.rgbRed & mr_), 0};
  }

  static std::uint32_t slot(RGBQUAD c) {
    const std::uint32_t r = c.rgbRed, g = c.rgbGreen, b = c.rgbBlue;
    return ((r + g) * (g + b) * (b + r)) % kSlotsHachage;
  }

  // The slot holding `c`, or the empty slot where it would go.
  std::uint32_t sonder(RGBQUAD c) const {
    std::uint32_t s = slot(c);
    while (slots_[s] != kSlotVide) {
      const EntreeHistogramme& e = entrees_[slots_[s]];
      if (e.r == c.rgbRed && e.g == c.rgbGreen && e.b == c.rgbBlue) break;
      s = (s + 1) % kSlotsHachage;
    }
    return s;
  }

  std::size_t chercher(RGBQUAD c) const { return slots_[sonder(c)]; }

  // False when a colour past the table's capacity is met.
  bool compter(const TBitmap& source) {
    slots_.fill(kSlotVide);
    entrees_.clear();
    for (std::int32_t y = 0; y < source.Height(); ++y)
      for (std::int32_t x = 0; x < source.Width(); ++x)
        if (!ajouter(masquer(source.Pixel(x, y)))) return false;
    return true;
  }

  bool ajouter(RGBQUAD c) {
    const std::uint32_t s = sonder(c);
    if (slots_[s] != kSlotVide) {
      ++entrees_[slots_[s]].compte;
      return true;
    }
    if (entrees_.size() == kEntreesHistogramme) return false;
    slots_[s] = std::uint16_t(entrees_.size());
    entrees_.push_back({c.rgbBlue, c.rgbGreen, c.rgbRed, 1, 0});
    return true;
  }

  // Drops the lowest set bit of one mask: green, blue or red in turn.
  void grossir_masques() {
    auto grossir = [](std::uint8_t& m) { m = std::uint8_t(m << 1); };
    if (mr_ < mg_)
      grossir(mg_);
    else if (mr_ <= mb_)
      grossir(mb_);
    else
      grossir(mr_);
  }

  std::uint8_t plus_proche(const EntreeHistogramme& e, const std::vector<std::size_t>& prises) const {
    std::uint32_t borne = kBorneDistance;
    std::uint8_t index = 0;
    for (std::size_t p : prises) {
      const EntreeHistogramme& q = entrees_[p];
      const int db = e.b - q.b, dg = e.g - q.g, dr = e.r - q.r;
      const std::uint32_t d = std::uint32_t(db * db + dg * dg + dr * dr);
      if (d < borne) {
        borne = d;
        index = q.index;
      }
    }
    return index;
  }

  std::uint8_t mr_ = 0xFF, mg_ = 0xFF, mb_ = 0xFF;
  std::array<std::uint16_t, kSlotsHachage> slots_{};
  std::vector<EntreeHistogramme> entrees_;
};

std::uint32_t reduire_histogramme(const TBitmap& source, TBitmap& cible) {
  Histogramme h(source);
  h.choisir_palette(cible.Palette);
  parcourir(source, [&](std::int32_t x, std::int32_t y, RGBQUAD c) { cible.SetIndex(x, y, h.index(c)); });
  return 0;
}

// ---- Median cut -------------------------------------------------------------

constexpr int kCellules = 4096;
constexpr int kCanaux = 3;
constexpr int kNibbleMax = 15;

int nibble(int cellule, int canal) { return (cellule >> (4 * (2 - canal))) & kNibbleMax; }
int cellule_de(RGBQUAD c) { return (c.rgbRed >> 4) * 256 + (c.rgbGreen >> 4) * 16 + (c.rgbBlue >> 4); }

struct Boite {
  std::vector<int> cellules;
  std::array<int, kCanaux> bas{}, haut{};
  std::uint64_t pixels = 0;
};

void resserrer(Boite& boite, const std::vector<std::uint64_t>& comptes) {
  boite.bas.fill(kNibbleMax);
  boite.haut.fill(0);
  boite.pixels = 0;
  for (int c : boite.cellules) {
    for (int k = 0; k < kCanaux; ++k) {
      boite.bas[std::size_t(k)] = std::min(boite.bas[std::size_t(k)], nibble(c, k));
      boite.haut[std::size_t(k)] = std::max(boite.haut[std::size_t(k)], nibble(c, k));
    }
    boite.pixels += comptes[std::size_t(c)];
  }
}

// The box and channel of largest extent among boxes of two cells or more (-1: none).
std::pair<int, int> boite_a_couper(const std::vector<Boite>& boites) {
  std::pair<int, int> choix{-1, 0};
  int etendue = -1;
  for (std::size_t i = 0; i < boites.size(); ++i) {
    if (boites[i].cellules.size() < 2) continue;
    for (int k = 0; k < kCanaux; ++k) {
      const int e = boites[i].haut[std::size_t(k)] - boites[i].bas[std::size_t(k)];
      if (e > etendue) {
        etendue = e;
        choix = {int(i), k};
      }
    }
  }
  return choix;
}

// Cuts where the running count reaches half, keeping a cell on each side.
void couper(std::vector<Boite>& boites, int i, int canal, const std::vector<std::uint64_t>& comptes) {
  Boite& boite = boites[std::size_t(i)];
  std::stable_sort(boite.cellules.begin(), boite.cellules.end(),
                   [canal](int a, int b) { return nibble(a, canal) < nibble(b, canal); });
  std::uint64_t cumul = 0;
  std::size_t coupe = 0;
  while (coupe + 1 < boite.cellules.size()) {
    cumul += comptes[std::size_t(boite.cellules[coupe])];
    ++coupe;
    if (2 * cumul >= boite.pixels) break;
  }
  Boite suite;
  suite.cellules.assign(boite.cellules.begin() + std::ptrdiff_t(coupe), boite.cellules.end());
  boite.cellules.resize(coupe);
  resserrer(boite, comptes);
  resserrer(suite, comptes);
  boites.push_back(std::move(suite));
}

RGBQUAD couleur_boite(const Boite& boite) {
  std::array<int, kCanaux> canal{};
  const int n = int(boite.cellules.size());
  for (int k = 0; k < kCanaux; ++k) {
    int somme = 0;
    for (int c : boite.cellules) somme += nibble(c, k);
    canal[std::size_t(k)] = ((somme << 4) | kNibbleMax) / n;
  }
  constexpr int kSeuilNoir = 16;
  if (canal[0] <= kSeuilNoir && canal[1] <= kSeuilNoir && canal[2] <= kSeuilNoir) return RGBQUAD{};
  return RGBQUAD{std::uint8_t(canal[2]), std::uint8_t(canal[1]), std::uint8_t(canal[0]), 0};
}

std::uint32_t reduire_median(const TBitmap& source, TBitmap& cible) {
  std::vector<std::uint64_t> comptes(kCellules, 0);
  parcourir(source, [&](std::int32_t, std::int32_t, RGBQUAD c) { ++comptes[std::size_t(cellule_de(c))]; });
  std::vector<Boite> boites(1);
  for (int c = 0; c < kCellules; ++c)
    if (comptes[std::size_t(c)] != 0) boites[0].cellules.push_back(c);
  resserrer(boites[0], comptes);
  while (boites.size() < std::size_t(kCouleurs8Bits)) {
    const auto [i, canal] = boite_a_couper(boites);
    if (i < 0) break;
    couper(boites, i, canal, comptes);
  }
  std::vector<std::uint8_t> boite_de(kCellules, 0);
  std::fill(cible.Palette.begin(), cible.Palette.end(), RGBQUAD{});
  for (std::size_t i = 0; i < boites.size(); ++i) {
    cible.Palette[i] = couleur_boite(boites[i]);
    for (int c : boites[i].cellules) boite_de[std::size_t(c)] = std::uint8_t(i);
  }
  parcourir(source, [&](std::int32_t x, std::int32_t y, RGBQUAD c) {
    cible.SetIndex(x, y, boite_de[std::size_t(cellule_de(c))]);
  });
  return std::uint32_t(boites.size());
}

// ---- Fixed palettes ---------------------------------------------------------

constexpr std::uint32_t kCouleurs666 = 216;
constexpr std::uint32_t kCouleurs784 = 224;

std::uint32_t reduire_666(const TBitmap& source, TBitmap& cible) {
  std::fill(cible.Palette.begin(), cible.Palette.end(), kGrisNeutre);
  for (std::size_t r = 0; r < 6; ++r)
    for (std::size_t g = 0; g < 6; ++g)
      for (std::size_t b = 0; b < 6; ++b)
        cible.Palette[(r * 6 + g) * 6 + b] = RGBQUAD{kNiveaux6[b], kNiveaux6[g], kNiveaux6[r], 0};
  const TCarteNiveaux& n6 = carte_niveaux_6();
  parcourir(source, [&](std::int32_t x, std::int32_t y, RGBQUAD c) {
    cible.SetIndex(x, y, std::uint8_t((n6[c.rgbRed] * 6 + n6[c.rgbGreen]) * 6 + n6[c.rgbBlue]));
  });
  return kCouleurs666;
}

std::uint32_t reduire_784(const TBitmap& source, TBitmap& cible) {
  std::fill(cible.Palette.begin(), cible.Palette.end(), kGrisNeutre);
  for (std::size_t r = 0; r < 7; ++r)
    for (std::size_t g = 0; g < 8; ++g)
      for (std::size_t b = 0; b < 4; ++b)
        cible.Palette[(r * 8 + g) * 4 + b] = RGBQUAD{kNiveaux4[b], kNiveaux8[g], kNiveaux7[r], 0};
  const TCarteNiveaux &n7 = carte_niveaux_7(), &n8 = carte_niveaux_8(), &n4 = carte_niveaux_4();
  parcourir(source, [&](std::int32_t x, std::int32_t y, RGBQUAD c) {
    cible.SetIndex(x, y, std::uint8_t((n7[c.rgbRed] * 8 + n8[c.rgbGreen]) * 4 + n4[c.rgbBlue]));
  });
  return kCouleurs784;
}

std::uint32_t reduire_triple(const TBitmap& source, TBitmap& cible) {
  constexpr std::size_t kTiers = 64;
  std::fill(cible.Palette.begin(), cible.Palette.end(), RGBQUAD{});
  for (std::size_t i = 0; i < kTiers; ++i) {
    const auto v = std::uint8_t(i * 4);
    cible.Palette[i] = RGBQUAD{0, 0, v, 0};
    cible.Palette[kTiers + i] = RGBQUAD{0, v, 0, 0};
    cible.Palette[2 * kTiers + i] = RGBQUAD{v, 0, 0, 0};
  }
  parcourir(source, [&](std::int32_t x, std::int32_t y, RGBQUAD c) {
    const std::uint8_t composantes[3] = {c.rgbRed, c.rgbGreen, c.rgbBlue};
    const int k = (y + x) % 3;
    cible.SetIndex(x, y, std::uint8_t((composantes[k] >> 2) + k * int(kTiers)));
  });
  return 0;
}

std::uint32_t reduire_gris(const TBitmap& source, TBitmap& cible) {
  for (std::size_t i = 0; i < cible.Palette.size(); ++i) {
    const auto v = std::uint8_t(i);
    cible.Palette[i] = RGBQUAD{v, v, v, 0};
  }
  parcourir(source, [&](std::int32_t x, std::int32_t y, RGBQUAD c) {
    cible.SetIndex(x, y, std::uint8_t((c.rgbRed * 77 + c.rgbGreen * 150 + c.rgbBlue * 29) >> 8));
  });
  return 0;
}

// ---- Entry points -----------------------------------------------------------

// A 1- or 4-bit copy of an indexed source whose indices fit the target.
TBitmap reindexer(const TBitmap& source, TPixelFormat format) {
  if (source.PixelFormat() == pf24bit) throw EReductionNonPrise();
  TBitmap cible(source.Width(), source.Height(), format);
  for (std::size_t i = 0; i < cible.Palette.size() && i < source.Palette.size(); ++i)
    cible.Palette[i] = source.Palette[i];
  const unsigned limite = 1u << format;
  for (std::int32_t y = 0; y < source.Height(); ++y)
    for (std::int32_t x = 0; x < source.Width(); ++x) {
      const std::uint8_t i = source.Index(x, y);
      if (i >= limite) throw EReductionNonPrise();
      cible.SetIndex(x, y, i);
    }
  return cible;
}

TBitmap en_24_bits(const TBitmap& source) {
  if (source.PixelFormat() == pf24bit) return source;
  TBitmap cible(source.Width(), source.Height(), pf24bit);
  parcourir(source, [&](std::int32_t x, std::int32_t y, RGBQUAD c) { cible.SetPixel(x, y, c); });
  return cible;
}

std::uint32_t appliquer(TColorReduction methode, const TBitmap& source, TBitmap& cible) {
  switch (methode) {
    case rmMedianCut: return reduire_median(source, cible);
    case rmTrunc784: return reduire_784(source, cible);
    case rmTrunc666: return reduire_666(source, cible);
    case rmTriple: return reduire_triple(source, cible);
    case rmGrayscale: return reduire_gris(source, cible);
    case rmHistogram: break;
  }
  return reduire_histogramme(source, cible);
}

// ---- Bitmap file ------------------------------------------------------------

constexpr std::uint32_t kEnteteFichier = 14;
constexpr std::uint32_t kEnteteInfo = 40;
constexpr std::uint32_t kOctetsEntreePalette = 4;

void ecrire16(std::vector<std::uint8_t>& o, std::uint32_t v) {
  o.push_back(std::uint8_t(v));
  o.push_back(std::uint8_t(v >> 8));
}
void ecrire32(std::vector<std::uint8_t>& o, std::uint32_t v) {
  ecrire16(o, v & 0xFFFF);
  ecrire16(o, v >> 16);
}

}  // namespace

EReductionNonPrise::EReductionNonPrise() : std::runtime_error("Function not yet implemented") {}

const TCarteNiveaux& carte_niveaux_4() {
  static const TCarteNiveaux carte = carte_vers(kNiveaux4);
  return carte;
}
const TCarteNiveaux& carte_niveaux_6() {
  static const TCarteNiveaux carte = carte_vers(kNiveaux6);
  return carte;
}
const TCarteNiveaux& carte_niveaux_7() {
  static const TCarteNiveaux carte = carte_vers(kNiveaux7);
  return carte;
}
const TCarteNiveaux& carte_niveaux_8() {
  static const TCarteNiveaux carte = carte_vers(kNiveaux8);
  return carte;
}

TBitmapReduit ReduceBitmap(const TBitmap& source, TPixelFormat format, TColorReduction methode) {
  if (source.Empty()) throw EInvalidGraphic();
  if (source.PixelFormat() == format && methode != rmGrayscale) return {source, 0};
  if (format == pf1bit || format == pf4bit) return {reindexer(source, format), 0};
  if (format != pf8bit) throw EReductionNonPrise();
  const TBitmap source24 = en_24_bits(source);
  TBitmapReduit r{TBitmap(source.Width(), source.Height(), pf8bit), 0};
  r.couleurs_importantes = appliquer(methode, source24, r.bitmap);
  return r;
}

std::vector<std::uint8_t> fichier_bitmap(const TBitmap& bitmap, std::uint32_t couleurs_importantes) {
  const std::uint32_t palette = std::uint32_t(bitmap.Palette.size()) * kOctetsEntreePalette;
  const std::uint32_t debut = kEnteteFichier + kEnteteInfo + palette;
  const auto taille_image = std::uint32_t(bitmap.Bits().size());
  std::vector<std::uint8_t> o;
  o.reserve(debut + taille_image);
  o.push_back('B');
  o.push_back('M');
  ecrire32(o, debut + taille_image);
  ecrire32(o, 0);
  ecrire32(o, debut);
  ecrire32(o, kEnteteInfo);
  ecrire32(o, std::uint32_t(bitmap.Width()));
  ecrire32(o, std::uint32_t(bitmap.Height()));
  ecrire16(o, 1);
  ecrire16(o, std::uint32_t(bitmap.PixelFormat()));
  ecrire32(o, 0);
  ecrire32(o, taille_image);
  ecrire32(o, 0);
  ecrire32(o, 0);
  ecrire32(o, 0);
  ecrire32(o, couleurs_importantes);
  for (const RGBQUAD& q : bitmap.Palette) {
    o.push_back(q.rgbBlue);
    o.push_back(q.rgbGreen);
    o.push_back(q.rgbRed);
    o.push_back(0);
  }
  o.insert(o.end(), bitmap.Bits().begin(), bitmap.Bits().end());
  return o;
}

std::vector<std::uint8_t> ReduceBitmapToStream(const TBitmap& source, TPixelFormat format,
                                               TColorReduction methode) {
  const TBitmapReduit r = ReduceBitmap(source, format, methode);
  return fichier_bitmap(r.bitmap, r.couleurs_importantes);
}

}  // namespace gif
