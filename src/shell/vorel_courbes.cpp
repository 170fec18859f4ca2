// The Graphiques module's curves: drawing the curve list, the list's
// commands, the trace cursor, zoom and the intersection search.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/arrondi_decimal.h"
#include "engine/courbe.h"
#include "engine/fonction.h"
#include "engine/intersection_courbes.h"
#include "engine/primitives.h"
#include "exercises/presentation.h"
#include "localisation/catalogue.h"
#include "localisation/format.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "platform/chart/chart.h"
#include "platform/image_hote.h"
#include "platform/texte_qt.h"
#include "shell/calcul_graphique.h"
#include "shell/defauts_parametres.h"
#include "shell/formulaire_graphique.h"
#include "shell/noms_parametres.h"
#include "shell/options_graphiques.h"
#include "shell/parametres_principaux.h"
#include "shell/serie_chart.h"
#include "shell/vorel.h"

std::shared_ptr<TChartSeries> courbe_courante;
int intersection_code = croisement_aucun;
double intersection_x = 0;

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;
namespace defaut = parametres::defaut;

// The zoom buttons' factor.
constexpr double facteur_zoom = 2;

struct Tbornes {
  double xmin, xmax, tmin, tmax;
};

// The value of a bound field, evaluated as an expression; the message shown
// when it is no number.
std::optional<double> borne(const QLineEdit* zone, const std::string& erreur) {
  const std::string valeur = numeriser_texte(vers_1252(zone->text()), false);
  std::optional<double> nombre;
  if (est_nombre(valeur)) nombre = lire_nombre(valeur);
  if (!nombre) affiche_message(erreur);
  return nombre;
}

std::optional<Tbornes> bornes_trace() {
  const TFoptions_graphiques& o = *Foptions_graphiques;
  const auto xmin = borne(o.Txmin, catalogue_textes.txt_impossible_calculer_xmin);
  if (!xmin) return std::nullopt;
  const auto xmax = borne(o.Txmax, catalogue_textes.txt_impossible_calculer_xmax);
  if (!xmax) return std::nullopt;
  const auto tmin = borne(o.Ttmin, catalogue_textes.txt_impossible_calculer_tmin);
  if (!tmin) return std::nullopt;
  const auto tmax = borne(o.Ttmax, catalogue_textes.txt_impossible_calculer_tmax);
  if (!tmax) return std::nullopt;
  return Tbornes{*xmin, *xmax, *tmin, *tmax};
}

std::string formule_courbe(const std::string& ligne) {
  const int genre = type_courbe(ligne);
  const Tcourbe c(ligne, genre);
  switch (genre) {
    case genre_cartesien: return "{y=" + c.expressions[0] + "}";
    case genre_parametrique: return "{x=" + c.expressions[0] + "}<BR>{y=" + c.expressions[1] + "}";
    case genre_polaire: return "{r=" + c.expressions[0] + "}";
    default: return {};
  }
}

int decimales_affichees() {
  return ini_principal->lire_entier(section::Options_graphiques, cle::decimale, defaut::decimale);
}

bool coche(const QListWidgetItem* element) { return element->checkState() == Qt::Checked; }

}  // namespace

std::shared_ptr<TCustomSeries> TFvorel::serie_de(int i) const {
  if (i < 0 || i >= CLBcourbe->count()) return nullptr;
  return std::dynamic_pointer_cast<TCustomSeries>(Chart1->Series(i));
}

void TFvorel::AtracerExecute() {
  const std::optional<Tbornes> bornes = bornes_trace();
  if (!bornes) return;
  bool un_coche = false;
  for (int i = 0; i < CLBcourbe->count(); ++i) un_coche = un_coche || coche(CLBcourbe->item(i));
  if (!un_coche && CLBcourbe->count() > 0) {
    for (int i = 0; i < CLBcourbe->count(); ++i) CLBcourbe->item(i)->setCheckState(Qt::Checked);
    CLBcourbeClick();
  }
  PBtracer->setMaximum(CLBcourbe->count());
  PBtracer->setValue(0);
  PBtracer->show();
  courbe_courante.reset();
  Chart1->RemoveAllSeries();
  for (int i = 0; i < CLBcourbe->count();) {
    const std::string ligne = vers_1252(CLBcourbe->item(i)->text());
    const int genre = type_courbe(ligne);
    if (genre == genre_invalide) {
      CLBcourbe->setCurrentRow(i);
      BsupprimerClick(nullptr);
      continue;
    }
    const bool cartesien = genre == genre_cartesien;
    std::shared_ptr<TLineSeries> serie = Chart1->NewLineSeries();
    Tserie_chart adaptateur(*serie);
    Tcourbe(ligne, genre).tracer(adaptateur, cartesien ? bornes->xmin : bornes->tmin,
                                 cartesien ? bornes->xmax : bornes->tmax);
    serie->SetPenVisible(coche(CLBcourbe->item(i)));
    ++i;
    PBtracer->setValue(i);
  }
  for (const auto& forme : annotations_graphiques) Chart1->AddSeries(forme);
  PBtracer->hide();
  if (CLBcourbe->count() > 0 && CLBcourbe->currentRow() < 0) CLBcourbe->setCurrentRow(0);
  CLBcourbeClick();
  Curseur->hide();
}

void TFvorel::CLBcourbeClick() {
  const int i = CLBcourbe->currentRow();
  if (i >= 0) {
    std::shared_ptr<TCustomSeries> serie = serie_de(i);
    if (serie) serie->SetPenVisible(coche(CLBcourbe->item(i)));
    courbe_courante = serie;
    afficher_formule(Image8, formule_courbe(vers_1252(CLBcourbe->item(i)->text())), 0, 0);
  } else {
    courbe_courante.reset();
  }
  ScrollBar1Change();
}

void TFvorel::CLBcourbeDblClick() { BmodifierClick(); }

void TFvorel::CBcocherClick() {
  const bool tout = CBcocher->isChecked();
  for (int i = 0; i < CLBcourbe->count(); ++i) {
    CLBcourbe->item(i)->setCheckState(tout ? Qt::Checked : Qt::Unchecked);
    if (std::shared_ptr<TCustomSeries> serie = serie_de(i)) serie->SetPenVisible(tout);
  }
  CBcocher->setText(tout ? QStringLiteral("Tout d\u00e9cocher") : QStringLiteral("Tout cocher"));
}

void TFvorel::BajouterClick() {
  Fgraphique->ouvrir_nouvelle();
  montrer_modal(Fgraphique->objectName().toStdString(), [] { return Fgraphique->exec(); });
}

void TFvorel::BmodifierClick() {
  const int i = CLBcourbe->currentRow();
  if (i < 0) return;
  Fgraphique->ouvrir_modification(i, vers_1252(CLBcourbe->item(i)->text()));
  montrer_modal(Fgraphique->objectName().toStdString(), [] { return Fgraphique->exec(); });
}

void TFvorel::BsupprimerClick(QObject* sender) {
  const int i = CLBcourbe->currentRow();
  const bool du_bouton = sender != nullptr;
  if (i < 0) {
    if (du_bouton) affiche_message(catalogue_textes.txt_avez_rien_selectionne);
    return;
  }
  const std::string ligne = vers_1252(CLBcourbe->item(i)->text());
  if (du_bouton && affiche_dialogue(Format(catalogue_textes.txt_souaitez_supprimer_equation, {ligne}),
                                    TypeDialogue::confirmation,
                                    bouton_oui | bouton_non | bouton_annuler) != reponse_oui) {
    return;
  }
  if (std::shared_ptr<TCustomSeries> serie = serie_de(i)) {
    if (courbe_courante == serie) courbe_courante.reset();
    Chart1->RemoveSeries(serie.get());
  }
  delete CLBcourbe->takeItem(i);
  if (CLBcourbe->currentRow() < 0) courbe_courante.reset();
  CLBcourbeClick();
}

void TFvorel::Effacertouteslescourbes1Click() {
  if (affiche_dialogue(catalogue_textes.txt_voulez_supprimer_toutes, TypeDialogue::confirmation,
                       bouton_oui | bouton_non | bouton_annuler) != reponse_oui) {
    return;
  }
  for (int i = CLBcourbe->count() - 1; i >= 0; --i) {
    CLBcourbe->setCurrentRow(i);
    BsupprimerClick(nullptr);
  }
}

void TFvorel::montrer_curseur(QPoint pixel) {
  Curseur->move(pixel - QPoint(Curseur->width() / 2, Curseur->height() / 2));
  Curseur->show();
  Curseur->raise();
}

void TFvorel::ScrollBar1Change() {
  auto serie = std::dynamic_pointer_cast<TCustomSeries>(courbe_courante);
  if (!serie || serie->Count() == 0) {
    Curseur->hide();
    for (QLabel* panneau : panneaux_etat) panneau->clear();
    Tx->setText(QStringLiteral("0"));
    Ty->setText(QStringLiteral("0"));
    Image8->effacer_image();
    return;
  }
  ScrollBar1->setRange(0, serie->Count() - 1);
  const int position = ScrollBar1->value();
  const double x = serie->XValue(position);
  const double y = serie->YValue(position);
  montrer_curseur(QPoint(serie->CalcXPosValue(x), serie->CalcYPosValue(y)));
  const int decimales = decimales_affichees();
  const double xa = RoundTo(x, -decimales);
  const double ya = RoundTo(y, -decimales);
  panneaux_etat[0]->setText(depuis_1252(Format("X=%g;Y=%g", {xa, ya})));
  panneaux_etat[1]->setText(depuis_1252(serie->Title()));
  Tx->setText(depuis_1252(texte_nombre(xa)));
  Ty->setText(depuis_1252(texte_nombre(ya)));
  chercher_croisement(position, intersection_code, intersection_x);
}

void TFvorel::chercher_croisement(int position, int& code, double& x) {
  std::vector<std::string> titres;
  int courante = -1;
  for (int i = 0; i < Chart1->SeriesCount(); ++i) {
    std::shared_ptr<TChartSeries> serie = Chart1->Series(i);
    if (std::dynamic_pointer_cast<TCustomSeries>(serie) == nullptr) continue;
    if (serie == courbe_courante) courante = static_cast<int>(titres.size());
    titres.push_back(serie->Title());
  }
  auto serie = std::dynamic_pointer_cast<TCustomSeries>(courbe_courante);
  code = croisement_aucun;
  if (serie && courante >= 0) {
    Tserie_chart points(*serie);
    const Tcroisement trouve = ::chercher_croisement(titres, courante, points, position);
    code = trouve.code;
    x = trouve.x;
  }
  Bintersection->setVisible(code != croisement_aucun);
}

void TFvorel::BintersectionClick() {
  const int precision =
      ini_principal->lire_entier(section::Options_graphiques, cle::precision, defaut::precision);
  Bintersection->hide();
  auto serie = std::dynamic_pointer_cast<TCustomSeries>(courbe_courante);
  if (!serie) return;
  const std::string titre = serie->Title();
  std::string autre;
  std::string description;
  if (intersection_code == croisement_axe_ordonnees) {
    description = Format(catalogue_textes.txt_courbe_equation_avec, {titre});
  } else if (intersection_code == croisement_axe_abscisses) {
    description = Format(catalogue_textes.txt_courbe_equation_avec_2, {titre});
  } else if (intersection_code >= 0) {
    if (std::shared_ptr<TChartSeries> s = Chart1->Series(intersection_code)) autre = s->Title();
    description = Format(catalogue_textes.txt_entre_courbes_equation, {titre, autre});
  }
  const std::optional<Tpoint_plan> point =
      chercher_intersection(titre, intersection_code, autre, intersection_x, precision);
  if (!point) {
    affiche_message(catalogue_textes.txt_impossible_calculer_coordonnees);
    return;
  }
  affiche_message(Format(catalogue_textes.txt_coordonnees_point_intersection, {description, point->x, point->y}));
  montrer_curseur(QPoint(serie->CalcXPosValue(point->x), serie->CalcYPosValue(point->y)));
  Tx->setText(depuis_1252(texte_nombre(point->x)));
  Ty->setText(depuis_1252(texte_nombre(point->y)));
}

namespace {

void zoomer(TChart& chart, double facteur) {
  TChartAxis& gauche = chart.LeftAxis();
  TChartAxis& bas = chart.BottomAxis();
  const double ymin = gauche.Minimum() * facteur;
  const double xmin = bas.Minimum() * facteur;
  const double ymax = gauche.Maximum() * facteur;
  const double xmax = bas.Maximum() * facteur;
  gauche.SetMinMax(ymin, ymax);
  bas.SetMinMax(xmin, xmax);
  Foptions_graphiques->Txmin->setText(depuis_1252(texte_nombre(xmin)));
  Foptions_graphiques->Txmax->setText(depuis_1252(texte_nombre(xmax)));
}

}  // namespace

void TFvorel::TBzoom_plusClick() {
  zoomer(*Chart1, facteur_zoom);
  AtracerExecute();
}

void TFvorel::TBzoom_moinsClick() {
  zoomer(*Chart1, 1 / facteur_zoom);
  AtracerExecute();
}

void TFvorel::Chart1Zoom() {
  Foptions_graphiques->FormShow();
  Foptions_graphiques->BappliquerClick(nullptr);
}

void TFvorel::Chart1Resize() { Curseur->hide(); }

void TFvorel::Chart1MouseMove(QPoint pixel) {
  if (Chart1->SeriesCount() == 0) return;
  const std::shared_ptr<TChartSeries> premiere = Chart1->Series(0);
  const int decimales = decimales_affichees();
  const double x = RoundTo(premiere->XScreenToValue(pixel.x()), -decimales);
  const double y = RoundTo(premiere->YScreenToValue(pixel.y()), -decimales);
  panneaux_etat[0]->setText(depuis_1252(Format("X=%g;Y=%g", {x, y})));
  deplacer_annotation(pixel);
}

void TFvorel::Masquerlgende1Click() {
  Masquerlgende1->setChecked(!Masquerlgende1->isChecked());
  const bool legende = !Masquerlgende1->isChecked();
  Chart1->SetLegendVisible(legende);
  TBlegende->setChecked(legende);
  ini_principal->ecrire_booleen(section::OptionsGraphiques, cle::legende, legende);
}

void TFvorel::Masquergestionnairedecourbe1Click() {
  const bool avant = Masquergestionnairedecourbe1->isChecked();
  Panel3->setVisible(avant);
  Masquergestionnairedecourbe1->setChecked(!avant);
  if (auto* bouton = TabSheet3->findChild<QToolButton*>(QStringLiteral("Tbgestionnaire_courbe"))) {
    bouton->setChecked(avant);
  }
}

void TFvorel::CalculTangente1Click() {
  Fcalcul_graphique->montrer_page(false);
  montrer_modal(Fcalcul_graphique->objectName().toStdString(), [] { return Fcalcul_graphique->exec(); });
}

void TFvorel::Calculintgral1Click() {
  Fcalcul_graphique->montrer_page(true);
  montrer_modal(Fcalcul_graphique->objectName().toStdString(), [] { return Fcalcul_graphique->exec(); });
}
