// Formula layout of calls: the drawings that stand for exp, sqrt, integrer,
// vecteur, affiche and insere_figure, error messages, ordinary calls, the
// colours, and the names of either language.
#include "formula/formules_de_test.h"

namespace {

using Fonctions = FormulesDeTest;

TEST_F(Fonctions, ASquareRootIsARadicalWithAnOverbarToTheEndOfItsArgument) {
  const auto l = disposer("sqrt(2)");
  for (const char c : {'s', 'q', 'r', 't'}) EXPECT_TRUE(cellule(*l, c).cache) << c;
  const Tcellule& deux = cellule(*l, '2');
  const int w = largeur("s");
  EXPECT_EQ(deux.gauche, x0 + w);
  const int haut = deux.haut + 2;
  const int creux_x = x0 + static_cast<int>(std::nearbyint(w / 2.0));
  const int creux_y = deux.haut + hauteur() - 3;
  const auto traits = objets(*l, "ligne");
  ASSERT_EQ(traits.size(), 3u);
  EXPECT_EQ(traits[0]->x, (std::vector<int>{x0, creux_x}));
  EXPECT_EQ(traits[0]->y, (std::vector<int>{haut, creux_y}));
  EXPECT_EQ(traits[1]->x, (std::vector<int>{creux_x, x0 + w}));
  EXPECT_EQ(traits[1]->y, (std::vector<int>{creux_y, haut}));
  EXPECT_EQ(traits[2]->x, (std::vector<int>{x0 + w, deux.droite}));
  EXPECT_EQ(traits[2]->y, (std::vector<int>{haut, haut}));
}

TEST_F(Fonctions, ExpIsERaisedToItsArgumentAsInAPower) {
  const auto l = disposer("exp(x)");
  EXPECT_EQ(texte_visible(*l), "ex");
  const Tcellule& e = cellule(*l, 'e');
  const Tcellule& x = cellule(*l, 'x', 1);
  EXPECT_EQ(x.gauche, e.droite);
  EXPECT_EQ(x.haut, e.haut - hauteur(10) / 4);
  EXPECT_EQ(x.indice_source, 4);
  EXPECT_EQ(l->texte.find('^'), std::string::npos);
  EXPECT_LE(l->gauche, e.gauche);
  EXPECT_GE(l->droite, x.droite);
}

TEST_F(Fonctions, AnIntegralIsItsSignTheIntegrandAndTheVariable) {
  const auto l = disposer("integrer(x^2;x)");
  const int signe = largeur("\xF2", 14, "Symbol");
  const Tcellule& x = cellule(*l, 'x');
  EXPECT_FALSE(x.cache);
  EXPECT_EQ(x.gauche, x0 + largeur("i") + signe);
  EXPECT_TRUE(cellule(*l, ';').cache);
  EXPECT_TRUE(cellule(*l, 'x', 1).cache);
  const auto integrale = objets(*l, "texte;\xF2");
  ASSERT_EQ(integrale.size(), 1u);
  EXPECT_EQ(integrale[0]->police.nom, "Symbol");
  EXPECT_EQ(std::make_pair(integrale[0]->x[0], integrale[0]->y[0]), std::make_pair(x0, y0));
  const auto variable = objets(*l, "texte; dx");
  ASSERT_EQ(variable.size(), 1u);
  EXPECT_EQ(variable[0]->x[0], cellule(*l, '2').droite);
  // The line ends with "dx", not after the hidden ";x".
  EXPECT_EQ(l->droite, cellule(*l, '2').droite + largeur(" dx"));
  // After a quotient, "dx" follows the bar, not the last cell.
  const auto quotient = disposer("integrer((x+1)/2;x)");
  EXPECT_EQ(objets(*quotient, "texte; dx").at(0)->x[0], objets(*quotient, "ligne").at(0)->x[1]);
}

TEST_F(Fonctions, AVectorHasAnArrowOverItsName) {
  const auto l = disposer("vecteur(AB)");
  EXPECT_EQ(texte_visible(*l), "AB");
  const Tcellule& a = cellule(*l, 'A');
  const Tcellule& b = cellule(*l, 'B');
  const auto traits = objets(*l, "ligne");
  ASSERT_EQ(traits.size(), 3u);
  EXPECT_EQ(traits[0]->x, (std::vector<int>{a.gauche, b.droite}));
  EXPECT_EQ(traits[0]->y, (std::vector<int>{a.haut - 2, a.haut - 2}));
  // The head starts from the box as grown by the bar.
  const int xa = b.droite + 1;
  const int ya = a.haut - 2;
  EXPECT_EQ(traits[1]->x, (std::vector<int>{xa, xa - 8}));
  EXPECT_EQ(traits[1]->y, (std::vector<int>{ya, ya + 4}));
  EXPECT_EQ(traits[2]->y, (std::vector<int>{ya, ya - 4}));
  EXPECT_EQ(texte_visible(*disposer("vecteur([1;2])")), "vecteur([1;2])");
}

TEST_F(Fonctions, ATableIsAGridOfEqualColumns) {
  const auto l = disposer("affiche([[1;2];[3;4]])");
  EXPECT_EQ(texte_visible(*l), "1234");
  const int pas = std::max({largeur("1"), largeur("2"), largeur("3"), largeur("4")}) + 15;
  EXPECT_EQ(cellule(*l, '2').gauche - cellule(*l, '1').gauche, pas);
  EXPECT_EQ(cellule(*l, '3').gauche, cellule(*l, '1').gauche);
  EXPECT_EQ(cellule(*l, '3').haut, cellule(*l, '1').haut + hauteur());
  int horizontales = 0;
  std::vector<int> verticales;
  for (const auto* trait : objets(*l, "ligne")) {
    if (trait->y[0] == trait->y[1]) ++horizontales;
    if (trait->x[0] == trait->x[1]) verticales.push_back(trait->x[0]);
  }
  EXPECT_EQ(horizontales, 3);
  ASSERT_EQ(verticales.size(), 3u);
  EXPECT_EQ(verticales[1] - verticales[0], pas);
  EXPECT_EQ(verticales[2] - verticales[1], pas);
}

TEST_F(Fonctions, ARaggedTableHasTheLongestRowsColumnsAndAOneColumnTableItsGap) {
  const auto l = disposer("affiche([[1;2;3];[4]])");
  EXPECT_EQ(texte_visible(*l), "1234");
  int verticales = 0;
  for (const auto* trait : objets(*l, "ligne")) verticales += trait->x[0] == trait->x[1];
  EXPECT_EQ(verticales, 4);
  // One column: its width and the gap after it, as in any table.
  const auto colonne = disposer("affiche([1;22])");
  std::vector<int> bords;
  for (const auto* trait : objets(*colonne, "ligne")) {
    if (trait->x[0] == trait->x[1]) bords.push_back(trait->x[0]);
  }
  ASSERT_EQ(bords.size(), 2u);
  EXPECT_EQ(bords[1] - bords[0], largeur("22") + 15);
  EXPECT_EQ(colonne->droite, bords[1] + 1);  // the right border's pixel
  EXPECT_EQ(cellule(*colonne, '2').gauche, bords[0]);
}

TEST_F(Fonctions, AFigureDrawsItsWellFormedItemsOnly) {
  const auto l = disposer("insere_figure(origine(10;20);ligne(0;0;50;0);triangle(1;2))");
  for (const auto& c : l->cellules) EXPECT_TRUE(c.cache);
  const auto traits = objets(*l, "ligne");
  ASSERT_EQ(traits.size(), 1u);
  EXPECT_EQ(traits[0]->x, (std::vector<int>{10, 60}));
  EXPECT_EQ(traits[0]->y, (std::vector<int>{20, 20}));
  const auto rien = disposer(
      "insere_figure(ligne(1;2);origine(a;b);ligne(1;2;3;4;5);ligne(0;0;100001;0);ligne(1.5;0;2;0);ligne)");
  EXPECT_TRUE(rien->objets.empty());
  EXPECT_EQ(std::make_pair(rien->gauche, rien->droite), std::make_pair(x0, x0));
}

TEST_F(Fonctions, UnknownCallsAndErrorMessagesShowAsWritten) {
  EXPECT_EQ(texte_visible(*disposer("f(2)")), "f(2)");
  EXPECT_EQ(texte_visible(*disposer("erreur(Division par z\xE9ro)")), "Division par z\xE9ro");
  EXPECT_EQ(texte_visible(*disposer("erreur(L'op\xE9ration n'est pas d\xE9" "finie - x/0 (a))")),
            "L'op\xE9ration n'est pas d\xE9" "finie - x/0 (a)");
}

TEST_F(Fonctions, OrdinaryCallsShowTheirNameAndBracketsAndTheirArgumentsInBlack) {
  const Tpolice bleue{"MS Sans Serif", 14, 0xFF0000, 0};
  const auto noire = disposer("cos(x)", bleue);
  EXPECT_EQ(texte_visible(*noire), "cos(x)");
  EXPECT_EQ(cellule(*noire, 'c').couleur, 0u);
  EXPECT_EQ(cellule(*noire, 'x').couleur, 0u);
  options(true, false);
  const auto rouge = disposer("cos(x)", bleue);
  EXPECT_EQ(cellule(*rouge, 'c').couleur, 0x0000FFu);
  EXPECT_EQ(cellule(*rouge, 's').couleur, 0x0000FFu);
  EXPECT_EQ(cellule(*rouge, 'x').couleur, 0u);
}

TEST_F(Fonctions, ColouringShowsConstantsInGreenAndTheImaginaryUnitInRed) {
  constantes->ajouter("k", "2");
  options(false, true);
  EXPECT_EQ(cellule(*disposer("\\p"), 'p').couleur, 0x00FF00u);
  EXPECT_EQ(cellule(*disposer("k+x"), 'k').couleur, 0x00FF00u);
  EXPECT_EQ(cellule(*disposer("k+x"), 'x').couleur, 0u);
  EXPECT_EQ(cellule(*disposer("\xEE"), '\xEE').couleur, 0x0000FFu);
  EXPECT_EQ(objets(*disposer("pi"), "texte;p")[0]->police.couleur, 0x00FF00u);
  constantes->supprimer("k");
  options(false, false);
  EXPECT_EQ(cellule(*disposer("\\p"), 'p').couleur, 0u);
}

TEST_F(Fonctions, CallsAreReadWithTheNamesOfTheCurrentLanguage) {
  preparer_tables(1);
  EXPECT_EQ(objets(*disposer("integrate(x^2;x)"), "texte;\xF2").size(), 1u);
  EXPECT_EQ(texte_visible(*disposer("integrer(x^2;x)")), "integrer(x^2;x)");
  preparer_tables(0);
  EXPECT_EQ(texte_visible(*disposer("integrate(x^2;x)")), "integrate(x^2;x)");
}

}  // namespace
