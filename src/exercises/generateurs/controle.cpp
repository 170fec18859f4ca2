#include "exercises/generateurs/controle.h"

#include <algorithm>
#include <cmath>

#include "engine/primitives.h"
#include "engine/syntaxe.h"
#include "exercises/presentateur.h"
#include "exercises/verification.h"
#include "localisation/nombres.h"

namespace {

constexpr double facteur_change = 1.5;

bool a_forme_exposant(const std::string& texte) {
  for (std::size_t i = 1; i + 1 < texte.size(); ++i) {
    if ((texte[i] != 'E' && texte[i] != 'e') || !(est_chiffre(texte[i - 1]) || texte[i - 1] == '.')) continue;
    const char suivant = texte[i + 1];
    if (est_chiffre(suivant) || ((suivant == '-' || suivant == '+') && i + 2 < texte.size() &&
                                 est_chiffre(texte[i + 2]))) {
      return true;
    }
  }
  return false;
}

// What the checker receives for a typed text, or an item chosen.
std::string tapee(const Tcreneau_reponse& creneau, const std::string& texte) {
  if (creneau.genre == Egenre_reponse::choix) return texte;
  return normalise_saisie(normaliser_reponse(texte));
}

bool tous_saisie(const std::vector<Tcreneau_reponse>& creneaux) {
  return std::all_of(creneaux.begin(), creneaux.end(),
                     [](const Tcreneau_reponse& c) { return c.genre == Egenre_reponse::saisie; });
}

void controler_texte(const std::string& enonce, std::vector<std::string>& fautes) {
  if (a_marque_format(enonce)) fautes.push_back("placeholder left in the statement");
  for (const char* interdit : {"erreur(", "INF", "NAN"}) {
    if (enonce.find(interdit) != std::string::npos) fautes.push_back(std::string("statement holds ") + interdit);
  }
  if (!accolades_fermees(enonce)) fautes.push_back("a \"{\" left open in the statement");
}

// A plus sign followed by a negative number ("+(-" or "+-") in a text a
// pupil reads: the sign belongs in front of the term.
void controler_signes(const std::string& quoi, const std::string& texte, std::vector<std::string>& fautes) {
  for (const char* interdit : {"+(-", "+-"}) {
    if (texte.find(interdit) != std::string::npos) fautes.push_back(quoi + " holds " + interdit + ": " + texte);
  }
}

void controler_reponses(const QuestionPosee& q, const std::vector<Tcreneau_reponse>& creneaux,
                        std::vector<std::string>& fautes) {
  if (creneaux.size() != q.reponses.size()) fautes.push_back("not one expected answer per slot");
  for (std::size_t i = 0; i < q.reponses.size(); ++i) {
    const std::string& r = q.reponses[i];
    if (r.empty()) fautes.push_back("empty expected answer");
    if (r.find("erreur(") != std::string::npos) fautes.push_back("error value expected: " + r);
    if (a_forme_exposant(r)) fautes.push_back("answer in exponent form: " + r);
    if (i < creneaux.size() && creneaux[i].genre == Egenre_reponse::choix) {
      const auto& el = creneaux[i].elements;
      if (std::find(el.begin(), el.end(), r) == el.end()) fautes.push_back("choice answer not among the items: " + r);
    }
  }
  if (q.correction.empty()) fautes.push_back("no correction");
  controler_signes("the statement", q.question, fautes);
  for (const std::string& r : q.reponses) controler_signes("an expected answer", r, fautes);
  controler_signes("the correction", q.correction, fautes);
}

// The right answers judged right (reversed too where order is free), and
// every changed answer judged wrong.
void controler_jugement(const ExerciceProduit& p, const QuestionPosee& q, const std::vector<Tcreneau_reponse>& creneaux,
                        std::vector<std::string>& fautes) {
  const auto& pr = p.presentateur;
  const std::vector<std::string>& r = q.reponses;
  if (!reponses_justes(q, r, pr.ordonnees, pr.forme)) fautes.push_back("the expected answers are judged wrong");
  if (!pr.ordonnees && tous_saisie(creneaux)) {
    const std::vector<std::string> inverse(r.rbegin(), r.rend());
    if (!reponses_justes(q, inverse, false, pr.forme)) fautes.push_back("the answers reversed are judged wrong");
  }
  for (std::size_t i = 0; i < r.size(); ++i) {
    std::vector<std::string> autres = r;
    if (creneaux[i].genre == Egenre_reponse::choix) {
      for (const std::string& item : creneaux[i].elements) {
        if (item == r[i]) continue;
        autres[i] = item;
        if (reponses_justes(q, autres, pr.ordonnees, pr.forme)) fautes.push_back("the item " + item + " is judged right");
      }
      continue;
    }
    autres[i] = reponse_changee(r[i]);
    if (autres[i] != r[i] && reponses_justes(q, autres, pr.ordonnees, pr.forme)) {
      fautes.push_back("the changed answer " + autres[i] + " is judged right");
    }
  }
  if (!pr.ordonnees || r.size() < 2 || !tous_saisie(creneaux)) return;
  for (std::size_t i = 1; i < r.size(); ++i) {
    if (r[i] == r[0]) continue;
    std::vector<std::string> echange = r;
    std::swap(echange[0], echange[i]);
    if (reponses_justes(q, echange, true, pr.forme)) fautes.push_back("two answers swapped are judged right");
    break;
  }
}

}  // namespace

bool a_marque_format(const std::string& texte) {
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] != '%') continue;
    std::size_t j = i + 1;
    while (j < texte.size() && (est_chiffre(texte[j]) || texte[j] == ':' || texte[j] == '.' || texte[j] == '-')) ++j;
    if (j < texte.size() && std::string_view("dsgfeunmpx").find(texte[j]) != std::string_view::npos) return true;
  }
  return false;
}

std::string reponse_changee(const std::string& reponse) {
  const auto valeur = lire_nombre(reponse);
  if (!valeur) return reponse;
  if (*valeur == std::floor(*valeur)) return texte_nombre(*valeur + 1);
  return texte_nombre(*valeur * facteur_change + 1);
}

bool reponses_justes(const QuestionPosee& question, const std::vector<std::string>& donnees, bool ordonnees,
                     const std::string& forme) {
  const std::vector<Tcreneau_reponse> creneaux = lire_format_reponse(question.format);
  if (creneaux.size() != donnees.size() || question.reponses.empty() || question.reponses.front().empty()) return false;
  std::vector<std::string> tapees;
  std::vector<bool> choix;
  for (std::size_t i = 0; i < donnees.size(); ++i) {
    tapees.push_back(tapee(creneaux[i], donnees[i]));
    choix.push_back(creneaux[i].genre == Egenre_reponse::choix);
  }
  std::vector<bool> trouvees(creneaux.size(), false);
  return verifier_reponses(question.reponses, tapees, ordonnees, trouvees, forme, choix);
}

std::vector<std::string> fautes_exercice(const ExerciceProduit& p) {
  std::vector<std::string> fautes;
  if (p.erreur) fautes.push_back("the run stopped: " + *p.erreur);
  if (p.tirages > tirages_maximum) fautes.push_back("more than 100000 draws");
  const auto& appels = p.presentateur.appels;
  if (appels.empty() || appels.front() != "preparer_exercice") fautes.push_back("preparer_exercice is not called first");
  if (std::count(appels.begin(), appels.end(), "poser_question") != 1 || p.presentateur.questions.size() != 1) {
    fautes.push_back("not one presenter call");
    return fautes;
  }
  const QuestionPosee& q = p.presentateur.questions.front();
  const std::vector<Tcreneau_reponse> creneaux = lire_format_reponse(q.format);
  controler_texte(q.question, fautes);
  controler_reponses(q, creneaux, fautes);
  if (fautes.empty()) controler_jugement(p, q, creneaux, fautes);
  return fautes;
}
