// The Graphiques module's state kept in the settings file: the curve list
// and the annotations, restored at start-up and rewritten at shutdown, and
// the chart options applied at start-up.
#include <QAction>
#include <QListWidget>
#include <QToolButton>

#include "engine/courbe.h"
#include "platform/chart/chart.h"
#include "platform/couleur_qt.h"
#include "platform/texte_qt.h"
#include "shell/defauts_parametres.h"
#include "shell/noms_parametres.h"
#include "shell/parametres_principaux.h"
#include "shell/vorel.h"

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;
namespace defaut = parametres::defaut;

}  // namespace

// A line that is no curve cannot be drawn: it is not shown, and kept with
// its place among the curves so that the close writes it back as it was.
void TFvorel::restaurer_courbes() {
  courbes_cachees_.clear();
  for (std::string& ligne : lire_liste(*ini_principal, section::Graphiques)) {
    if (type_courbe(ligne) == genre_invalide) {
      courbes_cachees_.push_back({static_cast<std::size_t>(CLBcourbe->count()), std::move(ligne)});
      continue;
    }
    auto* element = new QListWidgetItem(depuis_1252(ligne), CLBcourbe);
    element->setFlags(element->flags() | Qt::ItemIsUserCheckable);
    element->setCheckState(Qt::Checked);
  }
}

// A line whose corners do not read cannot be placed on the chart: it is
// left out rather than stopping the start-up.
void TFvorel::restaurer_annotations() {
  for (const std::string& valeur : lire_liste(*ini_principal, section::Textes_Graphiques)) {
    const std::optional<Tannotation_sauvee> lue = lire_annotation(valeur);
    if (!lue) continue;
    std::shared_ptr<TChartShape> forme = Chart1->NewShape();
    forme->SetFontColor(couleur_noire);
    forme->SetShowInLegend(false);
    forme->SetText({lue->texte});
    forme->SetPenVisible(false);
    forme->SetStyle(chasHorizLine);
    forme->SetX0(lue->x0);
    forme->SetX1(lue->x1);
    forme->SetY0(lue->y0);
    forme->SetY1(lue->y1);
    annotations_graphiques.push_back(std::move(forme));
  }
}

void TFvorel::appliquer_options_graphiques() {
  const Tfichier_ini& ini = *ini_principal;
  Chart1->SetTitle(ini.lire_texte(section::OptionsGraphiques, cle::titre, defaut::titre));
  // A bound that is not a number takes its default.
  Chart1->LeftAxis().SetMinMax(ini.lire_reel(section::OptionsGraphiques, cle::ymin, defaut::ymin),
                               ini.lire_reel(section::OptionsGraphiques, cle::ymax, defaut::ymax));
  Chart1->BottomAxis().SetMinMax(ini.lire_reel(section::OptionsGraphiques, cle::xmin, defaut::xmin),
                                 ini.lire_reel(section::OptionsGraphiques, cle::xmax, defaut::xmax));
  Chart1->BottomAxis().SetPositionPercent(
      ini.lire_reel(section::OptionsGraphiques, cle::pourcentagex, defaut::pourcentagex));
  Chart1->LeftAxis().SetPositionPercent(
      ini.lire_reel(section::OptionsGraphiques, cle::pourcentagey, defaut::pourcentagey));
  const bool legende = ini.lire_booleen(section::OptionsGraphiques, cle::legende, defaut::legende);
  Chart1->SetLegendVisible(legende);
  const bool quadrillage = ini.lire_booleen(section::OptionsGraphiques, cle::quadrillage, defaut::quadrillage);
  Chart1->LeftAxis().SetGridVisible(quadrillage);
  Chart1->BottomAxis().SetGridVisible(quadrillage);
  Chart1->SetColor(ini.lire_entier(section::Options_graphiques, cle::couleur, defaut::couleur));
  Masquerlgende1->setChecked(!legende);
  TBlegende->setChecked(!Masquerlgende1->isChecked());
}

bool TFvorel::sauver_courbes() {
  std::vector<std::string> lignes;
  for (int i = 0; i < CLBcourbe->count(); ++i) lignes.push_back(vers_1252(CLBcourbe->item(i)->text()));
  return ecrire_liste(*ini_principal, section::Graphiques, avec_lignes_cachees(lignes, courbes_cachees_));
}

bool TFvorel::sauver_annotations() {
  std::vector<std::string> lignes;
  for (const auto& forme : annotations_graphiques) {
    const std::string texte = forme->Text().empty() ? std::string() : forme->Text().front();
    lignes.push_back(texte_annotation({texte, forme->X0(), forme->X1(), forme->Y0(), forme->Y1()}));
  }
  return ecrire_liste(*ini_principal, section::Textes_Graphiques, lignes, est_annotation);
}
