#include "platform/image_png.h"

#include <QFile>

#include "components/png_qt.h"

bool enregistrer_png(const QImage& image, const QString& chemin) {
  if (image.isNull()) return false;
  png::TPNGObject png;
  try {
    png::Assign(png, image);
  } catch (const png::EPngError&) {
    return false;
  }
  return png.SaveToFile(QFile::encodeName(chemin).toStdString());
}
