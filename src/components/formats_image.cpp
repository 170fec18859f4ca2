#include "components/formats_image.h"

#include <algorithm>

namespace {

std::vector<FormatImage>& registre() {
  static std::vector<FormatImage> formats;
  return formats;
}

std::vector<FormatImage>::iterator trouver(const QString& extension) {
  auto& formats = registre();
  return std::find_if(formats.begin(), formats.end(), [&](const FormatImage& f) {
    return f.extension.compare(extension, Qt::CaseInsensitive) == 0;
  });
}

}  // namespace

void enregistrer_format_image(const QString& extension, const QString& description, ChargeurImage chargeur) {
  const auto existant = trouver(extension);
  FormatImage format{extension.toUpper(), description, chargeur};
  if (existant != registre().end()) {
    *existant = format;
  } else {
    registre().push_back(format);
  }
}

void retirer_format_image(const QString& extension) {
  const auto existant = trouver(extension);
  if (existant != registre().end()) registre().erase(existant);
}

const FormatImage* format_image(const QString& extension) {
  const auto existant = trouver(extension);
  return existant == registre().end() ? nullptr : &*existant;
}

const std::vector<FormatImage>& formats_image() { return registre(); }
