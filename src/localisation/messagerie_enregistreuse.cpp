#include "localisation/messagerie_enregistreuse.h"

void MessagerieEnregistreuse::message(const std::string& texte, bool boite_systeme) {
  journal.push_back({"message", texte, boite_systeme, TypeDialogue::information, bouton_ok});
}

int MessagerieEnregistreuse::question(const std::string& texte, TypeDialogue type, unsigned boutons,
                                      bool boite_systeme) {
  journal.push_back({"question", texte, boite_systeme, type, boutons});
  if (reponses.empty()) return reponse_par_defaut(boutons);
  const int reponse = reponses.front();
  reponses.pop_front();
  return reponse;
}

std::optional<std::string> MessagerieEnregistreuse::saisie(const std::string&, const std::string& invite,
                                                           const std::string& defaut) {
  journal.push_back({"saisie", invite, false, TypeDialogue::personnalise, 0});
  if (saisies.empty()) return defaut;
  auto reponse = saisies.front();
  saisies.pop_front();
  return reponse;
}

namespace {

template <class T>
std::optional<T> suivante(std::deque<std::optional<T>>& file) {
  if (file.empty()) return std::nullopt;
  auto reponse = file.front();
  file.pop_front();
  return reponse;
}

}  // namespace

std::optional<FichierChoisi> MessagerieEnregistreuse::fichier(const DemandeFichier& demande) {
  journal.push_back({"fichier", demande.titre, false, TypeDialogue::personnalise, 0});
  demande_fichier = demande;
  return suivante(fichiers);
}

std::optional<std::int32_t> MessagerieEnregistreuse::couleur(std::int32_t) {
  journal.push_back({"couleur", "", false, TypeDialogue::personnalise, 0});
  return suivante(couleurs);
}

int MessagerieEnregistreuse::fenetre_modale(const std::string& nom, const std::function<int()>&) {
  journal.push_back({"modale", nom, false, TypeDialogue::personnalise, 0});
  return modale ? modale(nom) : fenetre_annulee;
}

void MessagerieEnregistreuse::ouvrir(const std::string& adresse) {
  journal.push_back({"ouvrir", adresse, false, TypeDialogue::information, 0});
}

MessagerieDeTest::MessagerieDeTest() {
  auto enregistreuse = std::make_unique<MessagerieEnregistreuse>();
  enregistreuse_ = enregistreuse.get();
  precedente_ = installer_messagerie(std::move(enregistreuse));
}

MessagerieDeTest::~MessagerieDeTest() { installer_messagerie(std::move(precedente_)); }
