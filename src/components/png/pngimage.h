#pragma once
// Portable Network Graphics images: the file kept as its ordered list of
// chunks, the picture decoded into a raster held by the header chunk.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "components/png/png_erreurs.h"
#include "components/png/png_flux.h"

namespace png {

class TPNGObject;

// A colour as 0x00BBGGRR (red in the low byte).
using TColor = std::uint32_t;
constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t GetRValue(TColor c) { return c & 0xFF; }
constexpr std::uint8_t GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t GetBValue(TColor c) { return (c >> 16) & 0xFF; }

struct RGBQUAD {
  std::uint8_t rgbBlue = 0;
  std::uint8_t rgbGreen = 0;
  std::uint8_t rgbRed = 0;
  std::uint8_t rgbReserved = 0;
  bool operator==(const RGBQUAD&) const = default;
};

// The PNG filter types, as bits of a filter set.
enum TFilter : std::uint8_t { pfNone = 1, pfSub = 2, pfUp = 4, pfAverage = 8, pfPaeth = 16 };
using TFilters = std::uint8_t;

enum class TPNGTransparencyMode { ptmNone, ptmBit, ptmPartial };

// A growable array of items, owned by an owner object.
template <class T>
class TPNGPointerList {
 public:
  explicit TPNGPointerList(void* owner = nullptr) : owner_(owner) {}
  std::size_t Count() const { return items_.size(); }
  T& Item(std::size_t i) { return items_[i]; }
  const T& Item(std::size_t i) const { return items_[i]; }
  void Add(T item) { items_.push_back(std::move(item)); }
  void Insert(std::size_t i, T item) { items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(i), std::move(item)); }
  void Remove(std::size_t i) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i)); }
  void Clear() { items_.clear(); }
  void Reserve(std::size_t n) { items_.reserve(n); }
  void* Owner() const { return owner_; }

 private:
  void* owner_;
  std::vector<T> items_;
};

class TChunk;
class TChunkIHDR;

// The chunk list of one image.
class TPNGList : public TPNGPointerList<std::unique_ptr<TChunk>> {
 public:
  using TPNGPointerList::TPNGPointerList;
  // The first chunk of the given type, or null.
  TChunk* FindChunk(const std::string& type) const;
};

// One chunk with its raw data. Chunk types without a class of their own use
// this class and keep their type from the file.
class TChunk {
 public:
  explicit TChunk(TPNGObject& owner);
  virtual ~TChunk() = default;
  TChunk(const TChunk&) = delete;
  TChunk& operator=(const TChunk&) = delete;

  // The type this class stands for ("" for the generic class).
  virtual std::string TypeTexte() const { return {}; }
  virtual void Assign(const TChunk& source);
  // Reads the data and the CRC; false stops the reading of the file.
  virtual bool LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille);
  virtual bool SaveToStream(TFluxPng& flux);
  // A new chunk of the same class owned by `owner`, a deep copy of this one.
  std::unique_ptr<TChunk> Copier(TPNGObject& owner) const;

  const std::string& Type() const { return type_; }
  void SetType(const std::string& type) { type_ = type; }
  std::vector<std::uint8_t>& Data() { return data_; }
  const std::vector<std::uint8_t>& Data() const { return data_; }
  TPNGObject& Owner() const { return *owner_; }

 protected:
  // Reads the data and checks the CRC (the generic load).
  void LireDonnees(TFluxPng& flux, std::uint32_t taille);
  // Writes length, type, data and CRC.
  void EcrireDonnees(TFluxPng& flux) const;
  void InitialiserType() {
    if (TypeTexte().size() == 4) type_ = TypeTexte();
  }

 private:
  virtual std::unique_ptr<TChunk> Nouveau(TPNGObject& owner) const;
  TPNGObject* owner_;
  std::string type_;
  std::vector<std::uint8_t> data_;
};

class TChunkIEND : public TChunk {
 public:
  explicit TChunkIEND(TPNGObject& owner) : TChunk(owner) { InitialiserType(); }
  std::string TypeTexte() const override { return "IEND"; }

 private:
  std::unique_ptr<TChunk> Nouveau(TPNGObject& owner) const override;
};

// The header; it also holds the decoded picture: a raster of 1, 4, 8 or 24
// bits per pixel with rows stored bottom-up, 256 palette entries and, for
// images with an alpha channel or a transparent grey or RGB colour, an alpha
// plane stored top-down.
class TChunkIHDR : public TChunk {
 public:
  explicit TChunkIHDR(TPNGObject& owner) : TChunk(owner) { InitialiserType(); }
  std::string TypeTexte() const override { return "IHDR"; }
  void Assign(const TChunk& source) override;
  bool LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) override;
  bool SaveToStream(TFluxPng& flux) override;

  // Sizes the raster (and the alpha plane for colour types 4 and 6) from
  // the header fields, all zero.
  void PrepareImageData();
  // The raster row of image row y (counted from the top).
  std::uint8_t* LigneRaster(std::uint32_t y) { return ImageData.data() + (std::uint64_t(Height) - 1 - y) * BytesPerRow; }
  const std::uint8_t* LigneRaster(std::uint32_t y) const {
    return ImageData.data() + (std::uint64_t(Height) - 1 - y) * BytesPerRow;
  }
  // The alpha row of image row y, null without an alpha plane.
  std::uint8_t* LigneAlpha(std::uint32_t y) {
    return ImageAlpha.empty() ? nullptr : ImageAlpha.data() + std::uint64_t(y) * Width;
  }
  const std::uint8_t* LigneAlpha(std::uint32_t y) const {
    return ImageAlpha.empty() ? nullptr : ImageAlpha.data() + std::uint64_t(y) * Width;
  }
  // The bit depth as written: 2-bit samples are written as 4 bits.
  std::uint8_t BitDepthEcrit() const { return BitDepth == 2 ? 4 : BitDepth; }

  std::uint16_t BitCount = 0;
  std::array<RGBQUAD, 256> Palette{};
  bool HasPalette = false;
  std::uint64_t BytesPerRow = 0;
  std::vector<std::uint8_t> ImageData;
  std::vector<std::uint8_t> ImageAlpha;

  std::uint32_t Width = 0;
  std::uint32_t Height = 0;
  std::uint8_t BitDepth = 0;
  std::uint8_t ColorType = 0;
  std::uint8_t CompressionMethod = 0;
  std::uint8_t FilterMethod = 0;
  std::uint8_t InterlaceMethod = 0;

 private:
  std::unique_ptr<TChunk> Nouveau(TPNGObject& owner) const override;
};

class TChunkgAMA : public TChunk {
 public:
  explicit TChunkgAMA(TPNGObject& owner);
  std::string TypeTexte() const override { return "gAMA"; }
  void Assign(const TChunk& source) override;
  bool LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) override;
  bool SaveToStream(TFluxPng& flux) override;
  // gamma x 100000.
  std::uint32_t Gamma() const;
  void SetGamma(std::uint32_t valeur);

 private:
  std::unique_ptr<TChunk> Nouveau(TPNGObject& owner) const override;
};

class TChunkPLTE : public TChunk {
 public:
  explicit TChunkPLTE(TPNGObject& owner) : TChunk(owner) { InitialiserType(); }
  std::string TypeTexte() const override { return "PLTE"; }
  void Assign(const TChunk& source) override;
  bool LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) override;
  bool SaveToStream(TFluxPng& flux) override;
  std::uint32_t Count = 0;

 private:
  std::unique_ptr<TChunk> Nouveau(TPNGObject& owner) const override;
};

class TChunktRNS : public TChunk {
 public:
  explicit TChunktRNS(TPNGObject& owner) : TChunk(owner) { InitialiserType(); }
  std::string TypeTexte() const override { return "tRNS"; }
  void Assign(const TChunk& source) override;
  bool LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) override;
  bool SaveToStream(TFluxPng& flux) override;
  // The colour drawn transparent (see TPNGObject::TransparentColor).
  TColor TransparentColor() const;
  // Makes `couleur` the transparent colour; false (and no data) when a
  // palette image has no such entry.
  bool SetTransparentColor(TColor couleur);
  // Whether a raw grey or RGB sample (16 bits each) is the transparent one.
  bool EstTransparent(std::uint16_t r, std::uint16_t g, std::uint16_t b) const;

  bool BitTransparency = false;
  std::array<std::uint8_t, 256> PaletteValues{};

 private:
  std::unique_ptr<TChunk> Nouveau(TPNGObject& owner) const override;
};

class TChunkIDAT : public TChunk {
 public:
  explicit TChunkIDAT(TPNGObject& owner) : TChunk(owner) { InitialiserType(); }
  std::string TypeTexte() const override { return "IDAT"; }
  // Decodes the whole image data, which may run over several IDAT chunks.
  bool LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) override;
  // Encodes the picture as one or more IDAT chunks.
  bool SaveToStream(TFluxPng& flux) override;

 private:
  std::unique_ptr<TChunk> Nouveau(TPNGObject& owner) const override;
};

class TChunktIME : public TChunk {
 public:
  explicit TChunktIME(TPNGObject& owner) : TChunk(owner) { InitialiserType(); }
  std::string TypeTexte() const override { return "tIME"; }
  void Assign(const TChunk& source) override;
  bool LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) override;
  bool SaveToStream(TFluxPng& flux) override;
  std::uint16_t Year = 0;
  std::uint8_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  // Whether the fields hold the data (a chunk not 7 bytes long keeps its raw data).
  bool Lu = false;

 private:
  std::unique_ptr<TChunk> Nouveau(TPNGObject& owner) const override;
};

class TChunktEXt : public TChunk {
 public:
  explicit TChunktEXt(TPNGObject& owner) : TChunk(owner) { InitialiserType(); }
  std::string TypeTexte() const override { return "tEXt"; }
  void Assign(const TChunk& source) override;
  bool LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) override;
  bool SaveToStream(TFluxPng& flux) override;
  std::string Keyword;
  std::string Text;
  // Whether keyword and text hold the data (a chunk that failed its parse keeps its raw data).
  bool Lu = false;

 private:
  std::unique_ptr<TChunk> Nouveau(TPNGObject& owner) const override;
};

class TChunkzTXt : public TChunktEXt {
 public:
  explicit TChunkzTXt(TPNGObject& owner) : TChunktEXt(owner) { InitialiserType(); }
  std::string TypeTexte() const override { return "zTXt"; }
  bool LoadFromStream(TFluxPng& flux, const std::string& type, std::uint32_t taille) override;
  bool SaveToStream(TFluxPng& flux) override;

 private:
  std::unique_ptr<TChunk> Nouveau(TPNGObject& owner) const override;
};

// The chunk-class registry: the class read for each chunk type.
using FabriqueChunk = std::unique_ptr<TChunk> (*)(TPNGObject& owner);
struct ClasseChunk {
  std::string type;
  FabriqueChunk fabrique;
};
void RegisterChunk(const std::string& type, FabriqueChunk fabrique);
// The registered classes, in registration order (the codec's nine first).
const TPNGPointerList<ClasseChunk>& ChunkClasses();

// CRC-32 (reflected polynomial 0xEDB88320) continued from `crc` (start with
// 0xFFFFFFFF; the stored value is the complement).
std::uint32_t update_crc(std::uint32_t crc, const std::uint8_t* octets, std::size_t taille);

// A picture handed to TPNGObject::AssignBitmap: 1 or 8 bits per pixel with
// a palette, or 24 bits (B, G, R per pixel); rows from the top, each
// ((bits x width + 31) / 32) x 4 bytes long.
struct TBitmapSource {
  std::uint32_t Width = 0;
  std::uint32_t Height = 0;
  std::uint16_t BitsPerPixel = 24;
  std::vector<RGBQUAD> Palette;
  std::vector<std::uint8_t> Bits;
  bool Transparent = false;
  TColor TransparentColor = 0;
};

class TPNGObject {
 public:
  // A picture may not hold more pixels than this.
  static constexpr std::uint64_t pixels_max = std::uint64_t(1) << 26;
  static constexpr std::uint32_t idat_min = 65535;
  static constexpr std::uint32_t idat_max = 0x7FFFFFFF;

  TPNGObject();
  TPNGObject(const TPNGObject&) = delete;
  TPNGObject& operator=(const TPNGObject&) = delete;

  // Deep copy of settings and every chunk.
  void Assign(const TPNGObject& source);
  void AssignBitmap(const TBitmapSource& source);

  void LoadFromStream(TFluxPng& flux);
  void SaveToStream(TFluxPng& flux);
  // Throws what LoadFromStream throws; a file that cannot be opened raises 64863.
  void LoadFromFile(const std::string& chemin);
  // Writes the file as the program writes every file (remplacer_fichier):
  // whole or not at all, through a symbolic link, never over a file nobody
  // may write or over a folder; false (and no file changed) when that fails.
  bool SaveToFile(const std::string& chemin);

  bool Empty() const { return Chunks.Count() == 0; }
  std::uint32_t Width() const;
  std::uint32_t Height() const;
  [[noreturn]] void SetWidth(std::uint32_t);
  [[noreturn]] void SetHeight(std::uint32_t);
  bool Transparent() const { return TransparencyMode() != TPNGTransparencyMode::ptmNone; }
  TPNGTransparencyMode TransparencyMode() const;
  TColor TransparentColor() const;

  // The colour of pixel (x, y), y from the top; 0 outside the picture.
  TColor GetPixel(std::int64_t x, std::int64_t y) const;
  // Sets pixel (x, y); palette and grey pictures take the nearest entry.
  void SetPixel(std::int64_t x, std::int64_t y, TColor couleur);

  // The header; raises EPNGHeaderNotPresent when the first chunk is not one.
  TChunkIHDR& Header();
  const TChunkIHDR& Header() const;
  // Frees every chunk and resets the gamma tables.
  void Clear();
  void InitializeGamma();

  TFilters Filters() const { return filters_; }
  void SetFilters(TFilters filtres) { filters_ = filtres; }
  int CompressionLevel() const { return compression_level_; }
  void SetCompressionLevel(int niveau);
  std::uint32_t MaxIdatSize() const { return max_idat_size_; }
  void SetMaxIdatSize(std::uint64_t taille);
  std::uint8_t InterlaceMethod() const { return interlace_method_; }
  void SetInterlaceMethod(std::uint8_t methode) { interlace_method_ = methode <= 1 ? methode : 0; }

  std::array<std::uint8_t, 256> GammaTable{};
  std::array<std::uint8_t, 256> InverseGamma{};
  TPNGList Chunks{this};

 private:
  void LireChunks(TFluxPng& flux);
  TFilters filters_ = pfSub;
  int compression_level_ = 7;
  std::uint32_t max_idat_size_ = idat_min;
  std::uint8_t interlace_method_ = 0;
};

}  // namespace png
