#include "components/gif_qt.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

#include "components/formats_image.h"

namespace gif {

namespace {

const QString kMimeGif = QStringLiteral("image/gif");
constexpr int kOctetsLongueur = 4;

TJvGIFFrame* cadre_courant(TJvGIFImage& gif) {
  if (gif.Count() == 0) return nullptr;
  return &gif.Frame(gif.FrameIndex() < 0 ? 0 : std::size_t(gif.FrameIndex()));
}

std::vector<std::uint8_t> octets_de(const QByteArray& a) {
  return std::vector<std::uint8_t>(a.begin(), a.end());
}

}  // namespace

TBitmap bitmap_de(const QImage& image) {
  const bool mono = image.format() == QImage::Format_Mono;
  const bool indexee = image.format() == QImage::Format_Indexed8;
  if (!mono && !indexee) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    TBitmap b(rgb.width(), rgb.height(), pf24bit);
    for (int y = 0; y < rgb.height(); ++y) {
      const uchar* l = rgb.constScanLine(y);
      for (int x = 0; x < rgb.width(); ++x)
        b.SetPixel(x, rgb.height() - 1 - y, RGBQUAD{l[3 * x + 2], l[3 * x + 1], l[3 * x], 0});
    }
    return b;
  }
  TBitmap b(image.width(), image.height(), mono ? pf1bit : pf8bit);
  const QList<QRgb> table = image.colorTable();
  for (std::size_t i = 0; i < b.Palette.size() && i < std::size_t(table.size()); ++i) {
    const QRgb c = table[qsizetype(i)];
    b.Palette[i] = RGBQUAD{std::uint8_t(qBlue(c)), std::uint8_t(qGreen(c)), std::uint8_t(qRed(c)), 0};
  }
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) b.SetIndex(x, image.height() - 1 - y, std::uint8_t(image.pixelIndex(x, y)));
  return b;
}

std::size_t AddFrame(TJvGIFImage& gif, const QImage& image) { return gif.AddFrame(bitmap_de(image)); }

void Assign(TJvGIFImage& gif, const QImage& image) {
  gif = TJvGIFImage();
  if (!image.isNull()) AddFrame(gif, image);
}

QImage AssignTo(TJvGIFImage& gif) {
  TJvGIFFrame* f = cadre_courant(gif);
  if (!f) return {};
  const TBitmap& b = f->Bitmap();
  if (b.Empty()) return {};
  QImage image(b.Width(), b.Height(), QImage::Format_Indexed8);
  QList<QRgb> table;
  for (std::size_t i = 0; i < b.Palette.size(); ++i) {
    const RGBQUAD q = b.Palette[i];
    table.push_back(qRgba(q.rgbRed, q.rgbGreen, q.rgbBlue, int(i) == f->TransparentIndex ? 0 : 255));
  }
  image.setColorTable(table);
  for (int y = 0; y < b.Height(); ++y) {
    uchar* l = image.scanLine(y);
    for (int x = 0; x < b.Width(); ++x) l[x] = b.Index(x, b.Height() - 1 - y);
  }
  return image;
}

void Draw(TJvGIFImage& gif, QPainter& peintre, const QRect& rect) {
  const QImage image = AssignTo(gif);
  if (image.isNull()) return;
  peintre.save();
  peintre.setRenderHint(QPainter::SmoothPixmapTransform, false);
  peintre.drawImage(rect, image);
  peintre.restore();
}

bool Equals(const TJvGIFImage& a, const TJvGIFImage& b) { return &a.Header() == &b.Header(); }

bool Empty(TJvGIFImage& gif) {
  TJvGIFFrame* f = cadre_courant(gif);
  return !f || (!f->Decoded() && (!f->Item() || f->Item()->ZipData.empty()));
}

QList<QRgb> GetPalette(TJvGIFImage& gif) {
  const QImage image = AssignTo(gif);
  return image.isNull() ? QList<QRgb>() : image.colorTable();
}

int Width(TJvGIFImage& gif) {
  TJvGIFFrame* f = cadre_courant(gif);
  return f ? f->Bitmap().Width() : 0;
}

int Height(TJvGIFImage& gif) {
  TJvGIFFrame* f = cadre_courant(gif);
  return f ? f->Bitmap().Height() : 0;
}

void ReadData(TJvGIFImage& gif, const QByteArray& donnees) {
  if (donnees.size() < kOctetsLongueur) throw EInvalidGraphicOperation(kErrLecture);
  const auto* p = reinterpret_cast<const std::uint8_t*>(donnees.constData());
  const std::uint32_t n = p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
  if (n > std::uint32_t(donnees.size() - kOctetsLongueur)) throw EInvalidGraphicOperation(kErrLecture);
  gif.LoadFromStream(std::vector<std::uint8_t>(p + kOctetsLongueur, p + kOctetsLongueur + n));
}

QByteArray WriteData(TJvGIFImage& gif) {
  const std::vector<std::uint8_t> fichier = gif.SaveToStream();
  const auto n = std::uint32_t(fichier.size());
  QByteArray o;
  for (int i = 0; i < kOctetsLongueur; ++i) o.append(char((n >> (8 * i)) & 0xFF));
  o.append(reinterpret_cast<const char*>(fichier.data()), qsizetype(fichier.size()));
  return o;
}

void SaveToClipboardFormat(TJvGIFImage& gif) {
  if (gif.Count() == 0) return;
  const std::vector<std::uint8_t> fichier = gif.SaveToStream();
  auto* mime = new QMimeData;
  mime->setData(kMimeGif, QByteArray(reinterpret_cast<const char*>(fichier.data()), qsizetype(fichier.size())));
  TJvGIFImage premier;
  premier.LoadFromStream(fichier);
  mime->setImageData(AssignTo(premier));
  QGuiApplication::clipboard()->setMimeData(mime);
}

bool LoadFromClipboardFormat(TJvGIFImage& gif) {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (mime && mime->hasFormat(kMimeGif)) {
    TJvGIFImage lue;
    lue.LoadFromStream(octets_de(mime->data(kMimeGif)), false);
    gif = std::move(lue);
    return true;
  }
  const QImage image = QGuiApplication::clipboard()->image();
  if (image.isNull()) return false;
  Assign(gif, image);
  return true;
}

}  // namespace gif

QImage charger_gif(const QString& chemin) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) return {};
  gif::TJvGIFImage image;
  try {
    image.LoadFromStream(gif::octets_de(fichier.readAll()));
    return gif::AssignTo(image);
  } catch (const std::runtime_error&) {
    return {};
  }
}

namespace {

// Registers the format while the program runs.
struct EnregistrementGif {
  EnregistrementGif() { enregistrer_format_image(QStringLiteral("GIF"), QStringLiteral("CompuServe GIF Image"), &charger_gif); }
  ~EnregistrementGif() { retirer_format_image(QStringLiteral("GIF")); }
};
const EnregistrementGif enregistrement_gif;

}  // namespace
