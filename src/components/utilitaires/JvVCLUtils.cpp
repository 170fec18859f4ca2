#include "components/utilitaires/JvVCLUtils.h"

#include <QFontMetrics>
#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace {

const QString points_de_suite = QStringLiteral("...");

std::function<void()>& bip_installe() {
  static std::function<void()> bip;
  return bip;
}

// The bitmap as 32-bit pixels with the transparent colour made clear.
QImage sans_couleur(const QImage& bitmap, QColor transparente) {
  QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
  const QRgb cle = transparente.rgb() & RGB_MASK;
  for (int y = 0; y < image.height(); ++y) {
    auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((ligne[x] & RGB_MASK) == cle) ligne[x] = 0;
    }
  }
  return image;
}

// The mask painted in one colour: every opaque pixel takes it.
QImage teinter(const QImage& masque, QColor couleur) {
  QImage image = masque;
  const QRgb c = couleur.rgb();
  for (int y = 0; y < image.height(); ++y) {
    auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(ligne[x]) != 0) ligne[x] = c;
    }
  }
  return image;
}

}  // namespace

void StretchBltTransparent(QPainter& peintre, const QRect& cible, QRect source, const QImage& bitmap,
                           QColor transparente) {
  if (bitmap.isNull()) return;
  if (source.width() < 1 || source.height() < 1) source = bitmap.rect();
  const QImage partie = sans_couleur(bitmap.copy(source), transparente);
  const QImage etiree = partie.scaled(cible.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  peintre.drawImage(cible.topLeft(), etiree);
}

void DrawTransparentBitmap(QPainter& peintre, int x, int y, const QImage& bitmap, QColor transparente) {
  StretchBltTransparent(peintre, QRect(QPoint(x, y), bitmap.size()), QRect(), bitmap, transparente);
}

QImage CreateTwoColorsMask(const QImage& bitmap, QColor couleur) {
  return teinter(sans_couleur(bitmap, couleur), Qt::black);
}

QImage CreateDisabledBitmap(const QImage& bitmap, QColor couleur, const QPalette& palette) {
  const QImage masque = CreateTwoColorsMask(bitmap, couleur);
  QImage resultat(bitmap.size(), QImage::Format_ARGB32);
  resultat.fill(Qt::transparent);
  QPainter peintre(&resultat);
  peintre.drawImage(1, 1, teinter(masque, palette.color(QPalette::Light)));
  peintre.drawImage(0, 0, teinter(masque, palette.color(QPalette::Dark)));
  return resultat;
}

void DrawDisabledImage(QPainter& peintre, int x, int y, const std::vector<QImage>& images, int indice,
                       QColor transparente, const QPalette& palette) {
  if (indice < 0 || indice >= static_cast<int>(images.size())) return;
  peintre.drawImage(x, y, CreateDisabledBitmap(images[indice], transparente, palette));
}

QString ShortenString(const QFontMetrics& mesure, const QString& texte, int largeur) {
  if (mesure.horizontalAdvance(texte) <= largeur) return texte;
  QString court = texte;
  while (!court.isEmpty() && mesure.horizontalAdvance(court + points_de_suite) > largeur) court.chop(1);
  return court + points_de_suite;
}

bool IsForegroundTask() { return QGuiApplication::applicationState() == Qt::ApplicationActive; }

void MessageBeep() {
  if (bip_installe()) {
    bip_installe()();
  } else {
    QApplication::beep();
  }
}

std::function<void()> InstallerBip(std::function<void()> bip) {
  std::function<void()> ancien = std::move(bip_installe());
  bip_installe() = std::move(bip);
  return ancien;
}
