#include "engine/evaluateur.h"

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/fonction.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"

namespace {

void libere(std::string& t) { std::string().swap(t); }

// Takes its text by value and frees it once cut at its operator, so the
// recursion over the operators holds only disjoint pieces of the input.
std::string evalue(std::string texte) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  // Brackets around the whole text hide nothing from the evaluation, but a
  // text that evaluates to itself keeps them: (x+1) stays (x+1).
  if (std::string t = enleve_delimiteurs(texte, "()"); t.size() != texte.size()) {
    const std::size_t paires = (texte.size() - t.size()) / 2;
    libere(texte);  // only the text inside is kept, to compare
    std::string r = evalue(t);
    if (r == t) return std::string(paires, '(') + t + std::string(paires, ')');
    return r;
  }
  std::string gauche;
  std::string droite;
  std::string operateur;
  TypeOperateur type_operateur = TypeOperateur::aucun;
  {
    fonction f(texte);
    type_operateur = f.type_operateur;
    if (est_binaire(type_operateur)) {
      gauche = std::move(f.gauche);
      droite = std::move(f.droite);
      operateur = std::move(f.operateur);
    }
  }
  if (est_binaire(type_operateur)) {
    const bool negatif = est_negatif(texte);
    libere(texte);
    std::string g = evalue(negatif ? enleve_moins(gauche) : std::move(gauche));  // left first
    std::string d = evalue(std::move(droite));
    std::string r = operation(std::move(g), std::move(d), operateur);
    if (negatif) return operation("-1", r, "*");
    return r;
  }
  if (type_operateur == TypeOperateur::factorielle) return texte;  // a factorial stays as typed: 5! is not lost
  if (est_negatif(texte)) {
    std::string terme = texte.substr(1);
    libere(texte);
    return operation("-1", evalue(std::move(terme)), "*");
  }
  std::vector<std::string> arguments;
  const int id = identifiant_appel(texte, arguments);
  return id > 0 ? evaluer_appel(id, arguments, texte) : texte;
}

}  // namespace

std::string calculer(const std::string& texte) {
  return sous_garde_saisie(texte, [&] { return evalue(texte); });
}
