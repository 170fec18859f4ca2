#include "platform/ini/valeurs_ini.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(ValeursIni, BooleansAreIntegers) {
  const struct {
    const char* texte;
    std::optional<bool> attendu;
  } cas[] = {{"0", false}, {"1", true}, {"2", true}, {"-1", true}, {"99999999999", true}, {"oui", std::nullopt},
             {"", std::nullopt}, {"1.0", std::nullopt}, {"true", std::nullopt}};
  for (const auto& c : cas) EXPECT_EQ(lire_texte_booleen(c.texte), c.attendu) << c.texte;
}

TEST(ValeursIni, DatesReadInBothFormsAndOnlyRealDays) {
  const struct {
    const char* texte;
    std::optional<Tdate_ini> attendu;
  } cas[] = {
      {"2024-02-29", Tdate_ini{2024, 2, 29}}, {"29/02/2024", Tdate_ini{2024, 2, 29}},
      {"1/9/2024", Tdate_ini{2024, 9, 1}},    {"2000-02-29", Tdate_ini{2000, 2, 29}},
      {"0001-01-01", Tdate_ini{1, 1, 1}},     {"2023-02-29", std::nullopt},
      {"1900-02-29", std::nullopt},           {"2024-04-31", std::nullopt},
      {"2024-13-01", std::nullopt},           {"2024-00-10", std::nullopt},
      {"00/01/2024", std::nullopt},           {"0000-01-01", std::nullopt},
      {"2024-2-29", std::nullopt},            {"2024-01-01-01", std::nullopt},
      {"+024-01-01", std::nullopt},           {"2024/01/01", std::nullopt},
      {"01/01/24", std::nullopt},             {" 1/01/2024", std::nullopt},
      {"", std::nullopt},                     {"--", std::nullopt},
  };
  for (const auto& c : cas) EXPECT_EQ(lire_texte_date(c.texte), c.attendu) << c.texte;
}

TEST(ValeursIni, DatesAreWrittenWithFixedWidths) {
  EXPECT_EQ(texte_date({5, 3, 7}), "0005-03-07");
  EXPECT_EQ(texte_date({2024, 12, 31}), "2024-12-31");
  for (const Tdate_ini d : {Tdate_ini{1, 1, 1}, Tdate_ini{9999, 12, 31}, Tdate_ini{2024, 2, 29}}) {
    EXPECT_EQ(lire_texte_date(texte_date(d)), d);
  }
}

}  // namespace
