#include "localisation/catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "localisation/choix_langue.h"
#include "localisation/donnees_tsv.h"
#include "localisation/format.h"
#include "localisation/langue.h"
#include "localisation/libelles_fenetres.h"
#include "localisation/textes_fixes.h"
#include "localisation/texte_1252.h"

namespace {

const std::string francais = "Fran\xE7" "ais";

// The Format directives of a template in order, each as written ("%d",
// "%0:s", "%%", "%.2f").
std::vector<std::string> directives(const std::string& modele) {
  std::vector<std::string> liste;
  for (std::size_t p = modele.find('%'); p != std::string::npos; p = modele.find('%', p)) {
    std::size_t fin = p + 1;
    while (fin < modele.size() && std::string_view("0123456789:-.").find(modele[fin]) != std::string_view::npos) ++fin;
    if (fin < modele.size()) ++fin;
    liste.push_back(modele.substr(p, fin - p));
    p = fin;
  }
  return liste;
}

int occurrences(const std::string& texte, std::string_view motif) {
  int n = 0;
  for (std::size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + motif.size())) ++n;
  return n;
}

// No "{" left open at the end; a "}" with no open "{" is allowed.
bool accolades_fermees(const std::string& texte) {
  int ouvertes = 0;
  for (const char c : texte) {
    if (c == '{') ++ouvertes;
    if (c == '}' && ouvertes > 0) --ouvertes;
  }
  return ouvertes == 0;
}

class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override { dossier_parametres = "/dossier/parametres/"; }
  void TearDown() override {
    crochets_langue() = {};
    choisir_langue(0);
  }
};

TEST(DonneesCatalogue, AreCompleteAndFitTheCodePage) {
  EXPECT_EQ(verifier_donnees_catalogue(), std::vector<std::string>{});
  for (const auto donnees : {donnees_catalogue(), donnees_libelles(), donnees_textes_fixes()}) {
    EXPECT_EQ(vers_utf8(depuis_utf8(donnees)), donnees);
  }
}

TEST(DonneesCatalogue, OnlyOneTemplateHasNoText) {
  // The statement "enonce_ecrire_sous_forme" is named by the catalogue but no
  // generator quotes its text.
  remplir_textes(0);
  std::set<std::string> vides;
#define PRALINORE_VIDE(nom) \
  if (catalogue_textes.nom.empty()) vides.insert(#nom);
  PRALINORE_ENTREES_CATALOGUE(PRALINORE_VIDE)
#undef PRALINORE_VIDE
  EXPECT_EQ(vides, std::set<std::string>{"enonce_ecrire_sous_forme"});
}

TEST(DonneesCatalogue, EnglishStatementsKeepTheFrenchPlaceholders) {
  int anglais = 0;
  for (const LigneTsv& ligne : lire_tsv(donnees_catalogue())) {
    const auto& c = ligne.champs;
    if (c.size() < 3 || !c[0].starts_with("enonce_") || c[2].empty()) continue;
    ++anglais;
    EXPECT_EQ(directives(c[2]), directives(c[1])) << c[0];
    EXPECT_TRUE(accolades_fermees(c[2])) << c[0] << ": " << c[2];
    EXPECT_EQ(occurrences(c[2], "<BR>"), occurrences(c[1], "<BR>")) << c[0];
    EXPECT_EQ(occurrences(c[2], "\xA8"), occurrences(c[1], "\xA8")) << c[0];
  }
  EXPECT_GE(anglais, 19);
}

TEST(DonneesCatalogue, PlaceholderAndBraceReadings) {
  EXPECT_EQ(directives("a %d%% de %0:s, %.2f et %g"),
            (std::vector<std::string>{"%d", "%%", "%0:s", "%.2f", "%g"}));
  EXPECT_TRUE(accolades_fermees("{a}} b {c}"));
  EXPECT_FALSE(accolades_fermees("{a {b}"));
}

TEST_F(Catalogue, EnglishSwitchesWordsAndFolders) {
  choisir_langue(1);
  EXPECT_EQ(catalogue_textes.txt_vrai, "true");
  EXPECT_EQ(catalogue_textes.txt_faux, "false");
  EXPECT_TRUE(interface_anglaise());
  EXPECT_EQ(dossier_langue, "English");
}

TEST_F(Catalogue, AnyOtherIndexMeansFrench) {
  for (const int indice : {0, 2, -1}) {
    choisir_langue(1);
    choisir_langue(indice);
    EXPECT_EQ(catalogue_textes.txt_vrai, "vrai") << indice;
    EXPECT_EQ(dossier_langue, francais) << indice;
    EXPECT_FALSE(interface_anglaise());
  }
}

TEST_F(Catalogue, LevelsAndThemes) {
  choisir_langue(0);
  EXPECT_EQ(noms_classes[0], "6");
  EXPECT_EQ(noms_classes[6], "Terminale");
  EXPECT_EQ(noms_themes[0], "Initiation \xE0 la r\xE9solution d'\xE9quations");
  EXPECT_EQ(noms_themes[7], noms_themes[0]);
  EXPECT_EQ(noms_themes[26], "Suites num\xE9riques");
  choisir_langue(1);
  EXPECT_EQ(noms_classes[0], "level 1");
  EXPECT_EQ(noms_classes[6], "level 7");
  EXPECT_EQ(noms_themes[0], "Introduction to equations' resolution");
  EXPECT_EQ(noms_themes[7], "Introduction to equations' solve");
  EXPECT_EQ(noms_themes[26], "Suites num\xE9riques");  // no English text: the French one
}

TEST_F(Catalogue, TextsKeepTheirBytes) {
  choisir_langue(0);
  const auto& c = catalogue_textes;
  EXPECT_EQ(c.txt_fonction_inconnue, "Fonction  %s inconnue");
  EXPECT_EQ(c.txt_modifier_creer_compte, "Modifier\\Cr\xE9" "er un compte");
  EXPECT_EQ(c.txt_car_discriminant, ", car le discriminant {\\D=%g} est %s");
  EXPECT_EQ(c.txt_veuillez_saisir_mot, "Veuillez saisir le mot de passe administrateur.");
  EXPECT_NE(c.txt_etes_connecte_tant.find('\xA8'), std::string::npos);
  EXPECT_EQ(textes_fixes().division_par_zero, "Division par z\xE9ro");
  choisir_langue(1);
  EXPECT_EQ(c.txt_caractere_interdit, "Character %s prohibited.");
  EXPECT_EQ(c.enonce_comparez_nombres, "Compare the following numbers: %d %s %d.");
  EXPECT_EQ(c.txt_veuillez_saisir_mot, "Please type administrator's password. ");
}

TEST_F(Catalogue, EnglishErrorsAreErrorValues) {
  choisir_langue(1);
  EXPECT_EQ(catalogue_textes.txt_erreur_solution, "erreur(no solution)");
  for (const auto* t : {&catalogue_textes.txt_erreur_fonction_discriminant,
                        &catalogue_textes.txt_erreur_fonction_resoudre, &catalogue_textes.txt_erreur_solution}) {
    EXPECT_TRUE(t->starts_with("erreur(") && t->ends_with(")")) << *t;
  }
}

TEST_F(Catalogue, EnglishWelcomePutsNameAndTopicsInPlace) {
  choisir_langue(1);
  const std::string page = Format(catalogue_textes.txt_etes_connecte_tant, {"e", "Paul", "Fractions (5\xE8me)"});
  EXPECT_NE(page.find("Hello, <FONT COLOR=green>Paul</FONT>"), std::string::npos) << page;
  EXPECT_NE(page.find(": Fractions (5\xE8me)."), std::string::npos) << page;
  const std::string admin = catalogue_textes.txt_etes_connecte_tant_2;
  choisir_langue(0);
  EXPECT_EQ(admin, catalogue_textes.txt_etes_connecte_tant_2);
}

TEST_F(Catalogue, HooksRunInOrder) {
  std::vector<std::string> appels;
  LibellesCommuns recus;
  crochets_langue().libelles = [&](int l) { appels.push_back("libelles" + std::to_string(l)); };
  crochets_langue().fonctions = [&](int l) { appels.push_back("fonctions" + std::to_string(l)); };
  crochets_langue().libelles_communs = [&](const LibellesCommuns& l) {
    appels.push_back("communs");
    recus = l;
  };
  crochets_langue().menu_fonctions = [&] { appels.push_back("menu"); };
  choisir_langue(1);
  EXPECT_EQ(appels, (std::vector<std::string>{"libelles1", "fonctions1", "communs", "menu"}));
  EXPECT_EQ(recus.niveaux, std::vector<std::string>(noms_classes.begin(), noms_classes.end()));
  EXPECT_EQ(recus.titre_compte, "Modify\\Create an account");
  EXPECT_EQ(recus.categories_options[0], "Exercises");
  EXPECT_EQ(recus.categories_options[2], "Global");
  choisir_langue(0);
  EXPECT_EQ(recus.titre_compte, "Modifier\\Cr\xE9" "er un compte");
  EXPECT_EQ(recus.page_graphiques, "Graphiques");
}

TEST(LibellesFenetres, EnglishCaptionsAndFrenchOverrides) {
  const auto& l = libelles_fenetres();
  EXPECT_EQ(l.size(), 129u);
  int francais_ = 0;
  for (const auto& x : l) {
    EXPECT_FALSE(x.anglais.empty()) << x.fenetre << "." << x.composant;
    francais_ += !x.francais.empty();
  }
  EXPECT_EQ(francais_, 22);
  EXPECT_EQ(l.front().fenetre, "TFvorel");
  EXPECT_EQ(libelle_en_langue(l.front(), 1), "Check new version");
}

}  // namespace
