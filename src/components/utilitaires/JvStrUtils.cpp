#include "components/utilitaires/JvStrUtils.h"

namespace JvStrUtils {

std::string ReplaceStr(std::string_view texte, std::string_view cherche, std::string_view remplace) {
  if (cherche.empty()) return std::string(texte);
  std::string resultat;
  std::size_t debut = 0;
  for (auto p = texte.find(cherche); p != std::string_view::npos; p = texte.find(cherche, debut)) {
    resultat.append(texte.substr(debut, p - debut));
    resultat.append(remplace);
    debut = p + cherche.size();
  }
  resultat.append(texte.substr(debut));
  return resultat;
}

std::string DelChars(std::string_view texte, char c) {
  std::string resultat;
  for (const char x : texte) {
    if (x != c) resultat += x;
  }
  return resultat;
}

std::string DelBSpace(std::string_view texte) {
  const auto p = texte.find_first_not_of(' ');
  return p == std::string_view::npos ? std::string() : std::string(texte.substr(p));
}

std::string DelESpace(std::string_view texte) {
  const auto p = texte.find_last_not_of(' ');
  return p == std::string_view::npos ? std::string() : std::string(texte.substr(0, p + 1));
}

std::string DelBESpace(std::string_view texte) { return DelESpace(DelBSpace(texte)); }

std::string MakeStr(char c, int n) { return n < 1 ? std::string() : std::string(static_cast<std::size_t>(n), c); }

}  // namespace JvStrUtils
