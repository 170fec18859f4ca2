// Hint-page keys, the page/memo line-break mapping and symbol insertion.
#include <gtest/gtest.h>

#include <random>

#include "shell/pages_aide.h"

namespace {

TEST(CleePageAide, SecondCharacterNamesTheFileAndTheKeyMustBeAnIniKey) {
  const struct {
    std::string cle;
    int numero;
  } cas[] = {
      {"1311", 3}, {"x1", 1},   {"a7zz", 7}, {"18", 0},    {"10", 0},     {"1x11", 0},  {"", 0},
      {"1", 0},    {"[3", 0},   {"13=4", 0}, {"13;4", 0},  {"13\n4", 0},  {"13\r", 0}, {"1\xA8", 0},
      {" 2", 0},   {"12 ", 0},  {"1 2", 0},  {"#2", 0},    {"=2", 0},     {"12[", 2},   {"a2 b", 2},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(numero_fichier_aide(c.cle), c.numero) << c.cle;
    EXPECT_EQ(cle_page_valide(c.cle), c.numero != 0) << c.cle;
  }
  EXPECT_EQ(nom_fichier_aide(3), "Aide3.ini");
}

TEST(PageEtMemo, EachBreakIsOneLine) {
  EXPECT_EQ(memo_de_page("a\xA8" "b<BR>c"), "a\nb<BR>c");
  EXPECT_EQ(lignes_de_page("a\xA8" "b<BR>c"), (std::vector<std::string>{"a", "b<BR>c"}));
  EXPECT_EQ(page_de_memo("x\ny"), "x\xA8y");
  EXPECT_EQ(page_de_lignes({"x", "y"}), "x\xA8y");
  EXPECT_EQ(lignes_de_page(""), std::vector<std::string>{""});
  EXPECT_EQ(lignes_de_page("\xA8"), (std::vector<std::string>{"", ""}));
  // Pasted CR LF and CR are breaks too.
  EXPECT_EQ(page_de_memo("a\r\nb\rc\n\r\n"), "a\xA8" "b\xA8" "c\xA8\xA8");
}

TEST(PageEtMemo, RandomPagesRoundTripByteForByte) {
  std::mt19937 alea(2207);
  const std::string alphabet = std::string("ab{}\\<>= \xA8\xE9\xB3") + '\0';
  for (int essai = 0; essai < 2000; ++essai) {
    std::string page;
    const int taille = static_cast<int>(alea() % 40);
    for (int i = 0; i < taille; ++i) page += alphabet[alea() % alphabet.size()];
    const std::string memo = memo_de_page(page);
    ASSERT_EQ(memo.size(), page.size());
    ASSERT_EQ(page_de_memo(memo), page);
    ASSERT_EQ(page_de_lignes(lignes_de_page(page)), page);
  }
}

TEST(BaliserSymbole, BracesOnlyOutsideAFormula) {
  const struct {
    std::string texte;
    std::size_t debut, longueur;
    std::string attendu;
    std::size_t curseur;
  } cas[] = {
      {"{x", 2, 0, "{x\\p", 4},
      {"", 0, 0, "{\\p}", 4},
      {"{a}", 3, 0, "{a}{\\p}", 7},
      {"{a}b", 1, 0, "{\\pa}b", 3},
      {"ab cd", 1, 3, "a{\\p}d", 5},
      {"{ab cd", 2, 3, "{a\\pd", 4},
      {"{a}\n{b", 6, 0, "{a}\n{b\\p", 8},
      {"xy", 9, 4, "xy{\\p}", 6},
  };
  for (const auto& c : cas) {
    const TexteEtCurseur r = baliser_symbole("\\p", c.texte, c.debut, c.longueur);
    EXPECT_EQ(r.texte, c.attendu) << c.texte;
    EXPECT_EQ(r.curseur, c.curseur) << c.texte;
  }
}

TEST(BaliserSymbole, NineItemsNineDistinctEscapes) {
  std::string vus;
  for (const auto& s : symboles_editeur) {
    EXPECT_EQ(vus.find(s.caractere), std::string::npos) << s.element;
    vus += s.caractere;
  }
  EXPECT_EQ(vus.size(), 9u);
  EXPECT_EQ(echappement_symbole("pi1"), "\\p");
  EXPECT_EQ(echappement_symbole("suprieurougal1"), "\\\xB3");
  EXPECT_EQ(echappement_symbole("Caractresspciaux1"), "");
}

TEST(BalisesBouton, EachCaptionItsTagsAndTheKindsItDrops) {
  const TColor rouge = 0x0000FF;
  const struct {
    std::string legende, ouvrante, fermante;
    std::vector<int> types;
  } cas[] = {
      {"LEFT", "<P ALIGN=LEFT>", "</P>", {11, 12}}, {"CENTER", "<P ALIGN=CENTER>", "</P>", {11, 12}},
      {"RIGHT", "<P ALIGN=RIGHT>", "</P>", {11, 12}}, {"SOULIGNE", "<U>", "</U>", {1, 2}},
      {"A", "<FONT COLOR=red>", "</FONT>", {9, 10}},  {"RETOUR", "<BR>", "", {}},
  };
  for (const auto& c : cas) {
    const auto b = balises_bouton(c.legende, rouge);
    ASSERT_TRUE(b) << c.legende;
    EXPECT_EQ(b->ouvrante, c.ouvrante);
    EXPECT_EQ(b->fermante, c.fermante);
    EXPECT_EQ(b->types_retires, c.types);
  }
  EXPECT_EQ(balises_bouton("A", 0x123456)->ouvrante, "<FONT COLOR=#563412>");
  EXPECT_FALSE(balises_bouton("center", rouge));
  EXPECT_FALSE(balises_bouton("", rouge));
}

}  // namespace
