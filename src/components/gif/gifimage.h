#pragma once
// GIF images: the file kept as its frames' encoded data, each frame decoded
// into an indexed bitmap on first use.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "components/gif/bitmap_indexe.h"
#include "components/gif/gif_erreurs.h"

namespace gif {

// A colour as 0x00BBGGRR (red in the low byte); clNone when there is none.
using TColor = std::uint32_t;
inline constexpr TColor clNone = 0x1FFFFFFF;

struct TGIFColorTable {
  std::uint32_t Count = 0;
  std::array<std::array<std::uint8_t, 3>, 256> Colors{};  // red, green, blue
  TColor Color(std::size_t i) const {
    return TColor(Colors[i][0]) | (TColor(Colors[i][1]) << 8) | (TColor(Colors[i][2]) << 16);
  }
};

enum class TExtensionKind : std::uint8_t { GraphicControl, PlainText, Application, Comment };

struct TExtension {
  TExtensionKind Kind = TExtensionKind::GraphicControl;
  std::vector<std::uint8_t> Record;  // block size byte and the block
  std::vector<std::string> Lines;    // one per data sub-block
};

struct TGIFData {
  std::vector<std::string> Comment;
  std::uint8_t AspectRatio = 0;
  std::uint8_t BitsPerPixel = 0;
  std::uint8_t ColorResolution = 0;
  TGIFColorTable ColorTable;
};

struct TGIFItem {
  std::vector<std::uint8_t> ZipData;  // minimum code size, sub-blocks, terminator
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::uint8_t BitsPerPixel = 0;
  TGIFColorTable ColorTable;
};

class TJvGIFImage;

class TJvGIFFrame {
 public:
  explicit TJvGIFFrame(TJvGIFImage* owner) : owner_(owner) {}

  // The decoded bitmap (decoded on first use); empty when the frame was refused.
  const TBitmap& Bitmap();
  bool Decoded() const { return bitmap_ != nullptr; }
  std::int32_t Width() const { return item_ ? item_->Width : 0; }
  std::int32_t Height() const { return item_ ? item_->Height : 0; }
  const TGIFItem* Item() const { return item_.get(); }
  // Replaces the picture: the frame is encoded again from this bitmap.
  void SetBitmap(const TBitmap& bitmap);

  std::int32_t Left = 0, Top = 0;
  bool Interlaced = false;
  bool Damaged = false;
  bool GrayScale = false;
  bool OwnColorTable = false;
  TColor TransparentColor = clNone;
  int TransparentIndex = -1;  // as read; -1 when none
  std::uint32_t AnimateInterval = 0;  // delay in milliseconds
  std::uint8_t DisposalMethod = 0;
  std::vector<TExtension> Extensions;

 private:
  friend class LecteurGif;
  friend class EcrivainGif;
  friend class TJvGIFImage;
  void Encoder();
  void RafraichirControle();
  TJvGIFImage* owner_;
  std::shared_ptr<const TGIFItem> item_;
  std::unique_ptr<TBitmap> bitmap_;
  bool refuse_ = false;  // a size no bitmap is made for
};

enum class TGIFVersion { gvUnknown, gv87a, gv89a };

enum class TProgressStage { psStarting, psRunning, psEnding };
// Progress of a decode or an encode: starting at 0 %, running, ending at
// 100 %, or ending at 0 % with the error's message.
using TProgressEvent = std::function<void(TProgressStage etape, int pourcent, const std::string& message)>;

class TJvGIFImage {
 public:
  TJvGIFImage();
  TJvGIFImage(const TJvGIFImage&) = delete;
  TJvGIFImage& operator=(const TJvGIFImage&) = delete;
  // The frames move along and belong to the new image.
  TJvGIFImage(TJvGIFImage&& autre) noexcept;
  TJvGIFImage& operator=(TJvGIFImage&& autre) noexcept;

  // Reads a whole file; the first frame is decoded at once.
  void LoadFromStream(const std::vector<std::uint8_t>& octets, bool decoder = true);

  std::size_t Count() const { return frames_.size(); }
  TJvGIFFrame& Frame(std::size_t i) { return *frames_[i]; }
  int FrameIndex() const { return courante_; }
  std::uint16_t ScreenWidth() const { return largeur_ecran_; }
  std::uint16_t ScreenHeight() const { return hauteur_ecran_; }
  TGIFVersion Version() const { return version_; }
  const TGIFData& Header() const { return *donnees_; }
  const std::vector<std::string>& Comment() const { return donnees_->Comment; }
  std::vector<std::string>& Comment() { return donnees_->Comment; }

  // Appends a frame showing `bitmap` and makes it current; gives its index.
  std::size_t AddFrame(const TBitmap& bitmap);
  // The whole file; frames without encoded data are encoded first.
  std::vector<std::uint8_t> SaveToStream();
  [[noreturn]] void SetWidth(int);
  [[noreturn]] void SetHeight(int);

  TColor BackgroundColor = clNone;
  int BackgroundIndex = -1;  // as read; -1 when none
  bool Looping = false;
  std::uint16_t RepeatCount = 1;
  bool Damaged = false;
  TProgressEvent OnProgress;

 private:
  friend class LecteurGif;
  friend class EcrivainGif;
  friend class TJvGIFFrame;
  void Clear();

  std::shared_ptr<TGIFData> donnees_;
  TGIFVersion version_ = TGIFVersion::gvUnknown;
  std::vector<std::unique_ptr<TJvGIFFrame>> frames_;
  int courante_ = -1;
  std::uint16_t largeur_ecran_ = 0, hauteur_ecran_ = 0;
};

// Decodes LZW data into a bitmap of `item`'s size; true when the data was damaged.
// `ligne` is called with the percentage of rows written whenever it changes.
bool decoder_lzw(const TGIFItem& item, bool entrelace, TBitmap& cible,
                 const std::function<void(int)>& ligne = nullptr);

// Runs `travail` between the starting and ending progress events.
void avec_progression(const TProgressEvent& evenement, const std::function<void()>& travail);

// The LZW data of an indexed bitmap: minimum code size, sub-blocks, terminator.
std::vector<std::uint8_t> encoder_lzw(const TBitmap& bitmap, bool entrelace);

// Largest pixel count of one frame and of all the frames of a file.
inline constexpr std::uint64_t kPixelsImageMax = std::uint64_t(1) << 28;

}  // namespace gif
