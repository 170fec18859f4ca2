#include "exercises/generateurs/niveau_6.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/decimal_exact.h"
#include "exercises/generateurs/outils.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

using Axe = GraphiqueExercice::Axe;

constexpr const char* points_reponse = "...";
constexpr const char* format_deux_libelles = "T[%s];T[%s]";
// The colour of the point to read (0x00BBGGRR).
constexpr std::uint32_t couleur_verte = 0x008000;
constexpr int largeur_point = 2;
// Both axes of the chart exercises run over 0..10.
constexpr double borne_axes = 10;
// The number line's axis crosses the chart at half its height.
constexpr double milieu_pourcentage = 50;
// Three decimals: the decimal part of 1114 is drawn in thousandths.
constexpr int milliemes = 3;
constexpr int mille = 1000;
// 1114 sets the decimal part to 0 strictly between these thousandths.
constexpr int part_basse = 300;
constexpr int part_haute = 700;
// 1117's numbers have five decimals, their decimal part at least 0.5.
constexpr int decimales_1117 = 5;
constexpr int cent_mille = 100000;
constexpr int demi_cent_mille = 50000;

std::string entier(std::int64_t n) { return texte_entier(n); }

std::string deux_libelles(const std::string& premier, const std::string& second) {
  return Format(format_deux_libelles, {premier, second});
}

std::string joindre(const std::string& a, const std::string& b) { return a + ";" + b; }

// Both axes from 0 to 10, fixed.
void bornes_fixes(GraphiqueExercice& g) {
  for (const Axe axe : {Axe::gauche, Axe::bas}) {
    g.SetMinMax(axe, 0, borne_axes);
    g.SetAutomatic(axe, false);
  }
}

// The operators of 1112 and whether one gives c from a and b.
constexpr std::array<const char*, 4> operateurs_1112 = {"+", "-", "*", ":"};

bool operateur_donne(int k, int a, int b, int c) {
  switch (k) {
    case 0: return a + b == c;
    case 1: return a - b == c;
    case 2: return a * b == c;
    default: return b != 0 && a % b == 0 && a / b == c;
  }
}

int operateurs_qui_donnent(int a, int b, int c) {
  int n = 0;
  for (int k = 0; k < static_cast<int>(operateurs_1112.size()); ++k) n += operateur_donne(k, a, b, c) ? 1 : 0;
  return n;
}

// The units of 1122 by index: lengths 4..10 and areas 0..6, smallest first.
constexpr int limite_aires = 7;
constexpr int limite_longueurs = 11;
constexpr int premiere_longueur = 4;
constexpr int unites_par_famille = 7;
constexpr int pas_maximal = 3;

const std::string& nom_unite(const Tcatalogue_textes& t, bool aire, int indice) {
  const std::array<const std::string*, unites_par_famille> longueurs = {
      &t.unite_millimetres, &t.unite_centimetres, &t.unite_decimetres, &t.unite_metres,
      &t.unite_decametres,  &t.unite_hectometres, &t.unite_kilometres};
  const std::array<const std::string*, unites_par_famille> aires = {
      &t.unite_millimetres_carres, &t.unite_centimetres_carres, &t.unite_decimetres_carres,
      &t.unite_metres_carres,      &t.unite_decametres_carres,  &t.unite_hectometres_carres,
      &t.unite_kilometres_carres};
  return aire ? *aires.at(static_cast<std::size_t>(indice))
              : *longueurs.at(static_cast<std::size_t>(indice - premiere_longueur));
}

// The text of an exact result; these draws stay far from the 64-bit limits,
// so the empty text (an overflow) never comes out.
std::string texte_exact(const std::optional<DecimalExact>& d) { return d ? d->texte() : std::string{}; }

}  // namespace

void exercice_1111(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, mille);
  int b = Random(contexte, mille);
  while (b == a) b = Random(contexte, mille);
  const std::string signe = a > b ? ">" : "<";
  const std::string question = Format(contexte.textes.enonce_comparez_nombres, {a, points_reponse, b});
  contexte.presentateur.poser_question_choix(question, {"<", ">"}, signe, entier(a) + signe + entier(b));
}

void exercice_1112(ContexteGenerateur& contexte) {
  constexpr int plus_petit = 2;
  constexpr int plus_grand_exclu = 10;
  contexte.presentateur.preparer_exercice();
  int a = 0;
  int b = 0;
  int c = 0;
  int k = 0;
  do {
    a = RandomRange(contexte, plus_petit, plus_grand_exclu);
    b = RandomRange(contexte, plus_petit, plus_grand_exclu);
    k = Random(contexte, static_cast<int>(operateurs_1112.size()));
    switch (k) {
      case 0: c = a + b; break;
      case 1:
        if (a < b) std::swap(a, b);
        c = a - b;
        break;
      case 2: c = a * b; break;
      default:
        c = a;
        a = b * c;
        break;
    }
  } while (operateurs_qui_donnent(a, b, c) > 1);
  const std::string op = operateurs_1112[static_cast<std::size_t>(k)];
  const std::string question = Format(contexte.textes.enonce_quel_signe_manquant, {a, points_reponse, b, c});
  const std::vector<std::string> choix(operateurs_1112.begin(), operateurs_1112.end());
  contexte.presentateur.poser_question_choix(question, choix, op, "{" + entier(a) + op + entier(b) + "}=" + entier(c));
}

void exercice_1113(ContexteGenerateur& contexte) {
  constexpr int dix = 10;
  contexte.presentateur.preparer_exercice();
  const int a = RandomRange(contexte, 1, dix);
  const int b = RandomRange(contexte, 1, dix);
  const std::string reponse = entier(a * b);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_quel_resultat, {dix * a, dix * b}),
                                              reponse, reponse);
}

void exercice_1114(ContexteGenerateur& contexte) {
  constexpr int puissance_min = -3;
  constexpr int puissance_max_exclue = 3;
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, mille);
  int f = Random(contexte, mille + 1);
  if (f > part_basse && f < part_haute) f = 0;
  int k = 0;
  while (k == 0) k = RandomRange(contexte, puissance_min, puissance_max_exclue);
  const DecimalExact x(static_cast<std::int64_t>(a) * mille + f, -milliemes);
  const std::string reponse = texte_exact(x.fois_puissance_dix(k));
  const double puissance = DecimalExact(1, k).valeur();
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_quel_resultat_produit, {x.valeur(), puissance}), reponse, reponse);
}

void exercice_1115(ContexteGenerateur& contexte) {
  constexpr int borne = 1001;
  constexpr int borne_produit = 100;
  constexpr std::array<const char*, 3> operateurs = {"+", "-", "*"};
  contexte.presentateur.preparer_exercice();
  int a = Random(contexte, borne);
  int b = Random(contexte, borne);
  while (a < b) b = Random(contexte, borne);
  const int k = Random(contexte, static_cast<int>(operateurs.size()));
  if (k == 2) {
    a = Random(contexte, borne_produit);
    b = Random(contexte, borne_produit);
  }
  const int resultat = k == 0 ? a + b : (k == 1 ? a - b : a * b);
  const std::string operation = entier(a) + operateurs[static_cast<std::size_t>(k)] + entier(b);
  const std::string reponse = entier(resultat);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_quel_resultat_operation, {operation}),
                                              reponse, reponse);
}

void exercice_1116(ContexteGenerateur& contexte) {
  constexpr int borne_diviseur = 100;
  contexte.presentateur.preparer_exercice();
  int a = 0;
  int b = 0;
  do {
    a = Random(contexte, mille);
    b = Random(contexte, borne_diviseur) + 1;
  } while (a < b);
  const std::string q = entier(a / b);
  const std::string r = entier(a % b);
  const auto& t = contexte.textes;
  contexte.presentateur.poser_question(Format(t.enonce_calculer_quotient_reste, {a, b}),
                                       deux_libelles(t.txt_quotient, t.txt_reste), {q, r}, joindre(q, r), true);
}

void exercice_1117(ContexteGenerateur& contexte) {
  constexpr int choix_decimales = 5;
  constexpr int borne_entiere = 100;
  contexte.presentateur.preparer_exercice();
  const int k = Random(contexte, choix_decimales);
  const int n = Random(contexte, borne_entiere);
  const int m = RandomRange(contexte, demi_cent_mille, cent_mille);
  const DecimalExact x(static_cast<std::int64_t>(n) * cent_mille + m, -decimales_1117);
  const std::string reponse = texte_exact(x.arrondi(k));
  const auto& t = contexte.textes;
  std::string question;
  if (k == 0) {
    question = Format(t.enonce_arrondir_nombre_entier, {x.valeur()});
  } else if (k == 1) {
    question = Format(t.enonce_arrondir_chiffre_apres, {x.valeur()});
  } else {
    question = Format(t.enonce_donnez_arrondi_chiffres, {k, x.valeur()});
  }
  contexte.presentateur.poser_question_saisie(question, reponse, reponse);
}

void exercice_1118(ContexteGenerateur& contexte) {
  constexpr int positions = 11;
  contexte.presentateur.preparer_exercice();
  const int x = Random(contexte, positions);
  GraphiqueExercice& g = contexte.graphique;
  g.RemoveAllSeries();
  g.SetVisible(Axe::gauche, false);
  g.NewLineSeries();
  g.SetPositionPercent(Axe::bas, milieu_pourcentage);
  g.SetGridVisible(Axe::gauche, false);
  g.SetGridVisible(Axe::bas, false);
  bornes_fixes(g);
  g.SetVisible(true);
  g.SetEnabled(true);
  const std::string reponse = entier(x);
  contexte.presentateur.poser_question_simple(Format(contexte.textes.enonce_cliquez_point_abscisse, {x}), reponse,
                                              reponse);
}

void exercice_1119(ContexteGenerateur& contexte) {
  constexpr int borne = 11;
  constexpr std::array<const char*, 3> operateurs = {"+", "-", "*"};
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, borne) + 1;
  int b = Random(contexte, borne) + 1;
  while (a < b) b = Random(contexte, borne) + 1;
  const int k = Random(contexte, static_cast<int>(operateurs.size()));
  const bool cache_a = Random(contexte, 2) == 0;
  const std::string op = operateurs[static_cast<std::size_t>(k)];
  const int c = k == 0 ? a + b : (k == 1 ? a - b : a * b);
  const std::string texte = cache_a ? points_reponse + op + entier(b) : entier(a) + op + points_reponse;
  const std::string reponse = entier(cache_a ? a : b);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_quel_nombre_manquant, {texte, c}),
                                              reponse, Format("%d%s%d=%d", {a, op, b, c}));
}

void exercice_1120(ContexteGenerateur& contexte) {
  constexpr int borne = 100;
  contexte.presentateur.preparer_exercice();
  const int longueur = Random(contexte, borne) + 1;
  const int largeur = Random(contexte, borne) + 1;
  const bool aire = Random(contexte, 2) == 0;
  const bool carre = longueur == largeur;
  const auto& t = contexte.textes;
  std::string question;
  if (aire) {
    question = carre ? Format(t.enonce_aire_carre_donnee, {longueur})
                     : Format(t.enonce_aire_rectangle_donnee, {longueur, largeur});
  } else {
    question = carre ? Format(t.enonce_perimetre_carre_donne, {longueur})
                     : Format(t.enonce_perimetre_rectangle_donne, {longueur, largeur});
  }
  const std::string reponse = entier(aire ? longueur * largeur : (longueur + largeur) * 2);
  contexte.presentateur.poser_question_saisie(question, reponse, reponse);
}

void exercice_1121(ContexteGenerateur& contexte) {
  constexpr int positions = 10;
  contexte.presentateur.preparer_exercice();
  const bool lire = Random(contexte, 2) == 0;
  const int x = Random(contexte, positions);
  const int y = Random(contexte, positions);
  GraphiqueExercice& g = contexte.graphique;
  g.SetVisible(true);
  g.RemoveAllSeries();
  const int serie = g.NewPointSeries();
  for (const Axe axe : {Axe::gauche, Axe::bas}) {
    g.SetGridVisible(axe, true);
    g.SetPositionPercent(axe, 0);
  }
  g.SetVisible(Axe::gauche, true);
  bornes_fixes(g);
  const auto& t = contexte.textes;
  const std::string format = deux_libelles(t.txt_abscisse, t.txt_ordonnee);
  const std::vector<std::string> reponses = {entier(x), entier(y)};
  const std::string correction = joindre(reponses[0], reponses[1]);
  if (lire) {
    g.AddXY(serie, x, y);
    g.SetPenColor(serie, couleur_verte);
    g.SetPenWidth(serie, largeur_point);
    contexte.presentateur.poser_question(t.enonce_quelles_sont_coordonnees, format, reponses, correction, true);
    return;
  }
  g.SetEnabled(true);
  contexte.presentateur.poser_question(Format(t.enonce_placez_point_coordonnees, {x, y}), format, reponses,
                                       correction, true);
  contexte.presentateur.masquer_saisie();
}

void exercice_1122(ContexteGenerateur& contexte) {
  constexpr int borne_nombre = 10;
  contexte.presentateur.preparer_exercice();
  const int n = Random(contexte, borne_nombre) + 1;
  const bool aire = Random(contexte, 2) == 0;
  const int i = Random(contexte, unites_par_famille) + (aire ? 0 : premiere_longueur);
  const int limite = aire ? limite_aires : limite_longueurs;
  const int pas = Random(contexte, pas_maximal) + 1;
  const int j = i + pas_maximal >= limite ? i - pas : i + pas;
  // One step is a factor 10 for lengths, 100 for areas.
  const int chiffres_par_pas = aire ? 2 : 1;
  const std::string reponse = texte_exact(DecimalExact(n).fois_puissance_dix(chiffres_par_pas * (j - i)));
  const auto& t = contexte.textes;
  contexte.presentateur.poser_question_saisie(
      Format(t.enonce_convertir, {nom_unite(t, aire, i), n, nom_unite(t, aire, j)}), reponse, reponse);
}

void enregistrer_niveau_6() {
  enregistrer_generateur("1111", &exercice_1111);
  enregistrer_generateur("1112", &exercice_1112);
  enregistrer_generateur("1113", &exercice_1113);
  enregistrer_generateur("1114", &exercice_1114);
  enregistrer_generateur("1115", &exercice_1115);
  enregistrer_generateur("1116", &exercice_1116);
  enregistrer_generateur("1117", &exercice_1117);
  enregistrer_generateur("1118", &exercice_1118);
  enregistrer_generateur("1119", &exercice_1119);
  enregistrer_generateur("1120", &exercice_1120);
  enregistrer_generateur("1121", &exercice_1121);
  enregistrer_generateur("1122", &exercice_1122);
}
