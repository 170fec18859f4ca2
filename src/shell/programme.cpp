#include "shell/programme.h"

#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

#include "engine/fonctions_usuelles.h"
#include "engine/traduction_fonctions.h"
#include "exercises/presentation.h"
#include "localisation/choix_langue.h"
#include "platform/ini/fichiers_aide.h"
#include "platform/texte_qt.h"
#include "platform/traductions_qt.h"
#include "shell/apropos.h"
#include "shell/auto_pilote_fonction.h"
#include "shell/calcul_graphique.h"
#include "shell/composants.h"
#include "shell/configuration.h"
#include "shell/fiche_choix_exo.h"
#include "shell/formulaire_graphique.h"
#include "shell/libelles_qt.h"
#include "shell/nouvel_objet.h"
#include "shell/options_graphiques.h"
#include "shell/parametres_principaux.h"
#include "shell/vorel.h"

namespace {

// The texts both fills give the pages, the options list and the account dialog.
void appliquer_communs(const LibellesCommuns& l) {
  TFvorel& f = *Fvorel;
  const std::pair<QWidget*, const std::string*> pages[] = {
      {f.TabSheet5, &l.page_accueil}, {f.TabSheet1, &l.page_exercices},
      {f.TabSheet2, &l.page_calculs}, {f.TabSheet3, &l.page_graphiques}};
  for (const auto& [page, texte] : pages) definir_libelle(page, depuis_1252(*texte));
  for (int i = 0; i < 3 && i < Foptions_graphiques->LBcategorie->count(); ++i) {
    Foptions_graphiques->LBcategorie->item(i)->setText(depuis_1252(l.categories_options[static_cast<std::size_t>(i)]));
  }
  f.TBexercices->setText(depuis_1252(l.action_exercices));
  f.TBgraphiques->setText(depuis_1252(l.action_graphiques));
  Fiche_choix_exo->setWindowTitle(depuis_1252(l.titre_compte));
  Fiche_choix_exo->Classe->clear();
  for (const std::string& niveau : l.niveaux) Fiche_choix_exo->Classe->addItem(depuis_1252(niveau));
}

template <class F>
F* creer(F*& globale, std::vector<QWidget*>& fenetres) {
  globale = new F;
  fenetres.push_back(globale);
  return globale;
}

}  // namespace

Tprogramme::Tprogramme() = default;

Tprogramme::~Tprogramme() {
  auto& crochets = crochets_langue();
  crochets.libelles = nullptr;
  crochets.libelles_communs = nullptr;
  crochets.menu_fonctions = nullptr;
  if (Fvorel != nullptr) Fvorel->FormClose();
  // Renderers hold their images: they go before the windows.
  liberer_formules();
  for (auto it = fenetres_.rbegin(); it != fenetres_.rend(); ++it) delete *it;
  fenetres_.clear();
  Fiche_choix_exo = nullptr;
  Fapropos = nullptr;
  Fauto_pilote = nullptr;
  Fgraphique = nullptr;
  Foptions_graphiques = nullptr;
  Fcalcul_graphique = nullptr;
  Fnouvel_objet = nullptr;
  Fconfiguration = nullptr;
}

void Tprogramme::installer_crochets_langue() {
  enregistrer_traduction_fonctions();
  enregistrer_fichiers_aide();
  auto& crochets = crochets_langue();
  crochets.libelles = [this](int langue) {
    traduire_textes_qt(langue);
    appliquer_libelles(langue, fenetres_);
  };
  crochets.libelles_communs = appliquer_communs;
  crochets.menu_fonctions = [] { Fvorel->reconstruire_menu_fonctions(); };
}

bool Tprogramme::demarrer() {
  creer(Fvorel, fenetres_);
  if (!Fvorel->FormCreate()) return false;
  creer(Fiche_choix_exo, fenetres_);
  creer(Fapropos, fenetres_);
  creer(Fauto_pilote, fenetres_);
  creer(Fgraphique, fenetres_);
  creer(Foptions_graphiques, fenetres_);
  creer(Fcalcul_graphique, fenetres_);
  creer(Fnouvel_objet, fenetres_);
  creer(Fconfiguration, fenetres_);
  installer_crochets_langue();
  Fvorel->FormShow();
  Fvorel->showMaximized();
  return true;
}
