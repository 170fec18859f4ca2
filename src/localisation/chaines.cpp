#include "localisation/chaines.h"

#include <algorithm>

namespace {
bool lettres_seulement(std::string_view texte) {
  return std::all_of(texte.begin(), texte.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}
}  // namespace

bool est_declaration_fonction(std::string_view texte) {
  if (texte.empty()) return true;
  const auto fermante = texte.find(')');
  if (fermante != texte.size() - 1) return false;
  const auto ouvrante = texte.find('(');
  if (ouvrante == std::string_view::npos) return lettres_seulement(texte.substr(0, fermante));
  if (ouvrante > fermante) return false;
  return lettres_seulement(texte.substr(0, ouvrante)) &&
         lettres_seulement(texte.substr(ouvrante + 1, fermante - ouvrante - 1));
}

bool est_nom_variable(std::string_view texte) { return lettres_seulement(texte); }

std::string en_minuscules(std::string_view texte) {
  std::string resultat(texte);
  for (char& c : resultat) {
    const auto o = static_cast<unsigned char>(c);
    if ((o >= 'A' && o <= 'Z') || (o >= 0xC0 && o <= 0xDE && o != 0xD7)) {
      c = static_cast<char>(o + 0x20);
    } else if (o == 0x8A || o == 0x8C || o == 0x8E) {  // S, OE and Z with their marks
      c = static_cast<char>(o + 0x10);
    } else if (o == 0x9F) {  // Y with diaeresis
      c = static_cast<char>(0xFF);
    }
  }
  return resultat;
}

void supprimer_element(int indice, std::vector<std::string>& tableau) {
  if (indice < 0 || indice >= static_cast<int>(tableau.size())) return;
  tableau.erase(tableau.begin() + indice);
}

std::string crypter(std::string_view texte, int cle) {
  const auto masque = static_cast<unsigned char>(cle & 0xFF);
  std::string resultat(texte);
  for (char& c : resultat) c = static_cast<char>(static_cast<unsigned char>(c) ^ masque);
  return resultat;
}
