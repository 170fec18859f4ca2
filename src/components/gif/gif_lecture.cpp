#include <algorithm>
#include <cstring>

#include "components/gif/gifimage.h"

namespace gif {

namespace {

constexpr std::uint8_t kExtension = '!';
constexpr std::uint8_t kImage = ',';
constexpr std::uint8_t kFin = ';';
constexpr std::uint8_t kLabelControle = 0xF9;
constexpr std::uint8_t kLabelTexte = 0x01;
constexpr std::uint8_t kLabelApplication = 0xFF;
constexpr std::uint8_t kLabelCommentaire = 0xFE;
constexpr std::uint8_t kTailleApplication = 11;
constexpr std::uint16_t kRepetitionsMax = 30000;
constexpr std::uint8_t kTableGlobale = 0x80;
constexpr std::uint8_t kEntrelace = 0x40;
constexpr std::uint32_t kCentiemesEnMs = 10;

bool egal_sans_casse(const std::uint8_t* a, const char* b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    auto min = [](int c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    if (min(a[i]) != min(std::uint8_t(b[i]))) return false;
  }
  return true;
}

}  // namespace

TJvGIFImage::TJvGIFImage() : donnees_(std::make_shared<TGIFData>()) {}

TJvGIFImage::TJvGIFImage(TJvGIFImage&& autre) noexcept { *this = std::move(autre); }

TJvGIFImage& TJvGIFImage::operator=(TJvGIFImage&& autre) noexcept {
  if (this == &autre) return *this;
  BackgroundColor = autre.BackgroundColor;
  BackgroundIndex = autre.BackgroundIndex;
  Looping = autre.Looping;
  RepeatCount = autre.RepeatCount;
  Damaged = autre.Damaged;
  donnees_ = std::move(autre.donnees_);
  version_ = autre.version_;
  frames_ = std::move(autre.frames_);
  courante_ = autre.courante_;
  largeur_ecran_ = autre.largeur_ecran_;
  hauteur_ecran_ = autre.hauteur_ecran_;
  for (auto& f : frames_) f->owner_ = this;
  autre.Clear();
  return *this;
}

void TJvGIFImage::Clear() {
  donnees_ = std::make_shared<TGIFData>();
  version_ = TGIFVersion::gvUnknown;
  frames_.clear();
  courante_ = -1;
  largeur_ecran_ = hauteur_ecran_ = 0;
  BackgroundColor = clNone;
  BackgroundIndex = -1;
  Looping = false;
  RepeatCount = 1;
  Damaged = false;
}

// Reads a file into an image; every fixed-size read is bounds-checked.
class LecteurGif {
 public:
  LecteurGif(TJvGIFImage& image, const std::vector<std::uint8_t>& d) : image_(image), d_(d) {}

  void lire() {
    lire_entete();
    lire_ecran();
    int intro = octet_non_nul();
    std::vector<TExtension> en_attente;
    while (intro != 0 && intro != kFin && pos_ < d_.size()) {
      while (intro == kExtension) {
        lire_extension(en_attente);
        intro = fini() ? kFin : octet();
      }
      if (intro == kImage) {
        lire_image(en_attente);
        intro = fini() ? kFin : octet();
        if (intro != kExtension && intro != kImage && intro != kFin) intro = 0;
      } else {
        if (intro != 0 && intro != kFin) throw EInvalidGraphicOperation(kErrLecture);
        ranger_commentaires(en_attente);
      }
    }
    if (!image_.frames_.empty()) image_.courante_ = 0;
  }

 private:
  bool fini() const { return pos_ >= d_.size(); }
  const std::uint8_t* prendre(std::size_t n) {
    if (d_.size() - pos_ < n) throw EInvalidGraphicOperation(kErrLecture);
    const std::uint8_t* p = d_.data() + pos_;
    pos_ += n;
    return p;
  }
  std::uint8_t octet() { return *prendre(1); }
  std::uint16_t mot() {
    const std::uint8_t* p = prendre(2);
    return std::uint16_t(p[0] | (p[1] << 8));
  }
  int octet_non_nul() {
    while (!fini()) {
      const std::uint8_t o = d_[pos_++];
      if (o != 0) return o;
    }
    return 0;
  }

  void lire_entete() {
    const std::uint8_t* p = prendre(6);
    if (!egal_sans_casse(p, "GIF", 3)) throw EInvalidGraphicOperation(kErrVersion);
    if (egal_sans_casse(p + 3, "87a", 3))
      image_.version_ = TGIFVersion::gv87a;
    else if (egal_sans_casse(p + 3, "89a", 3))
      image_.version_ = TGIFVersion::gv89a;
    else
      throw EInvalidGraphicOperation(kErrVersion);
  }

  void lire_table(TGIFColorTable& t, int bits) {
    t.Count = 1u << bits;
    const std::uint8_t* p = prendre(3 * std::size_t(t.Count));
    for (std::size_t i = 0; i < t.Count; ++i) std::memcpy(t.Colors[i].data(), p + 3 * i, 3);
  }

  void lire_ecran() {
    TGIFData& h = *image_.donnees_;
    image_.largeur_ecran_ = mot();
    image_.hauteur_ecran_ = mot();
    const std::uint8_t paquet = octet();
    const std::uint8_t fond = octet();
    h.AspectRatio = octet();
    h.BitsPerPixel = std::uint8_t((paquet & 7) + 1);
    h.ColorResolution = std::uint8_t(((paquet & 0x70) >> 4) + 1);
    if (!(paquet & kTableGlobale)) return;
    lire_table(h.ColorTable, h.BitsPerPixel);
    image_.BackgroundIndex = fond;
    if (fond < h.ColorTable.Count) image_.BackgroundColor = h.ColorTable.Color(fond);
  }

  std::vector<std::string> lire_sous_blocs() {
    std::vector<std::string> lignes;
    while (!fini()) {
      const std::size_t n = std::min<std::size_t>(octet(), d_.size() - pos_);
      if (n == 0) break;
      lignes.emplace_back(reinterpret_cast<const char*>(prendre(n)), n);
    }
    return lignes;
  }

  void lire_extension(std::vector<TExtension>& en_attente) {
    const std::uint8_t label = octet();
    TExtension e;
    switch (label) {
      case kLabelControle: e.Kind = TExtensionKind::GraphicControl; break;
      case kLabelTexte: e.Kind = TExtensionKind::PlainText; break;
      case kLabelApplication: e.Kind = TExtensionKind::Application; break;
      case kLabelCommentaire: e.Kind = TExtensionKind::Comment; break;
      default: throw EInvalidGraphicOperation(message_extension_inconnue(label));
    }
    if (e.Kind != TExtensionKind::Comment) {
      const std::uint8_t taille = octet();
      const std::uint8_t* p = prendre(taille);
      e.Record.push_back(taille);
      e.Record.insert(e.Record.end(), p, p + taille);
    }
    e.Lines = lire_sous_blocs();
    if (e.Kind == TExtensionKind::PlainText)
      en_attente.clear();
    else if (e.Kind == TExtensionKind::Application)
      lire_boucle(e);
    else
      en_attente.push_back(std::move(e));
  }

  void lire_boucle(const TExtension& e) {
    if (e.Record[0] != kTailleApplication) return;
    const char* id = reinterpret_cast<const char*>(e.Record.data() + 1);
    if (std::memcmp(id, "NETSCAPE2.0", kTailleApplication) != 0 &&
        std::memcmp(id, "ANIMEXTS1.0", kTailleApplication) != 0)
      return;
    if (e.Lines.empty() || e.Lines[0].size() < 3 || e.Lines[0][0] != 1) return;
    image_.Looping = true;
    const auto n = std::uint16_t(std::uint8_t(e.Lines[0][1]) | (std::uint8_t(e.Lines[0][2]) << 8));
    image_.RepeatCount = std::min(n, kRepetitionsMax);
  }

  void ranger_commentaires(std::vector<TExtension>& en_attente) {
    std::vector<std::string>& commentaire = image_.donnees_->Comment;
    if (commentaire.empty())
      for (const TExtension& e : en_attente) {
        if (e.Kind != TExtensionKind::Comment) continue;
        if (!commentaire.empty()) commentaire.emplace_back("\r\n\r\n");
        commentaire.insert(commentaire.end(), e.Lines.begin(), e.Lines.end());
      }
    en_attente.clear();
  }

  void lire_image(std::vector<TExtension>& en_attente) {
    const TGIFData& h = *image_.donnees_;
    auto cadre = std::make_unique<TJvGIFFrame>(&image_);
    auto item = std::make_shared<TGIFItem>();
    if (h.ColorTable.Count > 0) item->BitsPerPixel = bits_de(h.ColorTable.Count);
    cadre->Extensions = std::move(en_attente);
    en_attente.clear();
    cadre->Left = mot();
    cadre->Top = mot();
    item->Width = mot();
    item->Height = mot();
    const std::uint8_t paquet = octet();
    cadre->Interlaced = paquet & kEntrelace;
    if (paquet & kTableGlobale) {
      item->BitsPerPixel = std::uint8_t((paquet & 7) + 1);
      lire_table(item->ColorTable, item->BitsPerPixel);
      cadre->OwnColorTable = true;
    } else {
      item->ColorTable = h.ColorTable;
    }
    lire_donnees(*cadre, *item);
    if (item->Width == 0) item->Width = image_.largeur_ecran_;
    if (item->Height == 0) item->Height = image_.hauteur_ecran_;
    verifier_taille(*cadre, *item);
    lire_controle(*cadre, *item);
    cadre->item_ = std::move(item);
    image_.frames_.push_back(std::move(cadre));
  }

  static std::uint8_t bits_de(std::uint32_t n) {
    std::uint8_t bits = 1;
    while ((1u << bits) < n) ++bits;
    if ((1u << bits) != n) throw EInvalidGraphicOperation(kErrNombreCouleurs);
    return bits;
  }

  void endommager(TJvGIFFrame& cadre) {
    cadre.Damaged = true;
    image_.Damaged = true;
    if (!ChargementTolerant()) throw EInvalidGraphicOperation(kErrLecture);
  }

  void lire_donnees(TJvGIFFrame& cadre, TGIFItem& item) {
    const std::size_t debut = pos_;
    octet();
    while (true) {
      if (fini()) return endommager(cadre), item.ZipData.assign(d_.begin() + std::ptrdiff_t(debut), d_.end());
      const std::size_t n = d_[pos_++];
      if (n == 0) break;
      if (d_.size() - pos_ < n) {
        pos_ = d_.size();
        item.ZipData.assign(d_.begin() + std::ptrdiff_t(debut), d_.end());
        return endommager(cadre);
      }
      pos_ += n;
    }
    item.ZipData.assign(d_.begin() + std::ptrdiff_t(debut), d_.begin() + std::ptrdiff_t(pos_));
  }

  void verifier_taille(TJvGIFFrame& cadre, const TGIFItem& item) {
    const std::uint64_t pixels = std::uint64_t(item.Width) * std::uint64_t(item.Height);
    total_pixels_ += pixels;
    if (pixels == 0 || pixels > kPixelsBitmapMax || total_pixels_ > kPixelsImageMax) {
      cadre.refuse_ = true;
      endommager(cadre);
    }
  }

  void lire_controle(TJvGIFFrame& cadre, const TGIFItem& item) {
    for (const TExtension& e : cadre.Extensions) {
      if (e.Kind != TExtensionKind::GraphicControl) continue;
      std::array<std::uint8_t, 4> champ{};
      for (std::size_t i = 0; i < champ.size() && i + 1 < e.Record.size(); ++i) champ[i] = e.Record[i + 1];
      cadre.DisposalMethod = std::uint8_t((champ[0] & 0x1C) >> 2);
      cadre.AnimateInterval =
          std::max(cadre.AnimateInterval, std::uint32_t(champ[1] | (champ[2] << 8)) * kCentiemesEnMs);
      if (champ[0] & 1) {
        cadre.TransparentIndex = champ[3];
        cadre.TransparentColor = champ[3] < item.ColorTable.Count ? item.ColorTable.Color(champ[3]) : clNone;
      }
    }
  }

  TJvGIFImage& image_;
  const std::vector<std::uint8_t>& d_;
  std::size_t pos_ = 0;
  std::uint64_t total_pixels_ = 0;
};

void TJvGIFImage::LoadFromStream(const std::vector<std::uint8_t>& octets, bool decoder) {
  Clear();
  if (octets.empty()) return;
  LecteurGif(*this, octets).lire();
  if (decoder && !frames_.empty()) {
    frames_[0]->Bitmap();
    Damaged = Damaged || frames_[0]->Damaged;
  }
}

}  // namespace gif
