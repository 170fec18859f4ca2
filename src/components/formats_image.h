#pragma once
// The picture formats the program reads by file extension: each extension
// has a description and a loader. Codecs register themselves here.

#include <QImage>
#include <QString>

#include <vector>

using ChargeurImage = QImage (*)(const QString& chemin);

struct FormatImage {
  QString extension;  // upper case, without the dot
  QString description;
  ChargeurImage chargeur = nullptr;
};

// Adds or replaces the format of an extension (compared without case).
void enregistrer_format_image(const QString& extension, const QString& description, ChargeurImage chargeur);
void retirer_format_image(const QString& extension);
// The format of an extension, or null.
const FormatImage* format_image(const QString& extension);
const std::vector<FormatImage>& formats_image();
