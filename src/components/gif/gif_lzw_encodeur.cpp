#include <array>

#include "components/gif/gifimage.h"

namespace gif {

namespace {

constexpr std::uint32_t kSlots = 17777;
constexpr std::uint16_t kSlotVide = 0xFFFF;
constexpr int kCodesPool = 4096;
constexpr int kDernierCode = 4094;
constexpr std::uint32_t kMultiplicateurHachage = 301;
constexpr std::size_t kSousBlocMax = 255;

struct EntreeChaine {
  std::uint16_t prefixe;
  std::uint16_t code;
  std::uint8_t suffixe;
};

// Packs codes least significant bit first, in sub-blocks of 255 bytes.
class EcrivainCodes {
 public:
  explicit EcrivainCodes(std::uint8_t taille_min) : sortie_{taille_min} {}
  void ecrire(int code, int largeur) {
    bits_ |= std::uint32_t(code) << n_;
    n_ += largeur;
    while (n_ >= 8) {
      pousser(std::uint8_t(bits_));
      bits_ >>= 8;
      n_ -= 8;
    }
  }
  std::vector<std::uint8_t> terminer() {
    if (n_ > 0) pousser(std::uint8_t(bits_));
    vider();
    sortie_.push_back(0);
    return std::move(sortie_);
  }

 private:
  void pousser(std::uint8_t o) {
    bloc_.push_back(o);
    if (bloc_.size() == kSousBlocMax) vider();
  }
  void vider() {
    if (bloc_.empty()) return;
    sortie_.push_back(std::uint8_t(bloc_.size()));
    sortie_.insert(sortie_.end(), bloc_.begin(), bloc_.end());
    bloc_.clear();
  }
  std::vector<std::uint8_t> sortie_;
  std::vector<std::uint8_t> bloc_;
  std::uint32_t bits_ = 0;
  int n_ = 0;
};

class EncodeurLzw {
 public:
  explicit EncodeurLzw(int bits_pixel)
      : taille_initiale_(bits_pixel + 1 == 2 ? 3 : bits_pixel + 1),
        sortie_(std::uint8_t(taille_initiale_ - 1)),
        clear_(1 << (taille_initiale_ - 1)),
        fin_(clear_ + 1) {
    reinitialiser();
    sortie_.ecrire(clear_, largeur_);
  }

  void pixel(std::uint8_t p) {
    ++n_;
    if (n_ == 1) {
      demarrer(p);
      return;
    }
    hachage_ = ((p + std::uint32_t(n_) + 4) * hachage_) % kSlots;
    std::uint32_t s = hachage_;
    while (slots_[s] != kSlotVide) {
      const EntreeChaine& e = pool_[slots_[s]];
      if (e.prefixe == courant_ && e.suffixe == p) {
        courant_ = e.code;
        return;
      }
      s = (s + 1) % kSlots;
    }
    sortie_.ecrire(courant_, largeur_);
    ++dernier_;
    pool_[std::size_t(dernier_)] = {std::uint16_t(courant_), std::uint16_t(dernier_), p};
    slots_[s] = std::uint16_t(dernier_);
    demarrer(p);
    n_ = 1;
    if (dernier_ >= limite_) {
      limite_ <<= 1;
      ++largeur_;
    } else if (dernier_ >= kDernierCode) {
      sortie_.ecrire(courant_, largeur_);
      sortie_.ecrire(clear_, largeur_);
      n_ = 0;
      reinitialiser();
    }
  }

  std::vector<std::uint8_t> terminer() {
    if (n_ > 0) sortie_.ecrire(courant_, largeur_);
    sortie_.ecrire(fin_, largeur_);
    return sortie_.terminer();
  }

 private:
  void demarrer(std::uint8_t p) {
    courant_ = p;
    hachage_ = (p + 3u) * kMultiplicateurHachage;
  }
  void reinitialiser() {
    dernier_ = fin_;
    largeur_ = taille_initiale_;
    limite_ = 1 << largeur_;
    slots_.fill(kSlotVide);
  }

  int taille_initiale_;
  EcrivainCodes sortie_;
  int clear_, fin_;
  int dernier_ = 0, largeur_ = 0, limite_ = 0, n_ = 0, courant_ = 0;
  std::uint32_t hachage_ = 0;
  std::array<std::uint16_t, kSlots> slots_{};
  std::array<EntreeChaine, kCodesPool> pool_{};
};

}  // namespace

std::vector<std::uint8_t> encoder_lzw(const TBitmap& bitmap, bool entrelace) {
  auto e = std::make_unique<EncodeurLzw>(int(bitmap.PixelFormat()));
  const std::int32_t h = bitmap.Height();
  auto ligne = [&](std::int32_t y) {
    for (std::int32_t x = 0; x < bitmap.Width(); ++x) e->pixel(bitmap.Index(x, h - 1 - y));
  };
  if (!entrelace) {
    for (std::int32_t y = 0; y < h; ++y) ligne(y);
  } else {
    static constexpr int kDebut[] = {0, 4, 2, 1}, kPas[] = {8, 8, 4, 2};
    for (int passe = 0; passe < 4; ++passe)
      for (std::int32_t y = kDebut[passe]; y < h; y += kPas[passe]) ligne(y);
  }
  return e->terminer();
}

}  // namespace gif
