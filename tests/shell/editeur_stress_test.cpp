// Ten thousand random editor actions on random pages, from a fixed seed:
// typing (mark-up breaks and line breaks among the characters), memo and
// preview selections, tag buttons, symbols, Delete, Enter, saving and
// reloading. Nothing may crash, every saved page is the memo's text with its
// line breaks as mark-up breaks, and every page reads back as last saved.
#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "editeur_de_test.h"
#include "platform/image_hote.h"
#include "shell/pages_aide.h"

namespace {

using essai::EditeurAide;

constexpr unsigned graine = 20261207;
constexpr int nombre_actions = 10000;
// Longer memos get cut back, so the pages stay the size teachers write.
constexpr int taille_maximale = 400;
constexpr int longueur_page_aleatoire = 300;

// What a typist puts in a page: text, mark-up, formulas, accents, the
// mark-up break and ini-significant characters.
const std::string alphabet = std::string("ab xyz{}\\<>/BRUIP=;,0123456789") + "\xA8\xE9\xE0\xB3";

const std::vector<std::string> boutons = {"ToolButton1", "ToolButton2", "ToolButton3",
                                          "ToolButton4", "TBentree",    "Lcouleur_texte"};
// Keys of the seven files, and one naming none.
const std::vector<std::string> cles = {"1191", "1291", "1391", "1491", "1591", "1691", "1791", "1x91"};

std::string sans_blancs_autour(const std::string& texte) {
  const auto debut = texte.find_first_not_of(" \t");
  if (debut == std::string::npos) return {};
  return texte.substr(debut, texte.find_last_not_of(" \t") - debut + 1);
}

class EditeurAleatoire : public EditeurAide {
 protected:
  int au_hasard(int n) { return static_cast<int>(alea_() % static_cast<unsigned>(n)); }
  char caractere() { return alphabet[static_cast<std::size_t>(au_hasard(static_cast<int>(alphabet.size())))]; }
  int position() { return au_hasard(memo().document()->characterCount()); }

  void taper() {
    const QString texte = depuis_1252(std::string(1, caractere()));
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, texte);
    QApplication::sendEvent(&memo(), &appui);
    QKeyEvent relache(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, texte);
    QApplication::sendEvent(&memo(), &relache);
  }
  void appuyer(int code) {
    touche(QEvent::KeyPress, code);
    touche(QEvent::KeyRelease, code);
  }
  void selection_memo() {
    const int a = position();
    selectionner_memo(a, au_hasard(3) == 0 ? a : position());
  }
  void glisser_apercu() {
    ImageHote& image = *f().Image2;
    const int largeur = std::max(1, image.largeur());
    const int hauteur = std::max(1, image.hauteur());
    image.souris_appuyee(BoutonSouris::gauche, etat_gauche, au_hasard(largeur), au_hasard(hauteur));
    image.souris_deplacee(etat_gauche, au_hasard(largeur), au_hasard(hauteur));
    image.souris_relachee(BoutonSouris::gauche, 0, au_hasard(largeur), au_hasard(hauteur));
  }
  void page_aleatoire() {
    std::string page;
    for (int i = au_hasard(longueur_page_aleatoire); i > 0; --i) page += caractere();
    memo_texte(memo_de_page(page));
  }
  void couper_si_long() {
    if (memo().document()->characterCount() <= taille_maximale) return;
    QTextCursor c = memo().textCursor();
    c.setPosition(0);
    c.setPosition(taille_maximale / 2, QTextCursor::KeepAnchor);
    c.removeSelectedText();
  }
  void enregistrer_au_hasard() {
    const std::string cle = cles[static_cast<std::size_t>(au_hasard(static_cast<int>(cles.size())))];
    const std::string page = page_de_lignes(lignes_memo());
    messages_->journal.clear();
    enregistrer(cle);
    if (!cle_page_valide(cle)) {
      ASSERT_EQ(messages(), std::vector<std::string>{"numero invalide"});
      return;
    }
    ASSERT_TRUE(messages().empty());
    // The ini file does not keep blanks around a value.
    ASSERT_EQ(ini_aide[static_cast<std::size_t>(numero_fichier_aide(cle))]->lire_texte("Exercices", cle),
              sans_blancs_autour(page));
    enregistrees_[cle] = sans_blancs_autour(page);
  }
  void recharger_au_hasard() {
    if (enregistrees_.empty()) return;
    auto it = enregistrees_.begin();
    std::advance(it, au_hasard(static_cast<int>(enregistrees_.size())));
    choisir_cle(it->first);
    ASSERT_EQ(f().page_editeur(), it->second);
  }

  std::mt19937 alea_{graine};
  std::map<std::string, std::string> enregistrees_;
};

TEST_F(EditeurAleatoire, TenThousandActionsLoseNothing) {
  QCheckBox& automatique = *f().CBAffichage_auto;
  const std::vector<std::function<void()>> actions = {
      [&] { taper(); },
      [&] { taper(); },
      [&] { taper(); },
      [&] { appuyer(Qt::Key_Return); },
      [&] { appuyer(Qt::Key_Delete); },
      [&] {
        selection_memo();
        appuyer(au_hasard(2) == 0 ? Qt::Key_Return : Qt::Key_Delete);
      },
      [&] { appuyer(Qt::Key_Backspace); },
      [&] { selection_memo(); },
      [&] { glisser_apercu(); },
      [&] {
        if (au_hasard(2) == 0) selection_memo();
        const auto& nom = boutons[static_cast<std::size_t>(au_hasard(static_cast<int>(boutons.size())))];
        f().ToolButton1Click(f().TabSheet4->findChild<QObject*>(QString::fromStdString(nom)));
      },
      [&] {
        const auto& s = symboles_editeur[static_cast<std::size_t>(au_hasard(std::size(symboles_editeur)))];
        f().Insertion1->findChild<QAction*>(QLatin1String(s.element))->trigger();
      },
      [&] { automatique.setChecked(!automatique.isChecked()); },
      [&] { f().BAfficherClick(); },
      [&] { enregistrer_au_hasard(); },
      [&] { recharger_au_hasard(); },
      [&] { page_aleatoire(); },
      [&] {
        messages_->couleurs.push_back(static_cast<std::int32_t>(alea_() & 0xFFFFFF));
        f().Panel10DblClick();
      },
  };
  f().Image2->setFixedSize(300, 300);
  for (int i = 0; i < nombre_actions; ++i) {
    actions[static_cast<std::size_t>(au_hasard(static_cast<int>(actions.size())))]();
    ASSERT_FALSE(HasFatalFailure()) << "action " << i;
    couper_si_long();
  }
  EXPECT_GT(enregistrees_.size(), 3u);
  for (const auto& [cle, page] : enregistrees_) {
    EXPECT_EQ(ini_aide[static_cast<std::size_t>(numero_fichier_aide(cle))]->lire_texte("Exercices", cle), page) << cle;
  }
}

}  // namespace
