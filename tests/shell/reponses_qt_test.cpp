// The exercise page's answer controls on a whole program: their layout for
// each kind of answer format, the echo of what is typed or chosen, Enter and
// Ctrl+G, the verdict's colours and the score bar. A fake generator answers
// for a known catalogue entry; a pupil account keeps the score in the
// temporary data folder. The two verdicts are saved as pictures for review
// by eye.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QToolButton>

#include <filesystem>
#include <string>
#include <vector>

#include "components/controles/JvSpecialProgress.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/comptes.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/presentation.h"
#include "exercises/verification.h"
#include "formula/formule.h"
#include "localisation/catalogue.h"
#include "platform/couleur_qt.h"
#include "platform/ini/fichier_ini.h"
#include "platform/texte_qt.h"
#include "programme_de_test.h"

namespace {

namespace fs = std::filesystem;

constexpr int code_essai = 1411;
constexpr const char* cle_essai = "1411";
const QSize taille_capture(800, 600);
constexpr int niveaux_de_disposition = 4;

// What the fake generator asks next.
struct Question {
  std::string enonce;
  std::string format;
  std::vector<std::string> reponses;
  std::string correction;
  bool ordonnees = true;
};
Question question;
int questions_posees = 0;

void generateur_essai(ContexteGenerateur& contexte) {
  ++questions_posees;
  contexte.presentateur.preparer_exercice();
  contexte.presentateur.definir_reponses_ordonnees(question.ordonnees);
  contexte.presentateur.poser_question(question.enonce, question.format, question.reponses, question.correction,
                                       true);
}

class ControlesReponse : public essai::Programme {
 protected:
  void SetUp() override {
    Programme::SetUp();
    parametres("[generales]\nmasquer_configuration=1\n");
    // The entry's hint page, so that its statements link to it.
    essai::ecrire_octets(dossier_ / "parametres" / "Fran\xC3\xA7" "ais" / "Aide4.ini",
                         essai::crlf("[Exercices]\n1411=Un indice\n"));
    questions_posees = 0;
    ASSERT_TRUE(demarrer());
    // The program registers its own generators as it starts: the fake one
    // takes the entry's place after them.
    enregistrer_generateur(cle_essai, generateur_essai);
    charger_exercices();
    essai::ecrire_octets(dossier_ / "parametres" / "eleve.cpt",
                         essai::crlf("[Utilisateur]\npassword=x\nclasse=3\n"));
    ASSERT_TRUE(ouvrir_compte("eleve"));
    exercices_selectionnes = {exercices.indice_du_code(code_essai)};
    f().TBexercicesClick();
  }

  void TearDown() override {
    fermer_session();
    Programme::TearDown();
    enregistrer_generateur(cle_essai, nullptr);
  }

  // Starts the fake entry with this question.
  void poser(const Question& q) {
    question = q;
    // Starting while a question waits only reminds the pupil: each question
    // starts as after a verdict.
    exercice_en_cours = false;
    f().AcommencerExecute();
    ASSERT_EQ(static_cast<int>(controles_reponse.size()), static_cast<int>(creneaux_reponse.size()));
  }

  QLineEdit* zone(std::size_t i) { return qobject_cast<QLineEdit*>(controles_reponse.at(i)); }
  QComboBox* liste(std::size_t i) { return qobject_cast<QComboBox*>(controles_reponse.at(i)); }
  std::string libelle(std::size_t i) { return vers_1252(qobject_cast<QLabel*>(libelles_reponse.at(i))->text()); }

  static void touche(QWidget* w, int cle, Qt::KeyboardModifiers modificateurs = Qt::NoModifier) {
    QKeyEvent appui(QEvent::KeyPress, cle, modificateurs);
    QApplication::sendEvent(w, &appui);
  }

  // What the exercise view shows.
  static std::string page() { return formule_de(Emplacement::exercice)->source; }

  static QColor fond(const QWidget* w) { return w->palette().color(QPalette::Base); }
  static QColor teinte(std::uint32_t couleur) { return couleur_qt(static_cast<std::int32_t>(couleur)); }

  void capturer(const char* nom) {
    f().resize(taille_capture);
    // Each layout asks its parent's in turn.
    for (int niveau = 0; niveau < niveaux_de_disposition; ++niveau) QCoreApplication::processEvents();
    fs::create_directories(PRALINORE_CAPTURES);
    EXPECT_TRUE(f().TabSheet1->grab().save(QString::fromStdString(std::string(PRALINORE_CAPTURES) + "/" + nom)));
  }

  int score(const char* cle) {
    return Tfichier_ini(fichier_compte).lire_entier("Utilisateur", cle, -1);
  }
};

TEST_F(ControlesReponse, EachSlotGetsItsControlAndCaptionInAColumn) {
  const std::string reponse = catalogue_textes.txt_reponse_2;
  struct Cas {
    std::string format;
    std::vector<bool> listes;
    std::vector<std::string> libelles;
  };
  const std::vector<Cas> cas{
      {"T", {false}, {reponse}},
      {"T[1.];T[2.]", {false, false}, {"1.", "2."}},
      {"C(croissante;d\xE9" "croissante)", {true}, {reponse}},
      {"C[1.](arithm\xE9tique;g\xE9om\xE9trique);T[2.];T[3.]", {true, false, false}, {"1.", "2.", "3."}},
  };
  std::vector<QPointer<QWidget>> anciens;
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.format);
    ASSERT_NO_FATAL_FAILURE(poser({"Combien ?", c.format, std::vector<std::string>(c.listes.size(), "1"), "1"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<QWidget>& ancien : anciens) EXPECT_TRUE(ancien.isNull());
    EXPECT_EQ(f().Pchamps_saisie->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 2 * c.listes.size());
    anciens.clear();
    int haut = 5;
    for (std::size_t i = 0; i < c.listes.size(); ++i) {
      QWidget* w = controles_reponse[i];
      anciens.emplace_back(w);
      anciens.emplace_back(libelles_reponse[i]);
      EXPECT_EQ(w->parentWidget(), f().Pchamps_saisie);
      EXPECT_EQ(liste(i) != nullptr, c.listes[i]);
      EXPECT_EQ(libelle(i), c.libelles[i]);
      EXPECT_EQ(w->geometry().topLeft(), QPoint(70, haut));
      EXPECT_EQ(w->width(), f().Pchamps_saisie->width() - 70);
      const QWidget* l = libelles_reponse[i];
      EXPECT_EQ(l->x(), 5);
      EXPECT_EQ(l->y(), haut + w->height() / 2 - l->height() / 2);
      if (QComboBox* b = liste(i)) {
        EXPECT_EQ(b->height(), 30);
        EXPECT_EQ(b->font().pointSize(), 14);
        EXPECT_EQ(b->count(), 2);
        EXPECT_EQ(b->currentIndex(), -1);
        EXPECT_EQ(b->itemDelegate()->sizeHint(QStyleOptionViewItem(), b->model()->index(0, 0)).height(), 24);
      }
      haut += w->height() + 2;
    }
    EXPECT_EQ(reponses_attendues.size(), c.listes.size());
  }
  // The controls' right edges follow the panel's.
  f().Pchamps_saisie->resize(f().Pchamps_saisie->width() + 40, f().Pchamps_saisie->height());
  for (QWidget* w : controles_reponse) EXPECT_EQ(w->width(), f().Pchamps_saisie->width() - 70);
}

TEST_F(ControlesReponse, TypingAndChoosingAreEchoedIntoTheStatement) {
  ASSERT_NO_FATAL_FAILURE(poser({"x = ...", "T", {"12"}, "12"}));
  const std::string enonce = texte_exercice;
  EXPECT_EQ(enonce.rfind("<P ALIGN=RIGHT><A HREF=3>Aide</A></P><BR>", 0), 0u) << enonce;
  for (const int cle : {Qt::Key_1, Qt::Key_2}) {
    QKeyEvent appui(QEvent::KeyPress, cle, Qt::NoModifier, QString(QChar('0' + cle - Qt::Key_0)));
    QApplication::sendEvent(zone(0), &appui);
  }
  EXPECT_EQ(zone(0)->text(), "12");
  EXPECT_NE(page().find("x = <FONT COLOR=blue>12</FONT>"), std::string::npos) << page();
  EXPECT_EQ(texte_exercice, enonce);

  ASSERT_NO_FATAL_FAILURE(poser({"La suite est ...", "C(croissante;d\xE9" "croissante)", {"croissante"}, "c"}));
  touche(liste(0), Qt::Key_Down);
  EXPECT_EQ(liste(0)->currentIndex(), 0);
  EXPECT_NE(page().find("La suite est <FONT COLOR=blue>croissante</FONT>"), std::string::npos) << page();
}

TEST_F(ControlesReponse, EnterMovesOnThenValidatesThenStartsTheNextExerciseAndCtrlGCopies) {
  ASSERT_NO_FATAL_FAILURE(poser({"Deux nombres", "T[1.];T[2.]", {"1", "2"}, "1 et 2"}));
  EXPECT_EQ(f().focusWidget(), zone(0));
  zone(0)->setText("1");
  touche(zone(0), Qt::Key_Return);
  EXPECT_EQ(f().focusWidget(), zone(1));
  EXPECT_TRUE(exercice_en_cours);

  touche(zone(1), Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(vers_1252(QApplication::clipboard()->text()), texte_exercice);

  zone(1)->setText("2");
  touche(zone(1), Qt::Key_Enter);
  EXPECT_FALSE(exercice_en_cours);
  EXPECT_TRUE(f().TBcommencer->isEnabled());
  EXPECT_NE(texte_exercice.find(catalogue_textes.txt_bravo_bonne_reponse), std::string::npos);
  EXPECT_EQ(score("nb_total_reponse"), 1);

  touche(zone(1), Qt::Key_Return);
  EXPECT_EQ(questions_posees, 2);
  EXPECT_TRUE(exercice_en_cours);
  EXPECT_EQ(score("nb_total_reponse"), 1);
  EXPECT_TRUE(zone(1)->text().isEmpty());

  // A jump text starts the entry of its code again, counting nothing.
  f().P_reponse->hide();
  zone(0)->setText("exo-1411");
  f().B_valider->click();
  EXPECT_EQ(questions_posees, 3);
  EXPECT_EQ(score("nb_total_reponse"), 1);
  EXPECT_TRUE(f().P_reponse->isVisible());
}

// Two right answers of three: 66%, truncated, over a red to sky-blue fill.
TEST_F(ControlesReponse, ScoreBarShowsTheShareOfRightAnswers) {
  f().afficher_barre_score(2, 3);
  TJvSpecialProgress& barre = *f().PBbonne_reponse;
  EXPECT_EQ(barre.Texte(), QStringLiteral("66%"));
  EXPECT_EQ(barre.Rempli(), (barre.width() - 2) * 2 / 3);
  capturer("barre_score_66_page.png");
  const QImage image = barre.grab().toImage();
  EXPECT_EQ(QColor(image.pixel(1, 1)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(image.pixel(barre.width() - 2, 1)), QColor(255, 255, 255));
}

TEST_F(ControlesReponse, VerdictsColourTheFieldsAndFillTheScoreBar) {
  const TJvSpecialProgress& barre = *f().PBbonne_reponse;
  EXPECT_EQ(barre.Position(), 0);
  EXPECT_GT(barre.Maximum(), 0);  // an empty bar, never the busy indicator

  ASSERT_NO_FATAL_FAILURE(poser({"Calculer 3+1.", "T", {"4"}, "4"}));
  zone(0)->setText("2+2");
  f().B_valider->click();
  EXPECT_EQ(fond(zone(0)), teinte(couleur_simplifiable));
  EXPECT_NE(page().find("simplifi\xE9 en : 4"), std::string::npos);
  EXPECT_EQ(barre.Maximum(), 1);
  EXPECT_EQ(barre.Position(), 1);
  capturer("verdict_juste.png");

  ASSERT_NO_FATAL_FAILURE(poser({"Les deux racines ?", "T[1.];T[2.]", {"2", "2"}, "2 et 2", false}));
  zone(0)->setText("2");
  zone(1)->setText("3");
  f().B_valider->click();
  EXPECT_EQ(fond(zone(0)), teinte(couleur_juste));
  EXPECT_EQ(fond(zone(1)), teinte(couleur_fausse));
  EXPECT_EQ(barre.Maximum(), 2);
  EXPECT_EQ(barre.Position(), 1);
  EXPECT_EQ(vers_1252(barre.Caption()), "1 " + legende_score(2));
  EXPECT_EQ(barre.Texte(), QStringLiteral("50%"));
  capturer("verdict_faux.png");
  f().B_valider->click();  // already judged: nothing more
  EXPECT_EQ(score("nb_bonne_reponse"), 1);
  EXPECT_EQ(score("nb_total_reponse"), 2);

  ASSERT_NO_FATAL_FAILURE(poser({"Le sens ?", "C(croissante;d\xE9" "croissante)", {"croissante"}, "croissante"}));
  liste(0)->setCurrentIndex(1);
  f().B_valider->click();
  EXPECT_EQ(fond(liste(0)), teinte(couleur_fausse));
  EXPECT_EQ(liste(0)->palette().color(QPalette::Button), teinte(couleur_fausse));
}

}  // namespace
