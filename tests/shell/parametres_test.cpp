#include "shell/parametres_principaux.h"

#include "shell/defauts_parametres.h"
#include "shell/noms_parametres.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fichiers_temporaires.h"

namespace {

namespace fs = std::filesystem;
namespace section = parametres::section;
namespace cle = parametres::cle;
namespace defaut = parametres::defaut;

// Each test works on its own copy of a fixture in a fresh `parametres` folder.
class Parametres : public testing::Test {
 protected:
  void SetUp() override {
    dossier_ = dossier_temporaire("parametres");
    ASSERT_FALSE(dossier_.empty());
    chemin_ = dossier_ / "Pralinore.ini";
  }
  void TearDown() override {
    fermer_ini_principal();
    fs::remove_all(dossier_);
  }

  Tfichier_ini& ouvrir(const fs::path& fixture) {
    fs::copy_file(fixture, chemin_);
    EXPECT_TRUE(ouvrir_ini_principal(dossier_.string() + "/"));
    return *ini_principal;
  }
  std::string contenu() const { return lire_octets(chemin_); }

  fs::path dossier_;
  fs::path chemin_;
};

const fs::path fichier_livre = fs::path(PRALINORE_PARAMETRES_LIVRES) / "Pralinore.ini";
const fs::path fichier_complet = fs::path(PRALINORE_FIXTURES) / "complet.ini";

TEST_F(Parametres, TheShippedFileHoldsTheSectionHeadersOnly) {
  EXPECT_EQ(lire_octets(fichier_livre),
            "[generales]\r\n\r\n[Graphiques]\r\n\r\n[Textes_Graphiques]\r\n\r\n[OptionsGraphiques]\r\n\r\n"
            "[Options_graphiques]\r\n\r\n[Internet]\r\n\r\n[Outils]\r\n\r\n[Exercices]\r\n\r\n[Utilisateurs]\r\n");
}

TEST_F(Parametres, HeadersOnlyGiveTheReadersDefaults) {
  const Tfichier_ini& ini = ouvrir(fichier_livre);
  EXPECT_EQ(ini.lire_entier(section::generales, cle::langue, defaut::langue), 0);
  EXPECT_EQ(ini.lire_entier(section::generales, cle::page_demarrage, defaut::page_demarrage), 0);
  EXPECT_FALSE(ini.lire_booleen(section::generales, cle::masquer_configuration,
                                defaut::masquer_configuration_demarrage));
  EXPECT_TRUE(ini.lire_booleen(section::generales, cle::verifier_version, defaut::verifier_version_mise_a_jour));
  EXPECT_EQ(ini.lire_date(section::generales, cle::derniere_verif, defaut::derniere_verif), (Tdate_ini{2005, 1, 1}));
  EXPECT_TRUE(ini.lire_booleen(section::generales, cle::barre_outils, defaut::barre_outils));

  EXPECT_EQ(ini.lire_texte(section::OptionsGraphiques, cle::titre, defaut::titre), "");
  EXPECT_EQ(ini.lire_reel(section::OptionsGraphiques, cle::xmin, defaut::xmin), -5);
  EXPECT_EQ(ini.lire_reel(section::OptionsGraphiques, cle::xmax, defaut::xmax), 5);
  EXPECT_EQ(ini.lire_reel(section::OptionsGraphiques, cle::ymin, defaut::ymin), -5);
  EXPECT_EQ(ini.lire_reel(section::OptionsGraphiques, cle::ymax, defaut::ymax), 5);
  EXPECT_EQ(ini.lire_reel(section::OptionsGraphiques, cle::pourcentagex, defaut::pourcentagex), 50);
  EXPECT_EQ(ini.lire_reel(section::OptionsGraphiques, cle::pourcentagey, defaut::pourcentagey), 50);
  EXPECT_TRUE(ini.lire_booleen(section::OptionsGraphiques, cle::legende, defaut::legende));
  EXPECT_TRUE(ini.lire_booleen(section::OptionsGraphiques, cle::quadrillage, defaut::quadrillage));
  EXPECT_EQ(ini.lire_texte(section::OptionsGraphiques, cle::tmin, defaut::tmin), "-7");
  EXPECT_EQ(ini.lire_texte(section::OptionsGraphiques, cle::tmax, defaut::tmax), "7");

  EXPECT_EQ(ini.lire_entier(section::Options_graphiques, cle::couleur, defaut::couleur), -16777201);
  EXPECT_EQ(ini.lire_entier(section::Options_graphiques, cle::precision, defaut::precision), 12);
  EXPECT_EQ(ini.lire_entier(section::Options_graphiques, cle::decimale, defaut::decimale), 2);

  EXPECT_TRUE(ini.lire_booleen(section::Internet, cle::utiliser_ie, defaut::utiliser_ie));
  EXPECT_EQ(ini.lire_texte(section::Internet, cle::Proxyport, defaut::Proxyport), "0");
  EXPECT_EQ(ini.lire_texte(section::Internet, cle::Proxyserver, defaut::Proxyserver), "");

  EXPECT_TRUE(ini.lire_booleen(section::outils, cle::activer_coloration, defaut::activer_coloration));
  EXPECT_TRUE(ini.lire_booleen(section::outils, cle::auto_mutiplier, defaut::auto_mutiplier));
  EXPECT_FALSE(ini.lire_booleen(section::outils, cle::auto_reduction, defaut::auto_reduction));
  EXPECT_EQ(ini.lire_texte(section::outils, cle::En_calcul, defaut::En_calcul), "");
  EXPECT_TRUE(ini.lire_booleen(section::Exercices, cle::Aide, defaut::Aide));

  EXPECT_TRUE(lire_liste(ini, section::Graphiques).empty());
  EXPECT_TRUE(lire_liste(ini, section::Textes_Graphiques).empty());
}

// A misspelt name would fall back to the default, which differs from every
// value of the fixture.
TEST_F(Parametres, EveryKeyReadsBackFromAFileWrittenWithItsExactSpelling) {
  const Tfichier_ini& ini = ouvrir(fichier_complet);
  struct Texte {
    std::string_view section, cle, attendu;
  };
  for (const Texte& t : {
           Texte{section::OptionsGraphiques, cle::titre, "Courbes de l\x92\xE9l\xE8ve"},
           Texte{section::OptionsGraphiques, cle::tmin, "-6.28318530717958"},
           Texte{section::OptionsGraphiques, cle::tmax, "2*pi"},
           Texte{section::OptionsGraphiques, cle::echelle, "1"},
           Texte{section::Internet, cle::Proxyserver, "proxy.lycee.fr"},
           Texte{section::Internet, cle::Proxyport, "3128"},
           Texte{section::Internet, cle::Proxyuser, "\xE9l\xE8ve"},
           Texte{section::Internet, cle::Proxypassword, "m\xEEt"},
           Texte{section::outils, cle::En_calcul, "resoudre(x^2+\xEE=0)"},
           Texte{section::outils, cle::executer, "-1"},
           Texte{section::utilisateurs, cle::defaut, "Marie.cpt"},
       }) {
    EXPECT_EQ(ini.lire_texte(t.section, t.cle, "?"), t.attendu) << t.cle;
  }
  struct Entier {
    std::string_view section, cle;
    std::int32_t defaut, attendu;
  };
  for (const Entier& e : {
           Entier{section::generales, cle::langue, defaut::langue, 1},
           Entier{section::generales, cle::page_demarrage, defaut::page_demarrage, 3},
           Entier{section::Options_graphiques, cle::couleur, defaut::couleur, 16777215},
           Entier{section::Options_graphiques, cle::precision, defaut::precision, 6},
           Entier{section::Options_graphiques, cle::decimale, defaut::decimale, 4},
       }) {
    EXPECT_EQ(ini.lire_entier(e.section, e.cle, e.defaut), e.attendu) << e.cle;
  }
  struct Booleen {
    std::string_view section, cle;
    bool defaut;
  };
  for (const Booleen& b : {
           Booleen{section::generales, cle::verifier_version, defaut::verifier_version_mise_a_jour},
           Booleen{section::generales, cle::masquer_configuration, defaut::masquer_configuration_demarrage},
           Booleen{section::generales, cle::inscription, defaut::inscription},
           Booleen{section::generales, cle::barre_outils, defaut::barre_outils},
           Booleen{section::OptionsGraphiques, cle::legende, defaut::legende},
           Booleen{section::OptionsGraphiques, cle::quadrillage, defaut::quadrillage},
           Booleen{section::Internet, cle::utiliser_ie, defaut::utiliser_ie},
           Booleen{section::outils, cle::activer_coloration, defaut::activer_coloration},
           Booleen{section::outils, cle::auto_mutiplier, defaut::auto_mutiplier},
           Booleen{section::outils, cle::auto_reduction, defaut::auto_reduction},
           Booleen{section::Exercices, cle::Aide, defaut::Aide},
       }) {
    EXPECT_EQ(ini.lire_booleen(b.section, b.cle, b.defaut), !b.defaut) << b.cle;
  }
  struct Reel {
    std::string_view cle;
    double defaut, attendu;
  };
  for (const Reel& r : {
           Reel{cle::xmin, defaut::xmin, -2},
           Reel{cle::xmax, defaut::xmax, 8},
           Reel{cle::ymin, defaut::ymin, -1.5},
           Reel{cle::ymax, defaut::ymax, 3.25},
           Reel{cle::pourcentagex, defaut::pourcentagex, 20},
           Reel{cle::pourcentagey, defaut::pourcentagey, 31.5},
       }) {
    EXPECT_EQ(ini.lire_reel(section::OptionsGraphiques, r.cle, r.defaut), r.attendu) << r.cle;
  }
  EXPECT_EQ(ini.lire_date(section::generales, cle::derniere_verif, defaut::derniere_verif), (Tdate_ini{2024, 3, 15}));
  EXPECT_EQ(lire_liste(ini, section::Graphiques), (std::vector<std::string>{"x^2;x", "sin(t);cos(t);t", "1;t"}));
  const auto annotations = lire_liste(ini, section::Textes_Graphiques);
  ASSERT_EQ(annotations.size(), 1u);
  EXPECT_EQ(lire_annotation(annotations[0]), (Tannotation_sauvee{"Sommet \xE9l\xE9v\xE9", -1.5, 1.5, 2.25, 2.25}));
}

TEST_F(Parametres, WritingOneKeyChangesOnlyItsLine) {
  Tfichier_ini& ini = ouvrir(fichier_complet);
  const std::string avant = contenu();
  ASSERT_TRUE(ini.ecrire_entier(section::generales, cle::langue, 0));
  ASSERT_TRUE(ini.ecrire_texte(section::outils, cle::En_calcul, "deriver(x^2;x)"));
  std::string attendu = avant;
  attendu.replace(attendu.find("langue=1"), 8, "langue=0");
  attendu.replace(attendu.find("resoudre(x^2+\xEE=0)"), 17, "deriver(x^2;x)");
  EXPECT_EQ(contenu(), attendu);
}

TEST_F(Parametres, NewKeysAreWrittenUnderTheirHeader) {
  Tfichier_ini& ini = ouvrir(fichier_livre);
  ASSERT_TRUE(ini.ecrire_booleen(section::Exercices, cle::Aide, true));
  ASSERT_TRUE(ini.ecrire_reel(section::OptionsGraphiques, cle::pourcentagex, 50));
  ASSERT_TRUE(ini.ecrire_reel(section::OptionsGraphiques, cle::xmax, 6.28318530717958));
  ASSERT_TRUE(ini.ecrire_date(section::generales, cle::derniere_verif, {2005, 1, 1}));
  EXPECT_EQ(contenu(),
            "[generales]\r\nderniere_verif=2005-01-01\r\n\r\n[Graphiques]\r\n\r\n[Textes_Graphiques]\r\n\r\n"
            "[OptionsGraphiques]\r\npourcentagex=50\r\nxmax=6.28318530717958\r\n\r\n"
            "[Options_graphiques]\r\n\r\n[Internet]\r\n\r\n[Outils]\r\n\r\n[Exercices]\r\nAide=1\r\n\r\n"
            "[Utilisateurs]\r\n");
  EXPECT_EQ(ini.lire_reel(section::OptionsGraphiques, cle::xmax, 0), 6.28318530717958);
}

TEST_F(Parametres, LowerAndUpperCaseNamesReachOneSection) {
  Tfichier_ini& ini = ouvrir(fichier_livre);
  ASSERT_TRUE(ini.ecrire_booleen("outils", "auto_reduction", true));
  ASSERT_TRUE(ini.ecrire_texte("Outils", "En_calcul", "1+1"));
  EXPECT_TRUE(ini.lire_booleen("Outils", "AUTO_REDUCTION", false));
  EXPECT_EQ(ini.lire_texte("outils", "en_calcul"), "1+1");
  const std::string texte = contenu();
  EXPECT_EQ(texte.find("[Outils]"), texte.rfind("[Outils]"));
  EXPECT_EQ(texte.find("[outils]"), std::string::npos);
}

TEST_F(Parametres, ValuesThatAreNoNumberGiveTheReadersDefault) {
  fs::copy_file(fichier_livre, chemin_);
  Tfichier_ini ini(chemin_.string());
  const std::string_view s = section::OptionsGraphiques;
  ASSERT_TRUE(ini.ecrire_texte(s, cle::xmin, "abc"));
  ASSERT_TRUE(ini.ecrire_texte(s, cle::xmax, "1,5"));
  EXPECT_EQ(ini.lire_reel(s, cle::xmin, defaut::xmin), -5);
  EXPECT_EQ(ini.lire_reel(s, cle::xmax, defaut::xmax), 5);

  struct Cas {
    const char* valeur;
    std::int32_t entier;   // read with the default 12
    bool vrai, faux;       // read with the defaults true and false
  };
  for (const Cas& c : {
           Cas{"1", 1, true, true},
           Cas{"2", 2, true, true},
           Cas{"-1", -1, true, true},
           Cas{"0", 0, false, false},
           Cas{" +7 ", 7, true, true},
           Cas{"oui", 12, true, false},
           Cas{"1.5", 12, true, false},
           Cas{"2147483648", 12, true, true},  // too large for 32 bits, still a number
           Cas{"", 12, true, false},
       }) {
    ASSERT_TRUE(ini.ecrire_texte(section::Options_graphiques, cle::precision, c.valeur));
    EXPECT_EQ(ini.lire_entier(section::Options_graphiques, cle::precision, 12), c.entier) << c.valeur;
    EXPECT_EQ(ini.lire_booleen(section::Options_graphiques, cle::precision, true), c.vrai) << c.valeur;
    EXPECT_EQ(ini.lire_booleen(section::Options_graphiques, cle::precision, false), c.faux) << c.valeur;
  }
  ASSERT_TRUE(ini.ecrire_booleen(section::generales, cle::inscription, true));
  EXPECT_EQ(ini.lire_texte(section::generales, cle::inscription), "1");
  ASSERT_TRUE(ini.ecrire_booleen(section::generales, cle::inscription, false));
  EXPECT_EQ(ini.lire_texte(section::generales, cle::inscription), "0");
}

TEST_F(Parametres, DatesAreReadInTwoFormsElseTheFirstOfJanuary2005) {
  fs::copy_file(fichier_livre, chemin_);
  Tfichier_ini ini(chemin_.string());
  struct Cas {
    const char* valeur;
    Tdate_ini date;
  };
  for (const Cas& c : {
           Cas{"2024-03-15", {2024, 3, 15}},
           Cas{"15/03/2024", {2024, 3, 15}},
           Cas{"03/15/2024", {2005, 1, 1}},
           Cas{"hier", {2005, 1, 1}},
       }) {
    ASSERT_TRUE(ini.ecrire_texte(section::generales, cle::derniere_verif, c.valeur));
    EXPECT_EQ(ini.lire_date(section::generales, cle::derniere_verif, defaut::derniere_verif), c.date) << c.valeur;
  }
}

TEST_F(Parametres, AMissingFileMeansDefaultsAndAMissingFolderMeansNothing) {
  EXPECT_FALSE(ouvrir_ini_principal((dossier_ / "absent").string()));
  EXPECT_EQ(ini_principal, nullptr);

  ASSERT_TRUE(ouvrir_ini_principal(dossier_.string()));
  EXPECT_EQ(ini_principal->lire_entier(section::generales, cle::langue, defaut::langue), 0);
  EXPECT_FALSE(fs::exists(chemin_));
  ASSERT_TRUE(ini_principal->ecrire_entier(section::generales, cle::langue, 1));
  EXPECT_EQ(contenu(), "[generales]\r\nlangue=1\r\n");
}

TEST_F(Parametres, TheCurveListIsRewrittenInOneWriteAndComesBackInOrder) {
  Tfichier_ini& ini = ouvrir(fichier_complet);
  int ecritures = 0;
  ini.definir_crochet_ecriture([&ecritures](Tetape_ecriture etape) {
    if (etape == Tetape_ecriture::renommage) ++ecritures;
    return true;
  });
  ASSERT_TRUE(ecrire_liste(ini, section::Graphiques, {"y=x;x", "x^2;x", "2-x;x"}));
  EXPECT_EQ(ecritures, 1);
  EXPECT_EQ(ini.lire_texte(section::Graphiques, "0"), "y=x;x");
  EXPECT_EQ(lire_liste(ini, section::Graphiques), (std::vector<std::string>{"y=x;x", "x^2;x", "2-x;x"}));
  EXPECT_NE(contenu().find("[Graphiques]\r\n0=y=x;x\r\n1=x^2;x\r\n2=2-x;x\r\n"), std::string::npos);
  // The other sections are untouched.
  EXPECT_EQ(lire_liste(ini, section::Textes_Graphiques).size(), 1u);
  EXPECT_EQ(ini.lire_texte("Inconnue", "cle"), "valeur");

  ASSERT_TRUE(ecrire_liste(ini, section::Graphiques, {}));
  EXPECT_TRUE(lire_liste(ini, section::Graphiques).empty());
  EXPECT_EQ(ecritures, 2);
}

// Hidden lines go back before the item that followed them, or last.
TEST(LignesCachees, GoBackToTheirPlaceAmongTheShownItems) {
  using Lignes = std::vector<std::string>;
  const std::vector<Tligne_cachee> cachees = {{0, "c0"}, {2, "c2"}, {2, "c2bis"}};
  EXPECT_EQ(avec_lignes_cachees({"a", "b", "d"}, cachees), (Lignes{"c0", "a", "b", "c2", "c2bis", "d"}));
  EXPECT_EQ(avec_lignes_cachees({"a", "b"}, cachees), (Lignes{"c0", "a", "b", "c2", "c2bis"}));
  EXPECT_EQ(avec_lignes_cachees({}, cachees), (Lignes{"c0", "c2", "c2bis"}));
  EXPECT_EQ(avec_lignes_cachees({"a"}, {}), (Lignes{"a"}));
}

TEST_F(Parametres, AnnotationsKeepTheirTextAndCorners) {
  struct Cas {
    Tannotation_sauvee annotation;
    const char* texte;
  };
  for (const Cas& c : {
           Cas{{"A", -1.5, 1.5, 2.25, 2.25}, "A;-1.5;1.5;2.25;2.25"},
           Cas{{"f(x)=x;x \xE9t\xE9", 0.1, 1E20, -3E-7, 0}, "f(x)=x;x \xE9t\xE9;0.1;1E20;-3E-7;0"},
           Cas{{"", 1.0 / 3, 0, 0, 0}, ";0.333333333333333;0;0;0"},
       }) {
    EXPECT_EQ(texte_annotation(c.annotation), c.texte);
    const auto relue = lire_annotation(c.texte);
    ASSERT_TRUE(relue.has_value()) << c.texte;
    EXPECT_EQ(relue->texte, c.annotation.texte);
    EXPECT_NEAR(relue->x0, c.annotation.x0, 1E-15);
    EXPECT_EQ(relue->x1, c.annotation.x1);
  }
  for (const char* faux : {"A;1;2;3", "A;1;2;3;x", "A;1;2;3;4,5", "A", ""}) {
    EXPECT_FALSE(lire_annotation(faux).has_value()) << faux;
  }
}

}  // namespace
