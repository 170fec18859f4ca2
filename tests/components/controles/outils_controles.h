#pragma once
// Shared by the control tests: a control's picture as the screen shows it,
// colour comparisons, pictures kept for review in the build's captures
// folder, and the pointer's events sent to a control.

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
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

// The pointer coming in at `p`, in the control's coordinates.
inline void entrer(QWidget& controle, QPoint p = {5, 5}) {
  const QPointF point(p);
  QEnterEvent e(point, point, point);
  QApplication::sendEvent(&controle, &e);
}

inline void sortir(QWidget& controle) {
  QEvent e(QEvent::Leave);
  QApplication::sendEvent(&controle, &e);
}

// A mouse event of the left button at `p`, with `boutons` held after it.
inline void souris(QWidget& controle, QEvent::Type type, QPoint p, Qt::MouseButtons boutons) {
  QMouseEvent e(type, QPointF(p), controle.mapToGlobal(QPointF(p)), Qt::LeftButton, boutons, Qt::NoModifier);
  QApplication::sendEvent(&controle, &e);
}
