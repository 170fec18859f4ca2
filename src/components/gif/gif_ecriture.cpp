#include <algorithm>

#include "components/gif/gifimage.h"
#include "components/gif/reduction_couleurs.h"

namespace gif {

namespace {

constexpr std::uint32_t kMax16Bits = 0xFFFF;
constexpr std::uint32_t kMsParCentieme = 10;
constexpr std::uint8_t kTaillControle = 4;
constexpr std::size_t kSousBlocMax = 255;
constexpr std::uint8_t kTransparentPresent = 0x01;
constexpr std::uint8_t kMasqueDisposition = 0x1C;

std::uint8_t bits_pour(std::uint32_t n) {
  std::uint8_t bits = 1;
  while ((1u << bits) < n) ++bits;
  return bits;
}

std::uint16_t en_16_bits(std::int64_t v) {
  if (v < 0 || v > std::int64_t(kMax16Bits)) throw EInvalidGraphicOperation(kErrEncodage);
  return std::uint16_t(v);
}

TBitmap bitmap_a_encoder(const TBitmap& b, bool gris) {
  if (b.PixelFormat() != pf24bit) return b;
  try {
    return ReduceBitmap(b, pf8bit, gris ? rmGrayscale : DefaultReduction).bitmap;
  } catch (const std::runtime_error&) {
    throw EInvalidGraphicOperation(kErrEncodage);
  }
}

}  // namespace

void TJvGIFFrame::SetBitmap(const TBitmap& bitmap) {
  item_ = std::make_shared<TGIFItem>();
  bitmap_ = std::make_unique<TBitmap>(bitmap);
  refuse_ = false;
  Damaged = false;
}

void TJvGIFFrame::Encoder() {
  if (!bitmap_ || bitmap_->Empty()) throw EInvalidGraphicOperation(kErrRienAEcrire);
  const TBitmap b = bitmap_a_encoder(*bitmap_, GrayScale);
  auto item = std::make_shared<TGIFItem>();
  item->ColorTable.Count = std::min<std::uint32_t>(256, 1u << b.PixelFormat());
  for (std::size_t i = 0; i < item->ColorTable.Count; ++i) {
    const RGBQUAD q = i < b.Palette.size() ? b.Palette[i] : RGBQUAD{};
    item->ColorTable.Colors[i] = {q.rgbRed, q.rgbGreen, q.rgbBlue};
  }
  item->ZipData = encoder_lzw(b, Interlaced);
  item->BitsPerPixel = bits_pour(item->ColorTable.Count);
  item->Width = b.Width();
  item->Height = b.Height();
  TGIFData& h = *owner_->donnees_;
  if (h.ColorTable.Count == 0) {
    h.ColorTable = item->ColorTable;
    h.BitsPerPixel = item->BitsPerPixel;
    OwnColorTable = false;
  } else {
    OwnColorTable = true;
  }
  TransparentIndex = -1;
  for (std::size_t i = 0; TransparentColor != clNone && i < item->ColorTable.Count; ++i)
    if (item->ColorTable.Color(i) == TransparentColor) {
      TransparentIndex = int(i);
      break;
    }
  item_ = std::move(item);
}

void TJvGIFFrame::RafraichirControle() {
  auto gce = std::find_if(Extensions.begin(), Extensions.end(),
                          [](const TExtension& e) { return e.Kind == TExtensionKind::GraphicControl; });
  if (gce == Extensions.end() && (AnimateInterval != 0 || TransparentIndex >= 0 || DisposalMethod != 0)) {
    Extensions.push_back(TExtension{TExtensionKind::GraphicControl, {kTaillControle, 0, 0, 0, 0}, {}});
    gce = Extensions.end() - 1;
  }
  if (gce != Extensions.end()) {
    std::vector<std::uint8_t>& r = gce->Record;
    if (r.size() < std::size_t(kTaillControle) + 1) r.resize(std::size_t(kTaillControle) + 1, 0);
    r[0] = kTaillControle;
    r.resize(std::size_t(kTaillControle) + 1);
    const std::uint32_t delai = std::min(AnimateInterval / kMsParCentieme, kMax16Bits);
    r[2] = std::uint8_t(delai);
    r[3] = std::uint8_t(delai >> 8);
    r[1] = std::uint8_t((r[1] & ~(kTransparentPresent | kMasqueDisposition)) | ((DisposalMethod << 2) & kMasqueDisposition));
    if (TransparentIndex >= 0) {
      r[1] |= kTransparentPresent;
      r[4] = std::uint8_t(TransparentIndex);
    }
  }
  Extensions.erase(std::remove_if(Extensions.begin(), Extensions.end(),
                                  [](const TExtension& e) { return e.Kind == TExtensionKind::Comment && e.Lines.empty(); }),
                   Extensions.end());
}

std::size_t TJvGIFImage::AddFrame(const TBitmap& bitmap) {
  auto cadre = std::make_unique<TJvGIFFrame>(this);
  cadre->SetBitmap(bitmap);
  frames_.push_back(std::move(cadre));
  courante_ = int(frames_.size() - 1);
  if (version_ == TGIFVersion::gvUnknown) version_ = TGIFVersion::gv87a;
  if (frames_.size() > 1) version_ = TGIFVersion::gv89a;
  largeur_ecran_ = std::uint16_t(std::min<std::int64_t>(std::max<std::int64_t>(largeur_ecran_, bitmap.Width()), kMax16Bits));
  hauteur_ecran_ = std::uint16_t(std::min<std::int64_t>(std::max<std::int64_t>(hauteur_ecran_, bitmap.Height()), kMax16Bits));
  return std::size_t(courante_);
}

void TJvGIFImage::SetWidth(int) { throw EInvalidGraphicOperation(kErrTaille); }
void TJvGIFImage::SetHeight(int) { throw EInvalidGraphicOperation(kErrTaille); }

// Writes an image as a file.
class EcrivainGif {
 public:
  explicit EcrivainGif(TJvGIFImage& image) : image_(image) {}

  std::vector<std::uint8_t> ecrire() {
    if (image_.frames_.empty()) throw EInvalidGraphicOperation(kErrRienAEcrire);
    bool extensions = !image_.donnees_->Comment.empty() || boucle();
    constexpr std::size_t kCent = 100;
    for (std::size_t i = 0; i < image_.frames_.size(); ++i) {
      TJvGIFFrame& f = *image_.frames_[i];
      if (!f.item_ || f.item_->ZipData.empty()) f.Encoder();
      f.RafraichirControle();
      extensions = extensions || !f.Extensions.empty();
      if (image_.OnProgress)
        image_.OnProgress(TProgressStage::psRunning, int((i + 1) * kCent / image_.frames_.size()), std::string());
    }
    if (extensions) image_.version_ = TGIFVersion::gv89a;
    ecrire_entete();
    if (boucle()) ecrire_boucle();
    for (auto& f : image_.frames_) ecrire_cadre(*f);
    if (!image_.donnees_->Comment.empty()) {
      octets({'!', 0xFE});
      lignes(image_.donnees_->Comment);
    }
    o_.push_back(';');
    return std::move(o_);
  }

 private:
  bool boucle() const { return image_.Looping && image_.frames_.size() > 1; }
  void octets(std::initializer_list<std::uint8_t> l) { o_.insert(o_.end(), l); }
  void mot(std::uint16_t v) { octets({std::uint8_t(v), std::uint8_t(v >> 8)}); }
  void table(const TGIFColorTable& t) {
    for (std::size_t i = 0; i < t.Count; ++i) o_.insert(o_.end(), t.Colors[i].begin(), t.Colors[i].end());
  }

  // Lines as sub-blocks of at most 255 bytes (a longer line spans several), then the terminator.
  void lignes(const std::vector<std::string>& l) {
    for (const std::string& s : l)
      for (std::size_t i = 0; i < s.size(); i += kSousBlocMax) {
        const std::size_t n = std::min(kSousBlocMax, s.size() - i);
        o_.push_back(std::uint8_t(n));
        o_.insert(o_.end(), s.begin() + std::ptrdiff_t(i), s.begin() + std::ptrdiff_t(i + n));
      }
    o_.push_back(0);
  }

  void ecrire_entete() {
    static const char* const kVersions[] = {"\0\0\0", "87a", "89a"};
    octets({'G', 'I', 'F'});
    o_.insert(o_.end(), kVersions[int(image_.version_)], kVersions[int(image_.version_)] + 3);
    std::int64_t l = 0, h = 0;
    for (auto& f : image_.frames_) {
      l = std::max<std::int64_t>(l, std::int64_t(f->item_->Width) + f->Left);
      h = std::max<std::int64_t>(h, std::int64_t(f->item_->Height) + f->Top);
    }
    image_.largeur_ecran_ = en_16_bits(l);
    image_.hauteur_ecran_ = en_16_bits(h);
    mot(image_.largeur_ecran_);
    mot(image_.hauteur_ecran_);
    const TGIFData& d = *image_.donnees_;
    if (d.ColorTable.Count == 0) {
      octets({0, 0, d.AspectRatio});
      return;
    }
    const std::uint8_t bits = bits_pour(d.ColorTable.Count);
    octets({std::uint8_t(0x80 + ((bits - 1) << 4) + (bits - 1)), indice_fond(), d.AspectRatio});
    table(d.ColorTable);
  }

  std::uint8_t indice_fond() const {
    if (image_.BackgroundIndex >= 0) return std::uint8_t(image_.BackgroundIndex);
    const TGIFColorTable& t = image_.donnees_->ColorTable;
    for (std::size_t i = 0; image_.BackgroundColor != clNone && i < t.Count; ++i)
      if (t.Color(i) == image_.BackgroundColor) return std::uint8_t(i);
    return 0;
  }

  void ecrire_boucle() {
    static const char kId[] = "NETSCAPE2.0";
    octets({'!', 0xFF, 11});
    o_.insert(o_.end(), kId, kId + 11);
    octets({3, 1});
    mot(image_.RepeatCount);
    o_.push_back(0);
  }

  void ecrire_cadre(const TJvGIFFrame& f) {
    static const std::uint8_t kLabels[] = {0xF9, 0x01, 0xFF, 0xFE};
    for (const TExtension& e : f.Extensions) {
      octets({'!', kLabels[int(e.Kind)]});
      o_.insert(o_.end(), e.Record.begin(), e.Record.end());
      if (e.Kind == TExtensionKind::GraphicControl)
        o_.push_back(0);
      else
        lignes(e.Lines);
    }
    const TGIFItem& item = *f.item_;
    o_.push_back(',');
    mot(en_16_bits(f.Left));
    mot(en_16_bits(f.Top));
    mot(en_16_bits(item.Width));
    mot(en_16_bits(item.Height));
    std::uint8_t paquet = f.Interlaced ? 0x40 : 0;
    if (f.OwnColorTable) paquet = std::uint8_t(paquet | 0x80 | (bits_pour(item.ColorTable.Count) - 1));
    o_.push_back(paquet);
    if (f.OwnColorTable) {
      TGIFColorTable t = item.ColorTable;
      t.Count = 1u << bits_pour(t.Count);
      table(t);
    }
    o_.insert(o_.end(), item.ZipData.begin(), item.ZipData.end());
  }

  TJvGIFImage& image_;
  std::vector<std::uint8_t> o_;
};

std::vector<std::uint8_t> TJvGIFImage::SaveToStream() {
  std::vector<std::uint8_t> fichier;
  avec_progression(OnProgress, [&] { fichier = EcrivainGif(*this).ecrire(); });
  return fichier;
}

}  // namespace gif
