// Typed answers go into the statement's mark-up as they are typed: the echo
// and the verdict pages they make are drawn by the real renderer, whatever
// the pupil types.
#include "exercises/presentation.h"
#include "formula/formule.h"
#include "platform/image_hote.h"
#include "poste_exercice.h"

namespace {

using essai::PosteExercice;

class RenduVerdict : public PosteExercice {
 protected:
  // A hostile answer: mark-up, braces, dots, format marks, 0xA8, stray bytes.
  std::string saisie_hostile(SourceAleatoire& hasard) {
    static const std::vector<std::string> morceaux = {
        "<FONT COLOR=red>", "</FONT>", "<A HREF=", ">", "<", "{", "}", "[", "]", "(", ")", "...", "%s", "%d",
        "<BR>", "<P ALIGN=RIGHT>", "</P>", "\xA8", "^", "/", "_", "x", "12", "exo-", "&amp;", "<U>", "\\"};
    std::string texte;
    const int longueur = hasard.Random(longueur_max);
    while (static_cast<int>(texte.size()) < longueur) {
      if (hasard.Random(4) == 0) {
        texte += static_cast<char>(hasard.Random(octets));
      } else {
        texte += morceaux[static_cast<std::size_t>(hasard.Random(static_cast<int>(morceaux.size())))];
      }
    }
    return texte;
  }

  static constexpr int longueur_max = 400;
  static constexpr int octets = 256;
  static constexpr int essais = 150;
};

TEST_F(RenduVerdict, EveryEchoAndVerdictPageIsDrawn) {
  ImageHote image;
  definir_emplacement(&image, Emplacement::exercice);
  SourceAleatoire hasard(20261207);
  for (int i = 0; i < essais; ++i) {
    const bool points = i % 2 == 0;
    const bool deux = i % 3 == 0;
    std::vector<std::string> saisies = {saisie_hostile(hasard)};
    if (deux) saisies.push_back(saisie_hostile(hasard));
    poser(points ? "x = ..." : "Calculer", deux ? "T;T" : "T", deux ? std::vector<std::string>{"x", "y"}
                                                                    : std::vector<std::string>{"x"},
          saisies);
    echo_saisie(0);
    ecran.commencer = false;
    valider_reponses();
    EXPECT_TRUE(jugeable) << i;
    for (const std::size_t k : {ecran.exercice.size() - 2, ecran.exercice.size() - 1}) {
      afficher_formule(&image, ecran.exercice[k], 5, 0);
      ASSERT_NE(formule_de(Emplacement::exercice), nullptr) << i;
    }
  }
  liberer_formules();
}

}  // namespace
