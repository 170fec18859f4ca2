#include "components/png_outils.h"

#include <png.h>
#include <zlib.h>

#include <cstring>
#include <setjmp.h>

namespace png_test {

namespace {

std::uint32_t echantillon(const Octets& ligne, std::uint32_t indice, int profondeur) {
  if (profondeur == 16) return (std::uint32_t(ligne[2 * indice]) << 8) | ligne[2 * indice + 1];
  if (profondeur == 8) return ligne[indice];
  const std::uint32_t bit = indice * profondeur;
  return (ligne[bit / 8] >> (8 - profondeur - bit % 8)) & ((1u << profondeur) - 1);
}

int canaux(int type) { return type == 2 ? 3 : type == 4 ? 2 : type == 6 ? 4 : 1; }

std::uint8_t octet_haut(std::uint32_t v, int profondeur) { return static_cast<std::uint8_t>(profondeur == 16 ? v >> 8 : v); }

std::uint8_t niveau_gris(std::uint32_t v, int profondeur) {
  switch (profondeur) {
    case 1: return static_cast<std::uint8_t>(v * 255);
    case 2: return static_cast<std::uint8_t>(v * 85);
    case 4: return static_cast<std::uint8_t>(v * 17);
    default: return octet_haut(v, profondeur);
  }
}

struct Tampon {
  const Octets* source;
  std::size_t position;
};

void lire_memoire(png_structp p, png_bytep sortie, png_size_t taille) {
  auto* t = static_cast<Tampon*>(png_get_io_ptr(p));
  if (t->position + taille > t->source->size()) png_error(p, "short");
  std::memcpy(sortie, t->source->data() + t->position, taille);
  t->position += taille;
}

void ecrire_memoire(png_structp p, png_bytep donnees, png_size_t taille) {
  auto* sortie = static_cast<Octets*>(png_get_io_ptr(p));
  sortie->insert(sortie->end(), donnees, donnees + taille);
}

void vider(png_structp) {}

void silence(png_structp, png_const_charp) {}

}  // namespace

Octets signature() { return {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A}; }

void ajouter_chunk(Octets& fichier, const std::string& type, const Octets& donnees) {
  const auto n = static_cast<std::uint32_t>(donnees.size());
  for (int k = 3; k >= 0; --k) fichier.push_back(static_cast<std::uint8_t>(n >> (8 * k)));
  fichier.insert(fichier.end(), type.begin(), type.end());
  fichier.insert(fichier.end(), donnees.begin(), donnees.end());
  uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type.data()), 4);
  if (!donnees.empty()) crc = crc32(crc, donnees.data(), static_cast<uInt>(donnees.size()));
  for (int k = 3; k >= 0; --k) fichier.push_back(static_cast<std::uint8_t>(crc >> (8 * k)));
}

Octets ihdr(std::uint32_t largeur, std::uint32_t hauteur, int profondeur, int type, int compression, int filtre,
            int entrelacement) {
  Octets d;
  for (std::uint32_t v : {largeur, hauteur}) {
    for (int k = 3; k >= 0; --k) d.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
  }
  for (int v : {profondeur, type, compression, filtre, entrelacement}) d.push_back(static_cast<std::uint8_t>(v));
  return d;
}

Octets deflate(const Octets& donnees) {
  uLongf taille = compressBound(donnees.size());
  Octets sortie(taille);
  compress2(sortie.data(), &taille, donnees.data(), donnees.size(), 6);
  sortie.resize(taille);
  return sortie;
}

Octets fichier_gris(std::uint32_t largeur, std::uint32_t hauteur, int morceaux) {
  Octets f = signature();
  ajouter_chunk(f, "IHDR", ihdr(largeur, hauteur, 8, 0));
  const Octets z = deflate(Octets(std::size_t(largeur + 1) * hauteur, 0));
  const std::size_t pas = (z.size() + morceaux - 1) / morceaux;
  for (std::size_t debut = 0; debut < z.size(); debut += pas) {
    ajouter_chunk(f, "IDAT", Octets(z.begin() + debut, z.begin() + std::min(z.size(), debut + pas)));
  }
  ajouter_chunk(f, "IEND", {});
  return f;
}

Octets ecrire_libpng(const ImageBrute& image, int filtres) {
  Octets sortie;
  png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(p);
  if (setjmp(png_jmpbuf(p))) {
    png_destroy_write_struct(&p, &info);
    return {};
  }
  png_set_write_fn(p, &sortie, &ecrire_memoire, &vider);
  png_set_benign_errors(p, 1);
  png_set_error_fn(p, nullptr, nullptr, &silence);
  png_set_IHDR(p, info, image.largeur, image.hauteur, image.profondeur, image.type, image.entrelacement,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (std::size_t i = 0; i + 2 < image.palette.size(); i += 3) {
    palette.push_back({image.palette[i], image.palette[i + 1], image.palette[i + 2]});
  }
  if (!palette.empty()) png_set_PLTE(p, info, palette.data(), static_cast<int>(palette.size()));
  if (!image.trns.empty()) {
    if (image.type == 3) {
      png_set_tRNS(p, info, image.trns.data(), static_cast<int>(image.trns.size()), nullptr);
    } else {
      png_color_16 couleur{};
      auto v16 = [&](std::size_t i) { return static_cast<png_uint_16>((image.trns[i] << 8) | image.trns[i + 1]); };
      if (image.type == 0) {
        couleur.gray = v16(0);
      } else {
        couleur.red = v16(0);
        couleur.green = v16(2);
        couleur.blue = v16(4);
      }
      png_set_tRNS(p, info, nullptr, 0, &couleur);
    }
  }
  png_set_filter(p, PNG_FILTER_TYPE_BASE, filtres);
  std::vector<png_bytep> lignes;
  for (const Octets& l : image.lignes) lignes.push_back(const_cast<png_bytep>(l.data()));
  png_set_rows(p, info, lignes.data());
  png_write_png(p, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&p, &info);
  return sortie;
}

bool lire_libpng(const Octets& fichier, ImageBrute& image) {
  png_structp p = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(p);
  if (setjmp(png_jmpbuf(p))) {
    png_destroy_read_struct(&p, &info, nullptr);
    return false;
  }
  Tampon tampon{&fichier, 0};
  png_set_read_fn(p, &tampon, &lire_memoire);
  png_set_error_fn(p, nullptr, nullptr, &silence);
  png_read_png(p, info, PNG_TRANSFORM_IDENTITY, nullptr);
  image.largeur = png_get_image_width(p, info);
  image.hauteur = png_get_image_height(p, info);
  image.profondeur = png_get_bit_depth(p, info);
  image.type = png_get_color_type(p, info);
  image.entrelacement = png_get_interlace_type(p, info);
  const std::size_t octets = png_get_rowbytes(p, info);
  png_bytepp lignes = png_get_rows(p, info);
  image.lignes.clear();
  for (std::uint32_t y = 0; y < image.hauteur; ++y) image.lignes.emplace_back(lignes[y], lignes[y] + octets);
  image.palette.clear();
  png_colorp palette = nullptr;
  int nombre = 0;
  if (png_get_PLTE(p, info, &palette, &nombre)) {
    for (int i = 0; i < nombre; ++i) image.palette.insert(image.palette.end(), {palette[i].red, palette[i].green, palette[i].blue});
  }
  image.trns.clear();
  png_bytep alpha = nullptr;
  int n_alpha = 0;
  png_color_16p couleur = nullptr;
  if (png_get_tRNS(p, info, &alpha, &n_alpha, &couleur)) {
    if (image.type == 3) {
      image.trns.assign(alpha, alpha + n_alpha);
    } else if (image.type == 0) {
      image.trns = {static_cast<std::uint8_t>(couleur->gray >> 8), static_cast<std::uint8_t>(couleur->gray)};
    } else {
      for (png_uint_16 v : {couleur->red, couleur->green, couleur->blue}) {
        image.trns.push_back(static_cast<std::uint8_t>(v >> 8));
        image.trns.push_back(static_cast<std::uint8_t>(v));
      }
    }
  }
  png_destroy_read_struct(&p, &info, nullptr);
  return true;
}

ImageBrute image_aleatoire(std::mt19937& hasard, int type, int profondeur, int entrelacement, bool avec_trns) {
  ImageBrute image;
  std::uniform_int_distribution<int> taille(1, 40), octet(0, 255);
  image.largeur = static_cast<std::uint32_t>(taille(hasard));
  image.hauteur = static_cast<std::uint32_t>(taille(hasard));
  image.type = type;
  image.profondeur = profondeur;
  image.entrelacement = entrelacement;
  const std::size_t octets = (std::size_t(image.largeur) * profondeur * canaux(type) + 7) / 8;
  for (std::uint32_t y = 0; y < image.hauteur; ++y) {
    Octets ligne(octets);
    for (auto& o : ligne) o = static_cast<std::uint8_t>(octet(hasard));
    image.lignes.push_back(ligne);
  }
  if (type == 3) {
    // Fewer entries than indices, so that some pixels fall beyond the palette.
    const int entrees = std::max(1, (1 << profondeur) - 1);
    for (int i = 0; i < 3 * entrees; ++i) image.palette.push_back(static_cast<std::uint8_t>(octet(hasard)));
    if (avec_trns) {
      for (int i = 0; i < std::min(entrees, 1 + octet(hasard) % 4); ++i) image.trns.push_back(static_cast<std::uint8_t>(octet(hasard)));
    }
  } else if ((type == 0 || type == 2) && avec_trns) {
    // The transparent sample is taken from the first pixel, so that it shows.
    for (int c = 0; c < canaux(type); ++c) {
      const std::uint32_t v = echantillon(image.lignes[0], c, profondeur);
      image.trns.push_back(static_cast<std::uint8_t>(v >> 8));
      image.trns.push_back(static_cast<std::uint8_t>(v));
    }
  }
  return image;
}

Rgba pixel_attendu(const ImageBrute& image, std::uint32_t x, std::uint32_t y) {
  const Octets& ligne = image.lignes[y];
  const int n = canaux(image.type);
  std::array<std::uint32_t, 4> v{};
  for (int c = 0; c < n; ++c) v[c] = echantillon(ligne, x * n + c, image.profondeur);
  auto trns16 = [&](int i) { return (std::uint32_t(image.trns[2 * i]) << 8) | image.trns[2 * i + 1]; };
  Rgba sortie;
  switch (image.type) {
    case 0: {
      const std::uint8_t g = niveau_gris(v[0], image.profondeur);
      sortie = {g, g, g, 255};
      if (image.trns.size() >= 2 && trns16(0) == v[0]) sortie.a = 0;
      break;
    }
    case 2:
      sortie = {octet_haut(v[0], image.profondeur), octet_haut(v[1], image.profondeur), octet_haut(v[2], image.profondeur), 255};
      if (image.trns.size() >= 6 && trns16(0) == v[0] && trns16(1) == v[1] && trns16(2) == v[2]) sortie.a = 0;
      break;
    case 3:
      if (3 * v[0] + 2 < image.palette.size()) {
        sortie = {image.palette[3 * v[0]], image.palette[3 * v[0] + 1], image.palette[3 * v[0] + 2], 255};
      } else {
        sortie = {0, 0, 0, 255};
      }
      if (v[0] < image.trns.size()) sortie.a = image.trns[v[0]];
      break;
    case 4: {
      const std::uint8_t g = octet_haut(v[0], image.profondeur);
      sortie = {g, g, g, octet_haut(v[1], image.profondeur)};
      break;
    }
    default:
      sortie = {octet_haut(v[0], image.profondeur), octet_haut(v[1], image.profondeur), octet_haut(v[2], image.profondeur),
                octet_haut(v[3], image.profondeur)};
  }
  return sortie;
}

Rgba pixel_lu(const png::TPNGObject& image, std::uint32_t x, std::uint32_t y) {
  const png::TChunkIHDR& h = image.Header();
  const std::uint8_t* ligne = h.LigneRaster(y);
  Rgba sortie;
  std::uint32_t indice = 0;
  if (h.BitCount == 24) {
    sortie = {ligne[3 * x + 2], ligne[3 * x + 1], ligne[3 * x], 255};
  } else {
    const std::uint32_t bit = x * h.BitCount;
    indice = h.BitCount == 8 ? ligne[x] : (ligne[bit / 8] >> (8 - h.BitCount - bit % 8)) & ((1u << h.BitCount) - 1);
    const png::RGBQUAD& e = h.Palette[indice];
    sortie = {e.rgbRed, e.rgbGreen, e.rgbBlue, 255};
  }
  if (const std::uint8_t* alpha = h.LigneAlpha(y)) {
    sortie.a = alpha[x];
  } else if (const auto* trns = dynamic_cast<const png::TChunktRNS*>(image.Chunks.FindChunk("tRNS"));
             trns != nullptr && h.ColorType == 3) {
    sortie.a = trns->PaletteValues[indice];
  }
  return sortie;
}

}  // namespace png_test
