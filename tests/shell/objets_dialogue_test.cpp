// The new-object dialog in a whole program: user functions and constants
// stored and put into the tables, matrices, points and vectors written when
// the dialog hides, the object texts handed to the formula editor.
#include <QComboBox>
#include <QRadioButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "engine/fonctions_usuelles.h"
#include "engine/profondeur.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "platform/chart/chart.h"
#include "programme_de_test.h"
#include "shell/nouvel_objet.h"
#include "shell/textes_shell.h"

namespace {

namespace fs = std::filesystem;

class DialogueObjets : public essai::Programme {
 protected:
  void SetUp() override {
    Programme::SetUp();
    if (HasFatalFailure()) return;
    parametres("[generales]\nmasquer_configuration=1\npage_demarrage=2\n");
    ASSERT_TRUE(demarrer());
  }

  static TFnouvel_objet& d() { return *Fnouvel_objet; }
  static void ecrire(QLineEdit* zone, const std::string& texte) { zone->setText(depuis_1252(texte)); }
  static void cellule(QTableWidget* grille, int ligne, int colonne, const char* texte) {
    grille->setItem(ligne, colonne, new QTableWidgetItem(QString::fromLatin1(texte)));
  }
  static std::vector<std::string> lignes(const QListWidget* liste) {
    std::vector<std::string> sortie;
    for (int i = 0; i < liste->count(); ++i) sortie.push_back(vers_1252(liste->item(i)->text()));
    return sortie;
  }
  bool fonction(const std::string& nom, const std::string& expression, const std::string& variable = "") {
    ecrire(d().Tnom, nom);
    ecrire(d().Texpression, expression);
    ecrire(d().Tvariable, variable);
    return d().BokClick();
  }
  bool constante(const std::string& nom, const std::string& valeur) {
    ecrire(d().Tnom_constante, nom);
    ecrire(d().Tnom_valeur, valeur);
    return d().Bajouter_constanteClick();
  }
  void point(const std::string& nom, const char* x, const char* y) {
    ecrire(d().Tnom_point, nom);
    cellule(d().SGpoint, 0, 0, x);
    cellule(d().SGpoint, 1, 0, y);
    d().Bcreer_pointClick();
  }
  // The calculator's answer to a typed line (Enter), as the history shows it.
  std::string calcul(const std::string& saisie) {
    f().Edit1->setText(depuis_1252(saisie));
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(f().Edit1, &appui);
    return f().ListBox1.lignes().empty() ? "" : f().ListBox1.lignes().back();
  }
  std::string dernier_message() { return messages_->journal.empty() ? "" : messages_->journal.back().texte; }
  fs::path fichier(const char* nom) const { return dossier_ / nom; }
  // Plays the user of the next modal showing.
  void jouer(std::function<void()> geste) {
    messages_->modale = [geste](const std::string&) {
      geste();
      return d().result();
    };
  }
};

TEST_F(DialogueObjets, AFunctionIsStoredListedAndDerived) {
  ASSERT_TRUE(fonction("F", "X^2"));
  EXPECT_EQ(lignes(d().LBfonction), std::vector<std::string>{"f(x)=x^2"});
  const int id = fonctions_usuelles->identifiant("f");
  ASSERT_GE(id, nb_fonctions_predefinies);
  EXPECT_GE(id, 59);
  EXPECT_EQ(fonctions_usuelles->modele_derivee(id), "2*%s");
  EXPECT_EQ(fonctions_usuelles->categorie[id], catalogue_textes.txt_fonctions_utilisateurs);
  EXPECT_EQ(fonctions_usuelles->nb_arguments[id], 1);
  EXPECT_EQ(fonctions_usuelles->arguments[id], "x");
  EXPECT_EQ(fonctions_usuelles->description[id], "Fonction utilisateur");
  EXPECT_EQ(d().Tnom->text(), "");
  // Changed: one row, one line, the new body.
  messages_->reponses = {reponse_oui};
  ASSERT_TRUE(fonction("f", "x^3"));
  EXPECT_EQ(lignes(d().LBfonction), std::vector<std::string>{"f(x)=x^3"});
  EXPECT_EQ(fonctions_usuelles->taille(), id + 1);
  // Deleted by an empty expression.
  messages_->reponses = {reponse_oui};
  ASSERT_TRUE(fonction("f", "", "x"));
  EXPECT_TRUE(lignes(d().LBfonction).empty());
  EXPECT_EQ(fonctions_usuelles->identifiant("f"), 0);
}

// Start-up shows the dialog: many heavy functions must cost nothing until
// one is derived or integrated.
TEST_F(DialogueObjets, ShowingLoadsTheFunctionsWithoutDerivingThem) {
  ASSERT_TRUE(fonction("f", "x^2"));
  const std::uint64_t appels = appel_externe();
  d().FormShow();
  EXPECT_EQ(appel_externe(), appels);
  EXPECT_EQ(fonctions_usuelles->modele_primitive(fonctions_usuelles->identifiant("f")), "(%s^3)/3");
}

TEST_F(DialogueObjets, RefusedFunctionsAndConstantsWriteNothing) {
  ASSERT_TRUE(fonction("f", "x^2"));
  ASSERT_TRUE(constante("a", "2x"));
  const std::string fonctions = lire_octets(fichier("Fonction.ini"));
  const std::string constantes_ = lire_octets(fichier("Constante.ini"));
  struct Cas {
    const char* nom;
    const char* expression;
    std::string message;
  };
  const Cas cas[] = {{"sin", "x", catalogue_textes.txt_nom_reserve_pouvez},
                     {"t", "x", catalogue_textes.txt_nom_reserve_pouvez},
                     {"x", "x", catalogue_textes.txt_nom_reserve_pouvez},
                     {"o", "x", catalogue_textes.txt_nom_reserve_pouvez},
                     {"g", "x*y", catalogue_textes.txt_devez_saisir_variable},
                     {"g", "x+", ""},
                     {"2", "x", texte_shell("objet_impossible")},
                     {"f=g", "x", texte_shell("objet_impossible")},
                     {"", "x", texte_shell("objet_impossible")}};
  for (const Cas& c : cas) {
    messages_->journal.clear();
    EXPECT_FALSE(fonction(c.nom, c.expression)) << c.nom;
    ASSERT_FALSE(messages_->journal.empty()) << c.nom;
    if (!c.message.empty()) {
      EXPECT_EQ(dernier_message(), c.message) << c.nom;
    }
  }
  messages_->reponses = {reponse_non};
  EXPECT_FALSE(fonction("f", "x^5"));
  EXPECT_EQ(dernier_message(), catalogue_textes.txt_fonction_existe_deja);
  for (const char* nom : {"pi", "t", "[x]"}) EXPECT_FALSE(constante(nom, "1")) << nom;
  messages_->reponses = {reponse_non};
  EXPECT_FALSE(constante("a", "5"));
  EXPECT_EQ(lire_octets(fichier("Fonction.ini")), fonctions);
  EXPECT_EQ(lire_octets(fichier("Constante.ini")), constantes_);
}

TEST_F(DialogueObjets, AConstantWithAnEmptyValueIsDeletedEverywhere) {
  ASSERT_TRUE(constante("b", "7"));
  EXPECT_EQ(lignes(d().LBconstante), std::vector<std::string>{"b=7"});
  EXPECT_GE(constantes->indice("b"), 0);
  messages_->reponses = {reponse_oui};
  ASSERT_TRUE(constante("b", ""));
  EXPECT_TRUE(lignes(d().LBconstante).empty());
  EXPECT_LT(constantes->indice("b"), 0);
  EXPECT_EQ(lire_octets(fichier("Constante.ini")).find("b="), std::string::npos);
}

TEST_F(DialogueObjets, DefinitionsTypedInTheCalculatorAreStoredAndUsed) {
  EXPECT_EQ(calcul("f(x):=x^2"), "");
  EXPECT_EQ(calcul("numeriser(f(3))"), "=9");
  EXPECT_EQ(calcul("deriver(f(x);x)"), "=2*x");
  calcul("f(x):=x^3");  // asks, and the scripted user says Yes
  EXPECT_EQ(calcul("numeriser(f(2))"), "=8");
  EXPECT_EQ(lignes(d().LBfonction), std::vector<std::string>{"f(x)=x^3"});
  calcul("a:=3");
  EXPECT_EQ(calcul("numeriser(2*a)"), "=6");
  // Definitions through themselves end with an answer.
  calcul("b:=b+1");
  calcul("numeriser(b)");
  calcul("g(x):=g(x)+1");
  calcul("numeriser(g(1))");
  messages_->journal.clear();
  calcul("2:=3");
  EXPECT_EQ(dernier_message(), "Impossible d'ajouter l'objet.");
  EXPECT_EQ(vers_1252(f().Edit1->text()), "2:=3");
}

// A constant with an exact number for value (an integer, a fraction, a
// decimal) is that number in a sum as in a product, from its definition on
// and after a restart.
TEST_F(DialogueObjets, AConstantTypedInTheCalculatorIsANumberInSums) {
  calcul("f(x):=x^2+1");
  calcul("k:=3");
  calcul("h:=1/2");
  calcul("d:=0.5");
  for (int demarrage = 0; demarrage < 2; ++demarrage) {
    EXPECT_EQ(calcul("k+1"), "=4") << demarrage;
    EXPECT_EQ(calcul("2+k"), "=5") << demarrage;
    EXPECT_EQ(calcul("f(2)+k"), "=8") << demarrage;
    EXPECT_EQ(calcul("2*k"), "=6") << demarrage;
    EXPECT_EQ(calcul("h+1"), "=3/2") << demarrage;
    EXPECT_EQ(calcul("3*d"), "=3/2") << demarrage;
    EXPECT_EQ(calcul("pi+1"), "=1+pi") << demarrage;
    arreter();
    ASSERT_TRUE(demarrer());
  }
}

TEST_F(DialogueObjets, ObjectsMatchTheFixturesAndSurviveARestart) {
  ASSERT_TRUE(fonction("f", "x^2"));
  ASSERT_TRUE(constante("a", "2x"));
  ecrire(d().Tnom_matrice, "A");
  ecrire(d().Tnb_ligne, "2");
  d().Tnb_ligneChange();
  ecrire(d().Tnb_colonne, "2");
  d().Tnb_colonneChange();
  cellule(d().SGmatrice, 0, 0, "1");
  cellule(d().SGmatrice, 0, 1, "2");
  cellule(d().SGmatrice, 1, 0, "3");
  cellule(d().SGmatrice, 1, 1, "4");
  d().Bcreer_matriceClick();
  EXPECT_EQ(lignes(d().LBmatrice), std::vector<std::string>{"A;[[1;2];[3;4]]"});
  point("A", "1", "2");
  point("B", "4", "6");
  d().TSvecteurShow();
  d().CBpoint1->setCurrentIndex(0);
  d().CBpoint2->setCurrentIndex(1);
  d().CBpoint1Change();
  EXPECT_EQ(d().Tnom_vecteur->text(), "AB");
  EXPECT_EQ(d().Tnorme->text(), "5");
  d().Bcreer_vecteurClick();
  d().Bcreer_vecteurClick();  // the same name replaces its line
  EXPECT_EQ(lignes(d().LBvecteur), std::vector<std::string>{"A;B;[3;4]"});
  d().FormHide();
  EXPECT_EQ(lire_octets(fichier("Fonction.ini")), lire_octets(fs::path(PRALINORE_FIXTURES) / "Fonction.ini"));
  EXPECT_EQ(lire_octets(fichier("Constante.ini")), lire_octets(fs::path(PRALINORE_FIXTURES) / "Constante.ini"));

  arreter();
  ASSERT_TRUE(demarrer());
  EXPECT_EQ(lignes(d().LBfonction), std::vector<std::string>{"f(x)=x^2"});
  EXPECT_EQ(calcul("deriver(f(x);x)"), "=2*x");
}

TEST_F(DialogueObjets, TheDeleteButtonRemovesTheChosenObjectEverywhere) {
  ASSERT_TRUE(fonction("f", "x^2"));
  ASSERT_TRUE(constante("b", "7"));
  point("P", "1", "2");
  d().Bsupprimer->click();  // nothing chosen: nothing goes
  const std::pair<int, QListWidget*> cas[] = {{TFnouvel_objet::onglet_fonction, d().LBfonction},
                                              {TFnouvel_objet::onglet_constante, d().LBconstante},
                                              {TFnouvel_objet::onglet_point, d().LBpoint}};
  for (const auto& [onglet, liste] : cas) {
    ASSERT_EQ(liste->count(), 1) << onglet;
    d().afficher_onglet(onglet);
    liste->setCurrentRow(0);
    d().Bsupprimer->click();
    EXPECT_EQ(liste->count(), 0) << onglet;
  }
  EXPECT_EQ(fonctions_usuelles->identifiant("f"), 0);
  EXPECT_LT(constantes->indice("b"), 0);
  const std::string fonctions = lire_octets(fichier("Fonction.ini"));
  const std::string constantes_ = lire_octets(fichier("Constante.ini"));
  EXPECT_EQ(fonctions.find("f="), std::string::npos);
  EXPECT_EQ(constantes_.find("b="), std::string::npos);
}

TEST_F(DialogueObjets, GridRefusesAnythingButACount) {
  for (const char* texte : {"a", "0", "-2", "1000000"}) {
    messages_->journal.clear();
    ecrire(d().Tnb_ligne, texte);
    d().Tnb_ligneChange();
    EXPECT_EQ(dernier_message(), catalogue_textes.txt_devez_saisir_nombre) << texte;
  }
  EXPECT_EQ(d().SGmatrice->rowCount(), 3);
  messages_->journal.clear();
  d().Bcreer_matriceClick();
  EXPECT_EQ(dernier_message(), "Vous devez donner un nom \xE0 votre matrice");
  EXPECT_EQ(d().LBmatrice->count(), 0);
}

TEST_F(DialogueObjets, EditerObjetHandsBackWhatOkChose) {
  jouer([] { d().dxButton8Click(); });
  EXPECT_EQ(d().editer_objet("[1;2]", TFnouvel_objet::onglet_liste), "[1;2]");

  jouer([] {
    EXPECT_EQ(d().SGliste->rowCount(), 2);
    d().UpDown1->setValue(3);
    cellule(d().SGliste, 0, 0, "1");
    cellule(d().SGliste, 1, 0, "");
    cellule(d().SGliste, 2, 0, "3");
    d().dxButton7Click();
    EXPECT_EQ(d().SGliste->item(1, 0)->text(), "0");
  });
  EXPECT_EQ(d().editer_objet("[4;5]", TFnouvel_objet::onglet_liste), "[1;0;3]");

  std::string variables;
  d().remplir_variables_editeur = [&](const std::string& v) { variables = v; };
  jouer([] {
    ecrire(d().Tequation, "x+y=2");
    d().BajouterClick();
    ecrire(d().Tequation, "x-y=0");
    d().BajouterClick();
    d().dxButton7Click();
  });
  EXPECT_EQ(d().editer_objet("", TFnouvel_objet::onglet_equation), "[x+y=2;x-y=0]");
  EXPECT_TRUE(variables == "[x;y]" || variables == "[y;x]") << variables;

  jouer([] {
    EXPECT_EQ(d().LBequation->count(), 2);
    d().dxButton7Click();
  });
  EXPECT_EQ(d().editer_objet("[x+y=2;x-y=0]", TFnouvel_objet::onglet_equation), "[x+y=2;x-y=0]");

  jouer([] {
    EXPECT_EQ(d().Tabscisse_point->text(), "1");
    ecrire(d().Tordonnee_point, "7");
    d().dxButton7Click();
  });
  EXPECT_EQ(d().editer_objet("[1;2]", TFnouvel_objet::onglet_point_plan), "[1;7]");

  // OK with no line chosen on the matrix tab keeps the incoming text.
  jouer([] { d().dxButton7Click(); });
  EXPECT_EQ(d().editer_objet("[[1]]", TFnouvel_objet::onglet_matrice), "[[1]]");
}

TEST_F(DialogueObjets, TracerDrawsTwoSeriesAndRefusesANonNumber) {
  d().RBcoordonnees->setChecked(true);
  ecrire(d().Tnom_vecteur, "u");
  cellule(d().SGvecteur, 0, 0, "3");
  cellule(d().SGvecteur, 1, 0, "4");
  const int avant = f().Chart1->SeriesCount();
  d().dxCheckbox1Click();
  EXPECT_EQ(f().Chart1->SeriesCount(), avant + 2);
  cellule(d().SGvecteur, 0, 0, "0");
  cellule(d().SGvecteur, 1, 0, "0");
  d().dxCheckbox1Click();  // the zero vector: no head
  EXPECT_EQ(f().Chart1->SeriesCount(), avant + 4);
  cellule(d().SGvecteur, 0, 0, "abc");
  messages_->journal.clear();
  d().dxCheckbox1Click();
  EXPECT_EQ(dernier_message(), catalogue_textes.txt_devez_saisir_nombre);
  EXPECT_EQ(f().Chart1->SeriesCount(), avant + 4);
}

TEST_F(DialogueObjets, Captures) {
  ASSERT_TRUE(fonction("f", "x^2+1"));
  ecrire(d().Tnom_matrice, "M");
  d().Bcreer_matriceClick();
  d().LBmatrice->addItem(QStringLiteral("A;[[1;2];[3;4]]"));
  d().LBmatrice->setCurrentRow(1);
  d().LBmatriceClick();
  point("A", "1", "2");
  point("B", "4", "6");
  fs::create_directories(PRALINORE_CAPTURES);
  for (int langue : {0, 1}) {
    choisir_langue(langue);
    const std::pair<int, const char*> onglets[] = {{TFnouvel_objet::onglet_fonction, "fonction"},
                                                   {TFnouvel_objet::onglet_matrice, "matrice"},
                                                   {TFnouvel_objet::onglet_vecteur, "vecteur"},
                                                   {TFnouvel_objet::onglet_liste, "liste"}};
    for (const auto& [onglet, nom] : onglets) {
      d().afficher_onglet(onglet);
      if (onglet == TFnouvel_objet::onglet_vecteur) {
        d().TSvecteurShow();
        d().CBpoint1->setCurrentIndex(0);
        d().CBpoint2->setCurrentIndex(1);
        d().CBpoint1Change();
        d().Bcreer_vecteurClick();
      }
      d().resize(460, 520);
      d().show();
      QApplication::processEvents();
      const std::string fichier_ = std::string(PRALINORE_CAPTURES) + "/nouvel_objet_" + nom + (langue ? "_en" : "_fr") + ".png";
      EXPECT_TRUE(d().grab().save(QString::fromStdString(fichier_)));
      d().hide();
    }
  }
  choisir_langue(0);
}

}  // namespace
