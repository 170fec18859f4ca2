#include "exercises/verification.h"

#include <optional>

#include "engine/comparaison.h"
#include "engine/primitives.h"
#include "engine/syntaxe.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/comptes.h"
#include "exercises/ecran_exercices.h"
#include "exercises/etat_exercice.h"
#include "exercises/presentateur.h"
#include "localisation/catalogue.h"
#include "localisation/chrono.h"
#include "localisation/format.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "localisation/textes_fixes.h"
#include "platform/ini/fichier_ini.h"

namespace {

constexpr std::string_view section_score = "Utilisateur";
constexpr std::string_view cle_bonnes = "nb_bonne_reponse";
constexpr std::string_view cle_total = "nb_total_reponse";

constexpr std::string_view prefixe_saut = "exo";
constexpr std::size_t debut_code_saut = 4;     // the fourth character is a separator
constexpr std::size_t longueur_code_saut = 4;
constexpr int decimales_courtes = 4;

bool drapeau(const std::vector<bool>& trouvees, std::size_t i) { return i < trouvees.size() && trouvees[i]; }

// The entries the random choice may start: enabled, with a generator.
std::vector<int> entrees_tirables() {
  std::vector<int> tirables;
  for (const int i : exercices_selectionnes) {
    if (i >= 0 && i < exercices.taille() && exercices.generateur[static_cast<std::size_t>(i)] != nullptr) {
      tirables.push_back(i);
    }
  }
  return tirables;
}

// Whether a given answer is equivalent to an expected one: a list's item as
// text (compare_reponse would read "<" and ">" as algebra), a typed answer
// through compare_reponse.
struct Comparateur {
  const std::vector<std::string>& donnees;
  const std::vector<bool>& choix;  // one flag per given answer; missing: typed
  const std::string& forme;

  bool egales(const std::string& attendue, std::size_t j) const {
    if (j < choix.size() && choix[j]) return attendue == donnees[j];
    return compare_reponse(attendue, donnees[j], forme);
  }
  // The first given answer from `debut` on equivalent to `attendue`, or -1.
  int premier_equivalent(const std::string& attendue, std::size_t debut) const {
    for (std::size_t j = debut; j < donnees.size(); ++j) {
      if (egales(attendue, j)) return static_cast<int>(j);
    }
    return -1;
  }
};

// The matching of one expected answer in any order: the position of a given
// answer equivalent to it and not yet taken, or -1; `epuise` tells that the
// search ran past the last given answer.
int chercher_libre(const std::string& attendue, const Comparateur& comparateur, const std::vector<bool>& trouvees,
                   bool& epuise) {
  epuise = false;
  std::size_t debut = 0;
  while (debut < comparateur.donnees.size()) {
    const int p = comparateur.premier_equivalent(attendue, debut);
    if (p < 0) return -1;
    if (!trouvees[static_cast<std::size_t>(p)]) return p;
    debut = static_cast<std::size_t>(p) + 1;
  }
  epuise = true;
  return -1;
}

// The code of a jump text ("exo-1411"), when it names a catalogue entry:
// that entry's index.
std::optional<int> entree_du_saut(const std::string& texte) {
  if (texte.compare(0, prefixe_saut.size(), prefixe_saut) != 0) return std::nullopt;
  if (texte.size() <= debut_code_saut) return std::nullopt;
  const std::optional<std::int32_t> code = lire_entier32(texte.substr(debut_code_saut, longueur_code_saut));
  if (!code) return std::nullopt;
  const int indice = exercices.indice_du_code(*code);
  if (indice < 0) return std::nullopt;
  return indice;
}

std::vector<std::string> reponses_donnees() {
  std::vector<std::string> donnees;
  for (std::size_t i = 0; i < creneaux_reponse.size(); ++i) {
    const std::string texte = ecran_exercices().texte_controle(static_cast<int>(i));
    donnees.push_back(creneaux_reponse[i].genre == Egenre_reponse::saisie ? normalise_saisie(texte) : texte);
  }
  return donnees;
}

void normaliser_saisies() {
  EcranExercices& ecran = ecran_exercices();
  for (std::size_t i = 0; i < creneaux_reponse.size(); ++i) {
    if (creneaux_reponse[i].genre != Egenre_reponse::saisie) continue;
    const int c = static_cast<int>(i);
    ecran.definir_texte_controle(c, normaliser_reponse(ecran.texte_controle(c)));
  }
}

bool reponse_graphique_vide(const std::vector<std::string>& donnees) {
  const EcranExercices& ecran = ecran_exercices();
  return ecran.graphe_visible() && !ecran.saisie_visible() && (donnees.empty() || donnees.front().empty());
}

// A number is expected and the first answer is no number: not judged, unless
// the answer was found right (a form of the number such as "2+2").
bool estimer_jugeable(const std::vector<std::string>& attendues, const std::vector<std::string>& donnees) {
  if (reponse_graphique_vide(donnees)) return false;
  if (donnees.empty() || donnees.front().empty() || reponse_correcte) return true;
  return !(est_nombre(attendues.front()) && !est_nombre(donnees.front()));
}

std::string ligne_fausse(const std::string& saisies, bool reponse_en_place) {
  if (!saisies.empty() && saisies != "{}" && !reponse_en_place) {
    return Format(catalogue_textes.txt_faux_avez_repondu, {saisies, correction});
  }
  return Format(catalogue_textes.txt_bonne_reponse_etait, {correction});
}

// The right answers' colours; true when one of them could be simpler.
bool colorer_justes(const std::vector<std::string>& attendues, const std::vector<std::string>& donnees) {
  const bool plus_long = longueur_totale(donnees) > longueur_totale(attendues);
  bool simplifiable = false;
  for (std::size_t i = 0; i < creneaux_reponse.size(); ++i) {
    const bool long_ici = plus_long && i < attendues.size() && i < donnees.size() &&
                          donnees[i].size() > attendues[i].size();
    simplifiable = simplifiable || long_ici;
    const bool saisie = creneaux_reponse[i].genre == Egenre_reponse::saisie;
    if (long_ici && !saisie) continue;
    ecran_exercices().colorer_controle(static_cast<int>(i), long_ici ? couleur_simplifiable : couleur_juste);
  }
  return simplifiable;
}

void colorer_fausses(const std::vector<bool>& trouvees) {
  for (std::size_t i = 0; i < creneaux_reponse.size(); ++i) {
    ecran_exercices().colorer_controle(static_cast<int>(i), drapeau(trouvees, i) ? couleur_juste : couleur_fausse);
  }
}

void rendre_verdict(const std::vector<std::string>& attendues, const std::vector<std::string>& donnees,
                    const std::vector<bool>& trouvees) {
  EcranExercices& ecran = ecran_exercices();
  ecran.activer_bouton_commencer(true);
  ecran.activer_bouton_recommencer(true);
  exercice_en_cours = false;
  const std::string saisies = reponses_saisies();
  bool en_place = false;
  if (creneaux_reponse.size() == 1 && a_place_reponse(texte_exercice)) {
    const std::string texte = ecran.texte_controle(0);
    en_place = !texte.empty();
    if (en_place) texte_exercice = reponse_en_place(texte_exercice, texte);
  }
  const std::string verdict =
      reponse_correcte ? catalogue_textes.txt_bravo_bonne_reponse : ligne_fausse(saisies, en_place);
  texte_exercice += "<BR><BR>" + verdict + "<BR><BR><P ALIGN=LEFT><A HREF=4>" + catalogue_textes.txt_continuer +
                    "</A>     <A HREF=5>" + catalogue_textes.txt_recommencer + "</A></P>";
  if (reponse_correcte) {
    if (colorer_justes(attendues, donnees)) {
      texte_exercice += Format(catalogue_textes.txt_cepandant_resultat_aurait, {correction});
    }
    ecran.dessiner_exercice(texte_exercice);
    compter_bonne_reponse();
  } else {
    ecran.dessiner_exercice(texte_exercice);
    compter_mauvaise_reponse();
    colorer_fausses(trouvees);
  }
}

// Adds to the open account's score and shows it.
void ajouter_au_score(int bonnes, int total) {
  int b = 0;
  int t = 0;
  if (!fichier_compte.empty()) {
    Tfichier_ini fichier(fichier_compte);
    b = fichier.lire_entier(section_score, cle_bonnes, 0) + bonnes;
    t = fichier.lire_entier(section_score, cle_total, 0) + total;
    if (bonnes != 0 || total != 0) {
      Tlot_ini lot(fichier);
      fichier.ecrire_entier(section_score, cle_bonnes, b);
      fichier.ecrire_entier(section_score, cle_total, t);
    }
  }
  ecran_exercices().afficher_barre_score(b, t);
}

void lancer(int indice) {
  EcranExercices& ecran = ecran_exercices();
  ecran.activer_bouton_commencer(false);
  ecran.activer_bouton_recommencer(false);
  exercice_en_cours = true;
  if (choisir_exercice(indice) >= 0) return;
  exercice_en_cours = false;
  ecran.activer_bouton_commencer(true);
}

}  // namespace

int choisir_exercice(int indice) {
  if (exercices_selectionnes.empty()) ecran_exercices().Agestion_exerciceExecute();
  if (indice == -1) {
    const std::vector<int> tirables = entrees_tirables();
    if (tirables.empty()) return -1;
    indice = tirables[static_cast<std::size_t>(source_programme().Random(static_cast<int>(tirables.size())))];
  }
  if (indice < 0 || indice >= exercices.taille()) return -1;
  const auto k = static_cast<std::size_t>(indice);
  const Tgenerateur generateur = exercices.generateur[k];
  if (generateur == nullptr) return -1;
  std::string theme = exercices.theme[k];
  if (mode_test) theme += " :" + texte_entier(exercices.code[k]);
  titre_exercice = "<P ALIGN=CENTER><U>" + theme + "</U></P>";
  exercice_courant = indice;
  ContexteGenerateur contexte{source_programme(), presentateur_courant(), exercices};
  generateur(contexte);
  return indice;
}

std::string normaliser_reponse(const std::string& texte) {
  std::string resultat;
  for (const char c : texte) {
    if (c == ' ') continue;
    resultat += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return resultat;
}

int longueur_totale(const std::vector<std::string>& liste) {
  std::size_t somme = 0;
  for (const std::string& t : liste) somme += t.size();
  return static_cast<int>(somme);
}

bool decimal_court(const std::string& texte) {
  const std::optional<double> valeur = lire_nombre(texte);
  if (!valeur) return false;
  const std::string nombre = texte_nombre(*valeur);
  const std::size_t marque = nombre.find('E');
  const std::string mantisse = nombre.substr(0, marque);
  const std::size_t point = mantisse.find('.');
  int decimales = point == std::string::npos ? 0 : static_cast<int>(mantisse.size() - point - 1);
  if (marque != std::string::npos) {
    const std::optional<std::int32_t> exposant = lire_entier32(nombre.substr(marque + 1));
    if (!exposant) return false;
    decimales -= *exposant;
  }
  return decimales > 0 && decimales <= decimales_courtes;
}

int trouve_equivalent(const std::string& attendue, const std::vector<std::string>& liste, const std::string& forme) {
  const std::vector<bool> saisies;
  return Comparateur{liste, saisies, forme}.premier_equivalent(attendue, 0);
}

bool verifier_reponses(const std::vector<std::string>& attendues, const std::vector<std::string>& donnees,
                       bool ordonnees, std::vector<bool>& trouvees, const std::string& forme,
                       const std::vector<bool>& choix) {
  trouvees.assign(attendues.size(), false);
  if (attendues.size() != donnees.size()) return false;
  const Comparateur comparateur{donnees, choix, forme};
  if (ordonnees) {
    bool resultat = true;
    for (std::size_t i = 0; i < attendues.size(); ++i) {
      trouvees[i] = comparateur.egales(attendues[i], i);
      resultat = resultat && trouvees[i];
    }
    return resultat;
  }
  bool resultat = false;
  for (std::size_t k = 0; k < attendues.size(); ++k) {
    bool epuise = false;
    const int p = chercher_libre(attendues[k], comparateur, trouvees, epuise);
    if (p >= 0) {
      trouvees[static_cast<std::size_t>(p)] = true;
      if (k == 0) resultat = true;
      continue;
    }
    resultat = false;
    if (epuise) break;
  }
  return resultat;
}

void valider_reponses() {
  EcranExercices& ecran = ecran_exercices();
  normaliser_saisies();
  if (!creneaux_reponse.empty() && creneaux_reponse.front().genre == Egenre_reponse::saisie) {
    if (const std::optional<int> entree = entree_du_saut(ecran.texte_controle(0))) {
      exercice_courant = *entree;
      ecran.TBrecommencerClick();
      return;
    }
  }
  if (reponses_attendues.empty()) return;
  std::vector<bool> trouvees(creneaux_reponse.size(), false);
  const std::vector<std::string> attendues = reponses_attendues;
  const std::vector<std::string> donnees = reponses_donnees();
  std::vector<bool> choix;
  for (const Tcreneau_reponse& c : creneaux_reponse) choix.push_back(c.genre == Egenre_reponse::choix);
  reponse_correcte = !attendues.front().empty() &&
                     verifier_reponses(attendues, donnees, reponses_ordonnees, trouvees, forme_reponse, choix);
  jugeable = estimer_jugeable(attendues, donnees);
  if (ecran.bouton_commencer_actif()) return;
  if (!jugeable) {
    affiche_message(ecran.graphe_visible() && !ecran.saisie_visible() ? catalogue_textes.txt_devez_selectionner_point
                                                                      : catalogue_textes.txt_reponse_attendue_nombre);
    return;
  }
  rendre_verdict(attendues, donnees, trouvees);
}

std::string legende_score(int total) { return Format(textes_fixes().legende_score, {total}); }

void afficher_score() { ajouter_au_score(0, 0); }

void compter_bonne_reponse() { ajouter_au_score(1, 1); }

void compter_mauvaise_reponse() { ajouter_au_score(0, 1); }

void commencer_exercice() { lancer(-1); }

void recommencer_exercice() {
  if (exercice_courant >= 0) lancer(exercice_courant);
}
