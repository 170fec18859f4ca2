// The image data: inflating and unfiltering the rows of one or more IDAT
// chunks into the header's raster, and filtering and deflating them back.
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <new>

#include "components/png/png_octets.h"
#include "components/png/png_raster.h"
#include "components/png/pngimage.h"

namespace png {

namespace {

constexpr std::size_t bloc_entree = 65535;
constexpr std::size_t bloc_sortie = 65536;
constexpr int nombre_filtres = 5;

struct Passe {
  std::uint32_t ligne, pas_ligne, colonne, pas_colonne;
};
constexpr std::array<Passe, 7> adam7 = {{{0, 8, 0, 8},
                                         {0, 8, 4, 8},
                                         {4, 8, 0, 4},
                                         {0, 4, 2, 4},
                                         {2, 4, 0, 2},
                                         {0, 2, 1, 2},
                                         {1, 2, 0, 1}}};
constexpr Passe sans_entrelacement = {0, 1, 0, 1};

unsigned canaux(std::uint8_t type) {
  switch (type) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
  }
}

std::uint64_t octets_ligne(std::uint64_t largeur, unsigned bits_pixel) { return (largeur * bits_pixel + 7) / 8; }

std::uint64_t octets_raster(std::uint64_t largeur, unsigned bits) { return ((bits * largeur + 31) & ~std::uint64_t(31)) / 8; }

std::uint32_t taille_passe(std::uint32_t total, std::uint32_t debut, std::uint32_t pas) {
  return total > debut ? (total - debut + pas - 1) / pas : 0;
}

// What the row converters need of the image.
struct Contexte {
  const std::array<std::uint8_t, 256>* gamma;
  const std::array<std::uint8_t, 256>* inverse;
  const TChunktRNS* trns;  // grey or RGB transparent sample, or null
  unsigned profondeur;
};

std::uint16_t echantillon16(const std::uint8_t* p) { return lire_be16(p); }

// --- decoding ----------------------------------------------------------------

using Decodeur = void (*)(const std::uint8_t*, std::uint8_t*, std::uint8_t*, std::uint32_t, const Contexte&);

void decoder_indices(const std::uint8_t* s, std::uint8_t* d, std::uint8_t* a, std::uint32_t w, const Contexte& c) {
  std::memcpy(d, s, octets_ligne(w, c.profondeur));
  if (a == nullptr || c.trns == nullptr) return;
  for (std::uint32_t x = 0; x < w; ++x) {
    const auto v = static_cast<std::uint16_t>(lire_echantillon(s, x, c.profondeur));
    a[x] = c.trns->EstTransparent(v, 0, 0) ? 0 : 255;
  }
}

// 2-bit samples become 4-bit indices: palette indices as they are, grey
// levels onto the 16-level ramp (v x 5).
template <unsigned facteur>
void decoder_2bits(const std::uint8_t* s, std::uint8_t* d, std::uint8_t* a, std::uint32_t w, const Contexte& c) {
  constexpr unsigned bits_source = 2;
  constexpr unsigned bits_raster = 4;
  for (std::uint32_t x = 0; x < w; ++x) {
    const std::uint32_t v = lire_echantillon(s, x, bits_source);
    ecrire_echantillon(d, x, bits_raster, v * facteur);
    if (a != nullptr && c.trns != nullptr) a[x] = c.trns->EstTransparent(static_cast<std::uint16_t>(v), 0, 0) ? 0 : 255;
  }
}

void decoder_gris16(const std::uint8_t* s, std::uint8_t* d, std::uint8_t* a, std::uint32_t w, const Contexte& c) {
  for (std::uint32_t x = 0; x < w; ++x) {
    d[x] = s[2 * x];
    if (a != nullptr && c.trns != nullptr) a[x] = c.trns->EstTransparent(echantillon16(s + 2 * x), 0, 0) ? 0 : 255;
  }
}

template <unsigned octets>
void decoder_rgb(const std::uint8_t* s, std::uint8_t* d, std::uint8_t* a, std::uint32_t w, const Contexte& c) {
  const auto& g = *c.gamma;
  for (std::uint32_t x = 0; x < w; ++x) {
    const std::uint8_t* p = s + std::uint64_t(x) * 3 * octets;
    d[3 * x] = g[p[2 * octets]];
    d[3 * x + 1] = g[p[octets]];
    d[3 * x + 2] = g[p[0]];
    if (a == nullptr || c.trns == nullptr) continue;
    const bool transparent = octets == 1 ? c.trns->EstTransparent(p[0], p[1], p[2])
                                         : c.trns->EstTransparent(echantillon16(p), echantillon16(p + 2),
                                                                  echantillon16(p + 4));
    a[x] = transparent ? 0 : 255;
  }
}

template <unsigned octets>
void decoder_gris_alpha(const std::uint8_t* s, std::uint8_t* d, std::uint8_t* a, std::uint32_t w, const Contexte&) {
  for (std::uint32_t x = 0; x < w; ++x) {
    d[x] = s[std::uint64_t(x) * 2 * octets];
    a[x] = s[std::uint64_t(x) * 2 * octets + octets];
  }
}

template <unsigned octets>
void decoder_rgba(const std::uint8_t* s, std::uint8_t* d, std::uint8_t* a, std::uint32_t w, const Contexte& c) {
  const auto& g = *c.gamma;
  for (std::uint32_t x = 0; x < w; ++x) {
    const std::uint8_t* p = s + std::uint64_t(x) * 4 * octets;
    d[3 * x] = g[p[2 * octets]];
    d[3 * x + 1] = g[p[octets]];
    d[3 * x + 2] = g[p[0]];
    a[x] = p[3 * octets];
  }
}

Decodeur choisir_decodeur(std::uint8_t type, std::uint8_t profondeur) {
  const bool seize = profondeur == 16;
  switch (type) {
    case 0:
      if (profondeur == 2) return &decoder_2bits<5>;
      return seize ? &decoder_gris16 : &decoder_indices;
    case 3: return profondeur == 2 ? &decoder_2bits<1> : &decoder_indices;
    case 2: return seize ? &decoder_rgb<2> : &decoder_rgb<1>;
    case 4: return seize ? &decoder_gris_alpha<2> : &decoder_gris_alpha<1>;
    default: return seize ? &decoder_rgba<2> : &decoder_rgba<1>;
  }
}

// --- filters -----------------------------------------------------------------

std::uint8_t paeth(std::uint8_t a, std::uint8_t b, std::uint8_t c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a);
  const int pb = std::abs(p - b);
  const int pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

std::uint8_t predicteur(int filtre, const std::uint8_t* ligne, const std::uint8_t* dessus, std::size_t j,
                        std::size_t decalage) {
  const std::uint8_t a = j >= decalage ? ligne[j - decalage] : 0;
  const std::uint8_t b = dessus[j];
  const std::uint8_t c = j >= decalage ? dessus[j - decalage] : 0;
  switch (filtre) {
    case 1: return a;
    case 2: return b;
    case 3: return static_cast<std::uint8_t>((a + b) / 2);
    case 4: return paeth(a, b, c);
    default: return 0;
  }
}

void defiltrer(int filtre, std::uint8_t* ligne, const std::uint8_t* dessus, std::size_t n, std::size_t decalage) {
  if (filtre < 1 || filtre >= nombre_filtres) return;
  for (std::size_t j = 0; j < n; ++j) ligne[j] = static_cast<std::uint8_t>(ligne[j] + predicteur(filtre, ligne, dessus, j, decalage));
}

void filtrer(int filtre, const std::uint8_t* ligne, const std::uint8_t* dessus, std::uint8_t* sortie, std::size_t n,
             std::size_t decalage) {
  const std::size_t debut = std::min(decalage, n);
  for (std::size_t j = 0; j < debut; ++j) sortie[j] = static_cast<std::uint8_t>(ligne[j] - predicteur(filtre, ligne, dessus, j, decalage));
  switch (filtre) {
    case 0: std::memcpy(sortie + debut, ligne + debut, n - debut); break;
    case 1:
      for (std::size_t j = debut; j < n; ++j) sortie[j] = static_cast<std::uint8_t>(ligne[j] - ligne[j - decalage]);
      break;
    case 2:
      for (std::size_t j = debut; j < n; ++j) sortie[j] = static_cast<std::uint8_t>(ligne[j] - dessus[j]);
      break;
    default:
      for (std::size_t j = debut; j < n; ++j) sortie[j] = static_cast<std::uint8_t>(ligne[j] - predicteur(filtre, ligne, dessus, j, decalage));
  }
}

std::size_t decalage_pixel(std::uint8_t type, unsigned profondeur) {
  return std::max<std::size_t>(1, canaux(type) * profondeur / 8);
}

// --- the inflating reader ----------------------------------------------------

// Feeds inflate from the data of consecutive IDAT chunks, checking each
// chunk's CRC at its end.
class LecteurIdat {
 public:
  LecteurIdat(TFluxPng& flux, std::uint32_t taille) : flux_(flux), restant_(taille), entree_(bloc_entree) {
    const int code = inflateInit(&z_);
    if (code != Z_OK) throw EPNGZLIBError(code);
    commencer_crc();
  }
  ~LecteurIdat() { inflateEnd(&z_); }
  LecteurIdat(const LecteurIdat&) = delete;
  LecteurIdat& operator=(const LecteurIdat&) = delete;

  // Fills `taille` bytes; false when the compressed stream ends first.
  bool lire(std::uint8_t* destination, std::size_t taille) {
    z_.next_out = destination;
    z_.avail_out = static_cast<uInt>(taille);
    while (z_.avail_out > 0) {
      if (fin_) return false;
      if (z_.avail_in == 0) alimenter();
      const int code = inflate(&z_, Z_NO_FLUSH);
      if (code == Z_STREAM_END) {
        fin_ = true;
      } else if (code != Z_OK) {
        throw EPNGZLIBError(code == Z_BUF_ERROR ? Z_DATA_ERROR : code);
      }
    }
    return true;
  }

  // Reads the rest of the current chunk and checks its CRC.
  void terminer() {
    while (restant_ > 0) lire_bloc();
    verifier_crc();
  }

 private:
  void commencer_crc() {
    static constexpr std::uint8_t type[4] = {'I', 'D', 'A', 'T'};
    crc_ = update_crc(0xFFFFFFFFu, type, sizeof type);
  }
  void lire_bloc() {
    const auto n = static_cast<std::size_t>(std::min<std::uint32_t>(restant_, bloc_entree));
    lire_exactement(flux_, entree_.data(), n);
    crc_ = update_crc(crc_, entree_.data(), n);
    restant_ -= static_cast<std::uint32_t>(n);
    z_.next_in = entree_.data();
    z_.avail_in = static_cast<uInt>(n);
  }
  void alimenter() {
    while (restant_ == 0) chunk_suivant();
    lire_bloc();
  }
  void verifier_crc() {
    std::array<std::uint8_t, 4> champ{};
    lire_exactement(flux_, champ.data(), champ.size());
    if (lire_be32(champ.data()) != ~crc_) throw EPngInvalidCRC();
  }
  void chunk_suivant() {
    verifier_crc();
    std::array<std::uint8_t, 8> champs{};
    lire_exactement(flux_, champs.data(), champs.size());
    if (std::memcmp(champs.data() + 4, "IDAT", 4) != 0) throw EPNGMissingMultipleIDAT();
    const std::uint32_t taille = lire_be32(champs.data());
    if (taille > longueur_chunk_max || std::uint64_t(taille) + 4 > flux_.restant()) throw EPngUnexpectedEnd();
    restant_ = taille;
    commencer_crc();
  }

  TFluxPng& flux_;
  std::uint32_t restant_;
  std::vector<std::uint8_t> entree_;
  z_stream z_{};
  std::uint32_t crc_ = 0;
  bool fin_ = false;
};

void remplir_gris(TChunkIHDR& h, const std::array<std::uint8_t, 256>& gamma) {
  const unsigned entrees = 1u << h.BitCount;
  for (unsigned i = 0; i < entrees; ++i) {
    const unsigned niveau = (i * 255 + (entrees - 1) / 2) / (entrees - 1);
    const std::uint8_t v = gamma[niveau];
    h.Palette[i] = {v, v, v, 0};
  }
}

// Decodes the rows of one pass (the whole image without interlacing).
bool decoder_passe(LecteurIdat& lecteur, TChunkIHDR& h, const Passe& p, Decodeur decodeur, const Contexte& c) {
  const std::uint32_t largeur = taille_passe(h.Width, p.colonne, p.pas_colonne);
  const std::uint32_t hauteur = taille_passe(h.Height, p.ligne, p.pas_ligne);
  if (largeur == 0 || hauteur == 0) return true;
  const unsigned bits_pixel = h.BitDepth * canaux(h.ColorType);
  const std::uint64_t octets = octets_ligne(largeur, bits_pixel);
  const std::size_t decalage = decalage_pixel(h.ColorType, h.BitDepth);
  std::vector<std::uint8_t> courante(octets + 1), precedente(octets + 1, 0);
  const bool directe = p.pas_colonne == 1 && p.pas_ligne == 1;
  std::vector<std::uint8_t> raster(directe ? 0 : octets_raster(largeur, h.BitCount));
  std::vector<std::uint8_t> alpha(directe || h.ImageAlpha.empty() ? 0 : largeur);
  for (std::uint32_t r = 0; r < hauteur; ++r) {
    if (!lecteur.lire(courante.data(), courante.size())) return false;
    defiltrer(courante[0], courante.data() + 1, precedente.data() + 1, octets, decalage);
    const std::uint32_t y = p.ligne + r * p.pas_ligne;
    if (directe) {
      decodeur(courante.data() + 1, h.LigneRaster(y), h.LigneAlpha(y), largeur, c);
    } else {
      decodeur(courante.data() + 1, raster.data(), alpha.empty() ? nullptr : alpha.data(), largeur, c);
      for (std::uint32_t i = 0; i < largeur; ++i) {
        const std::uint64_t x = p.colonne + std::uint64_t(i) * p.pas_colonne;
        copier_pixel(raster.data(), i, h.LigneRaster(y), x, h.BitCount);
        if (!alpha.empty()) h.LigneAlpha(y)[x] = alpha[i];
      }
    }
    std::swap(courante, precedente);
  }
  return true;
}

// --- encoding ----------------------------------------------------------------

using Encodeur = void (*)(const std::uint8_t*, const std::uint8_t*, std::uint8_t*, std::uint32_t, const Contexte&);

// A 16-bit sample written from an 8-bit value: v x 257, so 255 stays white.
void ecrire_16(std::uint8_t* p, std::uint8_t v) { p[0] = p[1] = v; }

void encoder_indices(const std::uint8_t* d, const std::uint8_t*, std::uint8_t* s, std::uint32_t w, const Contexte& c) {
  std::memcpy(s, d, octets_ligne(w, c.profondeur));
}

void encoder_gris16(const std::uint8_t* d, const std::uint8_t*, std::uint8_t* s, std::uint32_t w, const Contexte&) {
  for (std::uint32_t x = 0; x < w; ++x) ecrire_16(s + 2 * std::uint64_t(x), d[x]);
}

template <unsigned octets>
void encoder_rgb(const std::uint8_t* d, const std::uint8_t* a, std::uint8_t* s, std::uint32_t w, const Contexte& c) {
  const auto& inv = *c.inverse;
  const unsigned par_pixel = (a != nullptr ? 4 : 3) * octets;
  for (std::uint32_t x = 0; x < w; ++x) {
    std::uint8_t* p = s + std::uint64_t(x) * par_pixel;
    const std::array<std::uint8_t, 4> v = {inv[d[3 * x + 2]], inv[d[3 * x + 1]], inv[d[3 * x]], a ? a[x] : std::uint8_t(0)};
    for (unsigned k = 0; k < par_pixel / octets; ++k) {
      if (octets == 2) {
        ecrire_16(p + 2 * k, v[k]);
      } else {
        p[k] = v[k];
      }
    }
  }
}

template <unsigned octets>
void encoder_gris_alpha(const std::uint8_t* d, const std::uint8_t* a, std::uint8_t* s, std::uint32_t w,
                        const Contexte&) {
  for (std::uint32_t x = 0; x < w; ++x) {
    std::uint8_t* p = s + std::uint64_t(x) * 2 * octets;
    if (octets == 2) {
      ecrire_16(p, d[x]);
      ecrire_16(p + 2, a[x]);
    } else {
      p[0] = d[x];
      p[1] = a[x];
    }
  }
}

Encodeur choisir_encodeur(std::uint8_t type, std::uint8_t profondeur) {
  const bool seize = profondeur == 16;
  switch (type) {
    case 0: return seize ? &encoder_gris16 : &encoder_indices;
    case 3: return &encoder_indices;
    case 2:
    case 6: return seize ? &encoder_rgb<2> : &encoder_rgb<1>;
    default: return seize ? &encoder_gris_alpha<2> : &encoder_gris_alpha<1>;
  }
}

int choisir_filtre(TFilters filtres, const std::array<std::vector<std::uint8_t>, nombre_filtres>& lignes,
                   std::size_t n) {
  int seul = -1;
  int nombre = 0;
  for (int f = 0; f < nombre_filtres; ++f) {
    if (filtres & (1u << f)) {
      seul = f;
      ++nombre;
    }
  }
  if (nombre == 1) return seul;
  int meilleur = 0;
  std::size_t compte_max = 0;
  for (int f = 0; f < nombre_filtres; ++f) {
    if (!(filtres & (1u << f))) continue;
    const std::uint8_t* l = lignes[f].data() + 1;  // the filtered row, past its filter byte
    std::size_t compte = 0;
    for (std::size_t j = 2; j < n; ++j) compte += l[j] == l[j - 1] || l[j] == l[j - 2];
    if (compte > compte_max) {
      compte_max = compte;
      meilleur = f;
    }
  }
  return meilleur;
}

// Deflates the filtered rows and writes IDAT chunks of at most the image's
// maximum size.
class EcrivainIdat {
 public:
  EcrivainIdat(TFluxPng& flux, int niveau, std::uint32_t maximum) : flux_(flux), maximum_(maximum), bloc_(bloc_sortie) {
    const int code = deflateInit(&z_, niveau);
    if (code != Z_OK) throw EPNGZLIBError(code);
  }
  ~EcrivainIdat() { deflateEnd(&z_); }
  EcrivainIdat(const EcrivainIdat&) = delete;
  EcrivainIdat& operator=(const EcrivainIdat&) = delete;

  void ecrire(const std::uint8_t* octets, std::size_t taille) {
    z_.next_in = const_cast<Bytef*>(octets);
    z_.avail_in = static_cast<uInt>(taille);
    while (z_.avail_in > 0) comprimer(Z_NO_FLUSH);
  }
  void finir() {
    while (comprimer(Z_FINISH) != Z_STREAM_END) {
    }
    vider(true);
  }

 private:
  int comprimer(int mode) {
    z_.next_out = bloc_.data();
    z_.avail_out = static_cast<uInt>(bloc_.size());
    const int code = deflate(&z_, mode);
    if (code == Z_STREAM_ERROR) throw EPNGZLIBError(code);
    attente_.insert(attente_.end(), bloc_.data(), bloc_.data() + (bloc_.size() - z_.avail_out));
    vider(false);
    return code;
  }
  void vider(bool tout) {
    std::size_t debut = 0;
    while (attente_.size() - debut >= maximum_ || (tout && (attente_.size() > debut || !ecrit_))) {
      const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(maximum_, attente_.size() - debut));
      ecrire_chunk(flux_, "IDAT", attente_.data() + debut, n);
      ecrit_ = true;
      debut += n;
    }
    attente_.erase(attente_.begin(), attente_.begin() + static_cast<std::ptrdiff_t>(debut));
  }

  TFluxPng& flux_;
  std::uint32_t maximum_;
  std::vector<std::uint8_t> bloc_;
  std::vector<std::uint8_t> attente_;
  z_stream z_{};
  bool ecrit_ = false;
};

void encoder_passe(EcrivainIdat& ecrivain, const TChunkIHDR& h, const Passe& p, Encodeur encodeur, const Contexte& c,
                   TFilters filtres) {
  const std::uint32_t largeur = taille_passe(h.Width, p.colonne, p.pas_colonne);
  const std::uint32_t hauteur = taille_passe(h.Height, p.ligne, p.pas_ligne);
  if (largeur == 0 || hauteur == 0) return;
  const unsigned profondeur = h.BitDepthEcrit();
  const std::uint64_t octets = octets_ligne(largeur, profondeur * canaux(h.ColorType));
  const std::size_t decalage = decalage_pixel(h.ColorType, profondeur);
  const bool alpha_ecrit = h.ColorType == 4 || h.ColorType == 6;
  std::vector<std::uint8_t> courante(octets), precedente(octets, 0);
  std::array<std::vector<std::uint8_t>, nombre_filtres> filtrees;
  for (auto& f : filtrees) f.resize(octets + 1);
  std::vector<std::uint8_t> raster(octets_raster(largeur, h.BitCount)), alpha(alpha_ecrit ? largeur : 0);
  const bool directe = p.pas_colonne == 1 && p.pas_ligne == 1;
  // With several filters, None is also the choice when no filter scores.
  const bool un_seul = (filtres & (filtres - 1)) == 0 && filtres != 0;
  for (std::uint32_t r = 0; r < hauteur; ++r) {
    const std::uint32_t y = p.ligne + r * p.pas_ligne;
    const std::uint8_t* ligne = h.LigneRaster(y);
    const std::uint8_t* ligne_alpha = h.LigneAlpha(y);
    if (!directe) {
      for (std::uint32_t i = 0; i < largeur; ++i) {
        const std::uint64_t x = p.colonne + std::uint64_t(i) * p.pas_colonne;
        copier_pixel(h.LigneRaster(y), x, raster.data(), i, h.BitCount);
        if (alpha_ecrit) alpha[i] = h.LigneAlpha(y)[x];
      }
      ligne = raster.data();
      ligne_alpha = alpha.data();
    }
    encodeur(ligne, alpha_ecrit ? ligne_alpha : nullptr, courante.data(), largeur, c);
    for (int f = 0; f < nombre_filtres; ++f) {
      if ((f == 0 && !un_seul) || (filtres & (1u << f))) {
        filtrer(f, courante.data(), precedente.data(), filtrees[f].data() + 1, octets, decalage);
      }
    }
    std::swap(courante, precedente);
    const int choisi = choisir_filtre(filtres, filtrees, octets);
    filtrees[choisi][0] = static_cast<std::uint8_t>(choisi);
    ecrivain.ecrire(filtrees[choisi].data(), octets + 1);
  }
}

}  // namespace

bool TChunkIDAT::LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) {
  SetType(type);
  Data().clear();
  auto& objet = Owner();
  auto& h = objet.Header();
  if (h.ColorType == 0 || h.ColorType == 4) remplir_gris(h, objet.GammaTable);
  const auto* trns = dynamic_cast<const TChunktRNS*>(objet.Chunks.FindChunk("tRNS"));
  if (h.ColorType != 0 && h.ColorType != 2) trns = nullptr;
  if (trns != nullptr) h.ImageAlpha.assign(std::uint64_t(h.Width) * h.Height, 255);
  const Contexte c{&objet.GammaTable, &objet.InverseGamma, trns, h.BitDepth};
  const Decodeur decodeur = choisir_decodeur(h.ColorType, h.BitDepth);
  LecteurIdat lecteur(flux, taille);
  if (h.InterlaceMethod == 1) {
    for (const Passe& p : adam7) {
      if (!decoder_passe(lecteur, h, p, decodeur, c)) break;
    }
  } else {
    decoder_passe(lecteur, h, sans_entrelacement, decodeur, c);
  }
  lecteur.terminer();
  return true;
}

bool TChunkIDAT::SaveToStream(TFluxPng& flux) {
  auto& objet = Owner();
  const auto& h = objet.Header();
  const Contexte c{&objet.GammaTable, &objet.InverseGamma, nullptr, h.BitDepthEcrit()};
  const Encodeur encodeur = choisir_encodeur(h.ColorType, h.BitDepth);
  EcrivainIdat ecrivain(flux, objet.CompressionLevel(), objet.MaxIdatSize());
  if (objet.InterlaceMethod() == 1) {
    for (const Passe& p : adam7) encoder_passe(ecrivain, h, p, encodeur, c, objet.Filters());
  } else {
    encoder_passe(ecrivain, h, sans_entrelacement, encodeur, c, objet.Filters());
  }
  ecrivain.finir();
  return true;
}

}  // namespace png
