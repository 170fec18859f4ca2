#include "platform/ini/texte_ini.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Lecture {
  const char* texte;
  const char* section;
  const char* cle;
  std::optional<std::string> attendu;
};

const Lecture lectures[] = {
    {"[outils]\r\nCle=1\r\n", "Outils", "cle", "1"},
    {"[Aide]\r\n0=y=x;x\r\n", "aide", "0", "y=x;x"},
    {"[A]\r\nt=<P ALIGN=RIGHT>a, b\r\n", "A", "t", "<P ALIGN=RIGHT>a, b"},
    {"[A]\r\nq=\"x\", ; # y\r\n", "A", "q", "\"x\", ; # y"},
    {"[A]\r\nEn_calcul=\r\n", "A", "En_calcul", ""},
    {"[ A ]\r\n\t cle \t=  v  w \r\n", "A", "cle", "v  w"},
    {"[A]\nx=lf\n", "A", "x", "lf"},
    {"[A]\r\nx=1\r\nX=2\r\n", "A", "x", "1"},
    {"[A]\r\nx=1\r\n[a]\r\nx=2\r\ny=3\r\n", "a", "x", "1"},  // the first section is the section
    {"[A]\r\nx=1\r\n[a]\r\ny=3\r\n", "A", "y", std::nullopt},
    {"[A]\r\n;x=1\r\n#y=2\r\n", "A", "x", std::nullopt},
    {"[A]\r\n;x=1\r\n#y=2\r\n", "A", "#y", std::nullopt},
    {"x=1\r\n[A]\r\n", "A", "x", std::nullopt},
    {"[A]\r\n=v\r\n", "A", "", std::nullopt},
    {"[A\r\nx=1\r\n", "A", "x", std::nullopt},
    {"[A] titre\r\nx=1", "A", "x", "1"},
    {"[A]\r\nx=1\r\n", "B", "x", std::nullopt},
    {"", "A", "x", std::nullopt},
};

TEST(TexteIni, ReadsKeysOfTheFirstSectionWithoutRegardToCase) {
  for (const auto& l : lectures) {
    EXPECT_EQ(Ttexte_ini(l.texte).valeur(l.section, l.cle), l.attendu) << l.texte;
  }
}

struct Ecriture {
  const char* avant;
  const char* section;
  const char* cle;
  const char* valeur;
  const char* apres;
};

const Ecriture ecritures[] = {
    {"[Outils]\r\ncle = a\r\n", "outils", "Cle", "b", "[Outils]\r\ncle = b\r\n"},
    {"[A]\r\nx=1\r\ny=2\r\n\r\n; de B\r\n[B]\r\n", "A", "z", "3", "[A]\r\nx=1\r\ny=2\r\nz=3\r\n\r\n; de B\r\n[B]\r\n"},
    {"[A]\r\n\r\n[B]\r\n", "A", "z", "3", "[A]\r\nz=3\r\n\r\n[B]\r\n"},
    {"[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"[A]\r\nx=1\r\n\r\n", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"", "B", "k", "v", "[B]\r\nk=v\r\n"},
    {"[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
    {"[A]\r\nx=1", "A", "x", "3", "[A]\r\nx=3"},
    {"[A]\r\nx=1\r\n", "A", "x", "a\r\nb\nc", "[A]\r\nx=a  b c\r\n"},
    {"[A]\nx=1\n", "A", "x", "2", "[A]\nx=2\n"},
    {"[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
    {"[A]\r\nx=1\r\n[a]\r\nx=1\r\n", "a", "x", "2", "[A]\r\nx=2\r\n[a]\r\nx=1\r\n"},
};

TEST(TexteIni, AWriteChangesOnlyItsLineAndPlacesNewLines) {
  for (const auto& e : ecritures) {
    Ttexte_ini texte(e.avant);
    EXPECT_TRUE(texte.ecrire(e.section, e.cle, e.valeur)) << e.avant;
    EXPECT_EQ(texte.en_octets(), e.apres) << e.avant;
    EXPECT_EQ(texte.valeur(e.section, e.cle), Ttexte_ini(e.apres).valeur(e.section, e.cle));
  }
}

TEST(TexteIni, WritingTheSameValueChangesNothing) {
  Ttexte_ini texte("[A]\r\nx = 1\r\n");
  EXPECT_FALSE(texte.ecrire("a", "X", "1"));
  EXPECT_EQ(texte.en_octets(), "[A]\r\nx = 1\r\n");
}

struct Effacement {
  const char* avant;
  const char* section;
  const char* apres;
};

const Effacement effacements[] = {
    {"; tete\r\n[Z]\r\nk=1\r\n\r\n[A]\r\nx=1\r\n?\r\n\r\n[B]\r\ny=2\r\n", "a",
     "; tete\r\n[Z]\r\nk=1\r\n\r\n[B]\r\ny=2\r\n"},
    {"[A]\r\nx=1\r\n; milieu\r\ny=2\r\n\r\n; de B\r\n\r\n[B]\r\n", "A", "; de B\r\n\r\n[B]\r\n"},
    {"[A]\r\nx=1\r\n[B]\r\ny=2\r\n[a]\r\nz=3\r\n", "A", "[B]\r\ny=2\r\n"},
    {"[B]\r\ny=2\r\n[A]\r\nx=1", "A", "[B]\r\ny=2\r\n"},
};

TEST(TexteIni, ErasingASectionRemovesEveryCopyAndNothingElse) {
  for (const auto& e : effacements) {
    Ttexte_ini texte(e.avant);
    EXPECT_TRUE(texte.effacer_section(e.section));
    EXPECT_EQ(texte.en_octets(), e.apres) << e.avant;
    EXPECT_FALSE(texte.section_existe(e.section));
  }
  Ttexte_ini texte("[B]\r\n");
  EXPECT_FALSE(texte.effacer_section("A"));
}

TEST(TexteIni, RemovingAKeyRemovesItsDuplicatesInThatSectionOnly) {
  Ttexte_ini texte("[A]\r\nx=1\r\ny=2\r\nX=3\r\n[B]\r\nx=4\r\n");
  EXPECT_TRUE(texte.supprimer_cle("a", "x"));
  EXPECT_EQ(texte.en_octets(), "[A]\r\ny=2\r\n[B]\r\nx=4\r\n");
  EXPECT_FALSE(texte.supprimer_cle("a", "x"));
  EXPECT_FALSE(texte.supprimer_cle("C", "x"));

  // Without a final line break, the line left last keeps the break it had.
  Ttexte_ini sans_saut("[A]\r\nx=1\r\ny=2");
  ASSERT_TRUE(sans_saut.supprimer_cle("A", "y"));
  EXPECT_EQ(sans_saut.en_octets(), "[A]\r\nx=1\r\n");
  sans_saut = Ttexte_ini("[A]\r\nx=1\r\ny=2");
  ASSERT_TRUE(sans_saut.supprimer_cle("A", "x"));
  EXPECT_EQ(sans_saut.en_octets(), "[A]\r\ny=2");
}

TEST(TexteIni, ListsKeysOnceAndKeyLinesAsTheyStand) {
  const Ttexte_ini texte("[A]\r\n b = 2\r\n; c=0\r\na=1\r\n?\r\nB=3\r\n\r\n[C]\r\nd=4\r\n");
  EXPECT_EQ(texte.cles("a"), (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(texte.lignes_cles("a"), (std::vector<std::string>{" b = 2", "a=1", "B=3"}));
  EXPECT_TRUE(texte.cles("Z").empty());
}

TEST(TexteIni, RefusesNamesThatWouldReadBackAsSomethingElse) {
  for (const char* nom : {"", "  ", "a]", "a\r\nb", "x\n"}) EXPECT_FALSE(nom_section_ecrivable(nom)) << nom;
  for (const char* nom : {"", " ", "a=b", "[a", ";a", "#a", "a\rb"}) EXPECT_FALSE(nom_cle_ecrivable(nom)) << nom;
  EXPECT_TRUE(nom_section_ecrivable("Outils [1"));
  EXPECT_TRUE(nom_cle_ecrivable("a[1];#"));
}

}  // namespace
