#include "formula/balises.h"

#include <gtest/gtest.h>

namespace {

std::string masque_texte(std::string_view source) {
  std::string s;
  for (const bool b : masque_balises(source)) s += b ? 'x' : '.';
  return s;
}

TEST(MasqueBalises, MarksTagsUpToTheirChevronAndBracesAlone) {
  const struct {
    const char* source;
    const char* masque;
  } cas[] = {
      {"a<B>b</B>", ".xxx.xxxx"},
      {"<FONT COLOR=red>x", "xxxxxxxxxxxxxxxx."},
      {"<P ALIGN=CENTER>", "xxxxxxxxxxxxxxxx"},
      {"<mot>", "....."},            // not a tag of the table
      {"<FONT COLOR=red", "..............."},  // no ">" after it: plain text
      {"{x+1}", "x...x"},
      {"a}b", ".x."},
      {"<b>", "..."},                // tags are upper case
      {"<ABC>", "xxxxx"},            // a tag text is matched as a prefix
      {"<A<A<A>", "xxxxxxx"},
  };
  for (const auto& c : cas) EXPECT_EQ(masque_texte(c.source), c.masque) << c.source;
}

TEST(MasqueBalises, ManyOpenTagsWithOneChevronAreLinear) {
  std::string source;
  for (int k = 0; k < 100000; ++k) source += "<A";
  source += ">";
  const auto masque = masque_balises(source);
  EXPECT_EQ(std::count(masque.begin(), masque.end(), true), static_cast<long>(source.size()));
}

TEST(TypeBalise, FirstKindFoundElseBraceElseNone) {
  EXPECT_EQ(type_balise("<BR>"), balise_br);
  EXPECT_EQ(type_balise("</U>"), balise_fin_souligne);
  EXPECT_EQ(type_balise("<FONT COLOR=red>"), balise_font);
  EXPECT_EQ(type_balise("</FONT>"), balise_fin_font);
  EXPECT_EQ(type_balise("<P ALIGN=RIGHT>"), balise_paragraphe);
  EXPECT_EQ(type_balise("</P>"), balise_fin_paragraphe);
  EXPECT_EQ(type_balise("<A HREF=3>"), balise_lien);
  EXPECT_EQ(type_balise("</A>"), balise_fin_lien);
  EXPECT_EQ(type_balise("{"), balise_debut_formule);
  EXPECT_EQ(type_balise("}"), balise_fin_formule);
  // A brace ends a tag buffer on its own and stays a brace.
  EXPECT_EQ(type_balise("<P x}"), balise_fin_formule);
  EXPECT_EQ(type_balise(">"), balise_aucune);
}

TEST(ValeurAttribut, ReadsUpToBlankOrChevronWithoutQuotes) {
  EXPECT_EQ(valeur_attribut("<FONT COLOR=\"red\">", "COLOR"), "red");
  EXPECT_EQ(valeur_attribut("<A HREF=12 X=1>", "HREF"), "12");
  EXPECT_EQ(valeur_attribut("<A HREF=-2>", "HREF"), "-2");
  EXPECT_EQ(valeur_attribut("<A X=1>", "HREF"), "");
  EXPECT_EQ(valeur_attribut("<P align=RIGHT>", "ALIGN"), "");
  EXPECT_EQ(valeur_attribut("<A HREF=7", "HREF"), "7");
}

TEST(Symboles, AreTheNineSymbolBytes) {
  for (const char c : std::string("\xB3\xA3\xBB\xF2" "D\xAEp\xB9\xA5")) EXPECT_TRUE(est_symbole(c));
  EXPECT_FALSE(est_symbole('q'));
}

}  // namespace
