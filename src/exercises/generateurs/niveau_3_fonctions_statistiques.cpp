#include "exercises/generateurs/niveau_3_fonctions_statistiques.h"

#include <array>
#include <numeric>
#include <string>
#include <vector>

#include "engine/courbe.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/reduction.h"
#include "engine/systeme_lineaire.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/outils.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

using Axe = GraphiqueExercice::Axe;

constexpr const char* lettres_points = "ABCDFH";
constexpr int nombre_lettres = 6;
constexpr const char* libelle_equation = "y=";
constexpr const char* format_un_libelle = "T[%s]";
constexpr const char* format_deux_questions = "T[1.];T[2.]";

// The terms of the fractions of 2411: 2..8.
constexpr int etendue_terme = 7;
constexpr int plus_petit_terme = 2;

// The points of 2412 and 2413: the first in -5..4 each way, the second in 0..4.
constexpr int premier_min = -5;
constexpr int premier_max_exclu = 5;
constexpr int etendue_second = 5;

// The exercise chart of 2412: both axes from -6 to 6, crossing in the middle.
constexpr double borne_graphique = 6;
constexpr double milieu_pourcentage = 50;

// 4401: five opening days, four counts under 150, the fifth from a draw under 30.
constexpr int jours_ouverts = 5;
constexpr int borne_prets = 150;
constexpr int borne_reste = 30;
// 4402 and 4403: five classes of 1..8 each.
constexpr int classes = 5;
constexpr int borne_effectif = 8;

std::string entier(int n) { return texte_entier(n); }

std::string entre_accolades(const std::string& texte) { return "{" + texte + "}"; }

std::string lettre_point(ContexteGenerateur& contexte) {
  return std::string(1, lettres_points[Random(contexte, nombre_lettres)]);
}

// fraction("p/q") of two terms 2..8.
std::string fraction_tiree(ContexteGenerateur& contexte) {
  const int p = Random(contexte, etendue_terme) + plus_petit_terme;
  const int q = Random(contexte, etendue_terme) + plus_petit_terme;
  return fraction(Format("%d/%d", {p, q}));
}

// The line y = a*x + b through (x1; y1) and (x2; y2), a and b from the
// linear solver.
struct Droite {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string a, b;
};

// The points drawn again while the line would be vertical, pass through the
// origin, be horizontal (when `sans_horizontale`), or the solver give no
// pair of values.
Droite tirer_droite(ContexteGenerateur& contexte, bool sans_horizontale) {
  Droite d;
  for (;;) {
    d.x1 = RandomRange(contexte, premier_min, premier_max_exclu);
    d.y1 = RandomRange(contexte, premier_min, premier_max_exclu);
    d.x2 = Random(contexte, etendue_second);
    d.y2 = Random(contexte, etendue_second);
    if (d.x1 * d.y2 == d.x2 * d.y1 || d.x2 == d.x1 || (sans_horizontale && d.y1 == d.y2)) continue;
    const auto valeurs = valeurs_solveur(
        resoudre_systeme(Format("[a*(%d)+b=%d;a*(%d)+b=%d]", {d.x1, d.y1, d.x2, d.y2}), "[a;b]"), 2);
    if (!valeurs) continue;
    d.a = (*valeurs)[0];
    d.b = (*valeurs)[1];
    return d;
  }
}

void poser_equation_droite(ContexteGenerateur& contexte, const std::string& question, const std::string& reponse) {
  contexte.presentateur.poser_question(question, Format(format_un_libelle, {libelle_equation}), {reponse},
                                       "y = " + entre_accolades(reponse), true);
}

// The chart read by the pupil: the curve on both axes from -6 to 6, the
// vertical grid lines only, and no clicks.
void tracer_sur_graphique(GraphiqueExercice& g, const Tcourbe& courbe) {
  g.SetVisible(true);
  g.RemoveAllSeries();
  g.SetGridVisible(Axe::bas, true);
  g.SetGridVisible(Axe::gauche, false);
  for (const Axe axe : {Axe::gauche, Axe::bas}) {
    g.SetPositionPercent(axe, milieu_pourcentage);
    g.SetMinMax(axe, -borne_graphique, borne_graphique);
    g.SetAutomatic(axe, false);
  }
  g.SetVisible(Axe::gauche, true);
  const int serie = g.NewLineSeries();
  if (const auto serie_courbe = g.SerieCourbe(serie)) courbe.tracer(*serie_courbe, -borne_graphique, borne_graphique);
  g.SetEnabled(false);
}

std::array<int, classes> effectifs(ContexteGenerateur& contexte) {
  std::array<int, classes> n{};
  for (int& effectif : n) effectif = Random(contexte, borne_effectif) + 1;
  return n;
}

std::string deux_reponses(const std::string& premiere, const std::string& seconde) {
  return entre_accolades(premiere) + ";" + entre_accolades(seconde);
}

}  // namespace

void exercice_2411(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::string x = fraction_tiree(contexte);
  std::string y = fraction_tiree(contexte);
  while (y == "1") y = fraction_tiree(contexte);
  const std::string lettre = lettre_point(contexte);
  const std::string pente = fraction(operation(y, x, "/"));
  poser_equation_droite(contexte, Format(contexte.textes.enonce_determiner_equation_fonction, {lettre, x, y}),
                        operation(pente, "x", "*"));
}

void exercice_2412(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const Droite d = tirer_droite(contexte, true);
  const bool antecedent = Random(contexte, 2) == 1;
  const Tcourbe courbe(Format("%s*x+(%s)", {d.a, d.b}) + ";x", genre_cartesien);
  tracer_sur_graphique(contexte.graphique, courbe);
  const auto& t = contexte.textes;
  const std::string reponse = entier(antecedent ? d.x1 : d.y1);
  const std::string question = antecedent ? Format(t.enonce_fonction_dont_representation, {d.y1})
                                          : Format(t.enonce_fonction_dont_representation_2, {d.x1});
  contexte.presentateur.poser_question_saisie(question, reponse, entre_accolades(reponse));
}

void exercice_2413(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const Droite d = tirer_droite(contexte, false);
  poser_equation_droite(contexte,
                        Format(contexte.textes.enonce_determiner_equation_cartesienne, {d.x1, d.y1, d.x2, d.y2}),
                        operation(operation(d.a, "x", "*"), d.b, "+"));
}

void exercice_4401(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  std::array<int, jours_ouverts> prets{};
  int quatre_jours = 0;
  for (int i = 0; i + 1 < jours_ouverts; ++i) {
    prets[static_cast<std::size_t>(i)] = Random(contexte, borne_prets);
    quatre_jours += prets[static_cast<std::size_t>(i)];
  }
  // The fifth count makes the total a multiple of the five days.
  const int reste = Random(contexte, borne_reste);
  prets.back() = reste + (jours_ouverts - (quatre_jours + reste) % jours_ouverts) % jours_ouverts;
  const int total = quatre_jours + prets.back();
  const std::string somme = entier(total);
  const std::string moyenne = entier(total / jours_ouverts);
  contexte.presentateur.poser_question(
      Format(contexte.textes.enonce_bibliotheque_ouverte_mardi, {prets[0], prets[1], prets[2], prets[3], prets[4]}),
      format_deux_questions, {somme, moyenne}, deux_reponses(somme, moyenne), true);
}

void exercice_4402(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::array<int, classes> n = effectifs(contexte);
  const int eleves = std::accumulate(n.begin(), n.end(), 0);
  const std::string quatrieme = entier(n[3]);
  const std::string sous_12 = entier(n[0] + n[1] + n[2]);
  contexte.presentateur.poser_question(
      Format(contexte.textes.enonce_apres_controle_notes, {eleves, n[0], n[1], n[2], n[4]}), format_deux_questions,
      {quatrieme, sous_12}, deux_reponses(quatrieme, sous_12), true);
}

void exercice_4403(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::array<int, classes> n = effectifs(contexte);
  const int salaries = std::accumulate(n.begin(), n.end(), 0);
  const std::string reponse = reduire(operation_ordonnee(entier(n[1]), entier(salaries), "/"));
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_voici_ages_salaries, {n[0], n[1], n[2], n[3], n[4]}), reponse,
      entre_accolades(reponse));
}

void enregistrer_niveau_3_fonctions_statistiques() {
  enregistrer_generateur("2411", &exercice_2411);
  enregistrer_generateur("2412", &exercice_2412);
  enregistrer_generateur("2413", &exercice_2413);
  enregistrer_generateur("4401", &exercice_4401);
  enregistrer_generateur("4402", &exercice_4402);
  enregistrer_generateur("4403", &exercice_4403);
}
