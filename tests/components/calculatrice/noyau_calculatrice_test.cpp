#include "components/calculatrice/noyau_calculatrice.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "localisation/nombres.h"

namespace {

// A calculator whose beeps, results and clipboard the test watches.
struct Banc {
  explicit Banc(int precision = 15) : calculatrice(precision) {
    auto& e = calculatrice.evenements();
    e.bip = [this] { ++bips; };
    e.sur_resultat = [this] { ++resultats; };
    e.sur_erreur = [this] { ++erreurs; };
    e.copier = [this](const std::string& t) { copie = t; };
    e.coller = [this] { return presse_papiers; };
  }
  // Each character is one key; "\b" is backspace, "\r" Return, "\x1b" Escape.
  const std::string& taper(const std::string& touches) {
    for (const char c : touches) calculatrice.touche(c);
    return calculatrice.affichage();
  }
  NoyauCalculatrice calculatrice;
  int bips = 0;
  int resultats = 0;
  int erreurs = 0;
  std::string copie;
  std::optional<std::string> presse_papiers;
};

TEST(NoyauCalculatrice, KeySequencesGiveTheDisplay) {
  const struct {
    const char* touches;
    const char* affichage;
    int bips;
  } cas[] = {
      {"2+3%", "2.06", 0},
      {"50*10%", "5", 0},
      {"2+3=*2=", "10", 0},
      {"2-3=", "-1", 0},
      {"200-10%", "180", 0},
      {"7/2=", "3.5", 0},
      {"2/3=", "0.666666666666667", 0},
      {"1234567890123456", "123456789012345", 1},
      {"5_12345678901234", "-512345678901234", 0},
      {"5_123456789012345", "-512345678901234", 1},
      {"1.2345678901234567", "1.2345678901234", 3},
      {"5\b", "0", 0},
      {"5_\b", "0", 0},
      {"12\b", "1", 0},
      {"1.5\b\b", "1", 0},
      {"3_", "-3", 0},
      {"2+9Q=", "5", 0},
      {"2*4R=", "0.5", 0},
      {"9q", "3", 0},
      {"12c", "0", 0},
      {"12\x1b", "0", 0},
      {".", "0.", 0},
      {"3+,", "0.", 0},
      {".5", "0.5", 0},
      {",5", "0.5", 0},
      {"..5", "0.5", 0},
      {"1.2.3", "1.23", 0},
      {"0001", "1", 0},
      {"1/0=", "Error", 1},
      {"4_Q", "Error", 1},
      {"0R", "Error", 1},
      {"1/0=5+.\b_QR=\x1b", "Error", 1},
      {"1/0=C", "0", 1},
      {"1/0=C2+2=", "4", 1},
      {"3+", "3", 0},
      {"3+4", "4", 0},
      {"3+4\r", "7", 0},
  };
  for (const auto& c : cas) {
    Banc banc;
    EXPECT_EQ(banc.taper(c.touches), c.affichage) << c.touches;
    EXPECT_EQ(banc.bips, c.bips) << c.touches;
  }
}

TEST(NoyauCalculatrice, ResultKeysRaiseTheResultEventAndStayPending) {
  Banc banc;
  banc.taper("2+3%");
  EXPECT_EQ(banc.resultats, 1);
  EXPECT_EQ(banc.calculatrice.operateur(), '%');
  banc.taper("=\r+");
  EXPECT_EQ(banc.resultats, 3);
  EXPECT_EQ(banc.calculatrice.operateur(), '+');
  EXPECT_DOUBLE_EQ(banc.calculatrice.operande(), 2.06);
}

TEST(NoyauCalculatrice, ErrorStateTakesOnlyC) {
  Banc banc;
  banc.taper("1/0=");
  EXPECT_EQ(banc.calculatrice.etat(), EtatCalculatrice::erreur);
  EXPECT_EQ(banc.erreurs, 1);
  EXPECT_EQ(banc.calculatrice.valeur_affichee(), 0);
  banc.calculatrice.memoire_stocker();
  banc.calculatrice.ok();
  EXPECT_EQ(banc.bips, 2);
  EXPECT_EQ(banc.taper("C"), "0");
  EXPECT_EQ(banc.calculatrice.etat(), EtatCalculatrice::pret);
  EXPECT_EQ(banc.calculatrice.operateur(), '=');
}

TEST(NoyauCalculatrice, OverflowIsAnErrorNeverInf) {
  Banc banc;
  banc.presse_papiers = "1E300";
  banc.taper("1\x16*1\x16=");
  EXPECT_EQ(banc.calculatrice.affichage(), "Error");
  EXPECT_EQ(banc.erreurs, 1);
  // The largest double shown with 15 digits rounds up past it.
  for (const char* presque_infini : {"1.7976931348623157E308", "-1.7976931348623155E308"}) {
    Banc proche;
    proche.presse_papiers = presque_infini;
    EXPECT_EQ(proche.taper("\x16"), "Error") << presque_infini;
    proche.presse_papiers = "1.79769313486231E308";
    EXPECT_EQ(proche.taper("C\x16"), "1.79769313486231E308") << presque_infini;
  }
}

TEST(NoyauCalculatrice, PasteReadsNumbersOnly) {
  Banc banc;
  banc.calculatrice.definir_symbole_monetaire("EUR");
  banc.presse_papiers = " 1 234,5 EUR ";
  EXPECT_EQ(banc.taper("\x16"), "1234.5");
  banc.presse_papiers = "douze";
  EXPECT_EQ(banc.taper("\x16"), "1234.5");
  EXPECT_EQ(banc.bips, 1);
  banc.presse_papiers = std::nullopt;
  EXPECT_EQ(banc.taper("\x16"), "1234.5");
  banc.taper("\x03");
  EXPECT_EQ(banc.copie, "1234.5");
}

TEST(NoyauCalculatrice, NoDigitAfterAnExponent) {
  Banc banc;
  banc.presse_papiers = "1E20";
  EXPECT_EQ(banc.taper("5\x16"), "1E20");
  EXPECT_EQ(banc.taper("3."), "1E20");
  EXPECT_EQ(banc.taper("+1="), "1E20");
  banc.presse_papiers = "1E-7";
  EXPECT_EQ(banc.taper("5\x16\b"), "1");
}

TEST(NoyauCalculatrice, MemoryKeys) {
  Banc banc;
  banc.taper("4");
  banc.calculatrice.memoire_stocker();
  banc.taper("C5");
  banc.calculatrice.memoire_plus();
  EXPECT_EQ(banc.calculatrice.memoire(), 9);
  EXPECT_TRUE(banc.calculatrice.memoire_non_nulle());
  banc.calculatrice.memoire_rappel();
  EXPECT_EQ(banc.calculatrice.affichage(), "9");
  banc.calculatrice.memoire_effacer();
  EXPECT_FALSE(banc.calculatrice.memoire_non_nulle());
}

TEST(NoyauCalculatrice, TheCalcKeyEventMayChangeTheKey) {
  Banc banc;
  banc.calculatrice.evenements().sur_touche = [](char& c) {
    if (c == 'X') c = '*';
  };
  EXPECT_EQ(banc.taper("6x7="), "42");
}

TEST(NoyauCalculatrice, ThePrecisionBoundsTheDisplayedDigits) {
  Banc banc(4);
  EXPECT_EQ(banc.taper("2/3="), "0.6667");
  EXPECT_EQ(banc.taper("C12345"), "1234");
  Banc petite(0);
  EXPECT_EQ(petite.taper("2/3="), "0.67");
}

// Whatever keys a pupil presses, the display is "Error" in the error state
// and otherwise a number the shared reader reads.
TEST(NoyauCalculatrice, RandomKeySequencesAlwaysShowANumberOrError) {
  constexpr int sequences = 100000;
  constexpr int longueur = 14;
  const std::string touches = "0123456789._+-*/%=QRC,qrc\b\r\x1b\x16";
  const char* collages[] = {"1E300", "-1E-300", "abc", "12 345.5", "", "0", "-7", "1.7976931348623157E308"};
  std::mt19937 alea(20261207);
  std::uniform_int_distribution<std::size_t> choix_touche(0, touches.size() - 1);
  std::uniform_int_distribution<std::size_t> choix_collage(0, std::size(collages) - 1);
  for (int s = 0; s < sequences; ++s) {
    Banc banc;
    std::string tape;
    for (int k = 0; k < longueur; ++k) {
      banc.presse_papiers = collages[choix_collage(alea)];
      const char c = touches[choix_touche(alea)];
      tape += c;
      banc.calculatrice.touche(c);
      const std::string& affichage = banc.calculatrice.affichage();
      if (banc.calculatrice.etat() == EtatCalculatrice::erreur) {
        ASSERT_EQ(affichage, "Error") << testing::PrintToString(tape);
      } else {
        ASSERT_TRUE(lire_nombre(affichage).has_value()) << affichage << " after " << testing::PrintToString(tape);
      }
    }
  }
}

}  // namespace
