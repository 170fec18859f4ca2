#include <algorithm>
#include <array>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/lignes_predefinies.h"
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
  return id == Ligne::deriver || id == Ligne::integrer || id == Ligne::integrale || id == Ligne::resoudre ||
         id == Ligne::discriminant || id == Ligne::complexe_resoudre;
}

// Every check takes its text by reference, completes it in place and
// returns its messages; when `original` is given it also receives the text
// as it came in. A check cuts its text into parts and frees it while the
// parts are checked, then puts it back together, so the recursion only ever
// holds disjoint pieces of the input (and, where asked, their originals):
// memory stays linear in the input's length, whatever the nesting.
std::string verifie(std::string& texte, std::string* original);

void libere(std::string& t) { std::string().swap(t); }

// The original of a text the check leaves as it is.
std::string message_tel_quel(const std::string& t, std::string* original, std::string message) {
  if (original) *original = t;
  return message;
}

// caracteres_autorises as a table, one look-up per character.
constexpr std::array<bool, 256> autorises = [] {
  std::array<bool, 256> r{};
  for (const char c : caracteres_autorises) r[static_cast<unsigned char>(c)] = true;
  return r;
}();

std::string caractere_interdit(const std::string& texte) {
  compte_travail(texte.size());
  for (const char c : texte) {
    if (!autorises[static_cast<unsigned char>(c)]) {
      return Format(catalogue_textes.txt_caractere_interdit, {caractere_visible(c)});
    }
  }
  return "";
}

// Cuts `t` at position `p` (0-based) around one separator character, checks
// both sides and puts them back together with their completions. The text
// tells one message, the first in reading order: the left side's when it
// has one.
std::string verifie_deux_cotes(std::string& t, std::size_t p, bool droite_d_abord, std::string* original) {
  std::string gauche = t.substr(0, p);
  std::string droite = t.substr(p + 1);
  const char separateur = t[p];
  libere(t);
  std::string originaux[2];
  std::string* og = original ? &originaux[0] : nullptr;
  std::string* od = original ? &originaux[1] : nullptr;
  std::string message_gauche;
  std::string message_droite;
  if (droite_d_abord) {
    message_droite = verifie(droite, od);
    message_gauche = verifie(gauche, og);
  } else {
    message_gauche = verifie(gauche, og);
    message_droite = verifie(droite, od);
  }
  t = std::move(gauche);
  t += separateur;
  t += droite;
  if (original) *original = originaux[0] + separateur + originaux[1];
  return message_gauche.empty() ? message_droite : message_gauche;
}

// The first depth-0 occurrence of a relation, trying "=", "<", ">" in turn:
// one pass notes the first of each.
std::size_t premiere_relation(const std::string& t) {
  std::size_t premieres[3] = {std::string::npos, std::string::npos, std::string::npos};  // "=", "<", ">"
  int profondeur = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '(' || c == '[') ++profondeur;
    if (c == ')' || c == ']') --profondeur;
    if (profondeur != 0) continue;
    const std::size_t k = c == '=' ? 0 : c == '<' ? 1 : c == '>' ? 2 : 3;
    if (k < 3 && premieres[k] == std::string::npos) premieres[k] = i;
  }
  for (const std::size_t p : premieres) {
    if (p != std::string::npos) return p;
  }
  return std::string::npos;
}

// Position (1-based) of the top-level "+", "-", "*", "/" or "^" of the text,
// 0 when it has none. The node is dropped before the operands are checked,
// so the recursion keeps no copy of it.
int position_operateur(const std::string& t) {
  const Coupe c = coupe_de(t);
  return est_binaire(c.type_operateur) ? c.position : 0;
}

bool est_operateur(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

std::string rebatit_appel(int id, const std::vector<std::string>& arguments) {
  return fonctions_usuelles->nom[id] + "(" + joindre(arguments, ";") + ")";
}

// The arguments joined with ";" as they stood in the call, empty ones
// included.
std::string colle(const std::vector<std::string>& arguments) {
  std::string t;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    if (k) t += ';';
    t += arguments[k];
  }
  return t;
}

// A call as typed is its name and opening brackets, its arguments joined
// with ";", and its closing brackets (more than one pair when redundant
// brackets enclose the arguments).
struct BordsAppel {
  std::string avant;
  std::string apres;
  std::size_t arguments = 0;  // length of the arguments joined
};

BordsAppel bords_appel(const std::string& t, const std::vector<std::string>& arguments) {
  BordsAppel b;
  b.arguments = arguments.size() - 1;
  for (const auto& a : arguments) b.arguments += a.size();
  const std::size_t ouvrante = t.find('(');
  const std::size_t paires = (t.size() - ouvrante - b.arguments) / 2;
  b.avant = t.substr(0, ouvrante + paires);
  b.apres = t.substr(t.size() - paires);
  return b;
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

// A calculus command names its variable in its last argument; a number or
// an expression there would be taken for a constant "variable".
bool variable_invalide(int id, const std::vector<std::string>& arguments) {
  const bool calcul = id == Ligne::deriver || id == Ligne::integrer || id == Ligne::integrale;
  return calcul && !est_nom_variable(arguments.back());
}

// A call with the row's number of arguments: each is checked in turn up to
// the first message. The call is rebuilt from the completed arguments; on a
// message it goes back to its text as it came in.
std::string verifie_arguments(std::string& t, int id, std::vector<std::string>& arguments, std::string* original) {
  const BordsAppel bords = bords_appel(t, arguments);
  libere(t);
  std::vector<std::string> originaux;
  std::string message;
  for (auto& a : arguments) {
    if (a.empty()) {
      message = catalogue_textes.txt_nombre_arguments;
      break;
    }
    message = verifie(a, &originaux.emplace_back());
    if (!message.empty()) break;
  }
  if (message.empty() && variable_invalide(id, arguments)) message = catalogue_textes.txt_variable_invalide;
  if (message.empty()) {
    t = rebatit_appel(id, arguments);
    if (original) *original = bords.avant + colle(originaux) + bords.apres;
    return message;
  }
  for (std::size_t k = 0; k < originaux.size(); ++k) arguments[k] = std::move(originaux[k]);
  t = bords.avant + colle(arguments) + bords.apres;
  return message_tel_quel(t, original, message);
}

// A calculus command whose variable was left out: the variable is added
// and the completed call checked again.
std::string complete_variable(std::string& t, int id, std::vector<std::string>& arguments, std::string* original) {
  std::string message;
  const std::string variable = variable_omise(t, arguments[0], message);
  if (!message.empty()) return message_tel_quel(t, original, message);
  const BordsAppel bords = bords_appel(t, arguments);
  // An empty first argument vanishes from the rebuilt call, which then no
  // longer tells the typed arguments: the text is kept as it came in.
  const bool premier_vide = arguments[0].empty();
  std::string tel_quel = original && premier_vide ? t : std::string();
  arguments.push_back(variable);
  t = rebatit_appel(id, arguments);
  std::vector<std::string>().swap(arguments);
  std::string complete;
  message = verifie(t, original ? &complete : nullptr);
  if (original) {
    // The completed call came in as name + "(" + arguments + ";" + variable + ")".
    const std::size_t nom = fonctions_usuelles->nom[id].size() + 1;
    *original = premier_vide ? std::move(tel_quel) : bords.avant + complete.substr(nom, bords.arguments) + bords.apres;
  }
  return message;
}

// A bracketed group holds one expression: a ";" at its top level separates
// the arguments of a call of the table, and nothing else (truc(2;3) is no
// call, and t*r*u*c*2;3 no expression). Redundant brackets change nothing.
bool groupe_en_liste(const std::string& groupe) {
  return positions_hors_parentheses(enleve_delimiteurs(groupe, "()")).point_virgule >= 1;
}

// Some top-level bracketed group of a text that is no call of the table,
// as in truc(2;3), 2(3;4) or (1;2)(3), holds a list.
bool liste_hors_appel(const std::string& t) {
  int profondeur = 0;
  std::size_t ouvrante = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '(' || c == '[') {
      if (profondeur++ == 0) ouvrante = i;
    } else if ((c == ')' || c == ']') && --profondeur == 0 && c == ')' && t[ouvrante] == '(' &&
               groupe_en_liste(t.substr(ouvrante, i - ouvrante + 1))) {
      return true;
    }
  }
  return false;
}

std::string verifie_appel(std::string& t, std::string* original) {
  std::vector<std::string> arguments;
  const int id = reconnait_fonction(t, arguments);
  if (id == 0) {
    std::vector<std::string>().swap(arguments);
    const auto souligne = t.find('_');
    if (souligne == std::string::npos) {
      return message_tel_quel(t, original, liste_hors_appel(t) ? catalogue_textes.txt_nombre_arguments : "");
    }
    return verifie_deux_cotes(t, souligne, false, original);
  }
  const int attendus = fonctions_usuelles->nb_arguments[id];
  if (static_cast<int>(arguments.size()) == attendus) return verifie_arguments(t, id, arguments, original);
  if (!variable_facultative(id) || static_cast<int>(arguments.size()) != attendus - 1) {
    return message_tel_quel(t, original, catalogue_textes.txt_nombre_arguments);
  }
  return complete_variable(t, id, arguments, original);
}

// A ")" closes the last "(" still open before it: one with none open
// closes nothing, whatever brackets come after it ("1)+(2" counts as many
// of each).
bool ferme_sans_ouvrir(std::string_view t) {
  int ouvertes = 0;
  for (const char c : t) {
    if (c == '(') ++ouvertes;
    if (c == ')' && --ouvertes < 0) return true;
  }
  return false;
}

std::string verifie_terme(std::string& t, std::string* original) {
  if (ferme_sans_ouvrir(t)) {
    return message_tel_quel(t, original, catalogue_textes.txt_erreur_parenthese);
  } else if (const int b = equilibre_parentheses(t); b > 0) {
    // Completed, then checked again from the start: "(x+" is reported, not
    // accepted as "(x+)".
    t.append(static_cast<std::size_t>(b), ')');
    std::string message = verifie(t, original);
    if (original) original->resize(original->size() - static_cast<std::size_t>(b));
    return message;
  }
  if (!t.empty() && (est_operateur(t.back()) || (t[0] != '-' && est_operateur(t[0])))) {
    const char c = est_operateur(t.back()) ? t.back() : t[0];
    const auto& modele = est_operateur(t.back()) ? catalogue_textes.txt_doublon_suivi : catalogue_textes.txt_doublon_precede;
    return message_tel_quel(t, original, Format(modele, {std::string(1, c)}));
  }
  if (const int p = position_operateur(t); p >= 1) {
    return verifie_deux_cotes(t, static_cast<std::size_t>(p - 1), true, original);
  }
  // No binary split: a text starting with "-" is negated, as the scan of
  // its split would tell (its work counted again).
  if (!t.empty() && t[0] == '-') {
    compte_coupe(t);
    std::string reste = t.substr(1);
    libere(t);
    std::string tel_quel;
    std::string message = verifie(reste, original ? &tel_quel : nullptr);
    t = "-" + reste;
    if (original) *original = "-" + tel_quel;
    return message;
  }
  if (t.find('(') == std::string::npos) return message_tel_quel(t, original, "");
  return verifie_appel(t, original);
}

// texte without the square, then round brackets enclosing it. A text that
// opens with neither loses none: it is moved out as it stands, not copied,
// and the work of both removers is counted.
std::string sans_crochets_ni_parentheses(std::string& texte) {
  if (texte.empty() || (texte.front() != '[' && texte.front() != '(')) {
    compte_travail(texte.size());
    compte_travail(texte.size());
    return std::move(texte);
  }
  return enleve_delimiteurs(enleve_delimiteurs(texte, "[]"), "()");
}

// `texte` keeps the brackets it came with and takes every completion made
// inside it.
std::string verifie(std::string& texte, std::string* original) {
  GardeProfondeur garde;
  if (garde.depassee()) return message_tel_quel(texte, original, "");
  if (std::string m = caractere_interdit(texte); !m.empty()) return message_tel_quel(texte, original, m);
  const std::size_t longueur = texte.size();
  std::string t = sans_crochets_ni_parentheses(texte);  // texte is read below only when brackets went
  const std::size_t bord = (longueur - t.size()) / 2;
  // Most texts have no enclosing brackets: nothing to keep around them.
  const std::string avant = bord ? texte.substr(0, bord) : std::string();
  const std::string apres = bord ? texte.substr(longueur - bord) : std::string();
  libere(texte);
  std::string tel_quel;
  std::string* partie_tel_quel = original ? &tel_quel : nullptr;
  std::string message;
  if (const int liste = positions_hors_parentheses(t).point_virgule; liste >= 1) {
    // A list is a vector or a matrix in square brackets (round ones just
    // inside them are redundant); in round ones it is no call's arguments,
    // as (2;3) or t*r*u*c*(2;3).
    if (bord && avant.front() == '(') {
      message = message_tel_quel(t, partie_tel_quel, catalogue_textes.txt_nombre_arguments);
    } else {
      message = verifie_deux_cotes(t, static_cast<std::size_t>(liste - 1), false, partie_tel_quel);
    }
  } else if (const auto r = premiere_relation(t); r != std::string::npos) {
    message = verifie_deux_cotes(t, r, true, partie_tel_quel);
  } else {
    message = verifie_terme(t, partie_tel_quel);
  }
  if (bord) {
    texte = avant + t + apres;
  } else {
    texte = std::move(t);
  }
  if (original) *original = avant + tel_quel + apres;
  return message;
}

}  // namespace

bool est_caractere_invisible(char c) {
  const auto code = static_cast<unsigned char>(c);
  constexpr unsigned char premier_visible = 0x20;
  constexpr unsigned char effacement = 0x7F;
  constexpr std::string_view non_definis = "\x81\x8D\x8F\x90\x9D";
  return code < premier_visible || code == effacement || non_definis.find(c) != std::string_view::npos;
}

std::string caractere_visible(char c) {
  return est_caractere_invisible(c) ? "#" + texte_entier(static_cast<unsigned char>(c)) : std::string(1, c);
}

void verifier_syntaxe(std::string& texte, std::string& message) {
  GardeProfondeur garde;
  if (saisie_trop_longue(garde, texte.size())) {
    message = catalogue_textes.txt_expression_trop_complexe;
    return;
  }
  // A ")" that closes nothing misreads every part after it: its message is
  // the calculation's, before any part is checked (or a user asked for
  // the variable of a part misread); only a forbidden character comes
  // before it.
  if (ferme_sans_ouvrir(texte)) {
    message = caractere_interdit(texte);
    if (message.empty()) message = catalogue_textes.txt_erreur_parenthese;
    return;
  }
  std::string t = texte;
  message = verifie(t, nullptr);
  if (garde.externe() && garde.depassee()) {
    message = catalogue_textes.txt_expression_trop_complexe;
    return;
  }
  texte = t;
}
