// The GIF codec's Qt side: every QImage kind written and read back, Qt's own
// reader agreeing, transparency, drawing, form data, clipboard and registry.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>

#include "components/formats_image.h"
#include "components/gif_qt.h"

using namespace gif;

namespace {

QImage bruit(QImage::Format format, std::mt19937& hasard) {
  QImage image(1 + int(hasard() % 30), 1 + int(hasard() % 20), format);
  QList<QRgb> couleurs;
  const int n = format == QImage::Format_Mono ? 2 : 1 + int(hasard() % 256);
  for (int i = 0; i < n; ++i) couleurs.push_back(qRgb(int(hasard() % 256), int(hasard() % 256), int(hasard() % 256)));
  if (format != QImage::Format_RGB32) image.setColorTable(couleurs);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const int i = int(hasard() % std::uint32_t(n));
      if (format == QImage::Format_RGB32)
        image.setPixel(x, y, couleurs[i]);
      else
        image.setPixel(x, y, uint(i));
    }
  return image;
}

void memes_pixels(const QImage& a, const QImage& b) {
  ASSERT_EQ(a.size(), b.size());
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) ASSERT_EQ(a.pixel(x, y) | 0xFF000000u, b.pixel(x, y) | 0xFF000000u) << x << "," << y;
}

}  // namespace

TEST(GifQt, ChaqueGenreRelu) {
  std::mt19937 hasard(4);
  for (QImage::Format format : {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_RGB32})
    for (int essai = 0; essai < 20; ++essai) {
      const QImage source = bruit(format, hasard);
      TJvGIFImage g;
      Assign(g, source);
      const QByteArray donnees = WriteData(g);
      TJvGIFImage relue;
      ReadData(relue, donnees);
      memes_pixels(AssignTo(relue), source);
      QImage par_qt;
      ASSERT_TRUE(par_qt.loadFromData(donnees.mid(4), "GIF"));
      memes_pixels(par_qt, source);
    }
}

TEST(GifQt, TransparenceDessinPresseRegistre) {
  QImage source(2, 2, QImage::Format_Indexed8);
  source.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
  source.fill(0);
  source.setPixel(1, 0, 1);
  TJvGIFImage g;
  AddFrame(g, source);
  g.Frame(0).TransparentColor = 0xFF0000;  // blue
  TJvGIFImage relue;
  ReadData(relue, WriteData(g));
  EXPECT_EQ(qAlpha(AssignTo(relue).pixel(1, 0)), 0);
  EXPECT_EQ(qAlpha(AssignTo(relue).pixel(0, 0)), 255);
  EXPECT_EQ(Width(relue), 2);
  EXPECT_FALSE(Empty(relue));
  EXPECT_TRUE(Equals(relue, relue));
  EXPECT_FALSE(Equals(relue, g));

  QImage toile(4, 4, QImage::Format_RGB32);
  toile.fill(Qt::white);
  {
    QPainter p(&toile);
    Draw(relue, p, QRect(0, 0, 4, 4));
  }
  EXPECT_EQ(toile.pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(toile.pixel(3, 1), qRgb(255, 255, 255));

  SaveToClipboardFormat(g);
  TJvGIFImage collee;
  ASSERT_TRUE(LoadFromClipboardFormat(collee));
  memes_pixels(AssignTo(collee), source);

  const FormatImage* f = format_image(QStringLiteral("gif"));
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->description, QStringLiteral("CompuServe GIF Image"));
  QTemporaryDir dossier;
  QFile fichier(dossier.filePath(QStringLiteral("a.gif")));
  ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
  fichier.write(WriteData(g).mid(4));
  fichier.close();
  memes_pixels(f->chargeur(fichier.fileName()), source);
}
