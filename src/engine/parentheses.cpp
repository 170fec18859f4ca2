#include "engine/parentheses.h"

#include <optional>

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

// The operators that can take part of an operand written beside them.
bool peut_prendre(char c) { return c != '\0' && std::string_view("-*/^!").find(c) != std::string_view::npos; }

// What an operand is for the operators written beside it: the kind of its
// split, and whether it is negated (a leading "-" and no split at a sign).
struct Operande {
  TypeOperateur type = TypeOperateur::aucun;
  bool negatif = false;
};

// A text that holds an operator; several arguments joined by ";" are no
// operand, and no operator takes part of them.
Operande operande_de(const std::string& t) {
  const Coupe c = coupe_de(t);
  return {c.type_operateur, c.position_liste == 0 && t[0] == '-' && !somme_ou_difference(c.type_operateur)};
}

// The operator just before the operand takes part of it when it binds
// tighter than the operand's split, or as tight and not associatively
// (a-(b+c), a/(b*c), a^(b^c)). "2*-x" would split at the "-", "2^-x" not.
bool pris_apres(char op, const Operande& o) {
  const bool signe = somme_ou_difference(o.type);
  switch (op) {
    case '-':
    case '*': return signe || o.negatif;
    case '/': return signe || o.type == TypeOperateur::fois || o.type == TypeOperateur::divise || o.negatif;
    case '^': return est_binaire(o.type);
    default: return false;
  }
}

// The operator just after the operand takes part of it when it binds
// tighter than the operand's split: a product or a quotient takes the last
// term of a sum, a power or a factorial the last factor, or the term after
// a leading "-" (-x^2 is -(x^2)).
bool pris_avant(char op, const Operande& o) {
  switch (op) {
    case '*':
    case '/': return somme_ou_difference(o.type);
    case '^': return est_binaire(o.type) || o.negatif;
    case '!': return a_un_operateur(o.type) || o.negatif;
    default: return false;
  }
}

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

std::string applique_modele(const std::string& modele, const std::string& argument) {
  // A text without operators (a name, a number, a call of them) is one
  // operand wherever it goes, and most templates hold "%s" between brackets:
  // the argument's split is looked for only when an operator that could take
  // part of it stands beside "%s".
  const bool simple = sans_operateur(argument);
  std::optional<Operande> operande;
  std::string r;
  for (std::size_t i = 0; i < modele.size(); ++i) {
    if (modele.compare(i, 2, "%s") != 0) {
      r += modele[i];
      continue;
    }
    const char avant = i > 0 ? modele[i - 1] : '\0';
    const char apres = i + 2 < modele.size() ? modele[i + 2] : '\0';
    bool autour = false;
    if (!simple && (peut_prendre(avant) || peut_prendre(apres))) {
      if (!operande) operande = operande_de(argument);
      autour = pris_apres(avant, *operande) || pris_avant(apres, *operande);
    }
    r += autour ? entre_parentheses(argument) : argument;
    ++i;
  }
  return r;
}
