#include "components/calculatrice/saisie_nombre.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "components/calculatrice/valeur_numerique.h"

namespace {

TEST(SaisieNombre, ReadsWhatAPupilTypes) {
  const struct {
    const char* texte;
    std::optional<double> valeur;
  } cas[] = {
      {"", 0.0},        {"-", -0.0},          {" 1 234.5 ", 1234.5}, {"2,5", 2.5}, {"1E3", 1000.0},
      {"1,2,3", {}},    {"abc", {}},          {"inf", {}},            {"--1", {}}, {"+", {}},
  };
  for (const auto& c : cas) {
    const auto lu = lire_saisie(c.texte);
    ASSERT_EQ(lu.has_value(), c.valeur.has_value()) << c.texte;
    if (lu) {
      EXPECT_EQ(*lu, *c.valeur) << c.texte;
    }
  }
  EXPECT_TRUE(std::signbit(*lire_saisie("-")));
}

TEST(SaisieNombre, FormatFloatSubset) {
  const struct {
    const char* modele;
    double valeur;
    const char* texte;
  } cas[] = {
      {",0.####", 1234.56789, "1 234.5679"},
      {",0.####", -1234567.5, "-1 234 567.5"},
      {",0.####", 0.00001, "0"},
      {",0.####", -0.00001, "0"},
      {"0.########", 1234.56789, "1234.56789"},
      {"0.00", 2.5, "2.50"},
      {"#.##", 0.5, ".5"},
      {"000", 7, "007"},
      {"0", 2.5, "3"},
      {"0;(0);zero", -4, "(4)"},
      {"0;(0);zero", 0, "zero"},
      {"0.0 cm", 3.14, "3.1 cm"},
      {",0", 999, "999"},
      {",0", 1000, "1 000"},
  };
  for (const auto& c : cas) EXPECT_EQ(format_float(c.modele, c.valeur), c.texte) << c.modele << " " << c.texte;
  EXPECT_EQ(format_float("0", std::numeric_limits<double>::infinity()), "INF");
}

TEST(ValeurNumerique, CheckRoundsAndKeepsTheRange) {
  const struct {
    double minimum;
    double maximum;
    bool arrondi;
    double valeur;
    double attendu;
  } cas[] = {
      {0, 10, false, 12, 10},     {0, 10, false, -1, 0},      {5, 0, false, 3, 5},
      {5, 0, false, 100, 100},    {0, -5, false, -9, -9},     {0, -5, false, 3, -5},
      {0, 0, false, -1E9, -1E9},  {0, 0, true, 2.345, 2.35},  {0, 0, true, -2.345, -2.35},
      {0, 0, true, 1E300, 1E300}, {0, 0, true, 0, 0},
  };
  for (const auto& c : cas) {
    ReglesNumeriques regles;
    regles.minimum = c.minimum;
    regles.maximum = c.maximum;
    regles.arrondi_decimales = c.arrondi;
    EXPECT_DOUBLE_EQ(verifier_valeur(regles, c.valeur), c.attendu) << c.valeur;
  }
}

TEST(ValeurNumerique, RangeMessage) {
  ReglesNumeriques regles;
  regles.maximum = 10;
  EXPECT_EQ(message_hors_limites(regles, 11).value_or(""), "La valeur doit \xEAtre comprise entre 0.00 et 10.00");
  EXPECT_FALSE(message_hors_limites(regles, 10).has_value());
}

TEST(ValeurNumerique, EditAndDisplayTexts) {
  ReglesNumeriques regles;
  regles.decimales = 8;
  regles.format_affichage = ",0.####";
  EXPECT_EQ(texte_edition(regles, 1234.56789), "1234.56789");
  EXPECT_EQ(texte_affichage(regles, 1234.56789), "1 234.5679");
  EXPECT_EQ(texte_edition(regles, 0), "");
  EXPECT_EQ(texte_affichage(regles, 0), "");
  regles.zero_vide = false;
  EXPECT_EQ(texte_affichage(regles, 0), "0");
  regles.format_affichage.clear();
  EXPECT_EQ(texte_affichage(regles, 1E20), "1E20");
  regles.decimales = 0;
  EXPECT_EQ(texte_edition(regles, 2.5), "3");
}

TEST(ValeurNumerique, TypedTexts) {
  ReglesNumeriques huit;
  huit.decimales = 8;
  ReglesNumeriques positif;
  positif.maximum = 10;
  const struct {
    const ReglesNumeriques& regles;
    const char* texte;
    bool accepte;
  } cas[] = {
      {huit, "1.12345678", true}, {huit, "1.123456789", false}, {huit, "1.12345678E5", true},
      {huit, "-", true},          {huit, "12a", false},         {huit, "1 2", false},
      {huit, "1.2.", false},      {positif, "-", false},        {positif, "5", true},
      {positif, "-0", false},     {huit, "", true},             {huit, "1e", false},
  };
  for (const auto& c : cas) EXPECT_EQ(saisie_acceptable(c.regles, c.texte), c.accepte) << c.texte;
}

}  // namespace
