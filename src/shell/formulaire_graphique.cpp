#include "shell/formulaire_graphique.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "engine/calculs_courbes.h"
#include "engine/courbe.h"
#include "engine/decoupage.h"
#include "engine/syntaxe.h"
#include "exercises/presentation.h"
#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "platform/image_hote.h"
#include "platform/texte_qt.h"
#include "shell/auto_pilote_fonction.h"
#include "shell/composants.h"
#include "shell/vorel.h"

TFgraphique* Fgraphique = nullptr;

namespace {

// Per kind: its name in the list, its pattern, its parts' labels.
struct Tgenre_affiche {
  const char16_t* nom;
  const char* motif;
  std::vector<const char*> etiquettes;
};

const std::array<Tgenre_affiche, 3>& genres_affiches() {
  static const std::array<Tgenre_affiche, 3> genres = {{
      {u"cart\u00e9sienne", "y=f(x)", {"y="}},
      {u"param\u00e9trique", "x=f(t);y=g(t)", {"x=", "y="}},
      {u"polaire", "r=f(t)", {"r="}},
  }};
  return genres;
}

// The syntax error of a typed part, empty when it has none.
std::string erreur_syntaxe_partie(const std::string& partie) {
  std::string texte = normalise_saisie(partie);
  std::string message;
  verifier_syntaxe(texte, message);
  return message;
}

std::string joindre(const std::vector<std::string>& textes) {
  std::string tout;
  for (const std::string& t : textes) {
    if (!tout.empty()) tout += "\r\n";
    tout += t;
  }
  return tout;
}

}  // namespace

TFgraphique::TFgraphique(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFgraphique");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  ComboBox1 = f.creer<QComboBox>(this, "ComboBox1");
  for (const Tgenre_affiche& g : genres_affiches()) ComboBox1->addItem(QString::fromUtf16(g.nom));
  disposition->addWidget(ComboBox1);
  Label2 = f.etiquette(this, "Label2");
  disposition->addWidget(Label2);
  champs_ = new QFormLayout;
  disposition->addLayout(champs_);
  Image1 = new ImageHote(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setMinimumHeight(60);
  disposition->addWidget(Image1, 1);
  auto* bas = new QHBoxLayout;
  BOK = f.bouton(this, "BOK");
  BOK->setText(QStringLiteral("OK"));
  Bannuler = f.bouton(this, "Bannuler");
  bas->addStretch();
  bas->addWidget(BOK);
  bas->addWidget(Bannuler);
  disposition->addLayout(bas);
  connect(BOK, &QPushButton::clicked, this, [this] { BOKClick(); });
  connect(Bannuler, &QPushButton::clicked, this, &QDialog::reject);
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
  ComboBox1Change();
}

void TFgraphique::ComboBox1Change() {
  const int genre = std::max(0, ComboBox1->currentIndex());
  Label2->setText(QString::fromLatin1(genres_affiches()[static_cast<std::size_t>(genre)].motif));
  construire_champs(genre);
  Image1->effacer_image();
}

void TFgraphique::construire_champs(int genre) {
  while (champs_->rowCount() > 0) champs_->removeRow(0);
  Edition.clear();
  etiquettes_.clear();
  boutons_.clear();
  const auto& etiquettes = genres_affiches()[static_cast<std::size_t>(genre)].etiquettes;
  for (std::size_t i = 0; i < etiquettes.size(); ++i) {
    auto* ligne = new QHBoxLayout;
    auto* edition = new QLineEdit(this);
    edition->setObjectName(QStringLiteral("Edition%1").arg(i + 1));
    edition->setMinimumWidth(250);
    edition->installEventFilter(this);
    auto* bouton = new QPushButton(QStringLiteral("Fx"), this);
    bouton->setFixedWidth(20);
    ligne->addWidget(edition, 1);
    ligne->addWidget(bouton);
    auto* etiquette = new QLabel(QString::fromLatin1(etiquettes[i]), this);
    champs_->addRow(etiquette, ligne);
    const int rangee = static_cast<int>(i);
    connect(edition, &QLineEdit::textChanged, this, [this] { EditionChange(); });
    connect(bouton, &QPushButton::clicked, this, [this, rangee] { BoutonClick(rangee); });
    Edition.push_back(edition);
    etiquettes_.push_back(etiquette);
    boutons_.push_back(bouton);
  }
}

void TFgraphique::ouvrir_nouvelle() {
  modification_ = false;
  indice_ = -1;
  setWindowTitle(depuis_1252(catalogue_textes.txt_nouvelle_courbe));
  ComboBox1->setCurrentIndex(genre_cartesien);
  ComboBox1Change();
}

void TFgraphique::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  if (!Edition.empty()) Edition.front()->setFocus();
}

void TFgraphique::ouvrir_modification(int indice, const std::string& ligne) {
  modification_ = true;
  indice_ = indice;
  ligne_ = ligne;
  setWindowTitle(depuis_1252(catalogue_textes.txt_modifier_courbe));
  const int genre = std::max(genre_cartesien, type_courbe(ligne));
  {
    const QSignalBlocker silence(ComboBox1);
    ComboBox1->setCurrentIndex(genre);
  }
  ComboBox1Change();
  const std::vector<std::string> champs = decoupe_arguments(ligne);
  for (std::size_t i = 0; i < Edition.size() && i < champs.size(); ++i) Edition[i]->setText(depuis_1252(champs[i]));
}

void TFgraphique::EditionChange() {
  std::string apercu;
  for (const QLineEdit* e : Edition) {
    if (e->text().isEmpty()) continue;
    if (!apercu.empty()) apercu += ";";
    apercu += "{" + vers_1252(e->text()) + "}";
  }
  if (apercu.empty()) {
    Image1->effacer_image();
  } else {
    afficher_formule(Image1, apercu, 0, 0);
  }
}

void TFgraphique::BoutonClick(int rangee) {
  if (rangee < 0 || rangee >= static_cast<int>(Edition.size())) return;
  QLineEdit* e = Edition[static_cast<std::size_t>(rangee)];
  e->setText(depuis_1252(Fauto_pilote->editer_formule(vers_1252(e->text()), 1)));
}

void TFgraphique::BOKClick() {
  std::vector<std::string> parties;
  for (const QLineEdit* e : Edition) parties.push_back(vers_1252(e->text()));
  const Tsaisie_courbe saisie = verifier_saisie_courbe(ComboBox1->currentIndex(), parties);
  if (!saisie.erreurs.empty()) {
    affiche_message(joindre(saisie.erreurs));
    return;
  }
  QListWidget* liste = Fvorel->CLBcourbe;
  const bool intact = modification_ && indice_ >= 0 && indice_ < liste->count() &&
                      vers_1252(liste->item(indice_)->text()) == ligne_;
  QListWidgetItem* element = nullptr;
  if (intact) {
    element = liste->item(indice_);
    element->setText(depuis_1252(saisie.ligne));
  } else {
    element = new QListWidgetItem(depuis_1252(saisie.ligne), liste);
    element->setFlags(element->flags() | Qt::ItemIsUserCheckable);
  }
  element->setCheckState(Qt::Checked);
  modification_ = false;
  Fvorel->AtracerExecute();
  accept();
}

bool TFgraphique::FormCloseQuery() {
  std::vector<std::string> erreurs;
  for (const QLineEdit* e : Edition) {
    const std::string texte = vers_1252(e->text());
    if (texte.empty()) continue;
    const std::string erreur = erreur_syntaxe_partie(texte);
    if (!erreur.empty()) erreurs.push_back(erreur);
  }
  if (erreurs.empty()) return true;
  affiche_message(joindre(erreurs));
  return false;
}

void TFgraphique::done(int resultat) {
  if (resultat != QDialog::Accepted && !FormCloseQuery()) return;
  QDialog::done(resultat);
}

bool TFgraphique::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::KeyPress) {
    const auto* touche = static_cast<QKeyEvent*>(evenement);
    if ((touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) && !Edition.empty()) {
      if (objet == Edition.back()) {
        BOKClick();
      } else {
        Edition.back()->setFocus();
      }
      return true;
    }
  }
  return QDialog::eventFilter(objet, evenement);
}
