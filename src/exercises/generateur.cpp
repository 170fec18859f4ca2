#include "exercises/generateur.h"

#include <map>

namespace {

std::map<std::string, Tgenerateur, std::less<>>& registre() {
  static std::map<std::string, Tgenerateur, std::less<>> generateurs;
  return generateurs;
}

}  // namespace

void enregistrer_generateur(std::string_view cle, Tgenerateur procedure) {
  registre().insert_or_assign(std::string(cle), procedure);
}

Tgenerateur generateur_par_cle(std::string_view cle) {
  const auto trouve = registre().find(cle);
  return trouve == registre().end() ? nullptr : trouve->second;
}

std::vector<std::string> cles_generateurs() {
  std::vector<std::string> cles;
  for (const auto& [cle, procedure] : registre()) cles.push_back(cle);
  return cles;
}
