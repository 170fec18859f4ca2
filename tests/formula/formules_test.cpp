// Formula layout: how quotients, sums, products, powers, subscripts, lists,
// relations and brackets are placed, measured on the page's canvas.
#include "formula/formules_de_test.h"

namespace {

using Formules = FormulesDeTest;

TEST_F(Formules, AQuotientStandsOnItsBarCentredInTheWiderPart) {
  const auto l = disposer("abc/d");
  EXPECT_EQ(l->texte, "abc/d");
  const Tcellule& a = cellule(*l, 'a');
  const Tcellule& barre_oblique = cellule(*l, '/');
  const Tcellule& d = cellule(*l, 'd');
  const int w = cellule(*l, 'c').droite - a.gauche;
  EXPECT_EQ(a.haut + hauteur(), barre_oblique.haut);  // a.bottom = bar
  EXPECT_EQ(d.haut, barre_oblique.haut);              // bar = b.top
  EXPECT_TRUE(barre_oblique.cache);
  EXPECT_EQ(barre_oblique.droite, 0);
  const auto barres = objets(*l, "ligne");
  ASSERT_EQ(barres.size(), 1u);
  EXPECT_EQ(barres[0]->x, (std::vector<int>{x0, x0 + w}));
  EXPECT_EQ(barres[0]->y, (std::vector<int>{barre_oblique.haut, barre_oblique.haut}));
  EXPECT_EQ(d.gauche, x0 + (w - (d.droite - d.gauche)) / 2);
}

TEST_F(Formules, BothPartsOfAQuotientStayOverTheBar) {
  // A negated part starts after its minus's gap, not at the formula's x.
  for (const std::string texte : {"(-x)/y", "1/-x", "(-1)/(-22)"}) {
    const auto l = disposer(texte);
    const auto barre = objets(*l, "ligne").at(0);
    for (const auto& c : l->cellules) {
      if (c.cache) continue;
      EXPECT_GE(c.gauche, barre->x[0]) << texte << " " << c.caractere;
      EXPECT_LE(c.droite, barre->x[1]) << texte << " " << c.caractere;
    }
  }
}

TEST_F(Formules, AQuotientOverAQuotientHasALongerBarAndHiddenBracketsOfNoWidth) {
  const auto l = disposer("1/(1/x)");
  const auto barres = objets(*l, "ligne");
  ASSERT_EQ(barres.size(), 2u);
  const int principale = barres[0]->x[1] - barres[0]->x[0];
  const int interieure = barres[1]->x[1] - barres[1]->x[0];
  EXPECT_EQ(principale, interieure + 4 * largeur(" "));
  EXPECT_EQ(l->texte, "1/(1/x)");
  for (const char c : {'(', ')'}) {
    const Tcellule& k = cellule(*l, c);
    EXPECT_TRUE(k.cache);
    EXPECT_EQ(k.gauche, k.droite);
    EXPECT_EQ(k.indice_source, -1);
  }
}

TEST_F(Formules, BracketsAreDrawnOnlyWhereTheOperatorNeedsThem) {
  const auto produit = disposer("2*(x+1)");
  EXPECT_EQ(produit->texte, "2*(x+1)");
  EXPECT_FALSE(cellule(*produit, '(').cache);
  EXPECT_FALSE(cellule(*produit, ')').cache);
  EXPECT_EQ(cellule(*produit, '(').indice_source, -1);
  EXPECT_EQ(cellule(*produit, 'x').indice_source, 3);
  EXPECT_TRUE(objets(*produit, "arc").empty());
  EXPECT_EQ(disposer("(x+1)")->texte, "x+1");
  EXPECT_EQ(disposer("a*b")->texte, "a*b");
  EXPECT_FALSE(cellule(*disposer("a*b"), '*').cache);
}

TEST_F(Formules, BracketsAroundATallLineBecomeArcs) {
  const auto l = disposer("2*(1/x+1)");
  EXPECT_TRUE(cellule(*l, '(').cache);
  EXPECT_TRUE(cellule(*l, ')').cache);
  const auto arcs = objets(*l, "arc");
  ASSERT_EQ(arcs.size(), 2u);
  const Tobjet_graphique& gauche = *arcs[0];
  const int h = gauche.y[3] - gauche.y[2];
  EXPECT_GT(h, hauteur());
  const int bombement = static_cast<int>(std::nearbyint(h * (std::sqrt(2.0) / 2 - 0.5)));
  EXPECT_EQ(gauche.y[2] - gauche.y[0], bombement);
  EXPECT_EQ(gauche.y[1] - gauche.y[3], bombement);
  EXPECT_EQ(gauche.x[1] - gauche.x[0], 20);
  EXPECT_EQ(arcs[1]->x[1], arcs[1]->x[2]);  // the right one from its bottom to its top
}

TEST_F(Formules, NestedTallBracketsGrowTheFormulaByAsMuchAtEveryLevel) {
  // x^x^...^x brackets its base at every level, a base taller than a line:
  // a bulge in proportion to the height would grow it by 1.4 each time.
  const auto hauteur_puissances = [&](int nombre) {
    std::string texte = "x";
    for (int k = 1; k < nombre; ++k) texte += "^x";
    const auto l = disposer(texte);
    return static_cast<long long>(l->bas) - l->haut;
  };
  const long long pas = hauteur_puissances(60) - hauteur_puissances(55);
  EXPECT_GT(pas, 0);
  EXPECT_EQ(hauteur_puissances(200) - hauteur_puissances(195), pas);
}

TEST_F(Formules, ANegatedTermAndTheOperatorsStandAQuarterBlankApart) {
  const int s = largeur(" ") / 4;
  const auto moins = disposer("-x");
  EXPECT_EQ(cellule(*moins, '-').gauche, x0 + 2 * s);
  EXPECT_EQ(cellule(*moins, 'x').gauche, cellule(*moins, '-').droite + s);
  const auto somme = disposer("a+b");
  EXPECT_EQ(cellule(*somme, '+').gauche, cellule(*somme, 'a').droite + 2 * s);
  EXPECT_EQ(cellule(*somme, 'b').gauche, cellule(*somme, '+').droite + s);
}

TEST_F(Formules, AnExponentIsRaisedByAQuarterOfTheReducedHeightAtFullSize) {
  const auto l = disposer("x^2");
  const Tcellule& chapeau = cellule(*l, '^');
  EXPECT_TRUE(chapeau.cache);
  EXPECT_EQ(chapeau.gauche, chapeau.droite);
  const Tcellule& deux = cellule(*l, '2');
  EXPECT_EQ(deux.haut, cellule(*l, 'x').haut - hauteur(10) / 4);
  EXPECT_EQ(deux.taille, 14);
  EXPECT_EQ(deux.gauche, cellule(*l, 'x').droite);
  // A raised sum keeps the same raise, between hidden brackets.
  const auto somme = disposer("x^(n+1)");
  EXPECT_EQ(cellule(*somme, 'n').haut, cellule(*somme, 'x').haut - hauteur(10) / 4);
  EXPECT_TRUE(cellule(*somme, '(').cache);
}

TEST_F(Formules, ASubscriptIsLoweredByHalfTheFullHeightAndReduced) {
  const auto l = disposer("u_(n)");
  const Tcellule& u = cellule(*l, 'u');
  const Tcellule& n = cellule(*l, 'n');
  EXPECT_EQ(n.taille, 10);
  EXPECT_EQ(n.gauche, u.droite);
  EXPECT_EQ(n.haut, u.haut + static_cast<int>(std::nearbyint(hauteur() / 2.0)));
  EXPECT_TRUE(cellule(*l, '_').cache);
}

TEST_F(Formules, AnUnderscoreInFirstPlaceIsPlainText) {
  for (const std::string texte : {"_b", "__b", "_b_c"}) {
    const auto l = disposer(texte);
    EXPECT_EQ(l->texte, texte);
    for (const auto& c : l->cellules) EXPECT_FALSE(c.cache) << texte;
  }
  const auto l = disposer("a__b");
  EXPECT_EQ(l->texte, "a__b");
  EXPECT_EQ(cellule(*l, '_').gauche, cellule(*l, 'a').droite);
}

TEST_F(Formules, PiIsTheGreekLetterOverItsHiddenName) {
  const auto l = disposer("pi");
  EXPECT_TRUE(cellule(*l, 'p').cache);
  EXPECT_TRUE(cellule(*l, 'i').cache);
  EXPECT_EQ(l->droite, cellule(*l, 'p').droite);
  const auto textes = objets(*l, "texte;p");
  ASSERT_EQ(textes.size(), 1u);
  EXPECT_EQ(textes[0]->police.nom, "Symbol");
  EXPECT_EQ(textes[0]->x[0], x0);
  EXPECT_EQ(textes[0]->y[0], y0);
}

TEST_F(Formules, ListsAndRelationsLeaveAGapAfterTheirSeparator) {
  const auto egal = disposer("x=3");
  EXPECT_EQ(cellule(*egal, '=').gauche, cellule(*egal, 'x').droite);
  EXPECT_EQ(cellule(*egal, '3').gauche, cellule(*egal, '=').droite + 5);
  const auto liste = disposer("[1;2]");
  EXPECT_EQ(liste->texte, "[1;2]");
  EXPECT_FALSE(cellule(*liste, '[').cache);
  EXPECT_FALSE(cellule(*liste, ']').cache);
  EXPECT_EQ(cellule(*liste, '2').gauche, cellule(*liste, ';').droite + 5);
  EXPECT_EQ(disposer("[x]")->texte, "x");
}

TEST_F(Formules, AMissingClosingBracketIsAddedButNotShown) {
  const auto ouverte = disposer("(x+1");
  const auto fermee = disposer("(x+1)");
  EXPECT_EQ(ouverte->texte, "x+1");
  EXPECT_EQ(ouverte->droite, fermee->droite);
  EXPECT_EQ(cellule(*ouverte, 'x').indice_source, 1);
  const auto produit = disposer("2*(x+1");
  EXPECT_FALSE(cellule(*produit, '(').cache);
  EXPECT_TRUE(cellule(*produit, ')').cache);
  EXPECT_EQ(cellule(*produit, ')').indice_source, -1);
  const auto racine = disposer("sqrt(2");
  EXPECT_EQ(cellule(*racine, '2').gauche, cellule(*disposer("sqrt(2)"), '2').gauche);
}

TEST_F(Formules, DeepNestingEndsAsPlainTextPastTwoHundredLevels) {
  std::string texte = "x";
  for (int k = 0; k < 300; ++k) texte = "sqrt(" + texte + ")";
  const auto l = disposer(texte);
  int q_visibles = 0;
  for (const auto& c : l->cellules) q_visibles += c.caractere == "q" && !c.cache;
  const auto radicaux = static_cast<int>(objets(*l, "ligne").size()) / 3;
  EXPECT_GT(q_visibles, 0);
  EXPECT_GT(radicaux, 190);
  EXPECT_EQ(q_visibles + radicaux, 300);
}

TEST_F(Formules, AFormulaFarLongerThanAPageIsPlainText) {
  const auto quotients = [](int nombre) {
    std::string texte = "1/2";
    for (int k = 1; k < nombre; ++k) texte += "+1/2";
    return texte;
  };
  EXPECT_FALSE(objets(*disposer(quotients(100)), "ligne").empty());
  const auto longue = disposer(quotients(100000));
  EXPECT_TRUE(objets(*longue, "ligne").empty());
  EXPECT_EQ(texte_visible(*longue), quotients(100000));
}

TEST_F(Formules, AFormulaKeepsItsSourceIndicesOnThePage) {
  PageDeTest page("Soit {f(x)=2*(x+1)/(x-3)} et {u_(n+1)=sqrt(u_(n))} ; {exp(-x)}, {integrer(x^2;x)}.");
  EXPECT_TRUE(indices_source_coherents(*page));
  // The editor maps a cell of a formula back to its character.
  const Tposition trois = page->position_cellule(22);
  ASSERT_NE(trois.ligne, -1);
  EXPECT_EQ(page.cellule(static_cast<std::size_t>(trois.ligne), static_cast<std::size_t>(trois.cellule)).caractere,
            "3");
}

}  // namespace
