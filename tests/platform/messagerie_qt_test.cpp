// The Qt messenger: which answer Escape gives in a real message box, and the
// file dialog's filters, the one asked for selected in the real dialog.
#include "platform/messagerie_qt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace {

// Presses Escape in the modal box as soon as it shows.
void echapper_des_que_possible() {
  QTimer::singleShot(0, [] {
    QWidget* boite = QApplication::activeModalWidget();
    if (boite == nullptr) return echapper_des_que_possible();
    QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(boite, &echap);
  });
}

TEST(MessagerieQt, EscapeGivesCancelThenNoThenOk) {
  MessagerieQt m;
  struct Cas {
    unsigned boutons;
    int attendu;
  };
  for (const Cas& c : {Cas{bouton_oui | bouton_non | bouton_annuler, reponse_annuler},
                       Cas{bouton_oui | bouton_non, reponse_non}, Cas{bouton_ok, reponse_ok},
                       Cas{bouton_ok | bouton_annuler, reponse_annuler}}) {
    echapper_des_que_possible();
    EXPECT_EQ(m.question("Continuer ?", TypeDialogue::confirmation, c.boutons, false), c.attendu) << c.boutons;
    EXPECT_EQ(reponse_echappement(c.boutons), c.attendu);
  }
}

TEST(MessagerieQt, WindowsFiltersBecomeQtNameFilters) {
  EXPECT_EQ(filtres_qt("Format bitmap (*.bmp)|*.bmp|Format PNG (Portable Network Graphics)  (*.png)|*.png"),
            "Format bitmap (*.bmp);;Format PNG (Portable Network Graphics)  (*.png)");
  EXPECT_EQ(filtres_qt("Images|*.bmp;*.png|Tous|*.*"), "Images (*.bmp *.png);;Tous (*.*)");
  EXPECT_EQ(filtres_qt(""), "");
  EXPECT_EQ(filtres_qt("Sans motif"), "");  // a description without its pattern is no filter
}

TEST(MessagerieQt, TheSaveDialogOpensOnTheFilterAskedAndGivesTheOneInForce) {
  MessagerieQt m;
  DemandeFichier demande;
  demande.filtre = "Format bitmap (*.bmp)|*.bmp|Format PNG (Portable Network Graphics)  (*.png)|*.png";
  demande.indice_filtre = 2;
  demande.enregistrer = true;
  const QString chemin = QDir::temp().filePath(QStringLiteral("sortie"));
  QString filtre_ouvert;
  QTimer::singleShot(0, [&] {
    auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialogue, nullptr);
    filtre_ouvert = dialogue->selectedNameFilter();
    auto* nom = dialogue->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    nom->setText(chemin);
    QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(nom, &entree);
  });
  const std::optional<FichierChoisi> choix = m.fichier(demande);
  EXPECT_EQ(filtre_ouvert, "Format PNG (Portable Network Graphics) (*.png)");
  ASSERT_TRUE(choix.has_value());
  EXPECT_EQ(choix->indice_filtre, 2);
  EXPECT_EQ(QString::fromLatin1(choix->chemin.c_str()), chemin);
}

TEST(MessagerieQt, ModalWindowsShowThroughIt) {
  MessagerieQt m;
  EXPECT_EQ(m.fenetre_modale("TFapropos", [] { return 1; }), 1);
}

}  // namespace
