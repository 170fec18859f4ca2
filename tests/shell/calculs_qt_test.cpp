// The Calculs page at work: keys, command buttons, history, definitions,
// function menus and the input helpers.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <filesystem>
#include <vector>

#include "components/controles/dxButtons.h"
#include "components/controles/dxContainer.h"
#include "engine/evaluateur.h"
#include "engine/syntaxe.h"
#include "exercises/presentation.h"
#include "formula/formule.h"
#include "platform/image_hote.h"
#include "programme_de_test.h"
#include "shell/auto_pilote_fonction.h"
#include "shell/nouvel_objet.h"
#include "shell/options_graphiques.h"
#include "shell/textes_shell.h"
#include "shell/version.h"

namespace {

class Calculs : public essai::Programme {
 protected:
  void SetUp() override {
    Programme::SetUp();
    if (HasFatalFailure()) return;
    parametres("[generales]\nmasquer_configuration=1\npage_demarrage=2\n" + options_);
    ASSERT_TRUE(demarrer());
  }

  void saisir(const std::string& texte) { f().Edit1->setText(depuis_1252(texte)); }
  std::string saisie() { return vers_1252(f().Edit1->text()); }
  const std::vector<std::string>& historique() { return f().ListBox1.lignes(); }
  void entree() {
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(f().Edit1, &appui);
  }
  // What the evaluator gives for a checked text.
  static std::string resultat(std::string texte) {
    std::string message;
    verifier_syntaxe(texte, message);
    return calculer(texte);
  }

  std::string options_;
};

TEST_F(Calculs, EnterReducesTheInputAndTheHistoryShowsWhatWasTyped) {
  saisir("x+x");
  entree();
  const std::string r = resultat("reduire(x+x)");
  EXPECT_EQ(r, "2*x");
  EXPECT_EQ(historique(), (std::vector<std::string>{"x+x", "=" + r}));
  EXPECT_EQ(saisie(), r);
  EXPECT_EQ(f().Edit1->cursorPosition(), f().Edit1->text().size());
  EXPECT_EQ(derniere_saisie, "x+x");
  EXPECT_NE(contenu_parametres().find("En_calcul=x+x\r\n"), std::string::npos);
  ASSERT_NE(formule_de(Emplacement::historique), nullptr);
  EXPECT_EQ(formule_de(Emplacement::historique)->source, "{x+x}<BR>{=" + r + "}");
}

TEST_F(Calculs, CommandsWrapOnlyWhatIsNotAlreadyTheirCall) {
  saisir("factoriser(x^2-1)");
  f().BfactoriserClick();
  EXPECT_EQ(historique().at(0), "factoriser(x^2-1)");
  saisir("deriver(x^2;x)");
  f().BderiverClick();
  std::string attendu = "deriver(deriver(x^2;x))";
  std::string message;
  verifier_syntaxe(attendu, message);  // the check completes the omitted variable
  EXPECT_EQ(historique().at(2), attendu);
}

TEST_F(Calculs, TheHistoryKeepsSixCalculations) {
  for (int i = 1; i <= 7; ++i) {
    saisir(std::to_string(i) + "*y");
    f().BreduireClick(f().Breduire);
    EXPECT_LE(historique().size(), 12u);
  }
  ASSERT_EQ(historique().size(), 12u);
  EXPECT_EQ(historique().front(), "2*y");
  EXPECT_EQ(historique().at(10), "7*y");
}

TEST_F(Calculs, ASyntaxErrorPutsTheInputBackAndAddsNothing) {
  saisir("x+");
  f().BreduireClick(f().Breduire);
  ASSERT_EQ(messages_->journal.size(), 1u);
  EXPECT_EQ(messages_->journal[0].texte,
            "Doublon d'op\xE9rateur: l'op\xE9rateur + est suivi d'un autre op\xE9rateur.");
  EXPECT_EQ(saisie(), "x+");
  EXPECT_EQ(historique().size(), 0u);
}

TEST_F(Calculs, AnErrorValueIsShownButNotKeptAsInput) {
  saisir("1/0");
  f().BnumeriserClick();
  ASSERT_EQ(historique().size(), 2u);
  EXPECT_TRUE(historique().at(1).starts_with("=erreur(")) << historique().at(1);
  EXPECT_EQ(saisie(), "");
}

// The implicit products (on by default) meet the quotient by zero first:
// their error value is the result, not a text to check. A non-zero
// numerator is never reduced into another quotient by zero ("1/0").
TEST_F(Calculs, AnErrorValueOfTheImplicitProductsIsTheResult) {
  ASSERT_TRUE(Foptions_graphiques->CBmultiplier->isChecked());
  const std::string erreur = "erreur(Division par z\xE9ro)";
  for (const std::string quotient : {"0/0", "2/0"}) {
    f().Effacertout1Click();
    saisir(quotient);
    entree();
    EXPECT_TRUE(messages_->journal.empty()) << quotient;
    EXPECT_EQ(historique(), (std::vector<std::string>{quotient, "=" + erreur}));
    EXPECT_EQ(formule_de(Emplacement::historique)->source, "{" + quotient + "}<BR>{=" + erreur + "}");
    EXPECT_EQ(saisie(), "");
  }
}

TEST_F(Calculs, EmptyInputOpensTheEditorForCommandsThatNeedAnArgument) {
  std::string dans_l_editeur;
  messages_->modale = [&](const std::string& nom) {
    if (nom == "TFauto_pilote") dans_l_editeur = vers_1252(Fauto_pilote->Edit1->text());
    return fenetre_annulee;
  };
  f().BderiverClick();
  EXPECT_EQ(dans_l_editeur, "deriver()");
  EXPECT_EQ(saisie(), "deriver()");  // cancelled: the editor gives its text back
  EXPECT_EQ(historique().size(), 0u);
  messages_->journal.clear();
  saisir("");
  f().BreduireClick(f().Breduire);
  f().BnumeriserClick();
  EXPECT_TRUE(messages_->journal.empty());
  EXPECT_EQ(historique().size(), 0u);
}

TEST_F(Calculs, TheEditorClosedWithOkCalculates) {
  messages_->modale = [&](const std::string&) {
    Fauto_pilote->Edit1->setText(QStringLiteral("integrer(x;x)"));
    Fauto_pilote->BokClick();
    return 1;
  };
  f().BintegraleClick();
  ASSERT_EQ(historique().size(), 2u);
  EXPECT_EQ(historique().at(0), "integrer(x;x)");
}

TEST_F(Calculs, DefinitionsGoThroughTheNewObjectDialog) {
  saisir("2:=3");
  f().BreduireClick(f().Breduire);
  ASSERT_EQ(messages_->journal.size(), 1u);
  EXPECT_EQ(messages_->journal[0].texte, "Impossible d'ajouter l'objet.");
  // A refused definition: the input stays for the user and no success is told.
  saisir("SIN(X):=X^2");
  f().BreduireClick(f().Breduire);
  EXPECT_EQ(Fnouvel_objet->Tnom->text(), "sin");
  EXPECT_EQ(Fnouvel_objet->Texpression->text(), "x^2");
  EXPECT_EQ(Fnouvel_objet->Tvariable->text(), "x");
  EXPECT_EQ(saisie(), "sin(x):=x^2");
  EXPECT_EQ(formule_de(Emplacement::apercu)->source, "{sin(x):=x^2}");
  ASSERT_EQ(messages_->journal.size(), 2u);
  // Stored ones empty the input and the dialog's fields and say so.
  saisir("F(X):=X^2");
  f().BreduireClick(f().Breduire);
  EXPECT_EQ(Fnouvel_objet->Tnom->text(), "");
  EXPECT_EQ(saisie(), "");
  EXPECT_EQ(formule_de(Emplacement::apercu)->source, "{" + texte_shell("fonction_ajoutee") + "}");
  saisir("a:=3");
  f().BreduireClick(f().Breduire);
  EXPECT_EQ(Fnouvel_objet->Tnom_constante->text(), "");
  EXPECT_EQ(Fnouvel_objet->Tnom_valeur->text(), "");
  EXPECT_EQ(saisie(), "");
  EXPECT_EQ(messages_->journal.size(), 2u);
  EXPECT_EQ(historique().size(), 0u);
}

TEST_F(Calculs, FunctionMenusAreSortedAndWrapTheInput) {
  const auto noms = [](const QMenu* menu, int premier) {
    std::vector<std::string> v;
    const QList<QAction*> elements = menu->actions();
    for (qsizetype i = premier; i < elements.size(); ++i) v.push_back(vers_1252(elements.at(i)->text()));
    return v;
  };
  const auto menu = noms(f().Menu_Fonction, 4);
  EXPECT_EQ(menu, noms(f().Fonction1, 0));
  EXPECT_TRUE(std::is_sorted(menu.begin(), menu.end()));
  EXPECT_EQ(std::count(menu.begin(), menu.end(), "cos"), 0);
  EXPECT_EQ(std::count(menu.begin(), menu.end(), "abs"), 0);
  EXPECT_TRUE(f().Menu_Fonction->actions().at(3)->isSeparator());
  f().reconstruire_menu_fonctions();  // rebuilt, not added to
  EXPECT_EQ(noms(f().Menu_Fonction, 4), menu);

  saisir("5");
  const auto it = std::find(menu.begin(), menu.end(), "fact");
  ASSERT_NE(it, menu.end());
  f().Menu_Fonction->actions().at(4 + (it - menu.begin()))->trigger();
  EXPECT_EQ(derniere_saisie, "fact(5)");
  EXPECT_EQ(historique(), (std::vector<std::string>{"fact(5)", "=120"}));
}

TEST_F(Calculs, SelectingAHistoryLineGivesItBackWithoutBracesAndEquals) {
  f().ListBox1.ajouter("x+x", "2*x");
  f().ListBox1.ajouter("1/0", "erreur(Division par z\xE9ro)");
  afficher_historique(f().ListBox1.texte_page());
  Tformule& page = *formule_de(Emplacement::historique);
  ASSERT_EQ(page.lignes.size(), 4u);
  const auto cliquer_ligne = [&](std::size_t l) {
    const int y = (page.lignes[l]->haut + page.lignes[l]->bas) / 2;
    f().Image3->souris_appuyee(BoutonSouris::gauche, etat_gauche, 5, y);
    f().Image3->souris_relachee(BoutonSouris::gauche, 0, 5, y);
  };
  cliquer_ligne(1);
  EXPECT_EQ(saisie(), "2*x");
  cliquer_ligne(0);
  EXPECT_EQ(saisie(), "x+x");
  cliquer_ligne(3);
  EXPECT_EQ(saisie(), "");
  f().Edit1Click();
  EXPECT_EQ(page.ligne_selectionnee, -1);
  EXPECT_TRUE(page.source_selectionnee.empty());
}

TEST_F(Calculs, ClearingEmptiesTheHistoryAndShrinksBothPages) {
  saisir("x+x");
  entree();
  f().Effacertout1Click();
  EXPECT_EQ(historique().size(), 0u);
  EXPECT_EQ(saisie(), "");
  EXPECT_TRUE(texte_exercice.empty());
  for (const ImageHote* image : {f().Image3, f().Image5}) {
    EXPECT_EQ(image->largeur(), 10);
    EXPECT_EQ(image->hauteur(), 10);
  }
  EXPECT_TRUE(formule_de(Emplacement::historique)->source.empty());
}

TEST_F(Calculs, CopyAllEndsWithTheProductLine) {
  f().ListBox1.ajouter("x+x", "2*x");
  f().toutcopier1Click();
  EXPECT_EQ(vers_1252(QApplication::clipboard()->text()), "x+x\r\n=2*x\r\nPralinore v" + version_programme());
}

TEST_F(Calculs, InputHelpersWorkOnTheLastEditBox) {
  saisir("2");
  f().Edit1->setCursorPosition(1);
  f().BiClick();
  EXPECT_EQ(saisie(), "2\xEE");
  EXPECT_EQ(f().Edit1->cursorPosition(), 2);
  f().TBpuissanceClick();
  EXPECT_EQ(saisie(), "2\xEE^()");
  EXPECT_EQ(f().Edit1->cursorPosition(), 4);  // inside the brackets
  f().Edit1->setSelection(0, 1);
  f().TBracineClick();
  EXPECT_EQ(saisie(), "sqrt()\xEE^()");
  EXPECT_EQ(f().Edit1->cursorPosition(), 5);
}

TEST_F(Calculs, ThePreviewFollowsTheInput) {
  saisir("x^2");
  ASSERT_NE(formule_de(Emplacement::apercu), nullptr);
  EXPECT_EQ(formule_de(Emplacement::apercu)->source, "{x^2}");
  EXPECT_FALSE(f().Image5->bitmap().isNull());
  saisir("");
  EXPECT_EQ(formule_de(Emplacement::apercu), nullptr);
  EXPECT_TRUE(f().Image5->bitmap().isNull());
}

TEST_F(Calculs, TheFormulaEditorNeedsAnEditBoxOffTheCalculPage) {
  f().TBaccueilClick();
  f().Aediteur_fonctionExecute();
  ASSERT_EQ(messages_->journal.size(), 1u);
  EXPECT_EQ(messages_->journal[0].texte,
            "Vous devez vous placer dans une zone de texte pour utiliser l'editeur de fonction.");
  f().TBcalculsClick();
  messages_->journal.clear();
  saisir("x");
  f().Aediteur_fonctionExecute();
  ASSERT_EQ(messages_->journal.size(), 1u);
  EXPECT_EQ(messages_->journal[0].genre, "modale");
  EXPECT_EQ(messages_->journal[0].texte, "TFauto_pilote");
}

// At the window's smallest size the command bar wraps: every control at its
// full width, inside the page, none over another.
TEST_F(Calculs, EveryCommandCaptionIsWholeInTheSmallestWindow) {
  f().TBcalculsClick();
  f().showNormal();
  f().resize(f().minimumSize());
  for (int niveau = 0; niveau < 4; ++niveau) QCoreApplication::processEvents();
  ASSERT_EQ(f().size(), QSize(500, 470));
  const auto* barre = f().TabSheet2->findChild<QWidget*>(QStringLiteral("ToolBar_calculs"));
  ASSERT_NE(barre, nullptr);
  // The page's flat container holds the bar, the commands are flat buttons.
  EXPECT_NE(qobject_cast<const TdxContainer*>(barre->parentWidget()), nullptr);
  EXPECT_NE(qobject_cast<TdxButton*>(f().Breduire), nullptr);
  EXPECT_LE(barre->geometry().right(), f().TabSheet2->width());
  std::vector<QRect> places;
  for (const QAbstractButton* b : barre->findChildren<QAbstractButton*>()) {
    if (b->isHidden()) continue;
    const QString nom = b->objectName();
    EXPECT_GE(b->width(), b->sizeHint().width()) << nom.toStdString();
    EXPECT_TRUE(barre->rect().contains(b->geometry())) << nom.toStdString();
    for (const QRect& autre : places) EXPECT_FALSE(autre.intersects(b->geometry())) << nom.toStdString();
    places.push_back(b->geometry());
  }
  EXPECT_GE(places.size(), 14u);
  std::filesystem::create_directories(PRALINORE_CAPTURES);
  EXPECT_TRUE(f().grab().save(QString::fromStdString(std::string(PRALINORE_CAPTURES) + "/calcul_500x470.png")));
}

class CalculsReduits : public Calculs {
 public:
  CalculsReduits() { options_ = "[outils]\nauto_reduction=1\n"; }
};

TEST_F(CalculsReduits, EveryResultIsReducedAndTheHistoryShowsTheCommand) {
  saisir("x*(x+1)");
  f().BdevelopperClick();
  EXPECT_EQ(historique(), (std::vector<std::string>{"developper(x*(x+1))", "=x+x^2"}));
}

}  // namespace
