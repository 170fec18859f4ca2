#include "engine/expression.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/decoupage.h"
#include "engine/profondeur.h"
#include "travail_de.h"

namespace {

struct Decoupe {
  const char* texte;
  const char* operateur;
  const char* gauche;
  const char* droite;
};

TEST(Expression, SplitsAtTheLowestPriorityOperator) {
  const Decoupe cas[] = {
      {"a-b-c", "-", "a-b", "c"},
      {"a-b+c", "+", "a-b", "c"},
      {"-a", "", "-a", ""},
      {"2*-3", "-", "2*", "3"},        // a sign after "*" counts as binary
      {"2^-3", "^", "2", "-3"},
      {"1E-5+x", "+", "1E-5", "x"},    // the exponent's sign stays in the number
      {"2.5e-3", "", "2.5e-3", ""},
      {"a-e-1", "-", "a-e", "1"},      // a name ending in e is no exponent
      {"x2e-1", "-", "x2e", "1"},
      {"a*b/c", "*", "a", "b/c"},
      {"a/b*c", "*", "a/b", "c"},
      {"a/b/c", "/", "a/b", "c"},
      {"a/b^c", "/", "a", "b^c"},
      {"a^b^c", "^", "a^b", "c"},
      {"n!", "!", "n", ""},
      {"(a+b)", "", "(a+b)", ""},
      {"(a+b)*c", "*", "(a+b)", "c"},
      {"-(a+b)", "", "-(a+b)", ""},
      {"-a*b", "*", "-a", "b"},
      {"f(x;y)", "", "f(x;y)", ""},
  };
  for (const auto& c : cas) {
    const expression e(c.texte);
    EXPECT_EQ(e.operateur, c.operateur) << c.texte;
    EXPECT_EQ(e.gauche, c.gauche) << c.texte;
    EXPECT_EQ(e.droite, c.droite) << c.texte;
  }
}

TEST(Expression, OperatorTypeAndPosition) {
  const expression moins("-(a+b)");
  EXPECT_EQ(moins.type_operateur, TypeOperateur::aucun);
  EXPECT_EQ(moins.position, 0);
  const expression fois("ab*c");
  EXPECT_EQ(fois.type_operateur, TypeOperateur::fois);
  EXPECT_EQ(fois.position, 3);
  EXPECT_EQ(expression("n!").type_operateur, TypeOperateur::factorielle);
}

TEST(Expression, ListsAndRelationsAreNotSplit) {
  const expression liste("[1;2]+[3;4]");
  EXPECT_EQ(liste.type_operateur, TypeOperateur::aucun);
  EXPECT_EQ(liste.gauche, "");
  EXPECT_EQ(liste.position_liste, 0);
  const expression appel("f(x;y)");
  EXPECT_EQ(appel.position_liste, 0);
  const expression arguments("a;b;c");
  EXPECT_EQ(arguments.position_liste, 4);
  EXPECT_EQ(arguments.gauche, "");
  EXPECT_EQ(expression("x^2=4").position_relation, 4);
  EXPECT_EQ(expression("a<b=c").position_relation, 4);  // "=" is tried before "<"
  EXPECT_EQ(expression("f(x):=x^2").position_relation, 6);
  EXPECT_EQ(expression("x^2=4").gauche, "");
}

TEST(Expression, UnbalancedTextsNeverSplitWrongly) {
  const expression e("a)+(b");
  EXPECT_EQ(e.type_operateur, TypeOperateur::aucun);
  const expression trop_fermee("a)((b");
  EXPECT_EQ(trop_fermee.gauche, "");
  EXPECT_EQ(expression("").gauche, "");
  const expression ouverte("(a+b");  // the sign stands at depth 0 when read from the right
  EXPECT_EQ(ouverte.gauche, "(a");
  EXPECT_EQ(ouverte.droite, "b");
}

}  // namespace

namespace {

// Random texts over the characters the split looks at, and letters and
// digits between them, balanced or not.
std::vector<std::string> textes_au_hasard() {
  constexpr std::string_view alphabet = "ab1e.()()[]+-*/^!;=<>";
  constexpr int tirages = 4000;
  constexpr int longueur_maximale = 12;
  std::mt19937 alea(7);
  std::vector<std::string> textes = {"", "x", "12", "(x)", "-x", "x/", "/"};
  for (int k = 0; k < tirages; ++k) {
    std::string t;
    const int longueur = static_cast<int>(alea() % longueur_maximale) + 1;
    for (int i = 0; i < longueur; ++i) t += alphabet[alea() % alphabet.size()];
    textes.push_back(t);
  }
  return textes;
}

}  // namespace

// The questions answered from the characters alone agree with the node, and count the same work as building it.
TEST(Expression, QuickQuestionsAgreeWithTheNode) {
  for (const auto& t : textes_au_hasard()) {
    const expression e(t);
    EXPECT_EQ(type_operateur_de(t), e.type_operateur) << t;
    EXPECT_EQ(se_coupe_en_quotient(t), e.operateur == "/") << t;
    if (sans_operateur(t)) {
      EXPECT_EQ(e.type_operateur, TypeOperateur::aucun) << t;
    }
    const std::uint64_t noeud = travail_de([&] { const expression n(t); });
    EXPECT_EQ(travail_de([&] { type_operateur_de(t); }), noeud) << t;
    EXPECT_EQ(travail_de([&] { se_coupe_en_quotient(t); }), noeud) << t;
  }
}

namespace {

// A sign after "-", "/", "^", or the sign of a number's exponent ("2e-3":
// the run before the "e", back to an operator, a bracket, ";" or the start,
// is digits with at most one point) is no binary operator.
bool signe_non_binaire(const std::string& t, int i) {
  const char avant = t[static_cast<std::size_t>(i) - 1];
  if (avant == '-' || avant == '/' || avant == '^') return true;
  if (avant != 'e' && avant != 'E') return false;
  int debut = i - 1;
  while (debut > 0 && std::string_view("+-*/^!()[];=<>").find(t[static_cast<std::size_t>(debut) - 1]) ==
                          std::string_view::npos) {
    --debut;
  }
  const std::string mantisse = t.substr(static_cast<std::size_t>(debut), static_cast<std::size_t>(i - 1 - debut));
  const auto points = std::count(mantisse.begin(), mantisse.end(), '.');
  const auto chiffres = std::count_if(mantisse.begin(), mantisse.end(), [](char c) { return c >= '0' && c <= '9'; });
  return chiffres > 0 && points <= 1 && chiffres + points == static_cast<long>(mantisse.size());
}

// The split as two scans find it: the separators from the left, then the
// operators from the right, where the top level is what the right end sees.
Coupe coupe_en_deux_passages(const std::string& t) {
  Coupe c;
  const PositionsHorsParentheses p = positions_hors_parentheses(t);
  c.position_liste = p.point_virgule;
  if (c.position_liste >= 1 || (!t.empty() && t.front() == '[' && t.back() == ']')) return c;
  for (const int r : {p.egal, p.inferieur, p.superieur}) {
    if (r >= 1) {
      c.position_relation = r;
      return c;
    }
  }
  const std::string_view produits = "*/^!";
  int profondeur = 0;
  int signe = -1;
  int rangs[4] = {-1, -1, -1, -1};
  for (int i = static_cast<int>(t.size()) - 1; i >= 0 && signe < 0; --i) {
    if (t[i] == ')' && ++profondeur < 0) return c;
    if (t[i] == '(') --profondeur;
    if (profondeur != 0) continue;
    if ((t[i] == '+' || t[i] == '-') && i != 0 && !signe_non_binaire(t, i)) signe = i;
    const auto k = produits.find(t[i]);
    if (k != std::string_view::npos && rangs[k] < 0) rangs[k] = i;
  }
  int rang = signe;
  for (int k = 0; rang < 0 && k < 4; ++k) rang = rangs[k];
  c.feuille = rang < 0;
  if (rang >= 0) {
    c.position = rang + 1;
    c.type_operateur = static_cast<TypeOperateur>(std::string_view("+-*/^!").find(t[static_cast<std::size_t>(rang)]));
  }
  return c;
}

}  // namespace

// One pass from the left finds the split two scans find, balanced brackets
// or not.
TEST(Expression, OnePassFindsTheSplitOfTwoScans) {
  for (const auto& t : textes_au_hasard()) {
    const Coupe c = coupe_de(t);
    const Coupe r = coupe_en_deux_passages(t);
    EXPECT_EQ(c.type_operateur, r.type_operateur) << t;
    EXPECT_EQ(c.position, r.position) << t;
    EXPECT_EQ(c.position_liste, r.position_liste) << t;
    EXPECT_EQ(c.position_relation, r.position_relation) << t;
    EXPECT_EQ(c.feuille, r.feuille) << t;
  }
}
