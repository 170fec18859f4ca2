// The PNG codec's Qt side: images built from every QImage kind read back
// identical in QImage and libpng, the decoded picture as a QImage, the
// clipboard, the format registry and the export's writer.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <filesystem>
#include <random>

#include "components/formats_image.h"
#include "components/png_outils.h"
#include "components/png_qt.h"
#include "fichiers_temporaires.h"
#include "platform/image_png.h"

using namespace png;
using png_test::Octets;

namespace {

QImage bruit(int largeur, int hauteur, QImage::Format format, std::mt19937& hasard) {
  QImage image(largeur, hauteur, format);
  if (format == QImage::Format_Mono) {
    image.setColorTable({qRgb(10, 20, 30), qRgb(240, 230, 220)});
  } else if (format == QImage::Format_Indexed8) {
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i) table.push_back(qRgb(i, static_cast<int>(hasard() % 256), 255 - i));
    image.setColorTable(table);
  }
  for (int y = 0; y < hauteur; ++y) {
    for (int x = 0; x < largeur; ++x) {
      if (format == QImage::Format_Mono || format == QImage::Format_Indexed8) {
        image.setPixel(x, y, static_cast<uint>(hasard() % image.colorCount()));
      } else {
        image.setPixel(x, y, qRgba(int(hasard() % 256), int(hasard() % 256), int(hasard() % 256), int(hasard() % 256)));
      }
    }
  }
  return image;
}

Octets sauver(TPNGObject& image) {
  TFluxMemoire flux;
  image.SaveToStream(flux);
  return flux.octets();
}

}  // namespace

// A property over many pictures of each kind: what we write is what QImage
// and libpng (which checks every CRC) read, alpha dropped.
TEST(PngQt, EveryAssignedKindReadsBackIdentical) {
  const struct {
    QImage::Format format;
    int type, profondeur;
  } genres[] = {{QImage::Format_Mono, 3, 1},
                {QImage::Format_Indexed8, 3, 8},
                {QImage::Format_RGB32, 2, 8},
                {QImage::Format_ARGB32, 2, 8},
                {QImage::Format_RGB888, 2, 8}};
  std::mt19937 hasard(30);
  for (const auto& g : genres) {
    for (int tirage = 0; tirage < 20; ++tirage) {
      const QImage source = bruit(1 + int(hasard() % 70), 1 + int(hasard() % 50), g.format, hasard);
      TPNGObject image;
      Assign(image, source);
      EXPECT_EQ(image.Header().ColorType, g.type);
      EXPECT_EQ(image.Header().BitDepth, g.profondeur);
      const Octets fichier = sauver(image);
      QImage relue;
      ASSERT_TRUE(relue.loadFromData(fichier.data(), static_cast<int>(fichier.size()), "PNG"));
      png_test::ImageBrute brute;
      ASSERT_TRUE(png_test::lire_libpng(fichier, brute));
      ASSERT_EQ(relue.size(), source.size());
      for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
          const QRgb attendu = source.pixel(x, y) | 0xFF000000u;
          ASSERT_EQ(relue.pixel(x, y), attendu) << g.format << " " << x << " " << y;
          const png_test::Rgba b = png_test::pixel_attendu(brute, std::uint32_t(x), std::uint32_t(y));
          ASSERT_EQ(qRgb(b.r, b.g, b.b), attendu);
          ASSERT_EQ(AssignTo(image).pixel(x, y), attendu);
        }
      }
    }
  }
}

TEST(PngQt, DecodedPicturesAsQImages) {
  // A palette picture with one transparent entry: indexed, alpha in the table.
  QImage indexee(3, 2, QImage::Format_Indexed8);
  indexee.setColorTable({qRgb(1, 2, 3), qRgb(4, 5, 6)});
  indexee.fill(1);
  indexee.setPixel(0, 0, 0);
  TPNGObject image;
  Assign(image, indexee, QColor(1, 2, 3));
  EXPECT_EQ(image.TransparencyMode(), TPNGTransparencyMode::ptmBit);
  QImage sortie = AssignTo(image);
  EXPECT_EQ(sortie.format(), QImage::Format_Indexed8);
  EXPECT_EQ(sortie.pixel(0, 0), qRgba(1, 2, 3, 0));
  EXPECT_EQ(sortie.pixel(1, 0), qRgb(4, 5, 6));
  EXPECT_EQ(GetPalette(image).size(), 256);

  // An RGB picture with a transparent colour: the alpha plane after reading.
  QImage rgb(2, 1, QImage::Format_RGB32);
  rgb.setPixel(0, 0, qRgb(7, 8, 9));
  rgb.setPixel(1, 0, qRgb(7, 8, 10));
  Assign(image, rgb, QColor(7, 8, 9));
  TPNGObject relue;
  TFluxMemoire flux(sauver(image));
  relue.LoadFromStream(flux);
  sortie = AssignTo(relue);
  EXPECT_EQ(sortie.format(), QImage::Format_ARGB32);
  EXPECT_EQ(sortie.pixel(0, 0), qRgba(7, 8, 9, 0));
  EXPECT_EQ(sortie.pixel(1, 0), qRgb(7, 8, 10));
  EXPECT_TRUE(GetPalette(relue).isEmpty());

  // Drawing an opaque picture copies it; a transparent one lets the background show.
  QImage fond(2, 1, QImage::Format_RGB32);
  fond.fill(qRgb(200, 0, 0));
  {
    QPainter peintre(&fond);
    Draw(relue, peintre, QRect(0, 0, 2, 1));
  }
  EXPECT_EQ(fond.pixel(0, 0), qRgb(200, 0, 0));
  EXPECT_EQ(fond.pixel(1, 0), qRgb(7, 8, 10));
  EXPECT_TRUE(AssignTo(TPNGObject()).isNull());
}

TEST(PngQt, ClipboardAndRegistry) {
  QImage source(4, 3, QImage::Format_RGB32);
  source.fill(qRgb(11, 22, 33));
  TPNGObject image;
  Assign(image, source);
  SaveToClipboardFormat(image);
  TPNGObject collee;
  ASSERT_TRUE(LoadFromClipboardFormat(collee));
  EXPECT_EQ(collee.GetPixel(3, 2), RGB(11, 22, 33));

  const FormatImage* format = format_image(QStringLiteral("png"));
  ASSERT_NE(format, nullptr);
  EXPECT_EQ(format->description, "Portable Network Graphics");
  const std::filesystem::path dossier = dossier_temporaire("png_qt");
  const QString chemin = QString::fromStdString((dossier / "a.png").string());
  ASSERT_TRUE(image.SaveToFile(QFile::encodeName(chemin).toStdString()));
  EXPECT_EQ(format->chargeur(chemin).pixel(0, 0), qRgb(11, 22, 33));
  EXPECT_TRUE(format->chargeur(chemin + "x").isNull());
  std::filesystem::remove_all(dossier);
}

// The export's writer: QImage reads what it wrote, equal to the picture; a
// file that cannot be written leaves nothing behind and keeps the old file.
TEST(PngQt, ExportWriterSavesWholeFilesOnly) {
  std::mt19937 hasard(3);
  const QImage graphique = bruit(80, 60, QImage::Format_RGB32, hasard);
  const std::filesystem::path dossier = dossier_temporaire("export_png");
  const QString chemin = QString::fromStdString((dossier / "graphique.png").string());
  ASSERT_TRUE(enregistrer_png(graphique, chemin));
  EXPECT_EQ(QImage(chemin).convertToFormat(QImage::Format_RGB32), graphique.convertToFormat(QImage::Format_RGB32));
  const std::string avant = lire_octets(dossier / "graphique.png");
  EXPECT_FALSE(enregistrer_png(graphique, QString::fromStdString((dossier / "absent" / "x.png").string())));
  EXPECT_FALSE(enregistrer_png(QImage(70000, 1, QImage::Format_RGB32), chemin));
  EXPECT_EQ(lire_octets(dossier / "graphique.png"), avant);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier), {}), 1);
  std::filesystem::remove_all(dossier);
}
