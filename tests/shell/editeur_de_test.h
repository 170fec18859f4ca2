#pragma once
// The hint-page editor of a whole program started in the test process, with
// the help files copied to its temporary data folder: the memo and the
// preview as the user works them.

#include <QApplication>
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
#include "platform/ini/fichiers_aide.h"
#include "programme_de_test.h"

namespace essai {

class EditeurAide : public Programme {
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
  void ecrire_aide(int numero, const std::string& lignes) { ecrire_octets(fichier(numero), crlf(lignes)); }

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

}  // namespace essai
