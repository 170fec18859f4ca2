// The formula editor's call texts: the call at a caret, the call rewritten
// from its fields, the slot made for an argument, the argument descriptions
// and the editor's function list.
#include "shell/arguments_appel.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "moteur_pret.h"
#include "shell/menu_fonctions.h"

namespace {

using Champs = std::vector<std::string>;

class ArgumentsAppel : public MoteurFrancais {
 protected:
  static std::optional<Tappel> appel(const std::string& texte, int curseur) {
    return analyser_appel(texte, curseur,
                          [](std::string_view nom) { return indice_fonction(*fonctions_usuelles, nom) > 0; });
  }
};

TEST_F(ArgumentsAppel, TheCallAtTheCaretGivesItsFields) {
  struct Cas {
    const char* texte;
    int curseur;
    const char* nom;
    int debut;
    int longueur;
    Champs arguments;
  };
  const Cas cas[] = {
      {"pgcd(12;18)", 2, "pgcd", 5, 5, {"12", "18"}},  // on the name
      {"pgcd(12;18)", 0, "pgcd", 5, 5, {"12", "18"}},  // before it (a selected text)
      {"PGCD(12;18)", 7, "PGCD", 5, 5, {"12", "18"}},  // inside, any case
      {"integrale(x;0;1;x)", 10, "integrale", 10, 7, {"x", "0", "1", "x"}},
      {"2*pgcd(sin(x);18)+1", 11, "sin", 11, 1, {"x"}},  // innermost call
      {"2*pgcd(sin(x);18)+1", 8, "sin", 11, 1, {"x"}},   // on the inner name
      {"2*pgcd(sin(x);18)+1", 15, "pgcd", 7, 9, {"sin(x)", "18"}},
      {"pgcd((1;2)+1;3)", 6, "pgcd", 5, 9, {"(1;2)+1", "3"}},  // plain brackets looked through
      {"resoudre_systeme([x+y=2;x-y=0];[x;y])", 20, "resoudre_systeme", 17, 19, {"[x+y=2;x-y=0]", "[x;y]"}},
      {"pgcd(();2)", 5, "pgcd", 5, 4, {"", "2"}},  // "()" is an empty field
      {"deriver()", 0, "deriver", 8, 0, {""}},
      {"pgcd(12;18", 6, "pgcd", 5, 5, {"12", "18"}},    // no ")": up to the end
      {"pgcd(12;18)", -4, "pgcd", 5, 5, {"12", "18"}},  // caret brought inside the text
  };
  for (const Cas& c : cas) {
    const std::optional<Tappel> a = appel(c.texte, c.curseur);
    ASSERT_TRUE(a.has_value()) << c.texte << " " << c.curseur;
    EXPECT_EQ(a->nom, c.nom) << c.texte << " " << c.curseur;
    EXPECT_EQ(a->debut, c.debut) << c.texte << " " << c.curseur;
    EXPECT_EQ(a->longueur, c.longueur) << c.texte << " " << c.curseur;
    EXPECT_EQ(a->arguments, c.arguments) << c.texte << " " << c.curseur;
  }
  // No call: outside any bracket, after the ")", an unknown name.
  for (const auto& [texte, curseur] : std::vector<std::pair<const char*, int>>{
           {"x+1", 1}, {"2*pgcd(1;2)+1", 12}, {"truc(2)", 5}, {"", 0}, {"sin(x)", 100}}) {
    EXPECT_FALSE(appel(texte, curseur).has_value()) << texte << " " << curseur;
  }
}

TEST(ReecritureAppel, FieldsReplaceTheArgumentsAndTrailingEmptyOnesAreDropped) {
  struct Cas {
    const char* texte;
    int debut;
    int longueur;
    Champs champs;
    const char* attendu;
  };
  const Cas cas[] = {
      {"pgcd(12;18)", 5, 5, {"12", "20"}, "pgcd(12;20)"},
      {"integrale(x;0;1;x)", 10, 7, {"x", "0", "1", ""}, "integrale(x;0;1)"},
      {"2*integrale(x;0;1)+1", 12, 5, {"x", "", "", "t"}, "2*integrale(x;;;t)+1"},
      {"f(x)", 2, 1, {"", ""}, "f()"},
      {"f(x)", 2, 50, {"y"}, "f(y"},  // a length past the end stops at the end
  };
  for (const Cas& c : cas) {
    const Treecriture r = reecrire_arguments(c.texte, c.debut, c.longueur, c.champs);
    EXPECT_EQ(r.texte, c.attendu) << c.texte;
    EXPECT_EQ(r.longueur, static_cast<int>(joindre_champs(c.champs).size())) << c.texte;
  }
}

TEST(ReecritureAppel, FxMakesTheSlotOfItsArgument) {
  struct Cas {
    const char* texte;
    int debut;
    int longueur;
    int rang;
    const char* attendu;
    int debut_selection;
    int longueur_selection;
  };
  const Cas cas[] = {
      {"integrale()", 10, 0, 2, "integrale(;;)", 12, 0},          // two empty arguments before it
      {"integrale(x)", 10, 1, 2, "integrale(x;;)", 13, 0},        // only the missing ";"
      {"integrale(x;0;1)", 10, 5, 1, "integrale(x;0;1)", 12, 1},  // already there: selected
      {"pgcd(();2)", 5, 4, 0, "pgcd(();2)", 5, 2},
      {"sin()", 4, 0, 0, "sin()", 4, 0},
  };
  for (const Cas& c : cas) {
    const Templacement e = inserer_emplacement(c.texte, c.debut, c.longueur, c.rang);
    EXPECT_EQ(e.texte, c.attendu) << c.texte << " " << c.rang;
    EXPECT_EQ(e.debut_selection, c.debut_selection) << c.texte << " " << c.rang;
    EXPECT_EQ(e.longueur_selection, c.longueur_selection) << c.texte << " " << c.rang;
  }
}

TEST(DescriptionArguments, KindsAreReadAndRemoved) {
  struct Cas {
    const char* element;
    int type;
    const char* reste;
  };
  const Cas cas[] = {{"equations[4]", 4, "equations"},
                     {"points[8]", 8, "points"},
                     {"[0]", 0, ""},
                     {"x", -1, "x"},
                     {"liste[9]", -1, "liste[9]"},
                     {"a[x]", -1, "a[x]"},
                     {"a[]", -1, "a[]"},
                     {"a[4]b", -1, "a[4]b"},
                     {"a[-1]", -1, "a[-1]"}};
  for (const Cas& c : cas) {
    std::string element = c.element;
    EXPECT_EQ(type_argument(element), c.type) << c.element;
    EXPECT_EQ(element, c.reste) << c.element;
  }
  EXPECT_EQ(description_arguments("equations[4];variables[5]"), "equations;variables");
  EXPECT_EQ(description_arguments("fonction;a;b;variable"), "fonction;a;b;variable");
  EXPECT_EQ(description_arguments(";x[2];"), ";x;");
  EXPECT_EQ(elements_description("a;;b"), (Champs{"a", "", "b"}));
}

TEST_F(ArgumentsAppel, TheEditorListsByCategorySortedAndUserFunctionsAlone) {
  const int premiere_utilisateur = fonctions_usuelles->taille();
  fonctions_usuelles->ajouter(0, "\xE9tape", "", "", "Fonctions utilisateurs", 1, "x", "Fonction utilisateur", "x+1",
                              true);
  fonctions_usuelles->ajouter(0, "f", "", "", "Fonctions utilisateurs", 1, "x", "Fonction utilisateur", "x^2", true);
  const auto noms = [](const std::vector<int>& lignes) {
    Champs n;
    for (const int id : lignes) n.push_back(fonctions_usuelles->nom[static_cast<std::size_t>(id)]);
    return n;
  };
  const Champs tous = noms(lignes_editeur(*fonctions_usuelles, false, std::nullopt));
  EXPECT_TRUE(std::is_sorted(tous.begin(), tous.end()));  // std::string: unsigned bytes
  EXPECT_EQ(tous.back(), "\xE9tape");
  EXPECT_EQ(std::count(tous.begin(), tous.end(), "det"), 0);  // not listed
  EXPECT_EQ(noms(lignes_editeur(*fonctions_usuelles, true, std::nullopt)), (Champs{"f", "\xE9tape"}));
  EXPECT_EQ(categories_editeur(*fonctions_usuelles, true), Champs{"Fonctions utilisateurs"});
  const Champs categories = categories_editeur(*fonctions_usuelles, false);
  EXPECT_EQ(categories.front(), fonctions_usuelles->categorie[2]);
  EXPECT_EQ(std::count(categories.begin(), categories.end(), "Fonctions utilisateurs"), 1);
  for (const int id : lignes_editeur(*fonctions_usuelles, false, "Fonctions utilisateurs")) {
    EXPECT_GE(id, premiere_utilisateur);
  }
  EXPECT_EQ(indice_fonction(*fonctions_usuelles, "PGCD"), indice_fonction(*fonctions_usuelles, "pgcd"));
  EXPECT_GT(indice_fonction(*fonctions_usuelles, "\xC9TAPE"), 0);
  EXPECT_EQ(indice_fonction(*fonctions_usuelles, ""), 0);
  fonctions_usuelles->dimensionner();
}

}  // namespace
