// The Calculs module: command buttons, the calculation and its history,
// definitions typed with ":=", the function menus and the input helpers.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "engine/appel_fonction.h"
#include "engine/fonctions_usuelles.h"
#include "exercises/presentation.h"
#include "formula/formule.h"
#include "localisation/chaines.h"
#include "localisation/format.h"
#include "localisation/messages.h"
#include "platform/image_hote.h"
#include "platform/texte_qt.h"
#include "shell/auto_pilote_fonction.h"
#include "shell/calculs.h"
#include "shell/menu_fonctions.h"
#include "shell/noms_parametres.h"
#include "shell/nouvel_objet.h"
#include "shell/options_graphiques.h"
#include "shell/parametres_principaux.h"
#include "shell/textes_shell.h"
#include "shell/version.h"
#include "shell/vorel.h"

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;

constexpr int nombre_elements_fixes = 4;  // Menu_Fonction: three commands and a separator

// Re-entry guard: message boxes and modal windows run nested event loops.
class Garde {
 public:
  explicit Garde(bool& drapeau) : drapeau_(drapeau) { drapeau_ = true; }
  ~Garde() { drapeau_ = false; }
  Garde(const Garde&) = delete;
  Garde& operator=(const Garde&) = delete;

 private:
  bool& drapeau_;
};

}  // namespace

void TFvorel::relier_calculs() {
  const std::pair<QPushButton*, void (TFvorel::*)()> commandes[] = {
      {Bnumeriser, &TFvorel::BnumeriserClick}, {Bdevelopper, &TFvorel::BdevelopperClick},
      {Bfactoriser, &TFvorel::BfactoriserClick}, {Bfraction, &TFvorel::BfractionClick},
      {Bradical, &TFvorel::BradicalClick}, {Bderiver, &TFvorel::BderiverClick},
      {Bintegrale, &TFvorel::BintegraleClick}, {Bresoudre, &TFvorel::BresoudreClick},
      {Bcalculer, &TFvorel::BcalculerClick}};
  for (const auto& [bouton, gestionnaire] : commandes) connect(bouton, &QPushButton::clicked, this, gestionnaire);
  connect(Breduire, &QPushButton::clicked, this, [this] { BreduireClick(Breduire); });
  // Results written by the program count as changes too.
  connect(Edit1, &QLineEdit::textChanged, this, &TFvorel::Edit1Change);
  Edit1->installEventFilter(this);
  Image3->installEventFilter(this);
  Image8->installEventFilter(this);
  Image3->definir_sur_relachement(this, [this](BoutonSouris, unsigned, int, int) { Image3MouseUp(); });
  connect(Bfonction, &QToolButton::clicked, this, &TFvorel::BfonctionClick);
  connect(TBpuissance, &QToolButton::clicked, this, &TFvorel::TBpuissanceClick);
  connect(TBracine, &QToolButton::clicked, this, &TFvorel::TBracineClick);
  connect(Bi, &QToolButton::clicked, this, &TFvorel::BiClick);
  connect(Effacertout1, &QAction::triggered, this, &TFvorel::Effacertout1Click);
  connect(toutcopier1, &QAction::triggered, this, &TFvorel::toutcopier1Click);
  connect(Aediteur_fonction, &QAction::triggered, this, &TFvorel::Aediteur_fonctionExecute);
  connect(EditeurFonction1, &QAction::triggered, this, &TFvorel::Aediteur_fonctionExecute);
  connect(Anouvel_objet, &QAction::triggered, this, &TFvorel::Anouvel_objetExecute);
  connect(Nouvelobjet1, &QAction::triggered, this, &TFvorel::Anouvel_objetExecute);
  connect(Dfiniruneconstante1, &QAction::triggered, this, &TFvorel::Dfiniruneconstante1Click);
  const QList<QAction*> fixes = Menu_Fonction->actions();
  connect(fixes.at(0), &QAction::triggered, this, &TFvorel::Aediteur_fonctionExecute);
  connect(fixes.at(1), &QAction::triggered, this, &TFvorel::Anouvel_objetExecute);
  connect(fixes.at(2), &QAction::triggered, this, &TFvorel::Dfiniruneconstante1Click);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* maintenant) {
    if (auto* zone = qobject_cast<QLineEdit*>(maintenant); zone != nullptr && zone->window() == this) {
      derniere_zone_ = zone;
    }
  });
}

bool TFvorel::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == Edit1 && evenement->type() == QEvent::KeyPress) {
    const auto* touche = static_cast<QKeyEvent*>(evenement);
    if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
      char c = '\r';
      Edit1KeyPress(c);
      return true;
    }
  } else if (objet == Edit1 && evenement->type() == QEvent::MouseButtonRelease) {
    Edit1Click();
  } else if ((objet == Image3 || objet == Image8) && evenement->type() == QEvent::MouseButtonDblClick) {
    Image3DblClick();
    return true;
  }
  return QMainWindow::eventFilter(objet, evenement);
}

int TFvorel::commande_du_bouton(const QObject* bouton) const {
  const std::pair<const QObject*, int> table[] = {{Breduire, id_reduire},
                                                  {Bnumeriser, id_numeriser},
                                                  {Bdevelopper, id_de(Ligne::developper)},
                                                  {Bfactoriser, id_de(Ligne::factoriser)},
                                                  {Bfraction, id_de(Ligne::fraction)},
                                                  {Bradical, id_de(Ligne::calcul_radical)},
                                                  {Bderiver, id_deriver},
                                                  {Bintegrale, id_integrer},
                                                  {Bresoudre, id_de(Ligne::resoudre)}};
  for (const auto& [b, id] : table) {
    if (b == bouton) return id;
  }
  return 0;
}

void TFvorel::BreduireClick(QObject* sender) {
  const int id = commande_du_bouton(sender);
  const std::string saisie = vers_1252(Edit1->text());
  if (saisie.find(":=") != std::string::npos) {
    definir_objet(saisie);
  } else if (!saisie.empty()) {
    derniere_saisie = saisie;
    Edit1->setText(depuis_1252(envelopper_saisie(saisie, id)));
    BcalculerClick();
  } else if (id != 0 && id != id_reduire && id != id_numeriser) {
    Fauto_pilote->FormCreate();
    const std::string texte = Fauto_pilote->editer_formule(nom_ligne(id) + "()", 0);
    Edit1->setText(depuis_1252(texte));
    if (page_active() == TabSheet2 && Fauto_pilote->ferme_par_ok) BcalculerClick();
  }
}

void TFvorel::BnumeriserClick() { BreduireClick(Bnumeriser); }
void TFvorel::BdevelopperClick() { BreduireClick(Bdevelopper); }
void TFvorel::BfactoriserClick() { BreduireClick(Bfactoriser); }
void TFvorel::BfractionClick() { BreduireClick(Bfraction); }
void TFvorel::BradicalClick() { BreduireClick(Bradical); }
void TFvorel::BderiverClick() { BreduireClick(Bderiver); }
void TFvorel::BintegraleClick() { BreduireClick(Bintegrale); }
void TFvorel::BresoudreClick() { BreduireClick(Bresoudre); }

// The success text and the emptied line come only with an object stored:
// otherwise the input stays for the user to correct.
void TFvorel::definir_objet(const std::string& saisie) {
  const std::string texte = en_minuscules(saisie);
  Edit1->setText(depuis_1252(texte));
  const Tdefinition definition = analyser_definition(texte);
  switch (definition.genre) {
    case Tdefinition::Genre::fonction:
      Fnouvel_objet->Tnom->setText(depuis_1252(definition.nom));
      Fnouvel_objet->Texpression->setText(depuis_1252(definition.expression));
      Fnouvel_objet->Tvariable->setText(depuis_1252(definition.variable));
      if (!Fnouvel_objet->BokClick()) return;
      Edit1->clear();
      afficher_apercu(texte_shell("fonction_ajoutee"));
      break;
    case Tdefinition::Genre::constante:
      Fnouvel_objet->Tnom_constante->setText(depuis_1252(definition.nom));
      Fnouvel_objet->Tnom_valeur->setText(depuis_1252(definition.expression));
      if (!Fnouvel_objet->Bajouter_constanteClick()) return;
      Edit1->clear();
      afficher_apercu(texte_shell("constante_ajoutee"));
      break;
    case Tdefinition::Genre::aucune: affiche_message(texte_shell("objet_impossible")); break;
  }
}

Toptions_calcul TFvorel::options_calcul() const {
  return {Foptions_graphiques->CBmultiplier->isChecked(), Foptions_graphiques->CBreduction->isChecked()};
}

void TFvorel::BcalculerClick() {
  if (en_calcul_) return;
  Garde garde(en_calcul_);
  const Tcalcul calcul = ListBox1.calculer(vers_1252(Edit1->text()), options_calcul());
  Edit1->setText(depuis_1252(calcul.saisie));
  if (!calcul.message.empty()) {
    Edit1->setText(depuis_1252(derniere_saisie));
    affiche_message(calcul.message);
    return;
  }
  if (calcul.resultat.empty()) return;
  ini_principal->ecrire_texte(section::outils, cle::En_calcul, calcul.ligne_saisie);
  Edit1->setText(depuis_1252(calcul.resultat));
  Edit1->setCursorPosition(static_cast<int>(Edit1->text().size()));
  afficher_historique(ListBox1.texte_page());
  if (est_erreur(calcul.resultat)) Edit1->clear();
}

void TFvorel::Edit1KeyPress(char& touche) {
  if (touche != '\r') return;
  touche = 0;
  BreduireClick(Breduire);
}

void TFvorel::Edit1Change() {
  const std::string texte = vers_1252(Edit1->text());
  if (!texte.empty()) {
    afficher_apercu(texte);
    return;
  }
  if (auto& apercu = formules_affichees[static_cast<std::size_t>(Emplacement::apercu)]) apercu.reset();
  Image5->effacer_image();
}

void TFvorel::Edit1Click() {
  ListBox1.selectionner(-1);
  if (Tformule* historique = formule_de(Emplacement::historique)) historique->selectionner_ligne(-1, false);
}

void TFvorel::Image3MouseUp() {
  Tformule* historique = formule_de(Emplacement::historique);
  if (historique == nullptr || historique->source_selectionnee.empty()) return;
  Edit1->setText(depuis_1252(saisie_depuis_selection(historique->source_selectionnee)));
  Edit1->setFocus();
  Edit1->selectAll();
}

void TFvorel::Image3DblClick() {
  BfonctionClick();
  if (Tformule* historique = formule_de(Emplacement::historique)) historique->occupe = true;
}

// The history's renderer takes the press itself (selection).
void TFvorel::Image3MouseDown() {}

void TFvorel::BfonctionClick() {
  Edit1->setFocus();
  derniere_zone_ = Edit1;
  Fauto_pilote->ferme_par_ok = false;
  Aediteur_fonctionExecute();
  if (page_active() == TabSheet2 && Fauto_pilote->ferme_par_ok) BcalculerClick();
}

void TFvorel::Aediteur_fonctionExecute() {
  if (page_active() == TabSheet2) {
    Edit1->setFocus();
    derniere_zone_ = Edit1;
  }
  QLineEdit* zone = zone_texte_active();
  if (zone == nullptr) {
    affiche_message(texte_shell("zone_texte_requise"));
    return;
  }
  zone->setText(depuis_1252(Fauto_pilote->editer_formule(vers_1252(zone->text()), 0)));
}

void TFvorel::PopMenuClick(QAction* element) {
  const std::string nom = vers_1252(element->data().toString());
  Edit1->setText(depuis_1252(Format(nom + "(%s)", {vers_1252(Edit1->text())})));
  BreduireClick(Breduire);
}

void TFvorel::reconstruire_menu_fonctions() {
  const QList<QAction*> actuels = Menu_Fonction->actions();
  for (qsizetype i = nombre_elements_fixes; i < actuels.size(); ++i) delete actuels.at(i);
  for (QAction* a : Fonction1->actions()) delete a;
  if (!fonctions_usuelles) return;
  for (const std::string& nom : noms_menu_fonctions(*fonctions_usuelles)) {
    for (QMenu* menu : {Menu_Fonction, Fonction1}) {
      QAction* element = menu->addAction(depuis_1252(nom));
      element->setData(depuis_1252(nom));
      connect(element, &QAction::triggered, this, [this, element] { PopMenuClick(element); });
    }
  }
}

void TFvorel::inserer_dans_zone(const char* texte, int recul) {
  QLineEdit* zone = zone_texte_active();
  if (zone == nullptr && !controles_reponse.empty()) {
    if (auto* premier = qobject_cast<QLineEdit*>(controles_reponse.front())) {
      premier->setFocus();
      zone = premier;
    }
  }
  if (zone == nullptr) return;
  zone->insert(QString::fromLatin1(texte));
  zone->setCursorPosition(zone->cursorPosition() - recul);
}

void TFvorel::TBpuissanceClick() { inserer_dans_zone("^()", 1); }
void TFvorel::TBracineClick() { inserer_dans_zone("sqrt()", 1); }

void TFvorel::BiClick() {
  Edit1->insert(depuis_1252("\xEE"));
  Edit1->setFocus();
  Edit1->end(false);
}

void TFvorel::Effacertout1Click() {
  ListBox1.vider();
  for (Emplacement e : {Emplacement::historique, Emplacement::apercu}) {
    if (Tformule* f = formule_de(e)) f->source.clear();
  }
  texte_exercice.clear();
  Edit1->clear();
  for (ImageHote* image : {Image3, Image5}) {
    image->effacer_image();
    image->definir_largeur(10);
    image->definir_hauteur(10);
  }
}

void TFvorel::toutcopier1Click() {
  QApplication::clipboard()->setText(depuis_1252(ListBox1.texte_copie(version_programme())));
}

void TFvorel::Anouvel_objetExecute() { Fnouvel_objet->montrer_sur(0); }
void TFvorel::Dfiniruneconstante1Click() { Fnouvel_objet->montrer_sur(7); }

void TFvorel::afficher_apercu(const std::string& texte) { afficher_formule(Image5, "{" + texte + "}", 0, 0); }
