#include "platform/image_png.h"

bool enregistrer_png(const QImage& image, const QString& chemin) { return image.save(chemin, "PNG"); }
