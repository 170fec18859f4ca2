// Writes random calculator inputs, one per line in UTF-8, with the grammar
// mix of the fuzz seeds: numbers, letters, operators, brackets, calls of
// every kind of built-in function with plausible arguments, lists and
// matrices, the imaginary unit, relations, a few English names and a share
// of malformed text. The same count and seed always give the same lines, so
// two builds can be compared on them.
//   saisies_aleatoires <count> [seed]
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>

#include "localisation/nombres.h"

namespace {

constexpr std::string_view i_utf8 = "\xC3\xAE";  // the imaginary unit
constexpr int profondeur_maximale = 2;
constexpr int termes_maximaux = 4;
constexpr int degre_maximal = 4;
constexpr int exposant_maximal = 5;
constexpr int petit_entier = 13;   // 0..12
constexpr int grand_entier = 1000;
constexpr int ordre_maximal = 6;   // of a Taylor expansion
constexpr int taille_maximale = 4; // of a matrix or a system
constexpr int part_malformee = 8;  // per cent of the lines

// The pieces joined in order. The items of a braced list are evaluated from
// left to right, unlike the operands of +: the random draws of one line keep
// their order whatever the compiler.
std::string suite(std::initializer_list<std::string> morceaux) {
  std::string s;
  for (const auto& m : morceaux) s += m;
  return s;
}

class Generateur {
 public:
  explicit Generateur(std::uint32_t graine) : alea_(graine) {}

  std::string saisie() {
    std::string s = forme();
    if (chance(part_malformee)) abime(s);
    return s;
  }

 private:
  std::mt19937 alea_;  // its sequence is fixed by the standard

  int entier(int n) { return static_cast<int>(alea_() % static_cast<std::uint32_t>(n)); }
  bool chance(int pour_cent) { return entier(100) < pour_cent; }
  template <std::size_t N>
  std::string_view parmi(const std::string_view (&choix)[N]) {
    return choix[entier(static_cast<int>(N))];
  }

  std::string forme() {
    const int tirage = entier(100);
    if (tirage < 50) return appel(0);
    if (tirage < 72) return expression(0);
    if (tirage < 80) return relation();
    if (tirage < 86) return chance(50) ? liste(2 + entier(4)) : matrice(1 + entier(3));
    if (tirage < 92) return complexe();
    if (tirage < 96) return appel_anglais();
    return special();
  }

  // Deletes or doubles one ASCII character (the imaginary unit stays whole).
  void abime(std::string& s) {
    if (s.empty()) return;
    const auto position = static_cast<std::size_t>(entier(static_cast<int>(s.size())));
    if (static_cast<unsigned char>(s[position]) >= 0x80) return;
    if (chance(50)) {
      s.erase(position, 1);
    } else {
      s.insert(position, 1, s[position]);
    }
  }

  std::string nombre() {
    const int tirage = entier(100);
    if (tirage < 70) return texte_entier(entier(petit_entier));
    if (tirage < 80) return texte_entier(entier(grand_entier));
    if (tirage < 95) return suite({texte_entier(entier(petit_entier)), ".", texte_entier(1 + entier(99))});
    return suite({texte_entier(1 + entier(9)), "E-", texte_entier(1 + entier(6))});
  }

  std::string variable() {
    static constexpr std::string_view lettres[] = {"x", "x", "x", "x", "y", "t", "a", "b", "n", "k", "z", "u"};
    return std::string(parmi(lettres));
  }

  std::string atome(int profondeur) {
    const int tirage = entier(100);
    if (tirage < 40) return nombre();
    if (tirage < 75) return variable();
    if (tirage < 80) return chance(50) ? "pi" : "e";
    if (tirage < 84) return std::string(i_utf8);
    if (profondeur >= profondeur_maximale) return variable();
    if (tirage < 92) return "(" + expression(profondeur + 1) + ")";
    return appel(profondeur + 1);
  }

  // A sum, product or quotient of atoms, with powers, signs and now and then
  // an implicit product (2x, 3(x+1)) or a factorial.
  std::string expression(int profondeur) {
    static constexpr std::string_view operateurs[] = {"+", "-", "*", "/", "+", "-", "*"};
    std::string s = chance(15) ? "-" : "";
    const int termes = 1 + entier(termes_maximaux);
    for (int i = 0; i < termes; ++i) {
      if (i > 0) s += parmi(operateurs);
      s += terme(profondeur);
    }
    return s;
  }

  std::string terme(int profondeur) {
    const int tirage = entier(100);
    if (tirage < 8) return suite({texte_entier(1 + entier(9)), variable()});
    if (tirage < 12) return suite({texte_entier(1 + entier(9)), "(", polynome(), ")"});
    if (tirage < 15) return texte_entier(entier(8)) + "!";
    std::string s = atome(profondeur);
    if (chance(25)) s += "^" + (chance(85) ? texte_entier(entier(exposant_maximal) - 1) : atome(profondeur_maximale));
    return s;
  }

  // A polynomial in x with small integer coefficients, as a pupil writes it.
  std::string polynome(int degre = -1) {
    if (degre < 0) degre = 1 + entier(degre_maximal);
    std::string s;
    for (int d = degre; d >= 0; --d) {
      int c = entier(petit_entier) - petit_entier / 2;  // -6..6
      if (c == 0 && d == degre) c = 1;
      if (c != 0) s += monome(c, d, s.empty());
    }
    return s;
  }

  // c*x^d with its sign: x, -x, +3*x^2, -5.
  static std::string monome(int c, int d, bool premier) {
    std::string s = c < 0 ? "-" : (premier ? "" : "+");
    const int a = c < 0 ? -c : c;
    if (d == 0 || a != 1) s += texte_entier(a) + (d > 0 ? "*" : "");
    if (d >= 1) s += "x";
    if (d >= 2) s += "^" + texte_entier(d);
    return s;
  }

  std::string liste(int n) {
    std::string s = "[";
    for (int i = 0; i < n; ++i) s += (i ? ";" : "") + (chance(85) ? nombre() : variable());
    return s + "]";
  }

  std::string matrice(int n) {
    std::string s = "[";
    for (int i = 0; i < n; ++i) s += (i ? ";" : "") + liste(n);
    return s + "]";
  }

  std::string complexe_simple() {
    std::string s = texte_entier(entier(petit_entier) - petit_entier / 2);
    s += chance(50) ? "+" : "-";
    return s + (chance(60) ? texte_entier(1 + entier(9)) + "*" : "") + std::string(i_utf8);
  }

  std::string complexe() {
    static constexpr std::string_view operateurs[] = {"*", "/", "+", "-"};
    std::string s = "(" + complexe_simple() + ")";
    if (chance(70)) s += suite({std::string(parmi(operateurs)), "(", complexe_simple(), ")"});
    if (chance(20)) s += "^" + texte_entier(entier(exposant_maximal));
    return s;
  }

  std::string relation() {
    static constexpr std::string_view signes[] = {"=", "=", "<", ">", "<=", ">="};
    return suite({expression(1), std::string(parmi(signes)), expression(1)});
  }

  std::string equation() {
    if (chance(70)) {
      return suite({polynome(1 + entier(2)), chance(50) ? "=" + texte_entier(entier(petit_entier)) : ""});
    }
    static constexpr std::string_view differentielles[] = {"y'=2*y", "y'=-3*y", "y'=x*y", "y''+y=0", "y''=x",
                                                           "y''-3*y'+2*y=0", "y''+4*y=0", "y'+y=1"};
    return std::string(parmi(differentielles));
  }

  // A linear equation in the first n unknowns, coefficients -4..4 written as
  // a pupil writes them (no 0*x, no 1*x).
  std::string equation_lineaire(int n) {
    static constexpr std::string_view inconnues[] = {"x", "y", "z", "t"};
    std::string membre;
    for (int j = 0; j < n; ++j) {
      const int c = entier(9) - 4;
      if (c == 0) continue;
      membre += c < 0 ? "-" : (membre.empty() ? "" : "+");
      if (c != 1 && c != -1) membre += texte_entier(c < 0 ? -c : c) + "*";
      membre += inconnues[j];
    }
    return (membre.empty() ? "0" : membre) + "=" + texte_entier(entier(petit_entier));
  }

  std::string systeme() {
    static constexpr std::string_view inconnues[] = {"x", "y", "z", "t"};
    const int n = 2 + entier(taille_maximale - 1);
    std::string equations = "[";
    std::string variables = "[";
    for (int i = 0; i < n; ++i) {
      equations += (i ? ";" : "") + equation_lineaire(n);
      variables += (i ? ";" : "") + std::string(inconnues[i]);
    }
    return equations + "];" + variables + "]";
  }

  std::string fonction_usuelle(int profondeur) {
    static constexpr std::string_view noms[] = {"cos", "sin", "abs", "tan", "cotan", "ln",
                                                "exp", "sqrt", "sh",  "ch",  "th"};
    return suite({std::string(parmi(noms)), "(", chance(60) ? polynome(1) : expression(profondeur + 1), ")"});
  }

  std::string fonction_de_x(int profondeur) {
    const int tirage = entier(100);
    if (tirage < 50) return polynome();
    if (tirage < 80) return fonction_usuelle(profondeur);
    return expression(profondeur + 1);
  }

  std::string appel(int profondeur) {
    const std::string n1 = texte_entier(entier(petit_entier));
    const std::string n2 = texte_entier(entier(petit_entier));
    const int p = profondeur + 1;
    switch (entier(26)) {
      case 0: return fonction_usuelle(profondeur);
      case 1: return suite({"deriver(", fonction_de_x(profondeur), ";x)"});
      case 2: return suite({"integrer(", fonction_de_x(profondeur), ";x)"});
      case 3: return suite({"integrale(", fonction_de_x(profondeur), ";", n1, ";", n2, ";x)"});
      case 4: return suite({"fraction(", nombre(), "/", texte_entier(1 + entier(petit_entier)), "+", nombre(), ")"});
      case 5: return suite({chance(50) ? "pgcd(" : "comb(", n1, ";", n2, ")"});
      case 6: return suite({chance(50) ? "perm(" : "fact(", n1, chance(50) ? ";" + n2 : "", ")"});
      case 7: return suite({"developper((", polynome(1), ")^", texte_entier(entier(exposant_maximal)), ")"});
      case 8: return suite({"reduire(", expression(p), ")"});
      case 9: return suite({"factoriser(", polynome(2), ")"});
      case 10: return suite({"resoudre(", equation(), ";x)"});
      case 11: return suite({"discriminant(", polynome(2), ";x)"});
      case 12: return suite({chance(50) ? "somme" : "produit", "(k;1;", n1, ";k^", n2, ")"});
      case 13: return suite({std::string(parmi(statistiques_)), "(", liste(1 + entier(8)), ")"});
      case 14: return suite({chance(50) ? "est_pair(" : "est_impair(", nombre(), ")"});
      case 15: return suite({"calcul_radical(sqrt(", texte_entier(entier(grand_entier)), "))"});
      case 16: return suite({"numeriser(", expression(p), ")"});
      case 17: return suite({"degre(", fonction_de_x(profondeur), ")"});
      case 18: return suite({"division_euclidienne(", polynome(), ";", polynome(1 + entier(2)), ")"});
      case 19: return suite({"complexe_resoudre(", polynome(2), ";x)"});
      case 20: return suite({std::string(parmi(complexes_)), "(", complexe(), ")"});
      case 21: return suite({chance(50) ? "det(" : "inv(", matrice(1 + entier(taille_maximale)), ")"});
      case 22: return suite({"resoudre_systeme(", systeme(), ")"});
      case 23:
        return suite({"developpement_limite(", fonction_de_x(profondeur), ";x;0;",
                      texte_entier(1 + entier(ordre_maximal)), ")"});
      case 24: return suite({"points_en_droite(", liste(2), ";", liste(2), ")"});
      default: return suite({"produit_scalaire(", liste(3), ";", liste(3), ")"});
    }
  }

  std::string appel_anglais() {
    static constexpr std::string_view noms[] = {"derivate", "integrate", "solve", "expand", "factorise",
                                                "collapse", "real_part", "mean",  "sum",    "gcd"};
    return suite({std::string(parmi(noms)), "(", polynome(), ";x)"});
  }

  // The seeds' odd shapes: definitions, initial conditions, names with an
  // underscore, bare separators.
  std::string special() {
    static constexpr std::string_view formes[] = {"f(x):=x^2", "x:=2",  "y'(0)=1", "y(0)=2", "a_b", "a;b;c",
                                                  "(a;b)",     "[1;2];3", "\\p",    "2$3",   "n!",  "ou(1;a)"};
    return std::string(parmi(formes));
  }

  static constexpr std::string_view statistiques_[] = {"moyenne", "variance", "ecart_type", "min", "max"};
  static constexpr std::string_view complexes_[] = {"partie_reelle", "partie_imaginaire", "conjugue", "module",
                                                    "argument",      "reduire"};
};

}  // namespace

int main(int argc, char** argv) {
  const auto nombre = argc > 1 ? lire_entier64(argv[1]) : std::nullopt;
  const auto graine = argc > 2 ? lire_entier64(argv[2]) : std::optional<std::int64_t>(1);
  if (argc > 3 || !nombre || *nombre < 0 || !graine) {
    std::fputs("usage: saisies_aleatoires <count> [seed]\n", stderr);
    return 2;
  }
  Generateur generateur(static_cast<std::uint32_t>(*graine));
  for (std::int64_t i = 0; i < *nombre; ++i) {
    const std::string ligne = generateur.saisie() + "\n";
    std::fwrite(ligne.data(), 1, ligne.size(), stdout);
  }
  return 0;
}
