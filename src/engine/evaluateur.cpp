#include "engine/evaluateur.h"

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/fonction.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"

namespace {

std::string evalue(const std::string& texte) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  // Brackets around the whole text hide nothing from the evaluation, but a
  // text that evaluates to itself keeps them: (x+1) stays (x+1).
  if (std::string t = enleve_delimiteurs(texte, "()"); t != texte) {
    std::string r = evalue(t);
    return r == t ? texte : r;
  }
  const std::string& t = texte;
  const fonction f(t);
  if (f.type_operateur >= 0 && f.type_operateur <= 4) {
    const bool negatif = est_negatif(t);
    std::string gauche = evalue(negatif ? enleve_moins(f.gauche) : f.gauche);  // left first
    std::string droite = evalue(f.droite);
    std::string r = operation(std::move(gauche), std::move(droite), f.operateur);
    return negatif ? operation("-1", std::move(r), "*") : r;
  }
  if (f.type_operateur == 5) return texte;  // a factorial stays as typed: 5! is not lost
  if (est_negatif(t)) return operation("-1", evalue(t.substr(1)), "*");
  std::vector<std::string> arguments;
  const int id = reconnait_fonction(t, arguments);
  return id > 0 ? evaluer_appel(id, arguments, t) : texte;
}

}  // namespace

std::string calculer(const std::string& texte) {
  return sous_garde_saisie(texte, [&] { return evalue(texte); });
}
