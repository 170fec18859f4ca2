// The hint-page editor on a whole program: pages read from and written to
// temporary copies of the help files, the memo and the preview kept in step,
// the tag buttons and symbol items, with the scripted messenger.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <QToolButton>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "exercises/presentation.h"
#include "formula/formule.h"
#include "localisation/catalogue.h"
#include "platform/image_hote.h"
#include "platform/ini/fichiers_aide.h"
#include "programme_de_test.h"
#include "shell/pages_aide.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* numero_invalide = "numero invalide";

class EditeurAide : public essai::Programme {
 protected:
  void SetUp() override {
    Programme::SetUp();
    parametres("[generales]\nmasquer_configuration=1\n");
    ASSERT_TRUE(demarrer());
    messages_->journal.clear();
  }

  fs::path fichier(int numero) const { return ini_aide[static_cast<std::size_t>(numero)]->chemin(); }
  std::array<std::string, 8> octets_aide() const {
    std::array<std::string, 8> octets;
    for (int n = 1; n <= 7; ++n) octets[static_cast<std::size_t>(n)] = lire_octets(fichier(n));
    return octets;
  }
  // A help file's text, lines given ending with "\n" (written CR LF).
  void ecrire_aide(int numero, const std::string& lignes) { essai::ecrire_octets(fichier(numero), essai::crlf(lignes)); }

  // The editor page shown as the user opens it (its tab is visible in test mode).
  void montrer_editeur() {
    f().Classeur->setTabVisible(f().Classeur->indexOf(f().TabSheet4), true);
    f().show();
    f().montrer_page(f().TabSheet4);
    QApplication::processEvents();
  }

  QPlainTextEdit& memo() { return *f().MCodeSource; }
  std::string texte_memo() { return vers_1252(memo().toPlainText()); }
  std::vector<std::string> lignes_memo() {
    std::vector<std::string> lignes;
    for (QTextBlock b = memo().document()->begin(); b.isValid(); b = b.next()) lignes.push_back(vers_1252(b.text()));
    return lignes;
  }
  void choisir_cle(const std::string& cle) {
    f().CBnumero->setEditText(depuis_1252(cle));
    f().CBnumeroClick();
  }
  void enregistrer(const std::string& cle) {
    f().CBnumero->setEditText(depuis_1252(cle));
    f().BenregistrerClick();
  }
  void memo_texte(const std::string& texte) { memo().setPlainText(depuis_1252(texte)); }
  // Selects [debut, fin) of the memo and clicks it, so the preview follows.
  void selectionner_memo(int debut, int fin) {
    QTextCursor c = memo().textCursor();
    c.setPosition(debut);
    c.setPosition(fin, QTextCursor::KeepAnchor);
    memo().setTextCursor(c);
    f().MCodeSourceClick();
  }
  void afficher(const std::string& texte) {
    memo_texte(texte);
    f().BAfficherClick();
  }
  Tformule& apercu() { return *formule_de(Emplacement::editeur); }
  QToolButton* bouton(const char* nom) { return f().TabSheet4->findChild<QToolButton*>(QLatin1String(nom)); }
  void touche(QEvent::Type type, int code) {
    QKeyEvent evenement(type, code, Qt::NoModifier, code == Qt::Key_Return ? QStringLiteral("\r") : QString());
    QApplication::sendEvent(&memo(), &evenement);
  }
  std::vector<std::string> messages() {
    std::vector<std::string> textes;
    for (const auto& m : messages_->journal) textes.push_back(m.texte);
    messages_->journal.clear();
    return textes;
  }
};

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
  EXPECT_NE(std::find(listees.begin(), listees.end(), "2299"), listees.end());
  EXPECT_EQ(std::find(listees.begin(), listees.end(), "9999"), listees.end());
  EXPECT_EQ(vers_1252(f().Msection->toPlainText()), "1711");  // the last file's keys
}

}  // namespace
