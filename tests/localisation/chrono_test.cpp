#include "localisation/chrono.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Chrono : public ::testing::Test {
 protected:
  void SetUp() override {
    installer_horloge([this] { return maintenant; });
    installer_sortie_trace([this](const std::string& l) { lignes.push_back(l); });
  }
  void TearDown() override {
    mode_test = false;
    installer_horloge(nullptr);
    installer_sortie_trace(nullptr);
  }
  std::uint32_t maintenant = 1000;
  std::vector<std::string> lignes;
};

TEST_F(Chrono, SilentWhileTestModeIsOff) {
  std::uint32_t t = 0;
  debut_chrono(t);
  maintenant += 5000;
  bool etiquette_construite = false;
  fin_chrono([&] { etiquette_construite = true; return std::string("x"); }, t);
  EXPECT_TRUE(lignes.empty());
  EXPECT_FALSE(etiquette_construite);
}

TEST_F(Chrono, WritesOnlyBeyondTenMilliseconds) {
  mode_test = true;
  std::uint32_t t = 0;
  debut_chrono(t);
  maintenant += 10;
  fin_chrono("label", t);
  EXPECT_TRUE(lignes.empty());
  maintenant += 1;
  fin_chrono([] { return std::string("label"); }, t);
  EXPECT_EQ(lignes, std::vector<std::string>{"label:11"});
}

TEST_F(Chrono, SurvivesTheWrapOfTheTickCount) {
  mode_test = true;
  maintenant = 0xFFFFFFF0u;
  std::uint32_t t = 0;
  debut_chrono(t);
  maintenant = 0x10;  // 32 ms later, after the wrap
  fin_chrono("w", t);
  EXPECT_EQ(lignes, std::vector<std::string>{"w:32"});
}

}  // namespace
