#pragma once
// The codec's failures: one base type carrying the text id, so callers catch
// a single type and still know which failure it was.

#include <stdexcept>
#include <string>

namespace png {

// Text ids of the codec's messages.
enum IdTextePng : int {
  txt_png_sans_donnees = 64832,
  txt_png_redimension = 64833,
  txt_png_memoire = 64834,
  txt_png_sans_entete = 64835,
  txt_png_crc = 64850,
  txt_png_ihdr = 64851,
  txt_png_idat_manquant = 64852,
  txt_png_zlib = 64853,
  txt_png_palette = 64854,
  txt_png_signature = 64855,
  txt_png_ihdr_pas_premier = 64856,
  txt_png_taille = 64857,
  txt_png_entree_palette = 64858,
  txt_png_critique_inconnu = 64859,
  txt_png_compression = 64860,
  txt_png_entrelacement = 64861,
  txt_png_incompatibles = 64862,
  txt_png_fin_inattendue = 64863,
};

// The message of a text id, as the user reads it.
std::string texte_png(int id);

class EPngError : public std::runtime_error {
 public:
  explicit EPngError(int id);
  EPngError(int id, const std::string& message);
  int id_texte() const { return id_; }

 private:
  int id_;
};

#define PRALINORE_EXCEPTION_PNG(nom, id)      \
  class nom : public EPngError {              \
   public:                                    \
    nom() : EPngError(id) {}                  \
  };

PRALINORE_EXCEPTION_PNG(EPNGOutMemory, txt_png_memoire)
PRALINORE_EXCEPTION_PNG(EPngUnexpectedEnd, txt_png_fin_inattendue)
PRALINORE_EXCEPTION_PNG(EPngInvalidCRC, txt_png_crc)
PRALINORE_EXCEPTION_PNG(EPngInvalidIHDR, txt_png_ihdr)
PRALINORE_EXCEPTION_PNG(EPNGMissingMultipleIDAT, txt_png_idat_manquant)
PRALINORE_EXCEPTION_PNG(EPNGInvalidPalette, txt_png_palette)
PRALINORE_EXCEPTION_PNG(EPNGInvalidFileHeader, txt_png_signature)
PRALINORE_EXCEPTION_PNG(EPNGIHDRNotFirst, txt_png_ihdr_pas_premier)
PRALINORE_EXCEPTION_PNG(EPNGSizeExceeds, txt_png_taille)
PRALINORE_EXCEPTION_PNG(EPNGUnknownCriticalChunk, txt_png_critique_inconnu)
PRALINORE_EXCEPTION_PNG(EPNGUnknownCompression, txt_png_compression)
PRALINORE_EXCEPTION_PNG(EPNGUnknownInterlace, txt_png_entrelacement)
PRALINORE_EXCEPTION_PNG(EPNGNoImageData, txt_png_sans_donnees)
PRALINORE_EXCEPTION_PNG(EPNGHeaderNotPresent, txt_png_sans_entete)

#undef PRALINORE_EXCEPTION_PNG

// A zlib failure: the message ends with zlib's own description of the code.
class EPNGZLIBError : public EPngError {
 public:
  explicit EPNGZLIBError(int code_zlib);
};

// zlib's description of a return code, as "data error (-3)".
std::string texte_zlib(int code);

}  // namespace png
