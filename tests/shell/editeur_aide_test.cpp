// The hint-page editor on a whole program: pages read from and written to
// temporary copies of the help files, the memo and the preview kept in step,
// the tag buttons and symbol items, with the scripted messenger.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "editeur_de_test.h"
#include "shell/textes_shell.h"
#include "localisation/catalogue.h"
#include "platform/image_hote.h"
#include "shell/pages_aide.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* numero_invalide = "numero invalide";

using essai::EditeurAide;

TEST_F(EditeurAide, ShowingThePageListsTheKeysOfTheSevenFilesInOrder) {
  ecrire_aide(2, "[Exercices]\n2299=b\n[Autre]\n9999=x\n");
  ecrire_aide(5, "[Exercices]\n1511=c\n1512=d\n");
  ecrire_aide(7, "; pages\n[Exercices]\n1711=e\n");
  std::vector<std::string> attendues;
  for (int n = 1; n <= 7; ++n) {
    for (const std::string& cle : ini_aide[static_cast<std::size_t>(n)]->cles_section("Exercices")) {
      attendues.push_back(cle);
    }
  }
  f().CBnumero->addItem(QStringLiteral("ancienne"));
  montrer_editeur();
  std::vector<std::string> listees;
  for (int i = 0; i < f().CBnumero->count(); ++i) listees.push_back(vers_1252(f().CBnumero->itemText(i)));
  EXPECT_EQ(listees, attendues);
  EXPECT_EQ(vers_1252(f().Msection->toPlainText()), "1711");  // the last file's keys
}

// The list is filled again each time the page shows; the key stays the one
// of the page in the memo, so that saving never writes it under another.
TEST_F(EditeurAide, ShowingThePageAgainKeepsTheKeyOfTheMemo) {
  ecrire_aide(1, "[Exercices]\n1111=premiere\n");
  montrer_editeur();
  EXPECT_EQ(f().CBnumero->currentText(), QString());
  memo_texte("nouvelle");
  f().BenregistrerClick();
  EXPECT_EQ(messages(), std::vector<std::string>{numero_invalide});
  choisir_cle("1311");
  memo_texte("changee");
  f().montrer_page(f().TabSheet1);
  montrer_editeur();
  EXPECT_EQ(vers_1252(f().CBnumero->currentText()), "1311");
  f().BenregistrerClick();
  EXPECT_EQ(ini_aide[1]->lire_texte("Exercices", "1111"), "premiere");
  EXPECT_EQ(ini_aide[3]->lire_texte("Exercices", "1311"), "changee");
}

TEST_F(EditeurAide, AKeyReadsAndWritesTheFileOfItsSecondCharacter) {
  const auto avant = octets_aide();
  const std::string page_1311 = ini_aide[3]->lire_texte("Exercices", "1311");
  ASSERT_FALSE(page_1311.empty());
  choisir_cle("1311");
  EXPECT_EQ(texte_memo(), memo_de_page(page_1311));
  choisir_cle("1399");
  EXPECT_EQ(texte_memo(), "vide");

  // Saving replaces that key's line of Aide3.ini and nothing else.
  memo_texte("x\ny");
  enregistrer("1311");
  auto attendu = avant;
  const std::string ligne = "1311=" + page_1311 + "\r\n";
  ASSERT_NE(attendu[3].find(ligne), std::string::npos);
  attendu[3].replace(attendu[3].find(ligne), ligne.size(), "1311=x\xA8y\r\n");
  EXPECT_EQ(octets_aide(), attendu);
  EXPECT_TRUE(messages().empty());
  std::string cles;
  for (const std::string& cle : ini_aide[3]->cles_section("Exercices")) cles += (cles.empty() ? "" : "\n") + cle;
  EXPECT_EQ(vers_1252(f().Msection->toPlainText()), cles);
}

TEST_F(EditeurAide, ASavedKeyJoinsTheListOnceAndTheSectionIsShown) {
  ecrire_aide(4, "[Exercices]\n1411=a\n");
  montrer_editeur();
  const int avant = f().CBnumero->count();
  memo_texte("nouvelle");
  enregistrer("1412");
  enregistrer("1412");
  EXPECT_EQ(f().CBnumero->count(), avant + 1);
  EXPECT_EQ(f().CBnumero->findText(QStringLiteral("1412")), avant);
  EXPECT_EQ(vers_1252(f().Msection->toPlainText()), "1411\n1412");
  EXPECT_EQ(lire_octets(fichier(4)), "[Exercices]\r\n1411=a\r\n1412=nouvelle\r\n");
  enregistrer("1411");  // already listed
  EXPECT_EQ(f().CBnumero->count(), avant + 1);
}

TEST_F(EditeurAide, KeysNamingNoPageAreRefusedOnSaveAndIgnoredOnLoad) {
  const auto avant = octets_aide();
  memo_texte("garde");
  for (const char* cle : {"1x11", "18", "10", "", "1", "[3", "13=4", "13;4", " 13"}) {
    choisir_cle(cle);
    EXPECT_EQ(texte_memo(), "garde") << cle;
    enregistrer(cle);
    EXPECT_EQ(messages(), std::vector<std::string>{numero_invalide}) << cle;
  }
  EXPECT_EQ(octets_aide(), avant);
  EXPECT_EQ(f().CBnumero->count(), 0);
}

TEST_F(EditeurAide, AFailedWriteSaysSoAndKeepsTheMemoAndTheFile) {
  const auto avant = octets_aide();
  fs::permissions(fichier(3), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  memo_texte("a\nb");
  enregistrer("1311");
  EXPECT_EQ(messages(), std::vector<std::string>{catalogue_textes.txt_page_non_enregistree});
  EXPECT_EQ(texte_memo(), "a\nb");
  EXPECT_EQ(octets_aide(), avant);
  EXPECT_EQ(catalogue_textes.txt_page_non_enregistree, "La page n'a pas pu \xEAtre enregistr\xE9" "e.");
}

TEST_F(EditeurAide, CharactersTheHelpFileCannotHoldAreRefusedOnSave) {
  const auto avant = octets_aide();
  const QString page = QStringLiteral("x \u2264 y \U0001D465");
  f().MCodeSource->setPlainText(page);
  enregistrer("1311");
  EXPECT_EQ(messages(), std::vector<std::string>{texte_shell("caracteres_hors_page")});
  EXPECT_EQ(f().MCodeSource->toPlainText(), page);
  EXPECT_EQ(octets_aide(), avant);
}

TEST_F(EditeurAide, PagesKeepTheirLineBreaksByteForByte) {
  const std::string page = "a\xA8" "b<BR>c\xA8\xA8{x\xA0y}\xE9";
  ecrire_aide(6, "[Exercices]\n1611=" + page + "\n");
  const std::string fichier_avant = lire_octets(fichier(6));
  choisir_cle("1611");
  EXPECT_EQ(lignes_memo(), (std::vector<std::string>{"a", "b<BR>c", "", "{x\xA0y}\xE9"}));
  EXPECT_EQ(f().page_editeur(), page);
  enregistrer("1611");
  EXPECT_EQ(lire_octets(fichier(6)), fichier_avant);

  // The preview breaks its lines there, as the hint view does.
  f().BAfficherClick();
  EXPECT_EQ(apercu().source, page);
  EXPECT_EQ(apercu().lignes.size(), 5u);  // the tag breaks too
}

TEST_F(EditeurAide, TagButtonsWrapThePreviewSelectionAndTheMemoTakesTheSource) {
  messages_->couleurs.push_back(0x0000FF);
  f().Panel10DblClick();
  EXPECT_EQ(f().couleur_texte_editeur(), 0x0000FF);
  EXPECT_EQ(messages_->journal.back().genre, "couleur");
  messages_->couleurs.push_back(std::nullopt);  // cancelled: the colour stays
  f().Panel10DblClick();
  EXPECT_EQ(f().couleur_texte_editeur(), 0x0000FF);

  const struct {
    const char* bouton;
    std::string page, attendue;
    int debut, fin;
  } cas[] = {
      {"ToolButton2", "mot", "<P ALIGN=CENTER>mot</P>", 0, 3},
      {"ToolButton2", "<P ALIGN=LEFT>mot</P>", "<P ALIGN=CENTER>mot</P>", 0, 21},
      {"ToolButton1", "le mot\nici", "le <P ALIGN=LEFT>mot</P>\nici", 3, 6},
      {"ToolButton3", "mot", "<P ALIGN=RIGHT>mot</P>", 0, 3},
      {"ToolButton4", "un <U>mot</U>", "un <U><U>mot</U></U>", 6, 9},
      {"ToolButton4", "un <U>mot</U>", "un <U>mot</U>", 3, 13},
      {"Lcouleur_texte", "mot", "<FONT COLOR=red>mot</FONT>", 0, 3},
      {"Lcouleur_texte", "<FONT COLOR=blue>mot</FONT>", "<FONT COLOR=red>mot</FONT>", 0, 27},
      {"TBentree", "mot", "<BR>mot", 0, 3},
      {"TBentree", "mot", "m<BR>ot", 1, 1},
  };
  for (const auto& c : cas) {
    afficher(c.page);
    selectionner_memo(c.debut, c.fin);
    QObject* sender = f().TabSheet4->findChild<QObject*>(QLatin1String(c.bouton));
    ASSERT_NE(sender, nullptr);
    f().ToolButton1Click(sender);
    EXPECT_EQ(texte_memo(), c.attendue) << c.bouton << " " << c.page;
    EXPECT_EQ(apercu().source, page_de_memo(c.attendue));
    const int taille = static_cast<int>(c.attendue.size());
    EXPECT_EQ(memo().textCursor().position(), std::min(c.fin, taille)) << "caret put back";
  }
  // The real buttons give themselves as the sender.
  afficher("mot");
  selectionner_memo(0, 3);
  bouton("ToolButton4")->click();
  EXPECT_EQ(texte_memo(), "<U>mot</U>");
  memo().undo();  // the tag is one edit of the memo
  EXPECT_EQ(texte_memo(), "mot");
  // The caption "A" and the swatch are no buttons: their mouse events count.
  const auto souris = [](QWidget* cible, QEvent::Type type) {
    QMouseEvent evenement(type, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cible, &evenement);
  };
  messages_->couleurs.push_back(0x008000);
  souris(f().Panel10, QEvent::MouseButtonDblClick);
  afficher("mot");
  selectionner_memo(0, 3);
  souris(f().TabSheet4->findChild<QWidget*>(QStringLiteral("Lcouleur_texte")), QEvent::MouseButtonRelease);
  EXPECT_EQ(texte_memo(), "<FONT COLOR=green>mot</FONT>");
  // Nothing selected in the preview: nothing happens.
  afficher("mot");
  f().ToolButton1Click(bouton("ToolButton2"));
  EXPECT_EQ(texte_memo(), "mot");
}

TEST_F(EditeurAide, EnterWithAPreviewCaretInsertsABreakTag) {
  afficher("ab");
  selectionner_memo(1, 1);
  touche(QEvent::KeyPress, Qt::Key_Return);
  EXPECT_EQ(texte_memo(), "a<BR>b");
  // No caret in the preview (it was drawn again): the memo breaks its line.
  f().BAfficherClick();
  touche(QEvent::KeyPress, Qt::Key_Return);
  EXPECT_EQ(lignes_memo().size(), 2u);
  EXPECT_EQ(f().page_editeur().find('\xA8'), 1u);
}

TEST_F(EditeurAide, DeleteRemovesThePreviewSelection) {
  afficher("ab<B>cd</B>ef");
  selectionner_memo(1, 4);
  touche(QEvent::KeyPress, Qt::Key_Delete);   // the memo deletes its own selection
  touche(QEvent::KeyRelease, Qt::Key_Delete);  // the preview's goes from its source
  EXPECT_EQ(texte_memo(), "a>cd</B>ef");
  EXPECT_EQ(apercu().source, "a>cd</B>ef");
  // Without a preview selection, Delete is the memo's own.
  afficher("abc");
  selectionner_memo(1, 1);
  touche(QEvent::KeyPress, Qt::Key_Delete);
  touche(QEvent::KeyRelease, Qt::Key_Delete);
  EXPECT_EQ(texte_memo(), "ac");
}

// With the live preview off, text typed after the preview was drawn is not
// in it: Enter, a tag button and Delete must not put the older page back.
TEST_F(EditeurAide, EditsThroughAnOutdatedPreviewKeepWhatWasTyped) {
  const struct {
    const char* cas;
    int debut, fin;  // the memo selection the preview follows
    std::function<void()> action;
    std::string attendu;
  } cas[] = {
      {"Enter", 5, 5, [&] { touche(QEvent::KeyPress, Qt::Key_Return); }, "XYZ \nabc def"},
      {"tag", 4, 7, [&] { bouton("ToolButton4")->click(); }, "XYZ abc def"},
      {"Delete", 4, 7,
       [&] {
         touche(QEvent::KeyPress, Qt::Key_Delete);
         touche(QEvent::KeyRelease, Qt::Key_Delete);
       },
       "XYZ bc def"},
  };
  f().CBAffichage_auto->setChecked(false);
  for (const auto& c : cas) {
    afficher("abc def");
    selectionner_memo(c.debut, c.fin);
    QTextCursor debut = memo().textCursor();
    debut.setPosition(0);
    memo().setTextCursor(debut);
    memo().insertPlainText(QStringLiteral("XYZ "));
    c.action();
    EXPECT_EQ(texte_memo(), c.attendu) << c.cas;
  }
  // Another page loaded under the preview of the first.
  ecrire_aide(3, "[Exercices]\n1311=autre page\n");
  afficher("abc def");
  selectionner_memo(1, 1);
  choisir_cle("1311");
  touche(QEvent::KeyPress, Qt::Key_Return);
  EXPECT_EQ(f().page_editeur(), "\xA8" "autre page");
}

TEST_F(EditeurAide, APreviewSelectionSelectsTheMatchingMemoRange) {
  afficher("un\n<B>mot</B> ici");
  f().Image2->setFixedSize(400, 200);
  Tformule& page = apercu();
  // From "m" to "t" of the second line, dragged right to left.
  const Tposition m = page.position_cellule(6);
  const Tposition t = page.position_cellule(8);
  ASSERT_EQ(m.ligne, 1);
  const Tcellule& cm = page.lignes[1]->cellules[static_cast<std::size_t>(m.cellule)];
  const Tcellule& ct = page.lignes[1]->cellules[static_cast<std::size_t>(t.cellule)];
  const int y = (page.lignes[1]->haut + page.lignes[1]->bas) / 2;
  f().Image2->souris_appuyee(BoutonSouris::gauche, etat_gauche, (ct.gauche + ct.droite) / 2, y);
  f().Image2->souris_deplacee(etat_gauche, (cm.gauche + cm.droite) / 2, y);
  f().Image2->souris_relachee(BoutonSouris::gauche, 0, (cm.gauche + cm.droite) / 2, y);
  const QTextCursor c = memo().textCursor();
  EXPECT_EQ(c.selectionStart(), 6);
  EXPECT_EQ(c.selectionEnd(), 9);
  EXPECT_EQ(vers_1252(c.selectedText()), "mot");
  // And back: a click on the memo makes the preview select its selection.
  QTextCursor deux = memo().textCursor();
  deux.setPosition(0);
  deux.setPosition(2, QTextCursor::KeepAnchor);
  memo().setTextCursor(deux);
  QMouseEvent relache(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(memo().viewport(), &relache);
  EXPECT_EQ(apercu().source_selectionnee, "un");
}

TEST_F(EditeurAide, SymbolItemsInsertTheirEscapeWithBracesOutsideAFormula) {
  const auto element = [&](const char* nom) { return f().Insertion1->findChild<QAction*>(QLatin1String(nom)); };
  memo_texte("{x");
  selectionner_memo(2, 2);
  element("pi1")->trigger();
  EXPECT_EQ(texte_memo(), "{x\\p");
  memo_texte("");
  element("pi1")->trigger();
  EXPECT_EQ(texte_memo(), "{\\p}");
  memo_texte("{a}");
  selectionner_memo(3, 3);
  element("infini1")->trigger();
  EXPECT_EQ(texte_memo(), "{a}{\\\xA5}");
  EXPECT_EQ(memo().textCursor().position(), 7);
  memo_texte("a\n{b c");
  selectionner_memo(3, 5);  // "b " replaced
  element("suprieurougal1")->trigger();
  EXPECT_EQ(f().page_editeur(), "a\xA8{\\\xB3" "c");
  int relies = 0;
  for (const auto& s : symboles_editeur) relies += element(s.element) != nullptr;
  EXPECT_EQ(relies, 9);
}

// The editor page as a teacher sees it: a hint page in the memo, its
// preview with a word selected from the memo, the keys of the last file.
TEST_F(EditeurAide, CaptureOfThePageThePreviewAndASelection) {
  ecrire_aide(3, "[Exercices]\n1311=<P ALIGN=CENTER><B>Produit de deux relatifs</B></P>\xA8On multiplie les "
                 "<FONT COLOR=red>distances</FONT> \xE0 z\xE9ro.\xA8<U>R\xE8gle des signes</U> : "
                 "{(-a)*(-b)=a*b}\xA8" "Exemple : {(-4)*6=-24}\n");
  f().resize(1100, 700);
  montrer_editeur();
  f().CBAffichage_auto->setChecked(true);
  choisir_cle("1311");
  EXPECT_EQ(lignes_memo().size(), 4u);
  const int debut = static_cast<int>(memo().toPlainText().indexOf(QStringLiteral("distances")));
  ASSERT_GE(debut, 0);
  selectionner_memo(debut, debut + 9);
  EXPECT_EQ(apercu().source_selectionnee, "distances");
  QApplication::processEvents();
  fs::create_directories(PRALINORE_CAPTURES);
  EXPECT_TRUE(f().grab().save(QStringLiteral(PRALINORE_CAPTURES "/editeur.png")));
}

}  // namespace
