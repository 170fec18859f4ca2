#include "components/utilitaires/JvStrUtils.h"

#include <gtest/gtest.h>

namespace {

using namespace JvStrUtils;

TEST(JvStrUtils, ReplaceAndDelete) {
  const struct {
    const char* texte;
    const char* cherche;
    const char* remplace;
    const char* attendu;
  } cas[] = {
      {"a.b.c", ".", "::", "a::b::c"}, {"aaa", "aa", "a", "aa"}, {"abc", "", "x", "abc"},
      {"abab", "ab", "", ""},         {"xyz", "q", "r", "xyz"}, {"aa", "a", "aa", "aaaa"},
  };
  for (const auto& c : cas) EXPECT_EQ(ReplaceStr(c.texte, c.cherche, c.remplace), c.attendu) << c.texte;
  EXPECT_EQ(DelChars("1 234 567", ' '), "1234567");
  EXPECT_EQ(DelChars("", ' '), "");
}

TEST(JvStrUtils, SpacesOnlyAreTrimmed) {
  const struct {
    const char* texte;
    const char* debut;
    const char* fin;
    const char* deux;
  } cas[] = {
      {"  a b  ", "a b  ", "  a b", "a b"},
      {"\ta\t", "\ta\t", "\ta\t", "\ta\t"},
      {" \ta ", "\ta ", " \ta", "\ta"},
      {"   ", "", "", ""},
      {"", "", "", ""},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(DelBSpace(c.texte), c.debut) << '"' << c.texte << '"';
    EXPECT_EQ(DelESpace(c.texte), c.fin) << '"' << c.texte << '"';
    EXPECT_EQ(DelBESpace(c.texte), c.deux) << '"' << c.texte << '"';
  }
}

TEST(JvStrUtils, Copies) {
  EXPECT_EQ(MakeStr('#', 3), "###");
  EXPECT_EQ(MakeStr('#', 0), "");
  EXPECT_EQ(MakeStr('#', -2), "");
}

}  // namespace
