#pragma once
// The program's one PNG writer: every picture saved as PNG goes through it.

#include <QImage>
#include <QString>

// Writes the picture as a PNG file; false when the file cannot be written.
bool enregistrer_png(const QImage& image, const QString& chemin);
