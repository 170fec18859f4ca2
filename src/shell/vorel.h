#pragma once
// The main window: the page control whose pages are the modules (home,
// Exercices, Calculs, Graphiques, the hint-page editor, test tools,
// statistics and hints), the menus, the module tool bar and the status bar;
// start-up, page changes and shutdown; the Calculs module; the account
// commands, and the exercise page as the account routines see it.
//
// Pages are switched by code only: every switch calls ClasseurChange once,
// so the page control's own change signal is never used.

#include <QMainWindow>
#include <QImage>
#include <QPoint>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "exercises/ecran_exercices.h"
#include "platform/http/client_http.h"
#include "shell/calculs.h"
#include "shell/parametres_principaux.h"

class BoiteDefilement;
class GraphiqueTChart;
class SaisieLigneCalcul;
class ImageHote;
class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPrinter;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QTabWidget;
class QToolButton;
class TChart;
class TChartAxis;
class TChartSeries;
class TChartShape;
class TCustomSeries;
class TJvGradientCaption;
class TJvProgressDlg;
class TJvSpecialProgress;
class QFrame;
class QPainter;
enum class BoutonSouris;
class TChartMap;
enum class BoutonSouris;
class TJvCalcEdit;

// Globals of the main window, alive from start-up to exit.
// The chart's text annotations, in chart order.
extern std::vector<std::shared_ptr<TChartShape>> annotations_graphiques;
// The calculator's input as it was before a command button wrapped it.
extern std::string derniere_saisie;
// The chart object selected last: a curve's series or an annotation.
extern std::shared_ptr<TChartSeries> courbe_courante;
// What the trace found near its point: -3 nothing, -2 the current curve
// crosses the vertical axis, -1 the horizontal axis, n >= 0 the curve of
// series n; and the abscissa where the intersection search starts.
extern int intersection_code;
extern double intersection_x;

// Picture extensions of the export, mark names of the chart, object kinds.
inline constexpr std::array<std::string_view, 2> extensions_images = {".bmp", ".png"};
inline constexpr std::array<std::string_view, 3> noms_marques = {"ligne", "triangle", "point"};
inline constexpr std::array<std::string_view, 6> genres_objets = {"fonction", "matrice", "point",
                                                                  "vecteur", "equations", "variables"};

// The help context of the main window.
inline constexpr int contexte_aide_principal = 1411;

class TFvorel : public QMainWindow, public EcranExercices {
 public:
  explicit TFvorel(QWidget* parent = nullptr);
  ~TFvorel() override;

  // Start-up: false when the installation is broken (the message was shown;
  // the program must stop without showing anything).
  bool FormCreate();
  // Runs once; later calls do nothing.
  void FormShow();
  // Saves the curve list and the annotations and frees what start-up
  // opened. Runs once, whichever way the window is closed.
  void FormClose();
  void FormResize();
  void ClasseurChange();

  void afficher_module(std::string_view nom);
  bool aide_contextuelle(int commande, std::intptr_t donnees);
  void afficher_accueil();

  void TBexercicesClick();
  void ModuleExercices1Click();
  void dxWinXPBar2Items0Click();
  void TBcalculsClick();
  void ModuleCalculs1Click();
  void dxWinXPBar2Items1Click();
  void TBgraphiquesClick();
  void ModuleGraphiques1Click();
  void TBaccueilClick();
  void TBaccueil2Click();
  void Barredoutils1Click();
  void AquitterExecute();
  void Quitter1Click();
  void TBquitterClick();
  void Options1Click(QObject* sender);
  void TBoption_graphiqueClick();
  void Agestion_exerciceExecute() override;
  void TBgestionnaire_exerciceClick();
  void Gnrales1Click();
  void Graphique1Click();
  void Outils2Click();
  void TBoptions_graphiquesClick();
  void TabSheet3Exit();
  // Draws every curve of the list again, the annotations after them. A
  // bound of the options that is no number stops it before anything changes.
  void AtracerExecute();

  // The Graphiques module (vorel_courbes.cpp, vorel_annotations.cpp).
  void CLBcourbeClick();
  void CLBcourbeDblClick();
  void CBcocherClick();
  void BajouterClick();
  void BmodifierClick();
  // Asks first when `sender` is the button; from code it does not ask.
  void BsupprimerClick(QObject* sender);
  void Effacertouteslescourbes1Click();
  void ScrollBar1Change();
  // Keys on the curve list and the trace bar; true when the key is used up.
  bool CLBcourbeKeyDown(int touche);
  bool ScrollBar1KeyDown(int touche);
  bool ScrollBar1KeyPress(int touche);
  void Chart1MouseMove(QPoint pixel);
  void Chart1ClickSeries(TChartSeries* serie, int indice, Qt::MouseButton bouton, QPoint pixel);
  void Chart1BeforeDrawSeries(QPainter* peintre, const TChartMap& carte);
  void Chart1Zoom();
  void Chart1Resize();
  void TBzoom_plusClick();
  void TBzoom_moinsClick();
  void BintersectionClick();
  void TBtexte_graphiqueClick();
  void Effacertouteslesannotations1Click();
  void Masquerlgende1Click();
  void Masquergestionnairedecourbe1Click();
  void CalculTangente1Click();
  void Calculintgral1Click();
  void Enregistrer1Click();
  void Imprimer1Click();
  // Looks for a crossing near point `position` of the current curve.
  void chercher_croisement(int position, int& code, double& x);
  // The picture the export saves from the page shown; null elsewhere.
  QImage image_a_exporter();
  // Where Imprimer1Click prints; none: the system's default printer.
  std::function<QPrinter*()> imprimante_choisie;

  // The Calculs module.
  void BreduireClick(QObject* sender);
  void BnumeriserClick();
  void BdevelopperClick();
  void BfactoriserClick();
  void BfractionClick();
  void BradicalClick();
  void BderiverClick();
  void BintegraleClick();
  void BresoudreClick();
  void BcalculerClick();
  void Edit1KeyPress(char& touche);
  void Edit1Change();
  void Edit1Click();
  void Image3MouseUp();
  void Image3DblClick();
  void Image3MouseDown();
  void BfonctionClick();
  void Aediteur_fonctionExecute();
  void PopMenuClick(QAction* element);
  void reconstruire_menu_fonctions();
  void TBpuissanceClick();
  void TBracineClick();
  void BiClick();
  void Effacertout1Click();
  void toutcopier1Click();
  void Anouvel_objetExecute();
  void Dfiniruneconstante1Click();
  void afficher_apercu(const std::string& texte);

  // Web pages, the about box and the version check (vorel_internet.cpp).
  void Apage_accueilExecute();
  void Internet1Click();
  void Apropos1Click();
  void Vrifierversion1Click();
  // Progress of the HTTP client's transfers; write mode is ignored.
  void IdHTTP1WorkBegin(Tsens_transfert sens, qint64 attendus);
  void IdHTTP1Work(Tsens_transfert sens, qint64 recus);
  void IdHTTP1WorkEnd(Tsens_transfert sens);
  // The program's one HTTP client and the download's progress dialog.
  std::unique_ptr<Tclient_http> IdHTTP1;
  TJvProgressDlg* JvProgressDlg1 = nullptr;

  // Accounts (vorel_comptes.cpp).
  void AconnexionExecute();
  void ANouveau_compteExecute();
  void Agestion_compteExecute();
  void Gestionnaire_de_compteClick();
  // The session item: closes the open session, then offers the login.
  void Connexion1Click();

  // The hint-page editor (vorel_editeur.cpp). The memo shows a page with one
  // line per mark-up break (pages_aide.h); the preview Image2 renders it.
  void TabSheet4Show();
  void CBnumeroClick();
  void BenregistrerClick();
  void BAfficherClick();
  void MCodeSourceChange();
  void MCodeSourceClick();
  void MCodeSourceKeyUp(int touche);
  // True when the key is swallowed.
  bool MCodeSourceKeyPress(int touche);
  void Image2MouseUp(BoutonSouris bouton, unsigned etat, int x, int y);
  // The tag buttons: the sender's caption names the tag.
  void ToolButton1Click(QObject* sender);
  void ToolButton2Click(QObject* sender);
  void ToolButton3Click(QObject* sender);
  void ToolButton4Click(QObject* sender);
  void TBentreeClick(QObject* sender);
  void Lcouleur_texteClick(QObject* sender);
  void Panel10DblClick();
  // The symbol items: each inserts its escape into the memo.
  void suprieurougal1Click();
  void infrieurougal1Click();
  void environ1Click();
  void intgrale1Click();
  void Delta1Click();
  void tendvers1Click();
  void pi1Click();
  void diffrent1Click();
  void infini1Click();
  // The memo's text as a page: its line breaks become mark-up breaks.
  std::string page_editeur() const;
  // Panel10's colour, the one the colour tag writes.
  std::int32_t couleur_texte_editeur() const { return couleur_texte_editeur_; }
  void definir_couleur_texte_editeur(std::int32_t couleur);
  QComboBox* CBnumero = nullptr;
  QPlainTextEdit* Msection = nullptr;
  QCheckBox* CBAffichage_auto = nullptr;
  QFrame* Panel10 = nullptr;

  // The exercise page as the account routines see it.
  void libelle_session(const std::string& nom) override;
  void activer_commencer(bool actif) override;
  void activer_bouton_commencer(bool actif) override;
  bool page_exercices_visible() const override;
  void masquer_reponse() override;
  void masquer_aide() override;
  void afficher_page(const std::string& texte) override;
  void preparer_exercice() override;
  void definir_exercice_en_cours(bool en_cours) override;
  void afficher_score() override;

  // The answer controls and the rest of the exercise page as the presenter
  // and the answer checker see them (vorel_exercices.cpp).
  void creer_controle_reponse(int creneau, const Tcreneau_reponse& description) override;
  void supprimer_controles_reponse() override;
  std::string texte_controle(int creneau) const override;
  void definir_texte_controle(int creneau, const std::string& texte) override;
  void colorer_controle(int creneau, std::uint32_t couleur) override;
  void focaliser_controle(int creneau) override;
  void afficher_saisie(bool visible) override;
  bool saisie_visible() const override;
  void afficher_valider(bool visible) override;
  void afficher_graphe(bool visible) override;
  void activer_graphe(bool actif) override;
  bool graphe_visible() const override;
  bool bouton_commencer_actif() const override;
  void activer_bouton_recommencer(bool actif) override;
  bool aide_visible() const override;
  std::string libelle_aide() const override;
  void dessiner_exercice(const std::string& page) override;
  void dessiner_aide(const std::string& page) override;
  void copier_presse_papiers(const std::string& texte) override;
  void afficher_barre_score(int bonnes, int total) override;
  void AcommencerExecute() override;
  void TBrecommencerClick() override;
  // The validate button: the answer checker judges the answers.
  void B_ValiderClick();
  // Places the answer controls' right edges on the answer panel's.
  void ajuster_controles_reponse();

  // The Exercices page's commands, its links and its chart, the hint pages
  // (vorel_page_exercices.cpp). Starting, the links and the validation
  // ignore a second call that comes while the first runs (a dialog's loop).
  void BcontinuerClick();
  void BRecommencerClick();
  void TBprecedentClick();
  // A key in the answer control of a slot; true when it is used up. Enter
  // on the last control starts or validates.
  bool T_reponse2KeyPress(int creneau, char touche);
  void Aaide_contextuelleExecute();
  void TBaide2Click();
  // The exercise view's renderer takes the presses itself; this is the press
  // as the view gets it.
  void Image1MouseDown(BoutonSouris bouton, unsigned etat, int x, int y);
  void Image1MouseUp();
  void Image1MouseMove();
  void Image7MouseUp();
  void Image7MouseMove();
  void Image6Click();
  void GraphClickSeries(TChartSeries* serie, int indice, Qt::MouseButton bouton, QPoint pixel);
  void GraphClickBackground(Qt::MouseButton bouton, QPoint pixel);
  void GraphClickAxis(TChartAxis* axe, Qt::MouseButton bouton, QPoint pixel);
  void GraphMouseMove(QPoint pixel);
  // Help contents and search.
  void AaideExecute();
  void ArechercherExecute();
  // The test page: render, print, scramble.
  void Button6Click();
  void Button8Click();
  void Button7Click();
  void Edit6Change();

  // Which page is shown; switching by code keeps it even when its tab is
  // hidden (Qt moves the current page when tabs are hidden or shown).
  void montrer_page(QWidget* page);
  QWidget* page_active() const;
  // The edit box that had the focus last: tool buttons and menus take none.
  QLineEdit* zone_texte_active() const;
  // The lines of a memo joined with CR LF, as the program reads its memos.
  static std::string texte_memo(const QPlainTextEdit* memo);

  // Frame.
  QMenuBar* MainMenu1;
  TJvGradientCaption* JvGradientCaption1;
  QTabWidget* Classeur;
  QWidget* TabSheet5;
  QWidget* TabSheet1;
  QWidget* TabSheet2;
  QWidget* TabSheet3;
  QWidget* TabSheet4;
  QWidget* TabSheet6;
  QWidget* TSStatistiques;
  QWidget* TSaide;
  QWidget* Panel1;
  QWidget* TBar_module;
  QToolButton* TBexercices;
  QToolButton* TBcalculs;
  QToolButton* TBgraphiques;
  QToolButton* TBquitter;
  QStatusBar* Barre_etat;
  std::array<QLabel*, 2> panneaux_etat{};
  QObject* ActionManager1;

  // Menus and their items.
  QMenu* Fichier;
  QMenu* Edition1;
  QMenu* Affichage2;
  QMenu* Insertion1;
  QMenu* Exercices2;
  QMenu* Calculs1;
  QMenu* Graphique2;
  QMenu* Outils1;
  QMenu* Aide1;
  QMenu* Fonction1;
  QMenu* Affichage1;
  QMenu* Menu_Fonction;
  QAction* Enregistrer1;
  QAction* Imprimer1;
  QAction* Aperuavantimpression1;
  QAction* Quitter1;
  QAction* Effacertout1;
  QAction* toutcopier1;
  QAction* ModuleExercices1;
  QAction* ModuleCalculs1;
  QAction* ModuleGraphiques1;
  QAction* Barredoutils1;
  QAction* Nouvelobjet1;
  QAction* Dfiniruneconstante1;
  QAction* EditeurFonction1;
  QAction* Outils2;
  QAction* Masquerlgende1;
  QAction* Graphique1;
  QAction* Options1;
  QAction* Gnrales1;
  QAction* Commencer1;
  QAction* Connexion1;
  QAction* NouveauCompte1;
  QAction* Gestionnaire_de_compte;

  // Actions.
  QAction* Aquitter;
  QAction* Atracer;
  QAction* Aediteur_fonction;
  QAction* Anouvel_objet;
  QAction* Agestion_exercice;
  QAction* Aconnexion;
  QAction* ANouveau_compte;
  QAction* Agestion_compte;

  // Home page.
  QPlainTextEdit* memo2;
  QToolButton* dxWinXPBar2Items0;
  QToolButton* dxWinXPBar2Items1;

  // Exercices page and hints.
  ImageHote* Image1;
  TChart* Graph;
  QWidget* Pvalider;
  QToolButton* TBcommencer;
  QToolButton* TBrecommencer;
  QToolButton* TBaccueil;
  QToolButton* TBgestionnaire_exercice;
  QWidget* P_reponse;
  QWidget* P_saisie;
  QWidget* Pchamps_saisie;
  QPushButton* B_valider;
  // The score: right answers out of the answers judged, shown in per cent;
  // its caption holds the count and its legend.
  TJvSpecialProgress* PBbonne_reponse;
  QWidget* Caide1;
  ImageHote* Image7;

  // Calcul page.
  QLineEdit* Edit1;
  ImageHote* Image5;
  BoiteDefilement* ScrollBox1;
  ImageHote* Image3;
  // The calculator and its history, shown only rendered on Image3.
  Tcalculatrice ListBox1;
  QPushButton* Bcalculer;
  QPushButton* Breduire;
  QPushButton* Bnumeriser;
  QPushButton* Bdevelopper;
  QPushButton* Bfactoriser;
  QPushButton* Bfraction;
  QPushButton* Bradical;
  QPushButton* Bderiver;
  QPushButton* Bintegrale;
  QPushButton* Bresoudre;
  QToolButton* Bfonction;
  QToolButton* TBpuissance;
  QToolButton* TBracine;
  QToolButton* Bi;
  QToolButton* TBoptions_graphiques;
  // A number field with a pop-up pocket calculator, at the end of the row.
  TJvCalcEdit* JvCalcEdit1;

  // Graphiques page.
  TChart* Chart1;
  QListWidget* CLBcourbe;
  QWidget* Panel3;
  QToolButton* TBaccueil2;
  QToolButton* TBlegende;
  QToolButton* TBimprimer;
  QToolButton* TBoption_graphique;
  ImageHote* Image8;
  QCheckBox* CBcocher;
  QScrollBar* ScrollBar1;
  QProgressBar* PBtracer;
  QFrame* Curseur;
  QAbstractButton* Bintersection;
  QLineEdit* Tx;
  QLineEdit* Ty;
  QAction* Masquergestionnairedecourbe1;

  // Editor, test and statistics pages.
  QPlainTextEdit* MCodeSource;
  ImageHote* Image2;
  ImageHote* Image6;
  QPlainTextEdit* Mstatisiques;

 protected:
  void closeEvent(QCloseEvent* evenement) override;
  void resizeEvent(QResizeEvent* evenement) override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  // Building the window (vorel_composants.cpp).
  void creer_menus();
  void creer_actions();
  void creer_cadre();
  void creer_accueil();
  void creer_exercices();
  void creer_calculs();
  void creer_graphiques();
  void creer_editeur();
  void creer_pages_outils();
  void relier();
  // Connects the action, or the button, named `nom` below `racine` (the
  // window itself by default) to `gestionnaire`; nothing when there is none.
  void relier_action(const char* nom, void (TFvorel::*gestionnaire)(), const QObject* racine = nullptr);
  void relier_bouton(const char* nom, void (TFvorel::*gestionnaire)(), const QObject* racine = nullptr);
  void relier_calculs();
  void relier_comptes();
  void relier_graphiques();
  void relier_editeur();
  // The editor (vorel_editeur.cpp): a symbol item's escape put in place of
  // the memo's selection; the memo set to a page, its caret at a page index.
  void inserer_symbole(std::string_view element);
  void memo_prend_source(const std::string& source, int curseur);
  void relier_exercices();
  void relier_internet();
  void relier_page_exercices();

  // The graph module's saved state (vorel_graphiques.cpp).
  void restaurer_courbes();
  void restaurer_annotations();
  void appliquer_options_graphiques();
  bool sauver_courbes();
  bool sauver_annotations();
  // The curve the list's item i draws, if it has a series.
  std::shared_ptr<TCustomSeries> serie_de(int i) const;
  void montrer_curseur(QPoint pixel);
  void rassembler_annotations();
  void choisir_annotation(TChartShape& forme, Qt::MouseButton bouton);
  // A selected annotation follows the mouse.
  void deplacer_annotation(QPoint pixel);

  // The calculator's ":=" input: a user function or a constant.
  void definir_objet(const std::string& saisie);
  // The options dialog's choices for the next calculation.
  Toptions_calcul options_calcul() const;

  // Start-up helpers.
  void masquer_onglets();
  int commande_du_bouton(const QObject* bouton) const;
  void inserer_dans_zone(const char* texte, int recul);

  // The exercise chart as the generators and the presenter use it.
  std::unique_ptr<GraphiqueTChart> graphique_exercice_;
  // The calculator's input line as the generators use it.
  std::unique_ptr<SaisieLigneCalcul> saisie_calculatrice_;
  // The [Graphiques] lines that are no curve: not shown, written back.
  std::vector<Tligne_cachee> courbes_cachees_;
  // Byte counts beyond an int are divided by this for the progress dialog.
  qint64 echelle_progression_ = 1;
  bool cree_ = false;
  bool montre_ = false;
  bool en_montre_ = false;
  bool ferme_ = false;
  bool en_calcul_ = false;
  QPointer<QLineEdit> derniere_zone_;
  QWidget* page_choisie_ = nullptr;
  // Hands the answer controls' keys and the answer panel's resizes on.
  QObject* filtre_reponses_ = nullptr;
  // The editor: Panel10's colour; true while the memo is set from code;
  // true from a Delete press on a preview that showed the memo's page.
  std::int32_t couleur_texte_editeur_ = 0;
  bool memo_editeur_par_code_ = false;
  bool suppression_apercu_ = false;
};

extern TFvorel* Fvorel;
