// The main window: start-up (FormCreate, FormShow) and shutdown (FormClose).
#include "shell/vorel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QWidget>

#include "components/controles/JvGradientCaption.h"
#include "engine/fonctions_usuelles.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/execution.h"
#include "exercises/presentation.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "localisation/chrono.h"
#include "localisation/format.h"
#include "localisation/messages.h"
#include "localisation/texte_1252.h"
#include "platform/aide_contextuelle_qt.h"
#include "platform/chart/chart.h"
#include "platform/image_hote.h"
#include "platform/ini/fichier_ini.h"
#include "platform/ini/fichiers_aide.h"
#include "platform/systeme/aide_html.h"
#include "platform/systeme/dossier_donnees.h"
#include "platform/texte_qt.h"
#include "shell/accueil.h"
#include "shell/configuration.h"
#include "shell/defauts_parametres.h"
#include "shell/fichiers_objets.h"
#include "shell/graphique_exercice.h"
#include "shell/vorel_internet.h"
#include "shell/noms_parametres.h"
#include "shell/nouvel_objet.h"
#include "shell/options_graphiques.h"
#include "shell/parametres_principaux.h"
#include "shell/saisie_calculatrice.h"
#include "shell/textes_shell.h"
#include "shell/version.h"

TFvorel* Fvorel = nullptr;
std::vector<std::shared_ptr<TChartShape>> annotations_graphiques;
std::string derniere_saisie;

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;
namespace defaut = parametres::defaut;

constexpr int nombre_pages_demarrage = 5;  // Accueil, Exercices, Calcul, Graphiques, Editeur

std::string titre_application() { return vers_1252(QApplication::applicationName()); }

std::string en_majuscules(std::string texte) {
  for (char& c : texte) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return texte;
}

// The seven hint-page files, in the French folder until the language is known.
void ouvrir_fichiers_aide() {
  const std::string dossier = dossier_parametres + vers_utf8("Fran\xE7" "ais") + "/";
  for (int n = 1; n <= 7; ++n) ini_aide[n] = std::make_unique<Tfichier_ini>(dossier + Format("Aide%d.ini", {n}));
}

}  // namespace

TFvorel::TFvorel(QWidget* parent) : QMainWindow(parent) {
  Fvorel = this;
  creer_actions();
  creer_menus();
  creer_cadre();
  creer_accueil();
  creer_exercices();
  creer_calculs();
  creer_graphiques();
  creer_editeur();
  creer_pages_outils();
  relier();
  relier_calculs();
  relier_comptes();
  relier_editeur();
  relier_exercices();
  relier_internet();
  definir_ecran_exercices(this);
  graphique_exercice_ = std::make_unique<GraphiqueTChart>(*Graph);
  installer_graphique_programme(graphique_exercice_.get());
  saisie_calculatrice_ = std::make_unique<SaisieLigneCalcul>(*Edit1);
  installer_calculatrice_programme(saisie_calculatrice_.get());
  pages_presentation = {Graph, Pvalider, Image3, [] {
                          return !ini_principal || ini_principal->lire_booleen(section::outils, cle::activer_coloration,
                                                                               defaut::activer_coloration);
                        }};
  installer_sortie_trace([this](const std::string& ligne) { Mstatisiques->appendPlainText(depuis_1252(ligne)); });
}

TFvorel::~TFvorel() {
  if (&ecran_exercices() == this) definir_ecran_exercices(nullptr);
  if (&graphique_programme() == graphique_exercice_.get()) installer_graphique_programme(nullptr);
  if (&calculatrice_programme() == saisie_calculatrice_.get()) installer_calculatrice_programme(nullptr);
  installer_sortie_trace(nullptr);
  retirer_crochet_aide();
  pages_presentation = {};
  // The answer controls go with the window.
  controles_reponse.clear();
  libelles_reponse.clear();
  if (Fvorel == this) Fvorel = nullptr;
}

bool TFvorel::FormCreate() {
  if (cree_) return true;
  cree_ = true;
  reponse_version.clear();
  mode_test = false;
  masquer_onglets();
  montrer_page(TabSheet5);
  setWindowTitle(QApplication::applicationName());
  definir_contexte_aide(this, contexte_aide_principal);
  installer_crochet_aide([this](int commande, std::intptr_t donnees) { return aide_contextuelle(commande, donnees); });
  // The help viewer is built in, so the warning about a missing or old
  // viewer never applies.
  JvGradientCaption1->setText(depuis_1252(en_majuscules(titre_application()) + " v" + version_programme()));
  JvGradientCaption1->Label()->show();
  exercice_en_cours = false;

  const std::string donnees = dossier_donnees();
  supprimer_temporaires_donnees(donnees);
  dossier_parametres = donnees + "parametres/";
  if (!ouvrir_ini_principal(dossier_parametres)) {
    affiche_message(texte_shell("installation_probleme"));
    return false;
  }
  ouvrir_fichiers_aide();
  ini_fonctions = std::make_unique<Tfichier_ini>(donnees + "Fonction.ini");
  ini_constantes = std::make_unique<Tfichier_ini>(donnees + "Constante.ini");
  Image1->definir_largeur(width());
  initialise_fonctions_usuelles();
  enregistrer_generateurs();
  charger_exercices();
  Imprimer1->setVisible(true);
  TBimprimer->setVisible(true);
  Aperuavantimpression1->setVisible(false);
  restaurer_courbes();
  restaurer_annotations();
  appliquer_options_graphiques();
  configurer_proxy_demarrage(*IdHTTP1);
  return true;
}

void TFvorel::masquer_onglets() {
  for (QWidget* page : {TabSheet6, TabSheet4, TSStatistiques}) Classeur->setTabVisible(Classeur->indexOf(page), mode_test);
  for (QWidget* page : {TabSheet5, TabSheet1, TabSheet2, TabSheet3, TSaide}) {
    Classeur->setTabVisible(Classeur->indexOf(page), false);
  }
}

void TFvorel::FormShow() {
  if (montre_ || en_montre_) return;
  en_montre_ = true;
  preparer_exercice();
  choisir_langue(ini_principal->lire_entier(section::generales, cle::langue, defaut::langue));
  initialise_fonctions_usuelles();
  choisir_langue(ini_principal->lire_entier(section::generales, cle::langue, defaut::langue));
  charger_exercices();
  afficher_accueil();
  texte_exercice = catalogue_textes.txt_charger_compte_cliquez;
  afficher_formule(Image1, texte_exercice, 0, 0);
  Fnouvel_objet->FormShow();
  Insertion1->menuAction()->setVisible(mode_test);
  for (const char* module : {"exercices", "graphiques", "outils"}) afficher_module(module);
  if (!ini_principal->lire_booleen(section::generales, cle::masquer_configuration,
                                   defaut::masquer_configuration_demarrage)) {
    montrer_modal(Fconfiguration->objectName().toStdString(), [] { return Fconfiguration->exec(); });
  }
  for (const char* module : {"exercices", "graphiques", "outils"}) afficher_module(module);
  AtracerExecute();
  TabSheet3Exit();
  Foptions_graphiques->FormShow();
  int page = ini_principal->lire_entier(section::generales, cle::page_demarrage, defaut::page_demarrage);
  if (page < 0 || page >= nombre_pages_demarrage) page = 0;
  montrer_page(Classeur->widget(page));
  Barredoutils1->setChecked(ini_principal->lire_booleen(section::generales, cle::barre_outils, defaut::barre_outils));
  Panel1->setVisible(Barredoutils1->isChecked());
  ClasseurChange();
  verifier_mise_a_jour(false);
  Edit1->setText(depuis_1252(ini_principal->lire_texte(section::outils, cle::En_calcul, defaut::En_calcul)));
  montre_ = true;
  en_montre_ = false;
}

void TFvorel::FormClose() {
  if (ferme_ || !cree_) return;
  ferme_ = true;
  liberer_formules();
  for (auto& aide : ini_aide) aide.reset();
  if (ini_principal) {
    Tlot_ini lot(*ini_principal);  // both lists in one write
    bool enregistre = sauver_courbes();
    enregistre = sauver_annotations() && enregistre;
    enregistre = lot.terminer() && enregistre;
    if (!enregistre) affiche_message(catalogue_textes.txt_courbes_pas_enregistrees);
  }
  fermer_ini_principal();
  ini_constantes.reset();
  ini_fonctions.reset();
  constantes.reset();
  fonctions_usuelles.reset();
  controles_reponse.clear();
  libelles_reponse.clear();
  Chart1->RemoveAllSeries();
  annotations_graphiques.clear();
}

void TFvorel::closeEvent(QCloseEvent* evenement) {
  FormClose();
  evenement->accept();
}

void TFvorel::FormResize() { Graph->setFixedWidth(width() * 2 / 5); }

void TFvorel::resizeEvent(QResizeEvent* evenement) {
  QMainWindow::resizeEvent(evenement);
  FormResize();
}

bool TFvorel::aide_contextuelle(int commande, std::intptr_t donnees) {
  if (commande == HELP_CONTENTS) {
    HtmlHelp(fichier_aide, HH_DISPLAY_TOC, 0);
    return true;
  }
  if (commande != HELP_CONTEXT) return false;
  HtmlHelp(fichier_aide, HH_HELP_CONTEXT, donnees);
  return true;
}

void TFvorel::afficher_accueil() {
  if (!fonctions_usuelles) return;
  memo2->setPlainText(
      depuis_1252(texte_accueil(*fonctions_usuelles, dernier_indice_exercices(), themes_exercices())));
}

std::string TFvorel::texte_memo(const QPlainTextEdit* memo) {
  std::string texte;
  for (QTextBlock bloc = memo->document()->begin(); bloc.isValid(); bloc = bloc.next()) {
    if (bloc != memo->document()->begin()) texte += "\r\n";
    texte += vers_1252(bloc.text());
  }
  return texte;
}

void TFvorel::montrer_page(QWidget* page) {
  if (page == nullptr) return;
  page_choisie_ = page;
  Classeur->setCurrentWidget(page);
}

QWidget* TFvorel::page_active() const { return Classeur->currentWidget(); }

// The window keeps its focus widget while inactive, and tool buttons and
// menus never take it: an edit box there is the one the user was in.
QLineEdit* TFvorel::zone_texte_active() const {
  if (auto* zone = qobject_cast<QLineEdit*>(focusWidget())) return zone;
  return derniere_zone_.data();
}
