#pragma once
// Shared by the control tests: a control's picture as the screen shows it,
// colour comparisons, and pictures kept for review in the build's captures
// folder.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <string>

inline QImage image_de(QWidget& controle) { return controle.grab().toImage().convertToFormat(QImage::Format_RGB32); }

inline QColor pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

inline bool proches(const QColor& a, const QColor& b, int ecart = 2) {
  return std::abs(a.red() - b.red()) <= ecart && std::abs(a.green() - b.green()) <= ecart &&
         std::abs(a.blue() - b.blue()) <= ecart;
}

inline void garder_capture(const QImage& image, const std::string& nom) {
  const QString dossier = QString::fromLocal8Bit(PRALINORE_CAPTURES);
  QDir().mkpath(dossier);
  image.save(dossier + QLatin1Char('/') + QString::fromStdString(nom), "PNG");
}
