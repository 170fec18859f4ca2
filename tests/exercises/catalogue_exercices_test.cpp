#include <algorithm>
#include <set>

#include "dossier_exercices.h"
#include "localisation/nombres.h"

namespace {

using essai::DossierExercices;

constexpr std::string_view separateur = "<BR> <BR>";

class Catalogue : public DossierExercices {};

TEST_F(Catalogue, HoldsTheEntriesInOrderWithTheirLevelsThemesAndKeys) {
  ASSERT_EQ(exercices.taille(), 135);
  EXPECT_EQ(dernier_indice_exercices(), 134);
  EXPECT_EQ(exercices.code[13], 1212);
  EXPECT_EQ(exercices.code[18], 1212);
  EXPECT_EQ(table_exercices()[13].cle, "1212a");
  EXPECT_EQ(table_exercices()[18].cle, "1212b");
  EXPECT_EQ(exercices.indice_du_code(1212), 13);
  EXPECT_EQ(exercices.indice_du_code(1217), -1);
  EXPECT_EQ(exercices.indice_du_code(1218), -1);
  EXPECT_EQ(exercices.theme[41], "Triangle rectangle");
  EXPECT_EQ(exercices.code[41], 3300);
  EXPECT_EQ(exercices.classe[0], "6");
  EXPECT_EQ(exercices.classe[134], "Terminale");

  struct Reprise { int indice; int code; std::string_view cle; std::string_view references; };
  for (const Reprise& r : {Reprise{76, 1534, "1434", "1429"}, Reprise{77, 1523, "1423", "1423"},
                           Reprise{78, 1522, "1422", "1422"}, Reprise{79, 3541, "3441", "3443"},
                           Reprise{81, 3543, "3443", "3443"}, Reprise{124, 1720, "1620", "1620"},
                           Reprise{127, 1723, "1623", "1622"}, Reprise{134, 1730, "1630", "1630"}}) {
    const Tentree_catalogue& e = table_exercices()[static_cast<std::size_t>(r.indice)];
    EXPECT_EQ(e.code, r.code) << r.indice;
    EXPECT_EQ(e.cle, r.cle) << r.indice;
    EXPECT_EQ(e.references, r.references) << r.indice;
  }
}

// Every entry: its level is the code's second digit, its theme a theme
// name, its generator key its own code unless it reuses another's, all
// flags false; the codes are distinct but for 1212.
TEST_F(Catalogue, EveryEntryIsConsistent) {
  std::multiset<int> codes;
  for (int i = 0; i < exercices.taille(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    const Tentree_catalogue& e = table_exercices()[k];
    const std::string texte = texte_entier(e.code);
    codes.insert(e.code);
    EXPECT_EQ(exercices.niveau(i), texte[1] - '1') << i;
    EXPECT_EQ(exercices.classe[k], noms_classes[static_cast<std::size_t>(e.niveau)]) << i;
    EXPECT_FALSE(exercices.theme[k].empty()) << i;
    EXPECT_FALSE(exercices.actif[k]) << i;
    EXPECT_TRUE(exercices.inutilise[k].empty()) << i;
    const bool propre = e.cle == texte || e.cle == "1212a" || e.cle == "1212b";
    const auto& table = table_exercices();
    const bool reprise = std::any_of(table.begin(), table.end(), [&](const Tentree_catalogue& autre) {
      return autre.cle == e.cle && texte_entier(autre.code) == e.cle;
    });
    EXPECT_TRUE(propre || reprise) << i;  // a reused key is another entry's own
  }
  EXPECT_EQ(codes.count(1212), 2u);
  EXPECT_EQ(codes.size(), std::set<int>(codes.begin(), codes.end()).size() + 1);
}

TEST_F(Catalogue, TakesTheTextsOfTheLanguageAndLeavesEveryEntryDisabled) {
  exercices.actif[5] = true;
  langue(1);
  EXPECT_EQ(exercices.classe[0], "level 1");
  EXPECT_EQ(exercices.theme[94], "Suites num\xE9riques");  // no English text
  EXPECT_EQ(exercices.theme[41], "Triangle rectangle");
  EXPECT_TRUE(std::none_of(exercices.actif.begin(), exercices.actif.end(), [](bool a) { return a; }));
  EXPECT_EQ(themes_exercices().size(), 135u);
  EXPECT_EQ(themes_exercices()[0], "Introduction to equations' resolution");
}

TEST_F(Catalogue, FindsEachGeneratorByItsKey) {
  const Tgenerateur g = [](ContexteGenerateur&) {};
  enregistrer_generateur("1434", g);
  charger_exercices();
  EXPECT_EQ(exercices.generateur[61], g);  // 1434
  EXPECT_EQ(exercices.generateur[76], g);  // 1534 reuses it
  EXPECT_EQ(exercices.generateur[62], nullptr);
  EXPECT_EQ(generateur_par_cle("9999"), nullptr);
  enregistrer_generateur("1434", nullptr);
}

class AideExercices : public DossierExercices {
 protected:
  void SetUp() override {
    DossierExercices::SetUp();
    ecrire("Aide3.ini", "[Exercices]\r\n3300=triangle\r\n");
    ecrire("Aide4.ini", "[Exercices]\r\n1412=P1412\r\n1414=P1414\r\n14110=P14110\r\n2411=P2411\r\n");
    ecrire("Aide7.ini", "[Exercices]\n7A00=lettre\n1700=P1700\n1701=P1701\n");
    ouvrir_aide_langue(dossier_parametres);
    charger_exercices();
  }
};

TEST_F(AideExercices, ReadsTheFileOfTheSecondDigitAndJoinsThePages) {
  struct Cas { int indice; std::string attendu; };
  const std::string sep(separateur);
  for (const Cas& c : {Cas{53, "P14110"}, Cas{66, "P2411"}, Cas{41, "triangle"}, Cas{43, "P1412"},
                       Cas{44, "P1412"}, Cas{54, "P1412" + sep + "P1414"}, Cas{55, "P1414"},
                       Cas{116, "P1700" + sep + "P1701"}, Cas{117, "P1701" + sep + "P1700"},
                       Cas{119, "P1700" + sep},  // 1704 missing after a page
                       Cas{123, ""},             // 1708 missing
                       Cas{0, ""}}) {            // Aide1.ini missing
    EXPECT_EQ(exercices.aide[static_cast<std::size_t>(c.indice)], c.attendu) << c.indice;
  }
  exercices.ajouter(1799, "Terminale", "t", {}, nullptr, "1798;1700");
  EXPECT_EQ(exercices.aide.back(), "P1700");  // a missing first page adds nothing
  for (const std::string_view cle : {"7A00", "1x00", "1800", "10", "1", ""}) {
    EXPECT_EQ(page_aide_exercice(cle), "") << cle;
  }
}

}  // namespace
