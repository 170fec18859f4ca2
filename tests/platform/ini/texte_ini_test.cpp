#include "platform/ini/texte_ini.h"

#include "localisation/nombres.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <optional>
#include <random>
#include <string>
#include <vector>

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


// In the tables below, a list value starting with "!" is one the program
// could not read: it is not its own.
bool lisible(std::string_view valeur) { return !valeur.starts_with('!'); }

struct Remplacement {
  const char* avant;
  std::vector<Tentree_ini> entrees;
  const char* apres;
};

const Remplacement remplacements[] = {
    {"[L]\r\n; note\r\n0=a\r\n1=!x\r\n1=b\r\n?\r\n[M]\r\n", {{"0", "a"}, {"1", "c"}, {"2", "d"}},
     "[L]\r\n; note\r\n0=a\r\n1=!x\r\n1=c\r\n2=d\r\n?\r\n[M]\r\n"},
    {"[L]\r\n0=a\r\n# c\r\n1=b\r\n2=c\r\n", {{"0", "a"}}, "[L]\r\n0=a\r\n# c\r\n"},
    {"[L]\r\n0=a\r\n[l]\r\n0=z\r\n", {{"0", "b"}}, "[L]\r\n0=b\r\n[l]\r\n0=z\r\n"},
    {"[L]\r\n 5 = a \r\n", {{"0", "a"}}, "[L]\r\n0=a\r\n"},
    {"[L]\r\n 0 = a \r\n", {{"0", "b"}}, "[L]\r\n 0 = b\r\n"},
    {"[L]\r\n0=!x\r\n\r\n[M]\r\n", {{"0", "a"}}, "[L]\r\n0=!x\r\n0=a\r\n\r\n[M]\r\n"},
    {"[L]\r\n0=a\r\n1=b", {{"0", "a"}}, "[L]\r\n0=a\r\n"},
    {"[A]\r\nx=1", {{"0", "a"}, {"1", "b"}}, "[A]\r\nx=1\r\n\r\n[l]\r\n0=a\r\n1=b\r\n"},
    {"[L]\n; \xCF\x80\n0=\xC3\xA9\n", {{"0", "\xE9"}, {"1", "\xEE"}}, "[L]\n; \xCF\x80\n0=\xC3\xA9\n1=\xC3\xAE\n"},
};

TEST(TexteIni, AListTakesThePlacesOfItsOwnLinesOnly) {
  for (const auto& r : remplacements) {
    Ttexte_ini texte(r.avant);
    EXPECT_TRUE(texte.remplacer_entrees("l", r.entrees, lisible)) << r.avant;
    EXPECT_EQ(texte.en_octets(), r.apres) << r.avant;
    EXPECT_FALSE(texte.remplacer_entrees("l", r.entrees, lisible)) << r.avant;
  }
  for (const char* inchange : {"[L]\r\n 0 = a \r\n1=!b\r\n", "[A]\r\n"}) {
    Ttexte_ini texte(inchange);
    EXPECT_FALSE(texte.remplacer_entrees("L", inchange[1] == 'L' ? std::vector<Tentree_ini>{{"0", "a"}}
                                                                 : std::vector<Tentree_ini>{},
                                         lisible));
    EXPECT_EQ(texte.en_octets(), inchange);
  }
}

// Random files of every kind of line, both encodings and both line breaks,
// edited at random: every line no edit aimed at comes back byte for byte and
// in order, and every value written reads back, also from the bytes.
class FichierAleatoire {
 public:
  explicit FichierAleatoire(unsigned graine) : hasard_(graine), utf8_(tirer(2) == 0) {
    for (const char* section : {"S0", "L", "S1", "S0", "L", "S2"}) ajouter_bloc(section);
  }

  struct Ligne {
    std::string octets;  // line break included
    std::string section;
    bool premier_bloc = false;
    std::string cle;  // key lines only
    std::string valeur;
  };

  unsigned tirer(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(hasard_); }
  std::string cle() { return "k" + texte_entier(tirer(4)); }
  // A value in Windows-1252, as the program writes it.
  std::string valeur() {
    static const char* const valeurs[] = {"1", "x^2;x", "caf\xE9", "a=b", "", "\x92\xEE", "-1.5", "!?"};
    return valeurs[tirer(8)];
  }

  std::vector<Ligne> lignes;
  std::mt19937 hasard_;
  bool utf8_;

 private:
  // Characters outside ASCII, in the file's encoding; "pi" and "<=" have no
  // Windows-1252 byte.
  std::string etranger() {
    static const char* const utf8[] = {"\xCF\x80", "\xE2\x89\xA4", "\xC3\xA9"};
    static const char* const w1252[] = {"\xE9", "\x92", "\xEE"};
    return (utf8_ ? utf8 : w1252)[tirer(3)];
  }
  std::string saut() { return tirer(2) == 0 ? "\r\n" : "\n"; }

  void ajouter_bloc(const std::string& section) {
    bool premier = true;
    for (const Ligne& l : lignes) premier = premier && l.section != section;
    lignes.push_back({"[" + section + "]" + saut(), section, premier, {}, {}});
    const unsigned nombre = tirer(6);
    for (unsigned i = 0; i < nombre; ++i) {
      Ligne l{{}, section, premier, {}, {}};
      switch (tirer(5)) {
        case 0: l.octets = "; note " + etranger(); break;
        case 1: l.octets = tirer(2) == 0 ? "" : "?" + etranger(); break;
        default:
          l.cle = section == "L" ? texte_entier(i) : cle();
          l.valeur = (tirer(3) == 0 ? "!" : "") + etranger() + "v";
          l.octets = (tirer(2) == 0 ? " " + l.cle + " = " : l.cle + "=") + l.valeur + (tirer(2) == 0 ? " " : "");
      }
      l.octets += saut();
      lignes.push_back(std::move(l));
    }
  }
};

std::vector<std::string> lignes_avec_sauts(const std::string& octets) {
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  while (debut < octets.size()) {
    const std::size_t fin = std::min(octets.find('\n', debut), octets.size() - 1) + 1;
    lignes.push_back(octets.substr(debut, fin - debut));
    debut = fin;
  }
  return lignes;
}

TEST(TexteIni, RandomEditsKeepEveryUntouchedLineByteForByte) {
  for (unsigned graine = 0; graine < 400; ++graine) {
    FichierAleatoire f(graine);
    std::string avant;
    for (const auto& l : f.lignes) avant += l.octets;
    Ttexte_ini texte(avant);
    std::vector<std::pair<std::string, std::string>> visees;  // section and key written
    std::vector<Tentree_ini> liste;
    bool liste_ecrite = false;
    for (unsigned e = 1 + f.tirer(4); e > 0; --e) {
      if (f.tirer(3) == 0) {
        liste.clear();
        for (unsigned i = f.tirer(5); i > 0; --i) {
          liste.push_back({texte_entier(static_cast<std::int64_t>(liste.size())), "p" + f.valeur()});
        }
        texte.remplacer_entrees("L", liste, lisible);
        liste_ecrite = true;
      } else {
        const std::string section = "S" + texte_entier(f.tirer(3));
        const std::string cle = f.cle();
        ASSERT_TRUE(nom_cle_ecrivable(cle));
        texte.ecrire(section, cle, f.valeur());
        visees.emplace_back(section, cle);
      }
    }
    const std::string apres = texte.en_octets();
    const auto visee = [&](const FichierAleatoire::Ligne& l) {
      if (!l.premier_bloc || l.cle.empty()) return false;
      if (l.section == "L") return liste_ecrite && lisible(l.valeur);
      return std::find(visees.begin(), visees.end(), std::pair{l.section, l.cle}) != visees.end();
    };
    const std::vector<std::string> sortie = lignes_avec_sauts(apres);
    auto position = sortie.begin();
    for (const auto& l : f.lignes) {
      if (visee(l)) continue;
      position = std::find(position, sortie.end(), l.octets);
      ASSERT_NE(position, sortie.end()) << "seed " << graine << ": lost " << l.octets << "in\n" << apres;
      ++position;
    }
    const Ttexte_ini relu(apres);
    for (const auto& [section, cle] : visees) EXPECT_EQ(relu.valeur(section, cle), texte.valeur(section, cle));
    if (liste_ecrite) {
      std::vector<Tentree_ini> lue;
      for (const Tentree_ini& e : relu.entrees("L")) {
        if (lisible(e.valeur)) lue.push_back(e);
      }
      EXPECT_EQ(lue, liste) << "seed " << graine;
    }
  }
}

TEST(TexteIni, RefusesNamesThatWouldReadBackAsSomethingElse) {
  for (const char* nom : {"", "  ", "a]", "a\r\nb", "x\n"}) EXPECT_FALSE(nom_section_ecrivable(nom)) << nom;
  for (const char* nom : {"", " ", "a=b", "[a", ";a", "#a", "a\rb"}) EXPECT_FALSE(nom_cle_ecrivable(nom)) << nom;
  EXPECT_TRUE(nom_section_ecrivable("Outils [1"));
  EXPECT_TRUE(nom_cle_ecrivable("a[1];#"));
}

}  // namespace
