#include "formula/couleurs_html.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(HtmlToColor, ReadsHexadecimalTextsAndNames) {
  const struct {
    const char* texte;
    TColor attendue;
  } cas[] = {
      {"#FF0000", 0x0000FF}, {"FF0000", 0x0000FF}, {"#ff0000", 0x0000FF}, {"Red", 0x0000FF},
      {"#0000FF", 0xFF0000}, {"#123456", 0x563412}, {"blue", 0xFF0000},  {"LightGrey", 0xD3D3D3},
      {"nosuch", 0},         {"lightgray", 0},      {"#FFF", 0},         {"#12345G", 0},
      {"", 0},               {"#", 0},
  };
  for (const auto& c : cas) EXPECT_EQ(HtmlToColor(c.texte), c.attendue) << c.texte;
}

TEST(HtmlToColor, APairMayBeOneDigitWhenTheTextIsShort) {
  // Each pair is read as a hexadecimal number of its own: "F" is 15.
  EXPECT_EQ(HtmlToColor("#FFFFF"), 0x0FFFFFu);
}

TEST(CouleurNommee, IsCaseSensitive) {
  EXPECT_EQ(couleur_nommee("red"), 0x0000FFu);
  EXPECT_EQ(couleur_nommee("Red"), 0u);
  EXPECT_EQ(couleur_nommee("yellowgreen"), 0x32CD9Au);
}

TEST(ColorToHtml, GivesTheFirstNameElseHexadecimal) {
  EXPECT_EQ(ColorToHtml(0xFF0000), "blue");
  EXPECT_EQ(ColorToHtml(0x123456), "#563412");
  EXPECT_EQ(ColorToHtml(0xFFFF00), "aqua");
  EXPECT_EQ(ColorToHtml(0xFF00FF), "fuchsia");
  EXPECT_EQ(ColorToHtml(0x000000), "black");
  EXPECT_EQ(ColorToHtml(0x0A0B0C), "#0C0B0A");
}

TEST(CouleursNommees, TableHas140SortedUniqueNamesThatRoundTrip) {
  const auto& table = couleurs_nommees();
  std::set<std::string_view> noms;
  for (std::size_t k = 0; k < table.size(); ++k) {
    noms.insert(table[k].nom);
    if (k > 0) {
      EXPECT_LT(table[k - 1].nom, table[k].nom);
    }
    const TColor c = couleur_nommee(table[k].nom);
    EXPECT_EQ(permuter_rouge_bleu(c), table[k].rgb) << table[k].nom;
    EXPECT_EQ(HtmlToColor(ColorToHtml(c)), c) << table[k].nom;
  }
  EXPECT_EQ(noms.size(), 140u);
}

TEST(PermuterRougeBleu, SwapsTheOuterBytes) {
  EXPECT_EQ(permuter_rouge_bleu(0x123456), 0x563412u);
  EXPECT_EQ(permuter_rouge_bleu(permuter_rouge_bleu(0xABCDEF)), 0xABCDEFu);
}

}  // namespace
