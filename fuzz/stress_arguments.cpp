// Stress test of the formula editor's call texts: random texts (function
// names in any case, unbalanced round and square brackets, ";", "()", the
// imaginary unit 0xEE, any byte) with random carets go through the call
// analysis, the rewrite and the slot insertion. Every position given back
// lies inside its text; the text outside the arguments never changes; the
// fields just read give the text back.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "essais.h"
#include "localisation/chaines.h"
#include "shell/arguments_appel.h"

namespace {

constexpr int nombre_textes = 30000;
constexpr int carets_par_texte = 4;

class Hasard {
 public:
  explicit Hasard(unsigned graine) : moteur_(graine) {}
  int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(moteur_); }

  std::string texte() {
    static const std::array<const char*, 24> morceaux{"pgcd", "PGCD", "sin", "integrale", "f", "truc", "(",  "(",
                                                      ")",    ")",    "[",   "]",         ";", ";",    "()", "\xEE",
                                                      "x",    "12",   "+",   "*",         "^", " ",    "=",  "_"};
    std::string t;
    const int n = entre(0, 30);
    for (int k = 0; k < n; ++k) {
      if (entre(0, 19) == 0) {
        t.push_back(static_cast<char>(entre(0, 255)));
      } else {
        t += morceaux[static_cast<std::size_t>(entre(0, static_cast<int>(morceaux.size()) - 1))];
      }
    }
    return t;
  }
  std::vector<std::string> champs() {
    static const std::array<const char*, 6> valeurs{"", "", "1", "x;y", "(", "\xEE"};
    std::vector<std::string> c(static_cast<std::size_t>(entre(0, 5)));
    for (std::string& v : c) v = valeurs[static_cast<std::size_t>(entre(0, static_cast<int>(valeurs.size()) - 1))];
    return c;
  }

 private:
  std::mt19937 moteur_;
};

bool est_fonction(std::string_view nom) {
  const std::string n = en_minuscules(nom);
  return n == "pgcd" || n == "sin" || n == "integrale" || n == "f" || n == "\xEE";
}

int taille(const std::string& t) { return static_cast<int>(t.size()); }

// The analysis of one caret: the call's place, its name and the fields that
// rewrite it unchanged.
void verifier_analyse(const std::string& texte, int curseur) {
  const std::optional<Tappel> appel = analyser_appel(texte, curseur, est_fonction);
  if (!appel) return;
  ASSERT_GE(appel->debut, 1) << texte;
  ASSERT_LE(appel->debut + appel->longueur, taille(texte)) << texte;
  ASSERT_GE(appel->longueur, 0) << texte;
  ASSERT_EQ(texte[static_cast<std::size_t>(appel->debut - 1)], '(') << texte;
  ASSERT_TRUE(est_fonction(appel->nom)) << texte;
  const std::string arguments =
      texte.substr(static_cast<std::size_t>(appel->debut), static_cast<std::size_t>(appel->longueur));
  const std::vector<Tpartie> parties = parties_arguments(arguments);
  ASSERT_EQ(parties.size(), appel->arguments.size()) << texte;
  bool partie_vide = false;  // a "()" part reads as an empty field
  for (const Tpartie& p : parties) {
    partie_vide |= std::string_view(arguments).substr(static_cast<std::size_t>(p.debut),
                                                      static_cast<std::size_t>(p.longueur)) == "()";
  }
  if (appel->arguments.back().empty() || partie_vide) return;
  const Treecriture r = reecrire_arguments(texte, appel->debut, appel->longueur, appel->arguments);
  ASSERT_EQ(r.texte, texte) << curseur;
  ASSERT_EQ(r.longueur, appel->longueur) << texte;
}

// Rewrite and slot insertion at any place, inside the text or not.
void verifier_ecritures(Hasard& hasard, const std::string& texte) {
  int debut = hasard.entre(-2, taille(texte) + 2);
  int longueur = hasard.entre(-2, taille(texte) + 2);
  const std::vector<std::string> champs = hasard.champs();
  const Treecriture r = reecrire_arguments(texte, debut, longueur, champs);
  debut = std::clamp(debut, 0, taille(texte));
  longueur = std::clamp(longueur, 0, taille(texte) - debut);
  ASSERT_EQ(r.texte, texte.substr(0, static_cast<std::size_t>(debut)) + joindre_champs(champs) +
                         texte.substr(static_cast<std::size_t>(debut + longueur)));
  ASSERT_EQ(r.longueur, taille(joindre_champs(champs)));

  const int rang = hasard.entre(-1, 6);
  const Templacement e = inserer_emplacement(texte, debut, longueur, rang);
  ASSERT_EQ(e.texte.substr(0, static_cast<std::size_t>(debut)), texte.substr(0, static_cast<std::size_t>(debut)));
  ASSERT_EQ(e.texte.substr(static_cast<std::size_t>(debut + e.longueur)),
            texte.substr(static_cast<std::size_t>(debut + longueur)));
  ASSERT_GE(e.debut_selection, debut);
  ASSERT_GE(e.longueur_selection, 0);
  ASSERT_LE(e.debut_selection + e.longueur_selection, debut + e.longueur);
  const std::string nouveaux = e.texte.substr(static_cast<std::size_t>(debut), static_cast<std::size_t>(e.longueur));
  const std::vector<Tpartie> parties = parties_arguments(nouveaux);
  if (static_cast<int>(parties.size()) <= std::max(rang, 0)) {  // inside an unclosed bracket
    ASSERT_EQ(e.texte, texte);
    ASSERT_EQ(e.debut_selection, debut + longueur);
    ASSERT_EQ(e.longueur_selection, 0);
    return;
  }
  const Tpartie choisie = parties[static_cast<std::size_t>(std::max(rang, 0))];
  ASSERT_EQ(e.debut_selection, debut + choisie.debut) << texte;
  ASSERT_EQ(e.longueur_selection, choisie.longueur) << texte;
}

TEST(StressArguments, RandomTextsAndCaretsKeepEveryPositionInside) {
  Hasard hasard(20261207);
  const int textes = nombre_essais(nombre_textes);
  for (int i = 0; i < textes; ++i) {
    const std::string texte = hasard.texte();
    for (int k = 0; k < carets_par_texte; ++k) {
      verifier_analyse(texte, hasard.entre(-1, taille(texte) + 1));
      if (HasFatalFailure()) return;
    }
    verifier_ecritures(hasard, texte);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
