#include "platform/texte_qt.h"

#include "localisation/texte_1252.h"

QString depuis_1252(std::string_view texte_1252) {
  QString resultat;
  resultat.reserve(static_cast<qsizetype>(texte_1252.size()));
  for (const char c : texte_1252) {
    resultat.append(QChar(static_cast<char16_t>(point_code_1252(static_cast<unsigned char>(c)))));
  }
  return resultat;
}

std::string vers_1252(const QString& texte) {
  std::string resultat;
  resultat.reserve(static_cast<std::size_t>(texte.size()));
  for (qsizetype i = 0; i < texte.size(); ++i) {
    const QChar c = texte.at(i);
    if (c.isHighSurrogate() && i + 1 < texte.size() && texte.at(i + 1).isLowSurrogate()) {
      ++i;  // outside the Basic Multilingual Plane: never in the code page
      resultat.push_back('?');
      continue;
    }
    resultat.push_back(c.isSurrogate() ? '?' : octet_1252(c.unicode()));
  }
  return resultat;
}
