#include <algorithm>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/syntaxe.h"
#include "engine/variables_equation.h"
#include "localisation/catalogue.h"
#include "localisation/format.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"

namespace {

// Calls whose last argument, the variable, may be left out.
bool variable_facultative(int id) {
  return id == 13 || id == 14 || id == 15 || id == 24 || id == 26 || id == 40;
}

std::string verifie(std::string& texte);

// Checks a part and writes its completion back into `partie`.
std::string verifie_partie(std::string& partie) { return verifie(partie); }

// A control character (C0, DEL, or a byte Windows-1252 leaves undefined,
// which the conversions map to C1 controls) would vanish or break the line
// in the message: it is shown as "#" and its code, as in "#0" or "#9".
std::string caractere_visible(char c) {
  const auto code = static_cast<unsigned char>(c);
  constexpr unsigned char premier_visible = 0x20;
  constexpr unsigned char effacement = 0x7F;
  constexpr std::string_view non_definis = "\x81\x8D\x8F\x90\x9D";
  if (code < premier_visible || code == effacement || non_definis.find(c) != std::string_view::npos) {
    return "#" + texte_entier(code);
  }
  return std::string(1, c);
}

std::string caractere_interdit(const std::string& texte) {
  for (const char c : texte) {
    if (caracteres_autorises.find(c) == std::string_view::npos) {
      return Format(catalogue_textes.txt_caractere_interdit, {caractere_visible(c)});
    }
  }
  return "";
}

// Cuts `t` at position `p` (0-based) around one separator character, checks
// both sides and puts them back together with their completions.
std::string verifie_deux_cotes(std::string& t, std::size_t p, bool droite_d_abord) {
  std::string gauche = t.substr(0, p);
  std::string droite = t.substr(p + 1);
  std::string message_gauche;
  std::string message_droite;
  if (droite_d_abord) {
    message_droite = verifie_partie(droite);
    message_gauche = verifie_partie(gauche);
  } else {
    message_gauche = verifie_partie(gauche);
    message_droite = verifie_partie(droite);
  }
  t = gauche + t[p] + droite;
  return message_gauche + message_droite;
}

// The first depth-0 occurrence of a relation, trying "=", "<", ">" in turn.
std::size_t premiere_relation(const std::string& t) {
  for (const char r : {'=', '<', '>'}) {
    int profondeur = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
      if (t[i] == '(' || t[i] == '[') ++profondeur;
      if (t[i] == ')' || t[i] == ']') --profondeur;
      if (profondeur == 0 && t[i] == r) return i;
    }
  }
  return std::string::npos;
}

// Position (1-based) of the top-level "+", "-", "*", "/" or "^" of the text,
// 0 when it has none. The node is dropped before the operands are checked,
// so the recursion keeps no copy of it.
int position_operateur(const std::string& t) {
  const expression e(t);
  return e.type_operateur >= 0 && e.type_operateur <= 4 ? e.position : 0;
}

bool est_operateur(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

std::string rebatit_appel(int id, const std::vector<std::string>& arguments) {
  return fonctions_usuelles->nom[id] + "(" + joindre(arguments, ";") + ")";
}

// The variable a calculus command left out, from the names its first
// argument holds; asks the user when they do not tell.
std::string variable_omise(const std::string& texte, const std::string& premier, std::string& message) {
  std::vector<std::string> noms = decoupe_arguments(fonction(premier).variables());
  if (noms.size() == 1 && noms[0].find('\'') == std::string::npos) {
    if (noms[0].empty()) message = catalogue_textes.txt_variable_invalide;
    return noms[0];
  }
  std::string variable;
  enleve_primes(noms, variable);
  if (variable.empty()) {
    variable = boite_saisie("", Format(catalogue_textes.txt_variable_ambigue, {texte}), "");
  }
  return variable;
}

std::string verifie_appel(std::string& t) {
  std::vector<std::string> arguments;
  const int id = reconnait_fonction(t, arguments);
  if (id == 0) {
    const auto souligne = t.find('_');
    return souligne == std::string::npos ? "" : verifie_deux_cotes(t, souligne, false);
  }
  const int attendus = fonctions_usuelles->nb_arguments[id];
  if (static_cast<int>(arguments.size()) == attendus) {
    for (auto& a : arguments) {
      if (a.empty()) return catalogue_textes.txt_nombre_arguments;
      if (std::string m = verifie_partie(a); !m.empty()) return m;
    }
    t = rebatit_appel(id, arguments);
    return "";
  }
  if (!variable_facultative(id) || static_cast<int>(arguments.size()) != attendus - 1) {
    return catalogue_textes.txt_nombre_arguments;
  }
  std::string message;
  const std::string variable = variable_omise(t, arguments[0], message);
  if (!message.empty()) return message;
  arguments.push_back(variable);
  t = rebatit_appel(id, arguments);
  return verifie(t);
}

std::string verifie_terme(std::string& t) {
  if (const int b = equilibre_parentheses(t); b < 0) {
    return catalogue_textes.txt_erreur_parenthese;
  } else if (b > 0) {
    // Completed, then checked again from the start: "(x+" is reported, not
    // accepted as "(x+)".
    t.append(static_cast<std::size_t>(b), ')');
    return verifie(t);
  }
  if (!t.empty() && (est_operateur(t.back()) || (t[0] != '-' && est_operateur(t[0])))) {
    const char c = est_operateur(t.back()) ? t.back() : t[0];
    const auto& modele = est_operateur(t.back()) ? catalogue_textes.txt_doublon_suivi : catalogue_textes.txt_doublon_precede;
    return Format(modele, {std::string(1, c)});
  }
  if (const int p = position_operateur(t); p >= 1) return verifie_deux_cotes(t, static_cast<std::size_t>(p - 1), true);
  if (est_negatif(t)) {
    std::string reste = t.substr(1);
    std::string m = verifie_partie(reste);
    t = "-" + reste;
    return m;
  }
  if (t.find('(') == std::string::npos) return "";
  return verifie_appel(t);
}

// Returns the messages; `texte` keeps the brackets it came with and takes
// every completion made inside it.
std::string verifie(std::string& texte) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  if (std::string m = caractere_interdit(texte); !m.empty()) return m;
  std::string t = enleve_delimiteurs(enleve_delimiteurs(texte, "[]"), "()");
  const std::size_t bord = (texte.size() - t.size()) / 2;
  const std::string avant = texte.substr(0, bord);
  const std::string apres = texte.substr(texte.size() - bord);
  std::string message;
  if (const int liste = expression(t).position_liste; liste >= 1) {
    message = verifie_deux_cotes(t, static_cast<std::size_t>(liste - 1), false);
  } else if (const auto r = premiere_relation(t); r != std::string::npos) {
    message = verifie_deux_cotes(t, r, true);
  } else {
    message = verifie_terme(t);
  }
  texte = avant + t + apres;
  return message;
}

}  // namespace

void verifier_syntaxe(std::string& texte, std::string& message) {
  GardeProfondeur garde;
  if (saisie_trop_longue(garde, texte.size())) {
    message = catalogue_textes.txt_expression_trop_complexe;
    return;
  }
  std::string t = texte;
  message = verifie(t);
  if (garde.externe() && garde.depassee()) {
    message = catalogue_textes.txt_expression_trop_complexe;
    return;
  }
  texte = t;
}
