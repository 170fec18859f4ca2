#include "exercises/generateurs/outils_niveau_1.h"

#include "exercises/generateurs/outils.h"

int RandomFrom(ContexteGenerateur& contexte, std::initializer_list<int> valeurs) {
  const int indice = Random(contexte, static_cast<int>(valeurs.size()));
  return *(valeurs.begin() + indice);
}
