#pragma once
// The program's one PNG writer: every picture saved as PNG goes through it.

#include <QImage>
#include <QString>

// Writes the picture as a PNG file through the program's own codec and the
// atomic write every file of the program takes (TPNGObject::SaveToFile);
// false (and the target untouched) when the picture is too large or the
// file cannot be written whole.
bool enregistrer_png(const QImage& image, const QString& chemin);
