#include "exercises/generateurs/terminale.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/complexe.h"
#include "engine/operation.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/outils.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

using Axe = GraphiqueExercice::Axe;

// The imaginary unit of the engine.
constexpr const char* unite_i = "\xEE";
// Parts are drawn in -5..4.
constexpr int partie_min = -5;
constexpr int partie_max_exclue = 5;
// Both axes of the complex plane run over -5..5 and cross at the centre.
constexpr double borne_plan = 5;
constexpr double milieu_pourcentage = 50;

// a + b*i, as the engine writes it, a negative b*i subtracted.
std::string nombre_complexe(const std::string& a, const std::string& b) {
  return somme_lisible(a, operation_ordonnee(b, unite_i, "*"), "+");
}

// Parts drawn together again while any of them is 0.
std::vector<std::string> parties_non_nulles(ContexteGenerateur& contexte, std::size_t nombre) {
  std::vector<int> tirees(nombre, 0);
  auto une_nulle = [&tirees] {
    for (const int p : tirees)
      if (p == 0) return true;
    return false;
  };
  while (une_nulle())
    for (int& p : tirees) p = RandomRange(contexte, partie_min, partie_max_exclue);
  std::vector<std::string> textes;
  for (const int p : tirees) textes.push_back(texte_entier(p));
  return textes;
}

// z / z' from four non-zero parts.
std::string quotient_tire(ContexteGenerateur& contexte) {
  const std::vector<std::string> p = parties_non_nulles(contexte, 4);
  return operation_ordonnee(nombre_complexe(p[0], p[1]), nombre_complexe(p[2], p[3]), "/");
}

std::string partie(const std::optional<std::string>& valeur) { return valeur.value_or(std::string{}); }

void question_saisie(ContexteGenerateur& contexte, const std::string& modele, const std::string& nombre,
                     const std::string& reponse) {
  contexte.presentateur.poser_question_saisie(Format(modele, {nombre}), reponse, "{" + reponse + "}");
}

}  // namespace

void exercice_1701(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::string z = quotient_tire(contexte);
  const complexe c(z);
  const std::string reponse = nombre_complexe(partie(c.partie_reelle()), partie(c.partie_imaginaire()));
  question_saisie(contexte, contexte.textes.enonce_ecrire_sous_forme_7, z, reponse);
}

void exercice_1702(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::string z = quotient_tire(contexte);
  question_saisie(contexte, contexte.textes.enonce_calculez_partie_reelle, z, partie(complexe(z).partie_reelle()));
}

void exercice_1703(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::string z = quotient_tire(contexte);
  question_saisie(contexte, contexte.textes.enonce_calculez_partie_imaginaire, z,
                  partie(complexe(z).partie_imaginaire()));
}

void exercice_1704(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::vector<std::string> p = parties_non_nulles(contexte, 4);
  const std::string z = nombre_complexe(p[0], p[1]);
  question_saisie(contexte, contexte.textes.enonce_calculez_conjugue_nombre, z, partie(complexe(z).conjugue()));
}

void exercice_1705(ContexteGenerateur& contexte) {
  constexpr std::array<const char*, 3> operateurs = {"+", "-", "*"};
  contexte.presentateur.preparer_exercice();
  const std::string op = operateurs[static_cast<std::size_t>(Random(contexte, static_cast<int>(operateurs.size())))];
  const std::vector<std::string> p = parties_non_nulles(contexte, 4);
  const std::string z = nombre_complexe(p[0], p[1]);
  const std::string z_prime = nombre_complexe(p[2], p[3]);
  const std::string reponse = complexe(operation_ordonnee(z, z_prime, op)).forme_algebrique();
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_pose_caluler, {z, z_prime, op}),
                                              reponse, "{" + reponse + "}");
}

void exercice_1706(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::vector<std::string> p = parties_non_nulles(contexte, 2);
  const std::string z = nombre_complexe(p[0], p[1]);
  question_saisie(contexte, contexte.textes.enonce_calculez_partie_imaginaire, z,
                  partie(complexe(z).partie_imaginaire()));
}

void exercice_1707(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::vector<std::string> p = parties_non_nulles(contexte, 2);
  const std::string z = nombre_complexe(p[0], p[1]);
  question_saisie(contexte, contexte.textes.enonce_calculez_partie_reelle, z, partie(complexe(z).partie_reelle()));
}

void exercice_1708(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::string x = texte_entier(RandomRange(contexte, partie_min, partie_max_exclue));
  const std::string y = texte_entier(RandomRange(contexte, partie_min, partie_max_exclue));
  GraphiqueExercice& g = contexte.graphique;
  g.SetVisible(true);
  g.RemoveAllSeries();
  g.NewPointSeries();
  for (const Axe axe : {Axe::gauche, Axe::bas}) {
    g.SetGridVisible(axe, true);
    g.SetPositionPercent(axe, milieu_pourcentage);
    g.SetMinMax(axe, -borne_plan, borne_plan);
    g.SetAutomatic(axe, false);
  }
  g.SetVisible(Axe::gauche, true);
  g.SetEnabled(true);
  const auto& t = contexte.textes;
  contexte.presentateur.poser_question(Format(t.enonce_representez_plan_complexe, {nombre_complexe(x, y)}),
                                       Format("T[%s];T[%s]", {t.txt_abscisse, t.txt_ordonnee}), {x, y},
                                       x + ";" + y, true);
  contexte.presentateur.masquer_saisie();
}

void enregistrer_terminale() {
  enregistrer_generateur("1701", &exercice_1701);
  enregistrer_generateur("1702", &exercice_1702);
  enregistrer_generateur("1703", &exercice_1703);
  enregistrer_generateur("1704", &exercice_1704);
  enregistrer_generateur("1705", &exercice_1705);
  enregistrer_generateur("1706", &exercice_1706);
  enregistrer_generateur("1707", &exercice_1707);
  enregistrer_generateur("1708", &exercice_1708);
}
