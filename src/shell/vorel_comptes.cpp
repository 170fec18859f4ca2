// The main window's account commands, and its exercise page as the account
// routines see it.
#include <QAction>
#include <QTabWidget>
#include <QToolButton>

#include "exercises/comptes.h"
#include "exercises/presentation.h"
#include "exercises/verification.h"
#include "localisation/catalogue.h"
#include "localisation/format.h"
#include "platform/texte_qt.h"
#include "shell/fiche_choix_exo.h"
#include "shell/textes_shell.h"
#include "shell/vorel.h"

void TFvorel::relier_comptes() {
  const auto choix = [this](QAction* a, void (TFvorel::*gestionnaire)()) {
    connect(a, &QAction::triggered, this, gestionnaire);
  };
  choix(Aconnexion, &TFvorel::AconnexionExecute);
  choix(ANouveau_compte, &TFvorel::ANouveau_compteExecute);
  choix(Agestion_compte, &TFvorel::Agestion_compteExecute);
  choix(Connexion1, &TFvorel::Connexion1Click);
  choix(NouveauCompte1, &TFvorel::ANouveau_compteExecute);
  choix(Gestionnaire_de_compte, &TFvorel::Gestionnaire_de_compteClick);
}

void TFvorel::AconnexionExecute() {
  Fiche_choix_exo->setWindowTitle(depuis_1252(catalogue_textes.txt_connexion));
  Fiche_choix_exo->PCcompte->setCurrentWidget(Fiche_choix_exo->TSconnexion);
  Fiche_choix_exo->ouvrir(true);
}

void TFvorel::ANouveau_compteExecute() {
  if (utilisateur_courant.empty()) {
    AconnexionExecute();
    return;
  }
  Fiche_choix_exo->Tbmodifier->setEnabled(true);
  Fiche_choix_exo->setWindowTitle(depuis_1252(catalogue_textes.txt_modifier_creer_compte));
  Fiche_choix_exo->PCcompte->setCurrentWidget(Fiche_choix_exo->TScreation);
  Fiche_choix_exo->TbmodifierClick();
  Fiche_choix_exo->ouvrir(true);
}

void TFvorel::Agestion_compteExecute() { ANouveau_compteExecute(); }

void TFvorel::Gestionnaire_de_compteClick() { Fiche_choix_exo->ouvrir(false); }

void TFvorel::Connexion1Click() {
  if (!utilisateur_courant.empty()) fermer_session();
  AconnexionExecute();
}

void TFvorel::libelle_session(const std::string& nom) {
  Connexion1->setText(depuis_1252(nom.empty() ? catalogue_textes.txt_connexion
                                              : Format(texte_shell("fermer_session"), {nom})));
}

void TFvorel::activer_commencer(bool actif) { Commencer1->setEnabled(actif); }

void TFvorel::activer_bouton_commencer(bool actif) { TBcommencer->setEnabled(actif); }

bool TFvorel::page_exercices_visible() const { return page_active() == TabSheet1; }

void TFvorel::masquer_reponse() { P_reponse->hide(); }

void TFvorel::masquer_aide() { Caide1->hide(); }

void TFvorel::afficher_page(const std::string& texte) {
  texte_exercice = texte;
  afficher_formule(Image1, texte_exercice, 0, 0);
}

void TFvorel::preparer_exercice() { ::preparer_exercice(); }

void TFvorel::definir_exercice_en_cours(bool en_cours) { exercice_en_cours = en_cours; }

void TFvorel::afficher_score() { ::afficher_score(); }
