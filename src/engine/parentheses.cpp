#include "engine/parentheses.h"

#include "engine/appel_fonction.h"
#include "engine/expression.h"
#include "engine/primitives.h"

namespace {

// The brackets an operand needs depend only on the kind of its split,
// which a text without operators tells without being scanned.
bool somme_ou_difference(TypeOperateur type) { return est_somme_ou_difference(type); }
bool a_un_operateur(TypeOperateur type) { return type != TypeOperateur::aucun; }

// est_negatif(texte) for a text whose split's kind is known: it starts with
// "-" and splits at no sign, the work of its scan counted again.
bool negatif_selon(const std::string& texte, TypeOperateur type) {
  if (texte.empty() || texte[0] != '-') return false;
  compte_coupe(texte);
  return !somme_ou_difference(type);
}

// The left operand of "+" or "-" never takes brackets, and the right one of
// "+" neither: their split is not looked for, its work counted all the same.
bool gauche_a_parentheser(const std::string& texte, std::string_view op) {
  if (op != "*" && op != "/" && op != "^") {
    compte_coupe(texte);
    return false;
  }
  const TypeOperateur type = type_operateur_de(texte);
  if (op == "*") return somme_ou_difference(type);
  if (op == "/") return a_un_operateur(type);
  if (op == "^") {
    // A factorial binds tighter than the power: n!^2 needs no brackets.
    return est_binaire(type) || est_appel_avec_arguments(texte) || negatif_selon(texte, type);
  }
  return false;
}

bool droite_a_parentheser(const std::string& texte, std::string_view op) {
  if (op != "-" && op != "*" && op != "/" && op != "^") {
    compte_coupe(texte);
    return false;
  }
  const TypeOperateur type = type_operateur_de(texte);
  if (op == "-" || op == "*") return somme_ou_difference(type) || negatif_selon(texte, type);
  if (op == "/") return a_un_operateur(type) || negatif_selon(texte, type);
  if (op == "^") return a_un_operateur(type);
  return false;
}

std::string entre_parentheses(const std::string& t) { return "(" + t + ")"; }

}  // namespace

int besoin_parentheses(const std::string& gauche, const std::string& droite, std::string_view operateur) {
  int besoin = gauche_a_parentheser(gauche, operateur) ? 10 : 0;
  const bool droite_comptee = operateur == "^" ? somme_ou_difference(type_operateur_de(droite))
                                               : droite_a_parentheser(droite, operateur);
  return besoin + (droite_comptee ? 1 : 0);
}

std::string joint_avec_parentheses(const std::string& gauche, const std::string& droite, std::string_view operateur) {
  const bool autour_gauche = gauche_a_parentheser(gauche, operateur);
  const bool autour_droite = droite_a_parentheser(droite, operateur);
  constexpr std::size_t quatre_parentheses = 4;
  std::string r;
  r.reserve(gauche.size() + operateur.size() + droite.size() + quatre_parentheses);
  if (autour_gauche) r += '(';
  r += gauche;
  if (autour_gauche) r += ')';
  if (operateur.size() == 1) {
    r += operateur[0];  // one character: no copy call
  } else {
    r += operateur;
  }
  if (autour_droite) r += '(';
  r += droite;
  if (autour_droite) r += ')';
  return r;
}

void parenthese_operandes(std::string& gauche, std::string& droite, std::string_view operateur) {
  if (gauche_a_parentheser(gauche, operateur)) gauche = entre_parentheses(gauche);
  if (droite_a_parentheser(droite, operateur)) droite = entre_parentheses(droite);
}
