// The Graphiques module's chart: clicks on curves and annotations, the text
// annotations, the painted area of an integral, the keys of the curve list
// and the trace bar, and the signals of the page's controls.
#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <utility>
#include <memory>
#include <string>

#include "engine/intersection_courbes.h"
#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "platform/chart/chart.h"
#include "platform/couleur_qt.h"
#include "platform/texte_qt.h"
#include "shell/calcul_graphique.h"
#include "shell/vorel.h"

namespace {

// An annotation's half-extents: this fraction of each visible range.
constexpr double fraction_annotation = 1.0 / 50;
constexpr const char* invite_annotation = "Saisir votre texte.";

std::string trim(const std::string& texte) {
  const auto debut = texte.find_first_not_of(" \t\r\n");
  if (debut == std::string::npos) return {};
  const auto fin = texte.find_last_not_of(" \t\r\n");
  return texte.substr(debut, fin - debut + 1);
}

// Centres a shape on (x, y) with half-extents of 1/50 of the visible ranges.
void centrer(TChartShape& forme, const TChart& chart, double x, double y) {
  const double w = (chart.BottomAxis().Maximum() - chart.BottomAxis().Minimum()) * fraction_annotation;
  const double h = (chart.LeftAxis().Maximum() - chart.LeftAxis().Minimum()) * fraction_annotation;
  forme.SetX0(x + w);
  forme.SetY0(y + h);
  forme.SetX1(x - w);
  forme.SetY1(y - h);
}

// Passes the key presses of a control to the window's handlers.
class FiltreTouches : public QObject {
 public:
  FiltreTouches(QObject* parent, std::function<bool(int)> touche) : QObject(parent), touche_(std::move(touche)) {}

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override {
    if (evenement->type() == QEvent::KeyPress && touche_(static_cast<QKeyEvent*>(evenement)->key())) return true;
    return QObject::eventFilter(objet, evenement);
  }

 private:
  std::function<bool(int)> touche_;
};

bool entree(int touche) { return touche == Qt::Key_Return || touche == Qt::Key_Enter; }

std::string titre_graphiques() { return vers_1252(Fvorel->Graphique2->title().remove(QLatin1Char('&'))); }

}  // namespace

void TFvorel::rassembler_annotations() {
  annotations_graphiques.clear();
  for (int i = 0; i < Chart1->SeriesCount(); ++i) {
    if (auto forme = std::dynamic_pointer_cast<TChartShape>(Chart1->Series(i))) annotations_graphiques.push_back(forme);
  }
}

void TFvorel::choisir_annotation(TChartShape& forme, Qt::MouseButton bouton) {
  if (bouton == Qt::LeftButton) {
    if (forme.FontColor() == couleur_rouge) {
      forme.SetFontColor(couleur_noire);
      courbe_courante.reset();
      Curseur->hide();
    } else {
      forme.SetFontColor(couleur_rouge);
    }
    return;
  }
  if (bouton != Qt::RightButton) return;
  const std::string actuel = forme.Text().empty() ? std::string() : forme.Text().front();
  const std::optional<std::string> texte = messagerie().saisie(titre_graphiques(), invite_annotation, trim(actuel));
  if (!texte) return;
  if (texte->empty()) {
    Chart1->RemoveSeries(&forme);
    courbe_courante.reset();
    return;
  }
  forme.SetText({*texte});
  forme.SetFontColor(couleur_noire);
}

void TFvorel::Chart1ClickSeries(TChartSeries* serie, int indice, Qt::MouseButton bouton, QPoint pixel) {
  intersection_code = croisement_axe_ordonnees;
  int rang = -1;
  for (int i = 0; i < Chart1->SeriesCount(); ++i) {
    if (Chart1->Series(i).get() == serie) rang = i;
  }
  if (rang < 0) return;
  courbe_courante = Chart1->Series(rang);
  if (auto forme = std::dynamic_pointer_cast<TChartShape>(courbe_courante)) {
    choisir_annotation(*forme, bouton);
    rassembler_annotations();
    return;
  }
  if (rang >= CLBcourbe->count()) return;
  {
    const QSignalBlocker silence(CLBcourbe);
    CLBcourbe->setCurrentRow(rang);
  }
  CLBcourbeClick();
  {
    const QSignalBlocker silence(ScrollBar1);
    ScrollBar1->setValue(indice);
  }
  ScrollBar1Change();
  montrer_curseur(pixel);
  // The right button traces without showing the cursor.
  if (bouton != Qt::LeftButton) Curseur->hide();
  panneaux_etat[1]->setText(depuis_1252(serie->Title()));
}

void TFvorel::deplacer_annotation(QPoint pixel) {
  auto forme = std::dynamic_pointer_cast<TChartShape>(courbe_courante);
  if (!forme || forme->FontColor() != couleur_rouge) return;
  centrer(*forme, *Chart1, forme->XScreenToValue(pixel.x()), forme->YScreenToValue(pixel.y()));
}

void TFvorel::TBtexte_graphiqueClick() {
  const std::optional<std::string> texte = messagerie().saisie(titre_graphiques(), invite_annotation, "");
  if (!texte || texte->empty()) return;
  std::shared_ptr<TChartShape> forme = Chart1->NewShape();
  forme->SetShowInLegend(false);
  forme->SetPenVisible(false);
  forme->SetStyle(chasHorizLine);
  forme->SetText({*texte});
  forme->SetFontColor(couleur_rouge);
  const TChartAxis& bas = Chart1->BottomAxis();
  const TChartAxis& gauche = Chart1->LeftAxis();
  centrer(*forme, *Chart1, (bas.Minimum() + bas.Maximum()) / 2, (gauche.Minimum() + gauche.Maximum()) / 2);
  courbe_courante = forme;
  rassembler_annotations();
}

void TFvorel::Effacertouteslesannotations1Click() {
  if (affiche_dialogue(catalogue_textes.txt_voulez_supprimer_toutes_2, TypeDialogue::confirmation,
                       bouton_oui | bouton_non | bouton_annuler) != reponse_oui) {
    return;
  }
  for (const auto& forme : annotations_graphiques) Chart1->RemoveSeries(forme.get());
  annotations_graphiques.clear();
  if (std::dynamic_pointer_cast<TChartShape>(courbe_courante)) courbe_courante.reset();
  AtracerExecute();
  Chart1->Repaint();
}

void TFvorel::Chart1BeforeDrawSeries(QPainter* peintre, const TChartMap& carte) {
  if (Fcalcul_graphique != nullptr) Fcalcul_graphique->peindre_aire(*peintre, carte);
}

bool TFvorel::CLBcourbeKeyDown(int touche) {
  if (touche != Qt::Key_Left && touche != Qt::Key_Right) return false;
  ScrollBar1->setFocus();
  return true;
}

// Qt's scroll bar reads the horizontal arrows through controls inverted for
// vertical bars, so Right would step back; the trace steps itself, Right to
// the next sample (larger x), Left to the one before.
bool TFvorel::ScrollBar1KeyDown(int touche) {
  if (touche == Qt::Key_Up || touche == Qt::Key_Down) CLBcourbe->setFocus();
  if (touche == Qt::Key_Right) ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  if (touche == Qt::Key_Left) ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepSub);
  return touche == Qt::Key_Right || touche == Qt::Key_Left;
}

bool TFvorel::ScrollBar1KeyPress(int touche) {
  if (!entree(touche)) return false;
  if (!Bintersection->isHidden()) BintersectionClick();
  return true;
}

void TFvorel::relier_graphiques() {
  CLBcourbe->installEventFilter(new FiltreTouches(CLBcourbe, [this](int t) { return CLBcourbeKeyDown(t); }));
  CBcocher = Panel3->findChild<QCheckBox*>(QStringLiteral("CBcocher"));
  Bintersection = Panel3->findChild<QAbstractButton*>(QStringLiteral("Bintersection"));
  Tx = Panel3->findChild<QLineEdit*>(QStringLiteral("Tx"));
  Ty = Panel3->findChild<QLineEdit*>(QStringLiteral("Ty"));
  ScrollBar1 = TabSheet3->findChild<QScrollBar*>(QStringLiteral("ScrollBar1"));
  ScrollBar1->setFocusPolicy(Qt::StrongFocus);
  ScrollBar1->installEventFilter(new FiltreTouches(ScrollBar1, [this](int t) {
    const bool consommee = ScrollBar1KeyDown(t);
    return ScrollBar1KeyPress(t) || consommee;
  }));
  PBtracer = TabSheet3->findChild<QProgressBar*>(QStringLiteral("PBtracer"));
  Curseur = Chart1->findChild<QFrame*>(QStringLiteral("Curseur"));
  Curseur->setFixedSize(7, 7);
  Curseur->setFrameShape(QFrame::Box);
  Masquergestionnairedecourbe1 = Affichage1->findChild<QAction*>(QStringLiteral("Masquergestionnairedecourbe1"));
  if (Masquergestionnairedecourbe1 == nullptr) {
    for (QAction* a : Affichage1->actions()) {
      if (a->objectName() == QLatin1String("Masquergestionnairedecourbe1")) Masquergestionnairedecourbe1 = a;
    }
  }

  relier_bouton("Bajouter", &TFvorel::BajouterClick);
  relier_bouton("Bmodifier", &TFvorel::BmodifierClick);
  relier_bouton("Btracer", &TFvorel::AtracerExecute);
  relier_bouton("Bintersection", &TFvorel::BintersectionClick);
  relier_bouton("TBzoom_plus", &TFvorel::TBzoom_plusClick);
  relier_bouton("TBzoom_moins", &TFvorel::TBzoom_moinsClick);
  relier_bouton("TBtexte_graphique", &TFvorel::TBtexte_graphiqueClick);
  relier_bouton("TBequation_tangente", &TFvorel::CalculTangente1Click);
  relier_bouton("TBintegrale", &TFvorel::Calculintgral1Click);
  relier_bouton("TBimprimer", &TFvorel::Imprimer1Click);
  if (auto* b = findChild<QToolButton*>(QStringLiteral("Tbgestionnaire_courbe"))) {
    connect(b, &QToolButton::clicked, this, [this, b] {
      b->setChecked(!b->isChecked());
      if (Masquergestionnairedecourbe1 != nullptr) Masquergestionnairedecourbe1Click();
    });
  }
  relier_bouton("ToolButton11", &TFvorel::Imprimer1Click);
  relier_action("Ajoutercourbe1", &TFvorel::BajouterClick);
  relier_action("Ajoutertexte1", &TFvorel::TBtexte_graphiqueClick);
  relier_action("CalculTangente1", &TFvorel::CalculTangente1Click);
  relier_action("Calculintgral1", &TFvorel::Calculintgral1Click);
  relier_action("Effacertouteslescourbes1", &TFvorel::Effacertouteslescourbes1Click);
  relier_action("Effacertouteslesannotations1", &TFvorel::Effacertouteslesannotations1Click);
  connect(Enregistrer1, &QAction::triggered, this, &TFvorel::Enregistrer1Click);
  connect(Imprimer1, &QAction::triggered, this, &TFvorel::Imprimer1Click);
  if (auto* b = findChild<QAbstractButton*>(QStringLiteral("Bsupprimer"))) {
    connect(b, &QAbstractButton::clicked, this, [this, b] { BsupprimerClick(b); });
  }
  // Qt flips a checkable item's mark before the handler, which flips it itself.
  connect(Masquerlgende1, &QAction::triggered, this, [this](bool coche) {
    Masquerlgende1->setChecked(!coche);
    Masquerlgende1Click();
  });
  connect(TBlegende, &QToolButton::clicked, this, [this] {
    TBlegende->setChecked(!TBlegende->isChecked());
    Masquerlgende1Click();
  });
  if (Masquergestionnairedecourbe1 != nullptr) {
    connect(Masquergestionnairedecourbe1, &QAction::triggered, this, [this](bool coche) {
      Masquergestionnairedecourbe1->setChecked(!coche);
      Masquergestionnairedecourbe1Click();
    });
  }
  connect(CLBcourbe, &QListWidget::currentRowChanged, this, [this] { CLBcourbeClick(); });
  connect(CLBcourbe, &QListWidget::itemChanged, this, [this](QListWidgetItem* element) {
    if (auto serie = serie_de(CLBcourbe->row(element))) serie->SetPenVisible(element->checkState() == Qt::Checked);
  });
  connect(CLBcourbe, &QListWidget::itemDoubleClicked, this, [this] { CLBcourbeDblClick(); });
  connect(CBcocher, &QCheckBox::clicked, this, &TFvorel::CBcocherClick);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &TFvorel::ScrollBar1Change);
  connect(Chart1, &TChart::ClickSeries, this, &TFvorel::Chart1ClickSeries);
  connect(Chart1, &TChart::MouseMove, this, &TFvorel::Chart1MouseMove);
  connect(Chart1, &TChart::Zoom, this, &TFvorel::Chart1Zoom);
  connect(Chart1, &TChart::UndoZoom, this, &TFvorel::Chart1Zoom);
  connect(Chart1, &TChart::Resize, this, &TFvorel::Chart1Resize);
  connect(Chart1, &TChart::BeforeDrawSeries, this, &TFvorel::Chart1BeforeDrawSeries);
}
