// The options dialog's Exercices page: the classes and themes the logged-in
// pupil works on, written to the account file; and the closing rules.
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "exercises/catalogue_exercices.h"
#include "exercises/comptes.h"
#include "exercises/etat_exercice.h"
#include "engine/primitives.h"
#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "platform/ini/fichier_ini.h"
#include "platform/texte_qt.h"
#include "shell/composants.h"
#include "shell/options_graphiques.h"

namespace {

constexpr std::string_view section_exercices = "Exercices";
// The level names are short; the themes take the rest of the page.
constexpr int largeur_classes = 90;

void cocher(QListWidgetItem* element, bool coche) { element->setCheckState(coche ? Qt::Checked : Qt::Unchecked); }
bool coche(const QListWidgetItem* element) { return element->checkState() == Qt::Checked; }

// The distinct themes of a level, in catalogue order.
std::vector<std::string> themes_du_niveau(int niveau) {
  std::vector<std::string> themes;
  for (int i = 0; i < exercices.taille(); ++i) {
    if (exercices.niveau(i) != niveau) continue;
    if (std::find(themes.begin(), themes.end(), exercices.theme[i]) == themes.end()) {
      themes.push_back(exercices.theme[i]);
    }
  }
  return themes;
}

bool niveau_actif(int niveau) {
  for (int i = 0; i < exercices.taille(); ++i) {
    if (exercices.niveau(i) == niveau && exercices.actif[i]) return true;
  }
  return false;
}

}  // namespace

void TFoptions_graphiques::creer_page_exercices() {
  Fabrique f("TFoptions_graphiques");
  auto* d = new QHBoxLayout(TSExercices);
  CLBclasses = f.creer<QListWidget>(TSExercices, "CLBclasses");
  CLBthemes = f.creer<QListWidget>(TSExercices, "CLBthemes");
  CLBclasses->setMaximumWidth(largeur_classes);
  d->addWidget(CLBclasses);
  d->addWidget(CLBthemes, 1);
  connect(CLBclasses, &QListWidget::currentRowChanged, this, [this] {
    if (!remplissage_) CLBclassesClick();
  });
  connect(CLBclasses, &QListWidget::itemChanged, this, [this](QListWidgetItem* element) {
    if (!remplissage_) CLBclassesClickCheck(CLBclasses->row(element));
  });
  connect(CLBthemes, &QListWidget::itemChanged, this, [this] {
    if (!remplissage_) CLBthemesClickCheck();
  });
}

void TFoptions_graphiques::charger_classes() {
  remplissage_ = true;
  CLBclasses->clear();
  for (const std::string& nom : noms_classes) {
    auto* element = new QListWidgetItem(depuis_1252(nom), CLBclasses);
    element->setFlags(element->flags() | Qt::ItemIsUserCheckable);
    cocher(element, false);
  }
  remplissage_ = false;
  charger_selection();
  remplissage_ = true;
  int premiere = -1;
  for (int niveau = 0; niveau < CLBclasses->count(); ++niveau) {
    const bool actif = niveau_actif(niveau);
    cocher(CLBclasses->item(niveau), actif);
    if (actif && premiere < 0) premiere = niveau;
  }
  CLBclasses->setCurrentRow(premiere < 0 ? 0 : premiere);
  remplissage_ = false;
  CLBclassesClick();
}

void TFoptions_graphiques::CLBclassesClick() {
  const int niveau = CLBclasses->currentRow();
  remplissage_ = true;
  CLBthemes->clear();
  for (const std::string& theme : themes_du_niveau(niveau)) {
    auto* element = new QListWidgetItem(depuis_1252(theme), CLBthemes);
    element->setFlags(element->flags() | Qt::ItemIsUserCheckable);
    bool actif = false;
    for (int i = 0; i < exercices.taille(); ++i) {
      if (exercices.niveau(i) == niveau && exercices.theme[i] == theme && exercices.actif[i]) actif = true;
    }
    cocher(element, actif);
  }
  remplissage_ = false;
}

void TFoptions_graphiques::CLBclassesClickCheck(int ligne) {
  if (ligne < 0) return;
  const bool actif = coche(CLBclasses->item(ligne));
  for (int i = 0; i < exercices.taille(); ++i) {
    if (exercices.niveau(i) == ligne) exercices.actif[i] = actif;
  }
  if (CLBclasses->currentRow() != ligne) {
    remplissage_ = true;
    CLBclasses->setCurrentRow(ligne);
    remplissage_ = false;
  }
  CLBclassesClick();
}

void TFoptions_graphiques::CLBthemesClickCheck() {
  const int niveau = CLBclasses->currentRow();
  if (niveau < 0) return;
  bool un_theme = false;
  for (int t = 0; t < CLBthemes->count(); ++t) {
    const std::string theme = vers_1252(CLBthemes->item(t)->text());
    const bool actif = coche(CLBthemes->item(t));
    un_theme = un_theme || actif;
    for (int i = 0; i < exercices.taille(); ++i) {
      if (exercices.niveau(i) == niveau && exercices.theme[i] == theme) exercices.actif[i] = actif;
    }
  }
  remplissage_ = true;
  cocher(CLBclasses->item(niveau), un_theme);
  remplissage_ = false;
}

bool TFoptions_graphiques::classe_cochee() const {
  for (int i = 0; i < CLBclasses->count(); ++i) {
    if (coche(CLBclasses->item(i))) return true;
  }
  return false;
}

bool TFoptions_graphiques::appliquer_classes(QObject* sender) {
  if (utilisateur_courant.empty() || (sender != Bok && sender != Bappliquer)) return true;
  if (!classe_cochee()) {
    affiche_message(catalogue_textes.txt_choisir_classe);
    PCoptions->setCurrentWidget(TSExercices);
    return false;
  }
  {
    Tfichier_ini compte(fichier_compte);
    Tlot_ini lot(compte);
    for (int i = 0; i < exercices.taille(); ++i) {
      compte.ecrire_booleen(section_exercices, texte_entier(exercices.code[i]), exercices.actif[i]);
    }
  }
  if (exercice_en_cours) {
    charger_selection();
  } else {
    ouvrir_compte(std::string(utilisateur_courant));
  }
  return true;
}

bool TFoptions_graphiques::FormCloseQuery(QObject* bouton) {
  if (bouton == nullptr) {
    remplissage_ = true;
    for (int i = 0; i < CLBclasses->count(); ++i) cocher(CLBclasses->item(i), false);
    remplissage_ = false;
    charger_selection();
    return true;
  }
  if (bouton != BANNULER && !utilisateur_courant.empty() && !classe_cochee()) return false;
  for (const QLineEdit* zone : {Txmin, Txmax, Tymin, Tymax, Ttmin, Ttmax}) {
    if (!est_nombre(vers_1252(zone->text()))) return false;
  }
  return true;
}

void TFoptions_graphiques::closeEvent(QCloseEvent* evenement) {
  FormCloseQuery(nullptr);
  evenement->accept();
  QDialog::closeEvent(evenement);
}
