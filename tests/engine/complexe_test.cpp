#include "engine/complexe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/appel_fonction.h"
#include "engine/fonction.h"
#include "engine/moteur_pret.h"
#include "localisation/catalogue.h"
#include "localisation/nombres.h"

namespace {

using Complexes = MoteurFrancais;

// "@" in the tables stands for the imaginary unit.
std::string u(std::string t) {
  for (auto& c : t) {
    if (c == '@') c = unite_imaginaire[0];
  }
  return t;
}

std::string ou_rien(const std::optional<std::string>& t) { return t.value_or("(rien)"); }

TEST_F(Complexes, RealAndImaginaryParts) {
  struct Cas {
    const char* texte;
    const char* reelle;
    const char* imaginaire;
  };
  const Cas cas[] = {
      {"3+4*@", "3", "4"},
      {"(1+@)*(1-@)", "2", "0"},
      {"1/@", "0", "-1"},
      {"@^2", "-1", "0"},
      {"-@", "0", "-1"},
      {"2", "2", "0"},
      {"(1+@)", "1", "1"},  // brackets around the whole hide nothing
      {"(1+@)^2", "0", "2"},
      {"(1+@)^-2", "0", "-1/2"},
      {"(2+3*@)/(1-@)", "-1/2", "5/2"},
      {"(1+@)/2", "1/2", "1/2"},
      {"a+b*@", "a", "b"},
      {"sqrt(@)+1", "1+sqrt(@)", "0"},  // a call holding the unit counts as real
      {"2*@^-3", "0", "2"},
      {"(1+@)^60", "-1073741824", "0"},  // binomial terms past the 53 bits of a double
  };
  for (const auto& c : cas) {
    const complexe z(u(c.texte));
    EXPECT_EQ(ou_rien(z.partie_reelle()), u(c.reelle)) << c.texte;
    EXPECT_EQ(ou_rien(z.partie_imaginaire()), u(c.imaginaire)) << c.texte;
  }
}

// Powers the expansion gives back as they were have no parts: asking for
// them must end, the call staying unevaluated.
TEST_F(Complexes, PowersThatCannotBeExpanded) {
  for (const char* t : {"(1+@)^0.5", "(1+@)^n", "(1+@)^61", "2+(1+@)^n"}) {
    const complexe z(u(t));
    EXPECT_FALSE(z.partie_reelle().has_value()) << t;
    EXPECT_FALSE(z.partie_imaginaire().has_value()) << t;
    EXPECT_FALSE(z.module().has_value()) << t;
    EXPECT_EQ(z.forme_algebrique(), u(t)) << t;
  }
}

TEST_F(Complexes, AlgebraicForm) {
  struct Cas {
    const char* texte;
    const char* attendu;
  };
  const Cas cas[] = {
      {"(1+2*@)*(3-@)", "5+5*@"}, {"2", "2"}, {"@*@", "-1"}, {"(1+@)^2", "2*@"},
      {"1/(1+@)", "1/2-@/2"},     {"(1+@)^-2", "-@/2"},
      {"(1+@)/2", "(1+@)/2"},  // a real divisor leaves the text as it is
      {"-(1+@)*(1-@)", "-2"},     {"sqrt(@)", "sqrt(@)"},
  };
  for (const auto& c : cas) EXPECT_EQ(complexe(u(c.texte)).forme_algebrique(), u(c.attendu)) << c.texte;
}

TEST_F(Complexes, ConjugateAndModulus) {
  EXPECT_EQ(ou_rien(complexe(u("2+3*@")).conjugue()), u("2-3*@"));
  EXPECT_EQ(ou_rien(complexe(u("@")).conjugue()), u("-@"));
  struct Cas {
    const char* texte;
    const char* attendu;
  };
  const Cas cas[] = {{"3+4*@", "5"}, {"1+@", "sqrt(2)"}, {"a+b*@", "sqrt(a^2+b^2)"}, {"-2*@", "2"}, {"@^-3", "1"}};
  for (const auto& c : cas) EXPECT_EQ(ou_rien(complexe(u(c.texte)).module()), c.attendu) << c.texte;
}

double valeur(const std::string& t) { return lire_nombre(numeriser_texte(t, false)).value_or(NAN); }

TEST_F(Complexes, ArgumentsLieInTheirQuadrant) {
  struct Cas {
    const char* texte;
    double angle;  // in units of pi
  };
  const Cas cas[] = {{"1+@", 0.25},  {"2*@", 0.5},    {"-3*@", -0.5}, {"-1", 1},        {"-1+@", 0.75},
                     {"1-@", -0.25}, {"-1-@", -0.75}, {"2", 0},       {"sqrt(3)+@", 1.0 / 6}};
  for (const auto& c : cas) {
    const std::string a = ou_rien(complexe(u(c.texte)).argument());
    EXPECT_NEAR(valeur(a), c.angle * std::numbers::pi, 1e-12) << c.texte << " -> " << a;
  }
  EXPECT_EQ(ou_rien(complexe(u("1+@")).argument()), "pi/4");
  EXPECT_EQ(ou_rien(complexe(u("-3*@")).argument()), "-pi/2");
  EXPECT_EQ(ou_rien(complexe("-1").argument()), "pi");
  EXPECT_EQ(ou_rien(complexe("0").argument()), "0");
  for (const char* t : {"a+b*@", "b*@", "a-@"}) EXPECT_FALSE(complexe(u(t)).argument().has_value()) << t;
}

TEST_F(Complexes, PowersOfI) {
  struct Cas {
    const char* exposant;
    const char* attendu;
  };
  const std::string entiers = "erreur(" + catalogue_textes.txt_entiers_seulement + ")";
  const Cas cas[] = {
      {"0", "1"},     {"1", "@"},     {"2", "-1"},    {"3", "-@"},          {"4", "1"},
      {"-2", "-1"},   {"-4", "1"},    {"-1", "-@"},   {"-3", "@"},          {"(-1)", "-@"},
      {"2147483647", "-@"},           {"-2147483648", "1"},
      {"1/2", entiers.c_str()},       {"n", entiers.c_str()}, {"10^12", entiers.c_str()},
      {"2147483648", entiers.c_str()},
  };
  const complexe unite(unite_imaginaire);
  for (const auto& c : cas) EXPECT_EQ(unite.puissance_i(c.exposant), u(c.attendu)) << c.exposant;
}

TEST_F(Complexes, ErrorValuesPassThrough) {
  const complexe z("erreur(abc)");
  EXPECT_EQ(ou_rien(z.partie_reelle()), "erreur(abc)");
  EXPECT_EQ(ou_rien(z.partie_imaginaire()), "erreur(abc)");
  EXPECT_EQ(ou_rien(z.module()), "erreur(abc)");
  EXPECT_EQ(z.forme_algebrique(), "erreur(abc)");
  EXPECT_TRUE(est_erreur(ou_rien(complexe(u("1/(0*@)")).partie_reelle())));
}

TEST_F(Complexes, DeepTextsEndWithAnError) {
  std::string t = "1";
  for (int k = 0; k < 3000; ++k) t = u("@*(") + t + ")";
  EXPECT_TRUE(est_erreur(ou_rien(complexe(t).partie_reelle())));
  EXPECT_TRUE(est_erreur(complexe(t).forme_algebrique()));
}

}  // namespace
