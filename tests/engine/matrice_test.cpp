#include "engine/matrice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/algebre_entiere.h"
#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/fractions.h"
#include "engine/moteur_pret.h"
#include "engine/operation.h"
#include "engine/travail_de.h"
#include "localisation/nombres.h"
#include "localisation/textes_fixes.h"

namespace {

using Matrices = MoteurFrancais;

std::string erreur(const std::string& message) { return "erreur(" + message + ")"; }

Tmatrice lue(const std::string& t) {
  const std::optional<Tmatrice> m = lire_matrice(t);
  EXPECT_TRUE(m.has_value()) << t;
  return m.value_or(Tmatrice{});
}

std::string inverse(const std::string& t) {
  const auto r = lue(t).inverse();
  if (const auto* e = std::get_if<std::string>(&r)) return *e;
  return std::get<Tmatrice>(r).texte();
}

TEST_F(Matrices, ReadingGivesBackTheBracketedPart) {
  const Tmatrice m = lue("M;[[1;2];[3;4]]");
  EXPECT_EQ(m.nom, "M");
  EXPECT_EQ(m.texte(), "[[1;2];[3;4]]");
  EXPECT_EQ(m.coefficients[1][0], "2");  // row 0, column 1
  const Tmatrice rectangle = lue("R;[[1;2;3];[4;5;6]]");
  EXPECT_EQ(rectangle.nb_colonnes, 3);
  EXPECT_EQ(rectangle.nb_lignes, 2);
  EXPECT_EQ(rectangle.texte(), "[[1;2;3];[4;5;6]]");
  EXPECT_EQ(lue("M;[[a+b;sqrt(2)];[f(x;y);-1]]").texte(), "[[a+b;sqrt(2)];[f(x;y);-1]]");
}

TEST_F(Matrices, ReadingRefusesBadText) {
  for (const char* t : {"M", "M;m", "M;[[1;2];[3]]", "M;[[1;2];[3;4;5]]", "M;[[1;];[3;4]]", "M;[]", "M;[[]]",
                        "M;[1;2]", "M;[[1;2];3]", ";[[1]]", "M;[[1]]+1", "M;[[1]", ""}) {
    EXPECT_FALSE(lire_matrice(t).has_value()) << t;
  }
}

TEST_F(Matrices, Determinants) {
  struct Cas {
    const char* matrice;
    const char* attendu;
  };
  const Cas cas[] = {
      {"[[1;2];[3;4]]", "-2"},
      {"[[1;0;0];[0;1;0];[0;0;1]]", "1"},
      {"[[a;b];[c;d]]", "a*d-b*c"},
      {"[[4]]", "4"},
      {"[[x+x]]", "2*x"},  // one entry collected as larger ones are
      {"[[2;x];[x;2]]", "4-x^2"},
      {"[[1;2;3];[4;5;6];[7;8;9]]", "0"},
      {"[[a;b;c];[d;e;f];[g;h;i]]", "g*b*f-g*c*e-h*a*f+h*c*d+i*a*e-i*b*d"},
      {"[[1/2;1];[1;1/3]]", "-5/6"},
      {"[[0.5;1];[1;1]]", "-1/2"},  // exact and decimal numbers brought to one number
      {"[[0.5;1.5;2.5];[1.5;2.5;3.5];[2.5;3.5;4.5]]", "0"},
      {"[[0;0;0;0;0;0;0;1];[0;0;0;0;0;0;1;0];[0;0;0;0;0;1;0;0];[0;0;0;0;1;0;0;0];"
       "[0;0;0;1;0;0;0;0];[0;0;1;0;0;0;0;0];[0;1;0;0;0;0;0;0];[1;0;0;0;0;0;0;0]]",
       "1"},
      {"[[1;2;3];[4;5;6]]", "erreur(Le nombre de ligne est diff\xE9rent du nombre de colonne)"},
      {"[[1;erreur(abc)];[3;4]]", "erreur(abc)"},  // an error entry is the result
  };
  for (const auto& c : cas) EXPECT_EQ(lue(std::string("A;") + c.matrice).determinant(), c.attendu) << c.matrice;
}

TEST_F(Matrices, TheEmptyMatrixHasDeterminantOne) {
  EXPECT_EQ(Tmatrice::Create_carree("A", 0).determinant(), "1");
  Tmatrice m = lue("A;[[7]]");
  m.supprimer_ligne_colonne(0, 0);
  EXPECT_EQ(m.nb_lignes, 0);
  EXPECT_EQ(m.determinant(), "1");
}

TEST_F(Matrices, SizesAboveEightAreRefused) {
  std::string ligne = "[1;0;0;0;0;0;0;0;0]";
  std::string t = "A;[";
  for (int r = 0; r < 9; ++r) t += (r ? ";" : "") + ligne;
  t += "]";
  const std::string trop_grande = erreur(textes_fixes().matrice_trop_grande);
  EXPECT_EQ(lue(t).determinant(), trop_grande);
  EXPECT_EQ(inverse(t), trop_grande);
}

// Integer matrices take checked arithmetic; the same entries in brackets
// take the texts. Both must agree.
TEST_F(Matrices, IntegerDeterminantsAgreeWithTheTexts) {
  std::mt19937 alea(12345);
  std::uniform_int_distribution<int> entree(-9, 9);
  for (int n = 1; n <= 5; ++n) {
    for (int essai = 0; essai < 6; ++essai) {
      Tmatrice entiers = Tmatrice::Create_carree("A", n);
      Tmatrice textes = entiers;
      for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
          const std::string v = texte_entier(entree(alea));
          entiers.coefficients[c][r] = v;
          textes.coefficients[c][r] = "(" + v + ")";
        }
      }
      EXPECT_EQ(entiers.determinant(), textes.determinant()) << entiers.texte();
    }
  }
}

TEST_F(Matrices, IntegerOverflowFallsBackToTheTexts) {
  // 10^12 squared does not fit in 64 bits: the texts give the value.
  EXPECT_EQ(lue("A;[[1000000000000;0];[0;1000000000000]]").determinant(), "1E24");
  EXPECT_EQ(lue("A;[[9223372036854775807;1];[1;1]]").determinant(), "9223372036854775806");
}

TEST_F(Matrices, Inverses) {
  struct Cas {
    const char* matrice;
    const char* attendu;
  };
  const std::string singuliere = erreur(textes_fixes().matrice_non_inversible);
  const Cas cas[] = {
      {"[[1;2];[3;4]]", "[[-2;1];[3/2;-1/2]]"},
      {"[[4]]", "[[1/4]]"},
      {"[[2;0;0];[0;3;0];[0;0;4]]", "[[1/2;0;0];[0;1/3;0];[0;0;1/4]]"},
      {"[[1;2;3];[0;1;4];[5;6;0]]", "[[-24;18;5];[20;-15;-4];[-5;4;1]]"},
      {"[[a;b];[c;d]]", "[[d/(a*d-b*c);-b/(a*d-b*c)];[-c/(a*d-b*c);a/(a*d-b*c)]]"},
      {"[[2;4];[1;2]]", singuliere.c_str()},
      {"[[0]]", singuliere.c_str()},
      {"[[x;x];[1;1]]", singuliere.c_str()},
      {"[[0.5;1.5;2.5];[1.5;2.5;3.5];[2.5;3.5;4.5]]", singuliere.c_str()},
      {"[[1;2;3];[4;5;6]]", "erreur(Le nombre de ligne est diff\xE9rent du nombre de colonne)"},
  };
  for (const auto& c : cas) EXPECT_EQ(inverse(std::string("M;") + c.matrice), c.attendu) << c.matrice;
  const auto r = lue("M;[[1;2];[3;4]]").inverse();
  ASSERT_TRUE(std::holds_alternative<Tmatrice>(r));
  EXPECT_EQ(std::get<Tmatrice>(r).nom, "InvM");
}

// Random square matrices for the differential test: mostly small integers,
// with zeros enough for singular matrices and zero pivots, repeated rows,
// entries large enough to pass the elimination's bound, quotients in and
// just out of the class, and now and then an entry of another shape, which
// must keep the written path.
class MatricesAleatoires {
 public:
  Tmatrice suivante() {
    const int n = taille();
    Tmatrice m = Tmatrice::Create_carree("M", n);
    // Long entries on small matrices: on large ones past the bound, the
    // written expansion runs on texts for seconds.
    const int chiffres = n <= 5 && hasard(0, 3) == 0 ? hasard(1, 18 / n) : 1;
    const bool creuse = hasard(0, 2) == 0;
    for (int c = 0; c < n; ++c) {
      for (int r = 0; r < n; ++r) m.coefficients[c][r] = creuse && hasard(0, 1) ? "0" : entier(chiffres);
    }
    if (n > 1 && hasard(0, 4) == 0) {
      for (int c = 0; c < n; ++c) m.coefficients[c][n - 1] = m.coefficients[c][0];
    }
    if (n <= 4 && hasard(0, 2) == 0) {
      for (int k = hasard(1, n * n); k > 0; --k) m.coefficients[hasard(0, n - 1)][hasard(0, n - 1)] = quotient();
    }
    if (n <= 4 && hasard(0, 9) == 0) {
      static const char* const autres[] = {"0.5", "x", "-0", "+3", "007", "2.0", "(3)", "1E2", "1/0", "-0/3",
                                           "03/4", "1/-2", "1/02", "1/2/3"};
      m.coefficients[hasard(0, n - 1)][hasard(0, n - 1)] = autres[hasard(0, 13)];
    }
    return m;
  }

 private:
  int hasard(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }
  // Sizes up to 8, the small ones most often (the written inverse of an
  // 8x8 matrix takes half a millisecond).
  int taille() { return hasard(0, 9) == 0 ? hasard(6, 8) : hasard(1, 5); }
  std::string entier(int chiffres) {
    std::string t = hasard(0, 1) ? "-" : "";
    t += static_cast<char>('0' + hasard(chiffres == 1 ? 0 : 1, 9));
    for (int k = 1; k < chiffres; ++k) t += static_cast<char>('0' + hasard(0, 9));
    return t == "-0" ? "0" : t;
  }

  // A quotient of the class (4 digits over 2), or now and then just past it.
  std::string quotient() {
    const bool hors = hasard(0, 9) == 0;
    const std::string bas = entier(hors ? 3 : hasard(1, 2));
    return entier(hasard(1, hors ? 5 : 4)) + "/" + (bas[0] == '-' ? bas.substr(1) : bas == "0" ? "7" : bas);
  }

  std::mt19937 alea_{2024};
};

std::string determinant_et_inverse(const Tmatrice& m) { return m.determinant() + " " + inverse("M;" + m.texte()); }

// The elimination on matrices of integers and quotients against the Laplace
// expansion and the written quotients: same texts, never more work.
TEST_F(Matrices, EliminationOnIntegersAndQuotientsGivesTheWrittenTexts) {
  MatricesAleatoires generateur;
  for (int essai = 0, cas = nombre_cas_differentiels(1800); essai < cas; ++essai) {
    const Tmatrice m = generateur.suivante();
    std::string rapide;
    std::string ecrit;
    const auto travail_rapide = travail_de([&] { rapide = determinant_et_inverse(m); });
    const SansCheminsRapides reference;
    const auto travail_ecrit = travail_de([&] { ecrit = determinant_et_inverse(m); });
    ASSERT_EQ(rapide, ecrit) << m.texte();
    ASSERT_LE(travail_rapide, travail_ecrit) << m.texte();
  }
}

// Matrices of distinct letters, with now and then an entry that takes
// them out of the class (a repeated letter, a constant, a number, a
// capital, a longer name, a sign).
Tmatrice matrice_de_lettres(std::mt19937& alea) {
  const auto hasard = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea); };
  const int n = hasard(0, 19) == 0 ? 5 : hasard(1, 4);
  std::string lettres = "abcdefghijklmnopqrstuvwxyz";
  std::shuffle(lettres.begin(), lettres.end(), alea);
  Tmatrice m = Tmatrice::Create_carree("M", n);
  for (int c = 0; c < n; ++c) {
    for (int r = 0; r < n; ++r) m.coefficients[c][r] = std::string(1, lettres[static_cast<std::size_t>(r * n + c)]);
  }
  if (hasard(0, 3) == 0) {
    static const char* const autres[] = {"pi", "2", "A", "ab", "-a", "x1", "0"};
    m.coefficients[hasard(0, n - 1)][hasard(0, n - 1)] = autres[hasard(0, 6)];
  } else if (n > 1 && hasard(0, 3) == 0) {
    m.coefficients[0][0] = m.coefficients[n - 1][n - 1];
  }
  return m;
}

// The terms of a determinant of distinct letters against the written
// expansion and collection: same texts, never more work.
TEST_F(Matrices, DeterminantsOfDistinctLettersGiveTheWrittenTexts) {
  std::mt19937 alea(5);
  for (int essai = 0, cas = nombre_cas_differentiels(400); essai < cas; ++essai) {
    const Tmatrice m = matrice_de_lettres(alea);
    // The written inverse of a 5x5 matrix of letters passes the work limit,
    // and a 4x4 one takes long.
    const auto calcul = [&] { return m.nb_lignes < 4 ? determinant_et_inverse(m) : m.determinant(); };
    std::string rapide;
    std::string ecrit;
    const auto travail_rapide = travail_de([&] { rapide = calcul(); });
    const SansCheminsRapides reference;
    const auto travail_ecrit = travail_de([&] { ecrit = calcul(); });
    ASSERT_EQ(rapide, ecrit) << m.texte();
    ASSERT_LE(travail_rapide, travail_ecrit) << m.texte();
  }
}

TEST_F(Matrices, IntegerQuotientsAreWrittenAsTheFractionRoutineWritesThem) {
  std::mt19937_64 alea(99);
  for (int essai = 0, cas = nombre_cas_differentiels(3000); essai < cas; ++essai) {
    const int bits = static_cast<int>(alea() % 62) + 1;
    const auto tire = [&] {
      const auto v = static_cast<std::int64_t>(alea() % (std::uint64_t{1} << bits));
      return alea() % 2 ? -v : v;
    };
    const std::int64_t n = tire() * (essai % 7 == 0 ? 0 : 1);
    std::int64_t d = tire();
    if (d == 0) d = essai % 2 ? 1 : -1;
    ASSERT_EQ(quotient_entier_ecrit(n, d), fraction(operation(texte_entier(n), texte_entier(d), "/"))) << n << "/" << d;
  }
}

TEST_F(Matrices, RemovingARowAndAColumn) {
  Tmatrice m = lue("A;[[1;2;3];[4;5;6];[7;8;9]]");
  m.supprimer_ligne_colonne(0, 2);
  EXPECT_EQ(m.texte(), "[[2;3];[5;6]]");
  EXPECT_EQ(m.nb_colonnes, 2);
  m.supprimer_ligne_colonne(2, 0);  // no column 2 any more: nothing moves
  m.supprimer_ligne_colonne(0, -1);
  EXPECT_EQ(m.texte(), "[[2;3];[5;6]]");
}

TEST_F(Matrices, EntriesFilledByHandAreNeverReadPastTheArrays) {
  Tmatrice m = Tmatrice::Create("A", 2, 2);
  m.coefficients[1].pop_back();  // a ragged column
  const std::string invalide = erreur(textes_fixes().matrice_invalide);
  EXPECT_EQ(m.determinant(), invalide);
  EXPECT_EQ(m.texte(), "");
  m.supprimer_ligne_colonne(0, 0);
  EXPECT_EQ(m.nb_lignes, 2);
  EXPECT_EQ(Tmatrice::Create("A", -3, 2).coefficients.size(), 0u);
}

}  // namespace
