#pragma once
// The program's one PNG writer: every picture saved as PNG goes through it.

#include <QImage>
#include <QString>

// Writes the picture as a PNG file through the program's own codec, into a
// temporary file renamed over the target; false (and the target untouched)
// when the picture is too large or the file cannot be written.
bool enregistrer_png(const QImage& image, const QString& chemin);
