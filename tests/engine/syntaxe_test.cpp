#include "engine/syntaxe.h"

#include <gtest/gtest.h>

#include "engine/fonctions_usuelles.h"
#include "engine/moteur_pret.h"
#include "localisation/catalogue.h"
#include "localisation/messagerie_enregistreuse.h"

namespace {

struct Verification {
  const char* texte;
  const char* complete;   // the text after the check
  const char* message;    // in French
};

class Syntaxe : public MoteurFrancais {
 protected:
  std::string message_de(std::string& texte) {
    std::string message;
    verifier_syntaxe(texte, message);
    return message;
  }
};

TEST_F(Syntaxe, ChecksAndCompletes) {
  const std::string suivi = "Doublon d'op\xE9rateur: l'op\xE9rateur + est suivi d'un autre op\xE9rateur.";
  const Verification cas[] = {
      {"2$3", "2$3", "Caract\xE8re $ interdit."},
      {"2,5", "2,5", "Caract\xE8re , interdit."},
      {"5!", "5!", "Caract\xE8re ! interdit."},
      {"(x+1", "(x+1)", ""},
      {"x+1)", "x+1)", "Erreur de parenth\xE8se"},
      // A ")" with no "(" open before it closes nothing, whatever follows.
      {"1)+(2", "1)+(2", "Erreur de parenth\xE8se"},
      {")1(", ")1(", "Erreur de parenth\xE8se"},
      {"(1))+((2", "(1))+((2", "Erreur de parenth\xE8se"},
      {"*x", "*x", "Doublon d'op\xE9rateur: l'op\xE9rateur * est pr\xE9" "c\xE9" "d\xE9 d'un autre op\xE9rateur."},
      {"x+", "x+", suivi.c_str()},
      {"(x+", "(x+)", suivi.c_str()},
      {"2*/3", "2*/3", "Doublon d'op\xE9rateur: l'op\xE9rateur / est pr\xE9" "c\xE9" "d\xE9 d'un autre op\xE9rateur."},
      {"-x", "-x", ""},
      {"[1;2+]", "[1;2+]", suivi.c_str()},
      {"[5]", "[5]", ""},
      {"deriver(x^2)", "deriver(x^2;x)", ""},
      {"deriver(3)", "deriver(3)", "Variable invalide"},
      // The variable argument is a name, whatever the call's arguments.
      {"deriver(x^2;2)", "deriver(x^2;2)", "Variable invalide"},
      {"integrale(x^2;x;0;1)", "integrale(x^2;x;0;1)", "Variable invalide"},
      {"integrer(x;(x))", "integrer(x;(x))", "Variable invalide"},
      {"deriver(y'^2;y')", "deriver(y'^2;y')", ""},
      {"resoudre(y'=2*y)", "resoudre(y'=2*y;x)", ""},
      {"integrale(x^2;0;1)", "integrale(x^2;0;1;x)", ""},
      {"cos(x;y)", "cos(x;y)", "Nombre d'arguments incorrects"},
      {"pgcd(4;)", "pgcd(4;)", "Nombre d'arguments incorrects"},
      {"deriver(x^2)=0", "deriver(x^2;x)=0", ""},
      {"(deriver(x^2))*2", "(deriver(x^2;x))*2", ""},
      {"[deriver(x^2);cos((t))]", "[deriver(x^2;x);cos(t)]", ""},
      {"-deriver(x^2)", "-deriver(x^2;x)", ""},
      {"a_deriver(x^2)", "a_deriver(x^2;x)", ""},
      {"f(x):=x^2", "f(x):=x^2", ""},
      {"x+1=", "x+1=", ""},
      // A list in round brackets is no call's arguments; in square ones it
      // is a vector or a matrix.
      {"truc(2;3)", "truc(2;3)", "Nombre d'arguments incorrects"},
      {"(1;2)(3)", "(1;2)(3)", "Nombre d'arguments incorrects"},
      {"x*((2;3))", "x*((2;3))", "Nombre d'arguments incorrects"},
      {"[1;(2;3)]", "[1;(2;3)]", "Nombre d'arguments incorrects"},
      {"[[1;2];[3;4]]", "[[1;2];[3;4]]", ""},
      {"[(1;2)]", "[(1;2)]", ""},
      {"pgcd((4;6))", "pgcd(4;6)", ""},
      {"truc(pgcd(4;6))", "truc(pgcd(4;6))", ""},
      // One message for the whole text, the first in reading order.
      {"2(3;4)+2(3;4)+2(3;4)", "2(3;4)+2(3;4)+2(3;4)", "Nombre d'arguments incorrects"},
      {"x+=2(3;4)", "x+=2(3;4)", suivi.c_str()},
      // A ")" that closes nothing misreads the rest: its message comes first.
      {"cos(1;2);x)", "cos(1;2);x)", "Erreur de parenth\xE8se"},
      {"2$3)", "2$3)", "Caract\xE8re $ interdit."},
  };
  for (const auto& c : cas) {
    std::string texte = c.texte;
    EXPECT_EQ(message_de(texte), c.message) << c.texte;
    EXPECT_EQ(texte, c.complete) << c.texte;
  }
}

TEST_F(Syntaxe, AmbiguousVariableIsAskedFor) {
  MessagerieDeTest boites;
  boites->saisies = {std::string(""), std::string("y")};
  std::string texte = "deriver(x*y)";
  EXPECT_EQ(message_de(texte), "Nombre d'arguments incorrects");
  texte = "deriver(x*y)";
  EXPECT_EQ(message_de(texte), "");
  EXPECT_EQ(texte, "deriver(x*y;y)");
  ASSERT_EQ(boites->journal.size(), 2u);
  EXPECT_EQ(boites->journal[0].texte,
            "La variable de l'expression deriver(x*y) est ambigu\xEB, merci de la pr\xE9" "ciser.");
  texte = "deriver(x*y);x)";  // broken brackets: nobody is asked
  EXPECT_EQ(message_de(texte), "Erreur de parenth\xE8se");
  texte = "resoudre(y'=x*y)";  // x is left besides the function sought: the user says
  message_de(texte);
  EXPECT_EQ(boites->journal.size(), 3u);
}

TEST_F(Syntaxe, EnglishMessagesAndNames) {
  preparer_moteur(1);
  std::string texte = "x+";
  EXPECT_EQ(message_de(texte), "Operator's doubloon: the operator + is followed by another operator.");
  texte = "derivate(x^2)";
  EXPECT_EQ(message_de(texte), "");
  EXPECT_EQ(texte, "derivate(x^2;x)");
  preparer_moteur(0);
}

TEST_F(Syntaxe, DeepInputGivesTheDepthMessage) {
  std::string profond;
  for (int i = 0; i < 10000; ++i) profond += "-(";
  profond += "x";
  std::string message;
  verifier_syntaxe(profond, message);
  EXPECT_EQ(message, catalogue_textes.txt_expression_trop_complexe);
  std::string somme = "x";
  for (int i = 0; i < 10000; ++i) somme += "+x";
  verifier_syntaxe(somme, message);
  EXPECT_EQ(message, catalogue_textes.txt_expression_trop_complexe);
  std::string court = "x+1";
  verifier_syntaxe(court, message);  // the next check starts afresh
  EXPECT_EQ(message, "");
}

TEST_F(Syntaxe, Normalises) {
  const std::pair<const char*, const char*> cas[] = {
      {"3x^2", "3*x^2"},        {"(x+1)!", "(x+1)!"},         {"(a+x)", "(a+x)"},
      {"xy", "x*y"},            {"2(x+1)", "2*(x+1)"},         {"(x+1)(x-1)", "(x+1)*(x-1)"},
      {"\\p", "\\p"},           {"2pi", "2*pi"},               {"xycos(x)", "x*y*cos(x)"},
      {"x-(-2)", "x+2"},        {"-2x", "-2*x"},               {"sqrt(2x)", "sqrt(2*x)"},
      {"0+0", "0"},             {"2.5x", "2.5*x"},             {"1e-5", "1e-5"},
      {"2ex", "2*e*x"},         {"[1;2x]", "[1;2*x]"},         {"x=2y", "x=2*y"},
      {"(x+1", "(x+1)"},        {"deriver(3x;x)", "deriver(3*x;x)"},
      // Brackets around a list stay for the syntax check to see.
      {"(2;3)*4", "(2;3)*4"},   {"-(2;3)", "-(2;3)"},          {"2x+(2;3)", "2x+(2;3)"},
      {"", ""},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(normalise_saisie(texte), attendu) << texte;
}

TEST_F(Syntaxe, ConstantsInWords) {
  constantes->ajouter("c", "3");
  EXPECT_EQ(normalise_saisie("2cos(x)"), "2*cos(x)");  // the call wins over the constant c
  EXPECT_EQ(normalise_saisie("2c"), "2*c");
  constantes->ajouter("p", "1");
  EXPECT_EQ(constante_en_tete("pix"), "pi");
  EXPECT_EQ(constante_en_tete("xpi"), "");
}

TEST_F(Syntaxe, ImplicitProductsOfAWord) {
  EXPECT_EQ(produits_implicites_mot("xcos("), "x*cos(");
  EXPECT_EQ(produits_implicites_mot("xycos("), "x*y*cos(");
  EXPECT_EQ(produits_implicites_mot("ab)"), "a*b)");
  EXPECT_EQ(produits_implicites_mot("a_b"), "a_b");
  EXPECT_EQ(produits_implicites("xypi"), "x*y*pi");
}

TEST_F(Syntaxe, DeepInputNormalisesToTheDepthError) {
  std::string somme = "x";
  for (int i = 0; i < 10000; ++i) somme += "+x";
  EXPECT_EQ(normalise_saisie(somme), "erreur(" + catalogue_textes.txt_expression_trop_complexe + ")");
}

}  // namespace
