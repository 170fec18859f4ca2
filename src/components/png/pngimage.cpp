#include "components/png/pngimage.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "components/png/png_octets.h"
#include "platform/ini/fichier_disque.h"

namespace png {

namespace {

constexpr std::array<std::uint8_t, 8> signature = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t reserve_chunks = 10;
constexpr std::uint32_t taille_ihdr = 13;
constexpr std::uint32_t dimension_max = 65535;
constexpr std::uint32_t taille_gama = 4;
constexpr double gamma_unite = 100000.0;
constexpr double gamma_ecran = 2.2;
constexpr std::uint32_t octets_par_entree = 3;
constexpr std::uint32_t entrees_max = 256;
constexpr std::uint32_t taille_time = 7;
constexpr std::uint32_t taille_text_min = 3;
constexpr std::uint32_t taille_ztxt_min = 4;
constexpr std::size_t texte_inflate_max = std::size_t(1) << 20;
constexpr std::uint8_t bit_ancillaire = 0x20;

const std::array<std::uint32_t, 256>& table_crc() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

std::uint32_t crc_chunk(const std::string& type, const std::uint8_t* donnees, std::size_t taille) {
  std::uint32_t crc = update_crc(0xFFFFFFFFu, reinterpret_cast<const std::uint8_t*>(type.data()), type.size());
  return ~update_crc(crc, donnees, taille);
}

template <class C>
std::unique_ptr<TChunk> fabriquer(TPNGObject& owner) {
  return std::make_unique<C>(owner);
}

TPNGPointerList<ClasseChunk>& registre() {
  static TPNGPointerList<ClasseChunk> classes = [] {
    TPNGPointerList<ClasseChunk> liste;
    liste.Add({"IEND", &fabriquer<TChunkIEND>});
    liste.Add({"IHDR", &fabriquer<TChunkIHDR>});
    liste.Add({"IDAT", &fabriquer<TChunkIDAT>});
    liste.Add({"PLTE", &fabriquer<TChunkPLTE>});
    liste.Add({"gAMA", &fabriquer<TChunkgAMA>});
    liste.Add({"tRNS", &fabriquer<TChunktRNS>});
    liste.Add({"tIME", &fabriquer<TChunktIME>});
    liste.Add({"tEXt", &fabriquer<TChunktEXt>});
    liste.Add({"zTXt", &fabriquer<TChunkzTXt>});
    return liste;
  }();
  return classes;
}

std::unique_ptr<TChunk> creer_chunk(TPNGObject& owner, const std::string& type) {
  const auto& classes = registre();
  for (std::size_t i = 0; i < classes.Count(); ++i) {
    if (classes.Item(i).type == type) return classes.Item(i).fabrique(owner);
  }
  if ((static_cast<std::uint8_t>(type[0]) & bit_ancillaire) == 0) throw EPNGUnknownCriticalChunk();
  auto chunk = std::make_unique<TChunk>(owner);
  chunk->SetType(type);
  return chunk;
}

bool legal(std::uint8_t type, std::uint8_t profondeur) {
  switch (type) {
    case 0: return profondeur == 1 || profondeur == 2 || profondeur == 4 || profondeur == 8 || profondeur == 16;
    case 2:
    case 4:
    case 6: return profondeur == 8 || profondeur == 16;
    case 3: return profondeur == 1 || profondeur == 2 || profondeur == 4 || profondeur == 8;
    default: return false;
  }
}

// Inflates a whole zlib stream; false on a bad stream or above `maximum` bytes.
bool inflater(const std::uint8_t* donnees, std::size_t taille, std::size_t maximum, std::string& sortie) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return false;
  z.next_in = const_cast<Bytef*>(donnees);
  z.avail_in = static_cast<uInt>(taille);
  std::array<char, 16384> bloc{};
  int code = Z_OK;
  while (code == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(bloc.data());
    z.avail_out = bloc.size();
    code = inflate(&z, Z_NO_FLUSH);
    sortie.append(bloc.data(), bloc.size() - z.avail_out);
    if (sortie.size() > maximum) code = Z_MEM_ERROR;
    if (code == Z_BUF_ERROR) code = Z_DATA_ERROR;
  }
  inflateEnd(&z);
  return code == Z_STREAM_END;
}

std::vector<std::uint8_t> deflater(const std::string& texte, int niveau) {
  uLongf taille = compressBound(texte.size());
  std::vector<std::uint8_t> sortie(taille);
  compress2(sortie.data(), &taille, reinterpret_cast<const Bytef*>(texte.data()), texte.size(), niveau);
  sortie.resize(taille);
  return sortie;
}

}  // namespace

std::uint32_t update_crc(std::uint32_t crc, const std::uint8_t* octets, std::size_t taille) {
  const auto& table = table_crc();
  for (std::size_t i = 0; i < taille; ++i) crc = table[(crc ^ octets[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}

void lire_exactement(TFluxPng& flux, void* tampon, std::size_t taille) {
  if (flux.lire(tampon, taille) != taille) throw EPngUnexpectedEnd();
}

void ecrire_chunk(TFluxPng& flux, const std::string& type, const std::uint8_t* donnees, std::uint32_t taille) {
  std::array<std::uint8_t, 4> champ{};
  ecrire_be32(champ.data(), taille);
  flux.ecrire(champ.data(), champ.size());
  flux.ecrire(type.data(), 4);
  flux.ecrire(donnees, taille);
  ecrire_be32(champ.data(), crc_chunk(type, donnees, taille));
  flux.ecrire(champ.data(), champ.size());
}

void RegisterChunk(const std::string& type, FabriqueChunk fabrique) {
  if (type.size() == 4) registre().Add({type, fabrique});
}

const TPNGPointerList<ClasseChunk>& ChunkClasses() { return registre(); }

TChunk* TPNGList::FindChunk(const std::string& type) const {
  for (std::size_t i = 0; i < Count(); ++i) {
    if (Item(i)->Type() == type) return Item(i).get();
  }
  return nullptr;
}

// --- TChunk ------------------------------------------------------------------

TChunk::TChunk(TPNGObject& owner) : owner_(&owner) {}

void TChunk::Assign(const TChunk& source) {
  data_ = source.data_;
  type_ = source.type_;
}

void TChunk::LireDonnees(TFluxPng& flux, std::uint32_t taille) {
  if (taille > longueur_chunk_max || std::uint64_t(taille) + 4 > flux.restant()) throw EPngUnexpectedEnd();
  data_.resize(taille);
  lire_exactement(flux, data_.data(), taille);
  std::array<std::uint8_t, 4> champ{};
  lire_exactement(flux, champ.data(), champ.size());
  if (lire_be32(champ.data()) != crc_chunk(type_, data_.data(), data_.size())) throw EPngInvalidCRC();
}

void TChunk::EcrireDonnees(TFluxPng& flux) const {
  ecrire_chunk(flux, type_, data_.data(), static_cast<std::uint32_t>(data_.size()));
}

bool TChunk::LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) {
  type_ = type;
  LireDonnees(flux, taille);
  return true;
}

bool TChunk::SaveToStream(TFluxPng& flux) {
  EcrireDonnees(flux);
  return true;
}

std::unique_ptr<TChunk> TChunk::Nouveau(TPNGObject& owner) const { return std::make_unique<TChunk>(owner); }

std::unique_ptr<TChunk> TChunk::Copier(TPNGObject& owner) const {
  auto copie = Nouveau(owner);
  copie->Assign(*this);
  return copie;
}

std::unique_ptr<TChunk> TChunkIEND::Nouveau(TPNGObject& owner) const { return std::make_unique<TChunkIEND>(owner); }

// --- TChunkIHDR --------------------------------------------------------------

std::unique_ptr<TChunk> TChunkIHDR::Nouveau(TPNGObject& owner) const { return std::make_unique<TChunkIHDR>(owner); }

void TChunkIHDR::Assign(const TChunk& source) {
  const auto* entete = dynamic_cast<const TChunkIHDR*>(&source);
  if (entete == nullptr) throw EPngError(txt_png_incompatibles);
  TChunk::Assign(source);
  BitCount = entete->BitCount;
  Palette = entete->Palette;
  HasPalette = entete->HasPalette;
  BytesPerRow = entete->BytesPerRow;
  ImageData = entete->ImageData;
  ImageAlpha = entete->ImageAlpha;
  Width = entete->Width;
  Height = entete->Height;
  BitDepth = entete->BitDepth;
  ColorType = entete->ColorType;
  CompressionMethod = entete->CompressionMethod;
  FilterMethod = entete->FilterMethod;
  InterlaceMethod = entete->InterlaceMethod;
}

bool TChunkIHDR::LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) {
  TChunk::LoadFromStream(flux, type, taille);
  const auto& d = Data();
  if (d.size() < taille_ihdr) throw EPngInvalidIHDR();
  const std::uint32_t largeur = lire_be32(d.data());
  const std::uint32_t hauteur = lire_be32(d.data() + 4);
  if (largeur > dimension_max || hauteur > dimension_max) throw EPNGSizeExceeds();
  if (d[10] != 0) throw EPNGUnknownCompression();
  if (d[12] > 1) throw EPNGUnknownInterlace();
  if (largeur == 0 || hauteur == 0 || d[11] != 0 || !legal(d[9], d[8])) throw EPngInvalidIHDR();
  Width = largeur;
  Height = hauteur;
  BitDepth = d[8];
  ColorType = d[9];
  CompressionMethod = d[10];
  FilterMethod = d[11];
  InterlaceMethod = d[12];
  Owner().SetInterlaceMethod(InterlaceMethod);
  PrepareImageData();
  return true;
}

bool TChunkIHDR::SaveToStream(TFluxPng& flux) {
  InterlaceMethod = Owner().InterlaceMethod();
  auto& d = Data();
  d.assign(taille_ihdr, 0);
  ecrire_be32(d.data(), Width);
  ecrire_be32(d.data() + 4, Height);
  d[8] = BitDepthEcrit();
  d[9] = ColorType;
  d[10] = CompressionMethod;
  d[11] = FilterMethod;
  d[12] = InterlaceMethod;
  EcrireDonnees(flux);
  return true;
}

void TChunkIHDR::PrepareImageData() {
  if (std::uint64_t(Width) * Height > TPNGObject::pixels_max) throw EPNGOutMemory();
  HasPalette = ColorType == 0 || ColorType == 3 || ColorType == 4;
  if (HasPalette) {
    BitCount = BitDepth == 2 ? 4 : (BitDepth == 16 ? 8 : BitDepth);
  } else {
    BitCount = 24;
  }
  BytesPerRow = ((std::uint64_t(BitCount) * Width + 31) & ~std::uint64_t(31)) / 8;
  Palette.fill(RGBQUAD{});
  try {
    ImageData.assign(BytesPerRow * Height, 0);
    ImageAlpha.clear();
    if (ColorType == 4 || ColorType == 6) ImageAlpha.assign(std::uint64_t(Width) * Height, 0);
  } catch (const std::bad_alloc&) {
    ImageData.clear();
    ImageAlpha.clear();
    throw EPNGOutMemory();
  }
}

// --- TChunkgAMA --------------------------------------------------------------

TChunkgAMA::TChunkgAMA(TPNGObject& owner) : TChunk(owner) {
  InitialiserType();
  SetGamma(1);
}

std::unique_ptr<TChunk> TChunkgAMA::Nouveau(TPNGObject& owner) const { return std::make_unique<TChunkgAMA>(owner); }

std::uint32_t TChunkgAMA::Gamma() const { return Data().size() == taille_gama ? lire_be32(Data().data()) : 0; }

void TChunkgAMA::SetGamma(std::uint32_t valeur) {
  Data().assign(taille_gama, 0);
  ecrire_be32(Data().data(), valeur);
}

void TChunkgAMA::Assign(const TChunk& source) {
  if (dynamic_cast<const TChunkgAMA*>(&source) == nullptr) throw EPngError(txt_png_incompatibles);
  TChunk::Assign(source);
}

bool TChunkgAMA::LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) {
  TChunk::LoadFromStream(flux, type, taille);
  const std::uint32_t g = Gamma();
  auto& objet = Owner();
  // Only a first gAMA ahead of the palette and the image data maps colours,
  // so that what is written back reads the same.
  const auto& chunks = objet.Chunks;
  if (g == 0 || chunks.FindChunk("gAMA") || chunks.FindChunk("PLTE") || chunks.FindChunk("IDAT")) return true;
  const double exposant = 1.0 / (g / gamma_unite * gamma_ecran);
  for (int i = 0; i < 256; ++i) {
    const double valeur = 255.0 * std::pow(i / 255.0, exposant);
    const auto niveau = static_cast<std::uint8_t>(std::clamp(std::nearbyint(valeur), 0.0, 255.0));
    objet.GammaTable[i] = niveau;
    objet.InverseGamma[niveau] = static_cast<std::uint8_t>(i);
  }
  return true;
}

bool TChunkgAMA::SaveToStream(TFluxPng& flux) {
  EcrireDonnees(flux);
  return true;
}

// --- TChunkPLTE --------------------------------------------------------------

std::unique_ptr<TChunk> TChunkPLTE::Nouveau(TPNGObject& owner) const { return std::make_unique<TChunkPLTE>(owner); }

void TChunkPLTE::Assign(const TChunk& source) {
  const auto* palette = dynamic_cast<const TChunkPLTE*>(&source);
  if (palette == nullptr) throw EPngError(txt_png_incompatibles);
  TChunk::Assign(source);
  Count = palette->Count;
}

bool TChunkPLTE::LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) {
  TChunk::LoadFromStream(flux, type, taille);
  const auto& d = Data();
  if (d.size() % octets_par_entree != 0 || d.size() > entrees_max * octets_par_entree) throw EPNGInvalidPalette();
  auto& entete = Owner().Header();
  const auto& gamma = Owner().GammaTable;
  Count = static_cast<std::uint32_t>(d.size() / octets_par_entree);
  for (std::uint32_t i = 0; i < Count; ++i) {
    entete.Palette[i] = {gamma[d[3 * i + 2]], gamma[d[3 * i + 1]], gamma[d[3 * i]], 0};
  }
  return true;
}

bool TChunkPLTE::SaveToStream(TFluxPng& flux) {
  const auto& entete = Owner().Header();
  const auto& inverse = Owner().InverseGamma;
  Count = std::min(Count, entrees_max);
  auto& d = Data();
  d.resize(std::size_t(Count) * octets_par_entree);
  for (std::uint32_t i = 0; i < Count; ++i) {
    d[3 * i] = inverse[entete.Palette[i].rgbRed];
    d[3 * i + 1] = inverse[entete.Palette[i].rgbGreen];
    d[3 * i + 2] = inverse[entete.Palette[i].rgbBlue];
  }
  EcrireDonnees(flux);
  return true;
}

// --- TChunktRNS --------------------------------------------------------------

std::unique_ptr<TChunk> TChunktRNS::Nouveau(TPNGObject& owner) const { return std::make_unique<TChunktRNS>(owner); }

void TChunktRNS::Assign(const TChunk& source) {
  TChunk::Assign(source);
  if (const auto* trns = dynamic_cast<const TChunktRNS*>(&source)) {
    BitTransparency = trns->BitTransparency;
    PaletteValues = trns->PaletteValues;
  }
}

bool TChunktRNS::LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) {
  TChunk::LoadFromStream(flux, type, taille);
  const auto& d = Data();
  if (d.size() > entrees_max) throw EPNGInvalidPalette();
  PaletteValues.fill(255);
  std::copy(d.begin(), d.end(), PaletteValues.begin());
  const auto& entete = Owner().Header();
  if (entete.ColorType == 3) {
    BitTransparency = std::count_if(PaletteValues.begin(), PaletteValues.end(), [](auto v) { return v < 255; }) == 1;
  } else {
    BitTransparency = true;
  }
  return true;
}

bool TChunktRNS::SaveToStream(TFluxPng& flux) {
  auto& d = Data();
  const auto& entete = Owner().Header();
  if (entete.ColorType == 3 && d.size() <= entrees_max) std::copy_n(PaletteValues.begin(), d.size(), d.begin());
  if (entete.ColorType == 0 && entete.BitDepth == 2 && d.size() >= 2) {
    // The 2-bit samples are written as 4-bit ramp indices v x 5.
    std::vector<std::uint8_t> ecrit = d;
    ecrire_be16(ecrit.data(), static_cast<std::uint16_t>(lire_be16(d.data()) * 5));
    ecrire_chunk(flux, Type(), ecrit.data(), static_cast<std::uint32_t>(ecrit.size()));
    return true;
  }
  EcrireDonnees(flux);
  return true;
}

bool TChunktRNS::EstTransparent(std::uint16_t r, std::uint16_t g, std::uint16_t b) const {
  const auto& d = Data();
  const auto& entete = Owner().Header();
  if (entete.ColorType == 0) return d.size() >= 2 && lire_be16(d.data()) == r;
  if (entete.ColorType == 2) {
    return d.size() >= 6 && lire_be16(d.data()) == r && lire_be16(d.data() + 2) == g && lire_be16(d.data() + 4) == b;
  }
  return false;
}

TColor TChunktRNS::TransparentColor() const {
  const auto& d = Data();
  const auto& entete = Owner().Header();
  switch (entete.ColorType) {
    case 0:
      return d.size() >= 2 ? RGB(d[1], d[1], d[1]) : 0;
    case 2:
      return d.size() >= 6 ? RGB(d[1], d[3], d[5]) : 0;
    case 3:
      for (std::size_t i = 0; i < PaletteValues.size(); ++i) {
        if (PaletteValues[i] == 0) {
          const RGBQUAD& e = entete.Palette[i];
          return RGB(e.rgbRed, e.rgbGreen, e.rgbBlue);
        }
      }
      return 0;
    default:
      return 0;
  }
}

bool TChunktRNS::SetTransparentColor(TColor couleur) {
  auto& d = Data();
  const auto& entete = Owner().Header();
  PaletteValues.fill(255);
  if (entete.ColorType == 0) {
    d.assign(2, 0);
    ecrire_be16(d.data(), GetRValue(couleur));
  } else if (entete.ColorType == 2) {
    d.assign(6, 0);
    ecrire_be16(d.data(), GetRValue(couleur));
    ecrire_be16(d.data() + 2, GetGValue(couleur));
    ecrire_be16(d.data() + 4, GetBValue(couleur));
  } else {
    const auto* plte = dynamic_cast<const TChunkPLTE*>(Owner().Chunks.FindChunk("PLTE"));
    const std::uint32_t nombre = plte == nullptr ? 0 : plte->Count;
    for (std::uint32_t i = 0; i < nombre; ++i) {
      const RGBQUAD& e = entete.Palette[i];
      if (e.rgbRed == GetRValue(couleur) && e.rgbGreen == GetGValue(couleur) && e.rgbBlue == GetBValue(couleur)) {
        PaletteValues[i] = 0;
        d.assign(i + 1, 255);
        d[i] = 0;
        BitTransparency = true;
        return true;
      }
    }
    d.clear();
    return false;
  }
  BitTransparency = true;
  return true;
}

// --- tIME, tEXt, zTXt --------------------------------------------------------

std::unique_ptr<TChunk> TChunktIME::Nouveau(TPNGObject& owner) const { return std::make_unique<TChunktIME>(owner); }

void TChunktIME::Assign(const TChunk& source) {
  TChunk::Assign(source);
  if (const auto* temps = dynamic_cast<const TChunktIME*>(&source)) {
    Year = temps->Year;
    Month = temps->Month;
    Day = temps->Day;
    Hour = temps->Hour;
    Minute = temps->Minute;
    Second = temps->Second;
    Lu = temps->Lu;
  }
}

bool TChunktIME::LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) {
  TChunk::LoadFromStream(flux, type, taille);
  const auto& d = Data();
  Lu = d.size() == taille_time;
  if (!Lu) return true;
  Year = lire_be16(d.data());
  Month = d[2];
  Day = d[3];
  Hour = d[4];
  Minute = d[5];
  Second = d[6];
  return true;
}

bool TChunktIME::SaveToStream(TFluxPng& flux) {
  if (Lu) {
    auto& d = Data();
    d.assign(taille_time, 0);
    ecrire_be16(d.data(), Year);
    d[2] = Month;
    d[3] = Day;
    d[4] = Hour;
    d[5] = Minute;
    d[6] = Second;
  }
  EcrireDonnees(flux);
  return true;
}

std::unique_ptr<TChunk> TChunktEXt::Nouveau(TPNGObject& owner) const { return std::make_unique<TChunktEXt>(owner); }

void TChunktEXt::Assign(const TChunk& source) {
  TChunk::Assign(source);
  if (const auto* texte = dynamic_cast<const TChunktEXt*>(&source)) {
    Keyword = texte->Keyword;
    Text = texte->Text;
    Lu = texte->Lu;
  }
}

bool TChunktEXt::LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) {
  TChunk::LoadFromStream(flux, type, taille);
  const auto& d = Data();
  const auto zero = std::find(d.begin(), d.end(), 0);
  Lu = d.size() >= taille_text_min && zero != d.end();
  if (!Lu) return true;
  Keyword.assign(d.begin(), zero);
  Text.assign(zero + 1, d.end());
  return true;
}

bool TChunktEXt::SaveToStream(TFluxPng& flux) {
  if (Lu) {
    auto& d = Data();
    d.assign(Keyword.begin(), Keyword.end());
    d.push_back(0);
    d.insert(d.end(), Text.begin(), Text.end());
  }
  EcrireDonnees(flux);
  return true;
}

std::unique_ptr<TChunk> TChunkzTXt::Nouveau(TPNGObject& owner) const { return std::make_unique<TChunkzTXt>(owner); }

bool TChunkzTXt::LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) {
  TChunk::LoadFromStream(flux, type, taille);
  const auto& d = Data();
  Lu = false;
  const auto zero = std::find(d.begin(), d.end(), 0);
  if (d.size() < taille_ztxt_min || zero == d.end() || zero + 1 == d.end() || zero[1] != 0) return true;
  std::string texte;
  const std::size_t debut = static_cast<std::size_t>(zero - d.begin()) + 2;
  if (!inflater(d.data() + debut, d.size() - debut, texte_inflate_max, texte)) return true;
  Keyword.assign(d.begin(), zero);
  Text = std::move(texte);
  Lu = true;
  return true;
}

bool TChunkzTXt::SaveToStream(TFluxPng& flux) {
  if (Lu) {
    auto& d = Data();
    d.assign(Keyword.begin(), Keyword.end());
    d.push_back(0);
    d.push_back(0);
    const auto compresse = deflater(Text.empty() ? std::string(" ") : Text, Owner().CompressionLevel());
    d.insert(d.end(), compresse.begin(), compresse.end());
  }
  EcrireDonnees(flux);
  return true;
}

std::unique_ptr<TChunk> TChunkIDAT::Nouveau(TPNGObject& owner) const { return std::make_unique<TChunkIDAT>(owner); }

// --- TPNGObject --------------------------------------------------------------

TPNGObject::TPNGObject() { InitializeGamma(); }

void TPNGObject::InitializeGamma() {
  for (int i = 0; i < 256; ++i) {
    GammaTable[i] = static_cast<std::uint8_t>(i);
    InverseGamma[i] = static_cast<std::uint8_t>(i);
  }
}

void TPNGObject::Clear() {
  Chunks.Clear();
  InitializeGamma();
}

void TPNGObject::SetCompressionLevel(int niveau) { compression_level_ = std::clamp(niveau, 0, 9); }

void TPNGObject::SetMaxIdatSize(std::uint64_t taille) {
  max_idat_size_ = static_cast<std::uint32_t>(std::clamp<std::uint64_t>(taille, idat_min, idat_max));
}

void TPNGObject::Assign(const TPNGObject& source) {
  if (&source == this) return;
  interlace_method_ = source.interlace_method_;
  max_idat_size_ = source.max_idat_size_;
  compression_level_ = source.compression_level_;
  filters_ = source.filters_;
  Clear();
  GammaTable = source.GammaTable;
  InverseGamma = source.InverseGamma;
  for (std::size_t i = 0; i < source.Chunks.Count(); ++i) Chunks.Add(source.Chunks.Item(i)->Copier(*this));
}

TChunkIHDR& TPNGObject::Header() {
  TChunkIHDR* entete = Chunks.Count() == 0 ? nullptr : dynamic_cast<TChunkIHDR*>(Chunks.Item(0).get());
  if (entete == nullptr) throw EPNGHeaderNotPresent();
  return *entete;
}

const TChunkIHDR& TPNGObject::Header() const { return const_cast<TPNGObject*>(this)->Header(); }

namespace {

const TChunkIHDR* entete_ou_rien(const TPNGList& chunks) {
  return chunks.Count() == 0 ? nullptr : dynamic_cast<const TChunkIHDR*>(chunks.Item(0).get());
}

}  // namespace

std::uint32_t TPNGObject::Width() const {
  const TChunkIHDR* entete = entete_ou_rien(Chunks);
  return entete == nullptr ? 0 : entete->Width;
}

std::uint32_t TPNGObject::Height() const {
  const TChunkIHDR* entete = entete_ou_rien(Chunks);
  return entete == nullptr ? 0 : entete->Height;
}

void TPNGObject::SetWidth(std::uint32_t) { throw EPngError(txt_png_redimension); }
void TPNGObject::SetHeight(std::uint32_t) { throw EPngError(txt_png_redimension); }

TPNGTransparencyMode TPNGObject::TransparencyMode() const {
  if (Width() == 0) return TPNGTransparencyMode::ptmNone;
  const auto* trns = dynamic_cast<const TChunktRNS*>(Chunks.FindChunk("tRNS"));
  switch (Header().ColorType) {
    case 0:
    case 2: return trns ? TPNGTransparencyMode::ptmBit : TPNGTransparencyMode::ptmNone;
    case 3:
      if (trns == nullptr) return TPNGTransparencyMode::ptmNone;
      return trns->BitTransparency ? TPNGTransparencyMode::ptmBit : TPNGTransparencyMode::ptmPartial;
    default: return TPNGTransparencyMode::ptmPartial;
  }
}

TColor TPNGObject::TransparentColor() const {
  const auto* trns = dynamic_cast<const TChunktRNS*>(Chunks.FindChunk("tRNS"));
  return trns != nullptr && Width() != 0 ? trns->TransparentColor() : 0;
}

void TPNGObject::LoadFromStream(TFluxPng& flux) {
  Clear();
  std::array<std::uint8_t, 8> entete{};
  if (flux.lire(entete.data(), entete.size()) != entete.size() || entete != signature) {
    throw EPNGInvalidFileHeader();
  }
  try {
    LireChunks(flux);
  } catch (const std::bad_alloc&) {
    throw EPNGOutMemory();
  }
}

void TPNGObject::LireChunks(TFluxPng& flux) {
  Chunks.Reserve(reserve_chunks);
  bool idat_lu = false;
  for (;;) {
    std::array<std::uint8_t, 8> champs{};
    lire_exactement(flux, champs.data(), champs.size());
    const std::uint32_t taille = lire_be32(champs.data());
    const std::string type(reinterpret_cast<const char*>(champs.data() + 4), 4);
    if (Chunks.Count() == 0 && type != "IHDR") throw EPNGIHDRNotFirst();
    if (taille > longueur_chunk_max || std::uint64_t(taille) + 4 > flux.restant()) throw EPngUnexpectedEnd();
    if (type == "cHRM" || (type == "IDAT" && idat_lu)) {
      flux.deplacer(flux.position() + taille + 4);
      continue;
    }
    if (type == "IHDR" && Chunks.Count() > 0) throw EPngInvalidIHDR();
    auto chunk = creer_chunk(*this, type);
    const bool reussi = chunk->LoadFromStream(flux, type, taille);
    Chunks.Add(std::move(chunk));
    if (type == "IDAT") idat_lu = true;
    if (!reussi || type == "IEND") break;
  }
  if (!idat_lu) throw EPNGNoImageData();
}

void TPNGObject::SaveToStream(TFluxPng& flux) {
  try {
    flux.ecrire(signature.data(), signature.size());
    for (std::size_t i = 0; i < Chunks.Count(); ++i) Chunks.Item(i)->SaveToStream(flux);
  } catch (const std::bad_alloc&) {
    throw EPNGOutMemory();
  }
}

void TPNGObject::LoadFromFile(const std::string& chemin) {
  TFluxFichier flux(chemin, TFluxFichier::Mode::lecture);
  if (!flux.ouvert()) throw EPngUnexpectedEnd();
  LoadFromStream(flux);
}

// Encoded whole in memory, then written by the program's one atomic write,
// which checks every write, the flush to the disk and the rename, so that the
// target is replaced whole or not at all.
bool TPNGObject::SaveToFile(const std::string& chemin) {
  TFluxMemoire flux;
  try {
    SaveToStream(flux);
  } catch (const std::runtime_error&) {
    return false;
  }
  const std::vector<std::uint8_t>& octets = flux.octets();
  return remplacer_fichier(chemin, std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()));
}

}  // namespace png
