#include "exercises/generateurs/outils_niveau_1.h"

#include "engine/decoupage.h"
#include "exercises/generateurs/outils.h"

std::vector<std::string> racines_liste(const std::string& liste) {
  std::vector<std::string> racines;
  for (const std::string& element : decoupe(enleve_delimiteurs(liste, "[]"), ';')) {
    const std::size_t egal = element.find('=');
    racines.push_back(egal == std::string::npos ? element : element.substr(egal + 1));
  }
  return racines;
}

int RandomFrom(ContexteGenerateur& contexte, std::initializer_list<int> valeurs) {
  const int indice = Random(contexte, static_cast<int>(valeurs.size()));
  return *(valeurs.begin() + indice);
}
