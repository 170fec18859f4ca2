#include "shell/auto_pilote_fonction.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "engine/fonctions_usuelles.h"
#include "engine/saisie_resultat.h"
#include "engine/syntaxe.h"
#include "exercises/presentation.h"
#include "formula/formule.h"
#include "localisation/catalogue.h"
#include "localisation/chaines.h"
#include "localisation/format.h"
#include "localisation/messages.h"
#include "platform/image_hote.h"
#include "platform/texte_qt.h"
#include "shell/arguments_appel.h"
#include "shell/composants.h"
#include "shell/menu_fonctions.h"
#include "shell/nouvel_objet.h"

TFauto_pilote* Fauto_pilote = nullptr;

namespace {

// The argument rows on Panel1: row k (from 1) at top pas_ligne * k + marge_haut.
constexpr int pas_ligne = 20;
constexpr int marge_haut = 2;
constexpr int hauteur_champ = 18;
constexpr int gauche_etiquette = 5;
constexpr int gauche_edition = 70;
constexpr int largeur_bouton = 20;
// Between the widest label and the buttons.
constexpr int ecart_etiquettes = 20;
constexpr int marge_droite = 5;
constexpr int largeur_edition_minimale = 60;
constexpr int hauteur_panneau_minimale = 61;
// Beyond this many arguments, the last field holds the rest of the call.
constexpr std::size_t nombre_champs_maximal = 64;

constexpr int largeur_liste = 190;
constexpr int hauteur_apercu = 90;
constexpr int hauteur_arguments = 130;

const QString texte_bouton_fx = QStringLiteral("Fx");
const QString texte_bouton_objet = QStringLiteral("...");

bool est_entree(const QEvent* evenement) {
  if (evenement->type() != QEvent::KeyPress) return false;
  const int touche = static_cast<const QKeyEvent*>(evenement)->key();
  return touche == Qt::Key_Return || touche == Qt::Key_Enter;
}

template <class T>
const T& colonne(const std::vector<T>& tableau, int id) {
  return tableau[static_cast<std::size_t>(id)];
}

bool est_fonction(std::string_view nom) { return indice_fonction(*fonctions_usuelles, nom) > 0; }

// The fields of a call with more arguments than the editor shows: the last
// field keeps the rest, so that rewriting loses nothing.
void limiter_champs(std::vector<std::string>& champs) {
  if (champs.size() <= nombre_champs_maximal) return;
  std::vector<std::string> reste(champs.begin() + nombre_champs_maximal - 1, champs.end());
  champs.resize(nombre_champs_maximal - 1);
  std::string dernier;
  for (std::size_t i = 0; i < reste.size(); ++i) dernier += (i > 0 ? ";" : "") + reste[i];
  champs.push_back(dernier);
}

}  // namespace

TFauto_pilote::TFauto_pilote(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFauto_pilote");
  f.titrer(this);
  resize(680, 460);
  auto* disposition = new QVBoxLayout(this);
  auto* haut = new QHBoxLayout;
  disposition->addLayout(haut, 1);

  auto* gauche = new QVBoxLayout;
  CBcategorie = f.creer<QComboBox>(this, "CBcategorie");
  LBfonction = f.creer<QListWidget>(this, "LBfonction");
  CBcategorie->setFixedWidth(largeur_liste);
  LBfonction->setFixedWidth(largeur_liste);
  gauche->addWidget(CBcategorie);
  gauche->addWidget(LBfonction, 1);
  haut->addLayout(gauche);

  auto* droite = new QVBoxLayout;
  Edit1 = f.zone_texte(this, "Edit1");
  droite->addWidget(Edit1);
  ScrollBox1 = f.creer<BoiteDefilement>(this, "ScrollBox1");
  ScrollBox1->setFixedHeight(hauteur_apercu);
  Image1 = f.creer<ImageHote>(ScrollBox1, "Image1");
  ScrollBox1->setWidget(Image1);
  ScrollBox1->setWidgetResizable(false);
  definir_emplacement(Image1, Emplacement::editeur_formule);
  droite->addWidget(ScrollBox1);

  ScrollBox2 = f.creer<QScrollArea>(this, "ScrollBox2");
  ScrollBox2->setWidgetResizable(true);
  auto* description = new QWidget(ScrollBox2);
  auto* textes = new QVBoxLayout(description);
  Label1 = f.etiquette(description, "Label1");
  QFont gras = Label1->font();
  gras.setBold(true);
  Label1->setFont(gras);
  Label2 = f.etiquette(description, "Label2");
  Label3 = f.etiquette(description, "Label3");
  Label3->setWordWrap(true);
  ScrollBox3 = f.creer<QScrollArea>(description, "ScrollBox3");
  ScrollBox3->setWidgetResizable(true);
  ScrollBox3->setMinimumHeight(hauteur_arguments);
  Panel1 = f.creer<QWidget>(ScrollBox3, "Panel1");
  Panel1->setFixedHeight(hauteur_panneau_minimale);
  Panel1->installEventFilter(this);
  ScrollBox3->setWidget(Panel1);
  Bchoisir_fonction = f.bouton(description, "Bchoisir_fonction");
  for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3),
                     static_cast<QWidget*>(ScrollBox3), static_cast<QWidget*>(Bchoisir_fonction)}) {
    textes->addWidget(w);
  }
  textes->addStretch();
  ScrollBox2->setWidget(description);
  droite->addWidget(ScrollBox2, 1);
  haut->addLayout(droite, 1);

  auto* bas = new QHBoxLayout;
  Bnouvelle_formule = f.bouton(this, "Bnouvelle_formule");
  bas->addWidget(Bnouvelle_formule);
  disposition->addLayout(bas);
  std::tie(Bok, Bannuler) = f.ligne_ok_annuler(this, bas, "Bok", "Bannuler");
  for (QPushButton* b : {Bok, Bannuler, Bnouvelle_formule, Bchoisir_fonction}) b->setAutoDefault(false);

  Edit1->installEventFilter(this);
  LBfonction->installEventFilter(this);
  connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
  // The description follows the selected function whether the mouse or the
  // keys moved the selection; a click on the function already selected
  // describes it again.
  connect(LBfonction, &QListWidget::itemClicked, this, [this] { LBfonctionClick(); });
  connect(LBfonction, &QListWidget::itemSelectionChanged, this, [this] { LBfonctionClick(); });
  connect(LBfonction, &QListWidget::itemDoubleClicked, this, [this] { LBfonctionDblClick(); });
  connect(CBcategorie, &QComboBox::currentIndexChanged, this, [this] { CBcategorieChange(); });
  connect(Bchoisir_fonction, &QPushButton::clicked, this, [this] { Bchoisir_fonctionClick(); });
  connect(Bnouvelle_formule, &QPushButton::clicked, this, [this] { Bnouvelle_formuleClick(); });
  connect(Bok, &QPushButton::clicked, this, [this] { BokClick(); });
  connect(Bannuler, &QPushButton::clicked, this, [this] { BannulerClick(); });
  FormCreate();
}

TFauto_pilote::~TFauto_pilote() { FormDestroy(); }

void TFauto_pilote::FormCreate() {
  ferme_par_ok = false;
  LBfonction->clearSelection();
  LBfonction->setCurrentRow(-1);
  montrer_arguments(false);
  LBfonction->setEnabled(true);
  Bchoisir_fonction->hide();
  for (QLabel* l : {Label1, Label2, Label3}) l->clear();
}

void TFauto_pilote::FormDestroy() { liberer_arguments(); }

std::string TFauto_pilote::editer_formule(const std::string& texte, int mode) {
  mode_utilisateur = mode;
  formule_initiale = texte;
  ferme_par_ok = false;
  ecrire_formule(texte);
  selectionner(0, static_cast<int>(Edit1->text().size()));
  FormShow();
  const int resultat = montrer_modal(objectName().toStdString(), [this] { return exec(); });
  if (resultat != QDialog::Accepted) ecrire_formule(formule_initiale);
  return vers_1252(Edit1->text());
}

void TFauto_pilote::FormShow() {
  const bool utilisateur = mode_utilisateur == 1;
  {
    const QSignalBlocker silence(CBcategorie);
    CBcategorie->clear();
    if (!utilisateur) CBcategorie->addItem(depuis_1252(catalogue_textes.txt_toutes));
    for (const std::string& c : categories_editeur(*fonctions_usuelles, utilisateur)) {
      CBcategorie->addItem(depuis_1252(c));
    }
    CBcategorie->setCurrentIndex(CBcategorie->count() > 0 ? 0 : -1);
  }
  CBcategorieChange();
  Edit1Click();
}

void TFauto_pilote::CBcategorieChange() {
  LBfonction->clear();
  if (CBcategorie->currentIndex() < 0) return;
  const bool utilisateur = mode_utilisateur == 1;
  std::optional<std::string> categorie;
  if (utilisateur || CBcategorie->currentIndex() > 0) categorie = vers_1252(CBcategorie->currentText());
  for (const int id : lignes_editeur(*fonctions_usuelles, utilisateur, categorie)) {
    LBfonction->addItem(depuis_1252(colonne(fonctions_usuelles->nom, id)));
  }
}

int TFauto_pilote::ligne_selectionnee() const {
  // By name: the user rows are rebuilt whenever a function is stored.
  const QListWidgetItem* element = LBfonction->currentItem();
  if (element == nullptr || !element->isSelected()) return 0;
  return fonctions_usuelles->identifiant(vers_1252(element->text()));
}

bool TFauto_pilote::selectionner_dans_liste(const std::string& nom) {
  const std::string cherche = en_minuscules(nom);
  for (int i = 0; i < LBfonction->count(); ++i) {
    QListWidgetItem* element = LBfonction->item(i);
    if (en_minuscules(vers_1252(element->text())) != cherche) continue;
    LBfonction->setCurrentItem(element);
    element->setSelected(true);
    LBfonction->scrollToItem(element);
    return true;
  }
  return false;
}

void TFauto_pilote::decrire_fonction(int id) {
  const std::string& nom = colonne(fonctions_usuelles->nom, id);
  Label1->setText(depuis_1252(nom));
  Label2->setText(
      depuis_1252(Format(nom + "(%s)=%s", {description_arguments(colonne(fonctions_usuelles->arguments, id)),
                                           colonne(fonctions_usuelles->corps, id)})));
  Label3->setText(depuis_1252(colonne(fonctions_usuelles->description, id)));
}

void TFauto_pilote::LBfonctionClick() {
  const int id = ligne_selectionnee();
  if (id <= 0) return;
  decrire_fonction(id);
  montrer_arguments(false);
  Bchoisir_fonction->show();
  LBfonction->setEnabled(true);
}

void TFauto_pilote::LBfonctionDblClick() { inserer_fonction(); }
void TFauto_pilote::LBfonctionKeyPress() { inserer_fonction(); }
void TFauto_pilote::Bchoisir_fonctionClick() { inserer_fonction(); }

void TFauto_pilote::inserer_fonction() {
  const int id = ligne_selectionnee();
  if (id <= 0) return;
  if (!ScrollBox3->isHidden()) EditionChange();
  // Read before the list is disabled: a disabled list hands its focus on to
  // Edit1, which then selects all its text.
  const auto [debut, longueur] = selection_courante();
  montrer_arguments(true);
  Bchoisir_fonction->hide();
  LBfonction->setEnabled(false);
  const std::string nom = colonne(fonctions_usuelles->nom, id);
  std::string texte = vers_1252(Edit1->text());
  texte.replace(static_cast<std::size_t>(debut), static_cast<std::size_t>(longueur), nom + "()");
  ecrire_formule(texte);
  debut_arguments = debut + static_cast<int>(nom.size()) + 1;
  longueur_arguments = 0;
  selectionner(debut_arguments, 0);
  construire_arguments(nom);
  if (!Edition.empty()) Edition.front()->setFocus();
}

void TFauto_pilote::liberer_arguments() {
  // A row's own signal may be running: the widgets leave the panel at once
  // and are deleted by the event loop.
  const auto liberer = [](auto& rangee) {
    for (QWidget* w : rangee) {
      w->setParent(nullptr);
      w->deleteLater();
    }
  };
  liberer(Edition);
  liberer(Etiquettes);
  liberer(Boutons);
  Edition.clear();
  Etiquettes.clear();
  Boutons.clear();
}

void TFauto_pilote::construire_arguments(const std::string& nom) { construire_lignes(nom, 0); }

void TFauto_pilote::construire_lignes(const std::string& nom, int nombre_minimal) {
  liberer_arguments();
  const int id = indice_fonction(*fonctions_usuelles, nom);
  if (id <= 0) return;
  const int nombre = std::max(colonne(fonctions_usuelles->nb_arguments, id), nombre_minimal);
  const std::vector<std::string> elements = elements_description(colonne(fonctions_usuelles->arguments, id));
  for (int k = 0; k < nombre; ++k) {
    std::string element = k < static_cast<int>(elements.size()) ? elements[static_cast<std::size_t>(k)] : "";
    const int type = type_argument(element);
    const int top = pas_ligne * (k + 1) + marge_haut;
    auto* edition = new QLineEdit(Panel1);
    edition->setObjectName(QStringLiteral("Edition%1").arg(k + 1));
    edition->setGeometry(gauche_edition, top, largeur_edition_minimale, hauteur_champ);
    edition->installEventFilter(this);
    auto* etiquette = new QLabel(depuis_1252(element), Panel1);
    etiquette->move(gauche_etiquette, top);
    auto* bouton = new QPushButton(type < 0 ? texte_bouton_fx : texte_bouton_objet, Panel1);
    bouton->setAutoDefault(false);
    bouton->setProperty("type_objet", type);
    connect(edition, &QLineEdit::textChanged, this, [this] { EditionChange(); });
    if (type < 0) {
      connect(bouton, &QPushButton::clicked, this, [this, k] { BoutonClick(k); });
    } else {
      connect(bouton, &QPushButton::clicked, this, [this, k, type] { Bouton_objet(k, type); });
    }
    for (QWidget* w :
         {static_cast<QWidget*>(edition), static_cast<QWidget*>(etiquette), static_cast<QWidget*>(bouton)}) {
      w->show();
    }
    Edition.push_back(edition);
    Etiquettes.push_back(etiquette);
    Boutons.push_back(bouton);
  }
  placer_arguments();
}

void TFauto_pilote::placer_arguments() {
  int largeur_etiquettes = 0;
  for (QLabel* l : Etiquettes) {
    l->adjustSize();
    largeur_etiquettes = std::max(largeur_etiquettes, l->width());
  }
  const int gauche_bouton = largeur_etiquettes + ecart_etiquettes;
  const int gauche_champ = gauche_bouton + largeur_bouton;
  const int largeur_champ = std::max(Panel1->width() - gauche_champ - marge_droite, largeur_edition_minimale);
  for (std::size_t k = 0; k < Edition.size(); ++k) {
    const int top = pas_ligne * static_cast<int>(k + 1) + marge_haut;
    Boutons[k]->setGeometry(gauche_bouton, top, largeur_bouton, hauteur_champ);
    Edition[k]->setGeometry(gauche_champ, top, largeur_champ, hauteur_champ);
  }
  const int nombre = static_cast<int>(Edition.size());
  Panel1->setFixedHeight(std::max(pas_ligne * nombre + pas_ligne, hauteur_panneau_minimale));
}

void TFauto_pilote::montrer_arguments(bool visibles) { ScrollBox3->setVisible(visibles); }

std::string TFauto_pilote::analyser_position() {
  const int curseur = Edit1->hasSelectedText() ? Edit1->selectionStart() : Edit1->cursorPosition();
  const std::optional<Tappel> appel = analyser_appel(vers_1252(Edit1->text()), curseur, est_fonction);
  if (!appel) {
    liberer_arguments();
    return {};
  }
  debut_arguments = appel->debut;
  longueur_arguments = appel->longueur;
  std::vector<std::string> champs = appel->arguments;
  limiter_champs(champs);
  construire_lignes(appel->nom, static_cast<int>(champs.size()));
  const QScopedValueRollback<bool> garde(remplissage_, true);
  for (std::size_t i = 0; i < champs.size() && i < Edition.size(); ++i) Edition[i]->setText(depuis_1252(champs[i]));
  return appel->nom;
}

void TFauto_pilote::etat_choix() {
  liberer_arguments();
  montrer_arguments(false);
  Bchoisir_fonction->hide();
  LBfonction->setEnabled(true);
  for (QLabel* l : {Label1, Label2, Label3}) l->clear();
}

void TFauto_pilote::Edit1Click() {
  const std::string nom = analyser_position();
  if (nom.empty() || Edition.empty() || !selectionner_dans_liste(nom)) {
    etat_choix();
    return;
  }
  montrer_arguments(true);
  Bchoisir_fonction->hide();
  LBfonction->setEnabled(false);
  decrire_fonction(ligne_selectionnee());
  const std::string texte = vers_1252(Edit1->text());
  const Tpartie premier =
      parties_arguments(std::string_view(texte).substr(static_cast<std::size_t>(debut_arguments),
                                                       static_cast<std::size_t>(longueur_arguments)))
          .front();
  selectionner(debut_arguments + premier.debut, premier.longueur);
  Edition.front()->setFocus();
}

void TFauto_pilote::Edit1Change() {
  if (!ecriture_interne_) {
    selection_memorisee_ = false;
    // The call the rows were read from may have moved: they are read again
    // at the next click.
    if (!Edition.empty()) etat_choix();
  }
  const std::string texte = vers_1252(Edit1->text());
  if (texte.empty()) {
    formules_affichees[static_cast<std::size_t>(Emplacement::editeur_formule)].reset();
    Image1->effacer_image();
    return;
  }
  afficher_formule(Image1, "{" + texte + "}", 0, 0);
}

void TFauto_pilote::Edit1KeyPress() {
  Bok->setFocus();
  BokClick();
}

void TFauto_pilote::EditionChange() {
  if (remplissage_ || Edition.empty()) return;
  std::vector<std::string> champs;
  for (const QLineEdit* e : Edition) champs.push_back(vers_1252(e->text()));
  const Treecriture r = reecrire_arguments(vers_1252(Edit1->text()), debut_arguments, longueur_arguments, champs);
  longueur_arguments = r.longueur;
  ecrire_formule(r.texte);
  selectionner(debut_arguments + longueur_arguments, 0);
}

void TFauto_pilote::EditionKeyPress(int rang) {
  if (rang + 1 >= static_cast<int>(Edition.size())) {
    Bok->setFocus();
    BokClick();
    return;
  }
  Edition[static_cast<std::size_t>(rang + 1)]->setFocus();
}

void TFauto_pilote::BoutonClick(int rang) {
  const Templacement e = inserer_emplacement(vers_1252(Edit1->text()), debut_arguments, longueur_arguments, rang);
  longueur_arguments = e.longueur;
  ecrire_formule(e.texte);
  selectionner(e.debut_selection, e.longueur_selection);
  FormCreate();
}

void TFauto_pilote::Bouton_objet(int rang, int type) {
  if (Fnouvel_objet == nullptr || rang < 0 || rang >= static_cast<int>(Edition.size())) return;
  // The equation tab gives the system's variables to the second field.
  Fnouvel_objet->remplir_variables_editeur = [this](const std::string& variables) {
    if (Edition.size() >= 2) Edition[1]->setText(depuis_1252(variables));
  };
  const std::string texte =
      Fnouvel_objet->editer_objet(vers_1252(Edition[static_cast<std::size_t>(rang)]->text()), type);
  Fnouvel_objet->remplir_variables_editeur = nullptr;
  if (rang < static_cast<int>(Edition.size())) Edition[static_cast<std::size_t>(rang)]->setText(depuis_1252(texte));
}

void TFauto_pilote::Bnouvelle_formuleClick() {
  Edit1->clear();
  Edit1Click();
  LBfonction->clearSelection();
  LBfonction->setCurrentRow(-1);
}

bool TFauto_pilote::FormCloseQuery() {
  std::string texte = vers_1252(Edit1->text());
  if (texte.empty()) return true;
  // An error value made by the normalisation itself (1/0) is the formula's
  // result, as on the calculator's line: it is not checked as typed text.
  SaisieNormalisee normalisee = normalise_saisie_tapee(texte);
  if (normalisee.erreur) return true;
  std::string message;
  verifier_syntaxe(normalisee.texte, message);
  if (message.empty()) return true;
  affiche_message(message);
  return false;
}

void TFauto_pilote::BokClick() {
  ferme_par_ok = false;
  if (!FormCloseQuery()) return;
  ferme_par_ok = true;
  accept();
}

void TFauto_pilote::BannulerClick() { reject(); }

void TFauto_pilote::reject() {
  ecrire_formule(formule_initiale);
  QDialog::reject();
}

void TFauto_pilote::ecrire_formule(const std::string& texte) {
  const QScopedValueRollback<bool> garde(ecriture_interne_, true);
  Edit1->setText(depuis_1252(texte));
}

void TFauto_pilote::selectionner(int debut, int longueur) {
  Edit1->setSelection(debut, longueur);
  if (longueur == 0) Edit1->setCursorPosition(debut);
  selection_debut_ = debut;
  selection_longueur_ = longueur;
  selection_memorisee_ = true;
}

void TFauto_pilote::memoriser_selection() {
  const bool selection = Edit1->hasSelectedText();
  selection_debut_ = selection ? Edit1->selectionStart() : Edit1->cursorPosition();
  selection_longueur_ = selection ? static_cast<int>(Edit1->selectedText().size()) : 0;
  selection_memorisee_ = true;
}

std::pair<int, int> TFauto_pilote::selection_courante() const {
  const int taille = static_cast<int>(Edit1->text().size());
  if (Edit1->hasSelectedText()) {
    return {Edit1->selectionStart(), static_cast<int>(Edit1->selectedText().size())};
  }
  if (!selection_memorisee_ || Edit1->hasFocus()) return {Edit1->cursorPosition(), 0};
  const int debut = std::clamp(selection_debut_, 0, taille);
  return {debut, std::clamp(selection_longueur_, 0, taille - debut)};
}

bool TFauto_pilote::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == Panel1 && evenement->type() == QEvent::Resize) {
    placer_arguments();
  } else if (objet == Edit1) {
    if (evenement->type() == QEvent::FocusOut) memoriser_selection();
    if (evenement->type() == QEvent::FocusIn) selection_memorisee_ = false;
    if (evenement->type() == QEvent::MouseButtonRelease) Edit1Click();
    if (est_entree(evenement)) {
      Edit1KeyPress();
      return true;
    }
  } else if (objet == LBfonction && est_entree(evenement)) {
    LBfonctionKeyPress();
    return true;
  } else if (const auto it = std::find(Edition.begin(), Edition.end(), objet); it != Edition.end()) {
    if (evenement->type() == QEvent::MouseButtonRelease) EditionChange();
    if (est_entree(evenement)) {
      EditionKeyPress(static_cast<int>(it - Edition.begin()));
      return true;
    }
  }
  return QDialog::eventFilter(objet, evenement);
}
