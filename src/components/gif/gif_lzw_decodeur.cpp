#include <array>

#include "components/gif/gifimage.h"

namespace gif {

namespace {

constexpr int kCodesMax = 4096;
constexpr int kLargeurCodeMax = 12;
constexpr int kTailleCodeMin = 2;
constexpr int kTailleCodeMax = 9;

// Reads codes least significant bit first across the data sub-blocks.
class LecteurCodes {
 public:
  explicit LecteurCodes(const std::vector<std::uint8_t>& d) : d_(d) {}

  // False when the data ends before `largeur` bits.
  bool lire(int largeur, int& code) {
    while (nb_bits_ < largeur) {
      int octet;
      if (!octet_suivant(octet)) return false;
      bits_ |= std::uint32_t(octet) << nb_bits_;
      nb_bits_ += 8;
    }
    code = int(bits_ & ((1u << largeur) - 1));
    bits_ >>= largeur;
    nb_bits_ -= largeur;
    return true;
  }

 private:
  bool octet_suivant(int& octet) {
    if (reste_ == 0) {
      if (pos_ >= d_.size() || d_[pos_] == 0) return false;
      reste_ = d_[pos_++];
    }
    if (pos_ >= d_.size()) return false;
    --reste_;
    octet = d_[pos_++];
    return true;
  }

  const std::vector<std::uint8_t>& d_;
  std::size_t pos_ = 1;  // past the minimum code size
  std::size_t reste_ = 0;
  std::uint32_t bits_ = 0;
  int nb_bits_ = 0;
};

// Writes pixels from the top row down, in interlace order when asked.
class EcrivainLignes {
 public:
  EcrivainLignes(TBitmap& b, bool entrelace, const std::function<void(int)>& ligne)
      : b_(b), entrelace_(entrelace), ligne_(ligne) {}
  bool fini() const { return y_ >= b_.Height(); }
  void ecrire(std::uint8_t pixel) {
    if (fini()) return;
    b_.SetIndex(x_, b_.Height() - 1 - y_, pixel);
    if (++x_ < b_.Width()) return;
    x_ = 0;
    ligne_suivante();
    ++faites_;
    constexpr int kCent = 100;
    const int pourcent = int(std::int64_t(faites_) * kCent / b_.Height());
    if (ligne_ && pourcent != pourcent_) ligne_(pourcent_ = pourcent);
  }

 private:
  void ligne_suivante() {
    if (!entrelace_) {
      ++y_;
      return;
    }
    static constexpr int kDebut[] = {0, 4, 2, 1};
    static constexpr int kPas[] = {8, 8, 4, 2};
    y_ += kPas[passe_];
    while (y_ >= b_.Height() && passe_ < 3) y_ = kDebut[++passe_];
  }

  TBitmap& b_;
  bool entrelace_;
  const std::function<void(int)>& ligne_;
  std::int32_t faites_ = 0;
  int pourcent_ = 0;
  std::int32_t x_ = 0, y_ = 0;
  int passe_ = 0;
};

class DecodeurLzw {
 public:
  DecodeurLzw(const TGIFItem& item, bool entrelace, TBitmap& cible, const std::function<void(int)>& ligne)
      : codes_(item.ZipData), sortie_(cible, entrelace, ligne), masque_((1 << item.BitsPerPixel) - 1) {
    int taille = item.ZipData.empty() ? 0 : item.ZipData[0];
    if (taille < kTailleCodeMin || taille > kTailleCodeMax) {
      if (!ChargementTolerant()) throw EInvalidGraphicOperation(kErrTailleCode);
      taille = taille < kTailleCodeMin ? kTailleCodeMin : kTailleCodeMax;
      endommage_ = true;
    }
    taille_ = taille;
    clear_ = 1 << taille;
    fin_ = clear_ + 1;
    reinitialiser();
  }

  // True when the data was damaged.
  bool executer() {
    int code;
    bool apres_clear = true;
    while (!sortie_.fini()) {
      if (!codes_.lire(largeur_, code) || code > libre_) return true;
      if (code == clear_) {
        reinitialiser();
        apres_clear = true;
      } else if (code == fin_) {
        return endommage_;
      } else if (apres_clear) {
        if (code >= clear_) return true;
        sortie_.ecrire(std::uint8_t(code & masque_));
        precedent_ = premier_ = code;
        apres_clear = false;
      } else if (!developper(code)) {
        return true;
      }
    }
    return endommage_;
  }

 private:
  void reinitialiser() {
    largeur_ = taille_ + 1;
    limite_ = 1 << largeur_;
    libre_ = clear_ + 2;
  }

  // Outputs the string of `code` and grows the table; false when corrupt.
  bool developper(int code) {
    int pile_n = 0;
    int c = code;
    if (code == libre_) {
      pile_[pile_n++] = std::uint8_t(premier_);
      c = precedent_;
    }
    while (c >= clear_) {
      if (pile_n >= kCodesMax) {
        if (!ChargementTolerant()) throw EInvalidGraphicOperation(kErrDonneesCorrompues);
        return false;
      }
      pile_[pile_n++] = suffixe_[std::size_t(c)];
      c = prefixe_[std::size_t(c)];
    }
    premier_ = c;
    pile_[pile_n++] = std::uint8_t(c);
    while (pile_n > 0) sortie_.ecrire(std::uint8_t(pile_[--pile_n] & masque_));
    if (libre_ < kCodesMax) {
      prefixe_[std::size_t(libre_)] = std::uint16_t(precedent_);
      suffixe_[std::size_t(libre_)] = std::uint8_t(premier_);
      ++libre_;
      if (libre_ >= limite_ && largeur_ < kLargeurCodeMax) {
        ++largeur_;
        limite_ <<= 1;
      }
    }
    precedent_ = code;
    return true;
  }

  LecteurCodes codes_;
  EcrivainLignes sortie_;
  int masque_;
  bool endommage_ = false;
  int taille_ = kTailleCodeMin, clear_ = 0, fin_ = 0, largeur_ = 0, limite_ = 0, libre_ = 0;
  int precedent_ = 0, premier_ = 0;
  std::array<std::uint16_t, kCodesMax> prefixe_{};
  std::array<std::uint8_t, kCodesMax> suffixe_{};
  std::array<std::uint8_t, kCodesMax + 1> pile_{};
};

TPixelFormat format_pour(int bits) {
  if (bits == 1) return pf1bit;
  if (bits >= 2 && bits <= 4) return pf4bit;
  if (bits >= 5 && bits <= 8) return pf8bit;
  throw EInvalidGraphicOperation(kErrNombreCouleurs);
}

}  // namespace

bool decoder_lzw(const TGIFItem& item, bool entrelace, TBitmap& cible, const std::function<void(int)>& ligne) {
  return DecodeurLzw(item, entrelace, cible, ligne).executer();
}

void avec_progression(const TProgressEvent& evenement, const std::function<void()>& travail) {
  constexpr int kFini = 100;
  if (!evenement) return travail();
  evenement(TProgressStage::psStarting, 0, std::string());
  try {
    travail();
  } catch (const std::exception& e) {
    evenement(TProgressStage::psEnding, 0, e.what());
    throw;
  }
  evenement(TProgressStage::psEnding, kFini, std::string());
}

const TBitmap& TJvGIFFrame::Bitmap() {
  if (bitmap_) return *bitmap_;
  if (!item_ || refuse_) {
    bitmap_ = std::make_unique<TBitmap>();
    return *bitmap_;
  }
  const TPixelFormat format = format_pour(item_->BitsPerPixel);
  auto b = std::make_unique<TBitmap>(item_->Width, item_->Height, format);
  const std::size_t n = std::size_t(1) << format;
  for (std::size_t i = 0; i < n; ++i) {
    const auto& c = item_->ColorTable.Colors[i];
    b->Palette[i] = i < item_->ColorTable.Count ? RGBQUAD{c[2], c[1], c[0], 0} : RGBQUAD{0x80, 0x80, 0x80, 0};
  }
  const TProgressEvent& evenement = owner_->OnProgress;
  std::function<void(int)> ligne;
  if (evenement) ligne = [&](int p) { evenement(TProgressStage::psRunning, p, std::string()); };
  avec_progression(evenement, [&] {
    if (decoder_lzw(*item_, Interlaced, *b, ligne)) Damaged = true;
  });
  bitmap_ = std::move(b);
  return *bitmap_;
}

}  // namespace gif
