// The Graphiques module in the whole program: drawing the curve list, the
// list's commands, trace, zoom, intersections, annotations, the curve
// dialog, tangents and integrals, the options' Graphiques page, export and
// print.
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "components/controles/JvTransBtn.h"
#include "engine/reduction.h"
#include "localisation/catalogue.h"
#include "platform/chart/chart.h"
#include "platform/couleur_qt.h"
#include "platform/ini/fichier_disque.h"
#include "programme_de_test.h"
#include "shell/calcul_graphique.h"
#include "shell/formulaire_graphique.h"
#include "shell/options_graphiques.h"
#include "shell/parametres_principaux.h"

namespace {

namespace fs = std::filesystem;

class Graphiques : public essai::Programme {
 protected:
  // Starts on the Graphiques page with the curve lines given.
  void demarrer_avec(const std::vector<std::string>& courbes, const std::string& autres = "") {
    std::string ini = "[generales]\nmasquer_configuration=1\npage_demarrage=3\n[Graphiques]\n";
    for (std::size_t i = 0; i < courbes.size(); ++i) ini += std::to_string(i) + "=" + courbes[i] + "\n";
    parametres(ini + autres);
    ASSERT_TRUE(demarrer());
    messages_->journal.clear();
  }
  QListWidget& liste() { return *f().CLBcourbe; }
  std::shared_ptr<TCustomSeries> serie(int i) { return std::dynamic_pointer_cast<TCustomSeries>(f().Chart1->Series(i)); }
  std::vector<std::string> lignes() {
    std::vector<std::string> l;
    for (int i = 0; i < liste().count(); ++i) l.push_back(vers_1252(liste().item(i)->text()));
    return l;
  }
  std::vector<std::string> textes_messages() {
    std::vector<std::string> t;
    for (const auto& m : messages_->journal) t.push_back(m.texte);
    return t;
  }
};

// A line that is no curve ("x^2;y", "sin(x)") is not shown and goes back
// to the file as it was.
TEST_F(Graphiques, DrawingChecksAllHidesInvalidLinesAndPutsAnnotationsLast) {
  parametres(
      "[generales]\nmasquer_configuration=1\n[Graphiques]\n0=x^2;x\n1=x^2;y\n2=sin(t);cos(t);t\n3=1;t\n4=sin(x)\n"
      "[Textes_Graphiques]\n0=Bonjour;-1;1;2;3\n");
  const std::string avant = contenu_parametres();
  ASSERT_TRUE(demarrer());
  EXPECT_EQ(lignes(), (std::vector<std::string>{"x^2;x", "sin(t);cos(t);t", "1;t"}));
  ASSERT_EQ(f().Chart1->SeriesCount(), 4);
  EXPECT_EQ(serie(0)->Count(), 101);
  EXPECT_DOUBLE_EQ(serie(0)->XValue(0), -5);
  EXPECT_DOUBLE_EQ(serie(0)->YValue(0), 25);
  for (int i = 0; i < serie(2)->Count(); ++i) {
    EXPECT_NEAR(std::hypot(serie(2)->XValue(i), serie(2)->YValue(i)), 1, 1e-12);
  }
  EXPECT_NE(std::dynamic_pointer_cast<TChartShape>(f().Chart1->Series(3)), nullptr);
  for (int i = 0; i < liste().count(); ++i) EXPECT_EQ(liste().item(i)->checkState(), Qt::Checked);

  // Unchecking hides exactly that curve, through a redraw too.
  liste().item(1)->setCheckState(Qt::Unchecked);
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(serie(i)->PenVisible(), i != 1) << pass << " " << i;
    f().AtracerExecute();
  }
  // Nothing the program did not change is written.
  arreter();
  EXPECT_EQ(contenu_parametres(), avant);
}

TEST_F(Graphiques, ABoundThatIsNoNumberStopsTheDrawingBeforeAnythingChanges) {
  demarrer_avec({"x^2;x"});
  const auto avant = f().Chart1->Series(0);
  const std::pair<QLineEdit*, const std::string*> cas[] = {
      {Foptions_graphiques->Txmin, &catalogue_textes.txt_impossible_calculer_xmin},
      {Foptions_graphiques->Txmax, &catalogue_textes.txt_impossible_calculer_xmax},
      {Foptions_graphiques->Ttmin, &catalogue_textes.txt_impossible_calculer_tmin},
      {Foptions_graphiques->Ttmax, &catalogue_textes.txt_impossible_calculer_tmax}};
  for (const auto& [zone, erreur] : cas) {
    const QString texte = zone->text();
    zone->setText(QStringLiteral("abc"));
    messages_->journal.clear();
    f().AtracerExecute();
    EXPECT_EQ(textes_messages(), std::vector<std::string>{*erreur});
    EXPECT_EQ(f().Chart1->Series(0), avant);
    zone->setText(texte);
  }
}

TEST_F(Graphiques, DeletingAsksFromTheButtonOnly) {
  demarrer_avec({"x^2;x", "x;x"});
  auto* bouton = f().findChild<QPushButton*>(QStringLiteral("Bsupprimer"));
  liste().setCurrentRow(0);
  messages_->reponses.push_back(reponse_non);
  bouton->click();
  EXPECT_EQ(textes_messages(), std::vector<std::string>{"Souaitez-vous supprimer l'\xE9quation suivante: x^2;x"});
  EXPECT_EQ(liste().count(), 2);
  messages_->reponses.push_back(reponse_oui);
  bouton->click();
  EXPECT_EQ(lignes(), std::vector<std::string>{"x;x"});
  EXPECT_EQ(f().Chart1->SeriesCount(), 1);
  EXPECT_EQ(f().Chart1->Series(0)->Title(), "x");

  messages_->journal.clear();
  liste().setCurrentRow(0);
  f().BsupprimerClick(nullptr);
  EXPECT_TRUE(messages_->journal.empty());
  EXPECT_EQ(liste().count(), 0);
  bouton->click();
  EXPECT_EQ(textes_messages(), std::vector<std::string>{catalogue_textes.txt_avez_rien_selectionne});
}

TEST_F(Graphiques, IntersectionsFoundFromTheTrace) {
  struct Cas {
    std::vector<std::string> courbes;
    double x;
    std::string message;
  };
  const Cas cas[] = {
      {{"x;x", "2-x;x"},
       1,
       "Les coordonn\xE9" "es du point d'intersection entre les courbes d'\xE9quation y=x et y=2-x sont (1;1)"},
      {{"x^2-4;x"}, 2, "Les coordonn\xE9" "es du point d'intersection de la courbe d'\xE9quation y=x^2-4 avec "
                       "l'axe des abscisses sont (2;0)"},
      // Too steep at the root for any double to bring the value under 10^-12.
      {{"x^5-1000;x"}, 4, "Les coordonn\xE9" "es du point d'intersection de la courbe d'\xE9quation y=x^5-1000 avec "
                          "l'axe des abscisses sont (3.981071705535;0)"},
  };
  for (const Cas& c : cas) {
    demarrer_avec(c.courbes);
    liste().setCurrentRow(0);
    const auto s = serie(0);
    int indice = 0;
    for (int i = 0; i < s->Count(); ++i) {
      if (std::abs(s->XValue(i) - c.x) < std::abs(s->XValue(indice) - c.x)) indice = i;
    }
    f().ScrollBar1->setValue(indice);
    EXPECT_FALSE(f().Bintersection->isHidden());
    f().BintersectionClick();
    EXPECT_EQ(textes_messages(), std::vector<std::string>{c.message});
    arreter();
  }
}

TEST_F(Graphiques, TraceShowsRoundedCoordinatesAndZoomPlusDoublesTheBounds) {
  demarrer_avec({"x^2/3;x"});
  liste().setCurrentRow(0);
  f().ScrollBar1->setValue(51);  // x = 0.1
  EXPECT_EQ(vers_1252(f().panneaux_etat[0]->text()), "X=0.1;Y=0");
  f().ScrollBar1->setValue(100);
  EXPECT_EQ(vers_1252(f().panneaux_etat[0]->text()), "X=5;Y=8.33");
  f().TBzoom_plusClick();
  EXPECT_EQ(Foptions_graphiques->Txmin->text(), "-10");
  EXPECT_EQ(Foptions_graphiques->Txmax->text(), "10");
  EXPECT_DOUBLE_EQ(serie(0)->XValue(0), -10);
  f().TBzoom_moinsClick();
  f().TBzoom_moinsClick();
  EXPECT_EQ(Foptions_graphiques->Txmin->text(), "-2.5");
  EXPECT_DOUBLE_EQ(f().Chart1->LeftAxis().Maximum(), 2.5);
}

TEST_F(Graphiques, ACurveKeepsTheColourOfItsPlaceInTheList) {
  const std::vector<std::string> courbes{"x^2;x", "x;x", "sin(t);cos(t);t"};
  demarrer_avec(courbes);
  const auto couleurs = [this] {
    std::vector<std::int32_t> c;
    for (int i = 0; i < liste().count(); ++i) c.push_back(serie(i)->PenColor());
    return c;
  };
  const std::vector<std::int32_t> depart = couleurs();
  EXPECT_EQ(std::set<std::int32_t>(depart.begin(), depart.end()).size(), depart.size());
  f().TBzoom_plusClick();
  EXPECT_EQ(couleurs(), depart);
  f().AtracerExecute();
  EXPECT_EQ(couleurs(), depart);
  liste().item(1)->setCheckState(Qt::Unchecked);
  f().AtracerExecute();
  liste().item(1)->setCheckState(Qt::Checked);
  f().AtracerExecute();
  EXPECT_EQ(couleurs(), depart);
  arreter();
  demarrer_avec(courbes);
  EXPECT_EQ(couleurs(), depart);
  // Deleting the first curve moves the others up a place, into its colour.
  liste().setCurrentRow(0);
  messages_->reponses.push_back(reponse_oui);
  f().findChild<QPushButton*>(QStringLiteral("Bsupprimer"))->click();
  EXPECT_EQ(couleurs(), std::vector<std::int32_t>(depart.begin(), depart.end() - 1));
}

TEST_F(Graphiques, AnnotationsAreAddedSelectedMovedEditedAndDeleted) {
  demarrer_avec({"x;x"});
  messages_->saisies.push_back(std::string("Sommet"));
  f().TBtexte_graphiqueClick();
  ASSERT_EQ(f().Chart1->SeriesCount(), 2);
  auto forme = std::dynamic_pointer_cast<TChartShape>(f().Chart1->Series(1));
  ASSERT_NE(forme, nullptr);
  EXPECT_EQ(forme->FontColor(), couleur_rouge);
  EXPECT_DOUBLE_EQ(forme->X0(), 0.2);
  EXPECT_DOUBLE_EQ(forme->Y1(), -0.2);
  EXPECT_EQ(annotations_graphiques, std::vector<std::shared_ptr<TChartShape>>{forme});

  // Selected, it follows the mouse.
  const QPoint pixel(forme->CalcXPosValue(1), forme->CalcYPosValue(2));
  f().Chart1MouseMove(pixel);
  const double x = forme->XScreenToValue(pixel.x());
  const double y = forme->YScreenToValue(pixel.y());
  EXPECT_DOUBLE_EQ(forme->X0(), x + 0.2);
  EXPECT_DOUBLE_EQ(forme->Y0(), y + 0.2);
  EXPECT_DOUBLE_EQ(forme->X1(), x - 0.2);
  EXPECT_DOUBLE_EQ(forme->Y1(), y - 0.2);

  emit f().Chart1->ClickSeries(forme.get(), 0, Qt::LeftButton, pixel);  // dropped
  EXPECT_EQ(forme->FontColor(), couleur_noire);
  emit f().Chart1->ClickSeries(forme.get(), 0, Qt::LeftButton, pixel);  // taken again
  EXPECT_EQ(forme->FontColor(), couleur_rouge);
  messages_->saisies.push_back(std::string("Autre"));
  emit f().Chart1->ClickSeries(forme.get(), 0, Qt::RightButton, pixel);
  EXPECT_EQ(forme->Text(), std::vector<std::string>{"Autre"});
  messages_->saisies.push_back(std::string());
  emit f().Chart1->ClickSeries(forme.get(), 0, Qt::RightButton, pixel);
  EXPECT_EQ(f().Chart1->SeriesCount(), 1);
  EXPECT_TRUE(annotations_graphiques.empty());
}

TEST_F(Graphiques, ClearingAnnotationsRemovesTheirShapes) {
  parametres("[generales]\nmasquer_configuration=1\n[Textes_Graphiques]\n0=a;-1;1;2;3\n1=b;-1;1;2;3\n");
  ASSERT_TRUE(demarrer());
  ASSERT_EQ(f().Chart1->SeriesCount(), 2);
  messages_->reponses.push_back(reponse_oui);
  f().Effacertouteslesannotations1Click();
  EXPECT_EQ(f().Chart1->SeriesCount(), 0);
  EXPECT_TRUE(annotations_graphiques.empty());
}

TEST_F(Graphiques, TheCurveDialogBuildsLinesOrRefusesWithoutChangingTheList) {
  demarrer_avec({});
  struct Cas {
    int genre;
    std::vector<std::string> parties;
    std::string ligne;
    std::vector<std::string> erreurs;
  };
  const Tcatalogue_textes& t = catalogue_textes;
  const Cas cas[] = {
      {0, {"x^2+1"}, "x^2+1;x", {}},
      {1, {"cos(t)", "sin(t)"}, "cos(t);sin(t);t", {}},
      {2, {"1+cos(t)"}, "1+cos(t);t", {}},
      {0, {"3"}, "3;x", {}},
      {0, {"2x"}, "2*x;x", {}},
      {0, {"t^2"}, "", {t.txt_fonction_doit_dependre}},
      {0, {"x+y"}, "", {t.txt_impossible_determiner_variable}},
      {0, {""}, "", {t.txt_fonction_manquante}},
  };
  for (const Cas& c : cas) {
    Fgraphique->ouvrir_nouvelle();
    Fgraphique->ComboBox1->setCurrentIndex(c.genre);
    for (std::size_t i = 0; i < c.parties.size(); ++i) Fgraphique->Edition[i]->setText(depuis_1252(c.parties[i]));
    const std::vector<std::string> avant = lignes();
    messages_->journal.clear();
    Fgraphique->BOKClick();
    if (c.ligne.empty()) {
      EXPECT_EQ(lignes(), avant) << c.parties[0];
      ASSERT_EQ(messages_->journal.size(), 1u) << c.parties[0];
      for (const std::string& e : c.erreurs) EXPECT_NE(messages_->journal[0].texte.find(e), std::string::npos);
    } else {
      ASSERT_FALSE(lignes().empty());
      EXPECT_EQ(lignes().back(), c.ligne);
      EXPECT_TRUE(messages_->journal.empty()) << c.parties[0];
    }
  }
  // t with u is refused.
  Fgraphique->ouvrir_nouvelle();
  Fgraphique->ComboBox1->setCurrentIndex(1);
  Fgraphique->Edition[0]->setText(QStringLiteral("t"));
  Fgraphique->Edition[1]->setText(QStringLiteral("u"));
  const auto avant = lignes();
  Fgraphique->BOKClick();
  EXPECT_EQ(lignes(), avant);
}

TEST_F(Graphiques, ModifyingReplacesTheLineUnlessItChangedMeanwhile) {
  demarrer_avec({"x;x", "x^2;x"});
  for (const bool change : {false, true}) {
    Fgraphique->ouvrir_modification(1, "x^2;x");
    EXPECT_EQ(Fgraphique->Edition[0]->text(), "x^2");
    if (change) liste().item(1)->setText(QStringLiteral("x^3;x"));
    Fgraphique->Edition[0]->setText(QStringLiteral("x^4"));
    Fgraphique->BOKClick();
  }
  EXPECT_EQ(lignes(), (std::vector<std::string>{"x;x", "x^3;x", "x^4;x"}));
}

TEST_F(Graphiques, TangentIsComputedAndAddedWhenAsked) {
  demarrer_avec({"x^2;x", "sin(t);cos(t);t"});
  liste().setCurrentRow(0);
  TFcalcul_graphique& d = *Fcalcul_graphique;
  d.montrer_page(false);
  d.FormShow();
  EXPECT_EQ(d.CBcourbe->count(), 1);
  EXPECT_EQ(d.CBcourbe_integrale->count(), 1);
  d.Tabscisse->setText(QStringLiteral("1"));
  d.BcalculerClick();
  const std::string attendue = vers_1252(d.Tequation->text());
  EXPECT_EQ(attendue, reduire("2*x-1"));
  d.Ctracer->setChecked(true);
  d.BOKClick();
  EXPECT_EQ(lignes().back(), attendue + ";x");
  EXPECT_EQ(liste().item(liste().count() - 1)->checkState(), Qt::Checked);
  EXPECT_EQ(f().Chart1->SeriesCount(), 3);

  // No value at the point: nothing added.
  d.FormShow();
  d.CBcourbe->setCurrentIndex(0);
  d.Tabscisse->setText(QStringLiteral("a"));
  messages_->journal.clear();
  d.BcalculerClick();
  EXPECT_EQ(textes_messages(), std::vector<std::string>{catalogue_textes.txt_abscisse_point_doit});

  // A point without a value: nothing is added.
  const int lignes_avant = liste().count();
  d.Tabscisse->setText(QStringLiteral("0"));
  liste().item(0)->setText(QStringLiteral("ln(x);x"));
  d.FormShow();
  d.Tabscisse->setText(QStringLiteral("0"));
  messages_->journal.clear();
  d.BOKClick();
  EXPECT_EQ(textes_messages(), std::vector<std::string>{catalogue_textes.txt_impossible_calculer_tangente});
  EXPECT_TRUE(d.Tequation->text().isEmpty());
  EXPECT_EQ(liste().count(), lignes_avant);
}

TEST_F(Graphiques, IntegralsAreSummedInEitherOrder) {
  demarrer_avec({"x^2;x", "sqrt(x);x"});
  TFcalcul_graphique& d = *Fcalcul_graphique;
  d.montrer_page(true);
  d.FormShow();
  const struct {
    int courbe;
    const char* a;
    const char* b;
    double somme;
    double tolerance;
    bool discontinue;
  } cas[] = {{0, "0", "3", 9, 1e-5, false}, {0, "3", "0", 9, 1e-5, false}, {1, "-1", "1", 2.0 / 3, 1e-3, true}};
  for (const auto& c : cas) {
    d.CBcourbe_integrale->setCurrentIndex(c.courbe);
    d.Tabscisse1->setText(QString::fromLatin1(c.a));
    d.Tabscisse2->setText(QString::fromLatin1(c.b));
    d.Bcalculer_integraleClick();
    EXPECT_NEAR(d.Tintegrale->text().toDouble(), c.somme, c.tolerance) << c.a;
    EXPECT_EQ(!d.Lerreur_calcul_graphique->isHidden(), c.discontinue) << c.a;
  }
  d.Tabscisse1->setText(QStringLiteral("pi/2"));
  d.Bcalculer_integraleClick();
  EXPECT_EQ(d.Tabscisse1->text(), "1.5707963267949");
}

TEST_F(Graphiques, ApplyingTheOptionsWritesTheGraphKeysOrNothing) {
  demarrer_avec({});
  TFoptions_graphiques& o = *Foptions_graphiques;
  // The proxy, calculator and language keys are written at every apply.
  const std::string toujours =
      "[generales]\nmasquer_configuration=1\npage_demarrage=3\nlangue=0\n[Graphiques]\n\n"
      "[Internet]\nutiliser_ie=1\nProxyuser=\nProxypassword=\nProxyserver=\nProxyport=0\n\n"
      "[Outils]\nexecuter=-1\nauto_mutiplier=1\nauto_reduction=0\nactiver_coloration=1\n";
  struct Cas {
    const char* xmin;
    const char* xmax;
    std::string erreur;
  };
  const Cas refus[] = {{"abc", "5", catalogue_textes.txt_impossible_calculer_xmin},
                       {"5", "5", catalogue_textes.txt_xmin_inferieur_xmax}};
  for (const Cas& c : refus) {
    o.FormShow();
    o.Txmin->setText(QString::fromLatin1(c.xmin));
    o.Txmax->setText(QString::fromLatin1(c.xmax));
    messages_->journal.clear();
    o.BappliquerClick(o.Bappliquer);
    EXPECT_EQ(textes_messages(), std::vector<std::string>{c.erreur});
    EXPECT_EQ(contenu_parametres(), essai::crlf(toujours));
  }
  o.FormShow();
  o.Txmin->setText(QStringLiteral("-2"));
  o.Txmax->setText(QStringLiteral("8"));
  o.Tymin->setText(QStringLiteral("1"));
  o.Tymax->setText(QStringLiteral("5"));
  o.Ttmax->setText(QStringLiteral("2*pi"));
  o.BappliquerClick(o.Bappliquer);
  EXPECT_EQ(contenu_parametres(),
            essai::crlf(toujours +
                        "\n[OptionsGraphiques]\npourcentagex=0\npourcentagey=20\nxmin=-2\nxmax=8\nymin=1\nymax=5\n"
                        "tmin=-7\ntmax=6.28318530717959\ntitre=\nlegende=1\nechelle=0\nquadrillage=1\n"
                        "\n[Options_graphiques]\nprecision=12\ndecimale=2\ncouleur=-16777201\n"));
  EXPECT_DOUBLE_EQ(f().Chart1->LeftAxis().PositionPercent(), 20);
}

TEST_F(Graphiques, TheOptionsDefaultsAndTheBackgroundColour) {
  demarrer_avec({});
  TFoptions_graphiques& o = *Foptions_graphiques;
  o.BdefautClick();
  EXPECT_EQ(o.Ttmin->text(), "-7");
  EXPECT_EQ(o.Ttmax->text(), "7");
  EXPECT_EQ(o.CBdecimale->currentText(), "3");
  EXPECT_EQ(o.couleur_fond(), couleur_face_bouton);
  messages_->couleurs.push_back(0x123456);
  o.Panel2Click();
  EXPECT_EQ(o.couleur_fond(), 0x123456);
  messages_->couleurs.push_back(std::nullopt);
  o.Panel2Click();
  EXPECT_EQ(o.couleur_fond(), 0x123456);
  o.Cechelle->setChecked(true);
  o.CechelleClick();
  EXPECT_TRUE(f().Chart1->LeftAxis().Automatic());

  // Settings outside the lists select the defaults.
  ini_principal->ecrire_entier("Options_graphiques", "precision", 40);
  ini_principal->ecrire_entier("Options_graphiques", "decimale", -1);
  o.FormShow();
  EXPECT_EQ(o.CBprecision->currentText(), "12");
  EXPECT_EQ(o.CBdecimale->currentText(), "2");
}

TEST_F(Graphiques, TheCurveDialogTakesTheKeysInItsFirstPart) {
  demarrer_avec({});
  Fgraphique->ouvrir_nouvelle();
  Fgraphique->show();
  QApplication::setActiveWindow(Fgraphique);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  QKeyEvent touche(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(QApplication::focusWidget(), &touche);
  EXPECT_EQ(Fgraphique->Edition[0]->text(), "x");
  Fgraphique->hide();
}

TEST_F(Graphiques, ACurveDialogRowWithASyntaxErrorBlocksClosing) {
  demarrer_avec({});
  Fgraphique->ouvrir_nouvelle();
  Fgraphique->show();
  Fgraphique->Edition[0]->setText(QStringLiteral("x+*"));
  Fgraphique->reject();
  EXPECT_TRUE(Fgraphique->isVisible());
  EXPECT_EQ(messages_->journal.size(), 1u);
  Fgraphique->Edition[0]->clear();
  Fgraphique->reject();
  EXPECT_FALSE(Fgraphique->isVisible());
}

TEST_F(Graphiques, ExportWritesThePictureAndPrintGivesOnePage) {
  demarrer_avec({"x^2;x"});
  f().resize(900, 700);
  const fs::path png = dossier_ / "sortie";
  messages_->fichiers.push_back(FichierChoisi{png.string(), 2});
  f().Enregistrer1Click();
  EXPECT_EQ(messages_->demande_fichier.indice_filtre, 2);  // the dialog opens on PNG
  QImageReader lecteur(QString::fromStdString(png.string() + ".png"));
  EXPECT_EQ(lecteur.format(), "png");
  EXPECT_EQ(lecteur.size(), f().Chart1->size());
  const fs::path bmp = dossier_ / "Sortie.BMP";
  messages_->fichiers.push_back(FichierChoisi{bmp.string(), 2});
  f().Enregistrer1Click();
  EXPECT_EQ(QImageReader(QString::fromStdString(bmp.string())).format(), "bmp");

  // A folder that does not exist is said so, and is not made.
  for (const fs::path& refus : {dossier_ / "absent" / "image.png", dossier_ / "absent" / "image.bmp"}) {
    messages_->journal.clear();
    messages_->fichiers.push_back(FichierChoisi{refus.string(), 2});
    f().Enregistrer1Click();
    EXPECT_EQ(textes_messages(), (std::vector<std::string>{"", catalogue_textes.txt_image_pas_enregistree})) << refus;
  }
  EXPECT_FALSE(fs::exists(dossier_ / "absent"));

  const fs::path pdf = dossier_ / "page.pdf";
  QPrinter imprimante(QPrinter::HighResolution);
  imprimante.setOutputFormat(QPrinter::PdfFormat);
  imprimante.setOutputFileName(QString::fromStdString(pdf.string()));
  f().imprimante_choisie = [&imprimante] { return &imprimante; };
  f().Imprimer1Click();
  EXPECT_GT(fs::file_size(pdf), 0u);
  const std::string octets = lire_octets(pdf);
  EXPECT_NE(octets.find("/Count 1"), std::string::npos);
}

// Both formats go through the one atomic write of the settings files and do
// what it does. What cannot be written whole is said so and leaves the file
// at the target as it was, with nothing beside it: a file-size limit (ulimit
// -f) falling early in the file or on its very last byte, a folder the user
// may not write, a target nobody may write (refused also for the
// administrator), a target that is a folder. A symbolic link is written
// through: it stays, and the file it names takes the picture. Each export
// runs in a child process that starts as the program does, so the limit's
// signal is left to the program; the administrator's child becomes another
// user, for whom the folder's permissions hold.
TEST_F(Graphiques, BothExportFormatsWriteAsTheSettingsFilesDoOrSaySoAndChangeNothing) {
  enum class Cas { limite_au_debut, limite_au_dernier_octet, dossier_protege, cible_protegee, lien, dossier };
  constexpr uid_t utilisateur_sans_droits = 65534;
  // How the child's export ended.
  constexpr int ecrite = 0;   // without a message
  constexpr int refusee = 1;  // with the message that the picture was not saved
  demarrer_avec({"x^2;x"});
  f().resize(900, 700);
  const std::string ancienne = "l'image d'avant";
  const fs::path dossier = dossier_ / "export";
  const auto exporter = [&](const fs::path& cible, rlim_t limite, bool sans_droits) {
    const pid_t enfant = ::fork();
    if (enfant == 0) {
      ignorer_signal_taille_fichier();  // as the program's main does first
      const rlimit taille{limite, limite};
      if (limite != RLIM_INFINITY && ::setrlimit(RLIMIT_FSIZE, &taille) != 0) ::_exit(2);
      if (sans_droits && ::geteuid() == 0 &&
          (::setgid(utilisateur_sans_droits) != 0 || ::setuid(utilisateur_sans_droits) != 0)) {
        ::_exit(2);
      }
      messages_->journal.clear();
      messages_->fichiers.push_back(FichierChoisi{cible.string(), 2});
      f().Enregistrer1Click();
      const std::vector<std::string> dits = textes_messages();
      if (dits == std::vector<std::string>{""}) ::_exit(ecrite);
      ::_exit(dits == std::vector<std::string>{"", catalogue_textes.txt_image_pas_enregistree} ? refusee : 3);
    }
    int statut = -1;
    if (::waitpid(enfant, &statut, 0) != enfant || !WIFEXITED(statut)) return -1;
    return WEXITSTATUS(statut);
  };
  for (const std::string nom : {"image.png", "image.bmp"}) {
    const std::string format = nom.substr(nom.size() - 3);
    fs::create_directories(dossier);
    ASSERT_EQ(exporter(dossier / nom, RLIM_INFINITY, false), ecrite);
    const auto taille = static_cast<rlim_t>(fs::file_size(dossier / nom));
    fs::remove_all(dossier);
    const std::pair<Cas, const char*> lignes[] = {
        {Cas::limite_au_debut, "size limit early"}, {Cas::limite_au_dernier_octet, "size limit on the last byte"},
        {Cas::dossier_protege, "read-only folder"}, {Cas::cible_protegee, "read-only target"},
        {Cas::lien, "symbolic link"},               {Cas::dossier, "target that is a folder"}};
    for (const auto& [cas, description] : lignes) {
      const std::string ligne = nom + ", " + description;
      fs::create_directories(dossier);
      const fs::path cible = dossier / nom;
      const fs::path vraie = dossier / ("vraie." + format);
      if (cas == Cas::dossier) {
        fs::create_directory(cible);
      } else {
        std::ofstream(cas == Cas::lien ? vraie : cible) << ancienne;
      }
      if (cas == Cas::lien) fs::create_symlink(vraie.filename(), cible);
      if (cas == Cas::cible_protegee) fs::permissions(cible, fs::perms(0444));
      if (cas == Cas::dossier_protege) {
        fs::permissions(dossier_, fs::perms(0755));
        fs::permissions(dossier, fs::perms(0555));
      }
      const rlim_t limite = cas == Cas::limite_au_debut           ? rlim_t{1024}
                            : cas == Cas::limite_au_dernier_octet ? taille - 1
                                                                  : RLIM_INFINITY;
      const int statut = exporter(cible, limite, cas == Cas::dossier_protege);
      fs::permissions(dossier, fs::perms(0755));
      if (cas == Cas::lien) {
        EXPECT_EQ(statut, ecrite) << ligne << ": not written";
        EXPECT_TRUE(fs::is_symlink(cible)) << ligne;
        EXPECT_EQ(QImageReader(QString::fromStdString(vraie.string())).format().toStdString(), format) << ligne;
      } else {
        EXPECT_EQ(statut, refusee) << ligne << ": not said";
        EXPECT_TRUE(cas == Cas::dossier ? fs::is_empty(cible) : lire_octets(cible) == ancienne)
            << ligne << ": the target changed";
      }
      EXPECT_TRUE(cas != Cas::cible_protegee || fs::status(cible).permissions() == fs::perms(0444)) << ligne;
      const auto fichiers = std::distance(fs::directory_iterator(dossier), fs::directory_iterator());
      EXPECT_EQ(fichiers, cas == Cas::lien ? 2 : 1) << ligne << ": something was left beside the target";
      fs::remove_all(dossier);
    }
  }
}

TEST_F(Graphiques, TheIntegralAreaIsPaintedRedUnderTheCurve) {
  demarrer_avec({"x^2;x"});
  f().Chart1->resize(800, 600);
  TFcalcul_graphique& d = *Fcalcul_graphique;
  d.montrer_page(true);
  d.show();
  d.CBcourbe_integrale->setCurrentIndex(0);
  d.Tabscisse1->setText(QStringLiteral("0"));
  d.Tabscisse2->setText(QStringLiteral("2"));
  d.Bcalculer_integraleClick();
  const QImage image = f().Chart1->image_sur_fond_blanc();
  d.hide();
  fs::create_directories(PRALINORE_CAPTURES);
  image.save(QString::fromStdString(std::string(PRALINORE_CAPTURES) + "/integrale.png"));
  const TChartMap carte = f().Chart1->Map();
  const QColor aire = image.pixelColor(carte.pixel(1, 0.5).toPoint());
  EXPECT_EQ(aire, QColor(Qt::red));
  const QColor dehors = image.pixelColor(carte.pixel(-1, 0.5).toPoint());
  EXPECT_NE(dehors, QColor(Qt::red));
  const QColor courbe = image.pixelColor(carte.pixel(-2, 4).toPoint());
  EXPECT_NE(courbe, QColor(Qt::white));
}

TEST_F(Graphiques, AClickOnCurveSeriesKSelectsItemKEvenAmongDuplicates) {
  demarrer_avec({"x;x", "x;x", "x^2;x"});
  for (const int k : {1, 0, 2}) {
    const auto s = serie(k);
    const QPoint pixel(s->CalcXPosValue(s->XValue(70)), s->CalcYPosValue(s->YValue(70)));
    emit f().Chart1->ClickSeries(s.get(), 70, Qt::LeftButton, pixel);
    EXPECT_EQ(liste().currentRow(), k);
    EXPECT_EQ(courbe_courante, f().Chart1->Series(k));
    EXPECT_EQ(f().ScrollBar1->value(), 70);
    EXPECT_FALSE(f().Curseur->isHidden());
  }
}

TEST_F(Graphiques, EnterOnTheTraceBarSearchesTheIntersection) {
  demarrer_avec({"x;x"});
  liste().setCurrentRow(0);
  f().ScrollBar1->setValue(50);
  ASSERT_FALSE(f().Bintersection->isHidden());
  QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(f().ScrollBar1, &entree);
  ASSERT_EQ(messages_->journal.size(), 1u);
  EXPECT_NE(messages_->journal[0].texte.find("(0;0)"), std::string::npos);
}

TEST_F(Graphiques, RightOnTheTraceBarMovesToLargerXAndLeftToSmaller) {
  demarrer_avec({"x^2;x"});
  f().TBgraphiquesClick();
  f().show();
  QApplication::setActiveWindow(&f());
  liste().setCurrentRow(0);
  f().ScrollBar1->setValue(70);  // x = 2
  f().ScrollBar1->setFocus();
  const auto presser = [](Qt::Key touche, int fois) {
    for (int i = 0; i < fois; ++i) {
      QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier);
      QApplication::sendEvent(QApplication::focusWidget(), &appui);
    }
  };
  ASSERT_EQ(QApplication::focusWidget(), f().ScrollBar1);
  presser(Qt::Key_Right, 5);
  EXPECT_EQ(f().Tx->text(), "2.5");
  presser(Qt::Key_Left, 10);
  EXPECT_EQ(f().Tx->text(), "1.5");
  f().ScrollBar1->setValue(0);
  presser(Qt::Key_Right, 1);
  EXPECT_EQ(f().Tx->text(), "-4.9");
}

TEST_F(Graphiques, TheIntersectionCommandIsARedTransparentButton) {
  demarrer_avec({"x;x"});
  f().TBgraphiquesClick();
  f().showNormal();
  f().resize(800, 600);
  liste().setCurrentRow(0);
  f().ScrollBar1->setValue(50);
  for (int niveau = 0; niveau < 4; ++niveau) QCoreApplication::processEvents();
  const auto* bouton = qobject_cast<const TJvTransparentButton*>(f().Bintersection);
  ASSERT_NE(bouton, nullptr);
  EXPECT_TRUE(bouton->isVisible());
  EXPECT_EQ(bouton->size(), QSize(185, 32));
  EXPECT_EQ(bouton->text(), QStringLiteral("CALCULER INTERSECTION"));
  EXPECT_EQ(bouton->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
  fs::create_directories(PRALINORE_CAPTURES);
  f().TabSheet3->grab().save(QString::fromStdString(std::string(PRALINORE_CAPTURES) + "/graphiques_intersection.png"));
}

TEST_F(Graphiques, TheTogglesOfThePageLookPressedWhileChecked) {
  demarrer_avec({"x;x"});
  f().TBgraphiquesClick();
  f().show();
  for (const char* nom : {"TBlegende", "Tbgestionnaire_courbe"}) {
    auto* bouton = f().findChild<QToolButton*>(QString::fromLatin1(nom));
    ASSERT_TRUE(bouton->isCheckable()) << nom;
    const QPoint face(3, bouton->height() / 2);
    bouton->setChecked(false);
    const QColor libre = bouton->grab().toImage().pixelColor(face);
    bouton->setChecked(true);
    const QColor enfonce = bouton->grab().toImage().pixelColor(face);
    EXPECT_GT(std::abs(libre.lightness() - enfonce.lightness()), 30) << nom << " " << libre.name().toStdString();
  }
}

TEST_F(Graphiques, AMouseZoomAppliesTheOptions) {
  demarrer_avec({"x;x"});
  f().Chart1->BottomAxis().SetMinMax(-1, 3);
  emit f().Chart1->Zoom();
  EXPECT_NE(contenu_parametres().find("xmin=-1\r\nxmax=3\r\n"), std::string::npos);
  EXPECT_NE(contenu_parametres().find("pourcentagey=25\r\n"), std::string::npos);
  EXPECT_DOUBLE_EQ(serie(0)->XValue(0), -1);
}

TEST_F(Graphiques, ExportFromEachPageLeavesTheClipboardAlone) {
  demarrer_avec({"x;x"});
  f().Edit1->setText(QStringLiteral("1+1"));
  f().BcalculerClick();  // the history has a picture
  QApplication::clipboard()->setText(QStringLiteral("garde"));
  int n = 0;
  for (QWidget* page : {f().TabSheet1, f().TabSheet2, f().TabSheet3}) {
    f().montrer_page(page);
    f().ClasseurChange();
    const fs::path nom = dossier_ / ("page" + std::to_string(n++));
    messages_->fichiers.push_back(FichierChoisi{nom.string(), 2});
    f().Enregistrer1Click();
    QImageReader lecteur(QString::fromStdString(nom.string() + ".png"));
    EXPECT_EQ(lecteur.format(), "png") << n;
    EXPECT_EQ(lecteur.size(), f().image_a_exporter().size()) << n;
  }
  EXPECT_EQ(QApplication::clipboard()->text(), "garde");
}

TEST_F(Graphiques, CurvesThatCannotBeSavedAtCloseAreSaidSo) {
  demarrer_avec({"x;x"});
  f().CLBcourbe->item(0)->setText(QStringLiteral("x^2;x"));
  fs::permissions(fichier_parametres(), fs::perms::owner_read);
  f().close();
  EXPECT_EQ(textes_messages(), std::vector<std::string>{catalogue_textes.txt_courbes_pas_enregistrees});
  fs::permissions(fichier_parametres(), fs::perms::owner_all);
}

}  // namespace
