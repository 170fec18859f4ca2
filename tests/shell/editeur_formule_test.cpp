// The formula editor in a whole program: the fields of the call at the
// caret, the call rewritten as they change, the slot of "Fx", the
// new-object dialog behind "...", the list by mode and by keys, OK and
// cancel.
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

#include "engine/fonctions_usuelles.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "programme_de_test.h"
#include "shell/auto_pilote_fonction.h"
#include "shell/nouvel_objet.h"

namespace {

namespace fs = std::filesystem;
using Textes = std::vector<std::string>;

// The function table's row of pgcd.
constexpr int ligne_pgcd = 17;

class EditeurFormule : public essai::Programme {
 protected:
  void SetUp() override {
    Programme::SetUp();
    if (HasFatalFailure()) return;
    parametres("[generales]\nmasquer_configuration=1\npage_demarrage=2\n");
    ASSERT_TRUE(demarrer());
    ouvrir(0);
  }

  static TFauto_pilote& e() { return *Fauto_pilote; }
  static void ouvrir(int mode) {
    e().mode_utilisateur = mode;
    e().FormShow();
  }
  // A click in the formula at the caret.
  static void cliquer(const std::string& texte, int curseur) {
    e().Edit1->setText(depuis_1252(texte));
    e().Edit1->setCursorPosition(curseur);
    e().Edit1Click();
  }
  static std::string formule() { return vers_1252(e().Edit1->text()); }
  static Textes champs() {
    Textes t;
    for (const QLineEdit* c : e().Edition) t.push_back(vers_1252(c->text()));
    return t;
  }
  static Textes lignes(const QListWidget* liste) {
    Textes t;
    for (int i = 0; i < liste->count(); ++i) t.push_back(vers_1252(liste->item(i)->text()));
    return t;
  }
  static bool choisir(const std::string& nom) {
    const auto trouves = e().LBfonction->findItems(depuis_1252(nom), Qt::MatchExactly);
    if (trouves.isEmpty()) return false;
    e().LBfonction->setCurrentItem(trouves.front());
    return true;
  }
  // The dialog on screen and active, as its modal showing leaves it.
  static void montrer() {
    e().show();
    e().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e()));
  }
  // The user's gestures on the shown dialog.
  static QPoint point_de(const std::string& nom) {
    const auto trouves = e().LBfonction->findItems(depuis_1252(nom), Qt::MatchExactly);
    if (trouves.isEmpty()) return {-1, -1};
    e().LBfonction->scrollToItem(trouves.front());
    return e().LBfonction->visualItemRect(trouves.front()).center();
  }
  static void cliquer_liste(const std::string& nom) {
    QTest::mouseClick(e().LBfonction->viewport(), Qt::LeftButton, {}, point_de(nom));
  }
  // Through the window, as the system delivers it: press, release, press
  // (the double click), release.
  static void double_cliquer_liste(const std::string& nom) {
    const QPoint point = e().LBfonction->viewport()->mapTo(&e(), point_de(nom));
    QTest::mouseDClick(e().windowHandle(), Qt::LeftButton, {}, point);
  }
  static void taper_formule(const char* texte) {
    QTest::mouseClick(e().Edit1, Qt::LeftButton);
    QTest::keyClicks(e().Edit1, QString::fromLatin1(texte));
  }
  // Keys go to whichever control holds the focus.
  static void taper(const char* texte) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(texte)); }
  static std::string fonction_courante() { return vers_1252(e().LBfonction->currentItem()->text()); }

  // Plays the user of the next modal showings, given the window's name.
  void jouer(std::function<void(const std::string&)> geste) {
    messages_->modale = [geste](const std::string& nom) {
      geste(nom);
      return nom == "TFauto_pilote" ? e().result() : Fnouvel_objet->result();
    };
  }
};

TEST_F(EditeurFormule, TheCallAtTheCaretGetsItsFieldsAndTypingRewritesIt) {
  struct Cas {
    const char* texte;
    int curseur;
    const char* apres;  // the second field set to 20
  };
  for (const Cas& c : {Cas{"pgcd(12;18)", 7, "pgcd(12;20)"}, Cas{"PGCD(12;18)", 2, "PGCD(12;20)"},
                       Cas{"1+pgcd(12;18)*2", 9, "1+pgcd(12;20)*2"}}) {
    cliquer(c.texte, c.curseur);
    ASSERT_EQ(champs(), (Textes{"12", "18"})) << c.texte;
    EXPECT_EQ(e().Edit1->selectedText(), "12") << c.texte;
    EXPECT_EQ(vers_1252(e().LBfonction->currentItem()->text()), "pgcd");
    EXPECT_FALSE(e().LBfonction->isEnabled());
    EXPECT_FALSE(e().ScrollBox3->isHidden());
    EXPECT_EQ(e().Label1->text(), "pgcd");
    EXPECT_EQ(e().Label2->text(), "pgcd(entier;entier)=");
    e().Edition[1]->setText(QStringLiteral("20"));
    EXPECT_EQ(formule(), c.apres);
  }
  // Typed in the formula, the call may move: its fields go, nothing is
  // rewritten at the old place.
  e().Edit1->setText(QStringLiteral("pgcd(12;20)+pgcd(1;2)"));
  EXPECT_TRUE(e().Edition.empty());
  EXPECT_TRUE(e().ScrollBox3->isHidden());
  cliquer("x+1", 1);
  EXPECT_TRUE(e().Edition.empty());
  EXPECT_TRUE(e().LBfonction->isEnabled());
  EXPECT_TRUE(e().Label1->text().isEmpty());
}

TEST_F(EditeurFormule, RowsFollowTheWidestLabelAndTheLastEmptyFieldLeavesTheCall) {
  cliquer("integrale(x;0;1;x)", 3);
  ASSERT_EQ(champs(), (Textes{"x", "0", "1", "x"}));
  EXPECT_EQ(e().Panel1->height(), 100);
  e().Edition[3]->clear();
  EXPECT_EQ(formule(), "integrale(x;0;1)");
  EXPECT_EQ(e().longueur_arguments, 5);

  cliquer("resoudre_systeme()", 0);
  ASSERT_EQ(e().Edition.size(), 2u);
  EXPECT_EQ(e().Panel1->height(), 61);
  int plus_large = 0;
  for (std::size_t k = 0; k < 2; ++k) {
    EXPECT_EQ(e().Etiquettes[k]->x(), 5);
    EXPECT_EQ(e().Edition[k]->y(), 20 * static_cast<int>(k + 1) + 2);
    EXPECT_EQ(e().Boutons[k]->text(), "...");
    EXPECT_EQ(e().Boutons[k]->width(), 20);
    plus_large = std::max(plus_large, e().Etiquettes[k]->width());
  }
  EXPECT_EQ(e().Etiquettes[0]->text(), "equations");
  EXPECT_EQ(e().Etiquettes[1]->text(), "variables");
  EXPECT_EQ(e().Boutons[1]->x(), plus_large + 20);
  EXPECT_EQ(e().Edition[1]->x(), plus_large + 40);
}

TEST_F(EditeurFormule, FxMakesTheSlotForTheFunctionChosenNext) {
  cliquer("integrale()", 0);
  ASSERT_EQ(e().Edition.size(), 4u);
  EXPECT_EQ(e().Boutons[2]->text(), "Fx");
  e().Boutons[2]->click();
  EXPECT_EQ(formule(), "integrale(;;)");
  EXPECT_EQ(e().Edit1->cursorPosition(), 12);
  EXPECT_TRUE(e().ScrollBox3->isHidden());
  EXPECT_TRUE(e().LBfonction->isEnabled());
  ASSERT_TRUE(choisir("sin"));
  e().LBfonctionDblClick();
  EXPECT_EQ(formule(), "integrale(;;sin())");
  ASSERT_EQ(e().Edition.size(), 1u);
  EXPECT_EQ(e().debut_arguments, 16);
  e().Edition[0]->setText(QStringLiteral("x"));
  EXPECT_EQ(formule(), "integrale(;;sin(x))");
}

TEST_F(EditeurFormule, TheObjectButtonComposesTheSystemAndItsVariables) {
  cliquer("resoudre_systeme()", 0);
  ASSERT_EQ(e().Edition.size(), 2u);
  int onglet = -1;
  jouer([&](const std::string& nom) {
    if (nom != "TFnouvel_objet") return;
    onglet = Fnouvel_objet->PageControl1->currentIndex();
    for (const char* equation : {"x+y=2", "x-y=0"}) {
      Fnouvel_objet->Tequation->setText(QString::fromLatin1(equation));
      Fnouvel_objet->BajouterClick();
    }
    Fnouvel_objet->dxButton7Click();
  });
  e().Boutons[0]->click();
  EXPECT_EQ(onglet, TFnouvel_objet::onglet_equation);
  ASSERT_EQ(champs().size(), 2u);
  EXPECT_EQ(champs()[0], "[x+y=2;x-y=0]");
  EXPECT_TRUE(champs()[1] == "[x;y]" || champs()[1] == "[y;x]") << champs()[1];
  EXPECT_EQ(formule(), "resoudre_systeme(" + champs()[0] + ";" + champs()[1] + ")");
  EXPECT_FALSE(Fnouvel_objet->remplir_variables_editeur);
}

TEST_F(EditeurFormule, AChosenFunctionGoesInAtTheCaretOrInPlaceOfTheSelection) {
  montrer();
  // A double-click in the list, the caret at the end of the formula.
  taper_formule("1+");
  double_cliquer_liste("sqrt");
  taper("9");
  EXPECT_EQ(formule(), "1+sqrt(9)");

  // Enter in the list, x selected in the formula.
  QTest::mouseClick(e().Bnouvelle_formule, Qt::LeftButton);
  taper_formule("2*x+1");
  QTest::keyClick(e().Edit1, Qt::Key_Left, Qt::NoModifier);
  QTest::keyClick(e().Edit1, Qt::Key_Left, Qt::NoModifier);
  QTest::keyClick(e().Edit1, Qt::Key_Left, Qt::ShiftModifier);
  ASSERT_EQ(e().Edit1->selectedText(), "x");
  cliquer_liste("sin");
  QTest::keyClick(e().LBfonction, Qt::Key_Return);
  taper("x");
  EXPECT_EQ(formule(), "2*sin(x)+1");
  e().hide();
}

TEST_F(EditeurFormule, TheDescriptionFollowsTheListByMouseAndByKeys) {
  montrer();
  cliquer_liste("sin");
  EXPECT_EQ(e().Label1->text(), "sin");
  for (const Qt::Key touche : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
    QTest::keyClick(e().LBfonction, touche);
    EXPECT_EQ(vers_1252(e().Label1->text()), fonction_courante());
  }
  EXPECT_NE(fonction_courante(), "sin");
  EXPECT_FALSE(e().Bchoisir_fonction->isHidden());
  QTest::mouseClick(e().Bchoisir_fonction, Qt::LeftButton);
  EXPECT_EQ(formule(), vers_1252(e().Label1->text()) + "()");
  e().hide();
}

TEST_F(EditeurFormule, UserModeListsTheUserFunctionsAlone) {
  Fnouvel_objet->Tnom->setText(QStringLiteral("f"));
  Fnouvel_objet->Texpression->setText(QStringLiteral("x^2"));
  Fnouvel_objet->Tvariable->setText(QStringLiteral("x"));
  ASSERT_TRUE(Fnouvel_objet->BokClick());

  ouvrir(1);
  ASSERT_EQ(e().CBcategorie->count(), 1);
  EXPECT_EQ(vers_1252(e().CBcategorie->itemText(0)), catalogue_textes.txt_fonctions_utilisateurs);
  EXPECT_EQ(lignes(e().LBfonction), Textes{"f"});
  ASSERT_TRUE(choisir("f"));
  e().LBfonctionClick();
  EXPECT_EQ(e().Label2->text(), "f(x)=x^2");
  EXPECT_FALSE(e().Bchoisir_fonction->isHidden());

  ouvrir(0);
  EXPECT_EQ(vers_1252(e().CBcategorie->itemText(0)), catalogue_textes.txt_toutes);
  const Textes tous = lignes(e().LBfonction);
  EXPECT_TRUE(std::is_sorted(tous.begin(), tous.end()));
  EXPECT_EQ(std::count(tous.begin(), tous.end(), "f"), 1);
  EXPECT_EQ(std::count(tous.begin(), tous.end(), "pgcd"), 1);
  e().CBcategorie->setCurrentIndex(e().CBcategorie->findText(QStringLiteral("Arithm\u00e9tique")));
  const Textes arithmetique = lignes(e().LBfonction);
  EXPECT_EQ(std::count(arithmetique.begin(), arithmetique.end(), "pgcd"), 1);
  EXPECT_EQ(std::count(arithmetique.begin(), arithmetique.end(), "f"), 0);
}

TEST_F(EditeurFormule, OkWaitsForACorrectFormulaAndCancelGivesTheTextBack) {
  bool ouvert_apres_ok = false;
  jouer([&](const std::string&) {
    e().Edit1->setText(QStringLiteral("x+"));
    e().BokClick();
    ouvert_apres_ok = !e().ferme_par_ok && e().result() != QDialog::Accepted;
    e().BannulerClick();
  });
  EXPECT_EQ(e().editer_formule("pgcd(1;2)", 0), "pgcd(1;2)");
  EXPECT_TRUE(ouvert_apres_ok);
  ASSERT_GE(messages_->journal.size(), 2u);
  EXPECT_EQ(messages_->journal[1].texte, "Doublon d'op\xE9rateur: l'op\xE9rateur + est suivi d'un autre op\xE9rateur.");

  jouer([&](const std::string&) {
    EXPECT_EQ(champs(), (Textes{"1", "2"}));  // the call of the text given
    e().Edition[1]->setText(QStringLiteral("3"));
    QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(e().Edition[0], &entree);  // to the next field
    EXPECT_FALSE(e().ferme_par_ok);
    QApplication::sendEvent(e().Edition[1], &entree);  // the last one runs OK
  });
  EXPECT_EQ(e().editer_formule("pgcd(1;2)", 0), "pgcd(1;3)");
  EXPECT_TRUE(e().ferme_par_ok);

  // A division by zero is well written: its error value is the calculator's
  // business.
  messages_->journal.clear();
  f().montrer_page(f().TabSheet2);
  f().Edit1->clear();
  jouer([&](const std::string&) {
    montrer();
    taper_formule("1/0");
    QTest::mouseClick(e().Bok, Qt::LeftButton);
  });
  f().Aediteur_fonctionExecute();
  EXPECT_TRUE(e().ferme_par_ok);
  EXPECT_EQ(vers_1252(f().Edit1->text()), "1/0");
  ASSERT_EQ(messages_->journal.size(), 1u);
  EXPECT_EQ(messages_->journal[0].texte, "TFauto_pilote");
}

TEST_F(EditeurFormule, Captures) {
  fs::create_directories(PRALINORE_CAPTURES);
  for (const int langue : {0, 1}) {
    choisir_langue(langue);
    ouvrir(0);
    e().resize(680, 460);
    e().show();
    // pgcd is "gcd" in English.
    const std::string nom = fonctions_usuelles->nom[static_cast<std::size_t>(ligne_pgcd)];
    cliquer(nom + "(12;18)", static_cast<int>(nom.size()) + 2);
    QApplication::processEvents();
    EXPECT_EQ(champs(), (Textes{"12", "18"}));
    const std::string fichier =
        std::string(PRALINORE_CAPTURES) + "/editeur_formule_pgcd" + (langue ? "_en" : "_fr") + ".png";
    EXPECT_TRUE(e().grab().save(QString::fromStdString(fichier)));
    e().hide();
  }
  choisir_langue(0);
}

}  // namespace
