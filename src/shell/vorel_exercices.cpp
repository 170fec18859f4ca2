// The exercise page as the presenter and the answer checker see it: the
// answer controls on the answer panel (Pchamps_saisie), one per slot, with a
// caption beside each; the panels, buttons, pages, clipboard and score bar
// they reach by name.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QToolButton>

#include <algorithm>

#include "components/controles/JvSpecialProgress.h"
#include "exercises/presentation.h"
#include "exercises/verification.h"
#include "localisation/format.h"
#include "platform/chart/chart.h"
#include "platform/couleur_qt.h"
#include "platform/image_hote.h"
#include "platform/texte_qt.h"
#include "shell/vorel.h"

namespace {

// Layout of the answer panel: controls in a column at the left margin of the
// captions, each below the previous one.
constexpr int haut_premier_controle = 5;
constexpr int ecart_controles = 2;
constexpr int gauche_controles = 70;
constexpr int gauche_libelles = 5;
constexpr int marge_basse = 5;
// The drop-down lists.
constexpr int hauteur_liste = 30;
constexpr int hauteur_element_liste = 24;
constexpr int taille_police_liste = 14;
// The exercise view's page starts a little right of the edge; hint pages do not.
constexpr int marge_page_exercice = 5;

constexpr const char* propriete_creneau = "creneau";

// A list whose items all have the same height.
class DelegueHauteurFixe final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), hauteur_element_liste};
  }
};

// Enter and Ctrl+G in an answer control go to the window; the answer
// panel's resizes move the controls' right edges with it.
class FiltreReponses final : public QObject {
 public:
  FiltreReponses(TFvorel* fenetre, QWidget* panneau) : QObject(fenetre), fenetre_(fenetre), panneau_(panneau) {}

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override {
    if (objet == panneau_ && evenement->type() == QEvent::Resize) {
      fenetre_->ajuster_controles_reponse();
    } else if (evenement->type() == QEvent::KeyPress) {
      const QVariant creneau = objet->property(propriete_creneau);
      const char touche = touche_de(*static_cast<QKeyEvent*>(evenement));
      if (creneau.isValid() && touche != 0) return fenetre_->T_reponse2KeyPress(creneau.toInt(), touche);
    }
    return QObject::eventFilter(objet, evenement);
  }

 private:
  // The character the presenter knows a key by; 0 for any other key.
  static char touche_de(const QKeyEvent& evenement) {
    if (evenement.key() == Qt::Key_Return || evenement.key() == Qt::Key_Enter) return touche_entree;
    if (evenement.key() == Qt::Key_G && (evenement.modifiers() & Qt::ControlModifier)) return touche_copie;
    return 0;
  }

  TFvorel* fenetre_;
  QWidget* panneau_;
};

// A control's own visibility, whether or not its window is shown yet.
bool visible(const QWidget* w) { return !(w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)); }

QWidget* controle(int creneau) {
  if (creneau < 0 || creneau >= static_cast<int>(controles_reponse.size())) return nullptr;
  return controles_reponse[static_cast<std::size_t>(creneau)];
}

QComboBox* nouvelle_liste(QWidget* parent, const Tcreneau_reponse& description) {
  auto* liste = new QComboBox(parent);
  liste->setItemDelegate(new DelegueHauteurFixe(liste));
  QFont police = liste->font();
  police.setPointSize(taille_police_liste);
  liste->setFont(police);
  for (const std::string& element : description.elements) liste->addItem(depuis_1252(element));
  liste->setCurrentIndex(-1);
  liste->setFixedHeight(hauteur_liste);
  return liste;
}

// The caption at the left margin, centred on its control's height.
QLabel* libelle_a_cote(QWidget* panneau, const std::string& texte, const QWidget& controle) {
  auto* libelle = new QLabel(depuis_1252(texte), panneau);
  libelle->adjustSize();
  libelle->move(gauche_libelles, controle.y() + controle.height() / 2 - libelle->height() / 2);
  libelle->show();
  return libelle;
}

}  // namespace

void TFvorel::relier_exercices() {
  filtre_reponses_ = new FiltreReponses(this, Pchamps_saisie);
  Pchamps_saisie->installEventFilter(filtre_reponses_);
  connect(B_valider, &QPushButton::clicked, this, &TFvorel::B_ValiderClick);
  connect(TBcommencer, &QToolButton::clicked, this, &TFvorel::AcommencerExecute);
  connect(TBrecommencer, &QToolButton::clicked, this, &TFvorel::TBrecommencerClick);
  connect(Commencer1, &QAction::triggered, this, &TFvorel::AcommencerExecute);
  afficher_barre_score(0, 0);
  relier_page_exercices();
}

void TFvorel::creer_controle_reponse(int creneau, const Tcreneau_reponse& description) {
  QWidget* c = nullptr;
  if (description.genre == Egenre_reponse::saisie) {
    auto* zone = new QLineEdit(Pchamps_saisie);
    connect(zone, &QLineEdit::textChanged, this, [creneau] { echo_saisie(creneau); });
    c = zone;
  } else {
    QComboBox* liste = nouvelle_liste(Pchamps_saisie, description);
    connect(liste, &QComboBox::activated, this, [creneau] { echo_choix(creneau); });
    c = liste;
  }
  c->setProperty(propriete_creneau, creneau);
  c->installEventFilter(filtre_reponses_);
  const QWidget* precedent = controles_reponse.empty() ? nullptr : controles_reponse.back();
  const int haut = precedent == nullptr ? haut_premier_controle : precedent->y() + precedent->height() + ecart_controles;
  const int hauteur = description.genre == Egenre_reponse::saisie ? c->sizeHint().height() : hauteur_liste;
  c->setGeometry(gauche_controles, haut, std::max(0, Pchamps_saisie->width() - gauche_controles), hauteur);
  c->show();
  controles_reponse.push_back(c);

  libelles_reponse.push_back(libelle_a_cote(Pchamps_saisie, description.libelle, *c));
  Pchamps_saisie->setMinimumHeight(haut + hauteur + marge_basse);
}

void TFvorel::ajuster_controles_reponse() {
  const int largeur = std::max(0, Pchamps_saisie->width() - gauche_controles);
  for (QWidget* c : controles_reponse) c->resize(largeur, c->height());
}

// A control may be the one whose key is being handled: each goes once
// control returns to the event loop.
void TFvorel::supprimer_controles_reponse() {
  for (auto* liste : {&controles_reponse, &libelles_reponse}) {
    for (QWidget* w : *liste) {
      w->hide();
      w->deleteLater();
    }
    liste->clear();
  }
  Pchamps_saisie->setMinimumHeight(0);
}

std::string TFvorel::texte_controle(int creneau) const {
  const QWidget* c = controle(creneau);
  if (const auto* zone = qobject_cast<const QLineEdit*>(c)) return vers_1252(zone->text());
  if (const auto* liste = qobject_cast<const QComboBox*>(c); liste != nullptr && liste->currentIndex() >= 0) {
    return vers_1252(liste->currentText());
  }
  return {};
}

void TFvorel::definir_texte_controle(int creneau, const std::string& texte) {
  if (auto* zone = qobject_cast<QLineEdit*>(controle(creneau))) zone->setText(depuis_1252(texte));
}

// A list is drawn with the button colour, an edit box with the base colour:
// both take the answer's colour.
void TFvorel::colorer_controle(int creneau, std::uint32_t couleur) {
  QWidget* c = controle(creneau);
  if (c == nullptr) return;
  QPalette palette = c->palette();
  const QColor teinte = couleur_qt(static_cast<std::int32_t>(couleur));
  palette.setColor(QPalette::Base, teinte);
  if (qobject_cast<QComboBox*>(c) != nullptr) palette.setColor(QPalette::Button, teinte);
  c->setPalette(palette);
}

void TFvorel::focaliser_controle(int creneau) {
  if (QWidget* c = controle(creneau)) c->setFocus();
}

void TFvorel::afficher_saisie(bool montre) { P_saisie->setVisible(montre); }
bool TFvorel::saisie_visible() const { return visible(P_saisie); }
void TFvorel::afficher_valider(bool montre) { Pvalider->setVisible(montre); }
void TFvorel::afficher_graphe(bool montre) { Graph->setVisible(montre); }
void TFvorel::activer_graphe(bool actif) { Graph->setEnabled(actif); }
bool TFvorel::graphe_visible() const { return visible(Graph); }
bool TFvorel::bouton_commencer_actif() const { return TBcommencer->isEnabled(); }
void TFvorel::activer_bouton_recommencer(bool actif) { TBrecommencer->setEnabled(actif); }
bool TFvorel::aide_visible() const { return visible(Caide1); }
std::string TFvorel::libelle_aide() const { return vers_1252(Aide1->title()); }

void TFvorel::dessiner_exercice(const std::string& page) { afficher_formule(Image1, page, marge_page_exercice, 0); }
void TFvorel::dessiner_aide(const std::string& page) { afficher_formule(Image7, page, 0, 0); }

void TFvorel::copier_presse_papiers(const std::string& texte) { QApplication::clipboard()->setText(depuis_1252(texte)); }

// No answer judged shows an empty bar over a range of one. A count read
// beyond the total fills it. The caption keeps the count and its legend.
void TFvorel::afficher_barre_score(int bonnes, int total) {
  PBbonne_reponse->SetMaximum(std::max(total, 1));
  PBbonne_reponse->SetPosition(total > 0 ? std::clamp(bonnes, 0, total) : 0);
  PBbonne_reponse->SetCaption(depuis_1252(Format("%d ", {PBbonne_reponse->Position()}) + legende_score(total)));
}
