#include "platform/couleur_qt.h"

#include <gtest/gtest.h>

namespace {

TEST(CouleurQt, ColourValuesAndSystemColours) {
  struct Cas {
    std::int32_t valeur;
    int r, g, b;
  };
  for (const Cas& c : {
           Cas{couleur_rouge, 255, 0, 0},
           Cas{couleur_bleue, 0, 0, 255},
           Cas{couleur_verte, 0, 128, 0},
           Cas{0x00563412, 0x12, 0x34, 0x56},
           Cas{0x02563412, 0x12, 0x34, 0x56},  // other high bytes: the RGB bytes count
           Cas{couleur_face_bouton, 240, 240, 240},
           Cas{-16777211, 255, 255, 255},      // window
           Cas{-16777208, 0, 0, 0},            // window text
           Cas{-16777216 + 30, 240, 240, 240},  // the last known, menu bar
           Cas{-16777216 + 31, 0, 0, 0},        // unknown
           Cas{-1, 0, 0, 0},
           Cas{couleur_lumiere_bouton, 255, 255, 255},
           Cas{couleur_ombre_bouton, 160, 160, 160},
           Cas{couleur_ombre_3d, 105, 105, 105},
           Cas{couleur_fond_conseil, 255, 255, 225},
           Cas{couleur_texte_grise, 109, 109, 109},
           Cas{couleur_fenetre, 255, 255, 255},
           Cas{couleur_bleu_ciel, 166, 202, 240},
       }) {
    EXPECT_EQ(couleur_qt(c.valeur), QColor(c.r, c.g, c.b)) << c.valeur;
  }
}

TEST(CouleurQt, NoColourIsTransparent) {
  EXPECT_EQ(couleur_qt(couleur_aucune).alpha(), 0);
  EXPECT_EQ(couleur_qt(0x00FFFFFF).alpha(), 255);
}

}  // namespace
