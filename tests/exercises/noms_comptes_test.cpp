#include <sodium.h>

#include "dossier_exercices.h"

namespace {

using essai::DossierExercices;

class NomsComptes : public DossierExercices {};

TEST(NomCompte, AcceptsLettersDigitsBlankDashUnderscoreDotUpTo40Characters) {
  const std::string quarante(40, 'a');
  const std::vector<std::string> valides = {"Anne", "\xC9mile", "\xE7" "a", "jean-luc", "a_b.c",
                                            "  paul  ", "x y", "Z\x9C", "7", quarante, "a..b"};
  for (const std::string& nom : valides) {
    EXPECT_TRUE(nom_compte_valide(nom)) << nom;
  }
  const std::vector<std::string> invalides = {"", "   ", ".x", "..", "../x", "a/b",
                                              "a\\b", quarante + "b", "a*b", "a:b", "a\tb", "a\xD7" "b",
                                              "a\xF7", "\x80", std::string("a\0b", 3), "a\"b"};
  for (const std::string& nom : invalides) {
    EXPECT_FALSE(nom_compte_valide(nom)) << nom;
  }
  EXPECT_EQ(nom_compte_nettoye("  paul \t"), "paul");
  EXPECT_TRUE(est_nom_gestionnaire(" CoordinatRixel "));
}

TEST(NomCompte, ReadsLevelsByIndexInBothLanguages) {
  struct Cas { std::string_view texte; int indice; };
  for (const Cas& c : {Cas{"6", 0}, Cas{"4", 2}, Cas{"1", 5}, Cas{"Terminale", 6}, Cas{"terminale", 6},
                       Cas{"level 1", 0}, Cas{"level 3", 2}, Cas{"Level 7", 6}, Cas{"level 8", -1},
                       Cas{"7", -1}, Cas{"", -1}, Cas{"4eme", -1}}) {
    EXPECT_EQ(indice_classe(c.texte), c.indice) << c.texte;
  }
}

TEST(NomCompte, ProposesTheFirstFreeUserName) {
  EXPECT_EQ(nom_compte_propose({"coordinatrixel"}), "utilisateur1");
  EXPECT_EQ(nom_compte_propose({"Utilisateur1", "utilisateur2", "utilisateur4"}), "utilisateur3");
}

TEST_F(NomsComptes, ListsValidNamesSortedWithoutRegardToCase) {
  const std::vector<std::string> fichiers = {"b.cpt", "A.cpt", "x y.cpt", "c.txt", ".h.cpt", " e.cpt", "\xFF\xFE.cpt",
                                             std::string(41, 'n') + ".cpt", "\xC3\xA9lise.cpt", "d.CPT"};
  for (const std::string& fichier : fichiers) {
    ecrire(fichier, "[Utilisateur]\r\n");
  }
  std::filesystem::create_directory(dossier_ / "dossier.cpt");
  std::filesystem::create_symlink("/etc/passwd", dossier_ / "lien.cpt");
  EXPECT_EQ(lister_comptes(), (std::vector<std::string>{"A", "b", "x y", "\xE9lise"}));
  EXPECT_EQ(compte_existant("\xC9LISE"), "\xE9lise");
  EXPECT_EQ(chemin_compte(" a "), dossier_parametres + "A.cpt");
  EXPECT_EQ(chemin_compte("\xC9lise"), dossier_parametres + "\xC3\xA9lise.cpt");
  EXPECT_EQ(chemin_compte("Nouveau"), dossier_parametres + "Nouveau.cpt");
  EXPECT_EQ(chemin_compte("../x"), std::nullopt);
}

TEST(MotDePasse, HashesWithArgon2idAndKeepsLegacyTextsExact) {
  definir_limites_hachage({1, 8192});
  const std::string empreinte = hacher_mot_de_passe("klom");
  EXPECT_EQ(empreinte.rfind("$argon2id$", 0), 0u);
  EXPECT_TRUE(est_hachage(empreinte));
  EXPECT_TRUE(mot_de_passe_correspond(empreinte, "klom"));
  EXPECT_FALSE(mot_de_passe_correspond(empreinte, "Klom"));
  EXPECT_NE(hacher_mot_de_passe("klom"), empreinte);  // salted
  EXPECT_TRUE(mot_de_passe_correspond("abc", "abc"));
  EXPECT_FALSE(mot_de_passe_correspond("abc", "ABC"));
  EXPECT_TRUE(mot_de_passe_correspond("", ""));
  // A string asking for more work than the program allows is never run.
  for (const std::string_view couteux : {"$argon2id$v=19$m=4194304,t=2,p=1$c2FsdHNhbHQ$aGFzaA",
                                         "$argon2id$v=19$m=8,t=4294967295,p=1$c2FsdHNhbHQ$aGFzaA",
                                         "$argon2id$v=19$m=99999999999999999999999,t=1,p=1$c2FsdHNhbHQ$aGFzaA",
                                         "$argon2id$", "$argon2id$v=19$t=1,p=1$x$y"}) {
    EXPECT_FALSE(mot_de_passe_correspond(couteux, "")) << couteux;
  }
  definir_limites_hachage(limites_hachage_interactives());
  EXPECT_EQ(limites_hachage().memoire, static_cast<std::size_t>(crypto_pwhash_MEMLIMIT_INTERACTIVE));
}

}  // namespace
