// The Exercices page's commands: starting and repeating an exercise, the
// links of the exercise view and of the hint pages, the clicks that answer
// on the exercise chart; the help contents and search; the test page.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <cstdint>
#include <optional>
#include <utility>

#include "exercises/catalogue_exercices.h"
#include "exercises/comptes.h"
#include "exercises/presentation.h"
#include "exercises/verification.h"
#include "formula/formule.h"
#include "localisation/catalogue.h"
#include "localisation/chaines.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "platform/chart/chart.h"
#include "platform/image_hote.h"
#include "platform/ini/fichier_ini.h"
#include "platform/ini/fichiers_aide.h"
#include "platform/systeme/aide_html.h"
#include "platform/texte_qt.h"
#include "shell/defauts_parametres.h"
#include "shell/fiche_choix_exo.h"
#include "shell/noms_parametres.h"
#include "shell/pages_aide.h"
#include "shell/parametres_principaux.h"
#include "shell/reponse_clic.h"
#include "shell/vorel.h"

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;
namespace defaut = parametres::defaut;

// Link identifiers of the exercise view.
constexpr int lien_connexion = 1;
constexpr int lien_commencer = 2;
constexpr int lien_continuer = 4;
constexpr int lien_recommencer = 5;

// The section of the hint pages in each help file.
constexpr std::string_view section_pages_aide = "Exercices";

// The dot a chart click leaves.
constexpr std::int32_t couleur_point_clic = 0x000000;
constexpr int largeur_point_clic = 7;

// The test page's scrambling key: printable ASCII stays printable.
constexpr int cle_cryptage_test = 0x80;

// Set while a handler of the kind runs: a dialog's event loop must not
// start it again inside itself.
struct Tgardes {
  bool demarrage = false;
  bool liens_exercice = false;
  bool liens_aide = false;
  bool validation = false;
};
Tgardes gardes;

class Garde {
 public:
  explicit Garde(bool& drapeau) : drapeau_(drapeau), libre_(!drapeau) { drapeau_ = true; }
  ~Garde() {
    if (libre_) drapeau_ = false;
  }
  Garde(const Garde&) = delete;
  Garde& operator=(const Garde&) = delete;
  // False when the handler already runs.
  bool libre() const { return libre_; }

 private:
  bool& drapeau_;
  bool libre_;
};

// The renderer that shows a page on the image, if any.
Tformule* formule_sur(Emplacement emplacement, const ImageHote* image) {
  Tformule* f = formule_de(emplacement);
  return f != nullptr && f->image == image ? f : nullptr;
}

// The link the last press hit, taken so that it acts once.
std::string prendre_lien(Tformule* vue) { return vue == nullptr ? std::string() : std::exchange(vue->lien_clique, {}); }

bool aide_montree() {
  return !ini_principal || ini_principal->lire_booleen(section::Exercices, cle::Aide, defaut::Aide);
}

// The hint page of the entry on screen; empty when there is none.
std::string aide_exercice_courant() {
  if (exercice_courant < 0 || exercice_courant >= static_cast<int>(exercices.aide.size())) return {};
  return exercices.aide[static_cast<std::size_t>(exercice_courant)];
}

// The page a hint link names; nothing for a key that names none.
std::optional<std::string> page_du_lien(const std::string& lien) {
  if (!cle_page_valide(lien)) return std::nullopt;
  const int numero = numero_fichier_aide(lien);
  const auto& fichier = ini_aide[static_cast<std::size_t>(numero)];
  return fichier ? fichier->lire_texte(section_pages_aide, lien) : std::string();
}

int nombre_de_points(const TChartSeries& serie) {
  const auto* points = dynamic_cast<const TCustomSeries*>(&serie);
  return points == nullptr ? 0 : points->Count();
}

// Writes a clicked value into the answer field of a slot, rounded for the
// answer that slot expects.
void ecrire_clic(int creneau, double valeur) {
  const auto c = static_cast<std::size_t>(creneau);
  if (c >= creneaux_reponse.size()) return;
  const std::string attendue = c < reponses_attendues.size() ? reponses_attendues[c] : std::string();
  if (const std::optional<std::string> texte = texte_clic(valeur, attendue)) {
    ecran_exercices().definir_texte_controle(creneau, *texte);
  }
}

}  // namespace

void TFvorel::relier_page_exercices() {
  relier_action("Acommencer", &TFvorel::AcommencerExecute);
  relier_action("Aaide_contextuelle", &TFvorel::Aaide_contextuelleExecute);
  relier_action("Aaide", &TFvorel::AaideExecute);
  relier_action("AidedPralinore1", &TFvorel::AaideExecute);
  relier_action("Arechercher", &TFvorel::ArechercherExecute);
  relier_action("Rechercher2", &TFvorel::ArechercherExecute);
  relier_bouton("TBprecedent", &TFvorel::TBprecedentClick);
  relier_bouton("TBaide2", &TFvorel::TBaide2Click);
  relier_bouton("Button6", &TFvorel::Button6Click);
  relier_bouton("Button7", &TFvorel::Button7Click);
  relier_bouton("Button8", &TFvorel::Button8Click);
  if (auto* edit6 = findChild<QLineEdit*>(QStringLiteral("Edit6"))) {
    connect(edit6, &QLineEdit::textChanged, this, &TFvorel::Edit6Change);
  }
  Image1->definir_sur_relachement(this, [this](BoutonSouris, unsigned, int, int) { Image1MouseUp(); });
  Image7->definir_sur_relachement(this, [this](BoutonSouris, unsigned, int, int) { Image7MouseUp(); });
  Image6->definir_sur_relachement(this, [this](BoutonSouris, unsigned, int, int) { Image6Click(); });
  connect(Graph, &TChart::ClickSeries, this, &TFvorel::GraphClickSeries);
  connect(Graph, &TChart::ClickBackground, this, &TFvorel::GraphClickBackground);
  connect(Graph, &TChart::ClickAxis, this, &TFvorel::GraphClickAxis);
  connect(Graph, &TChart::MouseMove, this, &TFvorel::GraphMouseMove);
}

// ---- Starting ----

void TFvorel::AcommencerExecute() {
  const Garde garde(gardes.demarrage);
  if (!garde.libre()) return;
  if (exercice_en_cours) {
    affiche_message(catalogue_textes.txt_repondez_question_posee);
    return;
  }
  if (utilisateur_courant.empty()) {
    Fiche_choix_exo->demarrer_session();
    return;
  }
  if (est_nom_gestionnaire(utilisateur_courant)) {
    affiche_message(catalogue_textes.txt_pouvez_executer_fonction);
    return;
  }
  const bool recommencer_actif = TBrecommencer->isEnabled();
  exercice_en_cours = true;
  Commencer1->setVisible(false);
  TBcommencer->setEnabled(false);
  TBrecommencer->setEnabled(TBcommencer->isEnabled());
  Caide1->setVisible(aide_montree());
  P_reponse->show();
  if (choisir_exercice(-1) >= 0) return;
  // Nothing could be started: the page is left as it was.
  exercice_en_cours = false;
  Commencer1->setVisible(true);
  TBcommencer->setEnabled(true);
  TBrecommencer->setEnabled(recommencer_actif);
}

void TFvorel::TBrecommencerClick() {
  const Garde garde(gardes.demarrage);
  if (!garde.libre() || exercice_courant < 0) return;
  exercice_en_cours = true;
  P_reponse->show();
  TBcommencer->setEnabled(false);
  TBrecommencer->setEnabled(TBcommencer->isEnabled());
  if (choisir_exercice(exercice_courant) >= 0) return;
  exercice_en_cours = false;
  TBcommencer->setEnabled(true);
}

void TFvorel::BcontinuerClick() {
  const Garde garde(gardes.demarrage);
  if (garde.libre()) choisir_exercice(-1);
}

void TFvorel::BRecommencerClick() {
  const Garde garde(gardes.demarrage);
  if (garde.libre() && exercice_courant >= 0) choisir_exercice(exercice_courant);
}

void TFvorel::B_ValiderClick() {
  const Garde garde(gardes.validation);
  if (garde.libre()) valider_reponses();
}

bool TFvorel::T_reponse2KeyPress(int creneau, char touche) {
  if (touche != touche_entree || creneau + 1 < static_cast<int>(creneaux_reponse.size())) {
    return touche_reponse(creneau, touche);
  }
  if (TBcommencer->isEnabled()) {
    AcommencerExecute();
  } else {
    B_ValiderClick();
  }
  return true;
}

// ---- Hint pages ----

void TFvorel::Aaide_contextuelleExecute() {
  if (!page_exercices_visible()) {
    AaideExecute();
    return;
  }
  montrer_page(TSaide);
  ClasseurChange();
  Caide1->show();
  if (ini_principal) ini_principal->ecrire_booleen(section::Exercices, cle::Aide, true);
  historique_aide.clear();
  afficher_page_aide(aide_exercice_courant(), 1);
}

void TFvorel::TBprecedentClick() { page_aide_precedente(); }

void TFvorel::TBaide2Click() { TBexercicesClick(); }

// ---- The exercise view and the hint view ----

void TFvorel::Image1MouseDown(BoutonSouris bouton, unsigned etat, int x, int y) {
  if (Tformule* vue = formule_sur(Emplacement::exercice, Image1)) vue->ImageMouseDown(bouton, etat, x, y);
}

void TFvorel::Image1MouseUp() {
  const Garde garde(gardes.liens_exercice);
  if (!garde.libre()) return;
  const std::string lien = prendre_lien(formule_sur(Emplacement::exercice, Image1));
  if (lien.empty()) return;
  switch (lire_entier32(lien).value_or(0)) {
    case lien_connexion:
      Fiche_choix_exo->demarrer_session();
      break;
    case lien_commencer:
    case lien_continuer:
      AcommencerExecute();
      break;
    case lien_aide_exercice:
      Aaide_contextuelleExecute();
      break;
    case lien_recommencer:
      TBrecommencerClick();
      break;
    default:
      break;
  }
  Image1->definir_curseur(Curseur::defaut);
}

void TFvorel::Image7MouseUp() {
  const Garde garde(gardes.liens_aide);
  if (!garde.libre()) return;
  const std::string lien = prendre_lien(formule_sur(Emplacement::aide, Image7));
  if (lien.empty()) return;
  const std::optional<std::int32_t> id = lire_entier32(lien);
  if (id == lien_page_precedente) {
    page_aide_precedente();
  } else if (id == lien_retour_exercice) {
    Caide1->hide();
    TBaide2Click();
  } else if (id) {
    if (const std::optional<std::string> page = page_du_lien(lien)) afficher_page_aide(*page, 1);
  }
  Image7->definir_curseur(Curseur::defaut);
}

// The renderers show the pointer over links themselves.
void TFvorel::Image1MouseMove() {}
void TFvorel::Image7MouseMove() {}

// ---- The exercise chart ----

void TFvorel::GraphClickSeries(TChartSeries*, int, Qt::MouseButton, QPoint pixel) {
  Graph->Repaint();
  Graph->marquer_point(pixel, couleur_point_clic, largeur_point_clic);
  const std::shared_ptr<TChartSeries> premiere = Graph->Series(0);
  if (premiere) ecrire_clic(0, premiere->XScreenToValue(pixel.x()));
}

// A click answers where the first series has no points: the chart is the
// answer's place (its answer field may be hidden).
void TFvorel::GraphClickBackground(Qt::MouseButton, QPoint pixel) {
  Graph->Repaint();
  const std::shared_ptr<TChartSeries> premiere = Graph->Series(0);
  if (!premiere || nombre_de_points(*premiere) > 0) return;
  ecrire_clic(0, premiere->XScreenToValue(pixel.x()));
  ecrire_clic(1, premiere->YScreenToValue(pixel.y()));
  Graph->marquer_point(pixel, couleur_point_clic, largeur_point_clic);
}

// An axis is part of the background: the click answers the same way and
// the exercise stays the same.
void TFvorel::GraphClickAxis(TChartAxis*, Qt::MouseButton bouton, QPoint pixel) {
  GraphClickBackground(bouton, pixel);
}

void TFvorel::GraphMouseMove(QPoint) {}

// ---- Help ----

void TFvorel::AaideExecute() { HtmlHelp(fichier_aide, HH_DISPLAY_TOC, 0); }

void TFvorel::ArechercherExecute() {
  HH_FTS_QUERY requete;
  requete.cbStruct = taille_hh_fts_query;
  requete.iProximity = proximite_quelconque;
  requete.fExecute = true;
  HtmlHelp(fichier_aide, HH_DISPLAY_SEARCH, reinterpret_cast<std::intptr_t>(&requete));
}

// ---- Test page ----

void TFvorel::Button6Click() {
  if (const auto* edit6 = findChild<QLineEdit*>(QStringLiteral("Edit6"))) {
    afficher_formule(Image6, vers_1252(edit6->text()), 0, 0);
  }
}

void TFvorel::Button8Click() {
  Tformule* vue = formule_sur(Emplacement::autre, Image6);
  if (vue == nullptr) return;
  vue->imprimer(imprimante_choisie ? imprimante_choisie() : nullptr);
}

void TFvorel::Button7Click() {
  if (auto* edit7 = findChild<QLineEdit*>(QStringLiteral("Edit7"))) {
    edit7->setText(depuis_1252(crypter(vers_1252(edit7->text()), cle_cryptage_test)));
  }
}

void TFvorel::Edit6Change() {}

void TFvorel::Image6Click() {
  const Tformule* vue = formule_sur(Emplacement::autre, Image6);
  if (vue != nullptr && !vue->lien_survole.empty()) affiche_message(vue->lien_survole);
}
