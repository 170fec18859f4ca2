#include "components/png/png_erreurs.h"

#include <array>
#include <utility>

namespace png {

namespace {

constexpr const char* fin_de_ligne = "\r\n";

constexpr std::array<std::pair<int, const char*>, 18> textes = {{
    {txt_png_sans_donnees, "This \"Portable Network Graphics\" image contains no data."},
    {txt_png_redimension,
     "The \"Portable Network Graphics\" image can not be resize by changing width and height properties. "
     "Try assigning the image from a bitmap."},
    {txt_png_memoire,
     "Some operation could not be performed because the system is out of resources. Close some windows and "
     "try again."},
    {txt_png_sans_entete, "This operation is not valid because the current image contains no valid header."},
    {txt_png_crc,
     "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of data (crc "
     "error)"},
    {txt_png_ihdr,
     "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) "
     "might be corrupted"},
    {txt_png_idat_manquant, "This \"Portable Network Graphics\" image is invalid because it has missing image parts."},
    {txt_png_zlib, "Could not decompress the image because it contains invalid compressed data."},
    {txt_png_palette, "The \"Portable Network Graphics\" image contains an invalid palette."},
    {txt_png_signature,
     "The file being readed is not a valid \"Portable Network Graphics\" image because it contains an invalid "
     "header. This file may be corruped, try obtaining it again."},
    {txt_png_ihdr_pas_premier, "This \"Portable Network Graphics\" image is not supported or it might be invalid."},
    {txt_png_taille,
     "This \"Portable Network Graphics\" image is not supported because either it's width or height exceeds the "
     "maximum size, which is 65535 pixels length."},
    {txt_png_entree_palette, "There is no such palette entry."},
    {txt_png_critique_inconnu,
     "This \"Portable Network Graphics\" image contains an unknown critical part which could not be decoded."},
    {txt_png_compression,
     "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme which could not be "
     "decoded."},
    {txt_png_entrelacement,
     "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not be decoded."},
    {txt_png_incompatibles, "The chunks must be compatible to be assigned."},
    {txt_png_fin_inattendue,
     "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of the "
     "file."},
}};

constexpr std::array<std::pair<int, const char*>, 9> textes_zlib = {{
    {-6, "incompatible version (-6)"},
    {-5, "buffer error (-5)"},
    {-4, "insufficient memory (-4)"},
    {-3, "data error (-3)"},
    {-2, "stream error (-2)"},
    {-1, "file error (-1)"},
    {0, "(0)"},
    {1, "stream end (1)"},
    {2, "need dictionary (2)"},
}};

std::string texte_complet(int id) {
  std::string texte = texte_png(id);
  if (id == txt_png_ihdr_pas_premier) texte += std::string(fin_de_ligne) + "(IHDR chunk is not the first)";
  return texte;
}

}  // namespace

std::string texte_png(int id) {
  for (const auto& [cle, texte] : textes) {
    if (cle == id) return texte;
  }
  return {};
}

std::string texte_zlib(int code) {
  for (const auto& [cle, texte] : textes_zlib) {
    if (cle == code) return texte;
  }
  return {};
}

EPngError::EPngError(int id) : std::runtime_error(texte_complet(id)), id_(id) {}

EPngError::EPngError(int id, const std::string& message) : std::runtime_error(message), id_(id) {}

EPNGZLIBError::EPNGZLIBError(int code_zlib)
    : EPngError(txt_png_zlib, texte_png(txt_png_zlib) + fin_de_ligne + " Description: " + texte_zlib(code_zlib)) {}

}  // namespace png
