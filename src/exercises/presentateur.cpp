#include "exercises/presentateur.h"

#include "engine/decoupage.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/ecran_exercices.h"
#include "exercises/hasard.h"
#include "exercises/verification.h"
#include "localisation/catalogue.h"

namespace {

constexpr std::string_view points_suspension = "...";
constexpr std::string_view paire_libelle = "[]";
constexpr std::string_view paire_elements = "()";

Tcreneau_reponse lire_creneau(const std::string& creneau) {
  Tcreneau_reponse c;
  c.genre = !creneau.empty() && creneau.front() == 'T' ? Egenre_reponse::saisie : Egenre_reponse::choix;
  c.libelle = texte_entre(creneau, paire_libelle);
  if (c.libelle.empty()) c.libelle = catalogue_textes.txt_reponse_2;
  if (c.genre == Egenre_reponse::choix) c.elements = decoupe(texte_entre(creneau, paire_elements), ';');
  return c;
}

bool entree_a_aide(int indice) {
  return indice >= 0 && indice < exercices.taille() && !exercices.aide[static_cast<std::size_t>(indice)].empty();
}

std::string page_enoncee(const std::string& question) {
  const std::string corps = "<BR>" + titre_exercice + "<BR><BR>" + question;
  if (!entree_a_aide(exercice_courant)) return corps;
  return "<P ALIGN=RIGHT><A HREF=3>" + ecran_exercices().libelle_aide() + "</A></P>" + corps;
}

}  // namespace

std::string reponse_en_place(const std::string& page, const std::string& reponse) {
  const std::string en_bleu = "<FONT COLOR=blue>" + reponse + "</FONT>";
  std::string resultat = page;
  for (std::size_t p = resultat.find(points_suspension); p != std::string::npos;
       p = resultat.find(points_suspension, p + en_bleu.size())) {
    resultat.replace(p, points_suspension.size(), en_bleu);
  }
  return resultat;
}

bool a_place_reponse(const std::string& page) { return page.find(points_suspension) != std::string::npos; }

std::string texte_entre(const std::string& texte, std::string_view paire) {
  if (paire.size() < 2) return {};
  const std::size_t fin = texte.find(paire[1]);
  if (fin == std::string::npos) return {};
  const std::size_t debut = texte.find(paire[0]);
  if (debut == std::string::npos) return texte.substr(0, fin);
  if (fin <= debut) return {};
  return texte.substr(debut + 1, fin - debut - 1);
}

std::vector<Tcreneau_reponse> lire_format_reponse(const std::string& format) {
  std::vector<Tcreneau_reponse> creneaux;
  if (format.empty()) return creneaux;
  for (const std::string& creneau : decoupe(format, ';')) creneaux.push_back(lire_creneau(creneau));
  return creneaux;
}

void preparer_exercice() {
  Randomize();
  forme_reponse.clear();
  EcranExercices& ecran = ecran_exercices();
  ecran.activer_graphe(false);
  ecran.afficher_graphe(false);
  GraphiqueExercice& graphique = graphique_programme();
  graphique.SetEnabled(false);
  graphique.SetVisible(false);
  ecran.afficher_valider(true);
  reponse_correcte = false;
  reponses_ordonnees = true;
}

void poser_question(const std::string& question, const std::string& format,
                    const std::vector<std::string>& reponses, const std::string& correction_donnee,
                    bool avec_saisie) {
  EcranExercices& ecran = ecran_exercices();
  ecran.afficher_saisie(avec_saisie);
  ecran.supprimer_controles_reponse();
  creneaux_reponse.clear();
  texte_exercice = page_enoncee(question);
  correction = correction_donnee;
  ecran.dessiner_exercice(texte_exercice);
  creneaux_reponse = lire_format_reponse(format);
  for (std::size_t i = 0; i < creneaux_reponse.size(); ++i) {
    ecran.creer_controle_reponse(static_cast<int>(i), creneaux_reponse[i]);
  }
  reponses_attendues = reponses;
  if (!creneaux_reponse.empty() && avec_saisie) ecran.focaliser_controle(0);
}

void poser_question_simple(const std::string& question, const std::string& reponse, const std::string& correction) {
  presentateur_courant().poser_question_simple(question, reponse, correction);
}

void poser_question_saisie(const std::string& question, const std::string& reponse, const std::string& correction) {
  presentateur_courant().poser_question_saisie(question, reponse, correction);
}

void poser_question_double(const std::string& question, const std::vector<std::string>& reponses,
                           const std::string& correction) {
  presentateur_courant().poser_question_double(question, reponses, correction);
}

void poser_question_choix(const std::string& question, const std::vector<std::string>& choix,
                          const std::string& reponse, const std::string& correction) {
  presentateur_courant().poser_question_choix(question, choix, reponse, correction);
}

std::string reponses_saisies() {
  std::string resultat;
  for (std::size_t i = 0; i < creneaux_reponse.size(); ++i) {
    const std::string texte = ecran_exercices().texte_controle(static_cast<int>(i));
    if (texte.empty()) continue;
    if (!resultat.empty()) resultat += ';';
    resultat += '{' + texte + '}';
  }
  return resultat;
}

bool touche_reponse(int creneau, char touche) {
  EcranExercices& ecran = ecran_exercices();
  if (touche == touche_copie) {
    ecran.copier_presse_papiers(texte_exercice);
    return true;
  }
  if (touche != touche_entree) return false;
  if (creneau + 1 < static_cast<int>(creneaux_reponse.size())) {
    ecran.focaliser_controle(creneau + 1);
  } else if (ecran.bouton_commencer_actif()) {
    ecran.AcommencerExecute();
  } else {
    valider_reponses();
  }
  return true;
}

void echo_saisie(int creneau) {
  if (texte_exercice.empty() || !exercice_en_cours) return;
  EcranExercices& ecran = ecran_exercices();
  const std::string saisies = reponses_saisies();
  if (saisies.empty()) {
    ecran.dessiner_exercice(texte_exercice);
  } else if (!a_place_reponse(texte_exercice)) {
    ecran.dessiner_exercice(texte_exercice + "<FONT COLOR=blue><BR><BR>" + catalogue_textes.txt_reponse + ":<BR>" +
                            saisies + "</FONT>");
  } else {
    ecran.dessiner_exercice(reponse_en_place(texte_exercice, ecran.texte_controle(creneau)));
  }
}

void echo_choix(int creneau) {
  EcranExercices& ecran = ecran_exercices();
  ecran.dessiner_exercice(reponse_en_place(texte_exercice, ecran.texte_controle(creneau)));
}

void afficher_page_aide(const std::string& texte, int pas) {
  EcranExercices& ecran = ecran_exercices();
  if (!ecran.aide_visible()) return;
  if (pas > 0) historique_aide.emplace_back();
  if (pas < 0 && !historique_aide.empty()) historique_aide.pop_back();
  if (historique_aide.empty()) historique_aide.emplace_back();
  std::string page = texte.empty() ? "<BR>" + catalogue_textes.txt_aucune_aide_disponible : texte;
  if (pas > 0) page = "<P ALIGN=RIGHT><A HREF=-1>" + catalogue_textes.txt_retour_exercice + "</A></P><BR><BR>" + page;
  historique_aide.back() = page;
  if (pas != 0 && historique_aide.size() > 1) {
    page = "<A HREF=-2>" + catalogue_textes.txt_page_precedente + "</A><BR><BR>" + page;
  }
  ecran.dessiner_aide(page);
  texte_aide = page;
}

void page_aide_precedente() {
  if (historique_aide.size() > 1) afficher_page_aide(historique_aide[historique_aide.size() - 2], -1);
}

void PresentateurCourant::preparer_exercice() { ::preparer_exercice(); }

void PresentateurCourant::poser_question(const std::string& question, const std::string& format,
                                         const std::vector<std::string>& reponses, const std::string& correction,
                                         bool avec_saisie) {
  ::poser_question(question, format, reponses, correction, avec_saisie);
}

void PresentateurCourant::definir_forme_reponse(const std::string& forme) { forme_reponse = forme; }

void PresentateurCourant::definir_reponses_ordonnees(bool ordonnees) { reponses_ordonnees = ordonnees; }

void PresentateurCourant::masquer_saisie() { ecran_exercices().afficher_saisie(false); }

Presentateur& presentateur_courant() {
  static PresentateurCourant presentateur;
  return presentateur;
}

SourceAleatoire& source_programme() {
  static SourceAleatoire source;
  return source;
}
